// Morvane measurement tables.
// The task manager of the measurement-table document: every table edit as a named command.
#pragma once

#include "tasks/ITaskDefinition.h"
#include "tasks/TaskManager.h"

#include <span>
#include <string_view>

namespace morvane {

/// A command of the table document's task manager, in the order it is registered.
struct TableSetCommandEntry
{
    using ObjectMaker = std::unique_ptr<CBaseCommand> (*)();
    using FunctionCommand = bool (*)(ITask *task, void *data);

    std::string_view name;
    /// Makes the command object; null for a function command or while its class is not built.
    ObjectMaker makeObject = nullptr;
    /// The work of a function command; null otherwise.
    FunctionCommand execute = nullptr;
    COMMAND_MODIFY_TYPE modifyType = CMT_NO_MODIFY;
    /// The id of its transition from "IdleState".
    std::string_view transitionId = {};
};

/// The commands of the table document, the engine's undo commands first, in registration order.
std::span<const TableSetCommandEntry> tableSetCommandEntries();

} // namespace morvane

/// "TableSetMaintTask": idle until a command event comes, runs the command of that name and is
/// idle again at once. It keeps the undo history of the table edits.
class CTableSetMaintTask : public ITaskDefinition
{
public:
    /// The states "IdleState", "CommandState" and "Entry"; from "IdleState" one transition per
    /// command that is registered (its event and command of the same name, the transition ids
    /// "0000" to "0018"); "CommandState" and "Entry" lead back to "IdleState" at once.
    void Define(ITask *task) override;
};

/// The task manager of the measurement-table document (its data object): it registers the
/// table commands and runs "TableSetMaintTask", whose undo history is that of the table edits.
class CTableSetTaskManager : public CTaskManager
{
public:
    CTableSetTaskManager();
    ~CTableSetTaskManager() override;

protected:
    void RegisterTaskTemplates() override;
    /// The built commands of morvane::tableSetCommandEntries(), in order.
    void RegisterCommands() override;
};
