// Morvane program grading.
// The grading state of one input pattern: its formulas in evaluation order, graded size by size.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/PtrCollection.h"
#include "platform/hollicot/GradeParse.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class CBasePoint;
class CGradingManager;
class CInputPattern;
class CMeasureExpressionFormula;
class IBaseFormula;
struct GradingMeasures;
struct GradingSizes;

/// The runtime grading state of one input pattern. It takes, from the grading manager's runtime
/// formulas (the mask's formulas and their copies bound to input points), those that grade a
/// point of its pattern, tests each one's parameter texts against the names formula text may
/// use, makes runtime formulas for the grade points that nothing grades (GradePointFormulas),
/// orders the formulas by dependency and grades them through the formula parser,
/// table by table and size by size. A measure formula without points is graded by every
/// pattern's state (its values are the same for each). It rebuilds lazily: only on the first use
/// after Invalidate. Apart from that it knows whether its pattern must be graded again: from
/// Attach, Invalidate or MarkForGrading until a pass that succeeds.
class CPatternGrading
{
public:
    CPatternGrading() = default;
    CPatternGrading(const CPatternGrading &) = delete;
    CPatternGrading &operator=(const CPatternGrading &) = delete;

    /// Stores the manager and the pattern (neither owned) and marks the state stale.
    void Attach(CGradingManager *manager, CInputPattern *pattern);
    /// Marks the state stale and forgets the formula lists (nothing more when already stale);
    /// the pattern must be graded again.
    void Invalidate();
    /// The pattern must be graded again, with the formula lists it has.
    void MarkForGrading() { m_bNeedsGrading = true; }
    /// The grading of the pattern's points was changed outside a pass (a grade point dragged):
    /// the next pass keeps each such change beneath the formulas; MarkForGrading.
    void OnInputGradingChanged();
    /// Whether the pattern must be graded again: no pass succeeded since Attach, Invalidate or
    /// MarkForGrading.
    bool NeedsGrading() const { return m_bNeedsGrading; }
    /// Forgets the formula lists without marking the state stale.
    void Detach();
    /// Rebuilds the formula lists when stale.
    void Update();

    /// Update, then grades every formula in order for every grade table that has sizes, with the
    /// document's grading-update counter raised for the pass. Each pass starts from the grading
    /// the pattern's points came with (read at the first pass), so grading again after a change
    /// gives the new result, never one stacked on the last; after OnInputGradingChanged, what a
    /// point's grading was moved by since the last pass moves the grading it comes with as well.
    /// A formula in a cycle is reported and graded where the dependency sort put it (the cycle is
    /// entered at its first formula in list order). A formula the parser refuses is reported,
    /// ends the pass (later formulas are not graded) and the result is false. Nothing is graded
    /// or reported when no table has sizes.
    bool ApplyGradeRules();

    /// Update; appends the ordered formulas, then the unmatched ones.
    void CollectFormulas(CPtrCollection<IBaseFormula> &list);
    /// Update; appends the formulas found in a cycle.
    void CollectCyclicFormulas(CPtrCollection<IBaseFormula> &list);
    /// Update; whether formula, or a runtime copy made from it, is in a cycle.
    bool IsCyclic(IBaseFormula *formula);
    /// Update; whether formula, or a runtime copy made from it, failed the parameter test.
    bool IsUnmatched(IBaseFormula *formula);
    bool HasUnmatchedFormulas();
    /// Whether some runtime formula grades a point of this pattern.
    bool HasRuntimeFormulas();
    /// Update; appends the points of the pattern that the mask's formulas grade (not those of
    /// the formulas made for grade points that nothing grades), each once.
    void CollectFormulaPoints(CPtrCollection<CBasePoint> &points);

    CInputPattern *GetPattern() const { return m_pPattern; }
    /// How often the state was rebuilt.
    int GetRebuildCount() const { return m_nRebuildCount; }

private:
    void Clear();
    void CollectRuntimeFormulas();
    void ReportCycles() const;
    /// Puts back the grading each point comes with; with keepDrags, what a point was moved by since
    /// the last pass moves that grading first.
    void RestoreInputGrading(const GradingSizes &sizes, bool keepDrags);
    void RememberGraded(const GradingSizes &sizes);
    void GradeTable(const GradingSizes &sizes, const GradingMeasures &measures);
    void GradeFormula(IBaseFormula *formula, const GradingSizes &sizes,
                      const GradingMeasures &measures);
    void GradeMeasure(CMeasureExpressionFormula &formula, const GradingSizes &sizes,
                      const GradingMeasures &measures);

    CGradingManager *m_pManager = nullptr;
    CInputPattern *m_pPattern = nullptr;
    CPtrCollection<IBaseFormula> m_oRuntimeFormulas;
    CPtrCollection<IBaseFormula> m_oOrderedFormulas;
    CPtrCollection<IBaseFormula> m_oCyclicFormulas;
    CPtrCollection<IBaseFormula> m_oUnmatchedFormulas;
    /// The runtime formulas made for the pattern's grade points that nothing grades.
    COwningCollection<IBaseFormula> m_oOwnedFormulas;
    /// The runtime formulas that publish a measure, which formula text may name.
    CPtrCollection<IBaseFormula> m_oMeasureFormulas;
    /// A point's grading in one size, in the pattern's own frame: what it came with (or was
    /// given between passes) and what the last pass left.
    struct SizeGrading
    {
        DPOINT input;
        DPOINT graded;
    };
    /// The grading of each point, by (table, size).
    std::map<const CBasePoint *, std::map<std::pair<int, int>, SizeGrading>> m_oInputGrading;
    /// The parser every formula of a pass is evaluated through, made at the first pass.
    std::unique_ptr<hollicot::IGradeParseData> m_pParser;
    bool m_bStale = false;
    bool m_bUpdating = false;
    bool m_bNeedsGrading = true;
    bool m_bInputChanged = false;
    int m_nRebuildCount = 0;
};
