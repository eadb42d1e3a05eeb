// Morvane formula library.
// The measure of a free expression, whose values per size the program stores.
#include "formulas/MeasureExpressionFormula.h"

#include "formulas/FormulaText.h"
#include "model/FormulaFactory.h"

using namespace morvane;

static const CRuntimeClass
    kMeasureExpressionFormulaClass("CMeasureExpressionFormula",
                                   &CreateObjectOf<CMeasureExpressionFormula>,
                                   CBaseMeasureFormula::GetThisClass());

static std::unique_ptr<IBaseFormula> makeExpressionMeasure(void *context, const FormulaTarget &)
{
    auto formula = std::make_unique<CMeasureExpressionFormula>();
    formula->SetContextValue(context);
    return formula;
}

static const FormulaMakerRegistration
    kMaker(FORMULA_ATTACH_NONE, CMeasureExpressionFormula::kFormulaType, &makeExpressionMeasure);

const CRuntimeClass *CMeasureExpressionFormula::GetThisClass()
{
    return &kMeasureExpressionFormulaClass;
}

std::string CMeasureExpressionFormula::GetFormulaText()
{
    return formatPointAddress(APPLY_DRIVEN, APPLY_NONE, GetVarName()) + "=(" + GetParamText(0) +
           ",0)";
}

double CMeasureExpressionFormula::ComputeValue(int table, int size)
{
    const auto found = m_oValues.find({table, size});
    return found == m_oValues.end() ? 0.0 : found->second;
}

void CMeasureExpressionFormula::SetValue(int table, int size, double value)
{
    m_oValues[{table, size}] = value;
    SendAfterChange(kValueProperty);
}

void CMeasureExpressionFormula::ClearValues()
{
    m_oValues.clear();
    SendAfterChange(kValueProperty);
}

void CMeasureExpressionFormula::ClearTable(int table)
{
    for (auto &[key, value] : m_oValues) {
        if (key.table == table)
            value = 0.0;
    }
    SendAfterChange(kValueProperty);
}

void CMeasureExpressionFormula::DoGetDisplayText(std::string &out, bool)
{
    out = FormatParamForDisplay(0);
}
