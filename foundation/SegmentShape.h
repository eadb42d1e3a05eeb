// Morvane foundation library.
// A polyline measured along its length: the point and tangent at a distance, and end extension.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/DPointArray.h"

#include <span>
#include <vector>

/// A polyline measured by its length: parameter 0 is its first point, its length the last.
/// It copies the points it is built from.
class CSegmentShape
{
public:
    explicit CSegmentShape(std::span<const DPOINT> points);
    explicit CSegmentShape(const CDPointArray &points);
    virtual ~CSegmentShape() = default;
    CSegmentShape(const CSegmentShape &) = default;
    CSegmentShape &operator=(const CSegmentShape &) = default;

    /// Replaces out with the polyline's points.
    virtual void CopyPoints(std::vector<DPOINT> &out) const;
    /// The sum of the distances between consecutive points.
    virtual double GetLength() const;
    /// 0.
    virtual double GetStartParam() const;
    /// The length.
    virtual double GetEndParam() const;
    /// The point at distance d along the polyline. Below 0 or beyond the length the first or
    /// last segment is extended (passing over repeated points, which have no direction). One
    /// point, or only repeated ones, gives the first point; none gives (0, 0).
    virtual void GetPointAt(DPOINT &out, double d) const;
    /// The unit direction at d (clamped to the parameter range), from the point at d to the
    /// point 0.001 further on; the null vector where the polyline has no extent.
    virtual void GetTangentAt(CVector &out, double d) const;
    /// Always the zero vector: a polyline has no normal of its own.
    virtual void GetNormalAt(CVector &out, double d) const;
    /// The point in the middle of the parameter range.
    virtual void GetMidPoint(DPOINT &out) const;

private:
    void MeasureLength();

    CDPointArray m_oPoints;
    double m_dLength = 0.0;
};

/// Prolongs a polyline at one end: end gets the first (atStart) or last point, extended the
/// point length beyond it, away from its nearest neighbour that is not the same point. Returns
/// -1 for the start and the last index for the end; -1, leaving both untouched, with fewer than
/// two points.
int ExtendEnd(std::span<const DPOINT> points, bool atStart, double length, DPOINT &end,
              DPOINT &extended);
