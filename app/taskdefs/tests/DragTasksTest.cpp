// Morvane interactive tasks, tests.
// The drags of the selection, the pivot, a pattern and the mask centre on the shirt's grade-mask
// task manager: events in, states entered, commands run, the modes after; and one drag with the
// real commands.
#include "MaskTasksOnShirt.h"

#include "app/documents/EventRecords.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/FocusShapeSet.h"
#include "lang/ResourceText.h"
#include "model/Pattern.h"
#include "tasks/UndoGroup.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <sstream>

using namespace morvane;
using namespace morvane::test;
using testinteraction::placeSquare;

namespace {

// A tool that starts "MovePatternTask" on "Drag", standing in for the tool that would: no
// chart of a grade mask starts it.
constexpr StateRow kHostStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Wait", StateType::Plain, 1},
    {"MovePatternTask", StateType::SubTask, 2},
};
constexpr TransitionRow kHostTransitions[] = {
    {"Entry", "", "", "Wait"},
    {"Wait", "Drag", "", "MovePatternTask"},
    {"MovePatternTask", "OnExit", "", "Wait", "Dropped"},
};
constexpr ChartDeclaration kHostChart{{}, {}, kHostStates, kHostTransitions};

constexpr const char *kRecorded[] = {
    "SaveFirstPointDelta", "SetCapture",          "MoveSelectedItems",     "FindFocusObject",
    "SetPointFilter",      "UpdateFocusManager",  "MovePatternToFocusPoint", "SaveInitialRotAngle",
    "RotateSelectedItems", "MovePatternPivotPoint", "MoveMaskCenter",      "MovePattern",
    "Dropped",
};

struct DragCase
{
    const char *name;
    std::map<std::string, int> variables;
    const char *steps;
    EventLog commands;
    int captureReleases;
};

class DragChartsTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        for (const char *name : kRecorded)
            manager.command(name, {.addToHistory = false});
        manager.task("AddPathTask", [](ITask *task) { defineChart(task, kHostChart); });
        manager.SetMouseCapture(&capture);
        square = placeSquare(mask, "A", {5000, 0});
        start();
    }

    /// "move", "release", "filter" (a change of the snap mode) or an event to start a tool.
    void play(const std::string &steps)
    {
        std::istringstream words(steps);
        for (std::string step; words >> step;) {
            if (step == "move")
                manager.DispatchEvent("OnMouseMoveD", &mouse);
            else if (step == "release")
                manager.DispatchEvent("OnLButtonUpD", &mouse);
            else if (step == "filter")
                manager.DispatchEvent("SetPointFilter", nullptr);
            else
                manager.DispatchEvent(step, &mouse);
        }
    }
    void runCases(std::initializer_list<DragCase> cases)
    {
        for (const DragCase &row : cases) {
            SCOPED_TRACE(row.name);
            for (int i = 0; i < 3 && state().rfind("IdleTask", 0) != 0; ++i)
                manager.DispatchEvent("OnCancel", nullptr);
            for (const auto &[name, value] : row.variables)
                setVariable(name.c_str(), value);
            log.clear();
            capture.releases = 0;
            play(row.steps);
            EXPECT_EQ(state().rfind("IdleTask", 0), 0u) << state();
            EXPECT_EQ(takeCommandsRun(log), row.commands);
            EXPECT_EQ(capture.releases, row.captureReleases);
            for (const auto &[name, value] : row.variables)
                setVariable(name.c_str(), 0);
        }
    }
    int variable(const char *name)
    {
        int value = 0;
        mainTask().GetAttributes()->GetInteger(name, &value);
        return value;
    }
    /// The running tool's focus rules.
    CFocusFilterList &toolRules()
    {
        void *published = nullptr;
        mainTask().GetActiveTask()->GetAttributes()->GetPointer("pFocusManager", &published);
        EXPECT_NE(published, nullptr);
        return static_cast<CFocusShapeSet *>(published)->GetFilterList();
    }

    RecordingMouseCapture capture;
    VIEW_MOUSE_PARAM mouse;
    CMaskPattern *square = nullptr;
};

} // namespace

TEST_F(DragChartsTest, MovingTheSelectionFollowsThePointerAndSnapsOnlyUnderASnapMode)
{
    runCases({
        {"press and release", {}, "OnMoveSelection release",
         {"run SaveFirstPointDelta", "run SetCapture"}, 1},
        {"two moves", {}, "OnMoveSelection move move release",
         {"run SaveFirstPointDelta", "run SetCapture", "run MoveSelectedItems",
          "run FindFocusObject", "run MoveSelectedItems", "run FindFocusObject"},
         1},
        {"a snap mode", {{"nSnapMode", 2}}, "OnMoveSelection move release",
         {"run SaveFirstPointDelta", "run SetCapture", "run MoveSelectedItems",
          "run FindFocusObject", "run MovePatternToFocusPoint"},
         1},
        {"the snap mode changed on the way", {}, "OnMoveSelection filter release",
         {"run SaveFirstPointDelta", "run SetCapture", "run SetPointFilter",
          "run UpdateFocusManager"},
         1},
    });
}

TEST_F(DragChartsTest, TurningTheSelectionHasNoSnapStep)
{
    runCases({
        {"press and release", {}, "OnRotateSelection release",
         {"run SaveInitialRotAngle", "run SetCapture"}, 1},
        {"a move under a snap mode", {{"nSnapMode", 2}}, "OnRotateSelection move release",
         {"run SaveInitialRotAngle", "run SetCapture", "run RotateSelectedItems",
          "run FindFocusObject"},
         1},
        {"the snap mode changed on the way", {}, "OnRotateSelection filter release",
         {"run SaveInitialRotAngle", "run SetCapture", "run SetPointFilter",
          "run UpdateFocusManager"},
         1},
    });
}

TEST_F(DragChartsTest, PivotAndCentreFollowTheirDrags)
{
    runCases({
        {"pivot pressed and released", {}, "OnMovePivotPoint release", {}, 0},
        {"pivot dragged", {}, "OnMovePivotPoint move move release",
         {"run FindFocusObject", "run MovePatternPivotPoint", "run FindFocusObject",
          "run MovePatternPivotPoint"},
         0},
        // The pivot's rules and shapes stay as built on entry.
        {"pivot under a new snap mode", {}, "OnMovePivotPoint filter release",
         {"run SetPointFilter"}, 0},
        {"centre pressed and released", {}, "OnMoveCenter release", {"run SetCapture"}, 1},
        {"centre dragged", {}, "OnMoveCenter move move release",
         {"run SetCapture", "run MoveMaskCenter", "run MoveMaskCenter"}, 1},
    });
}

TEST_F(DragChartsTest, PatternDragMovesOnceAtTheStartAndSnapsUnderASnapMode)
{
    play("OnPathDefiniton");
    ASSERT_EQ(state(), "AddPathTask/Wait");
    struct Row
    {
        const char *name;
        int snapMode;
        EventLog commands;
        std::string prompt;
    };
    const Row rows[] = {
        {"no snap mode", 0,
         {"run SaveFirstPointDelta", "run MovePattern", "run MovePattern", "run FindFocusObject",
          "run Dropped"},
         loadString(43047)},
        {"a snap mode", 3,
         {"run SaveFirstPointDelta", "run MovePattern", "run MovePattern", "run FindFocusObject",
          "run MovePatternToFocusPoint", "run Dropped"},
         loadString(43047)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        setVariable("nSnapMode", row.snapMode);
        log.clear();
        play("Drag move");
        EXPECT_EQ(document.services.GetStringAt(0), row.prompt);
        play("release");
        EXPECT_EQ(state(), "AddPathTask/Wait");
        EXPECT_EQ(takeCommandsRun(log), row.commands);
        EXPECT_EQ(document.services.GetStringAt(0), "");
    }
    setVariable("nSnapMode", 0);
}

TEST_F(DragChartsTest, MoveModeLastsOneDragUnlessTheToolRepeatsAndTurnModeOneTurn)
{
    for (int repeat : {0, 1}) {
        SCOPED_TRACE(repeat);
        setVariable("repeat", repeat);
        setVariable("bAutoMove", 1);
        setVariable("bAutoRotate", 1);
        play("OnMoveSelection release");
        EXPECT_EQ(variable("bAutoMove"), repeat);
        play("OnRotateSelection release");
        EXPECT_EQ(variable("bAutoRotate"), 0);
    }
}

TEST_F(DragChartsTest, DragRulesTakeTheSnapToleranceOfTheirSnapMode)
{
    document.focus.SetActiveObject(CFocusObject::Create(square, CFocusObject::kPattern));
    play("OnMoveSelection");
    EXPECT_TRUE(document.focus.GetActiveObject()->IsLocked());
    EXPECT_EQ(document.services.focusTypes, (std::vector<int>{0, 2, 3, 1}));
    CFocusFilterList &rules = toolRules();
    ASSERT_EQ(rules.GetCount(), 3);
    // Rule by rule, the tolerance under snap modes 0 to 5.
    const int expected[3][6] = {
        {3, 3, 3, 100, 3, 3},
        {3, 3, 100, 3, 3, 100},
        {3, 100, 3, 3, 3, 100},
    };
    for (int rule = 0; rule < 3; ++rule) {
        for (int snap = 0; snap < 6; ++snap)
            EXPECT_EQ(rules.GetAt(rule).GetTolerance(snap), expected[rule][snap])
                << "rule " << rule << ", snap mode " << snap;
    }
    play("release");
    EXPECT_FALSE(document.focus.GetActiveObject()->IsLocked());

    play("OnMovePivotPoint");
    CFocusFilterList &pivotRules = toolRules();
    ASSERT_EQ(pivotRules.GetCount(), 3);
    // Under the snap mode that takes a rule's kind, any distance.
    EXPECT_EQ(pivotRules.GetAt(0).GetTolerance(1), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(pivotRules.GetAt(0).GetTolerance(0), 3);
    play("release");
}

/// The real commands: a drag of the active pattern moves it by the pointer's travel, and one
/// undo of the main task puts it back.
class DragOnShirtTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        manager.SetMouseCapture(&capture);
        square = placeSquare(mask, "A", {5000, 0});
        start();
    }

    RecordingMouseCapture capture;
    CMaskPattern *square = nullptr;
};

TEST_F(DragOnShirtTest, ADragMovesByThePointersTravelAndOneUndoPutsItBack)
{
    document.services.SetEditMode(true);
    document.focus.SetActiveObject(CFocusObject::Create(square, CFocusObject::kPattern));
    auto focus = CFocusObject::Create(nullptr, CFocusObject::kNothing);
    focus->SetPosition({5010, 10});
    document.focus.SetFocusObject(std::move(focus));
    const DPOINT start = square->GetPatternLocation()->GetPosition();

    VIEW_MOUSE_PARAM mouse;
    mouse.position = {5010, 10};
    mouse.previousPosition = {5010, 10};
    manager.DispatchEvent("OnMoveSelection", &mouse);
    for (DPOINT to : {DPOINT{5015, 12}, DPOINT{5030, 20}}) {
        mouse.previousPosition = mouse.position;
        mouse.position = to;
        manager.DispatchEvent("OnMouseMoveD", &mouse);
    }
    manager.DispatchEvent("OnLButtonUpD", &mouse);
    EXPECT_EQ(state().rfind("IdleTask", 0), 0u) << state();
    const DPOINT moved = square->GetPatternLocation()->GetPosition();
    EXPECT_NEAR(moved.x, start.x + 20, 1e-9);
    EXPECT_NEAR(moved.y, start.y + 10, 1e-9);
    EXPECT_EQ(capture.releases, 1);

    manager.Undo();
    const DPOINT back = square->GetPatternLocation()->GetPosition();
    EXPECT_NEAR(back.x, start.x, 1e-9);
    EXPECT_NEAR(back.y, start.y, 1e-9);
    manager.Redo();
    EXPECT_NEAR(square->GetPatternLocation()->GetPosition().x, start.x + 20, 1e-9);
}

TEST_F(DragOnShirtTest, ACentreDragIsOneStepOfTheMainTask)
{
    const DPOINT start = mask.GetCenter();
    VIEW_MOUSE_PARAM mouse;
    manager.DispatchEvent("OnMoveCenter", &mouse);
    for (DPOINT to : {DPOINT{10, 0}, DPOINT{20, 5}}) {
        mouse.position = to;
        manager.DispatchEvent("OnMouseMoveD", &mouse);
    }
    manager.DispatchEvent("OnLButtonUpD", &mouse);
    EXPECT_EQ(state().rfind("IdleTask", 0), 0u) << state();
    EXPECT_EQ(mask.GetCenter().x, 20);
    EXPECT_EQ(mask.GetCenter().y, 5);
    manager.Undo();
    EXPECT_EQ(mask.GetCenter().x, start.x);
    EXPECT_EQ(mask.GetCenter().y, start.y);
}
