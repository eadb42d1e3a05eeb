// Morvane program documents.
// A pattern of the client grade model as the automation objects aim at it, checked on every use.
#pragma once

class CClientGradeModel;
class CGeomPattern;
class IInputPattern;
class IInputPatterns;

namespace morvane {

/// Where an automation object points: a pattern of the client grade model and the document's
/// input patterns, in which the pattern's input pattern is looked up on every use (loading a
/// grade model rebuilds them, so none is kept). The pattern is checked to be still the model's
/// before each use, so a client's object outlives ClearPatterns without reaching a deleted one.
class ClientPatternRef
{
public:
    ClientPatternRef() = default;
    /// inputs may be null: the pattern then has no input pattern.
    ClientPatternRef(CClientGradeModel *model, CGeomPattern *pattern, IInputPatterns *inputs)
        : m_model(model)
        , m_pattern(pattern)
        , m_inputs(inputs)
    {
    }

    /// The pattern; throws AutomationError naming call when none is aimed at or it is no longer
    /// a pattern of the model.
    CGeomPattern &pattern(const char *call) const;
    /// The input pattern made from the pattern; null when there is none (the pattern must be
    /// valid).
    IInputPattern *inputPattern() const;
    /// Throws AutomationError naming call unless the model's grade rules hold that table and
    /// size (they hold the tables of the measurement tables once grading has begun).
    void checkRuleSize(const char *call, int table, int size) const;
    CClientGradeModel *model() const { return m_model; }
    IInputPatterns *inputs() const { return m_inputs; }

private:
    CClientGradeModel *m_model = nullptr;
    CGeomPattern *m_pattern = nullptr;
    IInputPatterns *m_inputs = nullptr;
};

} // namespace morvane
