// Morvane model library tests.
// Grade paths along a pattern's contour: filling, points and shapes, lengths, the two paths
// between two points, and the stretch of an outline inside a grade region.
#include "model/GradePath.h"

#include "MaskFixtures.h"
#include "RegionFixtures.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

using namespace testmodel;

namespace {

using Texts = std::vector<std::string>;

/// The labels of the points (vertices between points as "-").
Texts labelsOf(const std::vector<PATTERNDPOINT> &points)
{
    Texts labels;
    for (const PATTERNDPOINT &point : points)
        labels.push_back(point.pointIndex < 0
                             ? "-"
                             : point.pattern->GetBasePointAt(point.pointIndex)->GetFormatName());
    return labels;
}

Texts labelsOf(const IGradePath &path)
{
    std::vector<PATTERNDPOINT> points;
    path.GetPoints(points, nullptr);
    return labelsOf(points);
}

Texts labelsOf(const CPtrCollection<CBasePoint> &points)
{
    Texts labels;
    for (const CBasePoint *point : points)
        labels.push_back(point->GetFormatName());
    return labels;
}

Texts segmentNames(const IGradePath &path)
{
    Texts names;
    for (int i = 0; i < path.GetSegmentCount(); ++i)
        names.push_back(path.GetSegmentAt(i)->GetName());
    return names;
}

// The square of the fixtures on a mask: P1 (0, 0), P2 (40, 0), P3 (40, 40), P4 (0, 40) and
// the ordinary point I1 (20, -1); the lines P1-I1-P2 and P2-P3-P4-P1 make one closed
// counter-clockwise contour.
class GradePathTest : public ::testing::Test
{
protected:
    CBasePoint *point(int i) const { return square->GetBasePointAt(i); }

    CGradeMask mask;
    CMaskPattern *square = placeSquare(mask, "Front");
};

} // namespace

// The mask's lines list only their grade points in their shapes: I1 is a vertex between them.
TEST_F(GradePathTest, APathOverTwoPolylinesListsTheJunctionOnceInPointsTwiceInTheShape)
{
    CGradePath path;
    path.FillPath(point(0), point(2), false);
    EXPECT_EQ(segmentNames(path), (Texts{"P1 - P2", "P2 - P3"}));
    EXPECT_EQ(labelsOf(path), (Texts{"P1", "-", "P2", "P3"}));
    std::vector<DPOINT> shape;
    path.GetShape(shape, nullptr);
    ASSERT_EQ(shape.size(), 5U);
    EXPECT_EQ(shape[1].y, -1);
    EXPECT_EQ(shape[2].x, 40);
    EXPECT_EQ(shape[3].x, 40);
    EXPECT_EQ(shape[3].y, 0);
    EXPECT_EQ(path.GetGradePlaceCount(nullptr), 4);
    double x = 0;
    double y = 0;
    path.GetGradePlaceAt(nullptr, 3, x, y);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 40);

    // Numbered segment by segment: the junction counts in both segments.
    CPattern *pattern = nullptr;
    int polyline = -1;
    int vertex = -1;
    ASSERT_TRUE(path.GetPointAt(4, pattern, polyline, vertex, nullptr));
    EXPECT_EQ(pattern, square);
    EXPECT_EQ(polyline, 1);
    EXPECT_EQ(vertex, 1);
    ASSERT_TRUE(path.GetPointAt(2, pattern, polyline, vertex, nullptr));
    EXPECT_EQ(polyline, 0);
    EXPECT_EQ(vertex, 2);
    ASSERT_TRUE(path.GetPointAt(3, pattern, polyline, vertex, nullptr));
    EXPECT_EQ(polyline, 1);
    EXPECT_EQ(vertex, 0);
    EXPECT_FALSE(path.GetPointAt(5, pattern, polyline, vertex, nullptr));
}

TEST_F(GradePathTest, KnowsItsGradePointsEndsAndLength)
{
    CGradePath path;
    path.FillPath(point(0), point(2), false);
    CPtrCollection<CBasePoint> gradePoints;
    path.AppendGradePoints(gradePoints);
    EXPECT_EQ(labelsOf(gradePoints), (Texts{"P1", "P2", "P3"}));
    EXPECT_TRUE(path.ExistsInPath(point(1)));
    EXPECT_FALSE(path.ExistsInPath(point(4)));
    EXPECT_FALSE(path.ExistsInPath(point(3)));
    CPtrCollection<CBasePoint> others;
    others.Add(point(3));
    EXPECT_FALSE(path.ExistsOnOfInPath(others));
    others.Add(point(2));
    EXPECT_TRUE(path.ExistsOnOfInPath(others));
    EXPECT_EQ(path.GetFirstPoint(), point(0));
    EXPECT_EQ(path.GetLastPoint(), point(2));
    EXPECT_EQ(path.GetPattern(), square);
    EXPECT_NEAR(path.GetPathLength(nullptr), 2 * std::hypot(20.0, 1.0) + 40, 1e-9);

    CGradePath copy;
    copy.Append(path);
    EXPECT_EQ(segmentNames(copy), segmentNames(path));
    EXPECT_TRUE(copy.ExistsInPath(point(1)));

    path.Clear();
    EXPECT_EQ(path.GetFirstPoint(), nullptr);
    EXPECT_EQ(path.GetLastPoint(), nullptr);
    EXPECT_EQ(path.GetPattern(), nullptr);
    EXPECT_EQ(path.GetPathLength(nullptr), 0.0);
    EXPECT_FALSE(path.ExistsInPath(point(1)));
}

TEST_F(GradePathTest, TheOtherWayRoundRunsAgainstTheLines)
{
    CGradePath path;
    path.FillPath(point(0), point(2), true);
    EXPECT_EQ(segmentNames(path), (Texts{"P1 - P4", "P4 - P3"}));
    EXPECT_TRUE(path.GetSegmentAt(0)->IsReversed());
    EXPECT_EQ(path.GetSegmentAt(0)->GetMinIndex(), 2);
    EXPECT_EQ(path.GetSegmentAt(0)->GetMaxIndex(), 3);
    EXPECT_EQ(labelsOf(path), (Texts{"P1", "P4", "P3"}));
    EXPECT_NEAR(path.GetPathLength(nullptr), 80.0, 1e-9);
}

TEST_F(GradePathTest, AppendPathsPutsTheReversePathFirst)
{
    COwningCollection<IGradePath> paths;
    CGradePath::AppendPaths(point(0), point(2), paths);
    ASSERT_EQ(paths.GetCount(), 2);
    EXPECT_EQ(labelsOf(*paths.GetAt(0)), (Texts{"P1", "P4", "P3"}));
    EXPECT_EQ(labelsOf(*paths.GetAt(1)), (Texts{"P1", "-", "P2", "P3"}));

    // A point of another pattern is on no contour of the first: no path either way.
    CMaskPattern *other = placeSquare(mask, "Back");
    CGradePath::AppendPaths(point(0), other->GetBasePointAt(2), paths);
    EXPECT_EQ(paths.GetCount(), 2);
}

TEST_F(GradePathTest, AnEmptySegmentNeverSurvives)
{
    CGradePath path;
    path.FillPath(point(1), point(1), false);
    EXPECT_EQ(path.GetSegmentCount(), 0);
    path.FillPath(nullptr, point(1), false);
    EXPECT_EQ(path.GetSegmentCount(), 0);
    path.FillPath(point(1), nullptr, true);
    EXPECT_EQ(path.GetSegmentCount(), 0);
    CMaskPoint loose;
    path.FillPath(&loose, point(1), true);
    EXPECT_EQ(path.GetSegmentCount(), 0);

    path.AddSegment(square, 1, 2, 2, false);
    path.AddSegment(square, 1, 0, 3, false);
    path.AddSegment(square, 1, 1, 1, true);
    path.RemoveEmptySegments();
    ASSERT_EQ(path.GetSegmentCount(), 1);
    path.SplitToGradePoints();
    EXPECT_EQ(segmentNames(path), (Texts{"P2 - P3", "P3 - P4", "P4 - P1"}));
    path.RemoveAt(1);
    EXPECT_EQ(segmentNames(path), (Texts{"P2 - P3", "P4 - P1"}));

    const CPathSegment fresh;
    EXPECT_EQ(fresh.GetName(), "P? - P?");
    EXPECT_EQ(fresh.GetStartPoint(), nullptr);
    EXPECT_EQ(fresh.GetLength(nullptr), 0.0);
}

TEST_F(GradePathTest, TheRunInsideARegionGoesFromTheEndNearerItsPosition)
{
    struct Row
    {
        const char *name;
        RegionShape region;
        bool found;
        const char *start;
        const char *end;
        bool direction;
    };
    const Row rows[] = {
        {"base below: start nearer", boxShape(35, -5, 45, 45), true, "P2", "P3", false},
        {"base above: end nearer",
         {{40, 45}, -std::numbers::pi / 2, -5.0, 5.0, 50.0},
         true,
         "P3",
         "P2",
         true},
        {"one point inside", boxShape(-5, -5, 5, 5), false, "", "", false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CGradeRegion region;
        shapeRegion(region, row.region);
        CBasePoint *start = point(4);
        CBasePoint *end = point(4);
        bool direction = !row.direction;
        ASSERT_EQ(square->FindGradePathReg(region, start, end, direction), row.found);
        if (!row.found) {
            EXPECT_EQ(start, nullptr);
            EXPECT_EQ(end, nullptr);
            continue;
        }
        EXPECT_EQ(start->GetFormatName(), row.start);
        EXPECT_EQ(end->GetFormatName(), row.end);
        EXPECT_EQ(direction, row.direction);
        CGradePath path;
        path.FillPath(start, end, direction);
        EXPECT_NEAR(path.GetPathLength(nullptr), 40.0, 1e-9);
    }
}

// The outline is asked where it lies now: moving the pattern moves the run it finds.
TEST_F(GradePathTest, TheRunInsideARegionFollowsAMovedPattern)
{
    CGradeRegion region;
    shapeRegion(region, boxShape(35, -5, 45, 45));
    CBasePoint *start = nullptr;
    CBasePoint *end = nullptr;
    bool direction = false;
    ASSERT_TRUE(square->FindGradePathReg(region, start, end, direction));
    EXPECT_EQ(start, point(1));

    square->SetPatternLocation(-40, 0, 0, false);
    EXPECT_FALSE(square->FindGradePathReg(region, start, end, direction));
    square->SetPatternLocation(0, 0, 90, false);
    // Turned a quarter about its origin: P1 (0, 0), P2 (0, 40), P3 (-40, 40), P4 (-40, 0).
    shapeRegion(region, boxShape(-45, -5, -35, 45));
    ASSERT_TRUE(square->FindGradePathReg(region, start, end, direction));
    EXPECT_EQ(start, point(3));
    EXPECT_EQ(end, point(2));
}

// One closed line P1-P2-P3-P4-P1 (points 0 to 3): either way round from P1 crosses its joint.
TEST(GradePathClosedLineTest, WalksAcrossTheJointOfAClosedLine)
{
    CGradeMask mask;
    std::unique_ptr<CMaskPattern> pattern = mask.MakePattern();
    pattern->SetPatternName("Ring");
    for (const DPOINT p : {DPOINT{0, 0}, DPOINT{40, 0}, DPOINT{40, 30}, DPOINT{0, 30}})
        pattern->AddPoint(p, GRADE_POINT_GRADE);
    addLine(*pattern, {0, 1, 2, 3, 0});
    pattern->BuildContours();
    CMaskPattern *ring = pattern.get();
    mask.InsertPatternAt(0, std::move(pattern));
    struct Row
    {
        const char *name;
        int from;
        int to;
        bool reverse;
        Texts labels;
        double length;
    };
    const Row rows[] = {
        {"forward from the joint", 0, 2, false, {"P1", "P2", "P3"}, 70},
        {"backward from the joint", 0, 2, true, {"P1", "P4", "P3"}, 70},
        {"forward into the joint", 2, 0, false, {"P3", "P4", "P1"}, 70},
        {"forward across the joint", 3, 1, false, {"P4", "P1", "P2"}, 70},
        {"backward across the joint", 1, 3, true, {"P2", "P1", "P4"}, 70},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CGradePath path;
        path.FillPath(ring->GetBasePointAt(row.from), ring->GetBasePointAt(row.to), row.reverse);
        EXPECT_EQ(labelsOf(path), row.labels);
        EXPECT_NEAR(path.GetPathLength(nullptr), row.length, 1e-9);
        EXPECT_EQ(path.GetFirstPoint(), ring->GetBasePointAt(row.from));
        EXPECT_EQ(path.GetLastPoint(), ring->GetBasePointAt(row.to));
    }
}
