// Morvane formula library.
// The point formula that keeps the angle, and optionally the length, at two reference points.
#include "formulas/PointFormulaKeepAngleLength.h"

#include "formulas/FormulaText.h"

using namespace morvane;

static const CRuntimeClass
    kPointFormulaKeepAngleLengthClass("CPointFormulaKeepAngleLength",
                                      &CreateObjectOf<CPointFormulaKeepAngleLength>,
                                      CBasePointFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_POINT,
                                             CPointFormulaKeepAngleLength::kFormulaType,
                                             &makePointFormula<CPointFormulaKeepAngleLength>);

const CRuntimeClass *CPointFormulaKeepAngleLength::GetThisClass()
{
    return &kPointFormulaKeepAngleLengthClass;
}

CPointFormulaKeepAngleLength::CPointFormulaKeepAngleLength()
{
    SetPointCount(2);
    AddBoolAttribute(&m_bKeepSameLength, "KeepSameLength");
}

void CPointFormulaKeepAngleLength::AddFormulaText(std::vector<std::string> &texts)
{
    if (!CanWriteLine())
        return;
    texts.push_back(GetPointAddress() + "=%ROTL(" + BoundLabel() + ", " +
                    ReferenceLabel(0, false) + ", " +
                    ReferenceLabel(1, false) + ", " +
                    (m_bKeepSameLength ? "1" : "0") + ")");
}

bool CPointFormulaKeepAngleLength::UsesPoint(const CBasePoint *point)
{
    return IsResolvedPoint(point, 0) || IsResolvedPoint(point, 1);
}

void CPointFormulaKeepAngleLength::CopyFrom(const CBaseFormula &other)
{
    CBasePointFormula::CopyFrom(other);
    if (const auto *same = dynamic_cast<const CPointFormulaKeepAngleLength *>(&other))
        m_bKeepSameLength = same->m_bKeepSameLength;
}

void CPointFormulaKeepAngleLength::DoGetDisplayText(std::string &out, bool maskLabels)
{
    out = GetDisplayName() + "(" + ReferenceLabel(0, maskLabels) + ", " +
          ReferenceLabel(1, maskLabels) + ")";
}
