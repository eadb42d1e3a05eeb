// Morvane formula library.
// The point formula that puts its point where two lines through reference points cross.
#pragma once

#include "formulas/BasePointFormula.h"

/// Grades its point at the crossing the parser constructs from the point and two reference
/// points: "%PA(...)=%IS(<B>,<r0>,<r1>)". Type 8.
class CPointFormulaIntersect : public CBasePointFormula
{
public:
    static constexpr int kFormulaType = 8;

    CPointFormulaIntersect();

    /// "CPointFormulaIntersect", base CBasePointFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// Empty: the line is added by AddFormulaText.
    std::string GetFormulaText() override { return {}; }
    /// The line of the bound point, when it and every resolved point are there.
    void AddFormulaText(std::vector<std::string> &texts) override;
    /// Resolved point 0 or 1.
    bool UsesPoint(const CBasePoint *point) override;

protected:
    void DoGetDisplayText(std::string &out, bool maskLabels) override;
};
