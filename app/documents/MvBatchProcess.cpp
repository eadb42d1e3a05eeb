// Morvane program documents.
// The automation batch: the operations a client scripts for its run, and the errors recorded.
#include "app/documents/MvBatchProcess.h"

#include "app/documents/IBatchOperationRunner.h"

#include <memory>

int32_t CMvBatchProcess::AddOperation(int32_t code)
{
    return m_oOperations.AddOwned(std::make_unique<CBatchOperation>(this, code));
}

int32_t CMvBatchProcess::AddOperationParam(int32_t position, int32_t index, const std::string &text)
{
    if (GetOperationAt(position) == nullptr)
        return -1;
    return m_oOperations.GetAt(position)->AddParam(index, text);
}

int32_t CMvBatchProcess::SetOperationParam(int32_t position, int32_t index, const std::string &text)
{
    return AddOperationParam(position, index, text);
}

int32_t CMvBatchProcess::GetLastError(int32_t &position) const
{
    position = -1;
    const CBatchError *last = m_oErrors.GetLast();
    if (last == nullptr)
        return BE_NO_ERROR;
    if (last->GetOperation() != nullptr)
        position = m_oOperations.Find(last->GetOperation());
    return last->GetCode();
}

const CBatchOperation *CMvBatchProcess::GetOperationAt(int position) const
{
    if (position < 0 || position >= m_oOperations.GetCount())
        return nullptr;
    return m_oOperations.GetAt(position);
}

void CMvBatchProcess::AddStartOperation(const std::string &maskFile)
{
    if (!IsEmpty())
        return;
    if (maskFile.empty()) {
        AddOperation(BO_INSERT_NEW_MASK);
        return;
    }
    SetOperationParam(AddOperation(BO_INSERT_MASK_FROM_FILE), 1, maskFile);
}

void CMvBatchProcess::AddError(const CBatchOperation *operation, int32_t code)
{
    m_oErrors.AddOwned(std::make_unique<CBatchError>(code, operation));
}

// The lists are walked by position: an operation may lead to calls that append to them.
bool CMvBatchProcess::Run()
{
    for (int i = 0; i < m_oOperations.GetCount(); ++i) {
        const CBatchOperation &operation = *m_oOperations.GetAt(i);
        if (operation.GetCode() == BO_SAVE_CONTEXT)
            continue;
        if (Execute(operation))
            continue;
        const CBatchOperation *exit = FindFirst(BO_EXIT);
        return exit != nullptr && Execute(*exit);
    }
    return true;
}

bool CMvBatchProcess::RunCloseOperations()
{
    bool allSucceeded = true;
    for (int i = 0; i < m_oOperations.GetCount(); ++i) {
        const CBatchOperation &operation = *m_oOperations.GetAt(i);
        if (operation.GetCode() == BO_SAVE_CONTEXT)
            allSucceeded = Execute(operation) && allSucceeded;
    }
    return allSucceeded;
}

bool CMvBatchProcess::Execute(const CBatchOperation &operation)
{
    if (!operation.IsKnownCode() || m_pRunner == nullptr) {
        AddError(&operation, BE_OPERATION_FAILED);
        return false;
    }
    return m_pRunner->ExecuteOperation(*this, operation);
}

const CBatchOperation *CMvBatchProcess::FindFirst(int32_t code) const
{
    for (const CBatchOperation *operation : m_oOperations) {
        if (operation->GetCode() == code)
            return operation;
    }
    return nullptr;
}
