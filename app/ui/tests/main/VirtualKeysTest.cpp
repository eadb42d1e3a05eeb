// Morvane main window, view and interaction, tests.
// Qt keys as the virtual key codes the task charts test, and the key data of a key message.
#include "app/ui/main/VirtualKeys.h"

#include <Qt>

#include <gtest/gtest.h>

using namespace morvane;

TEST(VirtualKeysTest, QtKeysBecomeTheirVirtualKeyCodes)
{
    struct Row
    {
        int key;
        uint32_t code;
    };
    const Row rows[] = {
        {Qt::Key_A, 0x41},       {Qt::Key_Z, 0x5A},        {Qt::Key_0, 0x30},
        {Qt::Key_F1, 0x70},      {Qt::Key_F12, 0x7B},      {Qt::Key_Escape, VK_ESCAPE},
        {Qt::Key_Shift, VK_SHIFT}, {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Delete, 0x2E},
        {Qt::Key_Return, 0x0D},  {Qt::Key_Enter, 0x0D},    {Qt::Key_Left, 0x25},
        {Qt::Key_Down, 0x28},    {Qt::Key_Space, 0x20},    {Qt::Key_Eacute, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(VirtualKeyFromQt(row.key), row.code);
    }
}

TEST(VirtualKeysTest, KeyDataCarriesRepeatScanCodeAndTransition)
{
    EXPECT_EQ(KeyDataOf(0x2A, false, false), 0x002A0001u);
    EXPECT_EQ(KeyDataOf(0x12A, true, false), 0x402A0001u);
    EXPECT_EQ(KeyDataOf(0x2A, false, true), 0xC02A0001u);
}
