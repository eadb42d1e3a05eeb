// Morvane formula library.
// The point formula that puts its point where two lines through reference points cross.
#include "formulas/PointFormulaIntersect.h"

#include "formulas/FormulaText.h"

using namespace morvane;

static const CRuntimeClass kPointFormulaIntersectClass("CPointFormulaIntersect",
                                                       &CreateObjectOf<CPointFormulaIntersect>,
                                                       CBasePointFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_POINT,
                                             CPointFormulaIntersect::kFormulaType,
                                             &makePointFormula<CPointFormulaIntersect>);

const CRuntimeClass *CPointFormulaIntersect::GetThisClass()
{
    return &kPointFormulaIntersectClass;
}

CPointFormulaIntersect::CPointFormulaIntersect()
{
    SetPointCount(2);
}

void CPointFormulaIntersect::AddFormulaText(std::vector<std::string> &texts)
{
    if (!CanWriteLine())
        return;
    texts.push_back(GetPointAddress() + "=%IS(" + BoundLabel() + "," +
                    ReferenceLabel(0, false) + "," +
                    ReferenceLabel(1, false) + ")");
}

bool CPointFormulaIntersect::UsesPoint(const CBasePoint *point)
{
    return IsResolvedPoint(point, 0) || IsResolvedPoint(point, 1);
}

void CPointFormulaIntersect::DoGetDisplayText(std::string &out, bool maskLabels)
{
    out = GetDisplayName() + "(" + ReferenceLabel(0, maskLabels) + ", " +
          ReferenceLabel(1, maskLabels) + ")";
}
