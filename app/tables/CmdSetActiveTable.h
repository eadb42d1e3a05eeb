// Morvane measurement tables.
// "SetActiveTable": a table of the set becomes the one grading and the editor show.
#pragma once

#include "app/tables/TableSetCommand.h"

/// Makes the table of the index (the event data itself, morvane::integerEventData) the active
/// table; a negative index leaves none active. Not recorded in the history.
class CCmdSetActiveTable : public CTableSetCommand
{
public:
    CCmdSetActiveTable();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without a document; true otherwise.
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// The index names a table of the set and the main document lets the tables change (no
    /// grade mask is active, or the active one can be left now).
    bool IsEnabled(void *data) override;
};
