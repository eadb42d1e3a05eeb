// Morvane AAMA DXF reader tests.
// Loading AAMA DXF files: pieces, outlines with point flags and rules, header values, file ends.
#include "sources/aama-reader/AAMAData.h"

#include "DxfTestText.h"
#include "ScopedLocale.h"
#include "foundation/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <type_traits>

namespace {

struct VertexRow
{
    double x;
    double y;
    int flags;
    int rule;
    double notchX;
    double notchY;
};

void expectVertices(const IAAMAData &data, int piece, int line,
                    std::initializer_list<VertexRow> rows)
{
    ASSERT_EQ(data.GetVertexCount(piece, line), static_cast<int>(rows.size()));
    int v = 0;
    for (const VertexRow &row : rows) {
        SCOPED_TRACE("vertex " + std::to_string(v));
        int flags = -99;
        int rule = -99;
        double notch[2] = {-99.0, -99.0};
        const morvane::AamaPosition position = data.GetVertex(piece, line, v++, flags, rule, notch);
        EXPECT_DOUBLE_EQ(position.x, row.x);
        EXPECT_DOUBLE_EQ(position.y, row.y);
        EXPECT_EQ(flags, row.flags);
        EXPECT_EQ(rule, row.rule);
        EXPECT_NEAR(notch[0], row.notchX, 1e-6);
        EXPECT_NEAR(notch[1], row.notchY, 1e-6);
    }
}

class TwoPiecesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_file.Load(fixturePath("two-pieces.dxf")));
        m_data = m_file.GetIAAMADataItf();
        ASSERT_NE(m_data, nullptr);
    }

    AAMAData m_file;
    const IAAMAData *m_data = nullptr;
};

} // namespace

TEST_F(TwoPiecesTest, ReadsHeaderValuesByKey)
{
    EXPECT_EQ(m_data->GetStyleName(), "SHIRT");
    EXPECT_EQ(m_data->GetSampleSize(), "M");
    EXPECT_EQ(m_data->GetGradeRuleTable(), "SHIRT");
    EXPECT_EQ(m_data->GetAuthor(), "PATTERN ROOM");
    EXPECT_EQ(m_data->GetCreationDate(), "01-02-2024");
    EXPECT_EQ(m_data->GetCreationTime(), "10:11:12");
    EXPECT_EQ(m_data->GetUnits(), 1) << "\"UNITS: metric\" is metric";
}

TEST_F(TwoPiecesTest, ReadsPiecesAndTheirTexts)
{
    ASSERT_EQ(m_data->GetPieceCount(), 2);
    EXPECT_EQ(m_data->GetPieceName(0), "FRONT");
    EXPECT_EQ(m_data->GetPieceSize(0), "M");
    EXPECT_EQ(m_data->GetPieceQuantity(0), 2);
    EXPECT_EQ(m_data->GetPieceCategory(0), "SHELL");
    EXPECT_EQ(m_data->GetPieceAnnotation(0), "front piece");

    EXPECT_EQ(m_data->GetPieceName(1), "FRONT");
    EXPECT_EQ(m_data->GetPieceSize(1), "L");
    EXPECT_EQ(m_data->GetPieceQuantity(1), 0) << "\"Quantity: two\" is no number";
    EXPECT_EQ(m_data->GetPieceCategory(1), "");
}

// The outline drops a vertex that is near the previous one and a spline frame control point
// (flags 16), but keeps flags 17. Points after the outline give their vertices flags and the
// rules of the "#" labels beside them; a notch gives its vector.
TEST_F(TwoPiecesTest, ReadsBoundaryVerticesWithFlagsRulesAndNotch)
{
    expectVertices(*m_data, 0, -1,
                   {
                       {0.0, 0.0, 1, -1, 0.0, 0.0},
                       {20.0, 0.0, 1, -1, 0.0, 0.0},
                       {20.0, 20.0, 1, 12, 0.0, 0.0},
                       {10.0, 35.0, 2, 7, 0.0, 0.0},
                       {0.0, 30.0, 0x11, -1, 0.0, 2.0},
                   });
    expectVertices(
        *m_data, 1, -1,
        {{0.0, 0.0, 1, -1, 0.0, 0.0}, {22.0, 0.0, 1, -1, 0.0, 0.0}, {11.0, 37.0, 1, -1, 0.0, 0.0}});
}

TEST_F(TwoPiecesTest, ReadsDrillHoleAndInternalLine)
{
    ASSERT_EQ(m_data->GetDrillHoleCount(0), 1);
    int rule = -99;
    const morvane::AamaPosition hole = m_data->GetDrillHole(0, 0, rule);
    EXPECT_DOUBLE_EQ(hole.x, 5.0);
    EXPECT_DOUBLE_EQ(hole.y, 10.0);
    EXPECT_EQ(rule, 3);
    EXPECT_EQ(m_data->GetDrillHoleCount(1), 0);

    ASSERT_EQ(m_data->GetInternalLineCount(0), 1);
    expectVertices(*m_data, 0, 0, {{5.0, 5.0, 1, -1, 0.0, 0.0}, {15.0, 5.0, 1, 20, 0.0, 0.0}});
}

TEST_F(TwoPiecesTest, GivesNeutralValuesForIndexesOutOfRange)
{
    for (const int piece : {-1, 2, 1000}) {
        SCOPED_TRACE(piece);
        EXPECT_EQ(m_data->GetPieceName(piece), "");
        EXPECT_EQ(m_data->GetPieceQuantity(piece), 0);
        EXPECT_EQ(m_data->GetInternalLineCount(piece), 0);
        EXPECT_EQ(m_data->GetVertexCount(piece, -1), 0);
        EXPECT_EQ(m_data->GetDrillHoleCount(piece), 0);
    }
    EXPECT_EQ(m_data->GetVertexCount(0, -2), 0);
    EXPECT_EQ(m_data->GetVertexCount(0, 1), 0) << "piece 0 has one internal line";

    struct Index
    {
        int piece;
        int line;
        int v;
    };
    for (const Index index : {Index{0, -1, 5}, Index{0, -1, -1}, Index{2, -1, 0}, Index{0, 0, 2},
                              Index{0, 3, 0}, Index{0, -7, 0}}) {
        SCOPED_TRACE(std::to_string(index.piece) + "/" + std::to_string(index.line) + "/" +
                     std::to_string(index.v));
        int flags = -99;
        int rule = -99;
        double notch[2] = {-99.0, -99.0};
        const morvane::AamaPosition position =
            m_data->GetVertex(index.piece, index.line, index.v, flags, rule, notch);
        EXPECT_EQ(position.x, 0.0);
        EXPECT_EQ(position.y, 0.0);
        EXPECT_EQ(flags, 0);
        EXPECT_EQ(rule, -1);
        EXPECT_EQ(notch[0], 0.0);
        EXPECT_EQ(notch[1], 0.0);
    }
    int rule = -99;
    const morvane::AamaPosition hole = m_data->GetDrillHole(0, 1, rule);
    EXPECT_EQ(hole.x, 0.0);
    EXPECT_EQ(rule, -1);
}

TEST_F(TwoPiecesTest, ReadsTheSameWithCrLfUnderAGermanLocale)
{
    std::string crlf;
    for (const char c : fixtureText("two-pieces.dxf")) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    const ScopedLocale german("de_DE.UTF-8");
    ASSERT_TRUE(german.isActive());
    AAMAData other;
    ASSERT_TRUE(other.LoadText(crlf));
    EXPECT_EQ(describe(*other.GetIAAMADataItf()), describe(*m_data));
}

TEST(AAMADataTest, StopsReadingAtTheEofGroup)
{
    const std::string afterEof = dxfText(
        {{0, "SECTION"}, {2, "ENTITIES"}, {0, "INSERT"}, {2, "LATE"}, {0, "ENDSEC"}, {0, "EOF"}});
    AAMAData file;
    ASSERT_TRUE(file.LoadText(fixtureText("two-pieces.dxf") + afterEof));
    EXPECT_EQ(file.GetIAAMADataItf()->GetPieceCount(), 2);
}

TEST(AAMADataTest, FailsWithEmptyContentWithoutAnEofGroup)
{
    struct FailCase
    {
        const char *name;
        std::string path;
    };
    const FailCase cases[] = {
        {"no EOF group", fixturePath("missing-eof.dxf")},
        {"a value \"EOF \" is not the end", fixturePath("eof-with-blank.dxf")},
        {"no such file", fixturePath("no-such-file.dxf")},
        {"a folder", fixturePath("")},
    };
    for (const FailCase &row : cases) {
        SCOPED_TRACE(row.name);
        AAMAData file;
        ASSERT_TRUE(file.Load(fixturePath("two-pieces.dxf")));
        EXPECT_FALSE(file.Load(row.path));
        ASSERT_NE(file.GetIAAMADataItf(), nullptr);
        EXPECT_EQ(file.GetIAAMADataItf()->GetPieceCount(), 0);
        EXPECT_EQ(file.GetIAAMADataItf()->GetStyleName(), "");
    }
    EXPECT_FALSE(AAMAData().LoadText(""));
}

TEST(AAMADataTest, HasNoContentBeforeLoadAndMovesItsContent)
{
    static_assert(!std::is_copy_constructible_v<AAMAData>);
    static_assert(!std::is_copy_assignable_v<AAMAData>);

    AAMAData file;
    EXPECT_EQ(file.GetIAAMADataItf(), nullptr);
    ASSERT_TRUE(file.Load(fixturePath("two-pieces.dxf")));
    const IAAMAData *content = file.GetIAAMADataItf();

    AAMAData moved(std::move(file));
    EXPECT_EQ(moved.GetIAAMADataItf(), content);
    AAMAData assigned;
    assigned = std::move(moved);
    EXPECT_EQ(assigned.GetIAAMADataItf(), content);
    EXPECT_EQ(assigned.GetIAAMADataItf()->GetPieceCount(), 2);
}

struct VertexDropCase
{
    const char *name;
    const char *secondX;
    const char *secondY;
    const char *secondFlags;
    int expectedCount;
};

TEST(AAMADataTest, DropsVerticesNearTheLastOrMarkedAsFramePoints)
{
    const VertexDropCase cases[] = {
        {"0.0005 apart in x and y", "10.0005", "10.0005", "0", 1},
        {"0.002 apart in x only", "10.002", "10.0", "0", 2},
        {"flags 16", "50.0", "50.0", "16", 1},
        {"flags 17", "50.0", "50.0", "17", 2},
        {"flags 24", "50.0", "50.0", "24", 2},
    };
    for (const VertexDropCase &row : cases) {
        SCOPED_TRACE(row.name);
        AAMAData file;
        ASSERT_TRUE(file.LoadText(onePieceFile({{0, "POLYLINE"},
                                                {8, "1"},
                                                {0, "VERTEX"},
                                                {10, "10.0"},
                                                {20, "10.0"},
                                                {0, "VERTEX"},
                                                {10, row.secondX},
                                                {20, row.secondY},
                                                {70, row.secondFlags},
                                                {0, "SEQEND"}})));
        EXPECT_EQ(file.GetIAAMADataItf()->GetVertexCount(0, -1), row.expectedCount);
    }
}

// Of several labels beside a point, the last one that names it wins; a label on a layer that
// neither the point nor its polyline has is passed over.
TEST(AAMADataTest, TakesTheLastLabelThatNamesAPoint)
{
    AAMAData file;
    ASSERT_TRUE(file.LoadText(
        onePieceFile({{0, "POLYLINE"}, {8, "1"},     {0, "VERTEX"},  {10, "0.0"},     {20, "0.0"},
                      {0, "SEQEND"},   {0, "POINT"}, {8, "2"},       {10, "0.0"},     {20, "0.0"},
                      {0, "TEXT"},     {8, "2"},     {10, "0.0"},    {20, "0.0"},     {1, "#1"},
                      {0, "TEXT"},     {8, "2"},     {10, "0.0005"}, {20, "-0.0005"}, {1, "#2"},
                      {0, "TEXT"},     {8, "3"},     {10, "0.0"},    {20, "0.0"},     {1, "#3"}})));
    int flags = 0;
    int rule = 0;
    double notch[2] = {};
    file.GetIAAMADataItf()->GetVertex(0, -1, 0, flags, rule, notch);
    EXPECT_EQ(rule, 2);
}

struct HeaderCase
{
    const char *name;
    std::initializer_list<const char *> texts;
    int units;
    const char *styleName;
};

TEST(AAMADataTest, LooksUpHeaderValuesByKey)
{
    const HeaderCase cases[] = {
        {"metric in any case", {"units:   Metric"}, 1, ""},
        {"english", {"Units: ENGLISH"}, 2, ""},
        {"no value and no other units text", {"Units:"}, 0, ""},
        {"trailing blanks are kept", {"Units: METRIC  "}, 0, ""},
        {"the first text with a value wins",
         {"Style Name:", "Style Name:  SKIRT ", "Style Name: OTHER"},
         0,
         "SKIRT "},
        {"the key must stand at the start", {"My Style Name: X", "UNITS: INCH"}, 0, ""},
    };
    for (const HeaderCase &row : cases) {
        SCOPED_TRACE(row.name);
        std::string entities = dxfText({{0, "SECTION"}, {2, "ENTITIES"}});
        for (const char *text : row.texts)
            entities += dxfText({{0, "TEXT"}, {8, "1"}, {1, text}});
        AAMAData file;
        ASSERT_TRUE(file.LoadText(entities + dxfText({{0, "ENDSEC"}, {0, "EOF"}})));
        EXPECT_EQ(file.GetIAAMADataItf()->GetUnits(), row.units);
        EXPECT_EQ(file.GetIAAMADataItf()->GetStyleName(), row.styleName);
    }
}

// Coordinates read to exactly the value that the locale-free number parser gives, whatever
// their form.
TEST(AAMADataTest, ReadsNumbersAsTheNumberParserDoes)
{
    std::vector<std::string> texts = {
        "0",
        "-0.000",
        "123.456",
        "  7",
        ".5",
        "5.",
        "+3",
        "1e3",
        "-2.5E-2",
        "1.2.3",
        "12mm",
        "-",
        "",
        "abc",
        "inf",
        "0.1",
        "9007199254740993",
        "123456789012345.6",
        "0.000000000000001",
        "0.00000000000001",
        "-99999.999",
        "  -3.5",
        "4.25 ",
        "1234567890123456",
        "7\r8",
        "-210.000",
        "12345678",
        "1234.567",
        "-1234567",
        "-.25",
    };
    const ScopedLocale german("de_DE.UTF-8");
    ASSERT_TRUE(german.isActive());
    for (int i = 0; i < 500; ++i)
        texts.push_back(std::to_string(i * 7919 % 100000) + "." +
                        std::to_string(i * 104729 % 1000));

    std::string vertices;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        vertices += dxfText({{0, "VERTEX"}, {10, texts[i]}, {20, std::to_string(i)}});
    }
    AAMAData file;
    ASSERT_TRUE(file.LoadText(
        onePieceFile(dxfText({{0, "POLYLINE"}, {8, "1"}}) + vertices + dxfText({{0, "SEQEND"}}))));
    const IAAMAData &data = *file.GetIAAMADataItf();
    ASSERT_EQ(data.GetVertexCount(0, -1), static_cast<int>(texts.size()));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(texts[i]);
        int flags = 0;
        int rule = 0;
        double notch[2] = {};
        const double x = data.GetVertex(0, -1, static_cast<int>(i), flags, rule, notch).x;
        const double expected = morvane::parseDouble(texts[i]);
        EXPECT_EQ(x, expected);
        EXPECT_EQ(std::signbit(x), std::signbit(expected));
    }
}

struct PileCase
{
    const char *name;
    std::string blockText;
    int vertexCount;
};

// A hostile file piles thousands of points onto thousands of vertices at one position, or
// thousands of notches after thousands of polylines. The reader keeps the points once, not once
// per vertex or polyline they belong to, so these files of about 1.5 MB load and read in a few
// MB; a list with an entry per point and vertex would take gigabytes.
TEST(AAMADataTest, MarksVerticesUnderPilesOfPointsInSpaceLinearInTheFile)
{
    constexpr int kPile = 20000;
    const auto labelOn = [](std::string_view layer) {
        return dxfText({{0, "TEXT"}, {8, layer}, {10, "0"}, {20, "0"}, {1, "#7"}});
    };
    const std::string notch =
        dxfText({{0, "POINT"}, {8, "4"}, {10, "0"}, {20, "0"}, {30, "2"}, {50, "90"}});
    const std::string vertexAtOrigin = dxfText({{0, "VERTEX"}, {10, "0"}, {20, "0"}});

    std::string sharedVertices = dxfText({{0, "POLYLINE"}, {8, "1"}});
    std::string turnPoints;
    std::string otherPolylines;
    std::string notches;
    for (int i = 0; i < kPile; ++i) {
        sharedVertices += vertexAtOrigin + dxfText({{0, "VERTEX"}, {10, "10"}, {20, "0"}});
        turnPoints += dxfText({{0, "POINT"}, {8, "2"}, {10, "0"}, {20, "0"}});
        otherPolylines +=
            dxfText({{0, "POLYLINE"}, {8, "8"}}) + vertexAtOrigin + dxfText({{0, "SEQEND"}});
        notches += notch;
    }
    const PileCase cases[] = {
        {"vertices and points at one position",
         sharedVertices + dxfText({{0, "SEQEND"}}) + turnPoints + notch + labelOn("2"), 2 * kPile},
        {"notches after polylines",
         dxfText({{0, "POLYLINE"}, {8, "1"}}) + vertexAtOrigin + dxfText({{0, "SEQEND"}}) +
             otherPolylines + notches + labelOn("4"),
         1},
    };
    for (const PileCase &row : cases) {
        SCOPED_TRACE(row.name);
        AAMAData file;
        ASSERT_TRUE(file.LoadText(onePieceFile(row.blockText)));
        const IAAMAData &data = *file.GetIAAMADataItf();
        ASSERT_EQ(data.GetVertexCount(0, -1), row.vertexCount);
        int marked = 0;
        for (int v = 0; v < row.vertexCount; ++v) {
            int flags = 0;
            int rule = 0;
            double notchVector[2] = {};
            const morvane::AamaPosition position =
                data.GetVertex(0, -1, v, flags, rule, notchVector);
            const bool atOrigin = position.x == 0.0;
            const bool rightlyMarked =
                atOrigin ? flags == 0x11 && rule == 7 && std::fabs(notchVector[1] - 2.0) < 1e-6
                         : flags == 1 && rule == -1 && notchVector[1] == 0.0;
            marked += rightlyMarked ? 1 : 0;
        }
        EXPECT_EQ(marked, row.vertexCount);
    }
}
