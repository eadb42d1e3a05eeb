// Morvane model library.
// The point of a list nearest to a position within a tolerance.
#include "model/NearestPoint.h"

#include "foundation/Geometry.h"

#include <cmath>

int morvane::findNearestPoint(std::span<const DPOINT> points, const DPOINT &target,
                              double tolerance)
{
    int best = -1;
    double bestDistance = 0.0;
    for (size_t i = 0; i < points.size(); ++i) {
        const DPOINT &point = points[i];
        if (std::fabs(point.x - target.x) > tolerance || std::fabs(point.y - target.y) > tolerance)
            continue;
        const double distance = GetDPointDistance(point, target);
        if (distance > tolerance || (best >= 0 && distance >= bestDistance))
            continue;
        best = static_cast<int>(i);
        bestDistance = distance;
    }
    return best;
}
