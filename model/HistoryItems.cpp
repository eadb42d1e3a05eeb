// Morvane model library.
// The records of the undo history: collection changes, object states and groups of records.
#include "model/HistoryItems.h"

#include "model/FormulaCopy.h"

void CHistoryItem::DiscardUndone() {}

void CHistoryItem::DiscardRedo() {}

CObjectStateItem::CObjectStateItem(IFormulaCopy *object)
    : m_pSavedState(object->FindManagedCounterpart())
    , m_pObject(object)
{
}

CObjectStateItem::~CObjectStateItem() = default;

void CObjectStateItem::Undo()
{
    ExchangeState();
}

void CObjectStateItem::Redo()
{
    ExchangeState();
}

void CObjectStateItem::ExchangeState()
{
    std::unique_ptr<IFormulaCopy> present = m_pObject->FindManagedCounterpart();
    m_pObject->Assign(m_pSavedState.get());
    m_pSavedState = std::move(present);
}

void CHistoryGroupItem::Add(std::unique_ptr<CHistoryItem> item)
{
    m_aItems.push_back(std::move(item));
}

void CHistoryGroupItem::Undo()
{
    for (auto item = m_aItems.rbegin(); item != m_aItems.rend(); ++item)
        (*item)->Undo();
}

void CHistoryGroupItem::Redo()
{
    for (const auto &item : m_aItems)
        item->Redo();
}

void CHistoryGroupItem::DiscardUndone()
{
    for (auto item = m_aItems.rbegin(); item != m_aItems.rend(); ++item)
        (*item)->DiscardUndone();
}

void CHistoryGroupItem::DiscardRedo()
{
    for (const auto &item : m_aItems)
        item->DiscardRedo();
}
