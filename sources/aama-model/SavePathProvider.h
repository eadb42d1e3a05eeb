// Morvane AAMA grade model.
// The question for the file that a save writes, answered by the program's dialog or by a caller.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace morvane {

/// What a save asks the user: the file to start from (its folder and name), the extension to
/// add to a name without one, and the file-type filter in the form
/// "Description (*.ext)|*.ext|...||".
struct SaveFileRequest
{
    std::filesystem::path suggestedPath;
    std::string defaultExtension;
    std::string filter;
};

/// Answers a save's question with the chosen file, or nothing when the user cancels. The
/// program shows its file dialog (confirming an overwrite there); tests and batch runs give a
/// path.
using SavePathProvider =
    std::function<std::optional<std::filesystem::path>(const SaveFileRequest &)>;

} // namespace morvane
