// Morvane AAMA grade model.
// Patterns built from the pieces that the two pattern-file readers offer.
#include "sources/aama-model/AamaPatternLoading.h"

#include "platform/fallowby/IJwcaAAMAData.h"
#include "sources/aama-reader/IAAMAData.h"
#include "sources/aama-reader/NearIndex.h"

#include <algorithm>
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
            pattern->AddNotch(point, scaled(vertex.notchVector.x, vertex.notchVector.y, factor),
                              0.0);
        }
    }
    pattern->BuildCurvesFromBoundary();
    return pattern;
}

namespace {

// The points with a rule number read so far, by rule number: two curves that meet at a rule
// point both give it, and it is one point.
using RulePointsByNumber = std::unordered_multimap<int, CAamaGradePoint *>;

CAamaGradePoint *sharedRulePoint(const RulePointsByNumber &rulePoints, int ruleNumber,
                                 int32_t kind, const DPOINT &position)
{
    const auto [first, last] = rulePoints.equal_range(ruleNumber);
    for (auto entry = first; entry != last; ++entry) {
        CAamaGradePoint *point = entry->second;
        const DPOINT base = point->GetBasePosition();
        if (point->GetKind() == kind && isNear(base.x, base.y, position.x, position.y))
            return point;
    }
    return nullptr;
}

void loadJwcaLine(const IJwcaAAMAData &data, int piece, int line, double factor,
                  CAamaGradePattern &pattern, RulePointsByNumber &rulePoints)
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
        if (CAamaGradePoint *shared = sharedRulePoint(rulePoints, ruleNumber, kind, position)) {
            curve->AddPoint(shared);
            if (shared->GetNotch() != nullptr)
                curve->AddNotch(shared->GetNotch());
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
            rulePoints.emplace(ruleNumber, point);
        }
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
    RulePointsByNumber rulePoints;
    for (int line = 0; line < data.GetLineCount(piece); ++line)
        loadJwcaLine(data, piece, line, factor, *pattern, rulePoints);
    for (int line = 0; line < data.GetInternalLineCount(piece); ++line) {
        if (data.GetInternalLineKind(piece, line) == kJwcaStraightLineKind)
            loadJwcaStraightLine(data, piece, line, factor, *pattern);
    }
    return pattern;
}

} // namespace morvane
