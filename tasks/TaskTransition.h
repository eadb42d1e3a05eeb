// Morvane command, task and undo engine.
// A guarded transition of a state chart, with its command and send event.
#pragma once

#include <string>
#include <vector>

#include "tasks/TransitionCondition.h"

class CTask;
class CTaskState;
class ICommand;
struct CUpdateEvent;

/// A transition leaving a state: on its event (none for a completion transition), when its
/// guard holds, it leaves the state, runs its command, sends its send event and enters its
/// target (none for an internal transition, which changes no state).
class CTaskTransition
{
public:
    /// Parses the guard text once.
    CTaskTransition(CTaskState *owner, std::string event, std::string guard, std::string target,
                    std::string id);
    /// A copy of another transition leaving `owner`; the target is resolved again.
    CTaskTransition(const CTaskTransition &other, CTaskState *owner);

    const std::string &GetEvent() const { return m_sEvent; }
    const std::string &GetGuardText() const { return m_sGuard; }
    const std::string &GetTarget() const { return m_sTarget; }
    const std::string &GetId() const { return m_sId; }
    ICommand *GetCommand() const { return m_pCommand; }
    /// A registered prototype, or null for none.
    void SetCommand(ICommand *command) { m_pCommand = command; }
    void SetSendEvent(const std::string &event) { m_sSendEvent = event; }

    /// Looks the target up among the states of the chart that holds the owner state. A
    /// transition whose target names no state there never fires.
    void ResolveTarget(CTask &chart);

    /// Whether the transition may fire now: its target exists and can start (a target that
    /// cannot start refuses it whatever the guard says), and its guard holds.
    bool IsGuardTrue() const;
    /// Fires when the guard holds. commandResult gets the command's result (false without a
    /// command or when the command is disabled). Answers whether it fired.
    bool Fire(void *data, bool &commandResult);
    /// Whether the transition would fire for this event, without changing anything. With a
    /// command, sets update.m_bEnabled to its IsEnabled and answers that when the command is
    /// named like the event, else true.
    bool GetEventState(const std::string &event, void *data, CUpdateEvent &update) const;

private:
    /// The task whose variables the guard reads and whose command runs: the chart holding the
    /// owner state (for the main task, the main task itself).
    CTask &readingTask() const;

    std::string m_sTarget;
    ICommand *m_pCommand = nullptr;
    std::string m_sEvent;
    CTaskState *m_pOwnerState = nullptr;
    std::vector<CTransitionCondition> m_oConditions;
    std::string m_sSendEvent;
    std::string m_sGuard;
    std::string m_sId;
    CTaskState *m_pTargetState = nullptr;
};
