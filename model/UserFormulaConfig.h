// Morvane model library.
// The program's formula configuration: how parameter texts are checked, shown and named.
#pragma once

#include <string>

class IBaseFormula;

/// How the program wants formula parameter texts handled. The grade mask is its own default
/// configuration (texts unchanged, no display names); the program installs its own through
/// CGradeMask::SetUserFormulaConfig, and formulas always ask the mask's GetUserFormulaConfig().
class IUserFormulaConfig
{
public:
    virtual ~IUserFormulaConfig() = default;

    /// The text of a parameter as it is to be shown (forDisplay) or handed to the parser;
    /// expression is true for an expression parameter.
    virtual std::string GetExpressionValue(const std::string &text, bool forDisplay,
                                           bool expression) = 0;
    /// Checks and normalises a text the user gave for a parameter into out; false refuses it.
    virtual bool ConvertUserValue(const std::string &value, bool expression,
                                  std::string &out) = 0;
    /// The name under which the formula is shown.
    virtual std::string getFormulaDisplayName(IBaseFormula *formula) = 0;
};
