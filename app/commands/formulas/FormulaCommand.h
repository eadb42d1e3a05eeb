// Morvane editing commands.
// The base of the commands that change the active grade mask's formulas.
#pragma once

#include "app/commands/MaskHistoryCommand.h"

class CFormulaManager;

/// A command on the active mask's formulas, undone through the mask's history.
class CFormulaCommand : public CMaskHistoryCommand
{
protected:
    /// The active mask's formula manager; null without an active mask.
    CFormulaManager *GetFormulaManager() const;
    /// The document's mask-pattern edit switch (false without a document).
    bool IsEditOn() const;
};
