// Morvane measurement tables.
// "NewTableSet": the document starts an empty, untitled set.
#include "app/tables/NewTableSet.h"

#include "app/tables/CmdSaveModifiedTableSet.h"
#include "app/tables/MeasureTableDoc.h"
#include "tasks/ITask.h"
#include "tasks/TaskManager.h"

namespace morvane {

bool NewTableSet(ITask *task, void *)
{
    if (task == nullptr || task->GetTaskManager() == nullptr)
        return false;
    auto *document = static_cast<CMeasureTableDoc *>(task->GetTaskManager()->GetDataObject());
    CCmdSaveModifiedTableSet saveModified;
    if (!saveModified.Execute(task, nullptr))
        return false;
    document->Reset();
    return true;
}

} // namespace morvane
