// Morvane Brismond table-set library tests.
// A table set as the grade data of a grade model: its tables, sizes and base sizes, and the RUL
// file that the AAMA grade model writes over them.
#include "TableSetFixture.h"
#include "TemporaryFolder.h"
#include "platform/brismond/IMeasureTable.h"
#include "sources/aama-model/AamaGradeModel.h"
#include "sources/grade-model/IGradeData.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(TableSetGradingTest, AnswersAsGradeData)
{
    const std::unique_ptr<IBrismond> set = makeTwoTableSet();
    const IGradeData &data = set->GetGradeData();
    EXPECT_EQ(data.GetTableCount(), 2);
    EXPECT_EQ(data.GetSizeCount(0), 3);
    EXPECT_EQ(data.GetSizeCount(1), 2);
    EXPECT_EQ(data.GetSampleSize(0), 1);
    EXPECT_EQ(data.GetSizeName(0, 2), "L");
    EXPECT_EQ(data.GetSizeName(1, 0), "164");
    EXPECT_EQ(data.GetSizeCount(2), 0);
    EXPECT_EQ(data.GetSampleSize(-1), -1);
    EXPECT_EQ(data.GetSizeName(0, 3), "");

    set->GetTableAt(0)->RemoveSizeAt(0);
    EXPECT_EQ(data.GetSampleSize(0), 0);
    EXPECT_EQ(data.GetSizeName(0, 0), "M");
}

TEST(TableSetGradingTest, TheAamaModelGradesOverTheSizesOfTheSet)
{
    const char *root = std::getenv("MORVANE_SOURCE_DIR");
    ASSERT_NE(root, nullptr) << "MORVANE_SOURCE_DIR is not set";
    const TemporaryFolder folder("brismond");
    const std::unique_ptr<IBrismond> set = makeTwoTableSet();
    set->RemoveTableAt(1);
    set->GetTableAt(0)->InsertSizesAt({"XL"}, 0, -1, -1);

    CAamaGradeModel model([&](const morvane::SaveFileRequest &) -> std::optional<fs::path> {
        return folder / "shirt.dxf";
    });
    model.OnAttach(&set->GetGradeData());
    ASSERT_EQ(model.Load(fs::path(root) / "sources/aama-model/tests/data/three-sizes.dxf"),
              GM_NO_ERROR);
    ASSERT_EQ(model.BeginGrading(), GM_NO_ERROR);
    ASSERT_EQ(model.Save(), GM_NO_ERROR);

    const std::string rul = readFile(folder / "shirt.RUL");
    EXPECT_NE(rul.find("NUMBER OF SIZES: 4\r\nSIZE LIST: S M L XL \r\nSAMPLE SIZE: M\r\n"),
              std::string::npos)
        << rul;
}
