// Morvane interactive tasks.
// The tools that change a pattern's grading by dragging: one grade point, or the points of a
// grade path.
#include "app/taskdefs/GradeEditTasks.h"

#include "app/documents/GradeModelKind.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/GradePathEditor.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "app/interaction/InteractionModes.h"
#include "app/taskdefs/DistanceTexts.h"
#include "app/taskdefs/TaskDocument.h"
#include "lang/ResourceText.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"

using namespace morvane;

namespace {

constexpr int32_t kAny = CFocusFilter::kAnyDistance;
constexpr uint32_t kPickPrompt = 61214;
constexpr uint32_t kDragPrompt = 61215;
// The rules find points in every shown size that is not a base size.
constexpr int32_t kContourSizeInfo = CFocusFilter::kShownOtherSizes;

constexpr VariableRow kPointVariables[] = {
    {"pFocusManager", "0", kVisibleReadOnly},
    {"nContourSizeInfo", "0", kVisibleReadOnly},
    {"bFreeSpace", "0", kVisibleReadOnly},
};

constexpr StateRow kPointStates[] = {
    {"Entry", StateType::Entry, 0},
    {"SelectPatternPointTask", StateType::SubTask, 1},
    {"UpdatePointState", StateType::Plain, 2},
    {"UpdateGradePointState", StateType::Plain, 3, "UpdatePointGrading"},
    {"ClearFocusPointsState", StateType::Plain, 4},
    {"UpdateFocusManagerState", StateType::Plain, 5, "UpdateFocusManager"},
    {"AddFocusPointState", StateType::Plain, 6},
};

constexpr TransitionRow kPointTransitions[] = {
    {"Entry", "", "", "SelectPatternPointTask"},
    {"SelectPatternPointTask", "OnExit", "", "AddFocusPointState", "ClearFocusPoints"},
    {"SelectPatternPointTask", "SetPointFilter", "", "UpdateFocusManagerState", "SetPointFilter"},
    {"UpdatePointState", "OnMouseMoveD", "dist>2", "UpdateGradePointState"},
    {"UpdatePointState", "OnLButtonUpD", "", "ClearFocusPointsState", "ClearFocusPoints"},
    {"UpdateGradePointState", "OnMouseMoveD", "", "UpdateGradePointState"},
    {"UpdateGradePointState", "OnLButtonUpD", "", "ClearFocusPointsState", "AddParentTaskUndo"},
    {"ClearFocusPointsState", "", "", "SelectPatternPointTask"},
    {"UpdateFocusManagerState", "", "", "SelectPatternPointTask"},
    {"AddFocusPointState", "", "", "UpdatePointState", "AddFocusPoint"},
};

constexpr VariableRow kPathVariables[] = {
    {"pFocusManager", "0", kVisibleReadOnly},
    {"nContourSizeInfo", "0", kVisibleReadOnly},
    {"bUpdateSeq", "0", kVisibleWritable},
    {"bIsActiveSizePathFocused", "0", kVisibleWritable},
};

constexpr StateRow kPathStates[] = {
    {"Entry", StateType::Entry, 0},
    {"PathDefinitionTask", StateType::SubTask, 1},
    {"SelectPointToMove", StateType::Plain, 2, "UpdateActiveSizePathFocused"},
    {"MovePointState", StateType::Plain, 3, "UpdateMovement"},
    {"LoadPathState", StateType::Plain, 4, "LoadGradePathPoints"},
    {"OverOtherGradePathState", StateType::Plain, 5, "UpdateGradePathSize"},
    {"UpdatePointState", StateType::Plain, 6},
    {"AddChangesState", StateType::Plain, 7, "RemoveLastFocusPoint"},
    {"UpdatePathGradingState", StateType::Plain, 8, "UpdatePathGrading"},
};

constexpr TransitionRow kPathTransitions[] = {
    {"Entry", "", "", "PathDefinitionTask"},
    {"PathDefinitionTask", "OnExit", "", "LoadPathState"},
    {"SelectPointToMove", "OnMouseMoveD", "", "SelectPointToMove", "FindFocusObject"},
    {"SelectPointToMove", "SetPointFilter", "", "LoadPathState", "SetPointFilter"},
    {"SelectPointToMove", "OnLButtonDownD", "bIsActiveSizePathFocused=0",
     "OverOtherGradePathState"},
    {"SelectPointToMove", "OnLButtonDownD", "bIsActiveSizePathFocused", "UpdatePointState"},
    {"MovePointState", "OnLButtonUpD", "", "AddChangesState", "UpdatePathGrading"},
    {"MovePointState", "OnMouseMoveD", "bUpdateSeq!=0", "UpdatePathGradingState"},
    {"MovePointState", "OnMouseMoveD", "bUpdateSeq=0", "MovePointState"},
    {"LoadPathState", "", "", "SelectPointToMove"},
    {"OverOtherGradePathState", "", "", "LoadPathState"},
    {"UpdatePointState", "OnLButtonUpD", "", "SelectPointToMove"},
    {"UpdatePointState", "OnMouseMoveD", "dist>2;bUpdateSeq=0", "MovePointState", "AddFocusPoint"},
    {"UpdatePointState", "OnMouseMoveD", "dist>2;bUpdateSeq!=0", "UpdatePathGradingState",
     "AddFocusPoint"},
    {"AddChangesState", "", "", "SelectPointToMove", "AddParentTaskUndo"},
    {"UpdatePathGradingState", "", "", "MovePointState"},
};

FocusToolSettings pointSettings()
{
    FocusToolSettings settings;
    settings.rules = {
        {0, 0, 3, 3, 1, 1, kContourSizeInfo, {}},
        {1, 1, kAny, kAny, 0, 1, kContourSizeInfo, {}},
        {2, 1, kAny, kAny, 0, 1, kContourSizeInfo, {}},
    };
    return settings;
}

FocusToolSettings pathSettings()
{
    FocusToolSettings settings;
    settings.rules = {
        {0, 0, 3, 3, 1, 1, kContourSizeInfo, {}},
        {1, 1, kAny, kAny, 0, 1, kContourSizeInfo, {}},
    };
    return settings;
}

void setPathEditorActive(ITask *task, bool active)
{
    IDocumentServices *services = documentServices(task);
    if (CGradePathEditor *editor = services != nullptr ? services->GetGradePathEditor() : nullptr)
        editor->SetActive(active);
}

} // namespace

bool CGradeEditTask::EnterTool(ITask *task, std::initializer_list<int> focusTypes)
{
    if (!AttachShapeSet(task))
        return false;
    IDocumentServices &services = *documentServices(task);
    IMaskDocumentAccess *document = GetShapeSet().GetMaskDocument();
    if (CFocusManager *focus = document->GetFocusManager())
        focus->ActivateSelectedPattern();
    if (const CInteractionModes *modes = document->GetInteractionModes())
        m_nSavedSnapMode = modes->GetSnapMode();
    PublishShapeSet(task);
    services.ClearFocusTypes();
    for (int type : focusTypes)
        services.AddFocusType(type);
    ICommandAttributes *variables = task->GetAttributes();
    variables->SetInteger("nSnapMode", 1);
    variables->SetInteger("nContourSizeInfo", kContourSizeInfo);
    InstallFocusRules(task);
    return true;
}

void CGradeEditTask::LeaveTool(ITask *task)
{
    task->GetAttributes()->SetInteger("nSnapMode", m_nSavedSnapMode);
    if (IDocumentServices *services = documentServices(task)) {
        for (int line = 1; line <= 3; ++line)
            services->SetStringAt(line, {});
    }
}

void CGradeEditTask::ShowTexts(ITask *task, uint32_t promptId, bool withDistances)
{
    IDocumentServices *services = documentServices(task);
    if (services == nullptr)
        return;
    const DistanceTexts texts = withDistances ? FocusPointTexts(*services) : DistanceTexts{};
    std::string prompt;
    if (promptId == kDragPrompt)
        prompt = loadString(kDragPrompt, {texts.pointName});
    else if (promptId != 0)
        prompt = loadString(promptId);
    services->SetStringAt(0, prompt);
    services->SetStringAt(1, texts.distance);
    services->SetStringAt(2, texts.dx);
    services->SetStringAt(3, texts.dy);
}

CModifyGradePointTask::CModifyGradePointTask() : CGradeEditTask(pointSettings()) {}

const ChartDeclaration &CModifyGradePointTask::Chart()
{
    static const ChartDeclaration chart{{.undoTextId = 61520, .redoTextId = 61521},
                                        kPointVariables, kPointStates, kPointTransitions};
    return chart;
}

void CModifyGradePointTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CModifyGradePointTask::OnEnter(ITask *task)
{
    EnterTool(task, {1, 2});
}

void CModifyGradePointTask::OnExit(ITask *task)
{
    LeaveTool(task);
}

void CModifyGradePointTask::OnStateEnter(ITask *task, const std::string &, int index)
{
    switch (index) {
    case 1:
    case 2:
        ShowTexts(task, kPickPrompt, true);
        break;
    case 3:
        ShowTexts(task, kDragPrompt, true);
        break;
    default:
        ShowTexts(task, 0, false);
    }
}

CModifyPathGradeTask::CModifyPathGradeTask() : CGradeEditTask(pathSettings()) {}

const ChartDeclaration &CModifyPathGradeTask::Chart()
{
    static const ChartDeclaration chart{{.undoTextId = 61520, .redoTextId = 61521},
                                        kPathVariables, kPathStates, kPathTransitions};
    return chart;
}

void CModifyPathGradeTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CModifyPathGradeTask::OnEnter(ITask *task)
{
    IDocumentServices *services = documentServices(task);
    if (services == nullptr)
        return;
    // A model file is graded again only when the button goes up: a drag step is too slow.
    const bool modelFile = services->GetLoadedGradeModel() != nullptr &&
                           services->GetGradeModelKind() == GMK_MODEL_FILES;
    task->GetAttributes()->SetInteger("bUpdateSeq", modelFile ? 0 : 1);
    if (!EnterTool(task, {1}))
        return;
    setPathEditorActive(task, true);
    task->GetAttributes()->SetInteger("EditToolMode", 4);
}

void CModifyPathGradeTask::OnExit(ITask *task)
{
    LeaveTool(task);
    setPathEditorActive(task, false);
    task->GetAttributes()->SetInteger("EditToolMode", 0);
}

void CModifyPathGradeTask::OnStateEnter(ITask *task, const std::string &, int index)
{
    switch (index) {
    case 2:
        ShowTexts(task, kPickPrompt, false);
        break;
    case 3:
        ShowTexts(task, kDragPrompt, true);
        break;
    default:
        ShowTexts(task, 0, false);
    }
}
