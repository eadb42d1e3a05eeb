// Morvane model library tests.
// Polylines and notches: names, lengths, directions, nearest points, slider points, notch tips.
#include "PatternFixtures.h"
#include "model/GradeSize.h"

#include <gtest/gtest.h>

using namespace testmodel;

namespace {

class PolylineTest : public ::testing::Test
{
protected:
    /// A grade point and numbered so that it is labelled "P<id>".
    TestPoint *gradePoint(double x, double y, int id)
    {
        TestPoint *point = pattern.AddPoint(x, y, GRADE_POINT_GRADE);
        point->SetPointID(id);
        return point;
    }
    TestPoint *ordinaryPoint(double x, double y)
    {
        return pattern.AddPoint(x, y, GRADE_POINT_INTERMEDIATE);
    }

    TestPattern pattern;
};

void expectVector(const CVector &actual, double x, double y)
{
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
}

void expectPoint(const DPOINT &actual, double x, double y)
{
    EXPECT_NEAR(actual.x, x, 1e-6);
    EXPECT_NEAR(actual.y, y, 1e-6);
}

} // namespace

TEST_F(PolylineTest, EmptyLineHasNoEndsNoLengthAndIsOpen)
{
    TestPolyline *line = pattern.AddLine(std::initializer_list<CBasePoint *>{});
    EXPECT_EQ(line->GetName(), "?-?");
    EXPECT_EQ(line->GetFirstPoint(), nullptr);
    EXPECT_EQ(line->GetLastPoint(), nullptr);
    EXPECT_EQ(line->GetLength(nullptr), 0.0);
    EXPECT_FALSE(line->IsClosed(1000.0));
    EXPECT_EQ(line->GetAbsCurvePoint(nullptr, 5.0).x, 0.0);
}

TEST_F(PolylineTest, NamesTheLineByItsEndLabels)
{
    TestPoint *a = gradePoint(0, 0, 1);
    TestPoint *b = ordinaryPoint(5, 0);
    TestPoint *c = gradePoint(10, 0, 4);
    EXPECT_EQ(pattern.AddLine({a})->GetName(), "P1-?");
    EXPECT_EQ(pattern.AddLine({a, b})->GetName(), "P1-I-1");
    EXPECT_EQ(pattern.AddLine({a, b, c})->GetName(), "P1-P4");
}

TEST_F(PolylineTest, IsClosedWhenItsEndsLieWithinTheTolerance)
{
    TestPolyline *touching = pattern.AddLine({{0, 0}, {0.3, 0.4}});
    EXPECT_TRUE(touching->IsClosed(0.5));
    EXPECT_FALSE(touching->IsClosed(0.49));
    EXPECT_FALSE(pattern.AddLine({{0, 0}})->IsClosed(0.5));
}

TEST_F(PolylineTest, FindsNeighbouringGradePoints)
{
    TestPolyline *line = pattern.AddLine(
        {gradePoint(0, 0, 1), ordinaryPoint(1, 0), gradePoint(2, 0, 2), ordinaryPoint(3, 0)});
    EXPECT_EQ(line->GetNextGradePoint(0), 2);
    EXPECT_EQ(line->GetNextGradePoint(2), 3); // none after: the last position
    EXPECT_EQ(line->GetPrevGradePoint(3), 2);
    EXPECT_EQ(line->GetPrevGradePoint(2), 0);
    EXPECT_EQ(line->GetPrevGradePoint(0), -1);
}

TEST_F(PolylineTest, NearestGradePointKeepsTheEarlierOnTies)
{
    TestPoint *first = gradePoint(0, 0, 1);
    TestPoint *middle = ordinaryPoint(5, 0.1);
    TestPoint *last = gradePoint(10, 0, 2);
    TestPolyline *line = pattern.AddLine({first, middle, last});
    double distance = -1.0;
    EXPECT_EQ(line->GetNearestGradePoint({5, 0}, distance), first);
    EXPECT_DOUBLE_EQ(distance, 5.0);
    EXPECT_EQ(line->GetNearestGradePoint({9, 0}, distance), last);

    // A grade type other than 1 is no grade point here.
    TestPoint *other = pattern.AddPoint(5, 0, GRADE_POINT_TYPE(2));
    TestPolyline *withoutGradePoints = pattern.AddLine({middle, other});
    distance = -1.0;
    EXPECT_EQ(withoutGradePoints->GetNearestGradePoint({5, 0}, distance), nullptr);
    EXPECT_EQ(distance, -1.0);
}

TEST_F(PolylineTest, PointAtLengthExtendsBeyondBothEnds)
{
    TestPolyline *line = pattern.AddLine({{0, 0}, {10, 0}, {10, 10}});
    struct Case
    {
        double length;
        DPOINT expected;
    };
    const Case cases[] = {
        {0.0, {0, 0}}, {15.0, {10, 5}}, {20.0, {10, 10}}, {25.0, {10, 15}}, {-5.0, {-5, 0}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.length);
        expectPoint(line->GetAbsCurvePoint(nullptr, row.length), row.expected.x, row.expected.y);
    }
    expectPoint(pattern.AddLine({{3, 4}})->GetAbsCurvePoint(nullptr, 7.0), 3, 4);
}

TEST_F(PolylineTest, DirectionsAtEndsAndInside)
{
    TestPoint *a = gradePoint(0, 0, 1);
    TestPoint *b = gradePoint(10, 0, 2);
    TestPoint *c = gradePoint(10, 10, 3);
    TestPolyline *line = pattern.AddLine({a, b, c});
    struct Case
    {
        const char *name;
        TestPoint *point;
        bool forward;
        DPOINT vector;
        DPOINT extend;
    };
    const Case cases[] = {
        {"first forward", a, true, {1, 0}, {-1, 0}},
        {"first backward", a, false, {-1, 0}, {-1, 0}},
        {"inside forward", b, true, {0, 1}, {1, 0}},
        {"inside backward", b, false, {-1, 0}, {0, -1}},
        {"last forward", c, true, {0, 1}, {0, 1}},
        {"last backward", c, false, {0, -1}, {0, 1}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        expectVector(line->GetVector(row.point, row.forward, nullptr), row.vector.x, row.vector.y);
        expectVector(line->GetExtendVector(row.point, row.forward), row.extend.x, row.extend.y);
    }
}

TEST_F(PolylineTest, PointsOffTheLineGiveNeutralAnswers)
{
    TestPoint *listed = gradePoint(0, 0, 1);
    TestPoint *unlisted = ordinaryPoint(5, 0);
    TestPolyline *line = pattern.AddLine({listed, unlisted, gradePoint(10, 0, 2)});
    line->gradeIndexesOnly = true;
    TestPoint *elsewhere = gradePoint(50, 50, 9);

    for (bool toStart : {true, false})
        EXPECT_EQ(line->GetDistance(elsewhere, toStart), 0.0);
    for (const TestPoint *point : {elsewhere, unlisted}) {
        for (bool forward : {true, false}) {
            expectVector(line->GetVector(point, forward, nullptr), 1, 0);
            expectVector(line->GetExtendVector(point, forward), 1, 0);
        }
    }
    expectVector(pattern.AddLine({elsewhere})->GetVector(elsewhere, true, nullptr), 1, 0);
}

TEST_F(PolylineTest, DistanceToEitherEndAlongThePoints)
{
    TestPoint *a = gradePoint(0, 0, 1);
    TestPoint *b = gradePoint(3, 4, 2);
    TestPoint *c = gradePoint(3, 10, 3);
    TestPolyline *line = pattern.AddLine({a, b, c});
    EXPECT_DOUBLE_EQ(line->GetDistance(b, true), 5.0);
    EXPECT_DOUBLE_EQ(line->GetDistance(b, false), 6.0);
    EXPECT_DOUBLE_EQ(line->GetDistance(a, true), 0.0);
    EXPECT_DOUBLE_EQ(line->GetDistance(a, false), 11.0);
    EXPECT_DOUBLE_EQ(line->GetLength(nullptr), 11.0);
}

TEST_F(PolylineTest, LengthFollowsTheSize)
{
    TestPoint *a = gradePoint(0, 0, 1);
    TestPoint *b = gradePoint(10, 0, 2);
    b->growth = {1, 0};
    TestPolyline *line = pattern.AddLine({a, b});
    CSimpleGradeSize size;
    size.Create(0, 3);
    EXPECT_DOUBLE_EQ(line->GetLength(nullptr), 10.0);
    EXPECT_DOUBLE_EQ(line->GetLength(&size), 13.0);
}

TEST_F(PolylineTest, NearestGradePointsBoundTheNearestSegment)
{
    TestPoint *a = gradePoint(0, 0, 1);
    TestPoint *b = ordinaryPoint(5, 0);
    TestPoint *c = gradePoint(10, 0, 2);
    TestPoint *d = gradePoint(10, 10, 3);
    TestPolyline *line = pattern.AddLine({a, b, c, d});
    line->gradeIndexesOnly = true;
    CBasePoint *before = nullptr;
    CBasePoint *after = nullptr;
    line->GetNearestGradePoints({7, 1}, before, after);
    EXPECT_EQ(before, a);
    EXPECT_EQ(after, c);
    line->GetNearestGradePoints({11, 5}, before, after);
    EXPECT_EQ(before, c);
    EXPECT_EQ(after, d);

    pattern.AddLine({a})->GetNearestGradePoints({0, 0}, before, after);
    EXPECT_EQ(before, nullptr);
    EXPECT_EQ(after, nullptr);
}

TEST_F(PolylineTest, SliderPointsEnterTheShapeAtTheirFeet)
{
    TestPoint *a = gradePoint(0, 0, 1);
    TestPoint *b = gradePoint(10, 0, 2);
    TestPoint *c = gradePoint(10, 10, 3);
    TestPolyline *line = pattern.AddLine({a, b, c});
    TestPoint *slider = gradePoint(12, 4, 4);
    slider->slideLine = line;
    TestPoint *elsewhere = gradePoint(5, 1, 5);
    elsewhere->slideLine = pattern.AddLine({a, c});

    std::vector<DPOINT> shape;
    CPtrCollection<CBasePoint> points;
    line->GetShapeWithSliderPoints(nullptr, shape, &points, false);
    EXPECT_EQ(describe(shape), (std::vector<std::string>{"(0 0)", "(10 0)", "(10 4)", "(10 10)"}));
    ASSERT_EQ(points.GetCount(), 4);
    EXPECT_EQ(points.GetAt(2), slider);
    EXPECT_EQ(points.GetAt(3), c);

    CPtrCollection<CBasePoint> sliders;
    line->AppendTopSliderGradePoints(sliders);
    line->AppendSliderGradePoints(sliders);
    EXPECT_EQ(sliders.GetCount(), 2);
    EXPECT_EQ(sliders.GetAt(1), slider);
}

TEST_F(PolylineTest, EachLineKeepsItsOwnPlaceBuffer)
{
    TestPolyline *first = pattern.AddLine({{0, 0}, {1, 1}});
    TestPolyline *second = pattern.AddLine({{5, 5}, {6, 6}, {7, 7}});
    ASSERT_EQ(first->GetGradePlaceCount(nullptr), 2);
    ASSERT_EQ(second->GetGradePlaceCount(nullptr), 3);
    double x = 0.0;
    double y = 0.0;
    first->GetGradePlaceAt(nullptr, 1, x, y);
    EXPECT_EQ(x, 1.0);
    second->GetGradePlaceAt(nullptr, 2, x, y);
    EXPECT_EQ(x, 7.0);
}

TEST_F(PolylineTest, FindsPointsAndEnds)
{
    TestPoint *a = gradePoint(0, 0, 1);
    TestPoint *b = gradePoint(5, 0, 2);
    TestPoint *c = gradePoint(10, 0, 3);
    TestPolyline *line = pattern.AddLine({a, b, c});
    EXPECT_EQ(line->FindBasePoint(b), 1);
    EXPECT_TRUE(line->ContaintsShapePoint(c));
    EXPECT_TRUE(line->ContaintsEndShapePoint(c));
    EXPECT_FALSE(line->ContaintsEndShapePoint(b));
    EXPECT_EQ(line->GetPointAt(2), pattern.FindBasePoint(c));
    CNotch *notch = line->AddNotch(1.0, 0.0, 1.0);
    EXPECT_EQ(line->FindNotch(notch), 0);
    EXPECT_EQ(notch->GetPolyline(), line);
}

TEST(NotchTest, TipFollowsRotationAndFlip)
{
    struct Case
    {
        const char *name;
        bool flipped;
        DPOINT tip;
    };
    // The line runs up the mask from (100, 50); the notch sits 4 along it, depth (0, 2).
    const Case cases[] = {
        {"plain", false, {98, 54}},
        {"flipped", true, {102, 54}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        TestPattern pattern;
        TestPolyline *line = pattern.AddLine({{0, 0}, {10, 0}});
        CNotch *notch = line->AddNotch(4.0, 0.0, 2.0);
        pattern.SetPatternLocation(100, 50, 90.0, row.flipped);
        double tipX = 0.0;
        double tipY = 0.0;
        expectPoint(notch->GetAbsPos(nullptr, tipX, tipY), 100, 54);
        expectPoint({tipX, tipY}, row.tip.x, row.tip.y);
        double dx = 0.0;
        double dy = 0.0;
        notch->GetAbsDepth(nullptr, dx, dy);
        expectPoint({dx, dy}, row.tip.x - 100, row.tip.y - 54);
        expectPoint(notch->GetNotchPlace(nullptr, tipX, tipY), 100, 54);
    }
}
