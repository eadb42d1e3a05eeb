// Morvane second DXF reader tests.
// Reading graded R12 files: pieces per size, lines with their vertex comments, notches, drill
// holes, internal lines, and files that are incomplete or malformed.
#include "platform/fallowby/JWCAData.h"

#include "foundation/FileContent.h"
#include "platform/fallowby/JwcaComment.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string fixtureText(const char *name)
{
    const char *root = std::getenv("MORVANE_SOURCE_DIR");
    EXPECT_NE(root, nullptr) << "MORVANE_SOURCE_DIR is not set";
    const auto path =
        std::filesystem::path(root ? root : ".") / "platform/fallowby/tests/data" / name;
    const auto content = morvane::readFileContent(path);
    EXPECT_TRUE(content.has_value()) << path;
    return content.value_or(std::string());
}

std::string withCrLf(const std::string &text)
{
    std::string converted;
    for (const char c : text) {
        if (c == '\n')
            converted += '\r';
        converted += c;
    }
    return converted;
}

// A file of the given groups after an ENTITIES section that inserts block "B".
std::string fileWithBlock(const std::string &blockGroups)
{
    return "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n" + blockGroups +
           "0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nB\n0\nENDSEC\n0\nEOF\n";
}

struct VertexCase
{
    int line;
    int v;
    double x;
    double y;
    int flags;
    int rule;
    double notchX;
    double notchY;
    int extraValue;
    double notchValue;
};

} // namespace

TEST(JWCADataTest, ReadsThePiecesThatTheEntitiesInsert)
{
    for (const bool crLf : {false, true}) {
        SCOPED_TRACE(crLf ? "CR LF" : "LF");
        const std::string text = fixtureText("two-sizes.dxf");
        JWCAData file;
        ASSERT_TRUE(file.LoadText(crLf ? withCrLf(text) : text));
        const IJwcaAAMAData &data = *file.GetIAAMADataItf();
        EXPECT_EQ(data.GetStyleName(), "SKIRT");
        EXPECT_EQ(data.GetSampleSize(), "M");
        // The INSERT of a block that does not exist gives no piece; a block nobody inserts is
        // no piece either.
        ASSERT_EQ(data.GetPieceCount(), 2);
        EXPECT_EQ(data.GetPieceName(0), "FRONT");
        EXPECT_EQ(data.GetPieceSize(0), "S");
        EXPECT_EQ(data.GetPieceName(1), "FRONT");
        EXPECT_EQ(data.GetPieceSize(1), "M");
    }
}

TEST(JWCADataTest, ReadsVerticesFromTheirComments)
{
    JWCAData file;
    ASSERT_TRUE(file.LoadText(fixtureText("two-sizes.dxf")));
    const IJwcaAAMAData &data = *file.GetIAAMADataItf();
    const int piece = 1;
    ASSERT_EQ(data.GetLineCount(piece), 2);
    EXPECT_EQ(data.GetLineType(piece, 0), 1);
    EXPECT_EQ(data.GetLineType(piece, 1), 2);
    ASSERT_EQ(data.GetVertexCount(piece, 0), 4);
    ASSERT_EQ(data.GetVertexCount(piece, 1), 2);

    const VertexCase cases[] = {
        {0, 0, 0, 0, 1, 5, 0, 0, 3, 0},      // "1,3,,5": a turn point with rule 5
        {0, 1, 5, -1, 0, -1, 0, 0, 0, 0},    // "1": no grade point
        {0, 2, 10, 0, 0x11, 6, 0, 2, 3, 90}, // "1,3,1,6": a notch of depth 2 at 90 degrees
        {0, 3, 10, 20, 2, 7, 0, 0, 4, 0},    // "1,4,,7": a curve point
        {1, 0, 10, 20, 0, 0, 0, 0, 2, 0},    // "2,2": another grade point, rule 0
        {1, 1, 0, 20, 0, -1, 0, 0, 0, 0},    // "2"
    };
    for (const VertexCase &row : cases) {
        SCOPED_TRACE(testing::Message() << "line " << row.line << " vertex " << row.v);
        int flags = -9;
        int rule = -9;
        double notch[2] = {-9.0, -9.0};
        const DPOINT position = data.GetVertex(piece, row.line, row.v, flags, rule, notch);
        EXPECT_DOUBLE_EQ(position.x, row.x);
        EXPECT_DOUBLE_EQ(position.y, row.y);
        EXPECT_EQ(flags, row.flags);
        EXPECT_EQ(rule, row.rule);
        EXPECT_NEAR(notch[0], row.notchX, 1e-6);
        EXPECT_NEAR(notch[1], row.notchY, 1e-6);
        EXPECT_EQ(data.GetVertexExtraValue(piece, row.line, row.v), row.extraValue);
        EXPECT_DOUBLE_EQ(data.GetVertexNotchValue(piece, row.line, row.v), row.notchValue);
    }
}

TEST(JWCADataTest, ReadsInternalLinesAndDrillHoles)
{
    JWCAData file;
    ASSERT_TRUE(file.LoadText(fixtureText("two-sizes.dxf")));
    const IJwcaAAMAData &data = *file.GetIAAMADataItf();
    ASSERT_EQ(data.GetInternalLineCount(0), 1);
    DPOINT start;
    DPOINT end;
    data.GetInternalLine(0, 0, start, end);
    EXPECT_DOUBLE_EQ(start.x, 5.0);
    EXPECT_DOUBLE_EQ(start.y, 2.0);
    EXPECT_DOUBLE_EQ(end.x, 5.0);
    EXPECT_DOUBLE_EQ(end.y, 18.0);
    EXPECT_EQ(data.GetInternalLineKind(0, 0), morvane::kJwcaStraightLineKind);
    EXPECT_EQ(data.GetInternalLineType(0, 0), 16);

    ASSERT_EQ(data.GetDrillHoleCount(0), 1);
    int rule = -9;
    const DPOINT hole = data.GetDrillHole(0, 0, rule);
    EXPECT_DOUBLE_EQ(hole.x, 3.0);
    EXPECT_DOUBLE_EQ(hole.y, 10.0);
    EXPECT_EQ(rule, 8);
}

TEST(JWCADataTest, AnswersNeutralValuesOutsideTheContent)
{
    JWCAData file;
    EXPECT_EQ(file.GetIAAMADataItf(), nullptr);
    ASSERT_TRUE(file.LoadText(fixtureText("two-sizes.dxf")));
    const IJwcaAAMAData &data = *file.GetIAAMADataItf();
    for (const auto &[piece, line, v] :
         {std::tuple{-1, 0, 0}, {2, 0, 0}, {0, 2, 0}, {0, -1, 0}, {0, 0, 4}, {0, 0, -1}}) {
        SCOPED_TRACE(testing::Message() << piece << " " << line << " " << v);
        int flags = -9;
        int rule = -9;
        double notch[2] = {-9.0, -9.0};
        const DPOINT position = data.GetVertex(piece, line, v, flags, rule, notch);
        EXPECT_EQ(position.x, 0.0);
        EXPECT_EQ(position.y, 0.0);
        EXPECT_EQ(flags, 0);
        EXPECT_EQ(rule, -1);
        EXPECT_EQ(notch[0], 0.0);
        EXPECT_EQ(notch[1], 0.0);
        EXPECT_EQ(data.GetVertexExtraValue(piece, line, v), 0);
        EXPECT_EQ(data.GetVertexNotchValue(piece, line, v), 0.0);
    }
    EXPECT_EQ(data.GetPieceName(2), "");
    EXPECT_EQ(data.GetLineCount(-1), 0);
    EXPECT_EQ(data.GetVertexCount(0, 5), 0);
    EXPECT_EQ(data.GetLineType(0, 5), 0);
    EXPECT_EQ(data.GetInternalLineKind(0, 1), 0);
    EXPECT_EQ(data.GetInternalLineType(0, 1), 0);
    int rule = -9;
    data.GetDrillHole(0, 1, rule);
    EXPECT_EQ(rule, -1);
    DPOINT start{1, 1};
    DPOINT end{1, 1};
    data.GetInternalLine(0, 1, start, end);
    EXPECT_EQ(start.x + start.y + end.x + end.y, 0.0);
}

TEST(JWCADataTest, RefusesATextWithoutEndOfFile)
{
    const std::string text = fixtureText("two-sizes.dxf");
    JWCAData file;
    EXPECT_FALSE(file.LoadText(text.substr(0, text.rfind("EOF"))));
    ASSERT_NE(file.GetIAAMADataItf(), nullptr);
    EXPECT_EQ(file.GetIAAMADataItf()->GetPieceCount(), 0);
    EXPECT_EQ(file.GetIAAMADataItf()->GetStyleName(), "");
}

TEST(JWCADataTest, KeepsReadingAfterMissingEndsAndUnknownEntities)
{
    struct Case
    {
        const char *name;
        std::string text;
        int lines;
        int vertices;
    };
    const Case cases[] = {
        {"unknown entities are skipped",
         fileWithBlock("0\nCIRCLE\n10\n1.0\n0\nPOLYLINE\n999\n4\n0\nVERTEX\n10\n1.0\n0\nARC\n"
                       "0\nVERTEX\n10\n2.0\n0\nSEQEND\n"),
         1, 1},
        {"a polyline without SEQEND ends at the next entity",
         fileWithBlock("0\nPOLYLINE\n0\nVERTEX\n10\n1.0\n0\nVERTEX\n10\n2.0\n0\nPOLYLINE\n"
                       "0\nVERTEX\n10\n3.0\n0\nSEQEND\n"),
         2, 2},
        {"a block without ENDBLK ends at the section's end",
         "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\nPOLYLINE\n0\nSEQEND\n0\nENDSEC\n"
         "0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nB\n0\nENDSEC\n0\nEOF\n",
         1, 0},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        JWCAData file;
        ASSERT_TRUE(file.LoadText(row.text));
        const IJwcaAAMAData &data = *file.GetIAAMADataItf();
        ASSERT_EQ(data.GetPieceCount(), 1);
        EXPECT_EQ(data.GetLineCount(0), row.lines);
        EXPECT_EQ(data.GetVertexCount(0, 0), row.vertices);
    }
}

// A POINT whose comment marks a notch is a notch off the outline, with its depth and angle; a
// POINT without a point class has no rule. The header names the code page and the units.
TEST(JWCADataTest, ReadsNotchesOffTheOutlineTheCodePageAndTheUnits)
{
    const std::string file =
        "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n9\n$DWGCODEPAGE\n3\nANSI_949\n"
        "0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n"
        "0\nPOINT\n999\n4,2,1,7\n10\n5.0\n20\n1.0\n38\n2.0\n50\n90.0\n"
        "0\nPOINT\n999\n4,,1\n10\n6.0\n20\n1.0\n38\n1.0\n50\n180.0\n"
        "0\nPOINT\n999\n9\n10\n3.0\n20\n3.0\n"
        "0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nTEXT\n1\nUNITS: English\n"
        "0\nINSERT\n2\nB\n0\nENDSEC\n0\nEOF\n";
    JWCAData loaded;
    ASSERT_TRUE(loaded.LoadText(file));
    const IJwcaAAMAData &data = *loaded.GetIAAMADataItf();
    EXPECT_EQ(data.GetCodePage(), "ANSI_949");
    EXPECT_EQ(data.GetUnits(), 2);
    ASSERT_EQ(data.GetNotchOffOutlineCount(0), 2);
    int rule = 0;
    double vector[2] = {};
    double angle = 0.0;
    DPOINT at = data.GetNotchOffOutline(0, 0, rule, vector, angle);
    EXPECT_DOUBLE_EQ(at.x, 5.0);
    EXPECT_EQ(rule, 7);
    EXPECT_NEAR(vector[1], 2.0, 1e-6);
    EXPECT_DOUBLE_EQ(angle, 90.0);
    at = data.GetNotchOffOutline(0, 1, rule, vector, angle);
    EXPECT_DOUBLE_EQ(at.x, 6.0);
    EXPECT_EQ(rule, -1);
    EXPECT_NEAR(vector[0], -1.0, 1e-6);

    ASSERT_EQ(data.GetDrillHoleCount(0), 1);
    data.GetDrillHole(0, 0, rule);
    EXPECT_EQ(rule, -1);
}
