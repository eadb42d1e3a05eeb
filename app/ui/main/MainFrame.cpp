// Morvane main window, view and interaction.
// The program's one top-level window: toolbars, status bar, docking bars, its place kept in the
// profile, keys turned into task events, the window's own commands, its start and its close.
#include "app/ui/main/MainFrame.h"

#include "app/documents/EventRecords.h"
#include "app/documents/GradeMaskDoc.h"
#include "app/documents/GradeModelKind.h"
#include "app/documents/GradeModelLoader.h"
#include "app/documents/IOptions.h"
#include "app/documents/MorvaneDoc.h"
#include "app/documents/MorvaneWorkspace.h"
#include "app/documents/MvBatchProcess.h"
#include "app/documents/MvContext.h"
#include "app/grading/GradingMessages.h"
#include "app/ui/frame/SizingControlBar.h"
#include "app/ui/main/CommandActions.h"
#include "app/ui/main/MainStatusBar.h"
#include "app/ui/main/SecondDockBar.h"
#include "app/ui/main/VirtualKeys.h"
#include "app/ui/view/MorvaneView.h"
#include "app/ui/view/MorvaneViewCommands.h"
#include "app/tables/MeasureTableDoc.h"
#include "lang/LanguageLibrary.h"
#include "lang/ResourceText.h"
#include "model/GradeMask.h"
#include "platform/brismond/IBrismond.h"
#include "sources/grade-model/IGradeModel.h"
#include "model/MorvaneException.h"
#include "tasks/Task.h"
#include "tasks/TaskManager.h"
#include "tasks/UndoGroup.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QToolBar>

#include <iostream>

namespace {

constexpr uint32_t kAppTitleId = 61279;
constexpr uint32_t kMaskUndo = 32937;
constexpr uint32_t kMaskRedo = 32938;
constexpr uint32_t kTableSetUndo = 40011;
constexpr uint32_t kTableSetRedo = 40012;
constexpr const char *kFrameRectSection = "APPFRAMERECT";
constexpr const char *kBarStateKey = "MAIN_WND_STATES";
constexpr int kDefaultSize = 150;
/// The profile names of the sizing bars that keep their sizes: pieces, tables, properties,
/// point rules.
constexpr std::array<const char *, 4> kBarProfiles = {"m_wndPiecesBar", "m_wndTablesBar",
                                                      "m_wndPropertiesBar", "m_wndPointRulesBar"};

QString text(uint32_t id)
{
    return QString::fromStdString(morvane::loadString(id));
}

/// Makes the folder of file; false, with the reason, when it cannot.
bool makeFolderOf(const std::filesystem::path &file, std::string &error)
{
    std::error_code code;
    std::filesystem::create_directories(file.parent_path(), code);
    if (!code)
        return true;
    error = "The folder '" + file.parent_path().string() + "' cannot be made: " + code.message();
    return false;
}

/// The task whose undo history the active task's undo and redo act on.
CTask *undoPosition(CTaskManager *tasks)
{
    CTask *main = tasks ? tasks->GetMainTask() : nullptr;
    for (CTask *task = main ? main->GetActiveTask() : nullptr; task; task = task->GetOwnerTask()) {
        if (task->GetOwnUndoGroup())
            return task;
    }
    return nullptr;
}

} // namespace

const std::array<CMainFrame::ToolBarRow, CMainFrame::kToolBarCount> CMainFrame::kToolBars = {{
    {128, 61449, 32792},
    {4026, 61450, 32829},
    // The grading toolbar's title: 61211 is an idle-tool prompt.
    {4002, 61462, 32791},
    {4020, 61451, 32888},
    {4024, 61452, 0},
    {136, 61453, 32911},
    {155, 61454, 33061},
    {180, 61455, 33059},
    {176, 61456, 33060},
}};

CMainFrame::CMainFrame(CMorvaneDoc &document, IGradingMessages &prompt, QWidget *parent)
    : QMainWindow(parent), m_rDocument(document), m_rPrompt(prompt),
      m_sAppTitle(text(kAppTitleId)), m_pActions(new CCommandActions(this))
{
    setObjectName("MainFrame");
    setWindowTitle(m_sAppTitle);
    m_pView = new CMorvaneView(document, this);
    m_pView->setObjectName("MorvaneView");
    setCentralWidget(m_pView);
    m_pViewCommands = std::make_unique<CMorvaneViewCommands>(*m_pView);
    m_pActions->FillMenuBar(menuBar(), kMainMenuId);
    CreateToolBars();
    CreateStatusBar();
    CreateDockingBars();
    RegisterCommands();
    // The view is asked first, then the window.
    m_pActions->AddTarget(m_pViewCommands.get());
    m_pActions->AddTarget(&m_oCommands);
    m_pActions->SetToolTipProvider([this](uint32_t id) { return GetToolTipText(id); });
    LoadFrameState();
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    // A window that ends without closing (the program ends on a critical error) still lets go
    // of the document, which outlives it.
    if (m_bConnected) {
        UnregisterListeners(m_rDocument.GetListenerList());
        m_rDocument.ConnectToFrame(nullptr);
    }
}

void CMainFrame::CreateToolBars()
{
    // Created in the order 1, 3, 2, 4 ... 9; docked at the top in member order.
    constexpr std::array<int, kToolBarCount> creationOrder = {0, 2, 1, 3, 4, 5, 6, 7, 8};
    for (int index : creationOrder) {
        const ToolBarRow &row = kToolBars[static_cast<size_t>(index)];
        auto *toolBar = new QToolBar(text(row.m_nTitleId), this);
        toolBar->setObjectName(QString("ToolBar-%1").arg(row.m_nResourceId));
        m_pActions->FillToolBar(toolBar, row.m_nResourceId);
        m_aToolBars[static_cast<size_t>(index)] = toolBar;
    }
    for (QToolBar *toolBar : m_aToolBars)
        addToolBar(Qt::TopToolBarArea, toolBar);
}

void CMainFrame::CreateStatusBar()
{
    m_pStatusBar = new CMainStatusBar(this);
    m_pStatusBar->setObjectName("StatusBar");
    m_pStatusBar->SetServices(&m_rDocument);
    setStatusBar(m_pStatusBar);
}

void CMainFrame::CreateDockingBars()
{
    m_pPiecesBar = AddDockingBar(61457, 109, Qt::LeftDockWidgetArea, true);
    m_pTablesBar = AddDockingBar(61458, 110, Qt::BottomDockWidgetArea, true);
    m_pPropertiesBar = AddDockingBar(61459, 111, Qt::RightDockWidgetArea, false);
    m_pPointRulesBar = AddDockingBar(61460, 112, Qt::BottomDockWidgetArea, false);
    m_pSecondBar = new CSecondDockBar(text(61461), this, kDefaultSize, kDefaultSize, true, 116);
    addDockWidget(Qt::RightDockWidgetArea, m_pSecondBar);
    m_pSecondBar->hide();
}

CSizingControlBar *CMainFrame::AddDockingBar(uint32_t titleId, uint32_t id,
                                             Qt::DockWidgetArea area, bool visible)
{
    auto *bar = new CSizingControlBar(text(titleId), this, kDefaultSize, kDefaultSize, true, id);
    bar->setWidget(new QWidget(bar));
    addDockWidget(area, bar);
    bar->setVisible(visible);
    return bar;
}

CTaskManager *CMainFrame::GetMaskTaskManager() const
{
    CGradeMaskDoc *mask = m_rDocument.GetActiveMaskDoc();
    return mask ? mask->GetTaskManager() : nullptr;
}

QSettings &CMainFrame::Profile()
{
    if (!m_pProfile)
        m_pProfile = std::make_unique<QSettings>();
    return *m_pProfile;
}

void CMainFrame::SaveFrameState()
{
    const QRect rect = isMinimized() || isMaximized() || isFullScreen() ? normalGeometry()
                                                                          : geometry();
    QSettings &profile = Profile();
    if (rect.width() > 0 && rect.height() > 0) {
        profile.beginGroup(kFrameRectSection);
        profile.setValue("LEFT", rect.left());
        profile.setValue("TOP", rect.top());
        profile.setValue("RIGHT", rect.left() + rect.width());
        profile.setValue("BOTTOM", rect.top() + rect.height());
        profile.endGroup();
    }
    profile.setValue(kBarStateKey, saveState());
    const std::array<CSizingControlBar *, 4> bars = {m_pPiecesBar, m_pTablesBar, m_pPropertiesBar,
                                                     m_pPointRulesBar};
    for (size_t i = 0; i < bars.size(); ++i)
        bars[i]->SaveState(kBarProfiles[i], profile);
    profile.sync();
}

void CMainFrame::LoadFrameState()
{
    QSettings &profile = Profile();
    try {
        profile.beginGroup(kFrameRectSection);
        const int left = profile.value("LEFT", 40).toInt();
        const int top = profile.value("TOP", 40).toInt();
        const int right = profile.value("RIGHT", 740).toInt();
        const int bottom = profile.value("BOTTOM", 540).toInt();
        profile.endGroup();
        if (right - left > 100 && bottom - top > 100)
            setGeometry(left, top, right - left, bottom - top);
    } catch (...) {
    }
    try {
        restoreState(profile.value(kBarStateKey).toByteArray());
    } catch (...) {
    }
    try {
        const std::array<CSizingControlBar *, 4> bars = {m_pPiecesBar, m_pTablesBar,
                                                         m_pPropertiesBar, m_pPointRulesBar};
        for (size_t i = 0; i < bars.size(); ++i)
            bars[i]->LoadState(kBarProfiles[i], profile);
    } catch (...) {
    }
}

void CMainFrame::ConnectDocument()
{
    m_rDocument.ConnectToFrame(this);
    RegisterListeners(m_rDocument.GetListenerList(), m_rDocument.GetEventHandler());
    m_bConnected = true;
    m_pView->OnInitialUpdate();
}

std::vector<CEventMap *> CMainFrame::GetListeners()
{
    // The panes of the pieces, tables, properties and point-rules bars join this list, in
    // their fixed places after the view, as they are built.
    return {this, m_pView, m_pStatusBar, m_pSecondBar};
}

void CMainFrame::RegisterListeners(CListenerList &list, CEventHandler &source)
{
    for (CEventMap *listener : GetListeners())
        list.Add(listener, source);
}

void CMainFrame::UnregisterListeners(CListenerList &list)
{
    const std::vector<CEventMap *> listeners = GetListeners();
    for (auto listener = listeners.rbegin(); listener != listeners.rend(); ++listener)
        list.Remove(*listener);
}

void CMainFrame::InitSession(int kind, const std::string &startPath)
{
    if (m_rDocument.IsRunByClient()) {
        RunClientBatch();
        return;
    }
    const StartFiles files = FindStartFiles(kind, startPath);
    if (!files.workspace.empty())
        OpenWorkspace(files.workspace, kind == GMK_NONE);
    if (kind == GMK_CLIENT_PROGRAM)
        StartClientProgramModel(startPath);
    if (!files.context.empty())
        OpenContext(files.context);
}

CMainFrame::StartFiles CMainFrame::FindStartFiles(int kind, const std::string &startPath) const
{
    namespace fs = std::filesystem;
    if (kind == GMK_NONE && !startPath.empty()) {
        std::error_code error;
        const fs::path folder = fs::absolute(startPath, error);
        if (!error && fs::is_directory(folder, error))
            return {folder / "default.mvw", folder / "default.mvc"};
        std::cerr << "morvane: the start path '" << startPath
                  << "' is not a folder; the start goes on as the options say\n";
    }
    const IOptions &options = m_rDocument.GetOptions();
    StartFiles files;
    if (options.GetBoolOption("LOAD_LAST_WORKSPACE")) {
        files.workspace = CMorvaneWorkspace::GetDefaultWorkspacePath();
        if (options.GetBoolOption("LOAD_LAST_CONTEXT"))
            files.context = CMorvaneWorkspace::GetDefaultContextPath();
    }
    return files;
}

void CMainFrame::OpenWorkspace(const std::filesystem::path &file, bool loadInputPatterns)
{
    CMorvaneWorkspace *workspace = m_rDocument.GetWorkspace();
    if (!workspace || !workspace->Load(file))
        return;
    workspace->Apply(loadInputPatterns);
    IBrismond *tables = m_rDocument.GetTableSet();
    if (tables && tables->GetTableCount() > 0)
        m_rDocument.GetMeasureTableDoc()->SetActiveTable(tables->GetTableAt(0));
}

void CMainFrame::OpenContext(const std::filesystem::path &file)
{
    CMvContext context;
    if (context.Load(file))
        context.Apply(m_rDocument);
}

void CMainFrame::RunClientBatch()
{
    PruneClientMenus();
    CMvBatchProcess &batch = m_rDocument.GetAutomation().GetBatchProcess();
    batch.AddStartOperation(m_rDocument.GetMaskFile());
    repaint();
    batch.Run();
}

void CMainFrame::StartClientProgramModel(const std::string &file)
{
    PruneClientMenus();
    IGradeModel *model = nullptr;
    if (!GetGradeModel(GMK_CLIENT_PROGRAM, &model)) {
        m_rPrompt.ReportProblem(GetGradeModelLoadError());
        return;
    }
    const GM_ERROR code = model->Initialize(file);
    if (code != GM_NO_ERROR) {
        m_rPrompt.ReportProblem("The client program's model does not start on '" + file +
                                "' (error " + std::to_string(static_cast<int>(code)) + ")");
        CheckGradeModelError(GMK_CLIENT_PROGRAM, model);
        return;
    }
    model->OnAttach(&m_rDocument.GetTableSet()->GetGradeData());
    if (CMorvaneWorkspace *workspace = m_rDocument.GetWorkspace())
        workspace->SetInputPatternFile(file);
    m_rDocument.SetGradeModel(model, GMK_CLIENT_PROGRAM);
}

void CMainFrame::PruneClientMenus()
{
    const QList<QAction *> menus = menuBar()->actions();
    QMenu *first = menus.isEmpty() ? nullptr : menus.first()->menu();
    if (!first)
        return;
    for (uint32_t id : {32961u, 32998u, 32997u}) {
        if (QAction *action = m_pActions->FindAction(id))
            first->removeAction(action);
    }
    for (int at = FindDoubleSeparator(*first); at >= 0; at = FindDoubleSeparator(*first)) {
        QAction *separator = first->actions().at(at);
        first->removeAction(separator);
        delete separator;
    }
    menuBar()->update();
}

int CMainFrame::FindDoubleSeparator(const QMenu &menu)
{
    const QList<QAction *> actions = menu.actions();
    for (int i = 0; i + 1 < actions.size(); ++i) {
        if (actions[i]->isSeparator() && actions[i + 1]->isSeparator())
            return i;
    }
    return -1;
}

void CMainFrame::UpdateTitle()
{
    CGradeMaskDoc *mask = m_rDocument.GetActiveMaskDoc();
    CTaskManager *tasks = mask ? mask->GetTaskManager() : nullptr;
    CTask *main = tasks ? tasks->GetMainTask() : nullptr;
    QString title = m_sAppTitle;
    if (main) {
        std::string name = mask->GetGradeMask()->GetFileName().string();
        if (name.empty())
            name = mask->GetDisplayName();
        const CUndoGroup *history = main->GetOwnUndoGroup();
        const bool modified = history && history->IsModified();
        title = QString("%1-[%2%3]")
                    .arg(m_sAppTitle, QString::fromStdString(name), modified ? " *" : "");
    }
    if (windowTitle() != title)
        setWindowTitle(title);
}

bool CMainFrame::OnNotify(EventRecord *)
{
    UpdateTitle();
    return true;
}

void CMainFrame::OnIdleHooks()
{
    for (const IdleHook &hook : m_aIdleHooks) {
        try {
            hook();
        } catch (...) {
        }
    }
    m_pActions->UpdateAll();
}

void CMainFrame::Refresh()
{
    for (const RefreshEntry &entry : m_aRefreshList) {
        try {
            entry();
        } catch (...) {
        }
    }
}

std::optional<std::string> CMainFrame::GetToolTipText(uint32_t id) const
{
    const bool mask = id == kMaskUndo || id == kMaskRedo;
    if (!mask && id != kTableSetUndo && id != kTableSetRedo)
        return std::nullopt;
    CTask *position = undoPosition(mask ? GetMaskTaskManager()
                                        : &m_rDocument.GetMeasureTableDoc()->GetTaskManager());
    if (!position)
        return std::string();
    return id == kMaskUndo || id == kTableSetUndo ? position->GetUndoToolTip()
                                                  : position->GetRedoToolTip();
}

bool CMainFrame::IsDeliveredKey(QObject *watched) const
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return false;
    // A key goes to the focus widget first and then up to its parents: take it once, where
    // it starts.
    QWidget *focus = QApplication::focusWidget();
    return focus ? widget == focus : widget == this;
}

bool CMainFrame::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        IsDeliveredKey(watched))
        PreTranslateKey(static_cast<const QKeyEvent &>(*event));
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::PreTranslateKey(const QKeyEvent &event)
{
    CTaskManager *tasks = GetMaskTaskManager();
    if (!tasks)
        return;
    const bool press = event.type() == QEvent::KeyPress;
    const uint32_t key = morvane::VirtualKeyFromQt(event.key());
    if (press && key == morvane::VK_ESCAPE) {
        tasks->DispatchEvent("OnCancel", nullptr);
        return;
    }
    CTask *main = tasks->GetMainTask();
    if (main && key == morvane::VK_SHIFT)
        main->GetVariableStore().SetInteger("shift", press ? 1 : 0);
    if (main && key == morvane::VK_CONTROL)
        main->GetVariableStore().SetInteger("control", press ? 1 : 0);
    KeyEventRecord record{key, morvane::KeyDataOf(event.nativeScanCode(), event.isAutoRepeat(),
                                                  !press)};
    tasks->DispatchEvent(press ? "OnKeyDown" : "OnKeyUp", &record);
}

void CMainFrame::ReportException(const std::exception *exception)
{
    m_rDocument.OnUnhandledException(dynamic_cast<const CMorvaneException *>(exception));
}

void CMainFrame::BeginWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CMainFrame::EndWaitCursor()
{
    QApplication::restoreOverrideCursor();
}

void CMainFrame::ShowForClient()
{
    // A new client's run closes through the whole close sequence again.
    m_bClosing = false;
    show();
    if (!m_bConnected)
        ConnectDocument();
}

void CMainFrame::PostClose()
{
    if (m_bClosePosted)
        return;
    m_bClosePosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_bClosePosted = false;
            close();
        },
        Qt::QueuedConnection);
}

bool CMainFrame::ShowPopupMenu(uint32_t menuId, int32_t x, int32_t y)
{
    const CLanguageLibrary *language = CLanguageLibrary::GetCurrent();
    const std::vector<MenuItem> menus = language ? language->GetMenu(menuId) : std::vector<MenuItem>();
    if (menus.empty())
        return false;
    QMenu popup(this);
    m_pActions->FillMenu(&popup, menus.front().m_aItems);
    popup.exec(QPoint(x, y));
    return true;
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (RunCloseSequence())
        event->accept();
    else
        event->ignore();
}

bool CMainFrame::RunCloseSequence()
{
    m_rDocument.SetModifiedFlag(false);
    if (m_bClosing)
        return true;
    SaveDefaultWorkspace();
    if (!m_rDocument.SaveModifiedItems())
        return false;
    SaveDefaultContext();
    m_rDocument.GetAutomation().GetBatchProcess().RunCloseOperations();
    SaveFrameState();
    UnregisterListeners(m_rDocument.GetListenerList());
    m_bConnected = false;
    if (!m_rDocument.IsRunByClient())
        return true;
    // The program ends when the client lets it go.
    hide();
    m_rDocument.ReleaseClient();
    m_bClosing = true;
    return false;
}

void CMainFrame::SaveDefaultWorkspace()
{
    CMorvaneWorkspace *workspace = m_rDocument.GetWorkspace();
    const std::filesystem::path file = CMorvaneWorkspace::GetDefaultWorkspacePath();
    std::string error;
    if (!workspace)
        return;
    if (!makeFolderOf(file, error))
        m_rPrompt.ReportProblem(error);
    else if (!workspace->Save(file))
        m_rPrompt.ReportProblem(workspace->GetLastError());
}

void CMainFrame::SaveDefaultContext()
{
    const std::filesystem::path file = CMorvaneWorkspace::GetDefaultContextPath();
    CMvContext context;
    context.Gather(m_rDocument);
    std::string error;
    if (!makeFolderOf(file, error))
        m_rPrompt.ReportProblem(error);
    else if (!context.Save(file))
        m_rPrompt.ReportProblem(context.GetLastError());
}
