// Morvane program documents.
// Menu commands by id: what runs a command and what decides its state, in a table per target.
#include "app/documents/CommandTable.h"

void CCommandTable::Add(uint32_t id, CommandHandler command, UpdateHandler update)
{
    m_oRows[id] = {std::move(command), std::move(update)};
}

bool CCommandTable::OnCommand(uint32_t id)
{
    const auto found = m_oRows.find(id);
    if (found == m_oRows.end())
        return false;
    if (found->second.m_fnCommand)
        found->second.m_fnCommand();
    return true;
}

bool CCommandTable::OnUpdateCommand(CCmdUI &state)
{
    const auto found = m_oRows.find(state.GetID());
    if (found == m_oRows.end())
        return false;
    if (found->second.m_fnUpdate)
        found->second.m_fnUpdate(state);
    return true;
}
