// Morvane interactive tasks.
// The chart of a task template declared as tables of states and transitions.
#include "app/taskdefs/ChartDeclaration.h"

#include "foundation/TextFormat.h"
#include "lang/ResourceText.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"
#include "tasks/TaskManager.h"

#include <unordered_set>

namespace morvane {

namespace {

/// Declares one chart on one task, leaving out what the task's manager awaits.
class ChartWriter
{
public:
    explicit ChartWriter(ITask *task)
        : m_task(task)
        , m_manager(task->GetTaskManager())
        , m_awaited(dynamic_cast<const IAwaitedRegistrations *>(m_manager))
    {
    }

    void writeSettings(const ChartSettings &settings)
    {
        m_task->SetUndoEnabled(settings.undoEnabled);
        m_task->SetUseParentUndo(settings.sharedUndo);
        if (settings.returnToCaller)
            m_task->SetReturnToCaller(true);
        if (settings.undoTextId)
            m_task->SetUndoToolTip(loadString(settings.undoTextId));
        if (settings.redoTextId)
            m_task->SetRedoToolTip(loadString(settings.redoTextId));
    }

    void writeVariable(const VariableRow &row)
    {
        m_task->GetAttributes()->AddVariable(row.name, row.initialValue, row.visibility);
    }

    void writeState(const StateRow &row)
    {
        const std::string name(row.name);
        switch (row.type) {
        case StateType::Entry:
            m_task->AddEntryState(name, row.number);
            break;
        case StateType::Exit:
            m_task->AddFinalState(name, row.number);
            break;
        case StateType::Plain:
            m_task->AddState(name, row.number);
            break;
        case StateType::SubTask:
            if (m_manager->FindTask(name) < 0 && isAwaited(name)) {
                m_leftOut.insert(name);
                return;
            }
            m_task->AddSubTask(name, name, row.number);
            break;
        }
        const std::string stateName = row.type == StateType::Entry ? "Entry" : name;
        if (bindable(row.entryCommand))
            m_task->SetStateEntryCommand(stateName, std::string(row.entryCommand));
        if (bindable(row.exitCommand))
            m_task->SetStateExitCommand(stateName, std::string(row.exitCommand));
    }

    void writeTransition(const TransitionRow &row, int place)
    {
        if (m_leftOut.count(std::string(row.from)) || m_leftOut.count(std::string(row.to)))
            return;
        const std::string id = chartTransitionId(place);
        m_task->AddTransition(std::string(row.from), std::string(row.event),
                              std::string(row.guard), std::string(row.to), id);
        if (bindable(row.command))
            m_task->SetTransitionCommand(id, std::string(row.command));
    }

private:
    bool isAwaited(const std::string &name) const
    {
        return m_awaited && m_awaited->IsAwaited(name);
    }
    /// A command name to bind: not empty, and registered or unknown to the manager's table
    /// (the engine then reports it).
    bool bindable(std::string_view command) const
    {
        if (command.empty())
            return false;
        const std::string name(command);
        return m_manager->GetCommand(name) || !isAwaited(name);
    }

    ITask *m_task;
    CTaskManager *m_manager;
    const IAwaitedRegistrations *m_awaited;
    // Sub-task states of awaited templates, with every transition from or to them.
    std::unordered_set<std::string> m_leftOut;
};

} // namespace

void defineChart(ITask *task, const ChartDeclaration &chart)
{
    ChartWriter writer(task);
    writer.writeSettings(chart.settings);
    for (const VariableRow &row : chart.variables)
        writer.writeVariable(row);
    for (const StateRow &row : chart.states)
        writer.writeState(row);
    int place = 0;
    for (const TransitionRow &row : chart.transitions)
        writer.writeTransition(row, place++);
}

std::string chartTransitionId(int place)
{
    return format("%08X%04X", static_cast<unsigned>(place / 1000),
                  static_cast<unsigned>(place % 1000));
}

} // namespace morvane
