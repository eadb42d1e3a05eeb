// Morvane program foundation extras.
// The search for the shape nearest to a probe point over a list of typed shape references.
#include "app/extras/ShapeHitTest.h"

#include "foundation/DLine.h"
#include "foundation/Geometry.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>

namespace {

constexpr double kGuideTieDistance = 0.001;

struct Corners
{
    DPOINT a;
    DPOINT b;
    DPOINT c;
    DPOINT d;
};

struct EdgeDistance
{
    double distance = 0.0;
    int32_t edge = -1;
};

double distanceToSegment(const DPOINT &probe, const DPOINT &start, const DPOINT &end)
{
    return GetDistanceToSegment(probe.x, probe.y, start.x, start.y, end.x, end.y);
}

// The edges are tried A-D, D-C, C-B, B-A (numbered 3 to 0); a later edge wins only when
// strictly nearer.
EdgeDistance nearestEdge(const DPOINT &probe, const Corners &corners)
{
    struct Edge
    {
        const DPOINT &start;
        const DPOINT &end;
        int32_t number;
    };
    const std::array<Edge, 4> edges = {{{corners.a, corners.d, 3},
                                        {corners.d, corners.c, 2},
                                        {corners.c, corners.b, 1},
                                        {corners.b, corners.a, 0}}};
    EdgeDistance nearest;
    for (const Edge &edge : edges) {
        const double distance = distanceToSegment(probe, edge.start, edge.end);
        if (nearest.edge < 0 || distance < nearest.distance)
            nearest = {distance, edge.number};
    }
    return nearest;
}

// Inside means on or right of each directed edge D->A, A->B, C->D, B->C. An edge of coincident
// ends is skipped, but coincident D and A leave no inside at all.
bool isInside(const DPOINT &probe, const Corners &corners)
{
    if (GetDPointDistance(corners.d, corners.a) == 0.0)
        return false;
    const std::array<std::array<const DPOINT *, 2>, 4> edges = {{{&corners.d, &corners.a},
                                                                 {&corners.a, &corners.b},
                                                                 {&corners.c, &corners.d},
                                                                 {&corners.b, &corners.c}}};
    for (const auto &[from, to] : edges) {
        if (GetDPointDistance(*from, *to) == 0.0)
            continue;
        CDLine line;
        line.SetFromPoints(*from, *to);
        if (line.GetSide(probe.x, probe.y) == 1)
            return false;
    }
    return true;
}

DPOINT elementPoint(const IPointSetShape &shape, int32_t element, int i)
{
    DPOINT point;
    shape.GetElementPoint(element, i, point.x, point.y);
    return point;
}

DPOINT elementPosition(const IPositionShape &shape, int32_t element)
{
    DPOINT position;
    shape.GetElementPosition(element, position.x, position.y);
    return position;
}

} // namespace

void CShapeHitTest::AddShapeKind0(uint32_t id, ICornerShape *shape, int32_t tolerance,
                                  int32_t element, int32_t group)
{
    AddShape(CShapeRef(id, shape, ShapeKind::CornerArea, element, group, tolerance));
}

void CShapeHitTest::AddShapeKind1(uint32_t id, ICornerShape *shape, int32_t tolerance,
                                  int32_t element, int32_t group)
{
    AddShape(CShapeRef(id, shape, ShapeKind::CornerOutline, element, group, tolerance));
}

void CShapeHitTest::AddShapeKind3(uint32_t id, IPointSetShape *shape, int32_t tolerance,
                                  int32_t element, int32_t group)
{
    AddShape(CShapeRef(id, shape, ShapeKind::Polyline, element, group, tolerance));
}

void CShapeHitTest::AddShapeKind5(uint32_t id, IPositionShape *shape, int32_t tolerance,
                                  int32_t element, int32_t group)
{
    AddShape(CShapeRef(id, shape, ShapeKind::Position, element, group, tolerance));
}

void CShapeHitTest::AddShape(const CShapeRef &ref)
{
    m_aRefs.push_back(ref);
    m_oIndex.clear();
}

void CShapeHitTest::RemoveAllShapes()
{
    m_oHit.Reset();
    m_aRefs.clear();
    m_oIndex.clear();
}

const CShapeHit *CShapeHitTest::Run(const DPOINT &probe)
{
    m_dScale = GetScale();
    m_oHit.Reset();
    m_oProbe = probe;
    if (!m_oIndex.isBuiltFor(m_dScale))
        m_oIndex.build(m_aRefs, m_dScale);
    m_oIndex.findCandidates(probe, m_aCandidates);
    // The references skipped are never accepted here, so only an accepted one moves the stop.
    auto stop = static_cast<uint32_t>(m_aRefs.size());
    for (const uint32_t i : m_aCandidates) {
        if (i >= stop)
            break;
        const CShapeRef &ref = m_aRefs[i];
        CShapeHit candidate;
        if (!Measure(ref, candidate) || !Replaces(ref, candidate.m_dDistance))
            continue;
        candidate.m_pRef = &ref;
        m_oHit = candidate;
        stop = m_oIndex.stopAfter(i);
    }
    return m_oHit.m_pRef != nullptr ? &m_oHit : nullptr;
}

// Fills candidate with the distance and what the kind tells besides; false when the reference
// is not accepted.
bool CShapeHitTest::Measure(const CShapeRef &ref, CShapeHit &candidate) const
{
    switch (ref.GetKind()) {
    case ShapeKind::CornerArea:
    case ShapeKind::CornerOutline:
        return MeasureCorners(ref, candidate);
    case ShapeKind::Unseen:
        return false;
    case ShapeKind::Polyline:
        return MeasurePolyline(ref, candidate);
    case ShapeKind::PointSet:
        return MeasurePointSet(ref, candidate);
    case ShapeKind::Position:
        return MeasurePosition(ref, candidate);
    case ShapeKind::NearestPoint:
        return MeasureNearestPoint(ref, candidate);
    case ShapeKind::HorizontalGuide:
    case ShapeKind::VerticalGuide:
        return MeasureGuide(ref, candidate);
    }
    assert(false && "unknown shape kind");
    return false;
}

bool CShapeHitTest::MeasureCorners(const CShapeRef &ref, CShapeHit &candidate) const
{
    Corners corners;
    ref.GetCornerShape()->GetCorners(corners.a, corners.b, corners.c, corners.d);
    const EdgeDistance nearest = nearestEdge(m_oProbe, corners);
    candidate.m_dDistance = nearest.distance;
    candidate.m_nEdge = nearest.edge;
    if (ref.GetKind() == ShapeKind::CornerArea)
        return isInside(m_oProbe, corners);
    return nearest.distance <= GetTolerance(ref);
}

// The distance from the probe to the nearest point of the rectangle (0 inside it).
static double distanceToRect(const DPOINT &probe, const CDRect &rect)
{
    const double dx = std::max({rect.GetMinX() - probe.x, 0.0, probe.x - rect.GetMaxX()});
    const double dy = std::max({rect.GetMinY() - probe.y, 0.0, probe.y - rect.GetMaxY()});
    return std::sqrt(dx * dx + dy * dy);
}

bool CShapeHitTest::MeasurePolyline(const CShapeRef &ref, CShapeHit &candidate) const
{
    const IPointSetShape &shape = *ref.GetPointSetShape();
    CDRect bounds;
    if (shape.GetElementBounds(ref.GetElement(), bounds) &&
        distanceToRect(m_oProbe, bounds) > GetTolerance(ref))
        return false;
    const int count = shape.GetElementPointCount(ref.GetElement());
    if (count < 2)
        return false;
    DPOINT start = elementPoint(shape, ref.GetElement(), 0);
    for (int i = 0; i + 1 < count; ++i) {
        const DPOINT end = elementPoint(shape, ref.GetElement(), i + 1);
        const DPOINT foot = ProjectPointOnSegment(m_oProbe.x, m_oProbe.y, start.x, start.y,
                                                  end.x, end.y);
        const double distance = GetDPointDistance(m_oProbe, foot);
        if (i == 0 || distance < candidate.m_dDistance) {
            candidate.m_dDistance = distance;
            candidate.m_nIndex = i;
            candidate.m_oPoint = foot;
        }
        start = end;
    }
    return candidate.m_dDistance <= GetTolerance(ref);
}

bool CShapeHitTest::MeasurePointSet(const CShapeRef &ref, CShapeHit &candidate) const
{
    const IPointSetShape &shape = *ref.GetPointSetShape();
    const int count = shape.GetElementPointCount(ref.GetElement());
    if (count < 1)
        return false;
    for (int i = 0; i < count; ++i) {
        const double distance =
            GetDPointDistance(m_oProbe, elementPoint(shape, ref.GetElement(), i));
        if (i == 0 || distance < candidate.m_dDistance) {
            candidate.m_dDistance = distance;
            candidate.m_nIndex = i;
        }
    }
    return candidate.m_dDistance <= GetTolerance(ref);
}

bool CShapeHitTest::MeasurePosition(const CShapeRef &ref, CShapeHit &candidate) const
{
    const DPOINT position = elementPosition(*ref.GetPositionShape(), ref.GetElement());
    const double tolerance = GetTolerance(ref);
    // A position farther than the tolerance along either axis is farther still in the plane.
    if (std::abs(position.x - m_oProbe.x) > tolerance ||
        std::abs(position.y - m_oProbe.y) > tolerance)
        return false;
    candidate.m_dDistance = GetDPointDistance(m_oProbe, position);
    return candidate.m_dDistance <= tolerance;
}

bool CShapeHitTest::MeasureNearestPoint(const CShapeRef &ref, CShapeHit &candidate) const
{
    DPOINT nearest;
    ref.GetNearestPointShape()->GetNearestPoint(m_oProbe.x, m_oProbe.y, nearest.x, nearest.y);
    candidate.m_dDistance = GetDPointDistance(m_oProbe, nearest);
    candidate.m_oPoint = nearest;
    return candidate.m_dDistance <= GetTolerance(ref);
}

bool CShapeHitTest::MeasureGuide(const CShapeRef &ref, CShapeHit &candidate) const
{
    const DPOINT position = elementPosition(*ref.GetPositionShape(), ref.GetElement());
    if (ref.GetKind() == ShapeKind::HorizontalGuide) {
        candidate.m_dDistance = std::abs(m_oProbe.y - position.y);
        candidate.m_oPoint = {m_oProbe.x, position.y};
    } else {
        candidate.m_dDistance = std::abs(m_oProbe.x - position.x);
        candidate.m_oPoint = {position.x, m_oProbe.y};
    }
    return candidate.m_dDistance <= GetTolerance(ref);
}

bool CShapeHitTest::Replaces(const CShapeRef &ref, double distance) const
{
    const CShapeRef *held = m_oHit.m_pRef;
    if (held == nullptr)
        return true;
    const bool isGuide = ref.GetKind() == ShapeKind::HorizontalGuide ||
                         ref.GetKind() == ShapeKind::VerticalGuide;
    if (isGuide && held->GetKind() == ref.GetKind() &&
        std::abs(distance - m_oHit.m_dDistance) < kGuideTieDistance) {
        return GetDistanceToPosition(ref) < GetDistanceToPosition(*held);
    }
    return m_oHit.m_dDistance > distance;
}

double CShapeHitTest::GetDistanceToPosition(const CShapeRef &ref) const
{
    return GetDPointDistance(m_oProbe, elementPosition(*ref.GetPositionShape(), ref.GetElement()));
}

double CShapeHitTest::GetTolerance(const CShapeRef &ref) const
{
    return ref.GetTolerance() * m_dScale;
}
