// Morvane Hollicot formula parser.
// Which number literals of a text are lengths, so that a unit conversion scales only those.
#pragma once

#include "platform/hollicot/Syntax.h"

#include <vector>

namespace hollicot {

/// The tokens of the number literals that are lengths. Every statement's value is a length; the
/// operands of + and - and of a pair share their parent's dimension; in a length product the
/// operand holding a name or a construction is the length and the other a plain factor (the left
/// one when neither holds one); a divisor is a plain number; call arguments are lengths or not by
/// their function (angles, flags and counts never are; %INC passes its place on).
std::vector<int> lengthLiterals(const SyntaxTree &tree);

} // namespace hollicot
