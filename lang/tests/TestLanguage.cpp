// Morvane language resources, tests.
// A second language library with a text of its own.
#include "lang/LanguageTables.h"

#include <iterator>

namespace {

constexpr LanguageString kStrings[] = {{57344, "Morvane T1"}};
constexpr LanguageDialogText kDialogs[] = {{106, 0, "Folders T1"}};

} // namespace

extern "C" const LanguageString *morvane_language_strings(size_t *count)
{
    *count = std::size(kStrings);
    return kStrings;
}

extern "C" const LanguageDialogText *morvane_language_dialogs(size_t *count)
{
    *count = std::size(kDialogs);
    return kDialogs;
}
