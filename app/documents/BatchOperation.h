// Morvane program documents.
// One operation of the automation batch: its code and its indexed text parameters.
#pragma once

#include "foundation/PtrCollection.h"

#include <cstdint>
#include <string>

class CMvBatchProcess;

/// The operation codes of the batch.
enum BATCH_OPERATION : int32_t {
    BO_INSERT_MASK_FROM_FILE = 1,
    BO_LOAD_INPUT_PATTERNS = 2,
    BO_LOAD_TABLE_SET = 3,
    BO_AUTO_PLACE_PATTERNS = 4,
    BO_ASSOCIATE_POINTS = 5,
    BO_EXIT = 6,
    BO_INSERT_NEW_MASK = 7,
    BO_LOAD_CONTEXT = 8,
    BO_SAVE_CONTEXT = 9,
    BO_LOAD_DEFAULT_WORKSPACE = 10,
};

/// A parameter of an operation: the index the client gave it and its text.
class CBatchOperationParam
{
public:
    CBatchOperationParam(int32_t index, std::string text)
        : m_nIndex(index)
        , m_sText(std::move(text))
    {
    }

    int32_t GetIndex() const { return m_nIndex; }
    const std::string &GetText() const { return m_sText; }

private:
    int32_t m_nIndex;
    std::string m_sText;
};

/// An operation of the batch: any code, as the client gave it, and parameters in the order
/// added. Indexes need be neither dense nor unique.
class CBatchOperation
{
public:
    CBatchOperation(CMvBatchProcess *owner, int32_t code)
        : m_pOwner(owner)
        , m_nCode(code)
    {
    }
    CBatchOperation(const CBatchOperation &) = delete;
    CBatchOperation &operator=(const CBatchOperation &) = delete;

    CMvBatchProcess *GetOwner() const { return m_pOwner; }
    int32_t GetCode() const { return m_nCode; }
    /// Whether the code is one of BATCH_OPERATION.
    bool IsKnownCode() const
    {
        return m_nCode >= BO_INSERT_MASK_FROM_FILE && m_nCode <= BO_LOAD_DEFAULT_WORKSPACE;
    }
    /// Appends a parameter; returns its position in the parameter list.
    int32_t AddParam(int32_t index, const std::string &text);
    /// The text of the first parameter added with that index; false, leaving text as it was,
    /// when there is none.
    bool GetParam(int32_t index, std::string &text) const;
    int GetParamCount() const { return m_oParams.GetCount(); }

private:
    CMvBatchProcess *m_pOwner;
    int32_t m_nCode;
    COwningCollection<CBatchOperationParam> m_oParams;
};
