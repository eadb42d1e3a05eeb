// Morvane interactive tasks, tests.
// Placing, moving, turning and flipping patterns, the mask centre and the pivot, copying and
// deleting mask patterns, the selection's transforms and the clipboard, run by the shirt's
// grade-mask task manager.
#include "MaskTasksOnShirt.h"

#include "app/commands/ItemClipboard.h"
#include "app/commands/PatternState.h"
#include "app/commands/RegionData.h"
#include "app/documents/EventRecords.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/MultiFocusObject.h"
#include "app/interaction/RotationPivot.h"
#include "formulas/PointFormulaLikePoint.h"
#include "model/FormulaManager.h"
#include "model/MaskPoint.h"
#include "model/GradeRegion.h"
#include "model/History.h"
#include "tasks/CallbackCommand.h"
#include "tasks/UndoGroup.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace morvane;
using namespace morvane::test;
using testinteraction::placeSquare;

namespace {

constexpr double kFar = 5000.0;

void expectPoint(const DPOINT &actual, const DPOINT &expected, double tolerance = 1e-9)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

class PatternCommandsTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        manager.command(std::make_unique<CCallbackCommand>(
            "UpdateRegion",
            [this](ITask *, void *data) {
                updatedRegions.push_back(*static_cast<const RegionData *>(data));
                return true;
            },
            nullptr, CMT_NO_MODIFY));
        square = placeSquare(mask, "A", {kFar, 0});
        auto made = mask.MakeRegion();
        made->SetPosition({kFar + 300, 0});
        region = made.get();
        mask.InsertGradeRegionAt(0, std::move(made));
        start();
        for (int i = 0; i < inputs().GetPatternCount(); ++i)
            inputs().GetPatternAt(i)->SetFlagged();
    }
    void TearDown() override
    {
        installItemClipboard(nullptr);
        MaskTasksOnShirtTest::TearDown();
    }

    IInputPatterns &inputs() { return document.style().inputPatterns(); }
    CInputPattern &input(int i) { return *inputs().GetPatternAt(i); }
    bool run(const std::string &name, void *data = nullptr)
    {
        return manager.GetCommand(name)->Execute(mainTask().GetActiveTask(), data);
    }
    bool enabled(const std::string &name, void *data = nullptr)
    {
        return manager.GetCommand(name)->IsEnabled(mainTask().GetActiveTask(), data);
    }
    /// The steps of the main task's history that undo would take back.
    int steps() { return mainTask().GetOwnUndoGroup()->GetCurrentIndex() + 1; }
    void activate(CObject *item, int32_t kind)
    {
        document.focus.SetActiveObject(CFocusObject::Create(item, kind));
    }
    static DPOINT position(const CPattern &pattern)
    {
        return pattern.GetPatternLocation()->GetPosition();
    }
    static double angle(const CPattern &pattern)
    {
        return pattern.GetPatternLocation()->GetRotAngle(false);
    }

    CMaskPattern *square = nullptr;
    CGradeRegion *region = nullptr;
    std::vector<RegionData> updatedRegions;
};

struct PlacementCase
{
    const char *name;
    DPOINT before;
    DPOINT placed;
};

} // namespace

TEST_F(PatternCommandsTest, PlacingClampsIntoThePlacementSquareAndUndoOnlyTakesThePatternOff)
{
    const PlacementCase cases[] = {
        {"beyond 1000", {1500, -20}, {1000, -20}},
        {"within 0.1 of the square", {1000.05, 0}, {1000.05, 0}},
        {"beyond both corners", {-2500, 3000}, {-1000, 1000}},
        {"inside", {12, 34}, {12, 34}},
    };
    CInputPattern &pattern = input(0);
    for (const PlacementCase &row : cases) {
        SCOPED_TRACE(row.name);
        pattern.ClearFlagged();
        pattern.SetPatternPosition(row.before.x, row.before.y);
        ASSERT_TRUE(manager.DispatchEvent("PlacePattern", &pattern));
        EXPECT_TRUE(pattern.IsFlagged());
        expectPoint(position(pattern), row.placed);
        manager.Undo();
        EXPECT_FALSE(pattern.IsFlagged());
        expectPoint(position(pattern), row.placed);
        manager.Redo();
        EXPECT_TRUE(pattern.IsFlagged());
    }
}

TEST_F(PatternCommandsTest, PlacingAListPlacesOnlyWhatIsOffTheMaskAndAllFollowTheDocument)
{
    input(1).ClearFlagged();
    CPtrCollection<CPattern> both;
    both.Add(&input(0));
    both.Add(&input(1));
    both.Add(square);
    ASSERT_TRUE(run("PlaceSelectedPatterns", &both));
    EXPECT_TRUE(input(1).IsFlagged());
    manager.Undo();
    EXPECT_TRUE(input(0).IsFlagged());
    EXPECT_FALSE(input(1).IsFlagged());

    input(1).SetFlagged();
    EXPECT_FALSE(enabled("PlaceAllPatterns"));
    EXPECT_TRUE(enabled("UnplaceAllPatterns"));
    ASSERT_TRUE(manager.DispatchEvent("UnplaceAllPatterns", nullptr));
    EXPECT_FALSE(input(0).IsFlagged());
    EXPECT_FALSE(input(1).IsFlagged());
    EXPECT_FALSE(enabled("UnplaceAllPatterns"));
    manager.Undo();
    EXPECT_TRUE(input(0).IsFlagged() && input(1).IsFlagged());

    // Without a parameter the active object decides: a region is no pattern to place.
    activate(region, CFocusObject::kRegion);
    input(0).ClearFlagged();
    EXPECT_FALSE(enabled("PlacePattern"));
    activate(&input(0), CFocusObject::kPattern);
    EXPECT_TRUE(enabled("PlacePattern"));
    EXPECT_FALSE(enabled("UnPlacePattern"));
}

TEST_F(PatternCommandsTest, PickingAPatternOffTheMaskPlacesItFirst)
{
    input(0).ClearFlagged();
    const std::unique_ptr<CFocusObject> picked =
        CFocusObject::Create(&input(0), CFocusObject::kPattern);
    ASSERT_TRUE(enabled("SetActiveItem", picked.get()));
    ASSERT_TRUE(run("SetActiveItem", picked.get()));
    EXPECT_TRUE(input(0).IsFlagged());
    EXPECT_TRUE(document.focus.GetActiveObject()->RefersTo(&input(0)));
    manager.Undo();
    EXPECT_FALSE(input(0).IsFlagged());
}

TEST_F(PatternCommandsTest, RunsInARowKeepTheFirstAndLatestStepOfCommandsThatDoNotRepeat)
{
    CPtrCollection<CPattern> first;
    first.Add(&input(0));
    const int before = steps();
    for (int i = 0; i < 3; ++i) {
        input(0).ClearFlagged();
        run("PlaceSelectedPatterns", &first);
    }
    EXPECT_EQ(steps(), before + 2);
    for (int i = 0; i < 3; ++i) {
        input(0).ClearFlagged();
        run("PlacePattern", &input(0));
    }
    EXPECT_EQ(steps(), before + 5);

    // A drag of the active pattern: its start and its latest step stay, and undoing both puts
    // the pattern back where the drag began.
    activate(square, CFocusObject::kPattern);
    const DPOINT start = position(*square);
    VIEW_MOUSE_PARAM mouse;
    for (double x : {10.0, 20.0, 35.0}) {
        mouse.position = {start.x + x, 7};
        ASSERT_TRUE(run("MovePattern", &mouse));
    }
    EXPECT_EQ(steps(), before + 7);
    expectPoint(position(*square), {start.x + 35, 7});
    manager.Undo();
    manager.Undo();
    expectPoint(position(*square), start);
}

TEST_F(PatternCommandsTest, PositionChangesOfAThousandthOrLessAreNoSteps)
{
    const DPOINT start = position(*square);
    const int before = steps();
    PatternPositionRequest request{{start.x + 0.0005, start.y}, square};
    EXPECT_FALSE(run("ChangePatternPosition", &request));
    EXPECT_EQ(steps(), before);
    request.position = {start.x + 0.002, start.y};
    EXPECT_TRUE(run("ChangePatternPosition", &request));
    EXPECT_EQ(steps(), before + 1);
    expectPoint(position(*square), request.position);
}

TEST_F(PatternCommandsTest, AnglesAreBroughtIntoPlusMinus360ByWholeTurns)
{
    document.services.SetEditMode(true);
    const struct
    {
        double given;
        double expected;
    } cases[] = {{725, 5}, {-400, -40}, {360, 360}, {-360, -360}, {90, 90}};
    for (const auto &row : cases) {
        SCOPED_TRACE(row.given);
        PatternAngleRequest request{square, row.given};
        ASSERT_TRUE(run("ChangePatternAngle", &request));
        // The model's degree-to-radian factor is not exact.
        EXPECT_NEAR(angle(*square), row.expected, 1e-5);
    }
    EXPECT_DOUBLE_EQ(normalizePatternAngle(1e9 + 5), std::fmod(1e9 + 5, 360.0));
    PatternAngleRequest notANumber{square, NAN};
    EXPECT_FALSE(run("ChangePatternAngle", &notANumber));
}

TEST_F(PatternCommandsTest, UndoOfAFlipRestoresTheWholePlacementAtOnce)
{
    CInputPattern &pattern = input(0);
    pattern.SetPatternLocation(100, 50, 30, false);
    pattern.SetPivotPoint({110, 55});
    ASSERT_TRUE(manager.DispatchEvent("FlipPattern", &pattern));
    EXPECT_TRUE(pattern.GetPatternLocation()->IsFlipped());
    // Something else moved it meanwhile: undo still brings back all four at once.
    pattern.SetPatternLocation(7, 8, 12, true);
    pattern.SetPivotPoint({1, 2});
    manager.Undo();
    EXPECT_FALSE(pattern.GetPatternLocation()->IsFlipped());
    expectPoint(position(pattern), {100, 50});
    EXPECT_NEAR(angle(pattern), 30, 1e-5);
    expectPoint(pattern.GetPivotPoint(), {110, 55}, 1e-6);
    manager.Redo();
    EXPECT_TRUE(pattern.GetPatternLocation()->IsFlipped());
    expectPoint(position(pattern), {7, 8});
    manager.Undo();
    EXPECT_FALSE(pattern.GetPatternLocation()->IsFlipped());
}

TEST_F(PatternCommandsTest, MaskPatternsChangeOnlyWhileTheyAreEditedAndMarkTheMaskChanged)
{
    PatternState onMask{0, {1, 1}, {1, 1}, false, square};
    PatternState onInput{0, {1, 1}, {1, 1}, false, &input(0)};
    PatternAngleRequest turnMask{square, 10};
    PatternPositionRequest moveMask{{3, 3}, square};
    activate(square, CFocusObject::kPattern);
    for (bool editing : {false, true}) {
        SCOPED_TRACE(editing);
        document.services.SetEditMode(editing);
        EXPECT_EQ(enabled("FlipPattern", square), editing);
        EXPECT_EQ(enabled("UpdatePattern", &onMask), editing);
        EXPECT_EQ(enabled("ChangePatternAngle", &turnMask), editing);
        EXPECT_TRUE(enabled("ChangePatternPosition", &moveMask));
        EXPECT_TRUE(enabled("FlipPattern", &input(0)));
        EXPECT_TRUE(enabled("UpdatePattern", &onInput));
    }
    // Any selection mode but 0 turns the commands that act on the active pattern off.
    document.modes.SetSelectionMode(1);
    EXPECT_FALSE(enabled("FlipPattern"));
    EXPECT_FALSE(enabled("ChangePatternPosition", &moveMask));
    document.modes.SetSelectionMode(0);

    CUndoGroup &history = *mainTask().GetOwnUndoGroup();
    const bool modifiedBefore = history.IsModified();
    ASSERT_TRUE(run("UpdatePattern", &onInput));
    EXPECT_EQ(history.IsModified(), modifiedBefore);
    ASSERT_TRUE(run("UpdatePattern", &onMask));
    EXPECT_TRUE(history.IsModified());
}

TEST_F(PatternCommandsTest, SnappingToTheFocusMovesThroughTheSelectionMoveAndKeepsNoStateOfItsOwn)
{
    document.services.SetEditMode(true);
    activate(square, CFocusObject::kPattern);
    square->SetPatternLocation(kFar, 0, 45, false);
    auto focus = CFocusObject::Create(nullptr, CFocusObject::kNothing);
    focus->SetPosition({kFar + 12, 3});
    document.focus.SetFocusObject(std::move(focus));
    VIEW_MOUSE_PARAM release;
    release.position = {kFar + 10, 1};
    release.previousPosition = {kFar + 10, 1};
    const int before = steps();
    ASSERT_TRUE(run("MovePatternToFocusPoint", &release));
    expectPoint(position(*square), {kFar + 2, 2});
    EXPECT_EQ(steps(), before + 2);
    manager.Undo();
    // The snap's own step restores nothing: the pattern neither jumps to (0, 0) nor turns.
    expectPoint(position(*square), {kFar + 2, 2});
    EXPECT_NEAR(angle(*square), 45, 1e-5);
    manager.Undo();
    expectPoint(position(*square), {kFar, 0});
}

TEST_F(PatternCommandsTest, CentreAndPivotSwapWithTheirKeptPoints)
{
    const DPOINT centre = mask.GetCenter();
    DPOINT moved{12, -4};
    ASSERT_TRUE(run("SetMaskCenter", &moved));
    manager.Undo();
    expectPoint(mask.GetCenter(), centre);
    manager.Redo();
    expectPoint(mask.GetCenter(), moved);
    manager.Undo();
    expectPoint(mask.GetCenter(), centre);
    // Setting the centre where it is still makes a step.
    const int before = steps();
    DPOINT same = mask.GetCenter();
    EXPECT_TRUE(run("SetMaskCenter", &same));
    EXPECT_EQ(steps(), before + 1);

    const DPOINT pivot = document.pivot.GetPivotPoint();
    auto focus = CFocusObject::Create(nullptr, CFocusObject::kNothing);
    focus->SetPosition({kFar + 1, 2});
    document.focus.SetFocusObject(std::move(focus));
    ASSERT_TRUE(run("MovePatternPivotPoint"));
    expectPoint(document.pivot.GetPivotPoint(), {kFar + 1, 2});
    manager.Undo();
    expectPoint(document.pivot.GetPivotPoint(), pivot);
}

TEST_F(PatternCommandsTest, CopyingAndDeletingMaskPatternsIsOneStepOfTheMasksHistory)
{
    CPtrCollection<CPattern> none;
    EXPECT_FALSE(enabled("CopyPatternsToMask", &none));
    EXPECT_FALSE(enabled("CopyPatternsToMask"));
    document.services.SetEditMode(true);
    const int count = mask.GetPatternCount();
    ASSERT_TRUE(manager.DispatchEvent("CopyPatternsToMask", nullptr));
    ASSERT_EQ(mask.GetPatternCount(), count + inputs().GetPatternCount());
    EXPECT_EQ(mask.GetPatternAt(count)->GetPatternName().rfind(input(0).GetPatternName(), 0), 0u);
    manager.Undo();
    EXPECT_EQ(mask.GetPatternCount(), count);
    manager.Redo();
    EXPECT_EQ(mask.GetPatternCount(), count + inputs().GetPatternCount());

    // Input given that makes nothing, or patterns the mask lacks, record nothing: the undo
    // that follows takes back the copy above, not some earlier change.
    const int before = steps();
    EXPECT_FALSE(enabled("CopyPatternsToMask", &none));
    EXPECT_FALSE(run("CopyPatternsToMask", &none));
    CPtrCollection<CPattern> foreign;
    foreign.Add(&input(0));
    EXPECT_FALSE(enabled("DeletePatternsFromMask", &foreign));
    EXPECT_FALSE(run("DeletePatternsFromMask", &foreign));
    EXPECT_EQ(steps(), before);
    manager.Undo();
    EXPECT_EQ(mask.GetPatternCount(), count);

    activate(square, CFocusObject::kPattern);
    EXPECT_FALSE(enabled("CopyPatternToMask"));
    EXPECT_TRUE(enabled("DeletePatternFromMask"));
    ASSERT_TRUE(run("DeletePatternsFromMask"));
    EXPECT_EQ(mask.GetPatternCount(), 0);
    EXPECT_FALSE(enabled("DeletePatternsFromMask"));
    manager.Undo();
    EXPECT_EQ(mask.GetPatternCount(), count);

    document.services.SetEditMode(false);
    CPtrCollection<CPattern> both;
    both.Add(square);
    both.Add(&input(0));
    for (const char *name : {"CopyPatternsToMask", "DeletePatternsFromMask"}) {
        EXPECT_FALSE(enabled(name)) << name;
        EXPECT_FALSE(enabled(name, &both)) << name;
    }
    for (CPattern *pattern : {static_cast<CPattern *>(square), static_cast<CPattern *>(&input(0))}) {
        EXPECT_FALSE(enabled("CopyPatternToMask", pattern));
        EXPECT_FALSE(enabled("DeletePatternFromMask", pattern));
    }
}

TEST_F(PatternCommandsTest, MovingTheSelectionMovesEachItemByThePointersTravelAsOneStep)
{
    auto selection = std::make_unique<CMultiFocusObject>(nullptr);
    selection->Add(CFocusObject::Create(&input(0), CFocusObject::kPattern));
    selection->Add(CFocusObject::Create(square, CFocusObject::kPattern));
    selection->Add(CFocusObject::Create(region, CFocusObject::kRegion));
    document.focus.SetActiveObject(std::move(selection));
    const DPOINT inputStart = position(input(0));
    const DPOINT squareStart = position(*square);

    VIEW_MOUSE_PARAM mouse;
    mouse.previousPosition = {10, 10};
    mouse.position = {10.0005, 10.0005};
    const int before = steps();
    EXPECT_FALSE(run("MoveSelectedItems", &mouse));
    EXPECT_EQ(steps(), before);

    mouse.position = {15, 13};
    ASSERT_TRUE(run("MoveSelectedItems", &mouse));
    expectPoint(position(input(0)), {inputStart.x + 5, inputStart.y + 3});
    // Mask patterns stay while they are not edited.
    expectPoint(position(*square), squareStart);
    ASSERT_EQ(updatedRegions.size(), 1u);
    EXPECT_EQ(updatedRegions[0].pRegion, region);
    expectPoint(updatedRegions[0].oPosition, {kFar + 305, 3});
    EXPECT_EQ(steps(), before + 1);
    manager.Undo();
    expectPoint(position(input(0)), inputStart);
}

TEST_F(PatternCommandsTest, ListsTurnRelativelyOrAbsolutelyAndTheMaskCentreMovesWithTheSelection)
{
    input(0).SetPatternLocation(0, 0, 20, false);
    region->SetDirection(10, false);
    ROTATE_REQUEST request;
    request.dAngle = 90;
    request.bRelative = true;
    CFocusObject *items[] = {document.focus.GetActiveObject(), nullptr, nullptr};
    auto pattern = CFocusObject::Create(&input(0), CFocusObject::kPattern);
    auto regionObject = CFocusObject::Create(region, CFocusObject::kRegion);
    items[1] = pattern.get();
    items[2] = regionObject.get();
    request.oItems = {items[1], items[2]};
    ASSERT_TRUE(manager.DispatchEvent("RotateObjectList", &request));
    EXPECT_NEAR(angle(input(0)), 110, 1e-5);
    ASSERT_EQ(updatedRegions.size(), 1u);
    EXPECT_DOUBLE_EQ(updatedRegions[0].dDirection, (90 + region->GetDirection(false)) * 0.0174532925);
    EXPECT_TRUE(updatedRegions[0].bRepeat);
    manager.Undo();
    EXPECT_NEAR(angle(input(0)), 20, 1e-5);

    request.bRelative = false;
    request.dAngle = 45;
    request.oItems = {items[1]};
    ASSERT_TRUE(run("RotateItem", &request));
    EXPECT_NEAR(angle(input(0)), 45, 1e-5);
    manager.Undo();
    EXPECT_NEAR(angle(input(0)), 20, 1e-5);

    activate(&mask, CFocusObject::kMaskCentre);
    const DPOINT centre = mask.GetCenter();
    VIEW_MOUSE_PARAM mouse;
    mouse.position = {4, 0};
    ASSERT_TRUE(run("MoveSelectedItems", &mouse));
    expectPoint(mask.GetCenter(), {centre.x + 4, centre.y});
}

TEST_F(PatternCommandsTest, DeletingTheSelectionTakesMaskItemsOnlyAndRefusesWhatAFormulaNeeds)
{
    document.services.SetEditMode(true);
    CMaskPattern *other = placeSquare(mask, "B", {kFar + 100, 0});
    auto withInput = std::make_unique<CMultiFocusObject>(nullptr);
    withInput->Add(CFocusObject::Create(square, CFocusObject::kPattern));
    withInput->Add(CFocusObject::Create(&input(0), CFocusObject::kPattern));
    EXPECT_FALSE(enabled("DeleteSelectedItems", withInput.get()));

    auto masked = std::make_unique<CMultiFocusObject>(nullptr);
    masked->Add(CFocusObject::Create(square, CFocusObject::kPattern));
    masked->Add(CFocusObject::Create(other, CFocusObject::kPattern));
    const int count = mask.GetPatternCount();
    ASSERT_TRUE(enabled("DeleteSelectedItems", masked.get()));
    ASSERT_TRUE(run("DeleteSelectedItems", masked.get()));
    EXPECT_EQ(mask.GetPatternCount(), count - 2);
    EXPECT_EQ(mask.FindPattern(square), -1);
    manager.Undo();
    EXPECT_EQ(mask.GetPatternCount(), count);
    EXPECT_GE(mask.FindPattern(other), 0);
}

TEST_F(PatternCommandsTest, DeletingAPatternAnotherPatternsFormulaReadsIsRefusedWhole)
{
    document.services.SetEditMode(true);
    CMaskPattern *other = placeSquare(mask, "B", {kFar + 100, 0});
    CFormulaManager &formulas = mask.GetFormulas();
    auto *formula = static_cast<CPointFormulaLikePoint *>(formulas.AddFormula(
        formulas.MakePointFormula(CPointFormulaLikePoint::kFormulaType, nullptr,
                                  static_cast<CMaskPoint *>(other->GetBasePointAt(0)))));
    formula->SetReferencePoint(static_cast<CMaskPoint *>(square->GetBasePointAt(2)));
    const int count = mask.GetPatternCount();
    const int before = steps();

    activate(square, CFocusObject::kPattern);
    EXPECT_FALSE(run("DeleteSelectedItems"));
    EXPECT_EQ(mask.GetPatternCount(), count);
    EXPECT_EQ(steps(), before);
    ASSERT_EQ(document.services.userInterface.GetMessages().size(), 1u);
    EXPECT_NE(document.services.userInterface.GetMessages()[0].find("A"), std::string::npos);

    // Deleting both patterns takes the formula with its pattern: nothing that stays needs them.
    auto both = std::make_unique<CMultiFocusObject>(nullptr);
    both->Add(CFocusObject::Create(square, CFocusObject::kPattern));
    both->Add(CFocusObject::Create(other, CFocusObject::kPattern));
    EXPECT_TRUE(run("DeleteSelectedItems", both.get()));
    EXPECT_EQ(mask.GetPatternCount(), count - 2);
}

TEST_F(PatternCommandsTest, PasteSelectsExactlyThePastedItemsAndOneUndoRemovesThem)
{
    activate(square, CFocusObject::kPattern);
    EXPECT_FALSE(enabled("CopySelectedObjects"));
    document.services.SetEditMode(true);
    activate(&mask, CFocusObject::kMaskCentre);
    EXPECT_FALSE(enabled("CopySelectedObjects"));
    activate(square, CFocusObject::kPattern);
    ASSERT_TRUE(enabled("CopySelectedObjects"));
    ASSERT_TRUE(manager.DispatchEvent("CopySelectedObjects", nullptr));
    const std::optional<std::string> payload = itemClipboard().GetItems();
    ASSERT_TRUE(payload);
    EXPECT_EQ(payload->find('\0'), std::string::npos);

    const int count = mask.GetPatternCount();
    for (int paste = 1; paste <= 2; ++paste) {
        SCOPED_TRACE(paste);
        ASSERT_TRUE(enabled("PasteObjects"));
        ASSERT_TRUE(run("PasteObjects"));
        ASSERT_EQ(mask.GetPatternCount(), count + paste);
        const CFocusObject &selected = *document.focus.GetActiveObject();
        EXPECT_TRUE(selected.RefersTo(mask.GetPatternAt(count + paste - 1)));
        EXPECT_FALSE(selected.RefersTo(square));
    }
    manager.Undo();
    EXPECT_EQ(mask.GetPatternCount(), count + 1);
    manager.Redo();
    EXPECT_EQ(mask.GetPatternCount(), count + 2);

    // An empty or damaged payload changes nothing.
    for (const char *text : {"", "<MVClipboard", "not xml at all"}) {
        SCOPED_TRACE(text);
        itemClipboard().SetItems(text);
        const int before = steps();
        EXPECT_FALSE(run("PasteObjects"));
        EXPECT_EQ(mask.GetPatternCount(), count + 2);
        EXPECT_EQ(steps(), before);
    }
    document.services.SetEditMode(false);
    EXPECT_FALSE(enabled("PasteObjects"));
    EXPECT_FALSE(enabled("CutSelectedObjects"));
}
