// Morvane interactive tasks.
// The measuring tool: "MeasureTask" runs the distance or the line-length measurement that the
// main task's "nMeasureMode" chooses, one after another.
#include "app/taskdefs/MeasureTasks.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/CursorTable.h"
#include "app/interaction/InteractionModes.h"
#include "app/interaction/MeasureLine.h"
#include "app/taskdefs/TaskDocument.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"

using namespace morvane;

namespace {

constexpr StateRow kMeasureStates[] = {
    {"Entry", StateType::Entry, 0},
    {"MeasureDistanceTask", StateType::SubTask, 1},
    {"MeasureLineLength", StateType::SubTask, 2},
};

// A finished line measurement starts the next one as a finished distance does; without that
// its end would reach the main task, which would start again waiting for activation.
constexpr TransitionRow kMeasureTransitions[] = {
    {"Entry", "", "nMeasureMode=1", "MeasureDistanceTask"},
    {"Entry", "", "nMeasureMode=2", "MeasureLineLength"},
    {"MeasureDistanceTask", "OnExit", "", "MeasureDistanceTask"},
    {"MeasureLineLength", "OnExit", "", "MeasureLineLength"},
};

constexpr VariableRow kFocusVariable[] = {
    {"pFocusManager", "0", kVisibleReadOnly},
};

constexpr StateRow kDistanceStates[] = {
    {"Entry", StateType::Entry, 0},
    {"SelectMeasureFromPoint", StateType::Plain, 1},
    {"SelectMeasureToPoint", StateType::Plain, 2, "UpdateMeasure"},
    {"Exit", StateType::Exit, 3},
    {"NewState2", StateType::Plain, 4},
    {"NewState3", StateType::Plain, 5, "UpdateFocusManager"},
};

constexpr TransitionRow kDistanceTransitions[] = {
    {"Entry", "", "", "SelectMeasureFromPoint"},
    {"SelectMeasureFromPoint", "OnLButtonDownD", "", "SelectMeasureToPoint", "InitMeasureObject"},
    {"SelectMeasureFromPoint", "OnMouseMoveD", "", "SelectMeasureFromPoint", "FindFocusObject"},
    {"SelectMeasureFromPoint", "SetPointFilter", "", "NewState2", "SetPointFilter"},
    {"SelectMeasureToPoint", "OnLButtonUpD", "", "Exit"},
    {"SelectMeasureToPoint", "OnMouseMoveD", "", "SelectMeasureToPoint", "FindFocusObject"},
    {"SelectMeasureToPoint", "SetPointFilter", "", "NewState3", "SetPointFilter"},
    {"NewState2", "", "", "SelectMeasureFromPoint", "UpdateFocusManager"},
    {"NewState3", "", "", "SelectMeasureToPoint"},
};

// The press is taken over a pattern's line: "FindFocusLine" makes the line the nested object
// of its pattern's focus object.
constexpr StateRow kLineStates[] = {
    {"Entry", StateType::Entry, 0},
    {"SelectLineState", StateType::Plain, 1, "FindFocusLine"},
    {"Exit", StateType::Exit, 2},
    {"UpdateMeasure", StateType::Plain, 3, "UpdateMeasure"},
};

constexpr TransitionRow kLineTransitions[] = {
    {"Entry", "", "", "SelectLineState"},
    {"SelectLineState", "OnLButtonDownD", "nFocusDetailType=9", "UpdateMeasure",
     "SetActiveObject"},
    {"SelectLineState", "OnMouseMoveD", "", "SelectLineState"},
    {"UpdateMeasure", "OnLButtonUpD", "", "Exit"},
};

FocusToolSettings distanceSettings()
{
    FocusToolSettings settings;
    settings.rules = {
        {0, 0, 0, 100, 2, 2, 0, {}}, {0, 0, 0, 100, 2, 2, 3, {}}, {2, 1, 0, 100, 2, 2, 0, {}},
        {2, 1, 0, 100, 2, 2, 3, {}}, {1, 1, 0, 100, 2, 2, 0, {}}, {1, 1, 0, 100, 2, 2, 3, {}},
    };
    return settings;
}

// The lines of every pattern, in the base size.
FocusToolSettings lineSettings()
{
    FocusToolSettings settings;
    settings.rules = {{0, 0, 3, 3, 2, 2, 0, {}}};
    return settings;
}

void setFocusTypes(IDocumentServices &services, std::initializer_list<int> types)
{
    services.ClearFocusTypes();
    for (int type : types)
        services.AddFocusType(type);
}

} // namespace

const ChartDeclaration &CMeasureTask::Chart()
{
    static const ChartDeclaration chart{{}, {}, kMeasureStates, kMeasureTransitions};
    return chart;
}

void CMeasureTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CMeasureTask::OnEnter(ITask *task)
{
    IDocumentServices *services = documentServices(task);
    if (services == nullptr)
        return;
    const CInteractionModes *modes = services->GetInteractionModes();
    m_nSavedSnapMode = modes != nullptr ? modes->GetSnapMode() : 0;
    setFocusTypes(*services, {0, 1, 2, 3});
}

void CMeasureTask::OnExit(ITask *task)
{
    task->GetAttributes()->SetInteger("nSnapMode", m_nSavedSnapMode);
    IDocumentServices *services = documentServices(task);
    if (services == nullptr)
        return;
    services->ClearFocusTypes();
    if (CMeasureLine *line = services->GetMeasureLine())
        line->Reset();
    services->NotifyChanged0();
}

CMeasureDistanceTask::CMeasureDistanceTask() : CFocusTaskDefinition(distanceSettings()) {}

const ChartDeclaration &CMeasureDistanceTask::Chart()
{
    static const ChartDeclaration chart{{}, kFocusVariable, kDistanceStates, kDistanceTransitions};
    return chart;
}

void CMeasureDistanceTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CMeasureDistanceTask::OnEnter(ITask *task)
{
    if (!AttachShapeSet(task))
        return;
    PublishShapeSet(task);
    InstallFocusRules(task);
    IDocumentServices &services = *documentServices(task);
    setFocusTypes(services, {0, 3, 1});
    if (GetShapeSet().GetFilterList().IsPointFound()) {
        services.AddFocusType(2);
        return;
    }
    const CInteractionModes *modes = services.GetInteractionModes();
    if (modes != nullptr && modes->GetSnapMode() == 2)
        task->GetAttributes()->SetInteger("nSnapMode", 0);
}

void CMeasureDistanceTask::OnExit(ITask *) {}

void CMeasureDistanceTask::OnStateEnter(ITask *task, const std::string &, int)
{
    if (CCursorTable *cursors = documentCursorTable(task))
        CCursorTable::FillModeCursors(*cursors);
}

CMeasureLineLength::CMeasureLineLength() : CFocusTaskDefinition(lineSettings()) {}

const ChartDeclaration &CMeasureLineLength::Chart()
{
    static const ChartDeclaration chart{{}, kFocusVariable, kLineStates, kLineTransitions};
    return chart;
}

void CMeasureLineLength::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CMeasureLineLength::OnEnter(ITask *task)
{
    if (!AttachShapeSet(task))
        return;
    PublishShapeSet(task);
    InstallFocusRules(task);
}

void CMeasureLineLength::OnExit(ITask *) {}
