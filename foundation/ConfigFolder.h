// Morvane foundation library.
// The folder where the user's own files of the program live: options and default files.
#pragma once

#include <filesystem>

namespace morvane {

/// "$XDG_CONFIG_HOME/morvane", else "$HOME/.config/morvane" (the current folder standing in for
/// an unset home). Read at every call, so a test can point it elsewhere; it need not exist.
std::filesystem::path userConfigFolder();

} // namespace morvane
