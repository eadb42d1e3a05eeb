// Morvane Hollicot formula parser.
// One parameter text: its names and their renaming, its value and its unit conversion.
#pragma once

#include "platform/hollicot/DeclaredNames.h"
#include "platform/hollicot/GradeParse.h"
#include "platform/hollicot/Program.h"
#include "platform/hollicot/Syntax.h"
#include "platform/hollicot/Token.h"

#include <memory>
#include <string>
#include <vector>

namespace hollicot {

/// An expression object. Names and renaming work on the tokens of the text, so they work on
/// texts that do not parse too. When the parse object that made it had declared names, a text
/// that uses another name is refused with -5 but stays loaded; without declared names every
/// name is accepted.
class GradeParseExpression : public IGradeParseExpression
{
public:
    explicit GradeParseExpression(std::shared_ptr<const DeclaredNames> declared);

    /// 0 when the text is accepted, else the code of its first fault.
    int SetText(const std::string &text) override;
    /// The display unit per millimetre and the decimals of values (form 0); after Resolve also
    /// the factor by which the length literals of the text are multiplied (form 1).
    void SetUnitScale(double factor, int decimals) override;
    /// The value texts of the declared names, aligned with them by position; a text that is not a
    /// number gives its name no value.
    void SetNameList(const std::vector<std::string> &values) override;
    /// Every distinct name of the text (without regard to ASCII case) in order of first use,
    /// spelled as first written; function names and ".X"/".Y" are not names.
    void GetNames(std::vector<std::string> &out) const override;
    /// Form 1: the current text. Form 0: the value times the unit factor, with the set decimals
    /// (six, trailing zeros dropped, without SetUnitScale); "x,y" for a pair. When the value
    /// cannot be computed (a refused text, a name without a value, a point, %INC without sizes),
    /// form 0 gives the text as form 1 does and returns the reason's code. Another form: -14.
    int GetText(std::string &out, int form) const override;
    /// Marks the length literals of an accepted text, so that form 1 writes them scaled by the
    /// unit factor.
    void Resolve() override;
    /// Loads text, then turns every name token equal to oldName into newName, keeping every
    /// other byte. Returns 0, or -1 with the text loaded unchanged when newName is not a name.
    int ReplaceName(const std::string &text, const std::string &oldName,
                    const std::string &newName) override;

private:
    int computeValue(Vec2 &value) const;
    std::string scaledText() const;

    std::shared_ptr<const DeclaredNames> m_declared;
    std::string m_text;
    TokenList m_tokens;
    SyntaxTree m_tree;
    CompiledText m_compiled;
    int m_code = 0;
    std::vector<double> m_values;
    std::vector<bool> m_hasValue;
    double m_unitFactor = 1;
    int m_decimals = -1;
    bool m_resolved = false;
    std::vector<int> m_lengthTokens;
};

} // namespace hollicot
