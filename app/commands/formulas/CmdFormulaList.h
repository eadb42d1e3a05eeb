// Morvane editing commands.
// "MoveFormula", "DeleteFormula" and "EditInputPatternFormula": the order and removal of the
// active mask's formulas.
#pragma once

#include "app/commands/formulas/FormulaCommand.h"

#include <memory>

class IBaseFormula;

/// "MoveFormula": the MoveFormulaParam's formula takes the place of the nearest formula of its
/// group towards the start or the end of the list, past formulas of other groups. Its group is
/// the formulas of its object (the mask, a region, a pattern or a point), or with the
/// measures-only switch every measure formula. False, nothing moved, without such a formula.
class CCmdMoveFormula : public CFormulaCommand
{
public:
    CCmdMoveFormula();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
};

/// "DeleteFormula": the formula given leaves the active mask, unless another formula depends on
/// it or uses its measure: then a stop message names it and nothing changes. Enabled while the
/// mask-pattern edit switch is on. The mask's history keeps the removed formula.
class CCmdDeleteFormula : public CFormulaCommand
{
public:
    CCmdDeleteFormula();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};

/// "EditInputPatternFormula": changes nothing; true unless the EditFormulaRecord's formula is a
/// path, dart or lapel formula. Enabled for pattern formulas. Not recorded.
class CCmdEditInputPatternFormula : public CDocCommand
{
public:
    CCmdEditInputPatternFormula();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};
