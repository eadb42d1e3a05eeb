// Morvane formula library.
// The lapel formula of one pattern: its six lapel points picked as index points.
#include "formulas/LapelPatternFormula.h"

#include "formulas/FormulaMakers.h"
#include "model/Pattern.h"

static const CRuntimeClass kLapelPatternFormulaClass("CLapelPatternFormula",
                                                     &CreateObjectOf<CLapelPatternFormula>,
                                                     CBaseLapelFormula::GetThisClass());

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_PATTERN,
                                             CLapelPatternFormula::kFormulaType,
                                             &makePatternFormula<CLapelPatternFormula>);

const CRuntimeClass *CLapelPatternFormula::GetThisClass()
{
    return &kLapelPatternFormulaClass;
}

CLapelPatternFormula::CLapelPatternFormula()
{
    SetRequiredIndexCount(kLapelPointCount);
    AddPtrAttribute(&m_pPattern, "Pattern", "Pattern");
}

void CLapelPatternFormula::SetPattern(CPattern *pattern)
{
    m_pPattern = pattern;
    Invalidate();
}

bool CLapelPatternFormula::IsIndexedPoint(const CBasePoint *point) const
{
    return point != nullptr && point == GetIndexPoint(0);
}
