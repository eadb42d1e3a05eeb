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
    return m_expression->SetText(text) != 0;
}
