// Morvane program foundation extras.
// The references of a nearest-shape search placed on a grid, so that a search measures only those
// near its probe, and where a hit stops the search.
#include "app/extras/ShapeHitTestIndex.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>

namespace {

// Cells per reference placed at most: more cells would cost memory and save no measuring.
constexpr size_t kCellsPerReference = 4;

// The bounds of what the reference can be hit on, when its shape is fixed and the kind is placed.
std::optional<CDRect> fixedBounds(const CShapeRef &ref)
{
    CDRect bounds;
    switch (ref.GetKind()) {
    case ShapeKind::Position: {
        const IPositionShape *shape = ref.GetPositionShape();
        if (!shape->IsFixed())
            return std::nullopt;
        DPOINT position;
        shape->GetElementPosition(ref.GetElement(), position.x, position.y);
        bounds.Include(position.x, position.y);
        break;
    }
    case ShapeKind::Polyline:
    case ShapeKind::PointSet: {
        const IPointSetShape *shape = ref.GetPointSetShape();
        if (!shape->IsFixed())
            return std::nullopt;
        if (shape->GetElementBounds(ref.GetElement(), bounds))
            break;
        for (int i = 0; i < shape->GetElementPointCount(ref.GetElement()); ++i) {
            DPOINT point;
            shape->GetElementPoint(ref.GetElement(), i, point.x, point.y);
            bounds.Include(point.x, point.y);
        }
        break;
    }
    case ShapeKind::CornerArea:
    case ShapeKind::CornerOutline:
    case ShapeKind::Unseen:
    case ShapeKind::NearestPoint:
    case ShapeKind::HorizontalGuide:
    case ShapeKind::VerticalGuide:
        return std::nullopt;
    }
    const bool finite = std::isfinite(bounds.minX) && std::isfinite(bounds.minY) &&
                        std::isfinite(bounds.maxX) && std::isfinite(bounds.maxY);
    if (!bounds.IsValid() || !finite)
        return std::nullopt;
    return bounds;
}

// The bounds widened by the tolerance and a margin far above the rounding of the distances the
// search compares with it, so that a probe the search accepts always lies inside.
CDRect widened(const CDRect &bounds, double tolerance)
{
    const double magnitude = std::max({std::abs(bounds.minX), std::abs(bounds.minY),
                                       std::abs(bounds.maxX), std::abs(bounds.maxY)});
    const double reach = tolerance + 1e-9 * (1.0 + magnitude + tolerance);
    CDRect box = bounds;
    box.Inflate(reach, reach, reach, reach);
    return box;
}

// Cells along an extent for cells of about the side: 1 at least.
size_t cellCount(double extent, double side)
{
    const double count = std::ceil(extent / side);
    if (!(count >= 1.0))
        return 1;
    return static_cast<size_t>(std::min(count, 1e9));
}

size_t cellOf(double value, double start, double cellSize, size_t count)
{
    const double cell = std::floor((value - start) / cellSize);
    if (!(cell >= 0.0))
        return 0; // also where huge coordinates leave no number
    return static_cast<size_t>(std::clamp(cell, 0.0, static_cast<double>(count - 1)));
}

} // namespace

void ShapeHitTestIndex::build(const References &refs, double scale)
{
    if (!m_read)
        readShapes(refs);
    placeAt(scale);
}

void ShapeHitTestIndex::clear()
{
    m_read = false;
    m_stops.clear();
    m_bounds.clear();
    m_unbounded.clear();
    m_sceneSize = 0.0;
    m_placed = false;
    m_everywhere.clear();
    clearGrid();
}

void ShapeHitTestIndex::clearGrid()
{
    m_area = CDRect();
    m_columns = 0;
    m_rows = 0;
    m_cellStarts.clear();
    m_cellItems.clear();
}

void ShapeHitTestIndex::findCandidates(const DPOINT &probe, std::vector<uint32_t> &out) const
{
    out.clear();
    const bool onGrid = m_columns > 0 && probe.x >= m_area.minX && probe.x <= m_area.maxX &&
                        probe.y >= m_area.minY && probe.y <= m_area.maxY;
    if (!onGrid) {
        out = m_everywhere;
        return;
    }
    const size_t cell = rowOf(probe.y) * m_columns + columnOf(probe.x);
    const auto first = m_cellItems.begin() + m_cellStarts[cell];
    const auto last = m_cellItems.begin() + m_cellStarts[cell + 1];
    std::merge(first, last, m_everywhere.begin(), m_everywhere.end(), std::back_inserter(out));
}

void ShapeHitTestIndex::readShapes(const References &refs)
{
    assert(refs.size() < std::numeric_limits<uint32_t>::max() && "too many references");
    std::vector<int32_t> groups;
    groups.reserve(refs.size());
    CDRect scene;
    for (const auto &ref : refs) {
        const auto number = static_cast<uint32_t>(groups.size());
        groups.push_back(ref.GetGroup());
        const std::optional<CDRect> bounds = fixedBounds(ref);
        if (!bounds) {
            m_unbounded.push_back(number);
            continue;
        }
        m_bounds.push_back({*bounds, number, ref.GetTolerance()});
        scene.Union(*bounds);
    }
    findStops(groups);
    m_sceneSize = std::max(scene.GetWidth(), scene.GetHeight());
    m_read = true;
}

// A tolerance that reaches across the scene would put its reference in every cell: such a
// reference goes everywhere instead, and so does one whose tolerance is below 0 or not a number.
void ShapeHitTestIndex::placeAt(double scale)
{
    m_everywhere = m_unbounded;
    std::vector<Placed> placed;
    placed.reserve(m_bounds.size());
    for (const Bounds &bounds : m_bounds) {
        const double tolerance = bounds.tolerance * scale;
        if (tolerance >= 0.0 && tolerance <= m_sceneSize)
            placed.push_back({widened(bounds.box, tolerance), bounds.number});
        else
            m_everywhere.push_back(bounds.number);
    }
    std::inplace_merge(m_everywhere.begin(),
                       m_everywhere.begin() + static_cast<std::ptrdiff_t>(m_unbounded.size()),
                       m_everywhere.end());
    placeOnGrid(placed);
    m_scale = scale;
    m_placed = true;
}

// Each reference's stop is the first later one of a greater group: the references still waiting
// for a greater group form a stack of non-increasing groups.
void ShapeHitTestIndex::findStops(const std::vector<int32_t> &groups)
{
    m_stops.assign(groups.size(), static_cast<uint32_t>(groups.size()));
    std::vector<uint32_t> waiting;
    for (uint32_t i = 0; i < groups.size(); ++i) {
        while (!waiting.empty() && groups[waiting.back()] < groups[i]) {
            m_stops[waiting.back()] = i;
            waiting.pop_back();
        }
        waiting.push_back(i);
    }
}

void ShapeHitTestIndex::placeOnGrid(const std::vector<Placed> &placed)
{
    clearGrid();
    if (placed.empty())
        return;
    chooseCells(placed);
    m_cellStarts.assign(m_columns * m_rows + 1, 0);
    const auto forEachCell = [this](const CDRect &box, auto &&visit) {
        const size_t firstColumn = columnOf(box.minX);
        const size_t lastColumn = columnOf(box.maxX);
        const size_t lastRow = rowOf(box.maxY);
        for (size_t row = rowOf(box.minY); row <= lastRow; ++row) {
            for (size_t column = firstColumn; column <= lastColumn; ++column)
                visit(row * m_columns + column);
        }
    };
    for (const Placed &entry : placed)
        forEachCell(entry.box, [this](size_t cell) { ++m_cellStarts[cell + 1]; });
    for (size_t cell = 1; cell < m_cellStarts.size(); ++cell)
        m_cellStarts[cell] += m_cellStarts[cell - 1];
    m_cellItems.resize(m_cellStarts.back());
    std::vector<size_t> next(m_cellStarts.begin(), m_cellStarts.end() - 1);
    for (const Placed &entry : placed)
        forEachCell(entry.box,
                    [&](size_t cell) { m_cellItems[next[cell]++] = entry.number; });
}

// Cells about as large as the mean box, so that a box covers a few cells and a cell meets a
// few boxes; fewer when they would outnumber the boxes many times.
void ShapeHitTestIndex::chooseCells(const std::vector<Placed> &placed)
{
    double boxArea = 0.0;
    for (const Placed &entry : placed) {
        m_area.Union(entry.box);
        boxArea += entry.box.GetWidth() * entry.box.GetHeight();
    }
    const size_t maxCells = kCellsPerReference * placed.size();
    double side = std::sqrt(boxArea / static_cast<double>(placed.size()));
    const double areaSide = std::sqrt(m_area.GetWidth() * m_area.GetHeight() /
                                      static_cast<double>(maxCells));
    side = std::max(side, areaSide);
    do {
        m_columns = cellCount(m_area.GetWidth(), side);
        m_rows = cellCount(m_area.GetHeight(), side);
        side *= 2.0;
    } while (m_columns * m_rows > maxCells);
    m_cellWidth = m_area.GetWidth() / static_cast<double>(m_columns);
    m_cellHeight = m_area.GetHeight() / static_cast<double>(m_rows);
}

size_t ShapeHitTestIndex::columnOf(double x) const
{
    return cellOf(x, m_area.minX, m_cellWidth, m_columns);
}

size_t ShapeHitTestIndex::rowOf(double y) const
{
    return cellOf(y, m_area.minY, m_cellHeight, m_rows);
}
