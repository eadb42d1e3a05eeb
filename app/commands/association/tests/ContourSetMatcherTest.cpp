// Morvane editing commands tests.
// Contour-set matching: the three costs, greedy one-to-one and multiple pairing, thresholds.
#include "app/commands/association/ContourSetMatcher.h"

#include "GarmentStyle.h"
#include "OutlinePatterns.h"
#include "app/commands/association/ContourShapes.h"
#include "foundation/CurveShape.h"
#include "model/GradeMask.h"
#include "model/MaskPattern.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

using namespace garment;

namespace {

/// Outline patterns whose contours are the matcher's rows or columns.
class ContourSet : public OutlinePatterns
{
public:
    /// Makes the shapes (simplified) and hands out the lists the matcher takes.
    std::vector<const CCurveShape *> shapes()
    {
        m_shapes = MakeContourShapes(contours(), true);
        std::vector<const CCurveShape *> list;
        for (const auto &shape : m_shapes)
            list.push_back(shape.get());
        return list;
    }
    std::vector<CContour *> contourList() const { return {contours().begin(), contours().end()}; }

private:
    std::vector<std::unique_ptr<CCurveShape>> m_shapes;
};

PatternAssociationParams withMethod(int method, int type = 0)
{
    PatternAssociationParams params;
    params.method = method;
    params.type = type;
    return params;
}

void setInput(CContourSetMatcher &matcher, ContourSet &rows, ContourSet &columns,
              const PatternAssociationParams &params)
{
    matcher.SetInput(rows.shapes(), rows.contourList(), columns.shapes(), columns.contourList(),
                     params);
}

/// The order in which another size lists the style's pieces.
const std::vector<size_t> kShuffled{5, 2, 7, 0, 3, 6, 1, 4};

/// Row i (piece i of the style) is matched with the column that lists piece i, and only with it.
void expectEachRowMatchesItsShuffledColumn(const CContourSetMatcher &matcher,
                                           const std::vector<Piece> &style)
{
    for (size_t row = 0; row < style.size(); ++row) {
        SCOPED_TRACE(style[row].name);
        const auto own = std::find(kShuffled.begin(), kShuffled.end(), row) - kShuffled.begin();
        EXPECT_EQ(matcher.CollectMatches(static_cast<int>(row)),
                  std::vector<int>{static_cast<int>(own)});
    }
}

/// The cost of one row outline against one column outline by the method (the chords' angle
/// tolerance of the curve distance in degrees).
double costOfPair(const std::vector<DPOINT> &row, const std::vector<DPOINT> &column, int method,
                  double chordDegrees = 60.0)
{
    ContourSet rows;
    rows.add(row);
    ContourSet columns;
    columns.add(column);
    CContourSetMatcher matcher;
    setInput(matcher, rows, columns, withMethod(method));
    matcher.SetCornerAngleMatch(chordDegrees * std::numbers::pi / 180.0);
    matcher.ComputeCosts();
    return matcher.GetCost(0, 0);
}

} // namespace

TEST(ContourSetMatcherTest, EveryPieceFindsItsOwnOtherSizeTurnedAndShuffled)
{
    const std::vector<Piece> style = makeStyle();
    for (int steps : {-1, 1, 2, 3}) {
        SCOPED_TRACE(std::to_string(steps) + " sizes away");
        ContourSet rows;
        ContourSet columns;
        for (const Piece &piece : style)
            rows.add(piece.outline);
        for (size_t k = 0; k < kShuffled.size(); ++k) {
            const std::vector<DPOINT> &outline = style[kShuffled[k]].outline;
            columns.add(
                startedAt(placed(graded(outline, steps), 40.0 * k - 130.0, 700.0 * k, 90.0 * k),
                          static_cast<int>(k)));
        }
        CContourSetMatcher matcher;
        setInput(matcher, rows, columns, withMethod(1));
        matcher.ComputeAndAssign();
        expectEachRowMatchesItsShuffledColumn(matcher, style);
    }
}

TEST(ContourSetMatcherTest, OverlapPairsPiecesLyingOnTheirOtherSizes)
{
    const std::vector<Piece> style = makeStyle();
    ContourSet rows;
    ContourSet columns;
    for (size_t k = 0; k < style.size(); ++k) {
        // Each piece lies in a place of its own, and its other size over it.
        rows.add(placed(style[k].outline, 0, 1000.0 * k, 0));
        columns.add(placed(graded(style[kShuffled[k]].outline, 1), 0, 1000.0 * kShuffled[k], 0));
    }
    CContourSetMatcher matcher;
    setInput(matcher, rows, columns, withMethod(0));
    matcher.ComputeAndAssign();
    expectEachRowMatchesItsShuffledColumn(matcher, style);
    EXPECT_EQ(matcher.GetCost(0, 0), CContourSetMatcher::kNoCost)
        << "pieces that do not overlap are not compared";
}

TEST(ContourSetMatcherTest, OneToOnePairsEachPatternOnceMultipleAsOftenAsTheThresholdAllows)
{
    const std::vector<DPOINT> pocket = makeStyle()[5].outline;
    ContourSet rows;
    rows.add(pocket);
    ContourSet columns;
    columns.add(graded(pocket, 2));
    columns.add(graded(pocket, 1));
    struct Row
    {
        const char *name;
        int type;
        std::vector<int> matches;
    };
    const Row table[] = {{"one-to-one", 0, {1}}, {"multiple", 1, {0, 1}}};
    for (const Row &row : table) {
        SCOPED_TRACE(row.name);
        CContourSetMatcher matcher;
        setInput(matcher, rows, columns, withMethod(1, row.type));
        matcher.ComputeAndAssign();
        EXPECT_EQ(matcher.CollectMatches(0), row.matches);
    }
}

TEST(ContourSetMatcherTest, PairsBeyondTheThresholdAreChosenButDoNotCount)
{
    const std::vector<DPOINT> pocket = makeStyle()[5].outline;
    ContourSet rows;
    rows.add(pocket);
    ContourSet columns;
    columns.add(graded(pocket, 3));
    PatternAssociationParams params = withMethod(1);
    params.maxShapeError = 0.1; // percent
    CContourSetMatcher matcher;
    setInput(matcher, rows, columns, params);
    matcher.ComputeAndAssign();
    EXPECT_TRUE(matcher.IsChosen(0, 0));
    EXPECT_GT(matcher.GetCost(0, 0), 0.001);
    EXPECT_TRUE(matcher.CollectMatches(0).empty());
}

TEST(ContourSetMatcherTest, PatternsAlreadyAssociatedTakePartInNoNewPair)
{
    const std::vector<DPOINT> pocket = makeStyle()[5].outline;
    ContourSet rows;
    CMaskPattern &rowPattern = rows.add(pocket);
    ContourSet columns;
    CMaskPattern &associated = columns.add(graded(pocket, 1));
    columns.add(graded(pocket, 2));
    rowPattern.AddAssPattern(&associated);
    CContourSetMatcher matcher;
    setInput(matcher, rows, columns, withMethod(1));
    matcher.ComputeAndAssign();
    EXPECT_TRUE(matcher.CollectMatches(0).empty());
    EXPECT_FALSE(matcher.IsChosen(0, 1)) << "the row's pattern is blocked as a whole";

    CContourSetMatcher multiple;
    setInput(multiple, rows, columns, withMethod(1, 1));
    multiple.ComputeAndAssign();
    EXPECT_EQ(multiple.CollectMatches(0), std::vector<int>{1})
        << "only the existing pair is blocked";
}

TEST(ContourSetMatcherTest, PositionCostComparesOnlyPiecesOfComparableSize)
{
    struct Row
    {
        const char *name;
        std::vector<DPOINT> column;
        bool compared;
    };
    const std::vector<DPOINT> strip{{0, 0}, {10, 0}, {10, 30}, {0, 30}};
    const Row table[] = {
        {"a strip of 10 by 30", strip, true},
        {"the strip turned", placed(strip, 90, 0, 0), true},
        {"a square of 10 by 10", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, false},
        {"a strip twice as long", {{0, 0}, {10, 0}, {10, 60}, {0, 60}}, false},
    };
    for (const Row &row : table) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(costOfPair(strip, row.column, 1) != CContourSetMatcher::kNoCost, row.compared);
    }
}

TEST(ContourSetMatcherTest, DegenerateAndEmptySetsGiveTheirCostsAndNoPairs)
{
    ContourSet rows;
    rows.add({{0, 0}, {50, 0}}); // two points: a contour of no area
    ContourSet columns;
    columns.add({{0, 0}, {50, 0}, {50, 50}});
    CContourSetMatcher overlap;
    setInput(overlap, rows, columns, withMethod(0));
    overlap.ComputeCosts();
    EXPECT_EQ(overlap.GetCost(0, 0), CContourSetMatcher::kTooFewVerticesCost);

    ContourSet none;
    CContourSetMatcher empty;
    setInput(empty, none, columns, withMethod(1));
    int row = -1;
    int column = -1;
    double cost = 0.0;
    EXPECT_FALSE(empty.FindBestPair(row, column, cost));
    empty.Assign();
    EXPECT_EQ(empty.GetRowCount(), 0);
}

TEST(ContourSetMatcherTest, TiesGoToTheLowestRowThenColumn)
{
    const std::vector<DPOINT> pocket = makeStyle()[5].outline;
    ContourSet rows;
    rows.add(pocket);
    rows.add(placed(pocket, 0, 500, 0));
    ContourSet columns;
    columns.add(placed(pocket, 0, 0, 500));
    columns.add(placed(pocket, 0, 500, 500));
    CContourSetMatcher matcher;
    setInput(matcher, rows, columns, withMethod(1));
    int row = -1;
    int column = -1;
    double cost = -1.0;
    ASSERT_TRUE(matcher.FindBestPair(row, column, cost));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(column, 0);
}

TEST(ContourSetMatcherTest, CurveCostWantsChordsRunningAlike)
{
    std::vector<DPOINT> arc;
    for (int i = 0; i <= 8; ++i)
        arc.push_back({100.0 * i / 8, 30.0 * std::sin(3.14159 * i / 8)});
    struct Row
    {
        const char *name;
        std::vector<DPOINT> column;
        bool compared;
    };
    const Row table[] = {
        {"moved", placed(arc, 0, 300, 300), true},
        {"turned half round", placed(arc, 180, 0, 0), true},
        {"turned a quarter", placed(arc, 90, 0, 0), false},
        {"turned a little", placed(arc, 20, 0, 0), true},
    };
    for (const Row &row : table) {
        SCOPED_TRACE(row.name);
        const double cost = costOfPair(arc, row.column, 2);
        EXPECT_EQ(costOfPair(arc, row.column, 2, 10.0) != CContourSetMatcher::kNoCost,
                  row.compared && row.name != std::string("turned a little"))
            << "within ten degrees only";
        EXPECT_EQ(cost != CContourSetMatcher::kNoCost, row.compared);
        if (row.compared) {
            EXPECT_LT(cost, 0.01);
        }
    }
}
