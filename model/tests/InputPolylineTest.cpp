// Morvane model library tests.
// Input polylines: shapes cached per size, line indexes, notches, slider distances.
#include "FakeGradeSource.h"
#include "PatternFixtures.h"
#include "model/GradeSize.h"
#include "model/InputNotch.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/NoGeomPolyline.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testmodel;

namespace {

class InputPolylineTest : public ::testing::Test
{
protected:
    CNoGeomPolyline *build()
    {
        pattern.Create(&source, nullptr);
        return pattern.GetInputPolylineAt(0);
    }
    CInputPoint *inputPointOf(const FakePoint *point)
    {
        return pattern.GetInputPointAt(pattern.FindInputPoint(point));
    }
    static CSimpleGradeSize size(int table, int index)
    {
        CSimpleGradeSize gradeSize;
        gradeSize.Create(table, index);
        return gradeSize;
    }
    static std::vector<std::string> origShape(const CNoGeomPolyline *line,
                                              std::vector<int> *indexes = nullptr)
    {
        std::vector<DPOINT> shape;
        line->GetShapeOrigPos(shape, indexes);
        return describe(shape);
    }

    FakePattern source;
    CInputPattern pattern;
};

} // namespace

TEST_F(InputPolylineTest, DropsShapePointsCloserThanTheLimitToTheNextKeptOne)
{
    struct Case
    {
        const char *name;
        std::vector<DPOINT> nodes;
        std::vector<std::string> kept;
    };
    const Case cases[] = {
        {"first point kept while one point is kept", {{0, 0}, {0.2, 0}}, {"(0 0)", "(0.2 0)"}},
        {"first point dropped once two are kept", {{0, 0}, {0.2, 0}, {5, 0}}, {"(0.2 0)", "(5 0)"}},
        {"inner point keeps the later one",
         {{0, 0}, {5, 0}, {5.2, 0}, {9, 0}},
         {"(0 0)", "(5.2 0)", "(9 0)"}},
        {"compared with the kept point, not the dropped one",
         {{0, 0}, {5, 0}, {5.1, 0}, {5.2, 0}, {9, 0}},
         {"(0 0)", "(5.2 0)", "(9 0)"}},
        {"0.25 apart is not closer", {{0, 0}, {5, 0}, {5.25, 0}}, {"(0 0)", "(5 0)", "(5.25 0)"}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        FakePattern rowSource;
        FakeCurve *curve = rowSource.addCurve();
        for (const DPOINT &node : row.nodes)
            curve->through(node);
        CInputPattern rowPattern;
        rowPattern.Create(&rowSource, nullptr);
        EXPECT_EQ(origShape(rowPattern.GetInputPolylineAt(0)), row.kept);
    }
}

TEST_F(InputPolylineTest, DroppedShapePointTakesItsIndexEntryAlong)
{
    FakePoint *a = source.addPoint(0, 0);
    FakePoint *b = source.addPoint(5, 0);
    source.addCurve({a})->through(DPOINT{4.9, 0}).through(b).gradePoints.push_back(b);
    std::vector<int> indexes;
    EXPECT_EQ(origShape(build(), &indexes), (std::vector<std::string>{"(0 0)", "(5 0)"}));
    EXPECT_EQ(indexes, (std::vector<int>{0, 1}));
}

TEST_F(InputPolylineTest, AsksTheCurveOncePerSizeUntilInvalidated)
{
    FakeCurve *curve = source.addCurve({source.addPoint(0, 0), source.addPoint(10, 0)});
    CNoGeomPolyline *line = build();
    ASSERT_EQ(curve->shapeCalls, 0);
    std::vector<DPOINT> shape;
    line->GetShape(nullptr, shape, nullptr);
    line->GetShapeOrigPos(shape, nullptr);
    EXPECT_EQ(curve->shapeCalls, 1);

    const CSimpleGradeSize second = size(0, 1);
    line->GetShape(&second, shape, nullptr);
    line->GetShape(&second, shape, nullptr);
    EXPECT_EQ(curve->shapeCalls, 2);
    // A table without a size is a size of its own, not the base size.
    const CSimpleGradeSize tableOnly = size(0, -1);
    line->GetShape(&tableOnly, shape, nullptr);
    EXPECT_EQ(curve->shapeCalls, 3);

    line->Invalidate();
    line->GetShape(nullptr, shape, nullptr);
    EXPECT_EQ(curve->shapeCalls, 4);
}

TEST_F(InputPolylineTest, KeyOfASizeIsItsFirstEntry)
{
    struct Case
    {
        const char *name;
        const IGradeSize *size;
        bool found;
        int table;
        int index;
    };
    const CSimpleGradeSize noTable;
    const CSimpleGradeSize sized = size(2, 3);
    const Case cases[] = {
        {"null", nullptr, false, -1, -1},
        {"no grade table", &noTable, false, -1, -1},
        {"table and size", &sized, true, 2, 3},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        GradeSize key{7, 7};
        EXPECT_EQ(CNoGeomPolyline::GetGradeSize(row.size, key), row.found);
        EXPECT_EQ(key.table, row.table);
        EXPECT_EQ(key.size, row.index);
    }
}

TEST_F(InputPolylineTest, ShapeIsInOwnCoordinatesAndPlacedOnTheMaskByTheLocation)
{
    source.addCurve({source.addPoint(12, 4), source.addPoint(16, 4)});
    CNoGeomPolyline *line = build();
    EXPECT_EQ(origShape(line), (std::vector<std::string>{"(12 4)", "(16 4)"}));
    pattern.SetOrigin(10, 4);
    EXPECT_EQ(origShape(line), (std::vector<std::string>{"(2 0)", "(6 0)"}));
    std::vector<DPOINT> shape;
    line->GetShape(nullptr, shape, nullptr);
    EXPECT_EQ(describe(shape), (std::vector<std::string>{"(12 4)", "(16 4)"}));
    pattern.SetPatternLocation(0, 0, 90, true);
    line->GetShape(nullptr, shape, nullptr);
    EXPECT_EQ(describe(shape), (std::vector<std::string>{"(0 2)", "(0 6)"}));
}

TEST_F(InputPolylineTest, TakesTheSourceIndexesAsPositionsOfItsPoints)
{
    FakePoint *a = source.addPoint(0, 0);
    FakePoint *b = source.addPoint(10, 0);
    FakeCurve *curve = source.addCurve({a});
    curve->through(DPOINT{5, 0}).through(b).gradePoints.push_back(b);
    CNoGeomPolyline *line = build();
    ASSERT_EQ(line->GetPointCount(), 2);
    EXPECT_EQ(line->GetBasePointAt(0), inputPointOf(a));
    EXPECT_EQ(line->GetBasePointAt(1), inputPointOf(b));
    std::vector<int> indexes;
    origShape(line, &indexes);
    EXPECT_EQ(indexes, (std::vector<int>{0, -1, 1}));

    // Entries that name no point of the line count as none.
    curve->indexOverride = std::vector<int>{1, 2, -7};
    line->Invalidate();
    origShape(line, &indexes);
    EXPECT_EQ(indexes, (std::vector<int>{1, -1, -1}));
}

TEST_F(InputPolylineTest, SkipsCurveGradePointsThePatternHasNoPointFor)
{
    FakePoint stranger({3, 3});
    FakePoint *a = source.addPoint(0, 0);
    FakePoint *b = source.addPoint(10, 0);
    FakeCurve *curve = source.addCurve({a, b});
    curve->gradePoints.insert(curve->gradePoints.begin(), &stranger);
    CNoGeomPolyline *line = build();
    ASSERT_EQ(line->GetPointCount(), 2);
    std::vector<int> indexes;
    origShape(line, &indexes);
    EXPECT_EQ(indexes, (std::vector<int>{0, 1}));
    EXPECT_EQ(line->GetBasePointAt(0), inputPointOf(a));
}

// A curve that names no grade points and gives no index entries: the pattern's grade points are
// found along its shape.
TEST_F(InputPolylineTest, FindsTheGradePointsAlongTheShape)
{
    FakePoint *a = source.addPoint(0, 0.3);  // within 0.5 of a shape point
    FakePoint *b = source.addPoint(5, 0.1);  // 5 from the shape points, 0.1 from a segment
    FakePoint *c = source.addPoint(10, 0.2); // c and d share a shape point
    FakePoint *d = source.addPoint(10, -0.2);
    source.addPoint(30, 30); // far from the line
    source.addCurve()->through(DPOINT{0, 0}).through(DPOINT{10, 0}).givesIndexes = false;
    CNoGeomPolyline *line = build();

    std::vector<int> indexes;
    EXPECT_EQ(origShape(line, &indexes),
              (std::vector<std::string>{"(0 0)", "(5 0)", "(10 0)", "(10 0)"}));
    EXPECT_EQ(indexes, (std::vector<int>{0, 1, 2, 3}));
    ASSERT_EQ(line->GetPointCount(), 4);
    EXPECT_EQ(line->GetBasePointAt(0), inputPointOf(a));
    EXPECT_EQ(line->GetBasePointAt(1), inputPointOf(b));
    EXPECT_EQ(line->GetBasePointAt(2), inputPointOf(d));
    EXPECT_EQ(line->GetBasePointAt(3), inputPointOf(c));
}

TEST_F(InputPolylineTest, OtherSizesIndexTheBaseSizeLinePoints)
{
    source.addPoint(0, 0.3);
    FakePoint *b = source.addPoint(10, 0.2);
    FakePoint *late = source.addPoint(30, 30); // reaches the line only in the first size
    late->growth = {-20, -29.8};
    source.addCurve()->through(DPOINT{0, 0}).through(DPOINT{10, 0}).givesIndexes = false;
    CNoGeomPolyline *line = build();
    ASSERT_EQ(line->GetPointCount(), 2);

    std::vector<DPOINT> shape;
    std::vector<int> indexes;
    const CSimpleGradeSize first = size(0, 0);
    line->GetShape(&first, shape, &indexes);
    EXPECT_EQ(describe(shape), (std::vector<std::string>{"(0 0)", "(10 0)", "(10 0)"}));
    EXPECT_EQ(indexes, (std::vector<int>{0, -1, 1}));
    EXPECT_EQ(line->GetBasePointAt(1), inputPointOf(b));
}

TEST_F(InputPolylineTest, KeepsOneEntryPerRunOfShapePoints)
{
    source.addPoint(0.15, 0); // within 0.5 of shape points 0 and 1
    source.addPoint(5.15, 0); // within 0.5 of shape points 2 and 3
    source.addPoint(10, 0.1);
    source.addCurve()
        ->through(DPOINT{0, 0})
        .through(DPOINT{0.3, 0})
        .through(DPOINT{5, 0})
        .through(DPOINT{5.3, 0})
        .through(DPOINT{10, 0})
        .givesIndexes = false;
    std::vector<int> indexes;
    origShape(build(), &indexes);
    EXPECT_EQ(indexes, (std::vector<int>{0, -1, -1, 1, 2}));
}

TEST_F(InputPolylineTest, ServesNoPointsWithoutGradePointsOrShape)
{
    source.addPoint(0, 0);
    source.addCurve();
    CNoGeomPolyline *line = build();
    EXPECT_EQ(line->GetPointCount(), 0);
    EXPECT_EQ(origShape(line), std::vector<std::string>{});
    EXPECT_EQ(line->GetFirstPoint(), nullptr);
}

TEST_F(InputPolylineTest, NotchReadsTheCurveNotchForEachSize)
{
    FakePoint *a = source.addPoint(0, 0);
    FakePoint *b = source.addPoint(10, 0);
    FakeCurve *curve = source.addCurve({a, b});
    curve->shapeGrowth = {0.5, 0};
    curve->notches.push_back({b, {1, 2}, 4.0f});
    CNoGeomPolyline *line = build();
    ASSERT_EQ(line->GetNotchCount(), 1);
    const CNotch *notch = line->GetNotchAt(0);

    double dx = 0.0;
    double dy = 0.0;
    notch->GetDepth(nullptr, dx, dy);
    EXPECT_EQ(dx, 1.0);
    EXPECT_EQ(dy, 2.0);
    EXPECT_EQ(notch->GetCurveLength(nullptr), 4.0);
    const CSimpleGradeSize second = size(0, 1);
    notch->GetDepth(&second, dx, dy);
    EXPECT_EQ(dx, 2.0);
    EXPECT_EQ(notch->GetCurveLength(&second), 6.0);

    // Not on a slider point: the notch lies along the line at its length.
    double tipX = 0.0;
    double tipY = 0.0;
    const DPOINT place = notch->GetNotchPlace(nullptr, tipX, tipY);
    EXPECT_NEAR(place.x, 4.0, 1e-9);
    EXPECT_NEAR(tipX, 5.0, 1e-9);
    EXPECT_NEAR(tipY, 2.0, 1e-9);
}

TEST_F(InputPolylineTest, KeepsNotchesThatSitOnNoGradePoint)
{
    FakePoint *a = source.addPoint(0, 0);
    FakePoint *b = source.addPoint(10, 0);
    FakeCurve *curve = source.addCurve({a, b});
    curve->notches.push_back({nullptr, {0, 1}, 3.0f});
    curve->notches.push_back({b, {0, 1}, 7.0f});
    CNoGeomPolyline *line = build();
    ASSERT_EQ(line->GetNotchCount(), 2);
    EXPECT_EQ(line->GetNotchAt(0)->GetCurveLength(nullptr), 3.0);
    EXPECT_EQ(line->GetNotchAt(1)->GetCurveLength(nullptr), 7.0);
}

TEST_F(InputPolylineTest, NotchOnASliderPointSitsAtTheSlider)
{
    FakeCurve *curve = source.addCurve({source.addPoint(0, 0), source.addPoint(10, 0)});
    FakePoint *slider = source.addPoint(6, 0);
    slider->slideCurve = curve;
    slider->growth = {1, 0};
    curve->notches.push_back({slider, {0, 1}, 0.0f});
    CNoGeomPolyline *line = build();
    pattern.SetPatternLocation(0, 0, 90, false);
    EXPECT_EQ(line->GetSliderPoint(slider), inputPointOf(slider));

    const CSimpleGradeSize first = size(0, 0);
    double tipX = 0.0;
    double tipY = 0.0;
    const DPOINT place = line->GetNotchAt(0)->GetNotchPlace(&first, tipX, tipY);
    // Degrees turn into radians with the model's short factor.
    EXPECT_NEAR(place.x, 0.0, 1e-6);
    EXPECT_NEAR(place.y, 7.0, 1e-6);
    EXPECT_NEAR(tipX, -1.0, 1e-6);
    EXPECT_NEAR(tipY, 7.0, 1e-6);
}

TEST_F(InputPolylineTest, SliderPointOnlyForAGradePointSlidingOnThisCurve)
{
    FakePoint *a = source.addPoint(0, 0);
    FakeCurve *curve = source.addCurve({a, source.addPoint(10, 0)});
    FakeCurve *other = source.addCurve({source.addPoint(0, 5), source.addPoint(10, 5)});
    FakePoint *onOther = source.addPoint(3, 5);
    onOther->slideCurve = other;
    FakePoint *tied = source.addPoint(0.1, 0); // a slider at a, tied to it
    tied->slideCurve = curve;
    CNoGeomPolyline *line = build();
    EXPECT_EQ(line->GetSliderPoint(a), nullptr);
    EXPECT_EQ(line->GetSliderPoint(onOther), nullptr);
    EXPECT_EQ(line->GetSliderPoint(nullptr), nullptr);
    CBasePoint *found = line->GetSliderPoint(tied);
    ASSERT_NE(found, nullptr);
    EXPECT_NE(found, inputPointOf(a));
    EXPECT_EQ(found->GetInputPoint()->GetGradePoint(), tied);
}

namespace {

/// A straight open curve from (0, 0) to (10, 0) and a square closed one, each with a slider.
class SliderDistanceTest : public InputPolylineTest
{
protected:
    double distance(CNoGeomPolyline *line, FakePoint *anchor, FakePoint *slider, int table,
                    int index)
    {
        CInputPoint *point = inputPointOf(slider);
        point->SetLinkedPoint(inputPointOf(anchor));
        return line->GetSliderDistanceValue(point, table, index);
    }
};

} // namespace

TEST_F(SliderDistanceTest, MeasuresAlongAnOpenLineFromTheLinkedPoint)
{
    FakePoint *start = source.addPoint(0, 0);
    FakeCurve *curve = source.addCurve({start, source.addPoint(10, 0)});
    FakePoint *slider = source.addPoint(7, 0);
    slider->slideCurve = curve;
    slider->growth = {1, 0};
    CNoGeomPolyline *line = build();
    pattern.BuildContours();
    EXPECT_NEAR(distance(line, start, slider, -1, -1), 7.0, 1e-9);
    EXPECT_NEAR(distance(line, start, slider, 0, 0), 8.0, 1e-9);
    EXPECT_NEAR(distance(line, slider, start, 0, 0), -8.0, 1e-9);
}

TEST_F(SliderDistanceTest, TakesTheShorterWayRoundAClosedLineKeepingItsDirection)
{
    FakePoint *corners[] = {source.addPoint(0, 0), source.addPoint(10, 0), source.addPoint(10, 10),
                            source.addPoint(0, 10)};
    FakeCurve *curve = source.addCurve({corners[0], corners[1], corners[2], corners[3]});
    curve->through(corners[0]).gradePoints.push_back(corners[0]);
    FakePoint *nearEnd = source.addPoint(0, 8);   // 32 along the line, 8 back from its start
    FakePoint *nearStart = source.addPoint(2, 0); // 2 along the line
    for (FakePoint *slider : {nearEnd, nearStart})
        slider->slideCurve = curve;
    CNoGeomPolyline *line = build();
    pattern.BuildContours();
    ASSERT_EQ(pattern.GetContourCount(), 1);
    ASSERT_TRUE(pattern.GetContourAt(0)->IsClosed());

    struct Case
    {
        const char *name;
        FakePoint *anchor;
        FakePoint *slider;
        double expected;
    };
    const Case cases[] = {
        {"ahead by less than half", corners[1], corners[2], 10.0},
        {"ahead by more than half goes back", corners[0], nearEnd, -8.0},
        {"behind by more than half goes on", corners[3], nearStart, 12.0},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(distance(line, row.anchor, row.slider, -1, -1), row.expected, 1e-9);
    }
}

TEST_F(SliderDistanceTest, IsZeroWithoutALinkedPoint)
{
    FakeCurve *curve = source.addCurve({source.addPoint(0, 0), source.addPoint(10, 0)});
    FakePoint *slider = source.addPoint(7, 0);
    slider->slideCurve = curve;
    CNoGeomPolyline *line = build();
    EXPECT_EQ(line->GetSliderDistanceValue(inputPointOf(slider), -1, -1), 0.0);
    EXPECT_EQ(line->GetSliderDistanceValue(nullptr, -1, -1), 0.0);
}

TEST(NoGeomPolylineNearestTest, FindsPointsWithinTheTolerance)
{
    const std::vector<DPOINT> points{{0, 0}, {0.4, 0}, {0.3, 0.3}, {1, 0}};
    EXPECT_EQ(CNoGeomPolyline::FindNearestPoint(points, {0.35, 0}, 0.5), 1);
    EXPECT_EQ(CNoGeomPolyline::FindNearestPoint(points, {5, 5}, 0.5), -1);
    std::vector<int> near;
    CNoGeomPolyline::FindNearestPoints(points, {0.2, 0}, 0.4, near);
    EXPECT_EQ(near, (std::vector<int>{0, 1, 2}));
}

TEST(NoGeomPolylineNearestTest, FindsTheNearestFootOnTheSegments)
{
    const std::vector<DPOINT> points{{0, 0}, {10, 0}, {10, 10}};
    DPOINT foot{-1, -1};
    double distance = -1.0;
    EXPECT_EQ(CNoGeomPolyline::FindNearestPointOnLine(points, {9, 4}, foot, distance), 2);
    EXPECT_NEAR(foot.x, 10.0, 1e-12);
    EXPECT_NEAR(foot.y, 4.0, 1e-12);
    EXPECT_NEAR(distance, 1.0, 1e-12);
    EXPECT_EQ(CNoGeomPolyline::FindNearestPointOnLine(points, {3, -2}, foot, distance), 1);
    EXPECT_NEAR(foot.x, 3.0, 1e-12);

    const std::vector<DPOINT> single{{0, 0}};
    EXPECT_EQ(CNoGeomPolyline::FindNearestPointOnLine(single, {0, 0}, foot, distance), -1);
    EXPECT_NEAR(foot.x, 3.0, 1e-12); // untouched
}
