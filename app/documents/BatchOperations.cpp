// Morvane program documents.
// The operations of the automation batch, carried out on the main document through the same
// named events the user interface sends.
#include "app/documents/BatchOperations.h"

#include "app/commands/AssociationRequests.h"
#include "app/commands/association/AssociationOptions.h"
#include "app/documents/BatchOperation.h"
#include "app/documents/EventRecords.h"
#include "app/documents/GradeMaskDoc.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/IBatchDocumentFiles.h"
#include "app/documents/IDocumentAccess.h"
#include "app/documents/IDocumentAutomation.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/IOptions.h"
#include "app/documents/MvBatchProcess.h"
#include "app/grading/IGradingInterface.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "tasks/TaskManager.h"

#include <filesystem>

namespace {

/// Asks manager whether it takes the event now, then sends it: false when there is no
/// manager, or it refuses or fails the event.
bool dispatch(CTaskManager *manager, const char *event, void *data)
{
    return manager != nullptr && manager->CanDispatchEvent(event, data) &&
           manager->DispatchEvent(event, data);
}

/// The model kinds the batch names by text, compared exactly; 0 for any other text.
int modelKindOf(const std::string &type)
{
    if (type == "GMT_MASK")
        return 1;
    if (type == "GMT_AAMA")
        return 2;
    if (type == "GMT_MDL")
        return 3;
    return 0;
}

/// Every pattern of the mask that has associated patterns, in mask order: those whose points
/// can find partners.
void collectPatternsForPointAssociation(const IGradeMask &mask, CPtrCollection<CPattern> &out)
{
    for (int i = 0; i < mask.GetPatternCount(); ++i) {
        CPattern *pattern = mask.GetPatternAt(i);
        CPtrCollection<CPattern> associated;
        pattern->GetAssPatterns(associated);
        if (associated.GetCount() > 0)
            out.Add(pattern);
    }
}

} // namespace

BatchOperations::BatchOperations(IDocumentAccess &document, IDocumentAutomation &automation)
    : m_rDocument(document)
    , m_rAutomation(automation)
{
}

bool BatchOperations::ExecuteOperation(CMvBatchProcess &batch, const CBatchOperation &operation)
{
    const BATCH_ERROR error = Execute(operation);
    if (error == BE_NO_ERROR)
        return true;
    batch.AddError(&operation, error);
    return false;
}

BATCH_ERROR BatchOperations::Execute(const CBatchOperation &operation)
{
    switch (operation.GetCode()) {
    case BO_INSERT_MASK_FROM_FILE:
        return InsertMaskFromFile(operation);
    case BO_LOAD_INPUT_PATTERNS:
        return LoadInputPatterns(operation);
    case BO_LOAD_TABLE_SET:
        return LoadTableSet(operation);
    case BO_AUTO_PLACE_PATTERNS:
        return AutoPlacePatterns();
    case BO_ASSOCIATE_POINTS:
        return AssociatePoints();
    case BO_EXIT:
        m_rAutomation.Exit();
        return BE_NO_ERROR;
    case BO_INSERT_NEW_MASK:
        return InsertNewMask();
    case BO_LOAD_CONTEXT:
        return LoadContext(operation);
    case BO_SAVE_CONTEXT:
        return SaveContext(operation);
    case BO_LOAD_DEFAULT_WORKSPACE:
        return LoadDefaultWorkspace();
    }
    // The batch hands over known codes only.
    return BE_OPERATION_FAILED;
}

BATCH_ERROR BatchOperations::InsertMaskFromFile(const CBatchOperation &operation)
{
    std::string text;
    if (!operation.GetParam(1, text))
        return BE_MISSING_PARAMETER;
    std::filesystem::path file = text;
    if (!dispatch(m_rDocument.GetWorkspaceTaskManager(), "InsertMaskFromFile", &file))
        return BE_OPERATION_FAILED;
    return ActivateLastMask() ? BE_NO_ERROR : BE_OPERATION_FAILED;
}

BATCH_ERROR BatchOperations::LoadInputPatterns(const CBatchOperation &operation)
{
    std::string file;
    std::string type;
    if (!operation.GetParam(1, file) || !operation.GetParam(2, type))
        return BE_MISSING_PARAMETER;
    InputPatternsRequest param{file, modelKindOf(type)};
    if (param.kind == 0)
        return BE_OPERATION_FAILED;
    return dispatch(m_rDocument.GetWorkspaceTaskManager(), "LoadInputPatterns", &param)
               ? BE_NO_ERROR
               : BE_OPERATION_FAILED;
}

BATCH_ERROR BatchOperations::LoadTableSet(const CBatchOperation &operation)
{
    std::string text;
    if (!operation.GetParam(1, text))
        return BE_MISSING_PARAMETER;
    std::filesystem::path file = text;
    CTaskManager *tables = m_pFiles != nullptr ? m_pFiles->GetTableSetTaskManager() : nullptr;
    return dispatch(tables, "LoadTableSet", &file) ? BE_NO_ERROR : BE_OPERATION_FAILED;
}

BATCH_ERROR BatchOperations::AutoPlacePatterns()
{
    CTaskManager *mask = ActiveMaskTaskManager();
    if (mask == nullptr)
        return BE_OPERATION_FAILED;
    AutoPlacement placement;
    const IInputPatterns &inputs = *m_rDocument.GetServices()->GetInputPatterns();
    for (int i = 0; i < inputs.GetPatternCount(); ++i) {
        CInputPattern *pattern = inputs.GetPatternAt(i);
        if (!pattern->IsFlagged())
            placement.patterns.Add(pattern);
    }
    // Every pattern lies placed already: there is nothing to place, which is no failure.
    if (placement.patterns.GetCount() == 0)
        return BE_NO_ERROR;
    return dispatch(mask, "AutoPlacePatterns", &placement) ? BE_NO_ERROR : BE_OPERATION_FAILED;
}

BATCH_ERROR BatchOperations::AssociatePoints()
{
    CTaskManager *mask = ActiveMaskTaskManager();
    if (mask == nullptr)
        return BE_OPERATION_FAILED;
    IDocumentServices &services = *m_rDocument.GetServices();
    PatternPointsAssociation request;
    GetPointAssociationParams(services.GetOptions(), request.params, false);
    collectPatternsForPointAssociation(*m_rDocument.GetActiveMaskDoc()->GetGradeMask(),
                                       request.patterns);
    if (!dispatch(mask, "AssociatePatternsPoints", &request))
        return BE_OPERATION_FAILED;
    IGradingInterface &grading = *services.GetGradingInterface();
    grading.RecomputeAll();
    // Without runtime formulas no formula grades a piece: there is nothing to recalculate.
    if (!grading.HasRuntimeFormulas())
        return BE_NO_ERROR;
    return dispatch(mask, "RecalculateGrading", nullptr) ? BE_NO_ERROR : BE_OPERATION_FAILED;
}

BATCH_ERROR BatchOperations::InsertNewMask()
{
    if (!dispatch(m_rDocument.GetWorkspaceTaskManager(), "InsertNewMask", nullptr))
        return BE_OPERATION_FAILED;
    return ActivateLastMask() ? BE_NO_ERROR : BE_OPERATION_FAILED;
}

BATCH_ERROR BatchOperations::LoadContext(const CBatchOperation &operation)
{
    std::string file;
    if (!operation.GetParam(1, file))
        return BE_MISSING_PARAMETER;
    return m_pFiles != nullptr && m_pFiles->LoadContext(file) ? BE_NO_ERROR
                                                              : BE_OPERATION_FAILED;
}

BATCH_ERROR BatchOperations::SaveContext(const CBatchOperation &operation)
{
    std::string file;
    if (!operation.GetParam(1, file))
        return BE_MISSING_PARAMETER;
    return m_pFiles != nullptr && m_pFiles->SaveContext(file) ? BE_NO_ERROR
                                                              : BE_OPERATION_FAILED;
}

BATCH_ERROR BatchOperations::LoadDefaultWorkspace()
{
    if (m_pFiles == nullptr || !m_pFiles->LoadDefaultWorkspace())
        return BE_OPERATION_FAILED;
    if (!m_rDocument.GetServices()->GetOptions().GetBoolOption("LOAD_LAST_CONTEXT"))
        return BE_NO_ERROR;
    return m_pFiles->LoadContext(m_pFiles->GetDefaultContextPath()) ? BE_NO_ERROR
                                                                    : BE_OPERATION_FAILED;
}

bool BatchOperations::ActivateLastMask()
{
    const CGradeMaskDocArray &masks = *m_rDocument.GetMaskDocs();
    CTaskManager *manager = m_rDocument.GetWorkspaceTaskManager();
    if (masks.GetCount() == 0 || manager == nullptr)
        return false;
    return manager->DispatchEvent("SetActiveMask", masks.GetAt(masks.GetCount() - 1));
}

CTaskManager *BatchOperations::ActiveMaskTaskManager()
{
    CGradeMaskDoc *active = m_rDocument.GetActiveMaskDoc();
    return active != nullptr ? active->GetTaskManager() : nullptr;
}
