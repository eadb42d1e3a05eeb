// Morvane Hollicot formula parser.
// What the statements of one size read and change.
#pragma once

#include "platform/hollicot/GradeParse.h"

#include <cstddef>

namespace hollicot {

struct SizeState
{
    Vec2 *cells = nullptr;            ///< the increments of this size, one per variable
    const Vec2 *positions = nullptr;  ///< base positions, one per variable
    const double *scalars = nullptr;  ///< the measure values of this size
    int rowCount = 0;                 ///< the number of variables
    int size = 0;
    double step = 0;                  ///< size - base size; 0 without a base size
    bool isBase = false;

    Vec2 cell(int row) const { return cells[row]; }
    Vec2 base(int row) const { return positions[row]; }
    /// The position of a variable in this size.
    Vec2 at(int row) const { return {positions[row].x + cells[row].x, positions[row].y + cells[row].y}; }
};

} // namespace hollicot
