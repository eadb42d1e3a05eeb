// Morvane documents and start-up, tests.
// The program's options and the framework's switches read from the command line.
#include "app/documents/MorvaneCommandLineInfo.h"

#include "TemporaryFolder.h"

#include <fstream>

#include <gtest/gtest.h>

namespace {

struct CommandLineCase
{
    const char *name;
    std::vector<std::string> arguments;
    std::string launchMode;
    std::string startPath;
    bool registerFlag;
    std::string languageCode;
    bool embedded;
    bool automated;
    CCommandLineInfo::ShellCommand shellCommand;
    std::string fileName;
};

const CommandLineCase kCases[] = {
    {"launch mode keeps its case", {"-LClientProgram"}, "ClientProgram", "", false, "", false,
     false, CCommandLineInfo::FileNew, ""},
    {"language code", {"/gES"}, "", "", false, "ES", false, false, CCommandLineInfo::FileNew, ""},
    {"the last of two wins", {"-gDE", "-Gfr"}, "", "", false, "fr", false, false,
     CCommandLineInfo::FileNew, ""},
    {"start path", {"-pC:\\Masks"}, "", "C:\\Masks", false, "", false, false,
     CCommandLineInfo::FileNew, ""},
    {"any flag starting with r registers", {"/RegServer"}, "", "", true, "", false, false,
     CCommandLineInfo::FileNew, ""},
    {"register, then a file", {"-register", "a.msk"}, "", "", true, "", false, false,
     CCommandLineInfo::FileOpen, "a.msk"},
    {"embedding is the framework's alone", {"-Embedding"}, "", "", false, "", true, false,
     CCommandLineInfo::FileNew, ""},
    {"automation is the framework's alone", {"/Automation"}, "", "", false, "", false, true,
     CCommandLineInfo::FileNew, ""},
    {"a bare p prints and leaves the path empty", {"-p", "a.msk"}, "", "", false, "", false, false,
     CCommandLineInfo::FilePrint, "a.msk"},
    {"pt is the framework's print-to and a path t", {"-pt", "a.msk", "printer"}, "", "t", false, "",
     false, false, CCommandLineInfo::FilePrintTo, "a.msk"},
    {"a plain argument is the file to open", {"b.msk"}, "", "", false, "", false, false,
     CCommandLineInfo::FileOpen, "b.msk"},
    {"an unknown flag changes nothing", {"-x", "-dde"}, "", "", false, "", false, false,
     CCommandLineInfo::FileDDE, ""},
};

CMorvaneCommandLineInfo parse(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "morvane");
    CMorvaneCommandLineInfo info;
    ParseCommandLine(arguments, info);
    return info;
}

} // namespace

TEST(MorvaneCommandLineInfoTest, ReadsOptionsAndFrameworkSwitches)
{
    for (const auto &row : kCases) {
        SCOPED_TRACE(row.name);
        const CMorvaneCommandLineInfo info = parse(row.arguments);
        EXPECT_EQ(info.m_sLaunchMode, row.launchMode);
        EXPECT_EQ(info.m_sStartPath, row.startPath);
        EXPECT_EQ(info.m_bRegister, row.registerFlag);
        EXPECT_EQ(info.m_sLanguageCode, row.languageCode);
        EXPECT_EQ(info.m_bRunEmbedded, row.embedded);
        EXPECT_EQ(info.m_bRunAutomated, row.automated);
        EXPECT_EQ(info.m_nShellCommand, row.shellCommand);
        EXPECT_EQ(info.m_strFileName, row.fileName);
    }
}

TEST(MorvaneCommandLineInfoTest, PrintToTakesPrinterDriverAndPort)
{
    const CMorvaneCommandLineInfo info = parse({"-pt", "a.msk", "printer", "driver", "port"});
    EXPECT_EQ(info.m_strPrinterName, "printer");
    EXPECT_EQ(info.m_strDriverName, "driver");
    EXPECT_EQ(info.m_strPortName, "port");
}

TEST(MorvaneCommandLineInfoTest, AnExistingAbsolutePathIsAFileNotAFlag)
{
    const TemporaryFolder folder("morvane-command-line");
    const auto file = folder / "regions.msk";
    std::ofstream(file) << "<mask/>";

    const CMorvaneCommandLineInfo info = parse({file.string(), "/lClient"});
    EXPECT_EQ(info.m_strFileName, file.string());
    EXPECT_FALSE(info.m_bRegister);
    EXPECT_EQ(info.m_sLaunchMode, "Client");
}

TEST(MorvaneCommandLineInfoTest, MatchOptionClearsTheValueOnAMiss)
{
    std::string value = "old";
    EXPECT_FALSE(CMorvaneCommandLineInfo::MatchOption("g", "lDE", value));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(CMorvaneCommandLineInfo::MatchOption("G", "gDE", value));
    EXPECT_EQ(value, "DE");
}
