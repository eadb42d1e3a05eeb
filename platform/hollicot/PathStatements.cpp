// Morvane Hollicot formula parser.
// The path statements of the rule conversion: a path is the run of variables between two of
// them, measured by arc length on base positions.
#include "platform/hollicot/PathStatements.h"

#include "platform/hollicot/ErrorCode.h"
#include "platform/hollicot/Polyline.h"
#include "platform/hollicot/VectorMath.h"

#include <algorithm>
#include <cmath>

namespace hollicot {

namespace {

/// The rows of a %LP path and their arc fractions from the first (0) to the last (1).
struct Path
{
    int first = 0;
    int last = 0;
    std::vector<double> fractions;

    int count() const { return last - first + 1; }
};

int loadPath(const CallSite &call, const SizeState &state, Path &path)
{
    path.first = call.pathFirst;
    path.last = call.pathLast;
    if (path.first < 0 || path.last <= path.first || path.last >= state.rowCount)
        return kBadGeometry;
    std::vector<Vec2> vertices;
    for (int row = path.first; row <= path.last; ++row)
        vertices.push_back(state.base(row));
    const Polyline line(std::move(vertices), false);
    if (line.length() < kTinyLength)
        return kBadGeometry;
    for (int i = 0; i < path.count(); ++i)
        path.fractions.push_back(line.arcAt(static_cast<std::size_t>(i)) / line.length());
    return kOk;
}

// %TR(P, dx, dy): every vertex moves by (dx, dy).
void translatePath(const Path &path, const Vec2 *args, SizeState &state)
{
    for (int row = path.first; row <= path.last; ++row)
        state.cells[row] += Vec2{args[0].x, args[1].x};
}

constexpr int kFromLastBit = 32768;

// %RKD(P, R, mode): the free end is brought to R's movement, and every vertex takes that change
// in proportion to its arc distance from the pivot end.
int fitEnd(const Path &path, const CallSite &call, const Vec2 *args, SizeState &state)
{
    const double mode = args[0].x;
    if (!(mode >= 0 && mode < 65536) || mode != std::floor(mode))
        return kWrongKind;
    const int bits = static_cast<int>(mode);
    const bool fromLast = (bits & kFromLastBit) != 0;
    const int freeEnd = fromLast ? path.first : path.last;
    Vec2 change = state.cell(call.points[0]) - state.cell(freeEnd);
    if ((bits & 3) == 1)
        change.y = 0;
    else if ((bits & 3) == 2)
        change.x = 0;
    for (int i = 0; i < path.count(); ++i) {
        const double f = path.fractions[static_cast<std::size_t>(i)];
        state.cells[path.first + i] += (fromLast ? 1 - f : f) * change;
    }
    return kOk;
}

// %MF(P, R): the similarity that keeps the first vertex and brings the last onto R.
int fitSimilar(const Path &path, const CallSite &call, SizeState &state)
{
    const Vec2 first = state.at(path.first);
    const Vec2 from = state.at(path.last) - first;
    const Vec2 to = state.at(call.points[0]) - first;
    const double span = dot(from, from);
    if (span < kTinyLength * kTinyLength)
        return kBadGeometry;
    // As complex numbers, the factor to / from turns and scales.
    const Vec2 factor{dot(to, from) / span, cross(from, to) / span};
    for (int row = path.first; row <= path.last; ++row) {
        const Vec2 z = state.at(row) - first;
        const Vec2 placed{z.x * factor.x - z.y * factor.y, z.x * factor.y + z.y * factor.x};
        state.cells[row] = first + placed - state.base(row);
    }
    return kOk;
}

bool listsRow(const CallSite &call, int row)
{
    return std::any_of(call.list.begin(), call.list.end(), [row](const Binding &entry) {
        return entry.kind == Binding::Kind::Variable && entry.index == row;
    });
}

// %LHD(P, %VA(...)): measured length changes move the last vertex along the chord, then the
// inner vertices follow the ends by arc fraction; a list of points blends only those points.
int distribute(const Path &path, const CallSite &call, SizeState &state)
{
    if (call.list.empty())
        return kOk;
    const bool byMeasures = call.list.front().kind == Binding::Kind::Scalar;
    if (byMeasures) {
        double growth = 0;
        for (const Binding &entry : call.list)
            growth += state.scalars[entry.index];
        const Vec2 chord = state.base(path.last) - state.base(path.first);
        if (length(chord) < kTinyLength)
            return kBadGeometry;
        state.cells[path.last] += (growth / length(chord)) * chord;
    }
    const Vec2 start = state.cell(path.first);
    const Vec2 end = state.cell(path.last);
    for (int i = 1; i + 1 < path.count(); ++i) {
        if (!byMeasures && !listsRow(call, path.first + i))
            continue;
        const double f = path.fractions[static_cast<std::size_t>(i)];
        state.cells[path.first + i] = (1 - f) * start + f * end;
    }
    return kOk;
}

} // namespace

int runPathStatement(const CallSite &call, const Vec2 *args, SizeState &state)
{
    Path path;
    if (const int code = loadPath(call, state, path))
        return code;
    switch (call.function) {
    case FunctionId::Tr:
        translatePath(path, args, state);
        return kOk;
    case FunctionId::Rkd:
        return fitEnd(path, call, args, state);
    case FunctionId::Mf:
        return fitSimilar(path, call, state);
    case FunctionId::Lhd:
        return distribute(path, call, state);
    default:
        return kWrongKind;
    }
}

} // namespace hollicot
