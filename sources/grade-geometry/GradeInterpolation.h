// Morvane grade geometry.
// How an ordinary point follows the two grade points around it into a graded size.
#pragma once

#include "foundation/DPoint.h"

namespace morvane {

/// The graded position of an ordinary point p that lies between the grade points a and b (all
/// three in the base size) once a and b have moved to gradedA and gradedB: the rotation and
/// scaling that carries a onto gradedA and b onto gradedB, applied to p. When a and b coincide,
/// or gradedA and gradedB do, p moves by the mean of the two grade points' displacements.
DPOINT interpolateGradedPosition(const DPOINT &a, const DPOINT &b, const DPOINT &gradedA,
                                 const DPOINT &gradedB, const DPOINT &p);

/// Calls interpolate(i, previous, next) for each point i of a line of count points, from the
/// second to the second-to-last, that is no grade point (isGradePoint(i) false): previous is the
/// nearest grade point before it or the first point, next the nearest grade point after it or the
/// last point. The first and last points are never interpolated.
template <typename IsGradePoint, typename Interpolate>
void forEachInterpolatedPoint(int count, IsGradePoint isGradePoint, Interpolate interpolate)
{
    int previous = 0;
    int next = -1;
    for (int i = 1; i < count - 1; ++i) {
        if (isGradePoint(i)) {
            previous = i;
            next = -1;
            continue;
        }
        if (next < 0) {
            next = i + 1;
            while (next < count - 1 && !isGradePoint(next))
                ++next;
        }
        interpolate(i, previous, next);
    }
}

} // namespace morvane
