// Morvane editing commands.
// The base of the commands of the main document's own task manager.
#pragma once

#include "tasks/BaseCommand.h"

#include <string>

class IDocumentAccess;
class IDocumentServices;

/// A command of the main document's own task manager ("WorkspaceMainTask"), whose data object
/// is the document's IDocumentAccess: the open masks, the active one and the services.
class CWorkspaceCommand : public CBaseCommand
{
public:
    /// The data object of the command's task's manager; null without a task.
    IDocumentAccess *GetOwner() const;
    /// The owner's services; null without an owner.
    IDocumentServices *GetServices() const;

protected:
    /// Names the command and sets its flags.
    void CreateWith(const std::string &name, bool addToHistory, COMMAND_MODIFY_TYPE modifyType);
};
