// Morvane AAMA DXF reader.
// The content of one AAMA DXF file: its pieces, their blocks and the header texts.
#include "sources/aama-reader/AamaDataImpl.h"

#include "foundation/NameCompare.h"
#include "foundation/NumberText.h"
#include "sources/dxf-groups/AamaGroupList.h"
#include "sources/dxf-groups/KeyedText.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <unordered_map>

using morvane::AamaPosition;

namespace {

// Reads up to and including (0, "ENDSEC").
void skipSection(CAamaGroupList &groups)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->Is(0, "ENDSEC"))
            return;
    }
}

std::string_view textOf(const CAamaText *text)
{
    return text->m_sText;
}

template <typename Items> bool isIndexOf(const Items &items, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < items.size();
}

// The keys that give a piece's size, in the order they are tried.
constexpr std::string_view kPieceSizeKeys[] = {"Size:", "Sample Size:", "SampleSize:"};

// The keys of the piece values that the reader gives; the texts with them are no drawing.
constexpr std::string_view kPieceValueKeys[] = {"Piece Name:", "Size:",     "Sample Size:",
                                                "SampleSize:", "Annotation:", "Quantity:",
                                                "Category:"};

bool isPieceValueText(std::string_view text)
{
    return std::any_of(std::begin(kPieceValueKeys), std::end(kPieceValueKeys),
                       [text](std::string_view key) { return morvane::startsWithKey(text, key); });
}

AamaPosition positionOf(const CAamaVertex &vertex)
{
    return {vertex.m_dX, vertex.m_dY};
}

int countOf(std::size_t size)
{
    return static_cast<int>(size);
}

} // namespace

std::unique_ptr<CAamaDataImpl> CAamaDataImpl::Read(std::string_view content, std::string &error)
{
    auto data = std::make_unique<CAamaDataImpl>();
    CAamaGroupList groups(content);
    data->ReadSections(groups);
    // Every reading step goes on to the end of the groups, so the EOF group has been met if
    // the text has one.
    if (!groups.HasEndOfFile()) {
        error = groups.Incompleteness();
        return nullptr;
    }
    data->CollectPiecesAndHeaderTexts();
    return data;
}

void CAamaDataImpl::ReadSections(CAamaGroupList &groups)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->Is(0, "EOF"))
            return;
        if (!group->Is(0, "SECTION"))
            continue;
        const CAamaGroup *name = groups.Next();
        if (!name)
            return;
        if (name->Is(2, "HEADER"))
            ReadHeader(groups);
        else if (name->Is(2, "TABLES"))
            skipSection(groups);
        else if (name->Is(2, "BLOCKS"))
            ReadBlocks(groups);
        else if (name->Is(2, "ENTITIES"))
            ReadEntities(groups);
    }
}

void CAamaDataImpl::ReadHeader(CAamaGroupList &groups)
{
    // Group values point into the text, which outlives the reading.
    std::string_view variable;
    while (const CAamaGroup *group = groups.Next()) {
        if (group->Is(0, "ENDSEC"))
            return;
        if (group->m_nCode == 9)
            variable = group->m_sValue;
        else if (group->m_nCode == 70 && variable == "$INSUNITS")
            m_nInsertionUnits = group->Integer();
        else if (group->m_nCode == 70 && variable == "$MEASUREMENT")
            m_nMeasurement = group->Integer();
        else if (group->m_nCode == 3 && variable == "$DWGCODEPAGE")
            m_sCodePage = group->m_sValue;
    }
}

void CAamaDataImpl::ReadBlocks(CAamaGroupList &groups)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->Is(0, "ENDSEC"))
            return;
        if (group->Is(0, "BLOCK")) {
            auto block = std::make_unique<CAamaBlock>();
            block->ReadBlock(groups);
            // While the block's entities are still in the cache.
            block->Classify();
            m_oBlocks.push_back(std::move(block));
        }
    }
}

void CAamaDataImpl::ReadEntities(CAamaGroupList &groups)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->Is(0, "ENDSEC"))
            return;
        if (group->m_nCode == 0) {
            groups.Back();
            m_oEntities.ReadEntity(groups);
        }
    }
}

void CAamaDataImpl::CollectPiecesAndHeaderTexts()
{
    // A piece's block is the first block of its name. Nothing follows the INSERTs inside a
    // block, so a block that inserts itself is harmless.
    std::unordered_map<std::string_view, const CAamaBlock *> blocksByName;
    for (const auto &block : m_oBlocks)
        blocksByName.try_emplace(block->Name(), block.get());

    for (const CAamaInsert &insert : m_oEntities.Inserts()) {
        const auto found = blocksByName.find(insert.m_sBlockName);
        m_oPieces.push_back(found == blocksByName.end() ? nullptr : found->second);
    }
    for (const CAamaText &text : m_oEntities.Texts())
        m_oHeaderTexts.push_back(&text);
}

std::string CAamaDataImpl::HeaderValue(std::string_view key) const
{
    return std::string(morvane::firstKeyedValue(m_oHeaderTexts, key, textOf));
}

std::string CAamaDataImpl::PieceValue(int piece, std::string_view key) const
{
    const CAamaBlock *block = PieceBlock(piece);
    return block ? std::string(morvane::firstKeyedValue(block->PieceTexts(), key, textOf))
                 : std::string();
}

const CAamaBlock *CAamaDataImpl::PieceBlock(int piece) const
{
    return isIndexOf(m_oPieces, piece) ? m_oPieces[std::size_t(piece)] : nullptr;
}

const CAamaLine *CAamaDataImpl::PieceLine(int piece, int line) const
{
    const CAamaBlock *block = PieceBlock(piece);
    if (!block || !isIndexOf(block->Lines(), line))
        return nullptr;
    return &block->Lines()[std::size_t(line)];
}

std::string CAamaDataImpl::GetCreationTime() const
{
    return HeaderValue("Creation Time:");
}

std::string CAamaDataImpl::GetCreationDate() const
{
    return HeaderValue("Creation Date:");
}

std::string CAamaDataImpl::GetStyleName() const
{
    return HeaderValue("Style Name:");
}

std::string CAamaDataImpl::GetAuthor() const
{
    return HeaderValue("Author:");
}

std::string CAamaDataImpl::GetSampleSize() const
{
    return HeaderValue("Sample Size:");
}

std::string CAamaDataImpl::GetGradeRuleTable() const
{
    return HeaderValue("Grade Rule Table:");
}

int CAamaDataImpl::GetUnits() const
{
    constexpr int kMetric = 1;
    constexpr int kEnglish = 2;
    const std::string units = HeaderValue("Units:");
    if (morvane::equalsNoCase(units, "METRIC"))
        return kMetric;
    if (morvane::equalsNoCase(units, "ENGLISH"))
        return kEnglish;
    if (m_nInsertionUnits == 1 || m_nInsertionUnits == 2)
        return kEnglish;
    if (m_nInsertionUnits >= 4 && m_nInsertionUnits <= 6)
        return kMetric;
    if (m_nMeasurement == 0)
        return kEnglish;
    if (m_nMeasurement == 1)
        return kMetric;
    return 0;
}

std::string CAamaDataImpl::GetCodePage() const
{
    return m_sCodePage;
}

int CAamaDataImpl::GetPieceCount() const
{
    return countOf(m_oPieces.size());
}

std::string CAamaDataImpl::GetPieceName(int piece) const
{
    return PieceValue(piece, "Piece Name:");
}

bool CAamaDataImpl::HasPieceName(int piece) const
{
    const CAamaBlock *block = PieceBlock(piece);
    if (!block)
        return false;
    const auto &texts = block->PieceTexts();
    return std::any_of(texts.begin(), texts.end(), [](const CAamaText *text) {
        return morvane::startsWithKey(text->m_sText, "Piece Name:");
    });
}

std::string CAamaDataImpl::GetPieceCategory(int piece) const
{
    return PieceValue(piece, "Category:");
}

int CAamaDataImpl::GetPieceQuantity(int piece) const
{
    return morvane::parseInt(PieceValue(piece, "Quantity:"));
}

std::string CAamaDataImpl::GetPieceAnnotation(int piece) const
{
    return PieceValue(piece, "Annotation:");
}

std::string CAamaDataImpl::GetPieceSize(int piece) const
{
    for (const std::string_view key : kPieceSizeKeys) {
        std::string size = PieceValue(piece, key);
        if (!size.empty())
            return size;
    }
    return {};
}

int CAamaDataImpl::GetInternalLineCount(int piece) const
{
    const CAamaBlock *block = PieceBlock(piece);
    return block ? countOf(block->Lines().size()) : 0;
}

int CAamaDataImpl::GetVertexCount(int piece, int line) const
{
    if (line >= 0)
        return PieceLine(piece, line) ? 2 : 0;
    const CAamaBlock *block = PieceBlock(piece);
    if (line != -1 || !block || !block->Boundary())
        return 0;
    return countOf(block->Boundary()->m_oVertices.size());
}

AamaPosition CAamaDataImpl::GetVertex(int piece, int line, int v, int &pointFlags, int &ruleNumber,
                                      double notchVector[2]) const
{
    pointFlags = 0;
    ruleNumber = -1;
    notchVector[0] = 0.0;
    notchVector[1] = 0.0;
    if (line >= 0) {
        const CAamaLine *internalLine = PieceLine(piece, line);
        if (!internalLine || v < 0 || v > 1)
            return {};
        const bool start = v == 0;
        const CAamaPoint *point = start ? internalLine->m_pFirstPoint : internalLine->m_pLastPoint;
        pointFlags = point ? point->ApplyKind(1, notchVector) : 1;
        ruleNumber = start ? internalLine->m_nStartRuleNumber : internalLine->m_nEndRuleNumber;
        if (start)
            return {internalLine->m_dStartX, internalLine->m_dStartY};
        return {internalLine->m_dEndX, internalLine->m_dEndY};
    }
    if (v < 0 || v >= GetVertexCount(piece, line))
        return {};
    const CAamaBlock &block = *PieceBlock(piece);
    const CAamaVertex &vertex = block.Boundary()->m_oVertices[std::size_t(v)];
    const morvane::AamaPointMarks &marks = block.BoundaryMarks()[std::size_t(v)];
    pointFlags = marks.pointFlags;
    ruleNumber = marks.ruleNumber;
    notchVector[0] = marks.notchVector[0];
    notchVector[1] = marks.notchVector[1];
    return {vertex.m_dX, vertex.m_dY};
}

int CAamaDataImpl::GetDrillHoleCount(int piece) const
{
    const CAamaBlock *block = PieceBlock(piece);
    return block ? countOf(block->DrillHoles().size()) : 0;
}

AamaPosition CAamaDataImpl::GetDrillHole(int piece, int h, int &ruleNumber) const
{
    ruleNumber = -1;
    const CAamaBlock *block = PieceBlock(piece);
    if (!block || !isIndexOf(block->DrillHoles(), h))
        return {};
    const CAamaPoint *hole = block->DrillHoles()[std::size_t(h)];
    ruleNumber = hole->RuleNumber();
    return {hole->m_dX, hole->m_dY};
}

std::vector<morvane::AamaDrawingItem> CAamaDataImpl::GetPieceDrawing(int piece) const
{
    using Item = morvane::AamaDrawingItem;
    std::vector<Item> drawing;
    const CAamaBlock *block = PieceBlock(piece);
    if (!block)
        return drawing;
    for (const CAamaPolyline *polyline : block->OtherPolylines()) {
        Item &item = drawing.emplace_back(Item{Item::Kind::Polyline, polyline->m_nLayer,
                                                polyline->IsClosed(), {}, {}, 0.0});
        item.points.reserve(polyline->m_oVertices.size());
        for (const CAamaVertex &vertex : polyline->m_oVertices)
            item.points.push_back(positionOf(vertex));
    }
    for (const CAamaLine &line : block->Lines()) {
        // The line through a piece's drill holes only repeats them.
        if (line.m_nLayer == morvane::kAamaDrillHoleLayer)
            continue;
        drawing.push_back(Item{Item::Kind::Line,
                               line.m_nLayer,
                               false,
                               {{line.m_dStartX, line.m_dStartY}, {line.m_dEndX, line.m_dEndY}},
                               {},
                               0.0});
    }
    for (const CAamaText &text : block->Texts()) {
        if (text.IsRuleLabel() || text.m_sText.empty() || isPieceValueText(text.m_sText))
            continue;
        drawing.push_back(Item{Item::Kind::Text, text.m_nLayer, false, {{text.m_dX, text.m_dY}},
                               text.m_sText, text.m_dHeight});
    }
    return drawing;
}

namespace {

// The distance from (x, y) to the nearest segment of points (and of its closing segment when
// closed).
double distanceToPolyline(const std::vector<AamaPosition> &points, bool closed, double x,
                          double y)
{
    double nearest = std::numeric_limits<double>::infinity();
    const std::size_t segments = points.size() < 2 ? 0 : points.size() - (closed ? 0 : 1);
    for (std::size_t s = 0; s < segments; ++s) {
        const AamaPosition &from = points[s];
        const AamaPosition &to = points[(s + 1) % points.size()];
        nearest = std::min(
            nearest, morvane::nearestOnSegment(from.x, from.y, to.x, to.y, x, y).distance);
    }
    return nearest;
}

// The drawing item (a polyline or line) that the position lies on; -1 for none.
int drawingItemAt(const std::vector<morvane::AamaDrawingItem> &drawing, double x, double y)
{
    int found = -1;
    double nearest = morvane::kAamaOnLineDistance;
    for (std::size_t i = 0; i < drawing.size(); ++i) {
        if (drawing[i].kind == morvane::AamaDrawingItem::Kind::Text)
            continue;
        const double distance = distanceToPolyline(drawing[i].points, drawing[i].closed, x, y);
        if (distance < nearest) {
            nearest = distance;
            found = static_cast<int>(i);
        }
    }
    return found;
}

} // namespace

std::vector<morvane::AamaNotchOffOutline> CAamaDataImpl::GetNotchesOffOutline(int piece) const
{
    std::vector<morvane::AamaNotchOffOutline> notches;
    const CAamaBlock *block = PieceBlock(piece);
    if (!block || block->NotchesOffOutline().empty())
        return notches;
    const std::vector<morvane::AamaDrawingItem> drawing = GetPieceDrawing(piece);
    for (const CAamaPoint *point : block->NotchesOffOutline()) {
        morvane::AamaNotchOffOutline &notch = notches.emplace_back();
        notch.position = {point->m_dX, point->m_dY};
        point->ApplyKind(0, notch.notchVector);
        notch.ruleNumber = point->RuleNumber();
        notch.drawingItem = drawingItemAt(drawing, point->m_dX, point->m_dY);
    }
    return notches;
}
