// Morvane formula library.
// The point formula that keeps the angle, and optionally the length, at two reference points.
#pragma once

#include "formulas/BasePointFormula.h"

/// Grades its point so that it keeps its angle about two reference points, and its length when
/// keep-same-length is set: "%PA(...)=%ROTL(<B>, <r0>, <r1>, <0|1>)". Type 30. Stored:
/// "KeepSameLength" (always).
class CPointFormulaKeepAngleLength : public CBasePointFormula
{
public:
    static constexpr int kFormulaType = 30;

    CPointFormulaKeepAngleLength();

    /// "CPointFormulaKeepAngleLength", base CBasePointFormula, creatable by name.
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

    bool GetKeepSameLength() const { return m_bKeepSameLength; }
    void SetKeepSameLength(bool keep) { m_bKeepSameLength = keep; }

protected:
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    bool m_bKeepSameLength = true;
};
