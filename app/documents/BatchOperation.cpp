// Morvane program documents.
// One operation of the automation batch: its code and its indexed text parameters.
#include "app/documents/BatchOperation.h"

#include <memory>

int32_t CBatchOperation::AddParam(int32_t index, const std::string &text)
{
    return m_oParams.AddOwned(std::make_unique<CBatchOperationParam>(index, text));
}

bool CBatchOperation::GetParam(int32_t index, std::string &text) const
{
    for (const CBatchOperationParam *param : m_oParams) {
        if (param->GetIndex() == index) {
            text = param->GetText();
            return true;
        }
    }
    return false;
}
