// Morvane main window, view and interaction.
// What the main view reads at once of the display switches and of the active mask's focus,
// modes, rotation pivot and measure line.
#include "app/ui/view/MaskViewState.h"

#include "app/documents/IDocumentServices.h"
#include "model/InputPattern.h"

#include <algorithm>

bool MaskViewState::RefersToActive(const CObject *item) const
{
    return item != nullptr &&
           std::find(activeItems.begin(), activeItems.end(), item) != activeItems.end();
}

CDRect MaskViewState::GetActiveRect(const CPtrCollection<IGradeSize> *) const
{
    return {};
}

MaskViewState ReadMaskViewState(IDocumentServices &)
{
    return {};
}

bool IsPatternShown(CPattern *pattern)
{
    const IInputPattern *input = pattern->GetInputPattern();
    return input == nullptr || input->IsFlagged();
}

CDRect ReadFrameRect(IDocumentServices &services)
{
    CDRect frame;
    if (services.GetExtentFlag())
        services.GetExtent(frame);
    return frame;
}

std::optional<DPOINT> GetItemPosition(const CObject *)
{
    return std::nullopt;
}
