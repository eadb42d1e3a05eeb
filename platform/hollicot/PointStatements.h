// Morvane Hollicot formula parser.
// The point statements, one size at a time.
#pragma once

#include "platform/hollicot/Program.h"
#include "platform/hollicot/SizeState.h"

namespace hollicot {

/// Runs a point statement (%IP2P, %DG, %DGA, %LG) on the cells of the size.
int runPointStatement(const CallSite &call, const Vec2 *args, SizeState &state);

} // namespace hollicot
