// Morvane AAMA DXF reader tests.
// Files written by other pattern systems, which bend the format, and broken block references.
#include "DxfTestText.h"
#include "sources/aama-reader/AAMAData.h"
#include "sources/dxf-groups/DxfCodePage.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Vertex
{
    morvane::AamaPosition position;
    int flags = 0;
    int rule = 0;
    double notch[2] = {};
};

Vertex vertexOf(const IAAMAData &data, int piece, int v)
{
    Vertex vertex;
    vertex.position = data.GetVertex(piece, -1, v, vertex.flags, vertex.rule, vertex.notch);
    return vertex;
}

const IAAMAData &load(AAMAData &file, const char *fixture)
{
    EXPECT_TRUE(file.Load(fixturePath(fixture))) << fixture;
    return *file.GetIAAMADataItf();
}

} // namespace

// No HEADER section, CR LF line ends, group codes the format does not define (250, 999), and
// padding after the EOF group.
TEST(AamaTraitsTest, ReadsFileWithoutHeaderWithCrLfAndUnknownCodes)
{
    AAMAData file;
    const IAAMAData &data = load(file, "no-header-crlf.dxf");
    EXPECT_EQ(data.GetStyleName(), "COAT");
    EXPECT_EQ(data.GetUnits(), 2);
    ASSERT_EQ(data.GetPieceCount(), 1);
    EXPECT_EQ(data.GetPieceName(0), "BACK");
    EXPECT_EQ(data.GetPieceSize(0), "M");
    ASSERT_EQ(data.GetVertexCount(0, -1), 3);
    EXPECT_EQ(vertexOf(data, 0, 1).rule, 4);
    EXPECT_EQ(vertexOf(data, 0, 1).flags, 1);
}

// A label on the outline's own layer reaches the points that follow the outline; one on a
// layer that neither the point nor its polyline has reaches nothing. Empty TEXT entities are
// neither labels nor values.
TEST(AamaTraitsTest, MatchesLabelsByLayerAndIgnoresEmptyTexts)
{
    AAMAData file;
    const IAAMAData &data = load(file, "labels-other-layers.dxf");
    ASSERT_EQ(data.GetPieceCount(), 1);
    EXPECT_EQ(data.GetPieceName(0), "SLEEVE");
    EXPECT_EQ(data.GetSampleSize(), "M");
    ASSERT_EQ(data.GetVertexCount(0, -1), 4);
    EXPECT_EQ(vertexOf(data, 0, 0).rule, -1);
    EXPECT_EQ(vertexOf(data, 0, 1).rule, 5) << "\"# 5\" on layer 1";
    EXPECT_EQ(vertexOf(data, 0, 2).rule, 9) << "\"#  9\" on layer 3";
    EXPECT_EQ(vertexOf(data, 0, 2).flags, 2);
    EXPECT_EQ(vertexOf(data, 0, 3).rule, -1) << "\"#6\" on layer 8";
    EXPECT_EQ(vertexOf(data, 0, 3).flags, 1);
}

// Notch depth comes from group 30 or 38, whichever is last; 39 (width) is read past. A notch
// before the outline marks the vertex at its position all the same.
TEST(AamaTraitsTest, ReadsNotchPointsWithExtraCodes)
{
    AAMAData file;
    const IAAMAData &data = load(file, "notch-points.dxf");
    ASSERT_EQ(data.GetVertexCount(0, -1), 4);
    const Vertex first = vertexOf(data, 0, 0);
    EXPECT_EQ(first.flags, 0x11);
    EXPECT_NEAR(first.notch[0], -1.5, 1e-6);
    EXPECT_NEAR(first.notch[1], 0.0, 1e-6);

    const Vertex notch = vertexOf(data, 0, 1);
    EXPECT_EQ(notch.flags, 0x11);
    EXPECT_EQ(notch.rule, 8);
    EXPECT_NEAR(notch.notch[0], 0.0, 1e-6);
    EXPECT_NEAR(notch.notch[1], -3.0, 1e-6);
}

// Outlines written as several open polylines, each starting where the one before ends, are
// joined into one closed outline, reversing a piece written the other way round; a layer-1
// polyline that continues nothing stays apart and is drawn as it is.
TEST(AamaTraitsTest, JoinsAnOutlineSplitIntoSeveralPolylines)
{
    struct Case
    {
        const char *fixture;
        std::vector<std::pair<double, double>> outline;
        std::vector<int> rules;
        std::size_t drawingItems;
    };
    const Case cases[] = {
        {"split-outline.dxf", {{0, 0}, {12, 0}, {12, 6}, {0, 6}, {0, 0}}, {4, 1, 2, 3, 4}, 0},
        {"split-reversed.dxf", {{0, 0}, {40, 0}, {40, 30}, {0, 30}, {0, 0}}, {1, 2, 3, 4, 1}, 1},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.fixture);
        AAMAData file;
        const IAAMAData &data = load(file, row.fixture);
        ASSERT_EQ(data.GetVertexCount(0, -1), static_cast<int>(row.outline.size()));
        for (int v = 0; v < data.GetVertexCount(0, -1); ++v) {
            const Vertex vertex = vertexOf(data, 0, v);
            EXPECT_EQ(vertex.position.x, row.outline[std::size_t(v)].first) << v;
            EXPECT_EQ(vertex.position.y, row.outline[std::size_t(v)].second) << v;
            EXPECT_EQ(vertex.rule, row.rules[std::size_t(v)]) << v;
            EXPECT_EQ(vertex.flags, 1) << v;
        }
        EXPECT_EQ(data.GetPieceDrawing(0).size(), row.drawingItems);
    }
}

// An outline in thousands of parts, each found at the far end of the file from the one it
// continues, is joined in time that grows with the number of parts, not with its square.
TEST(AamaTraitsTest, JoinsAnOutlineOfThousandsOfPartsWrittenBackwards)
{
    constexpr int kParts = 20000;
    const auto corner = [](int k) {
        const double turn = 2.0 * 3.14159265358979 * (k % kParts) / kParts;
        return std::pair<std::string, std::string>(std::to_string(1000.0 * std::cos(turn)),
                                                   std::to_string(1000.0 * std::sin(turn)));
    };
    const auto part = [&](int k) {
        const auto [x1, y1] = corner(k);
        const auto [x2, y2] = corner(k + 1);
        return dxfText({{0, "POLYLINE"}, {8, "1"}, {0, "VERTEX"}, {10, x1}, {20, y1}}) +
               dxfText({{0, "VERTEX"}, {10, x2}, {20, y2}, {0, "SEQEND"}});
    };
    std::string parts = part(0);
    for (int k = kParts - 1; k > 0; --k)
        parts += part(k);
    AAMAData file;
    ASSERT_TRUE(file.LoadText(onePieceFile(parts)));
    const IAAMAData &data = *file.GetIAAMADataItf();
    ASSERT_EQ(data.GetVertexCount(0, -1), kParts + 1);
    EXPECT_EQ(vertexOf(data, 0, 0).position.x, vertexOf(data, 0, kParts).position.x);
    EXPECT_EQ(vertexOf(data, 0, 0).position.y, vertexOf(data, 0, kParts).position.y);
    EXPECT_TRUE(data.GetPieceDrawing(0).empty());
}

struct MarkCase
{
    const char *fixture;
    int vertex;
    int flags;
    int rule;
    double notch[2];
};

// Points mark the outline vertex at their position wherever they stand in the block, labels on
// layers 1 and 2 name whatever stands at them (a vertex without any point too), a notch on an
// edge becomes a vertex there, and a notch without an angle points across the outline into the
// piece.
TEST(AamaTraitsTest, MarksOutlineVerticesByPosition)
{
    const MarkCase cases[] = {
        {"copy-before-points.dxf", 0, 1, 1, {0, 0}},
        {"copy-before-points.dxf", 1, 2, 5, {0, 0}},
        {"copy-before-points.dxf", 4, 1, 4, {0, 0}},
        {"labels-off-turn-points.dxf", 1, 2, 11, {0, 0}},
        {"labels-off-turn-points.dxf", 2, 0x11, 12, {0, 1}},
        {"labels-off-turn-points.dxf", 3, 1, 13, {0, 0}},
        {"edge-notch.dxf", 1, 0x11, -1, {0, 1.5}},
        {"edge-notch.dxf", 2, 1, 2, {0, 0}},
        {"notch-without-angle.dxf", 1, 0x11, -1, {0, 2}},
    };
    for (const MarkCase &row : cases) {
        SCOPED_TRACE(std::string(row.fixture) + " vertex " + std::to_string(row.vertex));
        AAMAData file;
        const IAAMAData &data = load(file, row.fixture);
        const Vertex vertex = vertexOf(data, 0, row.vertex);
        EXPECT_EQ(vertex.flags, row.flags);
        EXPECT_EQ(vertex.rule, row.rule);
        EXPECT_NEAR(vertex.notch[0], row.notch[0], 1e-6);
        EXPECT_NEAR(vertex.notch[1], row.notch[1], 1e-6);
    }
    AAMAData edgeNotch;
    const IAAMAData &data = load(edgeNotch, "edge-notch.dxf");
    ASSERT_EQ(data.GetVertexCount(0, -1), 6);
    EXPECT_EQ(vertexOf(data, 0, 1).position.x, 25.0);
    EXPECT_EQ(vertexOf(data, 0, 1).position.y, 0.0);
}

TEST(AamaTraitsTest, GivesADrillHoleTheRuleOfThePointAtIt)
{
    AAMAData file;
    const IAAMAData &data = load(file, "hole-rule-by-position.dxf");
    ASSERT_EQ(data.GetDrillHoleCount(0), 1);
    int rule = 0;
    const morvane::AamaPosition hole = data.GetDrillHole(0, 0, rule);
    EXPECT_EQ(hole.x, 10.0);
    EXPECT_EQ(rule, 7);
}

TEST(AamaTraitsTest, ReadsPieceSizesGivenAsSampleSize)
{
    AAMAData file;
    const IAAMAData &data = load(file, "sample-size-keys.dxf");
    ASSERT_EQ(data.GetPieceCount(), 4);
    EXPECT_EQ(data.GetPieceSize(0), "M");
    EXPECT_EQ(data.GetPieceSize(1), "M");
    EXPECT_EQ(data.GetPieceSize(2), "M");
    EXPECT_EQ(data.GetPieceSize(3), "L");
}

// Units come from the "Units:" text, else from the HEADER section's variables.
TEST(AamaTraitsTest, ReadsTheUnitsOfTheTextOrOfTheHeader)
{
    for (const char *fixture : {"inches.dxf", "inches-by-header.dxf"}) {
        SCOPED_TRACE(fixture);
        AAMAData file;
        EXPECT_EQ(load(file, fixture).GetUnits(), 2);
    }
    const std::string metricHeader = dxfText({{0, "SECTION"},
                                              {2, "HEADER"},
                                              {9, "$MEASUREMENT"},
                                              {70, "1"},
                                              {0, "ENDSEC"},
                                              {0, "EOF"}});
    AAMAData metric;
    ASSERT_TRUE(metric.LoadText(metricHeader));
    EXPECT_EQ(metric.GetIAAMADataItf()->GetUnits(), 1);
}

TEST(AamaTraitsTest, GivesWhatAPieceDrawsBesidesItsOutline)
{
    using Kind = morvane::AamaDrawingItem::Kind;
    AAMAData file;
    const std::vector<morvane::AamaDrawingItem> drawing =
        load(file, "internal-lines.dxf").GetPieceDrawing(0);
    ASSERT_EQ(drawing.size(), 5u);
    EXPECT_EQ(drawing[0].kind, Kind::Polyline);
    EXPECT_EQ(drawing[0].layer, 8);
    EXPECT_FALSE(drawing[0].closed);
    EXPECT_EQ(drawing[0].points.size(), 3u);
    EXPECT_EQ(drawing[1].kind, Kind::Line);
    EXPECT_EQ(drawing[1].layer, 7);
    EXPECT_EQ(drawing[1].points[1].y, 25.0);
    EXPECT_EQ(drawing[2].layer, 11);
    EXPECT_EQ(drawing[3].kind, Kind::Text);
    EXPECT_EQ(drawing[3].text, "Fabric: WOOL");
    EXPECT_EQ(drawing[4].layer, 8);
    EXPECT_EQ(drawing[4].text, "CUT ON FOLD");
}

// Binary data inside a file is refused at the line where it starts, never read past.
TEST(AamaTraitsTest, RefusesAGroupCodeThatIsNotANumber)
{
    const std::string text = fixtureText("two-pieces.dxf");
    std::size_t middle = text.size() / 2;
    // The start of a code line: after an even number of line ends.
    std::size_t lineEnds = 0;
    std::size_t cut = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n')
            continue;
        ++lineEnds;
        if (i >= middle && lineEnds % 2 == 0) {
            cut = i + 1;
            break;
        }
    }
    ASSERT_GT(cut, 0u);
    std::string binary;
    unsigned state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1103515245u + 12345u;
        binary += static_cast<char>(state >> 16);
    }
    binary[0] = '\x01';
    AAMAData file;
    EXPECT_FALSE(file.LoadText(text.substr(0, cut) + binary + text.substr(cut)));
    EXPECT_EQ(file.GetLoadError().rfind("line " + std::to_string(lineEnds + 1) + ": ", 0), 0u)
        << file.GetLoadError();
    EXPECT_EQ(file.GetIAAMADataItf()->GetPieceCount(), 0);

    AAMAData incomplete;
    EXPECT_FALSE(incomplete.Load(fixturePath("missing-eof.dxf")));
    EXPECT_NE(incomplete.GetLoadError().find("EOF"), std::string::npos);
    AAMAData missing;
    EXPECT_FALSE(missing.Load(fixturePath("no-such-file.dxf")));
    EXPECT_EQ(missing.GetLoadError(), "the file cannot be read");
}

// Texts come in the file's bytes; a file that names no code page shows them as Windows-1252.
TEST(AamaTraitsTest, KeepsLegacyEightBitTextAndShowsItAsUtf8)
{
    AAMAData file;
    const IAAMAData &data = load(file, "legacy-encoding.dxf");
    ASSERT_EQ(data.GetPieceCount(), 1);
    EXPECT_EQ(data.GetPieceName(0), "\xC4rmel");
    EXPECT_EQ(data.GetPieceSize(0), "Gr\xF6\xDF" "e 38");
    EXPECT_EQ(data.GetSampleSize(), data.GetPieceSize(0));
    EXPECT_EQ(data.GetCodePage(), "");
    EXPECT_EQ(data.GetVertexCount(0, -1), 3);

    const morvane::DxfCodePage shown(data.GetCodePage());
    EXPECT_EQ(shown.toUtf8(data.GetPieceName(0)), "\u00c4rmel");
    EXPECT_EQ(shown.toUtf8(data.GetPieceSize(0)), "Gr\u00f6\u00dfe 38");
    EXPECT_EQ(shown.toUtf8(data.GetStyleName()), "Blus\u00e9 \u2013 Sommer");
}

// An INSERT that names no block is a piece without content; blocks that insert themselves,
// directly or through each other, load without endless recursion.
TEST(AamaTraitsTest, LoadsInsertsOfMissingAndSelfInsertingBlocks)
{
    AAMAData file;
    const IAAMAData &data = load(file, "insert-loops.dxf");
    ASSERT_EQ(data.GetPieceCount(), 3);
    EXPECT_EQ(data.GetPieceName(0), "SELF");
    EXPECT_EQ(data.GetPieceName(1), "");
    for (int piece = 0; piece < 3; ++piece) {
        SCOPED_TRACE(piece);
        EXPECT_EQ(data.GetVertexCount(piece, -1), 0);
        EXPECT_EQ(data.GetDrillHoleCount(piece), 0);
        EXPECT_EQ(data.GetInternalLineCount(piece), 0);
    }
    EXPECT_EQ(data.GetPieceSize(2), "");
}

// The first block of a name is the piece's block; a missing SEQEND lets the polyline take the
// rest of its block without hanging.
TEST(AamaTraitsTest, ToleratesDuplicateBlocksAndUnclosedPolylines)
{
    const std::string firstBlock =
        dxfText({{0, "BLOCK"}, {2, "P"}, {0, "TEXT"}, {8, "1"}, {1, "Piece Name: FIRST"}});
    const std::string secondBlock =
        dxfText({{0, "BLOCK"}, {2, "P"}, {0, "TEXT"}, {8, "1"}, {1, "Piece Name: SECOND"}});
    const std::string unclosedPolyline =
        dxfText({{0, "POLYLINE"}, {8, "1"}, {0, "VERTEX"}, {10, "1"}, {20, "2"}});
    const std::string endOfBlocks = dxfText({{0, "ENDBLK"}, {0, "ENDSEC"}});
    const std::string entities = dxfText(
        {{0, "SECTION"}, {2, "ENTITIES"}, {0, "INSERT"}, {2, "P"}, {0, "ENDSEC"}, {0, "EOF"}});
    const std::string blocks = dxfText({{0, "SECTION"}, {2, "BLOCKS"}}) + firstBlock +
                               dxfText({{0, "ENDBLK"}}) + secondBlock;

    AAMAData file;
    ASSERT_TRUE(file.LoadText(blocks + endOfBlocks + entities));
    EXPECT_EQ(file.GetIAAMADataItf()->GetPieceName(0), "FIRST");

    AAMAData unclosed;
    ASSERT_TRUE(unclosed.LoadText(blocks + unclosedPolyline + endOfBlocks + entities));
    EXPECT_EQ(unclosed.GetIAAMADataItf()->GetPieceCount(), 0)
        << "the ENTITIES section went into the polyline";
}

// The attributes after an INSERT (group 66 not 0) are skipped up to their SEQEND; entities the
// reader does not keep are skipped whole.
TEST(AamaTraitsTest, SkipsInsertAttributesAndUnknownEntities)
{
    AAMAData file;
    ASSERT_TRUE(file.LoadText(dxfText({{0, "SECTION"},
                                       {2, "ENTITIES"},
                                       {0, "INSERT"},
                                       {2, "P"},
                                       {66, "1"},
                                       {0, "ATTRIB"},
                                       {1, "Style Name: WRONG"},
                                       {0, "TEXT"},
                                       {1, "Style Name: INSIDE"},
                                       {0, "SEQEND"},
                                       {0, "CIRCLE"},
                                       {1, "Style Name: CIRCLE"},
                                       {40, "2.0"},
                                       {0, "TEXT"},
                                       {1, "Style Name: RIGHT"},
                                       {0, "ENDSEC"},
                                       {0, "EOF"}})));
    EXPECT_EQ(file.GetIAAMADataItf()->GetPieceCount(), 1);
    EXPECT_EQ(file.GetIAAMADataItf()->GetStyleName(), "RIGHT");
}

// Notches of a style with seam allowance: one a little off an outline edge and one beside a
// corner join the outline where they are; those on the sew line (layer 14) and on an internal
// line are kept with the line, and one on nothing stays where it is.
TEST(AamaTraitsTest, KeepsEveryNotchOnTheOutlineOrOffIt)
{
    AAMAData file;
    const IAAMAData &data = load(file, "seam-notches.dxf");
    ASSERT_EQ(data.GetVertexCount(0, -1), 7);
    const Vertex offEdge = vertexOf(data, 0, 1);
    EXPECT_EQ(offEdge.position.x, 60.0);
    EXPECT_EQ(offEdge.position.y, 0.03);
    EXPECT_EQ(offEdge.flags, 0x11);
    EXPECT_NEAR(offEdge.notch[1], 5.0, 1e-6);
    const Vertex besideCorner = vertexOf(data, 0, 2);
    EXPECT_EQ(besideCorner.position.x, 100.004);
    EXPECT_EQ(besideCorner.flags, 0x11);
    EXPECT_EQ(vertexOf(data, 0, 3).position.x, 100.0) << "the corner stays";

    struct Expected
    {
        double x;
        double y;
        double notch[2];
        int rule;
        int drawingItem;
    };
    const Expected expected[] = {
        {50, 10, {0, -3}, 7, 0},
        {90, 40, {-3, 0}, -1, 0},
        // Without an angle, it points away from the outline.
        {30, 45, {2, 0}, -1, 1},
        {70, 40, {2, 0}, -1, -1},
    };
    const std::vector<morvane::AamaNotchOffOutline> notches = data.GetNotchesOffOutline(0);
    ASSERT_EQ(notches.size(), std::size(expected));
    for (std::size_t i = 0; i < notches.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(notches[i].position.x, expected[i].x);
        EXPECT_EQ(notches[i].position.y, expected[i].y);
        EXPECT_NEAR(notches[i].notchVector[0], expected[i].notch[0], 1e-6);
        EXPECT_NEAR(notches[i].notchVector[1], expected[i].notch[1], 1e-6);
        EXPECT_EQ(notches[i].ruleNumber, expected[i].rule);
        EXPECT_EQ(notches[i].drawingItem, expected[i].drawingItem);
    }
    const std::vector<morvane::AamaDrawingItem> drawing = data.GetPieceDrawing(0);
    ASSERT_EQ(drawing.size(), 2u);
    EXPECT_EQ(drawing[0].layer, 14);
    EXPECT_EQ(drawing[1].layer, 8);
}

// Texts keep their bytes in any code page; the header names it, and a piece tells whether it has
// a "Piece Name:" text at all.
TEST(AamaTraitsTest, ReadsTheCodePageAndWhetherAPieceIsNamed)
{
    AAMAData korean;
    const IAAMAData &data = load(korean, "korean-code-page.dxf");
    EXPECT_EQ(data.GetCodePage(), "ANSI_949");
    EXPECT_EQ(data.GetPieceName(0), "\xBE\xD5\xC6\xC7");
    EXPECT_EQ(morvane::DxfCodePage(data.GetCodePage()).toUtf8(data.GetPieceName(0)),
              "\uC55E\uD310");
    EXPECT_TRUE(data.HasPieceName(0));

    AAMAData unnamed;
    const IAAMAData &bare = load(unnamed, "unnamed-pieces.dxf");
    ASSERT_EQ(bare.GetPieceCount(), 5);
    for (int piece = 0; piece < 5; ++piece) {
        SCOPED_TRACE(piece);
        EXPECT_EQ(bare.GetPieceName(piece), "");
        EXPECT_EQ(bare.HasPieceName(piece), piece == 2);
    }
}
