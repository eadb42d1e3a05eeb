// Morvane program interaction.
// What lies under the pointer, what is picked and which grade point is active, for one mask.
#include "app/interaction/FocusManager.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusShapeSet.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "app/interaction/MainTaskVariables.h"
#include "app/interaction/MultiFocusObject.h"
#include "model/BasePoint.h"
#include "model/Contour.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"
#include "model/InputPatterns.h"
#include "model/Pattern.h"
#include "model/PatternLocation.h"
#include "model/Polyline.h"
#include "tasks/Task.h"
#include "tasks/TaskManager.h"

namespace {

constexpr uint32_t kInteractionModesKind = 101;
constexpr uint32_t kFirstProgramKind = 100;

uint32_t originKind(const EventData &data)
{
    return data.m_aIds[0] & 0xFFFF;
}

uint32_t argumentKind(const EventData &data)
{
    return data.m_nFirst & 0xFFFF;
}

// The child an attach or detach event names, as the class that registered it as its owner.
template <class T>
T *childOf(const EventData &data)
{
    return static_cast<T *>(reinterpret_cast<void *>(data.m_nSecond));
}

std::unique_ptr<CFocusObject> emptyFocusObject()
{
    return CFocusObject::Create(nullptr, CFocusObject::kNothing);
}

} // namespace

CFocusManager::CFocusManager()
    : m_pActiveObject(emptyFocusObject())
    , m_pFocusObject(emptyFocusObject())
{
    SetHandlerId(kHandlerId, this);
}

CFocusManager::~CFocusManager() = default;

void CFocusManager::Initialize(IMaskDocumentAccess *owner)
{
    m_pOwner = owner;
    m_pActiveObject = emptyFocusObject();
    m_pFocusObject = emptyFocusObject();
}

CFocusObject *CFocusManager::SetFocusObject(std::unique_ptr<CFocusObject> object)
{
    if (!object)
        object = emptyFocusObject();
    if (m_pFocusObject->IsSame(*object))
        return m_pFocusObject.get();
    SendBeforeChange(kFocusProperty);
    m_pFocusObject = std::move(object);
    morvane::WriteMainTaskInteger(m_pOwner, "nFocusObjectType", m_pFocusObject->GetType());
    morvane::WriteMainTaskInteger(m_pOwner, "nFocusDetailType",
                                  m_pFocusObject->GetSubObjectType());
    SendAfterChange(kFocusProperty);
    return m_pFocusObject.get();
}

void CFocusManager::SetActiveObject(std::unique_ptr<CFocusObject> object)
{
    if (!object)
        object = emptyFocusObject();
    writeActiveVariables(*object);
    const bool same = m_pActiveObject->IsSame(*object);
    if (!same)
        SendEvent64(kActiveObjectEvent, reinterpret_cast<uintptr_t>(m_pActiveObject.get()));
    object->SetLocked(m_pActiveObject->IsLocked());
    m_pActiveObject = std::move(object);
    if (same)
        return;
    if (morvane::ReadMainTaskInteger(m_pOwner, "nSelectionMode") == 1)
        SetActivePoint(nullptr);
    SendEvent128(kActiveObjectEvent, reinterpret_cast<uintptr_t>(m_pActiveObject.get()));
    rebuildRunningToolShapes();
}

void CFocusManager::ClearActiveObject()
{
    SetActiveObject(emptyFocusObject());
}

void CFocusManager::ActivateSelectedPattern()
{
    const auto *selection = dynamic_cast<const CMultiFocusObject *>(m_pActiveObject.get());
    if (selection == nullptr || !selection->HasClass(CFocusObject::kMaskPatternClass))
        return;
    CPtrCollection<CPattern> patterns;
    selection->CollectPatterns(patterns, true);
    SetActiveObject(CFocusObject::Create(patterns.GetFirst(), CFocusObject::kPattern));
}

CPattern *CFocusManager::GetActiveMaskPattern() const
{
    return IsActiveMaskPattern() ? m_pActiveObject->GetPattern() : nullptr;
}

void CFocusManager::SetActivePoint(CBasePoint *point)
{
    if (point == m_pActivePoint)
        return;
    SendBeforeChange(kActivePointProperty);
    m_pActivePoint = point;
    SendAfterChange(kActivePointProperty);
}

int CFocusManager::GetActiveGradePoints(CPtrCollection<CBasePoint> &out) const
{
    out.RemoveAll();
    IDocumentServices *services = m_pOwner != nullptr ? m_pOwner->GetServices() : nullptr;
    if (IsActiveRegion() && services != nullptr)
        services->CollectPointsInArea(GetActiveItem(), out);
    else if (CPattern *pattern = m_pActiveObject->GetPattern(); IsActivePattern() && pattern)
        pattern->AppendGradePoints(out);
    return out.GetCount();
}

CBasePoint *CFocusManager::FindNextPatternPoint(bool backwards) const
{
    CPtrCollection<CBasePoint> points;
    const int count = GetActiveGradePoints(points);
    if (count == 0)
        return nullptr;
    const int found = points.Find(m_pActivePoint);
    if (found < 0)
        return points.GetAt(backwards ? count - 1 : 0);
    const int next = backwards ? found - 1 : found + 1;
    if (next < 0)
        return points.GetAt(count - 1);
    return points.GetAt(next >= count ? 0 : next);
}

void CFocusManager::ActivateNearestPoint(const DPOINT &p)
{
    if (morvane::ReadMainTaskInteger(m_pOwner, "nSelectionMode") != 1)
        return;
    CPtrCollection<CBasePoint> points;
    GetActiveGradePoints(points);
    CBasePoint *nearest = nullptr;
    double nearestDistance = 0.0;
    for (CBasePoint *point : points) {
        const DPOINT position = point->GetAbsPosition();
        const double distance = CDPoint(position).GetDistanceTo(p.x, p.y);
        if (nearest == nullptr || distance < nearestDistance) {
            nearest = point;
            nearestDistance = distance;
        }
    }
    SetActivePoint(nearest);
}

void CFocusManager::OnEvent(CEventHandler *sender, EventRecord *record)
{
    if (originKind(*record->m_pData) < kFirstProgramKind)
        ++m_nModelChanges;
    CEventSink::OnEvent(sender, record);
}

void CFocusManager::InvalidateShapes()
{
    ++m_nModelChanges;
}

void CFocusManager::OnDetached(EventData *data)
{
    const uint32_t origin = originKind(*data);
    const uint32_t child = argumentKind(*data);
    if (origin == CGradeMask::kSourceKind && child == CPattern::kSourceKind) {
        if (m_pActiveObject->RefersTo(childOf<CPattern>(*data)))
            ClearActiveObject();
    } else if (origin == CGradeMask::kSourceKind && child == CGradeRegion::kSourceKind) {
        if (m_pActiveObject->RefersTo(childOf<CGradeRegion>(*data)))
            ClearActiveObject();
    } else if (origin == CInputPatterns::kSourceKind && child == CPattern::kSourceKind) {
        if (m_pActiveObject->RefersTo(childOf<CPattern>(*data)))
            ClearActiveObject();
    } else if (origin == CPattern::kSourceKind && child == CBasePoint::kSourceKind) {
        if (childOf<CBasePoint>(*data) == m_pActivePoint)
            SetActivePoint(nullptr);
    } else if (origin == CPattern::kSourceKind && child == CPolyline::kSourceKind) {
        if (m_pActiveObject->GetSubObjectType() == CFocusObject::kPolyline ||
            m_pActiveObject->GetContour() != nullptr)
            onPatternLineRemoved();
    } else if (origin == CPattern::kSourceKind && child == CContour::kSourceKind) {
        if (childOf<CContour>(*data) == m_pActiveObject->GetContour())
            onPatternLineRemoved();
    }
}

void CFocusManager::OnAfterChange(EventData *data)
{
    const uint32_t origin = originKind(*data);
    const uint32_t property = argumentKind(*data);
    if (origin == CPatternLocation::kSourceKind && property == 1) {
        const auto *location = static_cast<const CPatternLocation *>(data->m_aOwners[0]);
        if (!location->GetSecondFlag() && m_pActiveObject->RefersTo(location->GetPattern()))
            ClearActiveObject();
    } else if (origin == kInteractionModesKind && property == 0) {
        if (m_pActiveObject->GetType() == CFocusObject::kMultiple)
            ClearActiveObject();
    }
}

void CFocusManager::OnBeginUpdate(EventData *data)
{
    const uint32_t origin = originKind(*data);
    if (origin == CGradeMask::kSourceKind) {
        if (m_pActiveObject->HasClass(CFocusObject::kMaskPatternClass) ||
            m_pActiveObject->HasClass(CFocusObject::kRegionClass) ||
            m_pActiveObject->HasClass(CFocusObject::kMaskCentreClass))
            ClearActiveObject();
    } else if (origin == CInputPatterns::kSourceKind) {
        if (m_pActiveObject->HasClass(CFocusObject::kInputPatternClass))
            ClearActiveObject();
    }
}

void CFocusManager::writeActiveVariables(const CFocusObject &object)
{
    morvane::WriteMainTaskInteger(m_pOwner, "nActiveObjectType", object.GetType());
    morvane::WriteMainTaskInteger(m_pOwner, "bAllActiveFromMask", object.IsFromMask() ? 1 : 0);
}

// As the function command "UpdateFocusManager" does for the innermost running task.
void CFocusManager::rebuildRunningToolShapes()
{
    CTaskManager *manager = m_pOwner != nullptr ? m_pOwner->GetTaskManager() : nullptr;
    CTask *mainTask = manager != nullptr ? manager->GetMainTask() : nullptr;
    if (mainTask != nullptr)
        UpdateFocusManager(*mainTask->GetActiveTask()->GetAttributes());
}

void CFocusManager::onPatternLineRemoved()
{
    SetActiveObject(CFocusObject::Create(GetActiveItem(), CFocusObject::kPattern));
}
