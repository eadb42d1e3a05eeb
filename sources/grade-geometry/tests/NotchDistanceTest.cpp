// Morvane grade geometry tests.
// Notch distances along a shape: before, on and past the polyline, and beyond float's range.
#include "sources/grade-geometry/NotchDistance.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

using morvane::notchDistance;

TEST(NotchDistanceTest, MeasuresAlongTheProlongedShape)
{
    const std::vector<DPOINT> shape = {{0, 0}, {10, 0}, {10, 10}};
    struct Case
    {
        const char *name;
        DPOINT point;
        float expected;
    };
    const Case cases[] = {
        {"on the second segment", {10, 5}, 15.0f},
        {"before the first point", {-5, 0}, -5.0f},
        {"past the last point", {10, 15}, 25.0f},
        {"beside the first segment", {5, 3}, 5.0f},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_FLOAT_EQ(notchDistance(shape, row.point), row.expected);
    }
    EXPECT_EQ(notchDistance(std::vector<DPOINT>{{3, 3}}, {7, 7}), 0.0f);
    EXPECT_EQ(notchDistance({}, {7, 7}), 0.0f);
}

TEST(NotchDistanceTest, DistancesBeyondFloatBecomeInfinity)
{
    const std::vector<DPOINT> shape = {{0, 0}, {1e300, 0}};
    EXPECT_EQ(notchDistance(shape, {1e300, 0}), std::numeric_limits<float>::infinity());
    EXPECT_FLOAT_EQ(notchDistance(shape, {-1e300, 0}), -1000.0f);
}
