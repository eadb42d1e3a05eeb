// Morvane interactive tasks, tests.
// The frame, multiple-selection, point-picking, hand, zoom and measuring tools on a real grade
// mask's task manager: events in, states entered, commands run, the document's state after.
#include "MaskTasksOnShirt.h"

#include "app/documents/EventRecords.h"
#include "app/interaction/CursorTable.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/MeasureLine.h"
#include "lang/ResourceText.h"
#include "tasks/CallbackCommand.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

using namespace morvane;
using namespace morvane::test;

namespace {

// A tool that nests the frame, the multiple selection and the point picking on its events
// "Frame", "Multi" and "Pick", and logs how each ends. It stands in for the path tool, which the
// main task starts on "OnPathDefiniton" and which the zoom and hand tools may interrupt.
constexpr VariableRow kHostVariables[] = {{"bFreeSpace", "0", kVisibleWritable}};
constexpr StateRow kHostStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1},
    {"Wait", StateType::Plain, 2},
    {"RectangleFrameTask", StateType::SubTask, 3},
    {"MultiSelectionTask", StateType::SubTask, 4},
    {"SelectPatternPointTask", StateType::SubTask, 5},
};
constexpr TransitionRow kHostTransitions[] = {
    {"Entry", "", "", "Wait"},
    {"Wait", "Frame", "", "RectangleFrameTask"},
    {"Wait", "Multi", "", "MultiSelectionTask"},
    {"Wait", "Pick", "", "SelectPatternPointTask"},
    {"RectangleFrameTask", "OnExit", "", "Wait", "FrameDone"},
    {"RectangleFrameTask", "OnExitNullRect", "", "Wait", "NullFrame"},
    {"RectangleFrameTask", "OnCancel", "", "Wait"},
    {"MultiSelectionTask", "OnExit", "", "Wait", "MultiDone"},
    {"SelectPatternPointTask", "OnExit", "", "Wait", "Picked"},
};
constexpr ChartDeclaration kHostChart{{}, kHostVariables, kHostStates, kHostTransitions};

// The commands the tools run, recorded in place of the real ones.
constexpr const char *kRecorded[] = {
    "InitializeFrameRect", "UpdateFrameRect", "AddFocusToSelection", "RemoveFocusFromSelection",
    "SetActiveObject",     "UpdateFocusManager", "ZoomIn",           "ZoomOut",
    "ZoomToRect",          "ChangeViewCenter",   "InitMeasureObject", "UpdateMeasure",
    "SetPointFilter",      "FrameDone",          "NullFrame",         "MultiDone",
    "Picked",              "ClearMeasure",
};

/// A scenario: the variables set first, the steps, the state the main task ends in and the
/// commands run on the way.
struct ToolCase
{
    const char *name;
    std::map<std::string, int> variables;
    const char *steps;
    const char *state;
    EventLog commands;
};

class ToolChartsTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        for (const char *name : kRecorded)
            manager.command(name, {.addToHistory = false});
        manager.command(std::make_unique<CCallbackCommand>(
            "FindFocusObject", [this](ITask *task, void *) { return findFocus(task); }, nullptr,
            CMT_NO_MODIFY));
        manager.command(std::make_unique<CCallbackCommand>(
            "FindFocusLine", [this](ITask *, void *) { return findLine(); }, nullptr,
            CMT_NO_MODIFY));
        manager.task("AddPathTask", [](ITask *task) { defineChart(task, kHostChart); });
        manager.SetMouseCapture(&capture);
        document.services.cursorTable = &cursors;
        cursors.SetOwner(&document.services);
        start();
        backToIdle();
    }

    bool findFocus(ITask *task)
    {
        log.push_back("run FindFocusObject");
        document.focus.SetFocusObject(CFocusObject::Create(nullptr, focusKind));
        // Written also when the focus manager keeps an equal object.
        task->GetAttributes()->SetInteger("nFocusObjectType", focusKind);
        task->GetAttributes()->SetInteger("bIsActiveFocused", activeFocused);
        return true;
    }
    /// A line found: its pattern with the line nested, as "FindFocusLine" makes it.
    bool findLine()
    {
        log.push_back("run FindFocusLine");
        auto object = CFocusObject::Create(nullptr, lineUnderPointer ? CFocusObject::kPattern
                                                                     : CFocusObject::kNothing);
        if (lineUnderPointer)
            object->SetSubObject(nullptr, CFocusObject::kPolyline);
        document.focus.SetFocusObject(std::move(object));
        return true;
    }

    /// Runs the steps: "path" starts the host tool, "frame", "multi" and "pick" its sub-tasks;
    /// "zoom", "hand", "measure" send "OnZoomToRect", "OnMoveView", "OnMeasure"; "press",
    /// "release", "move N" (N pixels from the press), "cancel"; "ctrl" and "noctrl" press and
    /// release Ctrl; "over N" makes the focus search find kind N next; "active" makes it find
    /// a part of the selection, "line" and "noline" what the line search finds; "snap" sends
    /// "SetPointFilter"; "mode N" sets "nMeasureMode"; "free" lets the host tool's point picking
    /// end on free space.
    void play(const std::string &steps)
    {
        std::istringstream words(steps);
        const std::map<std::string, std::string> events = {
            {"path", "OnPathDefiniton"}, {"frame", "Frame"},       {"multi", "Multi"},
            {"pick", "Pick"},            {"zoom", "OnZoomToRect"}, {"hand", "OnMoveView"},
            {"measure", "OnMeasure"},    {"cancel", "OnCancel"},   {"snap", "SetPointFilter"},
        };
        for (std::string step; words >> step;) {
            if (const auto event = events.find(step); event != events.end())
                manager.DispatchEvent(event->second, &mouse);
            else if (step == "press")
                manager.DispatchEvent("OnLButtonDownD", &mouse);
            else if (step == "release")
                manager.DispatchEvent("OnLButtonUpD", &mouse);
            else if (step == "move")
                move(number(words));
            else if (step == "over")
                focusKind = number(words);
            else if (step == "active") {
                activeFocused = 1;
                setVariable("bIsActiveFocused", 1);
            }
            else if (step == "line" || step == "noline")
                lineUnderPointer = step == "line";
            else if (step == "free")
                manager.GetMainTask()->GetActiveTask()->GetAttributes()->SetInteger("bFreeSpace", 1);
            else if (step == "mode")
                setVariable("nMeasureMode", number(words));
            else if (step == "ctrl" || step == "noctrl")
                control(step == "ctrl");
            else
                FAIL() << "no step " << step;
        }
    }
    static int number(std::istringstream &words)
    {
        int value = 0;
        words >> value;
        return value;
    }
    void move(int pixels)
    {
        setVariable("dist", pixels);
        manager.DispatchEvent("OnMouseMoveD", &mouse);
    }
    void control(bool down)
    {
        setVariable("control", down ? 1 : 0);
        manager.DispatchEvent(down ? "OnKeyDown" : "OnKeyUp", &key);
    }
    void runCases(std::initializer_list<ToolCase> cases);
    /// Cancels what runs, clears Ctrl and the measure mode, and starts the idle tool afresh.
    void backToIdle();

    CCursorTable cursors;
    RecordingMouseCapture capture;
    VIEW_MOUSE_PARAM mouse;
    KeyEventRecord key;
    int focusKind = CFocusObject::kNothing;
    int activeFocused = 0;
    bool lineUnderPointer = false;
};

void ToolChartsTest::runCases(std::initializer_list<ToolCase> cases)
{
    for (const ToolCase &row : cases) {
        SCOPED_TRACE(row.name);
        backToIdle();
        focusKind = CFocusObject::kNothing;
        activeFocused = 0;
        lineUnderPointer = false;
        for (const auto &[name, value] : row.variables)
            setVariable(name.c_str(), value);
        log.clear();
        play(row.steps);
        EXPECT_EQ(state(), row.state);
        EXPECT_EQ(takeCommandsRun(log), row.commands);
        for (const auto &[name, value] : row.variables)
            setVariable(name.c_str(), 0);
    }
}

void ToolChartsTest::backToIdle()
{
    // The host tool's variable lives as long as the main task.
    manager.GetMainTask()->GetActiveTask()->GetAttributes()->SetInteger("bFreeSpace", 0);
    for (int i = 0; i < 4 && state().rfind("IdleTask", 0) != 0; ++i)
        manager.DispatchEvent("OnCancel", nullptr);
    setVariable("control", 0);
    setVariable("nMeasureMode", 0);
    setVariable("bIsActiveFocused", 0);
    setVariable("nFocusObjectType", CFocusObject::kNothing);
    manager.DispatchEvent("OnDeactivate", nullptr);
    manager.DispatchEvent("OnActivate", nullptr);
}

} // namespace

TEST_F(ToolChartsTest, FrameFollowsThePointerAndEndsWithOrWithoutAFrame)
{
    runCases({
        {"released", {}, "path frame move 5 move 9 release", "AddPathTask/Wait",
         {"run InitializeFrameRect", "run UpdateFrameRect", "run UpdateFrameRect",
          "run FrameDone"}},
        {"still held", {}, "path frame move 5", "AddPathTask/RectangleFrameTask/PressRectState",
         {"run InitializeFrameRect", "run UpdateFrameRect"}},
        // Exactly 3 pixels is a null frame: "dist>3" is strict.
        {"back to 3 pixels", {}, "path frame move 5 move 3", "AddPathTask/Wait",
         {"run InitializeFrameRect", "run UpdateFrameRect", "run UpdateFrameRect",
          "run NullFrame"}},
        {"a first move within 3 pixels", {}, "path frame move 1", "AddPathTask/Wait",
         {"run InitializeFrameRect", "run UpdateFrameRect", "run NullFrame"}},
        {"cancelled", {}, "path frame move 5 cancel", "AddPathTask/Wait",
         {"run InitializeFrameRect", "run UpdateFrameRect"}},
    });
}

TEST_F(ToolChartsTest, DocumentShowsTheFrameOnlyWhileItIsDrawn)
{
    for (const char *end : {"release", "move 2", "cancel"}) {
        SCOPED_TRACE(end);
        play("path frame move 5");
        EXPECT_TRUE(document.services.extentFlag);
        play(end);
        EXPECT_FALSE(document.services.extentFlag);
        play("cancel");
    }
}

TEST_F(ToolChartsTest, MultipleSelectionAddsOrRemovesByWhetherThePressedObjectIsSelected)
{
    runCases({
        {"not selected", {}, "path multi", "AddPathTask/MultiSelectionTask/PressNoActiveState",
         {"run AddFocusToSelection"}},
        {"selected", {}, "path active multi", "AddPathTask/MultiSelectionTask/PressActiveState",
         {"run RemoveFocusFromSelection"}},
        // Moving while the button is held changes nothing; the release only ends the task.
        {"dragged and released", {}, "path multi move 9 move 20 release", "AddPathTask/Wait",
         {"run AddFocusToSelection", "run MultiDone"}},
    });
}

TEST_F(ToolChartsTest, PointPickingTakesLinesAndPointsAndFreeSpaceOnlyWhereAllowed)
{
    runCases({
        // A click before any move is a click on free space.
        {"click before a move", {}, "path pick press", "AddPathTask/SelectPatternPointTask/OverFreeSpace",
         {}},
        {"click on free space allowed", {}, "path pick free press", "AddPathTask/Wait",
         {"run Picked"}},
        {"over a line", {}, "path pick over 9 move 0",
         "AddPathTask/SelectPatternPointTask/OverOtherPiece", {"run FindFocusObject"}},
        {"click on a line keeps picking", {}, "path pick over 9 move 0 press",
         "AddPathTask/SelectPatternPointTask/OverOtherPiece",
         {"run FindFocusObject", "run SetActiveObject", "run UpdateFocusManager",
          "run FindFocusObject"}},
        {"click on a point", {}, "path pick over 10 move 0 press", "AddPathTask/Wait",
         {"run FindFocusObject", "run SetActiveObject", "run UpdateFocusManager", "run Picked"}},
        {"click on the active point", {}, "path pick over 10 active move 0 press",
         "AddPathTask/Wait", {"run FindFocusObject", "run Picked"}},
        // A region counts as free space.
        {"over a region", {}, "path pick over 3 move 0 press",
         "AddPathTask/SelectPatternPointTask/OverFreeSpace", {"run FindFocusObject"}},
    });
}

TEST_F(ToolChartsTest, PointPickingPromptsByStateName)
{
    play("path pick over 9 move 0");
    EXPECT_EQ(document.services.GetStringAt(0), loadString(61216));
    play("over 10 move 0");
    EXPECT_EQ(document.services.GetStringAt(0), loadString(61217));
    play("over 0 move 0");
    EXPECT_EQ(document.services.GetStringAt(0), "");
}

TEST_F(ToolChartsTest, HandToolPansBetweenPressAndReleaseAndRepeatsUntilCancelled)
{
    runCases({
        // Moves before the press do not pan.
        {"one use", {}, "hand move 5 press move 5 move 9 release", "IdleTask/OverFreeSpace",
         {"run ChangeViewCenter", "run ChangeViewCenter"}},
        {"repeated", {{"repeatMoveView", 1}}, "hand press move 5 release press move 6 release",
         "MoveViewHistoryTask/MoveViewTask/SelectPositionState",
         {"run ChangeViewCenter", "run ChangeViewCenter"}},
        {"repeated, then cancelled", {{"repeatMoveView", 1}}, "hand press release cancel",
         "IdleTask/OverFreeSpace", {}},
        // The interrupted tool goes on where it was.
        {"from another tool", {}, "path hand press release", "AddPathTask/Wait", {}},
    });
}

TEST_F(ToolChartsTest, HandCursorShowsWhileTheHandToolRuns)
{
    CCursorTable::FillModeCursors(cursors);
    play("hand");
    EXPECT_EQ(cursors.GetDefaultCursor(), 6);
    EXPECT_EQ(cursors.GetCursorForKind(CFocusObject::kPolyline), 6);
    play("press release");
    EXPECT_EQ(state(), "IdleTask/OverFreeSpace");
    EXPECT_EQ(cursors.GetDefaultCursor(), CCursorTable::kArrowCursor);
}

TEST_F(ToolChartsTest, ZoomToolZoomsAtAClickOrToADraggedFrame)
{
    runCases({
        {"click zooms in", {}, "zoom press release", "IdleTask/OverFreeSpace", {"run ZoomIn"}},
        {"Ctrl at the start zooms out", {{"control", 1}}, "zoom press release",
         "IdleTask/OverFreeSpace", {"run ZoomOut"}},
        // A move of exactly 3 pixels is still a click.
        {"3 pixels is a click", {}, "zoom press move 3 release", "IdleTask/OverFreeSpace",
         {"run ZoomIn"}},
        {"a frame fills the view", {}, "zoom press move 4 move 30 release",
         "IdleTask/OverFreeSpace",
         {"run InitializeFrameRect", "run UpdateFrameRect", "run ZoomToRect"}},
        {"a frame dragged back zooms one step", {}, "zoom press move 4 move 30 move 2 release",
         "IdleTask/OverFreeSpace",
         {"run InitializeFrameRect", "run UpdateFrameRect", "run UpdateFrameRect",
          "run ZoomIn"}},
        {"zoom out draws no frame", {{"control", 1}}, "zoom press move 30 release",
         "IdleTask/OverFreeSpace", {"run ZoomOut"}},
        {"Ctrl between presses switches", {}, "zoom ctrl press release",
         "IdleTask/OverFreeSpace", {"run ZoomOut"}},
        {"Ctrl released switches back", {{"control", 1}}, "zoom noctrl press release",
         "IdleTask/OverFreeSpace", {"run ZoomIn"}},
        {"Ctrl while the button is held does not", {}, "zoom press ctrl release",
         "IdleTask/OverFreeSpace", {"run ZoomIn"}},
        {"repeated until cancelled", {{"repeatZoomRectangle", 1}},
         "zoom press release ctrl press release", "ZoomToRectHistoryTask/ZoomRectTask/UpZoomOut",
         {"run ZoomIn", "run ZoomOut"}},
        {"from another tool", {}, "path zoom press release", "AddPathTask/Wait", {"run ZoomIn"}},
    });
}

TEST_F(ToolChartsTest, ZoomCursorShowsTheModeAndTheSchemeComesBackAfter)
{
    CCursorTable::FillModeCursors(cursors);
    const int32_t lineCursor = cursors.GetCursorForKind(CFocusObject::kPolyline);
    struct Step
    {
        const char *steps;
        int32_t cursor;
    };
    for (const Step &step : {Step{"zoom", 7}, Step{"ctrl", 8}, Step{"press", 8}}) {
        SCOPED_TRACE(step.steps);
        play(step.steps);
        EXPECT_EQ(cursors.GetDefaultCursor(), step.cursor);
        EXPECT_EQ(cursors.GetCursorForKind(CFocusObject::kPolyline), step.cursor);
    }
    play("release noctrl");
    EXPECT_EQ(state(), "IdleTask/OverFreeSpace");
    EXPECT_EQ(cursors.GetCursorForKind(CFocusObject::kPolyline), lineCursor);
}

TEST_F(ToolChartsTest, ZoomFrameHoldsTheMouseWhileItIsDrawn)
{
    play("zoom press move 5");
    EXPECT_EQ(document.services.changes1, 1);
    EXPECT_TRUE(document.services.extentFlag);
    EXPECT_EQ(capture.releases, 0);
    play("release");
    EXPECT_EQ(capture.releases, 1);
    EXPECT_FALSE(document.services.extentFlag);
}

TEST_F(ToolChartsTest, MeasuringStartsTheNextMeasurementAfterEachOne)
{
    runCases({
        {"distance", {}, "mode 1 measure move 0 press move 4 release",
         "MeasureTask/MeasureDistanceTask/SelectMeasureFromPoint",
         {"run FindFocusObject", "run InitMeasureObject", "run UpdateMeasure",
          "run FindFocusObject", "run UpdateMeasure"}},
        {"release without a press", {}, "mode 1 measure release",
         "MeasureTask/MeasureDistanceTask/SelectMeasureFromPoint", {}},
        {"snap change before the press", {}, "mode 1 measure snap",
         "MeasureTask/MeasureDistanceTask/SelectMeasureFromPoint",
         {"run SetPointFilter", "run UpdateFocusManager"}},
        {"snap change while measuring", {}, "mode 1 measure press snap",
         "MeasureTask/MeasureDistanceTask/SelectMeasureToPoint",
         {"run InitMeasureObject", "run UpdateMeasure", "run SetPointFilter",
          "run UpdateFocusManager", "run UpdateMeasure"}},
        {"a press off a line", {}, "mode 2 measure noline move 0 press",
         "MeasureTask/MeasureLineLength/SelectLineState", {"run FindFocusLine", "run FindFocusLine"}},
        // Two lines one after the other: the tool stays responsive.
        {"two lines", {}, "mode 2 line measure press release press release",
         "MeasureTask/MeasureLineLength/SelectLineState",
         {"run FindFocusLine", "run SetActiveObject", "run UpdateMeasure", "run FindFocusLine",
          "run SetActiveObject", "run UpdateMeasure", "run FindFocusLine"}},
        {"cancelled after a line", {}, "mode 2 line measure press release cancel",
         "IdleTask/OverFreeSpace",
         {"run FindFocusLine", "run SetActiveObject", "run UpdateMeasure", "run FindFocusLine",
          "run ClearMeasure"}},
        {"no mode", {}, "measure", "MeasureTask/Entry", {}},
    });
}

TEST_F(ToolChartsTest, MeasuringGivesBackTheSnapModeAndHidesTheLine)
{
    document.measureLine.SetActive(true);
    setVariable("nSnapMode", 2);
    play("mode 1 measure");
    // The shirt's points are among the distance tool's candidates: they may take the focus, and
    // snapping to them stays on.
    EXPECT_EQ(document.services.focusTypes, (std::vector<int>{0, 3, 1, 2}));
    EXPECT_EQ(document.modes.GetSnapMode(), 2);
    setVariable("nSnapMode", 1);
    play("cancel");
    EXPECT_EQ(state(), "IdleTask/OverFreeSpace");
    EXPECT_EQ(document.modes.GetSnapMode(), 2);
    EXPECT_FALSE(document.measureLine.IsActive());
}
