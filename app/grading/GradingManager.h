// Morvane program grading.
// The main document's grading: one grading state per input pattern, kept current and applied.
#pragma once

#include "app/grading/GradePointFormulas.h"
#include "app/grading/IGradingInterface.h"
#include "foundation/EventSink.h"
#include "foundation/PtrCollection.h"

#include <memory>
#include <string>
#include <vector>

class CBasePoint;
class CInputPattern;
class CPattern;
class CPatternGrading;
class IBaseFormula;
class IDocumentServices;
class IGradeData;
class IGradeMask;
class IFormulaManager;
class IGradingMessages;
class IMeasureTable;

/// Keeps one grading state (CPatternGrading) per input pattern of the document, applies the
/// active grade mask's formulas to them on request, and keeps the list of grade points that
/// grading may move. Sizes and measures come from the document's measurement table set: each of
/// its tables is one grade table.
///
/// The runtime formulas (the mask's formulas with their copies bound to input points) are made
/// once per invalidation and shared by the grading states; the mask's formula manager owns
/// them, and every state is made stale whenever they are made again.
///
/// As a listener (of the main document, or of the mask, the input patterns and the table set)
/// it keeps itself current: a formula added to or removed from a mask, a formula's change, a
/// mask's bulk change, the options, the active mask or a closed mask document make it stale;
/// a bulk change of the input patterns ends in one grading state per pattern again; tables added,
/// removed or reloaded make it stale. A notification is known by the low 16 bits of the id of
/// the handler it started at and the low 16 bits of its first argument.
///
/// Stale gradings are graded again; the others keep their result. A change of the grading of one
/// input pattern made outside a grading pass (a grade point dragged) makes only that pattern's
/// grading stale, and the gradings of the patterns graded by runtime formulas that read its
/// points (every grading when such a formula is a measure, which every pattern grades). A
/// measure's value changed outside a pass makes every pattern grade again.
class CGradingManager : public CEventSink, public IGradingInterface
{
public:
    /// Neither is owned. Call Rebuild once the document has its input patterns.
    CGradingManager(IDocumentServices &services, IGradingMessages &messages);
    ~CGradingManager() override;
    CGradingManager(const CGradingManager &) = delete;
    CGradingManager &operator=(const CGradingManager &) = delete;

    /// Drops every grading state and makes one, attached, per input pattern.
    void Rebuild();
    /// Begins grading in the loaded grade model again (its rule tables follow the current
    /// table set). False, with the report "Error begin grading in model '<name>'" and the
    /// model's error, when the model refuses; true without a model.
    bool RestartGrading();
    /// Does nothing (true) when no table of the table set has sizes. Otherwise RecomputeAll,
    /// reports each parameter text the parser refuses (the formula, the parser's error and the
    /// names it does not know: the formula is left out), and when any formula has a problem
    /// asks whether to grade anyway (no ends here with nothing changed). Then, with the
    /// grading-update counter raised, grades each pattern whose grading is stale; a pattern
    /// that fails (reported by its grading state) does not keep the others from grading. False
    /// when asked and refused, or when a pattern failed. Without an active grade mask nothing is
    /// asked and nothing graded (true).
    bool ApplyGradeRules() override;
    /// Checks the formulas that grading evaluates (the copies of the mask's point formulas
    /// bound to input points, not the unbound formulas kept in the mask, and the mask's other
    /// formulas) into the mask's formula messages, and brings every grading state up to date.
    void RecomputeAll() override;
    void CollectGradePoints(CPtrCollection<CBasePoint> &points) override;
    void CollectFormulaPoints(CPtrCollection<CBasePoint> &points) override;
    bool HasFormulaPoint(int id) override;
    /// Whether some input pattern's grade point has that id.
    bool HasPoint(int id) override;
    /// Whether some grading state grades its pattern with runtime formulas.
    bool HasRuntimeFormulas() override;
    /// Marks the runtime formulas, every grading state and the grade-point list stale.
    void Invalidate();
    /// Which grade points that nothing grades get runtime formulas; then Invalidate.
    void SetGradePointOptions(const GradePointOptions &options);
    const GradePointOptions &GetGradePointOptions() const { return m_oGradePointOptions; }

    int GetPatternGradingCount() const { return m_oGradings.GetCount(); }
    CPatternGrading *GetPatternGradingAt(int i) const { return m_oGradings.GetAt(i); }
    /// The grading state of pattern; null when none.
    CPatternGrading *FindPatternGrading(const CInputPattern *pattern) const;
    /// The grade points of the input patterns that take part in grading, less the grade points
    /// inside read-only regions of the active mask; rebuilt only after Invalidate.
    const CPtrCollection<CBasePoint> &GetGradePoints();

    IDocumentServices &GetOwner() const { return m_services; }
    IGradingMessages &GetMessages() const { return m_messages; }
    IGradeMask *GetActiveMask() const;
    /// The table set's tables and sizes; null without a table set.
    IGradeData *GetGradeData() const;
    /// Whether some table of the table set has sizes to grade.
    bool HasSizes() const;
    /// The measurement table of grade table index; null when none.
    const IMeasureTable *GetMeasureTable(int table) const;
    /// The runtime formulas of the active mask, made when stale; empty without a mask.
    const CPtrCollection<IBaseFormula> &GetRuntimeFormulas();
    /// The runtime formulas, in their order, that grade a point of pattern, and the measure
    /// formulas without points (every pattern grades those).
    CPtrCollection<IBaseFormula> GetRuntimeFormulasOf(const CPattern *pattern);
    /// The names that parameter texts may use: the measurements of every table and the
    /// formulas' measure names; gathered again after Invalidate.
    const std::vector<std::string> &GetFormulaNames();

    void OnAttached(EventData *data) override;
    void OnDetached(EventData *data) override;
    void OnBeforeChange(EventData *data) override;
    void OnAfterChange(EventData *data) override;
    void OnEndUpdate(EventData *data) override;
    void OnEvent128(EventData *data) override;

private:
    void RebuildGradePoints();
    /// Reports the refused texts of the formula messages; true when there is no message or the
    /// user grades anyway.
    bool ReportFormulaProblems(IFormulaManager &formulas);
    void IndexRuntimePatterns();
    void OnFormulaChange(EventData *data);
    /// Marks the grading of the pattern whose grading changed, and the gradings of the patterns
    /// graded by a runtime formula that reads its points, for grading again.
    void OnPatternGradingChanged(const void *pattern);
    /// Every pattern grades again at the next pass, with the formula lists it has.
    void MarkEveryGradingForGrading();

    IDocumentServices &m_services;
    IGradingMessages &m_messages;
    COwningCollection<CPatternGrading> m_oGradings;
    CPtrCollection<IBaseFormula> m_oRuntimeFormulas;
    /// Which patterns a runtime formula grades: those of the points it acts on, or every
    /// pattern for a measure formula without points; and the patterns of every point it acts on
    /// or reads.
    struct RuntimeReach {
        bool everyPattern = false;
        std::vector<const CPattern *> patterns;
        std::vector<const CPattern *> reads;
    };
    /// The reach of each runtime formula, in their order.
    std::vector<RuntimeReach> m_oRuntimeReach;
    CPtrCollection<CBasePoint> m_oGradePoints;
    std::vector<std::string> m_oFormulaNames;
    GradePointOptions m_oGradePointOptions;
    bool m_bRuntimeStale = true;
    bool m_bNamesStale = true;
    bool m_bPointsDirty = true;
    /// Set during a grading pass, whose own changes of the patterns' grading make nothing stale.
    bool m_bGrading = false;
};
