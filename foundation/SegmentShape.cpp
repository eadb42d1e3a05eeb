// Morvane foundation library.
// A polyline measured along its length: the point and tangent at a distance, and end extension.
#include "foundation/SegmentShape.h"

#include "foundation/Geometry.h"

#include <algorithm>

// The step to the second point that gives the tangent.
static constexpr double kTangentStep = 0.001;

static CVector unitDirection(const DPOINT &from, const DPOINT &to)
{
    CVector direction(to.x - from.x, to.y - from.y);
    direction.Normalize();
    return direction;
}

CSegmentShape::CSegmentShape(std::span<const DPOINT> points) : m_oPoints(points)
{
    MeasureLength();
}

CSegmentShape::CSegmentShape(const CDPointArray &points) : m_oPoints(points)
{
    MeasureLength();
}

void CSegmentShape::CopyPoints(std::vector<DPOINT> &out) const
{
    out = m_oPoints.GetPoints();
}

double CSegmentShape::GetLength() const
{
    return m_dLength;
}

double CSegmentShape::GetStartParam() const
{
    return 0.0;
}

double CSegmentShape::GetEndParam() const
{
    return m_dLength;
}

void CSegmentShape::GetPointAt(DPOINT &out, double d) const
{
    const std::vector<DPOINT> &points = m_oPoints.GetPoints();
    out = points.empty() ? DPOINT{} : points.front();
    // Segments of no length (repeated points) have no direction: the point lies on the first
    // segment with a length that reaches d, or is extended along the last one.
    size_t chosen = points.size();
    double chosenStart = 0.0;
    double before = 0.0;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const double segmentLength = GetDPointDistance(points[i], points[i + 1]);
        if (segmentLength == 0.0)
            continue;
        chosen = i;
        chosenStart = before;
        if (d <= before + segmentLength)
            break;
        before += segmentLength;
    }
    if (chosen == points.size())
        return;
    const CVector direction = unitDirection(points[chosen], points[chosen + 1]);
    out = {points[chosen].x + (d - chosenStart) * direction.x,
           points[chosen].y + (d - chosenStart) * direction.y};
}

void CSegmentShape::GetTangentAt(CVector &out, double d) const
{
    const double start = GetStartParam();
    const double end = GetEndParam();
    const double t = ClampToRange(d, start, end);
    const double step = end < start ? -kTangentStep : kTangentStep;
    DPOINT here;
    DPOINT further;
    GetPointAt(here, t);
    GetPointAt(further, t + step);
    out = unitDirection(here, further);
}

void CSegmentShape::GetNormalAt(CVector &out, double) const
{
    out = CVector(0.0, 0.0);
}

void CSegmentShape::GetMidPoint(DPOINT &out) const
{
    GetPointAt(out, (GetStartParam() + GetEndParam()) * 0.5);
}

void CSegmentShape::MeasureLength()
{
    const std::vector<DPOINT> &points = m_oPoints.GetPoints();
    m_dLength = 0.0;
    for (size_t i = 0; i + 1 < points.size(); ++i)
        m_dLength += GetDPointDistance(points[i], points[i + 1]);
}

// The nearest point along the polyline from its start (or end) that is not the end point
// itself, so repeated end points still give the end segment's direction.
static const DPOINT &distinctNeighbour(std::span<const DPOINT> points, bool atStart)
{
    const DPOINT &endPoint = atStart ? points.front() : points.back();
    for (size_t step = 1; step < points.size(); ++step) {
        const DPOINT &candidate = atStart ? points[step] : points[points.size() - 1 - step];
        if (candidate.x != endPoint.x || candidate.y != endPoint.y)
            return candidate;
    }
    return atStart ? points[1] : points[points.size() - 2];
}

int ExtendEnd(std::span<const DPOINT> points, bool atStart, double length, DPOINT &end,
              DPOINT &extended)
{
    if (points.size() < 2)
        return -1;
    const DPOINT &endPoint = atStart ? points.front() : points.back();
    const CVector outwards = unitDirection(distinctNeighbour(points, atStart), endPoint);
    end = endPoint;
    extended = {endPoint.x + length * outwards.x, endPoint.y + length * outwards.y};
    return atStart ? -1 : static_cast<int>(points.size()) - 1;
}
