// Morvane AAMA grade model.
// Patterns built from the pieces that the two pattern-file readers offer.
#include "sources/aama-model/AamaPatternLoading.h"

#include "foundation/Geometry.h"
#include "platform/fallowby/IJwcaAAMAData.h"
#include "sources/aama-reader/IAAMAData.h"
#include "sources/aama-reader/NearIndex.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace morvane {

namespace {

DPOINT scaled(double x, double y, double factor)
{
    return {x * factor, y * factor};
}

// The angle in degrees of a notch vector, which the graded R12 layout writes.
double angleOf(const DPOINT &vector)
{
    return RadToDeg(std::atan2(vector.y, vector.x));
}

struct Vertex
{
    AamaPosition position;
    int flags = 0;
    int ruleNumber = -1;
    DPOINT notchVector;
};

std::vector<Vertex> readOutline(const IAAMAData &data, int piece)
{
    std::vector<Vertex> vertices;
    const int count = data.GetVertexCount(piece, -1);
    vertices.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int v = 0; v < count; ++v) {
        Vertex vertex;
        double notch[2] = {};
        vertex.position = data.GetVertex(piece, -1, v, vertex.flags, vertex.ruleNumber, notch);
        vertex.notchVector = {notch[0], notch[1]};
        vertices.push_back(vertex);
    }
    // An outline written closed both by its flag and by repeating its first vertex.
    if (vertices.size() > 1 && isNear(vertices.front().position.x, vertices.front().position.y,
                                      vertices.back().position.x, vertices.back().position.y))
        vertices.pop_back();
    return vertices;
}

// Both readers give a drill hole's position and rule number alike.
template <typename Data>
void loadDrillHoles(const Data &data, int piece, double factor, CAamaGradePattern &pattern)
{
    for (int h = 0; h < data.GetDrillHoleCount(piece); ++h) {
        int ruleNumber = -1;
        const auto hole = data.GetDrillHole(piece, h, ruleNumber);
        pattern.AddInternalPoint(hole.x * factor, hole.y * factor, kAamaInternalPoint, ruleNumber);
    }
}

void scaleDrawing(std::vector<AamaDrawingItem> &drawing, double factor)
{
    for (AamaDrawingItem &item : drawing) {
        for (AamaPosition &point : item.points)
            point = {point.x * factor, point.y * factor};
        item.textHeight *= factor;
    }
}

AamaPieceExtras extrasOf(const IAAMAData &data, int piece, double factor)
{
    AamaPieceExtras extras;
    extras.annotation = data.GetPieceAnnotation(piece);
    if (const int quantity = data.GetPieceQuantity(piece); quantity > 0)
        extras.quantity = quantity;
    if (std::string category = data.GetPieceCategory(piece); !category.empty())
        extras.category = std::move(category);
    extras.hasNameText = data.HasPieceName(piece);
    extras.drawing = data.GetPieceDrawing(piece);
    scaleDrawing(extras.drawing, factor);
    return extras;
}

} // namespace

std::unique_ptr<CAamaGradePattern> loadAamaPiece(const IAAMAData &data, int piece,
                                                 double millimetresPerUnit)
{
    const double factor = millimetresPerUnit;
    auto pattern = std::make_unique<CAamaGradePattern>(data.GetPieceName(piece));
    pattern->SetExtras(extrasOf(data, piece, factor));
    loadDrillHoles(data, piece, factor, *pattern);
    for (const Vertex &vertex : readOutline(data, piece)) {
        const DPOINT position = scaled(vertex.position.x, vertex.position.y, factor);
        CAamaGradePoint *point = pattern->AddBoundaryPoint(
            position.x, position.y, pointKindFromFlags(vertex.flags), vertex.ruleNumber);
        if (point->GetKind() == kAamaNotchPoint) {
            const DPOINT vector = scaled(vertex.notchVector.x, vertex.notchVector.y, factor);
            pattern->AddNotch(point, vector, angleOf(vector));
        }
    }
    pattern->BuildCurvesFromBoundary();
    for (const AamaNotchOffOutline &notch : data.GetNotchesOffOutline(piece)) {
        const DPOINT position = scaled(notch.position.x, notch.position.y, factor);
        const DPOINT vector = scaled(notch.notchVector[0], notch.notchVector[1], factor);
        pattern->AddNotchOffOutline(position.x, position.y, vector, angleOf(vector),
                                    notch.ruleNumber, notch.drawingItem);
    }
    return pattern;
}

namespace {

bool isAt(const CAamaGradePoint &point, const DPOINT &position)
{
    const DPOINT base = point.GetBasePosition();
    return isNear(base.x, base.y, position.x, position.y);
}

// The points of a piece of a graded R12 file that its lines share. Two curves that meet at a rule
// point both give it, and it is one point; so is a point of one rule number (or of none) where one
// line ends and another starts (or the same line, closing it).
class SharedPoints
{
public:
    /// The rule point of that number, kind and position read before; null when none.
    CAamaGradePoint *rulePoint(int ruleNumber, int32_t kind, const DPOINT &position) const
    {
        const auto [first, last] = m_rulePoints.equal_range(ruleNumber);
        for (auto entry = first; entry != last; ++entry) {
            if (entry->second->GetKind() == kind && isAt(*entry->second, position))
                return entry->second;
        }
        return nullptr;
    }

    /// The first end of a line read before at position with that rule number; null when none.
    CAamaGradePoint *lineEnd(const DPOINT &position, int ruleNumber) const
    {
        const std::optional<Cell> cell = cellOf(position);
        if (!cell)
            return nullptr;
        const LineEnd *found = nullptr;
        for (std::int64_t dx = -1; dx <= 1; ++dx) {
            for (std::int64_t dy = -1; dy <= 1; ++dy) {
                const auto [first, last] = m_lineEnds.equal_range({cell->x + dx, cell->y + dy});
                for (auto entry = first; entry != last; ++entry) {
                    if (isAt(*entry->second.point, position) &&
                        entry->second.point->GetRuleNumber() == ruleNumber &&
                        (found == nullptr || entry->second.order < found->order))
                        found = &entry->second;
                }
            }
        }
        return found != nullptr ? found->point : nullptr;
    }

    void addRulePoint(CAamaGradePoint *point)
    {
        m_rulePoints.emplace(point->GetRuleNumber(), point);
    }

    void addLineEnd(CAamaGradePoint *point)
    {
        if (const std::optional<Cell> cell = cellOf(point->GetBasePosition()))
            m_lineEnds.emplace(*cell, LineEnd{point, m_lineEnds.size()});
    }

private:
    // Cells as wide as the nearness of two positions: a near position lies in a neighbour cell.
    struct Cell
    {
        std::int64_t x;
        std::int64_t y;
        bool operator==(const Cell &) const = default;
    };
    struct CellHash
    {
        std::size_t operator()(const Cell &cell) const
        {
            const auto x = static_cast<std::uint64_t>(cell.x);
            const auto y = static_cast<std::uint64_t>(cell.y);
            return static_cast<std::size_t>(x * 0x9E3779B97F4A7C15u ^ y);
        }
    };
    struct LineEnd
    {
        CAamaGradePoint *point;
        std::size_t order;
    };

    static std::optional<Cell> cellOf(const DPOINT &position)
    {
        constexpr double kCellsPerUnit = 1.0 / kAamaNearDistance;
        constexpr double kLastCell = 0x1p60;
        const double x = std::floor(position.x * kCellsPerUnit);
        const double y = std::floor(position.y * kCellsPerUnit);
        if (!(std::fabs(x) < kLastCell && std::fabs(y) < kLastCell))
            return std::nullopt;
        return Cell{static_cast<std::int64_t>(x), static_cast<std::int64_t>(y)};
    }

    std::unordered_multimap<int, CAamaGradePoint *> m_rulePoints;
    std::unordered_multimap<Cell, LineEnd, CellHash> m_lineEnds;
};

void loadJwcaLine(const IJwcaAAMAData &data, int piece, int line, double factor,
                  CAamaGradePattern &pattern, SharedPoints &shared)
{
    CAamaGradeCurve *curve = pattern.AddCurve();
    curve->SetLineType(data.GetLineType(piece, line));
    const int vertexCount = data.GetVertexCount(piece, line);
    curve->ReservePoints(vertexCount);
    for (int v = 0; v < vertexCount; ++v) {
        int flags = 0;
        int ruleNumber = -1;
        double notch[2] = {};
        const DPOINT read = data.GetVertex(piece, line, v, flags, ruleNumber, notch);
        const DPOINT position = scaled(read.x, read.y, factor);
        const int32_t kind = pointKindFromFlags(flags);
        const bool isEnd = v == 0 || v + 1 == vertexCount;
        CAamaGradePoint *known = shared.rulePoint(ruleNumber, kind, position);
        if (known == nullptr && isEnd)
            known = shared.lineEnd(position, ruleNumber);
        // A shared point keeps its notch with the curve that gave it first.
        if (known != nullptr) {
            curve->AddPoint(known);
            continue;
        }
        CAamaGradePoint *point = pattern.AddBoundaryPoint(position.x, position.y, kind, ruleNumber);
        point->SetExtraValue(data.GetVertexExtraValue(piece, line, v));
        curve->AddPoint(point);
        if (point->GetKind() == kAamaNotchPoint) {
            curve->AddNotch(pattern.AddNotch(point, scaled(notch[0], notch[1], factor),
                                             data.GetVertexNotchValue(piece, line, v)));
        }
        if (point->HasRule()) {
            pattern.AddRulePoint(point);
            shared.addRulePoint(point);
        }
        if (isEnd)
            shared.addLineEnd(point);
    }
}

void loadJwcaNotchesOffOutline(const IJwcaAAMAData &data, int piece, double factor,
                               CAamaGradePattern &pattern)
{
    for (int n = 0; n < data.GetNotchOffOutlineCount(piece); ++n) {
        int ruleNumber = -1;
        double vector[2] = {};
        double angle = 0.0;
        const DPOINT read = data.GetNotchOffOutline(piece, n, ruleNumber, vector, angle);
        const DPOINT position = scaled(read.x, read.y, factor);
        pattern.AddNotchOffOutline(position.x, position.y, scaled(vector[0], vector[1], factor),
                                   angle, ruleNumber, -1);
    }
}

void loadJwcaStraightLine(const IJwcaAAMAData &data, int piece, int line, double factor,
                          CAamaGradePattern &pattern)
{
    DPOINT ends[2];
    data.GetInternalLine(piece, line, ends[0], ends[1]);
    for (DPOINT &end : ends)
        end = scaled(end.x, end.y, factor);
    CAamaGradeCurve *curve = pattern.AddCurve();
    curve->SetStraightLine(true);
    curve->SetLineType(data.GetInternalLineType(piece, line));
    for (const DPOINT &end : ends)
        curve->AddPoint(pattern.AddBoundaryPoint(end.x, end.y, kAamaTurnPoint, -1));
}

} // namespace

std::unique_ptr<CAamaGradePattern> loadJwcaPiece(const IJwcaAAMAData &data, int piece,
                                                 double millimetresPerUnit)
{
    const double factor = millimetresPerUnit;
    auto pattern = std::make_unique<CAamaGradePattern>(data.GetPieceName(piece));
    loadDrillHoles(data, piece, factor, *pattern);
    SharedPoints shared;
    for (int line = 0; line < data.GetLineCount(piece); ++line)
        loadJwcaLine(data, piece, line, factor, *pattern, shared);
    for (int line = 0; line < data.GetInternalLineCount(piece); ++line) {
        if (data.GetInternalLineKind(piece, line) == kJwcaStraightLineKind)
            loadJwcaStraightLine(data, piece, line, factor, *pattern);
    }
    loadJwcaNotchesOffOutline(data, piece, factor, *pattern);
    return pattern;
}

} // namespace morvane
