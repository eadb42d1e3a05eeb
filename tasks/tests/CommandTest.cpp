// Morvane command, task and undo engine tests.
// Commands: tool tips, clones, callback commands and composite commands.
#include "tasks/testing/ChartFixture.h"

#include "tasks/CallbackCommand.h"
#include "tasks/CompositeCommand.h"
#include "tasks/Task.h"
#include "tasks/UndoGroup.h"

#include <stdexcept>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::test;

namespace {

/// A composite that runs registered commands by name, one per step.
class NamedStepsCommand : public CCompositeCommand
{
public:
    NamedStepsCommand(const std::string &name, std::vector<std::string> steps)
        : m_steps(std::move(steps))
    {
        Create(name);
    }
    std::unique_ptr<ICommand> Clone() const override
    {
        return std::make_unique<NamedStepsCommand>(*this);
    }

protected:
    int GetItemCount(void *) override { return static_cast<int>(m_steps.size()); }
    bool ExecuteItem(int index, void *data) override
    {
        return ExecuteCommand(m_steps[index], data);
    }
    bool IsItemEnabled(int index, void *data) override
    {
        return IsCommandEnabled(m_steps[index], data);
    }

private:
    std::vector<std::string> m_steps;
};

// A running main task with undo enabled, holding a sub-task "Shared" that records into the
// main task's group and, being the innermost task, offers its Undo.
class CommandTest : public ::testing::Test
{
protected:
    CommandTest() : m_manager(&m_log)
    {
        m_manager.command("A", {.repeat = false});
        m_manager.command("B");
        m_manager.command("Modify", {.modifyType = CMT_MODIFY});
        m_manager.command("Fail", {}, CommandBehaviour::failing());
        m_manager.command("Off", {},
                          CommandBehaviour::disabled());
        m_manager.task("Main", [](ITask *task) {
            task->SetUndoEnabled(true);
            task->AddEntryState("Entry", 0);
            task->AddSubTask("Shared", "Shared", 2);
            task->AddTransition("Entry", "", "", "Shared", "000000000001");
        });
        m_manager.task("Shared", [](ITask *task) {
            task->SetUseParentUndo(true);
            task->SetUndoEnabled(true);
            task->AddEntryState("Entry", 0);
            task->AddState("Idle", 2);
            task->AddTransition("Entry", "", "", "Idle", "000000000002");
        });
        m_manager.start("Main");
        m_log.clear();
    }

    CTask &mainTask() { return *m_manager.GetMainTask(); }
    CTask &sharedTask() { return *mainTask().FindState("Shared")->AsTask(); }
    CUndoGroup &mainGroup() { return *mainTask().GetOwnUndoGroup(); }

    EventLog m_log;
    ScriptedTaskManager m_manager;
};

} // namespace

TEST(BaseCommandTest, CreateSetsTheDefaultToolTips)
{
    EventLog log;
    RecordingCommand command("PlacePattern", &log);
    EXPECT_EQ(command.GetName(), "PlacePattern");
    EXPECT_EQ(command.GetUndoToolTip(), "Undo PlacePattern");
    EXPECT_EQ(command.GetRedoToolTip(), "Do PlacePattern");

    command.SetUndoToolTip("Undo placing");
    EXPECT_EQ(command.GetUndoToolTip(), "Undo placing");
    EXPECT_EQ(command.GetRedoToolTip(), "Do PlacePattern");
}

TEST_F(CommandTest, CloneCarriesEveryField)
{
    RecordingCommand prototype("Rotate", &m_log,
                               {.addToHistory = false, .repeat = false, .modifyType = CMT_MODIFY});
    prototype.SetRedoToolTip("Rotate again");
    prototype.SetTaskManager(&m_manager);
    ASSERT_TRUE(prototype.IsEnabled(&mainTask(), nullptr));

    const std::unique_ptr<ICommand> copy = prototype.Clone();
    const auto &clone = dynamic_cast<const RecordingCommand &>(*copy);
    EXPECT_EQ(clone.GetName(), "Rotate");
    EXPECT_EQ(clone.GetUndoToolTip(), "Undo Rotate");
    EXPECT_EQ(clone.GetRedoToolTip(), "Rotate again");
    EXPECT_FALSE(clone.GetAddToHistory());
    EXPECT_FALSE(clone.GetRepeatCommand());
    EXPECT_EQ(clone.GetCommandModifyType(), CMT_MODIFY);
    EXPECT_EQ(clone.GetTask(), &mainTask());
    EXPECT_EQ(clone.GetTaskManager(), &m_manager);
    EXPECT_EQ(clone.GetAttributes(), mainTask().GetAttributes());
}

TEST_F(CommandTest, ExecuteRecordsACloneAndLeavesThePrototypeAlone)
{
    CBaseCommand &prototype = *m_manager.GetCommand("B");
    EXPECT_TRUE(prototype.Execute(&mainTask(), nullptr));
    EXPECT_EQ(takeLog(m_log), EventLog{"run B"});
    ASSERT_EQ(mainGroup().GetCount(), 1);
    EXPECT_FALSE(static_cast<RecordingCommand &>(prototype).HasOwnerData());

    EXPECT_FALSE(m_manager.GetCommand("Fail")->Execute(&mainTask(), nullptr));
    EXPECT_EQ(mainGroup().GetCount(), 1) << "a failed command leaves no record";
}

TEST_F(CommandTest, CallbackCommandRunsItsFunctionsAndIsNeverRecorded)
{
    ITask *seenTask = nullptr;
    void *seenData = nullptr;
    int data = 5;
    CCallbackCommand command(
        "Track",
        [&](ITask *task, void *argument) {
            seenTask = task;
            seenData = argument;
            return true;
        },
        [](ITask *) { return false; }, CMT_MODIFY);
    EXPECT_FALSE(command.GetAddToHistory());
    EXPECT_EQ(command.GetCommandModifyType(), CMT_MODIFY);
    EXPECT_FALSE(command.IsEnabled(&mainTask(), nullptr));

    EXPECT_TRUE(command.Execute(&mainTask(), &data));
    EXPECT_EQ(seenTask, &mainTask());
    EXPECT_EQ(seenData, &data);
    EXPECT_EQ(mainGroup().GetCount(), 0);
    EXPECT_TRUE(mainGroup().IsModified()) << "an unrecorded modifying command marks the data";
}

TEST_F(CommandTest, CallbackCommandWithoutFunctionsFailsButIsEnabled)
{
    CCallbackCommand command("Nothing", nullptr, nullptr, CMT_NO_MODIFY);
    EXPECT_TRUE(command.IsEnabled(&mainTask(), nullptr));
    EXPECT_FALSE(command.Execute(&mainTask(), nullptr));
    EXPECT_EQ(mainGroup().GetCount(), 0);
}

TEST_F(CommandTest, CompositeRecordsItsStepsAsOneRecord)
{
    NamedStepsCommand composite("MoveAll", {"B", "Modify", "A"});
    composite.SetTaskManager(&m_manager);
    EXPECT_TRUE(composite.Execute(&mainTask(), nullptr));
    EXPECT_EQ(takeLog(m_log), (EventLog{"run B", "run Modify", "run A"}));
    ASSERT_EQ(mainGroup().GetCount(), 1);
    EXPECT_TRUE(mainGroup().IsModified()) << "the composite modifies through its steps";
    EXPECT_EQ(mainTask().GetOwnUndoGroup(), &mainGroup()) << "the task's group is put back";

    m_manager.Undo();
    EXPECT_EQ(takeLog(m_log), (EventLog{"undo A", "undo Modify", "undo B"}));
    EXPECT_FALSE(mainGroup().IsModified());
    m_manager.Redo();
    EXPECT_EQ(takeLog(m_log), (EventLog{"redo B", "redo Modify", "redo A"}));
}

TEST_F(CommandTest, CompositeStepsRepeatWithoutCollapsing)
{
    NamedStepsCommand composite("Triple", {"A", "A", "A"});
    composite.SetTaskManager(&m_manager);
    ASSERT_TRUE(composite.Execute(&mainTask(), nullptr));
    takeLog(m_log);
    m_manager.Undo();
    EXPECT_EQ(takeLog(m_log), (EventLog{"undo A", "undo A", "undo A"}));
    EXPECT_FALSE(m_manager.GetCommand("A")->GetRepeatCommand()) << "the prototype's flag is back";
}

TEST_F(CommandTest, CompositePutsBackTheTaskGroupAndStepFlagsWhenAStepThrows)
{
    class ThrowingCommand : public CBaseCommand
    {
    public:
        ThrowingCommand()
        {
            Create("Throw");
            SetRepeatCommand(false);
        }
        std::unique_ptr<ICommand> Clone() const override
        {
            return std::make_unique<ThrowingCommand>(*this);
        }
        bool OnExecute(void *) override { throw std::runtime_error("step failed"); }
    };
    ASSERT_GE(m_manager.AddCommand(std::make_unique<ThrowingCommand>()), 0);

    NamedStepsCommand composite("Risky", {"B", "Throw"});
    composite.SetTaskManager(&m_manager);
    EXPECT_THROW(composite.Execute(&mainTask(), nullptr), std::runtime_error);
    EXPECT_EQ(mainTask().GetOwnUndoGroup(), &mainGroup());
    EXPECT_EQ(mainGroup().GetCount(), 0);
    EXPECT_FALSE(m_manager.GetCommand("Throw")->GetRepeatCommand());
}

TEST_F(CommandTest, CompositeIsEnabledOnlyWithStepsThatAllAre)
{
    struct Row
    {
        const char *name;
        std::vector<std::string> steps;
        bool enabled;
    };
    const Row rows[] = {
        {"no steps", {}, false},
        {"all enabled", {"A", "B"}, true},
        {"one disabled", {"A", "Off", "B"}, false},
        {"unregistered", {"Missing"}, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        NamedStepsCommand composite("Steps", row.steps);
        composite.SetTaskManager(&m_manager);
        EXPECT_EQ(composite.IsEnabled(&mainTask(), nullptr), row.enabled);
    }
}

TEST_F(CommandTest, CompositeWhoseStepsAllFailStillHasItsGroup)
{
    NamedStepsCommand composite("Failing", {"Fail", "Fail"});
    composite.SetTaskManager(&m_manager);
    composite.SetTask(&mainTask());
    EXPECT_FALSE(composite.OnExecute(nullptr));
    EXPECT_EQ(takeLog(m_log), (EventLog{"run Fail", "run Fail"})) << "every step runs";
    ASSERT_NE(composite.GetUndoGroup(), nullptr);
    EXPECT_EQ(composite.GetUndoGroup()->GetCount(), 0);
}

TEST_F(CommandTest, CompositeInATaskWithoutGroupLeavesItWithout)
{
    NamedStepsCommand composite("Both", {"A", "B"});
    composite.SetTaskManager(&m_manager);
    ASSERT_EQ(sharedTask().GetOwnUndoGroup(), nullptr);
    EXPECT_TRUE(composite.Execute(&sharedTask(), nullptr));
    EXPECT_EQ(sharedTask().GetOwnUndoGroup(), nullptr);
    EXPECT_EQ(mainGroup().GetCount(), 1) << "recorded where the task records";
}

TEST_F(CommandTest, CompositeToolTipsNameItsOnlyStep)
{
    NamedStepsCommand single("Single", {"B"});
    single.SetTaskManager(&m_manager);
    single.SetTask(&mainTask());
    ASSERT_TRUE(single.OnExecute(nullptr));
    EXPECT_EQ(single.GetUndoToolTip(), "Undo B");
    EXPECT_EQ(single.GetRedoToolTip(), "Redo") << "nothing to redo in its group";

    NamedStepsCommand twoSteps("TwoSteps", {"A", "B"});
    twoSteps.SetTaskManager(&m_manager);
    twoSteps.SetTask(&mainTask());
    ASSERT_TRUE(twoSteps.OnExecute(nullptr));
    EXPECT_EQ(twoSteps.GetUndoToolTip(), "Undo TwoSteps");
    EXPECT_EQ(twoSteps.GetRedoToolTip(), "Do TwoSteps");
}
