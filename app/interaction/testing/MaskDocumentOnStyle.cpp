// Morvane program interaction test support.
// A grade-mask document without windows over a style on a mask: its task manager, focus
// manager, modes and state objects set up as the program's document sets them up.
#include "app/interaction/testing/MaskDocumentOnStyle.h"

#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/TableSetFactory.h"
#include "tasks/ITask.h"
#include "tasks/Task.h"
#include "tasks/TransitionId.h"

#include <functional>

namespace testinteraction {

namespace {

constexpr uint32_t kMaskDocumentHandlerId = 0xFFFF006C;

/// The main task: the mask's variables, "Idle", and one sub-task state per tool.
class MainTaskDefinition : public ITaskDefinition
{
public:
    explicit MainTaskDefinition(std::vector<std::string> tools) : m_tools(std::move(tools)) {}

    void Define(ITask *task) override
    {
        for (const auto &[name, value] : kMainTaskVariables)
            task->GetAttributes()->AddVariable(name, value, morvane::kVisibleWritable);
        task->GetAttributes()->AddVariable("pFocusManager", "0", morvane::kVisibleReadOnly);
        task->AddEntryState("Entry", 0);
        task->AddState("Idle", 1);
        int index = 2;
        for (const std::string &tool : m_tools)
            task->AddSubTask(tool, tool, index++);
        transition(task, "Entry", "", "Idle");
        for (const std::string &tool : m_tools) {
            transition(task, "Idle", "Start" + tool, tool);
            transition(task, tool, "OnExit", "Idle");
            transition(task, tool, "OnCancel", "Idle");
        }
    }

private:
    static void transition(ITask *task, const std::string &from, const std::string &event,
                           const std::string &to)
    {
        task->AddTransition(from, event, "", to, morvane::makeTransitionId());
    }

    std::vector<std::string> m_tools;
};

} // namespace

ToolTaskManager::ToolTaskManager()
{
    SetDiagnosticHandler([this](const std::string &message) { diagnostics.push_back(message); });
}

void ToolTaskManager::addTool(const std::string &name,
                              std::unique_ptr<ITaskDefinition> definition)
{
    m_toolNames.push_back(name);
    m_tools.emplace_back(name, std::move(definition));
}

void ToolTaskManager::start(IDocumentServices *services)
{
    SetMainTask("MainTask");
    Create(services);
    Run();
}

void ToolTaskManager::RegisterTaskTemplates()
{
    AddTaskTemplate("MainTask", std::make_unique<MainTaskDefinition>(m_toolNames));
    for (auto &[name, definition] : m_tools)
        AddTaskTemplate(name, std::move(definition));
    m_tools.clear();
}

MaskDocumentOnStyle::MaskDocumentOnStyle(const std::filesystem::path &style,
                                         const std::filesystem::path &tableSet,
                                         const std::filesystem::path &scratchFolder)
    : m_style(style, tableSet, scratchFolder / "saved.dxf")
{
    m_handler.SetHandlerId(kMaskDocumentHandlerId, this);
    CGradeMask &mask = m_style.mask();
    mask.SetParent(reinterpret_cast<uintptr_t>(&mask), &m_handler);

    services.activeMask = &mask;
    services.inputPatterns = &m_style.inputPatterns();
    services.tableSet = &m_style.tableSet();
    services.maskDocument = this;
    services.taskManager = &m_tasks;
    services.focusManager = &focus;
    services.interactionModes = &modes;
    services.displayFlags = &displayFlags;
    services.sizeSelection = &sizes;
    services.cursorTable = &cursors;
    services.measureLine = &measureLine;
    services.rotationPivot = &pivot;
    services.gradePathEditor = &pathEditor;
    displayFlags.SetListener(&services);
    cursors.SetOwner(&services);
    showSizesOfFirstTable();

    focus.Initialize(this);
    focus.SetParent(reinterpret_cast<uintptr_t>(&focus), &m_handler);
    m_handler.AddListener(&focus);
    m_style.inputPatterns().GetEventHandler()->AddListener(&focus);
    modes.SetOwner(this);
    modes.SetParent(reinterpret_cast<uintptr_t>(&modes), &m_handler);
    pivot.SetOwner(this);
    pivot.SetParent(reinterpret_cast<uintptr_t>(&pivot), &m_handler);
    m_handler.AddListener(&pivot);
    pathEditor.SetOwner(&services);
}

MaskDocumentOnStyle::~MaskDocumentOnStyle()
{
    m_handler.RemoveListener(&pivot);
    m_handler.RemoveListener(&focus);
    m_style.inputPatterns().GetEventHandler()->RemoveListener(&focus);
    pivot.SetParent(0, nullptr);
    modes.SetParent(0, nullptr);
    focus.SetParent(0, nullptr);
    m_style.mask().SetParent(0, nullptr);
}

bool MaskDocumentOnStyle::startTool(const std::string &name)
{
    m_tasks.DispatchEvent("Start" + name, nullptr);
    return m_tasks.GetTaskStatus(name) != TS_INACTIVE;
}

int MaskDocumentOnStyle::mainVariable(const std::string &name)
{
    int value = 0;
    if (CTask *mainTask = m_pTaskManager->GetMainTask())
        mainTask->GetAttributes()->GetInteger(name, &value);
    return value;
}

void MaskDocumentOnStyle::showSizesOfFirstTable()
{
    const IBrismond &set = m_style.tableSet();
    if (set.GetTableCount() == 0)
        return;
    std::vector<std::unique_ptr<IComplexGradeSize>> made;
    std::vector<const IComplexGradeSize *> shown;
    for (int i = 0; i < set.GetTableAt(0)->GetSizeCount(); ++i) {
        made.push_back(CTableSetFactory::MakeComplexGradeSize(set.GetTableCount()));
        made.back()->SetPlaceAt(0, i);
        shown.push_back(made.back().get());
    }
    sizes.SetCustomSelection(true);
    sizes.SetCustomSizes(shown);
}

} // namespace testinteraction
