// Morvane Hollicot formula parser.
// The codes that the parser returns, and what each of them means.
#pragma once

#include <string_view>

namespace hollicot {

/// Every failure of the parser is one of these codes; 0 is success.
enum ErrorCode : int {
    kOk = 0,
    kBadCharacter = -1,   ///< a character that starts no token
    kUnexpectedEnd = -2,  ///< the text ends in the middle of a statement
    kUnexpectedToken = -3,
    kUnbalanced = -4,     ///< unbalanced parentheses
    kUnknownName = -5,
    kUnknownFunction = -6,
    kArgumentCount = -7,
    kWrongKind = -8,      ///< a point, scalar or vector where another kind is needed
    kBadNumber = -9,      ///< a malformed or unrepresentable number
    kNotFinite = -10,     ///< division by zero or a non-finite result
    kBadAddress = -11,
    kTargetNotVariable = -12,
    kBadGeometry = -13,
    kBadSetUp = -14,      ///< inconsistent tables or a call out of order
};

/// A short English description of code, such as "unknown name"; "unknown error" for a code
/// outside -14..0.
std::string_view describeError(int code);

} // namespace hollicot
