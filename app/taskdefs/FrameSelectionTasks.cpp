// Morvane interactive tasks.
// "RectangleFrameTask" and "MultiSelectionTask": the frame dragged in free space, and one click
// with Ctrl or Shift held that adds to the selection or takes out of it.
#include "app/taskdefs/FrameSelectionTasks.h"

#include "app/documents/IDocumentServices.h"
#include "app/taskdefs/TaskDocument.h"
#include "app/taskdefs/ViewFunctionCommands.h"

using namespace morvane;

namespace {

// "Entry" is numbered 1 in this chart.
constexpr StateRow kFrameStates[] = {
    {"Entry", StateType::Entry, 1},
    {"Exit", StateType::Exit, 2},
    {"PressRectState", StateType::Plain, 3},
    {"UpdateFrameRect", StateType::Plain, 4},
    {"ExitNullRect", StateType::Exit, 5},
};

// A comma joins alternatives: "dist<3,dist=3" holds while "dist" is at most 3.
constexpr TransitionRow kFrameTransitions[] = {
    {"Entry", "", "", "PressRectState", "InitializeFrameRect"},
    {"PressRectState", "OnLButtonUpD", "", "Exit"},
    {"PressRectState", "OnMouseMoveD", "", "UpdateFrameRect", "UpdateFrameRect"},
    {"UpdateFrameRect", "", "dist>3", "PressRectState"},
    {"UpdateFrameRect", "", "dist<3,dist=3", "ExitNullRect"},
};

constexpr StateRow kMultiSelectionStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1},
    {"PressNoActiveState", StateType::Plain, 2, "AddFocusToSelection"},
    {"PressActiveState", StateType::Plain, 3, "RemoveFocusFromSelection"},
};

constexpr TransitionRow kMultiSelectionTransitions[] = {
    {"Entry", "", "bIsActiveFocused=0", "PressNoActiveState"},
    {"Entry", "", "bIsActiveFocused", "PressActiveState"},
    {"PressNoActiveState", "OnLButtonUpD", "", "Exit"},
    {"PressActiveState", "OnLButtonUpD", "", "Exit"},
};

} // namespace

const ChartDeclaration &CRectangleFrameTask::Chart()
{
    static const ChartDeclaration chart{{}, {}, kFrameStates, kFrameTransitions};
    return chart;
}

void CRectangleFrameTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CRectangleFrameTask::OnEnter(ITask *task)
{
    if (IDocumentServices *services = documentServices(task))
        services->SetExtentFlag(true);
}

void CRectangleFrameTask::OnExit(ITask *task)
{
    HideFrameRect(task, nullptr);
}

const ChartDeclaration &CMultiSelectionTask::Chart()
{
    static const ChartDeclaration chart{{}, {}, kMultiSelectionStates, kMultiSelectionTransitions};
    return chart;
}

void CMultiSelectionTask::Define(ITask *task)
{
    defineChart(task, Chart());
}
