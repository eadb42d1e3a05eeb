// Morvane grade geometry.
// How far along a curve's shape a notch lies, as the grade-model interfaces report it.
#pragma once

#include "foundation/DPoint.h"

#include <span>

namespace morvane {

/// The distance along shape (a polyline, measured from its first point) to the foot nearest to
/// point. The polyline counts as prolonged beyond both ends, so a point before the first point
/// gives a negative distance and one past the last point a distance above the length. 0 for a
/// shape of fewer than two points; a distance beyond the range of float becomes infinity.
float notchDistance(std::span<const DPOINT> shape, const DPOINT &point);

} // namespace morvane
