// Morvane editing commands.
// "CloseAllMasks": every grade mask closes, the last first.
#pragma once

#include "app/commands/WorkspaceCommand.h"

/// Closes the open masks from the last to the first as "DeleteGradeMask" does; at the first
/// refusal it stops, the masks before it staying open, and answers false. Enabled while a mask
/// is open and the main document's task manager would take "DeleteGradeMask" for each.
class CCmdCloseAllMasks : public CWorkspaceCommand
{
public:
    CCmdCloseAllMasks();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};
