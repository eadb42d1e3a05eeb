// Morvane grade geometry.
// A polyline as a curve whose parameter is the arc length from its first point.
#include "sources/grade-geometry/PolylineCurve.h"

#include "foundation/Geometry.h"

#include <algorithm>

namespace morvane {

// How far the tangent looks ahead of its point.
static constexpr double kTangentStep = 0.001;

PolylineCurve::PolylineCurve(std::span<const DPOINT> points)
    : m_points(points.begin(), points.end())
{
    for (size_t i = 0; i + 1 < m_points.size(); ++i)
        m_length += segmentLength(i);
}

void PolylineCurve::GetPoints(std::vector<DPOINT> &points) const
{
    points = m_points;
}

double PolylineCurve::GetLength() const
{
    return m_length;
}

double PolylineCurve::GetStartParameter() const
{
    return 0.0;
}

double PolylineCurve::GetEndParameter() const
{
    return m_length;
}

DPOINT PolylineCurve::GetPointAt(double t) const
{
    if (m_points.empty())
        return {};

    // Only segments with a length can carry the parameter; the last of them also takes every
    // t beyond the end.
    std::vector<size_t> segmentStarts;
    for (size_t i = 0; i + 1 < m_points.size(); ++i) {
        if (segmentLength(i) > 0.0)
            segmentStarts.push_back(i);
    }
    if (segmentStarts.empty())
        return m_points.front();

    double lengthBefore = 0.0;
    for (size_t k = 0; k + 1 < segmentStarts.size(); ++k) {
        const size_t i = segmentStarts[k];
        if (lengthBefore + segmentLength(i) >= t)
            return pointOnSegment(i, t - lengthBefore);
        lengthBefore += segmentLength(i);
    }
    return pointOnSegment(segmentStarts.back(), t - lengthBefore);
}

CVector PolylineCurve::GetTangentAt(double t) const
{
    const double clamped = std::clamp(t, GetStartParameter(), GetEndParameter());
    const DPOINT here = GetPointAt(clamped);
    const DPOINT ahead = GetPointAt(clamped + kTangentStep);
    CVector tangent(ahead.x - here.x, ahead.y - here.y);
    tangent.Normalize();
    return tangent;
}

double PolylineCurve::segmentLength(size_t i) const
{
    return GetDPointDistance(m_points[i], m_points[i + 1]);
}

DPOINT PolylineCurve::pointOnSegment(size_t i, double distance) const
{
    const DPOINT &from = m_points[i];
    const DPOINT &to = m_points[i + 1];
    const double along = distance / segmentLength(i);
    return {from.x + (to.x - from.x) * along, from.y + (to.y - from.y) * along};
}

} // namespace morvane
