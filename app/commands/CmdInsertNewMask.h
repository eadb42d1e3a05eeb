// Morvane editing commands.
// "InsertNewMask": an empty grade mask opens beside the others.
#pragma once

#include "app/commands/WorkspaceCommand.h"

/// Opens a new, empty grade mask under a title no open mask has ("Mask1", "Mask2", ...) and
/// appends it to the open masks without activating it. Enabled while the mask patterns may be
/// edited (the document's edit mode).
class CCmdInsertNewMask : public CWorkspaceCommand
{
public:
    CCmdInsertNewMask();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};
