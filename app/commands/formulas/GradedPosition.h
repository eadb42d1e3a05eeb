// Morvane editing commands.
// Where a grade point lies on the mask in one size, read and written through its grade rules.
#pragma once

#include "foundation/DPoint.h"

class CBasePoint;

namespace morvane {

/// The point's position on the mask in size (table, size).
DPOINT GetGradedPosition(const CBasePoint &point, int table, int size);
/// The point's grade rule for size (table, size) changes so that it lies at position on the
/// mask in that size. Nothing for a point that is no grade point of an input pattern.
void SetGradedPosition(CBasePoint &point, int table, int size, DPOINT position);

} // namespace morvane
