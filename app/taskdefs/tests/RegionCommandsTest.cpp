// Morvane interactive tasks, tests.
// Adding, reshaping, flipping, limiting and deleting grade regions, run by the shirt's
// grade-mask task manager on real regions of its mask.
#include "MaskTasksOnShirt.h"

#include "app/commands/RegionData.h"
#include "app/documents/EventRecords.h"
#include "app/interaction/FocusManager.h"
#include "model/FormulaManager.h"
#include "model/GradeRegion.h"
#include "model/IBaseFormula.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/UndoGroup.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace morvane;

namespace {

constexpr double kPi = 3.1415926535898;

class RegionCommandsTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        document.services.SetEditMode(true);
        start();
    }

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
    void undoAll()
    {
        for (int i = steps(); i > 0; --i)
            manager.Undo();
    }
    int regionCount() const { return mask.GetGradeRegionCount(); }
    int formulaCount() { return mask.GetFormulaManager()->GetFormulaCount(); }
    IRegion &lastRegion() const { return *mask.GetGradeRegionAt(mask.GetGradeRegionCount() - 1); }
    IBaseFormula *formulaOf(const IRegion &region)
    {
        return mask.GetFormulaManager()->FindRegionFormula(&region);
    }
    static VIEW_MOUSE_PARAM mouseAt(DPOINT position)
    {
        VIEW_MOUSE_PARAM mouse;
        mouse.position = position;
        return mouse;
    }
    /// A region added by "AddRegionH" at the point, the active object afterwards.
    IRegion &addRegion(DPOINT at)
    {
        VIEW_MOUSE_PARAM mouse = mouseAt(at);
        EXPECT_TRUE(run("AddRegionH", &mouse));
        return lastRegion();
    }
    void activateEdge(IRegion &region, int32_t edgeKind)
    {
        auto object = CFocusObject::Create(dynamic_cast<CObject *>(&region), CFocusObject::kRegion);
        object->SetSubObject(dynamic_cast<CObject *>(&region), edgeKind);
        document.focus.SetActiveObject(std::move(object));
    }
};

struct AddCase
{
    const char *name;
    const char *command;
    DPOINT offsetFromCentre;
    double direction;
    double left, right, height;
    bool limited;
};

} // namespace

TEST_F(RegionCommandsTest, EachAdderMakesTheActiveRegionWithAFormulaThatOneUndoTakesAway)
{
    const AddCase cases[] = {
        {"strip at the centre's height", "AddRegionH", {40, 0}, 90, -100, 100, 100, false},
        {"strip below the centre", "AddRegionH", {0, -0.5}, -90, -100, 100, 100, false},
        {"strip at the centre's x", "AddRegionV", {0, 70}, 0, -100, 100, 100, false},
        {"strip left of the centre", "AddRegionV", {-0.5, 0}, 180, -100, 100, 100, false},
        {"slope region", "AddSlopeRegion", {15, 25}, 0, -50, 50, 100, false},
    };
    const DPOINT centre = mask.GetCenter();
    for (const AddCase &row : cases) {
        SCOPED_TRACE(row.name);
        const int regions = regionCount();
        const int formulas = formulaCount();
        const DPOINT at{centre.x + row.offsetFromCentre.x, centre.y + row.offsetFromCentre.y};
        VIEW_MOUSE_PARAM mouse = mouseAt(at);
        ASSERT_TRUE(run(row.command, &mouse));
        ASSERT_EQ(regionCount(), regions + 1);
        IRegion &region = lastRegion();
        EXPECT_NEAR(region.GetPosition().x, at.x, 1e-9);
        EXPECT_NEAR(region.GetPosition().y, at.y, 1e-9);
        // Degrees turn into radians by the model's factor 0.0174532925.
        EXPECT_NEAR(region.GetDirection(false), row.direction, 1e-6);
        EXPECT_EQ(region.GetLeft90(), row.left);
        EXPECT_EQ(region.GetRight90(), row.right);
        EXPECT_EQ(region.GetMaxHeight(), row.height);
        EXPECT_EQ(region.GetLimMaxHeight(), row.limited);
        ASSERT_NE(formulaOf(region), nullptr);
        EXPECT_EQ(formulaOf(region)->GetFormulaType(), 0);
        EXPECT_EQ(formulaCount(), formulas + 1);
        EXPECT_EQ(document.focus.GetActiveItem(), dynamic_cast<CObject *>(&region));

        manager.Undo();
        EXPECT_EQ(regionCount(), regions);
        EXPECT_EQ(formulaCount(), formulas);
        manager.Redo();
        EXPECT_EQ(regionCount(), regions + 1);
        EXPECT_EQ(formulaCount(), formulas + 1);
    }
}

TEST_F(RegionCommandsTest, TheNullRegionIsAClosedTwoByOneRectangleAtTheFocus)
{
    auto focus = CFocusObject::Create(nullptr, CFocusObject::kNothing);
    focus->SetPosition({12, -7});
    document.focus.SetFocusObject(std::move(focus));
    ASSERT_TRUE(run("AddNullRegion"));
    const IRegion &region = lastRegion();
    EXPECT_EQ(region.GetPosition().x, 12);
    EXPECT_EQ(region.GetPosition().y, -7);
    EXPECT_EQ(region.GetLeft90(), -1);
    EXPECT_EQ(region.GetRight90(), 1);
    EXPECT_EQ(region.GetMaxHeight(), 1);
    EXPECT_TRUE(region.GetLimLeft90() && region.GetLimRight90() && region.GetLimMaxHeight());
    EXPECT_TRUE(region.IsClosed());
}

TEST_F(RegionCommandsTest, AddingIsDisabledWhileMaskPatternsAreNotEditedAndDuplicatingNeedsARegion)
{
    IRegion &region = addRegion({0, 0});
    EXPECT_TRUE(enabled("DuplicateRegion", &region));
    EXPECT_FALSE(enabled("DuplicateRegion"));
    document.services.SetEditMode(false);
    for (const char *name :
         {"AddNullRegion", "AddRegionH", "AddRegionV", "AddSlopeRegion", "DuplicateRegion"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(enabled(name, &region));
    }
}

TEST_F(RegionCommandsTest, ADuplicateIsMovedByTenAndCopiesTheFormulaOrNone)
{
    IRegion &source = addRegion({0, 0});
    source.SetLimLeft90(true);
    const int formulas = formulaCount();
    ASSERT_TRUE(run("DuplicateRegion", &source));
    IRegion &copy = lastRegion();
    ASSERT_NE(&copy, &source);
    EXPECT_EQ(copy.GetPosition().x, source.GetPosition().x + 10);
    EXPECT_EQ(copy.GetPosition().y, source.GetPosition().y + 10);
    EXPECT_EQ(copy.GetDirection(true), source.GetDirection(true));
    EXPECT_TRUE(copy.GetLimLeft90());
    EXPECT_NE(copy.GetName(), source.GetName());
    ASSERT_NE(formulaOf(copy), nullptr);
    EXPECT_EQ(formulaOf(copy)->GetFormulaType(), formulaOf(source)->GetFormulaType());
    EXPECT_EQ(formulaOf(copy)->GetRegion(), &copy);
    EXPECT_EQ(formulaCount(), formulas + 1);

    manager.Undo();
    auto bare = mask.MakeRegion();
    IRegion *withoutFormula = bare.get();
    mask.InsertGradeRegionAt(regionCount(), std::move(bare));
    ASSERT_TRUE(run("DuplicateRegion", withoutFormula));
    EXPECT_EQ(formulaOf(lastRegion()), nullptr);
}

TEST_F(RegionCommandsTest, RunsOfDuplicatesAndOfUnlimitedLeftSidesUndoBackToTheStart)
{
    IRegion &first = addRegion({0, 0});
    first.SetLimLeft90(true);
    const int regions = regionCount();
    const int base = steps();
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(run("DuplicateRegion", &lastRegion()));
    EXPECT_EQ(steps(), base + 3);
    for (int i = 0; i < 3; ++i)
        manager.Undo();
    EXPECT_EQ(regionCount(), regions);

    IRegion *limited[3];
    for (IRegion *&region : limited) {
        region = &addRegion({0, 0});
        region->SetLimLeft90(true);
    }
    const int beforeUnlimit = steps();
    for (IRegion *region : limited)
        ASSERT_TRUE(run("UnlimitLeft", region));
    EXPECT_EQ(steps(), beforeUnlimit + 3);
    for (int i = 0; i < 3; ++i)
        manager.Undo();
    for (IRegion *region : limited)
        EXPECT_TRUE(region->GetLimLeft90());
}

TEST_F(RegionCommandsTest, LimitCommandsAreEnabledOnlyToChangeTheirEdgeAndUndoSwitchesItBack)
{
    struct LimitCase
    {
        const char *command;
        bool (IRegion::*edge)() const;
        bool value;
    };
    const LimitCase cases[] = {
        {"LimitLeft", &IRegion::GetLimLeft90, true},
        {"LimitRight", &IRegion::GetLimRight90, true},
        {"LimitHeight", &IRegion::GetLimMaxHeight, true},
        {"UnlimitLeft", &IRegion::GetLimLeft90, false},
        {"UnlimitRight", &IRegion::GetLimRight90, false},
        {"UnlimitHeight", &IRegion::GetLimMaxHeight, false},
    };
    IRegion &region = addRegion({0, 0});
    for (const LimitCase &row : cases) {
        SCOPED_TRACE(row.command);
        EXPECT_EQ((region.*row.edge)(), !row.value);
        EXPECT_TRUE(enabled(row.command, &region));
        EXPECT_TRUE(enabled(row.command)) << "the active region";
        ASSERT_TRUE(run(row.command));
        EXPECT_EQ((region.*row.edge)(), row.value);
        EXPECT_FALSE(enabled(row.command, &region));
        manager.Undo();
        EXPECT_EQ((region.*row.edge)(), !row.value);
        manager.Redo();
        EXPECT_EQ((region.*row.edge)(), row.value);
    }
    region.SetLimLeft90(false);
    document.focus.SetActiveObject(CFocusObject::Create(nullptr, CFocusObject::kNothing));
    EXPECT_FALSE(enabled("LimitLeft")) << "no active region";
    document.focus.SetActiveObject(
        CFocusObject::Create(dynamic_cast<CObject *>(&region), CFocusObject::kRegion));
    document.services.SetEditMode(false);
    EXPECT_FALSE(enabled("LimitLeft")) << "mask patterns not edited";
    EXPECT_TRUE(enabled("LimitLeft", &region)) << "a region given";
}

TEST_F(RegionCommandsTest, UpdateRegionWritesEveryValueAndUndoAndRedoSwapThem)
{
    IRegion &region = addRegion({0, 0});
    RegionData before;
    before.pRegion = &region;
    ASSERT_TRUE(readRegionData(document.services, before));
    RegionData after{{5, 6}, 1.25, -7, true, 8, true, 9, true, &region, "Back", false};
    ASSERT_TRUE(run("UpdateRegion", &after));
    RegionData read;
    read.pRegion = &region;
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(readRegionData(document.services, read));
        EXPECT_EQ(read.sName, "Back");
        EXPECT_EQ(read.oPosition.x, 5);
        EXPECT_NEAR(read.dDirection, 1.25, 1e-12);
        EXPECT_EQ(read.dLeft90, -7);
        EXPECT_EQ(read.dRight90, 8);
        EXPECT_EQ(read.dMaxHeight, 9);
        EXPECT_TRUE(read.bLimLeft90 && read.bLimRight90 && read.bLimMaxHeight);
        manager.Undo();
        ASSERT_TRUE(readRegionData(document.services, read));
        EXPECT_EQ(read.sName, before.sName);
        EXPECT_EQ(read.oPosition.x, before.oPosition.x);
        EXPECT_NEAR(read.dDirection, before.dDirection, 1e-12);
        EXPECT_EQ(read.dLeft90, before.dLeft90);
        EXPECT_FALSE(read.bLimLeft90 || read.bLimRight90 || read.bLimMaxHeight);
        manager.Redo();
    }
}

TEST_F(RegionCommandsTest, FlipModesTurnAndSwapTheSidesInOneUndoStep)
{
    struct FlipCase
    {
        int mode;
        double direction;
    };
    const double start = 0.5;
    const FlipCase cases[] = {
        {0, start + kPi}, {1, start}, {2, -start}, {3, kPi - start}};
    IRegion &region = addRegion({0, 0});
    IRegion &other = addRegion({0, 50});
    for (IRegion *r : {&region, &other}) {
        r->SetDirection(start, true);
        r->SetLeft90(-30);
        r->SetLimLeft90(true);
        r->SetRight90(50);
        r->SetLimRight90(false);
    }
    for (const FlipCase &row : cases) {
        SCOPED_TRACE(row.mode);
        RegionFlipRequest request;
        request.regions.Add(&region);
        request.regions.Add(&other);
        request.mode = row.mode;
        ASSERT_TRUE(enabled("FlipRegion", &request));
        const int base = steps();
        ASSERT_TRUE(run("FlipRegion", &request));
        EXPECT_EQ(steps(), base + 1);
        for (IRegion *r : {&region, &other}) {
            EXPECT_NEAR(r->GetDirection(true), row.direction, 1e-9);
            EXPECT_EQ(r->GetLeft90(), -50);
            EXPECT_FALSE(r->GetLimLeft90());
            EXPECT_EQ(r->GetRight90(), 30);
            EXPECT_TRUE(r->GetLimRight90());
        }
        manager.Undo();
        for (IRegion *r : {&region, &other}) {
            EXPECT_NEAR(r->GetDirection(true), start, 1e-9);
            EXPECT_EQ(r->GetLeft90(), -30);
            EXPECT_TRUE(r->GetLimLeft90());
        }
    }
    RegionFlipRequest empty;
    EXPECT_FALSE(enabled("FlipRegion", &empty));
}

TEST_F(RegionCommandsTest, DraggingAnEdgeStopsAtThePositionAndTinyStepsLeaveNoEntry)
{
    struct EdgeCase
    {
        const char *name;
        int32_t edge;
        DPOINT pointer;
        double (IRegion::*value)() const;
        double expected;
    };
    // Direction 90 degrees: the top lies towards +y, the right side towards +x.
    const EdgeCase cases[] = {
        {"top out", CFocusObject::kRegionTopEdge, {3, 40}, &IRegion::GetMaxHeight, 40},
        {"top behind the position", CFocusObject::kRegionTopEdge, {3, -40}, &IRegion::GetMaxHeight, 0},
        {"right side", CFocusObject::kRegionRightEdge, {25, 9}, &IRegion::GetRight90, 25},
        {"left side", CFocusObject::kRegionLeftEdge, {-35, 9}, &IRegion::GetLeft90, -35},
        {"left side across the position", CFocusObject::kRegionLeftEdge, {35, 9}, &IRegion::GetLeft90, 0},
    };
    for (const EdgeCase &row : cases) {
        SCOPED_TRACE(row.name);
        IRegion &region = addRegion({0, 0});
        region.SetDirection(90, false);
        const double before = (region.*row.value)();
        activateEdge(region, row.edge);
        VIEW_MOUSE_PARAM mouse = mouseAt(row.pointer);
        const int base = steps();
        ASSERT_TRUE(run("MoveRegion", &mouse));
        EXPECT_NEAR((region.*row.value)(), row.expected, 1e-6);
        mouse.position.x += 0.0004 * (row.edge == CFocusObject::kRegionTopEdge ? 0 : 1);
        mouse.position.y += 0.0004 * (row.edge == CFocusObject::kRegionTopEdge ? 1 : 0);
        EXPECT_FALSE(run("MoveRegion", &mouse)) << "a step of 0.001 or less";
        EXPECT_EQ(steps(), base + 1);
        manager.Undo();
        EXPECT_EQ((region.*row.value)(), before);
    }
    IRegion &region = addRegion({0, 0});
    activateEdge(region, CFocusObject::kRegionBaseEdge);
    VIEW_MOUSE_PARAM mouse = mouseAt({5, 5});
    EXPECT_FALSE(run("MoveRegion", &mouse)) << "the base is not dragged";
}

TEST_F(RegionCommandsTest, TurningFollowsThePointerLessTheStartAngleAndUndoTurnsBack)
{
    IRegion &region = addRegion({10, 10});
    const double before = region.GetDirection(true);
    mainTask().GetAttributes()->AddVariable("dRotStartRad", "0.25", kVisibleWritable);
    VIEW_MOUSE_PARAM mouse = mouseAt({10, 20});
    ASSERT_TRUE(run("RotateRegion", &mouse));
    EXPECT_NEAR(region.GetDirection(true), kPi / 2 - 0.25, 1e-9);
    manager.Undo();
    EXPECT_NEAR(region.GetDirection(true), before, 1e-12);
}

TEST_F(RegionCommandsTest, DeletingTakesTheRegionAndItsFormulaAndUndoPutsThemBackInPlace)
{
    IRegion &first = addRegion({0, 0});
    addRegion({0, 50});
    const int regions = regionCount();
    const int formulas = formulaCount();
    const std::string name = first.GetName();
    const int index = mask.FindGradeRegion(&first);
    ASSERT_TRUE(run("DeleteRegion", &first));
    EXPECT_EQ(regionCount(), regions - 1);
    EXPECT_EQ(formulaCount(), formulas - 1);
    manager.Undo();
    ASSERT_EQ(regionCount(), regions);
    EXPECT_EQ(mask.GetGradeRegionAt(index)->GetName(), name);
    EXPECT_NE(formulaOf(*mask.GetGradeRegionAt(index)), nullptr);

    auto foreign = mask.MakeRegion();
    const int base = steps();
    EXPECT_FALSE(run("DeleteRegion", foreign.get()));
    EXPECT_FALSE(run("DeleteRegion"));
    EXPECT_EQ(regionCount(), regions);
    EXPECT_EQ(steps(), base);
}

namespace {

class RegionShapingTest : public RegionCommandsTest
{
protected:
    void SetUp() override
    {
        RegionCommandsTest::SetUp();
        region = &addRegion({0, 0});
        // As the tools make them ("AddNullRegion"): every edge bounds the region.
        region->SetLimLeft90(true);
        region->SetLimRight90(true);
        region->SetLimMaxHeight(true);
    }
    void pick(DPOINT at)
    {
        auto picked = CFocusObject::Create(nullptr, CFocusObject::kNothing);
        picked->SetPosition(at);
        document.services.AddItem(picked.release());
    }
    void pointAt(DPOINT at)
    {
        auto focus = CFocusObject::Create(nullptr, CFocusObject::kNothing);
        focus->SetPosition(at);
        document.focus.SetFocusObject(std::move(focus));
    }

    IRegion *region = nullptr;
};

struct ShapeCase
{
    const char *name;
    const char *command;
    DPOINT picked;
    DPOINT pointer;
    DPOINT position;
    double directionDegrees;
    double left, right, height;
};

} // namespace

TEST_F(RegionShapingTest, RectanglesAndBiasLinesFollowThePickedPointAndThePointer)
{
    const ShapeCase cases[] = {
        {"rectangle right of the pick", "UpdateRectRegion", {0, 0}, {30, 20}, {0, 10}, 0, -10, 10, 30},
        {"rectangle left of the pick", "UpdateRectRegion", {0, 0}, {-30, 20}, {0, 10}, 180, -10, 10, 30},
        {"upright rectangle above", "UpdateRectRegionV", {0, 0}, {20, 30}, {10, 0}, 90, -10, 10, 30},
        {"upright rectangle below", "UpdateRectRegionV", {0, 0}, {20, -30}, {10, 0}, 270, -10, 10, 30},
        {"bias line along x", "UpdateBiasRegionAngle", {0, 0}, {10, 0}, {5, 0}, 90, -5, 5, 0},
    };
    for (const ShapeCase &row : cases) {
        SCOPED_TRACE(row.name);
        document.services.ClearItemList();
        region->SetPosition({0, 0});
        pick(row.picked);
        pointAt(row.pointer);
        ASSERT_TRUE(run(row.command));
        EXPECT_NEAR(region->GetPosition().x, row.position.x, 1e-9);
        EXPECT_NEAR(region->GetPosition().y, row.position.y, 1e-9);
        EXPECT_NEAR(region->GetDirection(false), row.directionDegrees, 1e-6);
        EXPECT_NEAR(region->GetLeft90(), row.left, 1e-9);
        EXPECT_NEAR(region->GetRight90(), row.right, 1e-9);
        EXPECT_NEAR(region->GetMaxHeight(), row.height, 1e-9);
    }
    // The bias line's base corners fall on the picked point and the pointer.
    DPOINT baseLeft, baseRight, topLeft, topRight;
    region->GetCorners(baseLeft, baseRight, topLeft, topRight);
    EXPECT_NEAR(baseLeft.x, 0, 1e-6);
    EXPECT_NEAR(baseRight.x, 10, 1e-6);
}

TEST_F(RegionShapingTest, TheBiasHeightReachesThePointerAndTurnsTheRegionToItsSide)
{
    pick({0, 0});
    pointAt({10, 0});
    ASSERT_TRUE(run("UpdateBiasRegionAngle"));
    const double direction = region->GetDirection(true);

    pointAt({4, 0});
    ASSERT_TRUE(run("UpdateBiasRegionHeight"));
    EXPECT_NEAR(region->GetDirection(true), direction, 1e-12) << "on the base line";
    EXPECT_NEAR(region->GetMaxHeight(), 0, 1e-9);

    pointAt({4, 7});
    ASSERT_TRUE(run("UpdateBiasRegionHeight"));
    const bool turned = std::abs(region->GetDirection(true) - direction) > 1;
    EXPECT_NEAR(region->GetMaxHeight(), 7, 1e-9);
    pointAt({4, -7});
    ASSERT_TRUE(run("UpdateBiasRegionHeight"));
    EXPECT_NEAR(region->GetMaxHeight(), 7, 1e-9);
    EXPECT_NE(std::abs(region->GetDirection(true) - direction) > 1, turned)
        << "the pointer on the other side turns the region half round";
    DPOINT baseLeft, baseRight, topLeft, topRight;
    region->GetCorners(baseLeft, baseRight, topLeft, topRight);
    EXPECT_NEAR(topLeft.y, -7, 1e-6) << "the top reaches the pointer";
}

TEST_F(RegionShapingTest, TheParallelDirectionLinesTheBaseUpWithinAQuarterTurnOfTheStart)
{
    mainTask().GetAttributes()->AddVariable("dStartAngle", "0", kVisibleWritable);
    const double starts[] = {0.0, 3.0};
    const DPOINT pointers[] = {{10, 0}, {10, 10}, {-3, 8}, {0, -5}};
    pick({0, 0});
    const double before = region->GetDirection(true);
    const int base = steps();
    pointAt({0.00005, 0});
    ASSERT_TRUE(run("ChangeRegionDirectionToParallel"));
    EXPECT_EQ(region->GetDirection(true), before) << "the pointer on the first pick";
    EXPECT_EQ(steps(), base + 1);
    for (double start : starts) {
        for (const DPOINT &pointer : pointers) {
            SCOPED_TRACE(testing::Message() << start << " towards " << pointer.x << ", " << pointer.y);
            ASSERT_TRUE(mainTask().GetAttributes()->SetDouble("dStartAngle", start));
            pointAt(pointer);
            ASSERT_TRUE(run("ChangeRegionDirectionToParallel"));
            const double base = region->GetDirection(true) + kPi / 2;
            const double line = std::atan2(pointer.y, pointer.x);
            EXPECT_NEAR(std::sin(base - line), 0, 1e-9) << "the base runs along the line";
            EXPECT_LE(std::cos(base - start), 1.0);
            EXPECT_GE(std::cos(base - start), -1e-9) << "within a quarter turn of the start";
        }
    }
}

TEST_F(RegionShapingTest, ShapingSwapsTheWholeSetOnUndoAndNeedsAPickedPoint)
{
    pointAt({30, 20});
    EXPECT_FALSE(run("UpdateRectRegion")) << "no picked point";
    pick({0, 0});
    const double height = region->GetMaxHeight();
    ASSERT_TRUE(run("UpdateRectRegion"));
    EXPECT_EQ(region->GetMaxHeight(), 30);
    manager.Undo();
    EXPECT_EQ(region->GetMaxHeight(), height);
    EXPECT_EQ(region->GetPosition().y, 0);
    manager.Redo();
    EXPECT_EQ(region->GetMaxHeight(), 30);
}

TEST_F(RegionCommandsTest, TheSelectionFlipsMovesAndDeletesRealRegionsOneUndoStepEach)
{
    IRegion &region = addRegion({0, 0});
    region.SetDirection(0.5, true);
    region.SetLeft90(-30);
    region.SetRight90(50);
    auto *item = dynamic_cast<CObject *>(&region);
    std::unique_ptr<CFocusObject> selected = CFocusObject::Create(item, CFocusObject::kRegion);
    std::vector<CFocusObject *> list{selected.get()};

    const int base = steps();
    ASSERT_TRUE(run("FlipObjectList", &list));
    EXPECT_NEAR(region.GetDirection(true), 0.5 + kPi, 1e-9);
    EXPECT_EQ(region.GetLeft90(), -50);
    EXPECT_EQ(steps(), base + 1);
    manager.Undo();
    EXPECT_NEAR(region.GetDirection(true), 0.5, 1e-12);
    EXPECT_EQ(region.GetLeft90(), -30);

    document.focus.SetActiveObject(CFocusObject::Create(item, CFocusObject::kRegion));
    VIEW_MOUSE_PARAM mouse = mouseAt({7, -3});
    mouse.previousPosition = {0, 0};
    ASSERT_TRUE(run("MoveSelectedItems", &mouse));
    EXPECT_NEAR(region.GetPosition().x, 7, 1e-9);
    EXPECT_NEAR(region.GetPosition().y, -3, 1e-9);
    manager.Undo();
    EXPECT_NEAR(region.GetPosition().x, 0, 1e-9);

    const int regions = regionCount();
    const int formulas = formulaCount();
    ASSERT_TRUE(run("DeleteSelectedItems"));
    EXPECT_EQ(regionCount(), regions - 1);
    EXPECT_EQ(formulaCount(), formulas - 1);
    manager.Undo();
    EXPECT_EQ(regionCount(), regions);
    EXPECT_EQ(formulaCount(), formulas);
}
