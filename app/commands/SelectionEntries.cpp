// Morvane editing commands.
// The single objects a selection stands for: itself, or the entries of a multiple selection.
#include "app/commands/SelectionEntries.h"

#include "app/interaction/MultiFocusObject.h"

namespace morvane {

int selectionEntryCount(const CFocusObject &selection)
{
    const auto *multiple = dynamic_cast<const CMultiFocusObject *>(&selection);
    return multiple != nullptr ? multiple->GetCount() : 1;
}

CFocusObject *selectionEntry(CFocusObject &selection, int i)
{
    auto *multiple = dynamic_cast<CMultiFocusObject *>(&selection);
    return multiple != nullptr ? multiple->GetAt(i) : &selection;
}

bool isMaskItem(const CFocusObject &object)
{
    return object.IsRegion() || (object.IsPattern() && object.IsMaskPattern());
}

} // namespace morvane
