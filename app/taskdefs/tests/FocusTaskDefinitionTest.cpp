// Morvane program task definitions tests.
// The standard hooks of a tool with focus rules, run by a real task manager on a real mask.
#include "app/interaction/MultiFocusObject.h"
#include "app/interaction/testing/ShirtMaskTest.h"
#include "app/taskdefs/ChartDeclaration.h"
#include "app/taskdefs/FocusTaskDefinition.h"
#include "lang/LanguageLibrary.h"
#include "LanguageFolder.h"

#include <gtest/gtest.h>

using namespace testinteraction;

namespace {

constexpr uint32_t kPickPrompt = 57344; // "Morvane"

/// A tool that picks grade points on lines: it waits in "Pick" until "Done" ("Again" enters
/// "Pick" anew).
class PickPointTool : public CFocusTaskDefinition
{
public:
    explicit PickPointTool(morvane::FocusToolSettings settings)
        : CFocusTaskDefinition(std::move(settings))
    {}

    void Define(ITask *task) override
    {
        DeclareFocusVariable(task);
        static constexpr morvane::StateRow kStates[] = {
            {"Entry", morvane::StateType::Entry, 0},
            {"Exit", morvane::StateType::Exit, 1},
            {"Pick", morvane::StateType::Plain, 2},
        };
        static constexpr morvane::TransitionRow kTransitions[] = {
            {"Entry", "", "", "Pick"},
            {"Pick", "Again", "", "Pick"},
            {"Pick", "Done", "", "Exit"},
        };
        morvane::defineChart(task, {{}, {}, kStates, kTransitions});
    }
};

morvane::FocusToolSettings pickSettings()
{
    morvane::FocusToolSettings settings;
    settings.snapMode = 1;
    settings.focusTypes = {0, 3};
    settings.activateSelectedPattern = true;
    // Grade points on the lines of every pattern, within 15; found only in snap modes 1 and 5.
    settings.rules = {{1, 0, 15, 15, 2, 2, 0, {}}};
    settings.prompts = {{"Pick", -1, kPickPrompt}};
    return settings;
}

class FocusTaskDefinitionTest : public ShirtMaskTest
{
protected:
    void SetUp() override
    {
        ShirtMaskTest::SetUp();
        ASSERT_TRUE(m_language.LoadLanguageLibrary(languageFolder(), ""));
        auto made = std::make_unique<PickPointTool>(pickSettings());
        tool = made.get();
        document.tasks().addTool("PickPointTask", std::move(made));
        document.start();
        document.tasks().GetMainTask()->GetAttributes()->SetInteger("nSnapMode", 2);
    }

    void *published()
    {
        void *pointer = nullptr;
        document.tasks().GetMainTask()->GetActiveTask()->GetAttributes()->GetPointer(
            "pFocusManager", &pointer);
        return pointer;
    }

    CLanguageLibrary m_language;
    PickPointTool *tool = nullptr;
};

} // namespace

TEST_F(FocusTaskDefinitionTest, TheEnterHookSetsTheToolUpBeforeItBuildsItsCandidates)
{
    auto selection = CFocusObject::Create(nullptr, CFocusObject::kMultiple);
    static_cast<CMultiFocusObject &>(*selection)
        .Add(CFocusObject::Create(mask.GetPatternAt(1), CFocusObject::kPattern));
    document.focus.SetActiveObject(std::move(selection));

    ASSERT_TRUE(document.startTool("PickPointTask"));

    EXPECT_EQ(document.tasks().diagnostics, std::vector<std::string>{});
    EXPECT_EQ(published(), &tool->GetShapeSet());
    EXPECT_EQ(tool->GetSavedSnapMode(), 2);
    EXPECT_EQ(document.mainVariable("nSnapMode"), 1);
    EXPECT_EQ(document.mainVariable("EditToolMode"), 1);
    EXPECT_EQ(document.services.focusTypes, (std::vector<int>{0, 3}));
    EXPECT_EQ(document.services.itemListsCleared, 1);
    // The selected pattern became active before the candidates were built, and the rules were
    // read in the tool's snap mode (grade points on lines are candidates only in mode 1).
    ASSERT_NE(tool->GetShapeSet().GetActiveObjectCopy(), nullptr);
    EXPECT_EQ(tool->GetShapeSet().GetActiveObjectCopy()->GetItem(), mask.GetPatternAt(1));
    EXPECT_EQ(tool->GetShapeSet().GetFilterList().GetCount(), 1);
    EXPECT_GT(tool->GetShapeSet().GetShapeCount(), 0);
}

TEST_F(FocusTaskDefinitionTest, TheLeaveHookPutsTheSnapModeBack)
{
    ASSERT_TRUE(document.startTool("PickPointTask"));
    document.tasks().DispatchEvent("Done", nullptr);
    ASSERT_EQ(document.tasks().GetTaskStatus("PickPointTask"), TS_INACTIVE);
    EXPECT_EQ(document.mainVariable("nSnapMode"), 2);
    EXPECT_EQ(document.mainVariable("EditToolMode"), 0);
}

TEST_F(FocusTaskDefinitionTest, APromptIsWrittenOnlyWhenItChanges)
{
    ASSERT_TRUE(document.startTool("PickPointTask"));
    EXPECT_EQ(document.services.GetStringAt(0), "Morvane");
    const int written = document.services.stringsSet;
    document.tasks().DispatchEvent("Again", nullptr);
    EXPECT_EQ(document.services.stringsSet, written);
    document.tasks().DispatchEvent("Done", nullptr);
    EXPECT_EQ(document.services.GetStringAt(0), "");
    EXPECT_EQ(document.services.stringsSet, written + 1);
}

TEST_F(FocusTaskDefinitionTest, WithoutAMaskDocumentTheToolRunsWithoutFocus)
{
    document.services.maskDocument = nullptr;
    ASSERT_TRUE(document.startTool("PickPointTask"));
    EXPECT_EQ(published(), nullptr);
    EXPECT_EQ(document.mainVariable("nSnapMode"), 2);
}

TEST_F(FocusTaskDefinitionTest, ANewActiveObjectRebuildsTheRunningToolsCandidates)
{
    ASSERT_TRUE(document.startTool("PickPointTask"));
    document.focus.SetActiveObject(
        CFocusObject::Create(mask.GetPatternAt(0), CFocusObject::kPattern));
    EXPECT_EQ(tool->GetShapeSet().GetActiveObjectCopy()->GetItem(), mask.GetPatternAt(0));
}
