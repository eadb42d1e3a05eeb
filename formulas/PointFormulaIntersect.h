// Morvane formula library.
// The point formula that puts its point where two lines through reference points cross.
#pragma once

#include "formulas/BaseParserLinePointFormula.h"

/// Grades its point at the crossing the parser constructs from the point and two reference
/// points: "%PA(...)=%IS(<B>,<r0>,<r1>)". Type 8.
class CPointFormulaIntersect : public CBaseParserLinePointFormula
{
public:
    static constexpr int kFormulaType = 8;

    CPointFormulaIntersect();

    /// "CPointFormulaIntersect", base CBasePointFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// Resolved point 0 or 1.
    bool UsesPoint(const CBasePoint *point) override;

protected:
    std::string GetLineValue() override;
    void DoGetDisplayText(std::string &out, bool maskLabels) override;
};
