// Morvane measurement tables.
// The base of the commands of the measurement-table document's task manager.
#include "app/tables/TableSetCommand.h"

#include "app/tables/MeasureTableDoc.h"
#include "tasks/ITask.h"
#include "tasks/TaskManager.h"

CMeasureTableDoc *CTableSetCommand::GetDocument() const
{
    const ITask *task = GetTask();
    if (task == nullptr || task->GetTaskManager() == nullptr)
        return nullptr;
    return static_cast<CMeasureTableDoc *>(task->GetTaskManager()->GetDataObject());
}

IGradingEvents *CTableSetCommand::GetOwner() const
{
    CMeasureTableDoc *document = GetDocument();
    return document != nullptr ? document->GetOwner() : nullptr;
}

void CTableSetCommand::CreateWith(const std::string &name, bool addToHistory,
                                  COMMAND_MODIFY_TYPE modifyType)
{
    Create(name);
    SetAddToHistory(addToHistory);
    SetRepeatCommand(true);
    SetCommandModifyType(modifyType);
}
