// Morvane formula library.
// The shared vocabulary of formula text: character sets, point addresses and point lists.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace morvane {

/// The separator characters of formula text: percent sign, comma and the two parentheses.
inline constexpr std::string_view kFormulaSeparators = "%,()";
/// The arithmetic operators of a parameter expression.
inline constexpr std::string_view kFormulaOperators = "+-*/";
/// The characters that a name given by the user may not contain.
inline constexpr std::string_view kForbiddenNameCharacters = "~!@#$^&{}|<>?'[]:";
/// Every character a name may not contain: the forbidden characters, the operators, the
/// separators and a blank, in that order.
inline constexpr std::string_view kNotAllowedNameCharacters = "~!@#$^&{}|<>?'[]:+-*/%,() ";
/// The comment mark of formula text.
inline constexpr std::string_view kFormulaComment = "//";

/// The label written for a point that is missing.
inline constexpr std::string_view kUnknownPointLabel = "P?";

/// Apply types: how a formula acts on one axis.
enum APPLY_TYPE {
    APPLY_INCREMENT = 0, ///< the value is added to the axis's increment
    APPLY_DRIVEN = 1,    ///< the value sets the axis
    APPLY_NONE = 2,      ///< the axis is left alone
};

/// "%PA(<x>,<y>,<name>)": the address of a point graded with the two apply types.
std::string formatPointAddress(int applyTypeX, int applyTypeY, std::string_view name);
/// ".x" when only the X axis is acted on, ".y" when only the Y axis is, else empty.
std::string axisSuffix(int applyTypeX, int applyTypeY);
/// The labels joined with "," ("P?" for none), with the axis suffix; several labels with a
/// suffix are put in parentheses first: "(P1,P2).y".
std::string formatPointsText(const std::vector<std::string> &labels, int applyTypeX,
                             int applyTypeY);
/// "+" when either axis is an increment (apply type 0), else empty.
std::string applyPrefix(int applyTypeX, int applyTypeY);
/// Whether either axis is driven (apply type 1).
bool hasDrivenAxis(int applyTypeX, int applyTypeY);
/// The text without blanks at either end.
std::string trimBlanks(std::string_view text);

} // namespace morvane
