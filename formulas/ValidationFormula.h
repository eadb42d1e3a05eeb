// Morvane formula library.
// A named tolerance band that the program checks graded values against.
#pragma once

#include "formulas/BaseFormula.h"

/// A global formula (type 18) that carries a tolerance band, how far a graded value may fall
/// below ("RangeNegative") and rise above ("RangePositive") its target, beside the usual
/// parameters. It acts on no axis and hands the parser no text; the program applies the band.
/// Both ranges start at 10 and are always stored.
class CValidationFormula : public CBaseFormula
{
public:
    static constexpr int kFormulaType = 18;

    CValidationFormula();

    /// "CValidationFormula", base CBaseFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    int GetApplyTypeX() const override;
    int GetApplyTypeY() const override;
    /// Empty: nothing for the parser.
    std::string GetFormulaText() override;

    double GetRangeNegative() const { return m_dRangeNegative; }
    double GetRangePositive() const { return m_dRangePositive; }
    /// Stores both ranges; a change marks the formula for recomputation.
    void SetRange(double negative, double positive);
    /// The base part and, from another validation formula, both ranges (so that undoing a
    /// change of the band restores it).
    void CopyFrom(const CBaseFormula &other) override;

protected:
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// The display name.
    void DoGetDisplayText(std::string &out, bool flag) override;

private:
    double m_dRangeNegative = 10.0;
    double m_dRangePositive = 10.0;
};
