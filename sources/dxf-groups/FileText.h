// Morvane DXF group reading.
// Texts of a file as UTF-8, whether the file was written in UTF-8 or in a legacy 8-bit encoding.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

/// The text as UTF-8: valid UTF-8 is kept as it is; any other text is taken as Windows-1252
/// (of which ISO 8859-1 is a part), the encoding of files written by older pattern systems,
/// and converted byte by byte. The result is always valid UTF-8.
std::string textFromFile(std::string_view text);

} // namespace morvane
