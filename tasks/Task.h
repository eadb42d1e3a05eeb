// Morvane command, task and undo engine.
// A task: a state chart with variables and an undo group, itself a state of its parent's chart.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tasks/CommandAttributes.h"
#include "tasks/ITask.h"
#include "tasks/TaskState.h"

class CTaskManager;
class CUndoGroup;
class ITaskDefinition;

namespace morvane {

/// What a task does to its own undo group for one of the undo names it answers itself.
enum class UndoAction { HandUp, UndoAll, Clear };

} // namespace morvane

/// A task template (built once by its definition, never run) or a running instance (a deep
/// copy of a template, made by CTaskManager::MakeNewTask or, for sub-tasks, with its parent).
/// Instances keep their variables between runs; every entry starts again at "Entry".
class CTask : public CTaskState, public ITask
{
public:
    /// A template task of the manager, built by the definition (not owned).
    CTask(const std::string &name, int index, CTaskManager *manager,
          ITaskDefinition *definition);
    ~CTask() override;

    /// A new instance of a template: its chart, variables and settings copied, sub-tasks
    /// instantiated again, a new empty undo group unless the template uses its parent's. An
    /// instance without owner always gets a group of its own.
    static std::unique_ptr<CTask> Instantiate(const CTask &templateTask, const std::string &name,
                                              CTask *owner);

    // ITask
    void SetUndoEnabled(bool enabled) override { m_bUndoEnabled = enabled; }
    void SetUseParentUndo(bool useParentUndo) override { m_bUseParentUndo = useParentUndo; }
    CCommandAttributes *GetAttributes() override { return &m_oVariables; }
    CTaskManager *GetTaskManager() const override { return m_pTaskManager; }
    CUndoGroup *GetUndoGroup() override;
    CTask *GetActiveTask() override;
    void AddIgnoredEvent(const std::string &state, const std::string &event) override;
    void SetUndoToolTip(const std::string &text) override { m_sUndoToolTip = text; }
    void SetRedoToolTip(const std::string &text) override { m_sRedoToolTip = text; }
    void AddState(const std::string &name, int index) override;
    void AddFinalState(const std::string &name, int index) override;
    void AddEntryState(const std::string &ignoredName, int index) override;
    void AddSubTask(const std::string &name, const std::string &templateName,
                    int index) override;
    void AddTransition(const std::string &from, const std::string &event,
                       const std::string &guard, const std::string &to,
                       const std::string &id) override;
    void SetTransitionCommand(const std::string &id, const std::string &command) override;
    void SetStateEntryCommand(const std::string &state, const std::string &command) override;
    void SetStateExitCommand(const std::string &state, const std::string &command) override;
    void SetEventCommand(const std::string &state, const std::string &event) override;
    void SetTransitionEvent(const std::string &id, const std::string &event) override;
    void SetReturnToCaller(bool returnToCaller) override { m_bReturnToCaller = returnToCaller; }
    void *GetDataObject() const override;
    std::string GetRedoToolTip() const override { return m_sRedoToolTip; }
    std::string GetUndoToolTip() const override { return m_sUndoToolTip; }
    std::string GetName() const override { return CTaskState::GetName(); }

    // The task as a state of its parent's chart
    CTask *AsTask() override { return this; }
    /// The definition's CanStart.
    bool CanStart() override;
    /// Asks the current state first; then undoes one record of GetUndoGroup() when undo is
    /// enabled here.
    bool Undo() override;
    bool Redo() override;
    bool CanUndo() override;
    bool CanRedo() override;
    /// Asks the current state first, then the task's own transitions.
    bool GetEventState(const std::string &event, void *data, CUpdateEvent &update) override;
    /// Parent's OnStateEnter, definition's OnEnter, entry command, then "Entry".
    void StartState(void *data) override;
    /// Definition's OnExit, current state left, exit command, parent's OnStateExit.
    void EndState(void *data) override;
    /// Runs a command of this sub-task state: the current-task undo names act on this task's
    /// own group; other commands run in the parent task.
    bool ExecuteCommand(ICommand &command, void *data) override;
    /// Offers the event to the current state first (innermost first), then to the task's own
    /// transitions.
    bool HandleEvent(const std::string &event, void *data, bool &absorbed,
                     bool &commandResult) override;

    /// Runs a command as a plain state of this task does: checks IsEnabled, applies the
    /// parent-task undo names, else executes the command in this task.
    bool RunCommand(ICommand &command, void *data);
    /// Makes the named state current and enters it; nothing when there is no such state.
    void GoToState(const std::string &name, void *data);
    void GoToState(CTaskState &state, void *data);
    /// A final state was reached: offers the event to the task's own transitions, then to the
    /// enclosing tasks'; the main task restarts at "Entry" when nothing takes it, and reports
    /// that through the diagnostic handler.
    void RaiseEnd(const std::string &event, void *data);
    /// Enters a return-to-caller sub-task without leaving the current state.
    void CallSubTask(CTask &subTask, void *data);
    /// Ends a return-to-caller task: OnExit, exit command, and the parent's current state is
    /// the one it was called from again, not entered anew.
    void ReturnToCaller(void *data);

    /// The first state of that name, or null.
    CTaskState *FindState(const std::string &name) const;
    const std::vector<std::unique_ptr<CTaskState>> &GetStates() const { return m_oStates; }
    CTaskState *GetCurrentState() const { return m_pCurrentState; }
    ITaskDefinition *GetDefinition() const { return m_pDefinition; }
    CCommandAttributes &GetVariableStore() { return m_oVariables; }
    const CCommandAttributes &GetVariableStore() const { return m_oVariables; }
    bool IsUndoEnabled() const { return m_bUndoEnabled; }
    bool GetReturnToCaller() const { return m_bReturnToCaller; }
    bool IsDefined() const { return m_bDefined; }
    void SetDefined(bool defined) { m_bDefined = defined; }

    /// The group the task holds itself (none when it uses its parent's).
    CUndoGroup *GetOwnUndoGroup() const { return m_pUndoGroup; }
    /// Lets another group, owned elsewhere, stand in as the task's own while it lives; a
    /// composite command records its sub-commands this way. Pass the pointer that
    /// GetOwnUndoGroup() gave to put things back.
    void SetOwnUndoGroup(CUndoGroup *group) { m_pUndoGroup = group; }
    /// Hands the task's own group, without its redo side, to its parent's group as one record
    /// and starts a new empty one. A group with nothing applied is emptied instead (its undone steps cannot be redone
    /// later), after marking the parent's group modified when it counts as modified. Nothing
    /// for a task without parent or while a stand-in group is in place.
    void HandUpUndoGroup();

private:
    CTask(const CTask &templateTask, const std::string &name, CTask *owner);

    /// The task whose own group the parent-task undo names act on.
    CTask *nearestTaskWithOwnGroup();
    /// Hands up, undoes and empties, or empties the task's own group.
    void applyUndoAction(morvane::UndoAction action);
    CTaskState *findStateOrReport(const std::string &name, const char *operation);
    CTaskTransition *findTransitionOrReport(const std::string &id, const char *operation);
    ICommand *resolveCommand(const std::string &name);
    void report(const std::string &message) const;

    CTaskManager *m_pTaskManager = nullptr;
    CCommandAttributes m_oVariables;
    ITaskDefinition *m_pDefinition = nullptr;
    bool m_bUndoEnabled = false;
    bool m_bUseParentUndo = false;
    std::string m_sUndoToolTip;
    std::string m_sRedoToolTip;
    bool m_bDefined = false;
    bool m_bReturnToCaller = false;
    CTaskState *m_pReturnState = nullptr;
    CTaskState *m_pCurrentState = nullptr;
    std::vector<std::unique_ptr<CTaskState>> m_oStates;
    std::unique_ptr<CUndoGroup> m_pOwnedUndoGroup;
    // The group in use as the task's own: the owned one, or a stand-in.
    CUndoGroup *m_pUndoGroup = nullptr;
};
