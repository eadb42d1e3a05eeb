// Morvane formula library.
// The global interpolation over the grade points of one pattern, made for a grading run.
#include "formulas/RuntimeGlobalInterpolateFormula.h"

#include "formulas/FormulaMakers.h"
#include "model/Pattern.h"

static const CRuntimeClass kRuntimeGlobalInterpolateFormulaClass(
    "CRuntimeGlobalInterpolateFormula", &CreateObjectOf<CRuntimeGlobalInterpolateFormula>,
    CBaseGlobalInterpolateFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_NONE,
                                             CRuntimeGlobalInterpolateFormula::kFormulaType,
                                             &makeGlobalFormula<CRuntimeGlobalInterpolateFormula>);

const CRuntimeClass *CRuntimeGlobalInterpolateFormula::GetThisClass()
{
    return &kRuntimeGlobalInterpolateFormulaClass;
}

void CRuntimeGlobalInterpolateFormula::SetPointsPattern(CPattern *pattern)
{
    m_pPattern = pattern;
    Invalidate();
}

void CRuntimeGlobalInterpolateFormula::Recalculate()
{
    CPtrCollection<CBasePoint> points;
    if (m_pPattern != nullptr)
        m_pPattern->AppendGradePoints(points);
    StorePoints(points);
}
