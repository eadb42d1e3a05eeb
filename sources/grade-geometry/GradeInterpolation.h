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

} // namespace morvane
