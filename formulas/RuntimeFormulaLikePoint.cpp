// Morvane formula library.
// The runtime formula that grades one input point like another.
#include "formulas/RuntimeFormulaLikePoint.h"

#include "model/BasePoint.h"
#include "formulas/FormulaMakers.h"

static const CRuntimeClass kRuntimeFormulaLikePointClass("CRuntimeFormulaLikePoint",
                                                         &CreateObjectOf<CRuntimeFormulaLikePoint>,
                                                         CBaseFormula::GetThisClass());

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_NONE,
                                             CRuntimeFormulaLikePoint::kFormulaType,
                                             &makeGlobalFormula<CRuntimeFormulaLikePoint>);

const CRuntimeClass *CRuntimeFormulaLikePoint::GetThisClass()
{
    return &kRuntimeFormulaLikePointClass;
}

CRuntimeFormulaLikePoint::CRuntimeFormulaLikePoint()
{
    SetRequiredIndexCount(3);
}

CBasePoint *CRuntimeFormulaLikePoint::GetBasePoint() const
{
    const CBasePoint *graded = PeekResolvedPoint(0);
    return graded != nullptr ? graded->GetAssociatedPoint() : nullptr;
}

std::string CRuntimeFormulaLikePoint::GetFormulaText()
{
    const CBasePoint *graded = GetResolvedPoint(0);
    const CBasePoint *copied = GetResolvedPoint(1);
    if (graded == nullptr || copied == nullptr)
        return {};
    return FormatPointAddress(graded->GetFormatName()) + "=" + copied->GetFormatName();
}

bool CRuntimeFormulaLikePoint::UsesPoint(const CBasePoint *point)
{
    return point != nullptr && point == GetResolvedPoint(1);
}

bool CRuntimeFormulaLikePoint::IsIndexedPoint(const CBasePoint *point) const
{
    const CBasePoint *copied = PeekResolvedPoint(1);
    return point != nullptr && copied != nullptr && point == copied->GetAssociatedPoint();
}

void CRuntimeFormulaLikePoint::DoCollectPoints(CPtrCollection<CBasePoint> &list)
{
    if (CBasePoint *graded = GetResolvedPoint(0))
        list.Add(graded);
}

void CRuntimeFormulaLikePoint::DoGetDisplayText(std::string &out, bool maskLabels)
{
    out = maskLabels ? std::string() : GetPointDisplayName(GetResolvedPoint(1));
}
