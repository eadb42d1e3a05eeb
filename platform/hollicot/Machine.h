// Morvane Hollicot formula parser.
// Runs compiled statements on the cells of one size.
#pragma once

#include "platform/hollicot/Program.h"
#include "platform/hollicot/SizeState.h"

#include <vector>

namespace hollicot {

/// Runs compiled programs; it keeps its value stack between runs, so that computing many sizes
/// allocates nothing.
class Machine
{
public:
    /// Runs one statement: an assignment through its address, or a statement call. Returns 0, or
    /// -8, -10 or -13 with the cells possibly half changed (the caller keeps its own copy).
    int runStatement(const CompiledText &text, const CompiledStatement &statement,
                     SizeState &state);
    /// The value of a program that computes one expression.
    int evaluate(const CompiledText &text, const Program &program, const SizeState &state,
                 Vec2 &out);

private:
    int run(const CompiledText &text, const Program &program, const SizeState &state);

    std::vector<Vec2> m_stack;
};

} // namespace hollicot
