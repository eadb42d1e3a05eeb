// Morvane foundation library.
// Polygons of linked vertices and segments with cached area, orientation and extremes.
#include "foundation/CurveShape.h"

#include "foundation/Geometry.h"

#include <algorithm>
#include <limits>
#include <vector>

// Vertices closer than this to vertex 0 repeat it.
static constexpr double kClosingPointTolerance = 0.1;

static constexpr double kNoDistance = std::numeric_limits<double>::max();

double CShapeSegment::GetLength() const
{
    return m_pStart->GetPosition().GetDistanceTo(m_pEnd->GetPosition().x,
                                                 m_pEnd->GetPosition().y);
}

int CCurveShape::GetVertexCount() const
{
    return m_oVertices.GetCount();
}

CShapeVertex *CCurveShape::GetVertexAt(int i) const
{
    return m_oVertices.GetAt(i);
}

int CCurveShape::GetSegmentCount() const
{
    const int count = m_oSegments.GetCount();
    if (m_bClosed || count == 0)
        return count;
    return count - 1;
}

CShapeSegment *CCurveShape::GetSegmentAt(int i) const
{
    return m_oSegments.GetAt(i);
}

int CCurveShape::GetPrevVertex(int i, CShapeVertex *&v) const
{
    const int index = i == 0 ? GetVertexCount() - 1 : i - 1;
    v = GetVertexAt(index);
    return index;
}

int CCurveShape::GetNextVertex(int i, CShapeVertex *&v) const
{
    const int index = i + 1 >= GetVertexCount() ? 0 : i + 1;
    v = GetVertexAt(index);
    return index;
}

int CCurveShape::GetNeighbour(int direction, int i, CShapeVertex *&v) const
{
    const bool clockwise = IsClockwise();
    if ((direction == 1 && clockwise) || (direction == 0 && !clockwise))
        return GetPrevVertex(i, v);
    return GetNextVertex(i, v);
}

const CDRect &CCurveShape::GetBoundingRect() const
{
    return m_oBoundingRect;
}

double CCurveShape::GetArea() const
{
    if (m_bAreaValid)
        return m_dArea;
    double sum = 0.0;
    for (int i = 0; i < GetSegmentCount(); ++i) {
        const CDPoint &start = GetSegmentAt(i)->GetStart()->GetPosition();
        const CDPoint &end = GetSegmentAt(i)->GetEnd()->GetPosition();
        sum += (start.x + end.x) * (end.y - start.y);
    }
    m_dArea = sum * 0.5;
    m_bAreaValid = true;
    return m_dArea;
}

int CCurveShape::GetMaxYIndex() const
{
    return GetExtremeIndex(MaxY);
}

int CCurveShape::GetMinYIndex() const
{
    return GetExtremeIndex(MinY);
}

int CCurveShape::GetMinXIndex() const
{
    return GetExtremeIndex(MinX);
}

int CCurveShape::GetMaxXIndex() const
{
    return GetExtremeIndex(MaxX);
}

bool CCurveShape::IsClockwise() const
{
    return GetArea() < 0.0;
}

namespace {

// Crossings of the outline with the horizontal and vertical lines through one point.
struct RayCrossings
{
    int right = 0;
    int left = 0;
    int above = 0;
    int below = 0;
    bool onOutline = false;
};

} // namespace

// One end strictly below value, the other at or above it.
static bool straddles(double value, double end1, double end2)
{
    return (end1 < value && end2 >= value) || (end2 < value && end1 >= value);
}

// Counts where segment (p, q) crosses the line at which the first coordinate is value: on the
// outline when the crossing's second coordinate is at, else after or before it. Coordinates
// come as (first, second) pairs of p and q, so one function serves both axes.
static void countCrossing(double value, double at, double pFirst, double pSecond, double qFirst,
                          double qSecond, bool &onOutline, int &after, int &before)
{
    if (!straddles(value, pFirst, qFirst))
        return;
    const double crossing = pSecond + (value - pFirst) * (qSecond - pSecond) / (qFirst - pFirst);
    if (crossing == at)
        onOutline = true;
    else
        ++(at < crossing ? after : before);
}

static void countCrossings(const CDPoint &p, const CDPoint &q, double x, double y,
                           RayCrossings &rays)
{
    countCrossing(y, x, p.y, p.x, q.y, q.x, rays.onOutline, rays.right, rays.left);
    countCrossing(x, y, p.x, p.y, q.x, q.y, rays.onOutline, rays.above, rays.below);
}

static bool isOdd(int count)
{
    return count % 2 == 1;
}

int CCurveShape::PointInShape(double x, double y) const
{
    RayCrossings rays;
    for (int i = 0; i < GetSegmentCount(); ++i) {
        const CShapeSegment *segment = GetSegmentAt(i);
        countCrossings(segment->GetStart()->GetPosition(), segment->GetEnd()->GetPosition(), x,
                       y, rays);
        if (rays.onOutline)
            return 2;
    }
    // Crossings on all four sides alone would call a point in the notch of a concave outline
    // inside; an odd count on each side is what being enclosed means.
    const bool inside = isOdd(rays.right) && isOdd(rays.left) && isOdd(rays.above)
                        && isOdd(rays.below);
    return inside ? 1 : 0;
}

void CCurveShape::Reverse()
{
    const int count = GetVertexCount();
    if (count <= 1)
        return;
    std::vector<DPOINT> reversed;
    reversed.reserve(static_cast<size_t>(count));
    reversed.push_back(GetVertexAt(0)->GetPosition().GetDPoint());
    for (int i = count - 1; i >= 1; --i)
        reversed.push_back(GetVertexAt(i)->GetPosition().GetDPoint());
    SetPoints(reversed);
}

void CCurveShape::DropDuplicateClosingPoint()
{
    const int count = GetVertexCount();
    if (count <= 1)
        return;
    const CDPoint &first = GetVertexAt(0)->GetPosition();
    if (GetVertexAt(count - 1)->GetPosition().IsNear(first.x, first.y, kClosingPointTolerance))
        RemoveVertex(count - 1);
}

int CCurveShape::AddVertex(double x, double y)
{
    m_oBoundingRect.Include(x, y);
    auto ownedVertex = std::make_unique<CShapeVertex>(this, x, y);
    CShapeVertex *vertex = ownedVertex.get();
    const int index = m_oVertices.AddOwned(std::move(ownedVertex));
    int closingFlag = 1;
    CShapeVertex *first = GetVertexAt(0);
    if (index > 0) {
        CShapeSegment *oldClosing = first->m_pIncoming;
        EndSegmentAt(oldClosing, vertex);
        closingFlag = oldClosing->GetFlag();
        oldClosing->SetFlag(1);
    }
    auto ownedClosing = std::make_unique<CShapeSegment>(this, vertex, first, closingFlag);
    CShapeSegment *closing = ownedClosing.get();
    m_oSegments.AddOwned(std::move(ownedClosing));
    vertex->m_pOutgoing = closing;
    EndSegmentAt(closing, first);
    ResetCaches();
    return index;
}

void CCurveShape::AddPoint(double x, double y)
{
    AddVertex(x, y);
}

void CCurveShape::Clear()
{
    m_oSegments.RemoveAll();
    m_oVertices.RemoveAll();
    m_oBoundingRect.SetEmpty();
    ResetCaches();
}

void CCurveShape::AddPoints(std::span<const DPOINT *const> points)
{
    for (const DPOINT *point : points)
        AddPoint(point->x, point->y);
}

void CCurveShape::SetPoints(std::span<const DPOINT> points)
{
    Clear();
    for (const DPOINT &point : points)
        AddVertex(point.x, point.y);
}

CDRect CCurveShape::GetTransformedRect(const DPOINT &origin, double angle, bool mirrorY,
                                       bool mirrorX) const
{
    CDRect rect;
    for (const CShapeVertex *vertex : m_oVertices) {
        CDPoint point = vertex->GetPosition();
        const DPOINT placed = point.TransformToAbsolute(origin, angle, mirrorY, mirrorX);
        rect.Include(placed.x, placed.y);
    }
    return rect;
}

double CCurveShape::GetDistanceToPoint(double x, double y) const
{
    DPOINT nearest;
    return GetNearestPoint(x, y, nearest);
}

double CCurveShape::GetNearestPoint(double x, double y, DPOINT &out) const
{
    double best = kNoDistance;
    for (int i = 0; i < GetSegmentCount(); ++i) {
        const CDPoint &start = GetSegmentAt(i)->GetStart()->GetPosition();
        const CDPoint &end = GetSegmentAt(i)->GetEnd()->GetPosition();
        const DPOINT foot = ProjectPointOnSegment(x, y, start.x, start.y, end.x, end.y);
        const double distance = GetDPointDistance(foot, {x, y});
        if (distance < best) {
            best = distance;
            out = foot;
        }
    }
    return best;
}

bool CCurveShape::Overlaps(const CCurveShape &other) const
{
    return CrossesShape(other) && SharesArea(other);
}

bool CCurveShape::CrossesShape(const CCurveShape &other) const
{
    for (int j = 0; j < other.GetSegmentCount(); ++j) {
        const CShapeSegment *theirs = other.GetSegmentAt(j);
        const DPOINT p3 = theirs->GetStart()->GetPosition().GetDPoint();
        const DPOINT p4 = theirs->GetEnd()->GetPosition().GetDPoint();
        for (int i = 0; i < GetSegmentCount(); ++i) {
            const CShapeSegment *ours = GetSegmentAt(i);
            double x = 0.0;
            double y = 0.0;
            if (IntersectSegments(ours->GetStart()->GetPosition().GetDPoint(),
                                  ours->GetEnd()->GetPosition().GetDPoint(), p3, p4, x, y))
                return true;
        }
    }
    return false;
}

// True when some vertex of shape lies in or on container.
static bool hasVertexIn(const CCurveShape &shape, const CCurveShape &container)
{
    for (int i = 0; i < shape.GetVertexCount(); ++i) {
        const CDPoint &position = shape.GetVertexAt(i)->GetPosition();
        if (container.PointInShape(position.x, position.y) != 0)
            return true;
    }
    return false;
}

bool CCurveShape::SharesArea(const CCurveShape &other) const
{
    return hasVertexIn(*this, other) || hasVertexIn(other, *this);
}

void CCurveShape::RemoveVertex(int i)
{
    CShapeVertex *vertex = GetVertexAt(i);
    CShapeSegment *outgoing = vertex->m_pOutgoing;
    EndSegmentAt(vertex->m_pIncoming, outgoing->GetEnd());
    m_oSegments.Remove(outgoing);
    m_oVertices.DeleteAt(i);
    ResetCaches();
}

void CCurveShape::RemoveSegmentVertices(int i)
{
    const int start = i;
    const int end = i + 1 >= GetVertexCount() ? 0 : i + 1;
    // The higher index first, so that the lower one still names the same vertex.
    RemoveVertex(std::max(start, end));
    if (start != end)
        RemoveVertex(std::min(start, end));
}

void CCurveShape::RemoveShortSegments(double minLength)
{
    for (int i = GetSegmentCount() - 1; i >= 0; --i) {
        if (GetSegmentAt(i)->GetLength() < minLength)
            RemoveVertex(i);
    }
}

void CCurveShape::SetClosed(bool closed)
{
    if (closed == m_bClosed)
        return;
    m_bClosed = closed;
    // The closing segment joins or leaves the area sum.
    m_bAreaValid = false;
}

bool CCurveShape::IsClosed() const
{
    return m_bClosed;
}

double CCurveShape::GetTurnAngle(int i) const
{
    CShapeVertex *previous = nullptr;
    CShapeVertex *next = nullptr;
    GetPrevVertex(i, previous);
    GetNextVertex(i, next);
    const CDPoint &here = GetVertexAt(i)->GetPosition();
    const double incoming = previous->GetPosition().GetAngleTo(here.x, here.y);
    const double outgoing = here.GetAngleTo(next->GetPosition().x, next->GetPosition().y);
    return GetAngleDifference(incoming, outgoing);
}

void CCurveShape::ResetCaches()
{
    std::fill(std::begin(m_aExtremes), std::end(m_aExtremes), -1);
    m_dArea = 0.0;
    m_bAreaValid = false;
    m_bClosed = true;
}

int CCurveShape::GetExtremeIndex(Extreme extreme) const
{
    if (m_aExtremes[extreme] < 0)
        ComputeExtremes();
    return m_aExtremes[extreme];
}

void CCurveShape::ComputeExtremes() const
{
    if (GetVertexCount() == 0)
        return;
    std::fill(std::begin(m_aExtremes), std::end(m_aExtremes), 0);
    for (int i = 1; i < GetVertexCount(); ++i) {
        const CDPoint &p = GetVertexAt(i)->GetPosition();
        if (p.y > GetVertexAt(m_aExtremes[MaxY])->GetPosition().y)
            m_aExtremes[MaxY] = i;
        if (p.y < GetVertexAt(m_aExtremes[MinY])->GetPosition().y)
            m_aExtremes[MinY] = i;
        if (p.x < GetVertexAt(m_aExtremes[MinX])->GetPosition().x)
            m_aExtremes[MinX] = i;
        if (p.x > GetVertexAt(m_aExtremes[MaxX])->GetPosition().x)
            m_aExtremes[MaxX] = i;
    }
}

void CCurveShape::EndSegmentAt(CShapeSegment *segment, CShapeVertex *vertex)
{
    segment->m_pEnd = vertex;
    vertex->m_pIncoming = segment;
}

int CCurveShape::GetPolyPointCount() const
{
    return GetVertexCount();
}

void CCurveShape::GetPolyPoint(int i, double &x, double &y) const
{
    GetVertexAt(i)->GetPosition().GetXY(x, y);
}

void CCurveShape::ClearPoly()
{
    Clear();
}

void CCurveShape::AppendPolyPoint(double x, double y)
{
    AddVertex(x, y);
}
