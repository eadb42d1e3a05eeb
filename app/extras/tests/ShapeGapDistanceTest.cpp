// Morvane program foundation extras tests.
// The gap between chosen segments of two polylines.
#include "app/extras/ShapeGapDistance.h"

#include "foundation/SegmentShape.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct GapCase
{
    const char *name;
    std::vector<DPOINT> first;
    std::vector<DPOINT> second;
    int firstSegment;
    int secondSegment;
    double distance;
};

TEST(ShapeGapDistanceTest, MeasuresBetweenTheChosenSegments)
{
    const std::vector<DPOINT> corner{{0, 0}, {10, 0}, {10, 10}};
    const std::vector<DPOINT> cross{{5, -5}, {5, 5}, {20, 5}};
    const GapCase cases[] = {
        {"crossing", corner, cross, 0, 0, 0.0},
        {"end short of the other", {{0, 0}, {10, 0}}, {{12, -5}, {12, 5}}, 0, 0, 2.0},
        {"parallel and apart", {{0, 0}, {10, 0}}, {{2, 3}, {8, 3}}, 0, 0, 3.0},
        {"collinear and overlapping", {{0, 0}, {10, 0}}, {{5, 0}, {15, 0}}, 0, 0, 0.0},
        {"second segment of each", corner, cross, 1, 1, 0.0},
        {"second segment against first", corner, cross, 1, 0, 5.0},
        {"segment beyond the last point", corner, cross, 2, 0, INFINITY},
        {"negative segment", corner, cross, 0, -1, INFINITY},
        {"single point has no segment", {{1, 1}}, cross, 0, 0, INFINITY},
    };
    for (const GapCase &row : cases) {
        SCOPED_TRACE(row.name);
        const CSegmentShape first(row.first);
        const CSegmentShape second(row.second);
        CShapeGapDistance gap(first, second);
        gap.SetSegments(row.firstSegment, row.secondSegment);
        if (std::isinf(row.distance))
            EXPECT_TRUE(std::isinf(gap.GetDistance()));
        else
            EXPECT_NEAR(gap.GetDistance(), row.distance, 1e-9);
    }
}

TEST(ShapeGapDistanceTest, MeasuresAgainWhenTheSegmentsChange)
{
    const CSegmentShape first(std::vector<DPOINT>{{0, 0}, {10, 0}, {10, 10}});
    const CSegmentShape second(std::vector<DPOINT>{{13, 4}, {13, 10}});
    CShapeGapDistance gap(first, second);
    EXPECT_NEAR(gap.GetDistance(), 5.0, 1e-9);
    gap.SetSegments(1, 0);
    EXPECT_NEAR(gap.GetDistance(), 3.0, 1e-9);
    gap.SetSegments(2, 0);
    EXPECT_TRUE(std::isinf(gap.GetDistance()));
}

} // namespace
