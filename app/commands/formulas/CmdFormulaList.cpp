// Morvane editing commands.
// "MoveFormula", "DeleteFormula" and "EditInputPatternFormula": the order and removal of the
// active mask's formulas.
#include "app/commands/formulas/CmdFormulaList.h"

#include "app/commands/StopMessage.h"
#include "app/documents/EventRecords.h"
#include "model/FormulaManager.h"

namespace {

bool inSameGroup(IBaseFormula &other, const IBaseFormula &moved, bool measuresOnly)
{
    if (measuresOnly)
        return other.AsMeasureFormula() != nullptr;
    return GetFormulaTarget(other) == GetFormulaTarget(moved);
}

/// Whether another formula of the manager refers to formula, or uses its measure.
bool isUsed(const CFormulaManager &manager, IBaseFormula *formula)
{
    const bool isMeasure = formula->AsMeasureFormula() != nullptr;
    for (int i = 0; i < manager.GetFormulaCount(); ++i) {
        IBaseFormula *other = manager.GetFormulaAt(i);
        if (other != formula &&
            (other->DependsOnFormula(formula) || (isMeasure && other->ReferencesFormula(formula))))
            return true;
    }
    return false;
}

constexpr int kPathType = 2;
constexpr int kDartType = 3;
constexpr int kLapelType = 4;

} // namespace

CCmdMoveFormula::CCmdMoveFormula()
{
    Create("MoveFormula");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(61516);
}

std::unique_ptr<ICommand> CCmdMoveFormula::Clone() const
{
    return std::make_unique<CCmdMoveFormula>(*this);
}

bool CCmdMoveFormula::OnExecute(void *data)
{
    const auto *record = static_cast<const MoveFormulaParam *>(data);
    CFormulaManager *manager = GetFormulaManager();
    if (record == nullptr || manager == nullptr)
        return false;
    const int from = manager->FindFormula(record->formula);
    if (from < 0)
        return false;
    const int step = record->towardsStart ? -1 : 1;
    for (int i = from + step; i >= 0 && i < manager->GetFormulaCount(); i += step) {
        if (inSameGroup(*manager->GetFormulaAt(i), *record->formula, record->measuresOnly)) {
            manager->MoveFormula(from, i);
            return true;
        }
    }
    return false;
}

CCmdDeleteFormula::CCmdDeleteFormula()
{
    Create("DeleteFormula");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(61318);
}

std::unique_ptr<ICommand> CCmdDeleteFormula::Clone() const
{
    return std::make_unique<CCmdDeleteFormula>(*this);
}

bool CCmdDeleteFormula::OnExecute(void *data)
{
    auto *formula = static_cast<IBaseFormula *>(data);
    CFormulaManager *manager = GetFormulaManager();
    const int index = manager != nullptr ? manager->FindFormula(formula) : -1;
    if (index < 0)
        return false;
    if (isUsed(*manager, formula)) {
        morvane::showStopMessage(*GetDocument(), 61407, {formula->GetFormulaName()});
        return false;
    }
    manager->RemoveFormulaAt(index);
    return true;
}

bool CCmdDeleteFormula::IsEnabled(void *)
{
    return IsEditOn();
}

CCmdEditInputPatternFormula::CCmdEditInputPatternFormula()
{
    Create("EditInputPatternFormula");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdEditInputPatternFormula::Clone() const
{
    return std::make_unique<CCmdEditInputPatternFormula>(*this);
}

bool CCmdEditInputPatternFormula::OnExecute(void *data)
{
    const auto *record = static_cast<const EditFormulaRecord *>(data);
    if (record == nullptr || record->formula == nullptr)
        return false;
    const int type = record->formula->GetFormulaType();
    return type != kPathType && type != kDartType && type != kLapelType;
}

bool CCmdEditInputPatternFormula::IsEnabled(void *data)
{
    const auto *record = static_cast<const EditFormulaRecord *>(data);
    return record != nullptr && record->formula != nullptr &&
           record->formula->GetAttachKind() == FORMULA_ATTACH_PATTERN;
}
