// Morvane program interaction tests.
// The interaction modes of a mask and the display switches of the main document.
#include "EventLog.h"
#include "app/interaction/testing/ShirtMaskTest.h"

#include <gtest/gtest.h>

using namespace testinteraction;

namespace {

const std::string kModes = std::to_string(CInteractionModes::kHandlerId);

class InteractionModesTest : public ShirtMaskTest
{
protected:
    void SetUp() override
    {
        ShirtMaskTest::SetUp();
        document.start();
        point = mask.GetPatternAt(0)->GetBasePointAt(0);
    }

    std::vector<std::string> events() { return log.TakeFrom(CInteractionModes::kHandlerId); }

    CInteractionModes &modes = document.modes;
    EventLog log{document.handler()};
    CBasePoint *point = nullptr;
};

/// Whether the focus manager held an active point at each after-change of the modes.
class ActivePointAtChange : public CEventSink
{
public:
    explicit ActivePointAtChange(MaskDocumentOnStyle &document) : m_document(document)
    {
        m_document.handler().AddListener(this);
    }
    ~ActivePointAtChange() override { m_document.handler().RemoveListener(this); }
    void OnAfterChange(EventData *data) override
    {
        if (data->m_aIds[0] == CInteractionModes::kHandlerId)
            held.push_back(m_document.focus.GetActivePoint() != nullptr);
    }

    std::vector<bool> held;

private:
    MaskDocumentOnStyle &m_document;
};

} // namespace

TEST_F(InteractionModesTest, TheSelectionModeNotifiesOnlyAChangeAndThenLetsThePointGo)
{
    document.focus.SetActivePoint(point);
    ActivePointAtChange watch(document);

    modes.SetSelectionMode(0);
    EXPECT_TRUE(events().empty());
    EXPECT_EQ(document.focus.GetActivePoint(), point);

    modes.SetSelectionMode(1);
    EXPECT_EQ(events(), (std::vector<std::string>{"before " + kModes + ":0",
                                                  "after " + kModes + ":0"}));
    EXPECT_EQ(document.focus.GetActivePoint(), point);
    EXPECT_EQ(document.mainVariable("nSelectionMode"), 1);

    modes.SetSelectionMode(2);
    EXPECT_EQ(document.focus.GetActivePoint(), nullptr);
    EXPECT_EQ(watch.held, (std::vector<bool>{true, true}));
}

TEST_F(InteractionModesTest, TheMeasureModeAndViewFlagNotifyEvenUnchanged)
{
    document.measureLine.SetActive(true);
    modes.SetMeasureMode(0);
    EXPECT_FALSE(document.measureLine.IsActive());
    modes.SetViewFlag(false);
    modes.SetMeasureMode(3);
    EXPECT_EQ(modes.GetMeasureMode(), 3);
    EXPECT_EQ(events(), (std::vector<std::string>{
                            "before " + kModes + ":2", "after " + kModes + ":2",
                            "before " + kModes + ":1", "after " + kModes + ":1",
                            "before " + kModes + ":2", "after " + kModes + ":2"}));
}

TEST_F(InteractionModesTest, ModesReadTheMainTasksVariables)
{
    ICommandAttributes *variables = document.tasks().GetMainTask()->GetAttributes();
    variables->SetInteger("bAutoMove", 7);
    variables->SetInteger("nSnapMode", 5);
    EXPECT_TRUE(modes.GetAutoMove());
    EXPECT_FALSE(modes.GetAutoRotate());
    EXPECT_EQ(modes.GetSnapMode(), 5);
}

TEST(DisplayFlagsTest, SwitchesTellTheDocumentOnlyOfAChange)
{
    morvane::FakeDocumentServices services;
    CDisplayFlags flags;
    flags.SetListener(&services);
    flags.SetShowInputPatterns(true);
    flags.SetSwitch6(false);
    EXPECT_EQ(services.changes0, 0);
    flags.SetSwitch6(true);
    flags.SetShowGrading(true);
    EXPECT_EQ(services.changes0, 2);
}

TEST(DisplayFlagsTest, ModesAndShownSwitchesFollowThePatternsShown)
{
    struct Row
    {
        bool input;
        bool guide;
        int patternsMode;
        bool switch8;
    };
    const Row rows[] = {
        {true, true, 0, true}, {false, true, 2, false}, {true, false, 1, false},
        {false, false, 1, false}};
    for (const Row &row : rows) {
        SCOPED_TRACE(std::to_string(row.input) + std::to_string(row.guide));
        CDisplayFlags flags;
        flags.SetShowInputPatterns(row.input);
        flags.SetShowGuidePatterns(row.guide);
        flags.SetSwitch8(true);
        flags.SetSwitch9(true);
        EXPECT_EQ(flags.GetPatternsShownMode(), row.patternsMode);
        EXPECT_EQ(flags.IsSwitch8Shown(), row.switch8);
        EXPECT_EQ(flags.IsSwitch9Shown(), row.switch8);
    }
}

TEST(DisplayFlagsTest, TheGradingModeFollowsTheSelectionOption)
{
    morvane::FakeDocumentServices services;
    CDisplayFlags flags;
    flags.SetListener(&services);
    EXPECT_EQ(flags.GetGradingShownMode(), 0);
    flags.SetShowGrading(true);
    EXPECT_EQ(flags.GetGradingShownMode(), 1);
    services.options.set(CDisplayFlags::kSelectionGradingOption, "1");
    EXPECT_EQ(flags.GetGradingShownMode(), 2);
}
