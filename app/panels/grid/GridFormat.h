// Morvane panels and grids.
// The text format flags of cells, and their Qt alignment.
#pragma once

#include <cstdint>

#include <Qt>

inline constexpr uint32_t DT_LEFT = 0x0000;
inline constexpr uint32_t DT_CENTER = 0x0001;
inline constexpr uint32_t DT_RIGHT = 0x0002;
inline constexpr uint32_t DT_VCENTER = 0x0004;
inline constexpr uint32_t DT_BOTTOM = 0x0008;
inline constexpr uint32_t DT_WORDBREAK = 0x0010;
inline constexpr uint32_t DT_SINGLELINE = 0x0020;
inline constexpr uint32_t DT_NOPREFIX = 0x0800;
inline constexpr uint32_t DT_END_ELLIPSIS = 0x8000;

/// The format of a cell that takes its default cell's.
inline constexpr uint32_t kDefaultFormat = 0xFFFFFFFF;

/// The alignment and wrapping that the flags ask for.
inline int qtTextFlags(uint32_t format)
{
    int flags = (format & DT_CENTER)  ? Qt::AlignHCenter
                : (format & DT_RIGHT) ? Qt::AlignRight
                                      : Qt::AlignLeft;
    flags |= (format & DT_VCENTER)  ? Qt::AlignVCenter
             : (format & DT_BOTTOM) ? Qt::AlignBottom
                                    : Qt::AlignTop;
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE))
        flags |= Qt::TextWordWrap;
    return flags;
}
