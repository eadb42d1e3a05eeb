// Morvane Hollicot formula parser.
// The meanings of the construction and statement functions, one size at a time.
#pragma once

#include "platform/hollicot/Program.h"
#include "platform/hollicot/SizeState.h"

namespace hollicot {

/// The movement of the point that a construction call builds; args are its scalar arguments
/// in order. Returns 0 or an error code.
int constructPoint(const CallSite &call, const Vec2 *args, const SizeState &state, Vec2 &out);

/// Runs a point statement (%IP2P, %DG, %DGA, %LG) on the cells of the size.
int runPointStatement(const CallSite &call, const Vec2 *args, SizeState &state);

/// Runs a path statement (%TR, %RKD, %MF, %LHD) on the cells of the size.
int runPathStatement(const CallSite &call, const Vec2 *args, SizeState &state);

} // namespace hollicot
