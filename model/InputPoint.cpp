// Morvane model library.
// The point of an input pattern: a grade point of the source with the points merged into it.
#include "model/InputPoint.h"

#include "model/GradeSize.h"
#include "model/GradeSourceQueries.h"
#include "model/InputPattern.h"
#include "model/MaskPoint.h"
#include "model/NoGeomPolyline.h"
#include "model/PatternLocation.h"
#include "model/PointName.h"

#include <cassert>
#include <memory>

using namespace morvane;

// The size's key: entry 0 of the size, the base size for null or a size without entries.
static GradeSize keyOf(const IGradeSize *size)
{
    const GradeSizeKey key = GradeSizeKey::of(size);
    return {key.table, key.size};
}

CInputPoint::CInputPoint()
{
    m_eGradeType = GRADE_POINT_GRADE;
}

CInputPoint::~CInputPoint() = default;

void CInputPoint::Create(CInputPattern *pattern, IGradePoint *gradePoint)
{
    assert(gradePoint != nullptr && "an input point stands for a grade point");
    m_pInputPattern = pattern;
    SetParent(pattern);
    m_pGradePoint = gradePoint;
}

std::string CInputPoint::GetFormatName() const
{
    if (m_pHost == nullptr)
        return CBasePoint::GetFormatName();
    return pointName('S', m_nPointId);
}

void CInputPoint::OnSetPointID()
{
    for (CInputPoint *tied : m_oTiedSliderPoints)
        tied->SetPointID(m_nPointId);
}

DPOINT CInputPoint::GetPosition(const IGradeSize *size) const
{
    return GetAbsPositionForKey(keyOf(size));
}

DPOINT CInputPoint::GetAbsPositionForKey(GradeSize key) const
{
    const DPOINT own = GetPositionForKey(key);
    return m_pInputPattern != nullptr ? m_pInputPattern->TransformToAbsolute(own) : own;
}

double CInputPoint::GetX() const
{
    return GetPositionForKey(GradeSize{}).x;
}

double CInputPoint::GetY() const
{
    return GetPositionForKey(GradeSize{}).y;
}

CBasePoint *CInputPoint::GetAssociatedPoint() const
{
    IMaskPoint *point = GetAssociationPoint();
    return point != nullptr ? point->GetBasePoint() : nullptr;
}

IMaskPoint *CInputPoint::GetAssociationPoint() const
{
    return m_pInputPattern != nullptr ? m_pInputPattern->FindAssociationPoint(this) : nullptr;
}

IInputPoint *CInputPoint::GetInputPoint()
{
    return this;
}

bool CInputPoint::IsSliderPoint() const
{
    return sliderInfoOf(*m_pGradePoint).isSlider;
}

CBasePoint *CInputPoint::FindSliderPoint(CPolyline *&line)
{
    line = nullptr;
    const SliderInfo slider = sliderInfoOf(*m_pGradePoint);
    if (slider.isSlider) {
        if (m_pInputPattern != nullptr)
            line = m_pInputPattern->FindCurvePolyline(slider.curve);
        return this;
    }
    if (m_oTiedSliderPoints.GetCount() == 0)
        return nullptr;
    return m_oTiedSliderPoints.GetAt(0)->FindSliderPoint(line);
}

DPOINT CInputPoint::GetGradeShift(GradeSize a, GradeSize b)
{
    const DPOINT from = GetGradePosition(a);
    const DPOINT to = GetGradePosition(b);
    return {to.x - from.x, to.y - from.y};
}

DPOINT CInputPoint::GetAbsGradeShift(GradeSize a, GradeSize b)
{
    CDPoint shift(GetGradeShift(a, b));
    if (m_pInputPattern == nullptr)
        return shift.GetDPoint();
    const IPatternLocation *location = m_pInputPattern->GetPatternLocation();
    return shift.TransformToAbsolute({}, location->GetRotAngle(true), location->IsFlipped(), false);
}

void CInputPoint::MoveGradePoint(GradeSize key, double dx, double dy)
{
    if (m_pInputPattern != nullptr)
        m_pInputPattern->OnGradingChange(false);
    MoveGradePosition(key, dx, dy);
    if (m_pInputPattern != nullptr)
        m_pInputPattern->OnGradingChange(true);
}

void CInputPoint::MoveGradePointTo(GradeSize key, double x, double y)
{
    // Measured from where the point lies in that size, so that it lands at (x, y).
    const DPOINT from = GetAbsPositionForKey(key);
    MoveGradePointAbs(key, x - from.x, y - from.y);
}

void CInputPoint::MoveGradePointAbs(GradeSize key, double dx, double dy)
{
    CDPoint shift(dx, dy);
    if (m_pInputPattern != nullptr) {
        const IPatternLocation *location = m_pInputPattern->GetPatternLocation();
        shift.TransformToRelative({}, location->GetRotAngle(true), location->IsFlipped(), false);
    }
    MoveGradePoint(key, shift.x, shift.y);
}

void CInputPoint::SyncGrading(int table, int count)
{
    for (int size = 0; size < count; ++size)
        MoveGradePoint({table, size}, 0.0, 0.0);
    if (table == 0)
        m_pLinkedPoint = nullptr;
}

void CInputPoint::SyncAllGrading(const std::vector<int> &counts)
{
    for (size_t table = 0; table < counts.size(); ++table) {
        for (int size = 0; size < counts[table]; ++size)
            MoveGradePoint({static_cast<int>(table), size}, 0.0, 0.0);
    }
    m_pLinkedPoint = nullptr;
}

CBasePoint *CInputPoint::GetBasePoint()
{
    return this;
}

IGradePoint *CInputPoint::GetGradePoint() const
{
    return m_pGradePoint;
}

void CInputPoint::SetLinkedPoint(IInputPoint *point)
{
    m_pLinkedPoint =
        point != nullptr ? dynamic_cast<CInputPoint *>(point->GetBasePoint()) : nullptr;
}

IInputPoint *CInputPoint::GetLinkedPoint() const
{
    return m_pLinkedPoint;
}

bool CInputPoint::HasMergedGradePoints() const
{
    return m_oMergedGradePoints.GetCount() > 0;
}

bool CInputPoint::HasTiedSliderPoints() const
{
    return m_oTiedSliderPoints.GetCount() > 0;
}

CBasePoint *CInputPoint::GetSliderAnchor(CPolyline *&line)
{
    line = nullptr;
    const SliderInfo slider = sliderInfoOf(*m_pGradePoint);
    if (!slider.isSlider || m_pInputPattern == nullptr || slider.curve == nullptr)
        return nullptr;
    line = m_pInputPattern->FindCurvePolyline(slider.curve);
    const IGradePoint *anchor = gradePointAt(*slider.curve, slider.index);
    const int index = anchor != nullptr ? m_pInputPattern->FindInputPoint(anchor) : -1;
    return index >= 0 ? m_pInputPattern->GetBasePointAt(index) : nullptr;
}

void CInputPoint::MoveGradePosition(GradeSize key, double dx, double dy)
{
    MoveGradePositionFrom(key, GetGradePosition(key), dx, dy);
}

void CInputPoint::SetGradeIncrement(GradeSize key, DPOINT base, DPOINT increment)
{
    const DPOINT current = GetGradePosition(key);
    MoveGradePositionFrom(key, current, increment.x - (current.x - base.x),
                          increment.y - (current.y - base.y));
}

void CInputPoint::MoveGradePositionFrom(GradeSize key, DPOINT position, double dx, double dy)
{
    position.x += dx;
    position.y += dy;
    storePosition(*m_pGradePoint, key, position);
    for (IGradePoint *merged : m_oMergedGradePoints)
        storePosition(*merged, key, position);
    for (CInputPoint *tied : m_oTiedSliderPoints)
        tied->MoveGradePoint(key, dx, dy);
}

void CInputPoint::AddGradePoint(IGradePoint *gradePoint)
{
    if (!sliderInfoOf(*gradePoint).isSlider) {
        m_oMergedGradePoints.Add(gradePoint);
        return;
    }
    auto tied = std::make_unique<CInputPoint>();
    tied->Create(m_pInputPattern, gradePoint);
    tied->m_pHost = this;
    tied->SetPointID(m_nPointId);
    m_oTiedSliderPoints.AddOwned(std::move(tied));
}

DPOINT CInputPoint::GetPositionForKey(GradeSize key) const
{
    const DPOINT position = GetGradePosition(key);
    if (m_pInputPattern == nullptr)
        return position;
    const DPOINT origin = m_pInputPattern->GetOrigin();
    return {position.x - origin.x, position.y - origin.y};
}

DPOINT CInputPoint::GetGradePosition(GradeSize key) const
{
    return positionOf(*m_pGradePoint, key);
}

IGradeCurve *CInputPoint::GetSliderCurve() const
{
    const SliderInfo slider = sliderInfoOf(*m_pGradePoint);
    return slider.isSlider ? slider.curve : nullptr;
}

IGradeCurve *CInputPoint::GetTiedSliderCurve() const
{
    for (const CInputPoint *tied : m_oTiedSliderPoints) {
        if (IGradeCurve *curve = tied->GetSliderCurve())
            return curve;
    }
    return nullptr;
}

bool CInputPoint::CarriesGradePoint(const IGradePoint *gradePoint) const
{
    if (gradePoint == m_pGradePoint || m_oMergedGradePoints.Find(gradePoint) >= 0)
        return true;
    for (const CInputPoint *tied : m_oTiedSliderPoints) {
        if (tied->m_pGradePoint == gradePoint)
            return true;
    }
    return false;
}

CInputPoint *CInputPoint::FindPointOf(const IGradePoint *gradePoint)
{
    if (gradePoint == m_pGradePoint)
        return this;
    for (CInputPoint *tied : m_oTiedSliderPoints) {
        if (tied->m_pGradePoint == gradePoint)
            return tied;
    }
    return nullptr;
}
