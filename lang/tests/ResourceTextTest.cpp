// Morvane language resources, tests.
// Texts filled by position, and no text of a language library that printf could misread.
#include "lang/ResourceText.h"

#include "lang/LanguageLibrary.h"
#include "lang/LanguageTables.h"
#include "LanguageFolder.h"

#include <cctype>
#include <dlfcn.h>
#include <filesystem>
#include <string_view>

#include <gtest/gtest.h>

using morvane::fillArguments;

namespace {


struct FillCase
{
    const char *name;
    const char *text;
    std::initializer_list<std::string_view> arguments;
    const char *expected;
};

const FillCase kFillCases[] = {
    {"in order", "Point %1 of %2", {"P3", "7"}, "Point P3 of 7"},
    {"out of order and twice", "%2, %1, %2", {"a", "b"}, "b, a, b"},
    {"a missing argument keeps its marker", "Move %1 to %2", {"P3"}, "Move P3 to %2"},
    {"no arguments", "Move %1", {}, "Move %1"},
    {"printf codes stay text", "%s %d %1%%", {"x"}, "%s %d x%%"},
    {"a lone percent", "100% of %1 [%]", {"it"}, "100% of it [%]"},
    {"a marker inside an argument is not filled", "%1 and %2", {"%2", "b"}, "%2 and b"},
    {"%0 names no argument", "%0%1", {"a"}, "%0a"},
    {"the longest number naming an argument",
     "%12|%1",
     {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "twelve"},
     "twelve|1"},
    {"digits after the last argument stay", "%12", {"a", "b"}, "a2"},
    {"a percent at the end", "50%", {"a"}, "50%"},
};

/// The first printf conversion in text ("%s", "%-5.2f", "%ld", "%%" ...), or an empty view.
std::string_view findPrintfCode(std::string_view text)
{
    for (size_t percent = text.find('%'); percent != std::string_view::npos;
         percent = text.find('%', percent + 1)) {
        size_t i = percent + 1;
        while (i < text.size() && std::string_view("-+#0").find(text[i]) != std::string_view::npos)
            ++i;
        while (i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.'
                                   || text[i] == '*'))
            ++i;
        while (i < text.size() && std::string_view("hlLqjzt").find(text[i]) != std::string_view::npos)
            ++i;
        if (i < text.size() && std::string_view("diouxXeEfFgGaAcspn%").find(text[i]) != std::string_view::npos)
            return text.substr(percent, i - percent + 1);
    }
    return {};
}

/// Every text of the language library in the file: strings and dialog texts, each with a name
/// saying where it is.
std::vector<std::pair<std::string, std::string>> allTexts(const std::filesystem::path &file)
{
    std::vector<std::pair<std::string, std::string>> texts;
    void *handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return texts;
    auto strings = reinterpret_cast<LanguageStringsFunction>(::dlsym(handle, kLanguageStringsSymbol));
    auto dialogs = reinterpret_cast<LanguageDialogsFunction>(::dlsym(handle, kLanguageDialogsSymbol));
    size_t count = 0;
    const LanguageString *string = strings ? strings(&count) : nullptr;
    for (size_t i = 0; string && i < count; ++i)
        texts.emplace_back("string " + std::to_string(string[i].m_nId), string[i].m_pText);
    const LanguageDialogText *dialog = dialogs ? dialogs(&count) : nullptr;
    for (size_t i = 0; dialog && i < count; ++i)
        texts.emplace_back("dialog " + std::to_string(dialog[i].m_nDialogId) + " control "
                               + std::to_string(dialog[i].m_nControlId),
                           dialog[i].m_pText);
    ::dlclose(handle);
    return texts;
}

} // namespace

TEST(ResourceTextTest, FillsMarkersByPosition)
{
    for (const FillCase &row : kFillCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fillArguments(row.text, row.arguments), row.expected);
    }
}

TEST(ResourceTextTest, LoadsTextsOfTheCurrentLibrary)
{
    EXPECT_EQ(morvane::loadString(57344), "");
    CLanguageLibrary library;
    ASSERT_TRUE(library.LoadLanguageLibrary(languageFolder(), ""));
    EXPECT_EQ(morvane::loadString(57344), "Morvane");
    EXPECT_EQ(morvane::loadString(1), "");
}

TEST(ResourceTextTest, NoLanguageTextHoldsAPrintfCode)
{
    ASSERT_EQ(findPrintfCode("a %-5.2f b"), "%-5.2f");
    ASSERT_EQ(findPrintfCode("%%"), "%%");
    ASSERT_EQ(findPrintfCode("[%] %1"), "");
    for (const char *file : {"MorvaneLang.so", "MorvaneLang_T1.so"}) {
        const auto texts = allTexts(languageFolder() / file);
        ASSERT_FALSE(texts.empty()) << file;
        for (const auto &[where, text] : texts)
            EXPECT_EQ(findPrintfCode(text), "") << file << ", " << where << ": \"" << text << '"';
    }
}
