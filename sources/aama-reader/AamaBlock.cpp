// Morvane AAMA DXF reader.
// Reading a block of an AAMA DXF file and sorting its entities by role.
#include "sources/aama-reader/AamaBlock.h"

#include "sources/aama-reader/AamaGroupList.h"
#include "sources/aama-reader/FileText.h"
#include "sources/aama-reader/NearIndex.h"

using morvane::isNear;
using morvane::NearIndex;

namespace {

std::unique_ptr<CAamaEntity> createEntity(std::string_view name)
{
    if (name == "LINE")
        return std::make_unique<CAamaLine>();
    if (name == "POLYLINE")
        return std::make_unique<CAamaPolyline>();
    if (name == "INSERT")
        return std::make_unique<CAamaInsert>();
    if (name == "POINT")
        return std::make_unique<CAamaPoint>();
    if (name == "TEXT")
        return std::make_unique<CAamaText>();
    return nullptr;
}

bool isRuleLabel(const std::string &text)
{
    const std::size_t start = text.find_first_not_of(" \t\r\n\f\v");
    return start != std::string::npos && text[start] == '#';
}

// Whether a "#" label on layer labelLayer names this point: a point that follows a polyline of
// that layer, or a turn point, curve point, notch or drill hole on that layer itself.
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

bool labelStandsAt(const CAamaText &label, const CAamaPoint *point)
{
    return point && isNear(point->m_dX, point->m_dY, label.m_dX, label.m_dY);
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
    if (!name)
        return;
    std::unique_ptr<CAamaEntity> entity = createEntity(name->m_sValue);
    if (!entity) {
        groups.Skip();
        return;
    }
    entity->Read(groups);
    switch (entity->m_eKind) {
    case AamaEntityKind::Line:
        m_nPolylineLayer = 0;
        break;
    case AamaEntityKind::Polyline:
        m_nPolylineLayer = entity->m_nLayer;
        break;
    case AamaEntityKind::Point:
        static_cast<CAamaPoint &>(*entity).m_nPolylineLayer = m_nPolylineLayer;
        break;
    case AamaEntityKind::Insert:
    case AamaEntityKind::Text:
        break;
    }
    m_oEntities.push_back(std::move(entity));
}

void CAamaBlock::Classify()
{
    ClassifyEntities();
    MatchRuleLabels();
    AttachPointsToVertices();
}

void CAamaBlock::ClassifyEntities()
{
    FollowState state;
    for (const auto &entity : m_oEntities) {
        switch (entity->m_eKind) {
        case AamaEntityKind::Polyline: {
            auto &polyline = static_cast<CAamaPolyline &>(*entity);
            m_oPolylines.push_back(&polyline);
            if (polyline.m_nLayer == morvane::kAamaBoundaryLayer && !m_pBoundary)
                m_pBoundary = &polyline;
            state = {FollowState::Polyline, &polyline, nullptr};
            break;
        }
        case AamaEntityKind::Line: {
            auto &line = static_cast<CAamaLine &>(*entity);
            m_oLines.push_back(&line);
            state = {FollowState::LineStart, nullptr, &line};
            break;
        }
        case AamaEntityKind::Text: {
            const auto &text = static_cast<const CAamaText &>(*entity);
            if (isRuleLabel(text.m_sText))
                m_oRuleLabels.push_back(&text);
            else if (text.m_nLayer == morvane::kAamaBoundaryLayer)
                m_oPieceTexts.push_back(&text);
            break;
        }
        case AamaEntityKind::Point:
            ClassifyPoint(static_cast<CAamaPoint &>(*entity), state);
            break;
        case AamaEntityKind::Insert:
            break;
        }
    }
}

void CAamaBlock::ClassifyPoint(CAamaPoint &point, FollowState &state)
{
    m_oPoints.push_back(&point);
    // A notch belongs to the outline wherever it stands in the block.
    const bool isNotch = point.m_nLayer == morvane::kAamaNotchLayer;
    if (isNotch) {
        for (CAamaPolyline *polyline : m_oPolylines)
            polyline->m_oAttachedPoints.push_back(&point);
    }
    if (point.m_nLayer == morvane::kAamaDrillHoleLayer) {
        m_oDrillHoles.push_back(&point);
        state.step = FollowState::DrillHole;
        return;
    }
    switch (state.step) {
    case FollowState::Polyline:
        if (!isNotch)
            state.polyline->m_oAttachedPoints.push_back(&point);
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
    NearIndex points;
    points.reserve(m_oPoints.size());
    for (std::size_t i = 0; i < m_oPoints.size(); ++i)
        points.add(m_oPoints[i]->m_dX, m_oPoints[i]->m_dY, i);
    points.sort();

    // Later labels overwrite earlier ones.
    for (const CAamaText *label : m_oRuleLabels) {
        points.forEachNear(label->m_dX, label->m_dY, [&](std::size_t i) {
            if (labelReaches(*m_oPoints[i], label->m_nLayer))
                m_oPoints[i]->m_sRuleText = label->m_sText;
        });
        for (CAamaLine *line : m_oLines) {
            if (labelStandsAt(*label, line->m_pFirstPoint))
                line->m_nStartRuleNumber = morvane::aamaRuleNumber(label->m_sText);
            if (labelStandsAt(*label, line->m_pLastPoint))
                line->m_nEndRuleNumber = morvane::aamaRuleNumber(label->m_sText);
        }
    }
}

void CAamaBlock::AttachPointsToVertices()
{
    for (CAamaPolyline *polyline : m_oPolylines) {
        if (polyline->m_oAttachedPoints.empty())
            continue;
        std::vector<CAamaVertex> &vertices = polyline->m_oVertices;
        NearIndex index;
        index.reserve(vertices.size());
        for (std::size_t i = 0; i < vertices.size(); ++i)
            index.add(vertices[i].m_dX, vertices[i].m_dY, i);
        index.sort();
        for (const CAamaPoint *point : polyline->m_oAttachedPoints) {
            index.forEachNear(point->m_dX, point->m_dY, [&](std::size_t i) {
                vertices[i].m_oAttachedPoints.push_back(point);
            });
        }
    }
}
