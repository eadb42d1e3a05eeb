// Morvane main window, view and interaction, tests.
// Selecting, framing, panning and zooming as a user does it, with QTest on the main view over the
// style on the main document's active mask, its events run by the mask's own task manager with
// its own commands.
#include "StyleView.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/MultiFocusObject.h"
#include "app/ui/options/Options.h"
#include "foundation/DRect.h"
#include "model/InputPattern.h"
#include "tasks/TaskManager.h"

#include <QTest>

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using testview::qtColour;
using testview::StyleView;

namespace {

/// A point of the mask's copy of a point of the style.
DPOINT onMask(DPOINT base)
{
    return {base.x, base.y + StyleView::kMaskShift};
}

// On the bottom edges of FRONT and BACK.
constexpr DPOINT kFrontBottom{5.0, 0.0};
constexpr DPOINT kBackBottom{35.0, 0.0};

class SelectionInViewTest : public testing::Test
{
protected:
    SelectionInViewTest()
    {
        manager().SetDiagnosticHandler(
            [this](const std::string &message) { m_diagnostics.push_back(message); });
        manager().DispatchEvent("OnActivate", nullptr);
    }
    ~SelectionInViewTest() override { EXPECT_TRUE(m_diagnostics.empty()); }

    CTaskManager &manager() { return *m_fixture.maskDoc().GetTaskManager(); }
    QWidget *viewport() { return m_fixture.view->viewport(); }
    QPoint pixelOf(DPOINT world) { return m_fixture.view->WorldToClient(world.x, world.y); }
    void click(DPOINT world, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QTest::mouseMove(viewport(), pixelOf(world));
        QTest::mouseClick(viewport(), Qt::LeftButton, keys, pixelOf(world));
    }
    /// A press at from, moves on to to in steps of 10 pixels, a release there.
    void drag(DPOINT from, DPOINT to)
    {
        const QPoint start = pixelOf(from);
        const QPoint end = pixelOf(to);
        QTest::mouseMove(viewport(), start);
        QTest::mousePress(viewport(), Qt::LeftButton, Qt::NoModifier, start);
        const int steps = std::max(1, (end - start).manhattanLength() / 10);
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(viewport(), start + (end - start) * i / steps);
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, end);
    }
    const CFocusObject &active()
    {
        return *m_fixture.document.GetFocusManager()->GetActiveObject();
    }
    QColor selectedColour()
    {
        return qtColour(
            static_cast<uint32_t>(COptions::GetInstance()->m_pSelectedObjects->GetValue()));
    }

    StyleView m_fixture;
    std::vector<std::string> m_diagnostics;
};

} // namespace

TEST_F(SelectionInViewTest, AClickMakesThePatternUnderThePointerActiveAndDrawnSelected)
{
    const DPOINT apex = onMask({10, 12});
    EXPECT_NE(m_fixture.colourAt(m_fixture.render(), onMask(kFrontBottom)), selectedColour());
    click(apex);
    EXPECT_EQ(active().GetType(), CFocusObject::kPattern);
    EXPECT_EQ(active().GetItem(), m_fixture.maskPattern(0));
    EXPECT_EQ(active().GetSubObjectType(), CFocusObject::kPoint);
    // Away from it, so that it is not drawn as the object under the pointer.
    QTest::mouseMove(viewport(), pixelOf({60, 70}));
    EXPECT_EQ(m_fixture.colourAt(m_fixture.render(), onMask(kFrontBottom)), selectedColour());
}

TEST_F(SelectionInViewTest, AClickOnALinePicksItInItsPattern)
{
    click(onMask(kBackBottom));
    EXPECT_EQ(active().GetItem(), m_fixture.maskPattern(1));
    EXPECT_EQ(active().GetSubObjectType(), CFocusObject::kPolyline);
    QTest::mouseMove(viewport(), pixelOf({60, 70}));
    const auto picked =
        static_cast<uint32_t>(COptions::GetInstance()->m_pSelectedSubObjects->GetValue());
    EXPECT_EQ(m_fixture.colourAt(m_fixture.render(), onMask(kBackBottom)), qtColour(picked));
}

TEST_F(SelectionInViewTest, CtrlClicksAddAndRemoveFromTheSelection)
{
    click(onMask(kFrontBottom));
    click(onMask(kBackBottom), Qt::ControlModifier);
    ASSERT_EQ(active().GetType(), CFocusObject::kMultiple);
    EXPECT_EQ(static_cast<const CMultiFocusObject &>(active()).GetCount(), 2);
    QTest::mouseMove(viewport(), pixelOf({60, 70}));
    EXPECT_EQ(m_fixture.colourAt(m_fixture.render(), onMask(kFrontBottom)), selectedColour());

    click(onMask(kBackBottom), Qt::ControlModifier);
    EXPECT_EQ(active().GetType(), CFocusObject::kPattern);
    EXPECT_EQ(active().GetItem(), m_fixture.maskPattern(0));
}

TEST_F(SelectionInViewTest, AFrameSelectsWhatLiesWhollyInsideAndNeverAnUnplacedInputPattern)
{
    // Round both mask patterns, from free space below them to free space above.
    drag({-8, 30}, {48, 60});
    ASSERT_EQ(active().GetType(), CFocusObject::kMultiple);
    const auto &both = static_cast<const CMultiFocusObject &>(active());
    ASSERT_EQ(both.GetCount(), 2);
    EXPECT_EQ(both.GetAt(0)->GetItem(), m_fixture.maskPattern(0));
    EXPECT_EQ(both.GetAt(1)->GetItem(), m_fixture.maskPattern(1));
    EXPECT_FALSE(m_fixture.document.GetExtentFlag());

    // Round the input patterns, the BACK not placed.
    m_fixture.document.GetFocusManager()->ClearActiveObject();
    static_cast<CInputPattern *>(m_fixture.inputPattern(1))->ClearFlagged();
    // FRONT is graded 10 mm a size along x: its rectangle over the sizes reaches from -20 to 50.
    drag({-30, -20}, {70, 25});
    EXPECT_TRUE(active().RefersTo(m_fixture.inputPattern(0)));
    EXPECT_FALSE(active().RefersTo(m_fixture.inputPattern(1)));
}

TEST_F(SelectionInViewTest, TheZoomFrameFillsTheView)
{
    m_fixture.view->SetZoomAndCenter(1.0, 0.0, 0.0);
    manager().DispatchEvent("OnZoomToRect", nullptr);
    drag({-40, -30}, {60, 50});
    // 100 by 80 millimetres fill the 900 by 700 pixels of the view.
    EXPECT_NEAR(m_fixture.view->GetZoom(), 8.75, 0.5);
    const CDRect shown = m_fixture.view->GetVisibleWorldRect();
    EXPECT_LE(shown.minX, -39.0);
    EXPECT_GE(shown.maxX, 59.0);
    EXPECT_LE(shown.minY, -29.0);
    EXPECT_GE(shown.maxY, 49.0);
    EXPECT_LT(shown.GetWidth(), 110.0);
    EXPECT_LT(shown.GetHeight(), 110.0);
}

TEST_F(SelectionInViewTest, TheHandToolKeepsThePressedPointUnderThePointer)
{
    const DPOINT pressed = onMask(kFrontBottom);
    const QPoint start = pixelOf(pressed);
    manager().DispatchEvent("OnMoveView", nullptr);
    QTest::mouseMove(viewport(), start);
    QTest::mousePress(viewport(), Qt::LeftButton, Qt::NoModifier, start);
    for (int i = 1; i <= 5; ++i)
        QTest::mouseMove(viewport(), start + QPoint(20 * i, 10 * i));
    const QPoint end = start + QPoint(100, 50);
    QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, end);
    const DPOINT under = m_fixture.view->ClientToWorld(end);
    EXPECT_NEAR(under.x, pressed.x, 2 * m_fixture.view->PixelsToWorld(1));
    EXPECT_NEAR(under.y, pressed.y, 2 * m_fixture.view->PixelsToWorld(1));
}
