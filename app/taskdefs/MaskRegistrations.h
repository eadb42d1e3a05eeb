// Morvane interactive tasks.
// The commands and task templates that every grade mask's task manager registers, in order.
#pragma once

#include "tasks/IUndoRecord.h"

#include <memory>
#include <span>
#include <string_view>

class CBaseCommand;
class ITask;
class ITaskDefinition;

namespace morvane {

/// A command of a grade mask's task manager: an object of a command class, or a function.
struct MaskCommandEntry
{
    enum Kind { Object, Function };
    using ObjectMaker = std::unique_ptr<CBaseCommand> (*)();
    using FunctionCommand = bool (*)(ITask *task, void *data);

    std::string_view name;
    Kind kind;
    /// Makes the command object; null while its class is not built.
    ObjectMaker makeObject = nullptr;
    /// The work of a function command; null while it is not built.
    FunctionCommand execute = nullptr;
    /// What a function command's run does to the undo history.
    COMMAND_MODIFY_TYPE modifyType = CMT_NO_MODIFY;

    bool isBuilt() const { return makeObject || execute; }
};

/// A task template of a grade mask's task manager.
struct MaskTemplateEntry
{
    using DefinitionMaker = std::unique_ptr<ITaskDefinition> (*)();

    std::string_view name;
    /// Makes the template's definition; null while it is not built.
    DefinitionMaker makeDefinition = nullptr;
};

/// The 168 commands, in the order they are registered; those not built yet are listed too.
std::span<const MaskCommandEntry> maskCommandEntries();
/// The 39 task templates, in the order they are registered, "MainTask" first.
std::span<const MaskTemplateEntry> maskTemplateEntries();

} // namespace morvane
