// Morvane program grading.
// How grading's reports name a formula.
#include "app/grading/FormulaDisplayText.h"

#include "model/IBaseFormula.h"

std::string formulaDisplayText(IBaseFormula *formula)
{
    std::string text;
    formula->GetDisplayText(text, false);
    return text.empty() ? formula->GetFormulaText() : text;
}
