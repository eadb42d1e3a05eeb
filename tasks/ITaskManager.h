// Morvane command, task and undo engine.
// What commands and tasks see of their task manager.
#pragma once

#include "tasks/TaskEvent.h"

class ITaskManager
{
public:
    virtual ~ITaskManager() = default;

    /// The document or other object given to CTaskManager::Create.
    virtual void *GetDataObject() const = 0;
    /// A copy of the event being dispatched or queried last.
    virtual CTaskEvent GetCurrentEvent() const = 0;
};
