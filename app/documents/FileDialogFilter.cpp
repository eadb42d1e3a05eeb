// Morvane program documents.
// The file types a file dialog offers, named by the language library.
#include "app/documents/FileDialogFilter.h"

#include "lang/ResourceText.h"

namespace morvane {

std::string fileDialogFilter(uint32_t typeTextId, std::string_view patterns)
{
    const std::string pattern(patterns);
    return loadString(typeTextId) + " (" + pattern + ")|" + pattern + "|" +
           loadString(kAllFilesText) + " (*.*)|*.*||";
}

} // namespace morvane
