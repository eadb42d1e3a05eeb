// Morvane program interaction.
// The variables of a grade-mask document's main task, where its modes and focus kinds live.
#include "app/interaction/MainTaskVariables.h"

#include "app/interaction/IMaskDocumentAccess.h"
#include "tasks/Task.h"
#include "tasks/TaskManager.h"

namespace morvane {

ICommandAttributes *GetMainTaskVariables(IMaskDocumentAccess *document)
{
    CTaskManager *manager = document != nullptr ? document->GetTaskManager() : nullptr;
    CTask *mainTask = manager != nullptr ? manager->GetMainTask() : nullptr;
    return mainTask != nullptr ? mainTask->GetAttributes() : nullptr;
}

int ReadMainTaskInteger(IMaskDocumentAccess *document, const char *name)
{
    int value = 0;
    if (const ICommandAttributes *variables = GetMainTaskVariables(document))
        variables->GetInteger(name, &value);
    return value;
}

void WriteMainTaskInteger(IMaskDocumentAccess *document, const char *name, int value)
{
    if (ICommandAttributes *variables = GetMainTaskVariables(document))
        variables->SetInteger(name, value);
}

} // namespace morvane
