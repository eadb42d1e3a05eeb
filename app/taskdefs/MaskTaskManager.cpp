// Morvane interactive tasks.
// The task manager of one grade mask: its tools, commands and undo history.
#include "app/taskdefs/MaskTaskManager.h"

#include "app/taskdefs/MaskRegistrations.h"
#include "tasks/ITask.h"
#include "tasks/ITaskDefinition.h"

using namespace morvane;

CMaskTaskManager::CMaskTaskManager() = default;

CMaskTaskManager::~CMaskTaskManager() = default;

CMaskTaskManager *CMaskTaskManager::OfTask(ITask *task)
{
    return task ? dynamic_cast<CMaskTaskManager *>(task->GetTaskManager()) : nullptr;
}

bool CMaskTaskManager::IsAwaited(const std::string &name) const
{
    for (const MaskCommandEntry &entry : maskCommandEntries()) {
        if (entry.name == name)
            return !GetCommand(name);
    }
    for (const MaskTemplateEntry &entry : maskTemplateEntries()) {
        if (entry.name == name)
            return FindTask(name) < 0;
    }
    return false;
}

void CMaskTaskManager::RegisterTaskTemplates()
{
    for (const MaskTemplateEntry &entry : maskTemplateEntries()) {
        if (entry.makeDefinition)
            AddTaskTemplate(std::string(entry.name), entry.makeDefinition());
    }
    SetMainTask("MainTask");
}

void CMaskTaskManager::RegisterCommands()
{
    for (const MaskCommandEntry &entry : maskCommandEntries()) {
        if (entry.makeObject)
            AddCommand(entry.makeObject());
        else if (entry.execute)
            AddCommand(std::string(entry.name), entry.execute, nullptr, entry.modifyType);
    }
}
