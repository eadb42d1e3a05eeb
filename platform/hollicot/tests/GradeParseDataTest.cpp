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

namespace {

struct SetUpInput
{
    const char *change;
    Names variables;
    Names texts;
    Names measureNames;
    int sizeCount;
    int baseSize;
};

/// The cells computed from zeros; measure m is worth 10 * (m + 1) * size.
std::vector<std::vector<double>> computed(IGradeParseData &parser, const SetUpInput &input)
{
    const auto sizes = static_cast<std::size_t>(input.sizeCount);
    CellRows cells(input.variables.size(), std::vector<Vec2>(sizes));
    const std::vector<Vec2> positions(input.variables.size());
    MeasureRows measures;
    for (std::size_t m = 0; m < input.measureNames.size(); ++m) {
        measures.emplace_back();
        for (std::size_t s = 0; s < sizes; ++s)
            measures.back().push_back(10.0 * static_cast<double>((m + 1) * s));
    }
    EXPECT_EQ(parser.SetUp(input.variables, &positions, input.texts, input.baseSize,
                           input.sizeCount, &measures, input.measureNames, 0, &cells, true),
              0);
    EXPECT_EQ(parser.Compute(), 0);
    std::vector<std::vector<double>> values;
    for (const std::vector<Vec2> &row : cells) {
        values.emplace_back();
        for (const Vec2 cell : row) {
            values.back().push_back(cell.x);
            values.back().push_back(cell.y);
        }
    }
    return values;
}

} // namespace

// What a parser compiled is reused only for the same texts, names and sizes: set up again after
// any change, it computes what a fresh parser computes.
TEST(GradeParseDataTest, SetUpAgainComputesAsAFreshParserAfterAnyChange)
{
    const SetUpInput first{"nothing",  {"P1", "P2"}, {"%PA(0,0,P2)=(width,%INC(1))"},
                           {"width", "height"}, 3, 1};
    const SetUpInput changes[] = {
        first,
        {"the text", {"P1", "P2"}, {"%PA(0,0,P2)=(height,%INC(1))"}, {"width", "height"}, 3, 1},
        {"the variables' order", {"P2", "P1"}, first.texts, first.measureNames, 3, 1},
        {"a variable's name", {"P1", "P3"}, {"%PA(0,0,P3)=(width,%INC(1))"}, first.measureNames,
         3, 1},
        {"the measures' order", first.variables, first.texts, {"height", "width"}, 3, 1},
        {"the base size", first.variables, first.texts, first.measureNames, 3, 0},
        {"the size count", first.variables, first.texts, first.measureNames, 4, 1},
    };
    auto reused = CGradeDataFactory::MakeGradeData();
    for (const SetUpInput &changed : changes) {
        SCOPED_TRACE(changed.change);
        computed(*reused, first);
        auto fresh = CGradeDataFactory::MakeGradeData();
        EXPECT_EQ(computed(*reused, changed), computed(*fresh, changed));
    }
}

