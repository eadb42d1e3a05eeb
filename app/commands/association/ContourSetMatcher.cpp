// Morvane editing commands: pattern association.
// The cost of every pair of a row and a column contour, and their greedy pairing.
#include "app/commands/association/ContourSetMatcher.h"

#include "foundation/CurveShape.h"
#include "foundation/Geometry.h"
#include "model/Contour.h"
#include "model/Pattern.h"
#include "platform/dunmere/DunmereHelper.h"
#include "platform/nerrith/PolyCompute.h"
#include "platform/nerrith/PolyComputeHelper.h"

#include <algorithm>
#include <cmath>

namespace {

/// Contours smaller than this in both directions are not compared by position.
constexpr double kSmallestComparedSize = 20.0;

} // namespace

static std::vector<DPOINT> verticesOf(const CCurveShape &shape)
{
    std::vector<DPOINT> points;
    for (int i = 0; i < shape.GetVertexCount(); ++i)
        points.push_back(shape.GetVertexAt(i)->GetPosition().GetDPoint());
    return points;
}

// The principal axes of the outline's segments, weighted by their lengths, so that how a piece
// is turned does not change its extents.
static CContourSetMatcher::Extents principalExtents(const std::vector<DPOINT> &points)
{
    double weight = 0.0;
    double cx = 0.0;
    double cy = 0.0;
    const size_t count = points.size();
    for (size_t i = 0; i < count; ++i) {
        const DPOINT &a = points[i];
        const DPOINT &b = points[(i + 1) % count];
        const double length = GetDPointDistance(a, b);
        weight += length;
        cx += length * 0.5 * (a.x + b.x);
        cy += length * 0.5 * (a.y + b.y);
    }
    if (weight <= 0.0)
        return {};
    cx /= weight;
    cy /= weight;
    double sxx = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
    for (const DPOINT &p : points) {
        sxx += (p.x - cx) * (p.x - cx);
        syy += (p.y - cy) * (p.y - cy);
        sxy += (p.x - cx) * (p.y - cy);
    }
    const double axis = 0.5 * std::atan2(2.0 * sxy, sxx - syy);
    const double ux = std::cos(axis);
    const double uy = std::sin(axis);
    double minU = 0.0, maxU = 0.0, minV = 0.0, maxV = 0.0;
    for (size_t i = 0; i < count; ++i) {
        const double u = (points[i].x - cx) * ux + (points[i].y - cy) * uy;
        const double v = -(points[i].x - cx) * uy + (points[i].y - cy) * ux;
        if (i == 0) {
            minU = maxU = u;
            minV = maxV = v;
            continue;
        }
        minU = std::min(minU, u);
        maxU = std::max(maxU, u);
        minV = std::min(minV, v);
        maxV = std::max(maxV, v);
    }
    const double along = maxU - minU;
    const double across = maxV - minV;
    return {std::max(along, across), std::min(along, across)};
}

static double lengthOf(const std::vector<DPOINT> &points, bool closed)
{
    double length = 0.0;
    for (size_t i = 0; i + 1 < points.size(); ++i)
        length += GetDPointDistance(points[i], points[i + 1]);
    if (closed && points.size() > 2)
        length += GetDPointDistance(points.back(), points.front());
    return length;
}

static double chordAngle(const std::vector<DPOINT> &points)
{
    if (points.size() < 2)
        return 0.0;
    return std::atan2(points.back().y - points.front().y, points.back().x - points.front().x);
}

CContourSetMatcher::CContourSetMatcher() = default;
CContourSetMatcher::~CContourSetMatcher() = default;

void CContourSetMatcher::SetInput(std::vector<const CCurveShape *> rowShapes,
                                  std::vector<CContour *> rowContours,
                                  std::vector<const CCurveShape *> columnShapes,
                                  std::vector<CContour *> columnContours,
                                  const PatternAssociationParams &params)
{
    m_aRowShapes = std::move(rowShapes);
    m_aRowContours = std::move(rowContours);
    m_aColumnShapes = std::move(columnShapes);
    m_aColumnContours = std::move(columnContours);
    m_oParams = params;
    m_aCells.assign(m_aRowShapes.size() * m_aColumnShapes.size(), Cell{});
}

CContourSetMatcher::Cell &CContourSetMatcher::cell(int row, int column)
{
    return m_aCells[static_cast<size_t>(row) * m_aColumnShapes.size() +
                    static_cast<size_t>(column)];
}

const CContourSetMatcher::Cell &CContourSetMatcher::cell(int row, int column) const
{
    return m_aCells[static_cast<size_t>(row) * m_aColumnShapes.size() +
                    static_cast<size_t>(column)];
}

void CContourSetMatcher::ComputeCosts()
{
    const std::vector<PreparedShape> rows = prepare(m_aRowShapes);
    const std::vector<PreparedShape> columns = prepare(m_aColumnShapes);
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int column = 0; column < GetColumnCount(); ++column) {
            const PreparedShape &rowShape = rows[static_cast<size_t>(row)];
            const PreparedShape &columnShape = columns[static_cast<size_t>(column)];
            if (rowShape.shape->GetVertexCount() > 1 && columnShape.shape->GetVertexCount() > 1)
                computeCost(rowShape, columnShape, cell(row, column).cost);
        }
    }
}

// What the method reads of each shape, worked out once for all its pairs.
std::vector<CContourSetMatcher::PreparedShape>
CContourSetMatcher::prepare(const std::vector<const CCurveShape *> &shapes) const
{
    std::vector<PreparedShape> prepared(shapes.size());
    for (size_t i = 0; i < shapes.size(); ++i) {
        PreparedShape &entry = prepared[i];
        entry.shape = shapes[i];
        entry.points = verticesOf(*shapes[i]);
        const int count = static_cast<int>(entry.points.size());
        entry.outline = std::make_unique<CPolyCompute>();
        switch (m_oParams.method) {
        case 1:
            entry.extents = principalExtents(entry.points);
            entry.outline->Create(count, entry.points.data(), nullptr);
            break;
        case 2:
            entry.outline->CreateOpen(count, entry.points.data(), nullptr);
            break;
        default:
            break;
        }
    }
    return prepared;
}

bool CContourSetMatcher::computeCost(const PreparedShape &row, const PreparedShape &column,
                                     double &cost) const
{
    switch (m_oParams.method) {
    case 0:
        return areaDissimilarity(*row.shape, *column.shape, cost);
    case 1:
        return positionDissimilarity(row, column, cost);
    case 2:
        return curveDissimilarity(row, column, cost);
    default:
        return false;
    }
}

bool CContourSetMatcher::areaDissimilarity(const CCurveShape &row, const CCurveShape &column,
                                           double &cost) const
{
    if (row.GetVertexCount() <= 2 || column.GetVertexCount() <= 2) {
        cost = kTooFewVerticesCost;
        return true;
    }
    CDunmereHelper dunmere;
    double shared = 0.0;
    if (!dunmere.DunmereArea(DUNMERE_INTERSECTION, &row, &column, shared) || shared <= 0.0)
        return false;
    cost = (std::fabs(row.GetArea()) + std::fabs(column.GetArea()) - 2.0 * shared) / shared;
    return true;
}

bool CContourSetMatcher::withinSizeDissimilarity(double rowSize, double columnSize) const
{
    const double allowed = m_oParams.maxSizeDissimilarity * 0.01;
    if (columnSize <= 0.0)
        return false;
    const double ratio = rowSize / columnSize;
    return ratio >= 1.0 - allowed && ratio <= 1.0 + allowed;
}

bool CContourSetMatcher::positionDissimilarity(const PreparedShape &row,
                                               const PreparedShape &column, double &cost) const
{
    if (row.extents.major < kSmallestComparedSize || column.extents.major < kSmallestComparedSize)
        return false;
    if (!withinSizeDissimilarity(row.extents.major, column.extents.major) ||
        !withinSizeDissimilarity(row.extents.minor, column.extents.minor))
        return false;
    CPolyComputeHelper helper(row.outline.get(), column.outline.get());
    helper.FindOptimumPosition();
    cost = helper.GetOptimalValue();
    return true;
}

bool CContourSetMatcher::curveDissimilarity(const PreparedShape &row, const PreparedShape &column,
                                            double &cost) const
{
    if (!withinSizeDissimilarity(lengthOf(row.points, row.shape->IsClosed()),
                                 lengthOf(column.points, column.shape->IsClosed())))
        return false;
    const double a = chordAngle(row.points);
    const double b = chordAngle(column.points);
    const double apart = std::min(std::fabs(GetAngleDifference(a, b)),
                                  std::fabs(GetAngleDifference(a, b + std::numbers::pi)));
    if (apart > m_dCornerAngleMatch)
        return false;
    cost = CPolyComputeHelper(row.outline.get(), column.outline.get()).GetCurveDistance();
    return true;
}

void CContourSetMatcher::Assign()
{
    blockExisting();
    const int cells = GetRowCount() * GetColumnCount();
    for (int k = 0; k < cells; ++k) {
        int row = -1;
        int column = -1;
        double cost = 0.0;
        if (!FindCheapestFree(row, column, cost))
            return;
        BlockPair(column, row);
        cell(row, column).chosen = true;
    }
}

void CContourSetMatcher::ComputeAndAssign()
{
    ComputeCosts();
    Assign();
}

bool CContourSetMatcher::FindCheapestFree(int &row, int &column, double &cost) const
{
    bool found = false;
    for (int r = 0; r < GetRowCount(); ++r) {
        for (int c = 0; c < GetColumnCount(); ++c) {
            const Cell &candidate = cell(r, c);
            if (candidate.used || (found && candidate.cost >= cost))
                continue;
            found = true;
            row = r;
            column = c;
            cost = candidate.cost;
        }
    }
    return found;
}

// Every cell whose row or column contour belongs to the pattern becomes used.
void CContourSetMatcher::usePattern(const void *pattern)
{
    for (int r = 0; r < GetRowCount(); ++r) {
        const bool rowOfPattern = m_aRowContours[static_cast<size_t>(r)]->GetPattern() == pattern;
        for (int c = 0; c < GetColumnCount(); ++c) {
            if (rowOfPattern || m_aColumnContours[static_cast<size_t>(c)]->GetPattern() == pattern)
                cell(r, c).used = true;
        }
    }
}

void CContourSetMatcher::BlockPair(int column, int row)
{
    if (m_oParams.type == 1) {
        if (column >= 0)
            cell(row, column).used = true;
        return;
    }
    if (column >= 0)
        usePattern(m_aColumnContours[static_cast<size_t>(column)]->GetPattern());
    usePattern(m_aRowContours[static_cast<size_t>(row)]->GetPattern());
}

void CContourSetMatcher::blockExisting()
{
    for (int row = 0; row < GetRowCount(); ++row) {
        CPtrCollection<CPattern> associated;
        m_aRowContours[static_cast<size_t>(row)]->GetPattern()->GetAssPatterns(associated);
        for (CPattern *pattern : associated) {
            for (int i = 0; i < pattern->GetContourCount(); ++i) {
                const auto found = std::find(m_aColumnContours.begin(), m_aColumnContours.end(),
                                             pattern->GetContourAt(i));
                const bool isColumn = found != m_aColumnContours.end();
                BlockPair(isColumn ? static_cast<int>(found - m_aColumnContours.begin()) : -1, row);
            }
        }
    }
}

std::vector<int> CContourSetMatcher::CollectMatches(int row) const
{
    const double threshold =
        (m_oParams.type == 1 ? m_oParams.maxShapeErrorMulti : m_oParams.maxShapeError) * 0.01;
    std::vector<int> columns;
    for (int column = 0; column < GetColumnCount(); ++column) {
        const Cell &candidate = cell(row, column);
        if (candidate.chosen && candidate.cost <= threshold)
            columns.push_back(column);
    }
    return columns;
}

bool CContourSetMatcher::FindBestPair(int &row, int &column, double &cost)
{
    ComputeCosts();
    return FindCheapestFree(row, column, cost);
}
