// Morvane program grading.
// Judges formula parameter texts by the names formula text may use.
#pragma once

#include "model/IBaseFormula.h"
#include "platform/hollicot/GradeParse.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

/// A parameter text is faulty when the parser refuses it over the declared names (its syntax,
/// its functions, or a name it does not know). Each text is judged once.
class ParameterTextChecker : public IFormulaTextChecker
{
public:
    explicit ParameterTextChecker(const std::vector<std::string> &names);

    bool IsFaultyText(const std::string &text) override;
    /// Why the parser refuses text, as its error gives it: the code, the code's message and the
    /// text, then for an unknown name the names it does not know
    /// ("error -5 (unknown name) in "waist/4": waist"); empty for a text it accepts.
    std::string DescribeFault(const std::string &text);

private:
    /// The parser's code for the text, judged once.
    int CodeOf(const std::string &text);

    std::vector<std::string> m_names;
    std::unique_ptr<hollicot::IGradeParseData> m_parser;
    std::unique_ptr<hollicot::IGradeParseExpression> m_expression;
    std::unordered_map<std::string, int> m_codes;
};
