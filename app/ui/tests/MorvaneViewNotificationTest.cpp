// Morvane main window, view and interaction, tests.
// The view's answers to the model's notifications, recorded where they reach the window, and
// its zooms to what is shown.
#include "RegionFixtures.h"
#include "StyleView.h"
#include "app/documents/GradeMaskDoc.h"
#include "app/interaction/FocusObject.h"
#include "app/interaction/RotationPivot.h"
#include "model/Contour.h"
#include "model/GradeRegion.h"
#include "model/InputPattern.h"
#include "model/MaskPoint.h"
#include "model/Pattern.h"
#include "model/PatternLocation.h"
#include "model/Polyline.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace morvane;
using testview::StyleView;
using testview::StyleViewSetup;

namespace {

/// The view recording what its reactions do to the window.
class RecordingView : public CMorvaneView
{
public:
    using CMorvaneView::CMorvaneView;

    void ZoomAll() override { calls.push_back("zoom"); }

    std::vector<std::string> calls;
    std::vector<CDRect> areas;

protected:
    void InvalidateWorld(const CDRect &rect) override
    {
        calls.push_back("area");
        areas.push_back(rect);
    }
    void Redraw() override { calls.push_back("redraw"); }
    void UpdateNow() override { calls.push_back("update"); }
    void CaptureMouse() override { calls.push_back("capture"); }
};

/// A notification as it reaches the view: its kind, the sender's handler id and owner, and the
/// two words.
struct Notification
{
    uint32_t kind;
    uint32_t sender;
    void *owner;
    uint32_t first;
    uintptr_t second;
};

void deliver(CEventMap &view, const Notification &n)
{
    EventData data;
    data.m_nFirst = n.first;
    data.m_nSecond = n.second;
    data.m_nHopCount = 1;
    data.m_aIds[0] = kModelHandlerId | n.sender;
    data.m_aOwners[0] = n.owner;
    EventRecord record{n.kind, &data};
    view.OnEvent(nullptr, &record);
}

/// A StyleView whose view records.
StyleViewSetup recordingView()
{
    StyleViewSetup setup;
    setup.makeView = [](CMorvaneDoc &document) { return new RecordingView(document); };
    return setup;
}

class MorvaneViewNotificationTest : public testing::Test
{
protected:
    MorvaneViewNotificationTest()
    {
        m_view->ResetView();
        m_view->calls.clear();
    }

    CPattern *inputFront() { return m_fixture.inputPattern(0); }
    CPattern *maskFront() { return m_fixture.maskPattern(0); }
    /// The square of half side pixels about the point, as the view computes it.
    CDRect around(DPOINT at, int pixels) const
    {
        const double half = m_view->PixelsToWorld(pixels);
        return {at.x - half, at.y - half, at.x + half, at.y + half};
    }

    StyleView m_fixture{recordingView()};
    RecordingView *m_view = static_cast<RecordingView *>(m_fixture.view);
};

uintptr_t word(void *object)
{
    return reinterpret_cast<uintptr_t>(object);
}

} // namespace

TEST_F(MorvaneViewNotificationTest, EachNotificationGetsItsReaction)
{
    m_fixture.document.SetExtent(-10, -10, 50, 30);
    m_fixture.document.SetExtentFlag(true);
    m_fixture.maskDoc().GetRotationPivot()->SetPivotPoint({3, 4});
    CPattern *input = inputFront();
    CPattern *mask = maskFront();
    CGradeMask &gradeMask = m_fixture.mask();
    CContour *contour = input->GetOutContour();
    CPolyline *line = input->GetPatternPolylineAt(0);
    auto *location = dynamic_cast<CPatternLocation *>(mask->GetPatternLocation());
    ASSERT_NE(contour, nullptr);
    ASSERT_NE(location, nullptr);
    const CDRect inputArea = m_view->GetPatternArea(input);
    const CDRect maskArea = m_view->GetPatternArea(mask);
    const CDRect frame(-10, -10, 50, 30);
    constexpr uint32_t kAll = 0xFFFFFFFF;

    struct Row
    {
        const char *name;
        Notification notification;
        std::vector<std::string> calls;
        std::vector<CDRect> areas;
    };
    const Row rows[] = {
        {"point added to a pattern",
         {kEventAttached, 0, input, kModelHandlerId | 7, 0},
         {"area"},
         {inputArea}},
        {"input pattern added",
         {kEventAttached, 10, nullptr, kModelHandlerId, word(input)},
         {"area"},
         {inputArea}},
        {"pattern taken off the mask",
         {kEventDetached, 1, &gradeMask, kModelHandlerId, word(mask)},
         {"area"},
         {maskArea}},
        {"region added", {kEventAttached, 1, &gradeMask, kModelHandlerId | 2, 0}, {"redraw"}, {}},
        {"active mask changed", {kEvent128, 100, nullptr, 108, 0}, {"redraw", "zoom"}, {}},
        {"active object changed", {kEvent128, 103, nullptr, 6, 0}, {"redraw"}, {}},
        {"mask centre moves",
         {kEventBeforeChange, 1, &gradeMask, 0, 0},
         {"area"},
         {around(gradeMask.GetCenter(), 5)}},
        {"mask pattern placed", {kEventAfterChange, 16, location, 0, 0}, {"area"}, {maskArea}},
        {"mask pattern shown",
         {kEventAfterChange, 16, location, 1, 0},
         {"area", "update"},
         {maskArea}},
        {"contour changed",
         {kEventAfterChange, 15, contour, kAll, 0},
         {"area", "area"},
         {contour->GetAbsRect(), inputArea}},
        {"polyline updates", {kEventBeginUpdate, 13, line, 0, 0}, {"area"}, {inputArea}},
        {"mask updated", {kEventEndUpdate, 1, &gradeMask, 0, 0}, {"redraw", "zoom"}, {}},
        {"region changed", {kEventAfterChange, 2, nullptr, 3, 0}, {"redraw"}, {}},
        {"formulas changed", {kEventAfterChange, 3, nullptr, kAll, 0}, {"redraw"}, {}},
        {"options changed", {kEventAfterChange, 100, nullptr, 3, 0}, {"redraw"}, {}},
        {"drawing suspended or not", {kEventAfterChange, 100, nullptr, 8, 0}, {"redraw"}, {}},
        {"before suspension", {kEventBeforeChange, 100, nullptr, 8, 0}, {"update"}, {}},
        {"mouse captured", {kEventAfterChange, 100, nullptr, 1, 0}, {"capture"}, {}},
        {"frame about to change", {kEventBeforeChange, 100, nullptr, 6, 0}, {"area"}, {frame}},
        {"frame changed", {kEventAfterChange, 100, nullptr, 6, 0}, {"area"}, {frame}},
        {"pivot moved", {kEventAfterChange, 110, nullptr, kAll, 0}, {"area"}, {around({3, 4}, 4)}},
        {"focus changed, no association task",
         {kEventAfterChange, 103, nullptr, 0, 0},
         {"redraw"},
         {}},
        {"sizes changed", {kEventBeforeChange, 102, nullptr, 0, 0}, {"redraw"}, {}},
        {"table size removed",
         {kEventDetached, 1001, nullptr, kModelHandlerId | 1003, 0},
         {"redraw"},
         {}},
        {"not in the table", {kEventBeforeChange, 0, input, 5, 0}, {}, {}},
        {"not in the table either", {kEvent64, 103, nullptr, 6, 0}, {}, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        m_view->calls.clear();
        m_view->areas.clear();
        deliver(*m_view, row.notification);
        EXPECT_EQ(m_view->calls, row.calls);
        EXPECT_EQ(m_view->areas, row.areas);
    }
}

TEST_F(MorvaneViewNotificationTest, TheDocumentsChangesReachTheViewAsItsListener)
{
    CMorvaneDoc &document = m_fixture.document;
    CGradeMaskDoc &maskDoc = m_fixture.maskDoc();
    auto *measurePoint = new CMaskPoint;
    measurePoint->SetX(25);
    measurePoint->SetY(25);
    CGradeMaskDoc *otherMask = nullptr;
    const CDRect frame(-10, -10, 50, 30);

    struct Row
    {
        const char *name;
        std::function<void()> change;
        std::vector<std::string> calls;
        std::vector<CDRect> areas;
    };
    const Row rows[] = {
        {"measure point added",
         [&] { document.AddItem(measurePoint); },
         {"area"},
         {around({25, 25}, 4)}},
        {"measure point removed", [&] { document.RemoveItemAt(0); }, {"area"}, {around({25, 25}, 4)}},
        {"frame shown and set",
         [&] {
             document.SetExtentFlag(true);
             document.SetExtent(-10, -10, 50, 30);
         },
         {"area"},
         {frame}},
        {"pivot moved",
         [&] { maskDoc.GetRotationPivot()->SetPivotPoint({3, 4}); },
         {"area", "area"},
         {around({0, 0}, 4), around({3, 4}, 4)}},
        {"drawing suspended", [&] { document.SetFailed(true); }, {"update"}, {}},
        {"drawing resumed", [&] { document.SetFailed(false); }, {"redraw"}, {}},
        {"another mask made active",
         [&] {
             CGradeMaskDocArray &masks = *document.GetMaskDocs();
             masks.InsertAt(1, masks.CreateMaskDoc());
             otherMask = masks.GetAt(1);
             m_view->calls.clear();
             document.SetActiveMaskDoc(otherMask);
         },
         {"redraw", "zoom"},
         {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        m_view->calls.clear();
        m_view->areas.clear();
        row.change();
        EXPECT_EQ(m_view->calls, row.calls);
        EXPECT_EQ(m_view->areas, row.areas);
    }
}

TEST_F(MorvaneViewNotificationTest, AHiddenInputPatternOrASuspendedDrawingGetsNoRepaint)
{
    m_fixture.document.SetFailed(true);
    m_view->calls.clear();
    deliver(*m_view, {kEventAfterChange, 100, nullptr, 8, 0});
    deliver(*m_view, {kEventBeforeChange, 100, nullptr, 8, 0});
    EXPECT_TRUE(m_view->calls.empty());

    inputFront()->GetInputPattern()->ClearFlagged();
    m_view->calls.clear();
    deliver(*m_view, {kEventAttached, 0, inputFront(), kModelHandlerId | 7, 0});
    EXPECT_TRUE(m_view->calls.empty());
}

TEST_F(MorvaneViewNotificationTest, APatternRepaintsTheWholeViewDuringABulkChange)
{
    m_fixture.document.BeginBulkChange();
    deliver(*m_view, {kEventAttached, 0, inputFront(), kModelHandlerId | 7, 0});
    EXPECT_EQ(m_view->calls, std::vector<std::string>{"redraw"});
}

namespace {

/// The view zooming for real, over the empty mask of a document without a style, which the test
/// fills.
class ZoomAllTest : public testing::Test
{
protected:
    ZoomAllTest() { m_fixture.view->ResetView(); }

    DPOINT centre() const { return m_fixture.view->GetClientCenterPoint(); }
    static StyleViewSetup emptyDocument()
    {
        StyleViewSetup setup;
        setup.withStyle = false;
        return setup;
    }

    StyleView m_fixture{emptyDocument()};
};

} // namespace

TEST_F(ZoomAllTest, AnEmptyMaskKeepsTheResetZoomAboutTheOrigin)
{
    m_fixture.view->ZoomAll();
    EXPECT_DOUBLE_EQ(m_fixture.view->GetZoom(), 0.3);
    EXPECT_NEAR(centre().x, 0.0, 1 / 0.3);
    EXPECT_NEAR(centre().y, 0.0, 1 / 0.3);
}

TEST_F(ZoomAllTest, ARegionOfOnePointKeepsTheZoomFiniteAndCentresOnIt)
{
    CGradeMask *mask = &m_fixture.mask();
    CGradeRegion *region =
        testmodel::addRegion(*mask, {{100, 50}, 0.0, 0.0, 0.0, 0.0}, REGION_GRADE);
    m_fixture.select(region, CFocusObject::kRegion);
    struct Row
    {
        const char *name;
        void (CMorvaneView::*zoom)();
    };
    for (const Row row : {Row{"everything shown", &CMorvaneView::ZoomAll},
                          Row{"the active region", &CMorvaneView::ZoomToFocus}}) {
        SCOPED_TRACE(row.name);
        m_fixture.view->ResetView();
        (m_fixture.view->*row.zoom)();
        EXPECT_TRUE(std::isfinite(m_fixture.view->GetZoom()));
        EXPECT_DOUBLE_EQ(m_fixture.view->GetZoom(), 0.3);
        EXPECT_NEAR(centre().x, 100.0, 1 / 0.3);
        EXPECT_NEAR(centre().y, 50.0, 1 / 0.3);
    }
}

TEST_F(ZoomAllTest, AnUnlimitedRegionCountsOnlyWithWhatItsLimitsFix)
{
    CGradeMask *mask = &m_fixture.mask();
    testmodel::addRegion(*mask, testmodel::boxShape(0, 0, 100, 60), REGION_GRADE);
    testmodel::addRegion(*mask, testmodel::kHalfPlaneShape, REGION_EXCLUDE);
    m_fixture.view->ZoomAll();
    // The box fills the view but for its margins; the half plane adds only its position.
    const double zoom = m_fixture.view->GetZoom();
    EXPECT_GT(zoom, 1.0);
    EXPECT_NEAR(centre().x, 50.0, 1 / zoom);
    EXPECT_NEAR(centre().y, 30.0, 1 / zoom);
}

TEST(ZoomToFocusTest, FitsTheActiveObjectOverTheShownSizes)
{
    StyleView fixture;
    fixture.select(fixture.inputPattern(1), CFocusObject::kPattern);
    fixture.view->ZoomToFocus();
    // BACK, a 10 mm square at (30, 0) in every size, would fill the view beyond the largest
    // zoom: it lies in the middle at that zoom.
    const CDRect visible = fixture.view->GetVisibleWorldRect();
    EXPECT_NEAR(visible.GetCenter().x, 35.0, 0.2);
    EXPECT_NEAR(visible.GetCenter().y, 5.0, 0.2);
    EXPECT_DOUBLE_EQ(fixture.view->GetZoom(), 10.0);

    fixture.document.GetFocusManager()->ClearActiveObject();
    const double zoom = fixture.view->GetZoom();
    fixture.view->ZoomToFocus();
    EXPECT_DOUBLE_EQ(fixture.view->GetZoom(), zoom);
}
