// Morvane interactive tasks, tests.
// The selection, focus search, frame and pattern display commands on the shirt's grade mask,
// run by its task manager with the idle tool's own focus search.
#include "MaskTasksOnShirt.h"

#include "app/documents/EventRecords.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/InteractionModes.h"
#include "app/interaction/MultiFocusObject.h"
#include "model/Contour.h"
#include "model/GradeRegion.h"
#include "model/MaskPoint.h"
#include "model/MaskContour.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace morvane;
using namespace morvane::test;
using testinteraction::addLine;
using testinteraction::placeSquare;

namespace {

constexpr double kFar = 5000.0;

class SelectionCommandsTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        manager.command("PlacePattern", {.addToHistory = false});
        manager.command("MoveSelectedItems", {.addToHistory = false});
        square = placeSquare(mask, "A", {kFar, 0});
        other = placeSquare(mask, "B", {kFar + 100, 0});
        auto region = mask.MakeRegion();
        region->SetPosition({kFar + 300, 0});
        region->SetDirection(M_PI / 2, true);
        region->SetLeft90(-20);
        region->SetRight90(20);
        region->SetMaxHeight(40);
        region->SetLimLeft90(true);
        region->SetLimRight90(true);
        region->SetLimMaxHeight(true);
        this->region = region.get();
        mask.InsertGradeRegionAt(0, std::move(region));
        mask.SetCenter({kFar - 200, 0});
        start();
    }

    /// Runs the registered command in the running tool, as a chart would.
    bool run(const std::string &name, void *data)
    {
        return manager.GetCommand(name)->Execute(mainTask().GetActiveTask(), data);
    }
    /// "FindFocusObject" at the point; answers the focus object.
    const CFocusObject &pointAt(DPOINT p)
    {
        mouse.position = p;
        EXPECT_TRUE(run("FindFocusObject", &mouse));
        return *document.focus.GetFocusObject();
    }
    void activate(CObject *item, int32_t kind)
    {
        document.focus.SetActiveObject(CFocusObject::Create(item, kind));
    }
    int variable(const char *name)
    {
        int value = 0;
        mainTask().GetAttributes()->GetInteger(name, &value);
        return value;
    }
    DPOINT corner(int i) { return square->GetBasePointAt(i)->GetAbsPosition(); }
    const CFocusObject &active() { return *document.focus.GetActiveObject(); }

    CMaskPattern *square = nullptr;
    CMaskPattern *other = nullptr;
    CGradeRegion *region = nullptr;
    VIEW_MOUSE_PARAM mouse;
};

struct FocusCase
{
    const char *name;
    DPOINT at;
    int32_t kind;
    int32_t nested;
};

} // namespace

TEST_F(SelectionCommandsTest, FindFocusObjectMakesTheFocusOfEachKindOfHit)
{
    DPOINT baseLeft, baseRight, topLeft, topRight;
    region->GetCorners(baseLeft, baseRight, topLeft, topRight);
    const auto middle = [](DPOINT a, DPOINT b) { return DPOINT{(a.x + b.x) / 2, (a.y + b.y) / 2}; };
    const FocusCase cases[] = {
        {"free space", {kFar + 20, 20}, CFocusObject::kNothing, CFocusObject::kNothing},
        {"a grade point", {kFar + 40, 40}, CFocusObject::kPoint, CFocusObject::kNothing},
        {"a line", {kFar + 40, 20}, CFocusObject::kPolyline, CFocusObject::kNothing},
        {"the mask centre", {kFar - 200, 0}, CFocusObject::kMaskCentre, CFocusObject::kNothing},
        {"a region's left side", middle(baseLeft, topLeft), CFocusObject::kRegion, 6},
        {"a region's top", middle(topLeft, topRight), CFocusObject::kRegion, 7},
        {"a region's right side", middle(baseRight, topRight), CFocusObject::kRegion, 5},
        {"a region's base", middle(baseLeft, baseRight), CFocusObject::kRegion, 4},
    };
    for (const FocusCase &row : cases) {
        SCOPED_TRACE(row.name);
        const CFocusObject &focus = pointAt(row.at);
        EXPECT_EQ(focus.GetType(), row.kind);
        EXPECT_EQ(focus.GetSubObjectType(), row.nested);
        EXPECT_EQ(variable("nFocusObjectType"), row.kind);
    }
    // What the objects refer to.
    EXPECT_EQ(pointAt({kFar + 40, 40}).GetItem(), square->GetBasePointAt(2));
    EXPECT_EQ(pointAt({kFar + 40, 20}).GetDetailObject(), square);
    EXPECT_EQ(pointAt({kFar + 40, 20}).GetLineIndex(), 1);
    EXPECT_EQ(pointAt({kFar - 200, 0}).GetItem(), dynamic_cast<CObject *>(&mask));
    EXPECT_EQ(pointAt(middle(topLeft, topRight)).GetItem(), region);
}

TEST_F(SelectionCommandsTest, FindFocusObjectTakesTheCentreBeforeAPointAndALineBeforeAMark)
{
    CMaskPattern *onCentre = placeSquare(mask, "ON CENTRE", {kFar - 200, 0});
    const std::unique_ptr<CFocusObject> nothing = CFocusObject::Create(nullptr, 0);
    document.focus.SetActiveObject(CFocusObject::Clone(*nothing));
    manager.DispatchEvent("OnDeactivate", nullptr);
    manager.DispatchEvent("OnActivate", nullptr);
    EXPECT_EQ(pointAt({kFar - 200, 0}).GetType(), CFocusObject::kMaskCentre);

    // The ordinary point in the middle of the square's first line is a line point.
    const CFocusObject &linePoint = pointAt({kFar + 20, 0});
    ASSERT_EQ(linePoint.GetType(), CFocusObject::kPoint);
    EXPECT_EQ(linePoint.GetDetailObject(), square);
    EXPECT_EQ(linePoint.GetLineIndex(), 0);
    EXPECT_EQ(linePoint.GetPointIndex(), 1);
    EXPECT_NE(onCentre, nullptr);
}

TEST_F(SelectionCommandsTest, FindFocusObjectTakesTheRotationPivotBeforeTheSelectedPattern)
{
    setVariable("bAutoRotate", 1);
    activate(square, CFocusObject::kPattern);
    document.pivot.CollectItems();
    ASSERT_TRUE(document.pivot.HasItems());
    // The idle tool takes the pivot among its rules when it starts.
    manager.DispatchEvent("OnDeactivate", nullptr);
    manager.DispatchEvent("OnActivate", nullptr);
    const DPOINT pivot = document.pivot.GetPivotPoint();
    const CFocusObject &focus = pointAt(pivot);
    EXPECT_EQ(focus.GetType(), CFocusObject::kPivot);
    EXPECT_EQ(focus.GetItem(), nullptr);
    EXPECT_EQ(variable("bIsMaskItemFocused"), 1);
}

TEST_F(SelectionCommandsTest, PointingAgainAtTheSelectedLineStepsThroughItsContours)
{
    // A square of four lines cut by a diagonal: the diagonal lies on two triangles.
    std::unique_ptr<CMaskPattern> piece = mask.MakePattern();
    piece->SetPatternName("SPLIT");
    for (const DPOINT p : {DPOINT{0, 0}, DPOINT{40, 0}, DPOINT{40, 40}, DPOINT{0, 40}})
        piece->AddPoint(p, GRADE_POINT_GRADE);
    CPolyline *bottom = addLine(*piece, {0, 1}, 1);
    CPolyline *corner = addLine(*piece, {1, 2, 3}, 1);
    CPolyline *left = addLine(*piece, {3, 0}, 1);
    CPolyline *diagonal = addLine(*piece, {1, 3}, 1);
    const auto addTriangle = [&](std::initializer_list<std::pair<CPolyline *, bool>> lines) {
        std::unique_ptr<CMaskContour> triangle = piece->CreateMaskContour();
        for (const auto &[line, backward] : lines)
            triangle->AddContourLine(line, backward);
        piece->InsertContour(piece->GetContourCount(), std::move(triangle));
    };
    addTriangle({{bottom, false}, {diagonal, false}, {left, false}});
    addTriangle({{corner, false}, {diagonal, true}});
    piece->SetPatternPosition(kFar, 200);
    CMaskPattern *split = piece.get();
    mask.InsertPatternAt(mask.GetPatternCount(), std::move(piece));
    CPtrCollection<CContour> contours;
    split->FindContours(diagonal, contours);
    ASSERT_GE(contours.GetCount(), 2);
    manager.DispatchEvent("OnDeactivate", nullptr);
    manager.DispatchEvent("OnActivate", nullptr);

    const DPOINT onDiagonal{kFar + 20, 220};
    std::vector<CContour *> chosen;
    for (int i = 0; i <= contours.GetCount(); ++i) {
        const CFocusObject &focus = pointAt(onDiagonal);
        ASSERT_EQ(focus.GetType(), CFocusObject::kPolyline);
        chosen.push_back(focus.GetContour());
        EXPECT_TRUE(run("SetActiveObject", nullptr));
        EXPECT_EQ(active().GetContour(), focus.GetContour());
    }
    EXPECT_EQ(chosen.front(), contours.GetAt(0));
    EXPECT_EQ(chosen.at(1), contours.GetAt(1));
    // After the last it wraps round to the first.
    EXPECT_EQ(chosen.back(), contours.GetAt(0));
}

TEST_F(SelectionCommandsTest, FindFocusObjectTellsWhetherTheFocusIsSelectedAndOfTheMask)
{
    EXPECT_FALSE(run("FindFocusObject", nullptr));
    activate(square, CFocusObject::kPattern);
    pointAt({kFar + 40, 40});
    EXPECT_EQ(variable("bIsActiveFocused"), 1);
    EXPECT_EQ(variable("bIsMaskItemFocused"), 1);
    pointAt({kFar + 140, 40});
    EXPECT_EQ(variable("bIsActiveFocused"), 0);
    EXPECT_EQ(variable("bIsMaskItemFocused"), 1);

    // With a multiple selection, only what is in it is of the mask.
    auto selection = CFocusObject::Create(nullptr, CFocusObject::kMultiple);
    static_cast<CMultiFocusObject &>(*selection).Add(CFocusObject::Create(other, 1));
    document.focus.SetActiveObject(std::move(selection));
    pointAt({kFar + 40, 40});
    EXPECT_EQ(variable("bIsActiveFocused"), 0);
    EXPECT_EQ(variable("bIsMaskItemFocused"), 0);
    pointAt({kFar + 140, 40});
    EXPECT_EQ(variable("bIsActiveFocused"), 1);
    EXPECT_EQ(variable("bIsMaskItemFocused"), 1);
}

TEST_F(SelectionCommandsTest, FindFocusLineTakesOnlyPatternLines)
{
    mouse.position = {kFar + 40, 20};
    EXPECT_FALSE(run("FindFocusLine", nullptr));
    EXPECT_TRUE(run("FindFocusLine", &mouse));
    const CFocusObject &line = *document.focus.GetFocusObject();
    EXPECT_EQ(line.GetType(), CFocusObject::kPattern);
    EXPECT_EQ(line.GetItem(), square);
    EXPECT_EQ(line.GetSubObjectType(), CFocusObject::kPolyline);
    EXPECT_EQ(variable("nFocusDetailType"), CFocusObject::kPolyline);
    for (const DPOINT p : {DPOINT{kFar + 40, 40}, DPOINT{kFar - 200, 0}, DPOINT{kFar + 20, 20}}) {
        mouse.position = p;
        EXPECT_TRUE(run("FindFocusLine", &mouse));
        EXPECT_NE(document.focus.GetFocusObject()->GetSubObjectType(), CFocusObject::kPolyline);
    }
}

TEST_F(SelectionCommandsTest, SetActiveObjectSelectsTheWholePatternOfALineOrPoint)
{
    pointAt({kFar + 40, 40});
    EXPECT_TRUE(run("SetActiveObject", nullptr));
    EXPECT_EQ(active().GetType(), CFocusObject::kPattern);
    EXPECT_EQ(active().GetItem(), square);
    EXPECT_EQ(active().GetSubObjectType(), CFocusObject::kPoint);
    EXPECT_EQ(active().GetSubObject()->GetItem(), square->GetBasePointAt(2));

    pointAt({kFar + 40, 20});
    EXPECT_TRUE(run("SetActiveObject", nullptr));
    EXPECT_EQ(active().GetItem(), square);
    EXPECT_EQ(active().GetSubObjectType(), CFocusObject::kPolyline);
    EXPECT_NE(active().GetContour(), nullptr);
}

TEST_F(SelectionCommandsTest, SetActiveItemIsEnabledForWhatMayBePicked)
{
    ICommand &command = *manager.GetCommand("SetActiveItem");
    ITask *task = mainTask().GetActiveTask();
    auto pointOfSquare = CFocusObject::Create(square, CFocusObject::kPattern);
    pointOfSquare->SetSubObject(square->GetBasePointAt(0), CFocusObject::kPoint);
    struct Case
    {
        const char *name;
        std::unique_ptr<CFocusObject> object;
        bool enabled;
    } cases[] = {
        {"nothing", CFocusObject::Create(nullptr, 0), true},
        {"a mask pattern", CFocusObject::Create(square, 1), true},
        {"a region", CFocusObject::Create(region, 3), true},
        {"a point outside selection mode 1", std::move(pointOfSquare), false},
        {"a multiple selection", CFocusObject::Create(nullptr, 11), false},
        {"the centre", CFocusObject::Create(nullptr, 8), false},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(command.IsEnabled(task, row.object.get()), row.enabled);
    }
    document.displayFlags.SetShowGuidePatterns(false);
    document.displayFlags.SetShowMaskRegions(false);
    EXPECT_FALSE(command.IsEnabled(task, cases[1].object.get()));
    EXPECT_FALSE(command.IsEnabled(task, cases[2].object.get()));
}

TEST_F(SelectionCommandsTest, SelectingAnUnplacedInputPatternPlacesItFirst)
{
    CInputPattern *input = document.style().inputPatterns().GetPatternAt(0);
    input->ClearFlagged();
    const auto object = CFocusObject::Create(input, CFocusObject::kPattern);
    EXPECT_TRUE(run("SetActiveItem", object.get()));
    EXPECT_EQ(takeCommandsRun(log), EventLog{"run PlacePattern"});
    EXPECT_EQ(active().GetItem(), input);
    // The focus manager holds a copy: the caller's object is its own.
    EXPECT_NE(&active(), object.get());
}

TEST_F(SelectionCommandsTest, CtrlClicksAddAndRemoveSelectionEntries)
{
    // Nothing active: the click simply selects.
    pointAt({kFar + 40, 40});
    EXPECT_TRUE(run("AddFocusToSelection", nullptr));
    EXPECT_EQ(active().GetType(), CFocusObject::kPattern);
    pointAt({kFar + 140, 40});
    EXPECT_TRUE(run("AddFocusToSelection", nullptr));
    ASSERT_EQ(active().GetType(), CFocusObject::kMultiple);
    const auto &two = static_cast<const CMultiFocusObject &>(active());
    ASSERT_EQ(two.GetCount(), 2);
    EXPECT_EQ(two.GetAt(0)->GetItem(), square);
    EXPECT_EQ(two.GetAt(1)->GetItem(), other);

    // A selection of two gives way to the other entry.
    pointAt({kFar + 40, 40});
    EXPECT_TRUE(run("RemoveFocusFromSelection", nullptr));
    EXPECT_EQ(active().GetType(), CFocusObject::kPattern);
    EXPECT_EQ(active().GetItem(), other);
}

TEST_F(SelectionCommandsTest, RemovingWhatIsNotInALargerSelectionLeavesIt)
{
    SELECTION_REQUEST request;
    request.nKind = 1;
    ASSERT_TRUE(run("AddToSelection", &request));
    const int count = static_cast<const CMultiFocusObject &>(active()).GetCount();
    ASSERT_GE(count, 3);
    pointAt({kFar + 20, 20}); // free space
    EXPECT_TRUE(run("RemoveFocusFromSelection", nullptr));
    EXPECT_EQ(static_cast<const CMultiFocusObject &>(active()).GetCount(), count);
    pointAt({kFar + 40, 40});
    EXPECT_TRUE(run("RemoveFocusFromSelection", nullptr));
    const auto &rest = static_cast<const CMultiFocusObject &>(active());
    EXPECT_EQ(rest.GetCount(), count - 1);
    EXPECT_FALSE(rest.RefersTo(square));
}

TEST_F(SelectionCommandsTest, AddToSelectionSelectsOneCandidateItselfAndSkipsWhatIsSelected)
{
    SELECTION_REQUEST request;
    request.nKind = 4;
    const auto given = CFocusObject::Create(square, CFocusObject::kPattern);
    request.oItems = {given.get()};
    EXPECT_TRUE(run("AddToSelection", &request));
    EXPECT_EQ(active().GetType(), CFocusObject::kPattern);
    EXPECT_EQ(active().GetItem(), square);

    request.bAddToActive = true;
    request.nKind = 1;
    EXPECT_TRUE(run("AddToSelection", &request));
    ASSERT_EQ(active().GetType(), CFocusObject::kMultiple);
    const auto &all = static_cast<const CMultiFocusObject &>(active());
    EXPECT_EQ(all.GetCount(), mask.GetPatternCount());
    EXPECT_EQ(all.GetAt(0)->GetItem(), square);
    // Everything is selected already: nothing to add.
    EXPECT_FALSE(run("AddToSelection", &request));
    EXPECT_EQ(static_cast<const CMultiFocusObject &>(active()).GetCount(), mask.GetPatternCount());

    ICommand &command = *manager.GetCommand("AddToSelection");
    request.oItems.clear();
    for (const int kind : {0, 1, 2, 3, 4, 5}) {
        SCOPED_TRACE(kind);
        request.nKind = kind;
        EXPECT_EQ(command.IsEnabled(mainTask().GetActiveTask(), &request), kind < 4);
    }
    document.displayFlags.SetShowMaskRegions(false);
    request.nKind = 2;
    EXPECT_FALSE(command.IsEnabled(mainTask().GetActiveTask(), &request));
    EXPECT_FALSE(run("AddToSelection", &request));
}

TEST_F(SelectionCommandsTest, FrameSelectsWhatLiesWhollyInsideWithHalfOpenEdges)
{
    struct Case
    {
        const char *name;
        DPOINT press;
        DPOINT release;
        bool selectsSquare;
    } cases[] = {
        {"round the square", {kFar - 1, -1}, {kFar + 41, 41}, true},
        {"drawn the other way", {kFar + 41, 41}, {kFar - 1, -1}, true},
        {"touching left and bottom", {kFar, 0}, {kFar + 41, 41}, true},
        {"touching the right", {kFar - 1, -1}, {kFar + 40, 41}, false},
        {"touching the top", {kFar - 1, -1}, {kFar + 41, 40}, false},
        {"a part of it", {kFar + 10, -1}, {kFar + 41, 41}, false},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        document.focus.ClearActiveObject();
        mouse.pressPosition = row.press;
        mouse.position = row.release;
        EXPECT_TRUE(run("InitializeFrameRect", &mouse));
        EXPECT_EQ(run("UpdateSelectionFromFrameRect", &mouse), row.selectsSquare);
        EXPECT_EQ(active().RefersTo(square), row.selectsSquare);
    }
}

TEST_F(SelectionCommandsTest, FrameAddsTheCentreAndRegionsAndKeepsTheSelection)
{
    activate(other, CFocusObject::kPattern);
    mouse.pressPosition = {kFar - 210, -30};
    mouse.position = {kFar + 350, 50};
    mouse.zoom = 1.0;
    EXPECT_TRUE(run("UpdateFrameRect", &mouse));
    EXPECT_TRUE(run("UpdateSelectionFromFrameRect", &mouse));
    ASSERT_EQ(active().GetType(), CFocusObject::kMultiple);
    const auto &selection = static_cast<const CMultiFocusObject &>(active());
    ASSERT_EQ(selection.GetCount(), 4);
    EXPECT_EQ(selection.GetAt(0)->GetItem(), other);
    EXPECT_EQ(selection.GetAt(1)->GetItem(), square);
    EXPECT_EQ(selection.GetAt(2)->GetItem(), region);
    EXPECT_EQ(selection.GetAt(3)->GetType(), CFocusObject::kMaskCentre);
    // The same frame again finds nothing new.
    EXPECT_FALSE(run("UpdateSelectionFromFrameRect", &mouse));
}

TEST_F(SelectionCommandsTest, FrameNeverSelectsAnUnplacedInputPatternOrAHiddenKind)
{
    CInputPattern *input = document.style().inputPatterns().GetPatternAt(0);
    const CDRect bounds = input->GetAbsRect(nullptr);
    mouse.pressPosition = {bounds.minX - 1, bounds.minY - 1};
    mouse.position = {bounds.maxX + 1, bounds.maxY + 1};
    run("InitializeFrameRect", &mouse);
    input->SetFlagged();
    EXPECT_TRUE(run("UpdateSelectionFromFrameRect", &mouse));
    EXPECT_TRUE(active().RefersTo(input));
    for (const char *change : {"unplaced", "hidden"}) {
        SCOPED_TRACE(change);
        document.focus.ClearActiveObject();
        if (std::string(change) == "unplaced")
            input->ClearFlagged();
        else {
            input->SetFlagged();
            document.displayFlags.SetShowInputPatterns(false);
        }
        run("UpdateSelectionFromFrameRect", &mouse);
        EXPECT_FALSE(active().RefersTo(input));
    }
}

TEST_F(SelectionCommandsTest, OneKindOfPatternsIsAlwaysShown)
{
    const auto hide = integerEventData(0);
    const auto show = integerEventData(1);
    document.displayFlags.SetShowGuidePatterns(false);
    EXPECT_TRUE(run("ShowInputPatterns", hide));
    EXPECT_FALSE(document.displayFlags.GetShowInputPatterns());
    EXPECT_TRUE(document.displayFlags.GetShowGuidePatterns());

    EXPECT_TRUE(run("ShowInputPatterns", show));
    activate(square, CFocusObject::kPattern);
    EXPECT_TRUE(run("ShowGuidePatterns", hide));
    EXPECT_EQ(active().GetType(), CFocusObject::kNothing);

    run("ShowGuidePatterns", show);
    CInputPattern *input = document.style().inputPatterns().GetPatternAt(0);
    activate(input, CFocusObject::kPattern);
    run("ShowGuidePatterns", hide);
    EXPECT_EQ(active().GetItem(), input);

    EXPECT_TRUE(run("SetEditMaskPatterns", show));
    EXPECT_TRUE(document.services.IsEditMode());
    EXPECT_TRUE(run("SetEditMaskPatterns", hide));
    EXPECT_FALSE(document.services.IsEditMode());
}

TEST_F(SelectionCommandsTest, FrameTiesTheActivePointToTheInputPointsInsideOnce)
{
    CInputPattern *input = document.style().inputPatterns().GetPatternAt(0);
    input->SetFlagged();
    CPtrCollection<CBasePoint> inside;
    input->AppendGradePoints(inside);
    ASSERT_GT(inside.GetCount(), 0);
    const CDRect bounds = input->GetAbsRect(nullptr);
    mouse.pressPosition = {bounds.minX - 1, bounds.minY - 1};
    mouse.position = {bounds.maxX + 1, bounds.maxY + 1};
    run("InitializeFrameRect", &mouse);

    // No active grade point: nothing to tie.
    EXPECT_FALSE(run("UpdateRectFocusPoints", nullptr));
    IMaskPoint *maskPoint = square->GetBasePointAt(0)->GetMaskPoint();
    ASSERT_NE(maskPoint, nullptr);
    EXPECT_EQ(maskPoint->GetAssociationCount(), 0);

    document.focus.SetActivePoint(square->GetBasePointAt(0));
    for (int time = 0; time < 2; ++time) {
        SCOPED_TRACE(time);
        EXPECT_TRUE(run("UpdateRectFocusPoints", nullptr));
        EXPECT_EQ(maskPoint->GetAssociationCount(), inside.GetCount());
    }
}
