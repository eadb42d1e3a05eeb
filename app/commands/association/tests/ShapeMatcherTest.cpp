// Morvane editing commands tests.
// The best partner of a point by shape context, among candidates.
#include "app/commands/association/ShapeMatcher.h"

#include "model/GradeMask.h"
#include "model/MaskContour.h"
#include "model/MaskPattern.h"

#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace {

/// A mask pattern whose one closed line runs through grade points at the corners, moved by
/// (dx, dy).
class ClosedPiece
{
public:
    ClosedPiece(const std::vector<DPOINT> &corners, double dx, double dy)
    {
        CPtrCollection<CBasePoint> points;
        for (const DPOINT &corner : corners)
            points.Add(pattern->GetBasePointAt(
                pattern->AddPoint({corner.x + dx, corner.y + dy}, GRADE_POINT_GRADE)));
        points.Add(points.GetFirst());
        pattern->InsertNewPolyline(-1, GRADE_LINE_TYPE{}, points);
        pattern->BuildContours();
    }

    CContour *contour() const { return pattern->GetContourAt(0); }
    CPtrCollection<CBasePoint> points() const
    {
        CPtrCollection<CBasePoint> all;
        for (int i = 0; i < pattern->GetBasePointCount(); ++i)
            all.Add(pattern->GetBasePointAt(i));
        return all;
    }

    CGradeMask mask;
    std::unique_ptr<CMaskPattern> pattern = mask.MakePattern();
};

const std::vector<DPOINT> kPocket{{0, 20}, {75, 0}, {150, 20}, {150, 170}, {0, 170}};

} // namespace

TEST(ShapeMatcherTest, EveryPointFindsItsCounterpartOnAMovedCopy)
{
    const ClosedPiece first(kPocket, 0, 0);
    const ClosedPiece second(kPocket, 400, -90);
    CShapeMatcher matcher;
    matcher.SetContours(first.contour(), second.contour(), false, false);
    matcher.SetTurnThreshold(60.0 * std::numbers::pi / 180.0);
    matcher.Build();
    const CPtrCollection<CBasePoint> candidates = second.points();
    for (int i = 0; i < static_cast<int>(kPocket.size()); ++i) {
        SCOPED_TRACE(i);
        double cost = -1.0;
        EXPECT_EQ(matcher.FindBestMatch(first.pattern->GetBasePointAt(i), candidates, cost),
                  second.pattern->GetBasePointAt(i));
        EXPECT_NEAR(cost, 0.0, 1e-9);
    }
}

TEST(ShapeMatcherTest, OnlyCandidatesAreChosenAndPointsWithoutContextCostTheMost)
{
    const ClosedPiece first(kPocket, 0, 0);
    const ClosedPiece second(kPocket, 10, 10);
    CShapeMatcher matcher;
    matcher.SetContours(first.contour(), second.contour(), false, false);
    matcher.Build();

    CPtrCollection<CBasePoint> others = second.points();
    others.RemoveAt(0);
    double cost = -1.0;
    CBasePoint *partner = matcher.FindBestMatch(first.pattern->GetBasePointAt(0), others, cost);
    EXPECT_NE(partner, nullptr);
    EXPECT_NE(partner, second.pattern->GetBasePointAt(0));
    EXPECT_GT(cost, 0.0);

    cost = -1.0;
    EXPECT_EQ(matcher.FindBestMatch(second.pattern->GetBasePointAt(0), others, cost), nullptr)
        << "a point of the second contour has no context on the first";
    EXPECT_EQ(cost, CShapeMatcher::kNoContextCost);

    cost = -1.0;
    EXPECT_EQ(matcher.FindBestMatch(first.pattern->GetBasePointAt(0), {}, cost), nullptr);
    EXPECT_EQ(cost, -1.0) << "no candidate leaves the cost as it was";
}
