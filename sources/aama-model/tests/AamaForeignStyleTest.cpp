// Morvane AAMA grade model tests.
// Traits of styles from other pattern systems: notches off the outline, names in other code
// pages, names that are no valid DXF names, unnamed pieces, and pieces named by numbers.
#include "AamaDxfSamples.h"
#include "ModelDescription.h"
#include "TestFiles.h"
#include "sources/aama-model/AamaGradeModel.h"
#include "sources/aama-model/AamaR12DxfWriter.h"
#include "sources/grade-model/testing/FakeGradeData.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

int countOf(const std::string &text, const std::string &part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

// The names of the BLOCKs of a saved AAMA DXF file.
std::vector<std::string> blockNames(const std::string &text)
{
    std::vector<std::string> names;
    const std::string start = "  0\r\nBLOCK\r\n  8\r\n1\r\n  2\r\n";
    for (std::size_t at = text.find(start); at != std::string::npos;
         at = text.find(start, at + 1)) {
        const std::size_t name = at + start.size();
        names.push_back(text.substr(name, text.find("\r\n", name) - name));
    }
    return names;
}

} // namespace

TEST(AamaNotchesOffOutlineTest, GradesEachNotchWithWhatItBelongsTo)
{
    ScratchFolder folder;
    auto model = loadedModel(readerDataPath("seam-notches.dxf"), folder / "saved.dxf");
    morvane::FakeGradeData sizes({{{"S", "M", "L"}, 1}});
    model->OnAttach(&sizes);
    model->BeginGrading();
    CAamaGradePattern &front = *model->GetPatternAt(0);

    // The notch a little off the bottom edge is a notch of the first curve, 60 along it.
    CAamaGradeCurve &bottom = *front.GetCurveAt(0);
    int notches = 0;
    bottom.GetNotchCount(notches);
    ASSERT_EQ(notches, 2);
    DPOINT vector;
    float distance = 0.0f;
    int kind = 0;
    const CAamaGradePoint *onEdge = bottom.GetNotchAt(0, {-1, -1}, vector, distance, kind);
    ASSERT_NE(onEdge, nullptr);
    EXPECT_NEAR(distance, 60.0, 1e-3);
    EXPECT_NEAR(vector.y, 5.0, 1e-6);
    // It follows the corner that the program moves.
    CAamaGradePoint &corner = *bottom.GetPointAt(bottom.GetPointCount() - 1);
    corner.SetPosition(0, 2, 110.0, 0.0);
    bottom.GetNotchAt(0, {0, 2}, vector, distance, kind);
    EXPECT_NEAR(distance, 66.0, 0.01);

    // The notch on the sew line with a rule is a rule point and a mark point; the others stay.
    int rulePoints = 0;
    front.GetInternalPointCount(rulePoints);
    ASSERT_EQ(rulePoints, 5);
    CAamaGradePoint &ruled = *front.GetInternalPointAt(4);
    EXPECT_EQ(ruled.GetKind(), morvane::kAamaNotchPoint);
    bool isMark = false;
    ruled.IsMarkPoint(vector, isMark);
    EXPECT_TRUE(isMark);
    EXPECT_NEAR(vector.y, -3.0, 1e-6);
    ruled.SetPosition(0, 2, 52.0, 11.0);
    const auto &offOutline = front.GetNotchesOffOutline();
    ASSERT_EQ(offOutline.size(), 4u);
    EXPECT_DOUBLE_EQ(offOutline[0].GetGradedPosition({0, 2}).x, 52.0);
    EXPECT_DOUBLE_EQ(offOutline[3].GetGradedPosition({0, 2}).x, 70.0);

    // Saved, every notch is written where it was, the one on the sew line after the sew line.
    ASSERT_EQ(model->Save(), GM_NO_ERROR) << model->GetLastError();
    const std::string saved = readFile(folder / "saved.dxf");
    EXPECT_EQ(countOf(saved, "  0\r\nPOINT\r\n  8\r\n4\r\n"), 6);
    const std::size_t sewLine = saved.find("  0\r\nPOLYLINE\r\n  8\r\n14\r\n");
    const std::size_t onSewLine = saved.find(" 10\r\n50.000\r\n 20\r\n10.000\r\n 30\r\n3.000\r\n");
    ASSERT_NE(sewLine, std::string::npos);
    EXPECT_GT(onSewLine, sewLine);
    EXPECT_TRUE(contains(saved, " 10\r\n60.000\r\n 20\r\n0.030\r\n 30\r\n5.000\r\n"));
}

// What the program shows is read in the file's code page; what it writes of its own (the sample
// size, the sizes) is written in it; the file's texts keep their bytes.
TEST(AamaCodePageTest, ShowsNamesInTheFilesCodePageAndWritesTheProgramsNamesInIt)
{
    struct Case
    {
        const char *fixture;
        const char *style;
        const char *piece;
        const char *sizeName;
        std::string sizeBytes;
        bool namesCodePage;
    };
    const Case cases[] = {
        {"korean-code-page.dxf", "\uBD04 \uBE14\uB77C\uC6B0\uC2A4", "\uC55E\uD310", "\uC911",
         "\xC1\xDF", true},
        // Naming none, the file is read as Windows-1252: shown wrongly, its bytes kept.
        {"korean-no-code-page.dxf", "\u00BA\u00BD \u00BA\u00ED\u00B6\u00F3\u00BF\u00EC\u00BD\u00BA",
         "\u00BE\u00D5\u00C6\u00C7", "\uC911", "?", false},
        {"western-code-page.dxf", "Blus\u00E9 \u2013 \u00C9t\u00E9", "\u00C4rmel",
         "Gr\u00F6\u00DFe 40", "Gr\xF6\xDF" "e 40", true},
        {"legacy-encoding.dxf", "Blus\u00E9 \u2013 Sommer", "\u00C4rmel", "Gr\u00F6\u00DFe 40",
         "Gr\xF6\xDF" "e 40", false},
        // Written by Morvane before it kept code pages: UTF-8 throughout.
        {"utf8-names.dxf", "Blus\u00E9 \u2013 \u00C9t\u00E9", "\u00C4rmel", "Gr\u00F6\u00DFe 40",
         "Gr\u00F6\u00DFe 40", false},
        {"chinese-code-page.dxf", "\u6625\u88C5", "\u588A\u80A9/\u524D\u7247", "\u4E2D",
         "\xD6\xD0", true},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.fixture);
        ScratchFolder folder;
        auto model = loadedModel(readerDataPath(row.fixture), folder / "saved.dxf");
        std::string shown;
        model->GetName(shown);
        EXPECT_EQ(shown, row.style);
        model->GetPatternAt(0)->GetName(shown);
        EXPECT_EQ(shown, row.piece);

        morvane::FakeGradeData sizes({{{"S", row.sizeName, "L"}, 1}});
        model->OnAttach(&sizes);
        model->BeginGrading();
        ASSERT_EQ(model->Save(), GM_NO_ERROR) << model->GetLastError();
        const std::string dxf = readFile(folder / "saved.dxf");
        EXPECT_TRUE(contains(dxf, "Piece Name: " + model->GetPatternAt(0)->GetPatternName()));
        EXPECT_TRUE(contains(dxf, "\r\nSize: " + row.sizeBytes + "\r\n"));
        EXPECT_TRUE(contains(dxf, "\r\nSample Size: " + row.sizeBytes + "\r\n"));
        EXPECT_EQ(contains(dxf, "$DWGCODEPAGE"), row.namesCodePage);
        const std::string rul = readFile(folder / "saved.RUL");
        EXPECT_TRUE(contains(rul, "SIZE LIST: S " + row.sizeBytes + " L \r\n"));

        CAamaR12DxfWriter(*model, fixedClock).Write(folder / "graded.dxf");
        const std::string r12 = readFile(folder / "graded.dxf");
        EXPECT_TRUE(contains(r12, "\r\nSIZE: " + row.sizeBytes + "\r\n"));
        EXPECT_TRUE(contains(r12, "\r\nMASTER SIZE: " + row.sizeBytes + "\r\n"));
        EXPECT_EQ(contains(r12, "$DWGCODEPAGE"), row.namesCodePage);
    }
}

// A name that no DXF name may be becomes a valid block name of its own; the piece keeps its name
// in its "Piece Name:" text. Unnamed pieces get numbered blocks and no name text they did not
// have. Saved again, the names stay.
TEST(AamaBlockNameTest, GivesEveryPieceAValidBlockOfItsOwn)
{
    struct Case
    {
        const char *fixture;
        std::vector<std::string> blocks;
        int nameTexts;
    };
    const Case cases[] = {
        {"slash-names.dxf", {"FRONT_BACK", "FRONT_BACK_2", "YOKE _A_", "front_back_3"}, 4},
        // The second bytes of two-byte characters stay, even those that are "|" or "\".
        {"chinese-code-page.dxf", {"\x89\x7C\xBC\xE7_\xC7\xB0\xC6\xAC", "\x83\x7C\x81\x5C"}, 2},
        {"unnamed-pieces.dxf", {"PIECE1", "PIECE2", "PIECE3", "PIECE4", "PIECE5"}, 1},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.fixture);
        ScratchFolder folder;
        auto model = loadedModel(readerDataPath(row.fixture), folder / "saved.dxf");
        ASSERT_EQ(model->Save(), GM_NO_ERROR) << model->GetLastError();
        const std::string saved = readFile(folder / "saved.dxf");
        EXPECT_EQ(blockNames(saved), row.blocks);
        EXPECT_EQ(countOf(saved, "Piece Name:"), row.nameTexts);
        EXPECT_TRUE(contains(saved, "Piece Name: " + model->GetPatternAt(0)->GetPatternName()));

        auto reread = loadedModel(folder / "saved.dxf", folder / "again.dxf");
        EXPECT_EQ(describeModel(*reread), describeModel(*model)) << "every piece read back";
        ASSERT_EQ(reread->Save(), GM_NO_ERROR) << reread->GetLastError();
        EXPECT_EQ(blockNames(readFile(folder / "again.dxf")), row.blocks);
    }
}

// Pieces named by plain numbers in a graded R12 file: one pattern each, whose notch where its
// outline closes is one notch, and the file saved again reads back as the same patterns.
TEST(AamaNumberedPiecesTest, ReadsBackTheGradedR12OfNumberedPieces)
{
    ScratchFolder folder;
    auto model = loadedModel(dataPath("numbered-pieces.dxf"), folder / "saved.dxf");
    int patternCount = 0;
    model->GetPatternCount(patternCount);
    ASSERT_EQ(patternCount, 12);
    for (int p = 0; p < patternCount; ++p) {
        SCOPED_TRACE(p);
        CAamaGradePattern &pattern = *model->GetPatternAt(p);
        EXPECT_EQ(pattern.GetPatternName(), std::to_string(p + 1));
        int notches = 0;
        int curveCount = 0;
        pattern.GetCurveCount(curveCount);
        for (int c = 0; c < curveCount; ++c) {
            int count = 0;
            pattern.GetCurveAt(c)->GetNotchCount(count);
            notches += count;
        }
        EXPECT_EQ(notches, 2);
        int rulePoints = 0;
        pattern.GetInternalPointCount(rulePoints);
        EXPECT_EQ(rulePoints, 4);
    }

    morvane::FakeGradeData sizes({{{"S", "M", "L"}, 1}});
    model->OnAttach(&sizes);
    model->BeginGrading();
    gradeEveryPoint(*model, sizes);
    ASSERT_EQ(model->Save(), GM_NO_ERROR) << model->GetLastError();
    auto reread = loadedModel(folder / "saved.dxf", folder / "again.dxf");
    EXPECT_EQ(describeGradedR12Model(*reread), describeGradedR12Model(*model));
    const std::string saved = readFile(folder / "saved.dxf");
    EXPECT_EQ(countOf(saved, "\r\n 38\r\n"), 12 * 3 * 2) << "each notch once in every size";
}
