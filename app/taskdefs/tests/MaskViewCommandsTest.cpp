// Morvane interactive tasks, tests.
// The measure line, the context menu and the display of mask regions, run by the main task on a
// real grade-mask document.
#include "MaskTasksOnShirt.h"

#include "app/documents/EventRecords.h"
#include "app/interaction/MultiFocusObject.h"
#include "app/taskdefs/IMenuPresenter.h"
#include "app/taskdefs/InlineCommand.h"
#include "model/GradeRegion.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::test;

namespace {

/// "SetActiveItem" as the focus manager's active object: a copy of the data's focus object.
class SetActiveItemStub : public CBaseCommand
{
public:
    SetActiveItemStub()
    {
        Create("SetActiveItem");
        SetAddToHistory(false);
    }
    std::unique_ptr<ICommand> Clone() const override
    {
        return std::make_unique<SetActiveItemStub>(*this);
    }
    bool OnExecute(void *data) override
    {
        auto *services = static_cast<IDocumentServices *>(GetTaskManager()->GetDataObject());
        services->GetFocusManager()->SetActiveObject(
            CFocusObject::Clone(*static_cast<CFocusObject *>(data)));
        return true;
    }
};

class MaskViewCommandsTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        manager.task("IdleTask", defineIdleStub);
        manager.command(std::make_unique<SetActiveItemStub>());
        manager.SetMenuPresenter(&presenter);
        start();
        ASSERT_GT(mask.GetPatternCount(), 0);
        ASSERT_GT(document.services.inputPatterns->GetPatternCount(), 0);
    }

    bool run(const std::string &command) { return runRegisteredCommand(&mainTask(), command, nullptr); }
    void focusAt(DPOINT position)
    {
        auto object = CFocusObject::Create(nullptr, CFocusObject::kNothing);
        object->SetPosition(position);
        document.focus.SetFocusObject(std::move(object));
    }
    CGradeRegion *addRegion()
    {
        mask.InsertGradeRegionAt(mask.GetGradeRegionCount(), mask.MakeRegion());
        return mask.GetGradeRegionAt(mask.GetGradeRegionCount() - 1);
    }
    void activate(std::unique_ptr<CFocusObject> object)
    {
        document.focus.SetActiveObject(std::move(object));
    }
    int activeKind() { return document.focus.GetActiveObject()->GetType(); }

    RecordingMenuPresenter presenter;
};

struct MenuScenario
{
    const char *name;
    std::function<std::unique_ptr<CFocusObject>()> active;
    int selectionMode;
    uint32_t menu; // 0: none
};

} // namespace

TEST_F(MaskViewCommandsTest, MeasureLineFollowsTheFocus)
{
    focusAt({10.0, 20.0});
    const int redraws = document.services.changes0;
    ASSERT_TRUE(run("InitMeasureObject"));
    EXPECT_TRUE(document.measureLine.IsActive());
    ASSERT_TRUE(run("UpdateMeasure"));
    EXPECT_EQ(document.measureLine.m_oStart.x, document.measureLine.m_oEnd.x);
    EXPECT_EQ(document.measureLine.m_oStart.y, document.measureLine.m_oEnd.y);

    focusAt({13.0, 24.0});
    const int panelRefreshes = document.services.changes4;
    ASSERT_TRUE(run("UpdateMeasure"));
    EXPECT_EQ(document.measureLine.m_oStart.x, 10.0);
    EXPECT_EQ(document.measureLine.m_oEnd.x, 13.0);
    EXPECT_EQ(document.measureLine.m_oEnd.y, 24.0);
    EXPECT_EQ(document.services.changes4, panelRefreshes + 1);
    EXPECT_EQ(document.services.changes0, redraws + 3);

    document.modes.SetMeasureMode(2);
    ASSERT_TRUE(run("ClearMeasure"));
    EXPECT_EQ(document.modes.GetMeasureMode(), 0);
}

TEST_F(MaskViewCommandsTest, ContextMenuFitsTheActiveObject)
{
    IInputPatterns &inputs = *document.services.inputPatterns;
    const MenuScenario scenarios[] = {
        {"nothing", [] { return CFocusObject::Create(nullptr, CFocusObject::kNothing); }, 0,
         4012},
        {"mask centre", [] { return CFocusObject::Create(nullptr, CFocusObject::kMaskCentre); },
         0, 4012},
        {"mask pattern",
         [this] { return CFocusObject::Create(mask.GetPatternAt(0), CFocusObject::kPattern); },
         0, 4014},
        {"mask pattern's points",
         [this] { return CFocusObject::Create(mask.GetPatternAt(0), CFocusObject::kPattern); },
         1, 4015},
        {"flagged input pattern",
         [&inputs] {
             inputs.GetPatternAt(0)->GetInputPattern()->SetFlagged();
             return CFocusObject::Create(inputs.GetPatternAt(0), CFocusObject::kPattern);
         },
         0, 4010},
        {"flagged input pattern's points",
         [&inputs] { return CFocusObject::Create(inputs.GetPatternAt(0), CFocusObject::kPattern); },
         1, 153},
        {"input pattern without the flag",
         [&inputs] {
             inputs.GetPatternAt(0)->GetInputPattern()->ClearFlagged();
             return CFocusObject::Create(inputs.GetPatternAt(0), CFocusObject::kPattern);
         },
         0, 0},
        {"grade region",
         [this] { return CFocusObject::Create(addRegion(), CFocusObject::kRegion); }, 0,
         4011},
        {"regions only",
         [this] {
             auto selection = std::make_unique<CMultiFocusObject>(nullptr);
             selection->Add(CFocusObject::Create(addRegion(), CFocusObject::kRegion));
             selection->Add(CFocusObject::Create(addRegion(), CFocusObject::kRegion));
             return std::unique_ptr<CFocusObject>(std::move(selection));
         },
         0, 4025},
        {"a pattern among regions",
         [this] {
             auto selection = std::make_unique<CMultiFocusObject>(nullptr);
             selection->Add(CFocusObject::Create(addRegion(), CFocusObject::kRegion));
             selection->Add(CFocusObject::Create(mask.GetPatternAt(0), CFocusObject::kPattern));
             return std::unique_ptr<CFocusObject>(std::move(selection));
         },
         0, 4024},
        {"a pivot point", [] { return CFocusObject::Create(nullptr, CFocusObject::kPivot); }, 0,
         0},
    };
    PopupMenuPoint point{120, 45};
    for (const MenuScenario &row : scenarios) {
        SCOPED_TRACE(row.name);
        presenter.shown.clear();
        document.modes.SetSelectionMode(row.selectionMode);
        activate(row.active());
        EXPECT_EQ(manager.DispatchEvent("ShowPopupMenu", &point), row.menu != 0);
        ASSERT_EQ(presenter.shown.size(), row.menu != 0 ? 1u : 0u);
        if (row.menu != 0) {
            EXPECT_EQ(presenter.shown[0].menu, row.menu);
            EXPECT_EQ(presenter.shown[0].x, 120);
            EXPECT_EQ(presenter.shown[0].y, 45);
        }
        EXPECT_EQ(state(), "IdleTask/Idle");
    }
}

TEST_F(MaskViewCommandsTest, ContextMenuThatCannotBeShownAnswersFalse)
{
    PopupMenuPoint point{1, 2};
    presenter.loads = false;
    EXPECT_FALSE(manager.DispatchEvent("ShowPopupMenu", &point));
    EXPECT_EQ(presenter.shown.size(), 1u);
    manager.SetMenuPresenter(nullptr);
    EXPECT_FALSE(manager.DispatchEvent("ShowPopupMenu", &point));
    EXPECT_EQ(presenter.shown.size(), 1u);
}

TEST_F(MaskViewCommandsTest, HidingRegionsLeavesNothingHiddenActive)
{
    document.displayFlags.SetShowMaskRegions(true);
    activate(CFocusObject::Create(addRegion(), CFocusObject::kRegion));
    ASSERT_TRUE(manager.DispatchEvent("ShowMaskRegions", nullptr));
    EXPECT_FALSE(document.displayFlags.GetShowMaskRegions());
    EXPECT_EQ(activeKind(), CFocusObject::kNothing);

    // Showing them again changes nothing that is active.
    activate(CFocusObject::Create(addRegion(), CFocusObject::kRegion));
    ASSERT_TRUE(manager.DispatchEvent("ShowMaskRegions", nullptr));
    EXPECT_TRUE(document.displayFlags.GetShowMaskRegions());
    EXPECT_EQ(activeKind(), CFocusObject::kRegion);

    // Twice leaves the switch as it was; a pattern stays active.
    activate(CFocusObject::Create(mask.GetPatternAt(0), CFocusObject::kPattern));
    manager.DispatchEvent("ShowMaskRegions", nullptr);
    manager.DispatchEvent("ShowMaskRegions", nullptr);
    EXPECT_TRUE(document.displayFlags.GetShowMaskRegions());
    EXPECT_EQ(activeKind(), CFocusObject::kPattern);
}
