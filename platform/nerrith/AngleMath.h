// Nerrith point-correspondence library.
// Small plane helpers that the outline and the correspondence share (private to the library).
#pragma once

#include "foundation/DPoint.h"

#include <cmath>
#include <numbers>

namespace nerrith {

inline double distance(const DPOINT &a, const DPOINT &b)
{
    return std::hypot(b.x - a.x, b.y - a.y);
}

/// The direction from a to b in radians.
inline double direction(const DPOINT &a, const DPOINT &b)
{
    return std::atan2(b.y - a.y, b.x - a.x);
}

/// The angle brought into [-pi, pi).
inline double wrapAngle(double angle)
{
    constexpr double kTwoPi = 2.0 * std::numbers::pi;
    angle = std::fmod(angle + std::numbers::pi, kTwoPi);
    if (angle < 0.0)
        angle += kTwoPi;
    return angle - std::numbers::pi;
}

} // namespace nerrith
