// Morvane interactive tasks.
// "WorkspaceMainTask": the task of the main document's own task manager.
#include "app/taskdefs/WorkspaceMainTask.h"

#include "tasks/ICommandAttributes.h"

namespace morvane {

namespace {

constexpr VariableRow kVariables[] = {
    {"control", "0", kVisibleWritable},
    {"shift", "0", kVisibleWritable},
};

constexpr StateRow kStates[] = {
    {"Entry", StateType::Entry, 0},
    {"IdleState", StateType::Plain, 1},
    {"CommandState", StateType::Plain, 2},
};

constexpr TransitionRow kTransitions[] = {
    {"Entry", "", "", "IdleState"},
    {"IdleState", "InsertNewMask", "", "CommandState", "InsertNewMask"},
    {"IdleState", "DeleteGradeMask", "", "CommandState", "DeleteGradeMask"},
    {"IdleState", "InsertMaskFromFile", "", "CommandState", "InsertMaskFromFile"},
    {"IdleState", "SetActiveMask", "", "CommandState", "SetActiveMask"},
    {"IdleState", "LoadInputPatterns", "", "CommandState", "LoadInputPatterns"},
    {"IdleState", "SaveGrading", "", "CommandState", "SaveGrading"},
    {"IdleState", "Options", "", "CommandState", "Options"},
    {"IdleState", "CloseAllMasks", "", "CommandState", "CloseAllMasks"},
    {"CommandState", "", "", "IdleState"},
};

constexpr ChartSettings kSettings{.undoEnabled = true};

} // namespace

const ChartDeclaration &workspaceMainTaskChart()
{
    static const ChartDeclaration chart{kSettings, kVariables, kStates, kTransitions};
    return chart;
}

void CWorkspaceMainTask::Define(ITask *task)
{
    defineChart(task, workspaceMainTaskChart());
}

} // namespace morvane
