// Morvane interactive tasks, tests.
// The grade-point and path-grading tools on a real grade mask's task manager: events in,
// states entered, commands run (the engine's undo commands aside), the modes after.
#include "MaskTasksOnShirt.h"

#include "app/documents/EventRecords.h"
#include "app/documents/GradeModelKind.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "tasks/CallbackCommand.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace morvane;
using namespace morvane::test;

namespace {

constexpr const char *kRecorded[] = {
    "UpdatePointGrading", "ClearFocusPoints",      "AddFocusPoint",
    "UpdatePathGrading",  "UpdateMovement",        "LoadGradePathPoints", "UpdateGradePathSize",
    "RemoveLastFocusPoint", "SetActiveObject",     "UpdateFocusManager", "SetPointFilter",
};

class GradeEditChartsTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        for (const char *name : kRecorded)
            manager.command(name, {.addToHistory = false});
        manager.command(std::make_unique<CCallbackCommand>(
            "FindFocusObject",
            [this](ITask *task, void *) {
                task->GetAttributes()->SetInteger("nFocusObjectType", CFocusObject::kPoint);
                task->GetAttributes()->SetInteger("bIsActiveFocused", 1);
                return true;
            },
            nullptr, CMT_NO_MODIFY));
        document.displayFlags.SetShowGrading(true);
        start();
        log.clear();
    }

    /// "press", "release", "move N" (N pixels from the press), "snap", "cancel".
    void play(const std::string &steps)
    {
        std::istringstream words(steps);
        for (std::string step; words >> step;) {
            if (step == "press")
                manager.DispatchEvent("OnLButtonDownD", &mouse);
            else if (step == "release")
                manager.DispatchEvent("OnLButtonUpD", &mouse);
            else if (step == "snap")
                manager.DispatchEvent("SetPointFilter", integerEventData(2));
            else if (step == "cancel")
                manager.DispatchEvent("OnCancel", nullptr);
            else if (step == "move") {
                int pixels = 0;
                words >> pixels;
                setVariable("dist", pixels);
                manager.DispatchEvent("OnMouseMoveD", &mouse);
            } else
                FAIL() << "no step " << step;
        }
    }

    VIEW_MOUSE_PARAM mouse;
};

} // namespace

TEST_F(GradeEditChartsTest, GradePointIsDraggedOnlyBeyondTwoPixels)
{
    struct Case
    {
        const char *name;
        const char *steps;
        const char *state;
        EventLog commands;
    };
    const Case cases[] = {
        {"picked", "move 0 press", "ModifyGradePointTask/UpdatePointState",
         {"run ClearFocusPoints", "run AddFocusPoint"}},
        {"a click", "move 0 press move 2 release",
         "ModifyGradePointTask/SelectPatternPointTask/OverFreeSpace",
         {"run ClearFocusPoints", "run AddFocusPoint", "run ClearFocusPoints"}},
        {"a drag", "move 0 press move 3 move 0 release",
         "ModifyGradePointTask/SelectPatternPointTask/OverFreeSpace",
         {"run ClearFocusPoints", "run AddFocusPoint", "run UpdatePointGrading",
          "run UpdatePointGrading"}},
        {"a new snap mode while picking", "snap",
         "ModifyGradePointTask/SelectPatternPointTask/OverFreeSpace",
         {"run SetPointFilter", "run UpdateFocusManager"}},
    };
    setVariable("nSnapMode", 3);
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        manager.DispatchEvent("OnModifyGradePoint", nullptr);
        log.clear();
        play(row.steps);
        EXPECT_EQ(state(), row.state);
        EXPECT_EQ(takeCommandsRun(log), row.commands);
        play("cancel");
        EXPECT_EQ(document.mainVariable("nSnapMode"), 3);
        EXPECT_EQ(document.services.GetStringAt(1), "");
    }
}

TEST_F(GradeEditChartsTest, PathGradingFollowsEveryMoveUnlessTheModelIsAModelFile)
{
    struct Case
    {
        const char *name;
        int modelKind;
        EventLog commands;
    };
    const Case cases[] = {
        {"an AAMA style", GMK_AAMA,
         {"run AddFocusPoint", "run UpdatePathGrading", "run UpdateMovement",
          "run UpdatePathGrading", "run UpdateMovement", "run UpdatePathGrading",
          "run RemoveLastFocusPoint"}},
        {"a model file", GMK_MODEL_FILES,
         {"run AddFocusPoint", "run UpdateMovement", "run UpdateMovement",
          "run UpdatePathGrading", "run RemoveLastFocusPoint"}},
    };
    int model = 0;
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        document.services.gradeModel = reinterpret_cast<IGradeModel *>(&model);
        document.services.SetGradeModel(nullptr, row.modelKind);
        manager.DispatchEvent("OnModifyGradePath", nullptr);
        ASSERT_EQ(state().rfind("ModifyPathGradeTask/PathDefinitionTask", 0), 0u) << state();
        // The path: a first point, then a press on a point ends it.
        play("move 0 press press");
        ASSERT_EQ(state(), "ModifyPathGradeTask/SelectPointToMove");
        manager.GetMainTask()->GetActiveTask()->GetAttributes()->SetInteger(
            "bIsActiveSizePathFocused", 1);
        log.clear();
        play("press move 3 move 5 release");
        EXPECT_EQ(state(), "ModifyPathGradeTask/SelectPointToMove");
        EXPECT_EQ(takeCommandsRun(log), row.commands);
        play("cancel");
    }
    document.services.gradeModel = nullptr;
}
