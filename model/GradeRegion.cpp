// Morvane model library.
// A grade region of the mask: a half plane, strip or box whose points one formula grades.
#include "model/GradeRegion.h"

#include "foundation/CurveShape.h"
#include "foundation/DLine.h"
#include "foundation/Geometry.h"
#include "model/GradeMask.h"
#include "model/GradeSourceQueries.h"
#include "model/IInputPatterns.h"
#include "model/IOldFormula.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "platform/dunmere/DunmereHelper.h"

#include <algorithm>
#include <cmath>

using namespace morvane;

/// A new position within this distance of the current one leaves the region where it is.
static constexpr double kPositionTolerance = 0.001;

static const CRuntimeClass kGradeRegionClass("CGradeRegion", &CreateObjectOf<CGradeRegion>,
                                             CMvItem::GetThisClass());

const CRuntimeClass *CGradeRegion::GetThisClass()
{
    return &kGradeRegionClass;
}

CGradeRegion::CGradeRegion()
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
    AddStringAttribute(&m_sName, "Name");
    SetNameAttribute("Name");
    AddDoubleAttribute(&m_oPosition.x, "PosX");
    AddDoubleAttribute(&m_oPosition.y, "PosY");
    AddDoubleAttribute(&m_dDirection, "RegDir", XmlPresence::Required, XmlForm::Element, 6);
    AddDoubleAttribute(&m_dLeft90, "Left90");
    AddDoubleAttribute(&m_dRight90, "Right90");
    AddDoubleAttribute(&m_dMaxHeight, "MaxHeight");
    AddBoolAttribute(&m_bLimMaxHeight, "LimMaxHeight");
    AddBoolAttribute(&m_bLimLeft90, "LimLeft90");
    AddBoolAttribute(&m_bLimRight90, "LimRight90");
    AddIntAttribute(&m_eType, "Type", XmlPresence::WhenSet);
    AddPtrAttribute(&m_pOldFormula, "BaseFormula", "GradeFormula", XmlPresence::ReadOnly);
}

CGradeRegion::~CGradeRegion() = default;

template <class T> void CGradeRegion::SetValue(T &member, const T &value, Property property)
{
    if (member == value)
        return;
    SendBeforeChange(property);
    member = value;
    SendAfterChange(property);
}

void CGradeRegion::SetName(const std::string &name)
{
    SetValue(m_sName, name, NameProperty);
}

void CGradeRegion::SetLimRight90(bool on)
{
    SetValue(m_bLimRight90, on, RightProperty);
}

void CGradeRegion::SetLimLeft90(bool on)
{
    SetValue(m_bLimLeft90, on, LeftProperty);
}

void CGradeRegion::SetLimMaxHeight(bool on)
{
    SetValue(m_bLimMaxHeight, on, HeightProperty);
}

void CGradeRegion::SetLeft90(double offset)
{
    SetValue(m_dLeft90, offset, LeftProperty);
}

void CGradeRegion::SetRight90(double offset)
{
    SetValue(m_dRight90, offset, RightProperty);
}

void CGradeRegion::SetMaxHeight(double height)
{
    SetValue(m_dMaxHeight, height, HeightProperty);
}

void CGradeRegion::SetType(int type)
{
    SetValue(m_eType, type, TypeProperty);
}

void CGradeRegion::SetDirection(double direction, bool radians)
{
    SetValue(m_dDirection, radians ? direction : DegToRad(direction), DirectionProperty);
}

double CGradeRegion::GetDirection(bool radians) const
{
    return radians ? m_dDirection : RadToDeg(m_dDirection);
}

void CGradeRegion::SetPosition(DPOINT position)
{
    if (GetDPointDistance(position, m_oPosition.GetDPoint()) <= kPositionTolerance)
        return;
    SendBeforeChange(PositionProperty);
    m_oPosition = CDPoint(position);
    SendAfterChange(PositionProperty);
}

bool CGradeRegion::IsClosed() const
{
    return m_bLimLeft90 && m_bLimRight90 && m_bLimMaxHeight;
}

CGradeRegion::Extent CGradeRegion::GetExtent(double reach) const
{
    const double left = m_bLimLeft90 ? m_dLeft90 : -kUnlimited;
    const double right = m_bLimRight90 ? m_dRight90 : kUnlimited;
    const double height = m_bLimMaxHeight ? m_dMaxHeight : kUnlimited;
    return {std::clamp(left, -reach, reach), std::clamp(right, -reach, reach),
            std::clamp(height, -reach, reach)};
}

CGradeRegion::Corners CGradeRegion::GetCornersOf(const Extent &extent) const
{
    const double s = std::sin(m_dDirection);
    const double c = std::cos(m_dDirection);
    const DPOINT baseLeft{m_oPosition.x + extent.left * s, m_oPosition.y - extent.left * c};
    const DPOINT baseRight{m_oPosition.x + extent.right * s, m_oPosition.y - extent.right * c};
    return {baseLeft,
            baseRight,
            {baseLeft.x + extent.height * c, baseLeft.y + extent.height * s},
            {baseRight.x + extent.height * c, baseRight.y + extent.height * s}};
}

CGradeRegion::Corners CGradeRegion::GetEffectiveCorners() const
{
    return GetCornersOf(GetExtent(kUnlimited));
}

// A point of the region lies at (u, v) from the position along the base line and the direction,
// with u between the offsets and v up to the height; within distance reach of the position both
// |u| and v are at most reach, so bringing the offsets and height into [-reach, reach] keeps
// every point of the region there. The rectangle lies within reach, with room to spare.
CGradeRegion::Corners CGradeRegion::GetCornersReaching(const CDRect &rect) const
{
    double reach = 0.0;
    for (const DPOINT corner : {DPOINT{rect.minX, rect.minY}, DPOINT{rect.minX, rect.maxY},
                                DPOINT{rect.maxX, rect.maxY}, DPOINT{rect.maxX, rect.minY}})
        reach = std::max(reach, GetDPointDistance(corner, m_oPosition.GetDPoint()));
    return GetCornersOf(GetExtent(std::min(2.0 * reach + 1.0, kUnlimited)));
}

void CGradeRegion::GetOutline(DPOINT &baseLeft, DPOINT &topLeft, DPOINT &topRight,
                              DPOINT &baseRight) const
{
    GetCorners(baseLeft, baseRight, topLeft, topRight);
}

void CGradeRegion::GetCorners(DPOINT &baseLeft, DPOINT &baseRight, DPOINT &topLeft,
                              DPOINT &topRight) const
{
    const Corners corners = GetEffectiveCorners();
    baseLeft = corners.baseLeft;
    baseRight = corners.baseRight;
    topLeft = corners.topLeft;
    topRight = corners.topRight;
}

bool CGradeRegion::GetPolygon(std::vector<DPOINT> &out) const
{
    const Corners corners = GetEffectiveCorners();
    out.insert(out.end(), {corners.baseLeft, corners.topLeft, corners.topRight, corners.baseRight});
    return true;
}

CDRect &CGradeRegion::GetBoundRect(CDRect &out, bool limitedOnly) const
{
    out.SetEmpty();
    const Corners corners = GetEffectiveCorners();
    if (!limitedOnly) {
        for (const DPOINT &corner :
             {corners.baseLeft, corners.baseRight, corners.topLeft, corners.topRight})
            out.Include(corner.x, corner.y);
        return out;
    }
    out.Include(m_oPosition.x, m_oPosition.y);
    if (m_bLimLeft90)
        out.Include(corners.baseLeft.x, corners.baseLeft.y);
    if (m_bLimRight90)
        out.Include(corners.baseRight.x, corners.baseRight.y);
    if (m_bLimMaxHeight && m_bLimLeft90)
        out.Include(corners.topLeft.x, corners.topLeft.y);
    if (m_bLimMaxHeight && m_bLimRight90)
        out.Include(corners.topRight.x, corners.topRight.y);
    return out;
}

static bool samePoint(const DPOINT &a, const DPOINT &b)
{
    return GetDPointDistance(a, b) == 0.0;
}

/// Whether p lies on the inner (left) side of the directed edge from a to b, or on it.
static bool isOnInnerSide(const DPOINT &a, const DPOINT &b, const DPOINT &p)
{
    CDLine line;
    line.SetFromPoints(a, b);
    return line.a * p.x + line.b * p.y + line.c >= 0.0;
}

bool CGradeRegion::IsPointInside(DPOINT p) const
{
    const Corners corners = GetEffectiveCorners();
    if (samePoint(corners.baseRight, corners.baseLeft))
        return false;
    if (!isOnInnerSide(corners.baseRight, corners.baseLeft, p))
        return false;
    const auto passes = [&p](bool limited, const DPOINT &a, const DPOINT &b) {
        return !limited || samePoint(a, b) || isOnInnerSide(a, b, p);
    };
    return passes(m_bLimLeft90, corners.baseLeft, corners.topLeft) &&
           passes(m_bLimRight90, corners.topRight, corners.baseRight) &&
           passes(m_bLimMaxHeight, corners.topLeft, corners.topRight);
}

bool CGradeRegion::ClipToRect(const CDRect &rect, std::vector<DPOINT> &out) const
{
    const Corners corners = GetCornersReaching(rect);
    const DPOINT regionPoints[] = {corners.baseLeft, corners.topLeft, corners.topRight,
                                   corners.baseRight};
    const DPOINT rectPoints[] = {{rect.minX, rect.minY},
                                 {rect.minX, rect.maxY},
                                 {rect.maxX, rect.maxY},
                                 {rect.maxX, rect.minY}};
    CCurveShape region;
    region.SetPoints(regionPoints);
    CCurveShape view;
    view.SetPoints(rectPoints);
    CCurveShape clipped;
    CDunmereHelper helper;
    if (helper.Dunmere(DUNMERE_INTERSECTION, &region, &view, &clipped) == DUNMERE_NONE)
        return false;
    for (int i = 0; i < clipped.GetVertexCount(); ++i)
        out.push_back(clipped.GetVertexAt(i)->GetPosition().GetDPoint());
    return clipped.GetVertexCount() > 2;
}

// Cuts the segment a-b to the rectangle, one rectangle edge after the other. True when an end
// lies in the rectangle (half-open) or the segment crosses an edge.
static bool clipSegmentToRect(const CDRect &rect, DPOINT &a, DPOINT &b)
{
    bool result = rect.Contains(a.x, a.y) || rect.Contains(b.x, b.y);
    const bool rising = a.y < b.y;
    const bool rightwards = a.x < b.x;
    const auto cut = [&](DPOINT from, DPOINT to, bool replaceA) {
        double x = 0.0;
        double y = 0.0;
        if (!IntersectSegments(a, b, from, to, x, y))
            return;
        result = true;
        (replaceA ? a : b) = {x, y};
    };
    cut({rect.minX, rect.minY}, {rect.maxX, rect.minY}, rising);
    cut({rect.minX, rect.maxY}, {rect.maxX, rect.maxY}, !rising);
    cut({rect.minX, rect.minY}, {rect.minX, rect.maxY}, rightwards);
    cut({rect.maxX, rect.maxY}, {rect.maxX, rect.minY}, !rightwards);
    return result;
}

bool CGradeRegion::GetClippedEdge(const CDRect &rect, int edge, DPOINT &from, DPOINT &to) const
{
    if (edge < 0 || edge > 3)
        return false;
    const Corners corners = GetCornersReaching(rect);
    const DPOINT starts[] = {corners.baseRight, corners.baseLeft, corners.topLeft,
                             corners.topRight};
    const DPOINT ends[] = {corners.baseLeft, corners.topLeft, corners.topRight, corners.baseRight};
    from = starts[edge];
    to = ends[edge];
    return clipSegmentToRect(rect, from, to);
}

bool CGradeRegion::IsDroppedByKind(CBasePoint *point) const
{
    switch (m_eType) {
    case REGION_GRADE: {
        if (m_pGradeMask->IsInExcludeRegion(point->GetAbsPosition()) ||
            m_pGradeMask->IsInReadOnlyRegion(point))
            return true;
        IInputPoint *input = point->GetInputPoint();
        return input != nullptr && isMarkPoint(*input->GetGradePoint());
    }
    case REGION_READ_ONLY:
        return m_pGradeMask->IsInExcludeRegion(point->GetAbsPosition());
    default:
        return false;
    }
}

void CGradeRegion::AppendShownInputPatterns(CPtrCollection<CInputPattern> &out) const
{
    if (m_pGradeMask == nullptr || m_pGradeMask->GetInputPatterns() == nullptr)
        return;
    const IInputPatterns &patterns = *m_pGradeMask->GetInputPatterns();
    for (int i = 0; i < patterns.GetPatternCount(); ++i) {
        if (patterns.GetPatternAt(i)->IsFlagged())
            out.Add(patterns.GetPatternAt(i));
    }
}

void CGradeRegion::UpdateRegionPoints(CPtrCollection<CBasePoint> &out) const
{
    CPtrCollection<CInputPattern> patterns;
    AppendShownInputPatterns(patterns);
    CPtrCollection<CBasePoint> gradePoints;
    for (const CInputPattern *pattern : patterns)
        pattern->AppendGradePoints(gradePoints);
    for (CBasePoint *point : gradePoints) {
        if (IsPointInside(point->GetAbsPosition()) && !IsDroppedByKind(point))
            out.Add(point);
    }
}

// The formula may have left the mask since (and the history may have deleted it): only a
// formula the mask's manager holds is handed out.
IBaseFormula *CGradeRegion::GetGradeFormula() const
{
    if (m_pGradeFormula == nullptr || m_pGradeMask == nullptr ||
        !m_pGradeMask->GetFormulaManager()->ContainsFormula(m_pGradeFormula))
        return nullptr;
    return m_pGradeFormula;
}

IBaseFormula *CGradeRegion::FindGradeFormula() const
{
    if (m_pGradeMask == nullptr)
        return nullptr;
    return m_pGradeMask->GetFormulaManager()->FindRegionFormula(this);
}

void CGradeRegion::UpdateTypeFromFormula()
{
    SetType(FindGradeFormula() != nullptr ? REGION_GRADE : REGION_EXCLUDE);
}

std::unique_ptr<IFormulaCopy> CGradeRegion::FindManagedCounterpart()
{
    auto copy = std::make_unique<CGradeRegion>();
    copy->Assign(this);
    return copy;
}

void CGradeRegion::Assign(IFormulaCopy *other)
{
    const auto *region = dynamic_cast<const CGradeRegion *>(other);
    assert(region != nullptr && "a region takes over the state of a region only");
    SetName(region->m_sName);
    // Exactly: SetPosition would leave a move of 0.001 or less undone.
    if (m_oPosition.x != region->m_oPosition.x || m_oPosition.y != region->m_oPosition.y) {
        SendBeforeChange(PositionProperty);
        m_oPosition = region->m_oPosition;
        SendAfterChange(PositionProperty);
    }
    SetDirection(region->m_dDirection, true);
    SetLeft90(region->m_dLeft90);
    SetRight90(region->m_dRight90);
    SetMaxHeight(region->m_dMaxHeight);
    SetLimLeft90(region->m_bLimLeft90);
    SetLimRight90(region->m_bLimRight90);
    SetLimMaxHeight(region->m_bLimMaxHeight);
    SetType(region->m_eType);
}
