// Morvane program interaction.
// What the user points at or has picked: a pattern, a grade region, a line, a point.
#include "app/interaction/FocusObject.h"

#include "app/interaction/MultiFocusObject.h"
#include "foundation/Geometry.h"
#include "model/BasePoint.h"
#include "model/GradeRegion.h"
#include "model/Pattern.h"

namespace {

constexpr double kSamePositionDistance = 0.001;

bool isValidKind(int32_t kind)
{
    return kind >= CFocusObject::kNothing && kind <= CFocusObject::kMultiple;
}

} // namespace

CFocusObject::CFocusObject(CObject *item, int32_t kind) : m_pItem(item), m_nType(kind)
{
    if (kind != kNothing)
        m_pSubObject = std::make_unique<CFocusObject>(nullptr, kNothing);
}

CFocusObject::~CFocusObject() = default;

std::unique_ptr<CFocusObject> CFocusObject::Create(CObject *item, int32_t kind)
{
    if (!isValidKind(kind))
        return nullptr;
    if (kind == kPolyline)
        return std::make_unique<CPolylineFocusObject>(item);
    if (kind == kMultiple)
        return std::make_unique<CMultiFocusObject>(item);
    return std::make_unique<CFocusObject>(item, kind);
}

std::unique_ptr<CFocusObject> CFocusObject::Clone(const CFocusObject &source)
{
    std::unique_ptr<CFocusObject> clone = Create(source.m_pItem, source.m_nType);
    clone->CopyFrom(source);
    return clone;
}

void CFocusObject::SetContour(CContour *contour)
{
    m_pContour = contour;
    if (contour != m_pUnfinishedContour.get())
        m_pUnfinishedContour.reset();
}

void CFocusObject::SetUnfinishedContour(std::shared_ptr<CContour> contour)
{
    m_pContour = contour.get();
    m_pUnfinishedContour = std::move(contour);
}

void CFocusObject::AddTo(CPtrCollection<CFocusObject> &collection)
{
    collection.Add(this);
}

bool CFocusObject::GetRect(CDRect &out, const CPtrCollection<IGradeSize> *sizes) const
{
    out.SetEmpty();
    if (CPattern *pattern = GetPattern(); pattern != nullptr && IsPattern())
        out = pattern->GetAbsRect(pattern->IsMaskPattern() ? nullptr : sizes);
    else if (const auto *region = dynamic_cast<const IRegion *>(m_pItem); region && IsRegion())
        region->GetBoundRect(out, false);
    return out.IsValid();
}

void CFocusObject::CopyFrom(const CFocusObject &source)
{
    m_bLocked = source.m_bLocked;
    m_nPointIndex = source.m_nPointIndex;
    m_oPosition = source.m_oPosition;
    m_pItem = source.m_pItem;
    m_nContourIndex = source.m_nContourIndex;
    m_nLineIndex = source.m_nLineIndex;
    m_pDetailObject = source.m_pDetailObject;
    m_pContour = source.m_pContour;
    m_pUnfinishedContour = source.m_pUnfinishedContour;
    m_oSize = source.m_oSize;
    if (source.m_pSubObject)
        m_pSubObject = Clone(*source.m_pSubObject);
}

bool CFocusObject::IsSame(const CFocusObject &other) const
{
    if (m_nType != other.m_nType || m_pItem != other.m_pItem ||
        m_nPointIndex != other.m_nPointIndex)
        return false;
    if (GetDPointDistance(m_oPosition, other.m_oPosition) > kSamePositionDistance)
        return false;
    if (m_nContourIndex != other.m_nContourIndex || m_nLineIndex != other.m_nLineIndex ||
        m_pDetailObject != other.m_pDetailObject || m_pContour != other.m_pContour ||
        m_oSize != other.m_oSize)
        return false;
    if (!m_pSubObject || !other.m_pSubObject)
        return true;
    return m_pSubObject->IsSame(*other.m_pSubObject);
}

bool CFocusObject::RefersTo(const CObject *object) const
{
    return m_pItem == object;
}

bool CFocusObject::HasClass(int selectionClass) const
{
    return GetSelectionClass() == selectionClass;
}

int CFocusObject::GetSelectionClass() const
{
    if (IsPattern())
        return IsMaskPattern() ? kMaskPatternClass : kInputPatternClass;
    if (IsRegion())
        return kRegionClass;
    if (m_nType == kMaskCentre)
        return kMaskCentreClass;
    return kOtherClass;
}

bool CFocusObject::IsAllOfClass(int selectionClass) const
{
    return HasClass(selectionClass);
}

bool CFocusObject::IsFromMask() const
{
    return IsMaskPattern() || IsRegion();
}

void CFocusObject::SetSubObject(CObject *item, int32_t kind)
{
    m_pSubObject = Create(item, kind);
}

int32_t CFocusObject::GetSubObjectType() const
{
    return m_pSubObject ? m_pSubObject->GetType() : kNothing;
}

bool CFocusObject::IsMaskPattern() const
{
    CPattern *pattern = GetPattern();
    return IsPattern() && pattern != nullptr && pattern->IsMaskPattern();
}

CPattern *CFocusObject::GetPattern() const
{
    return dynamic_cast<CPattern *>(m_pItem);
}

DPOINT CFocusObject::GetPosition() const
{
    if (m_nType == kNothing || m_nType == kPolyline)
        return m_oPosition;
    if (m_nType != kPoint)
        return {};
    const auto *point = dynamic_cast<const CBasePoint *>(m_pItem);
    if (point == nullptr)
        return m_oPosition;
    if (m_oSize.isBase())
        return point->GetPosition(nullptr);
    CSimpleGradeSize size;
    size.Create(m_oSize.table, m_oSize.size);
    return point->GetPosition(&size);
}

CPolylineFocusObject::CPolylineFocusObject(CObject *item) : CFocusObject(item, kPolyline) {}

bool CPolylineFocusObject::IsSame(const CFocusObject &other) const
{
    if (!CFocusObject::IsSame(other))
        return false;
    const auto *polyline = dynamic_cast<const CPolylineFocusObject *>(&other);
    return polyline != nullptr && polyline->m_nSegmentIndex == m_nSegmentIndex;
}
