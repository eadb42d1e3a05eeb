// Morvane foundation library.
// Angles, rotations, distances, projections and segment intersection with the model's constants.
#pragma once

#include "foundation/DPoint.h"

namespace morvane {

/// Radians to degrees.
inline constexpr double kRadToDegFactor = 57.295779513082195;
/// Degrees to radians. Deliberately this short value, not the full-precision pi/180: stored
/// values were computed with it.
inline constexpr double kDegToRadFactor = 0.0174532925;
/// The value of pi used when angles are wrapped (slightly above the true pi).
inline constexpr double kWrapPi = 3.1415926535898;
/// The value of 2*pi used when angles are wrapped.
inline constexpr double kWrapTwoPi = 6.2831853071796;
/// Vectors up to this length are null; segments whose x or y extent is below it count as
/// vertical or horizontal in projections.
inline constexpr double kNullLength = 1e-6;

} // namespace morvane

/// Rotates a point about the origin by angle radians, counter-clockwise.
void RotateDPoint(DPOINT &point, double angle);
/// Rotates (x, y) about (cx, cy) by angle radians, counter-clockwise.
void RotatePointAround(double cx, double cy, double angle, double &x, double &y);

/// Radians to degrees, wrapped by whole turns into [-360, 360]: 360 and -360 stay as they are
/// (RadToDeg(2*pi) is 360), 720 becomes 360. Infinities and NaN are returned unchanged.
double RadToDeg(double radians);
/// Degrees to radians with the model's factor 0.0174532925.
double DegToRad(double degrees);

/// The counter-clockwise angle at (x0, y0) from the ray towards (x1, y1) to the ray towards
/// (x2, y2), in [0, 2*pi).
double GetPositiveAngle(double x0, double y0, double x1, double y1, double x2, double y2);
/// The angle shifted by whole turns into [ref - pi, ref + pi), with the wrapping values
/// kWrapPi and kWrapTwoPi (so 3*pi around 0 gives pi). Infinities and NaN are returned unchanged.
double NormalizeAngleAround(double angle, double ref);
/// The signed turn from direction a1 to direction a2, in [-pi, pi).
double GetAngleDifference(double a1, double a2);

double GetDPointDistance(const DPOINT &p, const DPOINT &q);
/// True when the points are at most tol apart (CDPoint::IsNear is strict).
bool IsNearPoint(double x1, double y1, double x2, double y2, double tol);
/// v clamped into the closed interval between a and b, in either order.
double ClampToRange(double v, double a, double b);

/// The point of segment (x1, y1)-(x2, y2) nearest to (px, py): the foot of the perpendicular,
/// clamped to the segment. Segments whose y extent (first) or x extent is below 1e-6 count as
/// horizontal or vertical.
DPOINT ProjectPointOnSegment(double px, double py, double x1, double y1, double x2, double y2);
/// The distance from (px, py) to its projection on the segment.
double GetDistanceToSegment(double px, double py, double x1, double y1, double x2, double y2);

/// Where segments p1-p2 and p3-p4 meet, within tol. When p1, else p2, lies within tol of p3 or
/// p4 (even for collinear segments) that end point is the answer. Parallel segments (exact
/// zero determinant) and segments farther apart than tol give false, leaving x and y unchanged.
bool IntersectSegments(const DPOINT &p1, const DPOINT &p2, const DPOINT &p3, const DPOINT &p4,
                       double &x, double &y, double tol = 0.0);
