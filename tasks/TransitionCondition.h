// Morvane command, task and undo engine.
// Guard conditions of transitions: parsed once from text, evaluated over task variables.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CCommandAttributes;
class ITask;
class ITaskDefinition;

/// One condition of a guard such as "nFocusObjectType=10;bIsMaskItemFocused": a variable
/// compared with a number or a range, or the words "enabled" and "disabled".
class CTransitionCondition
{
public:
    enum Operator { kEqual = 0, kNotEqual = 1, kLess = 2, kGreater = 3 };
    enum Connector { kAnd = 0, kOr = 1 };

    /// Parses one condition text (blanks are removed first): a name alone, or a name, an
    /// operator ("!=", ">", "<", "=", looked for in that order) and a value, which is an
    /// integer or a range "lo..hi". A text starting with its operator is a name alone.
    CTransitionCondition(std::string_view text, Connector connector);

    /// Evaluates the condition over the variables; "enabled" asks the definition whether the
    /// event is enabled for the task (false without a definition), "disabled" negates it.
    /// A variable counts as its text's leading integer, 0 when empty or not found. A name alone
    /// holds when the number is not 0; a range holds for "=" when lo <= v <= hi, for "!=" when
    /// v is outside it, and always for "<" and ">".
    bool Evaluate(const CCommandAttributes &variables, ITaskDefinition *definition, ITask *task,
                  const std::string &event) const;

    const std::string &GetName() const { return m_sName; }
    const std::string &GetValue() const { return m_sValue; }
    Operator GetOperator() const { return m_eOperator; }
    /// How this condition joins the next one.
    Connector GetConnector() const { return m_eConnector; }

private:
    enum class Kind { Variable, Enabled, Disabled };

    bool compare(int number) const;

    std::string m_sName;
    std::string m_sValue;
    Operator m_eOperator = kEqual;
    Connector m_eConnector = kAnd;
    // The value, read once at parsing.
    Kind m_eKind = Kind::Variable;
    bool m_bRange = false;
    int m_nLow = 0;
    int m_nHigh = 0;
};

namespace morvane {

/// Splits a guard text into conditions at "," (or) and ";" (and). Pieces that are blank are
/// skipped; a separator at the very start of the remaining text ends the splitting, so that
/// remainder becomes the last condition. An empty text gives no conditions.
std::vector<CTransitionCondition> parseGuard(std::string_view text);

/// Combines the conditions strictly left to right, without precedence; no conditions hold.
/// A condition whose outcome cannot change the result is not evaluated.
bool evaluateGuard(const std::vector<CTransitionCondition> &conditions,
                   const CCommandAttributes &variables, ITaskDefinition *definition, ITask *task,
                   const std::string &event);

} // namespace morvane
