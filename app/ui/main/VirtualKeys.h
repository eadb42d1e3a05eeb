// Morvane main window, view and interaction.
// Keys as the task charts know them: virtual key codes and the key data of a key message.
#pragma once

#include <cstdint>

namespace morvane {

inline constexpr uint32_t VK_SHIFT = 0x10;
inline constexpr uint32_t VK_CONTROL = 0x11;
inline constexpr uint32_t VK_ESCAPE = 0x1B;

/// The virtual key code of a Qt key (Qt::Key): letters and digits as their upper-case
/// characters, F1 0x70 onwards, and the named keys the charts test; 0 for a key that has none.
uint32_t VirtualKeyFromQt(int qtKey);

/// The key data of a key message: repeat count 1, the scan code's low byte in bits 16 to 23,
/// bit 30 set when the key was down before (an auto-repeat or a release), bit 31 on release.
uint32_t KeyDataOf(uint32_t scanCode, bool autoRepeat, bool release);

} // namespace morvane
