// Morvane AAMA DXF reader.
// Reading a block of an AAMA DXF file and sorting its entities by role.
#include "sources/aama-reader/AamaBlock.h"

#include "sources/dxf-groups/AamaGroupList.h"
#include "sources/aama-reader/NearIndex.h"

#include "foundation/Geometry.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <iterator>
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

// Ends of outline pieces this close continue each other. Files round their coordinates to a few
// decimals, so the ends need not be exact.
constexpr double kJoinDistance = 0.01;

bool withinJoinDistance(const CAamaVertex &a, const CAamaVertex &b)
{
    return std::fabs(a.m_dX - b.m_dX) < kJoinDistance && std::fabs(a.m_dY - b.m_dY) < kJoinDistance;
}

// An outline being joined: parts are added at either end.
using Chain = std::deque<CAamaVertex>;

bool isClosedChain(const Chain &chain)
{
    return chain.size() > 2 && withinJoinDistance(chain.front(), chain.back());
}

// Appends part to chain, leaving out its first vertex where it repeats the chain's last.
void appendPart(Chain &chain, const std::vector<CAamaVertex> &part)
{
    const bool repeatsEnd = withinJoinDistance(chain.back(), part.front());
    chain.insert(chain.end(), part.begin() + (repeatsEnd ? 1 : 0), part.end());
}

// Puts part before chain, leaving out the chain's first vertex where it repeats part's last.
void prependPart(Chain &chain, const std::vector<CAamaVertex> &part)
{
    if (withinJoinDistance(part.back(), chain.front()))
        chain.pop_front();
    chain.insert(chain.begin(), part.begin(), part.end());
}

std::vector<CAamaVertex> reversed(const std::vector<CAamaVertex> &vertices)
{
    return {vertices.rbegin(), vertices.rend()};
}

// The place on an outline nearest to a position: the edge from vertex edge to the next, and the
// place on it.
struct OutlinePlace
{
    std::size_t edge = 0;
    morvane::SegmentPlace place;
};

// The place on the outline's edges nearest to (x, y), the earlier edge of two as near; none for an
// outline without edges or a position off the finite plane.
std::optional<OutlinePlace> nearestOnOutline(const CAamaPolyline &outline, double x, double y)
{
    const std::vector<CAamaVertex> &vertices = outline.m_oVertices;
    if (vertices.size() < 2)
        return std::nullopt;
    const std::size_t edgeCount = vertices.size() - (outline.IsClosed() ? 0 : 1);
    std::optional<OutlinePlace> nearest;
    for (std::size_t edge = 0; edge < edgeCount; ++edge) {
        const CAamaVertex &from = vertices[edge];
        const CAamaVertex &to = vertices[(edge + 1) % vertices.size()];
        const morvane::SegmentPlace place =
            morvane::nearestOnSegment(from.m_dX, from.m_dY, to.m_dX, to.m_dY, x, y);
        if (!nearest || place.distance < nearest->place.distance)
            nearest = OutlinePlace{edge, place};
    }
    if (nearest && !std::isfinite(nearest->place.distance))
        return std::nullopt;
    return nearest;
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

// The direction in degrees across the outline at vertex v, into the piece (on the left of the
// way round when leftIsInside): square to the line from the vertex before to the vertex after.
double inwardAngleAt(const std::vector<CAamaVertex> &vertices, std::size_t v, bool leftIsInside)
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
    return RadToDeg(leftIsInside ? std::atan2(tx, -ty) : std::atan2(-tx, ty));
}

// The outline vertex at a position: found by looking at every vertex while few positions are
// asked for, through an index of the vertices otherwise.
class CornerFinder
{
public:
    CornerFinder(const std::vector<CAamaVertex> &vertices, std::size_t questions)
        : m_vertices(vertices)
    {
        constexpr std::size_t kLookingIsCheaper = 1 << 16;
        if (questions * vertices.size() <= kLookingIsCheaper)
            return;
        m_index.reserve(vertices.size());
        for (std::size_t v = 0; v < vertices.size(); ++v)
            m_index.add(vertices[v].m_dX, vertices[v].m_dY, v);
        m_index.build();
        m_indexed = true;
    }

    /// The last vertex near (x, y); none when no vertex is.
    std::optional<std::size_t> at(double x, double y) const
    {
        std::optional<std::size_t> found;
        if (m_indexed) {
            m_index.forEachNear(x, y, [&](std::size_t v) {
                found = std::max(v, found.value_or(v));
            });
            return found;
        }
        for (std::size_t v = 0; v < m_vertices.size(); ++v) {
            if (isNear(m_vertices[v].m_dX, m_vertices[v].m_dY, x, y))
                found = v;
        }
        return found;
    }

private:
    const std::vector<CAamaVertex> &m_vertices;
    NearIndex m_index;
    bool m_indexed = false;
};

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
            m_sName = group->m_sValue;
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
}

const std::vector<morvane::AamaPointMarks> &CAamaBlock::BoundaryMarks() const
{
    // Looked at before the once flag, whose every call costs far more than reading the marks.
    if (!m_bBoundaryMarked.load(std::memory_order_acquire)) {
        std::call_once(m_oBoundaryMarking, [this] { MarkBoundaryVertices(); });
        m_bBoundaryMarked.store(true, std::memory_order_release);
    }
    return m_oBoundaryMarks;
}

void CAamaBlock::MarkBoundaryVertices() const
{
    if (!m_bHasBoundary)
        return;
    morvane::OutlineMarks marks(m_oBoundary.m_oVertices);
    for (const CAamaPoint *point : m_oMarkPoints)
        marks.AddPoint(*point);
    for (const CAamaText *label : m_oRuleLabels) {
        if (labelsAnyPoint(label->m_nLayer))
            marks.AddLabel(*label);
    }
    m_oBoundaryMarks = marks.VertexMarks();
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
    if (first->IsClosed() || first->m_oVertices.empty()) {
        m_oBoundary.m_oVertices = std::move(first->m_oVertices);
        return;
    }
    // The first part's vertices move into the outline; it is drawn as the outline only.
    Chain chain(std::make_move_iterator(first->m_oVertices.begin()),
                std::make_move_iterator(first->m_oVertices.end()));
    first->m_oVertices.clear();
    const NearIndex ends = OutlinePartEnds();
    while (!isClosedChain(chain) && ExtendBoundary(chain, ends)) {
    }
    if (isClosedChain(chain))
        m_oBoundary.m_nFlags |= 1;
    m_oBoundary.m_oVertices.assign(chain.begin(), chain.end());
}

NearIndex CAamaBlock::OutlinePartEnds() const
{
    NearIndex ends(kJoinDistance);
    for (std::size_t i = 0; i < m_oPolylines.size(); ++i) {
        const CAamaPolyline &part = m_oPolylines[i];
        if (m_oInBoundary[i] || part.m_nLayer != morvane::kAamaBoundaryLayer ||
            part.m_oVertices.empty())
            continue;
        ends.add(part.m_oVertices.front().m_dX, part.m_oVertices.front().m_dY, i);
        ends.add(part.m_oVertices.back().m_dX, part.m_oVertices.back().m_dY, i);
    }
    ends.build();
    return ends;
}

bool CAamaBlock::ExtendBoundary(Chain &chain, const NearIndex &ends)
{
    // Of the parts that continue the chain at either end, the first in the file.
    std::optional<std::size_t> next;
    const auto consider = [&](std::size_t part) {
        if (!m_oInBoundary[part] && (!next || part < *next))
            next = part;
    };
    ends.forEachNear(chain.back().m_dX, chain.back().m_dY, consider);
    ends.forEachNear(chain.front().m_dX, chain.front().m_dY, consider);
    if (!next)
        return false;
    const std::vector<CAamaVertex> &vertices = m_oPolylines[*next].m_oVertices;
    if (withinJoinDistance(chain.back(), vertices.front()))
        appendPart(chain, vertices);
    else if (withinJoinDistance(chain.back(), vertices.back()))
        appendPart(chain, reversed(vertices));
    else if (withinJoinDistance(chain.front(), vertices.back()))
        prependPart(chain, vertices);
    else
        prependPart(chain, reversed(vertices));
    m_oInBoundary[*next] = true;
    return true;
}

std::vector<CAamaPoint *> CAamaBlock::MarkPointsOn(int layer) const
{
    std::vector<CAamaPoint *> points;
    std::copy_if(m_oMarkPoints.begin(), m_oMarkPoints.end(), std::back_inserter(points),
                 [layer](const CAamaPoint *point) { return point->m_nLayer == layer; });
    return points;
}

void CAamaBlock::PlaceNotchesOnEdges()
{
    const std::vector<CAamaPoint *> notches = MarkPointsOn(morvane::kAamaNotchLayer);
    if (notches.empty())
        return;
    std::vector<CAamaVertex> &vertices = m_oBoundary.m_oVertices;
    const CornerFinder corners(vertices, notches.size());

    struct OnEdge
    {
        std::size_t edge;
        double place;
        const CAamaPoint *notch;
    };
    std::vector<OnEdge> found;
    for (CAamaPoint *point : notches) {
        if (corners.at(point->m_dX, point->m_dY))
            continue;
        const std::optional<OutlinePlace> nearest =
            nearestOnOutline(m_oBoundary, point->m_dX, point->m_dY);
        if (nearest && nearest->place.distance < morvane::kAamaOnLineDistance)
            found.push_back({nearest->edge, nearest->place.fraction, point});
        else
            m_oNotchesOffOutline.push_back(point);
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
    // A notch off the outline points away from it, into the piece.
    for (CAamaPoint *notch : m_oNotchesOffOutline) {
        const std::optional<OutlinePlace> nearest =
            nearestOnOutline(m_oBoundary, notch->m_dX, notch->m_dY);
        if (notch->m_bHasAngle || !nearest || !(nearest->place.distance > 0.0))
            continue;
        const std::vector<CAamaVertex> &vertices = m_oBoundary.m_oVertices;
        const CAamaVertex &from = vertices[nearest->edge];
        const CAamaVertex &to = vertices[(nearest->edge + 1) % vertices.size()];
        const double t = nearest->place.fraction;
        const double outlineX = from.m_dX + t * (to.m_dX - from.m_dX);
        const double outlineY = from.m_dY + t * (to.m_dY - from.m_dY);
        notch->m_dNotchAngle =
            RadToDeg(std::atan2(notch->m_dY - outlineY, notch->m_dX - outlineX));
        notch->m_bHasAngle = true;
    }
    if (!m_bHasBoundary || m_oBoundary.m_oVertices.size() < 3)
        return;
    const std::vector<CAamaVertex> &vertices = m_oBoundary.m_oVertices;
    std::vector<CAamaPoint *> notches = MarkPointsOn(morvane::kAamaNotchLayer);
    std::erase_if(notches, [](const CAamaPoint *notch) { return notch->m_bHasAngle; });
    if (notches.empty())
        return;
    const CornerFinder corners(vertices, notches.size());
    // Counter-clockwise, the inside lies to the left of the way round.
    const bool leftIsInside = signedArea(vertices) > 0.0;
    for (CAamaPoint *point : notches) {
        const std::optional<std::size_t> corner = corners.at(point->m_dX, point->m_dY);
        if (!corner)
            continue;
        point->m_dNotchAngle = inwardAngleAt(vertices, *corner, leftIsInside);
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
    labels.build();

    NearIndex points;
    points.reserve(m_oPoints.size());
    for (std::size_t i = 0; i < m_oPoints.size(); ++i)
        points.add(m_oPoints[i].m_dX, m_oPoints[i].m_dY, i);
    points.build();
    // In file order, so that a later label overwrites an earlier one.
    for (const CAamaText *label : m_oRuleLabels) {
        points.forEachNear(label->m_dX, label->m_dY, [&](std::size_t i) {
            if (labelReaches(m_oPoints[i], label->m_nLayer))
                m_oPoints[i].m_pRuleLabel = label;
        });
    }
    // A line's ends take the labels beside their points, whatever their layer.
    for (CAamaLine &line : m_oLines) {
        LabelLineEnd(line.m_pFirstPoint, line.m_nStartRuleNumber);
        LabelLineEnd(line.m_pLastPoint, line.m_nEndRuleNumber);
    }
}

void CAamaBlock::GiveDrillHolesTheRulesAtThem()
{
    for (CAamaPoint *hole : m_oDrillHoles) {
        if (hole->RuleNumber() >= 0)
            continue;
        const auto ruled = std::find_if(m_oMarkPoints.begin(), m_oMarkPoints.end(),
                                        [hole](const CAamaPoint *point) {
                                            return isNear(point->m_dX, point->m_dY, hole->m_dX,
                                                          hole->m_dY) &&
                                                   point->RuleNumber() >= 0;
                                        });
        if (ruled != m_oMarkPoints.end())
            hole->m_pRuleLabel = (*ruled)->m_pRuleLabel;
    }
}

const CAamaText *CAamaBlock::LastLabelAt(double x, double y) const
{
    std::optional<std::size_t> last;
    m_oRuleLabelIndex.forEachNear(x, y, [&](std::size_t i) {
        if (!last || i > *last)
            last = i;
    });
    return last ? m_oRuleLabels[*last] : nullptr;
}

void CAamaBlock::LabelLineEnd(const CAamaPoint *end, int &ruleNumber) const
{
    const CAamaText *label = end ? LastLabelAt(end->m_dX, end->m_dY) : nullptr;
    if (label)
        ruleNumber = morvane::aamaRuleNumber(label->m_sText);
}
