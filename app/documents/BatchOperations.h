// Morvane program documents.
// The operations of the automation batch, carried out on the main document through the same
// named events the user interface sends.
#pragma once

#include "app/documents/BatchError.h"
#include "app/documents/IBatchOperationRunner.h"

#include <string>

class CTaskManager;
class IBatchDocumentFiles;
class IDocumentAccess;
class IDocumentAutomation;

/// Carries out each operation of the batch on the main document: it sends the operation's named
/// events (each first asked with CanDispatchEvent, then sent with DispatchEvent) to the
/// document's own task manager, the active mask's or the table set's, or loads and saves
/// contexts and the default workspace through the document's files. A failing operation records
/// its error in the batch: BE_MISSING_PARAMETER when parameter 1 (or the model type, 2) is
/// missing, BE_OPERATION_FAILED for anything else that fails, a refused event as much as a
/// failed one.
class BatchOperations : public IBatchOperationRunner
{
public:
    /// document and automation (not owned) are the main document's.
    BatchOperations(IDocumentAccess &document, IDocumentAutomation &automation);

    /// The document's files (not owned); without them the operations on the table set, contexts
    /// and the workspace fail.
    void SetFiles(IBatchDocumentFiles *files) { m_pFiles = files; }

    bool ExecuteOperation(CMvBatchProcess &batch, const CBatchOperation &operation) override;

private:
    /// BE_NO_ERROR when the operation did its work, else the error to record.
    BATCH_ERROR Execute(const CBatchOperation &operation);
    BATCH_ERROR InsertMaskFromFile(const CBatchOperation &operation);
    BATCH_ERROR LoadInputPatterns(const CBatchOperation &operation);
    BATCH_ERROR LoadTableSet(const CBatchOperation &operation);
    BATCH_ERROR AutoPlacePatterns();
    BATCH_ERROR AssociatePoints();
    BATCH_ERROR InsertNewMask();
    BATCH_ERROR LoadContext(const CBatchOperation &operation);
    BATCH_ERROR SaveContext(const CBatchOperation &operation);
    BATCH_ERROR LoadDefaultWorkspace();
    /// "SetActiveMask" with the last mask document, sent without asking first.
    bool ActivateLastMask();
    /// The active mask's task manager; null without an active mask.
    CTaskManager *ActiveMaskTaskManager();

    IDocumentAccess &m_rDocument;
    IDocumentAutomation &m_rAutomation;
    IBatchDocumentFiles *m_pFiles = nullptr;
};
