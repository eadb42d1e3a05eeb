// Morvane formula library.
// The point formula that grades its point like another point, or like the difference of two.
#include "formulas/PointFormulaLikePoint.h"

static const CRuntimeClass kPointFormulaLikePointClass("CPointFormulaLikePoint",
                                                       &CreateObjectOf<CPointFormulaLikePoint>,
                                                       CBasePointFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_POINT,
                                             CPointFormulaLikePoint::kFormulaType,
                                             &makePointFormula<CPointFormulaLikePoint>);

const CRuntimeClass *CPointFormulaLikePoint::GetThisClass()
{
    return &kPointFormulaLikePointClass;
}

CPointFormulaLikePoint::CPointFormulaLikePoint()
{
    SetPointCount(1);
}

std::string CPointFormulaLikePoint::GetFormulaText()
{
    if (!CanWriteLine())
        return {};
    std::string text = GetPointAddress() + "=" + ReferenceLabel(0, false);
    if (GetResolvedPoint(1) != nullptr)
        text += "-" + ReferenceLabel(1, false);
    return text;
}

bool CPointFormulaLikePoint::UsesPoint(const CBasePoint *point)
{
    return IsResolvedPoint(point, 0) || IsResolvedPoint(point, 1);
}

void CPointFormulaLikePoint::SetSecondPoint(CBasePoint *point)
{
    SetRequiredIndexCount(2);
    SetIndexPoint(1, point);
    SetPointCount(point != nullptr ? 2 : 1);
}

void CPointFormulaLikePoint::OnReferencesResolved()
{
    SetPointCount(GetIndexPoint(1) != nullptr ? 2 : 1);
}

void CPointFormulaLikePoint::DoGetDisplayText(std::string &out, bool maskLabels)
{
    auto reference = [&](int i) { return maskLabels ? GetIndexPoint(i) : GetResolvedPoint(i); };
    out = GetPointDisplayName(reference(0));
    if (GetIndexPoint(1) != nullptr)
        out += " - " + GetPointDisplayName(reference(1));
}
