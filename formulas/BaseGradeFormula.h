// Morvane formula library.
// The base of the formulas that move points by an X and a Y expression.
#pragma once

#include "formulas/BaseFormula.h"

#include <string>

/// A formula that moves points by an X expression (parameter 0) and a Y expression
/// (parameter 1), along its grading angle.
class CBaseGradeFormula : public CBaseFormula
{
public:
    /// "CBaseGradeFormula", base CBaseFormula, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// The direction along which the points move, in radians or degrees; 0 here.
    virtual double GetGradingAngle(bool radians) const;

    std::string GetXText() { return FormatParam(0); }
    std::string GetYText() { return FormatParam(1); }
    bool SetXText(const std::string &text) { return SetParamText(0, text); }
    bool SetYText(const std::string &text) { return SetParamText(1, text); }
    /// JoinPairText of the two texts.
    std::string GetPairText() { return JoinPairText(GetXText(), GetYText()); }

    /// The text before the first "," into x and the text up to a second "," into y ("0" for an
    /// empty part when zeroForEmpty is set).
    static void SplitPairText(const std::string &pair, std::string &x, std::string &y,
                              bool zeroForEmpty);
    /// x alone, or x, "," and the trimmed y when y is not empty after trimming.
    static std::string JoinPairText(const std::string &x, const std::string &y);
};
