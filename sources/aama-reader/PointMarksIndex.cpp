// Morvane AAMA DXF reader.
// A search for what the points near a position make of it, in time that does not grow with how
// many points share one position.
#include "sources/aama-reader/PointMarksIndex.h"

#include "sources/aama-reader/NearIndex.h"

#include <algorithm>
#include <cmath>

namespace morvane {

namespace {

constexpr std::size_t kLeafSize = 16;

// Of two places in file order, the later one; either may be none (the largest value).
std::size_t later(std::size_t a, std::size_t b)
{
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    if (a == none)
        return b;
    if (b == none)
        return a;
    return std::max(a, b);
}

// Whether coordinate c is near the searched one, as isNear() compares each coordinate.
bool nearCoordinate(double c, double searched)
{
    return std::fabs(c - searched) < kAamaNearDistance;
}

// The difference c - searched never falls as c grows, so the coordinates near a searched one
// form an interval: a box side [min, max] lies wholly inside it when both its ends do, and
// wholly outside when one end is beyond it on the far side.
bool wholeSideNear(double min, double max, double searched)
{
    return nearCoordinate(min, searched) && nearCoordinate(max, searched);
}

bool wholeSideFar(double min, double max, double searched)
{
    return max - searched <= -kAamaNearDistance || min - searched >= kAamaNearDistance;
}

} // namespace

void PointMarksIndex::Deciding::Add(const Deciding &other)
{
    for (std::size_t kind = 0; kind < kKindCount; ++kind)
        latestOfKind[kind] = later(latestOfKind[kind], other.latestOfKind[kind]);
    latest = later(latest, other.latest);
    firstRuled = std::min(firstRuled, other.firstRuled);
}

PointMarksIndex::PointMarksIndex(std::span<const CAamaPoint *const> points)
    : m_points(points)
{
    m_entries.reserve(points.size());
    for (std::size_t place = 0; place < points.size(); ++place) {
        const CAamaPoint &point = *points[place];
        // A point off the finite plane is near nothing.
        if (std::isfinite(point.m_dX) && std::isfinite(point.m_dY))
            m_entries.push_back(
                {point.m_dX, point.m_dY, place, KindOf(point.m_nLayer), point.RuleNumber() >= 0});
    }
    if (m_entries.empty())
        return;
    // A binary tree whose leaves hold at least half kLeafSize entries each.
    m_nodes.reserve(4 * m_entries.size() / kLeafSize + 1);
    Build(0, m_entries.size());
}

AamaPointMarks PointMarksIndex::MarksAt(double x, double y) const
{
    AamaPointMarks marks;
    if (m_nodes.empty() || !std::isfinite(x) || !std::isfinite(y))
        return marks;
    Deciding deciding;
    Collect(0, x, y, deciding);

    // Every kind sets or clears a fixed set of flag bits and keeps the others, so each bit ends
    // as the latest point that touches it leaves it: applying the latest point of each kind, in
    // file order, gives the flags that all the points give. The notch vector is the latest
    // notch's.
    std::array<std::size_t, kKindCount> latest = deciding.latestOfKind;
    std::sort(latest.begin(), latest.end());
    for (const std::size_t place : latest) {
        if (place == kNone)
            break;
        marks.pointFlags = m_points[place]->ApplyKind(marks.pointFlags, marks.notchVector);
    }
    // Each point in turn sets the rule number until one of 0 or more is set.
    const std::size_t ruled = deciding.firstRuled != kNone ? deciding.firstRuled : deciding.latest;
    if (ruled != kNone)
        marks.ruleNumber = m_points[ruled]->RuleNumber();
    return marks;
}

std::size_t PointMarksIndex::KindOf(int layer)
{
    switch (layer) {
    case kAamaTurnPointLayer:
        return 0;
    case kAamaCurvePointLayer:
        return 1;
    case kAamaNotchLayer:
        return 2;
    case kAamaStripeLayer:
        return 3;
    case kAamaPlaidLayer:
        return 4;
    case kAamaDrillHoleLayer:
        return 5;
    default:
        return kNone;
    }
}

void PointMarksIndex::AddEntry(const Entry &entry, Deciding &into)
{
    if (entry.kind != kNone)
        into.latestOfKind[entry.kind] = later(into.latestOfKind[entry.kind], entry.place);
    into.latest = later(into.latest, entry.place);
    if (entry.ruled)
        into.firstRuled = std::min(into.firstRuled, entry.place);
}

std::size_t PointMarksIndex::Build(std::size_t begin, std::size_t end)
{
    const std::size_t index = m_nodes.size();
    Node &node = m_nodes.emplace_back();
    node.begin = begin;
    node.end = end;
    node.minX = node.maxX = m_entries[begin].x;
    node.minY = node.maxY = m_entries[begin].y;
    for (std::size_t i = begin; i < end; ++i) {
        node.minX = std::min(node.minX, m_entries[i].x);
        node.maxX = std::max(node.maxX, m_entries[i].x);
        node.minY = std::min(node.minY, m_entries[i].y);
        node.maxY = std::max(node.maxY, m_entries[i].y);
    }
    if (end - begin <= kLeafSize) {
        for (std::size_t i = begin; i < end; ++i)
            AddEntry(m_entries[i], node.deciding);
        return index;
    }
    // Halve the entries at the middle one across the wider side of the box.
    const bool acrossX = node.maxX - node.minX >= node.maxY - node.minY;
    const auto first = m_entries.begin() + std::ptrdiff_t(begin);
    const auto middle = first + std::ptrdiff_t((end - begin) / 2);
    const auto last = m_entries.begin() + std::ptrdiff_t(end);
    if (acrossX)
        std::nth_element(first, middle, last,
                         [](const Entry &a, const Entry &b) { return a.x < b.x; });
    else
        std::nth_element(first, middle, last,
                         [](const Entry &a, const Entry &b) { return a.y < b.y; });
    const std::size_t split = std::size_t(middle - m_entries.begin());
    Build(begin, split);
    const std::size_t second = Build(split, end);
    // The node list has grown: find the node again.
    Node &inner = m_nodes[index];
    inner.second = second;
    inner.deciding = m_nodes[index + 1].deciding;
    inner.deciding.Add(m_nodes[second].deciding);
    return index;
}

void PointMarksIndex::Collect(std::size_t index, double x, double y, Deciding &into) const
{
    const Node &node = m_nodes[index];
    if (wholeSideFar(node.minX, node.maxX, x) || wholeSideFar(node.minY, node.maxY, y))
        return;
    if (wholeSideNear(node.minX, node.maxX, x) && wholeSideNear(node.minY, node.maxY, y)) {
        into.Add(node.deciding);
        return;
    }
    if (node.second == kNone) {
        for (std::size_t i = node.begin; i < node.end; ++i) {
            if (nearCoordinate(m_entries[i].x, x) && nearCoordinate(m_entries[i].y, y))
                AddEntry(m_entries[i], into);
        }
        return;
    }
    Collect(index + 1, x, y, into);
    Collect(node.second, x, y, into);
}

} // namespace morvane
