// Morvane automation service.
// The user's D-Bus activation file, through which the bus starts the program for a client.
#include "app/automation/ActivationFile.h"

#include "app/automation/AutomationNames.h"
#include "platform/scrivel/FileReplace.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>

namespace morvane::automation {

static std::filesystem::path userDataFolder()
{
    const char *data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && *data == '/')
        return data;
    const char *home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr && *home != '\0' ? home : ".") / ".local/share";
}

std::filesystem::path activationFilePath()
{
    return userDataFolder() / "dbus-1/services" / (std::string(kServiceName) + ".service");
}

static bool needsQuotes(const std::string &text)
{
    return text.empty() || std::any_of(text.begin(), text.end(), [](char c) {
               return !(std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '.' ||
                        c == '_' || c == '-' || c == '+');
           });
}

/// The bus reads Exec as a shell would: single quotes keep everything but a single quote,
/// which is written as '\''.
static std::string quoted(const std::string &text)
{
    if (!needsQuotes(text))
        return text;
    std::string out = "'";
    for (const char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string activationFileText(const std::filesystem::path &program)
{
    return std::string("[D-BUS Service]\nName=") + kServiceName +
           "\nExec=" + quoted(program.string()) + " -Automation\n";
}

bool writeActivationFile(const std::filesystem::path &program, std::string &error)
{
    const std::filesystem::path file = activationFilePath();
    std::error_code code;
    std::filesystem::create_directories(file.parent_path(), code);
    if (code) {
        error = file.parent_path().string() + ": the folder cannot be made: " + code.message();
        return false;
    }
    return replaceFileContents(file, activationFileText(program), error);
}

} // namespace morvane::automation
