// Morvane editing commands.
// Which dialog edits a formula, and the opening of it.
#pragma once

#include <cstdint>

class IBaseFormula;
class IDocumentServices;

namespace morvane {

/// How a formula is edited: by the dialog of a template on the whole formula; by the X and Y
/// expression dialog of a grade region's formula; by the expression dialog on one parameter
/// (a part of a dart or lapel formula) under a title; or not at all.
struct FormulaDialogChoice
{
    enum Form { None, WholeFormula, ExpressionPair, Expression };

    Form form = None;
    /// The dialog template of WholeFormula and ExpressionPair.
    uint32_t dialogId = 0;
    /// Expression: the parameter edited, the title's text and the number filled into it (0:
    /// none).
    int parameter = -1;
    uint32_t titleId = 0;
    int titleNumber = 0;

    bool operator==(const FormulaDialogChoice &) const = default;
};

/// The dialog of a formula of the object kind (0 the mask, 1 a grade region, 2 a pattern, 3 a
/// point) and the formula type, for the part (-1 the whole formula; 0 to 2 one expression of a
/// dart or lapel formula of a grade region; the part means nothing for other formulas).
FormulaDialogChoice ChooseFormulaDialog(int objectKind, int formulaType, int part);

/// Opens the formula's dialog (ChooseFormulaDialog) modally through the document's formula
/// dialogs; the dialog changes the formula in place. No task event is dispatched while it is
/// open. True when the user confirmed; false when cancelled, when the formula has no dialog or
/// a confirmed expression is refused, and when the program has no formula dialogs.
bool OpenFormulaDialog(IDocumentServices *document, IBaseFormula *formula, int part);

} // namespace morvane
