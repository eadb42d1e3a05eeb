// Morvane editing commands.
// The base of the commands whose changes are undone through the grade mask's own history.
#pragma once

#include "app/commands/DocCommand.h"

#include <functional>

class IGradeMask;

/// A command that records its change as one group of the active grade mask's history and
/// undoes and redoes it by stepping that history. An execution that records nothing answers
/// false, so that it leaves no entry: each entry of such a command in a task's history stands
/// for exactly one item of the mask's history, and its undo never reverts another change.
class CMaskHistoryCommand : public CDocCommand
{
public:
    /// One step back in the active mask's history.
    void OnUndo() override;
    /// One step forward in the active mask's history.
    void OnRedo() override;

protected:
    CMaskHistoryCommand();

    /// Runs the change inside one group of the active mask's history; true when the group
    /// left an item, false without a mask or when nothing was recorded.
    bool RecordInHistory(const std::function<void(IGradeMask &)> &change);
    IGradeMask *GetActiveMask() const;
};
