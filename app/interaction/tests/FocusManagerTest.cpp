// Morvane program interaction tests.
// The focus manager of a mask: its focus and active objects, the variables it publishes, the
// events it sends, and how it follows the model.
#include "app/interaction/testing/ShirtMaskTest.h"
#include "app/interaction/MultiFocusObject.h"
#include "foundation/EventSink.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testinteraction;

namespace {

/// Writes down, for every event the focus manager sends, its kind and argument and the main
/// task's focus variables at that moment.
class FocusWatch : public CEventSink
{
public:
    FocusWatch(MaskDocumentOnStyle &document) : m_document(document)
    {
        m_document.handler().AddListener(this);
    }
    ~FocusWatch() override { m_document.handler().RemoveListener(this); }

    void OnEvent(CEventHandler *, EventRecord *record) override
    {
        const EventData &data = *record->m_pData;
        if ((data.m_aIds[0] & 0xFFFF) != CFocusManager::kSourceKind)
            return;
        lines.push_back(std::to_string(record->m_nKind) + ":" + std::to_string(data.m_nFirst) +
                        " focus " + variable("nFocusObjectType") + "/" +
                        variable("nFocusDetailType") + " active " +
                        variable("nActiveObjectType") + "/" + variable("bAllActiveFromMask"));
        if (record->m_nKind == morvane::kEvent64 || record->m_nKind == morvane::kEvent128)
            objects.push_back(reinterpret_cast<CFocusObject *>(data.m_nSecond));
    }

    std::vector<std::string> lines;
    std::vector<CFocusObject *> objects;

private:
    std::string variable(const char *name) { return std::to_string(m_document.mainVariable(name)); }

    MaskDocumentOnStyle &m_document;
};

class FocusManagerTest : public ShirtMaskTest
{
protected:
    void SetUp() override
    {
        ShirtMaskTest::SetUp();
        document.start();
    }

    std::unique_ptr<CFocusObject> patternObject(CPattern *pattern)
    {
        return CFocusObject::Create(pattern, CFocusObject::kPattern);
    }

    CFocusManager &focus = document.focus;
};

} // namespace

TEST_F(FocusManagerTest, PublishesTheKindsBeforeItTellsOfTheChange)
{
    FocusWatch watch(document);
    auto line = CFocusObject::Create(mask.GetPatternAt(0), CFocusObject::kPattern);
    line->SetSubObject(nullptr, CFocusObject::kPolyline);
    focus.SetFocusObject(std::move(line));
    CFocusObject *oldActive = focus.GetActiveObject();
    focus.SetActiveObject(patternObject(mask.GetPatternAt(0)));

    const std::vector<std::string> expected = {
        "4:0 focus 0/0 active 0/0", "8:0 focus 1/9 active 0/0",
        "64:6 focus 1/9 active 1/1", "128:6 focus 1/9 active 1/1"};
    EXPECT_EQ(watch.lines, expected);
    ASSERT_EQ(watch.objects.size(), 2u);
    EXPECT_EQ(watch.objects[0], oldActive);
    EXPECT_EQ(watch.objects[1], focus.GetActiveObject());
}

TEST_F(FocusManagerTest, TheSameObjectAgainSendsNothingButRewritesTheActiveKinds)
{
    auto first = patternObject(mask.GetPatternAt(0));
    first->SetPosition({5, 5});
    CFocusObject *held = focus.SetFocusObject(std::move(first));
    focus.SetActiveObject(patternObject(mask.GetPatternAt(0)));
    FocusWatch watch(document);
    document.tasks().GetMainTask()->GetAttributes()->SetInteger("nActiveObjectType", 42);
    document.tasks().GetMainTask()->GetAttributes()->SetInteger("nFocusObjectType", 42);

    auto again = patternObject(mask.GetPatternAt(0));
    again->SetPosition({5.0005, 5});
    EXPECT_EQ(focus.SetFocusObject(std::move(again)), held);
    focus.SetActiveObject(patternObject(mask.GetPatternAt(0)));

    EXPECT_TRUE(watch.lines.empty());
    EXPECT_EQ(document.mainVariable("nActiveObjectType"), 1);
    EXPECT_EQ(document.mainVariable("nFocusObjectType"), 42);
}

TEST_F(FocusManagerTest, ANewActiveObjectKeepsTheLockOfTheOld)
{
    focus.SetActiveObject(patternObject(mask.GetPatternAt(0)));
    focus.GetActiveObject()->SetLocked(true);
    focus.SetActiveObject(patternObject(mask.GetPatternAt(1)));
    EXPECT_TRUE(focus.GetActiveObject()->IsLocked());
}

TEST_F(FocusManagerTest, RemovingTheActivePatternLeavesNothingActive)
{
    focus.SetActiveObject(patternObject(mask.GetPatternAt(1)));
    ASSERT_EQ(document.mainVariable("nActiveObjectType"), 1);
    mask.RemovePatternAt(0);
    EXPECT_EQ(focus.GetActiveObject()->GetType(), CFocusObject::kPattern);
    mask.RemovePatternAt(0);
    EXPECT_EQ(focus.GetActiveObject()->GetType(), CFocusObject::kNothing);
    EXPECT_EQ(document.mainVariable("nActiveObjectType"), 0);
}

TEST_F(FocusManagerTest, ABulkChangeOfTheMaskClearsOnlyAMaskSelection)
{
    CPattern *input = document.style().inputPatterns().GetPatternAt(0);
    focus.SetActiveObject(patternObject(input));
    mask.SendBeginUpdate();
    mask.SendEndUpdate();
    EXPECT_EQ(focus.GetActiveItem(), input);

    auto selection = CFocusObject::Create(nullptr, CFocusObject::kMultiple);
    static_cast<CMultiFocusObject &>(*selection).Add(patternObject(mask.GetPatternAt(0)));
    focus.SetActiveObject(std::move(selection));
    mask.SendBeginUpdate();
    mask.SendEndUpdate();
    EXPECT_EQ(focus.GetActiveObject()->GetType(), CFocusObject::kNothing);
}

TEST_F(FocusManagerTest, AnUnshownInputPatternAndANewSelectionModeLeaveNothingActive)
{
    auto *input = document.style().inputPatterns().GetPatternAt(0);
    focus.SetActiveObject(patternObject(input));
    input->ClearFlagged();
    EXPECT_EQ(focus.GetActiveObject()->GetType(), CFocusObject::kNothing);

    auto selection = CFocusObject::Create(nullptr, CFocusObject::kMultiple);
    focus.SetActiveObject(std::move(selection));
    document.modes.SetSelectionMode(1);
    EXPECT_EQ(focus.GetActiveObject()->GetType(), CFocusObject::kNothing);
}

TEST_F(FocusManagerTest, ASelectedMaskPatternBecomesTheActivePattern)
{
    auto selection = CFocusObject::Create(nullptr, CFocusObject::kMultiple);
    auto &entries = static_cast<CMultiFocusObject &>(*selection);
    entries.Add(patternObject(document.style().inputPatterns().GetPatternAt(0)));
    entries.Add(patternObject(mask.GetPatternAt(1)));
    entries.Add(patternObject(mask.GetPatternAt(0)));
    focus.SetActiveObject(std::move(selection));
    focus.ActivateSelectedPattern();
    EXPECT_EQ(focus.GetActiveObject()->GetType(), CFocusObject::kPattern);
    EXPECT_EQ(focus.GetActiveMaskPattern(), mask.GetPatternAt(1));
}

TEST_F(FocusManagerTest, TheNextPatternPointWrapsBothWays)
{
    CPattern *pattern = mask.GetPatternAt(0);
    focus.SetActiveObject(patternObject(pattern));
    CPtrCollection<CBasePoint> points;
    const int count = focus.GetActiveGradePoints(points);
    ASSERT_GT(count, 2);

    EXPECT_EQ(focus.FindNextPatternPoint(false), points.GetAt(0));
    EXPECT_EQ(focus.FindNextPatternPoint(true), points.GetAt(count - 1));
    focus.SetActivePoint(points.GetAt(count - 1));
    EXPECT_EQ(focus.FindNextPatternPoint(false), points.GetAt(0));
    focus.SetActivePoint(points.GetAt(0));
    EXPECT_EQ(focus.FindNextPatternPoint(true), points.GetAt(count - 1));
    EXPECT_EQ(focus.FindNextPatternPoint(false), points.GetAt(1));

    focus.ClearActiveObject();
    EXPECT_EQ(focus.FindNextPatternPoint(false), nullptr);
}

TEST_F(FocusManagerTest, TheNearestPointIsTheFirstOfEquallyNearOnesAndOnlyInSelectionModeOne)
{
    CMaskPattern *square = placeSquare(mask, "SQUARE", {5000, 0});
    focus.SetActiveObject(patternObject(square));
    const DPOINT between{5020, 20}; // as far from every corner

    focus.ActivateNearestPoint(between);
    EXPECT_EQ(focus.GetActivePoint(), nullptr);

    document.modes.SetSelectionMode(1);
    focus.ActivateNearestPoint(between);
    CPtrCollection<CBasePoint> points;
    focus.GetActiveGradePoints(points);
    EXPECT_EQ(focus.GetActivePoint(), points.GetAt(0));
    focus.ActivateNearestPoint({5039, 41});
    EXPECT_EQ(focus.GetActivePoint(), square->GetBasePointAt(2));
}

TEST_F(FocusManagerTest, ARemovedActivePointOrContourLineIsLetGo)
{
    CMaskPattern *square = placeSquare(mask, "SQUARE", {5000, 0});
    auto line = patternObject(square);
    line->SetSubObject(square->GetPatternPolylineAt(0), CFocusObject::kPolyline);
    focus.SetActiveObject(std::move(line));
    focus.SetActivePoint(square->GetBasePointAt(4));

    square->RemovePolylineAt(0);
    EXPECT_EQ(focus.GetActiveObject()->GetType(), CFocusObject::kPattern);
    EXPECT_EQ(focus.GetActiveObject()->GetSubObjectType(), 0);
    EXPECT_EQ(focus.GetActiveItem(), square);
    ASSERT_EQ(focus.GetActivePoint(), square->GetBasePointAt(4));
    square->DeleteBasePoint(4);
    EXPECT_EQ(focus.GetActivePoint(), nullptr);
}

TEST_F(FocusManagerTest, CountsTheModelsStructuralChanges)
{
    const uint64_t before = focus.GetModelChangeCount();
    placeSquare(mask, "SQUARE", {5000, 0});
    EXPECT_GT(focus.GetModelChangeCount(), before);
}
