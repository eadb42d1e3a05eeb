// Morvane program foundation extras.
// A path that a stored file names, found on this system.
#pragma once

#include <filesystem>
#include <string_view>

/// The file that a stored path names, as seen from the file that stores it (referringFile, whose
/// folder stands for the current folder). A path written on Windows ("C:\styles\front.msk") has
/// its backslashes turned into slashes and its drive dropped; a relative path is taken from
/// referringFile's folder. When that file does not exist, the file of that name (letter case
/// ignored when no exact match exists) in its own folder, then beside referringFile, is taken.
/// When nothing is found, the path as turned is answered, so that opening it names the missing
/// file. An empty stored path gives an empty path.
std::filesystem::path ResolveStoredPath(std::string_view stored,
                                        const std::filesystem::path &referringFile);

/// The file of that name in folder: the exact name when it exists, else the first entry whose
/// name differs from it only in letter case (ASCII letters); empty when neither exists.
std::filesystem::path FindFileIgnoringCase(const std::filesystem::path &folder,
                                           const std::filesystem::path &name);

/// Whether a and b name the same file: their canonical forms (".." and links resolved as far as
/// the files exist) compared without regard to letter case, as the files of open masks are. Two
/// empty paths are the same; an empty path and another are not.
bool IsSameFileIgnoringCase(const std::filesystem::path &a, const std::filesystem::path &b);
