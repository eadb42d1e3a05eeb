// Morvane model library tests.
// Patterns: building contours, choosing the outline, numbering, placement, pivot and searches.
#include "PatternFixtures.h"
#include "model/GradeSize.h"
#include "model/History.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

using namespace testmodel;

namespace {

using Texts = std::vector<std::string>;

/// Each contour as "closed" or "open" followed by its lines: their index in the pattern and
/// "+" or "-" for the direction.
Texts describeContours(const CPattern &pattern)
{
    Texts texts;
    for (int i = 0; i < pattern.GetContourCount(); ++i) {
        const CContour *contour = pattern.GetContourAt(i);
        std::string text = contour->IsClosed() ? "closed" : "open";
        for (int k = 0; k < contour->GetContourLineCount(); ++k) {
            const IContourLine *line = contour->GetContourLineAt(k);
            text += " " + std::to_string(pattern.FindPolyline(line->GetPolyline())) +
                    (line->IsBackward() ? "-" : "+");
        }
        texts.push_back(text);
    }
    return texts;
}

void expectPoint(const DPOINT &actual, double x, double y)
{
    EXPECT_NEAR(actual.x, x, 1e-6);
    EXPECT_NEAR(actual.y, y, 1e-6);
}

/// Builds the lines of one contour-building case into a pattern.
using Builder = void (*)(TestPattern &);

/// Three lines a-b, b-c, c-a of a triangle whose left corner is (x, 0); returns b.
TestPoint *addTriangle(TestPattern &p, double x)
{
    TestPoint *a = p.AddPoint(x, 0);
    TestPoint *b = p.AddPoint(x + 10, 0);
    TestPoint *c = p.AddPoint(x + 5, 10);
    p.AddLine({a, b});
    p.AddLine({b, c});
    p.AddLine({c, a});
    return b;
}

} // namespace

TEST(PatternTest, BuildsContoursFromItsLines)
{
    struct Case
    {
        const char *name;
        Builder build;
        Texts contours;
    };
    const Case cases[] = {
        {"closed single line",
         [](TestPattern &p) {
             TestPoint *a = p.AddPoint(0, 0);
             p.AddLine({a, p.AddPoint(10, 0), p.AddPoint(10, 10), a});
         },
         {"closed 0+"}},
        {"closed pair end to start",
         [](TestPattern &p) {
             TestPoint *a = p.AddPoint(0, 0);
             TestPoint *c = p.AddPoint(10, 10);
             p.AddLine({a, p.AddPoint(10, 0), c});
             p.AddLine({c, p.AddPoint(0, 10), a});
         },
         {"closed 0+ 1+"}},
        {"closed pair start to start",
         [](TestPattern &p) {
             TestPoint *a = p.AddPoint(0, 0);
             TestPoint *c = p.AddPoint(10, 10);
             p.AddLine({a, p.AddPoint(10, 0), c});
             p.AddLine({a, p.AddPoint(0, 10), c});
         },
         {"closed 0+ 1-"}},
        {"three-line loop with a hanging tail",
         [](TestPattern &p) {
             p.AddLine({addTriangle(p, 0), p.AddPoint(20, 0)});
         },
         {"closed 0+ 1+ 2+", "open 3-"}},
        {"two disjoint loops",
         [](TestPattern &p) {
             addTriangle(p, 100);
             addTriangle(p, 0);
         },
         {"closed 3+ 4+ 5+", "closed 0+ 1+ 2+"}},
        {"duplicated edge",
         [](TestPattern &p) {
             TestPoint *b = addTriangle(p, 0);
             p.AddLine({p.GetBasePointAt(0), p.AddPoint(5, -3), b});
         },
         {"closed 0+ 3-", "open 1+ 2+"}},
        {"lines of fewer than two points",
         [](TestPattern &p) {
             p.AddLine({p.AddPoint(0, 0)});
             p.AddLine(std::initializer_list<CBasePoint *>{});
         },
         {}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        TestPattern pattern;
        row.build(pattern);
        pattern.BuildContours();
        EXPECT_EQ(describeContours(pattern), row.contours);
        pattern.BuildContours();
        EXPECT_EQ(describeContours(pattern), row.contours);
    }
}

TEST(PatternTest, ChoosesTheOutlineByGradePointsLinesOrArea)
{
    struct Case
    {
        const char *name;
        Builder build;
        int outlineLine;
    };
    // Closed single lines become contours from the last line to the first.
    const Case cases[] = {
        {"equal points and lines: the greater area",
         [](TestPattern &p) {
             p.AddLine({{0, 0}, {50, 0}, {50, 50}, {0, 50}, {0, 0.1}});
             p.AddLine({{100, 0}, {110, 0}, {110, 10}, {100, 10}, {100, 0.1}});
         },
         0},
        {"a later contour with more grade points and less area",
         [](TestPattern &p) {
             p.AddLine({{100, 0}, {110, 0}, {110, 10}, {105, 15}, {100, 10}, {100, 0.1}});
             p.AddLine({{0, 0}, {50, 0}, {50, 50}, {0, 50}, {0, 0.1}});
         },
         0},
        {"only open contours: the first one built",
         [](TestPattern &p) {
             p.AddLine({{0, 0}, {10, 0}});
             p.AddLine({{100, 0}, {150, 0}, {150, 50}});
         },
         0},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        TestPattern pattern;
        row.build(pattern);
        pattern.BuildContours();
        ASSERT_NE(pattern.GetOutContour(), nullptr);
        EXPECT_EQ(pattern.GetOutContour()->GetContourLineAt(0)->GetPolyline(),
                  pattern.GetPatternPolylineAt(row.outlineLine));
    }
}

TEST(PatternTest, NumbersGradeAndOrdinaryPointsWithSharedCounters)
{
    TestPattern first;
    TestPoint *g1 = first.AddPoint(0, 0, GRADE_POINT_GRADE);
    TestPoint *o1 = first.AddPoint(1, 0, GRADE_POINT_INTERMEDIATE);
    TestPoint *other = first.AddPoint(2, 0, GRADE_POINT_TYPE(2));
    TestPoint *g2 = first.AddPoint(3, 0, GRADE_POINT_GRADE);
    TestPattern second;
    TestPoint *g3 = second.AddPoint(0, 0, GRADE_POINT_GRADE);

    int gradeCounter = 0;
    int otherCounter = 0;
    first.SetPointsId(gradeCounter, otherCounter);
    second.SetPointsId(gradeCounter, otherCounter);
    EXPECT_EQ(g1->GetPointId(), 1);
    EXPECT_EQ(o1->GetPointId(), 1);
    EXPECT_EQ(other->GetPointId(), -1);
    EXPECT_EQ(g2->GetPointId(), 2);
    EXPECT_EQ(g3->GetPointId(), 3);
    EXPECT_EQ(gradeCounter, 3);
    EXPECT_EQ(otherCounter, 1);

    EXPECT_EQ(first.FindGradePoint(2), g2);
    EXPECT_EQ(first.FindGradePoint(1), g1);
    EXPECT_EQ(first.FindGradePoint(3), nullptr);
    EXPECT_EQ(first.FindBasePoint(std::string("I1")), 1);
    EXPECT_EQ(first.FindBasePoint(std::string("P-1")), 2);
    EXPECT_EQ(first.FindBasePoint(std::string("P9")), -1);
}

TEST(PatternTest, PlacesItsOwnCoordinatesOnTheMaskAndBack)
{
    struct Case
    {
        double angle;
        bool flipped;
        DPOINT placed;
    };
    const Case cases[] = {
        {0, false, {13, 24}},
        {90, false, {6, 23}},
        {0, true, {13, 16}},
        {90, true, {14, 23}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.angle + (row.flipped ? 1000 : 0));
        TestPattern pattern;
        TestPoint *point = pattern.AddPoint(3, 4);
        pattern.SetPatternLocation(10, 20, row.angle, row.flipped);
        expectPoint(pattern.TransformToAbsolute({3, 4}), row.placed.x, row.placed.y);
        std::vector<DPOINT> placed{{1, 1}, {5, 5}, {7, 7}};
        pattern.TransformToAbsolute({{3, 4}, {3, 4}}, placed);
        ASSERT_EQ(placed.size(), 2u);
        expectPoint(placed[1], row.placed.x, row.placed.y);
        expectPoint(point->GetAbsPosition(), row.placed.x, row.placed.y);
        expectPoint(pattern.TransformToRelative(row.placed), 3, 4);
    }
}

TEST(PatternTest, PivotLivesInOwnCoordinatesAndStaysWhileRotating)
{
    TestPattern pattern;
    pattern.SetPivot({2, 0});
    pattern.SetPatternLocation(10, 20, 90, false);
    expectPoint(pattern.GetPivotPoint(), 10, 22);
    double x = 0.0;
    double y = 0.0;
    pattern.GetGradePlace(nullptr, x, y);
    expectPoint({x, y}, 12, 20);

    pattern.SetPivotPoint({0, 0});
    expectPoint(pattern.GetPivotPoint(), 0, 0);
    pattern.GetGradePlace(nullptr, x, y);
    expectPoint({x, y}, -10, 30); // the own pivot is now (-20, 10)

    for (bool flipped : {false, true}) {
        SCOPED_TRACE(flipped);
        pattern.SetPatternLocation(10, 20, 30, flipped);
        const DPOINT pivot = pattern.GetPivotPoint();
        pattern.Rotate(std::numbers::pi);
        EXPECT_NEAR(pattern.GetPatternLocation()->GetRotAngle(false), 180.0, 1e-6);
        EXPECT_EQ(pattern.GetPatternLocation()->IsFlipped(), flipped);
        expectPoint(pattern.GetPivotPoint(), pivot.x, pivot.y);
    }
}

TEST(PatternTest, LocationChangesBelowTheToleranceSendNothing)
{
    TestPattern pattern;
    pattern.SetPatternLocation(10, 20, 45, false);
    EventLog log;
    pattern.AddListener(&log);
    pattern.SetPatternLocation(10.0005, 20, 45, false);
    EXPECT_TRUE(log.events.empty());
    pattern.SetPatternLocation(10.002, 20, 45, false);
    EXPECT_EQ(log.events, (Texts{"4:0", "8:0"}));
    pattern.SetPatternPosition(10.002, 20);
    pattern.SetPatternPosition(0, 0);
    EXPECT_EQ(log.events.size(), 4u);
    pattern.RemoveListener(&log);
    EXPECT_NEAR(pattern.GetPatternLocation()->GetRotAngle(true), std::numbers::pi / 4, 1e-8);
}

TEST(PatternTest, LocationSetToTheAngleItHasInDegreesSendsNothingAndStays)
{
    for (const double degrees : {30.0, 90.0, -123.456, 359.9}) {
        SCOPED_TRACE(degrees);
        TestPattern pattern;
        pattern.SetPatternLocation(10, 20, degrees, false);
        const double stored = pattern.GetPatternLocation()->GetRotAngle(true);
        EventLog log;
        pattern.AddListener(&log);
        for (int pass = 0; pass < 3; ++pass) {
            const double asShown = pattern.GetPatternLocation()->GetRotAngle(false);
            pattern.SetPatternLocation(10, 20, asShown, false);
            pattern.SetPatternLocation(10, 20, degrees, false);
        }
        EXPECT_TRUE(log.events.empty());
        EXPECT_EQ(pattern.GetPatternLocation()->GetRotAngle(true), stored);
        pattern.RemoveListener(&log);
    }
}

TEST(PatternTest, WalksAlongLinesAcrossTheirEnds)
{
    TestPattern pattern;
    pattern.AddLine({{0, 0}, {10, 0}});
    pattern.AddLine({{10, 1}, {20, 1}, {30, 1}});
    int line = -1;
    // Base points: 0, 1 on line 0; 2, 3, 4 on line 1.
    EXPECT_EQ(pattern.GetNextContourPoint(4, 1, line, false), 0);
    EXPECT_EQ(line, 0);
    EXPECT_EQ(pattern.GetNextContourPoint(0, 0, line, true), 4);
    EXPECT_EQ(line, 1);
    EXPECT_EQ(pattern.GetNextContourPoint(2, 1, line, false), 3);
    EXPECT_EQ(line, 1);
    EXPECT_EQ(pattern.GetNextContourPoint(3, 0, line, false), -1);

    int nearestLine = -1;
    double distance = -1.0;
    EXPECT_EQ(pattern.GetNearestEndPoint(29, 0, -1, nearestLine, distance), 2);
    EXPECT_EQ(nearestLine, 1);
    EXPECT_DOUBLE_EQ(distance, std::hypot(1.0, 1.0));
    EXPECT_EQ(pattern.GetNearestEndPoint(29, 0, 1, nearestLine, distance), 1);
    EXPECT_EQ(nearestLine, 0);

    int out = 5;
    pattern.GetBasePointAt(1)->SetGradeType(GRADE_POINT_INTERMEDIATE);
    pattern.GetBasePointAt(2)->SetGradeType(GRADE_POINT_INTERMEDIATE);
    EXPECT_EQ(pattern.GetNextPoint(0, 0, out, false), 3);
    EXPECT_EQ(out, -1);
    EXPECT_EQ(pattern.GetNextPoint(0, 0, out, true), 4);

    CPtrCollection<CBasePoint> points;
    int from = 0;
    pattern.GetPolylinePoints(from, points, true);
    EXPECT_EQ(points.GetCount(), 2);
    EXPECT_EQ(from, 1);
    pattern.GetPolylinePoints(from = 0, points, false);
    EXPECT_EQ(points.GetCount(), 7);
    EXPECT_EQ(from, 2);
}

TEST(PatternTest, FindsPointsByPlaceAndMembership)
{
    TestPattern pattern;
    TestPoint *a = pattern.AddPoint(0, 0);
    TestPoint *b = pattern.AddPoint(5, 0, GRADE_POINT_INTERMEDIATE);
    TestPoint *c = pattern.AddPoint(10, 0);
    TestPoint *drill = pattern.AddMarkPoint(5, 5);
    TestPoint *loose = pattern.AddPoint(50, 50);
    TestPolyline *first = pattern.AddLine({a, b});
    TestPolyline *second = pattern.AddLine({b, c});

    EXPECT_EQ(pattern.FindBasePoint({5.2, 0}, 0.25, GRADE_POINT_INTERMEDIATE), 1);
    EXPECT_EQ(pattern.FindBasePoint({5.2, 0}, 0.25, GRADE_POINT_GRADE), -1);
    int line = -1;
    bool isEnd = false;
    EXPECT_EQ(pattern.FindPolyPoint(b, line, isEnd), 1);
    EXPECT_EQ(line, 0);
    EXPECT_TRUE(isEnd);
    EXPECT_EQ(pattern.FindPolyPoint(loose, line), -1);
    CPtrCollection<CPolyline> lines;
    pattern.FindPointPolylines(b, lines);
    EXPECT_EQ(lines.GetCount(), 2);
    EXPECT_EQ(lines.GetAt(1), second);
    EXPECT_EQ(pattern.FindPolyline(first), 0);

    EXPECT_TRUE(pattern.IsUsedBasePoint(drill));
    EXPECT_TRUE(pattern.IsUsedBasePoint(c));
    EXPECT_FALSE(pattern.IsUsedBasePoint(loose));
    EXPECT_TRUE(pattern.HasEndPolylinePoint(c));
    EXPECT_FALSE(pattern.HasContourPoint(loose));
    CPtrCollection<CBasePoint> points;
    pattern.AppendPoints(points);
    CPattern::RemoveDrills(points);
    EXPECT_EQ(points.GetCount(), 4);
    EXPECT_EQ(points.Find(drill), -1);
    EXPECT_EQ(pattern.GetMarkPointCount(), 1);
    EXPECT_EQ(pattern.GetMarkPointAt(0), drill);

    EXPECT_FALSE(pattern.HasOutlinePoint(a)); // no contours yet
    EXPECT_EQ(pattern.GetOutContour(), nullptr);
}

TEST(PatternTest, PointIndexesStayRightThroughUndoAndRedo)
{
    TestPattern pattern;
    TestPattern stranger;
    TestPoint *foreign = stranger.AddPoint(0, 0);
    TestPoint *a = pattern.AddPoint(0, 0);
    TestPoint *b = pattern.AddPoint(1, 0);
    EXPECT_EQ(pattern.FindBasePoint(foreign), -1);
    EXPECT_EQ(pattern.FindBasePoint(foreign), -1);
    ASSERT_EQ(pattern.FindBasePoint(b), 1);

    CHistory history;
    auto inserted = std::make_unique<TestPoint>();
    inserted->SetParent(&pattern);
    pattern.BasePoints().InsertAt(0, inserted.release());
    history.AddInsertion(pattern.BasePoints(), 0);
    EXPECT_EQ(pattern.FindBasePoint(b), 2);
    history.Undo();
    EXPECT_EQ(pattern.FindBasePoint(b), 1);
    EXPECT_EQ(pattern.FindBasePoint(a), 0);
    history.Redo();
    EXPECT_EQ(pattern.FindBasePoint(b), 2);
    history.AddRemoval(pattern.BasePoints(), 1);
    pattern.BasePoints().RemoveAt(1);
    EXPECT_EQ(pattern.FindBasePoint(a), -1);
    EXPECT_EQ(pattern.FindBasePoint(b), 1);
    history.Undo();
    EXPECT_EQ(pattern.FindBasePoint(b), 2);
}

TEST(PatternTest, ChildrenEnteringOrLeavingAreSeenAboveAndRefreshGradePoints)
{
    TestPattern pattern;
    pattern.AddPoint(0, 0);
    EXPECT_EQ(pattern.GetGradePointCount(), 1);
    EventLog log;
    pattern.AddListener(&log);
    TestPoint *point = pattern.AddPoint(1, 0);
    EXPECT_EQ(pattern.GetGradePointCount(), 2);
    EXPECT_EQ(pattern.GetGradePointAt(1), point);
    pattern.BasePoints().DeleteAt(1);
    EXPECT_EQ(pattern.GetGradePointCount(), 1);
    pattern.RemoveListener(&log);
    const auto pointId = static_cast<int32_t>(0xFFFF0007u);
    EXPECT_EQ(log.events, (Texts{"1:" + std::to_string(pointId), "2:" + std::to_string(pointId)}));
}

TEST(PatternTest, AbsoluteRectangleHoldsPointsLinesAndNotchTipsUntilInvalidated)
{
    TestPattern pattern;
    TestPolyline *line = pattern.AddLine({{0, 0}, {10, 0}});
    line->AddNotch(5.0, 0.0, -3.0);
    EXPECT_EQ(pattern.GetAbsRect(nullptr), CDRect(0, -3, 10, 0));
    static_cast<TestPoint *>(pattern.GetBasePointAt(1))->MoveTo(20, 0);
    EXPECT_EQ(pattern.GetAbsRect(nullptr), CDRect(0, -3, 10, 0));
    pattern.InvalidateRect();
    EXPECT_EQ(pattern.GetAbsRect(nullptr), CDRect(0, -3, 20, 0));
    pattern.SetPatternPosition(100, 0);
    EXPECT_EQ(pattern.GetAbsRect(nullptr), CDRect(100, -3, 120, 0));

    TestPattern grown;
    TestPoint *end = grown.AddPoint(10, 0);
    end->growth = {1, 0};
    grown.AddLine({grown.AddPoint(0, 0), end});
    CSimpleGradeSize size;
    size.Create(0, 5);
    CPtrCollection<IGradeSize> sizes;
    sizes.Add(&size);
    EXPECT_EQ(grown.GetAbsRect(&sizes), CDRect(0, 0, 15, 0));
}

TEST(PatternTest, AnswersContourQueries)
{
    TestPattern pattern;
    TestPoint *a = pattern.AddPoint(0, 0);
    TestPoint *b = pattern.AddPoint(10, 0);
    TestPoint *c = pattern.AddPoint(10, 10);
    TestPolyline *closing = pattern.AddLine({a, b, c, a});
    TestPolyline *tail = pattern.AddLine({c, pattern.AddPoint(20, 20)});
    pattern.BuildContours();
    ASSERT_EQ(pattern.GetContourCount(), 2);
    bool reversed = true;
    int line = -1;
    EXPECT_EQ(pattern.FindContour(tail, reversed, line), 1);
    EXPECT_FALSE(reversed);
    EXPECT_EQ(line, 0);
    EXPECT_EQ(pattern.FindContour(pattern.GetContourAt(1)), 1);
    CPtrCollection<CContour> contours;
    pattern.FindContours(closing, contours);
    EXPECT_EQ(contours.GetCount(), 1);
    contours.RemoveAll();
    pattern.AppendContours(contours, false);
    EXPECT_EQ(contours.GetAt(0), pattern.GetContourAt(1));
    contours.RemoveAll();
    pattern.AppendPointContours(c, contours);
    EXPECT_EQ(contours.GetCount(), 2);
    EXPECT_TRUE(pattern.HasOutlinePoint(b));
    EXPECT_FALSE(pattern.HasOutlinePoint(pattern.GetBasePointAt(3)));
    pattern.SetOutContour(1);
    EXPECT_EQ(pattern.GetOutContour()->GetContourLineAt(0)->GetPolyline(), tail);
    pattern.ClearContours();
    EXPECT_EQ(pattern.GetContourCount(), 0);
}

TEST(PatternTest, JoinsTheNamesOfAssociatedPatterns)
{
    TestPattern pattern;
    TestPattern back;
    back.m_sName = "Back";
    TestPattern sleeve;
    sleeve.m_sName = "Sleeve";
    pattern.AddAssPattern(&back);
    pattern.AddAssPattern(&sleeve);
    EXPECT_EQ(pattern.GetFormatAssPatternNames(), "Back,Sleeve");
    pattern.SetAssPattern(&sleeve);
    EXPECT_EQ(pattern.GetFormatAssPatternNames(), "Sleeve");
    pattern.SetAssPattern(nullptr);
    EXPECT_EQ(pattern.GetFormatAssPatternNames(), "");
    EXPECT_FALSE(pattern.IsMaskPattern());
    EXPECT_EQ(pattern.GetInputPattern(), nullptr);
    EXPECT_EQ(pattern.GetAssociatedPoints(nullptr), 0);
    EXPECT_EQ(pattern.GetOutlineColor(), 0xFFFFFFFFu);
}
