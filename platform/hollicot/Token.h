// Morvane Hollicot formula parser.
// The tokens of a formula text: each names its kind and the bytes of the text it covers.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace hollicot {

enum class TokenKind {
    Number,    ///< a number literal; value holds it
    Name,      ///< a variable or measure name
    Component, ///< ".X" or ".Y" right after a name; axis holds 0 or 1
    Function,  ///< "%" and a function name
    Open,
    Close,
    Comma,
    Plus,
    Minus,
    Star,
    Slash,
    Equals,
    Separator, ///< ";" or a line feed
    Bad,       ///< bytes that start no token; error holds the code
};

struct Token
{
    TokenKind kind = TokenKind::Bad;
    std::size_t offset = 0;
    std::size_t length = 0;
    double value = 0;
    int axis = 0;
    int error = 0;

    std::string_view textIn(std::string_view text) const { return text.substr(offset, length); }
};

using TokenList = std::vector<Token>;

} // namespace hollicot
