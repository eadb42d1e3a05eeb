// Morvane program documents.
// The main document: the input patterns and their grade model, the open grade masks, the
// measurement tables and the grading, reached through the document's services.
#pragma once

#include "app/documents/BatchOperations.h"
#include "app/documents/DocCommands.h"
#include "app/documents/Document.h"
#include "app/documents/DocumentAutomation.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/IDocumentAccess.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/IGradingEvents.h"
#include "app/documents/MorvaneDocFiles.h"
#include "app/documents/MorvaneWorkspace.h"
#include "app/documents/QuietUserInterface.h"
#include "app/extras/ListenerList.h"
#include "app/grading/GradingManager.h"
#include "app/interaction/CursorTable.h"
#include "app/interaction/DisplayFlags.h"
#include "app/tables/MeasureTableDoc.h"
#include "app/taskdefs/WorkspaceTaskManager.h"
#include "foundation/DRect.h"
#include "foundation/EventHandler.h"
#include "sources/client-model/ClientGradeModel.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CMorvaneException;
class IBatchDocumentFiles;
class IGradingMessages;
class IMainWindow;

/// The one document of the program. It owns the input patterns and the grade model they come
/// from, the client grade model an automation client fills, the open grade masks (one of them
/// active), the measurement-table document, the grading manager, the display switches and the
/// cursor table. Commands, tasks and panels
/// reach it through IDocumentServices, task managers through IDocumentAccess, the documents it
/// owns through IGradingEvents. It opens no window: questions and reports go to the prompt, the
/// wait cursor to the main window once one is connected.
///
/// Its event handler (kHandlerId, the document as owner) is the root of the model's events: the
/// input patterns', the masks' (through their collection) and the measurement tables' handlers
/// are its children, and the grading manager listens at it. Every event that reaches it goes on
/// to the listener list (windows and panels add themselves there); a change event is first read
/// by the document itself (see the services' notes and OnIdle). When the active mask document
/// leaves the collection, no mask is active any more.
///
/// Its own notifications (property ids of the before- and after-change events it sends): 0, 1, 2
/// and 4 plain change signals; 5 a status text changed; 6 around a change of the extent or the
/// extent flag; 7 alone; 8 around a change of the failure flag; 108 around a change of the
/// active mask (with the old and the new mask document), followed by event 128 (108, the new
/// mask document).
class CMorvaneDoc : public CDocument,
                    public IDocumentServices,
                    public IDocumentAccess,
                    public IGradingEvents
{
public:
    static constexpr uint32_t kHandlerId = morvane::kModelHandlerId | 100;
    static constexpr int32_t kOptionsChanged = 3;
    static constexpr int32_t kStringChanged = 5;
    static constexpr int32_t kExtentChanged = 6;
    static constexpr int32_t kChanged7 = 7;
    static constexpr int32_t kFailedChanged = 8;
    static constexpr int32_t kActiveMaskChanged = 108;

    /// options and prompt (neither owned) serve the document's whole life; the edit mode starts
    /// as the option "START_EDIT_MODE" says. The program hands its options object the document's
    /// event handler, which announces changed options as after-change 3.
    CMorvaneDoc(IOptions &options, IGradingMessages &prompt,
                CRecentFileList *recentFiles = nullptr);
    /// Releases the loaded grade model and deletes the open masks, then the input patterns.
    ~CMorvaneDoc() override;

    /// The main window connects itself (null: none): the measurement tables' first table becomes
    /// the active table when there is one.
    void ConnectToFrame(IMainWindow *window);
    /// The program's main window (not owned; null: none), known before it connects itself: a
    /// client's run shows it, and the client's Exit closes it.
    void SetMainWindow(IMainWindow *window) { m_oAutomation.SetMainWindow(window); }
    /// The report of an exception that left the program's event loop (null: no exception
    /// object): drawing is suspended (SetFailed), the prompt shows the exception's text ("Critical
    /// error!\nApplication will close!" without one), and the loaded grade model is released as
    /// its kind says (a model that fails to end is only forgotten). Returns 0; never throws a
    /// CMorvaneException.
    int OnUnhandledException(const CMorvaneException *exception);
    /// Asked before the program closes: dispatches "SaveModifiedMask" with each open mask's grade
    /// mask to its task manager, in order, whether in edit mode or not; false, leaving the
    /// masks after it unasked, when one answers false (closing is cancelled).
    bool SaveModifiedItems();
    /// The idle pass: when a regrade is pending and the current task manager takes
    /// "RecalculateGrading" now, the pending mark is cleared and the event sent.
    void OnIdle();
    /// Whether a change asked for the grading to be recalculated at the next idle pass (only
    /// while the option "AUTO_RECALC" is on).
    bool IsRecalcPending() const { return m_bRecalcPending; }
    /// Forgets the loaded grade model and releases it as its kind says (the client grade model,
    /// kind 5, stays).
    void ReleaseLoadedGradeModel();
    /// Makes model, a client grade model built in code, the document's grade model (kind 5). The
    /// document owns it until the next SetGradeModel installs another.
    void SetOwnedGradeModel(std::unique_ptr<CClientGradeModel> model);

    /// The menu commands on the focused point, contexts, workspaces and the test model.
    CDocCommands &GetDocCommands() { return m_oDocCommands; }
    CEventHandler &GetEventHandler() { return m_oHandler; }
    CListenerList &GetListenerList() { return m_oListeners; }
    /// The grade model an automation client fills (kind 5).
    CClientGradeModel &GetClientModel() { return m_oClientModel; }
    /// What an automation client calls: the client's model and tables, the batch and its run.
    DocumentAutomation &GetAutomation() { return m_oAutomation; }
    /// Whether an automation client started a run.
    bool IsRunByClient() const { return m_oAutomation.IsRunByClient(); }
    /// The grade-mask file the client named for its run; empty when none.
    std::string GetMaskFile() const { return m_oAutomation.GetMaskFile(); }
    /// Tells the client of the current run, once, that its run ended.
    void ReleaseClient() { m_oAutomation.ReleaseClient(); }
    /// Replaces the files (not owned) that the batch's table-set, context and workspace
    /// operations go through, the document's own ones until then; null makes them fail.
    void SetBatchFiles(IBatchDocumentFiles *files) { m_oBatchOperations.SetFiles(files); }
    CGradingManager &GetGradingManager() { return m_oGrading; }

    // IDocumentServices
    void GetExtent(CDRect &out) override;
    void SetExtent(double x1, double y1, double x2, double y2) override;
    bool GetExtentFlag() override { return m_bExtentFlag; }
    void SetExtentFlag(bool flag) override;
    void SetStringAt(int index, const std::string &text) override;
    std::string GetStringAt(int index) override;
    void NotifyChanged0() override;
    void NotifyChanged1() override;
    void NotifyChanged2() override;
    void NotifyChanged4() override;
    void AddFocusType(int type) override;
    void ClearFocusTypes() override;
    bool IsFocusType(int type) override;
    void ClearItemList() override;
    void AddItem(CObject *item) override;
    int GetItemCount() override;
    CObject *GetItemAt(int index) override;
    void RemoveItemAt(int index) override;
    CTaskManager *GetTaskManager() override;
    CGradePathEditor *GetGradePathEditor() override;
    CMeasureLine *GetMeasureLine() override;
    CDisplayFlags *GetDisplayFlags() override { return &m_oDisplayFlags; }
    CInteractionModes *GetInteractionModes() override;
    CFocusManager *GetFocusManager() override;
    IMaskDocumentAccess *GetActiveMaskDocument() override;
    IPatternAssociationMap *GetPatternAssociationMap() override;
    IPointAssociationMap *GetPointAssociationMap() override;
    IGradeMask *GetActiveGradeMask() override;
    IGradeModel *GetLoadedGradeModel() override { return m_pGradeModel; }
    IInputPatterns *GetInputPatterns() override { return m_pInputPatterns.get(); }
    CGradeSizeSelection *GetSizeSelection() override;
    IBrismond *GetTableSet() override;
    CMorvaneWorkspace *GetWorkspace() override;
    void SetGradeModel(IGradeModel *model, int kind) override;
    int GetGradeModelKind() override { return m_nGradeModelKind; }
    void SetFailed(bool failed) override;
    bool IsFailed() override { return m_bFailed; }
    void BeginBulkChange() override { ++m_nBulkChange; }
    void EndBulkChange() override;
    bool IsBulkChange() override { return m_nBulkChange > 0; }
    void CollectPointsInArea(const CObject *area, CPtrCollection<CBasePoint> &out) override;
    CMeasureTableDoc *GetMeasureTableDoc() override { return &m_oMeasureTableDoc; }
    IGradingInterface *GetGradingInterface() override { return &m_oGrading; }
    IDocumentAccess *GetDocumentAccess() override { return this; }
    CCursorTable *GetCursorTable() override { return &m_oCursors; }
    void NotifyChanged7() override;
    CRotationPivot *GetRotationPivot() override;
    bool IsEditMode() override { return m_bEditMode; }
    void SetEditMode(bool editMode) override { m_bEditMode = editMode; }
    void GetNameSources(std::vector<const IFormulaNameSource *> &out) override;
    IOptions &GetOptions() override { return m_rOptions; }
    CPattern *GetActivePattern() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    IGradePlaceList *GetHighlightedItem() override;
    int GetColourIndex(const IBaseFormula *formula) override;
    /// The runtime formulas that grade the active pattern's points (as the grading manager's
    /// GetRuntimeFormulasOf gives them).
    void CollectPointEntries(CPtrCollection<IBaseFormula> &out) override;
    int GetFocusPolylineCount() override;
    CFocusObject *GetFocusPolylineAt(int index) override;
    /// The windows the commands open: those installed with SetUserInterface, quiet ones until
    /// then.
    IUserInterface &GetUserInterface() override { return *m_pUserInterface; }
    /// Installs the program's windows (not owned); null goes back to the quiet ones.
    void SetUserInterface(IUserInterface *userInterface);

    // IDocumentAccess
    CGradeMaskDocArray *GetMaskDocs() override { return &m_oMaskDocs; }
    IDocumentServices *GetServices() override { return this; }
    CTaskManager *GetWorkspaceTaskManager() override;
    void SetActiveMaskDoc(CGradeMaskDoc *doc) override;
    CGradeMaskDoc *GetActiveMaskDoc() override { return m_pActiveMaskDoc; }

    // IGradingEvents
    bool CanDeactivate() override;
    /// Nothing without a grade model. Otherwise begins grading in the model (its name and
    /// BeginGrading); when the model refuses, the prompt shows "Error begin grading in model
    /// '<name>'" and critical error 8 is thrown. Then every pattern is to be graded again (with
    /// the bulk-change counter raised) and the model's EndGrading is checked.
    void OnBeginGrading() override;
    std::string GetStringAt(int index) const override;

private:
    /// The handler at the root of the model's events, which hands them to the document.
    class DocumentHandler : public CEventHandler
    {
    public:
        explicit DocumentHandler(CMorvaneDoc &document) : m_document(document) {}
        void OnRootEvent(EventRecord *record) override;

    private:
        CMorvaneDoc &m_document;
    };

    /// The measurements of the table set, as names formula text may use.
    class MeasurementNames : public IFormulaNameSource
    {
    public:
        explicit MeasurementNames(CMeasureTableDoc &tables) : m_tables(tables) {}
        void AppendNames(std::vector<std::string> &names) const override;

    private:
        CMeasureTableDoc &m_tables;
    };

    void OnEvent(EventRecord &record);
    void OnModelChanged(const EventData &data);
    void OnDetached(const EventData &data);
    bool IsPlacedInputPatternLocation(const void *owner) const;
    void SendChange(uint32_t kind, int32_t property, uintptr_t argument = 0);
    void AddInputPatterns(IGradeModel &model, int kind);
    /// The active mask document; null without one.
    CGradeMaskDoc *ActiveMask() const { return m_pActiveMaskDoc; }

    DocumentHandler m_oHandler{*this};
    CListenerList m_oListeners;
    IOptions &m_rOptions;
    IGradingMessages &m_rPrompt;
    IMainWindow *m_pMainWindow = nullptr;
    CQuietUserInterface m_oQuietUserInterface;
    IUserInterface *m_pUserInterface = &m_oQuietUserInterface;

    std::array<std::string, 4> m_aStrings;
    int m_nBulkChange = 0;
    bool m_bRecalcPending = false;
    CDisplayFlags m_oDisplayFlags;
    std::unique_ptr<IInputPatterns> m_pInputPatterns;
    CMeasureTableDoc m_oMeasureTableDoc;
    CGradeMaskDocArray m_oMaskDocs;
    IGradeModel *m_pGradeModel = nullptr;
    bool m_bFailed = false;
    CGradeMaskDoc *m_pActiveMaskDoc = nullptr;
    CGradingManager m_oGrading;
    CCursorTable m_oCursors;
    CDRect m_rcExtent;
    bool m_bExtentFlag = false;
    CClientGradeModel m_oClientModel;
    DocumentAutomation m_oAutomation{*this, *this, m_oClientModel};
    BatchOperations m_oBatchOperations{*this, m_oAutomation};
    CMorvaneDocFiles m_oBatchFiles{*this};
    bool m_bEditMode = false;
    int m_nGradeModelKind = 0;
    MeasurementNames m_oMeasurementNames{m_oMeasureTableDoc};
    std::unique_ptr<CClientGradeModel> m_pOwnedModel;
    CDocCommands m_oDocCommands;
    CMorvaneWorkspace m_oWorkspace;
    /// Last: its tasks and commands go before anything they reach.
    CWorkspaceTaskManager m_oWorkspaceTasks;
};
