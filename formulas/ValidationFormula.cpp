// Morvane formula library.
// A named tolerance band that the program checks graded values against.
#include "formulas/ValidationFormula.h"

#include "formulas/FormulaText.h"
#include "formulas/FormulaMakers.h"

using namespace morvane;

static const CRuntimeClass kValidationFormulaClass("CValidationFormula",
                                                   &CreateObjectOf<CValidationFormula>,
                                                   CBaseFormula::GetThisClass());

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_NONE, CValidationFormula::kFormulaType,
                                             &makeGlobalFormula<CValidationFormula>);

const CRuntimeClass *CValidationFormula::GetThisClass()
{
    return &kValidationFormulaClass;
}

CValidationFormula::CValidationFormula()
{
    AddDoubleAttribute(&m_dRangeNegative, "RangeNegative");
    AddDoubleAttribute(&m_dRangePositive, "RangePositive");
}

int CValidationFormula::GetApplyTypeX() const
{
    return APPLY_NONE;
}

int CValidationFormula::GetApplyTypeY() const
{
    return APPLY_NONE;
}

std::string CValidationFormula::GetFormulaText()
{
    return {};
}

void CValidationFormula::SetRange(double negative, double positive)
{
    if (negative == m_dRangeNegative && positive == m_dRangePositive)
        return;
    m_dRangeNegative = negative;
    m_dRangePositive = positive;
    Invalidate();
}

void CValidationFormula::CopyFrom(const CBaseFormula &other)
{
    CBaseFormula::CopyFrom(other);
    if (const auto *validation = dynamic_cast<const CValidationFormula *>(&other)) {
        m_dRangeNegative = validation->m_dRangeNegative;
        m_dRangePositive = validation->m_dRangePositive;
    }
}

void CValidationFormula::DoCollectPoints(CPtrCollection<CBasePoint> &) {}

void CValidationFormula::DoGetDisplayText(std::string &out, bool)
{
    out = GetDisplayName();
}
