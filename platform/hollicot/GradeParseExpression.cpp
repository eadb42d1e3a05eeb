// Morvane Hollicot formula parser.
// One parameter text: its names and their renaming, its value and its unit conversion.
#include "platform/hollicot/GradeParseExpression.h"

#include "platform/hollicot/Compiler.h"
#include "platform/hollicot/ErrorCode.h"
#include "platform/hollicot/LengthLiterals.h"
#include "platform/hollicot/Lexer.h"
#include "platform/hollicot/Machine.h"
#include "platform/hollicot/NameFold.h"
#include "platform/hollicot/NumberText.h"
#include "platform/hollicot/Parser.h"

#include <cmath>
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
    m_compiled = {};
    m_resolved = false;
    ParseResult parsed = parse(m_text, m_tokens);
    m_tree = std::move(parsed.tree);
    if (parsed.code != kOk)
        return m_code = parsed.code;
    CompileSetting setting;
    setting.grading = false;
    setting.resolve = [this](std::string_view name) -> Binding {
        if (!m_declared || m_declared->names.empty())
            return {Binding::Kind::Free, -1};
        const int index = m_declared->index.find(name);
        return index < 0 ? Binding{} : Binding{Binding::Kind::Scalar, index};
    };
    CompileResult compiled = compile(m_text, m_tokens, m_tree, setting);
    m_compiled = std::move(compiled.text);
    return m_code = compiled.code;
}

void GradeParseExpression::SetUnitScale(double factor, int decimals)
{
    m_unitFactor = factor;
    m_decimals = decimals;
}

void GradeParseExpression::SetNameList(const std::vector<std::string> &values)
{
    m_values.assign(values.size(), 0);
    m_hasValue.assign(values.size(), false);
    for (std::size_t i = 0; i < values.size(); ++i)
        m_hasValue[i] = readNumber(values[i], m_values[i]);
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

// A value needs one plain expression whose names all have values and that reads no point and
// no size.
int GradeParseExpression::computeValue(Vec2 &value) const
{
    if (m_code != kOk)
        return m_code;
    if (!m_compiled.computable)
        return kUnknownName;
    if (m_compiled.statements.size() != 1 || m_compiled.statements.front().assigns ||
        m_compiled.statements.front().call >= 0)
        return kWrongKind;
    const Program &program = m_compiled.statements.front().program;
    for (const Instruction &instruction : program.code) {
        const auto index = static_cast<std::size_t>(instruction.index);
        if (instruction.op == Op::LoadScalar && (index >= m_hasValue.size() || !m_hasValue[index]))
            return kUnknownName;
        if (instruction.op == Op::Increment)
            return kBadSetUp;
        if (instruction.op == Op::LoadCell || instruction.op == Op::LoadAxis ||
            (instruction.op == Op::Call &&
             !m_compiled.calls[index].points.empty()))
            return kWrongKind;
    }
    SizeState state;
    state.scalars = m_values.data();
    Machine machine;
    return machine.evaluate(m_compiled, program, state, value);
}

int GradeParseExpression::GetText(std::string &out, int form) const
{
    if (form == 1) {
        out = scaledText();
        return kOk;
    }
    out = m_text;
    if (form != 0)
        return kBadSetUp;
    Vec2 value;
    if (const int code = computeValue(value))
        return code;
    value = {value.x * m_unitFactor, value.y * m_unitFactor};
    if (!std::isfinite(value.x) || !std::isfinite(value.y))
        return kNotFinite;
    const auto format = [this](double number) {
        return m_decimals < 0 ? formatShort(number) : formatFixed(number, m_decimals);
    };
    out = format(value.x);
    if (m_compiled.statements.front().givesVector)
        out += "," + format(value.y);
    return kOk;
}

void GradeParseExpression::Resolve()
{
    if (m_code != kOk)
        return;
    m_resolved = true;
    m_lengthTokens = lengthLiterals(m_tree);
}

std::string GradeParseExpression::scaledText() const
{
    if (!m_resolved || m_unitFactor == 1)
        return m_text;
    std::string scaled;
    std::size_t copied = 0;
    for (const int index : m_lengthTokens) {
        const Token &token = m_tokens[static_cast<std::size_t>(index)];
        const double value = token.value * m_unitFactor;
        if (!std::isfinite(value))
            continue;
        scaled.append(m_text, copied, token.offset - copied);
        scaled += formatShort(value);
        copied = token.offset + token.length;
    }
    scaled.append(m_text, copied, std::string::npos);
    return scaled;
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
