// Morvane main window, view and interaction.
// The cursors of the cursor scheme, by cursor id, from the language library's images.
#pragma once

#include <cstdint>

#include <QCursor>

namespace morvane {

/// The language library's image of each cursor id 1 to 8 (id 0 is the arrow).
inline constexpr uint32_t kCursorImageIds[] = {4008, 4012, 4013, 4010, 4009, 194, 4014, 204};

/// The cursor of a cursor id of the cursor scheme: the arrow for 0, the language library's
/// cursor image for 1 to 8; the arrow for any other id and for an image that is missing or does
/// not decode, so a cursor is always shown.
QCursor CursorFromId(int32_t cursorId);

} // namespace morvane
