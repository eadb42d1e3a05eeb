// Morvane program documents.
// What carries out the automation batch's operations on the document.
#pragma once

class CBatchOperation;
class CMvBatchProcess;

/// Executes one operation of a known code on the document, through the same named events the
/// user interface sends. A failing operation records its error in the batch (AddError) before
/// it answers false.
class IBatchOperationRunner
{
public:
    virtual ~IBatchOperationRunner() = default;

    virtual bool ExecuteOperation(CMvBatchProcess &batch, const CBatchOperation &operation) = 0;
};
