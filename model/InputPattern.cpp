// Morvane model library.
// A pattern of the grade model as the document holds it: input points, input polylines, contours.
#include "model/InputPattern.h"

#include "foundation/DRect.h"
#include "foundation/Geometry.h"
#include "model/GradeSourceQueries.h"
#include "model/IInputPatterns.h"
#include "model/InputPatternMask.h"
#include "model/InputPoint.h"
#include "model/NoGeomPolyline.h"

#include <memory>
#include <unordered_set>
#include <vector>

using namespace morvane;

namespace {

/// What the pattern needs to know of a source point to sort it into the creation passes.
struct SourcePoint
{
    IGradePoint *point;
    bool isSlider;
    bool onCurve;
    /// Asked only of the points that neither slide nor lie on a curve.
    bool isMark;
};

/// The creation passes, in order.
enum class Pass { OnCurve, Free, Mark, Slider };

} // namespace

static std::vector<SourcePoint> describePoints(const std::vector<IGradePoint *> &points,
                                               const std::vector<IGradeCurve *> &curves)
{
    std::unordered_set<const IGradePoint *> onCurves;
    for (IGradeCurve *curve : curves) {
        for (const IGradePoint *point : gradePointsOf(*curve))
            onCurves.insert(point);
    }
    std::vector<SourcePoint> described;
    for (IGradePoint *point : points) {
        const bool isSlider = sliderInfoOf(*point).isSlider;
        const bool onCurve = onCurves.count(point) > 0;
        described.push_back(
            {point, isSlider, onCurve, !isSlider && !onCurve && isMarkPoint(*point)});
    }
    return described;
}

static bool belongsTo(Pass pass, const SourcePoint &point)
{
    switch (pass) {
    case Pass::OnCurve:
        return !point.isSlider && point.onCurve;
    case Pass::Free:
        return !point.isSlider && !point.onCurve && !point.isMark;
    case Pass::Mark:
        return point.isMark;
    case Pass::Slider:
        return point.isSlider;
    }
    return false;
}

CInputPattern::CInputPattern() = default;

CInputPattern::~CInputPattern() = default;

void CInputPattern::Create(IGradePattern *source, IInputPatterns *owner)
{
    m_pGradePattern = source;
    m_pOwner = owner;
    if (source == nullptr)
        return;
    const std::vector<IGradeCurve *> curves = curvesOf(*source);
    const std::vector<SourcePoint> points = describePoints(internalPointsOf(*source), curves);
    for (Pass pass : {Pass::OnCurve, Pass::Free, Pass::Mark, Pass::Slider}) {
        for (const SourcePoint &point : points) {
            if (belongsTo(pass, point))
                AddOrMergePoint(point.point);
        }
    }
    for (IGradeCurve *curve : curves) {
        auto line = std::make_unique<CNoGeomPolyline>();
        line->Create(curve, this);
        m_oPolylines.AddOwned(std::move(line));
    }
    for (int i = 0; i < GetBasePointCount(); ++i) {
        CInputPoint *point = GetInputPointAt(i);
        int line = -1;
        if (!point->IsSliderPoint() && FindPolyPoint(point, line) < 0 &&
            isMarkPoint(*point->GetGradePoint()))
            m_oMarkPoints.Add(point);
    }
}

int CInputPattern::CreateContour()
{
    auto contour = std::make_unique<CContour>();
    contour->Create(this);
    return m_oContours.AddOwned(std::move(contour));
}

void CInputPattern::GetAssPatterns(CPtrCollection<CPattern> &patterns)
{
    patterns.RemoveAll();
    InputPatternMask *mask = m_pOwner != nullptr ? m_pOwner->GetGradeMask() : nullptr;
    if (mask == nullptr)
        return;
    CPtrCollection<CPattern> associated;
    for (int i = 0; i < mask->GetPatternCount(); ++i) {
        CPattern *pattern = mask->GetPatternAt(i);
        pattern->GetAssPatterns(associated);
        if (associated.Find(this) >= 0)
            patterns.Add(pattern);
    }
}

void CInputPattern::AddAssPattern(CPattern *pattern)
{
    pattern->AddAssPattern(this);
}

void CInputPattern::RemoveAssPattern(CPattern *pattern)
{
    pattern->RemoveAssPattern(this);
}

void CInputPattern::ClearAssPatterns()
{
    CPtrCollection<CPattern> associated;
    GetAssPatterns(associated);
    for (CPattern *pattern : associated)
        pattern->RemoveAssPattern(this);
}

IMaskPoint *CInputPattern::FindAssociationPoint(const CBasePoint *item)
{
    CPtrCollection<CPattern> associated;
    GetAssPatterns(associated);
    for (CPattern *pattern : associated) {
        if (IMaskPoint *point = pattern->FindAssociationPoint(item))
            return point;
    }
    return nullptr;
}

IInputPattern *CInputPattern::GetInputPattern()
{
    return this;
}

IPatternLocation *CInputPattern::GetPatternLocation() const
{
    if (m_pOwner != nullptr) {
        if (IPatternLocation *location =
                m_pOwner->GetInputPatternLocation(const_cast<CInputPattern *>(this)))
            return location;
    }
    return CPattern::GetPatternLocation();
}

std::string CInputPattern::GetPatternName() const
{
    return m_pGradePattern != nullptr ? nameOf(*m_pGradePattern) : std::string();
}

bool CInputPattern::IsFlagged() const
{
    return GetPatternLocation()->GetSecondFlag();
}

void CInputPattern::SetFlagged()
{
    GetPatternLocation()->SetSecondFlag(true);
}

void CInputPattern::ClearFlagged()
{
    GetPatternLocation()->SetSecondFlag(false);
}

CNoGeomPolyline *CInputPattern::FindCurvePolyline(const IGradeCurve *curve) const
{
    if (curve == nullptr)
        return nullptr;
    for (int i = 0; i < GetPolylineCount(); ++i) {
        CNoGeomPolyline *line = GetInputPolylineAt(i);
        if (line->GetGradeCurve() == curve)
            return line;
    }
    return nullptr;
}

void CInputPattern::SetOrigin(double x, double y)
{
    m_oOrigin = {x, y};
    InvalidatePolylines();
    m_oLocation.SetPosition(x, y);
    InvalidateRect();
}

void CInputPattern::UpdateOrigin()
{
    CDRect rect;
    for (int i = 0; i < GetGradePointCount(); ++i) {
        const CBasePoint *point = GetGradePointAt(i);
        rect.Include(point->GetX() + m_oOrigin.x, point->GetY() + m_oOrigin.y);
    }
    InvalidatePolylines();
    if (!rect.IsValid())
        return;
    const DPOINT centre = rect.GetCenter();
    SetOrigin(centre.x, centre.y);
}

void CInputPattern::OnGradingChange(bool changed)
{
    if (!changed) {
        SendBeforeChange(0);
        return;
    }
    InvalidatePolylines();
    InvalidateRect();
    SendAfterChange(0);
}

int CInputPattern::AddOrMergePoint(IGradePoint *gradePoint)
{
    const int carrier = FindInputPoint(gradePoint);
    if (carrier >= 0)
        return carrier;
    const int near = FindNearInputPoint(gradePoint, kMergeDistance);
    if (near < 0)
        return AddInputPoint(gradePoint);
    GetInputPointAt(near)->AddGradePoint(gradePoint);
    return near;
}

int CInputPattern::AddInputPoint(IGradePoint *gradePoint)
{
    const int carrier = FindInputPoint(gradePoint);
    if (carrier >= 0)
        return carrier;
    auto point = std::make_unique<CInputPoint>();
    point->Create(this, gradePoint);
    return m_oBasePoints.AddOwned(std::move(point));
}

int CInputPattern::FindInputPoint(const IGradePoint *gradePoint) const
{
    for (int i = 0; i < GetBasePointCount(); ++i) {
        if (GetInputPointAt(i)->CarriesGradePoint(gradePoint))
            return i;
    }
    return -1;
}

CInputPoint *CInputPattern::GetInputPointAt(int i) const
{
    return static_cast<CInputPoint *>(GetBasePointAt(i));
}

CNoGeomPolyline *CInputPattern::GetInputPolylineAt(int i) const
{
    return static_cast<CNoGeomPolyline *>(GetPatternPolylineAt(i));
}

int CInputPattern::FindNearInputPoint(IGradePoint *gradePoint, double tolerance) const
{
    const DPOINT position = positionOf(*gradePoint, GradeSize{});
    const SliderInfo slider = sliderInfoOf(*gradePoint);
    for (int i = 0; i < GetBasePointCount(); ++i) {
        const CInputPoint *point = GetInputPointAt(i);
        if (GetDPointDistance(point->GetGradePosition(GradeSize{}), position) >= tolerance ||
            point->IsSliderPoint())
            continue;
        const IGradeCurve *tiedCurve = slider.isSlider ? point->GetTiedSliderCurve() : nullptr;
        if (tiedCurve == nullptr || tiedCurve == slider.curve)
            return i;
    }
    return -1;
}

void CInputPattern::InvalidatePolylines()
{
    for (int i = 0; i < GetPolylineCount(); ++i)
        GetInputPolylineAt(i)->Invalidate();
}
