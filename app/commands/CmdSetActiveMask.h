// Morvane editing commands.
// "SetActiveMask": another grade mask, or none, becomes the active one.
#pragma once

#include "app/commands/WorkspaceCommand.h"

/// Makes the mask document the data names (a CGradeMaskDoc, null: none) the active one: the
/// active mask's tasks hear "OnDeactivate" first, the new one's "OnActivate" after. It enters
/// the history (tips 61404 and 61405), but its undo and redo change nothing. Disabled for the
/// mask already active, and while the active mask's tasks would not take "OnDeactivate".
class CCmdSetActiveMask : public CWorkspaceCommand
{
public:
    CCmdSetActiveMask();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};
