// Morvane interactive tasks.
// The tools that add formulas from points picked on a pattern: darts, lapels, grade paths, and
// the path definition they nest.
#include "app/taskdefs/FormulaToolTasks.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/GradePathEditor.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "app/interaction/InteractionModes.h"
#include "app/taskdefs/PatternToolStartGuard.h"
#include "app/taskdefs/TaskDocument.h"
#include "lang/ResourceText.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"

using namespace morvane;

namespace {

constexpr int32_t kAny = CFocusFilter::kAnyDistance;

constexpr VariableRow kPathDefinitionVariables[] = {{"bFreeSpace", "0", kVisibleReadOnly}};

constexpr StateRow kPathDefinitionStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1},
    {"EndPolyPointPath", StateType::Plain, 2},
    {"InitializePathObject", StateType::Plain, 3},
    {"UpdateFMActivePolyPointsState", StateType::Plain, 4},
    {"SelectPatternPointTask", StateType::SubTask, 5},
    {"NewState8", StateType::Plain, 6},
};

constexpr TransitionRow kPathDefinitionTransitions[] = {
    {"Entry", "", "", "SelectPatternPointTask"},
    {"EndPolyPointPath", "OnLButtonDownD", "nFocusObjectType=10", "Exit", "AddFocusPoint"},
    {"EndPolyPointPath", "SetPointFilter", "", "UpdateFMActivePolyPointsState", "SetPointFilter"},
    {"EndPolyPointPath", "OnMouseMoveD", "", "NewState8", "UpdatePointPath"},
    {"InitializePathObject", "", "", "UpdateFMActivePolyPointsState", "SetFirstPathPoint"},
    {"UpdateFMActivePolyPointsState", "", "", "EndPolyPointPath", "UpdateFMActivePolyPoints"},
    {"SelectPatternPointTask", "OnExit", "", "InitializePathObject", "AddFocusPoint"},
    {"NewState8", "", "", "EndPolyPointPath", "FindFocusObject"},
};

constexpr VariableRow kPickingToolVariables[] = {
    {"pFocusManager", "0", kVisibleReadOnly},
    {"nContourSizeInfo", "0", kVisibleReadOnly},
    {"bFreeSpace", "0", kVisibleReadOnly},
};

constexpr StateRow kDartStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1, {}, "AddParentTaskUndo"},
    {"SelectPeakPointState", StateType::Plain, 2},
    {"SelectBasePointState", StateType::Plain, 3},
    {"AddDartFormulaState", StateType::Plain, 4, "AddDartFormula"},
    {"SelectPatternPointTask", StateType::SubTask, 5},
};

constexpr TransitionRow kDartTransitions[] = {
    {"Entry", "", "", "SelectPatternPointTask"},
    {"SelectPeakPointState", "OnLButtonDownD", "", "SelectBasePointState", "AddFocusPoint"},
    {"SelectPeakPointState", "OnMouseMoveD", "", "SelectPeakPointState", "FindFocusObject"},
    {"SelectBasePointState", "OnLButtonDownD", "", "AddDartFormulaState", "AddFocusPoint"},
    {"SelectBasePointState", "OnMouseMoveD", "", "SelectBasePointState", "FindFocusObject"},
    {"AddDartFormulaState", "", "", "Exit"},
    {"SelectPatternPointTask", "OnExit", "", "SelectPeakPointState", "AddFocusPoint"},
};

constexpr StateRow kLapelStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1, {}, "AddParentTaskUndo"},
    {"SelectPatternPointTask", StateType::SubTask, 2},
    {"AddLapelFormulaState", StateType::Plain, 3, "AddLapelFormula"},
    {"SelectPoint2State", StateType::Plain, 4, "FindFocusObject"},
    {"SelectPoint3State", StateType::Plain, 5, "FindFocusObject"},
    {"SelectPoint4State", StateType::Plain, 6, "FindFocusObject"},
    {"SelectPoint5State", StateType::Plain, 7, "FindFocusObject"},
    {"SelectPoint6State", StateType::Plain, 8, "FindFocusObject"},
};

constexpr TransitionRow kLapelTransitions[] = {
    {"Entry", "", "", "SelectPatternPointTask"},
    {"SelectPatternPointTask", "OnExit", "", "SelectPoint2State", "AddFocusPoint"},
    {"AddLapelFormulaState", "", "", "Exit"},
    {"SelectPoint2State", "OnMouseMoveD", "", "SelectPoint2State"},
    {"SelectPoint2State", "OnLButtonDownD", "", "SelectPoint3State", "AddFocusPoint"},
    {"SelectPoint3State", "OnMouseMoveD", "", "SelectPoint3State"},
    {"SelectPoint3State", "OnLButtonDownD", "", "SelectPoint4State", "AddFocusPoint"},
    {"SelectPoint4State", "OnMouseMoveD", "", "SelectPoint4State"},
    {"SelectPoint4State", "OnLButtonDownD", "", "SelectPoint5State", "AddFocusPoint"},
    {"SelectPoint5State", "OnMouseMoveD", "", "SelectPoint5State"},
    {"SelectPoint5State", "OnLButtonDownD", "", "SelectPoint6State", "AddFocusPoint"},
    {"SelectPoint6State", "OnLButtonDownD", "", "AddLapelFormulaState", "AddFocusPoint"},
    {"SelectPoint6State", "OnMouseMoveD", "", "SelectPoint6State"},
};

constexpr VariableRow kPathVariables[] = {
    {"pFocusManager", "0", kVisibleReadOnly},
    {"nContourSizeInfo", "0", kVisibleReadOnly},
};

constexpr StateRow kPathStates[] = {
    {"PathDefinitionTask", StateType::SubTask, 0},
    {"Entry", StateType::Entry, 1},
    {"Exit", StateType::Exit, 2, "AddParentTaskUndo"},
};

constexpr TransitionRow kPathTransitions[] = {
    {"PathDefinitionTask", "OnExit", "", "Exit", "AddPointPath"},
    {"Entry", "", "", "PathDefinitionTask"},
};

FocusToolSettings dartSettings()
{
    FocusToolSettings settings;
    settings.editToolMode = 1;
    settings.snapMode = 5;
    settings.focusTypes = {5};
    settings.activateSelectedPattern = true;
    settings.rules = {
        {0, 0, 3, 3, 1, 0, 0, {}},
        {1, 1, kAny, kAny, 0, 0, 0, {}},
        {2, 1, kAny, kAny, 0, 0, 0, {}},
    };
    settings.prompts = {{"SelectPatternPointTask", -1, 61206},
                        {"SelectPeakPointState", -1, 61207},
                        {"SelectBasePointState", -1, 61208}};
    return settings;
}

// The prompt names the point to pick: 1 at the start, then the digit of the state's name.
constexpr const char *kLapelPromptStates[] = {"Entry", "SelectPoint2State", "SelectPoint3State",
                                              "SelectPoint4State", "SelectPoint5State",
                                              "SelectPoint6State"};
constexpr uint32_t kLapelPrompt = 61209;

FocusToolSettings lapelSettings()
{
    FocusToolSettings settings;
    settings.editToolMode = 2;
    settings.snapMode = 1;
    settings.focusTypes = {1};
    settings.activateSelectedPattern = true;
    settings.rules = {{0, 0, 3, 3, 1, 0, 0, {}}, {1, 1, kAny, kAny, 0, 0, 0, {}}};
    for (const char *state : kLapelPromptStates)
        settings.prompts.push_back({state, -1, kLapelPrompt});
    return settings;
}

CGradePathEditor *pathEditor(ITask *task)
{
    IDocumentServices *services = documentServices(task);
    return services != nullptr ? services->GetGradePathEditor() : nullptr;
}

} // namespace

const ChartDeclaration &CPathDefinitionTask::Chart()
{
    static const ChartDeclaration chart{
        {}, kPathDefinitionVariables, kPathDefinitionStates, kPathDefinitionTransitions};
    return chart;
}

void CPathDefinitionTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

void CPathDefinitionTask::OnExit(ITask *task)
{
    if (IDocumentServices *services = documentServices(task))
        services->ClearFocusTypes();
}

void CPathDefinitionTask::OnStateEnter(ITask *task, const std::string &stateName, int)
{
    IDocumentServices *services = documentServices(task);
    if (services == nullptr)
        return;
    uint32_t prompt = 0;
    if (stateName == "OverPolyPoint")
        prompt = 43043;
    else if (stateName == "EndPolyPointPath")
        prompt = 43044;
    else if (stateName == "OverOtherPiece")
        prompt = 43045;
    services->SetStringAt(0, prompt != 0 ? loadString(prompt) : std::string());
}

CAddDartsFormulaTask::CAddDartsFormulaTask() : CFocusTaskDefinition(dartSettings()) {}

const ChartDeclaration &CAddDartsFormulaTask::Chart()
{
    static const ChartDeclaration chart{
        {.undoEnabled = true, .undoTextId = 61493, .redoTextId = 61494},
        kPickingToolVariables, kDartStates, kDartTransitions};
    return chart;
}

void CAddDartsFormulaTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

bool CAddDartsFormulaTask::CanStart(ITask *task)
{
    return canStartPatternTool(task);
}

CAddLapelFormulaTask::CAddLapelFormulaTask() : CFocusTaskDefinition(lapelSettings()) {}

const ChartDeclaration &CAddLapelFormulaTask::Chart()
{
    static const ChartDeclaration chart{{.undoTextId = 61495, .redoTextId = 61496},
                                        kPickingToolVariables, kLapelStates, kLapelTransitions};
    return chart;
}

void CAddLapelFormulaTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

bool CAddLapelFormulaTask::CanStart(ITask *task)
{
    return canStartPatternTool(task);
}

std::string CAddLapelFormulaTask::GetPromptText(ITask *, const std::string &stateName, int)
{
    for (int i = 0; i < static_cast<int>(std::size(kLapelPromptStates)); ++i) {
        if (stateName == kLapelPromptStates[i])
            return loadString(kLapelPrompt, {std::to_string(i + 1)});
    }
    return {};
}

CAddPathTask::CAddPathTask() : CFocusTaskDefinition({}) {}

const ChartDeclaration &CAddPathTask::Chart()
{
    static const ChartDeclaration chart{{.undoTextId = 61491, .redoTextId = 61492},
                                        kPathVariables, kPathStates, kPathTransitions};
    return chart;
}

void CAddPathTask::Define(ITask *task)
{
    defineChart(task, Chart());
}

bool CAddPathTask::CanStart(ITask *task)
{
    return canStartPatternTool(task);
}

void CAddPathTask::OnEnter(ITask *task)
{
    if (!AttachShapeSet(task))
        return;
    IDocumentServices &services = *documentServices(task);
    IMaskDocumentAccess *document = GetShapeSet().GetMaskDocument();
    if (const CInteractionModes *modes = document->GetInteractionModes())
        m_nSavedSnapMode = modes->GetSnapMode();
    if (CFocusManager *focus = document->GetFocusManager())
        focus->ActivateSelectedPattern();
    PublishShapeSet(task);
    services.ClearFocusTypes();
    services.AddFocusType(1);
    ICommandAttributes *variables = task->GetAttributes();
    variables->SetInteger("nSnapMode", 1);
    variables->GetInteger("nContourSizeInfo", &m_nPointRelation);
    InstallFocusRules(task);
    variables->SetInteger("nContourSizeInfo", 0);
    if (CGradePathEditor *editor = services.GetGradePathEditor())
        editor->SetActive(true);
    variables->SetInteger("EditToolMode", 3);
}

void CAddPathTask::OnExit(ITask *task)
{
    ICommandAttributes *variables = task->GetAttributes();
    variables->SetInteger("nSnapMode", m_nSavedSnapMode);
    if (CGradePathEditor *editor = pathEditor(task))
        editor->SetActive(false);
    variables->SetInteger("EditToolMode", 0);
}

void CAddPathTask::AddFocusRules(CFocusFilterList &rules)
{
    rules.AddFilter(0, 0, 3, 3, 4, 0, m_nPointRelation);
    rules.AddFilter(0, 0, 3, 3, 1, 0, m_nPointRelation);
    rules.AddFilter(1, 1, kAny, kAny, 3, 0, m_nPointRelation);
}
