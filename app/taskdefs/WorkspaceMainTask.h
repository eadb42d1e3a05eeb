// Morvane interactive tasks.
// "WorkspaceMainTask": the task of the main document's own task manager.
#pragma once

#include "app/taskdefs/ChartDeclaration.h"
#include "tasks/ITaskDefinition.h"

namespace morvane {

/// The chart of "WorkspaceMainTask": "IdleState" takes each of the document's commands by its
/// own name, runs it, and is back before the dispatch returns. It keeps its own undo history
/// and the variables "control" and "shift", which the main window writes while no mask is
/// active.
const ChartDeclaration &workspaceMainTaskChart();

/// The definition of "WorkspaceMainTask": the chart, and the base's hooks.
class CWorkspaceMainTask : public ITaskDefinition
{
public:
    void Define(ITask *task) override;
};

} // namespace morvane
