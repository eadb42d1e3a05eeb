// Morvane program grading.
// Judges formula parameter texts by the names formula text may use.
#include "app/grading/ParameterTextChecker.h"

#include "app/grading/ParseErrorText.h"
#include "foundation/NameCompare.h"
#include "platform/hollicot/ErrorCode.h"

#include <algorithm>

ParameterTextChecker::ParameterTextChecker(const std::vector<std::string> &names)
    : m_names(names)
    , m_parser(hollicot::CGradeDataFactory::MakeGradeData())
{
    std::vector<std::string> declared;
    m_parser->SetNames(declared, names);
    m_expression = m_parser->CreateExpression();
}

int ParameterTextChecker::CodeOf(const std::string &text)
{
    const auto [judged, added] = m_codes.try_emplace(text, 0);
    if (added)
        judged->second = m_expression->SetText(text);
    return judged->second;
}

bool ParameterTextChecker::IsFaultyText(const std::string &text)
{
    return CodeOf(text) != 0;
}

std::string ParameterTextChecker::DescribeFault(const std::string &text)
{
    const int code = CodeOf(text);
    if (code == 0)
        return {};
    const std::string fault = describeParseError(code, text);
    if (code != hollicot::kUnknownName)
        return fault;
    m_expression->SetText(text);
    std::vector<std::string> used;
    m_expression->GetNames(used);
    std::string unknown;
    for (const std::string &name : used) {
        const bool declared =
            std::any_of(m_names.begin(), m_names.end(), [&name](const std::string &known) {
                return morvane::equalsNoCase(known, name);
            });
        if (!declared)
            unknown += (unknown.empty() ? "" : ", ") + name;
    }
    return unknown.empty() ? fault : fault + ": " + unknown;
}
