// Morvane main window, view and interaction.
// Keys as the task charts know them: virtual key codes and the key data of a key message.
#include "app/ui/main/VirtualKeys.h"

#include <Qt>

#include <utility>

namespace morvane {

namespace {

constexpr std::pair<int, uint32_t> kNamedKeys[] = {
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},      {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},    {Qt::Key_Enter, 0x0D},    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, 0x12},  {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},  {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},    {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},      {Qt::Key_Left, 0x25},     {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},     {Qt::Key_Down, 0x28},     {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},    {Qt::Key_Plus, 0x6B},     {Qt::Key_Minus, 0x6D},
};

} // namespace

uint32_t VirtualKeyFromQt(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<uint32_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 0x70 + static_cast<uint32_t>(qtKey - Qt::Key_F1);
    for (const auto &[key, code] : kNamedKeys) {
        if (key == qtKey)
            return code;
    }
    return 0;
}

uint32_t KeyDataOf(uint32_t scanCode, bool autoRepeat, bool release)
{
    uint32_t data = 1 | ((scanCode & 0xFF) << 16);
    if (autoRepeat || release)
        data |= 1u << 30;
    if (release)
        data |= 1u << 31;
    return data;
}

} // namespace morvane
