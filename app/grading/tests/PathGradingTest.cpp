// Morvane program grading tests.
// A drag of one point of a grade path spread over the path.
#include "app/grading/PathGrading.h"

#include "GradingFixture.h"

#include <gtest/gtest.h>

namespace {

void expectNear(DPOINT actual, DPOINT expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-12);
    EXPECT_NEAR(actual.y, expected.y, 1e-12);
}

TEST(PathOffsetsTest, TheDraggedPointMovesFullyAndTheEndsStay)
{
    const std::vector<DPOINT> offsets = ComputePathOffsets({{0, 0}, {10, 0}, {20, 0}}, 1, {0, 4});

    ASSERT_EQ(offsets.size(), 3u);
    expectNear(offsets[0], {0, 0});
    expectNear(offsets[1], {0, 4});
    expectNear(offsets[2], {0, 0});
}

TEST(PathOffsetsTest, EachSideFollowsTheTurnAndScaleOfItsSegment)
{
    // The first side's segment (0,0)-(10,0) becomes (0,0)-(20,0): doubled; the second side's
    // (10,0)-(30,0) becomes (20,0)-(30,0): halved towards the last end.
    const std::vector<DPOINT> offsets =
        ComputePathOffsets({{0, 0}, {5, 2}, {10, 0}, {20, 2}, {30, 0}}, 2, {10, 0});

    expectNear(offsets[1], {5, 2});
    expectNear(offsets[2], {10, 0});
    expectNear(offsets[3], {5, -1});
    expectNear(offsets[4], {0, 0});
}

TEST(PathOffsetsTest, APathOfOnePositionMovesNothing)
{
    const std::vector<DPOINT> offsets = ComputePathOffsets({{3, 3}}, 0, {1, 1});

    ASSERT_EQ(offsets.size(), 1u);
    expectNear(offsets[0], {0, 0});
}

class PathGradingTest : public testgrading::GradingFixture
{
};

TEST_F(PathGradingTest, OffsetsAddToTheGradingOfThePathsPointsInOneSize)
{
    const std::vector<PathEntry> path = {{inputPoint(0), {0, 0}},
                                         {nullptr, {10, -2}},
                                         {inputPoint(1), {20, 0}},
                                         {inputPoint(2), {40, 0}}};

    ApplyPathGrading(path, 2, 0, 6, {0, 3});
    ApplyPathGrading(path, 2, 0, 6, {0, 3});

    const DPOINT dragged = absShiftOf(1, 3);
    EXPECT_NEAR(dragged.x, 0, 1e-9);
    EXPECT_NEAR(dragged.y, 12, 1e-9);
    const DPOINT end = absShiftOf(0, 3);
    EXPECT_NEAR(end.x, 0, 1e-9);
    EXPECT_NEAR(end.y, 0, 1e-9);
    const DPOINT otherSize = absShiftOf(1, 2);
    EXPECT_NEAR(otherSize.y, 0, 1e-9);
}

} // namespace
