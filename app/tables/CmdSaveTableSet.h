// Morvane measurement tables.
// "SaveTableSet": the measurement table set is written to its file.
#pragma once

#include "app/tables/TableSetCommand.h"

/// Saves the set to the file of the data (a const std::filesystem::path*); without one, or with
/// an empty one, to the file the user chooses, the document's file offered (its title while it
/// has none). A failure shows 61476 with the file and the reason. The task's history takes its
/// position as the saved point; nothing enters it.
class CCmdSaveTableSet : public CTableSetCommand
{
public:
    CCmdSaveTableSet();

    std::unique_ptr<ICommand> Clone() const override;
    /// Whether the set was saved (false when the user cancels the dialog).
    bool OnExecute(void *data) override;
};
