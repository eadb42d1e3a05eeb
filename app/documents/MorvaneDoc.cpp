// Morvane program documents.
// The main document: the input patterns and their grade model, the open grade masks, the
// measurement tables and the grading, reached through the document's services.
#include "app/documents/MorvaneDoc.h"

#include "app/documents/GradeModelKind.h"
#include "app/documents/GradeModelLoader.h"
#include "app/documents/IMainWindow.h"
#include "app/documents/IOptions.h"
#include "app/grading/GradingMessages.h"
#include "app/grading/GradingUpdateGuard.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/MorvaneException.h"
#include "model/MorvaneFactory.h"
#include "model/PatternLocation.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/IMeasurement.h"
#include "sources/grade-model/IGradeModel.h"
#include "tasks/TaskManager.h"

#include <utility>

namespace {

/// Where a change event started (the low 16 bits of its first handler's id) and what changed
/// (the low 16 bits of its property), as one key.
uint32_t changeKey(const EventData &data)
{
    return (data.m_aIds[0] & 0xFFFF) << 16 | (data.m_nFirst & 0xFFFF);
}

/// Keys of the changes that make the grading worth recalculating: a grade region's properties
/// 0 to 4, all properties of a formula, and an input pattern's location (0x100000, 0x100001).
bool isRegionOrFormulaChange(uint32_t key)
{
    return (key >= 0x20000 && key <= 0x20004) || key == 0x3FFFF;
}

bool isLocationChange(uint32_t key)
{
    return key == 0x100000 || key == 0x100001;
}

/// The document's own after-change 3: the options changed.
constexpr uint32_t kOptionsChangedKey = 0x640003;

} // namespace

CMorvaneDoc::CMorvaneDoc(IOptions &options, IGradingMessages &prompt,
                         CRecentFileList *recentFiles)
    : CDocument(recentFiles)
    , m_rOptions(options)
    , m_rPrompt(prompt)
    , m_oGrading(*this, prompt)
{
    m_oHandler.SetHandlerId(kHandlerId, this);
    m_bEditMode = options.GetBoolOption("START_EDIT_MODE");
    m_oDisplayFlags.SetListener(this);
    m_oCursors.SetOwner(this);
    m_oMaskDocs.SetOwner(this);
    m_oMeasureTableDoc.Initialize(this);

    CEventHandler *patternsHandler = nullptr;
    m_pInputPatterns = CMorvaneFactory::MakeInputPatterns(patternsHandler);
    patternsHandler->SetParent(reinterpret_cast<uintptr_t>(m_pInputPatterns.get()), &m_oHandler);
    m_oMaskDocs.GetEventHandler().SetParent(reinterpret_cast<uintptr_t>(&m_oMaskDocs),
                                            &m_oHandler);
    m_oMeasureTableDoc.GetEventHandler().SetParent(
        reinterpret_cast<uintptr_t>(&m_oMeasureTableDoc), &m_oHandler);
    patternsHandler->AddListener(&m_oMeasureTableDoc.GetSizeSelection());
    m_oHandler.AddListener(&m_oGrading);
    m_oGrading.Rebuild();
    m_oWorkspace.SetOwner(this);
    m_oDocCommands.Connect(this, nullptr);
    m_oWorkspaceTasks.Create(static_cast<IDocumentAccess *>(this));
    m_oWorkspaceTasks.Run();
    m_oAutomation.GetBatchProcess().SetRunner(&m_oBatchOperations);
    m_oBatchOperations.SetFiles(&m_oBatchFiles);
}

CMorvaneDoc::~CMorvaneDoc()
{
    try {
        ReleaseLoadedGradeModel();
    } catch (const CMorvaneException &) {
        // The program is ending: a model that fails to end has no one left to tell.
    }
    m_oHandler.RemoveListener(&m_oGrading);
    m_pActiveMaskDoc = nullptr;
    m_pInputPatterns->SetGradeMask(nullptr);
    m_oMaskDocs.RemoveAll();
    m_pInputPatterns->GetEventHandler()->RemoveListener(&m_oMeasureTableDoc.GetSizeSelection());
    m_pInputPatterns->GetEventHandler()->SetParent(0, nullptr);
    m_pInputPatterns.reset();
    m_oMaskDocs.GetEventHandler().SetParent(0, nullptr);
    m_oMeasureTableDoc.GetEventHandler().SetParent(0, nullptr);
}

void CMorvaneDoc::ConnectToFrame(IMainWindow *window)
{
    m_pMainWindow = window;
    m_oDocCommands.Connect(this, window);
    m_oAutomation.SetMainWindow(window);
    IBrismond *tables = m_oMeasureTableDoc.GetTableSet();
    if (tables != nullptr && tables->GetTableCount() > 0)
        m_oMeasureTableDoc.SetActiveTable(tables->GetTableAt(0));
}

int CMorvaneDoc::OnUnhandledException(const CMorvaneException *exception)
{
    if (m_oAutomation.IsRunByClient()) {
        m_oAutomation.OnRunException();
        m_rPrompt.ReportProblem("Unhandled exception!\nClose after client program finished!");
        return 0;
    }
    SetFailed(true);
    m_rPrompt.ReportProblem(exception != nullptr ? exception->GetFormatError()
                                                 : "Critical error!\nApplication will close!");
    try {
        ReleaseLoadedGradeModel();
    } catch (const CMorvaneException &) {
        // Already closing on a critical error: a model that fails to end must not end the
        // report with a second one.
    }
    return 0;
}

bool CMorvaneDoc::SaveModifiedItems()
{
    for (int i = 0; i < m_oMaskDocs.GetCount(); ++i) {
        CGradeMaskDoc *doc = m_oMaskDocs.GetAt(i);
        if (!doc->GetTaskManager()->DispatchEvent("SaveModifiedMask", doc->GetGradeMask()))
            return false;
    }
    return true;
}

void CMorvaneDoc::OnIdle()
{
    CTaskManager *manager = GetTaskManager();
    if (!m_bRecalcPending || manager == nullptr ||
        !manager->CanDispatchEvent("RecalculateGrading", nullptr))
        return;
    m_bRecalcPending = false;
    manager->DispatchEvent("RecalculateGrading", nullptr);
}

void CMorvaneDoc::ReleaseLoadedGradeModel()
{
    IGradeModel *model = std::exchange(m_pGradeModel, nullptr);
    ReleaseGradeModel(m_nGradeModelKind, model);
}

void CMorvaneDoc::SetGradeModel(IGradeModel *model, int kind)
{
    m_oMaskDocs.ResetAssociationsAndFormulas();
    m_pInputPatterns->RemoveAll();
    m_oMaskDocs.ClearPatternLocations();
    if (model == m_pGradeModel)
        m_pGradeModel = nullptr;
    else
        ReleaseLoadedGradeModel();
    if (m_pOwnedModel != nullptr && model != m_pOwnedModel.get())
        m_pOwnedModel.reset();
    m_pGradeModel = model;
    m_nGradeModelKind = kind;
    if (model != nullptr)
        AddInputPatterns(*model, kind);
    // Also without a model: the grading states must not outlive the patterns they grade.
    m_pInputPatterns->Update();
}

void CMorvaneDoc::AddInputPatterns(IGradeModel &model, int kind)
{
    int count = 0;
    CMorvaneException::HandleCriticalError(model.GetPatternCount(count));
    for (int i = 0; i < count; ++i) {
        IGradePattern *source = model.GetPatternAt(i);
        const int added = m_pInputPatterns->AddPattern(source);
        if (added < 0 || kind != GMK_CLIENT_MODEL)
            continue;
        const auto *clientPattern = static_cast<CGeomPattern *>(source);
        m_pInputPatterns->GetPatternAt(added)->SetOutlineColor(clientPattern->GetOutlineColor());
    }
}

void CMorvaneDoc::SetActiveMaskDoc(CGradeMaskDoc *doc)
{
    if (doc == m_pActiveMaskDoc)
        return;
    SendChange(morvane::kEventBeforeChange, kActiveMaskChanged,
               reinterpret_cast<uintptr_t>(m_pActiveMaskDoc));
    m_pActiveMaskDoc = doc;
    IGradeMask *mask = doc != nullptr ? doc->GetGradeMask() : nullptr;
    m_pInputPatterns->SetGradeMask(dynamic_cast<morvane::InputPatternMask *>(mask));
    const auto argument = reinterpret_cast<uintptr_t>(doc);
    SendChange(morvane::kEventAfterChange, kActiveMaskChanged, argument);
    m_oHandler.SendEvent128(kActiveMaskChanged, argument);
}

bool CMorvaneDoc::CanDeactivate()
{
    return m_pActiveMaskDoc == nullptr ||
           m_pActiveMaskDoc->GetTaskManager()->CanDispatchEvent("OnDeactivate", nullptr);
}

void CMorvaneDoc::OnBeginGrading()
{
    if (m_pGradeModel == nullptr)
        return;
    std::string name;
    try {
        CMorvaneException::HandleCriticalError(m_pGradeModel->GetName(name));
        CMorvaneException::HandleCriticalError(m_pGradeModel->BeginGrading());
    } catch (const std::exception &) {
        m_rPrompt.ReportProblem("Error begin grading in model '" + name + "'");
        throw CMorvaneException(GM_UNEXPECTED_INTERNAL_ERROR);
    }
    {
        const GradingUpdateGuard raised(*this);
        m_oGrading.Invalidate();
    }
    CMorvaneException::HandleCriticalError(m_pGradeModel->EndGrading());
}

void CMorvaneDoc::SetFailed(bool failed)
{
    if (failed == m_bFailed)
        return;
    SendChange(morvane::kEventBeforeChange, kFailedChanged);
    m_bFailed = failed;
    SendChange(morvane::kEventAfterChange, kFailedChanged);
}

void CMorvaneDoc::EndBulkChange()
{
    if (m_nBulkChange > 0)
        --m_nBulkChange;
}

void CMorvaneDoc::GetExtent(CDRect &out)
{
    out = m_rcExtent.IsValid() ? m_rcExtent : CDRect();
}

void CMorvaneDoc::SetExtent(double x1, double y1, double x2, double y2)
{
    SendChange(morvane::kEventBeforeChange, kExtentChanged);
    m_rcExtent.SetEmpty();
    m_rcExtent.Include(x1, y1);
    m_rcExtent.Include(x2, y2);
    SendChange(morvane::kEventAfterChange, kExtentChanged);
}

void CMorvaneDoc::SetExtentFlag(bool flag)
{
    if (flag == m_bExtentFlag)
        return;
    SendChange(morvane::kEventBeforeChange, kExtentChanged);
    m_bExtentFlag = flag;
    SendChange(morvane::kEventAfterChange, kExtentChanged);
}

void CMorvaneDoc::SetStringAt(int index, const std::string &text)
{
    if (index < 0 || index >= int(m_aStrings.size()) || m_aStrings[size_t(index)] == text)
        return;
    m_aStrings[size_t(index)] = text;
    SendChange(morvane::kEventAfterChange, kStringChanged);
}

std::string CMorvaneDoc::GetStringAt(int index) const
{
    return index >= 0 && index < int(m_aStrings.size()) ? m_aStrings[size_t(index)]
                                                         : std::string();
}

std::string CMorvaneDoc::GetStringAt(int index)
{
    return std::as_const(*this).GetStringAt(index);
}

void CMorvaneDoc::NotifyChanged0()
{
    SendChange(morvane::kEventAfterChange, 0);
}

void CMorvaneDoc::NotifyChanged1()
{
    SendChange(morvane::kEventAfterChange, 1);
}

void CMorvaneDoc::NotifyChanged2()
{
    SendChange(morvane::kEventAfterChange, 2);
}

void CMorvaneDoc::NotifyChanged4()
{
    SendChange(morvane::kEventAfterChange, 4);
}

void CMorvaneDoc::NotifyChanged7()
{
    SendChange(morvane::kEventAfterChange, kChanged7);
}

void CMorvaneDoc::SendChange(uint32_t kind, int32_t property, uintptr_t argument)
{
    EventData data;
    data.m_nFirst = static_cast<uint32_t>(property);
    data.m_nSecond = argument;
    EventRecord record{kind, &data};
    m_oHandler.SendEvent(&record);
}

void CMorvaneDoc::DocumentHandler::OnRootEvent(EventRecord *record)
{
    m_document.OnEvent(*record);
}

void CMorvaneDoc::OnEvent(EventRecord &record)
{
    if (record.m_nKind == morvane::kEventAfterChange)
        OnModelChanged(*record.m_pData);
    if (record.m_nKind == morvane::kEventDetached)
        OnDetached(*record.m_pData);
    m_oListeners.Notify(record);
}

void CMorvaneDoc::OnDetached(const EventData &data)
{
    // A mask document leaving the collection stops being the active one before it is deleted.
    const bool maskDocument = data.m_aIds[0] == CGradeMaskDocArray::kHandlerId &&
                              data.m_nFirst == CGradeMaskDoc::kHandlerId;
    if (maskDocument && data.m_nSecond == reinterpret_cast<uintptr_t>(m_pActiveMaskDoc))
        SetActiveMaskDoc(nullptr);
}

void CMorvaneDoc::OnModelChanged(const EventData &data)
{
    const uint32_t key = changeKey(data);
    if (key == kOptionsChangedKey) {
        m_oMaskDocs.RefreshMainTasks();
        return;
    }
    if (!m_rOptions.GetBoolOption("AUTO_RECALC"))
        return;
    const bool fromLocation =
        data.m_aIds[0] == (morvane::kModelHandlerId | CPatternLocation::kSourceKind);
    if (isRegionOrFormulaChange(key) ||
        (isLocationChange(key) && fromLocation &&
         IsPlacedInputPatternLocation(data.m_aOwners[0])))
        m_bRecalcPending = true;
}

bool CMorvaneDoc::IsPlacedInputPatternLocation(const void *owner) const
{
    // A location's handler names the location itself as its owner.
    const auto *location = static_cast<const CPatternLocation *>(owner);
    CPattern *pattern = location != nullptr ? location->GetPattern() : nullptr;
    IInputPattern *input = pattern != nullptr ? pattern->GetInputPattern() : nullptr;
    return input != nullptr && input->IsFlagged();
}

void CMorvaneDoc::GetNameSources(std::vector<const IFormulaNameSource *> &out)
{
    out.assign({&m_oMeasurementNames});
}

void CMorvaneDoc::MeasurementNames::AppendNames(std::vector<std::string> &names) const
{
    IBrismond *tables = m_tables.GetTableSet();
    for (int t = 0; tables != nullptr && t < tables->GetTableCount(); ++t) {
        const IMeasureTable *table = tables->GetTableAt(t);
        for (int m = 0; m < table->GetMeasurementCount(); ++m)
            names.push_back(table->GetMeasurementAt(m)->GetName());
    }
}

void CMorvaneDoc::BeginWaitCursor()
{
    if (m_pMainWindow != nullptr)
        m_pMainWindow->BeginWaitCursor();
}

void CMorvaneDoc::EndWaitCursor()
{
    if (m_pMainWindow != nullptr)
        m_pMainWindow->EndWaitCursor();
}

void CMorvaneDoc::SetUserInterface(IUserInterface *userInterface)
{
    m_pUserInterface = userInterface != nullptr ? userInterface : &m_oQuietUserInterface;
}

void CMorvaneDoc::SetOwnedGradeModel(std::unique_ptr<CClientGradeModel> model)
{
    CClientGradeModel *installed = model.get();
    SetGradeModel(nullptr, GMK_NONE);
    m_pOwnedModel = std::move(model);
    SetGradeModel(installed, GMK_CLIENT_MODEL);
}
