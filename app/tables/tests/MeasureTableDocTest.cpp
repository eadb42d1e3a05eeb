// Morvane measurement tables tests.
// The measurement-table document: its file name, its active table, relative mode, and loading
// and saving its set.
#include "app/tables/MeasureTableDoc.h"

#include "EventLog.h"
#include "TemporaryFolder.h"
#include "app/documents/RecentFileList.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/TableSetUndoStack.h"

#include <fstream>
#include <gtest/gtest.h>

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

class MeasureTableDocTest : public testing::Test
{
protected:
    MeasureTableDocTest() { m_document.Initialize(&m_owner); }

    IBrismond &set() { return *m_document.GetTableSet(); }
    // The document's own events (sender 109), leaving out what passes it from the set and the
    // size selection.
    Lines documentEvents() { return m_log.TakeFrom(109); }

    morvane::FakeGradingEvents m_owner;
    CRecentFileList m_recentFiles;
    CMeasureTableDoc m_document{&m_recentFiles};
    EventLog m_log{m_document.GetEventHandler()};
};

} // namespace

TEST_F(MeasureTableDocTest, StartsUntitledEmptyAndTakesTheRelativeModeFromTheOptions)
{
    EXPECT_EQ(m_document.GetTitle(), CDocument::kUntitledTitle);
    EXPECT_EQ(set().GetTableCount(), 0);
    EXPECT_EQ(m_document.GetActiveTable(), nullptr);
    EXPECT_FALSE(m_document.IsRelativeMode());
    EXPECT_EQ(m_document.GetOwner(), &m_owner);

    morvane::FakeGradingEvents relativeOwner;
    relativeOwner.options.set("RELATIVE_MODE", "1");
    CMeasureTableDoc relative;
    EventLog log(relative.GetEventHandler());
    relative.Initialize(&relativeOwner);
    EXPECT_TRUE(relative.IsRelativeMode());
    EXPECT_TRUE(log.Take().empty());
}

TEST_F(MeasureTableDocTest, AFileNameEqualToThePathSendsNothing)
{
    m_document.SetFileName("/tables/women.mst");
    EXPECT_EQ(documentEvents(), (Lines{"before 109:1", "after 109:1"}));
    EXPECT_EQ(m_document.GetTitle(), "women.mst");
    EXPECT_EQ(m_recentFiles.GetEntries(), std::vector<fs::path>{"/tables/women.mst"});
    m_document.SetFileName("/tables/women.mst");
    EXPECT_TRUE(m_log.Take().empty());
    m_document.SetFileName("");
    EXPECT_EQ(documentEvents(), (Lines{"before 109:1", "after 109:1"}));
    EXPECT_TRUE(m_document.GetPathName().empty());
    EXPECT_EQ(m_document.GetTitle(), CDocument::kUntitledTitle);
}

TEST_F(MeasureTableDocTest, InsertingMakesATableActiveAndDeletingTheLastLeavesNone)
{
    set().InsertTable(0, 1, "A", -1);
    IMeasureTable *a = set().GetTableAt(0);
    EXPECT_EQ(m_document.GetActiveTable(), a);
    EXPECT_EQ(documentEvents(), (Lines{"e64 109:1001", "e128 109:1001"}));
    set().InsertTable(0, 1, "B", -1);
    IMeasureTable *b = set().GetTableAt(1);
    EXPECT_EQ(m_document.GetActiveTable(), b);

    set().RemoveTableAt(1);
    EXPECT_EQ(m_document.GetActiveTable(), a);
    set().GetUndoStack().Undo();
    EXPECT_EQ(m_document.GetActiveTable(), b);
    set().RemoveTableAt(0);
    EXPECT_EQ(m_document.GetActiveTable(), b) << "the first table becomes active";
    set().RemoveTableAt(0);
    EXPECT_EQ(m_document.GetActiveTable(), nullptr);
    m_log.Take();
    m_document.SetActiveTable(nullptr);
    EXPECT_TRUE(m_log.Take().empty());
}

TEST_F(MeasureTableDocTest, TogglingRelativeModeTwiceSendsTwoPairsAndLeavesTheSet)
{
    set().InsertTable(0, 1, "A", -1);
    m_log.Take();
    m_document.SetRelativeMode(true);
    m_document.SetRelativeMode(true);
    m_document.SetRelativeMode(false);
    EXPECT_EQ(m_log.Take(), (Lines{"before 109:0", "after 109:0", "before 109:0", "after 109:0"}));
    EXPECT_FALSE(m_document.IsRelativeMode());
    EXPECT_EQ(set().GetTableCount(), 1);
    ASSERT_TRUE(set().GetUndoStack().Undo());
    EXPECT_FALSE(set().GetUndoStack().CanUndo()) << "relative mode entered no undo step";
}

TEST_F(MeasureTableDocTest, LoadsAndSavesUnderTheFileNameAndResets)
{
    const TemporaryFolder folder("tables-doc");
    set().InsertTable(0, 1, "A", -1);
    set().InsertTable(0, 1, "B", -1);
    ASSERT_TRUE(m_document.SaveToFile(folder / "set.mst"));
    EXPECT_EQ(m_document.GetPathName(), folder / "set.mst");

    m_document.Reset();
    EXPECT_EQ(set().GetTableCount(), 0);
    EXPECT_EQ(m_document.GetActiveTable(), nullptr);
    EXPECT_TRUE(m_document.GetPathName().empty());

    ASSERT_TRUE(m_document.LoadFromFile(folder / "set.mst"));
    EXPECT_EQ(m_document.GetActiveTable(), set().GetTableAt(0));
    EXPECT_EQ(m_document.GetTitle(), "set.mst");

    std::ofstream(folder / "bad.mst") << "<MeasurementTableSet Version=\"9\"/>";
    EXPECT_FALSE(m_document.LoadFromFile(folder / "bad.mst"));
    EXPECT_EQ(set().GetLastError(),
              (folder / "bad.mst").string() + ": version \"9\" is not supported (only \"1\")");
    EXPECT_EQ(m_document.GetTitle(), "set.mst");
    EXPECT_EQ(set().GetTableCount(), 2);
}
