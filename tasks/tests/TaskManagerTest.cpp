// Morvane command, task and undo engine tests.
// The task manager: registration, definition problems, linking, lifetime.
#include "tasks/testing/ChartFixture.h"

#include "tasks/CompositeCommand.h"
#include "tasks/Task.h"
#include "tasks/UndoCommands.h"

#include <regex>
#include <set>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::test;
using ::testing::Contains;
using ::testing::HasSubstr;

namespace {

// A definition that logs its Define calls and its destruction.
class CountingDefinition : public ScriptedDefinition
{
public:
    CountingDefinition(EventLog *log, const std::string &name,
                       std::function<void(ITask *)> define)
        : ScriptedDefinition(log, std::move(define)), m_log(log), m_name(name)
    {
    }
    ~CountingDefinition() override { m_log->push_back("destroyed " + m_name); }
    void Define(ITask *task) override
    {
        m_log->push_back("define " + m_name);
        ScriptedDefinition::Define(task);
    }

private:
    EventLog *m_log;
    std::string m_name;
};

// A manager whose templates are counting definitions.
class CountingTaskManager : public ScriptedTaskManager
{
public:
    using ScriptedTaskManager::ScriptedTaskManager;

    void countedTask(const std::string &name, std::function<void(ITask *)> define)
    {
        m_counted.emplace_back(name, std::move(define));
    }

protected:
    void RegisterTaskTemplates() override
    {
        ScriptedTaskManager::RegisterTaskTemplates();
        for (auto &[name, define] : m_counted)
            AddTaskTemplate(name, std::make_unique<CountingDefinition>(eventLog(), name, define));
    }

private:
    std::vector<std::pair<std::string, std::function<void(ITask *)>>> m_counted;
};

void idleChart(ITask *task)
{
    Chart chart(task);
    chart.state("Idle");
    chart.transition("Entry", "", "Idle");
}

} // namespace

TEST(TaskManagerTest, RefusesADuplicateCommandAndHandsItBack)
{
    EventLog log;
    ScriptedTaskManager manager(&log);
    auto first = std::make_unique<CCmdUndo>();
    const CCmdUndo *registered = first.get();
    EXPECT_EQ(manager.AddCommand(std::move(first)), 0);

    auto second = std::make_unique<CCmdUndo>();
    const CCmdUndo *refused = second.get();
    EXPECT_EQ(manager.AddCommand(std::move(second)), -1);
    EXPECT_EQ(second.get(), refused) << "the refused command stays with the caller";
    EXPECT_EQ(manager.GetCommand("Undo"), registered);
    EXPECT_EQ(registered->GetTaskManager(), &manager);
    EXPECT_EQ(refused->GetTaskManager(), nullptr);

    EXPECT_EQ(manager.AddCommand("Track", nullptr, nullptr, CMT_NO_MODIFY), 1);
    EXPECT_EQ(manager.AddCommand("Track", nullptr, nullptr, CMT_NO_MODIFY), -1);
    EXPECT_EQ(manager.GetCommand("Missing"), nullptr);
}

TEST(TaskManagerTest, RegistersCommandsFirstAndDefinesEachTemplateOnce)
{
    EventLog log;
    CountingTaskManager manager(&log);
    manager.command("Place");
    manager.countedTask("Main", [](ITask *task) {
        Chart chart(task);
        chart.subTask("Sub");
        chart.transition("Entry", "", "Sub");
        chart.transition("Sub", "Place", "", "", "Place");
    });
    manager.countedTask("Sub", idleChart);
    manager.countedTask("Other", idleChart);
    manager.countedTask("Main", idleChart); // a duplicate name keeps the first template

    manager.start("Main");
    EXPECT_EQ(manager.registrationOrder, (std::vector<std::string>{"commands", "templates"}));
    EXPECT_TRUE(manager.diagnostics.empty());
    EXPECT_EQ(manager.FindTask("Other"), 2);
    EXPECT_EQ(manager.FindTask("Missing"), -1);

    EventLog defines;
    for (const std::string &entry : log) {
        if (entry.rfind("define ", 0) == 0)
            defines.push_back(entry);
    }
    EXPECT_EQ(defines, (EventLog{"define Main", "define Sub", "define Other"}));
    EXPECT_EQ(std::count(log.begin(), log.end(), "destroyed Main"), 1)
        << "the duplicate's definition is deleted at once";
}

TEST(TaskManagerTest, ReportsChartProblemsOnceWhenTheTemplateIsDefined)
{
    EventLog log;
    ScriptedTaskManager manager(&log);
    manager.command("Place");
    manager.task("Main", [](ITask *task) {
        Chart chart(task);
        chart.state("Idle").subTask("Loop");
        task->AddSubTask("Nested", "Unknown", 9);
        chart.transition("Entry", "", "Idle");
        chart.transition("Idle", "Click", "", "", "Plaec");
        chart.transition("Idle", "DoubleClick", "", "", "Plaec");
        chart.transition("Idle", "Go", "Ghost");
        task->SetStateEntryCommand("Nowhere", "Place");
        task->SetTransitionCommand("FFFFFFFFFFFF", "Place");
    });
    manager.task("Loop", [](ITask *task) {
        idleChart(task);
        task->AddSubTask("Again", "Loop", 3);
    });
    manager.start("Main");

    const std::vector<std::string> expected = {
        "task \"Main\": command \"Plaec\" is not registered",
        "task \"Main\": SetStateEntryCommand: no state \"Nowhere\"",
        "task \"Main\": SetTransitionCommand: no transition \"FFFFFFFFFFFF\"",
        "no task template \"Unknown\"",
        "task \"Loop\" contains itself",
        "leads to no state \"Ghost\"",
    };
    EXPECT_EQ(manager.diagnostics.size(), expected.size());
    for (const std::string &message : expected)
        EXPECT_THAT(manager.diagnostics, Contains(HasSubstr(message)));

    // The chart still runs: the misspelt command is simply not run.
    EXPECT_FALSE(manager.DispatchEvent("Click", nullptr));
    EXPECT_FALSE(manager.DispatchEvent("Go", nullptr)) << "a transition to no state never fires";
    EXPECT_EQ(manager.GetMainTask()->GetCurrentState()->GetName(), "Idle");
}

TEST(TaskManagerTest, AnswersNothingBeforeRun)
{
    EventLog log;
    ScriptedTaskManager manager(&log);
    manager.command(std::make_unique<CCmdUndo>());
    manager.task("Main", [](ITask *task) {
        idleChart(task);
        task->AddTransition("Idle", "Undo", "", "", makeTransitionId());
    });
    EXPECT_EQ(manager.GetMainTask(), nullptr);
    int data = 0;
    manager.SetMainTask("Main");
    manager.Create(&data);
    EXPECT_EQ(manager.GetDataObject(), &data);
    EXPECT_EQ(manager.GetMainTask()->GetDataObject(), &data);
    EXPECT_FALSE(manager.DispatchEvent("Undo", nullptr));
    EXPECT_FALSE(manager.CanDispatchEvent("Undo", nullptr));
    EXPECT_FALSE(manager.CanUndo());
    manager.Undo();
    EXPECT_EQ(manager.GetTaskStatus("Main"), TS_INACTIVE);

    manager.Run();
    EXPECT_EQ(manager.GetTaskStatus("Main"), TS_ACTIVE);
    EXPECT_TRUE(manager.CanDispatchEvent("Undo", nullptr));
}

TEST(TaskManagerTest, UnknownMainTaskIsReported)
{
    EventLog log;
    ScriptedTaskManager manager(&log);
    manager.task("Main", idleChart);
    manager.start("Mian");
    EXPECT_EQ(manager.GetMainTask(), nullptr);
    EXPECT_THAT(manager.diagnostics, Contains(HasSubstr("no task template \"Mian\"")));
    EXPECT_FALSE(manager.DispatchEvent("Anything", nullptr));
}

TEST(TaskManagerTest, KeepsTheCurrentEvent)
{
    EventLog log;
    ScriptedTaskManager manager(&log);
    manager.task("Main", idleChart);
    manager.start("Main");
    int value = 3;
    manager.DispatchEvent("OnMouseMoveD", &value);
    const CTaskEvent event = manager.GetCurrentEvent();
    EXPECT_EQ(event.GetName(), "OnMouseMoveD");
    EXPECT_EQ(event.GetData(), &value);
}

TEST(TaskManagerTest, SendEventReachesLinkedManagers)
{
    EventLog log;
    ScriptedTaskManager sender(&log);
    ScriptedTaskManager receiver(&log);
    receiver.command("Pong");
    receiver.task("Main", [](ITask *task) {
        idleChart(task);
        Chart(task).transition("Idle", "Ping", "", "", "Pong");
    });
    sender.task("Main", [](ITask *task) {
        idleChart(task);
        const std::string id = Chart(task).transition("Idle", "Click", "");
        task->SetTransitionEvent(id, "Ping");
    });
    receiver.start("Main");
    sender.start("Main");

    sender.DispatchEvent("Click", nullptr);
    EXPECT_TRUE(takeCommandsRun(log).empty()) << "no linked manager: nothing is sent";
    sender.link(&receiver);
    sender.DispatchEvent("Click", nullptr);
    EXPECT_EQ(takeCommandsRun(log), EventLog{"run Pong"});
}

namespace {

class BothCommand : public CCompositeCommand
{
public:
    BothCommand() { Create("Both"); }
    std::unique_ptr<ICommand> Clone() const override
    {
        return std::make_unique<BothCommand>(*this);
    }

protected:
    int GetItemCount(void *) override { return 2; }
    bool ExecuteItem(int index, void *data) override
    {
        return ExecuteCommand(index == 0 ? "Place" : "Move", data);
    }
    bool IsItemEnabled(int, void *) override { return true; }
};

} // namespace

TEST(TaskManagerTest, DestroysEverythingWhileTasksRun)
{
    EventLog log;
    {
        CountingTaskManager manager(&log);
            manager.command("Place");
        manager.command("Move");
        manager.command(std::make_unique<BothCommand>());
        manager.command(std::make_unique<CCmdAddParentTaskUndo>());
        manager.countedTask("Main", [](ITask *task) {
            task->SetUndoEnabled(true);
            Chart chart(task);
            chart.subTask("Tool");
            chart.transition("Entry", "", "Tool");
            chart.transition("Tool", "OnExit", "Tool");
        });
        manager.countedTask("Tool", [](ITask *task) {
            Chart chart(task);
            chart.state("Pick").subTask("Inner");
            chart.transition("Entry", "", "Pick");
            chart.transition("Pick", "Both", "", "", "Both");
            chart.transition("Pick", "Finish", "Exit");
            chart.transition("Pick", "Deeper", "Inner");
            task->SetStateExitCommand("Exit", "AddParentTaskUndo");
        });
        manager.countedTask("Inner", idleChart);
        manager.start("Main");
        for (const char *event : {"Both", "Finish", "Both", "Deeper"})
            manager.DispatchEvent(event, nullptr);
        ASSERT_EQ(manager.GetTaskStatus("Inner"), TS_ACTIVE);
        log.clear();
    }
    EXPECT_EQ(log, (EventLog{"destroyed Main", "destroyed Tool", "destroyed Inner"}));
}

TEST(TransitionIdTest, MakesUniqueTwelveDigitIds)
{
    const std::regex shape("[0-9A-F]{12}");
    std::set<std::string> ids;
    for (int i = 0; i < 3000; ++i) {
        const std::string id = makeTransitionId();
        ASSERT_TRUE(std::regex_match(id, shape)) << id;
        ASSERT_LE(std::stoi(id.substr(8), nullptr, 16), 0x3E7) << id;
        ASSERT_TRUE(ids.insert(id).second) << "repeated " << id;
    }
}
