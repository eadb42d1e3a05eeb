// Morvane second DXF reader.
// The content of one graded R12 DXF file: its blocks, the pieces that insert them, header texts.
#include "platform/fallowby/JwcaDataImpl.h"

#include "foundation/Geometry.h"
#include "foundation/NameCompare.h"
#include "sources/dxf-groups/AamaGroupList.h"
#include "sources/dxf-groups/KeyedText.h"

#include <cmath>

using namespace morvane;

namespace {

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

// The block name (group 2) of a BLOCK or an INSERT.
std::string readBlockName(CAamaGroupList &groups)
{
    std::string name;
    readEntityGroups(groups, [&](const CAamaGroup &group) {
        if (group.m_nCode == 2)
            name = group.m_sValue;
    });
    return name;
}

JwcaEntity readEntity(CAamaGroupList &groups)
{
    JwcaEntity entity;
    readEntityGroups(groups, [&](const CAamaGroup &group) {
        switch (group.m_nCode) {
        case 1:
            entity.text = group.m_sValue;
            break;
        case 10:
            entity.position.x = group.Real();
            break;
        case 20:
            entity.position.y = group.Real();
            break;
        case 11:
            entity.end.x = group.Real();
            break;
        case 21:
            entity.end.y = group.Real();
            break;
        case 38:
            entity.notchDepth = group.Real();
            break;
        case 50:
            entity.notchAngle = group.Real();
            break;
        case 999:
            entity.comment = parseJwcaComment(group.m_sValue);
            break;
        default:
            break;
        }
    });
    return entity;
}

// A POLYLINE with its VERTEX entities, up to and including its SEQEND (or up to any other
// entity, when the SEQEND is missing).
JwcaPolyline readPolyline(CAamaGroupList &groups)
{
    JwcaPolyline polyline{readEntity(groups).comment, {}};
    while (const CAamaGroup *group = groups.Next()) {
        if (group->Is(0, "SEQEND")) {
            readEntityGroups(groups, [](const CAamaGroup &) {});
            return polyline;
        }
        if (!group->Is(0, "VERTEX")) {
            groups.Back();
            return polyline;
        }
        polyline.vertices.push_back(readEntity(groups));
    }
    return polyline;
}

// True for the groups that end a section early: a missing ENDSEC or ENDBLK must not let one
// section swallow the next.
bool endsSection(const CAamaGroup &group)
{
    return group.Is(0, "ENDSEC") || group.Is(0, "SECTION") || group.Is(0, "EOF");
}

bool isNotch(const JwcaEntity &entity)
{
    return entity.comment.notch > 0;
}

void readPoint(JwcaBlock &block, JwcaEntity point)
{
    if (isNotch(point))
        block.notchesOffOutline.push_back(std::move(point));
    else
        block.drillHoles.push_back(std::move(point));
}

void readEntityInto(JwcaBlock &block, const CAamaGroup &name, CAamaGroupList &groups)
{
    if (name.Is(0, "TEXT"))
        block.texts.push_back(readEntity(groups).text);
    else if (name.Is(0, "POLYLINE"))
        block.polylines.push_back(readPolyline(groups));
    else if (name.Is(0, "LINE"))
        block.lines.push_back(readEntity(groups));
    else if (name.Is(0, "POINT"))
        readPoint(block, readEntity(groups));
    else
        groups.Skip();
}

JwcaBlock readBlock(CAamaGroupList &groups)
{
    JwcaBlock block;
    block.name = readBlockName(groups);
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

std::string_view textOf(const std::string &text)
{
    return text;
}

std::string keyValue(const std::vector<std::string> &texts, std::string_view key)
{
    return std::string(firstKeyedValue(texts, key, textOf));
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

// The rule number of a grade point, which has a point class; -1 for any other.
int ruleNumberOf(const JwcaComment &comment)
{
    return comment.pointClass > 0 ? comment.ruleNumber : -1;
}

void setNotchVector(const JwcaEntity &notch, double notchVector[2])
{
    const double angle = DegToRad(notch.notchAngle);
    notchVector[0] = notch.notchDepth * std::cos(angle);
    notchVector[1] = notch.notchDepth * std::sin(angle);
}

} // namespace

std::unique_ptr<CJwcaDataImpl> CJwcaDataImpl::Read(std::string_view content, std::string &error)
{
    auto data = std::make_unique<CJwcaDataImpl>();
    CAamaGroupList groups(content);
    data->ReadSections(groups);
    if (!groups.HasEndOfFile()) {
        error = groups.Incompleteness();
        return nullptr;
    }
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
        if (name->Is(2, "HEADER"))
            ReadHeader(groups);
        else if (name->Is(2, "BLOCKS"))
            ReadBlocks(groups);
        else if (name->Is(2, "ENTITIES"))
            ReadEntities(groups);
        else
            skipSection(groups);
    }
}

void CJwcaDataImpl::ReadHeader(CAamaGroupList &groups)
{
    bool codePageFollows = false;
    while (const CAamaGroup *group = groups.Next()) {
        if (endsSection(*group)) {
            if (!group->Is(0, "ENDSEC"))
                groups.Back();
            return;
        }
        if (group->m_nCode == 9)
            codePageFollows = group->m_sValue == "$DWGCODEPAGE";
        else if (group->m_nCode == 3 && codePageFollows)
            m_sCodePage = group->m_sValue;
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
            m_oHeaderTexts.push_back(readEntity(groups).text);
        } else if (group->Is(0, "INSERT")) {
            m_oInsertNames.push_back(readBlockName(groups));
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

const JwcaEntity *CJwcaDataImpl::PieceVertex(int piece, int line, int v) const
{
    const JwcaPolyline *polyline = PieceLine(piece, line);
    return polyline != nullptr ? itemAt(polyline->vertices, v) : nullptr;
}

const JwcaEntity *CJwcaDataImpl::PieceInternalLine(int piece, int line) const
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
    const JwcaEntity *vertex = PieceVertex(piece, line, v);
    if (vertex == nullptr)
        return {};
    pointFlags = vertexFlags(vertex->comment);
    ruleNumber = ruleNumberOf(vertex->comment);
    if (isNotch(*vertex))
        setNotchVector(*vertex, notchVector);
    return vertex->position;
}

int CJwcaDataImpl::GetDrillHoleCount(int piece) const
{
    const JwcaBlock *block = PieceBlock(piece);
    return block != nullptr ? countOf(block->drillHoles.size()) : 0;
}

DPOINT CJwcaDataImpl::GetDrillHole(int piece, int h, int &ruleNumber) const
{
    ruleNumber = -1;
    const JwcaBlock *block = PieceBlock(piece);
    const JwcaEntity *point = block != nullptr ? itemAt(block->drillHoles, h) : nullptr;
    if (point == nullptr)
        return {};
    ruleNumber = ruleNumberOf(point->comment);
    return point->position;
}

int CJwcaDataImpl::GetVertexExtraValue(int piece, int line, int v) const
{
    const JwcaEntity *vertex = PieceVertex(piece, line, v);
    return vertex != nullptr ? vertex->comment.pointClass : 0;
}

int CJwcaDataImpl::GetInternalLineCount(int piece) const
{
    const JwcaBlock *block = PieceBlock(piece);
    return block != nullptr ? countOf(block->lines.size()) : 0;
}

void CJwcaDataImpl::GetInternalLine(int piece, int line, DPOINT &start, DPOINT &end) const
{
    const JwcaEntity *internalLine = PieceInternalLine(piece, line);
    start = internalLine != nullptr ? internalLine->position : DPOINT{};
    end = internalLine != nullptr ? internalLine->end : DPOINT{};
}

int CJwcaDataImpl::GetInternalLineKind(int piece, int line) const
{
    return PieceInternalLine(piece, line) != nullptr ? kJwcaStraightLineKind : 0;
}

double CJwcaDataImpl::GetVertexNotchValue(int piece, int line, int v) const
{
    const JwcaEntity *vertex = PieceVertex(piece, line, v);
    return vertex != nullptr && isNotch(*vertex) ? vertex->notchAngle : 0.0;
}

int CJwcaDataImpl::GetLineType(int piece, int line) const
{
    const JwcaPolyline *polyline = PieceLine(piece, line);
    return polyline != nullptr ? polyline->comment.lineKind : 0;
}

int CJwcaDataImpl::GetInternalLineType(int piece, int line) const
{
    const JwcaEntity *internalLine = PieceInternalLine(piece, line);
    return internalLine != nullptr ? internalLine->comment.lineKind : 0;
}

std::string CJwcaDataImpl::GetCodePage() const
{
    return m_sCodePage;
}

int CJwcaDataImpl::GetUnits() const
{
    const std::string units = keyValue(m_oHeaderTexts, "UNITS:");
    if (equalsNoCase(units, "METRIC"))
        return 1;
    if (equalsNoCase(units, "ENGLISH"))
        return 2;
    return 0;
}

int CJwcaDataImpl::GetNotchOffOutlineCount(int piece) const
{
    const JwcaBlock *block = PieceBlock(piece);
    return block != nullptr ? countOf(block->notchesOffOutline.size()) : 0;
}

DPOINT CJwcaDataImpl::GetNotchOffOutline(int piece, int n, int &ruleNumber, double notchVector[2],
                                         double &angle) const
{
    ruleNumber = -1;
    notchVector[0] = 0.0;
    notchVector[1] = 0.0;
    angle = 0.0;
    const JwcaBlock *block = PieceBlock(piece);
    const JwcaEntity *notch = block != nullptr ? itemAt(block->notchesOffOutline, n) : nullptr;
    if (notch == nullptr)
        return {};
    ruleNumber = ruleNumberOf(notch->comment);
    setNotchVector(*notch, notchVector);
    angle = notch->notchAngle;
    return notch->position;
}
