// Morvane editing commands.
// The base of the commands of the main document's own task manager.
#include "app/commands/WorkspaceCommand.h"

#include "app/documents/IDocumentAccess.h"
#include "app/documents/IDocumentServices.h"
#include "tasks/ITask.h"
#include "tasks/TaskManager.h"

IDocumentAccess *CWorkspaceCommand::GetOwner() const
{
    const ITask *task = GetTask();
    if (task == nullptr || task->GetTaskManager() == nullptr)
        return nullptr;
    return static_cast<IDocumentAccess *>(task->GetTaskManager()->GetDataObject());
}

IDocumentServices *CWorkspaceCommand::GetServices() const
{
    IDocumentAccess *owner = GetOwner();
    return owner != nullptr ? owner->GetServices() : nullptr;
}

void CWorkspaceCommand::CreateWith(const std::string &name, bool addToHistory,
                                   COMMAND_MODIFY_TYPE modifyType)
{
    Create(name);
    SetAddToHistory(addToHistory);
    SetRepeatCommand(true);
    SetCommandModifyType(modifyType);
}
