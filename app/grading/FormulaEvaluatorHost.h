// Morvane program grading.
// What a formula evaluator needs of the grade-mask document it works for.
#pragma once

class IGradeMask;

/// The grade-mask document as its formula evaluator sees it.
class IFormulaEvaluatorHost
{
public:
    virtual ~IFormulaEvaluatorHost() = default;

    /// The document's grade mask; null while it has none.
    virtual IGradeMask *GetGradeMask() = 0;
    /// The view flag of the document's interaction modes: when set, values are shown with the
    /// association texts.
    virtual bool GetViewFlag() = 0;
    /// millimetres in the program's display unit, and that unit's number of decimals.
    virtual double ConvertToDisplayUnits(double millimetres, int &decimals) = 0;
};
