// Morvane editing commands.
// The single objects a selection stands for: itself, or the entries of a multiple selection.
#pragma once

class CFocusObject;

namespace morvane {

/// The entries of a multiple selection; 1 for any other object.
int selectionEntryCount(const CFocusObject &selection);
/// Entry i of a multiple selection; the object itself for any other (i not read).
CFocusObject *selectionEntry(CFocusObject &selection, int i);
/// A mask pattern or a grade region.
bool isMaskItem(const CFocusObject &object);

} // namespace morvane
