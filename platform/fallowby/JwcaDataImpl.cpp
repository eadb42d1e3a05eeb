// Morvane second DXF reader.
// The content of one graded R12 DXF file: its blocks, the pieces that insert them, header texts.
#include "platform/fallowby/JwcaDataImpl.h"

#include "foundation/NameCompare.h"
#include "sources/aama-reader/AamaGroupList.h"
#include "sources/aama-reader/FileText.h"

#include <cmath>

using namespace morvane;

namespace {

// The factor that turns degrees into radians, as the AAMA reader uses it.
constexpr double kDegreesToRadians = 0.0174532925;

// Hands each group of one entity to read, up to the next group with code 0, which is left to be
// read again.
template <typename Read> void readEntityGroups(CAamaGroupList &groups, Read read)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->m_nCode == 0) {
            groups.Back();
            return;
        }
        read(*group);
    }
}

// Reads one coordinate group into point: codes xCode and xCode + 10.
void readCoordinate(const CAamaGroup &group, int xCode, DPOINT &point)
{
    if (group.m_nCode == xCode)
        point.x = group.Real();
    else if (group.m_nCode == xCode + 10)
        point.y = group.Real();
}

std::string readText(CAamaGroupList &groups)
{
    std::string text;
    readEntityGroups(groups, [&](const CAamaGroup &group) {
        if (group.m_nCode == 1)
            text = textFromFile(group.m_sValue);
    });
    return text;
}

JwcaVertex readVertex(CAamaGroupList &groups)
{
    JwcaVertex vertex;
    readEntityGroups(groups, [&](const CAamaGroup &group) {
        readCoordinate(group, 10, vertex.position);
        if (group.m_nCode == 999)
            vertex.comment = parseJwcaComment(group.m_sValue);
        else if (group.m_nCode == 38)
            vertex.notchDepth = group.Real();
        else if (group.m_nCode == 50)
            vertex.notchAngle = group.Real();
    });
    return vertex;
}

// A POLYLINE with its VERTEX entities, up to and including its SEQEND (or up to any other
// entity, when the SEQEND is missing).
JwcaPolyline readPolyline(CAamaGroupList &groups)
{
    JwcaPolyline polyline;
    readEntityGroups(groups, [&](const CAamaGroup &group) {
        if (group.m_nCode == 999)
            polyline.comment = parseJwcaComment(group.m_sValue);
    });
    while (const CAamaGroup *group = groups.Next()) {
        if (group->Is(0, "SEQEND")) {
            readEntityGroups(groups, [](const CAamaGroup &) {});
            return polyline;
        }
        if (!group->Is(0, "VERTEX")) {
            groups.Back();
            return polyline;
        }
        polyline.vertices.push_back(readVertex(groups));
    }
    return polyline;
}

JwcaLine readLine(CAamaGroupList &groups)
{
    JwcaLine line;
    readEntityGroups(groups, [&](const CAamaGroup &group) {
        readCoordinate(group, 10, line.start);
        readCoordinate(group, 11, line.end);
        if (group.m_nCode == 999)
            line.comment = parseJwcaComment(group.m_sValue);
    });
    return line;
}

JwcaPoint readPoint(CAamaGroupList &groups)
{
    JwcaPoint point;
    readEntityGroups(groups, [&](const CAamaGroup &group) {
        readCoordinate(group, 10, point.position);
        if (group.m_nCode == 999)
            point.comment = parseJwcaComment(group.m_sValue);
    });
    return point;
}

// True for the groups that end a section early: a missing ENDSEC or ENDBLK must not let one
// section swallow the next.
bool endsSection(const CAamaGroup &group)
{
    return group.Is(0, "ENDSEC") || group.Is(0, "SECTION") || group.Is(0, "EOF");
}

void readEntityInto(JwcaBlock &block, const CAamaGroup &name, CAamaGroupList &groups)
{
    if (name.Is(0, "TEXT"))
        block.texts.push_back(readText(groups));
    else if (name.Is(0, "POLYLINE"))
        block.polylines.push_back(readPolyline(groups));
    else if (name.Is(0, "LINE"))
        block.lines.push_back(readLine(groups));
    else if (name.Is(0, "POINT"))
        block.points.push_back(readPoint(groups));
    else
        groups.Skip();
}

JwcaBlock readBlock(CAamaGroupList &groups)
{
    JwcaBlock block;
    readEntityGroups(groups, [&](const CAamaGroup &group) {
        if (group.m_nCode == 2)
            block.name = textFromFile(group.m_sValue);
    });
    while (const CAamaGroup *group = groups.Next()) {
        if (group->Is(0, "ENDBLK"))
            break;
        if (endsSection(*group) || group->Is(0, "BLOCK")) {
            groups.Back();
            break;
        }
        readEntityInto(block, *group, groups);
    }
    return block;
}

// Reads the groups of a section that is not read, up to and including its ENDSEC.
void skipSection(CAamaGroupList &groups)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->Is(0, "ENDSEC"))
            return;
        if (group->Is(0, "EOF")) {
            groups.Back();
            return;
        }
    }
}

// The value of the first text that starts with key (without regard to case) and has more than
// blanks after it: that rest without its leading blanks.
std::string keyValue(const std::vector<std::string> &texts, std::string_view key)
{
    for (const std::string &text : texts) {
        if (text.size() < key.size() ||
            !equalsNoCase(std::string_view(text).substr(0, key.size()), key))
            continue;
        const std::size_t start = text.find_first_not_of(" \t", key.size());
        if (start != std::string::npos)
            return text.substr(start);
    }
    return {};
}

template <typename T> const T *itemAt(const std::vector<T> &items, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= items.size())
        return nullptr;
    return &items[static_cast<std::size_t>(index)];
}

int countOf(std::size_t size)
{
    return static_cast<int>(size);
}

int vertexFlags(const JwcaComment &comment)
{
    int flags = 0;
    if (comment.pointClass == kJwcaTurnPointClass)
        flags = 1;
    else if (comment.pointClass == kJwcaCurvePointClass)
        flags = 2;
    if (comment.notch > 0)
        flags |= 0x10;
    return flags;
}

bool isNotch(const JwcaVertex &vertex)
{
    return vertex.comment.notch > 0;
}

} // namespace

std::unique_ptr<CJwcaDataImpl> CJwcaDataImpl::Read(std::string_view content)
{
    auto data = std::make_unique<CJwcaDataImpl>();
    CAamaGroupList groups(content);
    data->ReadSections(groups);
    if (!groups.HasEndOfFile())
        return nullptr;
    data->ResolvePieces();
    return data;
}

void CJwcaDataImpl::ReadSections(CAamaGroupList &groups)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->Is(0, "EOF"))
            return;
        if (!group->Is(0, "SECTION"))
            continue;
        const CAamaGroup *name = groups.Next();
        if (name == nullptr)
            return;
        if (name->Is(2, "BLOCKS"))
            ReadBlocks(groups);
        else if (name->Is(2, "ENTITIES"))
            ReadEntities(groups);
        else
            skipSection(groups);
    }
}

void CJwcaDataImpl::ReadBlocks(CAamaGroupList &groups)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->Is(0, "ENDSEC"))
            return;
        if (endsSection(*group)) {
            groups.Back();
            return;
        }
        if (group->Is(0, "BLOCK"))
            m_oBlocks.push_back(readBlock(groups));
    }
}

void CJwcaDataImpl::ReadEntities(CAamaGroupList &groups)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->Is(0, "ENDSEC"))
            return;
        if (endsSection(*group)) {
            groups.Back();
            return;
        }
        if (group->Is(0, "TEXT")) {
            m_oHeaderTexts.push_back(readText(groups));
        } else if (group->Is(0, "INSERT")) {
            std::string blockName;
            readEntityGroups(groups, [&](const CAamaGroup &each) {
                if (each.m_nCode == 2)
                    blockName = textFromFile(each.m_sValue);
            });
            m_oInsertNames.push_back(std::move(blockName));
        }
    }
}

void CJwcaDataImpl::ResolvePieces()
{
    for (const std::string &name : m_oInsertNames) {
        for (const JwcaBlock &block : m_oBlocks) {
            if (block.name == name) {
                m_oPieces.push_back(&block);
                break;
            }
        }
    }
}

const JwcaBlock *CJwcaDataImpl::PieceBlock(int piece) const
{
    const JwcaBlock *const *block = itemAt(m_oPieces, piece);
    return block != nullptr ? *block : nullptr;
}

const JwcaPolyline *CJwcaDataImpl::PieceLine(int piece, int line) const
{
    const JwcaBlock *block = PieceBlock(piece);
    return block != nullptr ? itemAt(block->polylines, line) : nullptr;
}

const JwcaVertex *CJwcaDataImpl::PieceVertex(int piece, int line, int v) const
{
    const JwcaPolyline *polyline = PieceLine(piece, line);
    return polyline != nullptr ? itemAt(polyline->vertices, v) : nullptr;
}

const JwcaLine *CJwcaDataImpl::PieceInternalLine(int piece, int line) const
{
    const JwcaBlock *block = PieceBlock(piece);
    return block != nullptr ? itemAt(block->lines, line) : nullptr;
}

std::string CJwcaDataImpl::GetStyleName() const
{
    return keyValue(m_oHeaderTexts, "DESIGN:");
}

std::string CJwcaDataImpl::GetSampleSize() const
{
    return keyValue(m_oHeaderTexts, "MASTER SIZE:");
}

int CJwcaDataImpl::GetPieceCount() const
{
    return countOf(m_oPieces.size());
}

std::string CJwcaDataImpl::GetPieceName(int piece) const
{
    const JwcaBlock *block = PieceBlock(piece);
    return block != nullptr ? keyValue(block->texts, "PIECE:") : std::string();
}

std::string CJwcaDataImpl::GetPieceSize(int piece) const
{
    const JwcaBlock *block = PieceBlock(piece);
    return block != nullptr ? keyValue(block->texts, "SIZE:") : std::string();
}

int CJwcaDataImpl::GetLineCount(int piece) const
{
    const JwcaBlock *block = PieceBlock(piece);
    return block != nullptr ? countOf(block->polylines.size()) : 0;
}

int CJwcaDataImpl::GetVertexCount(int piece, int line) const
{
    const JwcaPolyline *polyline = PieceLine(piece, line);
    return polyline != nullptr ? countOf(polyline->vertices.size()) : 0;
}

DPOINT CJwcaDataImpl::GetVertex(int piece, int line, int v, int &pointFlags, int &ruleNumber,
                                double notchVector[2]) const
{
    pointFlags = 0;
    ruleNumber = -1;
    notchVector[0] = 0.0;
    notchVector[1] = 0.0;
    const JwcaVertex *vertex = PieceVertex(piece, line, v);
    if (vertex == nullptr)
        return {};
    pointFlags = vertexFlags(vertex->comment);
    if (vertex->comment.pointClass > 0)
        ruleNumber = vertex->comment.ruleNumber;
    if (isNotch(*vertex)) {
        const double angle = vertex->notchAngle * kDegreesToRadians;
        notchVector[0] = vertex->notchDepth * std::cos(angle);
        notchVector[1] = vertex->notchDepth * std::sin(angle);
    }
    return vertex->position;
}

int CJwcaDataImpl::GetDrillHoleCount(int piece) const
{
    const JwcaBlock *block = PieceBlock(piece);
    return block != nullptr ? countOf(block->points.size()) : 0;
}

DPOINT CJwcaDataImpl::GetDrillHole(int piece, int h, int &ruleNumber) const
{
    ruleNumber = -1;
    const JwcaBlock *block = PieceBlock(piece);
    const JwcaPoint *point = block != nullptr ? itemAt(block->points, h) : nullptr;
    if (point == nullptr)
        return {};
    ruleNumber = point->comment.ruleNumber;
    return point->position;
}

int CJwcaDataImpl::GetVertexExtraValue(int piece, int line, int v) const
{
    const JwcaVertex *vertex = PieceVertex(piece, line, v);
    return vertex != nullptr ? vertex->comment.pointClass : 0;
}

int CJwcaDataImpl::GetInternalLineCount(int piece) const
{
    const JwcaBlock *block = PieceBlock(piece);
    return block != nullptr ? countOf(block->lines.size()) : 0;
}

void CJwcaDataImpl::GetInternalLine(int piece, int line, DPOINT &start, DPOINT &end) const
{
    const JwcaLine *internalLine = PieceInternalLine(piece, line);
    start = internalLine != nullptr ? internalLine->start : DPOINT{};
    end = internalLine != nullptr ? internalLine->end : DPOINT{};
}

int CJwcaDataImpl::GetInternalLineKind(int piece, int line) const
{
    return PieceInternalLine(piece, line) != nullptr ? kJwcaStraightLineKind : 0;
}

double CJwcaDataImpl::GetVertexNotchValue(int piece, int line, int v) const
{
    const JwcaVertex *vertex = PieceVertex(piece, line, v);
    return vertex != nullptr && isNotch(*vertex) ? vertex->notchAngle : 0.0;
}

int CJwcaDataImpl::GetLineType(int piece, int line) const
{
    const JwcaPolyline *polyline = PieceLine(piece, line);
    return polyline != nullptr ? polyline->comment.lineKind : 0;
}

int CJwcaDataImpl::GetInternalLineType(int piece, int line) const
{
    const JwcaLine *internalLine = PieceInternalLine(piece, line);
    return internalLine != nullptr ? internalLine->comment.lineKind : 0;
}
