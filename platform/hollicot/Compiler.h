// Morvane Hollicot formula parser.
// Turns a syntax tree into programs, binding every name once and checking kinds.
#pragma once

#include "platform/hollicot/Program.h"
#include "platform/hollicot/Syntax.h"
#include "platform/hollicot/Token.h"

#include <functional>
#include <string_view>

namespace hollicot {

struct CompileSetting
{
    /// Binds a name: variables, measures or declared names.
    std::function<Binding(std::string_view)> resolve;
    /// True for a grading text, whose statements must each change variables; false for a
    /// parameter text, which may be a plain expression.
    bool grading = true;
    int sizeCount = 0;
    int baseSize = -1;
};

struct CompileResult
{
    CompiledText text;
    int code = 0;
    std::size_t faultOffset = 0;
    std::size_t faultLength = 0;
};

CompileResult compile(std::string_view text, const TokenList &tokens, const SyntaxTree &tree,
                      const CompileSetting &setting);

} // namespace hollicot
