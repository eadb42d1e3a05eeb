// Morvane command, task and undo engine.
// A command made of two plain functions, registered by name with the task manager.
#pragma once

#include <functional>
#include <string>

#include "tasks/BaseCommand.h"

/// A command whose work and enabled test are functions. It is never added to the history.
class CCallbackCommand : public CBaseCommand
{
public:
    using ExecuteFunction = std::function<bool(ITask *task, void *data)>;
    using EnabledFunction = std::function<bool(ITask *task)>;

    /// Either function may be empty: without an execute function the command fails, without
    /// an enabled function it is always enabled.
    CCallbackCommand(const std::string &name, ExecuteFunction execute, EnabledFunction enabled,
                     COMMAND_MODIFY_TYPE modifyType);

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;

private:
    ExecuteFunction m_fnExecute;
    EnabledFunction m_fnEnabled;
};
