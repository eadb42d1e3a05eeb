// Morvane Hollicot formula parser.
// The descriptions of the parser's error codes.
#include "platform/hollicot/ErrorCode.h"

#include <array>

namespace hollicot {

std::string_view describeError(int code)
{
    static constexpr std::array<std::string_view, 15> descriptions = {
        "no error",
        "a character that starts no token",
        "unexpected end of text",
        "unexpected token",
        "unbalanced parentheses",
        "unknown name",
        "unknown function",
        "wrong number of arguments",
        "wrong kind of argument or value",
        "malformed number",
        "division by zero or a non-finite result",
        "malformed address",
        "an address target that is not a variable",
        "geometry that cannot be built",
        "inconsistent set-up or call",
    };
    if (code > 0 || code < -static_cast<int>(descriptions.size() - 1))
        return "unknown error";
    return descriptions[static_cast<std::size_t>(-code)];
}

} // namespace hollicot
