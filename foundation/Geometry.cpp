// Morvane foundation library.
// Angles, rotations, distances, projections and segment intersection with the model's constants.
#include "foundation/Geometry.h"

#include <algorithm>
#include <cmath>

using namespace morvane;

// Beyond this many turns the wrapping loops would take too long (or, once a turn is below the
// value's precision, never end), so such values are first reduced with fmod.
static constexpr double kMaxWrapTurns = 1e6;

static double reduceHugeAngle(double angle, double turn)
{
    if (std::abs(angle) > turn * kMaxWrapTurns)
        return std::fmod(angle, turn);
    return angle;
}

void RotateDPoint(DPOINT &point, double angle)
{
    CDPoint rotated(point);
    rotated.Rotate(angle);
    point = rotated.GetDPoint();
}

void RotatePointAround(double cx, double cy, double angle, double &x, double &y)
{
    CDPoint rotated(x - cx, y - cy);
    rotated.Rotate(angle);
    x = rotated.x + cx;
    y = rotated.y + cy;
}

double RadToDeg(double radians)
{
    double degrees = radians * kRadToDegFactor;
    if (!std::isfinite(degrees))
        return degrees;
    degrees = reduceHugeAngle(degrees, 360.0);
    while (degrees < -360.0)
        degrees += 360.0;
    while (degrees > 360.0)
        degrees -= 360.0;
    return degrees;
}

double DegToRad(double degrees)
{
    return degrees * kDegToRadFactor;
}

double GetPositiveAngle(double x0, double y0, double x1, double y1, double x2, double y2)
{
    double angle = std::atan2(y2 - y0, x2 - x0) - std::atan2(y1 - y0, x1 - x0);
    while (angle < 0.0)
        angle += kWrapTwoPi;
    return angle;
}

double NormalizeAngleAround(double angle, double ref)
{
    if (!std::isfinite(angle) || !std::isfinite(ref))
        return angle;
    angle = ref + reduceHugeAngle(angle - ref, kWrapTwoPi);
    while (angle - ref < -kWrapPi)
        angle += kWrapTwoPi;
    while (angle - ref >= kWrapPi)
        angle -= kWrapTwoPi;
    return angle;
}

double GetAngleDifference(double a1, double a2)
{
    return NormalizeAngleAround(a2, a1) - a1;
}

double GetDPointDistance(const DPOINT &p, const DPOINT &q)
{
    return std::hypot(q.x - p.x, q.y - p.y);
}

bool IsNearPoint(double x1, double y1, double x2, double y2, double tol)
{
    return std::hypot(x2 - x1, y2 - y1) <= tol;
}

double ClampToRange(double v, double a, double b)
{
    return std::clamp(v, std::min(a, b), std::max(a, b));
}

DPOINT ProjectPointOnSegment(double px, double py, double x1, double y1, double x2, double y2)
{
    if (std::abs(y2 - y1) < kNullLength)
        return {ClampToRange(px, x1, x2), y1};
    if (std::abs(x2 - x1) < kNullLength)
        return {x1, ClampToRange(py, y1, y2)};
    const double m = (y2 - y1) / (x2 - x1);
    const double footX = (-(1.0 / m) * px - m * x1 + y1 - py) / (-(1.0 / m) - m);
    const double x = ClampToRange(footX, x1, x2);
    return {x, (x - x1) * m + y1};
}

double GetDistanceToSegment(double px, double py, double x1, double y1, double x2, double y2)
{
    const DPOINT foot = ProjectPointOnSegment(px, py, x1, y1, x2, y2);
    return std::hypot(foot.x - px, foot.y - py);
}

// True when v lies below both ends minus tol or above both ends plus tol.
static bool isOutsideRange(double v, double end1, double end2, double tol)
{
    return v < std::min(end1, end2) - tol || v > std::max(end1, end2) + tol;
}

static bool rangesApart(double a1, double a2, double b1, double b2, double tol)
{
    return std::min(a1, a2) - std::max(b1, b2) > tol || std::min(b1, b2) - std::max(a1, a2) > tol;
}

static bool isNearEither(const DPOINT &p, const DPOINT &q1, const DPOINT &q2, double tol)
{
    return IsNearPoint(p.x, p.y, q1.x, q1.y, tol) || IsNearPoint(p.x, p.y, q2.x, q2.y, tol);
}

bool IntersectSegments(const DPOINT &p1, const DPOINT &p2, const DPOINT &p3, const DPOINT &p4,
                       double &x, double &y, double tol)
{
    for (const DPOINT *end : {&p1, &p2}) {
        if (isNearEither(*end, p3, p4, tol)) {
            x = end->x;
            y = end->y;
            return true;
        }
    }
    if (rangesApart(p1.x, p2.x, p3.x, p4.x, tol) || rangesApart(p1.y, p2.y, p3.y, p4.y, tol))
        return false;

    const double dx1 = p2.x - p1.x;
    const double dy1 = p2.y - p1.y;
    const double dx2 = p4.x - p3.x;
    const double dy2 = p4.y - p3.y;
    const double det = dx2 * dy1 - dy2 * dx1;
    if (det == 0.0)
        return false;

    double resultX = 0.0;
    double resultY = 0.0;
    if (dx1 == 0.0) {
        resultX = p1.x;
        resultY = (p1.x - p3.x) * dy2 / dx2 + p3.y;
        if (isOutsideRange(resultY, p1.y, p2.y, tol))
            return false;
    } else if (dx2 == 0.0) {
        resultX = p3.x;
        resultY = (p3.x - p1.x) * dy1 / dx1 + p1.y;
        if (isOutsideRange(resultY, p3.y, p4.y, tol))
            return false;
    } else if (dy1 == 0.0) {
        resultX = (p1.y - p3.y) * dx2 / dy2 + p3.x;
        resultY = p1.y;
        if (isOutsideRange(resultX, p1.x, p2.x, tol))
            return false;
    } else if (dy2 == 0.0) {
        resultX = (p3.y - p1.y) * dx1 / dy1 + p1.x;
        resultY = p3.y;
        if (isOutsideRange(resultX, p3.x, p4.x, tol))
            return false;
    } else {
        resultX = (((p3.y - p1.y) * dx1 + dy1 * p1.x) * dx2 - dy2 * p3.x * dx1) / det;
        if (isOutsideRange(resultX, p1.x, p2.x, tol) || isOutsideRange(resultX, p3.x, p4.x, tol))
            return false;
        resultY = (resultX - p3.x) * dy2 / dx2 + p3.y;
    }
    x = resultX;
    y = resultY;
    return true;
}
