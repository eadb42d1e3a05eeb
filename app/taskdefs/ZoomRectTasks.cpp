// Morvane interactive tasks.
// The zoom tool: "ZoomRectTask" zooms one step in or out at a click or fits a dragged frame into
// the view; "ZoomToRectHistoryTask" repeats it while "repeatZoomRectangle" is on and then gives
// control back to the interrupted tool.
#include "app/taskdefs/ZoomRectTasks.h"

#include "app/interaction/CursorTable.h"
#include "app/taskdefs/TaskDocument.h"

#include <string_view>

using namespace morvane;

namespace {

constexpr StateRow kZoomStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1},
    {"RectangleFrameTask", StateType::SubTask, 2, "SetCapture", "ReleaseCapture"},
    {"UpZoomIn", StateType::Plain, 3},
    {"PressZoomIn", StateType::Plain, 4},
    {"UpZoomOut", StateType::Plain, 5},
    {"PressZoomOut", StateType::Plain, 6},
};

constexpr TransitionRow kZoomTransitions[] = {
    {"Entry", "", "control=0", "UpZoomIn"},
    {"Entry", "", "control", "UpZoomOut"},
    {"RectangleFrameTask", "OnExit", "", "Exit", "ZoomToRect"},
    {"RectangleFrameTask", "OnExitNullRect", "", "PressZoomIn"},
    {"UpZoomIn", "OnLButtonDownD", "", "PressZoomIn"},
    {"UpZoomIn", "OnKeyDown", "control", "UpZoomOut"},
    {"PressZoomIn", "OnMouseMoveD", "dist>3", "RectangleFrameTask"},
    {"PressZoomIn", "OnLButtonUpD", "", "Exit", "ZoomIn"},
    {"UpZoomOut", "OnKeyUp", "control=0", "UpZoomIn"},
    {"UpZoomOut", "OnLButtonDownD", "", "PressZoomOut"},
    {"PressZoomOut", "OnLButtonUpD", "", "Exit", "ZoomOut"},
};

constexpr StateRow kHistoryStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1},
    {"ZoomRectTask", StateType::SubTask, 2},
};

// The guarded transition comes first: it wins while the repeat option is on.
constexpr TransitionRow kHistoryTransitions[] = {
    {"Entry", "", "", "ZoomRectTask"},
    {"ZoomRectTask", "OnExit", "repeatZoomRectangle", "ZoomRectTask"},
    {"ZoomRectTask", "OnExit", "", "Exit"},
    {"ZoomRectTask", "OnCancel", "", "Exit"},
};

/// The cursor of the zoom tool's state; none for a state that keeps the cursor.
int cursorOfState(std::string_view state)
{
    if (state == "RectangleFrameTask" || state == "UpZoomIn" || state == "PressZoomIn")
        return CZoomRectTask::kZoomInCursor;
    if (state == "UpZoomOut" || state == "PressZoomOut")
        return CZoomRectTask::kZoomOutCursor;
    return -1;
}

} // namespace

const ChartDeclaration &CZoomRectTask::Chart()
{
    static const ChartDeclaration chart{{}, {}, kZoomStates, kZoomTransitions};
    return chart;
}

void CZoomRectTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CZoomRectTask::OnEnter(ITask *task)
{
    if (CCursorTable *cursors = documentCursorTable(task))
        cursors->ClearModeCursors();
}

void CZoomRectTask::OnStateEnter(ITask *task, const std::string &stateName, int)
{
    const int cursor = cursorOfState(stateName);
    CCursorTable *cursors = documentCursorTable(task);
    if (cursor >= 0 && cursors != nullptr)
        cursors->SetDefaultCursor(cursor);
}

const ChartDeclaration &CZoomToRectHistoryTask::Chart()
{
    static const ChartDeclaration chart{
        {.returnToCaller = true}, {}, kHistoryStates, kHistoryTransitions};
    return chart;
}

void CZoomToRectHistoryTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CZoomToRectHistoryTask::OnExit(ITask *task)
{
    if (CCursorTable *cursors = documentCursorTable(task))
        CCursorTable::FillModeCursors(*cursors);
}
