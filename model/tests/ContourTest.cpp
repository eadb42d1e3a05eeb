// Morvane model library tests.
// Contours: the trimmed outline, its base points, area, orientation, turn angles and paths.
#include "PatternFixtures.h"
#include "foundation/EventSink.h"
#include "model/GradeSize.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

using namespace testmodel;

namespace {

using Texts = std::vector<std::string>;

class ContourTest : public ::testing::Test
{
protected:
    /// A closed contour of one closed line through a, b, c, d and back to a: the square
    /// (0, 0), (10, 0), (10, 10), (0, 10), counter-clockwise.
    CContour *makeSquare()
    {
        a = pattern.AddPoint(0, 0);
        b = pattern.AddPoint(10, 0);
        c = pattern.AddPoint(10, 10);
        d = pattern.AddPoint(0, 10);
        square = pattern.AddLine({a, b, c, d, a});
        return makeContour({square}, true);
    }

    CContour *makeContour(std::initializer_list<CPolyline *> lines, bool closed,
                          std::initializer_list<bool> backward = {})
    {
        CContour *contour = pattern.GetContourAt(pattern.CreateContour());
        auto direction = backward.begin();
        for (CPolyline *line : lines)
            contour->AddContourLine(line, direction != backward.end() && *direction++);
        contour->SetClosed(closed);
        return contour;
    }

    static Texts outline(const CContour &contour, bool dropClosingPoint,
                         const IGradeSize *size = nullptr)
    {
        std::vector<DPOINT> points;
        contour.GetOutContour(&points, static_cast<CPtrCollection<CBasePoint> *>(nullptr), nullptr,
                              size, dropClosingPoint, false, false);
        return describe(points);
    }

    TestPattern pattern;
    TestPoint *a = nullptr;
    TestPoint *b = nullptr;
    TestPoint *c = nullptr;
    TestPoint *d = nullptr;
    TestPolyline *square = nullptr;
};

constexpr double kQuarterTurn = std::numbers::pi / 2;

class ChangeLog : public CEventSink
{
public:
    void OnAfterChange(EventData *data) override
    {
        properties.push_back(static_cast<int32_t>(data->m_nFirst));
    }

    std::vector<int> properties;
};

} // namespace

TEST_F(ContourTest, ClosedOutlineEndsWithItsClosingPointUnlessDropped)
{
    const CContour *contour = makeSquare();
    EXPECT_EQ(outline(*contour, false), (Texts{"(0 0)", "(10 0)", "(10 10)", "(0 10)", "(0 0)"}));
    EXPECT_EQ(outline(*contour, true), (Texts{"(0 0)", "(10 0)", "(10 10)", "(0 10)"}));

    CPtrCollection<CBasePoint> points;
    contour->GetOutContour(&points, false, false);
    ASSERT_EQ(points.GetCount(), 4);
    EXPECT_EQ(points.GetAt(0), a);
    EXPECT_EQ(points.GetAt(3), d);
    EXPECT_EQ(contour->GetGradePointCount(), 4);

    std::vector<int> indexes;
    contour->GetOutContour(nullptr, &indexes, nullptr, nullptr, true, false, false);
    EXPECT_EQ(indexes, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(contour->GetAbsRect(), CDRect(0, 0, 10, 10));
}

TEST_F(ContourTest, OpenOutlineKeepsItsLastPointAndHasNoArea)
{
    TestPoint *p = pattern.AddPoint(0, 0);
    TestPoint *q = pattern.AddPoint(10, 0);
    TestPoint *r = pattern.AddPoint(10, 10);
    const CContour *contour = makeContour({pattern.AddLine({p, q, r})}, false);
    EXPECT_EQ(outline(*contour, true), (Texts{"(0 0)", "(10 0)", "(10 10)"}));
    EXPECT_EQ(contour->GetClosedArea(), 0.0);
    EXPECT_NEAR(contour->GetTurnAngle(q), kQuarterTurn, 1e-9);
}

TEST_F(ContourTest, ClosedContourOfTooFewPositionsHasNoArea)
{
    const CContour *contour = makeContour({pattern.AddLine({{0, 0}, {10, 0}})}, true);
    EXPECT_EQ(contour->GetClosedArea(), 0.0);
}

TEST_F(ContourTest, AreaOrientationAndTurnAnglesOfTheSquare)
{
    const CContour *contour = makeSquare();
    EXPECT_DOUBLE_EQ(contour->GetClosedArea(), 100.0);
    EXPECT_FALSE(contour->IsClockwise());
    for (const TestPoint *corner : {a, b, c, d})
        EXPECT_NEAR(contour->GetTurnAngle(corner), kQuarterTurn, 1e-9);
    TestPoint *ordinary = pattern.AddPoint(5, 0, GRADE_POINT_INTERMEDIATE);
    EXPECT_EQ(contour->GetTurnAngle(ordinary), 0.0);
}

TEST_F(ContourTest, FlippedPatternTurnsTheOutlineClockwiseOnTheMask)
{
    const CContour *contour = makeSquare();
    pattern.SetPatternLocation(0, 0, 0.0, true);
    EXPECT_DOUBLE_EQ(contour->GetClosedArea(), 100.0);
    EXPECT_TRUE(contour->IsClockwise());
    EXPECT_NEAR(contour->GetTurnAngle(b), -kQuarterTurn, 1e-9);
}

TEST_F(ContourTest, MovedPointGivesFreshAreaOrientationAndTurnAngle)
{
    TestPoint *p = pattern.AddPoint(0, 0);
    TestPoint *q = pattern.AddPoint(10, 0);
    TestPoint *r = pattern.AddPoint(5, 10);
    const CContour *contour = makeContour({pattern.AddLine({p, q, r, p})}, true);
    EXPECT_DOUBLE_EQ(contour->GetClosedArea(), 50.0);
    EXPECT_FALSE(contour->IsClockwise());
    const double turnBefore = contour->GetTurnAngle(r);
    EXPECT_GT(turnBefore, 0.0);

    r->MoveTo(5, -20);
    pattern.InvalidateContourData();
    EXPECT_DOUBLE_EQ(contour->GetClosedArea(), -100.0);
    EXPECT_TRUE(contour->IsClockwise());
    EXPECT_LT(contour->GetTurnAngle(r), 0.0);
}

TEST_F(ContourTest, PointThatStopsBeingAGradePointLosesItsTurnAngle)
{
    const CContour *contour = makeSquare();
    ASSERT_NEAR(contour->GetTurnAngle(b), kQuarterTurn, 1e-9);
    b->SetGradeType(GRADE_POINT_INTERMEDIATE);
    pattern.InvalidateContourData();
    EXPECT_EQ(contour->GetTurnAngle(b), 0.0);
    EXPECT_NEAR(contour->GetTurnAngle(c), kQuarterTurn, 1e-9);
}

TEST_F(ContourTest, TwoLinesCrossingTwiceAreTrimmedAtBothCrossings)
{
    // A V and an inverted V that cross at (1, 0) and (9, 0); the lens between them is the
    // outline, without the overhanging ends.
    TestPolyline *lower = pattern.AddLine({{-1, 1}, {5, -2}, {11, 1}});
    TestPolyline *upper = pattern.AddLine({{11, -1}, {5, 2}, {-1, -1}});
    const CContour *contour = makeContour({lower, upper}, true);
    EXPECT_EQ(outline(*contour, false), (Texts{"(1 0)", "(5 -2)", "(9 0)", "(5 2)", "(1 0)"}));
    EXPECT_DOUBLE_EQ(contour->GetClosedArea(), 16.0);

    CPtrCollection<CBasePoint> points;
    contour->GetOutContour(&points, false, false);
    ASSERT_EQ(points.GetCount(), 2);
    EXPECT_EQ(points.GetAt(0), lower->GetBasePointAt(1));
    EXPECT_EQ(points.GetAt(1), upper->GetBasePointAt(1));
}

TEST_F(ContourTest, LinesThatWouldMeetWhenProlongedMeetThereWithinTheLimit)
{
    TestPolyline *first = pattern.AddLine({{0, 0}, {10, 0}});
    struct Case
    {
        double x;
        bool meets;
    };
    // The first line's end reaches 110.0 beyond its last point, to x = 120.
    const Case cases[] = {{15, true}, {119, true}, {121, false}};
    for (const Case &row : cases) {
        SCOPED_TRACE(row.x);
        TestPolyline *second = pattern.AddLine({{row.x, 5}, {row.x, 20}});
        const CContour *contour = makeContour({first, second}, false);
        DPOINT point;
        int firstIndex = 0;
        int secondIndex = 0;
        ASSERT_EQ(contour->FindIntersect(first, second, nullptr, &point, firstIndex, secondIndex,
                                         false, false),
                  row.meets);
        if (!row.meets)
            continue;
        EXPECT_EQ(firstIndex, 1);
        EXPECT_EQ(secondIndex, -1);
        EXPECT_NEAR(point.x, row.x, 1e-9);
        EXPECT_NEAR(point.y, 0.0, 1e-9);
    }
    const CContour *contour = pattern.GetContourAt(0);
    EXPECT_EQ(outline(*contour, false), (Texts{"(0 0)", "(10 0)", "(15 0)", "(15 5)", "(15 20)"}));
}

TEST_F(ContourTest, LinesWithSmallGapsMeetWhereTheyWouldMeetWhenProlonged)
{
    struct Row
    {
        const char *name;
        std::vector<std::vector<DPOINT>> lines;
        std::vector<bool> backward;
        GRADE_POINT_TYPE pointType;
        Texts outline;
        double area;
    };
    // The V's lines end 0.4 apart at both tips; the square's sides stop 0.2 short of each
    // corner. Grade points at the line ends keep positions of their own, beside the corners.
    const std::vector<DPOINT> left{{-0.2, 0}, {-10, 10}, {-0.2, 20}};
    const std::vector<DPOINT> rightUp{{0.2, 0}, {10, 10}, {0.2, 20}};
    const std::vector<DPOINT> rightDown{{0.2, 20}, {10, 10}, {0.2, 0}};
    const std::vector<std::vector<DPOINT>> sides{
        {{0.2, 0}, {9.8, 0}}, {{10, 0.2}, {10, 9.8}}, {{9.8, 10}, {0.2, 10}}, {{0, 9.8}, {0, 0.2}}};
    const Texts diamond{"(0 -0.204082)", "(-10 10)", "(0 20.2041)", "(10 10)", "(0 -0.204082)"};
    const double diamondArea = 0.5 * 20 * (20 + 0.4 / 0.98);
    const Row rows[] = {
        {"a closed pair in a V", {left, rightDown}, {false, false}, GRADE_POINT_INTERMEDIATE,
         diamond, diamondArea},
        {"a closed pair in a V with a backward line", {left, rightUp}, {false, true},
         GRADE_POINT_INTERMEDIATE, diamond, diamondArea},
        {"a square of four sides", sides, {false, false, false, false},
         GRADE_POINT_INTERMEDIATE, {"(0 0)", "(10 0)", "(10 10)", "(0 10)", "(0 0)"}, 100.0},
        {"a square of four sides between grade points", sides, {false, false, false, false},
         GRADE_POINT_GRADE,
         {"(0 0)", "(10 0)", "(10 0.2)", "(10 10)", "(9.8 10)", "(0 10)", "(0 9.8)", "(0 0)"},
         100.0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CContour *contour = pattern.GetContourAt(pattern.CreateContour());
        for (size_t i = 0; i < row.lines.size(); ++i) {
            TestPolyline *line = pattern.AddLine(std::initializer_list<CBasePoint *>{});
            for (const DPOINT &corner : row.lines[i])
                line->AddPoint(pattern.AddPoint(corner.x, corner.y, row.pointType));
            contour->AddContourLine(line, row.backward[i]);
        }
        contour->SetClosed(true);
        EXPECT_EQ(outline(*contour, false), row.outline);
        EXPECT_NEAR(std::fabs(contour->GetClosedArea()), row.area, 1e-6);
    }
}

TEST_F(ContourTest, ClosedPairWithABackwardLineRunsTheWayItsLinesSay)
{
    TestPoint *p = pattern.AddPoint(0, 0);
    TestPoint *q = pattern.AddPoint(10, 10);
    TestPolyline *bottom = pattern.AddLine({p, pattern.AddPoint(10, 0), q});
    TestPolyline *top = pattern.AddLine({p, pattern.AddPoint(0, 10), q});
    const CContour *contour = makeContour({bottom, top}, true, {false, true});
    EXPECT_EQ(outline(*contour, true), (Texts{"(0 0)", "(10 0)", "(10 10)", "(0 10)"}));
    std::vector<int> flags;
    contour->GetOutContour(nullptr, static_cast<CPtrCollection<CBasePoint> *>(nullptr), &flags,
                           nullptr, true, false, false);
    EXPECT_EQ(flags, (std::vector<int>{0, 0, 0, 1}));
    EXPECT_DOUBLE_EQ(contour->GetClosedArea(), 100.0);
}

TEST_F(ContourTest, OutlineFollowsTheSize)
{
    CContour *contour = makeSquare();
    c->growth = {1, 1};
    CSimpleGradeSize size;
    size.Create(0, 2);
    EXPECT_EQ(outline(*contour, true, &size), (Texts{"(0 0)", "(10 0)", "(12 12)", "(0 10)"}));
    EXPECT_EQ(outline(*contour, true), (Texts{"(0 0)", "(10 0)", "(10 10)", "(0 10)"}));
}

TEST_F(ContourTest, SliderPointsJoinTheOutlineWhenAsked)
{
    const CContour *contour = makeSquare();
    TestPoint *slider = pattern.AddPoint(10.2, 5);
    slider->slideLine = square;
    std::vector<DPOINT> points;
    CPtrCollection<CBasePoint> basePoints;
    contour->GetOutContour(&points, &basePoints, nullptr, nullptr, true, true, false);
    EXPECT_EQ(describe(points), (Texts{"(0 0)", "(10 0)", "(10 5)", "(10 10)", "(0 10)"}));
    EXPECT_EQ(basePoints.GetAt(2), slider);
    EXPECT_EQ(contour->GetGradePointCount(), 4);
}

TEST_F(ContourTest, PathsWalkAlongTheLinePointsAndWrapOnlyWhenClosed)
{
    const CContour *closed = makeSquare();
    CPtrCollection<CBasePoint> points;
    CPtrCollection<IContourLine> lines;
    closed->GetPath(c, b, true, &points, &lines);
    EXPECT_EQ(points.GetCount(), 2);
    EXPECT_EQ(lines.GetAt(0), closed->GetContourLineAt(0));
    closed->GetPath(c, b, false, &points, &lines);
    ASSERT_EQ(points.GetCount(), 5); // c, d, a, a again (the line's last point), b
    EXPECT_EQ(points.GetAt(2), a);
    EXPECT_EQ(points.GetAt(4), b);

    const CContour *open = makeContour({pattern.AddLine({a, b, c, d})}, false);
    open->GetPath(b, d, false, &points, &lines);
    EXPECT_EQ(points.GetCount(), 3);
    open->GetPath(c, b, false, &points, &lines);
    EXPECT_EQ(points.GetCount(), 0);
    EXPECT_EQ(lines.GetCount(), 0);
    open->GetPath(c, pattern.AddPoint(50, 50), true, &points, &lines);
    EXPECT_EQ(points.GetCount(), 0);
}

TEST_F(ContourTest, NamesFollowThePositionInThePattern)
{
    const CContour *first = makeSquare();
    makeContour({square}, true);
    EXPECT_EQ(first->GetFormatName(), "C1");
    EXPECT_EQ(pattern.GetContourAt(1)->GetFormatName(), "C2");
    TestContour loose;
    loose.Create(&pattern);
    EXPECT_EQ(loose.GetFormatName(), "C3");
}

TEST_F(ContourTest, LineChangesSendOneAfterChangeForAllProperties)
{
    CContour *contour = makeSquare();
    ChangeLog log;
    contour->AddListener(&log);
    contour->AddContourLine(square, false);
    contour->RemoveContourLineAt(1);
    EXPECT_FALSE(contour->IsClosed());
    contour->SetClosed(false);
    EXPECT_EQ(log.properties, (std::vector<int>{-1, -1}));
    contour->RemoveListener(&log);
    EXPECT_EQ(contour->FindContourLine(square), 0);
    EXPECT_EQ(contour->GetPrevContourLine(contour->GetContourLineAt(0)), nullptr);
    contour->SetClosed(true);
    EXPECT_EQ(contour->GetPrevContourLine(contour->GetContourLineAt(0)),
              contour->GetContourLineAt(0));
    EXPECT_TRUE(contour->ContaintsPoint(c));
}

TEST(ContourOrderTest, CounterClockwiseFromAStartPosition)
{
    struct Case
    {
        const char *name;
        std::vector<DPOINT> points;
        Texts expected;
        std::vector<int> flags;
    };
    const Case cases[] = {
        {"counter-clockwise",
         {{0, 0}, {10, 0}, {10, 10}, {0, 10}},
         {"(10 0)", "(10 10)", "(0 10)", "(0 0)"},
         {1, 0, 0, 0}},
        {"clockwise",
         {{0, 0}, {0, 10}, {10, 10}, {10, 0}},
         {"(0 10)", "(0 0)", "(10 0)", "(10 10)"},
         {0, 1, 1, 1}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        std::vector<DPOINT> points = row.points;
        std::vector<int> indexes{0, 1, 2, 3};
        std::vector<int> flags{0, 1, 0, 0};
        CContour::GetCCWContour(1, points, &indexes, &flags);
        EXPECT_EQ(describe(points), row.expected);
        EXPECT_EQ(flags, row.flags);
        EXPECT_EQ(indexes[0], 1);
    }
    std::vector<DPOINT> none;
    CContour::GetCCWContour(-3, none, nullptr, nullptr);
    EXPECT_TRUE(none.empty());
}

TEST_F(ContourTest, GradePointsTrimmedAwayAttachToTheLineEndsWhenAsked)
{
    TestPoint *overhang = pattern.AddPoint(12, 0);
    TestPolyline *first =
        pattern.AddLine({pattern.AddPoint(0, 0), pattern.AddPoint(10, 0), overhang});
    TestPolyline *second = pattern.AddLine({{11, -5}, {11, 5}});
    const CContour *contour = makeContour({first, second}, false);
    for (bool attachAtEnds : {false, true}) {
        SCOPED_TRACE(attachAtEnds);
        std::vector<DPOINT> points;
        CPtrCollection<CBasePoint> basePoints;
        contour->GetOutContour(&points, &basePoints, nullptr, nullptr, false, false, attachAtEnds);
        EXPECT_EQ(describe(points), (Texts{"(0 0)", "(10 0)", "(11 0)", "(11 5)"}));
        ASSERT_EQ(basePoints.GetCount(), 4);
        EXPECT_EQ(basePoints.GetAt(2), attachAtEnds ? overhang : nullptr);
        EXPECT_EQ(basePoints.GetAt(3), second->GetBasePointAt(1));
    }
}
