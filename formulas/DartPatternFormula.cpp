// Morvane formula library.
// The dart formula of one pattern: its three dart points picked as index points.
#include "formulas/DartPatternFormula.h"

#include "formulas/FormulaMakers.h"
#include "model/Pattern.h"

static const CRuntimeClass kDartPatternFormulaClass("CDartPatternFormula",
                                                    &CreateObjectOf<CDartPatternFormula>,
                                                    CBaseDartFormula::GetThisClass());

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_PATTERN,
                                             CDartPatternFormula::kFormulaType,
                                             &makePatternFormula<CDartPatternFormula>);

const CRuntimeClass *CDartPatternFormula::GetThisClass()
{
    return &kDartPatternFormulaClass;
}

CDartPatternFormula::CDartPatternFormula()
{
    SetRequiredIndexCount(kDartPointCount);
    AddPtrAttribute(&m_pPattern, "Pattern", "Pattern");
}

void CDartPatternFormula::SetPattern(CPattern *pattern)
{
    m_pPattern = pattern;
    Invalidate();
}
