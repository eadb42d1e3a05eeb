// Morvane program documents.
// Loading and saving the program's own document files (workspace, context) as a whole.
#include "app/documents/StoredFile.h"

#include "foundation/AttContainer.h"
#include "foundation/XmlErrorReporter.h"

#include <system_error>

namespace morvane {

bool loadStoredFile(CAttContainer &object, const std::filesystem::path &file,
                    const std::string &rootName, std::string &error)
{
    if (object.LoadFromFile(file, rootName, &error) != 0)
        return false;
    const std::vector<std::string> &problems = GetXmlErrorReporter().GetMessages();
    if (!problems.empty()) {
        error = file.string() + ": " + problems.front();
        return false;
    }
    error.clear();
    return true;
}

bool saveStoredFile(CAttContainer &object, const std::filesystem::path &file,
                    const std::string &rootName, std::string &error)
{
    const std::filesystem::path folder = file.parent_path();
    std::error_code ignored;
    if (!folder.empty())
        std::filesystem::create_directories(folder, ignored);
    return object.SaveToFile(file, rootName, &error) == 0;
}

} // namespace morvane
