// Morvane AAMA grade model.
// Saving a file so that a failure never leaves a half-written file under the target's name.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace morvane {

/// A file could not be saved; the message names the file and the reason.
class FileSaveError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// The words with which a writer reports a file that it cannot create.
inline constexpr std::string_view kCanNotCreateFile = "Can not create file";

/// Writes content to a new file beside path, flushes it to disk and renames it over path.
/// On any failure (create, write, flush, close or rename) the temporary file is removed, a file
/// already at path is left as it was, and FileSaveError is thrown: "<cannotCreate> <path>:
/// <reason>" when the file cannot be created, "Can not write file <path>: <reason>" otherwise.
void saveFileAtomically(const std::filesystem::path &path, std::string_view content,
                        std::string_view cannotCreate = kCanNotCreateFile);

} // namespace morvane
