// Morvane editing commands.
// "SetPointFilter": the snap mode of the tools.
#pragma once

#include "app/commands/DocCommand.h"

/// Writes the snap mode (the event data itself, morvane::integerEventData) to "nSnapMode" of the
/// task that runs the command; when the task has a focus search ("pFocusManager"), runs
/// "UpdateFocusManager" so that the focus follows the new mode at once. Not recorded in the
/// history.
class CCmdSetPointFilter : public CDocCommand
{
public:
    CCmdSetPointFilter();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without a task; true otherwise.
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// The current tool of the active mask accepts the mode (IDocumentServices::IsFocusType).
    bool IsEnabled(void *data) override;
};
