// Morvane formula library.
// The base of the point formulas that write their point's parser line but no formula text.
#pragma once

#include "formulas/BasePointFormula.h"

#include <string>
#include <vector>

/// The base of the point formulas without a formula text of their own: their one parser line,
/// written only by a bound copy whose resolved points are all there, is the point address of the
/// bound point, "=" and GetLineValue(). Not a runtime class: each kind names CBasePointFormula
/// as its base.
class CBaseParserLinePointFormula : public CBasePointFormula
{
public:
    /// Empty: the line is added by AddFormulaText.
    std::string GetFormulaText() override { return {}; }
    /// The line of the bound point, when it and every resolved point are there.
    void AddFormulaText(std::vector<std::string> &texts) override;

protected:
    /// What the bound point's line sets it to (the text after "="); asked only when the line is
    /// written, so the bound point and every resolved point are there.
    virtual std::string GetLineValue() = 0;
};
