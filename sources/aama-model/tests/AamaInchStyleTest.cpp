// Morvane AAMA grade model tests.
// A style drawn in inches: millimetres in the model, inches again in every file it saves.
#include "AamaDxfSamples.h"
#include "TestFiles.h"
#include "sources/aama-model/AamaGradeModel.h"
#include "sources/aama-model/AamaR12DxfWriter.h"
#include "sources/aama-reader/AAMAData.h"
#include "sources/grade-model/testing/FakeGradeData.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// POCKET of inches.dxf: a rectangle of 40 by 30 inches with a rule at each corner.
constexpr double kInchCorners[][2] = {{0, 0}, {40, 0}, {40, 30}, {0, 30}};

class AamaInchStyleTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(m_model.Load(readerDataPath("inches.dxf")), GM_NO_ERROR)
            << m_model.GetLastError();
        m_model.OnAttach(&m_sizes);
        m_model.BeginGrading();
    }

    CAamaGradePoint &corner(int index)
    {
        return *m_model.GetPatternAt(0)->GetInternalPointAt(index);
    }

    ScratchFolder m_folder;
    fs::path m_target = m_folder / "pocket.dxf";
    morvane::FakeGradeData m_sizes{{{{"S", "M", "L"}, 1}}};
    CAamaGradeModel m_model{[this](const morvane::SaveFileRequest &) { return m_target; },
                            fixedClock};
};

// The RUL rule lines of a file, each "RULE: DELTA n" and its values.
std::string rulRules(const std::string &rul)
{
    return rul.substr(rul.find("RULE:"));
}

} // namespace

TEST_F(AamaInchStyleTest, HoldsItsLengthsInMillimetres)
{
    ASSERT_TRUE(m_model.IsInInches());
    EXPECT_EQ(m_model.GetMillimetresPerFileUnit(), 25.4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const DPOINT base = corner(i).GetBasePosition();
        EXPECT_DOUBLE_EQ(base.x, kInchCorners[i][0] * 25.4);
        EXPECT_DOUBLE_EQ(base.y, kInchCorners[i][1] * 25.4);
    }
}

// Saved without grading, the style holds the numbers it was read with, in inches; a point moved
// by 25.4 mm moves by one inch in the rules.
TEST_F(AamaInchStyleTest, SavesInchesWithTheNumbersItWasReadWith)
{
    const DPOINT base = corner(2).GetBasePosition();
    corner(2).SetPosition(0, 2, base.x + 25.4, base.y - 12.7);
    ASSERT_EQ(m_model.Save(), GM_NO_ERROR) << m_model.GetLastError();

    AAMAData saved;
    ASSERT_TRUE(saved.Load(m_target)) << saved.GetLoadError();
    const IAAMAData &data = *saved.GetIAAMADataItf();
    EXPECT_EQ(data.GetUnits(), 2);
    ASSERT_EQ(data.GetVertexCount(0, -1), 5);
    for (int v = 0; v < 4; ++v) {
        int flags = 0;
        int rule = 0;
        double notch[2] = {};
        const morvane::AamaPosition at = data.GetVertex(0, -1, v, flags, rule, notch);
        EXPECT_EQ(at.x, kInchCorners[v][0]) << v;
        EXPECT_EQ(at.y, kInchCorners[v][1]) << v;
    }
    const std::string rul = readFile(fs::path(m_target).replace_extension(".RUL"));
    EXPECT_NE(rul.find("UNITS: ENGLISH\r\n"), std::string::npos);
    EXPECT_EQ(rulRules(rul), "RULE: DELTA 1\r\n"
                             "      0.00,     0.00      0.00,     0.00      0.00,     0.00\r\n"
                             "RULE: DELTA 2\r\n"
                             "      0.00,     0.00      0.00,     0.00      0.00,     0.00\r\n"
                             "RULE: DELTA 3\r\n"
                             "      0.00,     0.00      0.00,     0.00      1.00,    -0.50\r\n"
                             "RULE: DELTA 4\r\n"
                             "      0.00,     0.00      0.00,     0.00      0.00,     0.00\r\n"
                             "END\r\n");

    // Read again, the saved style is the same style in millimetres.
    CAamaGradeModel reread([](const morvane::SaveFileRequest &) { return std::nullopt; });
    ASSERT_EQ(reread.Load(m_target), GM_NO_ERROR) << reread.GetLastError();
    EXPECT_DOUBLE_EQ(reread.GetPatternAt(0)->GetInternalPointAt(2)->GetBasePosition().x, base.x);
}

// The graded R12 file of an inch style is in inches too, each size at its graded place, and
// reads back in millimetres.
TEST_F(AamaInchStyleTest, WritesGradedR12InInches)
{
    const DPOINT base = corner(2).GetBasePosition();
    corner(2).SetPosition(0, 2, base.x + 25.4, base.y);
    CAamaR12DxfWriter(m_model, fixedClock).Write(m_target);
    const std::string text = readFile(m_target);
    EXPECT_NE(text.find("UNITS: ENGLISH\r\n"), std::string::npos);
    EXPECT_EQ(text.find("UNITS: METRIC"), std::string::npos);
    EXPECT_NE(text.find(" 10\r\n41.000\r\n 20\r\n30.000\r\n"), std::string::npos)
        << "the corner moved by an inch in L";

    CAamaGradeModel reread([](const morvane::SaveFileRequest &) { return std::nullopt; });
    ASSERT_EQ(reread.Load(m_target), GM_NO_ERROR) << reread.GetLastError();
    EXPECT_TRUE(reread.IsInInches());
    int rulePoints = 0;
    reread.GetPatternAt(0)->GetInternalPointCount(rulePoints);
    ASSERT_EQ(rulePoints, 4);
    EXPECT_DOUBLE_EQ(reread.GetPatternAt(0)->GetInternalPointAt(2)->GetBasePosition().x, base.x);
}
