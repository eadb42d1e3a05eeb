// Morvane command, task and undo engine.
// Named events, the answer to "would this event be taken", and the status of a task.
#pragma once

#include <string>
#include <utility>

/// A named event with a data pointer that the engine passes on unchanged to the commands it
/// runs. The data belongs to the caller and is only read during the call.
class CTaskEvent
{
public:
    CTaskEvent() = default;
    CTaskEvent(std::string name, void *data) : m_sName(std::move(name)), m_pData(data) {}
    CTaskEvent(const CTaskEvent &other) = default;
    CTaskEvent &operator=(const CTaskEvent &other) = default;
    virtual ~CTaskEvent() = default;

    const std::string &GetName() const { return m_sName; }
    void *GetData() const { return m_pData; }

private:
    std::string m_sName;
    void *m_pData = nullptr;
};

/// The answer of CTaskManager::GetEventState.
struct CUpdateEvent
{
    /// An active state ignores the event.
    bool m_bAbsorbed = false;
    /// The command of the transition found is enabled.
    bool m_bEnabled = false;
    /// A transition would be taken.
    bool m_bCanDispatch = false;
};

/// The answer of CTaskManager::GetTaskStatus.
enum TASK_STATUS {
    TS_ACTIVE = 0,    ///< the named task is the innermost active task
    TS_INACTIVE = 1,  ///< it is neither the innermost active task nor one enclosing it
    TS_SUSPENDED = 2, ///< it encloses the innermost active task
};
