// Morvane program foundation extras.
// Angle wrapping, the two-point similarity transform and the search of a shape's corners.
#pragma once

#include "foundation/DPoint.h"

class CCurveShape;

/// The angle (radians) wrapped by whole turns into [-pi, pi), with the wrapping values
/// 3.1415926535898 and 6.2831853071796: so pi gives -pi and -7 gives -7 + 6.2831853071796. An
/// angle already in the range is returned as it is; infinities and NaN are returned unchanged.
double NormalizeAngle(double a);
/// The direction of a line (radians) wrapped by half turns into [-pi/2, pi/2), with the values
/// 1.5707963267949 and 3.1415926535898, by the rules of NormalizeAngle.
double NormalizeHalfAngle(double a);

/// Moves point with the segment a-b when a moves by d1 and b by d2: the similarity (rotation,
/// scale and shift) that takes a to a + d1 and b to b + d2. When a and b coincide, or their
/// moved places do, the point moves by the mean offset (d1 + d2) / 2.
DPOINT TransformBySegments(const DPOINT &point, const DPOINT &a, const DPOINT &b,
                           const DPOINT &d1, const DPOINT &d2);

/// The angle value of segment i of a shape: the inner angle at its start vertex, in [0, 2*pi):
/// pi - turn on a counter-clockwise shape and pi + turn on a clockwise one (the turn negated
/// for a shape that runs backwards), so pi where the outline runs straight on, below pi at a
/// convex corner. i must be below the vertex count.
double GetSegmentParameter(const CCurveShape &shape, int i);

/// The first segment i (from 0, below GetSegmentCount) whose angle value v satisfies
/// from <= v < to; -1 when none. On an open shape segment 0 starts at an end, which has no
/// angle, and is never found. Searching [3*pi/4, 3.1415926535898) finds the nearly straight
/// corners.
int FindSegmentInRange(const CCurveShape &shape, double from, double to);
