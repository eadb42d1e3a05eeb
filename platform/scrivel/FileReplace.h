// Morvane Scrivel XML filer.
// Saving a file safely: write a temporary file beside it, then rename it over the old one.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace morvane {

/// Writes contents to fileName through a temporary file in the same folder, flushed to disk and
/// then renamed over fileName, so fileName holds either its old contents or the new ones, never
/// a part. A new file gets the permissions that the process's umask allows; an existing file
/// keeps its permissions. Returns false on any failure (the temporary file is removed and the old
/// file left untouched), with error set to "<file>: <reason>".
bool replaceFileContents(const std::filesystem::path &fileName, std::string_view contents,
                         std::string &error);

} // namespace morvane
