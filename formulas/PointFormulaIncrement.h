// Morvane formula library.
// The point formula that moves its point by an increment per axis.
#pragma once

#include "formulas/BasePointFormula.h"

/// Grades its point by the X increment (parameter 0) and the Y increment (parameter 1): the
/// line "%PA(...)=(<x>,<y>)". Type 5, no reference points.
class CPointFormulaIncrement : public CBasePointFormula
{
public:
    static constexpr int kFormulaType = 5;

    CPointFormulaIncrement() = default;

    /// "CPointFormulaIncrement", base CBasePointFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// The line of the bound point; empty for an unbound formula.
    std::string GetFormulaText() override;

    std::string GetXIncrement() { return FormatParam(0); }
    std::string GetYIncrement() { return FormatParam(1); }
    bool SetXIncrement(const std::string &text) { return SetParamText(0, text); }
    bool SetYIncrement(const std::string &text) { return SetParamText(1, text); }
    /// "<x>,<y>" trimmed.
    std::string GetIncrements();

protected:
    /// The increments of the axes the formula acts on, for display.
    void DoGetDisplayText(std::string &out, bool maskLabels) override;
};
