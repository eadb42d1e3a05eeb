// Morvane interactive tasks.
// The drags of a grade mask's selection: moving it, turning it about the rotation pivot, and
// moving the pivot.
#include "app/taskdefs/DragTasks.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "app/taskdefs/TaskDocument.h"
#include "lang/ResourceText.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"

#include <cstdint>
#include <limits>

using namespace morvane;

namespace {

constexpr VariableRow kFocusVariable[] = {{"pFocusManager", "0", kVisibleReadOnly}};

constexpr StateRow kMoveStates[] = {
    {"Entry", StateType::Entry, 0, "SaveFirstPointDelta"},
    {"Exit", StateType::Exit, 1},
    {"MoveSelectedItem", StateType::Plain, 2},
    {"MoveSelection", StateType::Plain, 3},
    {"UpdateState", StateType::Plain, 4},
    {"SnapState", StateType::Plain, 5},
};

constexpr TransitionRow kMoveTransitions[] = {
    {"Entry", "", "", "MoveSelectedItem", "SetCapture"},
    {"MoveSelectedItem", "OnLButtonUpD", "nSnapMode=0", "Exit", "AddParentTaskUndo"},
    {"MoveSelectedItem", "OnMouseMoveD", "", "MoveSelection", "MoveSelectedItems"},
    {"MoveSelectedItem", "SetPointFilter", "", "UpdateState", "SetPointFilter"},
    {"MoveSelectedItem", "OnLButtonUpD", "nSnapMode!=0", "SnapState", "MovePatternToFocusPoint"},
    {"MoveSelection", "", "", "MoveSelectedItem", "FindFocusObject"},
    {"UpdateState", "", "", "MoveSelectedItem", "UpdateFocusManager"},
    {"SnapState", "", "", "Exit", "AddParentTaskUndo"},
};

constexpr VariableRow kRotateVariables[] = {
    {"dRotStartRad", "0", kPrivate},
    {"pFocusManager", "0", kVisibleReadOnly},
};

constexpr StateRow kRotateStates[] = {
    {"Entry", StateType::Entry, 0, "SaveInitialRotAngle"},
    {"Exit", StateType::Exit, 1},
    {"RotateSelectedItem", StateType::Plain, 2},
    {"RotateSelection", StateType::Plain, 3},
    {"UpdateState", StateType::Plain, 4},
};

constexpr TransitionRow kRotateTransitions[] = {
    {"Entry", "", "", "RotateSelectedItem", "SetCapture"},
    {"RotateSelectedItem", "OnMouseMoveD", "", "RotateSelection", "RotateSelectedItems"},
    {"RotateSelectedItem", "SetPointFilter", "", "UpdateState", "SetPointFilter"},
    {"RotateSelectedItem", "OnLButtonUpD", "", "Exit", "AddParentTaskUndo"},
    {"RotateSelection", "", "", "RotateSelectedItem", "FindFocusObject"},
    {"UpdateState", "", "", "RotateSelectedItem", "UpdateFocusManager"},
};

constexpr StateRow kPivotStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1},
    {"MovePivotPoint", StateType::Plain, 2},
    {"PivotPointMove", StateType::Plain, 3},
    {"UpdateFilterState", StateType::Plain, 4},
};

constexpr TransitionRow kPivotTransitions[] = {
    {"Entry", "", "", "MovePivotPoint"},
    {"MovePivotPoint", "OnLButtonUpD", "", "Exit"},
    {"MovePivotPoint", "OnMouseMoveD", "", "PivotPointMove", "FindFocusObject"},
    {"MovePivotPoint", "SetPointFilter", "", "UpdateFilterState", "SetPointFilter"},
    {"PivotPointMove", "", "", "MovePivotPoint", "MovePatternPivotPoint"},
    {"UpdateFilterState", "", "", "MovePivotPoint"},
};

// "MovePatternState" is numbered 0 and "Entry" 2 in this chart.
constexpr StateRow kMovePatternStates[] = {
    {"MovePatternState", StateType::Plain, 0},
    {"Exit", StateType::Exit, 1},
    {"Entry", StateType::Entry, 2, "SaveFirstPointDelta"},
    {"SnapPatternState", StateType::Plain, 3},
    {"UpdateState", StateType::Plain, 4},
    {"NewState7", StateType::Plain, 5},
};

constexpr TransitionRow kMovePatternTransitions[] = {
    {"MovePatternState", "OnLButtonUpD", "nSnapMode=0", "Exit", "AddParentTaskUndo"},
    {"MovePatternState", "OnLButtonUpD", "nSnapMode!=0", "SnapPatternState",
     "MovePatternToFocusPoint"},
    {"MovePatternState", "SetPointFilter", "", "UpdateState", "SetPointFilter"},
    {"MovePatternState", "OnMouseMoveD", "", "NewState7", "MovePattern"},
    {"Entry", "", "", "MovePatternState", "MovePattern"},
    {"SnapPatternState", "", "", "Exit", "AddParentTaskUndo"},
    {"UpdateState", "", "", "MovePatternState", "UpdateFocusManager"},
    {"NewState7", "", "", "MovePatternState", "FindFocusObject"},
};

constexpr StateRow kCenterStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1, {}, "ReleaseCapture"},
    {"MoveMaskCenterState", StateType::Plain, 2},
};

constexpr TransitionRow kCenterTransitions[] = {
    {"Entry", "", "", "MoveMaskCenterState", "SetCapture"},
    {"MoveMaskCenterState", "OnLButtonUpD", "", "Exit", "AddParentTaskUndo"},
    {"MoveMaskCenterState", "OnMouseMoveD", "", "MoveMaskCenterState", "MoveMaskCenter"},
};

constexpr uint32_t kMoveCenterPrompt = 43033;

/// Stands for an unlimited tolerance.
constexpr int32_t kUnlimited = std::numeric_limits<int32_t>::max();

FocusToolSettings dragSettings()
{
    FocusToolSettings settings;
    settings.focusTypes = {0, 2, 3, 1};
    return settings;
}

/// Sets "bAutoMove" to 0 unless the tool repeats.
void endAutoMoveUnlessRepeating(ITask *task)
{
    int repeat = 0;
    task->GetAttributes()->GetInteger("repeat", &repeat);
    if (repeat == 0)
        task->GetAttributes()->SetInteger("bAutoMove", 0);
}

void showPrompt(ITask *task, const std::string &text)
{
    if (IDocumentServices *services = documentServices(task))
        services->SetStringAt(0, text);
}

} // namespace

CDragTaskDefinition::CDragTaskDefinition() : CFocusTaskDefinition(dragSettings()) {}

void CDragTaskDefinition::OnEnter(ITask *task)
{
    if (!AttachShapeSet(task))
        return;
    IDocumentServices *services = documentServices(task);
    services->ClearFocusTypes();
    for (int type : GetSettings().focusTypes)
        services->AddFocusType(type);
    m_bEditsMaskPatterns = services->IsEditMode();
    PublishShapeSet(task);
    InstallFocusRules(task);
    SetActiveDragged(task, true);
}

void CDragTaskDefinition::OnExit(ITask *task)
{
    SetActiveDragged(task, false);
}

void CDragTaskDefinition::AddFocusRules(CFocusFilterList &rules)
{
    const int32_t source = m_bEditsMaskPatterns ? 2 : 1;
    rules.AddFilter(0, 0, 3, 100, 1, source, 0, {});
    rules.AddFilter(2, 1, 3, 100, 1, source, 0, {});
    rules.AddFilter(1, 1, 3, 100, 1, source, 0, {});
}

void CDragTaskDefinition::SetActiveDragged(ITask *task, bool dragged)
{
    IDocumentServices *services = documentServices(task);
    const CFocusManager *focus = services != nullptr ? services->GetFocusManager() : nullptr;
    if (focus != nullptr && focus->GetActiveObject() != nullptr)
        focus->GetActiveObject()->SetLocked(dragged);
}

const ChartDeclaration &CMoveSelectionTask::Chart()
{
    static const ChartDeclaration chart{
        {.undoEnabled = true, .undoTextId = 0xF03F, .redoTextId = 0xF040},
        kFocusVariable, kMoveStates, kMoveTransitions};
    return chart;
}

void CMoveSelectionTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CMoveSelectionTask::OnExit(ITask *task)
{
    CDragTaskDefinition::OnExit(task);
    endAutoMoveUnlessRepeating(task);
}

const ChartDeclaration &CRotateSelectionTask::Chart()
{
    static const ChartDeclaration chart{
        {.undoEnabled = true, .undoTextId = 0xF01F, .redoTextId = 0xF020},
        kRotateVariables, kRotateStates, kRotateTransitions};
    return chart;
}

void CRotateSelectionTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CRotateSelectionTask::OnExit(ITask *task)
{
    CDragTaskDefinition::OnExit(task);
    task->GetAttributes()->SetInteger("bAutoRotate", 0);
}

const ChartDeclaration &CMovePivotPointTask::Chart()
{
    static const ChartDeclaration chart{
        {.undoEnabled = true, .undoTextId = 0xEFCA, .redoTextId = 0xEFCB},
        kFocusVariable, kPivotStates, kPivotTransitions};
    return chart;
}

void CMovePivotPointTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CMovePivotPointTask::AddFocusRules(CFocusFilterList &rules)
{
    rules.AddFilter(1, 0, 3, kUnlimited, 2, 2, 0, {});
    rules.AddFilter(2, 0, 3, kUnlimited, 2, 2, 0, {});
    rules.AddFilter(0, 1, 3, kUnlimited, 2, 2, 0, {});
}

CMovePatternTask::CMovePatternTask() = default;

const ChartDeclaration &CMovePatternTask::Chart()
{
    static const ChartDeclaration chart{{.undoEnabled = true, .undoTextId = 61324,
                                         .redoTextId = 61325},
                                        kFocusVariable, kMovePatternStates,
                                        kMovePatternTransitions};
    return chart;
}

void CMovePatternTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CMovePatternTask::OnExit(ITask *task)
{
    CDragTaskDefinition::OnExit(task);
    endAutoMoveUnlessRepeating(task);
    showPrompt(task, {});
}

void CMovePatternTask::OnStateEnter(ITask *task, const std::string &, int index)
{
    if (index == 0)
        showPrompt(task, loadString(43047));
    else if (index == 3)
        showPrompt(task, loadString(43048));
}

const ChartDeclaration &CMoveCenterTask::Chart()
{
    static const ChartDeclaration chart{{}, {}, kCenterStates, kCenterTransitions};
    return chart;
}

void CMoveCenterTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CMoveCenterTask::OnExit(ITask *task)
{
    showPrompt(task, {});
}

void CMoveCenterTask::OnStateEnter(ITask *task, const std::string &stateName, int)
{
    showPrompt(task, stateName == "MoveMaskCenterState" ? loadString(kMoveCenterPrompt)
                                                        : std::string());
}
