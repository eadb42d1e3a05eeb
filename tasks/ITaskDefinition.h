// Morvane command, task and undo engine.
// A task template's definition: builds its state chart once and hears what its tasks do.
#pragma once

#include <string>

class ITask;

/// Describes one task template. The task manager owns the definition, shares it between the
/// template and all its instances, and calls Define once to build the chart. Every hook but
/// Define has a neutral default.
class ITaskDefinition
{
public:
    virtual ~ITaskDefinition() = default;

    /// Builds the chart: variables, undo settings, states, transitions and their commands.
    virtual void Define(ITask *task) = 0;
    /// Right after Define.
    virtual void OnDefined(ITask *) {}
    /// When an instance is entered, before its entry command.
    virtual void OnEnter(ITask *) {}
    /// When an instance is left, before its current state is left.
    virtual void OnExit(ITask *) {}
    /// After every record, undo or redo in the task's undo group.
    virtual void OnUndoHistoryChanged(ITask *) {}
    /// Whenever the answer of the task's undo group's IsModified changed.
    virtual void OnModifiedChanged(ITask *) {}
    /// Before a transition into this task fires; false refuses the transition.
    virtual bool CanStart(ITask *) { return true; }
    /// When a state of the task is entered, before its entry command.
    virtual void OnStateEnter(ITask *, const std::string & /*stateName*/, int /*index*/) {}
    /// After a state of the task has run its exit command.
    virtual void OnStateExit(ITask *, const std::string & /*stateName*/, int /*index*/) {}
    /// The answer of the guard word "enabled" for an event of the task ("disabled" negates it).
    virtual bool IsEventEnabled(ITask *, const std::string & /*event*/) { return false; }
};
