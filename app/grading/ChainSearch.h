// Morvane program grading.
// The search, size by size, for the end movement of a chain that its own solution asks for.
#pragma once

#include <functional>

/// The residual of one trial movement d: a code (0 on success) and the value through
/// residual, which the search drives below 0.1 in magnitude.
using ChainResidual = std::function<int(double d, double &residual)>;

/// Brackets a change of sign of the residual from start, by steps of 2 (their sign turned once
/// when the residual grows away from zero before any change of sign), at most 100 steps, then
/// halves the bracket until the residual is below 0.1 in magnitude, at most 100 halvings. A
/// residual that keeps its sign for every step still goes on to the halving with the last
/// trial. Negative and not negative are the two signs. Returns the first non-zero code of the
/// residual, else 0; the last trial is the one the residual ran last.
int SearchChainEnd(double start, const ChainResidual &residual);
