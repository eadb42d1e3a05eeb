// Morvane AAMA DXF reader tests.
// Files written by other pattern systems, which bend the format, and broken block references.
#include "DxfTestText.h"
#include "sources/aama-reader/AAMAData.h"

#include <gtest/gtest.h>
#include <string>

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
// before any outline belongs to none.
TEST(AamaTraitsTest, ReadsNotchPointsWithExtraCodes)
{
    AAMAData file;
    const IAAMAData &data = load(file, "notch-points.dxf");
    ASSERT_EQ(data.GetVertexCount(0, -1), 4);
    const Vertex first = vertexOf(data, 0, 0);
    EXPECT_EQ(first.flags, 1);
    EXPECT_EQ(first.notch[0], 0.0);
    EXPECT_EQ(first.notch[1], 0.0);

    const Vertex notch = vertexOf(data, 0, 1);
    EXPECT_EQ(notch.flags, 0x11);
    EXPECT_EQ(notch.rule, 8);
    EXPECT_NEAR(notch.notch[0], 0.0, 1e-6);
    EXPECT_NEAR(notch.notch[1], -3.0, 1e-6);
}

// Only the first POLYLINE on layer 1 is the boundary; the other segments are other polylines.
TEST(AamaTraitsTest, TakesTheFirstSegmentOfASplitOutlineAsBoundary)
{
    AAMAData file;
    const IAAMAData &data = load(file, "split-outline.dxf");
    EXPECT_EQ(data.GetPieceName(0), "CUFF");
    ASSERT_EQ(data.GetVertexCount(0, -1), 2);
    EXPECT_EQ(vertexOf(data, 0, 0).rule, -1);
    EXPECT_EQ(vertexOf(data, 0, 1).position.x, 12.0);
    EXPECT_EQ(vertexOf(data, 0, 1).rule, 1);
}

TEST(AamaTraitsTest, ConvertsLegacyEightBitTextToUtf8)
{
    AAMAData file;
    const IAAMAData &data = load(file, "legacy-encoding.dxf");
    ASSERT_EQ(data.GetPieceCount(), 1);
    EXPECT_EQ(data.GetPieceName(0), "\u00c4rmel");
    EXPECT_EQ(data.GetPieceSize(0), "Gr\u00f6\u00dfe 38");
    EXPECT_EQ(data.GetSampleSize(), data.GetPieceSize(0));
    EXPECT_EQ(data.GetStyleName(), "Blus\u00e9 \u2013 Sommer");
    EXPECT_EQ(data.GetVertexCount(0, -1), 3);
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
