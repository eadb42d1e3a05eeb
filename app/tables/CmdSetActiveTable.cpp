// Morvane measurement tables.
// "SetActiveTable": a table of the set becomes the one grading and the editor show.
#include "app/tables/CmdSetActiveTable.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IGradingEvents.h"
#include "app/tables/MeasureTableDoc.h"
#include "platform/brismond/IBrismond.h"

CCmdSetActiveTable::CCmdSetActiveTable()
{
    CreateWith("SetActiveTable", false, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdSetActiveTable::Clone() const
{
    return std::make_unique<CCmdSetActiveTable>(*this);
}

bool CCmdSetActiveTable::OnExecute(void *data)
{
    CMeasureTableDoc *document = GetDocument();
    if (document == nullptr)
        return false;
    const intptr_t index = morvane::eventDataInteger(data);
    document->SetActiveTable(
        index < 0 ? nullptr : document->GetTableSet()->GetTableAt(static_cast<int>(index)));
    return true;
}

bool CCmdSetActiveTable::IsEnabled(void *data)
{
    CMeasureTableDoc *document = GetDocument();
    IGradingEvents *owner = GetOwner();
    if (document == nullptr || owner == nullptr)
        return false;
    const intptr_t index = morvane::eventDataInteger(data);
    return index >= 0 && index < document->GetTableSet()->GetTableCount() && owner->CanDeactivate();
}
