// Morvane program interaction tests.
// The grade-path editor and the rotation pivot of a mask.
#include "EventLog.h"
#include "app/interaction/MultiFocusObject.h"
#include "app/interaction/testing/ShirtMaskTest.h"
#include "model/GradeRegion.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace testinteraction;

namespace {

constexpr double kFar = 100000.0;

class GradePathEditorTest : public ShirtMaskTest
{
protected:
    void SetUp() override
    {
        ShirtMaskTest::SetUp();
        square = placeSquare(mask, "A", {kFar, 0});
    }

    /// The reference of vertex v of line l of the square.
    static GradePathPointRef at(int line, int vertex) { return {line, vertex}; }

    CGradePathEditor &editor = document.pathEditor;
    CMaskPattern *square = nullptr;
};

} // namespace

// The square's lines: 0-4-1 (line 0) and 1-2-3-0 (line 1), one closed contour.
TEST_F(GradePathEditorTest, EqualWaysRoundAClosedContourTakeDirectionFalseAndKeepIt)
{
    editor.SetPath(square, at(0, 0));
    ASSERT_EQ(editor.GetStartIndex(), 0);
    editor.ExtendPath(at(1, 1)); // point 2, 80 either way
    EXPECT_FALSE(editor.GetDirection());
    EXPECT_EQ(editor.GetEndIndex(), 2);
    EXPECT_NEAR(editor.GetGradePath().GetPathLength(nullptr), 80, 1e-9);

    editor.ExtendPath(at(1, 2)); // point 3: the direction is kept now
    EXPECT_FALSE(editor.GetDirection());
    EXPECT_EQ(editor.GetEndIndex(), 3);
    double kept = 0.0;
    ASSERT_TRUE(editor.MeasurePath(square, 0, 3, false, kept));
    EXPECT_NEAR(editor.GetGradePath().GetPathLength(nullptr), kept, 1e-9);
    EXPECT_EQ(document.services.changes0, 2);
}

TEST_F(GradePathEditorTest, TheFirstExtensionTakesTheShorterWay)
{
    double back = 0.0;
    double forth = 0.0;
    ASSERT_TRUE(editor.MeasurePath(square, 0, 1, false, back));
    ASSERT_TRUE(editor.MeasurePath(square, 0, 1, true, forth));
    ASSERT_NE(back, forth);
    editor.SetPath(square, at(0, 0));
    editor.ExtendPath(at(0, 2));
    EXPECT_EQ(editor.GetDirection(), forth < back);
    EXPECT_NEAR(editor.GetGradePath().GetPathLength(nullptr), 40, 1e-9);
}

TEST_F(GradePathEditorTest, AnOpenLineHasOneWay)
{
    std::unique_ptr<CMaskPattern> made = mask.MakePattern();
    made->AddPoint({0, 0}, GRADE_POINT_GRADE);
    made->AddPoint({30, 0}, GRADE_POINT_GRADE);
    made->AddPoint({30, 30}, GRADE_POINT_GRADE);
    addLine(*made, {0, 1, 2}, 1);
    made->BuildContours();
    CMaskPattern *open = made.get();
    mask.InsertPatternAt(mask.GetPatternCount(), std::move(made));

    for (const auto &[from, to] : {std::pair{0, 2}, std::pair{2, 0}}) {
        SCOPED_TRACE(from);
        editor.SetPath(open, at(0, from));
        editor.ExtendPath(at(0, to));
        double length = 0.0;
        EXPECT_TRUE(editor.MeasurePath(open, from, to, editor.GetDirection(), length));
        EXPECT_FALSE(editor.MeasurePath(open, from, to, !editor.GetDirection(), length));
        EXPECT_NEAR(editor.GetGradePath().GetPathLength(nullptr), 60, 1e-9);
    }
}

TEST_F(GradePathEditorTest, AFlippedPatternStillTakesTheShorterWay)
{
    square->GetPatternLocation()->Set({kFar, 0}, 0.0, true);
    editor.SetPath(square, at(0, 0));
    editor.ExtendPath(at(0, 2));
    EXPECT_NEAR(editor.GetGradePath().GetPathLength(nullptr), 40, 1e-9);
    double length = 0.0;
    ASSERT_TRUE(editor.MeasurePath(square, 0, 1, editor.GetDirection(), length));
    EXPECT_NEAR(length, 40, 1e-9);
}

TEST_F(GradePathEditorTest, ActivatingEmptiesThePathAndTellsOnlyAChange)
{
    editor.SetPath(square, at(0, 0));
    editor.ExtendPath(at(1, 1));
    const int told = document.services.changes0;
    editor.SetActive(false);
    EXPECT_EQ(editor.GetGradePath().GetSegmentCount(), 0);
    EXPECT_EQ(document.services.changes0, told);
    editor.SetActive(true);
    EXPECT_TRUE(editor.IsActive());
    EXPECT_EQ(document.services.changes0, told + 1);
}

namespace {

class RotationPivotTest : public ShirtMaskTest
{
protected:
    void SetUp() override
    {
        ShirtMaskTest::SetUp();
        document.start();
        document.tasks().GetMainTask()->GetAttributes()->SetInteger("bAutoRotate", 1);
        square = placeSquare(mask, "A", {kFar, 0});
        std::unique_ptr<CGradeRegion> made = mask.MakeRegion();
        region = made.get();
        mask.InsertGradeRegionAt(0, std::move(made));
        region->SetPosition({kFar, 500});
    }

    void activate(CObject *item, int32_t kind, int32_t detailKind = 0)
    {
        auto object = CFocusObject::Create(item, kind);
        object->SetSubObject(nullptr, detailKind);
        document.focus.SetActiveObject(std::move(object));
    }

    CRotationPivot &pivot = document.pivot;
    CMaskPattern *square = nullptr;
    CGradeRegion *region = nullptr;
};

void expectNear(DPOINT actual, DPOINT expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

} // namespace

TEST_F(RotationPivotTest, FollowsTheActiveObject)
{
    square->SetPivotPoint({kFar + 10, 10});
    activate(square, CFocusObject::kPattern);
    ASSERT_EQ(pivot.GetItemCount(), 1);
    EXPECT_EQ(pivot.GetItemAt(0).pattern, square);
    expectNear(pivot.GetPivotPoint(), {kFar + 10, 10});
    EXPECT_TRUE(pivot.HasItems());

    auto selection = CFocusObject::Create(nullptr, CFocusObject::kMultiple);
    static_cast<CMultiFocusObject &>(*selection)
        .Add(CFocusObject::Create(square, CFocusObject::kPattern));
    static_cast<CMultiFocusObject &>(*selection)
        .Add(CFocusObject::Create(placeSquare(mask, "B", {kFar + 60, 0}), CFocusObject::kPattern));
    document.focus.SetActiveObject(std::move(selection));
    EXPECT_EQ(pivot.GetItemCount(), 2);
    expectNear(pivot.GetPivotPoint(), {kFar + 50, 20});

    document.tasks().GetMainTask()->GetAttributes()->SetInteger("bAutoRotate", 0);
    EXPECT_FALSE(pivot.HasItems());
    activate(nullptr, CFocusObject::kNothing);
    EXPECT_EQ(pivot.GetItemCount(), 0);
    expectNear(pivot.GetPivotPoint(), {0, 0});
}

TEST_F(RotationPivotTest, TurnsItsItemsAboutThePivot)
{
    activate(region, CFocusObject::kRegion);
    expectNear(pivot.GetPivotPoint(), {kFar, 500});
    pivot.SetPivotPoint({kFar - 100, 500});
    pivot.SetInitialAngle({kFar, 500});
    pivot.SetCurrentAngle({kFar - 100, 600});
    double angle = 0.0;
    DPOINT position;
    pivot.GetRotatedPosition(0, angle, position);
    EXPECT_NEAR(angle, region->GetDirection(true) + std::numbers::pi / 2, 1e-9);
    expectNear(position, {kFar - 100, 600});
}

TEST_F(RotationPivotTest, KeepsAMovedPivotWhileTheSameItemStaysActive)
{
    activate(region, CFocusObject::kRegion);
    pivot.SetPivotPoint({kFar - 100, 500});
    activate(region, CFocusObject::kRegion, 6);
    expectNear(pivot.GetPivotPoint(), {kFar - 100, 500});
    activate(square, CFocusObject::kPattern);
    activate(region, CFocusObject::kRegion);
    expectNear(pivot.GetPivotPoint(), {kFar, 500});
}

TEST_F(RotationPivotTest, MovingThePivotOfOnePatternMovesThePatternsPivot)
{
    activate(square, CFocusObject::kPattern);
    EventLog log(document.handler());
    pivot.SetPivotPoint({kFar + 5, 7});
    expectNear(square->GetPivotPoint(), {kFar + 5, 7});
    const std::string pivotId = std::to_string(CRotationPivot::kHandlerId);
    EXPECT_EQ(log.TakeFrom(CRotationPivot::kHandlerId),
              (std::vector<std::string>{"before " + pivotId + ":65535",
                                        "after " + pivotId + ":65535"}));
}

TEST_F(RotationPivotTest, AMovedItemIsCollectedAgainWhileNoRotationRuns)
{
    activate(region, CFocusObject::kRegion);
    region->SetPosition({kFar, 700});
    expectNear(pivot.GetItemAt(0).startPosition, {kFar, 700});
}
