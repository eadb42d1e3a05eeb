// Morvane interactive tasks, tests.
// "MainTask" on a real mask task manager: activation, commands, tools started and ended, undo.
#include "app/taskdefs/MainTask.h"

#include "app/taskdefs/testing/MaskTaskTesting.h"
#include "tasks/UndoGroup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using namespace morvane;
using namespace morvane::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// A stub tool: "Work" records a step on "Step", goes to "Other" on "Next", ends on "Finish"
// and hands its steps to the main task as one step when it ends.
constexpr StateRow kToolStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1, {}, "AddParentTaskUndo"},
    {"Work", StateType::Plain, 2},
    {"Other", StateType::Plain, 3},
};
constexpr TransitionRow kToolTransitions[] = {
    {"Entry", "", "", "Work"},
    {"Work", "Step", "", "", "Step"},
    {"Work", "Next", "", "Other"},
    {"Work", "Finish", "", "Exit"},
    {"Other", "Finish", "", "Exit"},
};
constexpr ChartDeclaration kToolChart{{.undoEnabled = true}, {}, kToolStates, kToolTransitions};

// A stub view tool that returns to its caller on a release.
constexpr StateRow kZoomStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1},
    {"Zooming", StateType::Plain, 2},
};
constexpr TransitionRow kZoomTransitions[] = {
    {"Entry", "", "", "Zooming"},
    {"Zooming", "OnLButtonUpD", "", "Exit"},
};
constexpr ChartDeclaration kZoomChart{
    {.sharedUndo = true, .returnToCaller = true}, {}, kZoomStates, kZoomTransitions};

constexpr CommandFlags kRecorded{.addToHistory = true, .modifyType = CMT_MODIFY};
constexpr CommandFlags kNotRecorded{.addToHistory = false};

/// A mask's task manager running "MainTask" with stub tools, on documents in memory.
class MainTaskTest : public ::testing::Test
{
protected:
    MainTaskTest() { registerStubs(m_manager); }

    static void registerStubs(ScriptedMaskTaskManager &manager)
    {
        manager.command("Step", kRecorded);
        manager.command("PlacePattern", kRecorded);
        for (const char *name : {"RecalculateGrading", "ActivateNextPatternPoint",
                                 "SaveModifiedMask", "ClearInteractiveMode", "SetActiveObject"})
            manager.command(name, kNotRecorded);
        manager.task("IdleTask", defineIdleStub);
        for (const char *tool : {"AddRegionTask", "MeasureTask", "AddDartsFormulaTask"})
            manager.task(tool, [](ITask *task) { defineChart(task, kToolChart); });
        manager.task("ZoomToRectHistoryTask", [](ITask *task) { defineChart(task, kZoomChart); });
    }

    void SetUp() override { m_manager.start("MainTask", &m_services); }
    void TearDown() override { EXPECT_THAT(m_manager.diagnostics, IsEmpty()); }

    CTask &mainTask() { return *m_manager.GetMainTask(); }
    std::string state() { return currentStatePath(mainTask()); }
    void activate()
    {
        m_manager.DispatchEvent("OnActivate", nullptr);
        m_log.clear();
    }
    void setVariable(const char *name, int value)
    {
        ASSERT_TRUE(mainTask().GetAttributes()->SetInteger(name, value)) << name;
    }
    int variable(const char *name)
    {
        int value = 0;
        mainTask().GetAttributes()->GetInteger(name, &value);
        return value;
    }
    CUndoGroup &mainHistory() { return *mainTask().GetOwnUndoGroup(); }

    EventLog m_log;
    FakeDocumentServices m_services;
    ScriptedMaskTaskManager m_manager{&m_log};
};

struct FirstEventCase
{
    const char *event;
    const char *state;
    std::vector<std::string> commands;
};

} // namespace

TEST_F(MainTaskTest, DeclaresTheSharedVariablesWithTheirFirstValues)
{
    // Run has copied the options in: the fake's are all 0.
    const CCommandAttributes &variables = mainTask().GetVariableStore();
    ASSERT_EQ(variables.GetVariables().size(), 25u);
    for (const CTaskVariable &declared : variables.GetVariables()) {
        SCOPED_TRACE(declared.m_sName);
        EXPECT_EQ(declared.m_sValue, declared.m_sName == "nFocusObjectType" ? "8" : "0");
        EXPECT_EQ(declared.m_nVisibility,
                  declared.m_sName == "pFocusManager" ? kVisibleReadOnly : kVisibleWritable);
    }
    const auto &chart = mainTaskChart();
    EXPECT_EQ(chart.states.size(), 27u);
    EXPECT_EQ(chart.transitions.size(), 176u);
    EXPECT_EQ(std::find_if(chart.variables.begin(), chart.variables.end(),
                           [](const VariableRow &row) { return row.name == "repeat"; })
                  ->initialValue,
              "1");
}

TEST_F(MainTaskTest, FirstEventIsIgnoredUnlessItActivatesOrAsksToSave)
{
    const FirstEventCase cases[] = {
        {"OnActivate", "IdleTask/Idle", {}},
        {"SaveModifiedMask", "NotActiveState", {"run SaveModifiedMask"}},
        {"RecalculateGrading", "NotActiveState", {}},
        {"OnAddRegion", "NotActiveState", {}},
        {"OnCancel", "NotActiveState", {}},
        {"Undo", "NotActiveState", {}},
    };
    for (const FirstEventCase &row : cases) {
        SCOPED_TRACE(row.event);
        EventLog log;
        FakeDocumentServices services;
        ScriptedMaskTaskManager manager(&log);
        registerStubs(manager);
        manager.start("MainTask", &services);
        ASSERT_EQ(currentStatePath(*manager.GetMainTask()), "NotActiveState");
        manager.DispatchEvent(row.event, nullptr);
        EXPECT_EQ(currentStatePath(*manager.GetMainTask()), row.state);
        EXPECT_EQ(takeCommandsRun(log), row.commands);
        EXPECT_THAT(manager.diagnostics, IsEmpty());
    }
}

TEST_F(MainTaskTest, CommandEventRunsOnceAndRestartsTheIdleTool)
{
    for (const char *event : {"RecalculateGrading", "ActivateNextPatternPoint"}) {
        SCOPED_TRACE(event);
        activate();
        m_manager.DispatchEvent(event, nullptr);
        EXPECT_EQ(takeLog(m_log), (EventLog{"exit IdleTask", "left IdleTask.Idle",
                                            "run " + std::string(event), "enter IdleTask",
                                            "state IdleTask.Entry", "left IdleTask.Entry",
                                            "state IdleTask.Idle"}));
        EXPECT_EQ(state(), "IdleTask/Idle");
    }
}

TEST_F(MainTaskTest, DeactivationStopsTheEditorUntilActivatedAgain)
{
    activate();
    m_manager.DispatchEvent("OnDeactivate", nullptr);
    EXPECT_EQ(state(), "NotActiveState");
    EXPECT_FALSE(m_manager.CanDispatchEvent("RecalculateGrading", nullptr));
    m_manager.DispatchEvent("OnActivate", nullptr);
    EXPECT_EQ(state(), "IdleTask/Idle");
}

TEST_F(MainTaskTest, RegionToolEndsOrStartsAgainAsRepeatAddSays)
{
    struct Row
    {
        int repeatAdd;
        const char *state;
    };
    for (const Row &row : {Row{0, "IdleTask/Idle"}, Row{1, "AddRegionTask/Work"}}) {
        SCOPED_TRACE(row.repeatAdd);
        activate();
        setVariable("repeatAdd", row.repeatAdd);
        m_manager.DispatchEvent("OnAddRegion", nullptr);
        EXPECT_EQ(state(), "AddRegionTask/Work");
        m_manager.DispatchEvent("Finish", nullptr);
        EXPECT_EQ(state(), row.state);
        m_manager.DispatchEvent("OnCancel", nullptr);
        EXPECT_EQ(state(), "IdleTask/Idle");
    }
}

TEST_F(MainTaskTest, ViewToolInsideAToolReturnsToItsInnerState)
{
    activate();
    m_manager.DispatchEvent("OnMeasure", nullptr);
    m_manager.DispatchEvent("Next", nullptr);
    EXPECT_EQ(state(), "MeasureTask/Other");
    m_manager.DispatchEvent("OnZoomToRect", nullptr);
    EXPECT_EQ(state(), "ZoomToRectHistoryTask/Zooming");
    m_manager.DispatchEvent("OnLButtonUpD", nullptr);
    EXPECT_EQ(state(), "MeasureTask/Other");
    // The measuring tool was neither left nor entered again.
    EXPECT_EQ(std::count(m_log.begin(), m_log.end(), "enter MeasureTask"), 1);
    EXPECT_EQ(std::count(m_log.begin(), m_log.end(), "exit MeasureTask"), 0);
}

TEST_F(MainTaskTest, CancelledToolUndoesOnlyItsOwnSteps)
{
    activate();
    m_manager.DispatchEvent("PlacePattern", nullptr);
    ASSERT_EQ(mainHistory().GetCount(), 1);
    for (const std::string tool : {"AddRegion", "AddDartsFormula"}) {
        SCOPED_TRACE(tool);
        m_manager.DispatchEvent("On" + tool, nullptr);
        m_manager.DispatchEvent("Step", nullptr);
        m_manager.DispatchEvent("Step", nullptr);
        m_log.clear();
        m_manager.DispatchEvent("OnCancel", nullptr);
        // The tool is left first, then its own steps are undone.
        EXPECT_EQ(takeLog(m_log),
                  (EventLog{"exit " + tool + "Task", "left " + tool + "Task.Work", "undo Step",
                            "undo Step", "enter IdleTask", "state IdleTask.Entry",
                            "left IdleTask.Entry", "state IdleTask.Idle"}));
        EXPECT_EQ(state(), "IdleTask/Idle");
        EXPECT_EQ(mainHistory().GetCount(), 1);
        EXPECT_TRUE(mainHistory().CanUndoOne());
    }
}

TEST_F(MainTaskTest, FinishedToolBecomesOneStepOfTheMask)
{
    activate();
    for (int tool = 1; tool <= 2; ++tool) {
        SCOPED_TRACE(tool);
        m_manager.DispatchEvent("OnAddRegion", nullptr);
        m_manager.DispatchEvent("Step", nullptr);
        m_manager.DispatchEvent("Step", nullptr);
        m_manager.DispatchEvent("Finish", nullptr);
        EXPECT_EQ(mainHistory().GetCount(), tool);
        EXPECT_EQ(std::count(m_log.begin(), m_log.end(), "left AddRegionTask.Exit"), 1);
        m_log.clear();
    }
    m_manager.Undo();
    EXPECT_EQ(takeLog(m_log), (EventLog{"undo Step", "undo Step"}));
    // The first tool's step made the mask modified; nothing since changed that.
    EXPECT_EQ(m_services.changes2, 1);
}

TEST_F(MainTaskTest, TwoMasksKeepTheirOwnHistories)
{
    EventLog otherLog;
    FakeDocumentServices otherServices;
    ScriptedMaskTaskManager other(&otherLog);
    registerStubs(other);
    other.start("MainTask", &otherServices);
    other.DispatchEvent("OnActivate", nullptr);
    activate();

    m_manager.DispatchEvent("PlacePattern", nullptr);
    other.DispatchEvent("PlacePattern", nullptr);
    other.Undo();
    EXPECT_FALSE(other.CanUndo());
    EXPECT_TRUE(m_manager.CanUndo());
    EXPECT_NE(m_manager.GetCommand("Undo"), other.GetCommand("Undo"));
}

TEST_F(MainTaskTest, ModifiedStateOfTheMaskIsAnnounced)
{
    activate();
    m_manager.DispatchEvent("PlacePattern", nullptr);
    EXPECT_EQ(m_services.changes2, 1);
    m_manager.Undo();
    EXPECT_EQ(m_services.changes2, 2);
}

TEST_F(MainTaskTest, ToolEndThatNothingTakesStopsTheEditorAndIsReported)
{
    // "MeasureTask" has no "OnExit" in the main chart: its end reaches the top, which starts
    // again at "Entry" and so waits in "NotActiveState".
    activate();
    m_manager.DispatchEvent("OnMeasure", nullptr);
    m_manager.DispatchEvent("Finish", nullptr);
    EXPECT_EQ(state(), "NotActiveState");
    EXPECT_THAT(m_manager.diagnostics,
                ElementsAre("task \"MainTask\": nothing takes \"OnExit\"; the task starts again "
                            "at \"Entry\""));
    m_manager.diagnostics.clear();
}
