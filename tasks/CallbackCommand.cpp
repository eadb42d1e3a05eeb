// Morvane command, task and undo engine.
// A command made of two plain functions, registered by name with the task manager.
#include "tasks/CallbackCommand.h"

CCallbackCommand::CCallbackCommand(const std::string &name, ExecuteFunction execute,
                                   EnabledFunction enabled, COMMAND_MODIFY_TYPE modifyType)
    : m_fnExecute(std::move(execute)), m_fnEnabled(std::move(enabled))
{
    Create(name);
    SetAddToHistory(false);
    SetCommandModifyType(modifyType);
}

std::unique_ptr<ICommand> CCallbackCommand::Clone() const
{
    return std::make_unique<CCallbackCommand>(*this);
}

bool CCallbackCommand::OnExecute(void *data)
{
    return m_fnExecute && m_fnExecute(GetTask(), data);
}

bool CCallbackCommand::IsEnabled(void *)
{
    return !m_fnEnabled || m_fnEnabled(GetTask());
}
