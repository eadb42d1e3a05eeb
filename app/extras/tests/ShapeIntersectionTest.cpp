// Morvane program foundation extras tests.
// Where two polylines meet: directly, on an extension, between extensions, or not at all.
#include "app/extras/ShapeIntersection.h"

#include "foundation/SegmentShape.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr double kTight = 1e-9;

// A polyline whose parameter runs from start down to start minus its length.
class BackwardCurve : public CSegmentShape
{
public:
    BackwardCurve(std::vector<DPOINT> points, double start)
        : CSegmentShape(points), m_start(start)
    {}
    double GetStartParam() const override { return m_start; }
    double GetEndParam() const override { return m_start - GetLength(); }

private:
    double m_start;
};

CSegmentShape polyline(std::vector<DPOINT> points)
{
    return CSegmentShape(points);
}

struct MeetingCase
{
    const char *name;
    std::vector<DPOINT> first;
    std::vector<DPOINT> second;
    double x;
    double y;
    double firstParameter;
    double secondParameter;
};

} // namespace

TEST(ShapeIntersectionTest, FindsTheMeetingAndTheParameterOnEachCurve)
{
    const MeetingCase cases[] = {
        {"crossing", {{0, 0}, {10, 0}}, {{5, -5}, {5, 5}}, 5, 0, 5, 5},
        {"first meeting along the first curve",
         {{0, 0}, {10, 0}, {10, 10}},
         {{12, 8}, {8, 8}, {8, -2}},
         8, 0, 8, 12},
        {"end of the first prolonged", {{0, 0}, {10, 0}}, {{12, -5}, {12, 5}}, 12, 0, 12, 5},
        {"start of the first prolonged", {{0, 0}, {10, 0}}, {{-3, -5}, {-3, 5}}, -3, 0, -3, 5},
        {"end of the second prolonged", {{5, -5}, {5, 5}}, {{0, 2}, {3, 2}}, 5, 2, 7, 5},
        {"two ends prolonged", {{0, 0}, {10, 0}}, {{13, 4}, {13, 2}}, 13, 0, 13, 4},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        const CShapeIntersection meeting(polyline(row.first), polyline(row.second), 5.0);
        ASSERT_EQ(meeting.IsFound(), 1);
        EXPECT_NEAR(meeting.GetPoint(0).x, row.x, kTight);
        EXPECT_NEAR(meeting.GetPoint(3).y, row.y, kTight);
        EXPECT_NEAR(meeting.GetFirstParameter(), row.firstParameter, kTight);
        EXPECT_NEAR(meeting.GetSecondParameter(), row.secondParameter, kTight);
    }
}

TEST(ShapeIntersectionTest, CurvesThatNeverMeetKeepTheirStartParameters)
{
    const BackwardCurve first({{0, 0}, {10, 0}}, 20.0);
    const CShapeIntersection apart(first, polyline({{0, 50}, {10, 50}}), 5.0);
    EXPECT_EQ(apart.IsFound(), 0);
    EXPECT_EQ(apart.GetPoint(0).x, 0.0);
    EXPECT_EQ(apart.GetPoint(0).y, 0.0);
    EXPECT_EQ(apart.GetFirstParameter(), 20.0);
    EXPECT_EQ(apart.GetSecondParameter(), 0.0);

    const CShapeIntersection tooShort(polyline({{0, 0}, {10, 0}}), polyline({{17, -5}, {17, 5}}),
                                      5.0);
    EXPECT_EQ(tooShort.IsFound(), 0) << "the extension ends at 15";
}

TEST(ShapeIntersectionTest, ABackwardCurveCountsDownFromItsStart)
{
    const BackwardCurve first({{0, 0}, {10, 0}}, 20.0);
    const CShapeIntersection meeting(first, polyline({{4, -5}, {4, 5}}), 5.0);
    ASSERT_EQ(meeting.IsFound(), 1);
    EXPECT_NEAR(meeting.GetFirstParameter(), 16.0, kTight);
    EXPECT_NEAR(meeting.GetSecondParameter(), 5.0, kTight);
}

TEST(ShapeIntersectionTest, ACurveOfOnePointMeetsNothing)
{
    const CShapeIntersection meeting(polyline({{5, 0}}), polyline({{5, -5}, {5, 5}}), 5.0);
    EXPECT_EQ(meeting.IsFound(), 0);
}
