// Morvane program documents.
// Loading and saving the program's own document files (workspace, context) as a whole.
#pragma once

#include <filesystem>
#include <string>

class CAttContainer;

namespace morvane {

/// Loads object from file, whose root element must be rootName (letter case counts). False,
/// with the file and the reason in error, when the file cannot be read, is no well-formed
/// document, has another root, or the load reported a problem (a missing required element, a
/// value that does not load), even one answered Ignore: load into a fresh object and keep it
/// only on success.
bool loadStoredFile(CAttContainer &object, const std::filesystem::path &file,
                    const std::string &rootName, std::string &error);

/// Saves object to file as the document of root rootName, making the file's folder first when
/// it does not exist. False, with the reason in error, when it cannot be written.
bool saveStoredFile(CAttContainer &object, const std::filesystem::path &file,
                    const std::string &rootName, std::string &error);

} // namespace morvane
