// Morvane interactive tasks, tests.
// "IdleTask" on a real grade-mask document: hovering, pressing, dragging, framing and the five
// ends that start the next tool, with a stand-in for the focus search.
#include "MaskTasksOnShirt.h"

#include "app/documents/EventRecords.h"
#include "app/interaction/CursorTable.h"
#include "app/interaction/FocusFilterList.h"
#include "app/interaction/MultiFocusObject.h"
#include "app/taskdefs/IMenuPresenter.h"
#include "app/taskdefs/IMouseCapture.h"
#include "app/taskdefs/IdleTask.h"
#include "lang/ResourceText.h"
#include "tasks/CallbackCommand.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

using namespace morvane;
using namespace morvane::test;

namespace {

/// What the stand-in for "FindFocusObject" finds next.
struct NextFocus
{
    int kind = CFocusObject::kNothing;
    int detail = CFocusObject::kNothing;
    /// The value "bIsActiveFocused" gets.
    int activeFocused = 0;
};

// The multiple selection: ends when the button is released.
constexpr StateRow kSelectionStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1},
    {"Select", StateType::Plain, 2},
};
constexpr TransitionRow kSelectionTransitions[] = {
    {"Entry", "", "", "Select"},
    {"Select", "OnLButtonUpD", "", "Exit"},
};
constexpr ChartDeclaration kSelectionChart{{}, {}, kSelectionStates, kSelectionTransitions};

// The framing: ends on release, or as a null frame when the pointer comes back within 3 pixels.
constexpr StateRow kFrameStates[] = {
    {"Entry", StateType::Entry, 0},
    {"Exit", StateType::Exit, 1},
    {"ExitNullRect", StateType::Exit, 2},
    {"PressRectState", StateType::Plain, 3},
};
constexpr TransitionRow kFrameTransitions[] = {
    {"Entry", "", "", "PressRectState"},
    {"PressRectState", "OnLButtonUpD", "", "Exit"},
    {"PressRectState", "OnMouseMoveD", "dist<3,dist=3", "ExitNullRect"},
    {"PressRectState", "OnMouseMoveD", "", ""},
};
constexpr ChartDeclaration kFrameChart{{}, {}, kFrameStates, kFrameTransitions};

class IdleTaskTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        registerStubs(manager);
        // A focus object of a kind no step finds, so that the search writes its kinds anew.
        document.focus.SetFocusObject(CFocusObject::Create(nullptr, CFocusObject::kLastRegion));
    }

    /// The stand-ins of the commands and templates the idle tool and the main task name.
    void registerStubs(ScriptedMaskTaskManager &tasks)
    {
        tasks.command(std::make_unique<CCallbackCommand>(
            "FindFocusObject", [this](ITask *task, void *) { return findFocus(task); }, nullptr,
            CMT_NO_MODIFY));
        tasks.command(std::make_unique<CCallbackCommand>(
            "SetActiveObject", [this](ITask *, void *) { return activateFocus(); }, nullptr,
            CMT_NO_MODIFY));
        for (const char *name : {"UpdateFocusManager", "UpdateSelectionFromFrameRect"})
            tasks.command(name, {.addToHistory = false});
        tasks.task("MultiSelectionTask", [](ITask *task) { defineChart(task, kSelectionChart); });
        tasks.task("RectangleFrameTask", [](ITask *task) { defineChart(task, kFrameChart); });
        for (const char *tool : {"MoveCenterTask", "MoveSelectionTask", "RotateSelectionTask",
                                 "MovePivotPointTask", "MoveRegionTask"})
            tasks.task(tool, defineToolStub);
        tasks.SetMouseCapture(&capture);
        tasks.SetMenuPresenter(&presenter);
    }

    bool findFocus(ITask *task)
    {
        log.push_back("run FindFocusObject");
        auto object = CFocusObject::Create(nullptr, next.kind);
        object->SetSubObject(nullptr, next.detail);
        document.focus.SetFocusObject(std::move(object));
        task->GetAttributes()->SetInteger("bIsActiveFocused", next.activeFocused);
        return true;
    }
    bool activateFocus()
    {
        log.push_back("run SetActiveObject");
        document.focus.SetActiveObject(CFocusObject::Clone(*document.focus.GetFocusObject()));
        return true;
    }

    /// Runs the steps: "hover", "press", "release", "move N" (N pixels from the press), "cancel",
    /// "menu".
    void play(CTaskManager &tasks, const std::string &steps)
    {
        std::istringstream words(steps);
        for (std::string step; words >> step;) {
            if (step == "hover")
                move(tasks, 0);
            else if (step == "press")
                tasks.DispatchEvent("OnLButtonDownD", &m_mouse);
            else if (step == "release")
                tasks.DispatchEvent("OnLButtonUpD", &m_mouse);
            else if (step == "move") {
                int pixels = 0;
                words >> pixels;
                move(tasks, pixels);
            } else if (step == "cancel")
                tasks.DispatchEvent("OnCancel", nullptr);
            else if (step == "menu")
                tasks.DispatchEvent("ShowPopupMenu", &m_point);
            else
                FAIL() << "no step " << step;
        }
    }
    void move(CTaskManager &tasks, int pixels)
    {
        tasks.GetMainTask()->GetAttributes()->SetInteger("dist", pixels);
        tasks.DispatchEvent("OnMouseMoveD", &m_mouse);
    }
    std::string prompt() { return document.services.GetStringAt(0); }

    NextFocus next;
    RecordingMouseCapture capture;
    RecordingMenuPresenter presenter;

private:
    VIEW_MOUSE_PARAM m_mouse;
    PopupMenuPoint m_point{300, 200};
};

struct HoverCase
{
    int kind;
    const char *state;
    uint32_t prompt; // 0: none
};

constexpr HoverCase kHoverCases[] = {
    {CFocusObject::kPivot, "IdleTask/OverPatternPivotPoint", 61213},
    {CFocusObject::kPoint, "IdleTask/OverPatternPoint", 61212},
    {CFocusObject::kPolyline, "IdleTask/OverPatternPolyline", 61212},
    {CFocusObject::kRegion, "IdleTask/OverRegion", 61211},
    {CFocusObject::kMaskCentre, "IdleTask/OverMaskCenter", 61210},
    {CFocusObject::kNothing, "IdleTask/OverFreeSpace", 0},
    {CFocusObject::kPattern, "IdleTask/OverFreeSpace", 0},
    {4, "IdleTask/OverFreeSpace", 0},
    {CFocusObject::kMultiple, "IdleTask/OverFreeSpace", 0},
};

/// A scenario: what the focus search finds, the modes, the steps, where the main task ends up.
struct PressCase
{
    const char *name;
    NextFocus focus;
    std::map<std::string, int> variables;
    const char *steps;
    const char *state;
    bool activeSelection = false; // a multiple selection is the active object
};

const PressCase kPressCases[] = {
    {"pattern dragged 3 pixels", {CFocusObject::kPolyline}, {{"bAutoMove", 1}},
     "hover press move 3", "IdleTask/PressNotActivePattern"},
    {"pattern dragged 4 pixels", {CFocusObject::kPolyline}, {{"bAutoMove", 1}},
     "hover press move 4", "MoveSelectionTask/Work"},
    {"pattern released", {CFocusObject::kPoint}, {{"bAutoMove", 1}}, "hover press release",
     "IdleTask/OverPatternPoint"},
    {"pattern with both modes turns", {CFocusObject::kPolyline},
     {{"bAutoMove", 1}, {"bAutoRotate", 1}}, "hover press move 4", "RotateSelectionTask/Work"},
    {"pattern in selection mode 1 stays", {CFocusObject::kPolyline},
     {{"bAutoMove", 1}, {"nSelectionMode", 1}}, "hover press move 9",
     "IdleTask/PressNotActivePattern"},
    {"region edge", {CFocusObject::kRegion, 5}, {{"bAutoMove", 1}}, "hover press move 4",
     "MoveRegionTask/Work"},
    {"region body", {CFocusObject::kRegion, 0}, {{"bAutoMove", 1}}, "hover press move 4",
     "MoveSelectionTask/Work"},
    {"region part of another kind hovers again", {CFocusObject::kRegion, 2}, {{"bAutoMove", 1}},
     "hover press move 4", "IdleTask/OverRegion"},
    {"region turned", {CFocusObject::kRegion, 5}, {{"bAutoRotate", 1}}, "hover press move 4",
     "RotateSelectionTask/Work"},
    {"pivot point", {CFocusObject::kPivot}, {}, "hover press", "MovePivotPointTask/Work"},
    {"active centre", {CFocusObject::kMaskCentre, 0, 1}, {{"bAutoMove", 1}}, "hover press",
     "MoveCenterTask/Work"},
    {"centre dragged 3 pixels", {CFocusObject::kMaskCentre}, {{"bAutoMove", 1}},
     "hover press move 3", "IdleTask/PresNoActiveCenter"},
    {"centre dragged 4 pixels", {CFocusObject::kMaskCentre}, {{"bAutoMove", 1}},
     "hover press move 4", "MoveCenterTask/Work"},
    {"centre without auto move", {CFocusObject::kMaskCentre}, {}, "hover press move 4 move 9",
     "IdleTask/PresNoActiveCenter"},
    {"centre released", {CFocusObject::kMaskCentre}, {}, "hover press move 4 release",
     "IdleTask/OverMaskCenter"},
    {"selection member moves at once", {CFocusObject::kPolyline, 0, 1}, {{"bAutoMove", 1}},
     "hover press", "MoveSelectionTask/Work", true},
    {"selection member turns at once", {CFocusObject::kPolyline, 0, 1}, {{"bAutoRotate", 1}},
     "hover press", "RotateSelectionTask/Work", true},
    {"selection member without modes", {CFocusObject::kPolyline, 0, 1}, {}, "hover press",
     "IdleTask/OverPatternPolyline", true},
    {"selection member in selection mode 1 hovers again", {CFocusObject::kPolyline, 0, 1},
     {{"bAutoMove", 1}, {"nSelectionMode", 1}}, "hover press", "IdleTask/OverPatternPolyline",
     true},
    {"control starts the multiple selection", {CFocusObject::kPolyline}, {{"control", 1}},
     "hover press", "IdleTask/MultiSelectionTask/Select"},
    {"the multiple selection ends on release", {CFocusObject::kRegion}, {{"shift", 1}},
     "hover press release", "IdleTask/OverRegion"},
    {"shift in selection mode 1 picks", {CFocusObject::kPolyline},
     {{"shift", 1}, {"nSelectionMode", 1}}, "hover press", "IdleTask/OverPatternPolyline"},
    {"free space dragged 3 pixels", {}, {}, "hover press move 3", "IdleTask/DragInFreeSpace"},
    {"frame", {}, {}, "hover press move 4 move 9", "IdleTask/RectangleFrameTask/PressRectState"},
    {"frame released", {}, {}, "hover press move 4 release", "IdleTask/OverFreeSpace"},
    {"frame back within 3 pixels", {}, {}, "hover press move 4 move 2",
     "IdleTask/DragInFreeSpace"},
    {"frame cancelled", {}, {}, "hover press move 4 cancel", "IdleTask/OverFreeSpace"},
    {"frame asking for the menu", {}, {}, "hover press move 4 menu", "IdleTask/OverFreeSpace"},
};

} // namespace

TEST_F(IdleTaskTest, StartsOverTheMaskCentreAndHoversByTheFocusKind)
{
    start();
    EXPECT_EQ(state(), "IdleTask/OverMaskCenter");
    EXPECT_EQ(prompt(), loadString(61210));
    for (const HoverCase &row : kHoverCases) {
        SCOPED_TRACE(row.kind);
        next.kind = row.kind;
        play(manager, "hover");
        EXPECT_EQ(state(), row.state);
        EXPECT_EQ(prompt(), row.prompt ? loadString(row.prompt) : "");
    }
    ASSERT_FALSE(loadString(61212).empty());
}

TEST_F(IdleTaskTest, PressesAndDragsEndWhereTheModesSay)
{
    for (const PressCase &row : kPressCases) {
        SCOPED_TRACE(row.name);
        ScriptedMaskTaskManager tasks(&log);
        registerStubs(tasks);
        document.useTaskManager(&tasks);
        tasks.start("MainTask", &document.services);
        tasks.DispatchEvent("OnActivate", nullptr);
        document.focus.SetActiveObject(row.activeSelection
                                           ? std::make_unique<CMultiFocusObject>(nullptr)
                                           : CFocusObject::Create(nullptr, CFocusObject::kNothing));
        document.focus.SetFocusObject(CFocusObject::Create(nullptr, CFocusObject::kLastRegion));
        for (const auto &[name, value] : row.variables)
            tasks.GetMainTask()->GetAttributes()->SetInteger(name, value);
        next = row.focus;

        play(tasks, row.steps);
        EXPECT_EQ(currentStatePath(*tasks.GetMainTask()), row.state);
        EXPECT_THAT(tasks.diagnostics, ::testing::IsEmpty());
    }
    document.useTaskManager(&manager);
}

TEST_F(IdleTaskTest, EnterHookSetsUpTheFocusSearchWithTwelveOrThirteenRules)
{
    document.services.AddFocusType(7);
    start();
    setVariable("nSnapMode", 2);
    setVariable("addRegionMode", 3);
    setVariable("EditToolMode", 4);
    for (const bool pivotItems : {false, true}) {
        SCOPED_TRACE(pivotItems);
        if (pivotItems) {
            setVariable("bAutoRotate", 1);
            document.focus.SetActiveObject(
                CFocusObject::Create(mask.GetPatternAt(0), CFocusObject::kPattern));
            document.pivot.CollectItems();
            ASSERT_TRUE(document.pivot.HasItems());
        }
        const int clearedBefore = document.services.itemListsCleared;
        manager.DispatchEvent("OnActivate", nullptr);
        manager.DispatchEvent("OnDeactivate", nullptr);
        manager.DispatchEvent("OnActivate", nullptr); // the idle tool starts again

        void *published = nullptr;
        CTask &idle = *mainTask().GetActiveTask();
        idle.GetAttributes()->GetPointer("pFocusManager", &published);
        auto &definition = static_cast<IdleTaskDefinition &>(*idle.GetDefinition());
        ASSERT_EQ(published, &definition.GetShapeSet());
        CFocusFilterList &rules = definition.GetShapeSet().GetFilterList();
        std::vector<int> details;
        for (int i = 0; i < rules.GetCount(); ++i)
            details.push_back(rules.GetAt(i).m_nDetailKind);
        EXPECT_EQ(details, pivotItems ? (std::vector<int>{0, 1, 1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9})
                                      : (std::vector<int>{0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
        EXPECT_EQ(rules.GetAt(0).m_nObjectKind, pivotItems ? 3 : 4);
        EXPECT_EQ(document.services.focusTypes, (std::vector<int>{0, 2, 3, 1}));
        EXPECT_GT(document.services.itemListsCleared, clearedBefore);
        EXPECT_EQ(document.cursors.GetCursorForKind(CFocusObject::kPolyline), 1);
        EXPECT_EQ(document.mainVariable("addRegionMode"), 0);
        // The idle tool leaves the snap and tool modes alone.
        EXPECT_EQ(document.mainVariable("nSnapMode"), 2);
        EXPECT_EQ(document.mainVariable("EditToolMode"), 4);
    }
}

TEST_F(IdleTaskTest, FramingHoldsTheMouseAndSelectsFromTheFrame)
{
    start();
    play(manager, "hover press move 4");
    EXPECT_EQ(document.services.changes1, 1);
    EXPECT_EQ(capture.releases, 0);
    log.clear();
    play(manager, "release");
    EXPECT_EQ(capture.releases, 1);
    EXPECT_EQ(takeCommandsRun(log),
              (EventLog{"run UpdateSelectionFromFrameRect", "run FindFocusObject"}));

    play(manager, "press move 4 menu");
    EXPECT_EQ(capture.releases, 2);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].menu, 4012u);
    EXPECT_EQ(state(), "IdleTask/OverFreeSpace");
}
