// Morvane command, task and undo engine tests.
// Undo groups: recording, collapsing, undo and redo, modified state, save point, tool tips.
#include "tasks/testing/ChartFixture.h"

#include "tasks/Task.h"
#include "tasks/UndoGroup.h"

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::test;

namespace {

// A group owned by a task whose definition counts the group's notifications.
class UndoGroupTest : public ::testing::Test
{
protected:
    UndoGroupTest()
        : m_manager(&m_log)
        , m_definition(&m_log, [](ITask *) {})
        , m_owner("Owner", -1, &m_manager, &m_definition)
        , m_group(&m_owner)
    {
    }

    /// A prototype logging into the test's log, its behaviour kept under its name.
    RecordingCommand &command(const std::string &name, CommandFlags flags = {})
    {
        m_behaviours[name] = std::make_shared<CommandBehaviour>();
        m_commands.push_back(
            std::make_unique<RecordingCommand>(name, &m_log, flags, m_behaviours[name]));
        return *m_commands.back();
    }
    bool run(const RecordingCommand &prototype)
    {
        return m_group.ExecuteAndRecord(prototype, nullptr);
    }

    EventLog m_log;
    ScriptedTaskManager m_manager;
    ScriptedDefinition m_definition;
    CTask m_owner;
    CUndoGroup m_group;
    std::vector<std::unique_ptr<RecordingCommand>> m_commands;
    std::map<std::string, std::shared_ptr<CommandBehaviour>> m_behaviours;
};

} // namespace

TEST_F(UndoGroupTest, KeepsTheFirstAndLatestOfARunOfNonRepeatingCommands)
{
    struct Row
    {
        const char *sequence; // one letter per execution
        int records;
    };
    const Row rows[] = {{"AAA", 2}, {"AAAA", 2}, {"ABA", 3}, {"AAB", 3}, {"RRR", 3}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.sequence);
        m_group.Reset(false);
        const RecordingCommand &a = command("A", {.repeat = false});
        const RecordingCommand &b = command("B", {.repeat = false});
        const RecordingCommand &r = command("R");
        for (const char *letter = row.sequence; *letter; ++letter)
            run(*letter == 'A' ? a : *letter == 'B' ? b : r);
        EXPECT_EQ(m_group.GetCount(), row.records);
    }

    m_group.Reset(false);
    const RecordingCommand &a = command("A", {.repeat = false});
    for (int i = 0; i < 3; ++i)
        run(a);
    m_group.OnUndo();
    EXPECT_EQ(m_behaviours["A"]->undoneRuns, (std::vector<int>{3, 1}))
        << "the second record is the latest copy";
}

TEST_F(UndoGroupTest, UndoesNewestFirstAndRedoesOldestFirst)
{
    run(command("A"));
    run(command("B"));
    m_log.clear();
    m_group.OnUndo();
    EXPECT_EQ(takeLog(m_log), (EventLog{"undo B", "undo A"}));
    EXPECT_EQ(m_group.GetCurrentIndex(), -1);
    m_group.OnRedo();
    EXPECT_EQ(takeLog(m_log), (EventLog{"redo A", "redo B"}));

    m_group.UndoOne();
    run(command("C"));
    EXPECT_EQ(m_group.GetCount(), 2) << "a new record drops the redo side";
    EXPECT_FALSE(m_group.CanRedoOne());
}

TEST_F(UndoGroupTest, ModifiedWhileAModifyingRecordIsApplied)
{
    run(command("Move", {.modifyType = CMT_MODIFY}));
    EXPECT_TRUE(m_group.IsModified());
    m_group.UndoOne();
    EXPECT_FALSE(m_group.IsModified());
    m_group.RedoOne();
    EXPECT_TRUE(m_group.IsModified());
    EXPECT_EQ(m_definition.modifiedChanges, 3);
    EXPECT_EQ(m_definition.historyChanges, 3);
}

TEST_F(UndoGroupTest, SaveMarksTheCurrentPositionUnmodified)
{
    run(command("Move", {.modifyType = CMT_MODIFY}));
    run(command("Save", {.addToHistory = false, .modifyType = CMT_SAVE_POINT}));
    EXPECT_FALSE(m_group.IsModified());
    m_group.UndoOne();
    EXPECT_TRUE(m_group.IsModified()) << "the saved data holds the undone change";
    m_group.RedoOne();
    EXPECT_FALSE(m_group.IsModified());
}

TEST_F(UndoGroupTest, AStepTakenAfterUndoingPastTheSaveStaysModified)
{
    const RecordingCommand &move = command("Move", {.modifyType = CMT_MODIFY});
    run(move);
    run(move);
    run(command("Save", {.addToHistory = false, .modifyType = CMT_SAVE_POINT}));
    m_group.UndoOne();
    run(move); // lands where the saved step was, but changes the data differently
    EXPECT_TRUE(m_group.IsModified());
    m_group.UndoOne();
    EXPECT_TRUE(m_group.IsModified()) << "the saved state can no longer be reached";
}

TEST_F(UndoGroupTest, UnrecordedModifyingCommandEmptiesTheGroupAndMarksIt)
{
    run(command("A"));
    run(command("B"));
    run(command("Import", {.addToHistory = false, .modifyType = CMT_MODIFY}));
    EXPECT_EQ(m_group.GetCount(), 0);
    EXPECT_FALSE(m_group.CanUndoOne());
    EXPECT_TRUE(m_group.IsModified());

    run(command("Save", {.addToHistory = false, .modifyType = CMT_SAVE_POINT}));
    EXPECT_FALSE(m_group.IsModified());
}

TEST_F(UndoGroupTest, NewHistoryEmptiesTheGroupUnmodified)
{
    run(command("Move", {.modifyType = CMT_MODIFY}));
    run(command("NewGradeMask", {.modifyType = CMT_NEW_HISTORY}));
    EXPECT_EQ(m_group.GetCount(), 0);
    EXPECT_FALSE(m_group.IsModified());
}

TEST_F(UndoGroupTest, FailedCommandLeavesNoRecord)
{
    RecordingCommand &failing = command("Fail");
    m_behaviours["Fail"]->result = false;
    EXPECT_FALSE(run(failing));
    EXPECT_EQ(m_group.GetCount(), 0);
    EXPECT_EQ(m_definition.historyChanges, 0);
}

TEST_F(UndoGroupTest, ToolTipsNameTheRecordsOnlyWhenTheTaskAllowsUndo)
{
    run(command("Place"));
    EXPECT_EQ(m_group.GetUndoToolTip(), "Undo");
    m_owner.SetUndoEnabled(true);
    EXPECT_EQ(m_group.GetUndoToolTip(), "Undo Place");
    EXPECT_EQ(m_group.GetRedoToolTip(), "Redo");
    m_group.UndoOne();
    EXPECT_EQ(m_group.GetUndoToolTip(), "Undo");
    EXPECT_EQ(m_group.GetRedoToolTip(), "Do Place");

    CTask subTask("Sub", -1, &m_manager, &m_definition);
    subTask.SetUndoToolTip("Undo adding the region");
    auto handedUp = std::make_unique<CUndoGroup>(&subTask);
    handedUp->ExecuteAndRecord(command("Add"), nullptr);
    EXPECT_EQ(m_group.AddRecord(std::move(handedUp)), 0) << "the redo side is dropped";
    EXPECT_EQ(m_group.GetUndoToolTip(), "Undo adding the region");
}
