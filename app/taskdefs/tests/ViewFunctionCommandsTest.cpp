// Morvane interactive tasks, tests.
// The function commands of the view, the measure line, the context menu and the mask display,
// run by a real mask task manager.
#include "app/taskdefs/ViewFunctionCommands.h"

#include "app/taskdefs/IMouseCapture.h"
#include "app/taskdefs/InlineCommand.h"
#include "app/taskdefs/ItemNames.h"
#include "app/taskdefs/testing/MaskTaskTesting.h"
#include "model/GradeMask.h"
#include "model/MorvaneFactory.h"
#include "tasks/EventDispatchBlock.h"
#include "tasks/UndoGroup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

/// "SaveModifiedMask" as the question it asks: while it runs it tries to dispatch an event, as a
/// timer of the nested event loop would, and answers as told.
class AskingSaveCommand : public CBaseCommand
{
public:
    struct Outcome
    {
        bool answer = true;
        int asked = 0;
        bool eventTaken = false;
    };

    explicit AskingSaveCommand(std::shared_ptr<Outcome> outcome) : m_outcome(std::move(outcome))
    {
        Create("SaveModifiedMask");
        SetAddToHistory(false);
    }
    std::unique_ptr<ICommand> Clone() const override
    {
        return std::make_unique<AskingSaveCommand>(*this);
    }
    bool OnExecute(void *) override
    {
        ++m_outcome->asked;
        m_outcome->eventTaken |= GetTaskManager()->DispatchEvent("OnMoveCenter", nullptr);
        m_outcome->eventTaken |= !CEventDispatchBlock::IsActive();
        return m_outcome->answer;
    }

private:
    std::shared_ptr<AskingSaveCommand::Outcome> m_outcome;
};

class ViewFunctionCommandsTest : public ::testing::Test
{
protected:
    void start()
    {
        m_manager.task("IdleTask", defineIdleStub);
        m_manager.command("PlacePattern", {.modifyType = CMT_MODIFY});
        m_manager.start("MainTask", &m_services);
        m_manager.DispatchEvent("OnActivate", nullptr);
        m_log.clear();
    }
    void TearDown() override { EXPECT_THAT(m_manager.diagnostics, IsEmpty()); }

    bool run(const std::string &command, void *data = nullptr)
    {
        return runRegisteredCommand(m_manager.GetMainTask(), command, data);
    }

    EventLog m_log;
    FakeDocumentServices m_services;
    ScriptedMaskTaskManager m_manager{&m_log};
};

struct NamedItem
{
    std::string name;
    std::string GetName() const { return name; }
};

} // namespace

TEST_F(ViewFunctionCommandsTest, ViewCommandsSendTheirNotifications)
{
    RecordingMouseCapture capture;
    m_manager.SetMouseCapture(&capture);
    m_manager.command("FindFocusLine", {.addToHistory = false});
    start();

    EXPECT_TRUE(run("InvalidateView"));
    EXPECT_TRUE(run("SetCapture"));
    EXPECT_TRUE(run("ReleaseCapture"));
    EXPECT_TRUE(run("FindMeasurePoint"));
    EXPECT_EQ(m_services.changes0, 1);
    EXPECT_EQ(m_services.changes1, 1);
    EXPECT_EQ(m_services.changes2, 0);
    EXPECT_EQ(m_services.changes4, 1);
    EXPECT_EQ(capture.releases, 1);
    EXPECT_EQ(takeCommandsRun(m_log), (EventLog{"run FindFocusLine"}));

    m_manager.SetMouseCapture(nullptr);
    EXPECT_TRUE(run("ReleaseCapture"));
}

TEST_F(ViewFunctionCommandsTest, FindMeasurePointFindsNothingWithoutTheSearch)
{
    start();
    EXPECT_TRUE(run("FindMeasurePoint"));
    EXPECT_EQ(m_services.changes4, 1);
}

TEST_F(ViewFunctionCommandsTest, NewMaskKeepsTheMaskUnlessTheSaveQuestionAgrees)
{
    for (const bool agrees : {false, true}) {
        SCOPED_TRACE(agrees);
        EventLog log;
        FakeDocumentServices services;
        ScriptedMaskTaskManager manager(&log);
        CEventHandler *handler = nullptr;
        const std::unique_ptr<IGradeMask> mask = CMorvaneFactory::MakeGradeMask(handler);
        mask->SetCenter({12.0, -3.0});
        services.activeMask = mask.get();
        auto outcome = std::make_shared<AskingSaveCommand::Outcome>();
        outcome->answer = agrees;
        manager.command(std::make_unique<AskingSaveCommand>(outcome));
        manager.command("PlacePattern", {.modifyType = CMT_MODIFY});
        manager.task("IdleTask", defineIdleStub);
        manager.start("MainTask", &services);
        manager.DispatchEvent("OnActivate", nullptr);
        manager.DispatchEvent("PlacePattern", nullptr);

        EXPECT_EQ(manager.DispatchEvent("NewGradeMask", nullptr), agrees);
        EXPECT_EQ(outcome->asked, 1);
        EXPECT_FALSE(outcome->eventTaken);
        EXPECT_EQ(currentStatePath(*manager.GetMainTask()), "IdleTask/Idle");
        EXPECT_EQ(mask->GetCenter().x, agrees ? 0.0 : 12.0);
        EXPECT_EQ(manager.CanUndo(), !agrees);
        EXPECT_EQ(manager.GetMainTask()->GetOwnUndoGroup()->IsModified(), !agrees);
        EXPECT_THAT(manager.diagnostics, IsEmpty());
    }
}

TEST_F(ViewFunctionCommandsTest, NewMaskAsksTheSaveQuestionOnlyAboutChanges)
{
    CEventHandler *handler = nullptr;
    const std::unique_ptr<IGradeMask> mask = CMorvaneFactory::MakeGradeMask(handler);
    m_services.activeMask = mask.get();
    m_services.userInterface.SetAnswer(PromptAnswer::Cancel);
    start();
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed);
        mask->SetCenter({12.0, -3.0});
        if (changed)
            m_manager.DispatchEvent("PlacePattern", nullptr);
        m_services.userInterface.ClearRecords();
        EXPECT_EQ(m_manager.DispatchEvent("NewGradeMask", nullptr), !changed);
        EXPECT_EQ(mask->GetCenter().x, changed ? 12.0 : 0.0);
        EXPECT_EQ(m_services.userInterface.GetQuestions().size(), changed ? 1u : 0u);
    }
}

TEST(JoinItemNamesTest, JoinsNamesInOrderWithoutBlanks)
{
    NamedItem front{"Front"}, back{"Back piece"}, empty{""};
    CPtrCollection<NamedItem> items;
    EXPECT_EQ(JoinItemNames(items), "");
    items.Add(&front);
    EXPECT_EQ(JoinItemNames(items), "Front");
    items.Add(&back);
    items.Add(&empty);
    EXPECT_EQ(JoinItemNames(items), "Front,Back piece,");
}
