// Morvane interactive tasks, tests.
// Charts declared from tables: states, transitions bound to their commands, what is awaited.
#include "app/taskdefs/ChartDeclaration.h"

#include "tasks/Task.h"
#include "tasks/testing/ChartFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <set>

using namespace morvane;
using namespace morvane::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// A tool: "Entry" decides between "Wait" and the sub-task "Pick"; "Wait" picks on a press.
constexpr VariableRow kToolVariables[] = {
    {"nPicked", "0", kVisibleWritable},
    {"pFocusManager", "0", kVisibleReadOnly},
};

constexpr StateRow kToolStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1, {}, "Finish"},
    {"Wait", StateType::Plain, 2, "Track"},
    {"Pick", StateType::SubTask, 3},
    {"Decide", StateType::Plain, 4},
};

constexpr TransitionRow kToolTransitions[] = {
    {"Entry", "", "", "Wait"},
    {"Wait", "OnLButtonDownD", "", "Pick", "Press"},
    {"Wait", "OnMouseMoveD", "dist>3", "", "Track"},
    {"Pick", "OnExit", "", "Decide"},
    {"Decide", "", "nPicked=2", "Exit", "Press"},
    {"Decide", "", "", "Wait"},
};

constexpr ChartDeclaration kToolChart{
    {.undoEnabled = true, .sharedUndo = false},
    kToolVariables,
    kToolStates,
    kToolTransitions,
};

// The picking sub-task: ends at once.
constexpr StateRow kPickStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1},
};
constexpr TransitionRow kPickTransitions[] = {{"Entry", "", "", "Exit", "Count"}};
constexpr ChartDeclaration kPickChart{{.sharedUndo = true}, {}, kPickStates, kPickTransitions};

class ChartDeclarationTest : public ::testing::Test
{
protected:
    ChartDeclarationTest() : m_manager(&m_log)
    {
        for (const char *name : {"Finish", "Track", "Press", "Count"})
            m_manager.command(name, {.addToHistory = false});
        m_manager.task("Tool", [](ITask *task) { defineChart(task, kToolChart); });
        m_manager.task("Pick", [](ITask *task) { defineChart(task, kPickChart); });
        m_manager.start("Tool");
    }

    CTask &tool() { return *m_manager.GetMainTask(); }

    EventLog m_log;
    ScriptedTaskManager m_manager;
};

/// The transitions of the task's states, as "from: event [guard] -> to / command".
std::vector<std::string> describeTransitions(const CTask &task)
{
    std::vector<std::string> rows;
    for (const auto &state : task.GetStates()) {
        for (const CTaskTransition &transition : state->GetTransitions()) {
            const ICommand *command = transition.GetCommand();
            rows.push_back(state->GetName() + ": " + transition.GetEvent() + " ["
                           + transition.GetGuardText() + "] -> " + transition.GetTarget() + " / "
                           + (command ? command->GetName() : ""));
        }
    }
    return rows;
}

} // namespace

TEST_F(ChartDeclarationTest, DeclaresStatesVariablesAndSettings)
{
    ASSERT_THAT(m_manager.diagnostics, IsEmpty());
    std::vector<std::string> states;
    for (const auto &state : tool().GetStates())
        states.push_back(state->GetName() + " " + std::to_string(static_cast<int>(state->GetKind()))
                         + " " + std::to_string(state->GetIndex()));
    // Kinds: entry 0, final 1, normal 2, sub-task 3, transient 4.
    EXPECT_THAT(states, ElementsAre("Entry 0 0", "Exit 1 1", "Wait 2 2", "Pick 3 3", "Decide 4 4"));
    EXPECT_EQ(tool().FindState("Wait")->GetEntryCommand(), m_manager.GetCommand("Track"));
    EXPECT_EQ(tool().FindState("Exit")->GetExitCommand(), m_manager.GetCommand("Finish"));
    EXPECT_TRUE(tool().IsUndoEnabled());
    EXPECT_NE(tool().GetOwnUndoGroup(), nullptr);

    std::string picked;
    tool().GetAttributes()->GetText("nPicked", &picked);
    EXPECT_EQ(picked, "0");
    EXPECT_FALSE(tool().FindState("Pick")->AsTask()->GetAttributes()->SetInteger("pFocusManager", 1));
}

TEST_F(ChartDeclarationTest, BindsEachTransitionToItsOwnCommand)
{
    EXPECT_THAT(describeTransitions(tool()),
                ElementsAre("Entry:  [] -> Wait / ", "Wait: OnLButtonDownD [] -> Pick / Press",
                            "Wait: OnMouseMoveD [dist>3] ->  / Track", "Pick: OnExit [] -> Decide / ",
                            "Decide:  [nPicked=2] -> Exit / Press", "Decide:  [] -> Wait / "));
    std::set<std::string> ids;
    const std::regex idForm("[0-9A-F]{8}0[0-3][0-9A-F]{2}");
    for (const auto &state : tool().GetStates()) {
        for (const CTaskTransition &transition : state->GetTransitions()) {
            EXPECT_TRUE(std::regex_match(transition.GetId(), idForm)) << transition.GetId();
            EXPECT_TRUE(ids.insert(transition.GetId()).second) << transition.GetId();
        }
    }
}

TEST_F(ChartDeclarationTest, RunsAsDeclared)
{
    EXPECT_EQ(tool().GetCurrentState()->GetName(), "Wait");
    m_log.clear();
    m_manager.DispatchEvent("OnLButtonDownD", nullptr);
    EXPECT_THAT(takeCommandsRun(m_log), ElementsAre("run Press", "run Count", "run Track"));
    EXPECT_EQ(tool().GetCurrentState()->GetName(), "Wait");

    // The tool runs as the main task here: nothing takes its "OnExit", so it starts again.
    tool().GetAttributes()->SetInteger("nPicked", 2);
    m_manager.DispatchEvent("OnLButtonDownD", nullptr);
    EXPECT_THAT(takeCommandsRun(m_log),
                ElementsAre("run Press", "run Count", "run Press", "run Finish", "run Track"));
    EXPECT_THAT(m_manager.diagnostics,
                ElementsAre("task \"Tool\": nothing takes \"OnExit\"; the task starts again at "
                            "\"Entry\""));
}

TEST(ChartTransitionIdTest, SpreadsPlacesOverSecondsAndMilliseconds)
{
    EXPECT_EQ(chartTransitionId(0), "000000000000");
    EXPECT_EQ(chartTransitionId(999), "0000000003E7");
    EXPECT_EQ(chartTransitionId(1000), "000000010000");
    EXPECT_EQ(chartTransitionId(70000), "000000460000");
}

namespace {

/// A manager whose table awaits the template "Later" and the command "LaterCommand".
class AwaitingTaskManager : public ScriptedTaskManager, public IAwaitedRegistrations
{
public:
    using ScriptedTaskManager::ScriptedTaskManager;
    bool IsAwaited(const std::string &name) const override
    {
        return name == "Later" || name == "LaterCommand";
    }
};

constexpr StateRow kWaitingStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Idle", StateType::Plain, 1, "LaterCommand"},
    {"Later", StateType::SubTask, 2, {}, "Done"},
};

constexpr TransitionRow kWaitingTransitions[] = {
    {"Entry", "", "", "Idle"},
    {"Idle", "OnLater", "", "Later"},
    {"Later", "OnExit", "", "Idle"},
    {"Idle", "OnPing", "", "Idle", "LaterCommand"},
};

constexpr ChartDeclaration kWaitingChart{{}, {}, kWaitingStates, kWaitingTransitions};

} // namespace

TEST(ChartAwaitingTest, LeavesOutWhatTheManagerAwaitsQuietly)
{
    EventLog log;
    AwaitingTaskManager manager(&log);
    manager.command("Done");
    manager.task("Main", [](ITask *task) { defineChart(task, kWaitingChart); });
    manager.start("Main");

    EXPECT_THAT(manager.diagnostics, IsEmpty());
    CTask &main = *manager.GetMainTask();
    EXPECT_EQ(main.FindState("Later"), nullptr);
    EXPECT_EQ(main.FindState("Idle")->GetEntryCommand(), nullptr);
    EXPECT_THAT(describeTransitions(main),
                ElementsAre("Entry:  [] -> Idle / ", "Idle: OnPing [] -> Idle / "));
    EXPECT_FALSE(manager.CanDispatchEvent("OnLater", nullptr));
    EXPECT_TRUE(manager.CanDispatchEvent("OnPing", nullptr));
}

TEST(ChartAwaitingTest, ReportsNamesNobodyAwaits)
{
    EventLog log;
    AwaitingTaskManager manager(&log);
    constexpr StateRow states[] = {{"Entry", StateType::Entry, 0},
                                   {"Idle", StateType::Plain, 1, "Typo"},
                                   {"Lost", StateType::SubTask, 2}};
    constexpr TransitionRow transitions[] = {{"Entry", "", "", "Idle"},
                                             {"Idle", "OnLost", "", "Lost"}};
    manager.task("Main", [&](ITask *task) { defineChart(task, {{}, {}, states, transitions}); });
    manager.start("Main");

    EXPECT_THAT(manager.diagnostics,
                ElementsAre("task \"Main\": command \"Typo\" is not registered",
                            "no task template \"Lost\"",
                            "task \"Main\": transition \"000000000001\" leads to no state \"Lost\""));
}
