// Morvane foundation library tests.
// The archive: files, bad documents, the root and version, name maps and the load-error question.
#include "foundation/XmlArchive.h"

#include "SampleModel.h"
#include "ScopedLocale.h"
#include "TemporaryFolder.h"
#include "XmlTestSupport.h"
#include "foundation/XmlErrorReporter.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>

using namespace morvane;

namespace {

class XmlArchiveFileTest : public ::testing::Test
{
protected:
    std::filesystem::path write(const std::string &name, const std::string &contents) const
    {
        const std::filesystem::path file = m_folder / name;
        std::ofstream(file, std::ios::binary) << contents;
        return file;
    }

    const TemporaryFolder m_folder{"xml-archive-test"};
};

void fill(sample::Document &document)
{
    document.name = "Back";
    document.posX = -12.3456;
    auto pattern = std::make_unique<sample::Pattern>();
    pattern->name = "P";
    auto point = std::make_unique<sample::Point>();
    point->id = 3;
    point->x = 0.125;
    point->y = 1e6 / 7;
    pattern->mark = point.get();
    pattern->points.AddOwned(std::move(point));
    document.patterns.AddOwned(std::move(pattern));
    auto region = std::make_unique<sample::Region>();
    region->name = "R1";
    region->direction = 3.14159265;
    document.regions.AddOwned(std::move(region));
    document.settings.colour = 0xFFFFFFFF;
}

} // namespace

TEST(XmlArchiveTest, ReadsBackWhatWasSavedUnderAGermanLocale)
{
    const ScopedLocale german("de_DE.UTF-8");
    sample::Document document;
    fill(document);
    const std::string text = saveText(document);
    EXPECT_NE(text.find("<PosX>-12.346</PosX>"), std::string::npos) << text;
    EXPECT_NE(text.find("<RegDir>3.141593</RegDir>"), std::string::npos);

    sample::Document loaded;
    ASSERT_EQ(loadText(loaded, text), 0);
    EXPECT_EQ(loaded.posX, -12.346);
    EXPECT_EQ(loaded.settings.colour, 0xFFFFFFFFu);
    const sample::Point *point = loaded.patterns.GetAt(0)->points.GetAt(0);
    EXPECT_EQ(point->id, 3);
    EXPECT_EQ(point->x, 0.125);
    EXPECT_EQ(loaded.patterns.GetAt(0)->mark, point);
    EXPECT_EQ(saveText(loaded), text);
}

TEST(XmlArchiveTest, GivesTheRootNameAndVersion)
{
    CXmlArchive archive;
    std::string root = "unset";
    std::string version = "unset";
    EXPECT_FALSE(archive.SelectRoot("Version", root, version)) << "nothing loaded";
    ASSERT_TRUE(archive.LoadFromText("<GradeMask Version=\"2121\"/>"));
    ASSERT_TRUE(archive.SelectRoot("Version", root, version));
    EXPECT_EQ(root, "GradeMask");
    EXPECT_EQ(version, "2121");
    ASSERT_TRUE(archive.LoadFromText("<Other/>"));
    ASSERT_TRUE(archive.SelectRoot("Version", root, version));
    EXPECT_EQ(root, "Other");
    EXPECT_EQ(version, "2121") << "no Version leaves the value unchanged";
}

TEST(XmlArchiveTest, KeepsOneNameMapPerElementName)
{
    CXmlArchive archive;
    sample::Point first;
    sample::Point second;
    EXPECT_EQ(archive.FindNameMap("Point"), nullptr);
    CXmlNameMap &points = archive.GetNameMap("Point");
    EXPECT_EQ(archive.FindNameMap("Point"), &points);
    EXPECT_EQ(archive.AddNumberedName(points, &first), "0");
    EXPECT_EQ(archive.AddNumberedName(points, &second), "1");
    EXPECT_EQ(CXmlArchive::LookupObject(points, "1"), &second);
    archive.RegisterObject(points, "1", &first);
    EXPECT_EQ(CXmlArchive::LookupObject(points, "1"), &first) << "replaced";
    EXPECT_EQ(CXmlArchive::LookupObject(points, "2"), nullptr);
    archive.Reset();
    EXPECT_EQ(archive.FindNameMap("Point"), nullptr);
}

TEST(XmlArchiveTest, FindsTheNameMapOfAConstantNameUntilReset)
{
    CXmlArchive archive;
    constexpr morvane::MemberName point = "Point";
    EXPECT_EQ(archive.FindConstantNameMap(point), nullptr);
    CXmlNameMap &points = archive.GetNameMap("Point");
    EXPECT_EQ(archive.FindConstantNameMap(point), &points) << "made after it was asked for";
    EXPECT_EQ(archive.FindConstantNameMap(point), &points);
    EXPECT_EQ(archive.FindConstantNameMap("Line"), nullptr);
    archive.Reset();
    EXPECT_EQ(archive.FindConstantNameMap(point), nullptr);
    CXmlNameMap &again = archive.GetNameMap("Point");
    EXPECT_EQ(archive.FindConstantNameMap(point), &again);
}

TEST(XmlArchiveTest, TellsGeneratedNamesFromLookalikes)
{
    const XmlNameHash hash;
    EXPECT_EQ(hash("0"), 0u);
    EXPECT_EQ(hash("2121"), 2121u);
    const std::hash<std::string_view> standard;
    for (const std::string_view name : {"", "12a", "-1", "Front 1", "123456789012345678901"})
        EXPECT_EQ(hash(name), standard(name)) << name;

    CXmlArchive archive;
    sample::Point first;
    sample::Point second;
    CXmlNameMap &points = archive.GetNameMap("Point");
    archive.RegisterObject(points, "7", &first);
    archive.RegisterObject(points, "007", &second);
    EXPECT_EQ(CXmlArchive::LookupObject(points, "7"), &first);
    EXPECT_EQ(CXmlArchive::LookupObject(points, "007"), &second);
    EXPECT_EQ(CXmlArchive::LookupObject(points, "07"), nullptr);
}

TEST(XmlArchiveTest, FormatsTheLoadErrorTexts)
{
    const struct
    {
        int code;
        const char *text;
    } rows[] = {
        {0, "Required attribute [Name] not found !"},
        {1, "Attribute [Name] loading failed !"},
        {2, "Internal error [2] !"},
        {4, "Reference [Name] not found !"},
        {5, "Missing runtime class [Name] "},
        {6, "Missing runtime attribute [Name] "},
        {7, "Internal error [7] !"},
    };
    CXmlErrorReporter &reporter = GetXmlErrorReporter();
    reporter.Reset();
    for (const auto &row : rows)
        reporter.Report(row.code, "Name");
    ASSERT_EQ(reporter.GetMessages().size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(reporter.GetMessages()[i], rows[i].text);
}

TEST(XmlArchiveTest, AsksNothingInQuietModeButKeepsTheTexts)
{
    const ScriptedQuestion question({XmlErrorAnswer::Abort});
    GetXmlErrorReporter().SetQuiet(true);
    sample::Document document;
    EXPECT_EQ(loadText(document, "<Example/>"), 0) << "quiet mode survives the load's reset";
    EXPECT_TRUE(question.asked.empty());
    EXPECT_EQ(GetXmlErrorReporter().GetMessages(),
              (std::vector<std::string>{"Required attribute [Version] not found !",
                                        "Required attribute [Name] not found !",
                                        "Required attribute [PosX] not found !"}));
}

TEST(XmlArchiveTest, ThrowsWithoutAskingOnceAborted)
{
    const ScriptedQuestion question({XmlErrorAnswer::Abort});
    CXmlErrorReporter &reporter = GetXmlErrorReporter();
    reporter.Reset();
    EXPECT_THROW(reporter.Report(0, "A"), XmlLoadFailure);
    EXPECT_THROW(reporter.Report(0, "B"), XmlLoadFailure);
    EXPECT_EQ(question.asked.size(), 1u);
    EXPECT_TRUE(reporter.IsAborted());
    reporter.Reset();
    EXPECT_FALSE(reporter.IsAborted());
}

TEST(XmlArchiveTest, ForgetsTheNamesOfAnEarlierLoad)
{
    const ScriptedQuestion question;
    sample::Document document;
    CXmlArchive archive;
    ASSERT_TRUE(archive.LoadFromText(R"(<Example Version="1"><Name/><PosX>0</PosX><Patterns>
        <Pattern PatternID="0"><sName>a</sName></Pattern>
        <Pattern PatternID="1"><sName>b</sName></Pattern></Patterns></Example>)"));
    ASSERT_EQ(archive.LoadObject(document, "Example"), 0);
    ASSERT_TRUE(archive.LoadFromText(R"(<Example Version="1"><Name/><PosX>0</PosX>
        <Favourite>1</Favourite><Patterns>
        <Pattern PatternID="0"><sName>a</sName></Pattern></Patterns></Example>)"));
    ASSERT_EQ(archive.LoadObject(document, "Example"), 0);
    EXPECT_EQ(document.favourite, nullptr) << "pattern 1 of the first load is deleted";
    EXPECT_EQ(document.patterns.GetCount(), 1);
}

TEST(XmlArchiveTest, FailsToLoadWithoutADocument)
{
    CXmlArchive archive;
    sample::Document document;
    EXPECT_EQ(archive.LoadObject(document, "Example"), 1);
    EXPECT_EQ(archive.GetLastError(), "XML text: no document to load from");
}

TEST_F(XmlArchiveFileTest, SavesAndLoadsAFile)
{
    sample::Document document;
    fill(document);
    const std::filesystem::path file = m_folder / "doc.xml";
    std::string error = "unset";
    ASSERT_EQ(document.SaveToFile(file, "Example", &error), 0);
    EXPECT_EQ(error, "");

    sample::Document loaded;
    CXmlArchive archive;
    ASSERT_EQ(archive.LoadObjectFromFile(file, loaded, "Example"), 0) << archive.GetLastError();
    EXPECT_EQ(saveText(loaded), saveText(document));
}

TEST_F(XmlArchiveFileTest, AnObjectLoadsItselfFromAFileWithItsRootName)
{
    sample::Document document;
    fill(document);
    const std::filesystem::path file = m_folder / "doc.xml";
    ASSERT_EQ(document.SaveToFile(file, "Example"), 0);

    sample::Document loaded;
    std::string error = "unset";
    ASSERT_EQ(loaded.LoadFromFile(file, "Example", &error), 0) << error;
    EXPECT_EQ(error, "");
    EXPECT_EQ(saveText(loaded), saveText(document));

    sample::Document other;
    other.name = "untouched";
    EXPECT_EQ(other.LoadFromFile(file, "GradeMask", &error), 1);
    EXPECT_EQ(error, file.string() + ": the root element is <Example>, not <GradeMask>");
    EXPECT_EQ(other.name, "untouched");

    const std::filesystem::path absent = m_folder / "absent.xml";
    EXPECT_EQ(other.LoadFromFile(absent, "Example", &error), 1);
    EXPECT_EQ(error.rfind(absent.string() + ": cannot open", 0), 0u) << error;
    EXPECT_EQ(other.LoadFromFile(absent, "Example"), 1) << "the reason is optional";
}

TEST_F(XmlArchiveFileTest, NamesTheFileWhenSavingFails)
{
    sample::Document document;
    const std::filesystem::path file = m_folder / "missing-folder" / "doc.xml";
    std::string error;
    EXPECT_EQ(document.SaveToFile(file, "Example", &error), 1);
    EXPECT_EQ(error.rfind(file.string() + ": cannot create a temporary file: ", 0), 0u) << error;
}

TEST_F(XmlArchiveFileTest, RefusesBadFilesCleanly)
{
    std::string deep = "<Example Version=\"1\"><Name/><PosX>0</PosX><Shapes>";
    for (int i = 0; i < 200; ++i)
        deep += "<Shape ClassName=\"SampleGroup\"><Shapes>";
    for (int i = 0; i < 200; ++i)
        deep += "</Shapes></Shape>";
    deep += "</Shapes></Example>";
    // A refused document loads nothing; a load that fails deep inside keeps what it read.
    const struct
    {
        const char *name;
        std::string contents;
        const char *reason;
        bool loadsNothing;
    } rows[] = {
        {"empty", "", ": line 1: the document is empty", true},
        {"truncated", "<Example Version=\"1\">\n<Name>a</Name>\n<PosX>1", ": line 3: ", true},
        {"not XML", "Name = front", ": line 1: no root element", true},
        {"wrong root", "<GradeMask Version=\"1\"/>", ": the root element is <GradeMask>", true},
        {"binary",
         std::string("\x7f"
                     "ELF\x02\x01\x00\x00<\xff\xfe",
                     11),
         ": line 1: ", true},
        {"deeply nested", deep, ": elements nested deeper than 256 levels", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::filesystem::path file = write("bad.msk", row.contents);
        sample::Document document;
        document.name = "untouched";
        CXmlArchive archive;
        EXPECT_EQ(archive.LoadObjectFromFile(file, document, "Example"), 1);
        EXPECT_EQ(archive.GetLastError().rfind(file.string() + row.reason, 0), 0u)
            << archive.GetLastError();
        if (row.loadsNothing) {
            EXPECT_EQ(document.name, "untouched");
        }
    }
}

TEST_F(XmlArchiveFileTest, NamesAFileThatCannotBeRead)
{
    sample::Document document;
    CXmlArchive archive;
    const std::filesystem::path file = m_folder / "absent.msk";
    EXPECT_EQ(archive.LoadObjectFromFile(file, document, "Example"), 1);
    EXPECT_EQ(archive.GetLastError(), file.string() + ": cannot open: No such file or directory");
}
