// Morvane model library.
// The formula manager's orderings and checks: dependency order, ranks, the working list of an
// evaluation run, the graded-point test and the formula checks.
#include "model/FormulaManager.h"

#include "model/BasePoint.h"
#include "model/GradeMask.h"

namespace {

/// The formula types whose update runs after every other formula's in an evaluation run.
bool isDartLike(const IBaseFormula &formula)
{
    const int type = formula.GetFormulaType();
    return type == 3 || type == 4 || type == 26;
}

/// The first formula of work that depends on no other formula of work; -1 when there is none.
int findIndependent(const CPtrCollection<IBaseFormula> &work)
{
    for (int i = 0; i < work.GetCount(); ++i) {
        bool independent = true;
        for (int j = 0; j < work.GetCount() && independent; ++j) {
            if (j != i && work.GetAt(i)->IsDependentOn(work.GetAt(j)))
                independent = false;
        }
        if (independent)
            return i;
    }
    return -1;
}

/// The formula or point a formula is attached to, whatever its kind.
const void *targetOf(const IBaseFormula &formula)
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

} // namespace

void CFormulaManager::SortByDependency(CPtrCollection<IBaseFormula> &list,
                                       CPtrCollection<IBaseFormula> &cyclic)
{
    CPtrCollection<IBaseFormula> work(list);
    list.RemoveAll();
    CPtrCollection<IBaseFormula> ordered;
    bool cycleSeen = false;
    while (work.GetCount() > 0) {
        int picked = findIndependent(work);
        if (picked < 0) {
            picked = 0;
            if (!cycleSeen)
                cyclic.Append(work);
            cycleSeen = true;
        }
        ordered.Add(work.GetAt(picked));
        work.RemoveAt(picked);
    }
    list.Append(ordered);
}

int CFormulaManager::GetFormulaRank(const IBaseFormula *formula, int &rank, int &total) const
{
    rank = -1;
    total = -1;
    const int index = FindFormula(formula);
    if (index < 0)
        return -1;
    const void *target = targetOf(*formula);
    for (IBaseFormula *other : m_oFormulas) {
        if (targetOf(*other) != target)
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
            formula->GetFormulaType() == 2)
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
