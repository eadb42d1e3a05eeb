// Morvane formula library.
// The point formula that moves its point by an increment per axis.
#include "formulas/PointFormulaIncrement.h"

#include "formulas/FormulaText.h"

using namespace morvane;

static const CRuntimeClass kPointFormulaIncrementClass("CPointFormulaIncrement",
                                                       &CreateObjectOf<CPointFormulaIncrement>,
                                                       CBasePointFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_POINT,
                                             CPointFormulaIncrement::kFormulaType,
                                             &makePointFormula<CPointFormulaIncrement>);

const CRuntimeClass *CPointFormulaIncrement::GetThisClass()
{
    return &kPointFormulaIncrementClass;
}

std::string CPointFormulaIncrement::GetFormulaText()
{
    if (!CanWriteLine())
        return {};
    return GetPointAddress() + "=(" + GetParamText(0) + "," + GetParamText(1) + ")";
}

std::string CPointFormulaIncrement::GetIncrements()
{
    return trimBlanks(FormatParam(0) + "," + FormatParam(1));
}

void CPointFormulaIncrement::DoGetDisplayText(std::string &out, bool)
{
    const bool x = GetApplyTypeX() != APPLY_NONE;
    const bool y = GetApplyTypeY() != APPLY_NONE;
    if (x && y)
        out = trimBlanks(FormatParamForDisplay(0) + "," + FormatParamForDisplay(1));
    else if (x)
        out = FormatParamForDisplay(0);
    else if (y)
        out = FormatParamForDisplay(1);
    else
        out.clear();
}
