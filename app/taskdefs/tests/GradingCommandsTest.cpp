// Morvane interactive tasks, tests.
// Grading edits of the shirt (a grade point dragged over the sizes, a grade rule typed), the
// names typed for formulas, the dart and lapel commands and the start of the formula tools, on
// the shirt's real mask task manager.
#include "MaskTasksOnShirt.h"

#include "app/documents/EventRecords.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "app/taskdefs/EnteredName.h"
#include "model/BasePoint.h"
#include "model/GradeSize.h"
#include "model/InputPoint.h"
#include "model/MaskPattern.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace morvane;
using namespace morvane::test;
using testinteraction::placeSquare;

namespace {

constexpr int kSizes = 6;
constexpr int kBase = 2;

void expectNear(DPOINT actual, DPOINT expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-6);
    EXPECT_NEAR(actual.y, expected.y, 1e-6);
}

class GradingCommandsTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        start();
        // The grading begun, so that the style's points take rules in every size.
        ASSERT_TRUE(document.style().manager().RestartGrading());
        point = document.style().inputPoint(0, 0);
        ASSERT_NE(point, nullptr);
    }

    bool run(const std::string &name, void *data)
    {
        return manager.GetCommand(name)->Execute(mainTask().GetActiveTask(), data);
    }
    /// The focus search found the point in the size.
    void focusPoint(GradeSizeKey size)
    {
        auto focus = CFocusObject::Create(point, CFocusObject::kPoint);
        focus->SetSize(size);
        document.focus.SetFocusObject(std::move(focus));
    }
    std::vector<DPOINT> positions()
    {
        std::vector<DPOINT> all;
        for (int size = 0; size < kSizes; ++size) {
            CSimpleGradeSize gradeSize;
            gradeSize.Create(0, size);
            all.push_back(point->GetPosition(&gradeSize));
        }
        return all;
    }
    void expectPositions(const std::vector<DPOINT> &expected)
    {
        const std::vector<DPOINT> now = positions();
        for (int size = 0; size < kSizes; ++size) {
            SCOPED_TRACE(size);
            expectNear(now[size], expected[size]);
        }
    }

    CBasePoint *point = nullptr;
    VIEW_MOUSE_PARAM mouse;
};

} // namespace

TEST_F(GradingCommandsTest, DraggedPointSpacesTheOtherSizesEvenlyAndOneUndoRestoresThem)
{
    setVariable("bModifyAllSizes", 1);
    const std::vector<DPOINT> before = positions();
    const DPOINT base = point->GetAbsPosition();
    const DPOINT drag{10, 4};
    focusPoint({0, kBase + 2});
    mouse.position = {base.x + drag.x, base.y + drag.y};
    ASSERT_TRUE(run("UpdatePointGrading", &mouse));

    std::vector<DPOINT> spaced;
    for (int size = 0; size < kSizes; ++size) {
        // Two sizes above the base is the drag: one size is half of it, three sizes 3/2.
        const double share = (size - kBase) / 2.0;
        spaced.push_back(size == kBase ? before[kBase]
                                       : DPOINT{base.x + share * drag.x, base.y + share * drag.y});
    }
    expectPositions(spaced);
    expectNear(document.focus.GetFocusObject()->GetHitPosition(), mouse.position);

    manager.Undo();
    expectPositions(before);
    manager.Redo();
    expectPositions(spaced);
}

TEST_F(GradingCommandsTest, DragInTheBaseSizeOrWithoutAllSizesChangesOneRule)
{
    struct Case
    {
        const char *name;
        int allSizes;
        int size;
    };
    for (const Case &row : {Case{"base size, all sizes", 1, kBase}, Case{"one size", 0, 4}}) {
        SCOPED_TRACE(row.name);
        setVariable("bModifyAllSizes", row.allSizes);
        std::vector<DPOINT> expected = positions();
        focusPoint({0, row.size});
        mouse.position = {expected[row.size].x + 7, expected[row.size].y - 3};
        ASSERT_TRUE(run("UpdatePointGrading", &mouse));
        const std::vector<DPOINT> before = expected;
        expected[row.size] = mouse.position;
        expectPositions(expected);
        manager.Undo();
        expectPositions(before);
    }
}

TEST_F(GradingCommandsTest, DragWithoutASizeOrAGradePointChangesNothing)
{
    setVariable("bModifyAllSizes", 1);
    const std::vector<DPOINT> before = positions();
    mouse.position = {1, 2};
    focusPoint({});
    EXPECT_FALSE(run("UpdatePointGrading", &mouse));
    focusPoint({0, kSizes});
    EXPECT_FALSE(run("UpdatePointGrading", &mouse));
    document.focus.SetFocusObject(CFocusObject::Create(nullptr, CFocusObject::kNothing));
    EXPECT_FALSE(run("UpdatePointGrading", &mouse));
    expectPositions(before);
    EXPECT_FALSE(manager.CanUndo());
}

TEST_F(GradingCommandsTest, TypedRuleChangesOnlyBeyondATolerance)
{
    IInputPoint *input = point->GetInputPoint();
    const DPOINT rule = input->GetAbsGradeShift({}, {0, 4});
    PointRuleEdit edit{input, {rule.x + 0.0005, rule.y}, 0, 4};
    EXPECT_FALSE(manager.DispatchEvent("EditPointRules", &edit));
    EXPECT_FALSE(manager.CanUndo());
    EXPECT_FALSE(document.displayFlags.GetShowGrading());

    edit.value = {rule.x + 0.002, rule.y + 1};
    EXPECT_TRUE(manager.DispatchEvent("EditPointRules", &edit));
    expectNear(input->GetAbsGradeShift({}, {0, 4}), edit.value);
    EXPECT_TRUE(document.displayFlags.GetShowGrading());
    manager.Undo();
    expectNear(input->GetAbsGradeShift({}, {0, 4}), rule);
}

TEST(EnteredNameTest, NamesAreTrimmedLowerCasedAndComparedWithoutCase)
{
    struct Case
    {
        const char *name;
        const char *typed;
        const char *own;
        uint32_t message;
        const char *argument;
    };
    // The mask holds a formula named "Waist", as an older mask stored it, and one named "hip".
    const std::vector<std::string> names{"Waist", "hip"};
    const Case cases[] = {
        {"a formula keeps its own name", "  Waist ", "Waist", 0, ""},
        {"another takes no name of another", "waist", "", 61416, "waist"},
        {"in capitals neither", "HIP", "waist", 61416, "hip"},
        {"a free name", "Chest", "", 0, ""},
        {"empty", "   ", "", 61414, ""},
        {"a blank inside", "half waist", "", 61415, " "},
        {"a comma", "a,b", "", 61415, ","},
        {"an operator", "a-b", "", 61415, "-"},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        const EnteredNameCheck check = CheckEnteredName(row.typed, row.own, names);
        EXPECT_EQ(check.messageId, row.message);
        EXPECT_EQ(check.argument, row.argument);
    }
    EXPECT_EQ(CheckEnteredName("  Waist ", "Waist", names).name, "waist");
    EXPECT_EQ(CheckEnteredName("waist", "", {"Waist", "WAIST"}).messageId, 61416u);
}

TEST_F(GradingCommandsTest, DartAndLapelTakeExactlyTheirCountOfPoints)
{
    document.services.SetEditMode(true);
    CMaskPattern *square = placeSquare(mask, "A", {5000, 0});
    const auto pick = [&](std::initializer_list<int> points, bool line) {
        document.services.ClearItemList();
        for (int i : points) {
            CObject *item = line ? static_cast<CObject *>(square->GetPatternPolylineAt(0))
                                 : square->GetBasePointAt(i);
            document.services.AddItem(
                CFocusObject::Create(item, line ? CFocusObject::kPolyline : CFocusObject::kPoint)
                    .release());
        }
    };
    const int formulasBefore = mask.GetFormulas().GetFormulaCount();
    struct Case
    {
        const char *name;
        const char *command;
        std::initializer_list<int> points;
        bool line;
        bool made;
    };
    const Case cases[] = {
        {"a dart of two points", "AddDartFormula", {0, 1}, false, false},
        {"a dart of four points", "AddDartFormula", {0, 1, 2, 3}, false, false},
        {"a dart with a line", "AddDartFormula", {0, 1, 2}, true, false},
        {"a lapel of three points", "AddLapelFormula", {0, 1, 2}, false, false},
        {"a dart", "AddDartFormula", {0, 1, 2}, false, true},
    };
    int made = 0;
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        pick(row.points, row.line);
        EXPECT_EQ(run(row.command, nullptr), row.made);
        made += row.made ? 1 : 0;
        EXPECT_EQ(mask.GetFormulas().GetFormulaCount(), formulasBefore + made);
    }
}

TEST_F(GradingCommandsTest, FormulaToolsStartOnlyInEditModeOnAMaskWithPatterns)
{
    struct Case
    {
        const char *event;
        const char *tool;
        std::vector<int> focusTypes;
    };
    const Case cases[] = {
        {"OnAddDartsFormula", "AddDartsFormulaTask", {5}},
        {"OnAddLapelFormula", "AddLapelFormulaTask", {1}},
        {"OnPathDefiniton", "AddPathTask", {1}},
    };
    placeSquare(mask, "A", {5000, 0});
    setVariable("nSnapMode", 3);
    for (const Case &row : cases) {
        SCOPED_TRACE(row.tool);
        document.services.SetEditMode(false);
        manager.DispatchEvent(row.event, nullptr);
        EXPECT_EQ(state().rfind("IdleTask", 0), 0u) << state();

        document.services.SetEditMode(true);
        manager.DispatchEvent(row.event, nullptr);
        EXPECT_EQ(state().rfind(row.tool, 0), 0u) << state();
        EXPECT_EQ(document.services.focusTypes, row.focusTypes);
        EXPECT_NE(document.mainVariable("EditToolMode"), 0);
        manager.DispatchEvent("OnCancel", nullptr);
        EXPECT_EQ(state().rfind("IdleTask", 0), 0u) << state();
        EXPECT_EQ(document.mainVariable("nSnapMode"), 3);
        EXPECT_EQ(document.mainVariable("EditToolMode"), 0);
        EXPECT_FALSE(document.pathEditor.IsActive());
    }
}
