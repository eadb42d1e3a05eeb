// Morvane AAMA grade model tests.
// Saving a model read from a file with a master size: the graded R12 golden file, the way back
// through the second reader, empty curves, and a model without grade tables.
#include "sources/aama-model/AamaR12DxfWriter.h"

#include "AamaDxfSamples.h"
#include "ExpectThrowMessage.h"
#include "ScopedLocale.h"
#include "TestFiles.h"
#include "foundation/TextFormat.h"
#include "platform/fallowby/JWCAData.h"
#include "sources/aama-model/AamaGradeModel.h"
#include "sources/aama-model/AtomicFileSave.h"
#include "sources/grade-model/testing/FakeGradeData.h"

#include <gtest/gtest.h>

using morvane::format;

namespace {

// Everything the model holds of its patterns at their base positions, one line per item.
std::string describe(CAamaGradeModel &model)
{
    std::string text;
    int patternCount = 0;
    model.GetPatternCount(patternCount);
    for (int p = 0; p < patternCount; ++p) {
        CAamaGradePattern &pattern = *model.GetPatternAt(p);
        text += "pattern " + pattern.GetPatternName() + "\n";
        int curveCount = 0;
        pattern.GetCurveCount(curveCount);
        for (int c = 0; c < curveCount; ++c) {
            const CAamaGradeCurve &curve = *pattern.GetCurveAt(c);
            text += format(" curve type %d straight %d\n", curve.GetLineType(),
                           curve.IsStraightLine() ? 1 : 0);
            for (int i = 0; i < curve.GetPointCount(); ++i) {
                const CAamaGradePoint &point = *curve.GetPointAt(i);
                text += format("  %.3f,%.3f kind %d rule %d extra %d", point.GetBasePosition().x,
                               point.GetBasePosition().y, point.GetKind(), point.GetRuleNumber(),
                               point.GetExtraValue());
                if (const CAamaNotch *notch = point.GetNotch())
                    text += format(" notch %.3f,%.3f at %.3f", notch->m_oVector.x,
                                   notch->m_oVector.y, notch->m_dAngle);
                text += "\n";
            }
        }
        int pointCount = 0;
        pattern.GetInternalPointCount(pointCount);
        for (int i = 0; i < pointCount; ++i) {
            const CAamaGradePoint &point = *pattern.GetInternalPointAt(i);
            text += format(" grade point %.3f,%.3f kind %d rule %d\n", point.GetBasePosition().x,
                           point.GetBasePosition().y, point.GetKind(), point.GetRuleNumber());
        }
    }
    return text;
}

class AamaR12DxfWriterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(m_model.Load(dataPath("master-size.dxf")), GM_NO_ERROR);
        ASSERT_TRUE(m_model.IsMasterSizeFile());
        m_model.OnAttach(&m_data);
        m_model.BeginGrading();
        gradeEveryPoint(m_model, m_data);
    }

    GM_ERROR saveAs(const std::string &name)
    {
        m_target = m_folder / name;
        return m_model.Save();
    }

    ScratchFolder m_folder;
    std::optional<std::filesystem::path> m_target;
    morvane::FakeGradeData m_data{{{{"S", "M", "L"}, 1}}};
    CAamaGradeModel m_model{[this](const morvane::SaveFileRequest &) { return m_target; },
                            fixedClock};
};

} // namespace

TEST_F(AamaR12DxfWriterTest, WritesTheGoldenFileInAnyLocale)
{
    const ScopedLocale german("de_DE.UTF-8");
    ASSERT_TRUE(german.isActive());
    ASSERT_EQ(saveAs("skirt.dxf"), GM_NO_ERROR);
    // A file with a master size gets no grade-rule file.
    EXPECT_EQ(m_folder.content(), std::vector<std::string>{"skirt.dxf"});
    const std::string expected = readFile(dataPath("skirt-graded.dxf"));
    ASSERT_FALSE(expected.empty());
    const std::string actual = readFile(m_folder / "skirt.dxf");
    EXPECT_TRUE(actual == expected) << firstDifference(actual, expected);
}

TEST_F(AamaR12DxfWriterTest, ReadsBackAsTheSamePatterns)
{
    ASSERT_EQ(saveAs("skirt.dxf"), GM_NO_ERROR);
    CAamaGradeModel reloaded({});
    ASSERT_EQ(reloaded.Load(m_folder / "skirt.dxf"), GM_NO_ERROR);
    EXPECT_TRUE(reloaded.IsMasterSizeFile());
    std::string name;
    reloaded.GetName(name);
    EXPECT_EQ(name, "SKIRT");
    EXPECT_EQ(reloaded.GetSampleSize(), "M");
    const std::string expected = describe(m_model);
    const std::string actual = describe(reloaded);
    EXPECT_TRUE(actual == expected) << firstDifference(actual, expected);
}

TEST_F(AamaR12DxfWriterTest, WritesEverySizeAsAPieceOfItsShapes)
{
    ASSERT_EQ(saveAs("skirt.dxf"), GM_NO_ERROR);
    JWCAData file;
    ASSERT_TRUE(file.LoadText(readFile(m_folder / "skirt.dxf")));
    const IJwcaAAMAData &data = *file.GetIAAMADataItf();
    ASSERT_EQ(data.GetPieceCount(), 6);
    const char *sizes[] = {"S", "M", "L"};
    for (int piece = 0; piece < 6; ++piece) {
        SCOPED_TRACE(piece);
        CAamaGradePattern &pattern = *m_model.GetPatternAt(piece / 3);
        const GradeSize size{0, piece % 3};
        EXPECT_EQ(data.GetPieceName(piece), pattern.GetPatternName());
        EXPECT_EQ(data.GetPieceSize(piece), sizes[piece % 3]);
        int curveCount = 0;
        pattern.GetCurveCount(curveCount);
        for (int line = 0; line < data.GetLineCount(piece); ++line) {
            std::vector<DPOINT> shape;
            pattern.GetCurveAt(line)->GetShape(size, &shape, nullptr);
            ASSERT_EQ(data.GetVertexCount(piece, line), static_cast<int>(shape.size()));
            for (int v = 0; v < data.GetVertexCount(piece, line); ++v) {
                int flags = 0;
                int rule = 0;
                double notch[2];
                const DPOINT position = data.GetVertex(piece, line, v, flags, rule, notch);
                EXPECT_NEAR(position.x, shape[static_cast<std::size_t>(v)].x, 0.0005);
                EXPECT_NEAR(position.y, shape[static_cast<std::size_t>(v)].y, 0.0005);
            }
        }
        // Straight lines stay at their base position in every size.
        EXPECT_EQ(data.GetLineCount(piece) + data.GetInternalLineCount(piece), curveCount);
    }
}

TEST(AamaR12DxfWriterNoTablesTest, WritesHeaderAndTablesOnlyWithoutGradeTables)
{
    ScratchFolder folder;
    CAamaGradeModel model({}, fixedClock);
    ASSERT_EQ(model.Load(dataPath("master-size.dxf")), GM_NO_ERROR);
    morvane::FakeGradeData noTables;
    for (IGradeData *data :
         {static_cast<IGradeData *>(nullptr), static_cast<IGradeData *>(&noTables)}) {
        model.OnAttach(data);
        CAamaR12DxfWriter(model, fixedClock).Write(folder / "plain.dxf");
        EXPECT_EQ(readFile(folder / "plain.dxf"),
                  "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n"
                  "  0\r\nENDSEC\r\n  0\r\nSECTION\r\n  2\r\nTABLES\r\n  0\r\nTABLE\r\n"
                  "  2\r\nSTYLE\r\n 70\r\n1\r\n  0\r\nSTYLE\r\n  2\r\nSTANDARD\r\n 70\r\n64\r\n"
                  " 40\r\n0\r\n 41\r\n1\r\n 50\r\n0\r\n 71\r\n0\r\n 42\r\n0\r\n  3\r\ntxt\r\n"
                  "  4\r\n\r\n  0\r\nENDTAB\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
    }
}

TEST(AamaR12DxfWriterEmptyCurveTest, LeavesOutAnEmptyCurveAndWritesTheRest)
{
    ScratchFolder folder;
    CAamaGradeModel model({}, fixedClock);
    ASSERT_EQ(model.Load(dataPath("empty-line.dxf")), GM_NO_ERROR);
    int curveCount = 0;
    model.GetPatternAt(0)->GetCurveCount(curveCount);
    ASSERT_EQ(curveCount, 2);
    morvane::FakeGradeData data({{{"M"}, 0}});
    model.OnAttach(&data);
    model.BeginGrading();
    CAamaR12DxfWriter(model, fixedClock).Write(folder / "yoke.dxf");
    const std::string text = readFile(folder / "yoke.dxf");
    EXPECT_EQ(text.find("POLYLINE\r\n999\r\n5\r\n"), std::string::npos);
    EXPECT_NE(text.find("POLYLINE\r\n999\r\n6\r\n"), std::string::npos);
    EXPECT_NE(text.find("VERTEX\r\n999\r\n6,3,,2\r\n"), std::string::npos);
}

TEST_F(AamaR12DxfWriterTest, ReportsAFileThatCannotBeWritten)
{
    const std::filesystem::path missing = m_folder / "missing" / "skirt.dxf";
    EXPECT_THROW_MSG(CAamaR12DxfWriter(m_model, fixedClock).Write(missing), morvane::FileSaveError,
                     "Cannot create file " + missing.string());
    std::filesystem::create_directories(m_folder / "taken.dxf" / "inside");
    EXPECT_EQ(saveAs("missing/skirt.dxf"), GM_IO_ERROR);
    EXPECT_EQ(saveAs("taken.dxf"), GM_IO_ERROR);
    {
        const FileSizeLimit limit(100);
        EXPECT_EQ(saveAs("skirt.dxf"), GM_IO_ERROR);
    }
    EXPECT_EQ(m_folder.content(), std::vector<std::string>{"taken.dxf"});
}
