// Morvane command, task and undo engine.
// Guard conditions of transitions: parsed once from text, evaluated over task variables.
#include "tasks/TransitionCondition.h"

#include "foundation/NumberText.h"
#include "tasks/CommandAttributes.h"
#include "tasks/ITaskDefinition.h"

#include <algorithm>
#include <array>

using namespace morvane;

static std::string withoutBlanks(std::string_view text)
{
    std::string result;
    std::copy_if(text.begin(), text.end(), std::back_inserter(result),
                 [](char c) { return c != ' ' && c != '\t'; });
    return result;
}

struct OperatorText
{
    std::string_view text;
    CTransitionCondition::Operator value;
};

// In the order they are looked for: "!=" before "=", so that "a!=1" is not read as "a!" = "1".
static constexpr std::array<OperatorText, 4> kOperators = {{
    {"!=", CTransitionCondition::kNotEqual},
    {">", CTransitionCondition::kGreater},
    {"<", CTransitionCondition::kLess},
    {"=", CTransitionCondition::kEqual},
}};

CTransitionCondition::CTransitionCondition(std::string_view text, Connector connector)
    : m_eConnector(connector)
{
    const std::string condition = withoutBlanks(text);
    m_sName = condition;
    for (const OperatorText &op : kOperators) {
        const size_t position = condition.find(op.text);
        if (position == std::string::npos)
            continue;
        if (position > 0) {
            m_sName = condition.substr(0, position);
            m_sValue = condition.substr(position + op.text.size());
            m_eOperator = op.value;
        }
        break;
    }

    if (m_sName == "enabled")
        m_eKind = Kind::Enabled;
    else if (m_sName == "disabled")
        m_eKind = Kind::Disabled;

    const size_t dots = m_sValue.find("..");
    if (dots != std::string::npos) {
        m_bRange = tryParseInt(std::string_view(m_sValue).substr(0, dots), m_nLow)
                   && tryParseInt(std::string_view(m_sValue).substr(dots + 2), m_nHigh);
    }
    if (!m_bRange)
        m_nLow = parseInt(m_sValue);
}

bool CTransitionCondition::Evaluate(const CCommandAttributes &variables,
                                    ITaskDefinition *definition, ITask *task,
                                    const std::string &event) const
{
    switch (m_eKind) {
    case Kind::Enabled:
        return definition && definition->IsEventEnabled(task, event);
    case Kind::Disabled:
        return !(definition && definition->IsEventEnabled(task, event));
    case Kind::Variable:
        break;
    }
    const std::string *text = variables.FindText(m_sName);
    const int number = text ? parseInt(*text) : 0;
    if (m_sValue.empty())
        return number != 0;
    return compare(number);
}

bool CTransitionCondition::compare(int number) const
{
    if (m_bRange) {
        const bool inside = m_nLow <= number && number <= m_nHigh;
        switch (m_eOperator) {
        case kEqual:
            return inside;
        case kNotEqual:
            return !inside;
        case kLess:
        case kGreater:
            return true;
        }
    }
    switch (m_eOperator) {
    case kEqual:
        return number == m_nLow;
    case kNotEqual:
        return number != m_nLow;
    case kLess:
        return number < m_nLow;
    case kGreater:
        return number > m_nLow;
    }
    return false;
}

std::vector<CTransitionCondition> morvane::parseGuard(std::string_view text)
{
    std::vector<CTransitionCondition> conditions;
    auto addCondition = [&conditions](std::string_view piece,
                                      CTransitionCondition::Connector connector) {
        if (!withoutBlanks(piece).empty())
            conditions.emplace_back(piece, connector);
    };
    std::string_view rest = text;
    for (;;) {
        const size_t separator = rest.find_first_of(",;");
        if (separator == std::string_view::npos || separator == 0)
            break;
        addCondition(rest.substr(0, separator), rest[separator] == ','
                                                    ? CTransitionCondition::kOr
                                                    : CTransitionCondition::kAnd);
        rest.remove_prefix(separator + 1);
    }
    addCondition(rest, CTransitionCondition::kAnd);
    return conditions;
}

bool morvane::evaluateGuard(const std::vector<CTransitionCondition> &conditions,
                            const CCommandAttributes &variables, ITaskDefinition *definition,
                            ITask *task, const std::string &event)
{
    bool result = true;
    CTransitionCondition::Connector connector = CTransitionCondition::kAnd;
    for (const CTransitionCondition &condition : conditions) {
        if (connector == CTransitionCondition::kAnd)
            result = result && condition.Evaluate(variables, definition, task, event);
        else
            result = result || condition.Evaluate(variables, definition, task, event);
        connector = condition.GetConnector();
    }
    return result;
}
