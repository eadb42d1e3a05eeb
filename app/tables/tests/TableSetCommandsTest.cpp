// Morvane measurement tables tests.
// The table document's task manager: which events it takes, and the commands that load, save
// and start table sets and choose and show their measurement image, run as the user runs them.
#include "LanguageFolder.h"
#include "SourcePath.h"
#include "TemporaryFolder.h"
#include "app/documents/EventRecords.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "app/tables/MeasureTableDoc.h"
#include "app/tables/TableSetTaskManager.h"
#include "lang/LanguageLibrary.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/TableSetUndoStack.h"

#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

class TableSetCommandsTest : public testing::Test
{
protected:
    TableSetCommandsTest()
    {
        EXPECT_TRUE(m_language.LoadLanguageLibrary(languageFolder(), ""));
        m_document.Initialize(&m_owner);
        fs::copy_file(sourcePath("app/grading/tests/data/women.mst"), m_women);
        std::ofstream(m_folder / "chart.jpg") << "image";
    }

    bool dispatch(const std::string &event, void *data = nullptr)
    {
        return m_document.GetTaskManager().DispatchEvent(event, data);
    }
    bool load(const fs::path &file)
    {
        fs::path given = file;
        return dispatch("LoadTableSet", &given);
    }
    IBrismond &set() { return *m_document.GetTableSet(); }
    CQuietUserInterface &ui() { return m_owner.userInterface; }
    /// Makes a change the task's history records: the set names the image chart.jpg.
    void changeSet()
    {
        ui().QueueFileAnswer(m_folder / "chart.jpg");
        ASSERT_TRUE(dispatch("AssociateMeasurementsImage"));
    }

    CLanguageLibrary m_language;
    TemporaryFolder m_folder{"table-commands"};
    fs::path m_women = m_folder / "women.mst";
    morvane::FakeGradingEvents m_owner;
    CMeasureTableDoc m_document;
};

} // namespace

TEST_F(TableSetCommandsTest, TakesTheEventsOfTheCommandsBuiltAndLeavesTheOthers)
{
    std::vector<std::string> awaited;
    for (const morvane::TableSetCommandEntry &entry : morvane::tableSetCommandEntries()) {
        if (!entry.makeObject && !entry.execute)
            awaited.emplace_back(entry.name);
    }
    EXPECT_EQ(awaited,
              (std::vector<std::string>{"EditGradeSize", "InsertTableAt", "EditTable",
                                        "DeleteTable", "SelectCustomSize", "SelectBaseSize",
                                        "UpdateMeasurement", "ViewSelectSizes", "DelGradeSize",
                                        "DeleteMeasurement", "InsertGradeSizeAt",
                                        "InsertMeasurementAt", "EditMeasurement", "GridEditPaste"}))
        << "they come with the table editor's windows";

    CTaskManager &manager = m_document.GetTaskManager();
    for (const char *event : {"EditGradeSize", "DeleteTable", "GridEditPaste"}) {
        SCOPED_TRACE(event);
        EXPECT_FALSE(manager.CanDispatchEvent(event, nullptr));
    }
    EXPECT_TRUE(manager.CanDispatchEvent("NewTableSet", nullptr)) << "it has no enable test";
    EXPECT_FALSE(manager.CanDispatchEvent("ShowMeasurementsImage", nullptr)) << "no image";
    EXPECT_TRUE(manager.CanDispatchEvent("LoadTableSet", nullptr));
    m_owner.canDeactivate = false;
    EXPECT_FALSE(manager.CanDispatchEvent("LoadTableSet", nullptr))
        << "not while the active mask's task cannot be left";
}

TEST_F(TableSetCommandsTest, LoadsAGivenOrChosenFileAndActivatesItsFirstTable)
{
    ASSERT_TRUE(load(m_women));
    EXPECT_EQ(m_document.GetPathName(), m_women);
    ASSERT_NE(m_document.GetActiveTable(), nullptr);
    EXPECT_EQ(m_document.GetActiveTable()->GetName(), "Women");
    EXPECT_EQ(m_owner.strings[0], "") << "the status text is emptied after the load";
    EXPECT_EQ(m_owner.waitCursorDepth, 0);
    EXPECT_TRUE(ui().GetFileRequests().empty()) << "a given file opens no dialog";

    m_document.Reset();
    ui().QueueFileAnswer(m_women);
    EXPECT_TRUE(dispatch("LoadTableSet"));
    EXPECT_EQ(set().GetTableCount(), 1);
    ASSERT_EQ(ui().GetFileRequests().size(), 1u);
    EXPECT_EQ(ui().GetFileRequests()[0].defaultExtension, "mst");
    EXPECT_TRUE(contains(ui().GetFileRequests()[0].filter, "(*.mst)|*.mst|"))
        << ui().GetFileRequests()[0].filter;

    m_document.Reset();
    EXPECT_FALSE(dispatch("LoadTableSet")) << "cancelled: no answer queued";
    EXPECT_EQ(set().GetTableCount(), 0);
}

TEST_F(TableSetCommandsTest, AFileThatDoesNotLoadIsReportedAndChangesNothing)
{
    ASSERT_TRUE(load(m_women));
    std::ofstream(m_folder / "damaged.mst") << "<MeasurementTableSet Version=\"1\"><Table";

    EXPECT_FALSE(load(m_folder / "damaged.mst"));
    ASSERT_EQ(ui().GetMessages().size(), 1u);
    EXPECT_TRUE(contains(ui().GetMessages()[0], (m_folder / "damaged.mst").string()));
    EXPECT_TRUE(contains(ui().GetMessages()[0], "could not be loaded")) << ui().GetMessages()[0];
    EXPECT_EQ(ui().GetShown()[0].icon, MessageIcon::Stop);
    EXPECT_EQ(m_document.GetPathName(), m_women);
    EXPECT_EQ(set().GetTableCount(), 1);
}

TEST_F(TableSetCommandsTest, AsksAboutUnsavedChangesBeforeLoadingOrStartingAnew)
{
    const struct
    {
        const char *name;
        PromptAnswer answer;
        bool named;
        bool goesOn;
        bool opensSaveDialog;
    } cases[] = {
        {"no: dropped", PromptAnswer::No, true, true, false},
        {"cancel: kept", PromptAnswer::Cancel, true, false, false},
        {"yes: saved to its file", PromptAnswer::Yes, true, true, false},
        {"yes, never saved: the user chooses its file", PromptAnswer::Yes, false, true, true},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        fs::copy_file(sourcePath("app/grading/tests/data/women.mst"), m_women,
                      fs::copy_options::overwrite_existing);
        ASSERT_TRUE(load(m_women));
        if (!row.named)
            m_document.SetFileName({});
        changeSet();
        ui().ClearRecords();
        ui().SetAnswer(row.answer);
        if (row.opensSaveDialog)
            ui().QueueFileAnswer(m_folder / "chosen.mst");

        EXPECT_EQ(dispatch("NewTableSet"), row.goesOn);
        EXPECT_EQ(ui().GetQuestions().size(), 1u);
        EXPECT_EQ(set().GetTableCount(), row.goesOn ? 0 : 1);
        EXPECT_EQ(ui().GetFileRequests().size(), row.opensSaveDialog ? 1u : 0u);
        EXPECT_EQ(fs::exists(m_folder / "chosen.mst"), row.opensSaveDialog);
        EXPECT_FALSE(fs::exists(m_folder / CDocument::kUntitledTitle))
            << "a set never saved is not saved under its title";
        fs::remove(m_folder / "chosen.mst");
        ui().SetAnswer(PromptAnswer::No);
        dispatch("NewTableSet");
        ui().ClearRecords();
    }

    EXPECT_TRUE(dispatch("NewTableSet"));
    EXPECT_TRUE(ui().GetQuestions().empty()) << "an unchanged set is started anew at once";
}

TEST_F(TableSetCommandsTest, SavingMakesTheSetUnchangedAndAFailureIsReported)
{
    ASSERT_TRUE(load(m_women));
    changeSet();
    fs::path copy = m_folder / "copy.mst";
    EXPECT_TRUE(dispatch("SaveTableSet", &copy));
    EXPECT_EQ(m_document.GetPathName(), copy);
    EXPECT_TRUE(dispatch("SaveModifiedTableSet"));
    EXPECT_TRUE(ui().GetQuestions().empty()) << "nothing changed since the save";

    fs::path nowhere = m_folder / "missing-folder/copy.mst";
    EXPECT_FALSE(dispatch("SaveTableSet", &nowhere));
    ASSERT_EQ(ui().GetMessages().size(), 1u);
    EXPECT_TRUE(contains(ui().GetMessages()[0], nowhere.string())) << ui().GetMessages()[0];
    EXPECT_EQ(m_document.GetPathName(), copy);
}

TEST_F(TableSetCommandsTest, TheChosenImageIsOneStepOfTheTablesHistory)
{
    ASSERT_TRUE(load(m_women));
    changeSet();
    EXPECT_EQ(set().GetImageFileName(), "chart.jpg");
    EXPECT_EQ(set().GetImageDirectory(), (m_folder.path() / "").string());

    ui().QueueFileAnswer(m_folder / "chart.jpg");
    EXPECT_FALSE(dispatch("AssociateMeasurementsImage")) << "the same image again records nothing";
    m_document.GetTaskManager().Undo();
    EXPECT_EQ(set().GetImageFileName(), "");
    EXPECT_FALSE(m_document.GetTaskManager().CanUndo());
    m_document.GetTaskManager().Redo();
    EXPECT_EQ(set().GetImageFileName(), "chart.jpg");
}

TEST_F(TableSetCommandsTest, ShowsTheImageFromTheOptionFolderOrTheSetsOrAFolderTheUserFinds)
{
    ASSERT_TRUE(load(m_women));
    fs::create_directories(m_folder / "options");
    fs::create_directories(m_folder / "found");
    std::ofstream(m_folder / "found/chest.jpg") << "image";
    set().GetUndoStack().BeginStep();
    set().SetImageFileName("chest.jpg");
    set().SetImageDirectory("C:\\old\\images\\");
    set().GetUndoStack().EndStep();

    ui().QueueFileAnswer(std::nullopt);
    EXPECT_FALSE(dispatch("ShowMeasurementsImage")) << "missing everywhere, the search cancelled";
    EXPECT_EQ(set().GetImageDirectory(), "C:\\old\\images\\");
    EXPECT_TRUE(ui().GetShownImages().empty());

    ui().QueueFileAnswer(m_folder / "found");
    EXPECT_TRUE(dispatch("ShowMeasurementsImage"));
    EXPECT_EQ(set().GetImageDirectory(), (m_folder / "found").string());
    ASSERT_EQ(ui().GetShownImages().size(), 1u);
    EXPECT_EQ(ui().GetShownImages()[0], m_folder / "found/chest.jpg");
    ASSERT_TRUE(set().GetUndoStack().Undo()) << "the folder found is no step of the history";
    EXPECT_EQ(set().GetImageFileName(), "");

    set().SetImageFileName("chest.jpg");
    std::ofstream(m_folder / "options/chest.jpg") << "image";
    m_owner.options.set("INPUT_MEASUREMENT_IMAGE_FILES_PATH", (m_folder / "options").string());
    EXPECT_TRUE(dispatch("ShowMeasurementsImage"));
    EXPECT_TRUE(dispatch("ShowMeasurementsImage"));
    EXPECT_EQ(ui().GetShownImages(),
              (std::vector<fs::path>{m_folder / "found/chest.jpg", m_folder / "options/chest.jpg",
                                     m_folder / "options/chest.jpg"}))
        << "the option's folder first; each run opens a window";
}

TEST_F(TableSetCommandsTest, ActivatesATableByIndex)
{
    ASSERT_TRUE(load(m_women));
    CTaskManager &manager = m_document.GetTaskManager();
    EXPECT_TRUE(manager.CanDispatchEvent("SetActiveTable", morvane::integerEventData(0)));
    EXPECT_FALSE(manager.CanDispatchEvent("SetActiveTable", morvane::integerEventData(1)));
    EXPECT_FALSE(manager.CanDispatchEvent("SetActiveTable", morvane::integerEventData(-1)));
    m_document.SetActiveTable(nullptr);
    EXPECT_TRUE(dispatch("SetActiveTable", morvane::integerEventData(0)));
    EXPECT_EQ(m_document.GetActiveTable(), set().GetTableAt(0));
}
