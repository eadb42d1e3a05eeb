// Morvane formula library.
// The point formula that rotates its point about a reference point.
#pragma once

#include "formulas/BasePointFormula.h"

/// Rotates its point about reference point 0 by parameter 0. Absolute (parameter 1 of type 1,
/// the default): "%PA(...)=%ROTA(<B>, <c>, <angle>, <in size>)"; relative:
/// "%PA(...)=%ROT(<B>, <c>, <angle>, <second>, <in size>)" with the angle's first "%INC(...)"
/// unwrapped. Type 9. Stored: "RotateInSize" (always).
class CPointFormulaRotate : public CBasePointFormula
{
public:
    static constexpr int kFormulaType = 9;

    CPointFormulaRotate();

    /// "CPointFormulaRotate", base CBasePointFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// Empty: the line is added by AddFormulaText.
    std::string GetFormulaText() override { return {}; }
    /// The line of the bound point, when it and every resolved point are there.
    void AddFormulaText(std::vector<std::string> &texts) override;
    /// Resolved point 0, only while the rotation follows the size.
    bool UsesPoint(const CBasePoint *point) override;
    void CopyFrom(const CBaseFormula &other) override;

    std::string GetAngle() { return FormatParam(0); }
    std::string GetSecondValue() { return FormatParam(1); }
    bool SetAngle(const std::string &text) { return SetParamText(0, text); }
    bool SetSecondValue(const std::string &text) { return SetParamText(1, text); }
    /// Whether the rotation is absolute (parameter 1 of type 1).
    bool IsAbsolute() { return GetParam(1)->GetType() == 1; }
    /// Both parameters get type 1 (absolute) or 0.
    void SetAbsolute(bool absolute);
    bool GetRotateInSize() const { return m_bRotateInSize; }
    void SetRotateInSize(bool rotate) { m_bRotateInSize = rotate; }

protected:
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    bool m_bRotateInSize = true;
};
