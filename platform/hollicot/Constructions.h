// Morvane Hollicot formula parser.
// The construction functions, one size at a time.
#pragma once

#include "platform/hollicot/Program.h"
#include "platform/hollicot/SizeState.h"

namespace hollicot {

/// The movement of the point that a construction call (%RG, %CLE, %IS, %ROTA, %ROT, %ROTL,
/// %IPL, %IPLM, %CR, %DGC, %SYM, %GI) builds; args are its scalar arguments in order. Returns 0
/// or an error code.
int constructPoint(const CallSite &call, const Vec2 *args, const SizeState &state, Vec2 &out);

} // namespace hollicot
