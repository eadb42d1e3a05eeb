// Morvane interactive tasks.
// Which context menu fits the active object.
#include "app/taskdefs/ContextMenuChoice.h"

namespace morvane {

namespace {

constexpr uint32_t kNothingMenu = 4012;
constexpr uint32_t kMaskPatternMenu = 4014;
constexpr uint32_t kInputPatternMenu = 4010;
constexpr uint32_t kMaskPatternPointsMenu = 4015;
constexpr uint32_t kInputPatternPointsMenu = 153;
constexpr uint32_t kRegionMenu = 4011;
constexpr uint32_t kRegionsMenu = 4025;
constexpr uint32_t kSelectionMenu = 4024;

uint32_t patternMenu(const PopupMenuSubject &subject)
{
    // Selection mode 1 picks the pattern's points.
    const bool points = subject.selectionMode == 1;
    if (subject.maskPattern)
        return points ? kMaskPatternPointsMenu : kMaskPatternMenu;
    if (subject.inputPatternPasses)
        return points ? kInputPatternPointsMenu : kInputPatternMenu;
    return 0;
}

} // namespace

uint32_t choosePopupMenu(const PopupMenuSubject &subject)
{
    switch (subject.kind) {
    case 0:
    case 8:
        return kNothingMenu;
    case 1:
        return patternMenu(subject);
    case 3:
        return kRegionMenu;
    case 11:
        return subject.onlyRegions ? kRegionsMenu : kSelectionMenu;
    default:
        return 0;
    }
}

} // namespace morvane
