// Morvane main window, view and interaction, tests.
// The mouse turned into task events: the main task's variables and the mouse record, driven with
// QTest as a user drives the view.
#include "RecordingTaskManager.h"
#include "StyleView.h"
#include "app/interaction/CursorTable.h"
#include "app/interaction/FocusShapeSet.h"
#include "app/ui/view/CursorImages.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>

#include <cmath>
#include <memory>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using morvane::kModelHandlerId;
using testview::RecordingTaskManager;
using testview::StyleView;
using testview::StyleViewSetup;
using testview::TakenEvent;

namespace {

/// The view over the style at zoom 0.3 about (0, 0), the mask's events going to a recording
/// task manager.
class MorvaneViewMouseTest : public testing::Test
{
protected:
    MorvaneViewMouseTest()
    {
        m_fixture.view->ResetView();
        m_origin = view()->WorldToClient(0.0, 0.0);
    }

    static StyleViewSetup recordingTasks()
    {
        StyleViewSetup setup;
        setup.makeTasks = [] { return std::make_unique<RecordingTaskManager>(); };
        return setup;
    }

    CMorvaneView *view() { return m_fixture.view; }
    QWidget *viewport() { return m_fixture.view->viewport(); }

    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const TakenEvent &event : m_manager.taken)
            result.push_back(event.name);
        return result;
    }

    StyleView m_fixture{recordingTasks()};
    RecordingTaskManager &m_manager =
        static_cast<RecordingTaskManager &>(*m_fixture.maskDoc().GetTaskManager());
    QPoint m_origin;
};

} // namespace

TEST_F(MorvaneViewMouseTest, AMoveWritesDistControlAndShiftToTheMainTaskBeforeItsEvent)
{
    ASSERT_DOUBLE_EQ(view()->GetZoom(), 0.3);
    const QPoint press = m_origin + QPoint(10, 10);
    QTest::mousePress(viewport(), Qt::LeftButton, Qt::NoModifier, press);
    QTest::mouseMove(viewport(), press + QPoint(3, 0));
    QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::ShiftModifier, press + QPoint(3, 0));

    ASSERT_EQ(names(), (std::vector<std::string>{"OnMouseMoveD", "OnLButtonDownD", "OnMouseMoveD",
                                                 "OnLButtonUpD"}));
    const auto &taken = m_manager.taken;
    // At the press point "dist" is 0; 3 pixels (10 mm at 0.3) further it is 3.
    EXPECT_EQ(taken[0].dist, 0);
    EXPECT_EQ(taken[2].dist, 3);
    EXPECT_EQ(taken[2].control, 0);
    EXPECT_EQ(taken[2].shift, 0);
    EXPECT_EQ(taken[3].shift, 1);
    EXPECT_EQ(taken[3].control, 0);
    const VIEW_MOUSE_PARAM &move = *taken[2].mouse;
    EXPECT_NEAR(move.position.x - move.pressPosition.x, 10.0, 1e-9);
    EXPECT_NEAR(move.pressPosition.y, move.position.y, 1e-9);
    EXPECT_DOUBLE_EQ(move.zoom, 0.3);
    EXPECT_EQ(move.view, static_cast<IMorvaneView *>(view()));
}

TEST_F(MorvaneViewMouseTest, ControlGoesToTheMainTaskWhileANestedTaskIsCurrent)
{
    QTest::mousePress(viewport(), Qt::LeftButton, Qt::ControlModifier, m_origin + QPoint(5, 5));

    ASSERT_EQ(names(), (std::vector<std::string>{"OnMouseMoveD", "OnLButtonDownD"}));
    for (const TakenEvent &event : m_manager.taken) {
        SCOPED_TRACE(event.name);
        EXPECT_EQ(event.control, 1);
        EXPECT_EQ(event.shift, 0);
        EXPECT_EQ(event.nestedControl, -1);
        EXPECT_TRUE(event.mouse->keyFlags & kMouseControl);
    }
}

TEST_F(MorvaneViewMouseTest, RecordsCarryThePreviousMovePoint)
{
    const DPOINT first = view()->ClientToWorld(m_origin + QPoint(10, 10));
    QTest::mouseMove(viewport(), m_origin + QPoint(10, 10));
    QTest::mouseMove(viewport(), m_origin + QPoint(20, 10));
    QTest::mouseClick(viewport(), Qt::RightButton, Qt::NoModifier, m_origin + QPoint(20, 10));

    ASSERT_EQ(names(), (std::vector<std::string>{"OnMouseMoveD", "OnMouseMoveD", "OnRButtonUpD"}));
    const auto &taken = m_manager.taken;
    EXPECT_EQ(taken[0].mouse->previousPosition.x, 0.0);
    EXPECT_EQ(taken[0].mouse->previousPosition.y, 0.0);
    EXPECT_EQ(taken[1].mouse->previousPosition.x, first.x);
    EXPECT_EQ(taken[1].mouse->previousPosition.y, first.y);
    // The button carries the last move's point, not its own.
    EXPECT_EQ(taken[2].mouse->previousPosition.x, taken[1].mouse->position.x);
    EXPECT_EQ(taken[2].mouse->position.x, taken[1].mouse->position.x);
}

TEST_F(MorvaneViewMouseTest, NothingWithoutAnActiveMask)
{
    m_fixture.document.SetActiveMaskDoc(nullptr);
    QTest::mouseMove(viewport(), m_origin + QPoint(10, 10));
    QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ControlModifier, m_origin + QPoint(12, 10));

    EXPECT_TRUE(m_manager.taken.empty());
    for (const char *name : {"dist", "control", "shift"})
        EXPECT_EQ(m_manager.mainVariable(name), -1) << name;
}

TEST_F(MorvaneViewMouseTest, TheContextMenuIsAskedForAtTheScreenPoint)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(7, 9), QPoint(107, 209));
    QApplication::sendEvent(viewport(), &event);

    ASSERT_EQ(names(), std::vector<std::string>{"ShowPopupMenu"});
    EXPECT_EQ(m_manager.taken[0].screenPoint->x, 107);
    EXPECT_EQ(m_manager.taken[0].screenPoint->y, 209);
}

TEST_F(MorvaneViewMouseTest, EditActionsAreEnabledAsTheTaskManagerWouldTakeTheirEvents)
{
    view()->UpdateEditActions();
    EXPECT_FALSE(view()->GetCutAction()->isEnabled());
    EXPECT_TRUE(view()->GetCopyAction()->isEnabled());
    EXPECT_FALSE(view()->GetPasteAction()->isEnabled());

    view()->GetCopyAction()->trigger();
    EXPECT_EQ(names(), std::vector<std::string>{"CopySelectedObjects"});

    // Without an active mask there is no task manager to take them.
    m_fixture.document.SetActiveMaskDoc(nullptr);
    view()->UpdateEditActions();
    EXPECT_FALSE(view()->GetCopyAction()->isEnabled());
}

TEST_F(MorvaneViewMouseTest, TheCursorIsTheCursorTablesWhileAMaskIsActive)
{
    m_fixture.document.GetCursorTable()->SetDefaultCursor(3);
    EventData data;
    data.m_nFirst = 7;
    data.m_aIds[0] = kModelHandlerId | 100;
    view()->OnAfterChange(&data);
    EXPECT_TRUE(viewport()->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(viewport()->cursor().shape(), morvane::CursorFromId(3).shape());

    m_fixture.document.SetActiveMaskDoc(nullptr);
    view()->OnAfterChange(&data);
    EXPECT_FALSE(viewport()->testAttribute(Qt::WA_SetCursor));
}

TEST_F(MorvaneViewMouseTest, TheDocumentsChangeOneCapturesTheMouseUntilAToolReleasesIt)
{
    EventData data;
    data.m_nFirst = 1;
    data.m_aIds[0] = kModelHandlerId | 100;
    view()->OnAfterChange(&data);
    EXPECT_EQ(QWidget::mouseGrabber(), viewport());

    static_cast<IMouseCapture *>(view())->ReleaseCapture();
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST(MorvaneViewZoomTest, TheFocusSearchesMeasureTheirToleranceAtTheViewsZoom)
{
    auto fixture = std::make_unique<StyleView>();
    CFocusShapeSet shapes;
    fixture->view->SetZoom(2.0);
    EXPECT_DOUBLE_EQ(shapes.GetViewScale(), 0.5);
    fixture->view->SetZoom(4.0);
    EXPECT_DOUBLE_EQ(shapes.GetViewScale(), 0.25);
    fixture.reset();
    EXPECT_EQ(CFocusShapeSet::GetViewZoomSource(), nullptr);
    EXPECT_DOUBLE_EQ(shapes.GetViewScale(), 1.0);
}
