// Morvane AAMA DXF reader.
// Reading a block of an AAMA DXF file and sorting its entities by role.
#include "sources/aama-reader/AamaBlock.h"

#include "sources/dxf-groups/AamaGroupList.h"
#include "sources/dxf-groups/FileText.h"
#include "sources/aama-reader/NearIndex.h"

#include "foundation/Geometry.h"

#include <algorithm>
#include <cmath>
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

// Labels on the outline's and the turn points' layers name whatever point they stand at: many
// files label curve points, notches and drill holes so.
bool labelsAnyPoint(int labelLayer)
{
    return labelLayer == morvane::kAamaBoundaryLayer || labelLayer == morvane::kAamaTurnPointLayer;
}

// Whether a "#" label on labelLayer names this point: any point for a label that names any, a
// point that follows a polyline of that layer, or a turn point, curve point, notch or drill
// hole on that layer itself.
bool labelReaches(const CAamaPoint &point, int labelLayer)
{
    if (labelsAnyPoint(labelLayer) || point.m_nPolylineLayer == labelLayer)
        return true;
    if (point.m_nLayer != labelLayer)
        return false;
    return labelLayer == morvane::kAamaTurnPointLayer ||
           labelLayer == morvane::kAamaCurvePointLayer || labelLayer == morvane::kAamaNotchLayer ||
           labelLayer == morvane::kAamaDrillHoleLayer;
}

// Ends of outline pieces this close continue each other; notches this close to an edge lie on
// it. Files round their coordinates to a few decimals, so the ends need not be exact.
constexpr double kJoinDistance = 0.01;

bool withinJoinDistance(const CAamaVertex &a, const CAamaVertex &b)
{
    return std::fabs(a.m_dX - b.m_dX) < kJoinDistance && std::fabs(a.m_dY - b.m_dY) < kJoinDistance;
}

bool isClosedChain(const std::vector<CAamaVertex> &chain)
{
    return chain.size() > 2 && withinJoinDistance(chain.front(), chain.back());
}

// Appends part to chain, leaving out its first vertex where it repeats the chain's last.
void appendPart(std::vector<CAamaVertex> &chain, std::vector<CAamaVertex> part)
{
    const bool repeatsEnd = withinJoinDistance(chain.back(), part.front());
    chain.insert(chain.end(), part.begin() + (repeatsEnd ? 1 : 0), part.end());
}

// Puts part before chain, leaving out the chain's first vertex where it repeats part's last.
void prependPart(std::vector<CAamaVertex> &chain, std::vector<CAamaVertex> part)
{
    appendPart(part, std::move(chain));
    chain = std::move(part);
}

std::vector<CAamaVertex> reversed(const std::vector<CAamaVertex> &vertices)
{
    return {vertices.rbegin(), vertices.rend()};
}

// Where (x, y) lies on the segment from a to b: the fraction of the way, when the point is
// within the join distance of the segment and strictly between its ends.
std::optional<double> placeOnSegment(const CAamaVertex &a, const CAamaVertex &b, double x, double y)
{
    const double dx = b.m_dX - a.m_dX;
    const double dy = b.m_dY - a.m_dY;
    const double lengthSquared = dx * dx + dy * dy;
    if (!(lengthSquared > 0.0))
        return std::nullopt;
    const double t = ((x - a.m_dX) * dx + (y - a.m_dY) * dy) / lengthSquared;
    if (!(t > 0.0 && t < 1.0))
        return std::nullopt;
    const double distance = std::hypot(x - (a.m_dX + t * dx), y - (a.m_dY + t * dy));
    return distance < kJoinDistance ? std::optional<double>(t) : std::nullopt;
}

// Twice the signed area of the outline: positive when it runs counter-clockwise.
double signedArea(const std::vector<CAamaVertex> &vertices)
{
    double area = 0.0;
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        const CAamaVertex &a = vertices[i];
        const CAamaVertex &b = vertices[(i + 1) % vertices.size()];
        area += a.m_dX * b.m_dY - b.m_dX * a.m_dY;
    }
    return area;
}

// The direction in degrees across the outline at vertex v, into the piece: square to the line
// from the vertex before to the vertex after it.
double inwardAngleAt(const std::vector<CAamaVertex> &vertices, std::size_t v)
{
    // A closed outline that repeats its first vertex at the end goes round without it.
    std::size_t count = vertices.size();
    if (count > 2 && withinJoinDistance(vertices.front(), vertices.back()))
        --count;
    v %= count;
    const CAamaVertex &before = vertices[v > 0 ? v - 1 : count - 1];
    const CAamaVertex &after = vertices[v + 1 < count ? v + 1 : 0];
    const double tx = after.m_dX - before.m_dX;
    const double ty = after.m_dY - before.m_dY;
    // Counter-clockwise, the inside lies to the left of the way round.
    const bool leftIsInside = signedArea(vertices) > 0.0;
    return RadToDeg(leftIsInside ? std::atan2(tx, -ty) : std::atan2(-tx, ty));
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
    JoinBoundary();
    PlaceNotchesOnEdges();
    DirectNotchesWithoutAngle();
    MatchRuleLabels();
    GiveDrillHolesTheRulesAtThem();
    m_oMarkPointIndex = morvane::PointMarksIndex(m_oMarkPoints);
}

morvane::AamaPointMarks CAamaBlock::BoundaryMarksAt(double x, double y) const
{
    morvane::AamaPointMarks marks = m_oMarkPointIndex.MarksAt(x, y);
    if (marks.ruleNumber >= 0)
        return marks;
    std::optional<std::size_t> last;
    m_oRuleLabelIndex.forEachNear(x, y, [&](std::size_t i) {
        if (labelsAnyPoint(m_oRuleLabels[i]->m_nLayer) && (!last || i > *last))
            last = i;
    });
    if (last)
        marks.ruleNumber = morvane::aamaRuleNumber(m_oRuleLabels[*last]->m_sText);
    return marks;
}

std::vector<const CAamaPolyline *> CAamaBlock::OtherPolylines() const
{
    std::vector<const CAamaPolyline *> others;
    for (std::size_t i = 0; i < m_oPolylines.size(); ++i) {
        if (!m_oInBoundary[i])
            others.push_back(&m_oPolylines[i]);
    }
    return others;
}

void CAamaBlock::JoinBoundary()
{
    m_oInBoundary.assign(m_oPolylines.size(), false);
    const auto first = std::find_if(m_oPolylines.begin(), m_oPolylines.end(), [](const auto &p) {
        return p.m_nLayer == morvane::kAamaBoundaryLayer;
    });
    if (first == m_oPolylines.end())
        return;
    m_bHasBoundary = true;
    m_oInBoundary[std::size_t(first - m_oPolylines.begin())] = true;
    m_oBoundary.m_nLayer = morvane::kAamaBoundaryLayer;
    m_oBoundary.m_nFlags = first->m_nFlags;
    std::vector<CAamaVertex> chain = first->m_oVertices;
    if (!first->IsClosed() && !chain.empty()) {
        while (!isClosedChain(chain) && ExtendBoundary(chain)) {
        }
        if (isClosedChain(chain))
            m_oBoundary.m_nFlags |= 1;
    }
    m_oBoundary.m_oVertices = std::move(chain);
}

bool CAamaBlock::ExtendBoundary(std::vector<CAamaVertex> &chain)
{
    for (std::size_t i = 0; i < m_oPolylines.size(); ++i) {
        const CAamaPolyline &part = m_oPolylines[i];
        if (m_oInBoundary[i] || part.m_nLayer != morvane::kAamaBoundaryLayer ||
            part.m_oVertices.empty())
            continue;
        const std::vector<CAamaVertex> &vertices = part.m_oVertices;
        if (withinJoinDistance(chain.back(), vertices.front()))
            appendPart(chain, vertices);
        else if (withinJoinDistance(chain.back(), vertices.back()))
            appendPart(chain, reversed(vertices));
        else if (withinJoinDistance(chain.front(), vertices.back()))
            prependPart(chain, vertices);
        else if (withinJoinDistance(chain.front(), vertices.front()))
            prependPart(chain, reversed(vertices));
        else
            continue;
        m_oInBoundary[i] = true;
        return true;
    }
    return false;
}

void CAamaBlock::PlaceNotchesOnEdges()
{
    if (!m_bHasBoundary || m_oBoundary.m_oVertices.size() < 2)
        return;
    std::vector<CAamaVertex> &vertices = m_oBoundary.m_oVertices;
    NearIndex corners;
    corners.reserve(vertices.size());
    for (std::size_t v = 0; v < vertices.size(); ++v)
        corners.add(vertices[v].m_dX, vertices[v].m_dY, v);
    corners.sort();

    struct OnEdge
    {
        std::size_t edge;
        double place;
        const CAamaPoint *notch;
    };
    std::vector<OnEdge> found;
    const std::size_t edgeCount = vertices.size() - (m_oBoundary.IsClosed() ? 0 : 1);
    for (const CAamaPoint *point : m_oMarkPoints) {
        if (point->m_nLayer != morvane::kAamaNotchLayer)
            continue;
        bool atCorner = false;
        corners.forEachNear(point->m_dX, point->m_dY, [&](std::size_t) { atCorner = true; });
        for (std::size_t edge = 0; !atCorner && edge < edgeCount; ++edge) {
            const CAamaVertex &to = vertices[(edge + 1) % vertices.size()];
            if (const auto place = placeOnSegment(vertices[edge], to, point->m_dX, point->m_dY)) {
                found.push_back({edge, *place, point});
                break;
            }
        }
    }
    if (found.empty())
        return;
    std::sort(found.begin(), found.end(), [](const OnEdge &a, const OnEdge &b) {
        return a.edge != b.edge ? a.edge < b.edge : a.place < b.place;
    });
    std::vector<CAamaVertex> withNotches;
    withNotches.reserve(vertices.size() + found.size());
    auto next = found.begin();
    for (std::size_t v = 0; v < vertices.size(); ++v) {
        withNotches.push_back(vertices[v]);
        for (; next != found.end() && next->edge == v; ++next) {
            CAamaVertex &added = withNotches.emplace_back();
            added.m_nLayer = morvane::kAamaBoundaryLayer;
            added.m_dX = next->notch->m_dX;
            added.m_dY = next->notch->m_dY;
        }
    }
    vertices = std::move(withNotches);
}

void CAamaBlock::DirectNotchesWithoutAngle()
{
    if (!m_bHasBoundary || m_oBoundary.m_oVertices.size() < 3)
        return;
    const std::vector<CAamaVertex> &vertices = m_oBoundary.m_oVertices;
    NearIndex corners;
    for (std::size_t v = 0; v < vertices.size(); ++v)
        corners.add(vertices[v].m_dX, vertices[v].m_dY, v);
    corners.sort();
    for (CAamaPoint *point : m_oMarkPoints) {
        if (point->m_nLayer != morvane::kAamaNotchLayer || point->m_bHasAngle)
            continue;
        std::optional<std::size_t> corner;
        corners.forEachNear(point->m_dX, point->m_dY, [&](std::size_t v) { corner = v; });
        if (!corner)
            continue;
        point->m_dNotchAngle = inwardAngleAt(vertices, *corner);
        point->m_bHasAngle = true;
    }
}

void CAamaBlock::ClassifyEntity(EntityRef entity, FollowState &state)
{
    switch (entity.kind) {
    case AamaEntityKind::Polyline:
        state.step = FollowState::Polyline;
        state.polyline = &m_oPolylines[entity.index];
        return;
    case AamaEntityKind::Line:
        state.step = FollowState::LineStart;
        state.line = &m_oLines[entity.index];
        return;
    case AamaEntityKind::Text: {
        const CAamaText &text = m_oTexts[entity.index];
        if (text.IsRuleLabel())
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
    // Many files put other entities between the outline and the points that mark its
    // vertices, so every point but a drill hole marks the outline vertex at its position.
    if (point.m_nLayer == morvane::kAamaDrillHoleLayer) {
        m_oDrillHoles.push_back(&point);
        state.step = FollowState::DrillHole;
        return;
    }
    m_oMarkPoints.push_back(&point);
    switch (state.step) {
    case FollowState::Polyline:
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
    NearIndex &labels = m_oRuleLabelIndex;
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

void CAamaBlock::GiveDrillHolesTheRulesAtThem()
{
    for (CAamaPoint *hole : m_oDrillHoles) {
        if (hole->RuleNumber() >= 0)
            continue;
        const auto ruled = std::find_if(m_oMarkPoints.begin(), m_oMarkPoints.end(),
                                        [hole](const CAamaPoint *point) {
                                            return point->RuleNumber() >= 0 &&
                                                   isNear(point->m_dX, point->m_dY, hole->m_dX,
                                                          hole->m_dY);
                                        });
        if (ruled != m_oMarkPoints.end())
            hole->m_pRuleLabel = (*ruled)->m_pRuleLabel;
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
