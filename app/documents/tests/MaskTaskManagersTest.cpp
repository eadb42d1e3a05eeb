// Morvane program documents tests.
// What the main document asks of every open mask's task manager: saving before closing, undo
// histories cleared, repeat options copied, and the regrade at the idle pass.
#include "MainDocumentFixture.h"

#include "app/taskdefs/testing/MaskTaskTesting.h"
#include "tasks/Task.h"
#include "tasks/UndoGroup.h"

#include <gtest/gtest.h>
#include <memory>

using morvane::test::CommandFlags;
using morvane::test::RecordingCommand;
using morvane::test::ScriptedMaskTaskManager;

namespace {

/// What the masks' "SaveModifiedMask" stand-ins were asked, in order, and which mask refuses.
struct SaveQuestions
{
    std::vector<const void *> asked;
    const void *refusing = nullptr;
};

/// "SaveModifiedMask" as the masks' task managers run it: it notes the mask it is asked about
/// and answers false for the refusing one.
class AnsweringSaveCommand : public CBaseCommand
{
public:
    explicit AnsweringSaveCommand(std::shared_ptr<SaveQuestions> questions)
        : m_questions(std::move(questions))
    {
        Create("SaveModifiedMask");
        SetAddToHistory(false);
    }
    std::unique_ptr<ICommand> Clone() const override
    {
        return std::make_unique<AnsweringSaveCommand>(m_questions);
    }
    bool OnExecute(void *mask) override
    {
        m_questions->asked.push_back(mask);
        return mask != m_questions->refusing;
    }

private:
    std::shared_ptr<SaveQuestions> m_questions;
};

/// The masks' task managers are the program's, with stand-ins for "SaveModifiedMask" and
/// "RecalculateGrading".
class MaskTaskManagersTest : public testdocuments::MainDocumentFixture
{
protected:
    MaskTaskManagersTest()
    {
        m_doc.GetMaskDocs()->SetTaskManagerFactory([this] {
            auto manager = std::make_unique<ScriptedMaskTaskManager>(&m_log);
            manager->command(std::make_unique<AnsweringSaveCommand>(m_questions));
            manager->command("RecalculateGrading", CommandFlags{.addToHistory = false});
            return manager;
        });
    }

    static CTask &mainTask(CGradeMaskDoc &doc) { return *doc.GetTaskManager()->GetMainTask(); }
    static CUndoGroup &history(CGradeMaskDoc &doc) { return *mainTask(doc).GetUndoGroup(); }
    static int variable(CGradeMaskDoc &doc, const char *name)
    {
        int value = -1;
        mainTask(doc).GetAttributes()->GetInteger(name, &value);
        return value;
    }
    /// A modifying step in the mask's undo history.
    void recordStep(CGradeMaskDoc &doc)
    {
        const RecordingCommand step("Step", &m_log, {.modifyType = CMT_MODIFY});
        ASSERT_TRUE(history(doc).ExecuteAndRecord(step, nullptr));
    }

    morvane::test::EventLog m_log;
    std::shared_ptr<SaveQuestions> m_questions = std::make_shared<SaveQuestions>();
};

} // namespace

TEST_F(MaskTaskManagersTest, ClosingAsksEveryMaskInEditModeOrNotUntilOneRefuses)
{
    EXPECT_TRUE(m_doc.SaveModifiedItems());
    CGradeMaskDoc *masks[] = {addMask(), addMask(), addMask()};
    const void *grade[] = {masks[0]->GetGradeMask(), masks[1]->GetGradeMask(),
                           masks[2]->GetGradeMask()};
    for (const bool editMode : {false, true}) {
        SCOPED_TRACE(editMode ? "edit mode" : "not in edit mode");
        m_doc.SetEditMode(editMode);
        m_questions->asked.clear();
        m_questions->refusing = grade[1];

        EXPECT_FALSE(m_doc.SaveModifiedItems());
        EXPECT_EQ(m_questions->asked, (std::vector<const void *>{grade[0], grade[1]}));

        m_questions->asked.clear();
        m_questions->refusing = nullptr;
        EXPECT_TRUE(m_doc.SaveModifiedItems());
        EXPECT_EQ(m_questions->asked.size(), 3u);
    }
}

TEST_F(MaskTaskManagersTest, ClearingTheUndoHistoriesKeepsEachMasksModifiedState)
{
    CGradeMaskDoc *edited = addMask();
    CGradeMaskDoc *untouched = addMask();
    recordStep(*edited);
    ASSERT_TRUE(history(*edited).IsModified());

    m_doc.GetMaskDocs()->ClearUndoHistories();

    EXPECT_EQ(history(*edited).GetCount(), 0);
    EXPECT_TRUE(history(*edited).IsModified());
    EXPECT_EQ(history(*untouched).GetCount(), 0);
    EXPECT_FALSE(history(*untouched).IsModified());
}

TEST_F(MaskTaskManagersTest, ChangedOptionsReachEveryMasksMainTaskAndLeaveItsHistory)
{
    CGradeMaskDoc *first = addMask();
    CGradeMaskDoc *second = addMask();
    recordStep(*first);
    const char *options[] = {"REPEAT_INTERACIVE_TOOLS", "REPEAT_ADD_REGION", "REPEAT_MOVE_VIEW",
                             "REPEAT_ZOOM_RECTANGLE"};
    const char *variables[] = {"repeat", "repeatAdd", "repeatMoveView", "repeatZoomRectangle"};
    for (int i = 0; i < 4; ++i)
        m_options.set(options[i], std::to_string(10 + i));

    m_doc.GetEventHandler().SendAfterChange(CMorvaneDoc::kOptionsChanged);

    for (CGradeMaskDoc *doc : {first, second})
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(variables[i]);
            EXPECT_EQ(variable(*doc, variables[i]), 10 + i);
        }
    EXPECT_EQ(history(*first).GetCount(), 1);
}

TEST_F(MaskTaskManagersTest, APendingRegradeIsSentOnceTheActiveMaskCanTakeIt)
{
    loadStyle();
    CGradeMaskDoc *mask = addMask();
    placeStyleOn(*mask);
    m_options.set("AUTO_RECALC", "1");
    m_doc.GetInputPatterns()->GetPatternAt(0)->GetPatternLocation()->Set({7, 5}, 0, false);
    ASSERT_TRUE(m_doc.IsRecalcPending());

    // "MainTask" takes nothing but activation and saving before "OnActivate".
    m_doc.OnIdle();
    EXPECT_TRUE(m_doc.IsRecalcPending());

    mask->GetTaskManager()->DispatchEvent("OnActivate", nullptr);
    m_log.clear();
    m_doc.OnIdle();
    m_doc.OnIdle();
    EXPECT_FALSE(m_doc.IsRecalcPending());
    EXPECT_EQ(m_log, std::vector<std::string>{"run RecalculateGrading"});
}
