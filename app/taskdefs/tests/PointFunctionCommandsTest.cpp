// Morvane interactive tasks, tests.
// The function commands that keep where the pointer, the focus or the active object is, the
// focus-rule presets, and the panning of the view, on the shirt's grade mask.
#include "MaskTasksOnShirt.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IMorvaneView.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/FocusShapeSet.h"
#include "app/interaction/GradePathEditor.h"
#include "app/interaction/MeasureLine.h"
#include "foundation/DRect.h"
#include "model/GradeRegion.h"
#include "tasks/CallbackCommand.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace morvane;
using namespace morvane::test;
using testinteraction::placeSquare;

namespace {

constexpr double kFar = 5000.0;

/// A view that keeps where it was asked to centre.
class CentringView : public IMorvaneView
{
public:
    double PixelsToWorld(int pixels) const override { return pixels; }
    void ZoomInAt(double, double) override {}
    void ZoomOutAt(double, double) override {}
    void ZoomToRect(const CDRect &, int, int, int, int) override {}
    DPOINT GetClientCenterPoint() const override { return centre; }
    void CenterOn(double x, double y) override { centre = {x, y}; }
    void InvalidateView() override { ++repaints; }

    DPOINT centre{100, 100};
    int repaints = 0;
};

/// The two points are the same.
void expectPoint(const DPOINT &actual, const DPOINT &expected)
{
    EXPECT_DOUBLE_EQ(actual.x, expected.x);
    EXPECT_DOUBLE_EQ(actual.y, expected.y);
}

class PointFunctionCommandsTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        manager.command(std::make_unique<CCallbackCommand>(
            "MoveSelectedItems",
            [this](ITask *, void *data) {
                moved = *static_cast<const VIEW_MOUSE_PARAM *>(data);
                return true;
            },
            nullptr, CMT_NO_MODIFY));
        square = placeSquare(mask, "A", {kFar, 0});
        auto made = mask.MakeRegion();
        made->SetPosition({kFar + 300, 0});
        made->SetDirection(0, true);
        region = made.get();
        mask.InsertGradeRegionAt(0, std::move(made));
        start();
    }

    bool run(const std::string &name, void *data)
    {
        return manager.GetCommand(name)->Execute(mainTask().GetActiveTask(), data);
    }
    double variable(const char *name)
    {
        double value = 0;
        mainTask().GetAttributes()->GetDouble(name, &value);
        return value;
    }
    /// The idle tool's focus rules.
    CFocusFilterList &idleRules()
    {
        void *published = nullptr;
        mainTask().GetActiveTask()->GetAttributes()->GetPointer("pFocusManager", &published);
        EXPECT_NE(published, nullptr);
        return static_cast<CFocusShapeSet *>(published)->GetFilterList();
    }
    /// A point of the square as the focus search makes it, found in the size.
    void focusCorner(int i, GradeSizeKey size)
    {
        auto point = CFocusObject::Create(square->GetBasePointAt(i), CFocusObject::kPoint);
        point->SetDetailObject(square);
        point->SetLineIndex(1);
        point->SetPointIndex(i == 0 ? 3 : i - 1);
        point->SetSize(size);
        point->SetPosition(square->GetBasePointAt(i)->GetAbsPosition());
        document.focus.SetFocusObject(std::move(point));
    }

    CMaskPattern *square = nullptr;
    CGradeRegion *region = nullptr;
    VIEW_MOUSE_PARAM mouse;
    VIEW_MOUSE_PARAM moved;
};

} // namespace

TEST_F(PointFunctionCommandsTest, RegionOffsetAndStartAngleAreTakenFromThePress)
{
    mainTask().GetAttributes()->AddVariable("dRotStartRad", "0", kVisibleWritable);
    mouse.pressPosition = {kFar + 310, 5};
    EXPECT_FALSE(run("SaveRegionDelta", &mouse));
    EXPECT_FALSE(run("SaveRegionInitialRotAngle", &mouse));
    EXPECT_EQ(variable("dx"), 0.0);

    document.focus.SetActiveObject(CFocusObject::Create(region, CFocusObject::kRegion));
    EXPECT_TRUE(run("SaveRegionDelta", &mouse));
    EXPECT_DOUBLE_EQ(variable("dx"), 10.0);
    EXPECT_DOUBLE_EQ(variable("dy"), 5.0);
    mouse.pressPosition = {kFar + 300, 0};
    EXPECT_TRUE(run("SaveRegionDelta", &mouse));
    EXPECT_EQ(variable("dx"), 0.0);
    EXPECT_EQ(variable("dy"), 0.0);

    // Straight above the region's position, the region lying at angle 0: a quarter turn.
    mouse.pressPosition = {kFar + 300, 50};
    EXPECT_TRUE(run("SaveRegionInitialRotAngle", &mouse));
    EXPECT_NEAR(variable("dRotStartRad"), M_PI / 2, 1e-6);
}

TEST_F(PointFunctionCommandsTest, FirstPointDeltaMovesTheSelectionWithTheFocusPosition)
{
    focusCorner(2, {});
    mouse.position = {1, 2};
    mouse.previousPosition = {0, 0};
    mouse.pressPosition = {3, 4};
    mouse.zoom = 2.5;
    EXPECT_TRUE(run("SaveFirstPointDelta", &mouse));
    expectPoint(moved.position, mouse.position);
    expectPoint(moved.pressPosition, mouse.pressPosition);
    EXPECT_EQ(moved.zoom, 2.5);
    expectPoint(moved.previousPosition, {kFar + 40, 40});
}

TEST_F(PointFunctionCommandsTest, FocusPointsAreCopiedIntoTheItemListAndStartTheMeasureLine)
{
    focusCorner(2, {});
    EXPECT_TRUE(run("AddFocusPoint", &mouse));
    EXPECT_TRUE(run("AddFocusPoint", &mouse));
    ASSERT_EQ(document.services.GetItemCount(), 2);
    const auto *first = dynamic_cast<CFocusObject *>(document.services.GetItemAt(0));
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, document.services.GetItemAt(1));
    EXPECT_NE(first, document.focus.GetFocusObject());
    EXPECT_EQ(first->GetItem(), square->GetBasePointAt(2));
    EXPECT_TRUE(document.measureLine.IsActive());
    expectPoint(document.measureLine.m_oStart, {kFar + 40, 40});
    expectPoint(document.measureLine.m_oEnd, {kFar + 40, 40});
    EXPECT_TRUE(run("ClearFocusPoints", nullptr));
    EXPECT_EQ(document.services.GetItemCount(), 0);
}

TEST_F(PointFunctionCommandsTest, PathStartsAtTheFocusedPointAndItsSizeLimitsTheNextPoints)
{
    EXPECT_FALSE(run("SetFirstPathPoint", nullptr));
    const GradeSizeKey size{0, 1};
    focusCorner(2, size);
    EXPECT_TRUE(run("SetFirstPathPoint", nullptr));
    EXPECT_EQ(document.pathEditor.GetPattern(), square);
    EXPECT_EQ(document.pathEditor.GetStartIndex(), 2);
    EXPECT_EQ(document.pathEditor.GetStartSize(), size);

    EXPECT_TRUE(run("UpdateFMActivePolyPoints", nullptr));
    ASSERT_EQ(idleRules().GetCount(), 1);
    const CFocusFilter &sized = idleRules().GetAt(0);
    EXPECT_EQ(sized.m_nPointMode, CFocusFilter::kRuleSize);
    EXPECT_EQ(sized.m_oSize, size);
    EXPECT_EQ(sized.m_nMembership, CFocusFilter::kActiveOnly);

    focusCorner(2, {});
    run("SetFirstPathPoint", nullptr);
    run("UpdateFMActivePolyPoints", nullptr);
    ASSERT_EQ(idleRules().GetCount(), 1);
    EXPECT_EQ(idleRules().GetAt(0).m_nPointMode, CFocusFilter::kBaseShape);
    EXPECT_EQ(idleRules().GetAt(0).m_nMembership, CFocusFilter::kActiveContourLines);
}

TEST_F(PointFunctionCommandsTest, PresetsReplaceTheRunningToolsRules)
{
    struct Case
    {
        const char *command;
        int count;
        int32_t firstKind;
        int32_t firstMembership;
    };
    const Case cases[] = {
        {"LoadActiveMaskPatternToFM", 3, CFocusFilter::kPatternPoints, CFocusFilter::kActiveOnly},
        {"LoadAllPatternPolylinesToFocusMgr", 1, CFocusFilter::kPatternLines,
         CFocusFilter::kNotActive},
        {"UpdateFMRotateSelection", 11, CFocusFilter::kRotationPivot, CFocusFilter::kActiveOnly},
        {"UpdateFMPivotPoint", 3, CFocusFilter::kLineGradePoints, CFocusFilter::kAll},
        {"UpdateFMNoActivePolylinesAndPoints", 2, CFocusFilter::kLineGradePoints,
         CFocusFilter::kNotActive},
        {"UpdateFMActivePolylines", 1, CFocusFilter::kPatternLines, CFocusFilter::kActiveOnly},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.command);
        // Twice: the rules are emptied first.
        EXPECT_TRUE(run(row.command, nullptr));
        EXPECT_TRUE(run(row.command, nullptr));
        ASSERT_EQ(idleRules().GetCount(), row.count);
        EXPECT_EQ(idleRules().GetAt(0).m_nObjectKind, row.firstKind);
        EXPECT_EQ(idleRules().GetAt(0).m_nMembership, row.firstMembership);
    }
    const int rulesNow = idleRules().GetCount();
    EXPECT_TRUE(run("UpdateFocusManager", nullptr));
    EXPECT_EQ(idleRules().GetCount(), rulesNow);
}

TEST_F(PointFunctionCommandsTest, RotationPresetTakesInputPatternsOnlyOutsideEditMode)
{
    for (const bool editMode : {true, false}) {
        SCOPED_TRACE(editMode);
        document.services.SetEditMode(editMode);
        run("UpdateFMRotateSelection", nullptr);
        int withSource = 0;
        for (int i = 0; i < idleRules().GetCount(); ++i) {
            const int32_t source = idleRules().GetAt(i).m_nSource;
            // Rules 4, 9, 10 and 11 (regions) keep the mask's patterns.
            if (i == 3 || i >= 8)
                EXPECT_EQ(source, CFocusFilter::kMaskPatterns) << i;
            else
                withSource += source == (editMode ? CFocusFilter::kBothPatterns
                                                  : CFocusFilter::kInputPatterns);
        }
        EXPECT_EQ(withSource, 7);
    }
}

TEST_F(PointFunctionCommandsTest, ViewCentreFollowsThePointerBackToThePress)
{
    EXPECT_FALSE(run("ChangeViewCenter", &mouse));
    CentringView view;
    mouse.view = &view;
    mouse.pressPosition = {12, 9};
    mouse.position = {10, 5};
    EXPECT_TRUE(run("ChangeViewCenter", &mouse));
    expectPoint(view.centre, {102, 104});
    EXPECT_EQ(view.repaints, 1);
}

TEST_F(PointFunctionCommandsTest, HidingTheFrameKeepsItsRectangle)
{
    document.services.SetExtent(kFar, 0, kFar + 40, 30);
    document.services.SetExtentFlag(true);
    for (int time = 0; time < 2; ++time) {
        EXPECT_TRUE(run("HideFrameRect", nullptr));
        EXPECT_FALSE(document.services.extentFlag);
    }
    CDRect frame;
    document.services.GetExtent(frame);
    EXPECT_DOUBLE_EQ(frame.maxX, kFar + 40);
}
