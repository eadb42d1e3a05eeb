// Morvane Hollicot formula parser.
// One parameter text: its tokens, the names it uses and their renaming.
#pragma once

#include "platform/hollicot/DeclaredNames.h"
#include "platform/hollicot/GradeParse.h"
#include "platform/hollicot/Token.h"

#include <memory>
#include <string>
#include <vector>

namespace hollicot {

/// An expression object. Names and renaming work on the tokens of the text, so they work on
/// texts that do not parse too. When the parse object that made it had declared names, a text
/// that uses another name is refused with -5 but stays loaded.
class GradeParseExpression : public IGradeParseExpression
{
public:
    explicit GradeParseExpression(std::shared_ptr<const DeclaredNames> declared);

    /// 0 when the text is accepted, else the code of its first fault.
    int SetText(const std::string &text) override;
    void SetUnitScale(double factor, int decimals) override;
    void SetNameList(const std::vector<std::string> &values) override;
    /// Every distinct name of the text (without regard to ASCII case) in order of first use,
    /// spelled as first written; function names and ".X"/".Y" are not names.
    void GetNames(std::vector<std::string> &out) const override;
    /// Form 1: the current text. Form 0: the value; when it cannot be computed, the text as form 1
    /// gives it and the reason's code.
    int GetText(std::string &out, int form) const override;
    void Resolve() override;
    /// Loads text, then turns every name token equal to oldName into newName, keeping every
    /// other byte. Returns 0, or -1 with the text loaded unchanged when newName is not a name.
    int ReplaceName(const std::string &text, const std::string &oldName,
                    const std::string &newName) override;

private:
    int checkNames() const;

    std::shared_ptr<const DeclaredNames> m_declared;
    std::string m_text;
    TokenList m_tokens;
    int m_code = 0;
    std::vector<std::string> m_values;
    double m_unitFactor = 1;
    int m_decimals = -1;
};

} // namespace hollicot
