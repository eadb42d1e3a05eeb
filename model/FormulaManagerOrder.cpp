// Morvane model library.
// The formula manager's orderings and checks: dependency order, ranks, the working list of an
// evaluation run, the graded-point test and the formula checks.
#include "model/FormulaManager.h"

#include "model/BasePoint.h"
#include "model/GradeMask.h"

#include <algorithm>
#include <vector>

namespace {

/// The formula types whose update runs after every other formula's in an evaluation run.
bool isDartLike(const IBaseFormula &formula)
{
    const int type = formula.GetFormulaType();
    return type == 3 || type == 4 || type == 26;
}

/// Which formulas of a list still wait for another formula of the list not yet taken. Each
/// pair is asked at most once: a formula's scan of the others stops at the first it depends on
/// and goes on from there once that one is taken, and a formula found to wait for nothing that
/// is left never waits again. Each formula's points are collected once for the whole scan.
class DependencyScan
{
public:
    explicit DependencyScan(const CPtrCollection<IBaseFormula> &list)
        : m_list(list)
        , m_points(static_cast<std::size_t>(list.GetCount()))
        , m_next(m_points.size(), 0)
        , m_blocking(m_points.size(), false)
        , m_taken(m_points.size(), false)
    {
        for (int i = 0; i < list.GetCount(); ++i)
            list.GetAt(i)->CollectPoints(m_points[static_cast<std::size_t>(i)]);
    }

    /// The first formula not yet taken that waits for none; -1 when every one waits.
    int firstReady()
    {
        for (int i = 0; i < m_list.GetCount(); ++i)
            if (!isTaken(i) && !waits(i))
                return i;
        return -1;
    }

    /// The first formula not yet taken.
    int firstLeft() const
    {
        return static_cast<int>(std::find(m_taken.begin(), m_taken.end(), false) - m_taken.begin());
    }

    bool isTaken(int i) const { return m_taken[static_cast<std::size_t>(i)]; }
    void take(int i) { m_taken[static_cast<std::size_t>(i)] = true; }

private:
    /// Whether formula i depends on a formula not yet taken; m_next[i] is left at the first
    /// such formula, which is not asked about again while it is not taken.
    bool waits(int i)
    {
        int &next = m_next[static_cast<std::size_t>(i)];
        if (next < m_list.GetCount() && m_blocking[static_cast<std::size_t>(i)] && !isTaken(next))
            return true;
        for (; next < m_list.GetCount(); ++next) {
            if (next != i && !isTaken(next) &&
                m_list.GetAt(i)->IsDependentOnCollected(
                    m_list.GetAt(next), m_points[static_cast<std::size_t>(next)])) {
                m_blocking[static_cast<std::size_t>(i)] = true;
                return true;
            }
        }
        return false;
    }

    const CPtrCollection<IBaseFormula> &m_list;
    std::vector<CPtrCollection<CBasePoint>> m_points;
    std::vector<int> m_next;
    std::vector<bool> m_blocking;
    std::vector<bool> m_taken;
};

} // namespace

void CFormulaManager::SortByDependency(CPtrCollection<IBaseFormula> &list,
                                       CPtrCollection<IBaseFormula> &cyclic)
{
    DependencyScan scan(list);
    CPtrCollection<IBaseFormula> ordered;
    bool cycleSeen = false;
    for (int left = list.GetCount(); left > 0; --left) {
        int picked = scan.firstReady();
        if (picked < 0) {
            picked = scan.firstLeft();
            if (!cycleSeen)
                for (int i = 0; i < list.GetCount(); ++i)
                    if (!scan.isTaken(i))
                        cyclic.Add(list.GetAt(i));
            cycleSeen = true;
        }
        scan.take(picked);
        ordered.Add(list.GetAt(picked));
    }
    list.RemoveAll();
    list.Append(ordered);
}

int CFormulaManager::GetFormulaRank(const IBaseFormula *formula, int &rank, int &total) const
{
    rank = -1;
    total = -1;
    const int index = FindFormula(formula);
    if (index < 0)
        return -1;
    const void *target = GetFormulaTarget(*formula);
    for (IBaseFormula *other : m_oFormulas) {
        if (GetFormulaTarget(*other) != target)
            continue;
        ++total;
        if (other == formula)
            rank = total;
    }
    return index;
}

void CFormulaManager::ClearWorkingRun()
{
    m_oWorkingList.RemoveAll();
    m_oRuntimeFormulas.RemoveAll();
}

void CFormulaManager::AddExtraItem(IBaseFormula *formula)
{
    if (m_pExtraList != nullptr)
        m_pExtraList->Add(formula);
}

IBaseFormula *CFormulaManager::AddRuntimeItem(std::unique_ptr<IBaseFormula> formula)
{
    if (m_pExtraList == nullptr || formula == nullptr)
        return nullptr;
    IBaseFormula *added = formula.get();
    m_oRuntimeFormulas.AddOwned(std::move(formula));
    m_pExtraList->Add(added);
    return added;
}

void CFormulaManager::GetEvaluationOrder(CPtrCollection<IBaseFormula> &out)
{
    ClearWorkingRun();
    m_pExtraList = &m_oWorkingList;
    CPtrCollection<IBaseFormula> dartLike;
    for (IBaseFormula *formula : m_oFormulas) {
        if (!formula->TakesPartInEvaluation())
            continue;
        if (isDartLike(*formula))
            dartLike.Add(formula);
        else
            formula->Update();
    }
    const int firstOfDarts = m_oWorkingList.GetCount();
    for (IBaseFormula *formula : dartLike)
        formula->Update();
    const int count = m_oWorkingList.GetCount();
    const int start = firstOfDarts < count ? firstOfDarts : 0;
    CPtrCollection<IBaseFormula> ordered;
    for (int i = 0; i < count; ++i)
        ordered.Add(m_oWorkingList.GetAt((start + i) % count));
    m_oWorkingList = ordered;
    out.Append(m_oWorkingList);
    m_pExtraList = nullptr;
}

void CFormulaManager::SetWorkingFormulas(const CPtrCollection<IBaseFormula> &list)
{
    m_oWorkingList.RemoveAll();
    m_oWorkingList.Append(list);
}

static bool gradesPoint(IBaseFormula &formula, const CBasePoint *point)
{
    CPtrCollection<CBasePoint> points;
    formula.CollectPoints(points);
    return points.Find(point) >= 0;
}

void CFormulaManager::IsPointGraded(const CBasePoint *point, bool &x, bool &y,
                                    const IBaseFormula *ignored)
{
    x = false;
    y = false;
    if (m_bBusy || point == nullptr)
        return;
    m_bBusy = true;
    const bool excluded = m_pMask != nullptr && m_pMask->IsInExcludeRegion(point->GetAbsPosition());
    for (IBaseFormula *formula : m_oWorkingList) {
        if (formula == ignored || formula->GetBasePoint() == point ||
            formula->GetFormulaType() == 2 ||
            (ignored != nullptr && formula->GetRefreshOrigin() == ignored))
            continue;
        if (excluded && formula->GetFormulaType() == 0)
            continue;
        if (formula->GetFormulaType() == 12 && formula->GetAttachKind() == FORMULA_ATTACH_NONE)
            continue;
        if (!gradesPoint(*formula, point))
            continue;
        x = x || formula->GetApplyTypeX() != 2;
        y = y || formula->GetApplyTypeY() != 2;
        if (x && y)
            break;
    }
    m_bBusy = false;
}

void CFormulaManager::CheckFormulas(IFormulaTextChecker *checker,
                                    const CPtrCollection<IBaseFormula> &list)
{
    m_oMessages.SetContext(checker);
    for (IBaseFormula *formula : list) {
        m_oMessages.ClearMessageAdded();
        if (!formula->Validate(&m_oMessages, checker) && !m_oMessages.WasMessageAdded())
            m_oMessages.AddFormulaMessage(FM_CHECK_FAILED, formula, {});
    }
    m_oMessages.SetContext(nullptr);
}

void CFormulaManager::CheckAllFormulas()
{
    m_oMessages.Clear();
    CheckFormulas(nullptr, m_oFormulas);
}

const void *GetFormulaTarget(const IBaseFormula &formula)
{
    switch (formula.GetAttachKind()) {
    case FORMULA_ATTACH_REGION:
        return formula.GetRegion();
    case FORMULA_ATTACH_PATTERN:
        return formula.GetPattern();
    case FORMULA_ATTACH_POINT:
        return formula.GetBasePoint();
    }
    return nullptr;
}
