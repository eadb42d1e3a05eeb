// Morvane editing commands.
// "AddFocusToSelection" and "RemoveFocusFromSelection": a click with Ctrl or Shift held.
#pragma once

#include "app/commands/DocCommand.h"

/// "AddFocusToSelection": the focus object under the pointer, made whole, joins the active
/// object in a multiple selection ("SetActiveItem"); with nothing active it simply becomes the
/// active object ("SetActiveObject"). The data is not read. Not recorded in the history.
class CCmdAddFocusToSelection : public CDocCommand
{
public:
    CCmdAddFocusToSelection();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without a focus manager; true otherwise.
    bool OnExecute(void *data) override;
};

/// "RemoveFocusFromSelection": the entry of the multiple selection that the focus object under
/// the pointer refers to leaves it; a selection of two becomes the other entry. A single active
/// object is let go. When the focus object is not in a selection of three or more, nothing
/// changes. The data is not read. Not recorded in the history.
class CCmdRemoveFocusFromSelection : public CDocCommand
{
public:
    CCmdRemoveFocusFromSelection();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without a focus manager; true otherwise.
    bool OnExecute(void *data) override;
};
