// Morvane formula library.
// The point formula that interpolates its point between two reference points.
#pragma once

#include "formulas/BasePointFormula.h"

/// Grades its point by interpolation between two reference points:
/// "%PA(...)=%IPL(<B>,<r0>,<r1>)", or, keeping the point on its curve while only one axis is
/// acted on, "%IPLM(<B>,<r0>,<r1>, 0.0)" (X only) or "..., 90.0)" (Y only). Type 12. Stored:
/// "KeepOnCurve".
class CPointFormulaInterpolate : public CBasePointFormula
{
public:
    static constexpr int kFormulaType = 12;

    CPointFormulaInterpolate();

    /// "CPointFormulaInterpolate", base CBasePointFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// Empty: the line is added by AddFormulaText.
    std::string GetFormulaText() override { return {}; }
    /// The line of the bound point, when it and every resolved point are there.
    void AddFormulaText(std::vector<std::string> &texts) override;
    /// Resolved point 0 or 1.
    bool UsesPoint(const CBasePoint *point) override;
    void CopyFrom(const CBaseFormula &other) override;
    CPointFormulaInterpolate *GetInterpolateFormula() override { return this; }

    bool GetKeepOnCurve() const { return m_bKeepOnCurve; }
    void SetKeepOnCurve(bool keep) { m_bKeepOnCurve = keep; }

protected:
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    bool m_bKeepOnCurve = false;
};
