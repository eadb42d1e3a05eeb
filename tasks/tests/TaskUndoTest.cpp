// Morvane command, task and undo engine tests.
// Per-task undo: sub-task groups handed to the parent, the undo names, undo from the menu.
#include "tasks/testing/ChartFixture.h"

#include "tasks/Task.h"
#include "tasks/UndoCommands.h"
#include "tasks/UndoGroup.h"

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::test;

namespace {

/// A recorded command whose work dispatches an event to its own task manager, as a command
/// that finishes its tool does.
class DispatchingCommand : public CBaseCommand
{
public:
    DispatchingCommand(const std::string &name, std::string event) : m_event(std::move(event))
    {
        Create(name);
    }
    std::unique_ptr<ICommand> Clone() const override
    {
        return std::make_unique<DispatchingCommand>(*this);
    }
    bool OnExecute(void *data) override
    {
        GetTaskManager()->DispatchEvent(m_event, data);
        return true;
    }

private:
    std::string m_event;
};

/// How the region-adding sub-task of the test chart deals with its undo group.
struct UndoWiring
{
    std::string finalExitCommand = "AddParentTaskUndo"; // exit command of its "Exit"
    std::string subTaskExitCommand;                     // exit command of its state in Main
    std::string cancelCommand;                          // Main's "OnCancel" from the sub-task
    std::string revertCommand;                          // its own "Revert" in state "Pick"
    std::string endCommand;                             // Main's "OnExit" from the sub-task
    bool mainUndoEnabled = true;
};

static UndoWiring cancelWith(const char *command)
{
    UndoWiring wiring;
    wiring.cancelCommand = command;
    return wiring;
}

static UndoWiring revertWith(const char *command)
{
    UndoWiring wiring;
    wiring.revertCommand = command;
    return wiring;
}

// Main: Idle, with "Place", "Undo" and "Redo"; "OnAddRegion" runs the sub-task AddRegion,
// which records "Place", "Move" and "Import" in its state "Pick" and ends on "Finish".
class TaskUndoTest : public ::testing::Test
{
protected:
    void build(const UndoWiring &wiring = {})
    {
        m_manager = std::make_unique<ScriptedTaskManager>(&m_log);
        m_manager->command("Place");
        m_manager->command("Move", {.modifyType = CMT_MODIFY});
        m_manager->command("Import", {.addToHistory = false, .modifyType = CMT_MODIFY});
        m_manager->command(std::make_unique<CCmdUndo>());
        m_manager->command(std::make_unique<CCmdRedo>());
        m_manager->command(std::make_unique<CCmdUndoAll>());
        m_manager->command(std::make_unique<CCmdUndoParentTask>());
        m_manager->command(std::make_unique<CCmdAddUndo>());
        m_manager->command(std::make_unique<CCmdAddParentTaskUndo>());
        m_manager->command(std::make_unique<CCmdClearCurrentUndoTask>());
        m_manager->command(std::make_unique<CCmdClearParentUndoTask>());
        m_manager->command(std::make_unique<DispatchingCommand>("PlaceAndFinish", "Finish"));

        m_mainDefinition = &m_manager->task("Main", [wiring](ITask *task) {
            task->SetUndoEnabled(wiring.mainUndoEnabled);
            Chart chart(task);
            chart.state("Idle").subTask("AddRegion");
            chart.transition("Entry", "", "Idle");
            for (const char *event : {"Place", "Undo", "Redo"})
                chart.transition("Idle", event, "", "", event);
            chart.transition("Idle", "OnAddRegion", "AddRegion");
            chart.transition("AddRegion", "OnExit", "Idle", "", wiring.endCommand);
            chart.transition("AddRegion", "OnCancel", "Idle", "", wiring.cancelCommand);
            chart.transition("AddRegion", "Undo", "", "", "Undo");
            chart.transition("AddRegion", "Redo", "", "", "Redo");
            if (!wiring.subTaskExitCommand.empty())
                task->SetStateExitCommand("AddRegion", wiring.subTaskExitCommand);
        });
        m_manager->task("AddRegion", [wiring](ITask *task) {
            task->SetUndoEnabled(true);
            task->SetUndoToolTip("Undo adding the region");
            task->SetRedoToolTip("Redo adding the region");
            Chart chart(task);
            chart.state("Pick");
            chart.transition("Entry", "", "Pick");
            for (const char *event : {"Place", "Move", "Import", "PlaceAndFinish"})
                chart.transition("Pick", event, "", "", event);
            chart.transition("Pick", "Finish", "Exit");
            chart.transition("Pick", "Revert", "", "", wiring.revertCommand);
            if (!wiring.finalExitCommand.empty())
                task->SetStateExitCommand("Exit", wiring.finalExitCommand);
        });
        m_manager->start("Main");
        ASSERT_TRUE(m_manager->diagnostics.empty()) << m_manager->diagnostics.front();
        m_log.clear();
    }

    void dispatch(std::initializer_list<const char *> events)
    {
        for (const char *event : events)
            m_manager->DispatchEvent(event, nullptr);
    }
    CUndoGroup &mainGroup() { return *m_manager->GetMainTask()->GetOwnUndoGroup(); }
    CUndoGroup &subTaskGroup()
    {
        return *m_manager->GetMainTask()->FindState("AddRegion")->AsTask()->GetOwnUndoGroup();
    }
    EventLog takeUndos()
    {
        EventLog undos;
        for (const std::string &entry : takeLog(m_log)) {
            if (entry.rfind("undo ", 0) == 0)
                undos.push_back(entry);
        }
        return undos;
    }

    EventLog m_log;
    std::unique_ptr<ScriptedTaskManager> m_manager;
    ScriptedDefinition *m_mainDefinition = nullptr;
};

} // namespace

TEST_F(TaskUndoTest, FinishedSubTaskHandsItsGroupToItsParentAsOneRecord)
{
    build();
    dispatch({"OnAddRegion", "Place", "Move", "Finish"});
    ASSERT_EQ(mainGroup().GetCount(), 1);
    EXPECT_EQ(subTaskGroup().GetCount(), 0);
    EXPECT_EQ(mainGroup().GetUndoToolTip(), "Undo adding the region");
    EXPECT_TRUE(mainGroup().IsModified());

    m_log.clear();
    EXPECT_TRUE(m_manager->CanDispatchEvent("Undo", nullptr));
    m_manager->DispatchEvent("Undo", nullptr);
    EXPECT_EQ(takeUndos(), (EventLog{"undo Move", "undo Place"}));
    EXPECT_FALSE(mainGroup().IsModified());
    EXPECT_EQ(mainGroup().GetRedoToolTip(), "Redo adding the region");

    dispatch({"OnAddRegion"});
    EXPECT_EQ(subTaskGroup().GetCount(), 0) << "the next run starts with an empty group";
}

TEST_F(TaskUndoTest, StepsUndoneInAFinishedRunCannotBeRedoneInTheNext)
{
    build();
    dispatch({"OnAddRegion", "Place", "Undo", "Finish"});
    EXPECT_EQ(mainGroup().GetCount(), 0) << "nothing applied, nothing handed up";

    dispatch({"OnAddRegion"});
    EXPECT_EQ(subTaskGroup().GetCount(), 0);
    EXPECT_FALSE(m_manager->CanRedo());
    EXPECT_FALSE(m_manager->CanDispatchEvent("Redo", nullptr));
}

TEST_F(TaskUndoTest, CommandWhoseGroupGoesAwayWhileItRunsIsNotRecorded)
{
    // The command ends the sub-task: its group, the one recording the command, is handed to
    // Main, which clears its own group and so deletes it before the command has finished.
    UndoWiring wiring;
    wiring.endCommand = "ClearParentUndoTask";
    build(wiring);
    dispatch({"OnAddRegion", "Place"});
    EXPECT_TRUE(m_manager->DispatchEvent("PlaceAndFinish", nullptr));
    EXPECT_EQ(m_manager->GetMainTask()->GetCurrentState()->GetName(), "Idle");
    EXPECT_EQ(mainGroup().GetCount(), 0);
    EXPECT_EQ(subTaskGroup().GetCount(), 0);
    EXPECT_FALSE(m_manager->CanUndo());
}

TEST_F(TaskUndoTest, AddCurrentTaskUndoOnLeavingTheSubTaskState)
{
    UndoWiring wiring;
    wiring.finalExitCommand.clear();
    wiring.subTaskExitCommand = "AddCurrentTaskUndo";
    build(wiring);
    dispatch({"OnAddRegion", "Place", "Place", "Move", "Finish"});
    ASSERT_EQ(mainGroup().GetCount(), 1);
    EXPECT_EQ(mainGroup().GetUndoToolTip(), "Undo adding the region");

    m_log.clear();
    mainGroup().UndoOne();
    EXPECT_EQ(takeUndos(), (EventLog{"undo Move", "undo Place", "undo Place"}));
}

TEST_F(TaskUndoTest, HandingUpAnUnrecordedChangeEmptiesAndMarksTheParent)
{
    build();
    dispatch({"Place", "OnAddRegion", "Import", "Finish"});
    EXPECT_EQ(mainGroup().GetCount(), 0);
    EXPECT_TRUE(mainGroup().IsModified());
    EXPECT_EQ(m_mainDefinition->modifiedChanges, 1);
    EXPECT_FALSE(subTaskGroup().IsModified());
}

TEST_F(TaskUndoTest, UndoNamesActOnTheGroupTheyName)
{
    struct Row
    {
        const char *name;
        UndoWiring wiring;
        const char *event;
        EventLog undos;
        bool result;
    };
    const Row rows[] = {
        {"UndoCurrentTask", cancelWith("UndoCurrentTask"), "OnCancel",
         {"undo Move", "undo Place"}, true},
        {"ClearCurrentUndoTask", cancelWith("ClearCurrentUndoTask"), "OnCancel", {}, true},
        {"UndoParentTask", revertWith("UndoParentTask"), "Revert",
         {"undo Move", "undo Place"}, true},
        {"ClearParentUndoTask", revertWith("ClearParentUndoTask"), "Revert", {}, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        build(row.wiring);
        dispatch({"OnAddRegion", "Place", "Move"});
        m_log.clear();
        EXPECT_EQ(m_manager->DispatchEvent(row.event, nullptr), row.result);
        EXPECT_EQ(takeUndos(), row.undos);
        EXPECT_EQ(subTaskGroup().GetCount(), 0);
        EXPECT_FALSE(subTaskGroup().IsModified());
        EXPECT_EQ(mainGroup().GetCount(), 0) << "nothing reaches the parent";
    }
}

TEST_F(TaskUndoTest, UndoActsOnTheInnermostActiveTaskOnly)
{
    build();
    dispatch({"Place", "OnAddRegion", "Move"});
    m_log.clear();

    dispatch({"Undo"});
    EXPECT_EQ(takeUndos(), EventLog{"undo Move"});
    EXPECT_FALSE(m_manager->CanUndo()) << "the main task's step waits until the tool ends";
    EXPECT_FALSE(m_manager->CanDispatchEvent("Undo", nullptr));
    dispatch({"Undo"});
    EXPECT_EQ(takeUndos(), EventLog{});
    EXPECT_EQ(mainGroup().GetCurrentIndex(), 0);
    EXPECT_TRUE(m_manager->CanRedo());

    dispatch({"Finish", "Undo"});
    EXPECT_EQ(takeUndos(), EventLog{"undo Place"});
    EXPECT_FALSE(m_manager->CanUndo());
}

TEST_F(TaskUndoTest, StepsUndoneInsideASubTaskAreNotRedoneByItsParent)
{
    build();
    dispatch({"OnAddRegion", "Place", "Move", "Undo", "Finish"});
    ASSERT_EQ(mainGroup().GetCount(), 1);
    EXPECT_FALSE(mainGroup().IsModified());
    EXPECT_FALSE(m_manager->CanRedo());

    m_log.clear();
    dispatch({"Undo", "Redo"});
    EXPECT_EQ(takeLog(m_log), (EventLog{"undo Place", "redo Place"}));
    EXPECT_FALSE(mainGroup().IsModified()) << "the undone move stays undone";
}

TEST_F(TaskUndoTest, TaskWithoutUndoRecordsButOffersNoUndo)
{
    UndoWiring wiring;
    wiring.mainUndoEnabled = false;
    build(wiring);
    EXPECT_FALSE(m_manager->CanUndo());
    dispatch({"Place"});
    EXPECT_EQ(mainGroup().GetCount(), 1);
    EXPECT_FALSE(m_manager->CanUndo());
    EXPECT_FALSE(m_manager->CanDispatchEvent("Undo", nullptr));
    EXPECT_EQ(mainGroup().GetUndoToolTip(), "Undo");
    EXPECT_EQ(mainGroup().GetRedoToolTip(), "Redo");
}

TEST_F(TaskUndoTest, UndoAndRedoCommandsFollowTheManager)
{
    build();
    EXPECT_FALSE(m_manager->CanUndo()) << "nothing to undo right after Run";
    EXPECT_FALSE(m_manager->CanDispatchEvent("Undo", nullptr));
    dispatch({"Place"});
    EXPECT_TRUE(m_manager->CanUndo());
    EXPECT_EQ(mainGroup().GetUndoToolTip(), "Undo Place");

    m_log.clear();
    EXPECT_TRUE(m_manager->DispatchEvent("Undo", nullptr));
    EXPECT_EQ(takeUndos(), EventLog{"undo Place"});
    EXPECT_TRUE(m_manager->CanDispatchEvent("Redo", nullptr));
    EXPECT_TRUE(m_manager->DispatchEvent("Redo", nullptr));
    EXPECT_EQ(takeLog(m_log), EventLog{"redo Place"});
    EXPECT_FALSE(m_manager->CanRedo());
}
