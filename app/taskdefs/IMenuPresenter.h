// Morvane interactive tasks.
// What shows a context menu for the tools: the program's window, a recorder in tests.
#pragma once

#include <cstdint>

/// Shows a context menu of the language library by id at a point of the screen; the item the
/// user chooses reaches the main window as an ordinary menu command.
class IMenuPresenter
{
public:
    virtual ~IMenuPresenter() = default;
    /// Shows the first submenu of the menu and waits for the choice. False when the menu cannot
    /// be loaded (nothing is shown then).
    virtual bool ShowPopupMenu(uint32_t menuId, int32_t x, int32_t y) = 0;
};
