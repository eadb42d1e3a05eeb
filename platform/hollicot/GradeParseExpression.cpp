// Morvane Hollicot formula parser.
// One parameter text: its tokens, the names it uses and their renaming.
#include "platform/hollicot/GradeParseExpression.h"

#include "platform/hollicot/ErrorCode.h"
#include "platform/hollicot/Lexer.h"
#include "platform/hollicot/NameFold.h"

#include <unordered_set>

namespace hollicot {

GradeParseExpression::GradeParseExpression(std::shared_ptr<const DeclaredNames> declared)
    : m_declared(std::move(declared))
{
}

int GradeParseExpression::SetText(const std::string &text)
{
    m_text = text;
    m_tokens = tokenize(m_text);
    for (const Token &token : m_tokens) {
        if (token.kind == TokenKind::Bad)
            return m_code = token.error;
    }
    return m_code = checkNames();
}

int GradeParseExpression::checkNames() const
{
    if (!m_declared || m_declared->names.empty())
        return kOk;
    for (const Token &token : m_tokens) {
        if (token.kind == TokenKind::Name && m_declared->index.find(token.textIn(m_text)) < 0)
            return kUnknownName;
    }
    return kOk;
}

void GradeParseExpression::SetUnitScale(double factor, int decimals)
{
    m_unitFactor = factor;
    m_decimals = decimals;
}

void GradeParseExpression::SetNameList(const std::vector<std::string> &values)
{
    m_values = values;
}

void GradeParseExpression::GetNames(std::vector<std::string> &out) const
{
    out.clear();
    std::unordered_set<std::string> seen;
    for (const Token &token : m_tokens) {
        if (token.kind != TokenKind::Name)
            continue;
        const std::string_view name = token.textIn(m_text);
        if (seen.insert(foldName(name)).second)
            out.emplace_back(name);
    }
}

int GradeParseExpression::GetText(std::string &out, int form) const
{
    out = m_text;
    if (form == 1)
        return kOk;
    // The value form needs the evaluator, which this library does not offer yet.
    return kBadSetUp;
}

void GradeParseExpression::Resolve()
{
}

int GradeParseExpression::ReplaceName(const std::string &text, const std::string &oldName,
                                      const std::string &newName)
{
    SetText(text);
    if (!isName(newName))
        return kBadCharacter;
    std::string renamed;
    renamed.reserve(m_text.size());
    std::size_t copied = 0;
    for (const Token &token : m_tokens) {
        if (token.kind != TokenKind::Name || !sameName(token.textIn(m_text), oldName))
            continue;
        renamed.append(m_text, copied, token.offset - copied);
        renamed += newName;
        copied = token.offset + token.length;
    }
    renamed.append(m_text, copied, std::string::npos);
    SetText(renamed);
    return kOk;
}

} // namespace hollicot
