// Morvane program documents.
// The file types a file dialog offers, named by the language library.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

/// The language text naming all files in a file dialog.
inline constexpr uint32_t kAllFilesText = 61518;

/// "<type> (<patterns>)|<patterns>|<all files> (*.*)|*.*||": a dialog's filter of one type of
/// file, named by the language text typeTextId, and of all files.
std::string fileDialogFilter(uint32_t typeTextId, std::string_view patterns);

} // namespace morvane
