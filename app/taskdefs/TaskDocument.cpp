// Morvane interactive tasks.
// The main document as the tasks and function commands of a grade mask reach it.
#include "app/taskdefs/TaskDocument.h"

#include "tasks/ITask.h"

namespace morvane {

IDocumentServices *documentServices(ITask *task)
{
    return task ? static_cast<IDocumentServices *>(task->GetDataObject()) : nullptr;
}

} // namespace morvane
