// Morvane main window, view and interaction, tests.
// The main window over a real main document: its bars, its placement in the profile, keys
// turned into task events, its commands and their state, its title, its start and its close.
#include "FrameTasks.h"
#include "TemporaryFolder.h"
#include "app/documents/GradeMaskDoc.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/MorvaneDoc.h"
#include "app/documents/MorvaneWorkspace.h"
#include "app/documents/MvBatchProcess.h"
#include "app/documents/MvContext.h"
#include "app/documents/BatchOperation.h"
#include "app/documents/testing/ClientTestModel.h"
#include "app/tables/MeasureTableDoc.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"
#include "ShirtExample.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "app/extras/ListenerList.h"
#include "app/grading/testing/RecordingMessages.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/MeasureLine.h"
#include "app/ui/frame/SizingControlBar.h"
#include "app/ui/main/CommandActions.h"
#include "app/ui/main/MainFrame.h"
#include "app/ui/main/MainStatusBar.h"
#include "app/ui/main/SecondDockBar.h"
#include "app/ui/main/VirtualKeys.h"
#include "app/ui/options/Options.h"
#include "app/ui/view/MorvaneView.h"
#include "lang/LanguageLibrary.h"
#include "model/InputPoint.h"
#include "model/MaskPoint.h"
#include "tasks/Task.h"
#include "tasks/UndoGroup.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QToolBar>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

using testframe::FrameTasks;

namespace {

class MainFrameTest : public ::testing::Test
{
protected:
    MainFrameTest()
    {
        setenv("XDG_CONFIG_HOME", m_profile.path().c_str(), 1);
        COptions::DeleteInstance();
        QCoreApplication::setOrganizationName("MorvaneFrameTest");
        QCoreApplication::setApplicationName("Morvane");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(m_profile.path().string()));
        EXPECT_TRUE(m_language.LoadLanguageLibrary(MORVANE_LANGUAGE_DIR, ""));
    }
    ~MainFrameTest() override
    {
        m_frame.reset();
        COptions::DeleteInstance();
    }

    CMainFrame &frame()
    {
        if (!m_frame)
            m_frame = std::make_unique<CMainFrame>(m_doc, m_prompt);
        return *m_frame;
    }

    /// A new active mask whose task manager takes the events.
    FrameTasks &activeMask(std::vector<std::string> events, std::string subTask = {})
    {
        FrameTasks *made = nullptr;
        CGradeMaskDocArray &masks = *m_doc.GetMaskDocs();
        masks.SetTaskManagerFactory([&made, events, subTask] {
            auto tasks = std::make_unique<FrameTasks>(events, subTask);
            made = tasks.get();
            return tasks;
        });
        std::unique_ptr<CGradeMaskDoc> mask = masks.CreateMaskDoc();
        mask->SetTitle(masks.MakeUniqueName("Mask"));
        CGradeMaskDoc *added = mask.get();
        masks.InsertAt(masks.GetCount(), std::move(mask));
        m_doc.SetActiveMaskDoc(added);
        return *made;
    }

    QAction *updated(uint32_t id)
    {
        QAction *action = frame().GetCommandActions().Action(id);
        frame().GetCommandActions().UpdateAll();
        return action;
    }

    TemporaryFolder m_profile{"frame"};
    CLanguageLibrary m_language;
    morvane::FakeOptions m_options;
    testgrading::RecordingMessages m_prompt;
    CMorvaneDoc m_doc{m_options, m_prompt};
    std::unique_ptr<CMainFrame> m_frame;
};

TEST_F(MainFrameTest, BuildsTheBarsTheTablesName)
{
    const char *toolBarTitles[] = {"Standard", "Masks",    "Grading",
                                   "Regions",  "Formulas", "Patterns",
                                   "Associations", "Measurement tables", "View"};
    for (int i = 0; i < CMainFrame::kToolBarCount; ++i) {
        QToolBar *toolBar = frame().GetToolBar(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(toolBar->windowTitle().toStdString(), toolBarTitles[i]);
        EXPECT_EQ(toolBar->objectName().toStdString(),
                  "ToolBar-" + std::to_string(CMainFrame::kToolBars[i].m_nResourceId));
        EXPECT_EQ(frame().toolBarArea(toolBar), Qt::TopToolBarArea);
        EXPECT_FALSE(toolBar->isHidden());
    }
    // Toolbar 5 has no show/hide command.
    EXPECT_EQ(CMainFrame::kToolBars[4].m_nShowCommand, 0u);

    CMainStatusBar *status = frame().GetStatusBar();
    ASSERT_EQ(status->GetPaneCount(), 4);
    for (int pane = 1; pane < 4; ++pane)
        EXPECT_EQ(status->GetPane(pane)->maximumWidth(), CMainStatusBar::kReadoutPaneWidth);

    struct BarRow
    {
        QDockWidget *bar;
        uint32_t id;
        Qt::DockWidgetArea area;
        bool visible;
    };
    const BarRow bars[] = {
        {frame().GetPiecesBar(), 109, Qt::LeftDockWidgetArea, true},
        {frame().GetTablesBar(), 110, Qt::BottomDockWidgetArea, true},
        {frame().GetPropertiesBar(), 111, Qt::RightDockWidgetArea, false},
        {frame().GetPointRulesBar(), 112, Qt::BottomDockWidgetArea, false},
        {frame().GetSecondBar(), 116, Qt::RightDockWidgetArea, false},
    };
    for (const BarRow &row : bars) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(static_cast<CSizingControlBar *>(row.bar)->GetId(), row.id);
        EXPECT_EQ(frame().dockWidgetArea(row.bar), row.area);
        EXPECT_EQ(!row.bar->isHidden(), row.visible);
    }
}

TEST_F(MainFrameTest, TakesItsPlacementFromTheProfileWhenWideAndHighEnough)
{
    struct Row
    {
        const char *name;
        std::optional<QRect> stored; // left, top, right, bottom
        std::optional<QRect> expected; // x, y, width, height; none: Qt's own placement
    };
    const Row rows[] = {
        {"empty profile", std::nullopt, QRect(40, 40, 700, 500)},
        {"width 100 ignored", QRect(QPoint(10, 20), QPoint(110, 320)), std::nullopt},
        {"height 100 ignored", QRect(QPoint(10, 20), QPoint(310, 120)), std::nullopt},
        {"width 101 kept", QRect(QPoint(10, 20), QPoint(111, 320)), QRect(10, 20, 101, 300)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        {
            QSettings profile;
            profile.clear();
            if (row.stored) {
                profile.beginGroup("APPFRAMERECT");
                profile.setValue("LEFT", row.stored->left());
                profile.setValue("TOP", row.stored->top());
                profile.setValue("RIGHT", row.stored->right());
                profile.setValue("BOTTOM", row.stored->bottom());
            }
        }
        m_frame.reset();
        if (row.expected)
            EXPECT_EQ(frame().geometry(), *row.expected);
        else
            EXPECT_EQ(frame().geometry(), QMainWindow().geometry());
    }
}

TEST_F(MainFrameTest, SavesItsPlacementAndTheLayoutOfItsBars)
{
    frame().setGeometry(50, 60, 400, 300);
    frame().GetPropertiesBar()->show();
    frame().GetToolBar(3)->hide();
    frame().SaveFrameState();
    {
        QSettings profile;
        EXPECT_EQ(profile.value("APPFRAMERECT/LEFT").toInt(), 50);
        EXPECT_EQ(profile.value("APPFRAMERECT/TOP").toInt(), 60);
        EXPECT_EQ(profile.value("APPFRAMERECT/RIGHT").toInt(), 450);
        EXPECT_EQ(profile.value("APPFRAMERECT/BOTTOM").toInt(), 360);
        EXPECT_TRUE(profile.contains("MAIN_WND_STATES"));
        EXPECT_TRUE(profile.contains("m_wndPiecesBar-SCBar-109/sizeHorzCX"));
    }
    m_frame.reset();
    EXPECT_EQ(frame().geometry(), QRect(50, 60, 400, 300));
    EXPECT_FALSE(frame().GetPropertiesBar()->isHidden());
    EXPECT_TRUE(frame().GetToolBar(3)->isHidden());
}

TEST_F(MainFrameTest, AMinimisedWindowSavesWhereItWillComeBack)
{
    frame().setGeometry(50, 60, 700, 500);
    frame().show();
    frame().showMinimized();
    frame().SaveFrameState();
    QSettings profile;
    EXPECT_EQ(profile.value("APPFRAMERECT/RIGHT").toInt() - profile.value("APPFRAMERECT/LEFT").toInt(),
              700);
    EXPECT_EQ(profile.value("APPFRAMERECT/BOTTOM").toInt() - profile.value("APPFRAMERECT/TOP").toInt(),
              500);
}

TEST_F(MainFrameTest, KeysBecomeTaskEventsWithTheirModifiersSetFirst)
{
    FrameTasks &tasks = activeMask({"OnKeyDown", "OnKeyUp", "OnCancel"});
    QWidget &window = frame();

    const auto send = [&window](QEvent::Type type, int key, bool autoRepeat = false) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(&window, &event);
    };
    send(QEvent::KeyPress, Qt::Key_Escape);
    send(QEvent::KeyPress, Qt::Key_Shift);
    send(QEvent::KeyPress, Qt::Key_Shift, true);
    send(QEvent::KeyPress, Qt::Key_Shift, true);
    send(QEvent::KeyRelease, Qt::Key_Shift);
    send(QEvent::KeyPress, Qt::Key_Control);
    send(QEvent::KeyRelease, Qt::Key_Control);
    send(QEvent::KeyPress, Qt::Key_A);
    send(QEvent::KeyRelease, Qt::Key_A);

    struct Expected
    {
        const char *name;
        int shift;
        int control;
        uint32_t key;
    };
    const Expected expected[] = {
        {"OnCancel", -1, -1, 0},
        {"OnKeyDown", 1, -1, morvane::VK_SHIFT},
        {"OnKeyDown", 1, -1, morvane::VK_SHIFT},
        {"OnKeyDown", 1, -1, morvane::VK_SHIFT},
        {"OnKeyUp", 0, -1, morvane::VK_SHIFT},
        {"OnKeyDown", 0, 1, morvane::VK_CONTROL},
        {"OnKeyUp", 0, 0, morvane::VK_CONTROL},
        {"OnKeyDown", 0, 0, 'A'},
        {"OnKeyUp", 0, 0, 'A'},
    };
    ASSERT_EQ(tasks.taken.size(), std::size(expected));
    for (size_t i = 0; i < tasks.taken.size(); ++i) {
        const testframe::TakenEvent &taken = tasks.taken[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(taken.name, expected[i].name);
        EXPECT_EQ(taken.shift, expected[i].shift);
        EXPECT_EQ(taken.control, expected[i].control);
        if (taken.name == "OnCancel") {
            EXPECT_EQ(taken.data, nullptr);
            continue;
        }
        ASSERT_TRUE(taken.key);
        EXPECT_EQ(taken.key->virtualKey, expected[i].key);
        EXPECT_EQ(taken.key->keyData & 0xFFFF, 1u);
        EXPECT_EQ((taken.key->keyData >> 31) != 0, taken.name == "OnKeyUp");
        EXPECT_EQ((taken.key->keyData >> 30 & 1) != 0, taken.name == "OnKeyUp" || i == 2 || i == 3);
    }
}

TEST_F(MainFrameTest, AKeyThatAChildLetsPassUpIsSentOnce)
{
    FrameTasks &tasks = activeMask({"OnKeyDown", "OnKeyUp"});
    auto *child = new QWidget(frame().centralWidget());
    child->setFocusPolicy(Qt::StrongFocus);
    frame().show();
    QApplication::setActiveWindow(&frame());
    child->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([child] { return QApplication::focusWidget() == child; }));

    QTest::keyClick(child, Qt::Key_B);

    EXPECT_EQ(tasks.names(), (std::vector<std::string>{"OnKeyDown", "OnKeyUp"}));
}

TEST_F(MainFrameTest, WithoutAnActiveMaskKeysGoNowhere)
{
    QTest::keyClick(&frame(), Qt::Key_Escape);
    QTest::keyClick(&frame(), Qt::Key_Shift);
    SUCCEED();
}

/// Records the listeners added and removed, in order.
class RecordingListenerList : public CListenerList
{
public:
    void Add(CEventMap *listener, CEventHandler &source) override
    {
        added.push_back(listener);
        CListenerList::Add(listener, source);
    }
    void Remove(CEventMap *listener) override
    {
        removed.push_back(listener);
        CListenerList::Remove(listener);
    }
    std::vector<CEventMap *> added;
    std::vector<CEventMap *> removed;
};

TEST_F(MainFrameTest, ListenersAreAddedInTheirOrderAndRemovedInReverse)
{
    RecordingListenerList list;
    frame().RegisterListeners(list, m_doc.GetEventHandler());
    frame().UnregisterListeners(list);

    const std::vector<CEventMap *> order = {&frame(), frame().GetView(), frame().GetStatusBar(),
                                            frame().GetSecondBar()};
    EXPECT_EQ(list.added, order);
    EXPECT_EQ(list.removed, std::vector<CEventMap *>(order.rbegin(), order.rend()));
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(MainFrameTest, TheViewIsTheCentralWidgetAndCarriesOutItsCommands)
{
    CMorvaneView *view = frame().GetView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(frame().centralWidget(), view);
    frame().ConnectDocument();

    // Without a mask the zooms to what is shown are disabled; the zoom steps work on the view.
    EXPECT_FALSE(updated(32818)->isEnabled());
    EXPECT_FALSE(updated(32801)->isEnabled());
    const double zoom = view->GetZoom();
    ASSERT_TRUE(updated(32799)->isEnabled());
    frame().GetCommandActions().Execute(32799);
    EXPECT_GT(view->GetZoom(), zoom);
    frame().GetCommandActions().Execute(32800);
    EXPECT_DOUBLE_EQ(view->GetZoom(), zoom);
    activeMask({});
    EXPECT_TRUE(updated(32818)->isEnabled());
    EXPECT_FALSE(updated(32801)->isEnabled()) << "no active object";

    struct Row
    {
        const char *name;
        uint32_t id;
        bool (CMorvaneView::*get)() const;
        bool inputShown;
        bool maskShown;
        bool enabled;
    };
    const Row rows[] = {
        {"input names, both shown", 32805, &CMorvaneView::GetInputFilterFlag, true, true, true},
        {"input names, input only", 32805, &CMorvaneView::GetInputFilterFlag, true, false, true},
        {"input names, mask only", 32805, &CMorvaneView::GetInputFilterFlag, false, true, false},
        {"mask names, both shown", 32985, &CMorvaneView::GetFocusFilterFlag, true, true, true},
        {"mask names, input only", 32985, &CMorvaneView::GetFocusFilterFlag, true, false, false},
        {"mask names, mask only", 32985, &CMorvaneView::GetFocusFilterFlag, false, true, true},
        {"markers, input only", 32835, &CMorvaneView::GetMarkerFilterFlag, true, false, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        m_doc.GetDisplayFlags()->SetShowInputPatterns(row.inputShown);
        m_doc.GetDisplayFlags()->SetShowGuidePatterns(row.maskShown);
        const bool before = (view->*row.get)();
        QAction *action = updated(row.id);
        EXPECT_EQ(action->isEnabled(), row.enabled);
        EXPECT_EQ(action->isChecked(), row.enabled && before);
        frame().GetCommandActions().Execute(row.id);
        EXPECT_EQ((view->*row.get)(), row.enabled ? !before : before);
        EXPECT_EQ(updated(row.id)->isChecked(), row.enabled && !before);
    }
}

TEST_F(MainFrameTest, ShowHideCommandsToggleTheirBarAndCheckItWhileShown)
{
    struct Row
    {
        uint32_t id;
        QWidget *bar;
    };
    const Row rows[] = {
        {32792, frame().GetToolBar(0)},      {32829, frame().GetToolBar(1)},
        {32791, frame().GetToolBar(2)},      {32888, frame().GetToolBar(3)},
        {32911, frame().GetToolBar(5)},      {33061, frame().GetToolBar(6)},
        {33059, frame().GetToolBar(7)},      {33060, frame().GetToolBar(8)},
        {32790, frame().GetStatusBar()},     {32789, frame().GetPiecesBar()},
        {32787, frame().GetTablesBar()},     {32786, frame().GetPropertiesBar()},
        {32830, frame().GetPointRulesBar()},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.id);
        const bool shown = !row.bar->isHidden();
        EXPECT_EQ(updated(row.id)->isChecked(), shown);
        frame().GetCommandActions().Action(row.id)->trigger();
        EXPECT_EQ(row.bar->isHidden(), shown);
        EXPECT_EQ(updated(row.id)->isChecked(), !shown);
        EXPECT_TRUE(updated(row.id)->isEnabled());
    }
}

TEST_F(MainFrameTest, TaskCommandsAreEnabledWhenTheActiveMaskTakesTheirEvent)
{
    EXPECT_FALSE(updated(32778)->isEnabled());
    EXPECT_FALSE(updated(32802)->isEnabled());
    EXPECT_FALSE(updated(32954)->isEnabled());
    EXPECT_FALSE(updated(32958)->isEnabled());
    // The document's own task manager takes the options and a new mask without any mask.
    EXPECT_TRUE(updated(32779)->isEnabled());
    EXPECT_EQ(updated(43121)->isEnabled(),
              m_doc.GetWorkspaceTaskManager()->CanDispatchEvent("InsertNewMask", nullptr));
    // An id that nobody handles.
    EXPECT_FALSE(updated(40001)->isEnabled());

    FrameTasks &tasks = activeMask({"RecalculateGrading", "ShowGrading"});
    EXPECT_TRUE(updated(32778)->isEnabled());
    tasks.refused.insert("RecalculateGrading");
    EXPECT_FALSE(updated(32778)->isEnabled());
    // A shortcut may reach a command between two update passes: it checks again.
    frame().GetCommandActions().Execute(32778);
    EXPECT_TRUE(tasks.taken.empty());
    tasks.refused.clear();
    frame().GetCommandActions().Execute(32778);
    EXPECT_EQ(tasks.names(), std::vector<std::string>{"RecalculateGrading"});
}

TEST_F(MainFrameTest, ShowGradingSendsTheNewStateAndIsCheckedWhileGradingShows)
{
    FrameTasks &tasks = activeMask({"ShowGrading"});
    m_doc.GetDisplayFlags()->SetShowGrading(false);
    EXPECT_FALSE(updated(32802)->isChecked());
    frame().GetCommandActions().Execute(32802);
    m_doc.GetDisplayFlags()->SetShowGrading(true);
    EXPECT_TRUE(updated(32802)->isChecked());
    frame().GetCommandActions().Execute(32802);

    ASSERT_EQ(tasks.taken.size(), 2u);
    EXPECT_EQ(reinterpret_cast<intptr_t>(tasks.taken[0].data), 1);
    EXPECT_EQ(reinterpret_cast<intptr_t>(tasks.taken[1].data), 0);
}

TEST_F(MainFrameTest, TheTitleNamesTheActiveMaskAndItsUnsavedChanges)
{
    frame().UpdateTitle();
    EXPECT_EQ(frame().windowTitle().toStdString(), "Morvane");

    FrameTasks &tasks = activeMask({});
    frame().UpdateTitle();
    EXPECT_EQ(frame().windowTitle().toStdString(), "Morvane-[Mask1]");

    tasks.GetMainTask()->GetOwnUndoGroup()->Reset(true);
    frame().UpdateTitle();
    EXPECT_EQ(frame().windowTitle().toStdString(), "Morvane-[Mask1 *]");
}

TEST_F(MainFrameTest, AClientRunLosesItsFileCommandsAndTheSeparatorsLeftDoubled)
{
    QMenu *file = frame().menuBar()->actions().first()->menu();
    ASSERT_NE(file, nullptr);
    frame().PruneClientMenus();

    std::vector<std::string> items;
    for (QAction *action : file->actions())
        items.push_back(action->isSeparator() ? "-" : action->data().toString().toStdString());
    EXPECT_EQ(items, (std::vector<std::string>{"-", "32798"}));

    QMenu menu;
    menu.addAction("a");
    for (int i = 0; i < 3; ++i)
        menu.addSeparator();
    menu.addAction("b");
    EXPECT_EQ(CMainFrame::FindDoubleSeparator(menu), 1);
    QMenu single;
    single.addAction("a");
    single.addSeparator();
    single.addAction("b");
    EXPECT_EQ(CMainFrame::FindDoubleSeparator(single), -1);
}

TEST_F(MainFrameTest, AStartByTheClientProgramWithoutItsLibraryIsReportedAndGoesOnWithoutModel)
{
    frame().InitSession(4, "");
    ASSERT_EQ(m_prompt.problems.size(), 1u);
    EXPECT_NE(m_prompt.problems[0].find("libwendrakewrapper.so"), std::string::npos);
    EXPECT_EQ(m_doc.GetLoadedGradeModel(), nullptr);
    QMenu *file = frame().menuBar()->actions().first()->menu();
    EXPECT_FALSE(file->actions().contains(frame().GetCommandActions().FindAction(32961)));
}

TEST_F(MainFrameTest, IdleHooksRunInOrderPastOneThatThrows)
{
    std::vector<int> ran;
    frame().AddIdleHook([&ran] { ran.push_back(1); });
    frame().AddIdleHook([] { throw std::runtime_error("hook"); });
    frame().AddIdleHook([&ran] { ran.push_back(3); });
    frame().AddRefreshEntry([&ran] { ran.push_back(4); });
    frame().AddRefreshEntry([] { throw std::runtime_error("entry"); });
    frame().AddRefreshEntry([&ran] { ran.push_back(6); });

    frame().OnIdleHooks();
    frame().Refresh();

    EXPECT_EQ(ran, (std::vector<int>{1, 3, 4, 6}));
}

TEST_F(MainFrameTest, TheIdlePassEnablesWhatTheActiveMaskTakes)
{
    QAction *recalculate = frame().GetCommandActions().Action(32778);
    frame().OnIdleHooks();
    EXPECT_FALSE(recalculate->isEnabled());
    activeMask({"RecalculateGrading"});
    frame().OnIdleHooks();
    EXPECT_TRUE(recalculate->isEnabled());
}

TEST_F(MainFrameTest, TheStatusBarShowsTheDocumentsTextsAndTheMeasuredDistance)
{
    activeMask({});
    frame().ConnectDocument();
    m_doc.SetStringAt(2, "Size 40");
    EXPECT_EQ(frame().GetStatusBar()->GetPaneText(2).toStdString(), "Size 40");

    CMeasureLine &line = *m_doc.GetMeasureLine();
    line.m_oStart = {10, 10};
    line.m_oEnd = {40, 50};
    line.SetActive(true);
    struct Row
    {
        int unit;
        double scale;
        const char *text;
    };
    const Row rows[] = {
        {0, 1, "Distance = 50.00 [mm]   (dx:30.00 [mm]  dy:40.00 [mm])"},
        {7, 25.4, "Distance = 50.00 [inch]   (dx:30.00 [inch]  dy:40.00 [inch])"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.unit);
        COptions::GetInstance()->m_pUserUnits->SetValue(row.unit);
        line.m_oEnd = {10 + 30 * row.scale, 10 + 40 * row.scale};
        m_doc.NotifyChanged4();
        EXPECT_EQ(frame().GetStatusBar()->GetPaneText(0).toStdString(), row.text);
    }
    line.SetActive(false);
    m_doc.NotifyChanged4();
    EXPECT_EQ(frame().GetStatusBar()->GetPaneText(0).toStdString(), "");
    m_frame->UnregisterListeners(m_doc.GetListenerList());
}

TEST_F(MainFrameTest, WhilePointAssociationsAreEditedTheStatusBarNamesThePointUnderEdit)
{
    activeMask({}, "EditPointAssTask");
    frame().ConnectDocument();
    CMainStatusBar &status = *frame().GetStatusBar();
    status.SetPaneText(0, "before");
    // An empty item list is left alone.
    m_doc.NotifyChanged4();
    EXPECT_EQ(status.GetPaneText(0).toStdString(), "before");

    auto *edited = new CMaskPoint();
    m_doc.AddItem(edited);
    m_doc.NotifyChanged4();
    EXPECT_EQ(status.GetPaneText(0).toStdString(), "Associate P? with P?");

    CInputPoint partner;
    edited->AddAssociation(&partner);
    m_doc.NotifyChanged4();
    EXPECT_EQ(status.GetPaneText(0).toStdString(), "P? is associated with P?");
    edited->RemoveAssociation(&partner);
    EXPECT_EQ(CMainStatusBar::DescribePoint(nullptr, nullptr), "P?");
}

TEST_F(MainFrameTest, UndoAndRedoToolTipsComeFromTheActiveMasksUndoPosition)
{
    EXPECT_EQ(frame().GetToolTipText(32937), std::string());
    FrameTasks &tasks = activeMask({});
    tasks.GetMainTask()->SetUndoToolTip("Undo move");
    tasks.GetMainTask()->SetRedoToolTip("Redo move");
    EXPECT_EQ(frame().GetToolTipText(32937), "Undo move");
    EXPECT_EQ(updated(32938)->toolTip().toStdString(), "Redo move");
    EXPECT_EQ(frame().GetToolTipText(32778), std::nullopt);

    // The measurement tables' undo and redo follow the table set's own history.
    CTask *tables = m_doc.GetMeasureTableDoc()->GetTaskManager().GetMainTask();
    ASSERT_NE(tables, nullptr);
    tables->SetUndoToolTip("Undo size");
    tables->SetRedoToolTip("Redo size");
    EXPECT_EQ(frame().GetToolTipText(40011), "Undo size");
    EXPECT_EQ(updated(40012)->toolTip().toStdString(), "Redo size");
    EXPECT_EQ(frame().GetToolTipText(32937), "Undo move");
}

TEST_F(MainFrameTest, ClosingStopsWhenAMaskKeepsItsChanges)
{
    FrameTasks &tasks = activeMask({"SaveModifiedMask"});
    frame().ConnectDocument();
    tasks.refused.insert("SaveModifiedMask");
    frame().show();
    EXPECT_FALSE(frame().close());
    EXPECT_TRUE(frame().isVisible());
    EXPECT_FALSE(QSettings().contains("MAIN_WND_STATES"));

    tasks.refused.clear();
    EXPECT_TRUE(frame().close());
    EXPECT_TRUE(QSettings().contains("MAIN_WND_STATES"));
    EXPECT_EQ(m_doc.GetListenerList().GetCount(), 0);
}

} // namespace

namespace {

/// A main window over a fresh document with options in memory.
struct FreshFrame
{
    FreshFrame() { document.SetMainWindow(frame.get()); }
    ~FreshFrame() { document.SetMainWindow(nullptr); }

    morvane::FakeOptions options;
    testgrading::RecordingMessages prompt;
    CMorvaneDoc document{options, prompt};
    std::unique_ptr<CMainFrame> frame = std::make_unique<CMainFrame>(document, prompt);
};

/// Whether the style's first piece is tied to the mask, as the example's context ties it.
bool firstPieceTied(CMorvaneDoc &document)
{
    IInputPatterns *patterns = document.GetInputPatterns();
    if (patterns->GetPatternCount() == 0)
        return false;
    CPtrCollection<CPattern> partners;
    patterns->GetPatternAt(0)->GetAssPatterns(partners);
    return partners.GetCount() > 0;
}

std::string fileText(const std::filesystem::path &file)
{
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST_F(MainFrameTest, TheStartOpensTheDefaultsTheOptionsOrTheStartFolderName)
{
    const std::filesystem::path config = m_profile.path() / "morvane";
    example::writeShirtExample(config);
    TemporaryFolder startFolder{"start-folder"};
    example::writeShirtExample(startFolder.path());
    // The start folder's own files, told apart from the configuration folder's.
    const std::string startWorkspace = fileText(startFolder.path() / "default.mvw");

    struct Row
    {
        const char *name;
        const char *loadWorkspace;
        const char *loadContext;
        std::string startPath;
        std::filesystem::path maskFolder; // empty: no mask opens
        bool tied;
    };
    const std::string notAFolder = (startFolder.path() / "shirt.dxf").string();
    const Row rows[] = {
        {"nothing asked", "0", "0", "", {}, false},
        {"a context needs its workspace", "0", "1", "", {}, false},
        {"the last workspace", "1", "0", "", config, false},
        {"the last workspace and context", "1", "1", "", config, true},
        {"a start folder whatever the options", "0", "0", startFolder.path().string(),
         startFolder.path(), true},
        {"a start path that is no folder", "1", "1", notAFolder, config, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        FreshFrame started;
        started.options.set("LOAD_LAST_WORKSPACE", row.loadWorkspace);
        started.options.set("LOAD_LAST_CONTEXT", row.loadContext);
        started.frame->ConnectDocument();
        started.frame->InitSession(0, row.startPath);

        CGradeMaskDocArray &masks = *started.document.GetMaskDocs();
        ASSERT_EQ(masks.GetCount(), row.maskFolder.empty() ? 0 : 1);
        if (!row.maskFolder.empty()) {
            EXPECT_EQ(masks.GetAt(0)->GetGradeMask()->GetFileName(), row.maskFolder / "shirt.msk");
            EXPECT_EQ(started.document.GetActiveMaskDoc(), masks.GetAt(0));
            EXPECT_EQ(started.document.GetInputPatterns()->GetPatternCount(), 2);
            EXPECT_NE(started.document.GetMeasureTableDoc()->GetActiveTable(), nullptr);
        }
        EXPECT_EQ(firstPieceTied(started.document), row.tied);
        EXPECT_TRUE(started.prompt.problems.empty());
    }

    // Closing writes the defaults to the configuration folder only, naming the files opened.
    FreshFrame started;
    started.frame->ConnectDocument();
    started.frame->InitSession(0, startFolder.path().string());
    std::filesystem::remove(config / "default.mvw");
    EXPECT_TRUE(started.frame->close());
    EXPECT_EQ(fileText(startFolder.path() / "default.mvw"), startWorkspace);
    CMorvaneWorkspace saved;
    ASSERT_TRUE(saved.Load(config / "default.mvw")) << saved.GetLastError();
    EXPECT_EQ(saved.GetMaskPaths(),
              std::vector<std::filesystem::path>{startFolder.path() / "shirt.msk"});
    EXPECT_EQ(saved.GetInputPatternPath(), startFolder.path() / "shirt.dxf");
    CMvContext context;
    ASSERT_TRUE(context.Load(config / "default.mvc")) << context.GetLastError();
    EXPECT_EQ(context.GetMaskCount(), 1);
}

TEST_F(MainFrameTest, AClientsRunGetsItsStartOperationAndItsCloseHidesTheWindowOnce)
{
    FreshFrame started;
    // A new mask is made in edit mode only.
    started.document.SetEditMode(true);
    int returns = 0;
    started.document.GetAutomation().Run(std::make_unique<morvane::CountingClient>(returns));

    const CMvBatchProcess &batch = started.document.GetAutomation().GetBatchProcess();
    ASSERT_EQ(batch.GetOperationCount(), 1);
    EXPECT_EQ(batch.GetOperationAt(0)->GetCode(), 7);
    EXPECT_EQ(started.document.GetMaskDocs()->GetCount(), 1);
    EXPECT_TRUE(started.frame->isVisible());
    QMenu *file = started.frame->menuBar()->actions().first()->menu();
    EXPECT_FALSE(file->actions().contains(started.frame->GetCommandActions().FindAction(32961)));

    // The first close hides the window and lets the client go; the window stays.
    EXPECT_FALSE(started.frame->close());
    EXPECT_FALSE(started.frame->isVisible());
    EXPECT_EQ(returns, 1);
    EXPECT_EQ(started.document.GetListenerList().GetCount(), 0);
    // The second goes straight to the window's own close.
    EXPECT_TRUE(started.frame->close());
    EXPECT_EQ(returns, 1);
}
