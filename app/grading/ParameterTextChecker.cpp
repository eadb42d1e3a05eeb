// Morvane program grading.
// Judges formula parameter texts by the names formula text may use.
#include "app/grading/ParameterTextChecker.h"

ParameterTextChecker::ParameterTextChecker(const std::vector<std::string> &names)
    : m_parser(hollicot::CGradeDataFactory::MakeGradeData())
{
    std::vector<std::string> declared;
    m_parser->SetNames(declared, names);
    m_expression = m_parser->CreateExpression();
}

bool ParameterTextChecker::IsFaultyText(const std::string &text)
{
    const auto [judged, added] = m_judged.try_emplace(text, false);
    if (added)
        judged->second = m_expression->SetText(text) != 0;
    return judged->second;
}
