// Morvane language resources.
// The English menus and toolbars of the main window: which command each item and button runs,
// and the menu texts. A command's status-bar prompt and tool tip are its string resource.
#include "lang/LanguageTables.h"

#include <iterator>

namespace {

constexpr uint32_t kMainMenu = 128;

constexpr LanguageMenuItem kMenus[] = {
    {kMainMenu, 0, 0, "&File"},
    {kMainMenu, 1, 32961, "Open &AAMA style..."},
    {kMainMenu, 1, 32998, "Open &model file..."},
    {kMainMenu, 1, 0, nullptr},
    {kMainMenu, 1, 32997, "&Save grading..."},
    {kMainMenu, 1, 0, nullptr},
    {kMainMenu, 1, 32798, "E&xit"},
    {kMainMenu, 0, 0, "&Edit"},
    {kMainMenu, 1, 32954, "&Delete selection"},
    {kMainMenu, 1, 32958, "Edit &base formula..."},
    {kMainMenu, 0, 0, "&View"},
    {kMainMenu, 1, 0, "&Toolbars"},
    {kMainMenu, 2, 32792, "&Standard"},
    {kMainMenu, 2, 32829, "&Masks"},
    {kMainMenu, 2, 32791, "&Grading"},
    {kMainMenu, 2, 32888, "&Regions"},
    {kMainMenu, 2, 32911, "&Patterns"},
    {kMainMenu, 2, 33061, "&Associations"},
    {kMainMenu, 2, 33059, "Measurement &tables"},
    {kMainMenu, 2, 33060, "&View"},
    {kMainMenu, 1, 32790, "Status &bar"},
    {kMainMenu, 1, 32789, "P&ieces"},
    {kMainMenu, 1, 32787, "Measurement &tables"},
    {kMainMenu, 1, 32786, "P&roperties"},
    {kMainMenu, 1, 32830, "Point r&ules"},
    {kMainMenu, 1, 0, nullptr},
    {kMainMenu, 1, 32799, "Zoom &in"},
    {kMainMenu, 1, 32800, "Zoom &out"},
    {kMainMenu, 1, 32818, "Zoom &all"},
    {kMainMenu, 1, 32801, "Zoom to &selection"},
    {kMainMenu, 1, 0, nullptr},
    {kMainMenu, 1, 32805, "Names of &style points"},
    {kMainMenu, 1, 32985, "Names of mas&k points"},
    {kMainMenu, 1, 32835, "&Grade point markers"},
    {kMainMenu, 0, 0, "&Grading"},
    {kMainMenu, 1, 43121, "&New mask"},
    {kMainMenu, 1, 0, nullptr},
    {kMainMenu, 1, 32778, "&Recalculate"},
    {kMainMenu, 1, 32802, "&Show grading"},
    {kMainMenu, 0, 0, "&Tools"},
    {kMainMenu, 1, 32779, "&Options..."},
    {kMainMenu, 0, 0, "&Help"},
    {kMainMenu, 1, 57667, "&Help topics"},
    {kMainMenu, 1, 57664, "&About Morvane..."},
};

constexpr LanguageToolbarButton kToolbars[] = {
    {128, 32799}, {128, 32800}, {128, 0}, {128, 32818}, {128, 32801},
    {4002, 32778}, {4002, 32802},
    {4026, 43121},
    {176, 32805}, {176, 32985}, {176, 32835},
};

} // namespace

extern "C" const LanguageMenuItem *morvane_language_menus(size_t *count)
{
    *count = std::size(kMenus);
    return kMenus;
}

extern "C" const LanguageToolbarButton *morvane_language_toolbars(size_t *count)
{
    *count = std::size(kToolbars);
    return kToolbars;
}
