// Morvane program documents.
// An error the automation batch recorded: its code and the operation that failed.
#pragma once

#include <cstdint>

class CBatchOperation;

/// The error codes of the batch.
enum BATCH_ERROR : int32_t {
    /// What GetLastError answers while no error is recorded; never recorded.
    BE_NO_ERROR = 1,
    /// A step failed: an event refused or failed, a file not loaded or saved, no active grade
    /// mask, an unknown model type or operation code.
    BE_OPERATION_FAILED = 2,
    /// A required parameter (index 1, or 2 for the model type) is missing.
    BE_MISSING_PARAMETER = 3,
    /// An exception reached the program's event loop during a client's run.
    BE_UNHANDLED_EXCEPTION = 4,
};

/// A recorded error: its code and the operation that failed (null for none).
class CBatchError
{
public:
    CBatchError(int32_t code, const CBatchOperation *operation)
        : m_nCode(code)
        , m_pOperation(operation)
    {
    }

    int32_t GetCode() const { return m_nCode; }
    const CBatchOperation *GetOperation() const { return m_pOperation; }

private:
    int32_t m_nCode;
    const CBatchOperation *m_pOperation;
};
