// Morvane main window, view and interaction, tests.
// A task manager whose current task records the events it takes and the main task's variables.
#pragma once

#include "app/documents/EventRecords.h"
#include "app/taskdefs/MaskTaskManager.h"
#include "tasks/ITaskDefinition.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testview {

/// One event the current task took: its name, the main task's "dist", "control" and "shift"
/// then, the nested task's own "control", and the mouse record when it came with one.
struct TakenEvent
{
    std::string name;
    int dist;
    int control;
    int shift;
    int nestedControl;
    std::optional<VIEW_MOUSE_PARAM> mouse;
    std::optional<PopupMenuPoint> screenPoint;
};

/// A grade mask's task manager whose main task "Main" (declaring "dist", "control" and "shift",
/// each -1) runs the nested "Tool", which declares a "control" of its own (-1) and takes the
/// four mouse events, "ShowPopupMenu" and "CopySelectedObjects", recording each.
class RecordingTaskManager : public CMaskTaskManager
{
public:

    /// The main task's integer variable.
    int mainVariable(const char *name) const;

    std::vector<TakenEvent> taken;

protected:
    void RegisterCommands() override;
    void RegisterTaskTemplates() override;

private:
    bool record(ITask *task, void *data);
};

} // namespace testview
