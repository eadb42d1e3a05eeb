// Morvane model library.
// The formulas of a grade mask: their list, history records, factories and queries.
#include "model/FormulaManager.h"

#include "foundation/NameRegistry.h"
#include "model/GradeMask.h"
#include "model/FormulaCopy.h"
#include "model/IMeasureFormula.h"

#include <algorithm>

CFormulaManager::CFormulaManager() = default;

CFormulaManager::~CFormulaManager()
{
    m_oMessages.Clear();
    m_oWorkingList.RemoveAll();
    m_oRuntimeFormulas.RemoveAll();
    m_oFormulas.RemoveAll();
}

void CFormulaManager::SetMask(IGradeMask *mask)
{
    m_pMask = mask;
    auto *handler = dynamic_cast<CEventHandler *>(mask);
    m_oMessages.SetParent(reinterpret_cast<uintptr_t>(&m_oMessages), handler);
}

void CFormulaManager::AfterLoad(IGradeMask *mask)
{
    for (IBaseFormula *formula : m_oFormulas)
        formula->SetOwner(mask);
}

CHistory *CFormulaManager::GetHistory() const
{
    return m_pMask != nullptr ? m_pMask->GetHistory() : nullptr;
}

IBaseFormula *CFormulaManager::AddFormula(std::unique_ptr<IBaseFormula> formula)
{
    IBaseFormula *added = formula.get();
    InsertFormulaAt(GetFormulaCount(), std::move(formula));
    return added;
}

void CFormulaManager::InsertFormulaAt(int i, std::unique_ptr<IBaseFormula> formula)
{
    m_oFormulas.InsertAt(i, formula.release());
    if (CHistory *history = GetHistory())
        history->AddInsertion(m_oFormulas, i);
}

void CFormulaManager::RemoveFormulaAt(int i)
{
    m_oMessages.RemoveMessagesOf(GetFormulaAt(i));
    CHistory *history = GetHistory();
    if (history == nullptr) {
        m_oFormulas.DeleteAt(i);
        return;
    }
    history->AddRemoval(m_oFormulas, i);
    m_oFormulas.RemoveAt(i);
}

void CFormulaManager::MoveFormula(int from, int to)
{
    if (CHistory *history = GetHistory())
        history->AddMove(m_oFormulas, from, to);
    m_oFormulas.Move(from, to);
}

void CFormulaManager::RecordFormulaState(IBaseFormula *formula)
{
    CHistory *history = GetHistory();
    if (history == nullptr || !ContainsFormula(formula))
        return;
    history->AddObjectItem(dynamic_cast<IFormulaCopy *>(formula));
}

void CFormulaManager::RemoveAll()
{
    m_oMessages.Clear();
    ClearWorkingRun();
    m_oFormulas.RemoveAll();
    if (CHistory *history = GetHistory())
        history->Clear();
}

void CFormulaManager::TakeFormulasOf(CFormulaManager &other)
{
    while (other.GetFormulaCount() > 0)
        m_oFormulas.AddOwned(other.m_oFormulas.TakeAt(0));
}

IBaseFormula *CFormulaManager::AddNewRegionFormula(int type, void *context, IRegion *region)
{
    std::unique_ptr<IBaseFormula> formula = MakeRegionFormula(type, context, region);
    if (formula == nullptr)
        return nullptr;
    return AddFormula(std::move(formula));
}

std::unique_ptr<IBaseFormula> CFormulaManager::MakeFormula(FORMULA_ATTACH_KIND category,
                                                           int type, void *context,
                                                           const FormulaTarget &target)
{
    std::unique_ptr<IBaseFormula> formula = CFormulaFactory::Make(category, type, context, target);
    if (formula != nullptr)
        formula->SetOwner(m_pMask);
    return formula;
}

std::unique_ptr<IBaseFormula> CFormulaManager::MakeGlobalFormula(int type, void *context)
{
    return MakeFormula(FORMULA_ATTACH_NONE, type, context, {});
}

std::unique_ptr<IBaseFormula> CFormulaManager::MakeRegionFormula(int type, void *context,
                                                                 IRegion *region)
{
    return MakeFormula(FORMULA_ATTACH_REGION, type, context, {region, nullptr, nullptr});
}

std::unique_ptr<IBaseFormula> CFormulaManager::MakePatternFormula(int type, void *context,
                                                                  CPattern *pattern)
{
    return MakeFormula(FORMULA_ATTACH_PATTERN, type, context, {nullptr, pattern, nullptr});
}

std::unique_ptr<IBaseFormula> CFormulaManager::MakePointFormula(int type, void *context,
                                                                CBasePoint *point)
{
    return MakeFormula(FORMULA_ATTACH_POINT, type, context, {nullptr, nullptr, point});
}

std::unique_ptr<IBaseFormula> CFormulaManager::CloneOfKind(const IBaseFormula &formula)
{
    const int type = formula.GetFormulaType();
    void *context = formula.GetContextValue();
    switch (formula.GetAttachKind()) {
    case FORMULA_ATTACH_NONE:
        return MakeGlobalFormula(type, context);
    case FORMULA_ATTACH_REGION:
        return MakeRegionFormula(type, context, formula.GetRegion());
    case FORMULA_ATTACH_PATTERN:
        return MakePatternFormula(type, context, formula.GetPattern());
    case FORMULA_ATTACH_POINT:
        return MakePointFormula(type, context, formula.GetBasePoint());
    }
    return nullptr;
}

void CFormulaManager::GetGlobalFormulas(CPtrCollection<IBaseFormula> &out) const
{
    for (IBaseFormula *formula : m_oFormulas) {
        if (formula->GetAttachKind() == FORMULA_ATTACH_NONE)
            out.Add(formula);
    }
}

void CFormulaManager::GetPointFormulas(const CBasePoint *point,
                                       CPtrCollection<IBaseFormula> &out) const
{
    out.RemoveAll();
    if (point == nullptr)
        return;
    for (IBaseFormula *formula : m_oFormulas) {
        if (formula->GetBasePoint() == point)
            out.Add(formula);
    }
}

IBaseFormula *CFormulaManager::FindRegionFormula(const IRegion *region) const
{
    for (IBaseFormula *formula : m_oFormulas) {
        if (formula->GetRegion() == region)
            return formula;
    }
    return nullptr;
}

void CFormulaManager::GetRegionFormulas(const IRegion *region,
                                        CPtrCollection<IBaseFormula> &out) const
{
    out.RemoveAll();
    for (IBaseFormula *formula : m_oFormulas) {
        if (formula->GetRegion() == region)
            out.Add(formula);
    }
}

int CFormulaManager::FindFormula(const IBaseFormula *formula) const
{
    return m_oFormulas.Find(formula);
}

bool CFormulaManager::ContainsFormula(const IBaseFormula *formula) const
{
    return FindFormula(formula) >= 0;
}

void CFormulaManager::CopyFormulas(CPtrCollection<IBaseFormula> &out) const
{
    out.Append(m_oFormulas);
}

static bool refersTo(IBaseFormula &formula, const CObject *object)
{
    CPtrCollection<CObject> referenced;
    formula.CollectReferencedObjects(referenced);
    return referenced.Find(object) >= 0;
}

bool CFormulaManager::IsObjectUsed(const CObject *object) const
{
    return std::any_of(m_oFormulas.begin(), m_oFormulas.end(),
                       [object](IBaseFormula *formula) { return refersTo(*formula, object); });
}

// A pattern's own formulas: attached to it, or to one of its points.
static bool isOwnFormulaOf(const IBaseFormula &formula, const CObject *object)
{
    if (formula.GetPattern() != nullptr && formula.GetPattern() == object)
        return true;
    const CBasePoint *point = formula.GetBasePoint();
    return point != nullptr && point->GetParent() != nullptr && point->GetParent() == object;
}

void CFormulaManager::GetFormulasUsing(const CObject *object, bool excludeOwn,
                                       CPtrCollection<IBaseFormula> &out) const
{
    out.RemoveAll();
    for (IBaseFormula *formula : m_oFormulas) {
        if (excludeOwn && isOwnFormulaOf(*formula, object))
            continue;
        if (refersTo(*formula, object))
            out.Add(formula);
    }
}

void CFormulaManager::GetPatternFormulas(const CPattern *pattern,
                                         CPtrCollection<IBaseFormula> &out) const
{
    out.RemoveAll();
    for (IBaseFormula *formula : m_oFormulas) {
        if (isOwnFormulaOf(*formula, pattern))
            out.Add(formula);
    }
}

static std::string nameOf(IBaseFormula &formula)
{
    const IMeasureFormula *measure = formula.AsMeasureFormula();
    return measure != nullptr ? measure->GetVarName() : std::string();
}

IBaseFormula *CFormulaManager::FindFormulaByName(const std::string &name) const
{
    for (IBaseFormula *formula : m_oFormulas) {
        const std::string formulaName = nameOf(*formula);
        if (!formulaName.empty() && formulaName == name)
            return formula;
    }
    return nullptr;
}

void CFormulaManager::GetFormulasByName(const std::string &name,
                                        CPtrCollection<IBaseFormula> &out) const
{
    out.RemoveAll();
    for (IBaseFormula *formula : m_oFormulas) {
        const std::string formulaName = nameOf(*formula);
        if (!formulaName.empty() && formulaName == name)
            out.Add(formula);
    }
}

void CFormulaManager::CollectNames(std::vector<std::string> &names) const
{
    for (IBaseFormula *formula : m_oFormulas) {
        const std::string name = nameOf(*formula);
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
}

static void appendTrimmedName(CNameArray &names, IBaseFormula &formula)
{
    const std::string name = nameOf(formula);
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos)
        return;
    names.push_back(name.substr(first, name.find_last_not_of(' ') - first + 1));
}

std::string CFormulaManager::MakeUniqueName(const std::string &base) const
{
    return MakeUniqueNameAvoiding(base, nullptr);
}

std::string CFormulaManager::MakeUniqueNameWithExtras(const std::string &base) const
{
    return MakeUniqueNameAvoiding(base, m_pExtraList);
}

std::string
CFormulaManager::MakeUniqueNameAvoiding(const std::string &base,
                                        const CPtrCollection<IBaseFormula> *extras) const
{
    CNameArray names;
    for (IBaseFormula *formula : m_oFormulas)
        appendTrimmedName(names, *formula);
    if (extras != nullptr) {
        for (IBaseFormula *formula : *extras)
            appendTrimmedName(names, *formula);
    }
    int counter = 1;
    return names.GetRegistry().MakeUniqueName(base, counter, false);
}

void CFormulaManager::UpdateAll()
{
    for (IBaseFormula *formula : m_oFormulas)
        formula->Invalidate();
}

void CFormulaManager::ResetAll()
{
    m_oMessages.Clear();
    for (IBaseFormula *formula : m_oFormulas)
        formula->ClearLookupMap();
}
