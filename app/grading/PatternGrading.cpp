// Morvane program grading.
// The grading state of one input pattern: its formulas in evaluation order, graded size by size.
#include "app/grading/PatternGrading.h"

#include "app/grading/ExpressionEvaluation.h"
#include "app/grading/FormulaDisplayText.h"
#include "app/grading/GradePointFormulas.h"
#include "app/grading/GradingFailure.h"
#include "app/grading/GradingManager.h"
#include "app/grading/GradingMeasures.h"
#include "app/grading/GradingMessages.h"
#include "app/grading/GradingSizes.h"
#include "app/grading/GradingUpdateGuard.h"
#include "app/grading/GradingWrites.h"
#include "app/grading/NotchDistanceGrading.h"
#include "app/grading/ParameterTextChecker.h"
#include "app/grading/PointGrading.h"
#include "app/grading/RuleConverter.h"
#include "formulas/BaseFormula.h"
#include "formulas/BaseRelativeFormula.h"
#include "formulas/MeasureExpressionFormula.h"
#include "formulas/PointFormulaExtend.h"
#include "formulas/PointFormulaNotchDistance.h"
#include "model/BasePoint.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"
#include "model/IMeasureFormula.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "sources/grade-model/IGradeData.h"

#include <utility>

namespace {

/// Formula types by what grading does with them.
enum FormulaType {
    kGradeRegion = 0,
    kDartPattern = 3,
    kDartRegion = 4,
    kNotchDistance = 11,
    kPointInterpolate = 12,
    kLapel = 13,
    kRuntimeLikePoint = 14,
    kMeasureExpression = 17,
    kComplexDart = 26,
};

/// The types graded by evaluating their texts: grade regions (0), darts and lapels (3, 4, 13,
/// 26), the point formulas (5-10, 22, 27, 30) and the interpolations (12, 14, 15, 24, 25).
bool isExpressionType(int type)
{
    const auto within = [type](int first, int last) { return type >= first && type <= last; };
    return type == kGradeRegion || within(3, 10) || within(12, 15) || type == 22 ||
           within(24, 27) || type == 30;
}

/// Dart and lapel formulas that grade no point are passed over, so a fault in their texts is
/// not reported; interpolations grade only when attached to a point or to nothing.
bool isPassedOver(IBaseFormula *formula, const CPtrCollection<CBasePoint> &targets)
{
    switch (formula->GetFormulaType()) {
    case kDartPattern:
    case kDartRegion:
    case kLapel:
    case kComplexDart:
        return targets.GetCount() == 0;
    case kPointInterpolate:
    case kRuntimeLikePoint:
        return formula->GetAttachKind() != FORMULA_ATTACH_NONE &&
               formula->GetAttachKind() != FORMULA_ATTACH_POINT;
    default:
        return false;
    }
}

/// Whether list holds formula itself or a runtime copy made from it.
bool holdsFormulaOrCopy(const CPtrCollection<IBaseFormula> &list, IBaseFormula *formula)
{
    for (IBaseFormula *held : list)
        if (held == formula || held->GetBaseFormula()->GetRefreshSource() == formula)
            return true;
    return false;
}

/// The measure behind "SYSTEMPARSERVAR": an extend formula's path formula; null for every
/// other formula and for an extend formula that names none.
IMeasureFormula *measureHolderOf(IBaseFormula *formula)
{
    const auto *extend = dynamic_cast<const CPointFormulaExtend *>(formula->GetBaseFormula());
    IBaseFormula *path = extend != nullptr ? extend->GetPathFormula() : nullptr;
    return path != nullptr ? path->AsMeasureFormula() : nullptr;
}

/// The formula's problem for the pattern: every point it acts on and reads is a variable, but
/// only the pattern's own points among those it acts on are targets, so a formula over several
/// patterns' points (a grade region's) writes each pattern's points in that pattern's pass alone.
ExpressionProblem problemOf(IBaseFormula *formula, const CPattern *pattern)
{
    ExpressionProblem problem;
    problem.formulaText = formulaDisplayText(formula);
    formula->CollectPoints(problem.variables);
    for (CBasePoint *point : problem.variables)
        if (point != nullptr && point->GetParent() == pattern)
            problem.targets.Add(point);
    formula->GetBaseFormula()->CollectResolvedPoints(problem.variables);
    formula->AddFormulaText(problem.texts);
    return problem;
}

/// A global path formula grades its paths' ends only where no other formula does; the sort asks
/// which points it grades, so that is found out before, whatever its last check left.
void refreshGradedEnds(IBaseFormula &formula)
{
    if (auto *global = dynamic_cast<CBaseRelativeFormula *>(formula.GetBaseFormula()))
        global->RefreshEndFlags();
}

bool differs(DPOINT a, DPOINT b)
{
    return a.x != b.x || a.y != b.y;
}

} // namespace

void CPatternGrading::Attach(CGradingManager *manager, CInputPattern *pattern)
{
    m_pManager = manager;
    m_pPattern = pattern;
    Invalidate();
}

void CPatternGrading::Invalidate()
{
    m_bNeedsGrading = true;
    if (m_bStale)
        return;
    m_bStale = true;
    Clear();
}

void CPatternGrading::OnInputGradingChanged()
{
    m_bInputChanged = true;
    MarkForGrading();
}

void CPatternGrading::Detach()
{
    Clear();
}

void CPatternGrading::Clear()
{
    m_oRuntimeFormulas.RemoveAll();
    m_oOrderedFormulas.RemoveAll();
    m_oCyclicFormulas.RemoveAll();
    m_oUnmatchedFormulas.RemoveAll();
    m_oOwnedFormulas.RemoveAll();
    m_oMeasureFormulas.RemoveAll();
}

void CPatternGrading::Update()
{
    if (!m_bStale || m_bUpdating)
        return;
    m_bUpdating = true;
    m_bStale = false;
    ++m_nRebuildCount;
    Clear();
    IGradeMask *mask = m_pManager->GetActiveMask();
    if (mask != nullptr) {
        CollectRuntimeFormulas();
        GradePointFormulas(*m_pPattern, m_pManager->GetGradePoints(), *mask->GetFormulaManager(),
                           m_oRuntimeFormulas, m_oOwnedFormulas, m_pManager->GetGradePointOptions())
            .makeFormulas();
        m_oOrderedFormulas.Append(m_oRuntimeFormulas);
        for (IBaseFormula *formula : m_oOrderedFormulas)
            refreshGradedEnds(*formula);
        mask->GetFormulaManager()->SortByDependency(m_oOrderedFormulas, m_oCyclicFormulas);
    }
    m_bUpdating = false;
}

void CPatternGrading::CollectRuntimeFormulas()
{
    const CPtrCollection<IBaseFormula> runtime = m_pManager->GetRuntimeFormulasOf(m_pPattern);
    if (runtime.GetCount() == 0)
        return;
    ParameterTextChecker checker(m_pManager->GetFormulaNames());
    for (IBaseFormula *formula : runtime) {
        if (!formula->IsValid(&checker)) {
            m_oUnmatchedFormulas.Add(formula);
            continue;
        }
        m_oRuntimeFormulas.Add(formula);
        if (formula->AsMeasureFormula() != nullptr)
            m_oMeasureFormulas.Add(formula);
    }
}

bool CPatternGrading::ApplyGradeRules()
{
    Update();
    if (m_oOrderedFormulas.GetCount() == 0 || !m_pManager->HasSizes()) {
        m_bNeedsGrading = false;
        return true;
    }
    IGradeData *gradeData = m_pManager->GetGradeData();
    ReportCycles();
    if (m_pParser == nullptr)
        m_pParser = hollicot::CGradeDataFactory::MakeGradeData();
    GradingUpdateGuard raised(m_pManager->GetOwner());
    PatternGradingChange changing(*m_pPattern);
    const bool keepDrags = std::exchange(m_bInputChanged, false);
    try {
        for (int table = 0; table < gradeData->GetTableCount(); ++table) {
            const GradingSizes sizes{table, gradeData->GetSizeCount(table),
                                     gradeData->GetSampleSize(table)};
            if (sizes.count == 0)
                continue;
            RestoreInputGrading(sizes, keepDrags);
            GradeTable(sizes,
                       GradingMeasures::fromTable(m_pManager->GetMeasureTable(table), sizes));
            RememberGraded(sizes);
        }
    } catch (const GradingFailure &failure) {
        m_pManager->GetMessages().ReportProblem(failure.what());
        return false;
    }
    m_bNeedsGrading = false;
    return true;
}

void CPatternGrading::ReportCycles() const
{
    for (IBaseFormula *formula : m_oCyclicFormulas)
        m_pManager->GetMessages().ReportProblem(
            "formula '" + formulaDisplayText(formula) +
            "': it depends on itself through other formulas, so it is graded in the order "
            "found, with what the formulas before it gave");
}

void CPatternGrading::RestoreInputGrading(const GradingSizes &sizes, bool keepDrags)
{
    for (int i = 0; i < m_pPattern->GetBasePointCount(); ++i) {
        CBasePoint *point = m_pPattern->GetBasePointAt(i);
        if (point->GetInputPoint() == nullptr)
            continue;
        PointGrading grading(point);
        auto &remembered = m_oInputGrading[point];
        for (int s = 0; s < sizes.count; ++s) {
            if (s == sizes.base)
                continue;
            const DPOINT current = grading.GetOwn(sizes.key(s));
            const auto [entry, first] =
                remembered.try_emplace({sizes.table, s}, SizeGrading{current, current});
            SizeGrading &size = entry->second;
            if (first)
                continue;
            // Moved since the last pass by a drag: the grading it comes with moves by as much.
            if (keepDrags && differs(current, size.graded)) {
                size.input.x += current.x - size.graded.x;
                size.input.y += current.y - size.graded.y;
            }
            if (differs(current, size.input))
                grading.SetOwn(sizes.key(s), size.input);
        }
    }
}

void CPatternGrading::RememberGraded(const GradingSizes &sizes)
{
    for (int i = 0; i < m_pPattern->GetBasePointCount(); ++i) {
        CBasePoint *point = m_pPattern->GetBasePointAt(i);
        const auto remembered = m_oInputGrading.find(point);
        if (remembered == m_oInputGrading.end())
            continue;
        PointGrading grading(point);
        for (int s = 0; s < sizes.count; ++s) {
            const auto entry = remembered->second.find({sizes.table, s});
            if (entry != remembered->second.end())
                entry->second.graded = grading.GetOwn(sizes.key(s));
        }
    }
}

void CPatternGrading::GradeTable(const GradingSizes &sizes, const GradingMeasures &measures)
{
    for (IBaseFormula *formula : m_oOrderedFormulas) {
        if (m_oMeasureFormulas.GetCount() == 0) {
            GradeFormula(formula, sizes, measures);
            continue;
        }
        // The measures of the formulas graded so far, as they are now: the paths are measured on
        // the pattern's points as graded so far in this pass, not on shapes kept from before.
        m_pPattern->InvalidatePolylines();
        GradingMeasures withFormulas = measures;
        withFormulas.appendFormulaMeasures(m_oMeasureFormulas, sizes,
                                           formula->GetFormulaType() != kMeasureExpression);
        GradeFormula(formula, sizes, withFormulas);
    }
}

void CPatternGrading::GradeFormula(IBaseFormula *formula, const GradingSizes &sizes,
                                   const GradingMeasures &measures)
{
    if (formula->GetFormulaType() == kMeasureExpression) {
        GradeMeasure(*static_cast<CMeasureExpressionFormula *>(formula->GetBaseFormula()), sizes,
                     measures);
        return;
    }
    if (formula->GetFormulaType() == kNotchDistance) {
        GradeNotchDistance(
            *m_pParser, *static_cast<CPointFormulaNotchDistance *>(formula->GetBaseFormula()),
            formulaDisplayText(formula), sizes, measures, m_pManager->GetActiveMask());
        return;
    }
    if (auto *global = dynamic_cast<CBaseRelativeFormula *>(formula->GetBaseFormula())) {
        CRuleConverter(*global, *m_pPattern, sizes, measures, m_pManager->GetMessages(),
                       formulaDisplayText(formula))
            .Run();
        return;
    }
    if (!isExpressionType(formula->GetFormulaType()))
        return;
    const ExpressionProblem problem = problemOf(formula, m_pPattern);
    if (isPassedOver(formula, problem.targets))
        return;
    IMeasureFormula *holder = measureHolderOf(formula);
    if (holder == nullptr) {
        EvaluateExpressions(*m_pParser, problem, sizes, measures, m_pManager->GetActiveMask());
        return;
    }
    GradingMeasures withSystemVariable = measures;
    withSystemVariable.appendSystemVariable(*holder, sizes);
    EvaluateExpressions(*m_pParser, problem, sizes, withSystemVariable,
                        m_pManager->GetActiveMask());
}

void CPatternGrading::GradeMeasure(CMeasureExpressionFormula &formula, const GradingSizes &sizes,
                                   const GradingMeasures &measures)
{
    const std::vector<double> values =
        EvaluateMeasure(*m_pParser, formulaDisplayText(&formula), formula.GetVarName(),
                        formula.GetFormulaText(), sizes, measures);
    for (std::size_t s = 0; s < values.size(); ++s)
        formula.SetValue(sizes.table, static_cast<int>(s), values[s]);
    if (sizes.table == 0 && sizes.base >= 0 && sizes.base < static_cast<int>(values.size()))
        formula.SetValue(-1, -1, values[static_cast<std::size_t>(sizes.base)]);
}

void CPatternGrading::CollectFormulas(CPtrCollection<IBaseFormula> &list)
{
    Update();
    list.Append(m_oOrderedFormulas);
    list.Append(m_oUnmatchedFormulas);
}

void CPatternGrading::CollectCyclicFormulas(CPtrCollection<IBaseFormula> &list)
{
    Update();
    list.Append(m_oCyclicFormulas);
}

bool CPatternGrading::IsCyclic(IBaseFormula *formula)
{
    Update();
    return holdsFormulaOrCopy(m_oCyclicFormulas, formula);
}

bool CPatternGrading::IsUnmatched(IBaseFormula *formula)
{
    Update();
    return holdsFormulaOrCopy(m_oUnmatchedFormulas, formula);
}

bool CPatternGrading::HasUnmatchedFormulas()
{
    Update();
    return m_oUnmatchedFormulas.GetCount() > 0;
}

bool CPatternGrading::HasRuntimeFormulas()
{
    Update();
    return m_oRuntimeFormulas.GetCount() > 0;
}

void CPatternGrading::CollectFormulaPoints(CPtrCollection<CBasePoint> &points)
{
    Update();
    for (IBaseFormula *formula : m_oRuntimeFormulas) {
        if (m_oOwnedFormulas.Find(formula) >= 0)
            continue;
        CPtrCollection<CBasePoint> acted;
        formula->CollectPoints(acted);
        for (CBasePoint *point : acted)
            if (point != nullptr && point->GetParent() == m_pPattern && points.Find(point) < 0)
                points.Add(point);
    }
}
