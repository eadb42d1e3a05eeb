// Morvane command, task and undo engine tests.
// Event dispatch through the active states, transient and final states, queries and status.
#include "tasks/testing/ChartFixture.h"

#include "tasks/EventDispatchBlock.h"
#include "tasks/Task.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::test;

namespace {

class DispatchTest : public ::testing::Test
{
protected:
    DispatchTest() : m_manager(&m_log) {}

    void start()
    {
        m_manager.start("Main");
        ASSERT_TRUE(m_manager.diagnostics.empty()) << m_manager.diagnostics.front();
        m_log.clear();
    }
    CTask &mainTask() { return *m_manager.GetMainTask(); }
    std::string currentState(CTask &task) { return task.GetCurrentState()->GetName(); }
    CTask &subTask(const std::string &name) { return *mainTask().FindState(name)->AsTask(); }
    void setMode(int mode) { mainTask().GetAttributes()->SetInteger("mode", mode); }
    static void declareMode(ITask *task)
    {
        task->GetAttributes()->AddVariable("mode", "0", kVisibleWritable);
    }

    EventLog m_log;
    ScriptedTaskManager m_manager;
};

// Main: Entry -> A; A (sub-task): Entry -> S.
class NestedDispatchTest : public DispatchTest
{
protected:
    NestedDispatchTest()
    {
        for (const char *name : {"InnerPing", "OuterPong", "SExit", "AExit", "ExitCmd"})
            m_manager.command(name, {.addToHistory = false});
    }
    void defineSubTaskA(const std::function<void(ITask *, Chart &)> &more = {})
    {
        m_manager.task("A", [more](ITask *task) {
            Chart chart(task);
            chart.state("S");
            chart.transition("Entry", "", "S");
            chart.transition("S", "Ping", "", "", "InnerPing");
            chart.transition("S", "Finish", "Exit");
            task->SetStateExitCommand("S", "SExit");
            task->SetStateExitCommand("Exit", "ExitCmd");
            if (more)
                more(task, chart);
        });
    }
    void defineMain(const std::function<void(ITask *, Chart &)> &more = {})
    {
        m_manager.task("Main", [more](ITask *task) {
            Chart chart(task);
            chart.state("Idle").subTask("A").state("Other");
            chart.transition("Entry", "", "A");
            chart.transition("A", "Pong", "Other", "", "OuterPong");
            task->SetStateExitCommand("A", "AExit");
            chart.transition("Other", "Back", "A");
            if (more)
                more(task, chart);
        });
    }
};

} // namespace

TEST_F(NestedDispatchTest, InnermostStateTakesTheEventFirst)
{
    defineSubTaskA();
    defineMain();
    start();

    EXPECT_TRUE(m_manager.DispatchEvent("Ping", nullptr));
    EXPECT_EQ(takeLog(m_log), EventLog{"run InnerPing"});

    m_manager.DispatchEvent("Pong", nullptr);
    EXPECT_EQ(takeLog(m_log), (EventLog{"exit A", "run SExit", "left A.S", "run AExit",
                                        "left Main.A", "run OuterPong", "state Main.Other"}));
}

TEST_F(NestedDispatchTest, IgnoredEventIsNotOfferedToEnclosingTasks)
{
    defineSubTaskA([](ITask *task, Chart &) { task->AddIgnoredEvent("S", "Pong"); });
    defineMain();
    start();

    EXPECT_FALSE(m_manager.DispatchEvent("Pong", nullptr));
    EXPECT_TRUE(m_log.empty());
    EXPECT_EQ(currentState(mainTask()), "A");
    const CUpdateEvent update = m_manager.GetEventState(CTaskEvent("Pong", nullptr));
    EXPECT_TRUE(update.m_bAbsorbed);
    EXPECT_FALSE(update.m_bCanDispatch);
}

TEST_F(NestedDispatchTest, FinalStateRaisesOnExitInTheParentChart)
{
    defineSubTaskA();
    defineMain([](ITask *, Chart &chart) { chart.transition("A", "OnExit", "Idle"); });
    start();

    m_manager.DispatchEvent("Finish", nullptr);
    EXPECT_EQ(takeLog(m_log), (EventLog{"run SExit", "left A.S", "state A.Exit", "run ExitCmd",
                                        "left A.Exit", "exit A", "run AExit", "left Main.A",
                                        "state Main.Idle"}));
}

TEST_F(NestedDispatchTest, MainTaskRestartsAtEntryWhenNobodyTakesTheEnd)
{
    defineSubTaskA();
    defineMain();
    start();

    m_manager.DispatchEvent("Finish", nullptr);
    EXPECT_EQ(takeLog(m_log),
              (EventLog{"run SExit", "left A.S", "state A.Exit", "run ExitCmd", "left A.Exit",
                        "exit A", "run AExit", "left Main.A", "state Main.Entry", "left Main.Entry",
                        "state Main.A", "enter A", "state A.Entry", "left A.Entry", "state A.S"}));
    EXPECT_EQ(m_manager.diagnostics,
              (std::vector<std::string>{
                  "task \"Main\": nothing takes \"OnExit\"; the task starts again at \"Entry\""}));
}

TEST_F(NestedDispatchTest, FinalStateIsLeftOnceWhenItsTaskIsLeftLater)
{
    defineSubTaskA();
    // A middle task takes "OnExit" without leaving the sub-task state: "Exit" stays current.
    defineMain([](ITask *, Chart &chart) { chart.transition("A", "OnExit", ""); });
    start();

    m_manager.DispatchEvent("Finish", nullptr);
    m_manager.DispatchEvent("Pong", nullptr);
    EXPECT_EQ(std::count(m_log.begin(), m_log.end(), "run ExitCmd"), 1);
    EXPECT_EQ(std::count(m_log.begin(), m_log.end(), "left A.Exit"), 1);
    EXPECT_EQ(currentState(mainTask()), "Other");
}

TEST_F(DispatchTest, MainTasksFinalStateRestartsItOnce)
{
    m_manager.command("MainExit", {.addToHistory = false});
    m_manager.task("Main", [](ITask *task) {
        Chart chart(task);
        chart.state("Idle");
        chart.transition("Entry", "", "Idle");
        chart.transition("Idle", "Quit", "Exit");
        task->SetStateExitCommand("Exit", "MainExit");
    });
    start();

    m_manager.DispatchEvent("Quit", nullptr);
    EXPECT_EQ(takeLog(m_log), (EventLog{"left Main.Idle", "state Main.Exit", "run MainExit",
                                        "left Main.Exit", "state Main.Entry", "left Main.Entry",
                                        "state Main.Idle"}));
}

TEST_F(DispatchTest, EntryStateIsNamedEntryWhateverNameItIsGiven)
{
    m_manager.task("Main", [](ITask *task) {
        task->AddEntryState("Start", 0);
        task->AddState("Idle", 2);
        task->AddTransition("Entry", "", "", "Idle", makeTransitionId());
    });
    start();
    EXPECT_EQ(currentState(mainTask()), "Idle");
    EXPECT_EQ(mainTask().FindState("Start"), nullptr);
}

TEST_F(DispatchTest, FirstTransitionWhoseGuardHoldsFires)
{
    m_manager.command("One");
    m_manager.command("Two");
    m_manager.task("Main", [](ITask *task) {
        declareMode(task);
        Chart chart(task);
        chart.state("Idle");
        chart.transition("Entry", "", "Idle");
        chart.transition("Idle", "Click", "", "mode=1", "One");
        chart.transition("Idle", "Click", "", "", "Two");
    });
    start();

    EXPECT_TRUE(m_manager.DispatchEvent("Click", nullptr));
    EXPECT_EQ(takeLog(m_log), EventLog{"run Two"});
    setMode(1);
    m_manager.DispatchEvent("Click", nullptr);
    EXPECT_EQ(takeLog(m_log), EventLog{"run One"});
}

TEST_F(DispatchTest, TransientStateTakesAGuardedTransitionElseTheLastFallback)
{
    m_manager.task("Main", [](ITask *task) {
        declareMode(task);
        Chart chart(task);
        chart.state("Idle").state("Decide").state("Waiting");
        chart.state("One").state("Two").state("Fallback1").state("Fallback2");
        chart.transition("Entry", "", "Idle");
        chart.transition("Idle", "Go", "Decide");
        chart.transition("Decide", "", "Fallback1");
        chart.transition("Decide", "", "One", "mode=1");
        chart.transition("Decide", "", "Two", "mode=2");
        chart.transition("Decide", "", "Fallback2");
        chart.transition("Waiting", "Go", "One");
        chart.transition("Waiting", "", "Two");
        for (const char *state : {"One", "Two", "Fallback1", "Fallback2"})
            chart.transition(state, "Back", "Idle");
    });
    start();
    EXPECT_EQ(mainTask().FindState("Decide")->GetKind(), StateKind::Transient);
    EXPECT_EQ(mainTask().FindState("Waiting")->GetKind(), StateKind::Normal);

    const struct
    {
        int mode;
        const char *reached;
    } rows[] = {{2, "Two"}, {1, "One"}, {0, "Fallback2"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.mode);
        setMode(row.mode);
        m_manager.DispatchEvent("Go", nullptr);
        EXPECT_EQ(currentState(mainTask()), row.reached);
        m_manager.DispatchEvent("Back", nullptr);
    }
}

TEST_F(DispatchTest, ReturnToCallerResumesTheCallingStateWithoutEnteringIt)
{
    m_manager.command("IdleEntry", {.addToHistory = false});
    m_manager.command("ZoomExit", {.addToHistory = false});
    m_manager.task("Main", [](ITask *task) {
        Chart chart(task);
        chart.state("Idle").subTask("Zoom");
        chart.transition("Entry", "", "Idle");
        chart.transition("Idle", "OnZoom", "Zoom");
        task->SetStateEntryCommand("Idle", "IdleEntry");
        task->SetStateExitCommand("Zoom", "ZoomExit");
    });
    m_manager.task("Zoom", [](ITask *task) {
        task->SetReturnToCaller(true);
        Chart chart(task);
        chart.state("Drag");
        chart.transition("Entry", "", "Drag");
        chart.transition("Drag", "Up", "Exit");
    });
    start();

    m_manager.DispatchEvent("OnZoom", nullptr);
    EXPECT_EQ(takeLog(m_log), (EventLog{"state Main.Zoom", "enter Zoom", "state Zoom.Entry",
                                        "left Zoom.Entry", "state Zoom.Drag"}));
    EXPECT_EQ(m_manager.GetTaskStatus("Zoom"), TS_ACTIVE);
    EXPECT_EQ(m_manager.GetTaskStatus("Main"), TS_SUSPENDED);

    m_manager.DispatchEvent("Up", nullptr);
    EXPECT_EQ(takeLog(m_log), (EventLog{"left Zoom.Drag", "state Zoom.Exit", "left Zoom.Exit",
                                        "exit Zoom", "run ZoomExit"}));
    EXPECT_EQ(currentState(mainTask()), "Idle");
    EXPECT_EQ(m_manager.GetTaskStatus("Zoom"), TS_INACTIVE);
    EXPECT_EQ(m_manager.GetTaskStatus("Main"), TS_ACTIVE);
}

TEST_F(DispatchTest, ReturnToCallerKeepsTheCallersInnerState)
{
    m_manager.task("Main", [](ITask *task) {
        Chart chart(task);
        chart.subTask("Tool").subTask("Zoom");
        chart.transition("Entry", "", "Tool");
        chart.transition("Tool", "OnZoom", "Zoom");
    });
    m_manager.task("Tool", [](ITask *task) {
        Chart chart(task);
        chart.state("First").state("Second");
        chart.transition("Entry", "", "First");
        chart.transition("First", "Next", "Second");
    });
    m_manager.task("Zoom", [](ITask *task) {
        task->SetReturnToCaller(true);
        Chart chart(task);
        chart.transition("Entry", "", "Exit");
    });
    start();

    m_manager.DispatchEvent("Next", nullptr);
    m_manager.DispatchEvent("OnZoom", nullptr);
    EXPECT_EQ(currentState(mainTask()), "Tool");
    EXPECT_EQ(currentState(subTask("Tool")), "Second");
    EXPECT_EQ(m_manager.GetTaskStatus("Tool"), TS_ACTIVE);
}

TEST_F(DispatchTest, CanDispatchEventAsksOnlyTheCommandNamedLikeTheEvent)
{
    m_manager.command("Delete", {}, CommandBehaviour::disabled());
    m_manager.task("Main", [](ITask *task) {
        declareMode(task);
        Chart chart(task);
        chart.state("Idle").state("Other");
        chart.transition("Entry", "", "Idle");
        chart.transition("Idle", "Delete", "Other", "", "Delete");
        chart.transition("Idle", "Rename", "", "", "Delete");
        chart.transition("Idle", "Plain", "");
        chart.transition("Idle", "Guarded", "", "mode=1");
    });
    start();

    const struct
    {
        const char *event;
        bool canDispatch;
        bool enabled;
    } rows[] = {
        {"Delete", false, false}, {"Rename", true, false}, {"Plain", true, true},
        {"Guarded", false, false}, {"Unknown", false, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.event);
        const CUpdateEvent update = m_manager.GetEventState(CTaskEvent(row.event, nullptr));
        EXPECT_EQ(update.m_bCanDispatch, row.canDispatch);
        EXPECT_EQ(update.m_bEnabled, row.enabled);
        EXPECT_EQ(m_manager.CanDispatchEvent(row.event, nullptr), row.canDispatch);
        EXPECT_EQ(m_manager.CanExecuteCommand(row.event, nullptr), row.canDispatch);
    }
    EXPECT_TRUE(m_log.empty()) << "queries run nothing";

    // A disabled command does not run, but its transition is still taken.
    EXPECT_FALSE(m_manager.DispatchEvent("Delete", nullptr));
    EXPECT_TRUE(takeCommandsRun(m_log).empty());
    EXPECT_EQ(currentState(mainTask()), "Other");
}

TEST_F(DispatchTest, DispatchAnswersTheCommandOfTheTransitionTheEventFired)
{
    m_manager.command("Fail", {}, CommandBehaviour::failing());
    m_manager.command("Succeed");
    m_manager.task("Main", [](ITask *task) {
        Chart chart(task);
        chart.state("Idle").state("Decide").state("Done");
        chart.transition("Entry", "", "Idle");
        chart.transition("Idle", "Go", "Decide", "", "Fail");
        chart.transition("Decide", "", "Done", "", "Succeed");
        chart.transition("Done", "Go", "", "", "Succeed");
    });
    start();

    EXPECT_FALSE(m_manager.DispatchEvent("Go", nullptr));
    EXPECT_EQ(takeCommandsRun(m_log), (EventLog{"run Fail", "run Succeed"}));
    EXPECT_EQ(currentState(mainTask()), "Done");
    EXPECT_TRUE(m_manager.DispatchEvent("Go", nullptr));
    EXPECT_FALSE(m_manager.DispatchEvent("Nobody", nullptr));
}

TEST_F(DispatchTest, NoEventIsDispatchedWhileABlockLives)
{
    m_manager.command("Succeed");
    m_manager.task("Main", [](ITask *task) {
        Chart chart(task);
        chart.state("Idle").state("Done");
        chart.transition("Entry", "", "Idle");
        chart.transition("Idle", "Go", "Done", "", "Succeed");
    });
    start();

    {
        const CEventDispatchBlock outer;
        const CEventDispatchBlock inner;
        EXPECT_TRUE(CEventDispatchBlock::IsActive());
        EXPECT_FALSE(m_manager.DispatchEvent("Go", nullptr));
        EXPECT_TRUE(m_manager.CanDispatchEvent("Go", nullptr));
    }
    EXPECT_FALSE(CEventDispatchBlock::IsActive());
    EXPECT_TRUE(m_log.empty());
    EXPECT_EQ(currentState(mainTask()), "Idle");
    EXPECT_TRUE(m_manager.DispatchEvent("Go", nullptr));
    EXPECT_EQ(currentState(mainTask()), "Done");
}

TEST_F(DispatchTest, TargetThatCannotStartRefusesTheTransitionWhateverTheGuardSays)
{
    m_manager.task("Main", [](ITask *task) {
        declareMode(task);
        Chart chart(task);
        chart.state("Idle").subTask("AddRegion");
        chart.transition("Entry", "", "Idle");
        chart.transition("Idle", "OnAddRegion", "AddRegion", "mode=1,mode=2");
    });
    ScriptedDefinition &addRegion = m_manager.task("AddRegion", [](ITask *task) {
        Chart chart(task);
        chart.state("Pick");
        chart.transition("Entry", "", "Pick");
    });
    start();
    setMode(2);

    addRegion.canStart = false;
    EXPECT_FALSE(m_manager.CanDispatchEvent("OnAddRegion", nullptr));
    m_manager.DispatchEvent("OnAddRegion", nullptr);
    EXPECT_EQ(currentState(mainTask()), "Idle");

    addRegion.canStart = true;
    EXPECT_TRUE(m_manager.CanDispatchEvent("OnAddRegion", nullptr));
    m_manager.DispatchEvent("OnAddRegion", nullptr);
    EXPECT_EQ(currentState(mainTask()), "AddRegion");
}

TEST_F(DispatchTest, GuardWordEnabledAsksTheDefinition)
{
    ScriptedDefinition &main = m_manager.task("Main", [](ITask *task) {
        Chart chart(task);
        chart.state("Idle").state("Other");
        chart.transition("Entry", "", "Idle");
        chart.transition("Idle", "Edit", "Other", "enabled");
    });
    start();

    EXPECT_FALSE(m_manager.CanDispatchEvent("Edit", nullptr));
    main.enabledEvents.insert("Edit");
    EXPECT_TRUE(m_manager.CanDispatchEvent("Edit", nullptr));
}

TEST_F(DispatchTest, ReportsTheStatusOfEachTask)
{
    m_manager.task("Main", [](ITask *task) {
        Chart chart(task);
        chart.state("Idle").subTask("Measure");
        chart.transition("Entry", "", "Idle");
        chart.transition("Idle", "OnMeasure", "Measure");
        chart.transition("Measure", "OnCancel", "Idle");
    });
    m_manager.task("Measure", [](ITask *task) {
        Chart chart(task);
        chart.subTask("Distance");
        chart.transition("Entry", "", "Distance");
    });
    m_manager.task("Distance", [](ITask *task) {
        Chart chart(task);
        chart.state("Pick");
        chart.transition("Entry", "", "Pick");
    });
    start();

    EXPECT_EQ(m_manager.GetTaskStatus("Main"), TS_ACTIVE);
    EXPECT_EQ(m_manager.GetTaskStatus("Measure"), TS_INACTIVE);
    m_manager.DispatchEvent("OnMeasure", nullptr);
    EXPECT_EQ(m_manager.GetTaskStatus("Distance"), TS_ACTIVE);
    EXPECT_EQ(m_manager.GetTaskStatus("Measure"), TS_SUSPENDED);
    EXPECT_EQ(m_manager.GetTaskStatus("Main"), TS_SUSPENDED);
    EXPECT_EQ(m_manager.GetTaskStatus("Nothing"), TS_INACTIVE);
    m_manager.DispatchEvent("OnCancel", nullptr);
    EXPECT_EQ(m_manager.GetTaskStatus("Distance"), TS_INACTIVE);
    EXPECT_EQ(m_manager.GetTaskStatus("Main"), TS_ACTIVE);
}

TEST_F(DispatchTest, TwoInstancesOfOneTemplateAreIndependent)
{
    m_manager.task("Main", [](ITask *task) {
        Chart chart(task);
        chart.subTask("Side");
        task->AddSubTask("OtherSide", "Side", 3);
        chart.transition("Entry", "", "Side");
        chart.transition("Side", "Switch", "OtherSide");
    });
    m_manager.task("Side", [](ITask *task) {
        task->GetAttributes()->AddVariable("count", "0", kVisibleReadOnly);
        Chart chart(task);
        chart.state("Up").state("Down");
        chart.transition("Entry", "", "Up");
        chart.transition("Up", "Flip", "Down");
    });
    start();

    CTask &side = subTask("Side");
    CTask &otherSide = subTask("OtherSide");
    side.GetAttributes()->SetInteger("count", 5);
    m_manager.DispatchEvent("Flip", nullptr);
    m_manager.DispatchEvent("Switch", nullptr);

    int count = -1;
    otherSide.GetAttributes()->GetInteger("count", &count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(currentState(side), "Down");
    EXPECT_EQ(currentState(otherSide), "Up");
    EXPECT_NE(side.GetOwnUndoGroup(), otherSide.GetOwnUndoGroup());
    EXPECT_EQ(otherSide.GetIndex(), 3);
}
