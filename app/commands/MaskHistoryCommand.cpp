// Morvane editing commands.
// The base of the commands whose changes are undone through the grade mask's own history.
#include "app/commands/MaskHistoryCommand.h"

#include "app/documents/IDocumentServices.h"
#include "model/GradeMask.h"
#include "model/History.h"

#include <cassert>

CMaskHistoryCommand::CMaskHistoryCommand()
{
    SetNeedsActiveMask();
}

void CMaskHistoryCommand::OnUndo()
{
    if (IGradeMask *mask = GetActiveMask())
        mask->GetHistoryItf()->Undo();
}

void CMaskHistoryCommand::OnRedo()
{
    if (IGradeMask *mask = GetActiveMask())
        mask->GetHistoryItf()->Redo();
}

bool CMaskHistoryCommand::RecordInHistory(const std::function<void(IGradeMask &)> &change)
{
    IGradeMask *mask = GetActiveMask();
    if (mask == nullptr)
        return false;
    CHistory &history = *mask->GetHistory();
    const int before = history.GetCurrentIndex();
    history.BeginGroup();
    change(*mask);
    history.EndGroup();
    const int after = history.GetCurrentIndex();
    assert((after == before || after == before + 1) &&
           "one execution leaves at most one item in the mask's history");
    return after == before + 1;
}

IGradeMask *CMaskHistoryCommand::GetActiveMask() const
{
    IDocumentServices *document = GetDocument();
    return document != nullptr ? document->GetActiveGradeMask() : nullptr;
}
