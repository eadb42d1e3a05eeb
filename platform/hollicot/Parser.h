// Morvane Hollicot formula parser.
// Reads the statements of a formula text from its tokens.
#pragma once

#include "platform/hollicot/Syntax.h"
#include "platform/hollicot/Token.h"

#include <string_view>

namespace hollicot {

/// Calls, parentheses and signs nest at most this deep, and an expression tree (a long sum is a
/// deep tree too) at most kMaxTreeDepth; deeper text is refused with -3, so that no text runs the
/// stack dry.
constexpr int kMaxNesting = 200;
constexpr int kMaxTreeDepth = 1000;

struct ParseResult
{
    SyntaxTree tree;
    int code = 0;             ///< 0, or the code of the first fault
    std::size_t faultOffset = 0; ///< where the faulty statement starts
    std::size_t faultLength = 0;
};

/// The statements of text. Statements are separated by ";" or line feeds; empty ones are skipped.
/// The grammar: statement = "%PA(" ax "," ay "," name {"," name} ")" "=" expr | expr, with the usual
/// precedence of + - * /, unary signs, pairs "(a, b)", names with ".X"/".Y" and function calls
/// with possibly empty arguments. Function names and argument counts are checked here.
ParseResult parse(std::string_view text, const TokenList &tokens);

} // namespace hollicot
