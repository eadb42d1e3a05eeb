// Morvane interactive tasks.
// The line tools: drawing a two-point line, copying picked lines into a pattern, building a
// contour from a pattern's lines, and the two line-picking steps they nest.
#include "app/taskdefs/PolylineTools.h"

#include "app/commands/polylines/FocusPolylineSearch.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "app/taskdefs/PatternToolStartGuard.h"
#include "app/taskdefs/TaskDocument.h"
#include "lang/ResourceText.h"
#include "model/Contour.h"
#include "model/MaskContour.h"
#include "model/MaskPattern.h"
#include "tasks/ICommandAttributes.h"

using namespace morvane;

namespace {

constexpr uint32_t kPickPatternPrompt = 61486;

constexpr VariableRow kFocusVariable[] = {
    {"pFocusManager", "0", kVisibleReadOnly},
};

constexpr StateRow kTwoPointsStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1, "AddTwoPointsPolyline", "AddParentTaskUndo"},
    {"SelectReciever", StateType::Plain, 2},
    {"NewState9", StateType::Plain, 3},
    {"UpdateFocusManager", StateType::Plain, 4},
    {"SelectFirstPointState", StateType::Plain, 5},
    {"SelectSecondPointState", StateType::Plain, 6},
    {"ChangeFilterState", StateType::Plain, 7},
    {"ChangeFilterState1", StateType::Plain, 8},
};

constexpr TransitionRow kTwoPointsTransitions[] = {
    {"Entry", "", "", "NewState9"},
    {"SelectReciever", "OnLButtonDownD", "nFocusObjectType=9", "UpdateFocusManager",
     "SetActiveObject"},
    {"SelectReciever", "OnMouseMoveD", "", "SelectReciever", "FindFocusObject"},
    {"NewState9", "", "nActiveObjectType!=1", "SelectReciever"},
    {"NewState9", "", "nActiveObjectType=1", "UpdateFocusManager"},
    {"UpdateFocusManager", "", "", "SelectFirstPointState", "LoadActiveMaskPatternToFM"},
    {"SelectFirstPointState", "OnLButtonDownD", "", "SelectSecondPointState", "AddFocusPoint"},
    {"SelectFirstPointState", "OnMouseMoveD", "", "SelectFirstPointState", "FindFocusObject"},
    {"SelectFirstPointState", "SetPointFilter", "", "ChangeFilterState", "SetPointFilter"},
    {"SelectSecondPointState", "OnLButtonDownD", "", "Exit", "AddFocusPoint"},
    {"SelectSecondPointState", "OnMouseMoveD", "", "SelectSecondPointState", "FindFocusObject"},
    {"SelectSecondPointState", "SetPointFilter", "", "ChangeFilterState1", "SetPointFilter"},
    {"ChangeFilterState", "", "", "SelectFirstPointState", "UpdateFocusManager"},
    {"ChangeFilterState1", "", "", "SelectSecondPointState", "UpdateFocusManager"},
};

constexpr StateRow kCopyStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1, {}, "AddParentTaskUndo"},
    {"SelectReciever", StateType::Plain, 2},
    {"SelectPolylinesTask", StateType::SubTask, 3},
    {"UpdateFocusManager", StateType::Plain, 4},
    {"NewState11", StateType::Plain, 5},
};

constexpr TransitionRow kCopyTransitions[] = {
    {"Entry", "", "", "NewState11"},
    {"SelectReciever", "OnMouseMoveD", "", "SelectReciever", "FindFocusObject"},
    {"SelectReciever", "OnLButtonDownD", "nFocusObjectType=9", "UpdateFocusManager",
     "SetActiveObject"},
    {"SelectPolylinesTask", "OnCopyPolylinesFinished", "", "Exit", "CopyFocusPolyline"},
    {"UpdateFocusManager", "", "", "SelectPolylinesTask", "LoadAllPatternPolylinesToFocusMgr"},
    {"NewState11", "", "nActiveObjectType!=1", "SelectReciever"},
    {"NewState11", "", "nActiveObjectType=1", "UpdateFocusManager"},
};

constexpr StateRow kContourStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1, {}, "AddParentTaskUndo"},
    {"SelectReciever", StateType::Plain, 2},
    {"SelectContourPolylinesTask", StateType::SubTask, 3},
    {"UpdateFocusManager", StateType::Plain, 4, "UpdateFMActivePolylines"},
    {"Cancel", StateType::Exit, 5},
};

constexpr TransitionRow kContourTransitions[] = {
    {"Entry", "", "", "SelectReciever"},
    {"SelectReciever", "OnMouseMoveD", "", "SelectReciever", "FindFocusObject"},
    {"SelectReciever", "OnLButtonDownD", "nFocusObjectType=9", "UpdateFocusManager",
     "SetActiveObject"},
    {"SelectContourPolylinesTask", "OnExit", "", "Exit", "AddFocusPolylineToContour"},
    {"SelectContourPolylinesTask", "OnCancel", "", "Cancel", "ClearCurrentUndoTask"},
    {"UpdateFocusManager", "", "", "SelectContourPolylinesTask"},
};

constexpr VariableRow kContourPickVariables[] = {
    {"bContourFinished", "0", kVisibleReadOnly},
};

constexpr StateRow kContourPickStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1, {}, "ClearCurrentUndoTask"},
    {"FindFocusPolyline", StateType::Plain, 2},
    {"FocusPolylineClicked", StateType::Plain, 3, "AddContourFocusPolyline"},
};

constexpr TransitionRow kContourPickTransitions[] = {
    {"Entry", "", "", "FindFocusPolyline"},
    {"FindFocusPolyline", "OnMouseMoveD", "", "FindFocusPolyline", "FindFocusObject"},
    {"FindFocusPolyline", "OnLButtonDownD", "nFocusObjectType=9", "FocusPolylineClicked"},
    {"FindFocusPolyline", "Undo", "", "FindFocusPolyline", "Undo"},
    {"FindFocusPolyline", "Redo", "", "FindFocusPolyline", "Redo"},
    {"FindFocusPolyline", "OnContourFinished", "", "Exit"},
    {"FocusPolylineClicked", "", "bContourFinished=0", "FindFocusPolyline",
     "UpdateFMActivePolylines"},
    {"FocusPolylineClicked", "", "bContourFinished=1", "Exit"},
};

constexpr VariableRow kLinePickVariables[] = {
    {"bCanSelectNextLine", "0", kVisibleReadOnly},
};

constexpr StateRow kLinePickStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1},
    {"FindFocusPolyline", StateType::Plain, 2},
    {"FocusPolylineClicked", StateType::Plain, 3, "AddFocusPolyline"},
    {"AutoSelectContourLineState", StateType::Plain, 4},
};

constexpr TransitionRow kLinePickTransitions[] = {
    {"Entry", "", "", "FindFocusPolyline"},
    {"FindFocusPolyline", "OnMouseMoveD", "", "FindFocusPolyline", "FindFocusObject"},
    {"FindFocusPolyline", "OnLButtonDownD", "nFocusObjectType=9", "FocusPolylineClicked"},
    {"FindFocusPolyline", "Undo", "", "FindFocusPolyline", "Undo"},
    {"FindFocusPolyline", "Redo", "", "FindFocusPolyline", "Redo"},
    {"FindFocusPolyline", "Forward", "bCanSelectNextLine", "AutoSelectContourLineState"},
    {"FocusPolylineClicked", "", "", "FindFocusPolyline"},
    {"AutoSelectContourLineState", "", "", "FindFocusPolyline", "AutoSelectNextContourLine"},
};

/// Every tool here takes the lines of the patterns its focus search was given.
const FocusRule kLineRule{0, 0, 3, 3, 1, 0, 0, {}};

FocusToolSettings twoPointsSettings()
{
    FocusToolSettings settings;
    settings.focusTypes = {0, 1, 3, 2};
    settings.activateSelectedPattern = true;
    settings.rules = {kLineRule};
    return settings;
}

FocusToolSettings pickPatternSettings(std::vector<StatePrompt> prompts)
{
    FocusToolSettings settings;
    settings.snapMode = 1;
    settings.focusTypes = {1};
    settings.rules = {kLineRule};
    settings.prompts = std::move(prompts);
    return settings;
}

CFocusManager *focusManagerOf(ITask *task)
{
    IDocumentServices *services = documentServices(task);
    return services != nullptr ? services->GetFocusManager() : nullptr;
}

/// A multiple selection, or a pattern that is not a mask pattern, stops being the active
/// object.
void dropActiveUnlessMaskPattern(ITask *task)
{
    CFocusManager *focus = focusManagerOf(task);
    if (focus == nullptr)
        return;
    const CFocusObject &active = *focus->GetActiveObject();
    if (active.GetType() == CFocusObject::kMultiple ||
        (active.IsPattern() && !active.IsMaskPattern()))
        focus->ClearActiveObject();
}

} // namespace

CAddTwoPointsPolylineTask::CAddTwoPointsPolylineTask()
    : CFocusTaskDefinition(twoPointsSettings())
{
}

const ChartDeclaration &CAddTwoPointsPolylineTask::Chart()
{
    static const ChartDeclaration chart{{.undoTextId = 61522, .redoTextId = 61523},
                                        kFocusVariable,
                                        kTwoPointsStates,
                                        kTwoPointsTransitions};
    return chart;
}

void CAddTwoPointsPolylineTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CAddTwoPointsPolylineTask::OnEnter(ITask *task)
{
    CFocusTaskDefinition::OnEnter(task);
    dropActiveUnlessMaskPattern(task);
}

bool CAddTwoPointsPolylineTask::CanStart(ITask *task)
{
    return canStartPatternTool(task);
}

CCopyPolylineTask::CCopyPolylineTask()
    : CFocusTaskDefinition(pickPatternSettings(
          {{"", 2, kPickPatternPrompt}, {"", 3, CSelectPolylinesTask::kPickLinesPrompt}}))
{
}

const ChartDeclaration &CCopyPolylineTask::Chart()
{
    static const ChartDeclaration chart{
        {.undoTextId = 61487, .redoTextId = 61488}, kFocusVariable, kCopyStates, kCopyTransitions};
    return chart;
}

void CCopyPolylineTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CCopyPolylineTask::OnEnter(ITask *task)
{
    dropActiveUnlessMaskPattern(task);
    CFocusTaskDefinition::OnEnter(task);
}

void CCopyPolylineTask::OnExit(ITask *task)
{
    IDocumentServices *services = documentServices(task);
    if (IMaskDocumentAccess *document =
            services != nullptr ? services->GetActiveMaskDocument() : nullptr)
        document->ClearFocusPolylines();
    CFocusTaskDefinition::OnExit(task);
}

CCreateContourTask::CCreateContourTask()
    : CFocusTaskDefinition(pickPatternSettings({{"", 2, kPickPatternPrompt}}))
{
}

const ChartDeclaration &CCreateContourTask::Chart()
{
    static const ChartDeclaration chart{{.undoTextId = 61489, .redoTextId = 61490},
                                        kFocusVariable,
                                        kContourStates,
                                        kContourTransitions};
    return chart;
}

void CCreateContourTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CCreateContourTask::OnEnter(ITask *task)
{
    if (CFocusManager *focus = focusManagerOf(task))
        focus->ClearActiveObject();
    CFocusTaskDefinition::OnEnter(task);
}

void CCreateContourTask::OnExit(ITask *task)
{
    CFocusTaskDefinition::OnExit(task);
    CFocusManager *focus = focusManagerOf(task);
    if (focus == nullptr)
        return;
    const CFocusObject &active = *focus->GetActiveObject();
    const CPattern *pattern = active.GetPattern();
    if (active.GetContour() == nullptr ||
        (pattern != nullptr && pattern->FindContour(active.GetContour()) >= 0))
        return;
    auto kept = CFocusObject::Clone(active);
    kept->SetContour(nullptr);
    focus->SetActiveObject(std::move(kept));
}

const ChartDeclaration &CSelectContourPolylinesTask::Chart()
{
    static const ChartDeclaration chart{
        {.undoEnabled = true, .undoTextId = 61484, .redoTextId = 61485},
        kContourPickVariables,
        kContourPickStates,
        kContourPickTransitions};
    return chart;
}

void CSelectContourPolylinesTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CSelectContourPolylinesTask::OnEnter(ITask *task)
{
    CFocusManager *focus = focusManagerOf(task);
    CPattern *pattern = focus != nullptr ? focus->GetActiveObject()->GetPattern() : nullptr;
    IMaskPattern *editing = pattern != nullptr ? pattern->GetMaskPattern() : nullptr;
    if (editing == nullptr)
        return;
    auto building = CFocusObject::Clone(*focus->GetActiveObject());
    building->SetUnfinishedContour(std::shared_ptr<CContour>(editing->CreateMaskContour()));
    focus->SetActiveObject(std::move(building));
}

const ChartDeclaration &CSelectPolylinesTask::Chart()
{
    static const ChartDeclaration chart{
        {.undoEnabled = true, .undoTextId = 61484, .redoTextId = 61485},
        kLinePickVariables,
        kLinePickStates,
        kLinePickTransitions};
    return chart;
}

void CSelectPolylinesTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CSelectPolylinesTask::OnEnter(ITask *task)
{
    IDocumentServices *services = documentServices(task);
    if (IMaskDocumentAccess *document =
            services != nullptr ? services->GetActiveMaskDocument() : nullptr)
        updateCanSelectNextLine(*task, *document);
}

void CSelectPolylinesTask::OnStateEnter(ITask *task, const std::string &stateName, int)
{
    if (IDocumentServices *services = documentServices(task))
        services->SetStringAt(0, stateName == "FindFocusPolyline" ? loadString(kPickLinesPrompt)
                                                                  : std::string());
}
