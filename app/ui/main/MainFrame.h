// Morvane main window, view and interaction.
// The program's one top-level window: toolbars, status bar, docking bars, its place kept in the
// profile, keys turned into task events, the window's own commands, its start and its close.
#pragma once

#include "app/documents/CommandTable.h"
#include "app/documents/IMainWindow.h"
#include "app/extras/EventMap.h"
#include "app/taskdefs/IMenuPresenter.h"

#include <QMainWindow>

#include <array>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CCommandActions;
class CEventHandler;
class CListenerList;
class CMainStatusBar;
class CMorvaneDoc;
class CMorvaneView;
class CMorvaneViewCommands;
class CSecondDockBar;
class CSizingControlBar;
class CTaskManager;
class IGradingMessages;

QT_BEGIN_NAMESPACE
class QKeyEvent;
class QMenu;
class QSettings;
class QToolBar;
QT_END_NAMESPACE

/// The refresh of everything the main window shows from the document, as the document asks it.
class IFrameRefresh
{
public:
    virtual ~IFrameRefresh() = default;
    virtual void Refresh() = 0;
};

/// The main window over the main document. It builds nine toolbars, the status bar and five
/// docking bars (pieces, measurement tables, properties, point rules and the second bar; their
/// panes come with them), keeps its placement and layout in the profile ("APPFRAMERECT",
/// "MAIN_WND_STATES" and each bar's name), sends key presses to the active mask's task manager
/// as "OnKeyDown", "OnKeyUp" and "OnCancel", carries out its own commands (bars shown and
/// hidden, grading recalculated and shown, the base formula edited, the selection deleted, the
/// options, a new mask), shows the active mask in its title, and runs the idle hooks.
class CMainFrame : public QMainWindow,
                   public CEventMap,
                   public IMainWindow,
                   public IFrameRefresh,
                   public IMenuPresenter
{
    Q_OBJECT

public:
    static constexpr uint32_t kMainMenuId = 128;
    static constexpr int kToolBarCount = 9;
    /// The toolbars in member order: resource id, floating title id, show/hide command (0:
    /// none).
    struct ToolBarRow
    {
        uint32_t m_nResourceId;
        uint32_t m_nTitleId;
        uint32_t m_nShowCommand;
    };
    static const std::array<ToolBarRow, kToolBarCount> kToolBars;

    using IdleHook = std::function<void()>;
    using RefreshEntry = std::function<void()>;

    /// The window over the document (not owned); prompt (not owned) shows its reports. Builds
    /// every bar, then LoadFrameState.
    CMainFrame(CMorvaneDoc &document, IGradingMessages &prompt, QWidget *parent = nullptr);
    ~CMainFrame() override;

    CMorvaneDoc &GetMainDocument() const { return m_rDocument; }
    /// The task manager of the active grade mask; null without one.
    CTaskManager *GetMaskTaskManager() const;
    /// The main graphic view, the window's central widget.
    CMorvaneView *GetView() const { return m_pView; }
    CCommandActions &GetCommandActions() const { return *m_pActions; }
    /// The window's own commands, the last target asked.
    CCommandTable &GetCommandTable() { return m_oCommands; }
    CMainStatusBar *GetStatusBar() const { return m_pStatusBar; }
    QToolBar *GetToolBar(int index) const { return m_aToolBars.at(static_cast<size_t>(index)); }
    CSizingControlBar *GetPiecesBar() const { return m_pPiecesBar; }
    CSizingControlBar *GetTablesBar() const { return m_pTablesBar; }
    CSizingControlBar *GetPropertiesBar() const { return m_pPropertiesBar; }
    CSizingControlBar *GetPointRulesBar() const { return m_pPointRulesBar; }
    CSecondDockBar *GetSecondBar() const { return m_pSecondBar; }
    QString GetAppTitle() const { return m_sAppTitle; }

    /// Writes the placement (the normal placement of a minimised or maximised window) and the
    /// layout of the bars to the profile.
    void SaveFrameState();
    /// Puts the window where the profile says (40, 40, 740, 540 by default; a stored rectangle
    /// 100 pixels or less wide or high is ignored), then restores the bars' layout and sizes,
    /// each step on its own: a failing one leaves the next to run.
    void LoadFrameState();

    /// The document connects the window: ConnectToFrame, the listeners (the view resets
    /// itself), the view's initial update.
    void ConnectDocument();
    /// Adds the window's listeners to the list with source, in their fixed order.
    void RegisterListeners(CListenerList &list, CEventHandler &source);
    /// Removes them in the opposite order.
    void UnregisterListeners(CListenerList &list);
    /// The listeners in registration order; panes not built yet are missing.
    std::vector<CEventMap *> GetListeners();

    /// The start routine: kind is the grade-model kind of the launch mode (4 for the client
    /// program), startPath what the command line names. A client's run gets its start
    /// operation and runs its batch. Otherwise the last workspace opens (with the option
    /// "LOAD_LAST_WORKSPACE"), then the client program's model for kind 4, then the last
    /// context (with "LOAD_LAST_CONTEXT" too). A folder as start path, with kind 0, opens its own
    /// "default.mvw" and "default.mvc" in their place, whatever the options say; a start path
    /// that is no folder is reported and left aside. What cannot be read is passed over.
    void InitSession(int kind, const std::string &startPath) override;
    /// Removes the commands a client-started run may not use from the first drop-down menu,
    /// and the separators that were left doubled.
    void PruneClientMenus();
    /// The first position where a separator follows a separator; -1 when none.
    static int FindDoubleSeparator(const QMenu &menu);
    /// The title: the application title, or "<app>-[<mask><' *' when modified>]".
    void UpdateTitle();

    /// On each idle pass: the idle hooks in order (the document's first); an exception of one
    /// is dropped and the next still runs. Then the update pass of every command.
    void OnIdleHooks();
    void AddIdleHook(IdleHook hook) { m_aIdleHooks.push_back(std::move(hook)); }
    void AddRefreshEntry(RefreshEntry entry) { m_aRefreshList.push_back(std::move(entry)); }
    /// Every refresh entry in order; an exception of one is dropped and the next still runs.
    void Refresh() override;

    /// The tool tip of the undo (32937) and redo (32938) commands from the active mask's
    /// undo position, and of those of the measurement tables (40011, 40012) from the table
    /// set's; none for another id.
    std::optional<std::string> GetToolTipText(uint32_t id) const;

    /// The key events of the window and its children, before they are delivered: Escape
    /// sends "OnCancel"; any other key "OnKeyDown" or "OnKeyUp" with its key record, after
    /// "shift" or "control" of the main task is set for those keys. The event goes on as
    /// usual whatever the task manager did.
    void PreTranslateKey(const QKeyEvent &event);

    /// The report of an exception that left the event loop (null: none), through the document.
    void ReportException(const std::exception *exception);

    // IMainWindow
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    /// Shows the window and connects it to the document.
    void ShowForClient() override;
    /// Closes the window once the current call has returned; asked again before, once.
    void PostClose() override;

    // IMenuPresenter
    bool ShowPopupMenu(uint32_t menuId, int32_t x, int32_t y) override;

    // CEventMap
    bool Rebuild() override { return true; }
    /// Every notification may change the active mask or its modified state: the title follows.
    bool OnNotify(EventRecord *record) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateToolBars();
    void CreateStatusBar();
    void CreateDockingBars();
    CSizingControlBar *AddDockingBar(uint32_t titleId, uint32_t id, Qt::DockWidgetArea area,
                                     bool visible);
    void RegisterCommands();
    void RegisterBarCommands();
    void RegisterTaskCommands();
    void AddShowHideCommand(uint32_t id, QWidget *bar);
    void AddMaskEventCommand(uint32_t id, const char *event);
    bool IsDeliveredKey(QObject *watched) const;
    /// The workspace and context files the start opens; empty: none.
    struct StartFiles
    {
        std::filesystem::path workspace;
        std::filesystem::path context;
    };
    StartFiles FindStartFiles(int kind, const std::string &startPath) const;
    /// Opens the workspace file and makes the first measurement table active.
    void OpenWorkspace(const std::filesystem::path &file, bool loadInputPatterns);
    void OpenContext(const std::filesystem::path &file);
    /// The start of a client's run: its menus pruned, its batch run.
    void RunClientBatch();
    /// Writes the workspace, asks to save what changed, writes the context (the defaults of
    /// the configuration folder), runs the batch's close operations and lets go of the
    /// document. A client's run is then hidden and its client released, and the window stays.
    /// False when closing stops.
    bool RunCloseSequence();
    /// Writes the defaults of the configuration folder, reporting what fails.
    void SaveDefaultWorkspace();
    void SaveDefaultContext();
    /// The grade model of the client program, initialised with file; reported and left out
    /// when it cannot be had or does not start.
    void StartClientProgramModel(const std::string &file);
    QSettings &Profile();

    CMorvaneDoc &m_rDocument;
    IGradingMessages &m_rPrompt;
    CMorvaneView *m_pView = nullptr;
    CSizingControlBar *m_pPiecesBar = nullptr;
    CMainStatusBar *m_pStatusBar = nullptr;
    std::array<QToolBar *, kToolBarCount> m_aToolBars{};
    CSizingControlBar *m_pTablesBar = nullptr;
    CSizingControlBar *m_pPropertiesBar = nullptr;
    CSizingControlBar *m_pPointRulesBar = nullptr;
    CSecondDockBar *m_pSecondBar = nullptr;
    QString m_sAppTitle;
    bool m_bClosing = false;
    bool m_bConnected = false;
    bool m_bClosePosted = false;
    std::vector<RefreshEntry> m_aRefreshList;
    std::vector<IdleHook> m_aIdleHooks;
    CCommandTable m_oCommands;
    CCommandActions *m_pActions = nullptr;
    std::unique_ptr<CMorvaneViewCommands> m_pViewCommands;
    std::unique_ptr<QSettings> m_pProfile;
};
