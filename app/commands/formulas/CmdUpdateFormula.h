// Morvane editing commands.
// "UpdateFormula" and "EditBaseFormula": a formula of the active mask takes new contents.
#pragma once

#include "app/commands/formulas/FormulaCommand.h"

#include <memory>

class IBaseFormula;

/// "UpdateFormula": the mask's formula of the UpdateFormulaRecord takes over the contents of the
/// other formula. When the new contents rename the formula's measure, every formula that uses
/// the old name is changed to the new one with it; the mask's history records all of it as one
/// step. Repeating, so that two updates in a row stay two steps of the task's history as they
/// are two of the mask's. Enabled while the mask-pattern edit switch is on.
class CCmdUpdateFormula : public CFormulaCommand
{
public:
    CCmdUpdateFormula();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;

protected:
    /// The update itself; false (nothing recorded) without an active mask holding formula.
    bool UpdateFormula(IBaseFormula *formula, IBaseFormula *contents);
};

/// "EditBaseFormula": opens the dialog of the EditFormulaRecord's formula (and part) on a copy of
/// it; when the user confirms, the formula takes the copy's contents as "UpdateFormula" does.
/// A cancelled dialog changes and records nothing. Enabled while the edit switch is on, for a
/// formula of the active mask that has a dialog.
class CCmdEditBaseFormula : public CCmdUpdateFormula
{
public:
    CCmdEditBaseFormula();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};
