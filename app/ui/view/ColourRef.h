// Morvane main window, view and interaction.
// The program's colour values (0x00BBGGRR, red in the low byte) as Qt colours.
#pragma once

#include <cstdint>

#include <QColor>

inline QColor colourFromRef(uint32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
