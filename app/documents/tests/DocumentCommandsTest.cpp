// Morvane program documents tests.
// The commands on the whole document and on its masks' files, run through the main document's
// own task manager and its masks' managers: what they open, activate, close, load and save,
// what they ask, and what a failure leaves.
#include "DocumentSession.h"
#include "ShirtExample.h"
#include "TemporaryFolder.h"
#include "app/documents/EventRecords.h"
#include "app/documents/GradeModelKind.h"
#include "lang/ResourceText.h"
#include "model/GradeMask.h"
#include "model/MorvaneException.h"
#include "sources/grade-model/IGradeModel.h"
#include "tasks/Task.h"
#include "tasks/UndoGroup.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <gtest/gtest.h>

using testdocuments::Session;

namespace {

/// A grade model with no patterns whose save answers the code it is given.
class SavingModel : public IGradeModel
{
public:
    GM_ERROR GetPatternCount(int &count) override
    {
        count = 0;
        return GM_NO_ERROR;
    }
    IGradePattern *GetPatternAt(int) override { return nullptr; }
    GM_ERROR Load(const std::string &) override { return GM_NO_ERROR; }
    GM_ERROR Save() override
    {
        ++saves;
        return code;
    }
    void OnAttach(IGradeData *) override {}
    GM_ERROR BeginGrading() override { return GM_NO_ERROR; }
    GM_ERROR EndGrading() override { return GM_NO_ERROR; }
    GM_ERROR Release() override { return GM_NO_ERROR; }
    GM_ERROR Initialize(const std::string &) override { return GM_NO_ERROR; }
    GM_ERROR GetName(std::string &name) override
    {
        name = "saving";
        return GM_NO_ERROR;
    }

    GM_ERROR code = GM_NO_ERROR;
    int saves = 0;
};

std::string upperCased(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

/// Marks the mask's history as holding changes not saved.
void markChanged(CGradeMaskDoc &doc)
{
    doc.GetTaskManager()->GetMainTask()->GetOwnUndoGroup()->Reset(true);
}

class DocumentCommandsTest : public ::testing::Test
{
protected:
    DocumentCommandsTest()
    {
        example::writeShirtExample(m_folder.path());
        std::filesystem::copy_file(file(example::kMaskFile), file("second.msk"));
        std::filesystem::copy_file(file(example::kMaskFile), file("third.msk"));
        std::ifstream whole(file(example::kMaskFile), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(whole)), {});
        std::ofstream(file("truncated.msk"), std::ios::binary) << text.substr(0, text.size() / 2);
    }

    std::filesystem::path file(const char *name) const { return m_folder / name; }
    std::string text(uint32_t id, std::initializer_list<std::string_view> arguments) const
    {
        return morvane::loadString(id, arguments);
    }

    TemporaryFolder m_folder{"document-commands"};
    SavingModel m_model;
    Session m_session;
};

} // namespace

TEST_F(DocumentCommandsTest, WithNoMaskOpenTheDocumentsOwnTaskTakesItsCommands)
{
    CTaskManager &workspace = m_session.workspace();
    CTask &task = *workspace.GetMainTask();
    EXPECT_EQ(m_session.m_doc.GetTaskManager(), &workspace);
    EXPECT_TRUE(workspace.DispatchEvent("Options", nullptr));
    EXPECT_EQ(testdocuments::statePath(task), "IdleState");
    EXPECT_TRUE(workspace.DispatchEvent("InsertNewMask", nullptr));
    EXPECT_TRUE(workspace.DispatchEvent("InsertNewMask", nullptr));
    EXPECT_EQ(testdocuments::statePath(task), "IdleState");
    EXPECT_EQ(m_session.ui.GetOptionsDialogCount(), 1);
    ASSERT_EQ(m_session.masks().GetCount(), 2);
    EXPECT_NE(m_session.masks().GetAt(0)->GetDisplayName(),
              m_session.masks().GetAt(1)->GetDisplayName());
    EXPECT_EQ(m_session.m_doc.GetActiveMaskDoc(), nullptr) << "a new mask is not activated";
    InputPatternsRequest request{file(example::kStyleFile), GMK_AAMA};
    EXPECT_TRUE(workspace.CanDispatchEvent("LoadInputPatterns", &request));

    // The main window writes the keys' state here while no mask is active; no chart takes the
    // keys themselves.
    ASSERT_TRUE(task.GetAttributes()->SetInteger("control", 1));
    ASSERT_TRUE(task.GetAttributes()->SetInteger("shift", 1));
    EXPECT_FALSE(workspace.DispatchEvent("OnKeyDown", nullptr));
    EXPECT_EQ(testdocuments::statePath(task), "IdleState");
}

TEST_F(DocumentCommandsTest, ANewMaskNeedsTheEditModeAndTheRelativeModeFollowsTheOptions)
{
    m_session.m_doc.SetEditMode(false);
    EXPECT_FALSE(m_session.workspace().CanDispatchEvent("InsertNewMask", nullptr));

    for (const char *relative : {"0", "1"}) {
        SCOPED_TRACE(relative);
        m_session.m_options.set("RELATIVE_MODE", relative);
        // The dialog changes nothing: the table document is left alone.
        ASSERT_TRUE(m_session.workspace().DispatchEvent("Options", nullptr));
        EXPECT_FALSE(m_session.m_doc.GetMeasureTableDoc()->IsRelativeMode());
    }
    m_session.m_options.set("RELATIVE_MODE", "0");
    m_session.ui.SetOptionsDialogAction([this] { m_session.m_options.set("RELATIVE_MODE", "1"); });
    ASSERT_TRUE(m_session.workspace().DispatchEvent("Options", nullptr));
    EXPECT_TRUE(m_session.m_doc.GetMeasureTableDoc()->IsRelativeMode());
}

TEST_F(DocumentCommandsTest, AMaskFileOpensOnceAndADamagedOneNotAtAll)
{
    CGradeMaskDoc *opened = m_session.openMask(file(example::kMaskFile));
    ASSERT_NE(opened, nullptr);
    EXPECT_GT(opened->GetGradeMask()->GetPatternCount(), 0);

    struct Row
    {
        const char *name;
        std::filesystem::path file;
        uint32_t message;
    };
    const Row rows[] = {
        {"the same file in other letters", m_folder / upperCased(example::kMaskFile), 61248},
        {"a truncated file", file("truncated.msk"), 61430},
        {"a missing file", file("missing.msk"), 61430},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        m_session.ui.ClearRecords();
        EXPECT_EQ(m_session.openMask(row.file), nullptr);
        EXPECT_EQ(m_session.masks().GetCount(), 1);
        ASSERT_EQ(m_session.ui.GetMessages().size(), 1u);
        const std::string message = m_session.ui.GetMessages()[0];
        const std::string start = text(row.message, {row.file.string(), ""});
        EXPECT_EQ(message.substr(0, start.size()), start);
        if (row.message == 61430) {
            EXPECT_GT(message.size(), start.size()) << "the reason follows the path";
        }
    }
}

TEST_F(DocumentCommandsTest, LoadingAMaskReplacesTheActiveOnesContentOnlyWhenTheFileLoads)
{
    CGradeMaskDoc *active = m_session.openMask(file(example::kMaskFile));
    CGradeMaskDoc *other = m_session.openMask(file("second.msk"));
    ASSERT_TRUE(active && other);
    ASSERT_TRUE(m_session.workspace().DispatchEvent("SetActiveMask", active));
    const int patterns = active->GetGradeMask()->GetPatternCount();

    std::filesystem::path truncated = file("truncated.msk");
    EXPECT_FALSE(m_session.mask().DispatchEvent("LoadMask", &truncated));
    EXPECT_EQ(active->GetGradeMask()->GetPatternCount(), patterns);
    EXPECT_EQ(active->GetGradeMask()->GetFileName(), file(example::kMaskFile));
    ASSERT_EQ(m_session.ui.GetMessages().size(), 1u);
    EXPECT_NE(m_session.ui.GetMessages()[0].find("truncated.msk"), std::string::npos);
    EXPECT_FALSE(m_session.m_doc.IsFailed()) << "drawing goes on after the load";

    std::filesystem::path otherFile = file("second.msk");
    m_session.ui.ClearRecords();
    EXPECT_FALSE(m_session.mask().DispatchEvent("LoadMask", &otherFile));
    EXPECT_EQ(m_session.ui.GetMessages(), std::vector{text(61248, {otherFile.string()})});

    std::filesystem::path own = file("third.msk");
    markChanged(*active);
    m_session.ui.SetAnswer(PromptAnswer::No);
    EXPECT_TRUE(m_session.mask().DispatchEvent("LoadMask", &own));
    EXPECT_EQ(active->GetGradeMask()->GetFileName(), own);
    EXPECT_EQ(active->GetGradeMask()->GetPatternCount(), patterns);
    EXPECT_FALSE(m_session.mask().CanUndo()) << "a replaced mask starts a new history";
    EXPECT_FALSE(active->GetTaskManager()->GetMainTask()->GetOwnUndoGroup()->IsModified());
    own = file("third.msk");
    EXPECT_TRUE(m_session.mask().DispatchEvent("LoadMask", &own)) << "its own file again";
}

TEST_F(DocumentCommandsTest, ActivatingAndClosingMasksKeepsOneActiveWhileAnyIsOpen)
{
    CGradeMaskDoc *first = m_session.openMask(file(example::kMaskFile));
    CGradeMaskDoc *second = m_session.openMask(file("second.msk"));
    CGradeMaskDoc *third = m_session.openMask(file("third.msk"));
    ASSERT_TRUE(first && second && third);
    CTaskManager &workspace = m_session.workspace();

    ASSERT_TRUE(workspace.DispatchEvent("SetActiveMask", second));
    EXPECT_FALSE(workspace.CanDispatchEvent("SetActiveMask", second));
    EXPECT_EQ(testdocuments::statePath(*first->GetTaskManager()->GetMainTask()),
              "NotActiveState");
    EXPECT_NE(testdocuments::statePath(*second->GetTaskManager()->GetMainTask()),
              "NotActiveState");

    ASSERT_TRUE(workspace.DispatchEvent("DeleteGradeMask", second));
    EXPECT_EQ(m_session.m_doc.GetActiveMaskDoc(), first) << "the first other open mask";
    EXPECT_EQ(m_session.masks().GetCount(), 2);

    ASSERT_TRUE(workspace.DispatchEvent("SetActiveMask", nullptr));
    EXPECT_EQ(m_session.m_doc.GetActiveMaskDoc(), nullptr);
    EXPECT_EQ(testdocuments::statePath(*first->GetTaskManager()->GetMainTask()),
              "NotActiveState");

    ASSERT_TRUE(workspace.DispatchEvent("SetActiveMask", third));
    ASSERT_TRUE(workspace.DispatchEvent("DeleteGradeMask", first));
    ASSERT_TRUE(workspace.DispatchEvent("DeleteGradeMask", third));
    EXPECT_EQ(m_session.m_doc.GetActiveMaskDoc(), nullptr) << "the only mask closed";
    EXPECT_FALSE(workspace.CanDispatchEvent("CloseAllMasks", nullptr));
}

TEST_F(DocumentCommandsTest, ClosingAllMasksStopsAtTheFirstThatKeepsItsChanges)
{
    CGradeMaskDoc *first = m_session.openMask(file(example::kMaskFile));
    CGradeMaskDoc *second = m_session.openMask(file("second.msk"));
    CGradeMaskDoc *third = m_session.openMask(file("third.msk"));
    ASSERT_TRUE(first && second && third);
    ASSERT_TRUE(m_session.workspace().DispatchEvent("SetActiveMask", first));
    markChanged(*second);
    m_session.ui.SetAnswer(PromptAnswer::Cancel);

    // Not in edit mode, the question is still asked: unsaved changes never close unasked.
    m_session.m_doc.SetEditMode(false);
    EXPECT_FALSE(m_session.workspace().DispatchEvent("CloseAllMasks", nullptr));
    ASSERT_EQ(m_session.masks().GetCount(), 2);
    EXPECT_EQ(m_session.masks().GetAt(1), second);
    ASSERT_EQ(m_session.ui.GetQuestions().size(), 1u);
    EXPECT_NE(m_session.ui.GetQuestions()[0].find("second.msk"), std::string::npos);

    m_session.ui.SetAnswer(PromptAnswer::No);
    EXPECT_TRUE(m_session.workspace().DispatchEvent("CloseAllMasks", nullptr));
    EXPECT_EQ(m_session.masks().GetCount(), 0);
    EXPECT_EQ(m_session.m_doc.GetActiveMaskDoc(), nullptr);
}

TEST_F(DocumentCommandsTest, TheSaveQuestionAsksOnlyAboutChangesAndSavesAsTheUserSays)
{
    ASSERT_TRUE(m_session.workspace().DispatchEvent("InsertNewMask", nullptr));
    CGradeMaskDoc &mask = *m_session.masks().GetAt(0);
    CTaskManager &tasks = *mask.GetTaskManager();
    IGradeMask *gradeMask = mask.GetGradeMask();

    EXPECT_TRUE(tasks.DispatchEvent("SaveModifiedMask", gradeMask));
    EXPECT_TRUE(m_session.ui.GetQuestions().empty());

    struct Row
    {
        const char *name;
        PromptAnswer answer;
        std::optional<std::filesystem::path> chosen;
        bool result;
        bool saved;
    };
    const Row rows[] = {
        {"cancel", PromptAnswer::Cancel, {}, false, false},
        {"no", PromptAnswer::No, {}, true, false},
        {"yes, the dialog cancelled", PromptAnswer::Yes, std::nullopt, false, false},
        {"yes", PromptAnswer::Yes, file("new.msk"), true, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        markChanged(mask);
        m_session.ui.ClearRecords();
        m_session.ui.SetAnswer(row.answer);
        if (row.answer == PromptAnswer::Yes)
            m_session.ui.QueueFileAnswer(row.chosen);
        EXPECT_EQ(tasks.DispatchEvent("SaveModifiedMask", gradeMask), row.result);
        ASSERT_EQ(m_session.ui.GetQuestions().size(), 1u);
        EXPECT_EQ(m_session.ui.GetQuestions()[0], text(61433, {"Mask1"}));
        EXPECT_EQ(std::filesystem::exists(file("new.msk")), row.saved);
        if (row.answer == PromptAnswer::Yes) {
            ASSERT_EQ(m_session.ui.GetFileRequests().size(), 1u);
            EXPECT_EQ(m_session.ui.GetFileRequests()[0].suggestedName, "Mask1.msk");
        }
    }
    EXPECT_EQ(gradeMask->GetFileName(), file("new.msk"));
    EXPECT_FALSE(tasks.GetMainTask()->GetOwnUndoGroup()->IsModified());

    // A file another open mask has is not written over.
    CGradeMaskDoc *other = m_session.openMask(file(example::kMaskFile));
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(m_session.workspace().DispatchEvent("SetActiveMask", &mask));
    CSaveMaskParam onto(file(example::kMaskFile), gradeMask);
    m_session.ui.ClearRecords();
    EXPECT_FALSE(tasks.DispatchEvent("SaveGradeMask", &onto));
    EXPECT_EQ(m_session.ui.GetMessages(),
              std::vector{text(61248, {file(example::kMaskFile).string()})});
}

TEST_F(DocumentCommandsTest, InputPatternsThatDoNotLoadLeaveTheDocumentsPatterns)
{
    InputPatternsRequest style{file(example::kStyleFile), GMK_AAMA};
    ASSERT_TRUE(m_session.workspace().DispatchEvent("LoadInputPatterns", &style));
    EXPECT_TRUE(m_session.ui.GetFileRequests().empty()) << "a given path opens no dialog";
    EXPECT_EQ(m_session.m_doc.GetWorkspace()->GetInputPatternFile(), style.path.string());
    IGradeModel *loaded = m_session.m_doc.GetLoadedGradeModel();

    struct Row
    {
        const char *name;
        InputPatternsRequest request;
    };
    const Row rows[] = {
        {"a missing style", {file("missing.dxf"), GMK_AAMA}},
        {"a mask file, not a style", {file(example::kMaskFile), GMK_AAMA}},
        {"a kind without a library", {file(example::kStyleFile), GMK_MODEL_FILES}},
        {"an unknown kind", {file(example::kStyleFile), 7}},
    };
    for (Row row : rows) {
        SCOPED_TRACE(row.name);
        m_session.ui.ClearRecords();
        EXPECT_FALSE(m_session.workspace().DispatchEvent("LoadInputPatterns", &row.request));
        EXPECT_EQ(m_session.m_doc.GetLoadedGradeModel(), loaded);
        EXPECT_EQ(m_session.m_doc.GetInputPatterns()->GetPatternCount(), 2);
        EXPECT_EQ(m_session.m_doc.GetWorkspace()->GetInputPatternFile(), style.path.string());
        ASSERT_EQ(m_session.ui.GetMessages().size(), 1u);
        const std::string message = m_session.ui.GetMessages()[0];
        const std::string start = text(61431, {row.request.path.string(), ""});
        EXPECT_EQ(message.substr(0, start.size()), start);
        EXPECT_GT(message.size(), start.size()) << "the reason is told";
    }

    InputPatternsRequest chosen{{}, GMK_AAMA};
    m_session.ui.ClearRecords();
    EXPECT_FALSE(m_session.workspace().DispatchEvent("LoadInputPatterns", &chosen));
    ASSERT_EQ(m_session.ui.GetFileRequests().size(), 1u);
    EXPECT_EQ(m_session.ui.GetFileRequests()[0].defaultExtension, "dxf");
    m_session.ui.QueueFileAnswer(file(example::kStyleFile));
    EXPECT_TRUE(m_session.workspace().DispatchEvent("LoadInputPatterns", &chosen));
    EXPECT_EQ(chosen.path, file(example::kStyleFile)) << "the chosen file is written back";
}

TEST_F(DocumentCommandsTest, SavingTheGradingTellsEachFailureByItsCode)
{
    CTaskManager &workspace = m_session.workspace();
    EXPECT_FALSE(workspace.CanDispatchEvent("SaveGrading", nullptr)) << "no grade model";
    struct KindRow
    {
        int kind;
        bool enabled;
    };
    for (const KindRow row : {KindRow{GMK_MASK_FILES, true}, KindRow{GMK_AAMA, true},
                              KindRow{GMK_MODEL_FILES, true}, KindRow{GMK_CLIENT_PROGRAM, false}}) {
        SCOPED_TRACE(row.kind);
        m_session.m_doc.SetGradeModel(&m_model, row.kind);
        EXPECT_EQ(workspace.CanDispatchEvent("SaveGrading", nullptr), row.enabled);
    }
    m_session.m_doc.SetGradeModel(&m_model, GMK_AAMA);

    struct CodeRow
    {
        GM_ERROR code;
        bool result;
        std::vector<std::string> messages;
    };
    const CodeRow rows[] = {
        {GM_NO_ERROR, true, {}},
        {GM_NO_SUCH_FILE, false, {text(61250, {})}},
        {GM_COULD_NOT_CLOSE_SOCKET, false, {""}},
    };
    for (const CodeRow &row : rows) {
        SCOPED_TRACE(row.code);
        m_model.code = row.code;
        m_session.ui.ClearRecords();
        EXPECT_EQ(workspace.DispatchEvent("SaveGrading", nullptr), row.result);
        EXPECT_EQ(m_session.ui.GetMessages(), row.messages);
    }
    for (const GM_ERROR critical : {GM_BAD_STRUCTURE, GM_UNEXPECTED_INTERNAL_ERROR}) {
        SCOPED_TRACE(critical);
        m_model.code = critical;
        m_session.ui.ClearRecords();
        EXPECT_THROW(workspace.DispatchEvent("SaveGrading", nullptr), CMorvaneException);
        EXPECT_TRUE(m_session.ui.GetMessages().empty()) << "it throws before any message";
    }
    m_session.m_doc.SetGradeModel(nullptr, GMK_NONE);
}
