// Morvane formula library.
// The point formula that interpolates its point between two reference points.
#include "formulas/PointFormulaInterpolate.h"

#include "formulas/FormulaText.h"

using namespace morvane;

static const CRuntimeClass kPointFormulaInterpolateClass("CPointFormulaInterpolate",
                                                         &CreateObjectOf<CPointFormulaInterpolate>,
                                                         CBasePointFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_POINT,
                                             CPointFormulaInterpolate::kFormulaType,
                                             &makePointFormula<CPointFormulaInterpolate>);

const CRuntimeClass *CPointFormulaInterpolate::GetThisClass()
{
    return &kPointFormulaInterpolateClass;
}

CPointFormulaInterpolate::CPointFormulaInterpolate()
{
    SetPointCount(2);
    AddBoolAttribute(&m_bKeepOnCurve, "KeepOnCurve", XmlPresence::Optional);
}

std::string CPointFormulaInterpolate::GetLineValue()
{
    const std::string points =
        BoundLabel() + "," + ReferenceLabel(0, false) + "," + ReferenceLabel(1, false);
    const bool onlyX = GetApplyTypeX() != APPLY_NONE && GetApplyTypeY() == APPLY_NONE;
    const bool onlyY = GetApplyTypeX() == APPLY_NONE && GetApplyTypeY() != APPLY_NONE;
    if (m_bKeepOnCurve && onlyX)
        return "%IPLM(" + points + ", 0.0)";
    if (m_bKeepOnCurve && onlyY)
        return "%IPLM(" + points + ", 90.0)";
    return "%IPL(" + points + ")";
}

bool CPointFormulaInterpolate::UsesPoint(const CBasePoint *point)
{
    return IsAmongResolvedPoints(point, 2);
}

void CPointFormulaInterpolate::CopyFrom(const CBaseFormula &other)
{
    CBasePointFormula::CopyFrom(other);
    if (const auto *same = dynamic_cast<const CPointFormulaInterpolate *>(&other))
        m_bKeepOnCurve = same->m_bKeepOnCurve;
}

void CPointFormulaInterpolate::DoGetDisplayText(std::string &out, bool maskLabels)
{
    out = DisplayTextOfReferences(2, maskLabels, ", ");
}
