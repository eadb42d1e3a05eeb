// Morvane program grading.
// The main document's grading as commands, views and panels reach it.
#pragma once

class CBasePoint;
template <class T>
class CPtrCollection;

/// The grading of the main document's input patterns on the active grade mask. There is one
/// grading state per input pattern; what the design asks of "the grading of the active table"
/// is read across all of them.
class IGradingInterface
{
public:
    virtual ~IGradingInterface() = default;

    /// RecomputeAll; when the active mask's formulas have problems asks whether to grade anyway
    /// (no ends here with nothing changed); then grades every pattern whose grading is stale (a
    /// change reached it since its last pass), with the document's bulk-change counter raised.
    /// A pattern that fails does not keep the others from grading. False when asked and
    /// refused, or when a pattern failed. Without an active grade mask there is nothing to ask
    /// about nor to grade: true, nothing changed.
    virtual bool ApplyGradeRules() = 0;
    /// Checks the active mask's formulas again (their problems go to its message list) and
    /// brings every grading state up to date; grades nothing.
    virtual void RecomputeAll() = 0;
    /// Appends the grade points that grading may move (those of the patterns that take part in
    /// grading, less those in the active mask's read-only regions), each once; nothing without
    /// grading states.
    virtual void CollectGradePoints(CPtrCollection<CBasePoint> &points) = 0;
    /// Appends the points that the mask's formulas grade, pattern by pattern, each once; nothing
    /// without grading states.
    virtual void CollectFormulaPoints(CPtrCollection<CBasePoint> &points) = 0;
    /// Whether a point that the mask's formulas grade has that id; true without grading states.
    virtual bool HasFormulaPoint(int id) = 0;
    /// Whether a grade point that grading may move has that id; false without grading states.
    virtual bool HasPoint(int id) = 0;
    /// Whether some pattern is graded by runtime formulas; false without grading states.
    virtual bool HasRuntimeFormulas() = 0;
};
