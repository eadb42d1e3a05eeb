// Morvane editing commands.
// "Options": the options dialog.
#pragma once

#include "app/commands/WorkspaceCommand.h"

/// Shows the options dialog and waits until it closes. When the option "RELATIVE_MODE" changed
/// in it, the measurement-table document shows its values relative or absolute as it now says.
/// Not recorded in the history.
class CCmdOptions : public CWorkspaceCommand
{
public:
    CCmdOptions();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
};
