// Morvane automation service.
// The user's D-Bus activation file, through which the bus starts the program for a client.
#pragma once

#include <filesystem>
#include <string>

namespace morvane::automation {

/// "$XDG_DATA_HOME/dbus-1/services/org.morvane.Morvane.service", else the same below
/// "$HOME/.local/share" (the current folder standing in for an unset home). Read at every call.
std::filesystem::path activationFilePath();

/// The text of the activation file: the service name, and the program started with the
/// automation switch ("-Automation"), its path quoted where the bus's parser needs it.
std::string activationFileText(const std::filesystem::path &program);

/// Writes activationFileText(program) to activationFilePath(), making its folder, through a
/// temporary file. False, with error naming the file and the reason, when it cannot.
bool writeActivationFile(const std::filesystem::path &program, std::string &error);

} // namespace morvane::automation
