// Morvane grade geometry.
// How far along a curve's shape a notch lies, as the grade-model interfaces report it.
#include "sources/grade-geometry/NotchDistance.h"

#include "foundation/SegmentShape.h"
#include "foundation/ShapeDistance.h"

#include <limits>

namespace morvane {

float notchDistance(std::span<const DPOINT> shape, const DPOINT &point)
{
    const CSegmentShape curve(shape);
    const double distance = CShapeDistance(&curve, point).GetDistance();
    // Before the first point the distance stops at the prolongation's length; past the last
    // point it can exceed what a float holds.
    if (distance > std::numeric_limits<float>::max())
        return std::numeric_limits<float>::infinity();
    return static_cast<float>(distance);
}

} // namespace morvane
