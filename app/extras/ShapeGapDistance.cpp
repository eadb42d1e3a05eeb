// Morvane program foundation extras.
// The gap between one segment of each of two polylines, worked out when first asked for.
#include "app/extras/ShapeGapDistance.h"

#include "foundation/Geometry.h"
#include "foundation/SegmentShape.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace {

struct Segment
{
    DPOINT start;
    DPOINT end;
};

std::optional<Segment> segmentOf(const CSegmentShape &curve, int index)
{
    std::vector<DPOINT> points;
    curve.CopyPoints(points);
    if (index < 0 || std::size_t(index) + 1 >= points.size())
        return std::nullopt;
    return Segment{points[std::size_t(index)], points[std::size_t(index) + 1]};
}

double distanceTo(const DPOINT &point, const Segment &segment)
{
    return GetDistanceToSegment(point.x, point.y, segment.start.x, segment.start.y, segment.end.x,
                                segment.end.y);
}

} // namespace

CShapeGapDistance::CShapeGapDistance(const CSegmentShape &first, const CSegmentShape &second)
    : m_rFirst(first), m_rSecond(second)
{
}

void CShapeGapDistance::SetSegments(int firstSegment, int secondSegment)
{
    m_nFirstSegment = firstSegment;
    m_nSecondSegment = secondSegment;
    m_bMustCompute = true;
}

double CShapeGapDistance::GetDistance() const
{
    if (m_bMustCompute) {
        m_dDistance = Measure();
        m_bMustCompute = false;
    }
    return m_dDistance;
}

double CShapeGapDistance::Measure() const
{
    const std::optional<Segment> a = segmentOf(m_rFirst, m_nFirstSegment);
    const std::optional<Segment> b = segmentOf(m_rSecond, m_nSecondSegment);
    if (!a || !b)
        return std::numeric_limits<double>::infinity();
    double x = 0.0;
    double y = 0.0;
    if (IntersectSegments(a->start, a->end, b->start, b->end, x, y))
        return 0.0;
    // Segments that do not cross are nearest at an end of one of them.
    return std::min({distanceTo(a->start, *b), distanceTo(a->end, *b), distanceTo(b->start, *a),
                     distanceTo(b->end, *a)});
}
