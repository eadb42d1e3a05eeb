// Morvane grade geometry.
// A polyline as a curve whose parameter is the arc length from its first point.
#pragma once

#include "sources/grade-geometry/ICurve.h"

#include <cstddef>
#include <span>
#include <vector>

namespace morvane {

/// A copy of a polyline, measured along its length: parameter 0 is the first point and the
/// length (the sum of the distances between consecutive points) the last.
class PolylineCurve : public ICurve
{
public:
    explicit PolylineCurve(std::span<const DPOINT> points);

    void GetPoints(std::vector<DPOINT> &points) const override;
    double GetLength() const override;
    /// Always 0.
    double GetStartParameter() const override;
    /// The length.
    double GetEndParameter() const override;
    /// The point at arc length t. Below 0 the first segment is extended backwards and beyond the
    /// length the last one forwards (segments of no length are passed over). One point gives
    /// that point, none (0, 0).
    DPOINT GetPointAt(double t) const override;
    /// The unit vector from the point at t to the point 0.001 further on, t first clamped into
    /// [0, length]; the null vector (0, 0) for a polyline without extent.
    CVector GetTangentAt(double t) const override;

private:
    double segmentLength(size_t i) const;
    /// The point distance along segment i (which has a length), extended beyond its ends.
    DPOINT pointOnSegment(size_t i, double distance) const;

    std::vector<DPOINT> m_points;
    double m_length = 0.0;
};

} // namespace morvane
