// Morvane editing commands.
// Which dialog edits a formula, and the opening of it.
#include "app/commands/formulas/FormulaDialogChoice.h"

#include "app/documents/IDocumentServices.h"
#include "app/documents/IFormulaDialogs.h"
#include "app/documents/IUserInterface.h"
#include "formulas/BaseFormula.h"
#include "formulas/BaseGradeFormula.h"
#include "lang/ResourceText.h"
#include "tasks/EventDispatchBlock.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace morvane {

namespace {

struct DialogRow
{
    int objectKind;
    int formulaType;
    uint32_t dialogId;
};

// The whole-formula dialogs; the region formulas with expressions and the parts of a region's
// dart and lapel are chosen before this table.
constexpr DialogRow kDialogs[] = {
    {0, 15, 4037},  {0, 17, 4039},  {0, 18, 4038},  {0, 28, 12003}, {0, 32, 12007},
    {1, 3, 12002},  {1, 4, 159},    {1, 13, 190},   {1, 24, 12001}, {1, 28, 12003},
    {1, 32, 12007}, {2, 2, 148},    {2, 3, 12002},  {2, 4, 159},    {2, 19, 4040},
    {2, 23, 4043},  {2, 26, 12002}, {2, 29, 12006}, {3, 5, 189},    {3, 6, 190},
    {3, 7, 4030},   {3, 8, 4034},   {3, 9, 4033},   {3, 10, 4032},  {3, 11, 4035},
    {3, 12, 4036},  {3, 22, 4042},
};

constexpr int kRegionKind = 1;
constexpr int kDartType = 3;
constexpr int kLapelType = 4;
constexpr uint32_t kExpressionPairDialog = 12005;
// The titles of the dart's depth, opening and movement, and of a lapel's expression.
constexpr uint32_t kDartPartTitles[] = {61243, 61282, 61245};
constexpr uint32_t kLapelPartTitle = 61242;

FormulaDialogChoice expression(int parameter, uint32_t titleId, int titleNumber = 0)
{
    return {FormulaDialogChoice::Expression, 0, parameter, titleId, titleNumber};
}

// The parts of a grade region's dart or lapel; None for a part it has not.
FormulaDialogChoice regionPartDialog(int formulaType, int part)
{
    if (formulaType == kDartType && part >= 0 && part < 3)
        return expression(part, kDartPartTitles[part]);
    if (formulaType == kLapelType && (part == 0 || part == 1))
        return expression(part, kLapelPartTitle, part + 1);
    return {};
}

bool editExpression(IFormulaDialogs &dialogs, IDocumentServices &document,
                    CBaseFormula &formula, const FormulaDialogChoice &choice)
{
    const std::string title =
        choice.titleNumber != 0
            ? loadString(choice.titleId, {std::to_string(choice.titleNumber)})
            : loadString(choice.titleId);
    std::string text = formula.FormatParamForDisplay(choice.parameter);
    return dialogs.EditExpression(document, title, text) &&
           formula.SetParamText(choice.parameter, text);
}

bool editExpressionPair(IFormulaDialogs &dialogs, IDocumentServices &document,
                        CBaseFormula &formula)
{
    auto *graded = dynamic_cast<CBaseGradeFormula *>(&formula);
    if (graded == nullptr)
        return false;
    std::string x = graded->GetXText();
    std::string y = graded->GetYText();
    if (!dialogs.EditExpressionPair(document, x, y))
        return false;
    const bool xTaken = graded->SetXText(x);
    return graded->SetYText(y) && xTaken;
}

} // namespace

FormulaDialogChoice ChooseFormulaDialog(int objectKind, int formulaType, int part)
{
    if (objectKind == kRegionKind && (formulaType == 0 || formulaType == 16))
        return {FormulaDialogChoice::ExpressionPair, kExpressionPairDialog};
    if (objectKind == kRegionKind && (formulaType == kDartType || formulaType == kLapelType) &&
        part != -1)
        return regionPartDialog(formulaType, part);
    const auto row = std::find_if(std::begin(kDialogs), std::end(kDialogs), [&](const DialogRow &r) {
        return r.objectKind == objectKind && r.formulaType == formulaType;
    });
    if (row == std::end(kDialogs))
        return {};
    return {FormulaDialogChoice::WholeFormula, row->dialogId};
}

bool OpenFormulaDialog(IDocumentServices *document, IBaseFormula *formula, int part)
{
    if (document == nullptr || formula == nullptr)
        return false;
    IFormulaDialogs *dialogs = document->GetUserInterface().GetFormulaDialogs();
    CBaseFormula *base = formula->GetBaseFormula();
    const FormulaDialogChoice choice =
        ChooseFormulaDialog(formula->GetAttachKind(), formula->GetFormulaType(), part);
    if (dialogs == nullptr || base == nullptr)
        return false;
    // The dialog runs an event loop of its own inside this dispatch.
    const CEventDispatchBlock dialog;
    switch (choice.form) {
    case FormulaDialogChoice::WholeFormula:
        return dialogs->EditFormula(choice.dialogId, *document, *formula);
    case FormulaDialogChoice::ExpressionPair:
        return editExpressionPair(*dialogs, *document, *base);
    case FormulaDialogChoice::Expression:
        return editExpression(*dialogs, *document, *base, choice);
    case FormulaDialogChoice::None:
        break;
    }
    return false;
}

} // namespace morvane
