// Morvane Larkweft options library, tests.
// Options declared in sections, read from and written to their INI file.
#include "platform/larkweft/Larkweft.h"

#include "ScopedLocale.h"
#include "TemporaryFolder.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

/// A few options of every type in two sections.
class SampleOptions : public CLarkweft
{
public:
    explicit SampleOptions(const std::filesystem::path &file) : CLarkweft(file)
    {
        SetSection("COLORS");
        AddOption("BKGRDWORKAREA", int32_t(0xFFFFFF), m_pColour, 4001, OCT_COLOUR_BUTTON, 3, 4013);
        AddOption("SHOW_BKGRDREGION", true, m_pShow, 4019, OCT_CHECK_BOX, 3, 0);
        SetSection("ASSOCIATIONS");
        AddOption("SHIFT_FACTOR", 0.5, m_pFactor, 12044, OCT_EDIT, 3, 0);
        AddOption("MAX_SHAPE_ERROR", 15.0, m_pError, 1218, OCT_EDIT, 3, 0);
        m_pError->SetRange(0.0, 100.0);
        AddOption("MASK_FILES_PATH", std::string(), m_pPath, 4061, OCT_FOLDER, 1, 4062, 0);
    }

    IOptionInt *m_pColour = nullptr;
    IOptionBool *m_pShow = nullptr;
    IOptionDouble *m_pFactor = nullptr;
    IOptionDouble *m_pError = nullptr;
    IOptionString *m_pPath = nullptr;
};

std::string readFile(const std::filesystem::path &file)
{
    std::ifstream input(file);
    std::ostringstream text;
    text << input.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path &file, const std::string &text)
{
    std::ofstream(file) << text;
}

} // namespace

TEST(LarkweftTest, MissingFileKeepsDefaultsAndWritesNothing)
{
    const TemporaryFolder folder("larkweft");
    SampleOptions options(folder / "MORVANE.INI");
    EXPECT_TRUE(options.LoadFromIni());
    EXPECT_EQ(options.m_pColour->GetValue(), 0xFFFFFF);
    EXPECT_TRUE(options.m_pShow->GetValue());
    EXPECT_DOUBLE_EQ(options.m_pFactor->GetValue(), 0.5);
    EXPECT_EQ(options.m_pPath->GetValue(), "");
    EXPECT_FALSE(std::filesystem::exists(folder / "MORVANE.INI"));
}

TEST(LarkweftTest, ValuesSurviveSaveAndLoadInAnyLocale)
{
    const ScopedLocale german("de_DE.UTF-8");
    const TemporaryFolder folder("larkweft");
    const auto file = folder / "config" / "MORVANE.INI";
    {
        SampleOptions options(file);
        options.m_pColour->SetValue(0x0080FF);
        options.m_pShow->SetValue(false);
        options.m_pFactor->SetValue(-2.25);
        options.m_pPath->SetValue("/home/cutter/masks, spring");
        ASSERT_TRUE(options.SaveToIni()) << options.GetLastError();
    }
    const std::string text = readFile(file);
    EXPECT_NE(text.find("[ASSOCIATIONS]"), std::string::npos) << text;
    EXPECT_NE(text.find("SHIFT_FACTOR=-2.25"), std::string::npos) << text;
    EXPECT_NE(text.find("BKGRDWORKAREA=33023"), std::string::npos) << text;

    SampleOptions reloaded(file);
    ASSERT_TRUE(reloaded.LoadFromIni()) << reloaded.GetLastError();
    EXPECT_EQ(reloaded.m_pColour->GetValue(), 0x0080FF);
    EXPECT_FALSE(reloaded.m_pShow->GetValue());
    EXPECT_DOUBLE_EQ(reloaded.m_pFactor->GetValue(), -2.25);
    EXPECT_EQ(reloaded.m_pPath->GetValue(), "/home/cutter/masks, spring");
}

TEST(LarkweftTest, RefusedValuesKeepDefaultsAndTheFileIsKeptAside)
{
    const TemporaryFolder folder("larkweft");
    const auto file = folder / "MORVANE.INI";
    const std::string damaged = "[COLORS]\nBKGRDWORKAREA=white\nSHOW_BKGRDREGION=0\n"
                                "UNKNOWN_KEY=7\n[ASSOCIATIONS]\nMAX_SHAPE_ERROR=150\n"
                                "SHIFT_FACTOR=0.75\n";
    writeFile(file, damaged);

    SampleOptions options(file);
    EXPECT_FALSE(options.LoadFromIni());
    EXPECT_EQ(options.m_pColour->GetValue(), 0xFFFFFF);
    EXPECT_DOUBLE_EQ(options.m_pError->GetValue(), 15.0);
    EXPECT_FALSE(options.m_pShow->GetValue());
    EXPECT_DOUBLE_EQ(options.m_pFactor->GetValue(), 0.75);

    const std::string &error = options.GetLastError();
    EXPECT_NE(error.find(file.string()), std::string::npos) << error;
    EXPECT_NE(error.find("[COLORS] BKGRDWORKAREA = \"white\": not a whole number"),
              std::string::npos)
        << error;
    EXPECT_NE(error.find("MAX_SHAPE_ERROR = \"150\": not between 0 and 100"), std::string::npos)
        << error;
    EXPECT_EQ(readFile(folder / "MORVANE.INI.damaged"), damaged);

    SampleOptions again(file);
    EXPECT_FALSE(again.LoadFromIni());
    EXPECT_EQ(readFile(folder / "MORVANE.INI.damaged-2"), damaged);

    ASSERT_TRUE(again.SaveToIni());
    EXPECT_NE(readFile(file).find("UNKNOWN_KEY=7"), std::string::npos);
}

TEST(LarkweftTest, SavingIntoAnUnwritablePlaceNamesTheFile)
{
    const TemporaryFolder folder("larkweft");
    writeFile(folder / "not-a-folder", "");
    SampleOptions options(folder / "not-a-folder" / "MORVANE.INI");
    EXPECT_FALSE(options.SaveToIni());
    EXPECT_NE(options.GetLastError().find("not-a-folder/MORVANE.INI"), std::string::npos)
        << options.GetLastError();
}

TEST(LarkweftTest, RelativeNamesLiveInTheConfigFolder)
{
    const TemporaryFolder folder("larkweft");
    setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    EXPECT_EQ(CLarkweft::GetConfigFolder(), folder / "morvane");
    EXPECT_EQ(SampleOptions("MORVANE.INI").GetFilePath(), folder / "morvane" / "MORVANE.INI");
    unsetenv("XDG_CONFIG_HOME");
}

TEST(LarkweftTest, DoubleRangeBoundsSetValueAndText)
{
    const TemporaryFolder folder("larkweft");
    SampleOptions options(folder / "MORVANE.INI");
    options.m_pError->SetValue(250.0);
    EXPECT_DOUBLE_EQ(options.m_pError->GetValue(), 100.0);
    EXPECT_EQ(options.m_pError->CheckText("-1"), "not between 0 and 100");
    EXPECT_EQ(options.m_pError->CheckText("12,5"), "not a number");
    EXPECT_EQ(options.m_pError->CheckText(" 12.5 "), "");
}

TEST(LarkweftTest, AFileNotInIniFormKeepsEveryDefaultAndIsKeptAside)
{
    const TemporaryFolder folder("larkweft");
    const auto file = folder / "MORVANE.INI";
    const std::string damaged = "[COLORS\nBKGRDWORKAREA=255\nSHOW_BKGRDREGION\n";
    writeFile(file, damaged);

    SampleOptions options(file);
    EXPECT_FALSE(options.LoadFromIni());
    EXPECT_EQ(options.m_pColour->GetValue(), 0xFFFFFF);
    EXPECT_NE(options.GetLastError().find("MORVANE.INI: the file is not in INI form"),
              std::string::npos)
        << options.GetLastError();
    EXPECT_NE(options.GetLastError().find("MORVANE.INI.damaged"), std::string::npos);
    EXPECT_EQ(readFile(folder / "MORVANE.INI.damaged"), damaged);
    EXPECT_EQ(readFile(file), damaged) << "loading never rewrites the file";
}
