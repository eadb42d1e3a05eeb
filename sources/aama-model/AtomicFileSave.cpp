// Morvane AAMA grade model.
// Saving a file through a temporary file beside it.
#include "sources/aama-model/AtomicFileSave.h"

#include "foundation/TextFormat.h"
#include "platform/scrivel/FileReplace.h"

#include <cstring>

namespace morvane {

void saveFileAtomically(const std::filesystem::path &path, std::string_view content,
                        std::string_view cannotCreate)
{
    const auto failure = replaceFile(path, content);
    if (!failure)
        return;
    const bool created = failure->step != FileReplaceFailure::Step::CreateTemporary;
    const std::string words(created ? std::string_view("Can not write file") : cannotCreate);
    throw FileSaveError(
        format("%s %s: %s", words.c_str(), path.c_str(), std::strerror(failure->code)));
}

} // namespace morvane
