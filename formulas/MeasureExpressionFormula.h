// Morvane formula library.
// The measure of a free expression, whose values per size the program stores.
#pragma once

#include "formulas/BaseMeasureFormula.h"
#include "model/GradeSize.h"

#include <map>

/// A global measure (type 17) whose expression is parameter 0. The program evaluates the
/// expression through the parser for every size and stores the results here (SetValue); the
/// measure's value for a size is the stored entry, 0 when there is none. The values are not
/// stored in the mask file.
class CMeasureExpressionFormula : public CBaseMeasureFormula
{
public:
    static constexpr int kFormulaType = 17;

    /// "CMeasureExpressionFormula", base CBaseMeasureFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// "%PA(1,2,<variable name>)=(<parameter 0>,0)", such as "%PA(1,2,waist)=(a+b,0)".
    std::string GetFormulaText() override;
    /// Each change sends the after-change event with property 3.
    void SetValue(int table, int size, double value);
    void ClearValues();
    /// Every stored value of the table becomes 0.
    void ClearTable(int table);

protected:
    /// The stored value of the size; 0 when there is none.
    double ComputeValue(int table, int size) override;
    /// Parameter 0 as the user reads it.
    void DoGetDisplayText(std::string &out, bool flag) override;

private:
    std::map<morvane::GradeSizeKey, double> m_oValues;
};
