// Morvane program foundation extras.
// A path that a stored file names, found on this system.
#include "app/extras/StoredPath.h"

#include "foundation/NameCompare.h"

#include <cctype>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

/// The stored text with "\" as "/" and without a drive ("C:").
static fs::path withoutWindowsForm(std::string_view stored)
{
    std::string text(stored);
    for (char &c : text) {
        if (c == '\\')
            c = '/';
    }
    if (text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0])))
        text.erase(0, 2);
    return text;
}

static bool isExistingFile(const fs::path &path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

fs::path FindFileIgnoringCase(const fs::path &folder, const fs::path &name)
{
    const fs::path exact = folder / name;
    if (isExistingFile(exact))
        return exact;
    std::error_code error;
    fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
    if (error)
        return {};
    const std::string wanted = name.string();
    for (const fs::directory_entry &entry : entries) {
        if (morvane::equalsNoCase(entry.path().filename().string(), wanted) &&
            isExistingFile(entry.path()))
            return folder / entry.path().filename();
    }
    return {};
}

fs::path ResolveStoredPath(std::string_view stored, const fs::path &referringFile)
{
    if (stored.empty())
        return {};
    fs::path path = withoutWindowsForm(stored);
    const fs::path referringFolder = referringFile.parent_path();
    if (path.is_relative())
        path = referringFolder / path;
    if (isExistingFile(path) || !path.has_filename())
        return path;
    for (const fs::path &folder : {path.parent_path(), referringFolder}) {
        fs::path found = FindFileIgnoringCase(folder, path.filename());
        if (!found.empty())
            return found;
    }
    return path;
}

static std::string canonicalText(const fs::path &path)
{
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(fs::absolute(path, error), error);
    return error ? path.lexically_normal().string() : canonical.string();
}

bool IsSameFileIgnoringCase(const fs::path &a, const fs::path &b)
{
    if (a.empty() || b.empty())
        return a.empty() && b.empty();
    return morvane::equalsNoCase(canonicalText(a), canonicalText(b));
}
