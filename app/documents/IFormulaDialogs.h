// Morvane program documents.
// The modal formula dialogs, as the formula commands open them without knowing any window.
#pragma once

#include <cstdint>
#include <string>

class IBaseFormula;
class IDocumentServices;

/// Opens the formula dialogs modally. Each answers true when the user confirmed (OK) and false
/// when the dialog was cancelled. The program installs its dialogs; batch runs have none.
class IFormulaDialogs
{
public:
    virtual ~IFormulaDialogs() = default;

    /// The dialog of the template dialogId (4037, 12002, 189...) on the formula: on OK it has
    /// written its values into the formula.
    virtual bool EditFormula(uint32_t dialogId, IDocumentServices &document,
                             IBaseFormula &formula) = 0;
    /// The expression dialog of a grade region's formula (12005) on its X and Y texts: on OK
    /// it has written the confirmed texts back.
    virtual bool EditExpressionPair(IDocumentServices &document, std::string &x,
                                    std::string &y) = 0;
    /// The expression dialog under the title on one expression: on OK it has written the
    /// confirmed expression back.
    virtual bool EditExpression(IDocumentServices &document, const std::string &title,
                                std::string &expression) = 0;
};
