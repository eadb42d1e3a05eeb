// Morvane editing commands.
// The base of the commands that reach the main document.
#pragma once

#include "tasks/BaseCommand.h"

class IDocumentServices;

/// A command of a grade-mask document. Every mask's task manager has the main document's
/// services as its data object, so a command reaches the document through its task.
class CDocCommand : public CBaseCommand
{
public:
    /// The data object of the command's task's manager; null without a task.
    IDocumentServices *GetDocument() const;

protected:
    /// Sets the flags a command class chooses in its constructor, after Create.
    void SetFlags(bool addToHistory, bool repeat, COMMAND_MODIFY_TYPE modifyType);
};
