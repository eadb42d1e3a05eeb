// Morvane foundation library.
// Where along a polyline a point lies: the position of its nearest foot.
#include "foundation/ShapeDistance.h"

#include "foundation/Geometry.h"
#include "foundation/SegmentShape.h"

#include <cassert>
#include <cmath>
#include <vector>

// How far the polyline is taken beyond each end.
static constexpr double kExtensionLength = 1000.0;

CShapeDistance::CShapeDistance(const CSegmentShape *curve, const DPOINT &point)
    : m_pCurve(curve), m_oPoint(point)
{
    assert(curve != nullptr && "measuring along no curve");
}

void CShapeDistance::SetCurve(const CSegmentShape *curve)
{
    assert(curve != nullptr && "measuring along no curve");
    m_pCurve = curve;
    m_bDirty = true;
}

void CShapeDistance::SetPoint(const DPOINT &point)
{
    m_oPoint = point;
    m_bDirty = true;
}

double CShapeDistance::GetDistance() const
{
    UpdateIfDirty();
    return m_dPosition;
}

DPOINT CShapeDistance::GetNearestPoint() const
{
    UpdateIfDirty();
    return m_oNearest;
}

double CShapeDistance::GetDistanceToCurve() const
{
    UpdateIfDirty();
    return m_dDistanceToCurve;
}

void CShapeDistance::UpdateIfDirty() const
{
    if (!m_bDirty)
        return;
    Measure();
    m_bDirty = false;
}

void CShapeDistance::Measure() const
{
    std::vector<DPOINT> points;
    m_pCurve->CopyPoints(points);
    m_dPosition = 0.0;
    if (points.size() < 2) {
        m_pCurve->GetPointAt(m_oNearest, 0.0);
        m_dDistanceToCurve = GetDPointDistance(m_oNearest, m_oPoint);
        return;
    }

    DPOINT first;
    DPOINT beforeFirst;
    DPOINT last;
    DPOINT afterLast;
    ExtendEnd(points, true, kExtensionLength, first, beforeFirst);
    ExtendEnd(points, false, kExtensionLength, last, afterLast);
    points.insert(points.begin(), beforeFirst);
    points.push_back(afterLast);

    // The pieces are the start extension, each segment and the end extension, in order;
    // lengths count from the first point of the polyline.
    double pieceStart = -GetDPointDistance(beforeFirst, first);
    double best = 0.0;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const DPOINT &from = points[i];
        const DPOINT &to = points[i + 1];
        const DPOINT foot = ProjectPointOnSegment(m_oPoint.x, m_oPoint.y, from.x, from.y, to.x,
                                                  to.y);
        const double distance = GetDPointDistance(foot, m_oPoint);
        if (i == 0 || distance < best) {
            best = distance;
            m_oNearest = foot;
            m_dPosition = pieceStart + GetDPointDistance(from, foot);
        }
        pieceStart += GetDPointDistance(from, to);
    }
    m_dDistanceToCurve = best;

    const double length = m_pCurve->GetLength();
    if (length == 0.0)
        return;
    const double start = m_pCurve->GetStartParam();
    const double end = m_pCurve->GetEndParam();
    const double scaled = m_dPosition * std::abs(end - start) / length;
    m_dPosition = end < start ? start - scaled : start + scaled;
}
