// Morvane program documents.
// The automation batch: the operations a client scripts for its run, and the errors recorded.
#pragma once

#include "app/documents/BatchError.h"
#include "app/documents/BatchOperation.h"
#include "foundation/PtrCollection.h"

#include <cstdint>
#include <string>

class IBatchOperationRunner;

/// The batch of a client's run. The client appends operations (any code) with indexed text
/// parameters before it starts the run; the program then runs them in order, stopping at the
/// first failure, and the client reads the last error back. Operations and error records stay
/// as long as the batch: a second run executes the same operations again, and errors
/// accumulate. The batch orders the operations and records the errors; a runner, which the
/// document gives it, carries each one out.
class CMvBatchProcess
{
public:
    CMvBatchProcess() = default;
    CMvBatchProcess(const CMvBatchProcess &) = delete;
    CMvBatchProcess &operator=(const CMvBatchProcess &) = delete;

    /// The runner (not owned) that carries out the operations; set once by the document.
    void SetRunner(IBatchOperationRunner *runner) { m_pRunner = runner; }

    /// Appends an operation with no parameters; returns its position (the number before it).
    int32_t AddOperation(int32_t code);
    /// Appends a parameter to the operation at position; returns the parameter's position in
    /// that operation's list, or -1, changing nothing, when no operation has that position.
    int32_t AddOperationParam(int32_t position, int32_t index, const std::string &text);
    /// The last error's code, BE_NO_ERROR when none is recorded; position is the failed
    /// operation's position, or -1 when there is none or the error names no operation.
    int32_t GetLastError(int32_t &position) const;

    bool IsEmpty() const { return m_oOperations.GetCount() == 0; }
    int GetOperationCount() const { return m_oOperations.GetCount(); }
    /// The operation at position; null when there is none.
    const CBatchOperation *GetOperationAt(int position) const;
    /// The same as AddOperationParam, for the program's own use at start-up.
    int32_t SetOperationParam(int32_t position, int32_t index, const std::string &text);
    /// What the main window does before it runs the batch of a client's run: when the batch is
    /// empty, it inserts the client's mask file (BO_INSERT_MASK_FROM_FILE with parameter 1) or,
    /// without one, a new mask (BO_INSERT_NEW_MASK).
    void AddStartOperation(const std::string &maskFile);
    /// Records an error of operation (null: of none).
    void AddError(const CBatchOperation *operation, int32_t code);
    int GetErrorCount() const { return m_oErrors.GetCount(); }

    /// Executes the operations in order, passing over those of code BO_SAVE_CONTEXT (they run
    /// at close). At the first failure it stops and executes the first BO_EXIT operation of
    /// the whole list, if there is one, whose result is then the result; true when all
    /// succeeded.
    bool Run();
    /// Executes every BO_SAVE_CONTEXT operation, in order, whatever their results; true when
    /// all succeeded.
    bool RunCloseOperations();

private:
    /// An operation of an unknown code fails with BE_OPERATION_FAILED; a known one goes to the
    /// runner (without a runner it fails with BE_OPERATION_FAILED too).
    bool Execute(const CBatchOperation &operation);
    const CBatchOperation *FindFirst(int32_t code) const;

    IBatchOperationRunner *m_pRunner = nullptr;
    COwningCollection<CBatchOperation> m_oOperations;
    COwningCollection<CBatchError> m_oErrors;
};
