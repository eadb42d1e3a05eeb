// Morvane program foundation extras.
// A path taken apart into its folder, file name and extension.
#pragma once

#include <filesystem>
#include <string>

/// The parts of a path: drive (always empty: paths here have none), folder, file name and
/// extension. The folder keeps its final separator and the extension its dot, so folder, file
/// name and extension put together give the path back: "/masks/front.msk" has the folder
/// "/masks/", the file name "front" and the extension ".msk". A name that starts with its only
/// dot (".config") has no extension; a path that ends with a separator has neither file name
/// nor extension.
class CSplitPath
{
public:
    /// All four parts empty.
    CSplitPath() = default;
    explicit CSplitPath(const std::filesystem::path &path);

    std::string GetDrive() const { return {}; }
    std::string GetDir() const { return m_sDir; }
    std::string GetFileName() const { return m_sFileName; }
    std::string GetExtension() const { return m_sExtension; }

private:
    std::string m_sDir;
    std::string m_sFileName;
    std::string m_sExtension;
};
