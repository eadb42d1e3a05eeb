// Morvane model library tests.
// The input-pattern collection: adding, refreshing, numbering, the grade mask's locations.
#include "model/InputPatterns.h"

#include "ExpectThrowMessage.h"
#include "FakeGradeSource.h"
#include "PatternFixtures.h"
#include "model/InputPatternMask.h"
#include "model/InputPoint.h"
#include "model/MorvaneException.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace testmodel;

namespace {

/// A grade mask that keeps a location per input pattern and lists patterns placed on it.
class FakeMask : public morvane::InputPatternMask
{
public:
    IPatternLocation *GetInputPatternLocation(CPattern *inputPattern) override
    {
        std::unique_ptr<CPatternLocation> &location = locations[inputPattern];
        if (location == nullptr)
            location = std::make_unique<CPatternLocation>(inputPattern);
        return location.get();
    }
    int GetPatternCount() const override { return static_cast<int>(patterns.size()); }
    CPattern *GetPatternAt(int i) const override { return patterns[static_cast<size_t>(i)]; }

    std::map<CPattern *, std::unique_ptr<CPatternLocation>> locations;
    std::vector<CPattern *> patterns;
};

class InputPatternsTest : public ::testing::Test
{
protected:
    InputPatternsTest()
    {
        FakePoint *a = front.addPoint(0, 0);
        FakePoint *b = front.addPoint(10, 0);
        front.addPoint(4, 5);
        front.addCurve({a, b});
        back.addPoint(100, 100);
        back.addPoint(120, 140);
    }
    CInputPattern *add(FakePattern &source)
    {
        return patterns.GetPatternAt(patterns.AddPattern(&source));
    }
    static std::vector<std::string> labels(const CInputPattern &pattern)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < pattern.GetBasePointCount(); ++i)
            texts.push_back(pattern.GetBasePointAt(i)->GetFormatName());
        return texts;
    }

    FakePattern front{"Front"};
    FakePattern back{"Back"};
    FakeMask mask;
    CInputPatterns patterns;
};

} // namespace

TEST_F(InputPatternsTest, UpdateCentresEachPatternAndNumbersPointsAcrossPatterns)
{
    CInputPattern *first = add(front);
    CInputPattern *second = add(back);
    EventLog log;
    patterns.AddListener(&log);
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        log.events.clear();
        patterns.Update();
        EXPECT_EQ(log.events, (std::vector<std::string>{"16:0", "32:0"}));
        EXPECT_EQ(first->GetOrigin().x, 5.0);
        EXPECT_EQ(first->GetOrigin().y, 2.5);
        EXPECT_EQ(second->GetOrigin().x, 110.0);
        EXPECT_EQ(second->GetOrigin().y, 120.0);
        EXPECT_EQ(labels(*first), (std::vector<std::string>{"P1", "P2", "P3"}));
        EXPECT_EQ(labels(*second), (std::vector<std::string>{"P4", "P5"}));
        EXPECT_EQ(first->GetContourCount(), 1);
    }
    patterns.RemoveListener(&log);
}

TEST_F(InputPatternsTest, AListenerThatThrowsAtTheEndOfAnUpdateReachesTheCaller)
{
    // The grade model that the end of an update asks to grade again may refuse critically.
    struct Refusing : CEventSink
    {
        void OnEndUpdate(EventData *) override
        {
            CMorvaneException::HandleCriticalError(GM_IO_ERROR);
        }
    } refusing;
    add(front);
    patterns.AddListener(&refusing);

    EXPECT_THROW_MSG(patterns.Update(), CMorvaneException, "GM_IO_ERROR");
    patterns.RemoveListener(&refusing);

    EventLog log;
    patterns.AddListener(&log);
    patterns.Update();
    EXPECT_EQ(log.events, (std::vector<std::string>{"16:0", "32:0"}));
    patterns.RemoveListener(&log);
}

TEST_F(InputPatternsTest, WithoutAMaskAPatternLiesAtItsOwnLocationOnItsGradePoints)
{
    CInputPattern *pattern = add(back);
    patterns.Update();
    EXPECT_EQ(patterns.GetInputPatternLocation(pattern), nullptr);
    const IPatternLocation *location = pattern->GetPatternLocation();
    EXPECT_EQ(location->GetPosX(), 110.0);
    EXPECT_EQ(location->GetPosY(), 120.0);
    const DPOINT onMask = pattern->GetBasePointAt(1)->GetPosition(nullptr);
    EXPECT_EQ(onMask.x, 120.0);
    EXPECT_EQ(onMask.y, 140.0);
}

TEST_F(InputPatternsTest, OnAMaskAPatternLiesWhereTheMaskPutsIt)
{
    CInputPattern *pattern = add(front);
    patterns.Update();
    const CDRect before = pattern->GetAbsRect(nullptr);
    EXPECT_EQ(before.minX, 0.0);

    patterns.SetGradeMask(&mask);
    EXPECT_EQ(patterns.GetGradeMask(), &mask);
    IPatternLocation *onMask = pattern->GetPatternLocation();
    EXPECT_EQ(onMask, mask.locations.at(pattern).get());
    onMask->SetPosition(100, 0);
    // Own coordinates are centred on (5, 2.5): the point at (0, 0) lies at (-5, -2.5).
    const DPOINT point = pattern->GetBasePointAt(0)->GetPosition(nullptr);
    EXPECT_EQ(point.x, 95.0);
    EXPECT_EQ(point.y, -2.5);
    EXPECT_EQ(pattern->GetAbsRect(nullptr).minX, 95.0);
    std::vector<DPOINT> shape;
    pattern->GetPatternPolylineAt(0)->GetShape(nullptr, shape, nullptr);
    EXPECT_EQ(describe(shape), (std::vector<std::string>{"(95 -2.5)", "(105 -2.5)"}));

    patterns.SetGradeMask(nullptr);
    EXPECT_EQ(pattern->GetPatternLocation()->GetPosX(), 5.0);
    EXPECT_EQ(pattern->GetAbsRect(nullptr).minX, 0.0);
}

TEST_F(InputPatternsTest, CountsThePatternsFlaggedOnTheirCurrentLocation)
{
    CInputPattern *first = add(front);
    add(back);
    first->SetFlagged();
    EXPECT_EQ(patterns.GetFlaggedPatternCount(), 1);
    patterns.SetGradeMask(&mask);
    EXPECT_EQ(patterns.GetFlaggedPatternCount(), 0);
    patterns.GetPatternAt(1)->SetFlagged();
    EXPECT_EQ(patterns.GetFlaggedPatternCount(), 1);
    EXPECT_FALSE(first->IsFlagged());
}

TEST_F(InputPatternsTest, FindsThePatternMadeFromASourcePattern)
{
    add(front);
    CInputPattern *second = add(back);
    FakePattern never;
    EXPECT_EQ(patterns.FindInputPattern(&back), second->GetInputPattern());
    EXPECT_EQ(patterns.FindInputPattern(&never), nullptr);
    EXPECT_EQ(patterns.FindInputPattern(nullptr), nullptr);
    EXPECT_EQ(second->GetPatternName(), "Back");
}

TEST_F(InputPatternsTest, AddsQuietlyAndLeavesNothingHalfMadeOnACriticalError)
{
    EventLog log;
    patterns.AddListener(&log);
    EXPECT_EQ(patterns.AddPattern(&front), 0);
    EXPECT_EQ(patterns.AddPattern(nullptr), -1);
    back.points[1]->result = GM_LACK_OF_MEMORY;
    EXPECT_THROW_MSG(patterns.AddPattern(&back), CMorvaneException, "GM_LACK_OF_MEMORY");
    EXPECT_EQ(patterns.GetPatternCount(), 1);
    EXPECT_EQ(log.events, std::vector<std::string>{});
    patterns.RemoveListener(&log);
}

TEST_F(InputPatternsTest, RemovesPatterns)
{
    add(front);
    add(back);
    add(front);
    EventLog log;
    patterns.AddListener(&log);
    patterns.RemovePatternAt(7);
    patterns.RemovePatternAt(-1);
    EXPECT_EQ(patterns.GetPatternCount(), 3);
    patterns.RemovePatternAt(1);
    EXPECT_EQ(patterns.GetPatternCount(), 2);
    EXPECT_EQ(patterns.FindInputPattern(&back), nullptr);
    EXPECT_EQ(log.events.size(), 1u);
    patterns.RemoveAll();
    EXPECT_EQ(patterns.GetPatternCount(), 0);
    patterns.RemoveListener(&log);
}

TEST_F(InputPatternsTest, AssociatedPatternsAreTheMaskPatternsThatKeepTheAssociation)
{
    CInputPattern *input = add(front);
    TestPattern associated;
    TestPattern other;
    associated.AddAssPattern(input);
    mask.patterns = {&other, &associated};

    CPtrCollection<CPattern> found;
    found.Add(&other);
    input->GetAssPatterns(found);
    EXPECT_EQ(found.GetCount(), 0); // no grade mask yet

    patterns.SetGradeMask(&mask);
    input->GetAssPatterns(found);
    ASSERT_EQ(found.GetCount(), 1);
    EXPECT_EQ(found.GetAt(0), &associated);

    input->AddAssPattern(&other);
    input->GetAssPatterns(found);
    EXPECT_EQ(found.GetCount(), 2);
    EXPECT_EQ(found.GetAt(0), &other);
    EXPECT_EQ(input->GetFormatAssPatternNames(), "Front,Front");

    input->RemoveAssPattern(&other);
    input->GetAssPatterns(found);
    EXPECT_EQ(found.GetCount(), 1);
    input->ClearAssPatterns();
    input->GetAssPatterns(found);
    EXPECT_EQ(found.GetCount(), 0);
}
