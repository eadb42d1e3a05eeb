// Morvane model library.
// The point of a list nearest to a position within a tolerance.
#pragma once

#include "foundation/DPoint.h"

#include <span>

namespace morvane {

/// The index of the point nearest to target among those whose x and y each differ from it by
/// at most tolerance and whose distance is at most tolerance; the earlier one on equal
/// distances; -1 when none qualifies.
int findNearestPoint(std::span<const DPOINT> points, const DPOINT &target, double tolerance);

} // namespace morvane
