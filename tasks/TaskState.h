// Morvane command, task and undo engine.
// A state of a task's chart: its transitions, commands, ignored events and kind.
#pragma once

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "tasks/TaskTransition.h"

class CTask;
class ICommand;
struct CUpdateEvent;

namespace morvane {

/// What a state does when it is entered.
enum class StateKind {
    Entry = 0,     ///< "Entry": takes a completion transition at once
    Final = 1,     ///< ends its task, raising "On" + its name
    Normal = 2,    ///< waits for events
    SubTask = 3,   ///< a task: enters its chart
    Transient = 4, ///< a normal state whose first transition has no event
};

} // namespace morvane

/// A plain state of a chart. CTask derives from it: a task is the sub-task state that
/// represents it in its parent's chart.
class CTaskState
{
public:
    /// A state of the owner task's chart (null owner: a task that has no parent).
    CTaskState(std::string name, morvane::StateKind kind, int index, CTask *owner);
    /// A copy of another state for another owner, renamed; transitions are copied leaving the
    /// copy.
    CTaskState(const CTaskState &other, std::string name, CTask *owner);
    virtual ~CTaskState();
    CTaskState(const CTaskState &) = delete;
    CTaskState &operator=(const CTaskState &) = delete;

    const std::string &GetName() const { return m_sName; }
    morvane::StateKind GetKind() const { return m_eKind; }
    int GetIndex() const { return m_nIndex; }
    void SetIndex(int index) { m_nIndex = index; }
    /// The task whose chart holds the state; null for a task without parent.
    CTask *GetOwnerTask() const { return m_pOwnerTask; }
    ICommand *GetEntryCommand() const { return m_pEntryCommand; }
    void SetEntryCommand(ICommand *command) { m_pEntryCommand = command; }
    ICommand *GetExitCommand() const { return m_pExitCommand; }
    void SetExitCommand(ICommand *command) { m_pExitCommand = command; }
    void AddIgnoredEvent(const std::string &event) { m_oIgnoredEvents.insert(event); }
    bool IsIgnoredEvent(const std::string &event) const;

    /// Appends a transition; the first one without an event turns a normal state transient.
    CTaskTransition &AddTransition(const std::string &event, const std::string &guard,
                                   const std::string &target, const std::string &id);
    std::vector<CTaskTransition> &GetTransitions() { return m_oTransitions; }
    const std::vector<CTaskTransition> &GetTransitions() const { return m_oTransitions; }
    /// The transition with that id, or null.
    CTaskTransition *FindTransition(const std::string &id);

    /// The task this state is, or null for a plain state.
    virtual CTask *AsTask() { return nullptr; }
    /// Whether a transition into the state may fire.
    virtual bool CanStart() { return true; }
    virtual bool Undo() { return false; }
    virtual bool Redo() { return false; }
    virtual bool CanUndo() { return false; }
    virtual bool CanRedo() { return false; }
    /// Answers whether a transition would be taken for the event; changes nothing.
    virtual bool GetEventState(const std::string &event, void *data, CUpdateEvent &update);
    /// Enters the state: hooks, entry command, then by kind.
    virtual void StartState(void *data);
    /// Leaves the state: exit command, then hooks. A state is left once per entry: leaving it
    /// again before it is entered anew does nothing.
    virtual void EndState(void *data);
    /// Runs a command from this state (entry, exit or transition command) by the task's undo
    /// rules. Answers the command's result; false when it is disabled.
    virtual bool ExecuteCommand(ICommand &command, void *data);
    /// Offers the event to the state's transitions in order; the first that fires ends the
    /// search. An ignored event sets absorbed; nothing is tried once absorbed is set.
    virtual bool HandleEvent(const std::string &event, void *data, bool &absorbed,
                             bool &commandResult);

protected:
    bool IsActive() const { return m_bActive; }
    void SetActive(bool active) { m_bActive = active; }

private:
    void takeCompletionTransition(void *data);

    std::string m_sName;
    std::vector<CTaskTransition> m_oTransitions;
    std::unordered_set<std::string> m_oIgnoredEvents;
    int m_nIndex = -1;
    ICommand *m_pEntryCommand = nullptr;
    ICommand *m_pExitCommand = nullptr;
    CTask *m_pOwnerTask = nullptr;
    morvane::StateKind m_eKind = morvane::StateKind::Normal;
    // Entered and not yet left.
    bool m_bActive = false;
};
