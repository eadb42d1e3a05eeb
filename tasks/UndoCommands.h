// Morvane command, task and undo engine.
// The eight built-in undo commands that menus and task charts run by name.
#pragma once

#include <memory>
#include <string>

#include "tasks/BaseCommand.h"

/// Base of the built-in undo commands: never recorded, repeating, not modifying; they succeed
/// without effect unless they say otherwise. All but "Undo" and "Redo" do their work by name
/// only, when a state of a task chart runs them: the task then acts on its own undo group or
/// its parent's instead of running the command.
template <class Self>
class CBuiltInUndoCommand : public CBaseCommand
{
public:
    std::unique_ptr<ICommand> Clone() const override
    {
        return std::make_unique<Self>(static_cast<const Self &>(*this));
    }
    bool OnExecute(void *) override { return true; }

protected:
    explicit CBuiltInUndoCommand(const std::string &name)
    {
        Create(name);
        SetAddToHistory(false);
    }
};

/// "Undo": undoes one step of the innermost active task that allows it; enabled when the task
/// manager can undo.
class CCmdUndo : public CBuiltInUndoCommand<CCmdUndo>
{
public:
    CCmdUndo() : CBuiltInUndoCommand("Undo") {}
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};

/// "Redo": redoes one step; enabled when the task manager can redo.
class CCmdRedo : public CBuiltInUndoCommand<CCmdRedo>
{
public:
    CCmdRedo() : CBuiltInUndoCommand("Redo") {}
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};

/// "UndoCurrentTask": the task undoes and empties its own group.
class CCmdUndoAll : public CBuiltInUndoCommand<CCmdUndoAll>
{
public:
    CCmdUndoAll() : CBuiltInUndoCommand("UndoCurrentTask") {}
};

/// "UndoParentTask": the task undoes and empties the group it runs in.
class CCmdUndoParentTask : public CBuiltInUndoCommand<CCmdUndoParentTask>
{
public:
    CCmdUndoParentTask() : CBuiltInUndoCommand("UndoParentTask") {}
};

/// "AddCurrentTaskUndo": the task hands its own group to its parent as one record.
class CCmdAddUndo : public CBuiltInUndoCommand<CCmdAddUndo>
{
public:
    CCmdAddUndo() : CBuiltInUndoCommand("AddCurrentTaskUndo") {}
};

/// "AddParentTaskUndo": the task whose state runs it hands its group to its parent.
class CCmdAddParentTaskUndo : public CBuiltInUndoCommand<CCmdAddParentTaskUndo>
{
public:
    CCmdAddParentTaskUndo() : CBuiltInUndoCommand("AddParentTaskUndo") {}
};

/// "ClearCurrentUndoTask": the task empties its own group without undoing.
class CCmdClearCurrentUndoTask : public CBuiltInUndoCommand<CCmdClearCurrentUndoTask>
{
public:
    CCmdClearCurrentUndoTask() : CBuiltInUndoCommand("ClearCurrentUndoTask") {}
};

/// "ClearParentUndoTask": the task whose state runs it empties its group without undoing.
class CCmdClearParentUndoTask : public CBuiltInUndoCommand<CCmdClearParentUndoTask>
{
public:
    CCmdClearParentUndoTask() : CBuiltInUndoCommand("ClearParentUndoTask") {}
};
