// Morvane model library.
// The undo history of a grade mask: a list of records with a current position, and groups.
#include "model/History.h"

CHistory::CHistory() = default;

CHistory::~CHistory()
{
    // The records of an unfinished group are changes that were made: they become final.
    if (m_pPendingGroup != nullptr)
        m_pPendingGroup->DiscardUndone();
    Clear();
}

void CHistory::Undo()
{
    if (m_nCurrentIndex < 0)
        return;
    m_aItems[static_cast<size_t>(m_nCurrentIndex)]->Undo();
    --m_nCurrentIndex;
}

void CHistory::Redo()
{
    if (m_nCurrentIndex + 1 >= GetItemCount())
        return;
    ++m_nCurrentIndex;
    m_aItems[static_cast<size_t>(m_nCurrentIndex)]->Redo();
}

void CHistory::BeginGroup()
{
    ++m_nGroupDepth;
}

void CHistory::EndGroup()
{
    if (m_nGroupDepth < 1)
        return;
    --m_nGroupDepth;
    if (m_nGroupDepth == 0 && m_pPendingGroup != nullptr)
        AddItem(std::move(m_pPendingGroup));
}

void CHistory::AddItem(std::unique_ptr<CHistoryItem> item)
{
    if (IsGrouping()) {
        if (m_pPendingGroup == nullptr)
            m_pPendingGroup = std::make_unique<CHistoryGroupItem>();
        m_pPendingGroup->Add(std::move(item));
        return;
    }
    DeleteRedoItems();
    m_aItems.push_back(std::move(item));
    m_nCurrentIndex = GetItemCount() - 1;
}

void CHistory::AddObjectItem(IFormulaCopy *object)
{
    AddItem(std::make_unique<CObjectStateItem>(object));
}

void CHistory::Clear()
{
    DeleteRedoItems();
    DeleteUndoItems();
}

void CHistory::DeleteRedoItems()
{
    while (GetItemCount() > m_nCurrentIndex + 1) {
        m_aItems.back()->DiscardRedo();
        m_aItems.pop_back();
    }
}

void CHistory::DeleteUndoItems()
{
    for (int i = m_nCurrentIndex; i >= 0; --i) {
        m_aItems[static_cast<size_t>(i)]->DiscardUndone();
        m_aItems.erase(m_aItems.begin() + i);
    }
    m_nCurrentIndex = -1;
}
