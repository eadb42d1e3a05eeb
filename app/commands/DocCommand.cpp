// Morvane editing commands.
// The base of the commands that reach the main document.
#include "app/commands/DocCommand.h"

#include "tasks/ITask.h"
#include "tasks/TaskManager.h"

IDocumentServices *CDocCommand::GetDocument() const
{
    const ITask *task = GetTask();
    if (task == nullptr || task->GetTaskManager() == nullptr)
        return nullptr;
    return static_cast<IDocumentServices *>(task->GetTaskManager()->GetDataObject());
}

void CDocCommand::SetFlags(bool addToHistory, bool repeat, COMMAND_MODIFY_TYPE modifyType)
{
    SetAddToHistory(addToHistory);
    SetRepeatCommand(repeat);
    SetCommandModifyType(modifyType);
}
