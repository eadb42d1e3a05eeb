// Morvane editing commands tests.
// Sampling a contour between its points, and the shape contexts of the points.
#include "app/commands/association/ContourSampler.h"

#include "app/commands/association/ShapeHistogram.h"
#include "model/GradeMask.h"
#include "model/MaskContour.h"
#include "model/MaskPattern.h"
#include "model/MaskPolyline.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

/// A mask pattern with one open contour along one line through grade points at the corners.
class OpenRun
{
public:
    explicit OpenRun(const std::vector<DPOINT> &corners)
    {
        CPtrCollection<CBasePoint> points;
        for (const DPOINT &corner : corners)
            points.Add(pattern->GetBasePointAt(pattern->AddPoint(corner, GRADE_POINT_GRADE)));
        CPolyline *line = pattern->InsertNewPolyline(-1, GRADE_LINE_TYPE{}, points);
        std::unique_ptr<CMaskContour> made = pattern->CreateMaskContour();
        made->AddContourLine(line, false);
        contour = made.get();
        pattern->InsertContour(0, std::move(made));
    }

    CGradeMask mask;
    std::unique_ptr<CMaskPattern> pattern = mask.MakePattern();
    CMaskContour *contour = nullptr;
};

std::vector<std::string> describe(const std::vector<ContourSample> &samples)
{
    std::vector<std::string> texts;
    for (const ContourSample &sample : samples)
        texts.push_back(std::to_string(static_cast<int>(sample.position.x)) + "," +
                        std::to_string(static_cast<int>(sample.position.y)) +
                        (sample.point != nullptr ? " point" : ""));
    return texts;
}

} // namespace

TEST(ContourSamplerTest, LongRunsBetweenPointsAreSampledShortOnesAreNot)
{
    // A run of 25 gets one sample, 12.5 along; a run of 10 none; the open end its own sample.
    OpenRun run({{0, 0}, {25, 0}, {25, 10}});
    CContourSampler sampler;
    sampler.SetContour(run.contour, false, false);
    sampler.Build();
    EXPECT_EQ(describe(sampler.GetSamples()),
              (std::vector<std::string>{"0,0 point", "12,0", "25,0 point", "25,10 point"}));
    EXPECT_DOUBLE_EQ(sampler.GetSamples()[1].position.x, 12.5);
    ASSERT_EQ(sampler.GetHistogramCount(), 3);
    CBasePoint *middle = run.pattern->GetBasePointAt(1);
    ASSERT_NE(sampler.FindHistogram(middle), nullptr);
    EXPECT_EQ(sampler.FindHistogram(middle)->GetSampleIndex(), 2);

    sampler.Clear();
    EXPECT_EQ(sampler.GetHistogramCount(), 0);
    EXPECT_EQ(sampler.FindHistogram(middle), nullptr);
}

TEST(ContourSamplerTest, SamplesOfARunKeepHalfAStepFromItsEnd)
{
    // 100 long: ten samples a step of 10 apart would put one on the end; the last step stretches.
    OpenRun run({{0, 0}, {100, 0}});
    CContourSampler sampler;
    sampler.SetContour(run.contour, false, false);
    sampler.Build();
    const std::vector<ContourSample> &samples = sampler.GetSamples();
    ASSERT_EQ(samples.size(), 11u);
    EXPECT_DOUBLE_EQ(samples[9].position.x, 90.0);
    EXPECT_DOUBLE_EQ(samples[10].position.x, 100.0);
}

TEST(ContourSamplerTest, PatternPointsOffTheOutlineJoinWhenAsked)
{
    OpenRun run({{0, 0}, {5, 0}});
    const int off = run.pattern->AddPoint({50, 50}, GRADE_POINT_GRADE);
    CContourSampler sampler;
    sampler.SetContour(run.contour, false, true);
    sampler.Build();
    ASSERT_EQ(sampler.GetSamples().size(), 3u);
    const ContourSample &added = sampler.GetSamples().back();
    EXPECT_EQ(added.point, run.pattern->GetBasePointAt(off));
    EXPECT_EQ(added.contour, nullptr);
    EXPECT_EQ(sampler.GetHistogramCount(), 3);

    CContourSampler none;
    none.Build();
    EXPECT_TRUE(none.GetSamples().empty());
}
