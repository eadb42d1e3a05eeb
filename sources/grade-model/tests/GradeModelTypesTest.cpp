// Morvane grade-model interface tests.
// The size key's base-size rule and the fake grade data that other tests stand on.
#include "sources/grade-model/GradeSize.h"
#include "sources/grade-model/IGradeModel.h"
#include "sources/grade-model/IGradeRuleData.h"
#include "sources/grade-model/testing/FakeGradeData.h"

#include <gtest/gtest.h>

using morvane::FakeGradeData;

TEST(GradeSizeTest, EitherNegativeIndexMeansTheBaseSize)
{
    struct Case
    {
        GradeSize size;
        bool isBase;
    };
    const Case cases[] = {
        {{}, true}, {{-1, 2}, true}, {{0, -1}, true}, {{0, 0}, false}, {{3, 7}, false},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(testing::Message() << row.size.table << ", " << row.size.size);
        EXPECT_EQ(row.size.IsBaseSize(), row.isBase);
    }
}

TEST(FakeGradeDataTest, AnswersTablesSizesAndBaseSizes)
{
    FakeGradeData data({{{"S", "M", "L"}, 1}});
    EXPECT_EQ(data.addTable({"36", "38"}, 0), 1);

    EXPECT_EQ(data.GetTableCount(), 2);
    EXPECT_EQ(data.GetSizeCount(0), 3);
    EXPECT_EQ(data.GetSizeCount(1), 2);
    EXPECT_EQ(data.GetSampleSize(0), 1);
    EXPECT_EQ(data.GetSizeName(0, 2), "L");
    EXPECT_EQ(data.GetSizeName(1, 0), "36");
}

TEST(FakeGradeDataTest, AnswersNothingForIndexesOutOfRange)
{
    const FakeGradeData data({{{"S", "M"}, 0}});
    EXPECT_EQ(data.GetSizeCount(-1), 0);
    EXPECT_EQ(data.GetSizeCount(1), 0);
    EXPECT_EQ(data.GetSampleSize(1), -1);
    EXPECT_EQ(data.GetSizeName(0, 2), "");
    EXPECT_EQ(data.GetSizeName(0, -1), "");
    EXPECT_EQ(data.GetSizeName(5, 0), "");
}
