// Morvane command, task and undo engine.
// The interface of every named command: registered once as a prototype, cloned for each run.
#pragma once

#include <memory>
#include <string>

#include "tasks/IUndoRecord.h"

class ICommandAttributes;
class ITask;

/// A named command. The task manager keeps one registered prototype per name; every execution
/// runs a fresh clone, and a clone that asks for it stays in the task's undo group.
class ICommand : public IUndoRecord
{
public:
    /// A new object of the command's own class carrying all of this one's fields.
    virtual std::unique_ptr<ICommand> Clone() const = 0;
    /// Runs a clone of this command in the task's current undo group, which records the clone
    /// when it succeeded and asks to be kept. Does not check IsEnabled. Answers the clone's
    /// OnExecute result.
    virtual bool Execute(ITask *task, void *data) = 0;
    /// The command's own work; true means success.
    virtual bool OnExecute(void *data) = 0;
    /// Whether the command may run now with this data.
    virtual bool IsEnabled(void *data) = 0;
    /// Whether an executed clone enters the undo group.
    virtual bool GetAddToHistory() const = 0;
    virtual void SetUndoToolTip(const std::string &toolTip) = 0;
    virtual void SetRedoToolTip(const std::string &toolTip) = 0;
    /// The variables of the command's task; null while the command has no task.
    virtual ICommandAttributes *GetAttributes() const = 0;
    /// Called at the end of Create.
    virtual void OnCreate() = 0;
    /// Names the command and sets the default tool tips.
    virtual void Create(const std::string &name) = 0;
    /// Sets the command's task, then answers IsEnabled(data).
    virtual bool IsEnabled(ITask *task, void *data) = 0;
};
