// Morvane Hollicot formula parser tests.
// The parse object: declared names, the checks of its tables and the cell table view.
#include "platform/hollicot/GradeParse.h"

#include "platform/hollicot/ErrorCode.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace hollicot;

namespace {

using Names = std::vector<std::string>;

TEST(GradeParseDataTest, SetNamesGivesTheTrimmedNamesInOrder)
{
    auto data = CGradeDataFactory::MakeGradeData();
    Names parserNames{"stale"};
    data->SetNames(parserNames, {" WAIST", "HIP\t", "", "waist"});
    EXPECT_EQ(parserNames, (Names{"WAIST", "HIP", "", "waist"}));
}

TEST(GradeParseDataTest, SetUpWithoutTablesDeclaresTheMeasureNames)
{
    auto data = CGradeDataFactory::MakeGradeData();
    ASSERT_EQ(data->SetUp({}, nullptr, {}, -1, 0, nullptr, {"waist"}, 0, nullptr, true), 0);
    auto expression = data->CreateExpression();
    EXPECT_EQ(expression->SetText("Waist*2"), 0);
    EXPECT_EQ(expression->SetText("hip*2"), kUnknownName);
}

struct TableCase
{
    const char *name;
    Names variables;
    std::vector<Vec2> positions;
    int baseSize;
    int sizeCount;
    MeasureRows measures;
    Names measureNames;
    CellRows cells;
};

TEST(GradeParseDataTest, RefusesTablesThatDisagree)
{
    const std::vector<Vec2> onePosition{{0, 0}};
    const CellRows oneRowTwoSizes{{{0, 0}, {0, 0}}};
    const TableCase cases[] = {
        {"base after the last size", {"P1"}, onePosition, 2, 2, {}, {}, oneRowTwoSizes},
        {"base below -1", {"P1"}, onePosition, -2, 2, {}, {}, oneRowTwoSizes},
        {"negative size count", {}, {}, -1, -1, {}, {}, {}},
        {"positions missing", {"P1", "P2"}, onePosition, 0, 2, {}, {}, oneRowTwoSizes},
        {"cell row missing", {"P1", "P2"}, {{0, 0}, {1, 1}}, 0, 2, {}, {}, oneRowTwoSizes},
        {"cells of another size count", {"P1"}, onePosition, 0, 3, {}, {}, {{{0, 0}}}},
        {"measure row missing", {"P1"}, onePosition, 0, 2, {{1, 2}}, {"a", "b"}, oneRowTwoSizes},
        {"short measure row", {"P1"}, onePosition, 0, 2, {{1}}, {"a"}, oneRowTwoSizes},
    };
    for (auto row : cases) {
        SCOPED_TRACE(row.name);
        auto data = CGradeDataFactory::MakeGradeData();
        EXPECT_EQ(data->SetUp(row.variables, &row.positions, {}, row.baseSize, row.sizeCount,
                              &row.measures, row.measureNames, 0, &row.cells, false),
                  kBadSetUp);
        int code = 0;
        std::string text;
        EXPECT_EQ(data->GetError(code, text), kBadSetUp);
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(data->Compute(), kBadSetUp);
    }
}

TEST(GradeParseDataTest, ComputeNeedsASuccessfulSetUp)
{
    auto data = CGradeDataFactory::MakeGradeData();
    EXPECT_EQ(data->Compute(), kBadSetUp);
    EXPECT_EQ(data->ComputeSize(0), kBadSetUp);
}

TEST(GradeParseDataTest, CellTableWorksOnTheCallersRows)
{
    CellRows cells{{{1, 2}, {3, 4}}};
    const std::vector<Vec2> positions{{0, 0}};
    auto data = CGradeDataFactory::MakeGradeData();
    ASSERT_EQ(data->SetUp({"P1"}, &positions, {}, 0, 2, nullptr, {}, 0, &cells, false), 0);
    ICellTable *table = data->GetCells();
    double x = 0;
    double y = 0;
    EXPECT_EQ(table->GetCell(0, 1, x, y), 0);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
    EXPECT_EQ(table->SetCell(0, 0, 5, 6), 0);
    EXPECT_EQ(cells[0][0].x, 5);
    EXPECT_EQ(cells[0][0].y, 6);
    EXPECT_EQ(table->SetCell(1, 0, 0, 0), kBadSetUp);
    EXPECT_EQ(table->SetCell(0, 2, 0, 0), kBadSetUp);
    EXPECT_EQ(table->GetCell(-1, 0, x, y), kBadSetUp);
    EXPECT_EQ(table->SetCell(0, 0, 1.0 / 0.0, 0), kBadSetUp);
    EXPECT_EQ(cells[0][0].x, 5);
}

} // namespace

// The rule conversion's chain search: set a trial value, compute one size, read the result.
TEST(GradeParseDataTest, ComputesOneSizeFromCellsSetThroughTheTable)
{
    CellRows cells(4, std::vector<Vec2>(2));
    const std::vector<Vec2> positions{{0, 0}, {50, 0}, {100, 0}, {100, 0}};
    auto data = CGradeDataFactory::MakeGradeData();
    ASSERT_EQ(data->SetUp({"A", "M", "B", "R"}, &positions, {"%RKD(%LP(A, B), R, 1)"}, 0, 2,
                          nullptr, {}, 0, &cells, false),
              0);
    ICellTable *table = data->GetCells();
    for (const double trial : {4.0, 8.0}) {
        SCOPED_TRACE(trial);
        ASSERT_EQ(table->SetCell(1, 1, 0, 0), 0);
        ASSERT_EQ(table->SetCell(2, 1, 0, 0), 0);
        ASSERT_EQ(table->SetCell(3, 1, trial, 3), 0);
        ASSERT_EQ(data->ComputeSize(1), 0);
        double x = 0;
        double y = 0;
        ASSERT_EQ(table->GetCell(1, 1, x, y), 0);
        EXPECT_DOUBLE_EQ(x, trial / 2);
        EXPECT_DOUBLE_EQ(y, 0);
    }
    EXPECT_EQ(cells[2][0].x, 0);
}
