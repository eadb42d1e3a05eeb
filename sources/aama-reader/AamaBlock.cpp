// Morvane AAMA DXF reader.
// Reading a block of an AAMA DXF file and sorting its entities by role.
#include "sources/aama-reader/AamaBlock.h"

#include "sources/aama-reader/AamaGroupList.h"
#include "sources/aama-reader/FileText.h"
#include "sources/aama-reader/NearIndex.h"

#include <optional>

using morvane::isNear;
using morvane::NearIndex;

namespace {

std::optional<AamaEntityKind> entityKind(std::string_view name)
{
    if (name == "POINT")
        return AamaEntityKind::Point;
    if (name == "TEXT")
        return AamaEntityKind::Text;
    if (name == "POLYLINE")
        return AamaEntityKind::Polyline;
    if (name == "LINE")
        return AamaEntityKind::Line;
    if (name == "INSERT")
        return AamaEntityKind::Insert;
    return std::nullopt;
}

// Reads one entity of a kind onto the end of its list; gives its index there.
template <typename Entity>
std::size_t readInto(std::vector<Entity> &entities, CAamaGroupList &groups)
{
    entities.emplace_back().Read(groups);
    return entities.size() - 1;
}

bool isRuleLabel(const std::string &text)
{
    const std::size_t start = text.find_first_not_of(" \t\r\n\f\v");
    return start != std::string::npos && text[start] == '#';
}

// Whether a "#" label on labelLayer names this point: a point that follows a polyline of that
// layer, or a turn point, curve point, notch or drill hole on that layer itself.
bool labelReaches(const CAamaPoint &point, int labelLayer)
{
    if (point.m_nPolylineLayer == labelLayer)
        return true;
    if (point.m_nLayer != labelLayer)
        return false;
    return labelLayer == morvane::kAamaTurnPointLayer ||
           labelLayer == morvane::kAamaCurvePointLayer || labelLayer == morvane::kAamaNotchLayer ||
           labelLayer == morvane::kAamaDrillHoleLayer;
}

} // namespace

// The role of the latest POLYLINE, LINE or drill hole for the POINTs that follow it.
struct CAamaBlock::FollowState
{
    enum Step { None, Polyline, LineStart, LineEnd, DrillHole };
    Step step = None;
    CAamaPolyline *polyline = nullptr;
    CAamaLine *line = nullptr;
};

void CAamaBlock::ReadBlock(CAamaGroupList &groups)
{
    while (const CAamaGroup *group = groups.Next()) {
        if (group->m_nCode == 2) {
            m_sName = morvane::textFromFile(group->m_sValue);
        } else if (group->m_nCode == 0) {
            if (group->m_sValue == "ENDBLK")
                return;
            groups.Back();
            ReadEntity(groups);
        }
    }
}

void CAamaBlock::ReadEntity(CAamaGroupList &groups)
{
    const CAamaGroup *name = groups.Next();
    const std::optional<AamaEntityKind> kind = name ? entityKind(name->m_sValue) : std::nullopt;
    if (!kind) {
        groups.Skip();
        return;
    }
    std::size_t index = 0;
    switch (*kind) {
    case AamaEntityKind::Line:
        index = readInto(m_oLines, groups);
        m_nPolylineLayer = 0;
        break;
    case AamaEntityKind::Polyline:
        index = readInto(m_oPolylines, groups);
        m_nPolylineLayer = m_oPolylines.back().m_nLayer;
        break;
    case AamaEntityKind::Insert:
        index = readInto(m_oInserts, groups);
        break;
    case AamaEntityKind::Text:
        index = readInto(m_oTexts, groups);
        break;
    case AamaEntityKind::Point:
        index = readInto(m_oPoints, groups);
        m_oPoints.back().m_nPolylineLayer = m_nPolylineLayer;
        break;
    }
    m_oFileOrder.push_back({*kind, index});
}

void CAamaBlock::Classify()
{
    FollowState state;
    for (const EntityRef entity : m_oFileOrder)
        ClassifyEntity(entity, state);
    MatchRuleLabels();
    m_oBoundaryPointIndex = morvane::PointMarksIndex(m_oBoundaryPoints);
}

void CAamaBlock::ClassifyEntity(EntityRef entity, FollowState &state)
{
    switch (entity.kind) {
    case AamaEntityKind::Polyline: {
        CAamaPolyline &polyline = m_oPolylines[entity.index];
        if (polyline.m_nLayer == morvane::kAamaBoundaryLayer && !m_pBoundary)
            m_pBoundary = &polyline;
        state.step = FollowState::Polyline;
        state.polyline = &polyline;
        return;
    }
    case AamaEntityKind::Line:
        state.step = FollowState::LineStart;
        state.line = &m_oLines[entity.index];
        return;
    case AamaEntityKind::Text: {
        const CAamaText &text = m_oTexts[entity.index];
        if (isRuleLabel(text.m_sText))
            m_oRuleLabels.push_back(&text);
        else if (text.m_nLayer == morvane::kAamaBoundaryLayer)
            m_oPieceTexts.push_back(&text);
        return;
    }
    case AamaEntityKind::Point:
        ClassifyPoint(m_oPoints[entity.index], state);
        return;
    case AamaEntityKind::Insert:
        return;
    }
}

void CAamaBlock::ClassifyPoint(CAamaPoint &point, FollowState &state)
{
    // A notch belongs to every polyline before it, wherever it stands in the block; other
    // points belong to the polyline they follow. Only the boundary's points are ever asked
    // for, so only those are kept.
    const bool isNotch = point.m_nLayer == morvane::kAamaNotchLayer;
    if (isNotch && m_pBoundary)
        m_oBoundaryPoints.push_back(&point);
    if (point.m_nLayer == morvane::kAamaDrillHoleLayer) {
        m_oDrillHoles.push_back(&point);
        state.step = FollowState::DrillHole;
        return;
    }
    switch (state.step) {
    case FollowState::Polyline:
        if (!isNotch && state.polyline == m_pBoundary)
            m_oBoundaryPoints.push_back(&point);
        return;
    case FollowState::LineStart:
        if (isNear(point.m_dX, point.m_dY, state.line->m_dStartX, state.line->m_dStartY))
            state.line->m_pFirstPoint = &point;
        state.step = FollowState::LineEnd;
        return;
    case FollowState::LineEnd:
        if (isNear(point.m_dX, point.m_dY, state.line->m_dEndX, state.line->m_dEndY))
            state.line->m_pLastPoint = &point;
        state.step = FollowState::None;
        return;
    case FollowState::None:
    case FollowState::DrillHole:
        state.step = FollowState::None;
        return;
    }
}

void CAamaBlock::MatchRuleLabels()
{
    if (m_oRuleLabels.empty())
        return;
    NearIndex labels;
    labels.reserve(m_oRuleLabels.size());
    for (std::size_t i = 0; i < m_oRuleLabels.size(); ++i)
        labels.add(m_oRuleLabels[i]->m_dX, m_oRuleLabels[i]->m_dY, i);
    labels.sort();

    for (CAamaPoint &point : m_oPoints) {
        if (const CAamaText *label = LastLabelAt(labels, point, false))
            point.m_pRuleLabel = label;
    }
    // A line's ends take the labels beside their points, whatever their layer.
    for (CAamaLine &line : m_oLines) {
        LabelLineEnd(labels, line.m_pFirstPoint, line.m_nStartRuleNumber);
        LabelLineEnd(labels, line.m_pLastPoint, line.m_nEndRuleNumber);
    }
}

const CAamaText *CAamaBlock::LastLabelAt(const NearIndex &labels, const CAamaPoint &point,
                                         bool anyLayer) const
{
    std::optional<std::size_t> last;
    labels.forEachNear(point.m_dX, point.m_dY, [&](std::size_t i) {
        const bool names = anyLayer || labelReaches(point, m_oRuleLabels[i]->m_nLayer);
        if (names && (!last || i > *last))
            last = i;
    });
    return last ? m_oRuleLabels[*last] : nullptr;
}

void CAamaBlock::LabelLineEnd(const NearIndex &labels, const CAamaPoint *end, int &ruleNumber) const
{
    const CAamaText *label = end ? LastLabelAt(labels, *end, true) : nullptr;
    if (label)
        ruleNumber = morvane::aamaRuleNumber(label->m_sText);
}
