// Morvane program foundation extras.
// A path taken apart into its folder, file name and extension.
#include "app/extras/SplitPath.h"

CSplitPath::CSplitPath(const std::filesystem::path &path)
{
    const std::filesystem::path name = path.filename();
    m_sDir = std::filesystem::path(path).remove_filename().string();
    m_sFileName = name.stem().string();
    m_sExtension = name.extension().string();
}
