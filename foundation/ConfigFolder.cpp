// Morvane foundation library.
// The folder where the user's own files of the program live: options and default files.
#include "foundation/ConfigFolder.h"

#include <cstdlib>

namespace morvane {

std::filesystem::path userConfigFolder()
{
    const char *configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && *configHome != '\0')
        return std::filesystem::path(configHome) / "morvane";
    const char *home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : ".") / ".config" / "morvane";
}

} // namespace morvane
