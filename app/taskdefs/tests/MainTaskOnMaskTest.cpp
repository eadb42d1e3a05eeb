// Morvane interactive tasks, tests.
// "MainTask" on a real grade-mask document: when the grade-editing tools may start.
#include "MaskTasksOnShirt.h"

#include "app/taskdefs/MainTask.h"
#include "model/IInputPatterns.h"
#include "model/MorvaneFactory.h"

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::test;

namespace {

struct EnabledCase
{
    const char *name;
    const char *event;
    const char *tool;
    bool grading;
    bool inputShown;
    bool sizesShown;
    bool inputLoaded;
    bool enabled;
};

// Columns: grading shown, input patterns shown, sizes shown, input patterns loaded.
const EnabledCase kEnabledCases[] = {
    {"path, all shown", "OnModifyGradePath", "ModifyPathGradeTask", true, true, true, true, true},
    {"point, all shown", "OnModifyGradePoint", "ModifyGradePointTask", true, true, true, true, true},
    {"a trailing blank", "OnModifyGradePath ", "", true, true, true, true, false},
    {"another letter case", "OnModifygradePath", "", true, true, true, true, false},
    {"another event", "OnAddRegion", "", true, true, true, true, false},
    {"grading hidden", "OnModifyGradePath", "", false, true, true, true, false},
    {"input patterns hidden but loaded", "OnModifyGradePath", "", true, false, true, true, false},
    {"no size shown", "OnModifyGradePoint", "", true, true, false, true, false},
    {"no input pattern loaded", "OnModifyGradePoint", "", true, true, true, false, false},
};


} // namespace

TEST_F(MaskTasksOnShirtTest, GradeEditingToolsStartOnlyWhileTheirEventsAreEnabled)
{
    manager.task("IdleTask", defineIdleStub);
    manager.task("ModifyPathGradeTask", defineToolStub);
    manager.task("ModifyGradePointTask", defineToolStub);
    start();
    CEventHandler *handler = nullptr;
    const std::unique_ptr<IInputPatterns> noPatterns = CMorvaneFactory::MakeInputPatterns(handler);
    IInputPatterns *loaded = document.services.inputPatterns;

    for (const EnabledCase &row : kEnabledCases) {
        SCOPED_TRACE(row.name);
        document.displayFlags.SetShowGrading(row.grading);
        document.displayFlags.SetShowInputPatterns(row.inputShown);
        document.sizes.SetCustomSelection(row.sizesShown);
        document.services.inputPatterns = row.inputLoaded ? loaded : noPatterns.get();
        ASSERT_EQ(document.sizes.GetShownSizes().empty(), !row.sizesShown);

        EXPECT_EQ(mainTask().GetDefinition()->IsEventEnabled(&mainTask(), row.event),
                  row.enabled);
        manager.DispatchEvent(row.event, nullptr);
        EXPECT_EQ(mainTask().GetCurrentState()->GetName(), row.enabled ? row.tool : "IdleTask");
        manager.DispatchEvent("OnCancel", nullptr);
        EXPECT_EQ(mainTask().GetCurrentState()->GetName(), "IdleTask");
    }
}
