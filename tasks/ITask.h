// Morvane command, task and undo engine.
// A running task as its definition, its commands and the program see it.
#pragma once

#include <string>

class CTaskManager;
class CUndoGroup;
class ICommandAttributes;

/// A task: a state chart of named states, sub-tasks and transitions, with its variables and
/// undo group. A definition builds the chart of a template through the Add and Set operations;
/// names are compared exactly. A definition call that names a state, transition id, template or
/// command that does not exist changes nothing and is reported once through the task manager's
/// diagnostic handler.
class ITask
{
public:
    virtual ~ITask() = default;

    /// Lets Undo and Redo act on this task and its undo tips name the records (default off).
    virtual void SetUndoEnabled(bool enabled) = 0;
    /// Instances keep no undo group of their own and record into the nearest enclosing task's
    /// group (default off; read when instances are made).
    virtual void SetUseParentUndo(bool useParentUndo) = 0;
    /// The task's variables.
    virtual ICommandAttributes *GetAttributes() = 0;
    virtual CTaskManager *GetTaskManager() const = 0;
    /// The task's own undo group, else the nearest enclosing task's.
    virtual CUndoGroup *GetUndoGroup() = 0;
    /// The innermost task: this one, or while its current state is a sub-task, that one's.
    virtual ITask *GetActiveTask() = 0;
    /// The named state (empty: the task itself, as a state of its parent) absorbs the event.
    virtual void AddIgnoredEvent(const std::string &state, const std::string &event) = 0;
    /// The text naming this task's handed-up group in its parent's undo tip.
    virtual void SetUndoToolTip(const std::string &text) = 0;
    virtual void SetRedoToolTip(const std::string &text) = 0;
    /// A state that waits for events; it becomes transient when its first transition has no
    /// event.
    virtual void AddState(const std::string &name, int index) = 0;
    /// Entering it ends the task, raising "On" + name in the enclosing charts.
    virtual void AddFinalState(const std::string &name, int index) = 0;
    /// Adds the transient state "Entry", whatever name is given.
    virtual void AddEntryState(const std::string &ignoredName, int index) = 0;
    /// Adds an instance of the named template (defined first if needed) as a state.
    virtual void AddSubTask(const std::string &name, const std::string &templateName,
                            int index) = 0;
    /// Adds a transition to state `from` (empty: the task itself, as a state of its parent).
    /// An empty event makes a completion transition, an empty guard always holds, an empty
    /// target makes an internal transition. The guard is parsed here, once.
    virtual void AddTransition(const std::string &from, const std::string &event,
                               const std::string &guard, const std::string &to,
                               const std::string &id) = 0;
    /// The transition with that id gets the registered command of that name.
    virtual void SetTransitionCommand(const std::string &id, const std::string &command) = 0;
    virtual void SetStateEntryCommand(const std::string &state, const std::string &command) = 0;
    virtual void SetStateExitCommand(const std::string &state, const std::string &command) = 0;
    /// The state's first transition on the event gets the registered command named like it.
    virtual void SetEventCommand(const std::string &state, const std::string &event) = 0;
    /// After its command, the transition with that id sends the event to the task manager.
    virtual void SetTransitionEvent(const std::string &id, const std::string &event) = 0;
    /// On reaching its final state the task hands control back to the state it was called
    /// from, instead of raising "On" + name.
    virtual void SetReturnToCaller(bool returnToCaller) = 0;
    /// The task manager's data object.
    virtual void *GetDataObject() const = 0;
    virtual std::string GetRedoToolTip() const = 0;
    virtual std::string GetUndoToolTip() const = 0;
    virtual std::string GetName() const = 0;
};
