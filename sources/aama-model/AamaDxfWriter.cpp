// Morvane AAMA grade model.
// Writes a document of pieces as an AAMA DXF file.
#include "sources/aama-model/AamaDxfWriter.h"

#include "foundation/NameCompare.h"
#include "foundation/TextFormat.h"
#include "sources/aama-model/AtomicFileSave.h"
#include "sources/aama-model/DxfText.h"
#include "sources/dxf-groups/DxfCodePage.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

using morvane::DxfGroup;
using morvane::DxfRun;
using morvane::DxfText;
using morvane::format;

namespace {

// The colours of AAMA layers 1 to 14.
constexpr int kLayerColours[] = {7, 1, 2, 3, 5, 5, 5, 4, 5, 5, 4, 6, 4, 7};

constexpr int kBoundaryLayer = 1;
constexpr int kTurnPointLayer = 2;
constexpr int kCurvePointLayer = 3;
constexpr int kNotchLayer = 4;
constexpr int kInternalLineLayer = 8;
constexpr int kDrillHoleLayer = 13;

int pointLayer(int kind)
{
    switch (kind) {
    case 2:
    case 10:
        return kCurvePointLayer;
    case 3:
        return kNotchLayer;
    case 129:
        return kDrillHoleLayer;
    default:
        return kTurnPointLayer;
    }
}

int lineLayer(int kind)
{
    switch (kind) {
    case 4:
    case 20:
        return 5;
    case 8:
        return 9;
    case 12:
        return 10;
    case 16:
        return 7;
    case 28:
        return kDrillHoleLayer;
    case 84:
        return 6;
    default:
        return kInternalLineLayer;
    }
}

constexpr DxfGroup kHeaderStart[] = {
    {0, "SECTION"},
    {2, "HEADER"},
    {9, "$CLAYER"},
    {8, "1"},
};

// The HEADER section: the current layer, and the code page when the document names one.
void writeHeader(DxfText &dxf, const CAamaDxfDocument &document)
{
    dxf.groups(kHeaderStart);
    if (!document.m_sCodePage.empty()) {
        dxf.group(9, "$DWGCODEPAGE");
        dxf.group(3, document.m_sCodePage);
    }
    dxf.group(0, "ENDSEC");
}

// The tables of line types and text styles, each of one entry.
constexpr DxfGroup kLineTypeTable[] = {
    {0, "TABLE"},     {2, "LTYPE"}, {70, "  1"}, {0, "LTYPE"},   {2, "CONTINUOUS"}, {70, " 64"},
    {3, "SOLIDLINE"}, {72, " 65"},  {73, "  0"}, {40, "0.0000"}, {0, "ENDTAB"},
};
constexpr DxfGroup kStyleTable[] = {
    {0, "TABLE"},   {2, "STYLE"},   {70, "  1"},    {0, "STYLE"},   {2, "STANDARD"},
    {70, "  0"},    {40, "0.0000"}, {41, "1.0000"}, {50, "0.0000"}, {71, "  0"},
    {42, "1.0000"}, {3, "txt"},     {4, ""},        {0, "ENDTAB"},
};

void writeLayerTable(DxfText &dxf)
{
    dxf.group(0, "TABLE");
    dxf.group(2, "LAYER");
    dxf.group(70, "  14");
    int layer = 1;
    for (const int colour : kLayerColours) {
        dxf.group(0, "LAYER");
        dxf.group(2, morvane::formatInteger(layer++));
        dxf.group(70, "  0");
        dxf.group(62, "  " + morvane::formatInteger(colour));
        dxf.group(6, "CONTINUOUS");
    }
    dxf.group(0, "ENDTAB");
}

void writeTables(DxfText &dxf)
{
    dxf.group(0, "SECTION");
    dxf.group(2, "TABLES");
    dxf.groups(kLineTypeTable);
    writeLayerTable(dxf);
    dxf.groups(kStyleTable);
    dxf.group(0, "ENDSEC");
}

// A TEXT entity up to its text value, which the caller writes.
void startText(DxfText &dxf, int layer, double x, double y)
{
    dxf.group(0, "TEXT");
    dxf.layer(layer);
    dxf.position(x, y);
    dxf.group(40, "0.0");
}

// The position of a point: the groups written for it before, or else written now.
DxfRun writePosition(DxfText &dxf, const AamaPiecePoint &point, DxfRun written)
{
    if (written.size == 0)
        return dxf.position(point.m_dX, point.m_dY);
    dxf.repeat(written);
    return written;
}

// The depth and angle of a notch, after its position.
void writeNotchCut(DxfText &dxf, const AamaPiecePoint &point)
{
    double dx = point.m_dDirectionX - point.m_dX;
    const double dy = point.m_dDirectionY - point.m_dY;
    if (dx == 0.0)
        dx = 1e-8;
    const double depth = std::sqrt(dx * dx + dy * dy);
    double angle = std::atan(dy / dx);
    if (dx < 0.0)
        angle += dy >= 0.0 ? std::numbers::pi : -std::numbers::pi;
    dxf.coordinate(30, depth);
    dxf.coordinate(50, angle * 180.0 / std::numbers::pi);
}

// A point as a POINT entity, followed by its "# n" label when it has a rule number; written is
// where its position was written before, if it was.
void writePointEntity(DxfText &dxf, const AamaPiecePoint &point, DxfRun written)
{
    const int layer = pointLayer(point.m_nKind);
    dxf.group(0, "POINT");
    dxf.layer(layer);
    const DxfRun position = writePosition(dxf, point, written);
    if (layer == kNotchLayer)
        writeNotchCut(dxf, point);
    if (point.m_nRuleNumber == -1)
        return;
    dxf.group(0, "TEXT");
    dxf.layer(layer);
    dxf.repeat(position);
    dxf.group(40, "0.0");
    dxf.numberedGroup(1, "# ", point.m_nRuleNumber);
}

DxfRun writeVertex(DxfText &dxf, int layer, const AamaPiecePoint &point, DxfRun written = {})
{
    dxf.group(0, "VERTEX");
    dxf.layer(layer);
    return writePosition(dxf, point, written);
}

// Vertices of points on layer, each position kept in positions for the points' entities.
void writeVertices(DxfText &dxf, int layer, std::span<const AamaPiecePoint> points,
                   std::vector<DxfRun> &positions)
{
    for (const AamaPiecePoint &point : points)
        positions.push_back(writeVertex(dxf, layer, point));
}

void writePointEntities(DxfText &dxf, std::span<const AamaPiecePoint> points,
                        const std::vector<DxfRun> &positions)
{
    for (std::size_t i = 0; i < points.size(); ++i)
        writePointEntity(dxf, points[i], positions[i]);
}

// The outline, closed both by its flag and by repeating its first vertex, then its points.
void writeBoundary(DxfText &dxf, const std::vector<AamaPiecePoint> &points)
{
    dxf.group(0, "POLYLINE");
    dxf.layer(kBoundaryLayer);
    dxf.group(66, "1");
    dxf.group(70, "   1");
    std::vector<DxfRun> positions;
    positions.reserve(points.size());
    writeVertices(dxf, kBoundaryLayer, points, positions);
    if (!points.empty())
        writeVertex(dxf, kBoundaryLayer, points.front(), positions.front());
    dxf.group(0, "SEQEND");
    writePointEntities(dxf, points, positions);
}

void checkLine(const AamaPiece &piece, std::size_t index)
{
    const AamaPieceLine &line = piece.m_oLines[index];
    const auto pointCount = static_cast<long long>(piece.m_oInternalPoints.size());
    if (line.m_nPointCount < 1 || line.m_nFirstPoint < 0 ||
        static_cast<long long>(line.m_nFirstPoint) + line.m_nPointCount > pointCount) {
        throw std::invalid_argument(
            format("piece '%s': line %zu (points %d to %d) reaches past its %lld internal points",
                   piece.m_sName.c_str(), index, line.m_nFirstPoint,
                   line.m_nFirstPoint + line.m_nPointCount - 1, pointCount));
    }
}

// An internal line: an open POLYLINE on the internal-line layer, or a LINE from its first to
// its last point on the layer of its kind; then its points.
void writeLine(DxfText &dxf, const AamaPiece &piece, const AamaPieceLine &line)
{
    const std::span<const AamaPiecePoint> points(
        piece.m_oInternalPoints.data() + line.m_nFirstPoint,
        static_cast<std::size_t>(line.m_nPointCount));
    std::vector<DxfRun> positions;
    positions.reserve(points.size());
    const int layer = lineLayer(line.m_nKind);
    if (layer == kInternalLineLayer) {
        dxf.group(0, "POLYLINE");
        dxf.layer(layer);
        dxf.group(66, "1");
        dxf.group(70, "   0");
        writeVertices(dxf, layer, points, positions);
        dxf.group(0, "SEQEND");
    } else {
        dxf.group(0, "LINE");
        dxf.layer(layer);
        positions.resize(points.size());
        positions.front() = dxf.position(points.front().m_dX, points.front().m_dY);
        dxf.coordinate(11, points.back().m_dX);
        dxf.coordinate(21, points.back().m_dY);
    }
    writePointEntities(dxf, points, positions);
}

// What the piece draws besides its outline, as it was read: on its own layer, without labels.
void writeDrawingItem(DxfText &dxf, const morvane::AamaDrawingItem &item)
{
    using Kind = morvane::AamaDrawingItem::Kind;
    if (item.points.empty())
        return;
    switch (item.kind) {
    case Kind::Polyline:
        dxf.group(0, "POLYLINE");
        dxf.layer(item.layer);
        dxf.group(66, "1");
        dxf.group(70, item.closed ? "   1" : "   0");
        for (const morvane::AamaPosition &point : item.points) {
            dxf.group(0, "VERTEX");
            dxf.layer(item.layer);
            dxf.position(point.x, point.y);
        }
        dxf.group(0, "SEQEND");
        return;
    case Kind::Line:
        dxf.group(0, "LINE");
        dxf.layer(item.layer);
        dxf.position(item.points.front().x, item.points.front().y);
        dxf.coordinate(11, item.points.back().x);
        dxf.coordinate(21, item.points.back().y);
        return;
    case Kind::Text:
        dxf.group(0, "TEXT");
        dxf.layer(item.layer);
        dxf.position(item.points.front().x, item.points.front().y);
        dxf.coordinate(40, item.textHeight);
        dxf.group(1, item.text);
        return;
    }
}

// The characters that no DXF symbol name may hold, besides control characters.
constexpr std::string_view kNotInSymbolNames = "<>/\\\":;?*|=`";
// A longer name is not kept as a block name: many readers take no more.
constexpr std::size_t kLongestBlockName = 255;

bool isSymbolCharacter(char c)
{
    return static_cast<unsigned char>(c) >= 0x20 &&
           kNotInSymbolNames.find(c) == std::string_view::npos;
}

// The name as a block name: each character that no symbol name may hold becomes "_"; an empty or
// overlong name gives "PIECE" and the piece's number. The characters are looked at as the code
// page shows them, so that the second byte of a two-byte character is never taken for one.
std::string validBlockName(const std::string &name, std::size_t index,
                           const morvane::DxfCodePage &codePage)
{
    if (name.empty() || name.size() > kLongestBlockName)
        return "PIECE" + morvane::formatInteger(static_cast<long long>(index) + 1);
    if (std::all_of(name.begin(), name.end(), isSymbolCharacter))
        return name;
    std::string shown = codePage.toUtf8(name);
    if (std::all_of(shown.begin(), shown.end(), isSymbolCharacter))
        return name;
    std::replace_if(shown.begin(), shown.end(), [](char c) { return !isSymbolCharacter(c); },
                    '_');
    // A "?" stands for a character the code page lacks; no code page has it inside a character.
    std::string valid = codePage.fromUtf8(shown);
    std::replace(valid.begin(), valid.end(), '?', '_');
    return valid;
}

// A valid block name for each piece, no two alike without regard to ASCII case: a name taken
// before gets "_2", "_3" ... added.
std::vector<std::string> uniqueBlockNames(const CAamaDxfDocument &document)
{
    const morvane::DxfCodePage codePage(document.m_sCodePage);
    std::vector<std::string> names;
    names.reserve(document.m_oPieces.size());
    std::unordered_set<std::string> taken;
    for (std::size_t i = 0; i < document.m_oPieces.size(); ++i) {
        const std::string valid = validBlockName(document.m_oPieces[i].m_sName, i, codePage);
        std::string name = valid;
        for (long long n = 2; !taken.insert(morvane::toUpperAscii(name)).second; ++n)
            name = valid + "_" + morvane::formatInteger(n);
        names.push_back(std::move(name));
    }
    return names;
}

void writePieceText(DxfText &dxf, const std::string &text)
{
    startText(dxf, kBoundaryLayer, 0.0, 0.0);
    dxf.group(1, text);
}

void writePieceTexts(DxfText &dxf, const AamaPiece &piece, const std::string &sampleSize)
{
    if (piece.m_bHasNameText)
        writePieceText(dxf, "Piece Name: " + piece.m_sName);
    writePieceText(dxf, "Size: " + sampleSize);
    writePieceText(dxf, piece.m_sAnnotation.empty() ? "Annotation:"
                                                   : "Annotation: " + piece.m_sAnnotation);
    writePieceText(dxf, "Quantity: " + morvane::formatInteger(piece.m_nQuantity));
    writePieceText(dxf, "Category: " + piece.m_sCategory);
}

void writePiece(DxfText &dxf, const AamaPiece &piece, const std::string &blockName,
                const std::string &sampleSize)
{
    dxf.group(0, "BLOCK");
    dxf.layer(kBoundaryLayer);
    dxf.group(2, blockName);
    dxf.group(70, "0");
    dxf.group(10, "0.0");
    dxf.group(20, "0.0");
    writeBoundary(dxf, piece.m_oBoundaryPoints);
    for (std::size_t i = 0; i < piece.m_oLines.size(); ++i) {
        if (piece.m_oLines[i].m_nKind == 0)
            continue;
        checkLine(piece, i);
        writeLine(dxf, piece, piece.m_oLines[i]);
    }
    // Each notch off the outline follows what it lies on.
    const auto writeNotchesOn = [&](int item) {
        for (const AamaLooseNotch &notch : piece.m_oLooseNotches) {
            if (notch.m_nDrawingItem == item)
                writePointEntity(dxf, notch.m_oPoint, {});
        }
    };
    for (std::size_t i = 0; i < piece.m_oDrawing.size(); ++i) {
        writeDrawingItem(dxf, piece.m_oDrawing[i]);
        writeNotchesOn(static_cast<int>(i));
    }
    for (const AamaLooseNotch &notch : piece.m_oLooseNotches) {
        if (notch.m_nDrawingItem < 0 ||
            static_cast<std::size_t>(notch.m_nDrawingItem) >= piece.m_oDrawing.size())
            writePointEntity(dxf, notch.m_oPoint, {});
    }
    writePieceTexts(dxf, piece, sampleSize);
    dxf.group(0, "ENDBLK");
}

void writeBlocks(DxfText &dxf, const CAamaDxfDocument &document,
                 const std::vector<std::string> &blockNames)
{
    dxf.group(0, "SECTION");
    dxf.group(2, "BLOCKS");
    for (std::size_t i = 0; i < document.m_oPieces.size(); ++i)
        writePiece(dxf, document.m_oPieces[i], blockNames[i], document.m_sSampleSize);
    dxf.group(0, "ENDSEC");
}

// The start of a header TEXT at the origin; its text value is the next header text.
void startHeaderText(DxfText &dxf)
{
    startText(dxf, kBoundaryLayer, 0.0, 0.0);
}

// Every INSERT is followed by the start of a TEXT; the header texts then complete the open
// TEXT one after another, each opening the next, so the last INSERT's TEXT carries the style
// name.
void writeEntities(DxfText &dxf, const CAamaDxfDocument &document,
                   const std::vector<std::string> &blockNames, const std::tm &now)
{
    dxf.group(0, "SECTION");
    dxf.group(2, "ENTITIES");
    for (const std::string &blockName : blockNames) {
        dxf.group(0, "INSERT");
        dxf.layer(kBoundaryLayer);
        dxf.group(2, blockName);
        dxf.group(10, "0.000");
        dxf.group(20, "0.000");
        startHeaderText(dxf);
    }
    // Without pieces, the style name still needs a TEXT to belong to.
    if (document.m_oPieces.empty())
        startHeaderText(dxf);
    const std::string texts[] = {
        "Style Name: " + document.m_sStyleName,
        "Creation Date: " + morvane::dayMonthYearText(now),
        "Creation Time: " + morvane::timeOfDayText(now),
        "Author: TELVAREN",
        "Sample Size: " + document.m_sSampleSize,
        "Grade Rule Table: " + document.m_sGradeRuleTable,
        "Units: " + document.m_sUnits,
    };
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        if (i > 0)
            startHeaderText(dxf);
        dxf.group(1, texts[i]);
    }
    dxf.group(0, "ENDSEC");
}

// About what the file takes: each point is written as a vertex and a point entity, some with a
// label; the rest is small beside them.
std::size_t expectedSize(const CAamaDxfDocument &document)
{
    constexpr std::size_t kBytesPerPoint = 128;
    std::size_t points = 0;
    for (const AamaPiece &piece : document.m_oPieces)
        points += piece.m_oBoundaryPoints.size() + piece.m_oInternalPoints.size();
    return 4096 + kBytesPerPoint * points;
}

} // namespace

void WriteAamaDxf(const CAamaDxfDocument &document, const std::filesystem::path &path,
                  const morvane::LocalClock &clock)
{
    DxfText dxf;
    dxf.reserve(expectedSize(document));
    writeHeader(dxf, document);
    writeTables(dxf);
    const std::vector<std::string> blockNames = uniqueBlockNames(document);
    writeBlocks(dxf, document, blockNames);
    writeEntities(dxf, document, blockNames, clock());
    dxf.group(0, "EOF");
    morvane::saveFileAtomically(path, dxf.text());
}
