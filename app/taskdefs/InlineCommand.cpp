// Morvane interactive tasks.
// A command that needs another command's work runs that command by name, inline.
#include "app/taskdefs/InlineCommand.h"

#include "tasks/ITask.h"
#include "tasks/TaskManager.h"

namespace morvane {

bool runRegisteredCommand(ITask *task, const std::string &name, void *data)
{
    CTaskManager *manager = task ? task->GetTaskManager() : nullptr;
    ICommand *command = manager ? manager->GetCommand(name) : nullptr;
    return command && command->Execute(task, data);
}

} // namespace morvane
