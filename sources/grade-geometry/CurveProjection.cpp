// Morvane grade geometry.
// The parameter of the point of a curve nearest to a given point.
#include "sources/grade-geometry/CurveProjection.h"

#include "foundation/Geometry.h"
#include "sources/grade-geometry/ICurve.h"

#include <cmath>
#include <vector>

// How far the curve is taken beyond each end.
static constexpr double kExtensionLength = 1000.0;

// The point kExtensionLength beyond the end of points (the first point when atStart), away from
// the nearest other point that differs from it; the end point itself when all points coincide.
static DPOINT extendEnd(const std::vector<DPOINT> &points, bool atStart)
{
    const DPOINT end = atStart ? points.front() : points.back();
    for (size_t k = 1; k < points.size(); ++k) {
        const DPOINT &neighbour = atStart ? points[k] : points[points.size() - 1 - k];
        CVector away(end.x - neighbour.x, end.y - neighbour.y);
        if (away.GetLength() == 0.0)
            continue;
        away.Normalize();
        return {end.x + kExtensionLength * away.x, end.y + kExtensionLength * away.y};
    }
    return end;
}

CCurveProjection::CCurveProjection(const DPOINT &target, const ICurve &curve)
    : m_oCurve(curve)
    , m_oTarget(target)
{
}

double CCurveProjection::GetParameter() const
{
    if (m_bNeedsComputing) {
        m_dParameter = ComputeParameter();
        m_bNeedsComputing = false;
    }
    return m_dParameter;
}

double CCurveProjection::ComputeParameter() const
{
    std::vector<DPOINT> points;
    m_oCurve.GetPoints(points);
    if (points.size() < 2)
        return 0.0;

    const DPOINT beforeFirst = extendEnd(points, true);
    const DPOINT afterLast = extendEnd(points, false);
    // The pieces, in order: the start extension, every segment, the end extension. Lengths
    // count from the first point of the curve.
    double pieceStart = -GetDPointDistance(beforeFirst, points.front());
    points.insert(points.begin(), beforeFirst);
    points.push_back(afterLast);

    double nearestDistance = 0.0;
    double parameter = 0.0;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const DPOINT &from = points[i];
        const DPOINT &to = points[i + 1];
        const DPOINT foot =
            ProjectPointOnSegment(m_oTarget.x, m_oTarget.y, from.x, from.y, to.x, to.y);
        const double distance = GetDPointDistance(foot, m_oTarget);
        if (i == 0 || distance < nearestDistance) {
            nearestDistance = distance;
            parameter = pieceStart + GetDPointDistance(from, foot);
        }
        pieceStart += GetDPointDistance(from, to);
    }

    const double length = m_oCurve.GetLength();
    if (length != 0.0) {
        const double start = m_oCurve.GetStartParameter();
        const double end = m_oCurve.GetEndParameter();
        parameter = std::abs(end - start) * parameter / length;
        parameter = start > end ? start - parameter : start + parameter;
    }
    return parameter;
}
