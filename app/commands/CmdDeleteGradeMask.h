// Morvane editing commands.
// "DeleteGradeMask": a grade mask closes, its changes saved first if the user wants.
#pragma once

#include "app/commands/WorkspaceCommand.h"

/// Closes the mask document the data names (a CGradeMaskDoc). Its tasks are asked
/// "SaveModifiedMask" first, which asks the user only when the mask has changes not saved; a
/// refusal (cancelled, or the save failed) keeps the mask open and answers false. Closing the
/// active mask activates the first other open mask (none when it was the only one). Enabled
/// while the mask's tasks would take "OnDeactivate" or "OnActivate".
class CCmdDeleteGradeMask : public CWorkspaceCommand
{
public:
    CCmdDeleteGradeMask();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};
