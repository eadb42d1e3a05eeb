// Morvane Scrivel XML filer.
// Saving a file safely: write a temporary file beside it, then rename it over the old one.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

/// Why replacing a file failed: the step that failed and its errno.
struct FileReplaceFailure
{
    enum class Step { CreateTemporary, Write, Replace };

    Step step;
    int code;

    /// "<file>: <what failed>: <reason>".
    std::string describe(const std::filesystem::path &fileName) const;
};

/// Writes contents to fileName through a temporary file in the same folder, flushed to disk and
/// then renamed over fileName, so fileName holds either its old contents or the new ones, never
/// a part. A new file gets the permissions that the process's umask allows; an existing file
/// keeps its permissions. When fileName is a symbolic link, the file it points at is replaced
/// (the temporary file lies beside that one) and the link stays. On any failure the temporary file
/// is removed, the old file is left untouched and the failure is returned; nothing on success.
std::optional<FileReplaceFailure> replaceFile(const std::filesystem::path &fileName,
                                              std::string_view contents);

/// replaceFile() reporting a failure as false, with error set to its description.
bool replaceFileContents(const std::filesystem::path &fileName, std::string_view contents,
                         std::string &error);

} // namespace morvane
