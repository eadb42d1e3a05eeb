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

void CPointFormulaInterpolate::AddFormulaText(std::vector<std::string> &texts)
{
    if (!CanWriteLine())
        return;
    const std::string points = BoundLabel() + "," +
                               ReferenceLabel(0, false) + "," +
                               ReferenceLabel(1, false);
    const bool onlyX = GetApplyTypeX() != APPLY_NONE && GetApplyTypeY() == APPLY_NONE;
    const bool onlyY = GetApplyTypeX() == APPLY_NONE && GetApplyTypeY() != APPLY_NONE;
    if (m_bKeepOnCurve && onlyX)
        texts.push_back(GetPointAddress() + "=%IPLM(" + points + ", 0.0)");
    else if (m_bKeepOnCurve && onlyY)
        texts.push_back(GetPointAddress() + "=%IPLM(" + points + ", 90.0)");
    else
        texts.push_back(GetPointAddress() + "=%IPL(" + points + ")");
}

bool CPointFormulaInterpolate::UsesPoint(const CBasePoint *point)
{
    return IsResolvedPoint(point, 0) || IsResolvedPoint(point, 1);
}

void CPointFormulaInterpolate::CopyFrom(const CBaseFormula &other)
{
    CBasePointFormula::CopyFrom(other);
    if (const auto *same = dynamic_cast<const CPointFormulaInterpolate *>(&other))
        m_bKeepOnCurve = same->m_bKeepOnCurve;
}

void CPointFormulaInterpolate::DoGetDisplayText(std::string &out, bool maskLabels)
{
    out = GetDisplayName() + "(" + ReferenceLabel(0, maskLabels) + ", " +
          ReferenceLabel(1, maskLabels) + ")";
}
