// Morvane AAMA grade model tests.
// Writing AAMA DXF files: golden files, notches, capacities, failures and the way back in.
#include "sources/aama-model/AamaDxfWriter.h"

#include "AamaDxfSamples.h"
#include "ExpectThrowMessage.h"
#include "ScopedLocale.h"
#include "TestFiles.h"
#include "sources/aama-model/AtomicFileSave.h"
#include "sources/aama-reader/AAMAData.h"

#include <fstream>

namespace fs = std::filesystem;

namespace {

class AamaDxfWriterTest : public ::testing::Test
{
protected:
    std::string write(const CAamaDxfDocument &document, const char *name = "out.dxf")
    {
        WriteAamaDxf(document, m_folder / name, fixedClock);
        return readFile(m_folder / name);
    }

    ScratchFolder m_folder;
};

} // namespace

TEST_F(AamaDxfWriterTest, WritesGoldenFilesInAnyLocale)
{
    const ScopedLocale german("de_DE.UTF-8");
    ASSERT_TRUE(german.isActive());
    const struct
    {
        const char *golden;
        CAamaDxfDocument document;
    } cases[] = {{"one-piece.dxf", onePieceDocument()}, {"no-piece.dxf", noPieceDocument()}};
    for (const auto &row : cases) {
        SCOPED_TRACE(row.golden);
        const std::string expected = readFile(dataPath(row.golden));
        ASSERT_FALSE(expected.empty());
        const std::string actual = write(row.document);
        EXPECT_TRUE(actual == expected) << firstDifference(actual, expected);
    }
}

TEST_F(AamaDxfWriterTest, WritesNotchesAsDepthAndAngle)
{
    struct NotchCase
    {
        double directionX;
        double directionY;
        const char *groups;
    };
    const NotchCase cases[] = {
        {10.0, 12.0, " 30\r\n2.000\r\n 50\r\n90.000\r\n"},
        {8.0, 10.0, " 30\r\n2.000\r\n 50\r\n180.000\r\n"},
        {10.0, 8.0, " 30\r\n2.000\r\n 50\r\n-90.000\r\n"},
        {13.0, 14.0, " 30\r\n5.000\r\n 50\r\n53.130\r\n"},
        {7.0, 6.0, " 30\r\n5.000\r\n 50\r\n-126.870\r\n"},
    };
    for (const NotchCase &row : cases) {
        SCOPED_TRACE(row.groups);
        CAamaDxfDocument document;
        AamaPiecePoint notch;
        notch.m_nKind = morvane::kAamaNotchPointKind;
        notch.m_dX = 10.0;
        notch.m_dY = 10.0;
        notch.m_dDirectionX = row.directionX;
        notch.m_dDirectionY = row.directionY;
        document.m_oPieces.resize(1);
        document.m_oPieces[0].m_oBoundaryPoints.push_back(notch);
        const std::string text = write(document);
        EXPECT_NE(text.find("POINT\r\n  8\r\n4\r\n 10\r\n10.000\r\n 20\r\n10.000\r\n" +
                            std::string(row.groups)),
                  std::string::npos);
        EXPECT_NE(text.find("Piece Name: No_name"), std::string::npos);
    }
}

TEST_F(AamaDxfWriterTest, ReportsAFileThatCannotBeCreated)
{
    const fs::path path = m_folder / "missing-folder" / "out.dxf";
    EXPECT_THROW_MSG(WriteAamaDxf(onePieceDocument(), path, fixedClock), morvane::FileSaveError,
                     "Can not create file " + path.string());
    EXPECT_FALSE(fs::exists(path.parent_path()));
}

// A write that fails half way leaves the earlier file as it was and no temporary file.
TEST_F(AamaDxfWriterTest, KeepsTheEarlierFileWhenWritingFails)
{
    const fs::path path = m_folder / "out.dxf";
    std::ofstream(path) << "earlier";

    {
        const FileSizeLimit limit(1000);
        EXPECT_THROW_MSG(WriteAamaDxf(largeDocument(), path, fixedClock), morvane::FileSaveError,
                         "Can not write file " + path.string() + ": File too large");
    }

    EXPECT_EQ(readFile(path), "earlier");
    EXPECT_EQ(m_folder.content(), std::vector<std::string>{"out.dxf"});
}

TEST_F(AamaDxfWriterTest, ReportsATargetThatCannotBeReplaced)
{
    const fs::path path = m_folder / "taken";
    fs::create_directories(path / "inside");
    EXPECT_THROW_MSG(WriteAamaDxf(onePieceDocument(), path, fixedClock), morvane::FileSaveError,
                     "Can not write file " + path.string());
    EXPECT_EQ(m_folder.content(), std::vector<std::string>{"taken"});
}

TEST_F(AamaDxfWriterTest, RefusesLineItemsOutsideTheInternalPoints)
{
    struct LineCase
    {
        const char *name;
        int first;
        int count;
    };
    const LineCase cases[] = {
        {"past the end", 5, 2}, {"negative first point", -1, 1}, {"no points", 0, 0}};
    const fs::path path = m_folder / "out.dxf";
    std::ofstream(path) << "earlier";
    for (const LineCase &row : cases) {
        SCOPED_TRACE(row.name);
        CAamaDxfDocument document = onePieceDocument();
        document.m_oPieces[0].m_oLines[1].m_nFirstPoint = row.first;
        document.m_oPieces[0].m_oLines[1].m_nPointCount = row.count;
        EXPECT_THROW_MSG(WriteAamaDxf(document, path, fixedClock), std::invalid_argument,
                         "piece 'FRONT': line 1");
    }
    EXPECT_EQ(readFile(path), "earlier");
    EXPECT_EQ(m_folder.content(), std::vector<std::string>{"out.dxf"});
}

namespace {

int expectedFlags(const AamaPiecePoint &point)
{
    switch (point.m_nKind) {
    case morvane::kAamaCurvePointKind:
        return 2;
    case morvane::kAamaNotchPointKind:
        return 0x11;
    default:
        return 1;
    }
}

void expectBoundaryReadBack(const IAAMAData &data, int piece, const AamaPiece &written)
{
    const auto &points = written.m_oBoundaryPoints;
    // The outline comes back closed by its repeated first vertex.
    ASSERT_EQ(data.GetVertexCount(piece, -1), static_cast<int>(points.size()) + 1);
    for (std::size_t i = 0; i <= points.size(); ++i) {
        SCOPED_TRACE("vertex " + std::to_string(i));
        const AamaPiecePoint &point = points[i % points.size()];
        int flags = 0;
        int rule = 0;
        double notch[2] = {};
        const auto position = data.GetVertex(piece, -1, static_cast<int>(i), flags, rule, notch);
        EXPECT_NEAR(position.x, point.m_dX, 0.0005);
        EXPECT_NEAR(position.y, point.m_dY, 0.0005);
        EXPECT_EQ(flags, expectedFlags(point));
        EXPECT_EQ(rule, point.m_nRuleNumber);
        const bool isNotch = point.m_nKind == morvane::kAamaNotchPointKind;
        EXPECT_NEAR(notch[0], isNotch ? point.m_dDirectionX - point.m_dX : 0.0, 0.001);
        EXPECT_NEAR(notch[1], isNotch ? point.m_dDirectionY - point.m_dY : 0.0, 0.001);
    }
}

void expectDrillHolesReadBack(const IAAMAData &data, int piece, const AamaPiece &written)
{
    std::vector<AamaPiecePoint> holes;
    for (const AamaPiecePoint &point : written.m_oInternalPoints) {
        if (point.m_nKind == morvane::kAamaDrillHolePointKind)
            holes.push_back(point);
    }
    ASSERT_EQ(data.GetDrillHoleCount(piece), static_cast<int>(holes.size()));
    for (std::size_t h = 0; h < holes.size(); ++h) {
        int rule = 0;
        const auto position = data.GetDrillHole(piece, static_cast<int>(h), rule);
        EXPECT_NEAR(position.x, holes[h].m_dX, 0.0005);
        EXPECT_NEAR(position.y, holes[h].m_dY, 0.0005);
        EXPECT_EQ(rule, holes[h].m_nRuleNumber);
    }
}

} // namespace

TEST_F(AamaDxfWriterTest, WritesFilesThatReadBackAsTheSamePieces)
{
    for (const AamaDxfSample &sample : allSamples()) {
        SCOPED_TRACE(sample.name);
        const CAamaDxfDocument &document = sample.document;
        const fs::path path = m_folder / (sample.name + ".dxf");
        WriteAamaDxf(document, path, fixedClock);

        AAMAData file;
        ASSERT_TRUE(file.Load(path));
        const IAAMAData &data = *file.GetIAAMADataItf();
        EXPECT_EQ(data.GetStyleName(), document.m_sStyleName);
        EXPECT_EQ(data.GetSampleSize(), document.m_sSampleSize);
        EXPECT_EQ(data.GetGradeRuleTable(), document.m_sGradeRuleTable);
        EXPECT_EQ(data.GetAuthor(), "TELVAREN");
        EXPECT_EQ(data.GetCreationDate(), "05-03-2024");
        EXPECT_EQ(data.GetCreationTime(), "14:07:09");
        EXPECT_EQ(data.GetUnits(), 1);
        ASSERT_EQ(data.GetPieceCount(), static_cast<int>(document.m_oPieces.size()));
        for (int i = 0; i < data.GetPieceCount(); ++i) {
            SCOPED_TRACE(i);
            const AamaPiece &piece = document.m_oPieces[static_cast<std::size_t>(i)];
            EXPECT_EQ(data.GetPieceName(i), piece.m_sName);
            EXPECT_EQ(data.GetPieceSize(i), document.m_sSampleSize);
            EXPECT_EQ(data.GetPieceQuantity(i), 1);
            expectBoundaryReadBack(data, i, piece);
            expectDrillHolesReadBack(data, i, piece);
        }
    }
}
