// Morvane grade geometry.
// An abstract curve measured by a parameter between a start and an end value.
#pragma once

#include "foundation/DPoint.h"

#include <vector>

/// A curve whose points are found by a parameter running from GetStartParameter to
/// GetEndParameter (either may be the larger).
class ICurve
{
public:
    /// Replaces points with the curve's defining points.
    virtual void GetPoints(std::vector<DPOINT> &points) const = 0;
    virtual double GetLength() const = 0;
    virtual double GetStartParameter() const = 0;
    virtual double GetEndParameter() const = 0;
    /// The point at parameter t; outside the parameter range the curve is extended.
    virtual DPOINT GetPointAt(double t) const = 0;
    /// The unit direction of the curve at t (clamped into the parameter range).
    virtual CVector GetTangentAt(double t) const = 0;
    virtual ~ICurve() = default;
};
