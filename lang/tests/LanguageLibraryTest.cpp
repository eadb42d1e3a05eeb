// Morvane language resources, tests.
// Loading the language library by name, its fallbacks and its texts.
#include "lang/LanguageLibrary.h"

#include "LanguageFolder.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {


struct LoadCase
{
    const char *code;
    const char *expectedFile;
    const char *expectedTitle;
};

// A code whose library is missing, or is no language library, falls back to the English one.
constexpr LoadCase kLoadCases[] = {
    {"", "MorvaneLang.so", "Morvane"},
    {"T1", "MorvaneLang_T1.so", "Morvane T1"},
    {"ZZ", "MorvaneLang.so", "Morvane"},
    {"XX", "MorvaneLang.so", "Morvane"},
};

} // namespace

TEST(LanguageLibraryTest, LoadsByCodeAndFallsBackWithoutCode)
{
    for (const auto &row : kLoadCases) {
        SCOPED_TRACE(row.code);
        CLanguageLibrary library;
        ASSERT_TRUE(library.LoadLanguageLibrary(languageFolder(), row.code));
        EXPECT_EQ(library.GetLoadedFile(), languageFolder() / row.expectedFile);
        EXPECT_EQ(library.GetString(57344), row.expectedTitle);
        EXPECT_EQ(CLanguageLibrary::GetCurrent(), &library);
    }
    EXPECT_EQ(CLanguageLibrary::GetCurrent(), nullptr);
}

TEST(LanguageLibraryTest, FailsWithReasonWhenNoLibraryLoads)
{
    const TemporaryFolder empty("morvane-lang");
    CLanguageLibrary library;
    EXPECT_FALSE(library.LoadLanguageLibrary(empty.path(), "DE"));
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_NE(library.GetFailureReason().find("MorvaneLang_DE.so"), std::string::npos);
    EXPECT_NE(library.GetFailureReason().find("MorvaneLang.so"), std::string::npos);
    EXPECT_STREQ(CLanguageLibrary::kLoadFailedMessage, "Failed to load language resources!");
    EXPECT_EQ(CLanguageLibrary::GetCurrent(), nullptr);
}

TEST(LanguageLibraryTest, FreeingForgetsTheTextsAndTheCurrentLibrary)
{
    CLanguageLibrary library;
    EXPECT_FALSE(library.FreeLanguageLibrary());
    ASSERT_TRUE(library.LoadLanguageLibrary(languageFolder(), ""));
    EXPECT_TRUE(library.FreeLanguageLibrary());
    EXPECT_EQ(library.GetString(57344), "");
    EXPECT_EQ(CLanguageLibrary::GetCurrent(), nullptr);
}

TEST(LanguageLibraryTest, AnswersDialogTextsByControl)
{
    CLanguageLibrary library;
    ASSERT_TRUE(library.LoadLanguageLibrary(languageFolder(), ""));
    const DialogTemplate page = library.GetDialog(106);
    EXPECT_EQ(page.m_sCaption, "Directories");
    ASSERT_NE(page.FindItem(4061), nullptr);
    EXPECT_EQ(page.FindItem(4061)->m_sText, "Mask files");
    EXPECT_EQ(page.FindItem(9999), nullptr);
    EXPECT_TRUE(library.GetDialog(9999).m_aItems.empty());
    EXPECT_EQ(library.GetString(1), "");
}

TEST(LanguageLibraryTest, ImagesAreKeptByIdAndOptional)
{
    CLanguageLibrary library;
    ASSERT_TRUE(library.LoadLanguageLibrary(languageFolder(), ""));
    const LanguageImageData *cursor = library.GetImage(4010);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->m_sData.rfind("/* XPM */", 0), 0u);
    EXPECT_EQ(cursor->m_nHotX, 15);
    EXPECT_EQ(library.GetImage(1), nullptr);

    ASSERT_TRUE(library.LoadLanguageLibrary(languageFolder(), "T1"));
    EXPECT_EQ(library.GetImage(4010), nullptr);
    library.FreeLanguageLibrary();
    EXPECT_EQ(library.GetImage(4010), nullptr);
}
