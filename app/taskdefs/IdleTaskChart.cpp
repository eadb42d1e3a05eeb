// Morvane interactive tasks.
// The chart of "IdleTask": it follows the pointer between tools, picks what is pressed, frames
// and starts the next tool through one of its five ends.
#include "app/taskdefs/IdleTask.h"

#include "tasks/ICommandAttributes.h"

namespace morvane {

namespace {

constexpr VariableRow kVariables[] = {
    {"pFocusManager", "0", kVisibleReadOnly},
};

// Plain states whose first transition has no event decide at once. The five exit states each
// end the task with "On" + their name, which starts that tool in the main task.
constexpr StateRow kStates[] = {
    {"Entry", StateType::Entry, 0},
    {"IdleState", StateType::Plain, 1, "FindFocusObject"},
    {"OverMaskCenter", StateType::Plain, 2},
    {"MoveCenter", StateType::Exit, 3},
    {"OverFreeSpace", StateType::Plain, 4},
    {"DragInFreeSpace", StateType::Plain, 5},
    {"OverRegion", StateType::Plain, 6},
    {"PressNotActiveRegion", StateType::Plain, 7},
    {"OverPatternPolyline", StateType::Plain, 8},
    {"OverPatternPivotPoint", StateType::Plain, 9},
    {"OverPatternPoint", StateType::Plain, 10},
    {"PressNotActivePattern", StateType::Plain, 11},
    {"FocusDispatchState", StateType::Plain, 12},
    {"MultiSelectionTask", StateType::SubTask, 13},
    {"CheckPatternControl", StateType::Plain, 14},
    {"NewState5", StateType::Plain, 15},
    {"NewState4", StateType::Plain, 16},
    {"PressMultiselection", StateType::Plain, 17},
    {"CheckRegionControl", StateType::Plain, 18},
    {"NewState6", StateType::Plain, 19},
    {"CheckFreeSpaceControl", StateType::Plain, 20},
    {"CheckCenterControl", StateType::Plain, 21},
    {"CheckCenterAcivity", StateType::Plain, 22},
    {"PresNoActiveCenter", StateType::Plain, 23},
    {"PressActiveCenter", StateType::Plain, 24},
    {"CheckPatternSelectionMode", StateType::Plain, 25},
    {"MoveSelection", StateType::Exit, 26},
    {"RectangleFrameTask", StateType::SubTask, 27, "SetCapture", "ReleaseCapture"},
    {"ShowPopupMenu", StateType::Plain, 28},
    {"RotateSelection", StateType::Exit, 29},
    {"MovePivotPoint", StateType::Exit, 30},
    {"EditRegion", StateType::Exit, 31},
    {"EditRegionDispatchState", StateType::Plain, 32},
};

constexpr TransitionRow kTransitions[] = {
    {"Entry", "", "", "FocusDispatchState"},

    {"IdleState", "", "", "FocusDispatchState"},

    {"OverMaskCenter", "OnMouseMoveD", "", "IdleState"},
    {"OverMaskCenter", "OnLButtonDownD", "", "CheckCenterControl"},

    {"OverFreeSpace", "OnMouseMoveD", "", "IdleState"},
    {"OverFreeSpace", "OnLButtonDownD", "", "CheckFreeSpaceControl"},

    {"DragInFreeSpace", "OnLButtonUpD", "", "IdleState"},
    {"DragInFreeSpace", "OnMouseMoveD", "dist>3", "RectangleFrameTask"},

    {"OverRegion", "OnMouseMoveD", "", "IdleState"},
    {"OverRegion", "OnLButtonDownD", "", "CheckRegionControl"},

    {"PressNotActiveRegion", "OnLButtonUpD", "", "IdleState"},
    {"PressNotActiveRegion", "OnMouseMoveD",
     "dist>3;bAutoRotate;nSelectionMode=0", "RotateSelection"},
    {"PressNotActiveRegion", "OnMouseMoveD",
     "dist>3;bAutoMove;nSelectionMode=0;bAutoRotate=0", "EditRegionDispatchState"},

    {"OverPatternPolyline", "OnMouseMoveD", "", "IdleState"},
    {"OverPatternPolyline", "OnLButtonDownD", "", "CheckPatternControl"},

    {"OverPatternPivotPoint", "OnMouseMoveD", "", "IdleState"},
    {"OverPatternPivotPoint", "OnLButtonDownD", "", "MovePivotPoint"},

    {"OverPatternPoint", "OnMouseMoveD", "", "IdleState"},
    {"OverPatternPoint", "OnLButtonDownD", "", "CheckPatternControl"},

    {"PressNotActivePattern", "OnLButtonUpD", "", "IdleState"},
    {"PressNotActivePattern", "OnMouseMoveD",
     "dist>3;bAutoMove;nSelectionMode=0;bAutoRotate=0", "MoveSelection"},
    {"PressNotActivePattern", "OnMouseMoveD",
     "dist>3;bAutoRotate;nSelectionMode=0", "RotateSelection"},

    {"FocusDispatchState", "", "nFocusObjectType=2", "OverPatternPivotPoint"},
    {"FocusDispatchState", "", "nFocusObjectType=10", "OverPatternPoint"},
    {"FocusDispatchState", "", "nFocusObjectType=9", "OverPatternPolyline"},
    {"FocusDispatchState", "", "", "OverFreeSpace"},
    {"FocusDispatchState", "", "nFocusObjectType=3", "OverRegion"},
    {"FocusDispatchState", "", "nFocusObjectType=8", "OverMaskCenter"},

    {"MultiSelectionTask", "OnExit", "", "IdleState", "UpdateFocusManager"},

    {"CheckPatternControl", "", "control=0;shift=0", "NewState5"},
    {"CheckPatternControl", "", "control,shift", "CheckPatternSelectionMode"},

    {"NewState5", "", "", "NewState4", "SetActiveObject"},
    {"NewState5", "", "bIsActiveFocused=1;nActiveObjectType=11", "PressMultiselection"},

    {"NewState4", "", "", "PressNotActivePattern", "UpdateFocusManager"},

    {"PressMultiselection", "", "bAutoRotate=0;bAutoMove=0", "IdleState"},
    {"PressMultiselection", "", "bAutoRotate=0;bAutoMove;nSelectionMode=0", "MoveSelection"},
    {"PressMultiselection", "", "bAutoRotate;nSelectionMode=0", "RotateSelection"},
    // A press on the multiple selection in another selection mode goes back to hovering.
    {"PressMultiselection", "", "", "IdleState"},

    {"CheckRegionControl", "", "control=0;shift=0", "NewState6"},
    {"CheckRegionControl", "", "control,shift", "CheckPatternSelectionMode"},

    {"NewState6", "", "", "PressNotActiveRegion", "SetActiveObject"},
    {"NewState6", "", "bIsActiveFocused=1;nActiveObjectType=11", "PressMultiselection"},

    {"CheckFreeSpaceControl", "", "control=0;shift=0", "DragInFreeSpace", "SetActiveObject"},
    {"CheckFreeSpaceControl", "", "control,shift", "DragInFreeSpace"},

    {"CheckCenterControl", "", "control=0;shift=0", "CheckCenterAcivity"},
    {"CheckCenterControl", "", "control,shift", "CheckPatternSelectionMode"},

    {"CheckCenterAcivity", "", "bIsActiveFocused=1;nActiveObjectType=11", "PressMultiselection"},
    {"CheckCenterAcivity", "",
     "bIsActiveFocused=1;nActiveObjectType!=11", "PressActiveCenter", "SetActiveObject"},
    {"CheckCenterAcivity", "", "bIsActiveFocused=0", "PresNoActiveCenter", "SetActiveObject"},

    {"PresNoActiveCenter", "OnLButtonUpD", "", "IdleState"},
    {"PresNoActiveCenter", "OnMouseMoveD", "dist>3", "PressActiveCenter"},

    {"PressActiveCenter", "", "bAutoMove;nSelectionMode=0", "MoveCenter"},
    {"PressActiveCenter", "", "bAutoMove=0", "PresNoActiveCenter"},
    {"PressActiveCenter", "", "nSelectionMode!=0", "PresNoActiveCenter"},

    {"CheckPatternSelectionMode", "", "nSelectionMode=0", "MultiSelectionTask"},
    {"CheckPatternSelectionMode", "", "nSelectionMode!=0", "IdleState", "SetActiveObject"},

    {"RectangleFrameTask", "OnExit", "", "IdleState", "UpdateSelectionFromFrameRect"},
    {"RectangleFrameTask", "OnCancel", "", "OverFreeSpace"},
    {"RectangleFrameTask", "ShowPopupMenu", "", "ShowPopupMenu", "UpdateSelectionFromFrameRect"},
    {"RectangleFrameTask", "OnExitNullRect", "", "DragInFreeSpace"},

    {"ShowPopupMenu", "", "", "IdleState", "ShowPopupMenu"},

    {"EditRegionDispatchState", "",
     "nFocusDetailType=5,nFocusDetailType=6,nFocusDetailType=7", "EditRegion"},
    {"EditRegionDispatchState", "", "nFocusDetailType=0,nFocusDetailType=4", "MoveSelection"},
    // A press on a region part of another kind goes back to hovering.
    {"EditRegionDispatchState", "", "", "IdleState"},
};

} // namespace

const ChartDeclaration &idleTaskChart()
{
    static constexpr ChartDeclaration chart{
        {.undoEnabled = true, .sharedUndo = true}, kVariables, kStates, kTransitions};
    return chart;
}

} // namespace morvane
