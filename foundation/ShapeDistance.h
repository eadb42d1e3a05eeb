// Morvane foundation library.
// Where along a polyline a point lies: the position of its nearest foot.
#pragma once

#include "foundation/DPoint.h"

class CSegmentShape;

/// The position along a polyline of the foot nearest to a point. The polyline is taken
/// extended by 1000.0 beyond both ends, so a point past an end gets a position below 0 or
/// beyond the length rather than the end itself. Computed on the first request after the point
/// or the curve changed.
class CShapeDistance
{
public:
    /// Measures along curve (not owned; it must outlive this object, or be replaced first).
    CShapeDistance(const CSegmentShape *curve, const DPOINT &point);

    void SetCurve(const CSegmentShape *curve);
    void SetPoint(const DPOINT &point);

    /// The position of the nearest foot, counted along the polyline from its first point
    /// (negative on the start extension), in the curve's parameter range. 0 for a curve of
    /// fewer than two points.
    double GetDistance() const;
    /// The nearest foot on the extended polyline.
    DPOINT GetNearestPoint() const;
    /// The distance from the point to that foot.
    double GetDistanceToCurve() const;

private:
    void UpdateIfDirty() const;
    void Measure() const;

    const CSegmentShape *m_pCurve;
    DPOINT m_oPoint;
    mutable DPOINT m_oNearest;
    mutable double m_dDistanceToCurve = 0.0;
    mutable double m_dPosition = 0.0;
    mutable bool m_bDirty = true;
};
