// Morvane model library tests.
// Input patterns and their points: creation from a source, merging, sliders, moving grade points.
#include "model/InputPattern.h"

#include "ExpectThrowMessage.h"
#include "FakeGradeSource.h"
#include "PatternFixtures.h"
#include "model/GradeSize.h"
#include "model/InputPoint.h"
#include "model/MorvaneException.h"
#include "model/NoGeomPolyline.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

using namespace testmodel;

namespace {

class InputPatternTest : public ::testing::Test
{
protected:
    void build()
    {
        pattern.Create(&source, nullptr);
        int grade = 0;
        int other = 0;
        pattern.SetPointsId(grade, other);
    }
    CInputPoint *inputPointOf(const FakePoint *point)
    {
        const int index = pattern.FindInputPoint(point);
        return index >= 0 ? pattern.GetInputPointAt(index) : nullptr;
    }
    std::vector<const IGradePoint *> basePointSources() const
    {
        std::vector<const IGradePoint *> sources;
        for (int i = 0; i < pattern.GetBasePointCount(); ++i)
            sources.push_back(pattern.GetInputPointAt(i)->GetGradePoint());
        return sources;
    }

    FakePattern source;
    CInputPattern pattern;
};

void expectStored(const FakePoint &point, int table, int size, double x, double y)
{
    const auto found = point.stored.find({table, size});
    ASSERT_NE(found, point.stored.end());
    EXPECT_NEAR(found->second.x, x, 1e-6);
    EXPECT_NEAR(found->second.y, y, 1e-6);
}

} // namespace

TEST_F(InputPatternTest, MakesPointsOnCurvesThenFreeThenMarkThenSliderPoints)
{
    FakePoint *mark = source.addPoint(10, 10);
    mark->isMark = true;
    FakePoint *slider = source.addPoint(50, 0);
    FakePoint *free = source.addPoint(20, 20);
    FakePoint *end = source.addPoint(100, 0);
    FakePoint *start = source.addPoint(0, 0);
    FakePoint *markOnCurve = source.addPoint(60, 0);
    markOnCurve->isMark = true;
    FakeCurve *curve = source.addCurve({start, markOnCurve, end});
    slider->slideCurve = curve;
    build();

    EXPECT_EQ(basePointSources(),
              (std::vector<const IGradePoint *>{end, start, markOnCurve, free, mark, slider}));
    ASSERT_EQ(pattern.GetMarkPointCount(), 1);
    EXPECT_EQ(pattern.GetMarkPointAt(0), inputPointOf(mark));
    ASSERT_EQ(pattern.GetPolylineCount(), 1);
    const CPolyline *line = pattern.GetPatternPolylineAt(0);
    ASSERT_EQ(line->GetPointCount(), 3);
    EXPECT_EQ(line->GetBasePointAt(0), inputPointOf(start));
    EXPECT_EQ(line->GetBasePointAt(2), inputPointOf(end));
    EXPECT_EQ(pattern.GetInputPolylineAt(0)->GetGradeCurve(), curve);
    EXPECT_EQ(pattern.FindCurvePolyline(curve), pattern.GetInputPolylineAt(0));
    EXPECT_EQ(pattern.GetPatternName(), "Back");
}

TEST_F(InputPatternTest, MergesSourcePointsCloserThanTheMergeDistance)
{
    struct Case
    {
        const char *name;
        double offset;
        bool merged;
    };
    const Case cases[] = {
        {"0.24 apart", 0.24, true},
        {"0.25 apart", 0.25, false},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        FakePattern rowSource;
        FakePoint *first = rowSource.addPoint(3, 4);
        FakePoint *second = rowSource.addPoint(3, 4 + row.offset);
        CInputPattern rowPattern;
        rowPattern.Create(&rowSource, nullptr);
        EXPECT_EQ(rowPattern.GetBasePointCount(), row.merged ? 1 : 2);
        EXPECT_EQ(rowPattern.GetInputPointAt(0)->HasMergedGradePoints(), row.merged);
        EXPECT_EQ(rowPattern.FindInputPoint(second), row.merged ? 0 : 1);
        EXPECT_EQ(rowPattern.FindInputPoint(first), 0);
    }
}

TEST_F(InputPatternTest, MergesAgainstThePointsOwnPlaceNotItsMergedPoints)
{
    source.addPoint(0, 0);
    source.addPoint(0.2, 0);
    FakePoint *third = source.addPoint(0.4, 0); // 0.2 from the merged point, 0.4 from the first
    build();
    EXPECT_EQ(pattern.GetBasePointCount(), 2);
    EXPECT_EQ(pattern.FindInputPoint(third), 1);
}

TEST_F(InputPatternTest, SliderAtAPointBecomesATiedSliderLabelledWithThePointsId)
{
    source.addPoint(-5, 0);
    FakePoint *point = source.addPoint(5, 0);
    FakeCurve *curve = source.addCurve({source.addPoint(0, 0), source.addPoint(10, 0)});
    FakePoint *slider = source.addPoint(5.1, 0);
    slider->slideCurve = curve;
    build();

    ASSERT_EQ(pattern.GetBasePointCount(), 4);
    CInputPoint *carrier = inputPointOf(point);
    EXPECT_EQ(pattern.FindInputPoint(slider), pattern.FindInputPoint(point));
    EXPECT_TRUE(carrier->HasTiedSliderPoints());
    EXPECT_FALSE(carrier->IsSliderPoint());
    EXPECT_EQ(carrier->GetFormatName(), "P4");

    CPolyline *line = nullptr;
    CBasePoint *tied = carrier->FindSliderPoint(line);
    ASSERT_NE(tied, nullptr);
    EXPECT_NE(tied, carrier);
    EXPECT_EQ(line, pattern.GetInputPolylineAt(0));
    EXPECT_TRUE(tied->IsSliderPoint());
    EXPECT_EQ(tied->GetFormatName(), "S4");
    EXPECT_EQ(tied->GetInputPoint()->GetGradePoint(), slider);
    EXPECT_EQ(carrier->GetTiedSliderCurve(), curve);
}

TEST_F(InputPatternTest, SliderOnAnotherCurveThanTheTiedOneStaysAPointOfItsOwn)
{
    FakePoint *point = source.addPoint(5, 0);
    FakeCurve *first = source.addCurve({source.addPoint(0, 0), source.addPoint(10, 0)});
    FakeCurve *second = source.addCurve({source.addPoint(5, -5), source.addPoint(5, 5)});
    FakePoint *onFirst = source.addPoint(5.1, 0);
    onFirst->slideCurve = first;
    FakePoint *onSecond = source.addPoint(5, 0.1);
    onSecond->slideCurve = second;
    build();

    CInputPoint *own = inputPointOf(onSecond);
    ASSERT_NE(own, nullptr);
    EXPECT_NE(own, inputPointOf(point));
    EXPECT_TRUE(own->IsSliderPoint());
    EXPECT_EQ(own->GetFormatName(), "P6");
    CPolyline *line = nullptr;
    EXPECT_EQ(own->FindSliderPoint(line), own);
    EXPECT_EQ(line, pattern.GetInputPolylineAt(1));

    CInputPoint plain; // a point with neither a slide nor tied sliders
    plain.Create(&pattern, source.points[0].get());
    EXPECT_EQ(plain.FindSliderPoint(line), nullptr);
    EXPECT_EQ(line, nullptr);
}

TEST_F(InputPatternTest, PointLiesWhereTheSourceSaysLessTheOrigin)
{
    FakePoint *point = source.addPoint(12, 7);
    point->growth = {1, 2};
    build();
    pattern.SetOrigin(10, 5);
    CInputPoint *input = inputPointOf(point);
    EXPECT_EQ(input->GetX(), 2.0);
    EXPECT_EQ(input->GetY(), 2.0);
    // The pattern's own location sits at the origin: on the mask the point is where the source
    // put it.
    const DPOINT onMask = input->GetPosition(nullptr);
    EXPECT_EQ(onMask.x, 12.0);
    EXPECT_EQ(onMask.y, 7.0);
    CSimpleGradeSize size;
    size.Create(1, 0);
    EXPECT_EQ(input->GetPosition(&size).x, 13.0);
    const DPOINT shift = input->GetGradeShift({}, {1, 1});
    EXPECT_EQ(shift.x, 2.0);
    EXPECT_EQ(shift.y, 4.0);
}

TEST_F(InputPatternTest, UpdateOriginCentresOwnCoordinatesOnTheGradePoints)
{
    source.addPoint(10, 20);
    source.addPoint(30, 60);
    build();
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        pattern.UpdateOrigin();
        EXPECT_EQ(pattern.GetOrigin().x, 20.0);
        EXPECT_EQ(pattern.GetOrigin().y, 40.0);
        EXPECT_EQ(pattern.GetInputPointAt(0)->GetX(), -10.0);
        EXPECT_EQ(pattern.GetPatternLocation()->GetPosX(), 20.0);
    }

    CInputPattern empty;
    FakePattern nothing;
    empty.Create(&nothing, nullptr);
    empty.UpdateOrigin();
    EXPECT_EQ(empty.GetOrigin().x, 0.0);
}

TEST_F(InputPatternTest, MoveGradePointWritesBackToTheSourceAndToMergedPoints)
{
    FakePoint *point = source.addPoint(0, 0);
    FakePoint *merged = source.addPoint(0.1, 0);
    FakeCurve *curve = source.addCurve({source.addPoint(-10, 0), source.addPoint(10, 0)});
    FakePoint *slider = source.addPoint(0, 0.1);
    slider->slideCurve = curve;
    slider->growth = {0, 1};
    point->growth = {1, 0};
    build();
    CInputPoint *input = inputPointOf(point);
    ASSERT_TRUE(input->HasMergedGradePoints());
    ASSERT_TRUE(input->HasTiedSliderPoints());

    EventLog log;
    pattern.AddListener(&log);
    input->MoveGradePoint({0, 2}, 0.5, -1);
    expectStored(*point, 0, 2, 3.5, -1);
    expectStored(*merged, 0, 2, 3.5, -1);
    expectStored(*slider, 0, 2, 0.5, 2.1);
    // Around each move (the point's, then its tied slider's) the grading notifications.
    EXPECT_EQ(log.events, (std::vector<std::string>{"4:0", "4:0", "8:0", "8:0"}));

    input->MoveGradePoint({}, 5, 5);
    EXPECT_EQ(point->stored.size(), 1u);
    pattern.RemoveListener(&log);
}

TEST_F(InputPatternTest, AbsoluteMovesTurnTheShiftIntoThePatternsOrientation)
{
    FakePoint *point = source.addPoint(4, 0);
    build();
    pattern.SetPatternLocation(0, 0, 90, false);
    CInputPoint *input = inputPointOf(point);

    input->MoveGradePointAbs({0, 0}, 0, 1);
    expectStored(*point, 0, 0, 5, 0);

    // On the mask the base-size point lies at (0, 4); moving it to (-2, 4) is a shift of 2
    // along the pattern's y axis.
    input->MoveGradePointTo({0, 1}, -2, 4);
    expectStored(*point, 0, 1, 4, 2);

    const DPOINT shift = input->GetAbsGradeShift({}, {0, 0});
    EXPECT_NEAR(shift.x, 0.0, 1e-6);
    EXPECT_NEAR(shift.y, 1.0, 1e-6);
}

TEST_F(InputPatternTest, MoveToPutsThePointWhereAskedInThatSize)
{
    FakePoint *point = source.addPoint(50, 0);
    point->growth = {3, 0};
    source.addPoint(0, 10);
    build();
    pattern.SetPatternLocation(pattern.GetPatternLocation()->GetPosX(),
                               pattern.GetPatternLocation()->GetPosY(), 90, false);
    CInputPoint *input = inputPointOf(point);
    for (const GradeSize key : {GradeSize{0, 0}, GradeSize{0, 1}, GradeSize{0, 2}}) {
        SCOPED_TRACE(key.size);
        input->MoveGradePointTo(key, 47, 5);
        const DPOINT placed = pattern.TransformToAbsolute(input->GetPositionForKey(key));
        EXPECT_NEAR(placed.x, 47.0, 1e-6);
        EXPECT_NEAR(placed.y, 5.0, 1e-6);
    }
}

TEST_F(InputPatternTest, SyncGradingRewritesEverySizeAndClearsTheLinkedPoint)
{
    FakePoint *point = source.addPoint(0, 0);
    point->growth = {1, 0};
    FakePoint *merged = source.addPoint(0.1, 0);
    FakePoint *other = source.addPoint(50, 0);
    build();
    CInputPoint *input = inputPointOf(point);
    input->SetLinkedPoint(inputPointOf(other));
    ASSERT_EQ(input->GetLinkedPoint(), inputPointOf(other));

    input->SyncGrading(1, 2);
    expectStored(*merged, 1, 0, 1, 0);
    expectStored(*merged, 1, 1, 2, 0);
    EXPECT_EQ(input->GetLinkedPoint(), inputPointOf(other));
    input->SyncGrading(0, 1);
    EXPECT_EQ(input->GetLinkedPoint(), nullptr);

    input->SetLinkedPoint(inputPointOf(other));
    input->SyncAllGrading({1, 0, 3});
    EXPECT_EQ(merged->stored.size(), 6u);
    expectStored(*merged, 2, 2, 3, 0);
    EXPECT_EQ(input->GetLinkedPoint(), nullptr);
}

TEST_F(InputPatternTest, SliderAnchorIsThePointOfTheCurveGradePointNamed)
{
    FakePoint *start = source.addPoint(0, 0);
    FakePoint *end = source.addPoint(10, 0);
    FakeCurve *curve = source.addCurve({start, end});
    FakePoint *slider = source.addPoint(4, 0);
    slider->slideCurve = curve;
    slider->sliderIndex = 1;
    FakePoint *lost = source.addPoint(6, 0);
    lost->slideCurve = curve;
    lost->sliderIndex = 2; // the curve has no third grade point
    build();

    CPolyline *line = nullptr;
    EXPECT_EQ(inputPointOf(slider)->GetSliderAnchor(line), inputPointOf(end));
    EXPECT_EQ(line, pattern.GetInputPolylineAt(0));
    EXPECT_EQ(inputPointOf(lost)->GetSliderAnchor(line), nullptr);
    EXPECT_EQ(inputPointOf(start)->GetSliderAnchor(line), nullptr);
    EXPECT_EQ(line, nullptr);
}

TEST_F(InputPatternTest, FlagIsKeptOnTheLocation)
{
    build();
    EXPECT_FALSE(pattern.IsFlagged());
    pattern.SetFlagged();
    EXPECT_TRUE(pattern.GetPatternLocation()->GetSecondFlag());
    pattern.ClearFlagged();
    EXPECT_FALSE(pattern.IsFlagged());
}

TEST_F(InputPatternTest, CriticalErrorOfTheSourceEndsTheCreation)
{
    struct Case
    {
        const char *name;
        GM_ERROR pattern;
        GM_ERROR point;
        GM_ERROR curve;
        const char *message; // null: no error
    };
    const Case cases[] = {
        {"pattern", GM_BAD_STRUCTURE, GM_NO_ERROR, GM_NO_ERROR, "GM_BAD_STRUCTURE"},
        {"point", GM_NO_ERROR, GM_IO_ERROR, GM_NO_ERROR, "GM_IO_ERROR"},
        {"curve", GM_NO_ERROR, GM_NO_ERROR, GM_INVALID_REQUEST_FORMAT, "GM_INVALID_REQUEST_FORMAT"},
        {"missing file is no critical error", GM_NO_SUCH_FILE, GM_NO_SUCH_FILE, GM_NO_SUCH_FILE,
         nullptr},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        FakePattern rowSource;
        FakeCurve *curve = rowSource.addCurve({rowSource.addPoint(0, 0), rowSource.addPoint(5, 0)});
        rowSource.result = row.pattern;
        rowSource.points[0]->result = row.point;
        curve->result = row.curve;
        CInputPattern rowPattern;
        if (row.message == nullptr)
            EXPECT_NO_THROW(rowPattern.Create(&rowSource, nullptr));
        else
            EXPECT_THROW_MSG(rowPattern.Create(&rowSource, nullptr), CMorvaneException,
                             row.message);
    }
}

TEST_F(InputPatternTest, WithstandsASourceThatContradictsItself)
{
    struct Case
    {
        const char *name;
        void (*spoil)(FakePattern &source, FakeCurve &curve);
        int lines;
        int points;
    };
    const Case cases[] = {
        {"negative counts",
         [](FakePattern &source, FakeCurve &curve) {
             source.statedCurveCount = -3;
             source.statedPointCount = -1;
             curve.statedNotchCount = -2;
         },
         0, 0},
        {"counts beyond what it holds",
         [](FakePattern &source, FakeCurve &curve) {
             source.statedCurveCount = 1 << 30;
             source.statedPointCount = 1 << 30;
             curve.statedGradePointCount = 1 << 30;
             curve.statedNotchCount = 1 << 30;
         },
         1, 3},
        {"curve grade point that is no point of the pattern",
         [](FakePattern &, FakeCurve &curve) {
             static FakePoint stranger({2, 2});
             curve.gradePoints.insert(curve.gradePoints.begin(), &stranger);
         },
         1, 3},
        {"index entries out of range",
         [](FakePattern &, FakeCurve &curve) {
             curve.indexOverride = std::vector<int>{-9, 1 << 30, 2, 7};
         },
         1, 3},
        {"index entries fewer than points",
         [](FakePattern &, FakeCurve &curve) { curve.indexOverride = std::vector<int>{0}; }, 1, 3},
        {"no shape",
         [](FakePattern &, FakeCurve &curve) {
             curve.nodes.clear();
             curve.givesIndexes = false;
         },
         1, 3},
        {"slides on a curve of another pattern",
         [](FakePattern &source, FakeCurve &) {
             static FakeCurve elsewhere;
             source.points[2]->slideCurve = &elsewhere;
         },
         1, 3},
        {"the same point twice",
         [](FakePattern &source, FakeCurve &) { source.listed.push_back(source.listed[0]); }, 1, 3},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        FakePattern rowSource;
        FakePoint *a = rowSource.addPoint(0, 0);
        FakePoint *b = rowSource.addPoint(10, 0);
        rowSource.addPoint(5, 5);
        FakeCurve *curve = rowSource.addCurve({a, b});
        curve->notches.push_back({b, {1, 1}, 3.0f});
        row.spoil(rowSource, *curve);

        CInputPattern rowPattern;
        rowPattern.Create(&rowSource, nullptr);
        EXPECT_EQ(rowPattern.GetPolylineCount(), row.lines);
        rowPattern.UpdateOrigin();
        int grade = 0;
        int other = 0;
        rowPattern.SetPointsId(grade, other);
        rowPattern.BuildContours();
        CSimpleGradeSize size;
        size.Create(0, 3);
        CPtrCollection<IGradeSize> sizes;
        sizes.Add(&size);
        rowPattern.GetAbsRect(&sizes);
        for (int i = 0; i < rowPattern.GetPolylineCount(); ++i) {
            const CNoGeomPolyline *line = rowPattern.GetInputPolylineAt(i);
            std::vector<DPOINT> shape;
            std::vector<int> indexes;
            line->GetShape(&size, shape, &indexes);
            for (int index : indexes)
                EXPECT_LT(index, line->GetPointCount());
            line->GetName();
            for (int k = 0; k < line->GetNotchCount(); ++k) {
                double tipX = 0.0;
                double tipY = 0.0;
                line->GetNotchAt(k)->GetNotchPlace(&size, tipX, tipY);
            }
        }
        EXPECT_LE(rowPattern.GetBasePointCount(), row.points);
    }
}
