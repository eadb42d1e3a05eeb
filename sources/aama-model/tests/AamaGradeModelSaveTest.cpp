// Morvane AAMA grade model tests.
// Saving graded patterns: AAMA DXF with its RUL grade rules, the target asked of the provider,
// repeated saves, and every way a save can fail.
#include "AamaDxfSamples.h"
#include "ScopedLocale.h"
#include "TestFiles.h"
#include "foundation/TextFormat.h"
#include "sources/aama-model/AamaGradeModel.h"
#include "sources/aama-model/SizeCombinations.h"
#include "sources/grade-model/testing/FakeGradeData.h"

#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class AamaGradeModelSaveTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(m_model.Load(dataPath("three-sizes.dxf")), GM_NO_ERROR);
        m_model.OnAttach(&m_data);
        m_model.BeginGrading();
    }

    // Saves to name in the scratch folder.
    GM_ERROR saveAs(const std::string &name)
    {
        m_target = m_folder / name;
        return m_model.Save();
    }

    ScratchFolder m_folder;
    std::optional<fs::path> m_target;
    std::vector<morvane::SaveFileRequest> m_requests;
    morvane::FakeGradeData m_data{{{{"S", "M", "L"}, 1}}};
    CAamaGradeModel m_model{[this](const morvane::SaveFileRequest &request) {
                                m_requests.push_back(request);
                                return m_target;
                            },
                            fixedClock};
};

} // namespace

TEST_F(AamaGradeModelSaveTest, WritesDxfAndRulEqualToGoldenFiles)
{
    const ScopedLocale german("de_DE.UTF-8");
    ASSERT_TRUE(german.isActive());
    gradeEveryPoint(m_model, m_data);
    ASSERT_EQ(saveAs("shirt.dxf"), GM_NO_ERROR);

    EXPECT_EQ(m_folder.content(), (std::vector<std::string>{"shirt.RUL", "shirt.dxf"}));
    for (const char *name : {"shirt.dxf", "shirt.RUL"}) {
        SCOPED_TRACE(name);
        const std::string expected = readFile(dataPath(name));
        ASSERT_FALSE(expected.empty());
        const std::string actual = readFile(m_folder / name);
        EXPECT_TRUE(actual == expected) << firstDifference(actual, expected);
    }
}

TEST_F(AamaGradeModelSaveTest, ListsEverySizeCombinationOfTwoTablesFourToALine)
{
    m_data.addTable({"R", "T"}, 0);
    m_model.BeginGrading();
    gradeEveryPoint(m_model, m_data);
    ASSERT_EQ(saveAs("shirt.dxf"), GM_NO_ERROR);

    const std::string expected = readFile(dataPath("shirt-two-tables.RUL"));
    ASSERT_FALSE(expected.empty());
    const std::string actual = readFile(m_folder / "shirt.RUL");
    EXPECT_TRUE(actual == expected) << firstDifference(actual, expected);
}

TEST_F(AamaGradeModelSaveTest, EndsAFullLineOfValuesOnceWhenNoValueFollows)
{
    morvane::FakeGradeData fourSizes({{{"S", "M", "L", "XL"}, 1}});
    m_model.OnAttach(&fourSizes);
    m_model.BeginGrading();
    ASSERT_EQ(saveAs("four.dxf"), GM_NO_ERROR);

    const std::string rul = readFile(m_folder / "four.RUL");
    std::string unmoved;
    for (int i = 0; i < 4; ++i)
        unmoved += "      0.00,     0.00";
    EXPECT_NE(rul.find("NUMBER OF SIZES: 4\r\n"), std::string::npos);
    EXPECT_NE(rul.find("RULE: DELTA 1\r\n" + unmoved + "\r\nRULE: DELTA 2\r\n"),
              std::string::npos);
    EXPECT_EQ(rul.find("\r\n\r\n"), std::string::npos);
    const std::string end = unmoved + "\r\nEND\r\n";
    ASSERT_GT(rul.size(), end.size());
    EXPECT_EQ(rul.substr(rul.size() - end.size()), end);
}

// The first point that the save labels "1": the first ruled point along the outline.
CAamaGradePoint *firstRulePoint(CAamaGradeModel &model)
{
    CAamaGradePattern &pattern = *model.GetPatternAt(0);
    int curveCount = 0;
    pattern.GetCurveCount(curveCount);
    for (int c = 0; c < curveCount; ++c) {
        const CAamaGradeCurve &curve = *pattern.GetCurveAt(c);
        for (int i = 0; i + 1 < curve.GetPointCount(); ++i) {
            if (curve.GetPointAt(i)->HasRule())
                return curve.GetPointAt(i);
        }
    }
    return nullptr;
}

// Small, rounded and huge displacements are written as printf wrote them.
TEST_F(AamaGradeModelSaveTest, WritesDisplacementsOfAnySizeAsPrintfDid)
{
    CAamaGradePoint *point = firstRulePoint(m_model);
    ASSERT_NE(point, nullptr);
    const DPOINT base = point->GetBasePosition();
    const DPOINT moves[] = {{1e14, -123456789.125}, {-0.005, 2.675}, {1e300, -1e17}};
    std::string expected = "RULE: DELTA 1\r\n";
    for (int size = 0; size < 3; ++size) {
        const DPOINT moved = {base.x + moves[size].x, base.y + moves[size].y};
        point->SetPosition(0, size, moved.x, moved.y);
        expected += morvane::format(" %9.2f,%9.2f", moved.x - base.x, moved.y - base.y);
    }
    ASSERT_EQ(saveAs("huge.dxf"), GM_NO_ERROR);

    EXPECT_NE(readFile(m_folder / "huge.RUL").find(expected + "\r\nRULE: DELTA 2\r\n"),
              std::string::npos);
}

TEST(SizeCombinationsTest, KeepsTheCombinationsOfTheEarlierTables)
{
    const morvane::FakeGradeData data({{{"S", "M", "L"}, 1}, {{"R", "T"}, 0}, {{"x", "y"}, 0}});
    const std::vector<morvane::SizeCombination> combinations =
        morvane::buildSizeCombinations(&data);
    ASSERT_EQ(combinations.size(), 27u);
    std::vector<std::string> names;
    for (const auto &combination : combinations)
        names.push_back(morvane::sizeCombinationName(data, combination));
    const std::vector<std::string> firstTwelve = {"S",   "M",   "L",   "S#R", "M#R", "L#R",
                                                  "S#T", "M#T", "L#T", "S#x", "M#x", "L#x"};
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 12), firstTwelve);
    EXPECT_EQ(names.back(), "L#T#y");
    EXPECT_TRUE(morvane::buildSizeCombinations(nullptr).empty());
    const morvane::FakeGradeData noTables;
    EXPECT_TRUE(morvane::buildSizeCombinations(&noTables).empty());
}

TEST_F(AamaGradeModelSaveTest, AsksForTheTargetAndWritesNothingWhenCancelled)
{
    EXPECT_EQ(m_model.Save(), GM_NO_ERROR);
    ASSERT_EQ(m_requests.size(), 1u);
    EXPECT_EQ(m_requests[0].suggestedPath, dataPath("three-sizes.dxf"));
    EXPECT_EQ(m_requests[0].defaultExtension, "dxf");
    EXPECT_EQ(m_requests[0].filter, "AAMA Files (*.dxf)|*.dxf|All Files (*.*)|*.*||");
    EXPECT_TRUE(m_folder.content().empty());
}

TEST_F(AamaGradeModelSaveTest, WritesTheSameFilesWhenSavedAgain)
{
    gradeEveryPoint(m_model, m_data);
    ASSERT_EQ(saveAs("shirt.dxf"), GM_NO_ERROR);
    const std::string firstDxf = readFile(m_folder / "shirt.dxf");
    const std::string firstRul = readFile(m_folder / "shirt.RUL");
    ASSERT_EQ(saveAs("shirt.dxf"), GM_NO_ERROR);
    EXPECT_EQ(readFile(m_folder / "shirt.dxf"), firstDxf);
    const std::string secondRul = readFile(m_folder / "shirt.RUL");
    EXPECT_TRUE(secondRul == firstRul) << firstDifference(secondRul, firstRul);
}

TEST_F(AamaGradeModelSaveTest, TakesTheSampleSizeOfTheGradeData)
{
    morvane::FakeGradeData numbered({{{"36", "38", "40"}, 2}});
    m_model.OnAttach(&numbered);
    m_model.BeginGrading();
    ASSERT_EQ(saveAs("numbered.dxf"), GM_NO_ERROR);
    EXPECT_EQ(m_model.GetSampleSize(), "40");
    const std::string rul = readFile(m_folder / "numbered.RUL");
    EXPECT_NE(rul.find("GRADE RULE TABLE: numbered\r\n"), std::string::npos);
    EXPECT_NE(rul.find("SIZE LIST: 36 38 40 \r\nSAMPLE SIZE: 40\r\n"), std::string::npos);
    const std::string dxf = readFile(m_folder / "numbered.dxf");
    EXPECT_NE(dxf.find("Grade Rule Table: NUMBERED\r\n"), std::string::npos);
    EXPECT_NE(dxf.find("Sample Size: 40\r\n"), std::string::npos);
}

TEST_F(AamaGradeModelSaveTest, WritesRulesWithoutSizesWithoutGradeData)
{
    m_model.OnAttach(nullptr);
    m_model.BeginGrading();
    ASSERT_EQ(saveAs("plain.dxf"), GM_NO_ERROR);
    EXPECT_EQ(m_model.GetSampleSize(), "M");
    const std::string rul = readFile(m_folder / "plain.RUL");
    EXPECT_NE(rul.find("NUMBER OF SIZES: 0\r\nSIZE LIST: \r\nSAMPLE SIZE: M\r\n"
                       "RULE: DELTA 1\r\nRULE: DELTA 2\r\n"),
              std::string::npos);
    EXPECT_EQ(rul.substr(rul.size() - 5), "END\r\n");
}

TEST_F(AamaGradeModelSaveTest, ReportsEveryFileThatCannotBeWritten)
{
    struct Case
    {
        const char *name;
        std::string target;
        std::vector<std::string> leftInFolder;
    };
    fs::create_directories(m_folder / "taken.RUL" / "inside");
    fs::create_directories(m_folder / "folder.dxf" / "inside");
    const Case cases[] = {
        {"the folder does not exist", "missing/out.dxf", {"folder.dxf", "taken.RUL"}},
        {"the DXF name is a folder", "folder.dxf", {"folder.dxf", "taken.RUL"}},
        {"the DXF would be its own RUL file", "rules.RUL", {"folder.dxf", "taken.RUL"}},
        // The DXF file is complete; its grade rules are missing.
        {"the RUL name is a folder", "taken.dxf", {"folder.dxf", "taken.RUL", "taken.dxf"}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(saveAs(row.target), GM_IO_ERROR);
        EXPECT_EQ(m_folder.content(), row.leftInFolder);
    }
}

TEST_F(AamaGradeModelSaveTest, KeepsTheEarlierFilesWhenWritingFails)
{
    std::ofstream(m_folder / "shirt.dxf") << "earlier dxf";
    std::ofstream(m_folder / "shirt.RUL") << "earlier rul";
    {
        const FileSizeLimit limit(100);
        EXPECT_EQ(saveAs("shirt.dxf"), GM_IO_ERROR);
    }
    EXPECT_EQ(readFile(m_folder / "shirt.dxf"), "earlier dxf");
    EXPECT_EQ(readFile(m_folder / "shirt.RUL"), "earlier rul");
    EXPECT_EQ(m_folder.content(), (std::vector<std::string>{"shirt.RUL", "shirt.dxf"}));
}
