// Morvane interactive tasks.
// The chart of a task template declared as tables of states and transitions.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class ITask;

namespace morvane {

/// What a declared state is. A plain state whose first transition has no event decides at
/// once when it is entered (the engine makes it transient).
enum class StateType {
    Entry,   ///< "Entry", where every run starts
    Exit,    ///< ends the task, which raises "On" + its name in the charts around it
    Plain,   ///< waits for events, or decides at once
    SubTask, ///< runs the template of the same name
};

/// One state of a chart, with the commands run when it is entered and when it is left.
struct StateRow
{
    std::string_view name;
    StateType type;
    int number;
    std::string_view entryCommand = {};
    std::string_view exitCommand = {};
};

/// One transition: on `event` (empty: when `from` is entered) while `guard` holds (empty:
/// always; in the engine's guard language), leave `from`, run `command` (empty: none) and enter
/// `to` (empty: stay, leaving nothing).
struct TransitionRow
{
    std::string_view from;
    std::string_view event;
    std::string_view guard;
    std::string_view to;
    std::string_view command = {};
};

/// One variable of the task: its name, its initial text and its visibility to sub-tasks (a
/// morvane::VariableVisibility).
struct VariableRow
{
    std::string_view name;
    std::string_view initialValue;
    int visibility;
};

/// How a task keeps its undo steps and names itself in its parent's undo list.
struct ChartSettings
{
    /// Undo and Redo act on the task's steps while it is the innermost task.
    bool undoEnabled = false;
    /// The task records into the nearest enclosing task's list instead of its own.
    bool sharedUndo = false;
    /// At its end the task gives control back to the state it was called from.
    bool returnToCaller = false;
    /// String resources naming the finished task in its parent's undo and redo tips (0: none).
    uint32_t undoTextId = 0;
    uint32_t redoTextId = 0;
};

/// The whole chart of a template, in the order the template's description gives it.
struct ChartDeclaration
{
    ChartSettings settings;
    std::span<const VariableRow> variables;
    std::span<const StateRow> states;
    std::span<const TransitionRow> transitions;
};

/// A task manager whose registration table names commands and templates whose classes are not
/// built yet. A chart leaves out what its manager awaits, quietly: a sub-task state of an
/// awaited template is not created (so its transitions are left out too, and their events
/// are not taken), and an awaited command is bound to nothing.
class IAwaitedRegistrations
{
public:
    virtual ~IAwaitedRegistrations() = default;
    /// The name is in the table, but no class for it is registered yet.
    virtual bool IsAwaited(const std::string &name) const = 0;
};

/// Declares the chart on the task, for a template's Define: the settings, the undo and redo
/// texts, the variables, the states each followed by its commands, then the transitions each
/// followed by its command. Each transition gets an id of its own within the task (twelve
/// upper-case hexadecimal digits, a count of transitions spread as seconds and milliseconds),
/// so no two can share a command. Names the engine does not know (and the manager does not
/// await) are reported through the task manager's diagnostic handler.
void defineChart(ITask *task, const ChartDeclaration &chart);

/// The id defineChart gives the transition at that place in its table.
std::string chartTransitionId(int place);

} // namespace morvane
