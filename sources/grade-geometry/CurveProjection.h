// Morvane grade geometry.
// The parameter of the point of a curve nearest to a given point.
#pragma once

#include "foundation/DPoint.h"

class ICurve;

/// Finds where along a curve a point lies: the parameter of the curve's point nearest to the
/// target. The curve is taken extended by 1000.0 beyond both ends, so a target past an end gets
/// a parameter before the start or beyond the end instead of the end itself.
class CCurveProjection
{
public:
    /// Measures target against curve (not owned; it must outlive the projection).
    CCurveProjection(const DPOINT &target, const ICurve &curve);

    /// The parameter of the nearest point, in the curve's parameter range; for a polyline the
    /// arc length from its first point (negative before it). 0 for a curve of fewer than two
    /// points. Of two equally near segments the earlier one gives the answer. Computed on the
    /// first call.
    double GetParameter() const;

private:
    double ComputeParameter() const;

    const ICurve &m_oCurve;
    DPOINT m_oTarget;
    mutable double m_dParameter = 0.0;
    mutable bool m_bNeedsComputing = true;
};
