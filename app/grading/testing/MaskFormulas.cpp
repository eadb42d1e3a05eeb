// Morvane program grading test support.
// Point formulas added to a mask the way the formula dialogs add them.
#include "app/grading/testing/MaskFormulas.h"

#include "formulas/PFSymetryPoint.h"
#include "formulas/PointFormulaIncrement.h"
#include "formulas/PointFormulaLikePoint.h"
#include "model/FormulaManager.h"

namespace testgrading {

CPointFormulaIncrement *addIncrement(CFormulaManager &formulas, CBasePoint *maskPoint,
                                     const std::string &x, const std::string &y)
{
    auto *formula = static_cast<CPointFormulaIncrement *>(formulas.AddFormula(
        formulas.MakePointFormula(CPointFormulaIncrement::kFormulaType, nullptr, maskPoint)));
    formula->SetParamText(0, x);
    formula->SetParamText(1, y);
    return formula;
}

CPointFormulaLikePoint *addLikePoint(CFormulaManager &formulas, CBasePoint *maskPoint,
                                     CBasePoint *reference)
{
    auto *formula = static_cast<CPointFormulaLikePoint *>(formulas.AddFormula(
        formulas.MakePointFormula(CPointFormulaLikePoint::kFormulaType, nullptr, maskPoint)));
    formula->SetReferencePoint(reference);
    return formula;
}

CPFSymetryPoint *addMirror(CFormulaManager &formulas, CBasePoint *maskPoint, CBasePoint *reference)
{
    auto *formula = static_cast<CPFSymetryPoint *>(formulas.AddFormula(
        formulas.MakePointFormula(CPFSymetryPoint::kFormulaType, nullptr, maskPoint)));
    formula->SetReferencePoint(reference);
    formula->SetAxisType(SYMMETRY_X);
    return formula;
}

} // namespace testgrading
