// Morvane measurement tables.
// "LoadTableSet": a measurement table set is read from its file.
#pragma once

#include "app/tables/TableSetCommand.h"

/// Replaces the set by the file of the data (a const std::filesystem::path*; null: the file the
/// user chooses), once the changes of the set are saved or dropped ("SaveModifiedTableSet"). On
/// success the set's first table becomes active ("SetActiveTable"); a file that does not load
/// shows 61474 with the file and the reason and leaves the set as it was. Status text 0 reads
/// 61502 during the load. The history of the set's edits starts afresh.
class CCmdLoadTableSet : public CTableSetCommand
{
public:
    CCmdLoadTableSet();

    std::unique_ptr<ICommand> Clone() const override;
    /// Whether the file was loaded (false when the user cancels the question or the dialog).
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// The main document lets the tables change.
    bool IsEnabled(void *data) override;
};
