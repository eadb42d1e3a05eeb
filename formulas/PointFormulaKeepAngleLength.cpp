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

std::string CPointFormulaKeepAngleLength::GetLineValue()
{
    return "%ROTL(" + BoundLabel() + ", " + ReferenceLabel(0, false) + ", " +
           ReferenceLabel(1, false) + ", " + (m_bKeepSameLength ? "1" : "0") + ")";
}

bool CPointFormulaKeepAngleLength::UsesPoint(const CBasePoint *point)
{
    return IsAmongResolvedPoints(point, 2);
}

void CPointFormulaKeepAngleLength::CopyFrom(const CBaseFormula &other)
{
    CBasePointFormula::CopyFrom(other);
    if (const auto *same = dynamic_cast<const CPointFormulaKeepAngleLength *>(&other))
        m_bKeepSameLength = same->m_bKeepSameLength;
}

void CPointFormulaKeepAngleLength::DoGetDisplayText(std::string &out, bool maskLabels)
{
    out = DisplayTextOfReferences(2, maskLabels, ", ");
}
