// Morvane editing commands.
// "InsertMaskFromFile": a grade mask file opens beside the other masks.
#pragma once

#include "app/commands/WorkspaceCommand.h"

/// Opens the mask file the data names (a std::filesystem::path) as a new grade mask appended
/// to the open masks, not activated. A file that an open mask already has (the same file,
/// letter case ignored) is refused with message 61248; a file that does not load with message
/// 61430 and its reason, the new mask discarded. Both answer false.
class CCmdInsertMaskFromFile : public CWorkspaceCommand
{
public:
    CCmdInsertMaskFromFile();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
};
