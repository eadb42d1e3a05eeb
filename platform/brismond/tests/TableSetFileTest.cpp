// Morvane Brismond table-set library tests.
// A table set through its "*.mst" file: byte-identical round trips in any locale, what loading
// and saving send, and refused files that leave the set as it was.
#include "EventLog.h"
#include "ScopedLocale.h"
#include "TableSetFixture.h"
#include "TemporaryFolder.h"
#include "platform/brismond/GradeSize.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/IMeasurement.h"
#include "platform/brismond/TableSetFactory.h"
#include "platform/brismond/TableSetUndoStack.h"

#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::unique_ptr<IBrismond> makeEmptySet()
{
    CEventHandler *handler = nullptr;
    return CTableSetFactory::Make("Untitled", handler);
}

} // namespace

TEST(TableSetFileTest, RoundTripsByteIdenticallyInAnyLocale)
{
    for (const char *locale : {"C", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        const ScopedLocale scoped(locale);
        const TemporaryFolder folder("brismond");
        const std::unique_ptr<IBrismond> original = makeTwoTableSet();
        ASSERT_TRUE(original->Save(folder / "first.mst")) << original->GetLastError();

        const std::unique_ptr<IBrismond> loaded = makeEmptySet();
        ASSERT_TRUE(loaded->Load(folder / "first.mst")) << loaded->GetLastError();
        ASSERT_TRUE(loaded->Save(folder / "second.mst")) << loaded->GetLastError();
        const std::string first = readFile(folder / "first.mst");
        EXPECT_EQ(readFile(folder / "second.mst"), first);
        EXPECT_NE(first.find("<Value Size=\"L\">960.25</Value>"), std::string::npos) << first;

        ASSERT_EQ(loaded->GetTableCount(), 2);
        EXPECT_EQ(loaded->GetImageFileName(), "chart.jpg");
        EXPECT_EQ(loaded->GetImageDirectory(), "/srv/images/");
        const IMeasureTable *women = loaded->GetTableAt(0);
        EXPECT_EQ(women->GetBaseSizeIndex(), 1);
        const IMeasurement *chest = women->GetMeasurementAt(0);
        EXPECT_EQ(chest->GetComment(), "around the bust, <under> the arms & level");
        EXPECT_DOUBLE_EQ(chest->GetValue(2, false), 960.25);
        EXPECT_DOUBLE_EQ(chest->GetLength(0), 10);
        EXPECT_EQ(chest->GetOwnSizeIndex(), 1);
        const IMeasureTable *height = loaded->GetTableAt(1);
        EXPECT_EQ(height->GetMeasureTableType(), 2);
        EXPECT_EQ(height->GetTableSizeType(), IMeasureTable::kNumberedSizeNames);
        EXPECT_EQ(height->GetSizeAt(0)->GetNumberName(), 164);
        EXPECT_DOUBLE_EQ(height->GetMeasurementAt(0)->GetLength(2), 0.125);
        EXPECT_FALSE(women->IsTableModified());
    }
}

TEST(TableSetFileTest, LoadingFramesTheNewTablesWithBeginAndEndUpdateAndForgetsTheHistory)
{
    const TemporaryFolder folder("brismond");
    ASSERT_TRUE(makeTwoTableSet()->Save(folder / "set.mst"));
    const std::unique_ptr<IBrismond> set = makeEmptySet();
    set->InsertTable(0, 1, "Old", -1);
    EventLog log(set->GetEventHandler());

    ASSERT_TRUE(set->Load(folder / "set.mst"));
    EXPECT_EQ(log.Take(),
              (std::vector<std::string>{"begin 1000:0", "detach 1000:1001", "attach 1000:1001",
                                        "attach 1000:1001", "end 1000:0"}));
    EXPECT_FALSE(set->GetUndoStack().CanUndo());
    EXPECT_EQ(set->GetTableAt(1)->GetName(), "Height");
}

TEST(TableSetFileTest, SavingMarksEveryTableSavedAndIsRefusedForRepeatedNames)
{
    const TemporaryFolder folder("brismond");
    const std::unique_ptr<IBrismond> set = makeTwoTableSet();
    IMeasureTable *women = set->GetTableAt(0);
    EXPECT_TRUE(women->IsTableModified());
    ASSERT_TRUE(set->Save(folder / "set.mst"));
    EXPECT_FALSE(women->IsTableModified());

    women->SetSizeName(0, "m");
    EXPECT_TRUE(women->IsTableModified());
    EXPECT_FALSE(set->Save(folder / "set.mst"));
    EXPECT_EQ(set->GetLastError(), (folder / "set.mst").string() +
                                       ": cannot be saved: table \"Women\" has two sizes named "
                                       "\"M\"");
    EXPECT_TRUE(women->IsTableModified());
    const std::unique_ptr<IBrismond> reloaded = makeEmptySet();
    ASSERT_TRUE(reloaded->Load(folder / "set.mst"));
    EXPECT_EQ(reloaded->GetTableAt(0)->GetSizeAt(0)->GetName(), "S");
}

TEST(TableSetFileTest, RefusedFileLeavesTheSetAsItWasAndNamesFileAndReason)
{
    const TemporaryFolder folder("brismond");
    const fs::path path = folder / "bad.mst";
    writeFile(path, "<MeasurementTableSet Version=\"1\"><Table Name=\"T\" Kind=\"0\" "
                    "SizeNaming=\"1\" BaseSize=\"3\"><Size Name=\"A\"/></Table>"
                    "</MeasurementTableSet>");
    const std::unique_ptr<IBrismond> set = makeTwoTableSet();
    EventLog log(set->GetEventHandler());
    EXPECT_FALSE(set->Load(path));
    EXPECT_EQ(set->GetLastError(),
              path.string() + ": base size 3 of table \"T\" is not one of its 1 sizes");
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(set->GetTableCount(), 2);
    EXPECT_TRUE(set->GetUndoStack().CanUndo());

    EXPECT_FALSE(set->Load(folder / "missing.mst"));
    EXPECT_NE(set->GetLastError().find("missing.mst"), std::string::npos);
    EXPECT_FALSE(set->Save(folder / "no-such-folder" / "set.mst"));
    EXPECT_NE(set->GetLastError().find("no-such-folder"), std::string::npos);
}
