// Morvane Hollicot formula parser.
// The path statements of the rule conversion, one size at a time.
#pragma once

#include "platform/hollicot/Program.h"
#include "platform/hollicot/SizeState.h"

namespace hollicot {

/// Runs a path statement (%TR, %RKD, %MF, %LHD) on the cells of the size.
int runPathStatement(const CallSite &call, const Vec2 *args, SizeState &state);

} // namespace hollicot
