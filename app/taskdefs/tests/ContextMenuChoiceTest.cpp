// Morvane interactive tasks, tests.
// The context menu chosen for each kind of active object.
#include "app/taskdefs/ContextMenuChoice.h"

#include <gtest/gtest.h>

using namespace morvane;

namespace {

struct MenuCase
{
    const char *name;
    PopupMenuSubject subject;
    uint32_t menu;
};

constexpr MenuCase kMenuCases[] = {
    {"nothing active", {.kind = 0}, 4012},
    {"mask centre", {.kind = 8}, 4012},
    {"mask pattern, points", {.kind = 1, .selectionMode = 1, .maskPattern = true}, 4015},
    {"input pattern, points", {.kind = 1, .selectionMode = 1, .inputPatternPasses = true}, 153},
    {"mask pattern", {.kind = 1, .selectionMode = 0, .maskPattern = true}, 4014},
    {"mask pattern, mode 2", {.kind = 1, .selectionMode = 2, .maskPattern = true}, 4014},
    {"input pattern", {.kind = 1, .selectionMode = 0, .inputPatternPasses = true}, 4010},
    {"input pattern failing its test", {.kind = 1, .selectionMode = 1}, 0},
    {"input pattern failing its test, mode 0", {.kind = 1}, 0},
    {"grade region", {.kind = 3}, 4011},
    {"regions only", {.kind = 11, .onlyRegions = true}, 4025},
    {"a pattern among the selection", {.kind = 11, .onlyRegions = false}, 4024},
    {"pivot point", {.kind = 2}, 0},
    {"region edge", {.kind = 4}, 0},
    {"region handle", {.kind = 7}, 0},
    {"polyline", {.kind = 9}, 0},
    {"point", {.kind = 10}, 0},
    {"beyond the kinds", {.kind = 12}, 0},
};

} // namespace

TEST(ContextMenuChoiceTest, ChoosesTheMenuOfTheActiveObject)
{
    for (const MenuCase &row : kMenuCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(choosePopupMenu(row.subject), row.menu);
    }
}
