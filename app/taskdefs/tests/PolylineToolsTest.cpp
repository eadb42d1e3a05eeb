// Morvane interactive tasks, tests.
// The two-point line, copy-lines and create-contour tools and their line-picking steps on a
// real grade mask's task manager: events in, states entered, commands run; and the contour
// tool run with its real commands on a small pattern.
#include "app/taskdefs/PolylineTools.h"

#include "MaskTasksOnShirt.h"
#include "app/documents/EventRecords.h"
#include "app/interaction/FocusManager.h"
#include "lang/ResourceText.h"
#include "model/Contour.h"
#include "tasks/CallbackCommand.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace morvane;
using namespace morvane::test;
using testinteraction::addLine;
using testinteraction::placeSquare;

namespace {

constexpr double kFar = 5000.0;

/// A scenario: the main task's variables set first, the steps, the state the main task ends in
/// and the commands run on the way.
struct ToolCase
{
    const char *name;
    std::map<std::string, int> variables;
    const char *steps;
    const char *state;
    EventLog commands;
};

/// The tools' steps: each move finds the kind of object the test chose; the commands the tools
/// run are recorded, or real where a test says so.
class PolylineToolsTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        square = placeSquare(mask, "A", {kFar, 0});
        document.services.SetEditMode(true);
    }

    void recordCommands()
    {
        for (const char *name :
             {"SetActiveObject", "LoadActiveMaskPatternToFM", "LoadAllPatternPolylinesToFocusMgr",
              "UpdateFMActivePolylines", "AddFocusPoint", "AddTwoPointsPolyline",
              "AddContourFocusPolyline", "AddFocusPolyline", "AutoSelectNextContourLine",
              "AddFocusPolylineToContour", "CopyFocusPolyline", "SetPointFilter",
              "UpdateFocusManager"})
            manager.command(name, {.addToHistory = false});
    }
    /// "FindFocusObject" finds what focusAt() makes.
    void scriptFocusSearch()
    {
        manager.command(std::make_unique<CCallbackCommand>(
            "FindFocusObject",
            [this](ITask *, void *) {
                log.push_back("run FindFocusObject");
                document.focus.SetFocusObject(focusAt());
                return true;
            },
            nullptr, CMT_NO_MODIFY));
    }
    std::unique_ptr<CFocusObject> focusAt()
    {
        if (focusLine < 0)
            return CFocusObject::Create(nullptr, focusKind);
        auto focus =
            CFocusObject::Create(square->GetPatternPolylineAt(focusLine), CFocusObject::kPolyline);
        focus->SetDetailObject(square);
        focus->SetLineIndex(focusLine);
        return focus;
    }

    /// "two", "copy", "contour" start the tools ("contour" and "copy" again finish them);
    /// "over N" makes the search find kind N (9: line 0 of the square), "line N" line N;
    /// "move", "press", "cancel", "snap", "forward", "undo" send their events; "active" makes the
    /// square the active object.
    void play(const std::string &steps)
    {
        std::istringstream words(steps);
        for (std::string step; words >> step;) {
            if (step == "two")
                manager.DispatchEvent("OnAddTwoPointsPolyline", nullptr);
            else if (step == "copy")
                manager.DispatchEvent(copying() ? "OnCopyPolylinesFinished" : "OnCopyPolyline",
                                      nullptr);
            else if (step == "contour")
                manager.DispatchEvent(contouring() ? "OnContourFinished" : "OnCreateContour",
                                      nullptr);
            else if (step == "over") {
                words >> focusKind;
                focusLine = focusKind == CFocusObject::kPolyline ? 0 : -1;
            } else if (step == "line")
                words >> focusLine;
            else if (step == "move")
                manager.DispatchEvent("OnMouseMoveD", &mouse);
            else if (step == "press")
                manager.DispatchEvent("OnLButtonDownD", &mouse);
            else if (step == "cancel")
                manager.DispatchEvent("OnCancel", nullptr);
            else if (step == "snap")
                manager.DispatchEvent("SetPointFilter", nullptr);
            else if (step == "forward")
                manager.DispatchEvent("Forward", nullptr);
            else if (step == "undo")
                manager.DispatchEvent("Undo", nullptr);
            else if (step == "active")
                document.focus.SetActiveObject(
                    CFocusObject::Create(square, CFocusObject::kPattern));
            else
                FAIL() << "no step " << step;
        }
    }
    /// The state, only "IdleTask" when no tool runs (the idle state follows the pointer).
    std::string toolState()
    {
        const std::string path = state();
        return path.rfind("IdleTask", 0) == 0 ? "IdleTask" : path;
    }
    bool copying() { return state().rfind("CopyPolylineTask", 0) == 0; }
    bool contouring() { return state().rfind("CreateContourTask", 0) == 0; }
    void runCases(std::initializer_list<ToolCase> cases)
    {
        for (const ToolCase &row : cases) {
            SCOPED_TRACE(row.name);
            for (int i = 0; i < 3 && state().rfind("IdleTask", 0) != 0; ++i)
                manager.DispatchEvent("OnCancel", nullptr);
            document.focus.ClearActiveObject();
            focusKind = CFocusObject::kNothing;
            focusLine = -1;
            for (const auto &[name, value] : row.variables)
                setVariable(name.c_str(), value);
            log.clear();
            play(row.steps);
            EXPECT_EQ(toolState(), row.state);
            EXPECT_EQ(takeCommandsRun(log), row.commands);
        }
    }

    CMaskPattern *square = nullptr;
    VIEW_MOUSE_PARAM mouse;
    int focusKind = CFocusObject::kNothing;
    int focusLine = -1;
};

} // namespace

TEST_F(PolylineToolsTest, TwoPointToolPicksAPatternThenTwoPointsAndDrawsOnce)
{
    recordCommands();
    scriptFocusSearch();
    start();
    runCases({
        {"with a pattern active",
         {},
         "active two",
         "AddTwoPointsPolylineTask/SelectFirstPointState",
         {"run LoadActiveMaskPatternToFM"}},
        {"both points",
         {},
         "active two press press",
         "IdleTask",
         {"run LoadActiveMaskPatternToFM", "run AddFocusPoint", "run AddFocusPoint",
          "run AddTwoPointsPolyline"}},
        // A click off a line picks no pattern.
        {"a click off a line",
         {},
         "two over 0 move press",
         "AddTwoPointsPolylineTask/SelectReciever",
         {"run FindFocusObject"}},
        {"a click on a line",
         {},
         "two over 9 move press",
         "AddTwoPointsPolylineTask/SelectFirstPointState",
         {"run FindFocusObject", "run SetActiveObject", "run LoadActiveMaskPatternToFM"}},
        {"a snap change keeps the first point",
         {},
         "active two press snap press",
         "IdleTask",
         {"run LoadActiveMaskPatternToFM", "run AddFocusPoint", "run SetPointFilter",
          "run UpdateFocusManager", "run AddFocusPoint", "run AddTwoPointsPolyline"}},
        {"cancelled after the first point",
         {},
         "active two press cancel",
         "IdleTask",
         {"run LoadActiveMaskPatternToFM", "run AddFocusPoint"}},
    });
}

TEST_F(PolylineToolsTest, TwoPointToolStartsOnlyInEditModeOnAMaskWithPatterns)
{
    recordCommands();
    scriptFocusSearch();
    start();
    document.services.SetEditMode(false);
    play("two");
    EXPECT_EQ(state().rfind("IdleTask", 0), 0u) << state();
    document.services.SetEditMode(true);
    play("two");
    EXPECT_EQ(state(), "AddTwoPointsPolylineTask/SelectReciever");
}

TEST_F(PolylineToolsTest, ContourToolAsksForAPatternThenAddsClickedLinesUntilFinished)
{
    recordCommands();
    scriptFocusSearch();
    start();
    runCases({
        // The active pattern is let go: a pattern is always asked for.
        {"a pattern active", {}, "active contour", "CreateContourTask/SelectReciever", {}},
        {"a click off a line",
         {},
         "contour over 10 move press",
         "CreateContourTask/SelectReciever",
         {"run FindFocusObject"}},
        {"lines clicked",
         {},
         "contour over 9 move press move press",
         "CreateContourTask/SelectContourPolylinesTask/FindFocusPolyline",
         {"run FindFocusObject", "run SetActiveObject", "run UpdateFMActivePolylines",
          "run FindFocusObject", "run AddContourFocusPolyline", "run UpdateFMActivePolylines"}},
        {"a click off a line while picking",
         {},
         "contour over 9 move press over 0 move press",
         "CreateContourTask/SelectContourPolylinesTask/FindFocusPolyline",
         {"run FindFocusObject", "run SetActiveObject", "run UpdateFMActivePolylines",
          "run FindFocusObject"}},
        {"finished",
         {},
         "contour over 9 move press press contour",
         "IdleTask",
         {"run FindFocusObject", "run SetActiveObject", "run UpdateFMActivePolylines",
          "run AddContourFocusPolyline", "run UpdateFMActivePolylines",
          "run AddFocusPolylineToContour"}},
        {"finished before a pattern", {}, "contour contour", "IdleTask", {}},
        {"cancelled",
         {},
         "contour over 9 move press press cancel",
         "IdleTask",
         {"run FindFocusObject", "run SetActiveObject", "run UpdateFMActivePolylines",
          "run AddContourFocusPolyline", "run UpdateFMActivePolylines"}},
    });
}

TEST_F(PolylineToolsTest, CopyToolPicksLinesAndForwardNeedsANextLine)
{
    recordCommands();
    scriptFocusSearch();
    start();
    runCases({
        {"with a pattern active",
         {},
         "active copy",
         "CopyPolylineTask/SelectPolylinesTask/FindFocusPolyline",
         {"run LoadAllPatternPolylinesToFocusMgr"}},
        {"an input pattern is not a receiver", {}, "copy", "CopyPolylineTask/SelectReciever", {}},
        {"lines picked and copied",
         {},
         "active copy over 9 move press copy",
         "IdleTask",
         {"run LoadAllPatternPolylinesToFocusMgr", "run FindFocusObject", "run AddFocusPolyline",
          "run CopyFocusPolyline"}},
        {"forward without a next line",
         {},
         "active copy forward",
         "CopyPolylineTask/SelectPolylinesTask/FindFocusPolyline",
         {"run LoadAllPatternPolylinesToFocusMgr"}},
        {"finished before a receiver", {}, "copy copy", "IdleTask", {}},
    });
}

TEST_F(PolylineToolsTest, CopyToolTakesForwardWhileANextLineIsFoundAndPromptsForLines)
{
    scriptFocusSearch();
    manager.command("LoadAllPatternPolylinesToFocusMgr", {.addToHistory = false});
    start();
    play("active copy");
    EXPECT_EQ(document.services.GetStringAt(0), loadString(CSelectPolylinesTask::kPickLinesPrompt));
    // Line 0 of the square ends where line 1 begins: after it, the next line can be found.
    play("over 9 move press forward");
    EXPECT_EQ(state(), "CopyPolylineTask/SelectPolylinesTask/FindFocusPolyline");
    ASSERT_EQ(document.GetFocusPolylineCount(), 2);
    EXPECT_EQ(document.GetFocusPolylineAt(1)->GetLineIndex(), 1);
    play("undo");
    EXPECT_EQ(document.GetFocusPolylineCount(), 1);
    play("cancel");
    EXPECT_EQ(document.GetFocusPolylineCount(), 0) << "the picks are forgotten at the end";
}

TEST_F(PolylineToolsTest, ContourToolBuildsAContourThatOneUndoRemovesAndCancelDrops)
{
    scriptFocusSearch();
    manager.command("UpdateFMActivePolylines", {.addToHistory = false});
    // A pattern of three lines around a square: 0-4-1, 1-2, 2-3-0.
    std::unique_ptr<CMaskPattern> made = mask.MakePattern();
    made->SetPatternName("LOOP");
    for (DPOINT p : {DPOINT{0, 0}, DPOINT{40, 0}, DPOINT{40, 40}, DPOINT{0, 40}})
        made->AddPoint(p, GRADE_POINT_GRADE);
    made->AddPoint({20, 0}, GRADE_POINT_INTERMEDIATE);
    addLine(*made, {0, 4, 1}, 1);
    addLine(*made, {1, 2}, 1);
    addLine(*made, {2, 3, 0}, 1);
    made->SetPatternPosition(kFar + 200, 0);
    CMaskPattern *loop = made.get();
    mask.InsertPatternAt(mask.GetPatternCount(), std::move(made));
    square = loop;
    start();
    const int contours = loop->GetContourCount();

    play("contour over 9 move press line 1 move press cancel");
    EXPECT_EQ(toolState(), "IdleTask");
    EXPECT_EQ(loop->GetContourCount(), contours);
    EXPECT_EQ(document.focus.GetActiveObject()->GetContour(), nullptr);

    // Line 0 alone, then line 1 goes on to line 2 and closes the contour, which ends the tool.
    play("contour line 0 move press move press line 1 move press");
    EXPECT_EQ(toolState(), "IdleTask");
    ASSERT_EQ(loop->GetContourCount(), contours + 1);
    const CContour &built = *loop->GetContourAt(contours);
    EXPECT_EQ(built.GetContourLineCount(), 3);
    EXPECT_TRUE(built.IsClosed());
    manager.Undo();
    EXPECT_EQ(loop->GetContourCount(), contours);
}
