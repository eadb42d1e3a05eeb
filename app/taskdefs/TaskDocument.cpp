// Morvane interactive tasks.
// The main document as the tasks and function commands of a grade mask reach it.
#include "app/taskdefs/TaskDocument.h"

#include "app/documents/IDocumentServices.h"
#include "tasks/ITask.h"

namespace morvane {

IDocumentServices *documentServices(ITask *task)
{
    return task ? static_cast<IDocumentServices *>(task->GetDataObject()) : nullptr;
}

CCursorTable *documentCursorTable(ITask *task)
{
    IDocumentServices *services = documentServices(task);
    return services != nullptr ? services->GetCursorTable() : nullptr;
}

} // namespace morvane
