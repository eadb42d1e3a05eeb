// Morvane interactive tasks.
// Which context menu fits the active object.
#pragma once

#include <cstdint>

namespace morvane {

/// What the choice of the context menu reads of the active object.
struct PopupMenuSubject
{
    /// The focus kind of the active object (0 nothing, 1 pattern, 3-7 grade regions, 8 the mask
    /// centre, 11 a multiple selection ...).
    int kind = 0;
    /// The main task's "nSelectionMode".
    int selectionMode = 0;
    /// A pattern: it is a mask pattern.
    bool maskPattern = false;
    /// A pattern that is not a mask pattern: its input pattern answers the menu's test.
    bool inputPatternPasses = false;
    /// A multiple selection: every member is a grade region (true when it is empty).
    bool onlyRegions = false;
};

/// The menu resource of the language library for the subject; 0 when no menu fits.
uint32_t choosePopupMenu(const PopupMenuSubject &subject);

} // namespace morvane
