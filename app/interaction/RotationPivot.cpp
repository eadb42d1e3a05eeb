// Morvane program interaction.
// The point the selection turns about, and the items a rotation turns with their start places.
#include "app/interaction/RotationPivot.h"

#include "app/extras/GeometryExtras.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "app/interaction/InteractionModes.h"
#include "model/GradeRegion.h"
#include "model/Pattern.h"
#include "model/PatternLocation.h"
#include "tasks/TaskManager.h"

namespace {

constexpr uint32_t kRegionKind = CGradeRegion::kSourceKind;
constexpr uint32_t kLocationKind = CPatternLocation::kSourceKind;
constexpr int32_t kLastRegionProperty = 4;
// An active object of this kind (the top edge of a region as a single object) turns nothing.
constexpr int32_t kUnturnedKind = 5;

uint32_t originKind(const EventData &data)
{
    return data.m_aIds[0] & 0xFFFF;
}

bool isActiveObjectEvent(const EventData &data)
{
    return originKind(data) == CFocusManager::kSourceKind &&
           data.m_nFirst == CFocusManager::kActiveObjectEvent;
}

} // namespace

CRotationPivot::CRotationPivot()
{
    SetHandlerId(kHandlerId, this);
}

CRotationPivot::~CRotationPivot() = default;

void CRotationPivot::CollectItems()
{
    m_aItems.clear();
    CFocusManager *focus = m_pOwner != nullptr ? m_pOwner->GetFocusManager() : nullptr;
    CFocusObject *active = focus != nullptr ? focus->GetActiveObject() : nullptr;
    if (active == nullptr || active->GetType() == CFocusObject::kNothing ||
        active->GetType() == kUnturnedKind) {
        m_oPivot = {};
        return;
    }
    CPtrCollection<CFocusObject> entries;
    active->AddTo(entries);
    if (entries.GetCount() == 1) {
        placePivotForSingleItem(entries.GetAt(0)->GetItem());
    } else if (entries.GetCount() > 1) {
        CDRect rect;
        active->GetRect(rect, nullptr);
        m_oPivot = rect.GetCenter();
    }
    for (const CFocusObject *entry : entries)
        m_aItems.push_back(startOf(entry->GetItem()));
}

void CRotationPivot::SetInitialAngle(const DPOINT &p)
{
    m_dInitialAngle = CDPoint(m_oPivot).GetAngleTo(p.x, p.y);
}

void CRotationPivot::SetCurrentAngle(const DPOINT &p)
{
    m_dCurrentAngle = CDPoint(m_oPivot).GetAngleTo(p.x, p.y);
}

void CRotationPivot::GetRotatedPosition(int i, double &angle, DPOINT &position) const
{
    const Item &item = m_aItems.at(i);
    const double turn = NormalizeAngle(m_dCurrentAngle - m_dInitialAngle);
    angle = item.startAngle + turn;
    CDPoint offset(item.startPosition.x - m_oPivot.x, item.startPosition.y - m_oPivot.y);
    offset.Rotate(turn);
    position = {m_oPivot.x + offset.x, m_oPivot.y + offset.y};
}

void CRotationPivot::SetPivotPoint(const DPOINT &p)
{
    SendBeforeChange(kAllProperties);
    m_oPivot = p;
    if (m_aItems.size() == 1 && m_aItems.front().pattern != nullptr)
        m_aItems.front().pattern->SetPivotPoint(p);
    SendAfterChange(kAllProperties);
}

bool CRotationPivot::HasItems() const
{
    const CInteractionModes *modes =
        m_pOwner != nullptr ? m_pOwner->GetInteractionModes() : nullptr;
    return modes != nullptr && modes->GetAutoRotate() && !m_aItems.empty();
}

void CRotationPivot::NotifyChanged()
{
    SendAfterChange(kAllProperties);
}

void CRotationPivot::ClearItems()
{
    m_aItems.clear();
    m_dInitialAngle = 0.0;
}

void CRotationPivot::GetElementPosition(int32_t, double &x, double &y) const
{
    x = m_oPivot.x;
    y = m_oPivot.y;
}

void CRotationPivot::OnEvent64(EventData *data)
{
    if (!isActiveObjectEvent(*data))
        return;
    m_pRememberedItem = nullptr;
    if (m_aItems.size() == 1) {
        const Item &item = m_aItems.front();
        if (item.pattern != nullptr)
            m_pRememberedItem = item.pattern;
        else if (item.region != nullptr)
            m_pRememberedItem = item.region;
    }
    ClearItems();
}

void CRotationPivot::OnEvent128(EventData *data)
{
    if (!isActiveObjectEvent(*data))
        return;
    CollectItems();
    m_pRememberedItem = nullptr;
}

void CRotationPivot::OnAfterChange(EventData *data)
{
    const uint32_t origin = originKind(*data);
    const auto property = static_cast<int32_t>(data->m_nFirst);
    const bool regionMoved =
        origin == kRegionKind && property >= 0 && property <= kLastRegionProperty;
    const bool placementMoved = origin == kLocationKind && (property == 0 || property == 1);
    if ((regionMoved || placementMoved) && !isRotationRunning())
        CollectItems();
}

void CRotationPivot::placePivotForSingleItem(CObject *item)
{
    if (item != nullptr && item == m_pRememberedItem)
        return;
    if (auto *pattern = dynamic_cast<CPattern *>(item))
        m_oPivot = pattern->GetPivotPoint();
    else if (auto *region = dynamic_cast<CGradeRegion *>(item))
        m_oPivot = region->GetPosition();
}

CRotationPivot::Item CRotationPivot::startOf(CObject *item) const
{
    Item entry;
    if (auto *pattern = dynamic_cast<CPattern *>(item)) {
        const IPatternLocation *location = pattern->GetPatternLocation();
        entry.pattern = pattern;
        entry.startAngle = location->GetRotAngle(true);
        entry.startPosition = location->GetPosition();
    } else if (auto *region = dynamic_cast<CGradeRegion *>(item)) {
        entry.region = region;
        entry.startAngle = region->GetDirection(true);
        entry.startPosition = region->GetPosition();
    }
    return entry;
}

bool CRotationPivot::isRotationRunning() const
{
    CTaskManager *manager = m_pOwner != nullptr ? m_pOwner->GetTaskManager() : nullptr;
    return manager != nullptr && manager->GetTaskStatus("RotateSelectionTask") != TS_INACTIVE;
}
