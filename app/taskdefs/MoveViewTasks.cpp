// Morvane interactive tasks.
// The hand tool: "MoveViewTask" pans the view while the button is held, "MoveViewHistoryTask"
// repeats it while "repeatMoveView" is on and then gives control back to the interrupted tool.
#include "app/taskdefs/MoveViewTasks.h"

#include "app/interaction/CursorTable.h"
#include "app/taskdefs/TaskDocument.h"

using namespace morvane;

namespace {

constexpr StateRow kMoveViewStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1},
    {"SelectPositionState", StateType::Plain, 2},
    {"ChangeViewCenterState", StateType::Plain, 3},
};

constexpr TransitionRow kMoveViewTransitions[] = {
    {"Entry", "", "", "SelectPositionState"},
    {"SelectPositionState", "OnLButtonDownD", "", "ChangeViewCenterState"},
    {"ChangeViewCenterState", "OnLButtonUpD", "", "Exit"},
    {"ChangeViewCenterState", "OnMouseMoveD", "", "ChangeViewCenterState", "ChangeViewCenter"},
};

constexpr StateRow kHistoryStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1},
    {"MoveViewTask", StateType::SubTask, 2},
};

constexpr TransitionRow kHistoryTransitions[] = {
    {"Entry", "", "", "MoveViewTask"},
    {"MoveViewTask", "OnExit", "repeatMoveView=0", "Exit"},
    {"MoveViewTask", "OnCancel", "", "Exit"},
    {"MoveViewTask", "OnExit", "repeatMoveView", "MoveViewTask"},
};

} // namespace

const ChartDeclaration &CMoveViewTask::Chart()
{
    static const ChartDeclaration chart{{}, {}, kMoveViewStates, kMoveViewTransitions};
    return chart;
}

void CMoveViewTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CMoveViewTask::OnEnter(ITask *task)
{
    if (CCursorTable *cursors = documentCursorTable(task)) {
        cursors->ClearModeCursors();
        cursors->SetDefaultCursor(kHandCursor);
    }
}

void CMoveViewTask::OnExit(ITask *task)
{
    if (CCursorTable *cursors = documentCursorTable(task))
        cursors->ClearModeCursors();
}

const ChartDeclaration &CMoveViewHistoryTask::Chart()
{
    static const ChartDeclaration chart{
        {.returnToCaller = true}, {}, kHistoryStates, kHistoryTransitions};
    return chart;
}

void CMoveViewHistoryTask::Define(ITask *task)
{
    defineChart(task, Chart());
}
