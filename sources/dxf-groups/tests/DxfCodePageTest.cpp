// Morvane DXF group reading tests.
// Texts of a DXF file in its code page: shown as UTF-8, and UTF-8 text in the file's bytes.
#include "sources/dxf-groups/DxfCodePage.h"

#include <gtest/gtest.h>

using morvane::DxfCodePage;

namespace {

struct CodePageCase
{
    const char *name;
    const char *dwgCodePage;
    bool textsAreUtf8;
    std::string bytes;
    std::string shown;
};

const CodePageCase kCases[] = {
    {"Korean", "ANSI_949", false, "\xBE\xD5\xC6\xC7", "\uC55E\uD310"},
    {"Chinese, with second bytes | and \\", "ANSI_936", false, "\x89\x7C\x83\x7C\x81\x5C",
     "\u588A\u5104\u4E57"},
    {"Japanese", "ANSI_932", false, "\x83\x41", "\u30A2"},
    {"named in another case, with blanks", " ansi_949 ", false, "\xC1\xDF", "\uC911"},
    {"Windows-1252 named", "ANSI_1252", false, "\xC4rmel \x80", "\u00C4rmel \u20AC"},
    {"Windows-1252, its unused bytes too", "", false, "\x81\x8D\x8F\x90\x9D",
     "\u0081\u008D\u008F\u0090\u009D"},
    {"none named, UTF-8 throughout", "", true, "\xC3\x84rmel", "\u00C4rmel"},
    {"UTF-8 named", "UTF-8", false, "\xC3\x84rmel", "\u00C4rmel"},
    {"a code page it does not know", "ANSI_4711", false, "\xC4", "\u00C4"},
};

} // namespace

TEST(DxfCodePageTest, ShowsTheBytesOfTheCodePageAndGivesThemBack)
{
    for (const CodePageCase &row : kCases) {
        SCOPED_TRACE(row.name);
        const DxfCodePage codePage(row.dwgCodePage, row.textsAreUtf8);
        EXPECT_EQ(codePage.toUtf8(row.bytes), row.shown);
        EXPECT_EQ(codePage.fromUtf8(row.shown), row.bytes);
        EXPECT_TRUE(morvane::isValidUtf8(codePage.toUtf8(row.bytes)));
    }
}

TEST(DxfCodePageTest, ReplacesWhatTheCodePageLacks)
{
    // A lone first byte of a Korean character shows as U+FFFD.
    EXPECT_EQ(DxfCodePage("ANSI_949").toUtf8("A\xBE"), "A\uFFFD");
    // Characters that the code page lacks are written as "?".
    EXPECT_EQ(DxfCodePage("ANSI_949").fromUtf8("\u00C4\u0E01"), "??");
    EXPECT_EQ(DxfCodePage("ANSI_1252").fromUtf8("\uC911 M"), "? M");
    // Invalid UTF-8 typed is taken character by character.
    EXPECT_EQ(DxfCodePage("", true).fromUtf8("a\xFF"), "a\uFFFD");
    EXPECT_EQ(DxfCodePage().toUtf8("plain"), "plain");
}
