// Morvane main window, view and interaction.
// The mouse flags that views pass with every mouse call, and their reading from Qt events.
#pragma once

#include <cstdint>

#include <QMouseEvent>

inline constexpr uint32_t MK_LBUTTON = 0x0001;
inline constexpr uint32_t MK_RBUTTON = 0x0002;
inline constexpr uint32_t MK_SHIFT = 0x0004;
inline constexpr uint32_t MK_CONTROL = 0x0008;
inline constexpr uint32_t MK_MBUTTON = 0x0010;

/// The flags of the buttons held and of Shift and Ctrl.
inline uint32_t mouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    uint32_t flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}
