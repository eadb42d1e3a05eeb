// Morvane editing commands.
// "AddFormula" and "InsertBaseFormula": a new formula at the end of the active mask's list.
#pragma once

#include "app/commands/formulas/FormulaCommand.h"

#include <memory>

class IBaseFormula;

/// "AddFormula": the formula given (an IBaseFormula made for the active mask and in no mask
/// yet) becomes the last of the mask's formulas. The mask takes it over when the command
/// answers true; on false the sender keeps it. Enabled while the mask-pattern edit switch is on.
class CCmdAddFormula : public CFormulaCommand
{
public:
    CCmdAddFormula();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;

protected:
    /// Appends the formula to the active mask's formulas; false (the formula deleted) without
    /// an active mask.
    bool AppendFormula(std::unique_ptr<IBaseFormula> formula);
};

/// "InsertBaseFormula": makes a formula of the InsertFormulaRecord's type for its object, opens
/// its dialog, and appends it when the user confirms; a cancelled dialog deletes it and records
/// nothing. Enabled while the edit switch is on, for the mask (kind 0) or a given object of
/// kinds 1 to 3.
class CCmdInsertBaseFormula : public CCmdAddFormula
{
public:
    CCmdInsertBaseFormula();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};
