// Morvane foundation library.
// Reading a whole file into memory.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace morvane {

/// Every byte of the file at path, as it is on disk (no line-end conversion). Nothing when the
/// file cannot be opened or a read fails; an empty file gives an empty text.
std::optional<std::string> readFileContent(const std::filesystem::path &path);

} // namespace morvane
