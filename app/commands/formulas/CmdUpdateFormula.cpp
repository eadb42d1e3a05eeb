// Morvane editing commands.
// "UpdateFormula" and "EditBaseFormula": a formula of the active mask takes new contents.
#include "app/commands/formulas/CmdUpdateFormula.h"

#include "app/commands/formulas/FormulaDialogChoice.h"
#include "app/documents/EventRecords.h"
#include "formulas/BaseFormula.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"
#include "model/IMeasureFormula.h"

#include <string>
#include <vector>

namespace {

std::string measureName(IBaseFormula &formula)
{
    IMeasureFormula *measure = formula.AsMeasureFormula();
    return measure != nullptr ? measure->GetVarName() : std::string();
}

/// The formulas of the manager, other than formula, that use formula's measure name.
std::vector<IBaseFormula *> measureUsers(const CFormulaManager &manager, IBaseFormula *formula)
{
    std::vector<IBaseFormula *> users;
    for (int i = 0; i < manager.GetFormulaCount(); ++i) {
        IBaseFormula *other = manager.GetFormulaAt(i);
        if (other != formula && other->ReferencesFormula(formula))
            users.push_back(other);
    }
    return users;
}

} // namespace

CCmdUpdateFormula::CCmdUpdateFormula()
{
    Create("UpdateFormula");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(61322);
}

std::unique_ptr<ICommand> CCmdUpdateFormula::Clone() const
{
    return std::make_unique<CCmdUpdateFormula>(*this);
}

bool CCmdUpdateFormula::OnExecute(void *data)
{
    const auto *record = static_cast<const UpdateFormulaRecord *>(data);
    return record != nullptr && record->contents != nullptr &&
           UpdateFormula(record->formula, record->contents);
}

bool CCmdUpdateFormula::IsEnabled(void *)
{
    return IsEditOn();
}

bool CCmdUpdateFormula::UpdateFormula(IBaseFormula *formula, IBaseFormula *contents)
{
    CFormulaManager *manager = GetFormulaManager();
    if (manager == nullptr || formula == nullptr || !manager->ContainsFormula(formula))
        return false;
    const std::string oldName = measureName(*formula);
    const std::string newName = measureName(*contents);
    std::vector<IBaseFormula *> renamed;
    if (formula->AsMeasureFormula() != nullptr && oldName != newName)
        renamed = measureUsers(*manager, formula);

    return RecordInHistory([&](IGradeMask &) {
        manager->RecordFormulaState(formula);
        formula->GetBaseFormula()->Assign(contents->GetBaseFormula());
        for (IBaseFormula *user : renamed) {
            manager->RecordFormulaState(user);
            user->RenameVariable(oldName, newName);
        }
    });
}

CCmdEditBaseFormula::CCmdEditBaseFormula()
{
    Create("EditBaseFormula");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(61514);
}

std::unique_ptr<ICommand> CCmdEditBaseFormula::Clone() const
{
    return std::make_unique<CCmdEditBaseFormula>(*this);
}

bool CCmdEditBaseFormula::OnExecute(void *data)
{
    const auto *record = static_cast<const EditFormulaRecord *>(data);
    CBaseFormula *formula = record != nullptr && record->formula != nullptr
                                ? record->formula->GetBaseFormula()
                                : nullptr;
    if (formula == nullptr)
        return false;
    const std::unique_ptr<IBaseFormula> copy = formula->FindManagedCounterpartOf();
    if (copy == nullptr || !morvane::OpenFormulaDialog(GetDocument(), copy.get(), record->part))
        return false;
    return UpdateFormula(record->formula, copy.get());
}

bool CCmdEditBaseFormula::IsEnabled(void *data)
{
    const auto *record = static_cast<const EditFormulaRecord *>(data);
    const CFormulaManager *manager = GetFormulaManager();
    if (!IsEditOn() || record == nullptr || manager == nullptr ||
        !manager->ContainsFormula(record->formula))
        return false;
    return morvane::ChooseFormulaDialog(record->formula->GetAttachKind(),
                                        record->formula->GetFormulaType(), record->part)
               .form != morvane::FormulaDialogChoice::None;
}
