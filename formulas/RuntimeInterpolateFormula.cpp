// Morvane formula library.
// The runtime formula that grades one input point by interpolation between two others.
#include "formulas/RuntimeInterpolateFormula.h"

#include "model/BasePoint.h"
#include "formulas/FormulaMakers.h"
#include "model/Polyline.h"

static const CRuntimeClass kRuntimeInterpolateFormulaClass(
    "CRuntimeInterpolateFormula", &CreateObjectOf<CRuntimeInterpolateFormula>,
    CBaseFormula::GetThisClass());

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_NONE,
                                             CRuntimeInterpolateFormula::kFormulaType,
                                             &makeGlobalFormula<CRuntimeInterpolateFormula>);

const CRuntimeClass *CRuntimeInterpolateFormula::GetThisClass()
{
    return &kRuntimeInterpolateFormulaClass;
}

CRuntimeInterpolateFormula::CRuntimeInterpolateFormula()
{
    SetRequiredIndexCount(3);
}

std::string CRuntimeInterpolateFormula::GetFormulaText()
{
    for (int i = 0; i < 3; ++i) {
        if (GetResolvedPoint(i) == nullptr)
            return {};
    }
    const std::string graded = GetResolvedPoint(0)->GetFormatName();
    return FormatPointAddress(graded) + "=%IPL(" + graded + "," +
           GetResolvedPoint(1)->GetFormatName() + "," + GetResolvedPoint(2)->GetFormatName() + ")";
}

bool CRuntimeInterpolateFormula::UsesPoint(const CBasePoint *point)
{
    if (point == nullptr)
        return false;
    if (point == GetResolvedPoint(1) || point == GetResolvedPoint(2))
        return true;
    CBasePoint *graded = GetResolvedPoint(0);
    if (graded == nullptr || !graded->IsSliderPoint())
        return false;
    CPolyline *line = nullptr;
    graded->FindSliderPoint(line);
    return line != nullptr && line->FindBasePoint(point) >= 0;
}

bool CRuntimeInterpolateFormula::IsDependentOnCollected(
    IBaseFormula *other, const CPtrCollection<CBasePoint> &otherPoints)
{
    constexpr int kExtendType = 10;
    if (other->GetFormulaType() == kExtendType && !other->IsRuntimeFormula()) {
        for (int position = 1; position <= 2; ++position) {
            if (otherPoints.Find(GetResolvedPoint(position)) >= 0)
                return false;
        }
    }
    return CBaseFormula::IsDependentOnCollected(other, otherPoints);
}

void CRuntimeInterpolateFormula::DoGetDisplayText(std::string &out, bool maskLabels)
{
    if (maskLabels) {
        out.clear();
        return;
    }
    out = GetDisplayName() + "(" + GetPointDisplayName(GetResolvedPoint(1)) + ", " +
          GetPointDisplayName(GetResolvedPoint(2)) + ")";
}
