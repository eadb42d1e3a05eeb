// Morvane program documents.
// The main document's automation face: what a client program calls, and the state of its run.
#pragma once

#include "app/documents/IDocumentAutomation.h"
#include "app/documents/MvBatchProcess.h"
#include "app/documents/TrgMeasureTable.h"
#include "app/documents/TrgPattern.h"

#include <memory>
#include <string>

class CClientGradeModel;
class IDocumentServices;
class IGradingEvents;
class IMainWindow;

/// The automation face of the main document (which owns one): the client grade model and the
/// measurement tables as a client fills them, the reusable pattern and table objects, the mask
/// file, the batch and the client of the current run. Every index is checked: one that names
/// nothing throws morvane::AutomationError and changes nothing.
class DocumentAutomation : public IDocumentAutomation
{
public:
    /// The largest table AddMeasureTable makes: sizes and measurements.
    static constexpr int32_t kMaxTableSizes = 1000;
    static constexpr int32_t kMaxTableMeasurements = 10000;

    /// document, grading and clientModel are the main document's (not owned).
    DocumentAutomation(IDocumentServices &document, IGradingEvents &grading,
                       CClientGradeModel &clientModel);
    ~DocumentAutomation() override;

    /// The main window that shows a client's run and that Exit closes; null: none yet.
    void SetMainWindow(IMainWindow *window) { m_pMainWindow = window; }
    /// Whether a client started a run (it stays so for the program's life).
    bool IsRunByClient() const { return m_bRunByClient; }
    const std::string &GetMaskFile() const { return m_sMaskFile; }
    /// Tells the client held for the current run that its run ended and lets it go; nothing
    /// when none is held, so the client is told once.
    void ReleaseClient();
    /// An exception ended the client's run: the batch records BE_UNHANDLED_EXCEPTION with no
    /// operation, and the client is told.
    void OnRunException();

    /// Releases a client held from an earlier run first. Then the client grade model is readied,
    /// attached to the table set's grade data and made the document's grade model (kind 5), the
    /// client is kept, grading begins, and the main window is shown and runs its start routine
    /// (mode 0, no start path), which runs the batch.
    void Run(std::unique_ptr<IMorvaneClient> client) override;
    /// A table of sizes sizes (named "1", "2" ..., the first one the base size) and measurements
    /// measurements (named "M1", "M2" ..., 0 in every size), named as the table set proposes;
    /// returns its index. Counts below 0 or above kMaxTableSizes and kMaxTableMeasurements are
    /// refused.
    int32_t AddMeasureTable(int32_t sizes, int32_t measurements) override;
    int32_t GetMeasureTableCount() override;
    CTrgMeasureTable &GetIMeasureTableAt(int32_t index) override;
    int32_t AddPattern(const std::string &name) override;
    int32_t GetPatternCount() override;
    CTrgPattern &GetPatternAt(int32_t index) override;
    /// While the client grade model is the document's grade model, the document lets go of it
    /// first (no grade model), so no input pattern is left on a cleared pattern.
    void ClearPatterns() override;
    void ClearMeasureTables() override;
    void SetMaskFile(const std::string &path) override { m_sMaskFile = path; }
    /// Asks the main window, when there is one, to close.
    void Exit() override;
    CMvBatchProcess &GetBatchProcess() override { return m_oBatch; }
    void SetModelName(const std::string &name) override;
    CTrgPattern &GetPatternObject() override { return m_oPatternWrapper; }
    CTrgMeasureTable &GetMeasureTableObject() override { return m_oMeasureTableWrapper; }

private:
    IDocumentServices &m_rDocument;
    IGradingEvents &m_rGrading;
    CClientGradeModel &m_rClientModel;
    IMainWindow *m_pMainWindow = nullptr;
    bool m_bRunByClient = false;
    CTrgMeasureTable m_oMeasureTableWrapper;
    CTrgPattern m_oPatternWrapper;
    std::string m_sMaskFile;
    CMvBatchProcess m_oBatch;
    std::unique_ptr<IMorvaneClient> m_pClient;
};
