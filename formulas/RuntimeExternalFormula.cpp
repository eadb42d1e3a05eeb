// Morvane formula library.
// The runtime formula that marks a point as graded outside the formulas.
#include "formulas/RuntimeExternalFormula.h"

#include "model/BasePoint.h"
#include "formulas/FormulaMakers.h"
#include "model/InputPoint.h"
#include "model/Polyline.h"

static const CRuntimeClass kRuntimeExternalFormulaClass("CRuntimeExternalFormula",
                                                        &CreateObjectOf<CRuntimeExternalFormula>,
                                                        CBaseFormula::GetThisClass());

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_NONE,
                                             CRuntimeExternalFormula::kFormulaType,
                                             &makeGlobalFormula<CRuntimeExternalFormula>);

const CRuntimeClass *CRuntimeExternalFormula::GetThisClass()
{
    return &kRuntimeExternalFormulaClass;
}

CBasePoint *CRuntimeExternalFormula::FindAnchor(CPolyline *&line)
{
    line = nullptr;
    CBasePoint *point = GetResolvedPoint(0);
    IInputPoint *input = point != nullptr ? point->GetInputPoint() : nullptr;
    return input != nullptr ? input->GetSliderAnchor(line) : nullptr;
}

bool CRuntimeExternalFormula::UsesPoint(const CBasePoint *point)
{
    CPolyline *line = nullptr;
    const CBasePoint *anchor = FindAnchor(line);
    if (point == nullptr || anchor == nullptr)
        return false;
    return point == anchor || (line != nullptr && line->FindBasePoint(point) >= 0);
}

void CRuntimeExternalFormula::DoCollectPoints(CPtrCollection<CBasePoint> &list)
{
    if (CBasePoint *point = GetResolvedPoint(0))
        list.Add(point);
}

void CRuntimeExternalFormula::DoGetDisplayText(std::string &out, bool maskLabels)
{
    if (maskLabels) {
        out.clear();
        return;
    }
    CPolyline *line = nullptr;
    out = GetDisplayName() + "(" + GetLabelOrUnknown(FindAnchor(line)) + ")";
}
