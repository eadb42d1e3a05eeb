// Morvane editing commands.
// "AddFormula" and "InsertBaseFormula": a new formula at the end of the active mask's list.
#include "app/commands/formulas/CmdAddFormula.h"

#include "app/commands/formulas/FormulaDialogChoice.h"
#include "app/documents/EventRecords.h"
#include "model/FormulaManager.h"

namespace {

enum ObjectKind { kMask = 0, kRegion = 1, kPattern = 2, kPoint = 3 };

std::unique_ptr<IBaseFormula> makeFormula(IFormulaManager &manager,
                                          const InsertFormulaRecord &record, void *table)
{
    switch (record.objectKind) {
    case kMask:
        return manager.MakeGlobalFormula(record.formulaType, table);
    case kRegion:
        return manager.MakeRegionFormula(record.formulaType, table, record.region);
    case kPattern:
        return manager.MakePatternFormula(record.formulaType, table, record.pattern);
    case kPoint:
        return manager.MakePointFormula(record.formulaType, table, record.point);
    }
    return nullptr;
}

bool hasObject(const InsertFormulaRecord &record)
{
    switch (record.objectKind) {
    case kMask:
        return true;
    case kRegion:
        return record.region != nullptr;
    case kPattern:
        return record.pattern != nullptr;
    case kPoint:
        return record.point != nullptr;
    }
    return false;
}

} // namespace

CCmdAddFormula::CCmdAddFormula()
{
    Create("AddFormula");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(61320);
}

std::unique_ptr<ICommand> CCmdAddFormula::Clone() const
{
    return std::make_unique<CCmdAddFormula>(*this);
}

bool CCmdAddFormula::OnExecute(void *data)
{
    auto *formula = static_cast<IBaseFormula *>(data);
    if (formula == nullptr || GetFormulaManager() == nullptr)
        return false;
    return AppendFormula(std::unique_ptr<IBaseFormula>(formula));
}

bool CCmdAddFormula::IsEnabled(void *)
{
    return IsEditOn();
}

bool CCmdAddFormula::AppendFormula(std::unique_ptr<IBaseFormula> formula)
{
    CFormulaManager *manager = GetFormulaManager();
    if (manager == nullptr || formula == nullptr)
        return false;
    manager->InsertFormulaAt(manager->GetFormulaCount(), std::move(formula));
    return true;
}

CCmdInsertBaseFormula::CCmdInsertBaseFormula()
{
    Create("InsertBaseFormula");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(61320);
}

std::unique_ptr<ICommand> CCmdInsertBaseFormula::Clone() const
{
    return std::make_unique<CCmdInsertBaseFormula>(*this);
}

bool CCmdInsertBaseFormula::OnExecute(void *data)
{
    const auto *record = static_cast<const InsertFormulaRecord *>(data);
    CFormulaManager *manager = GetFormulaManager();
    if (record == nullptr || manager == nullptr)
        return false;
    std::unique_ptr<IBaseFormula> formula = makeFormula(*manager, *record, GetCurrentTableObject());
    if (formula == nullptr || !morvane::OpenFormulaDialog(GetDocument(), formula.get(), -1))
        return false;
    return AppendFormula(std::move(formula));
}

bool CCmdInsertBaseFormula::IsEnabled(void *data)
{
    const auto *record = static_cast<const InsertFormulaRecord *>(data);
    return IsEditOn() && record != nullptr && hasObject(*record);
}
