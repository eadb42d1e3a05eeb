// Morvane editing commands.
// "ActivateNextPatternPoint": the active grade point steps along the active pattern.
#include "app/commands/polylines/CmdActivateNextPatternPoint.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/InteractionModes.h"

CCmdActivateNextPatternPoint::CCmdActivateNextPatternPoint()
{
    Create("ActivateNextPatternPoint");
    SetFlags(false, true, CMT_NO_MODIFY);
    SetNeedsActiveMask();
}

std::unique_ptr<ICommand> CCmdActivateNextPatternPoint::Clone() const
{
    return std::make_unique<CCmdActivateNextPatternPoint>(*this);
}

bool CCmdActivateNextPatternPoint::IsSelectingPoints() const
{
    IDocumentServices *document = GetDocument();
    const CInteractionModes *modes =
        document != nullptr ? document->GetInteractionModes() : nullptr;
    return modes != nullptr && modes->GetSelectionMode() == 1;
}

bool CCmdActivateNextPatternPoint::IsEnabled(void *data)
{
    const CFocusManager *focus = GetFocusManager();
    return focus != nullptr && IsSelectingPoints() && !focus->GetActiveObject()->IsLocked() &&
           focus->FindNextPatternPoint(morvane::eventDataInteger(data) != 0) != nullptr;
}

bool CCmdActivateNextPatternPoint::OnExecute(void *data)
{
    CFocusManager *focus = GetFocusManager();
    if (focus == nullptr || !IsSelectingPoints())
        return false;
    focus->SetActivePoint(focus->FindNextPatternPoint(morvane::eventDataInteger(data) != 0));
    return true;
}
