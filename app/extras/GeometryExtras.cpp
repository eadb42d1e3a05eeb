// Morvane program foundation extras.
// Angle wrapping, the two-point similarity transform and the search of a shape's corners.
#include "app/extras/GeometryExtras.h"

#include "foundation/CurveShape.h"
#include "foundation/Geometry.h"
#include "sources/grade-geometry/GradeInterpolation.h"

#include <cmath>
#include <numbers>

using namespace morvane;

static constexpr double kWrapHalfPi = 1.5707963267949;

// Wraps into [-half, half) by whole steps of 2 * half. One fmod step, which is exact, so large
// values cost no more than small ones and infinities cannot loop.
static double wrapAngle(double a, double half, double step)
{
    if (!std::isfinite(a) || (a >= -half && a < half))
        return a;
    const double rest = std::fmod(a, step);
    if (rest >= half)
        return rest - step;
    if (rest < -half)
        return rest + step;
    return rest;
}

double NormalizeAngle(double a)
{
    return wrapAngle(a, kWrapPi, kWrapTwoPi);
}

double NormalizeHalfAngle(double a)
{
    return wrapAngle(a, kWrapHalfPi, kWrapPi);
}

DPOINT TransformBySegments(const DPOINT &point, const DPOINT &a, const DPOINT &b,
                           const DPOINT &d1, const DPOINT &d2)
{
    return interpolateGradedPosition(a, b, {a.x + d1.x, a.y + d1.y}, {b.x + d2.x, b.y + d2.y},
                                     point);
}

double GetSegmentParameter(const CCurveShape &shape, int i)
{
    const double turn = shape.GetTurnAngle(i);
    return shape.IsClockwise() ? std::numbers::pi + turn : std::numbers::pi - turn;
}

int FindSegmentInRange(const CCurveShape &shape, double from, double to)
{
    const int first = shape.IsClosed() ? 0 : 1;
    for (int i = first; i < shape.GetSegmentCount(); ++i) {
        const double value = GetSegmentParameter(shape, i);
        if (from <= value && value < to)
            return i;
    }
    return -1;
}
