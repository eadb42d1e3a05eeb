// Morvane model library.
// The formula manager's reactions to model events, and its upgrades of old mask files.
#include "model/FormulaManager.h"

#include "foundation/AttContainer.h"
#include "model/GradeMask.h"
#include "model/IMeasureFormula.h"
#include "model/InputPatterns.h"
#include "model/MaskPoint.h"
#include "model/PatternLocation.h"

namespace {

constexpr uint32_t kDartFormulaType = 3;
constexpr uint32_t kComplexDartFormulaType = 26;
constexpr uint32_t kProportionalFormulaType = 1;
constexpr uint32_t kRelativeFormulaType = 28;
constexpr uint32_t kPathFormulaType = 2;

uint32_t originKind(const EventData &data)
{
    return data.m_aIds[0] & 0xFFFF;
}

uint32_t propertyOf(const EventData &data)
{
    return data.m_nFirst & 0xFFFF;
}

bool isRegionChange(uint32_t property)
{
    return property <= 4 || property == 6;
}

bool isBlank(const std::string &name)
{
    return name.find_last_not_of(' ') == std::string::npos;
}

} // namespace

void CFormulaManager::OnAfterChange(EventData *data)
{
    const uint32_t property = propertyOf(*data);
    switch (originKind(*data)) {
    case CGradeRegion::kSourceKind:
        if (isRegionChange(property))
            UpdateLinkedFormulas(static_cast<const CGradeRegion *>(data->m_aOwners[0]));
        return;
    case CMaskPointList::kSourceKind:
        if (property == 0xFFFF) {
            UpdateAll();
        } else if (property == 0 && m_pMask != nullptr) {
            IMaskPoint *active = m_pMask->GetPointAssociationMap()->GetActiveItem();
            if (active != nullptr)
                InvalidateFormulasOfObject(active->GetBasePoint());
        }
        return;
    case CPatternLocation::kSourceKind:
        if (property == 0 || property == 1)
            UpdateAll();
        return;
    }
}

void CFormulaManager::OnDetached(EventData *data)
{
    if (originKind(*data) == CInputPatterns::kSourceKind && propertyOf(*data) == 0)
        UpdateAll();
}

void CFormulaManager::OnEndUpdate(EventData *data)
{
    if (originKind(*data) == CInputPatterns::kSourceKind)
        UpdateAll();
}

// The region formulas of the changed region update, then the complex darts; every formula when
// no formula is linked to it.
void CFormulaManager::UpdateLinkedFormulas(const IRegion *region)
{
    bool linked = false;
    for (IBaseFormula *formula : m_oFormulas) {
        if (formula->GetRegion() != nullptr && formula->GetRegion() == region) {
            formula->Invalidate();
            linked = true;
        }
    }
    if (!linked) {
        UpdateAll();
        return;
    }
    for (IBaseFormula *formula : m_oFormulas) {
        if (formula->GetFormulaType() == static_cast<int>(kComplexDartFormulaType))
            formula->Invalidate();
    }
}

void CFormulaManager::InvalidateFormulasOfObject(const CObject *object)
{
    for (IBaseFormula *formula : m_oFormulas) {
        const bool attached = formula->GetBasePoint() != nullptr &&
                              static_cast<const CObject *>(formula->GetBasePoint()) == object;
        CPtrCollection<CObject> referenced;
        formula->CollectReferencedObjects(referenced);
        if (attached || referenced.Find(object) >= 0)
            formula->Invalidate();
    }
}

void CFormulaManager::UpdateFromVersion2115to2116()
{
    for (IBaseFormula *formula : m_oFormulas)
        formula->UpdateFromVersion2115to2116();
}

void CFormulaManager::UpdateFromVersion2117to2118()
{
    for (IBaseFormula *formula : m_oFormulas)
        NameIfUnnamed(*formula);
}

void CFormulaManager::UpdateToVersion2120()
{
    for (int i = 0; i < GetFormulaCount(); ++i) {
        IBaseFormula *formula = GetFormulaAt(i);
        if (formula->GetFormulaType() != static_cast<int>(kDartFormulaType) ||
            formula->GetAttachKind() != FORMULA_ATTACH_PATTERN)
            continue;
        std::unique_ptr<IBaseFormula> replacement = MakePatternFormula(
            kComplexDartFormulaType, formula->GetContextValue(), formula->GetPattern());
        if (replacement == nullptr)
            continue;
        replacement->TakeOverFrom(formula);
        ReplaceFormulaAt(i, std::move(replacement));
    }
}

void CFormulaManager::UpdateToVersion2121()
{
    for (int i = 0; i < GetFormulaCount(); ++i) {
        IBaseFormula *formula = GetFormulaAt(i);
        if (formula->GetFormulaType() != static_cast<int>(kProportionalFormulaType))
            continue;
        if (formula->GetAttachKind() == FORMULA_ATTACH_PATTERN)
            ReplaceByGlobalFormula(i);
        else if (formula->GetAttachKind() == FORMULA_ATTACH_REGION)
            ReplaceByRegionFormula(i);
    }
}

// The global formula grades along the path of a new path formula that takes over the old
// formula's pattern, end points, direction and variable name; it is appended to the formulas.
void CFormulaManager::ReplaceByGlobalFormula(int i)
{
    IBaseFormula *old = GetFormulaAt(i);
    std::unique_ptr<IBaseFormula> replacement =
        MakeGlobalFormula(kRelativeFormulaType, old->GetContextValue());
    if (replacement == nullptr)
        return;
    std::unique_ptr<IBaseFormula> path =
        MakePatternFormula(kPathFormulaType, old->GetContextValue(), old->GetPattern());
    if (path != nullptr && path->RelinkFrom(old, nullptr))
        NameIfUnnamed(*path);
    else
        path.reset();
    replacement->RelinkFrom(old, path.get());
    ReplaceFormulaAt(i, std::move(replacement));
    if (path != nullptr)
        m_oFormulas.AddOwned(std::move(path));
}

void CFormulaManager::ReplaceByRegionFormula(int i)
{
    IBaseFormula *old = GetFormulaAt(i);
    std::unique_ptr<IBaseFormula> replacement =
        MakeRegionFormula(kRelativeFormulaType, old->GetContextValue(), old->GetRegion());
    if (replacement == nullptr)
        return;
    if (replacement->RelinkFrom(old, nullptr))
        NameIfUnnamed(*replacement);
    ReplaceFormulaAt(i, std::move(replacement));
}

// A measure made by an update after the one that names measures gets a name as that one gives.
void CFormulaManager::NameIfUnnamed(IBaseFormula &formula) const
{
    IMeasureFormula *measure = formula.AsMeasureFormula();
    if (measure != nullptr && isBlank(measure->GetVarName()))
        measure->SetVarName(MakeUniqueName("m"));
}

// The replacement takes over the old formula's list position, every reference that stored
// objects (other formulas, regions) hold to it and the regions that grade with it; the old
// formula is deleted. Not recorded in the history.
void CFormulaManager::ReplaceFormulaAt(int i, std::unique_ptr<IBaseFormula> replacement)
{
    IBaseFormula *old = GetFormulaAt(i);
    for (int r = 0; m_pMask != nullptr && r < m_pMask->GetGradeRegionCount(); ++r) {
        auto *region = dynamic_cast<CGradeRegion *>(m_pMask->GetGradeRegionAt(r));
        if (region != nullptr && region->GetGradeFormula() == old)
            region->SetGradeFormula(replacement.get());
    }
    auto *oldStored = dynamic_cast<CAttContainer *>(old);
    auto *newStored = dynamic_cast<CAttContainer *>(replacement.get());
    if (auto *maskStored = dynamic_cast<CAttContainer *>(m_pMask)) {
        maskStored->RedirectReferences(oldStored, newStored);
    } else {
        for (IBaseFormula *formula : m_oFormulas)
            dynamic_cast<CAttContainer &>(*formula).RedirectReferences(oldStored, newStored);
    }
    m_oMessages.RemoveMessagesOf(old);
    m_oFormulas.DeleteAt(i);
    m_oFormulas.InsertAt(i, replacement.release());
}
