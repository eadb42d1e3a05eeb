// Morvane panels and grids, tests.
// Pasted text split into the fields of cells.
#include "app/panels/grid/GridClipboardText.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::vector<std::string>>;

struct PasteCase
{
    const char *text;
    Lines lines;
};

// Commas separate fields only in lines without tabs; blanks and carriage returns are trimmed.
const PasteCase kPasteCases[] = {
    {"a\tb\nc\td", {{"a", "b"}, {"c", "d"}}},
    {"1,2", {{"1", "2"}}},
    {"1\t2", {{"1", "2"}}},
    {"x\r\ny\r\n", {{"x"}, {"y"}}},
    {"12, 5\tnext", {{"12, 5", "next"}}},
    {"a\n\nb", {{"a"}, {}, {"b"}}},
    {" a ,\t", {{"a ,", ""}}},
    {"", {}},
};

} // namespace

TEST(GridClipboardTextTest, SplitsLinesAndFields)
{
    for (const auto &row : kPasteCases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(splitPastedText(row.text), row.lines);
    }
}
