// Morvane Hollicot formula parser.
// The point statements: junctions of two paths, darts and lapels, graded as one unit.
#include "platform/hollicot/PointStatements.h"

#include "platform/hollicot/ErrorCode.h"
#include "platform/hollicot/VectorMath.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace hollicot {

namespace {

Vec2 unit(Vec2 v)
{
    const double span = length(v);
    return span < kTinyLength ? Vec2{} : (1.0 / span) * v;
}

// %IP2P(a0, a1, b0, b1, θ, rb): the junction of path A's end a0 and path B's start b0 follows
// the far ends a1 and b1 in proportion to the two paths' lengths; θ turns B onto A.
int joinPaths(const CallSite &call, const Vec2 *args, SizeState &state)
{
    const int a0 = call.points[0];
    const int a1 = call.points[1];
    const int b0 = call.points[2];
    const int b1 = call.points[3];
    const double turn = radians(args[0].x);
    const double lengthA = length(state.base(a0) - state.base(a1));
    const double lengthB = length(state.base(b0) - state.base(b1));
    const Vec2 farB = rotated(state.cell(b1), turn);
    const Vec2 junction = lengthA + lengthB < kTinyLength
                              ? 0.5 * (state.cell(a1) + farB)
                              : (1.0 / (lengthA + lengthB)) *
                                    (lengthB * state.cell(a1) + lengthA * farB);
    state.cells[a0] = junction;
    state.cells[b0] = args[1].x != 0 ? rotated(junction, -turn) : junction;
    return kOk;
}

struct DartArgs
{
    double movement;
    double depth;
    double opening;
    bool movementInPercent;
    double referenceLength;
    bool symmetric;
    bool keepLegLength;
};

DartArgs dartArgs(const Vec2 *args)
{
    return {args[0].x, args[1].x, args[2].x, args[3].x == 1, args[4].x, args[5].x != 0,
            args[6].x == 1};
}

double meanLeg(double across, double half, double height)
{
    return 0.5 * (std::hypot(across + half, height) + std::hypot(across - half, height));
}

// Places the apex over the new opening a-b as it stood over the base opening (the same offset
// across it from its middle), at the height that gives the legs a mean length of legLength; false
// when the legs cannot reach. The mean grows with the height, so bisection finds it.
bool placeApex(Vec2 a, Vec2 b, double offset, double legLength, Vec2 &apex)
{
    const Vec2 middle = 0.5 * (a + b);
    const double half = 0.5 * length(b - a);
    if (half < kTinyLength || !(legLength >= meanLeg(offset, half, 0)))
        return false;
    const Vec2 across = unit(b - a);
    Vec2 normal{-across.y, across.x};
    if (dot(apex - middle, normal) < 0)
        normal = -normal;
    double low = 0;
    double high = legLength + std::abs(offset) + half;
    for (int i = 0; i < 200 && high - low > 1e-12 * high; ++i) {
        const double height = 0.5 * (low + high);
        (meanLeg(offset, half, height) < legLength ? low : high) = height;
    }
    apex = middle + offset * across + (0.5 * (low + high)) * normal;
    return true;
}

// %DG and %DGA(A, T, B, m, d, o, mc, L, sym, lc): the dart opens by o (a width, or an angle in
// degrees for %DGA), deepens by d and moves by m across its opening.
int gradeDart(const CallSite &call, const Vec2 *args, SizeState &state, bool byAngle)
{
    const int rowA = call.points[0];
    const int rowT = call.points[1];
    const int rowB = call.points[2];
    const Vec2 a0 = state.base(rowA);
    const Vec2 t0 = state.base(rowT);
    const Vec2 b0 = state.base(rowB);
    const Vec2 across = unit(b0 - a0);
    const Vec2 along = unit(t0 - 0.5 * (a0 + b0));
    if (length(across) == 0 || length(along) == 0)
        return kBadGeometry;
    const double side = cross(a0 - t0, b0 - t0) < 0 ? -1 : 1;
    const DartArgs dart = dartArgs(args);
    Vec2 a = state.at(rowA);
    Vec2 t = state.at(rowT);
    Vec2 b = state.at(rowB);
    if (byAngle) {
        const double turn = radians(side * dart.opening);
        if (dart.symmetric)
            a = t + rotated(a - t, -turn / 2);
        b = t + rotated(b - t, dart.symmetric ? turn / 2 : turn);
    } else if (dart.symmetric) {
        a = a - (dart.opening / 2) * across;
        b = b + (dart.opening / 2) * across;
    } else {
        b = b + dart.opening * across;
    }
    const double offset = dot(t0 - 0.5 * (a0 + b0), across);
    const double legLength = 0.5 * (length(t0 - a0) + length(t0 - b0)) + dart.depth;
    if (!dart.keepLegLength)
        t = t + dart.depth * along;
    else if (!placeApex(a, b, offset, legLength, t))
        return kBadGeometry;
    const double shift =
        dart.movementInPercent ? dart.movement / 100 * dart.referenceLength : dart.movement;
    const Vec2 moved = shift * across;
    state.cells[rowA] = a + moved - a0;
    state.cells[rowT] = t + moved - t0;
    state.cells[rowB] = b + moved - b0;
    return kOk;
}

// %LG(p0..p5, e0, e1): the lapel lengthens by e1 along its chord, widens by e0 where it is
// widest, and its inner points follow its two ends.
int gradeLapel(const CallSite &call, const Vec2 *args, SizeState &state)
{
    if (state.isBase)
        return kOk;
    std::array<Vec2, 6> base;
    for (std::size_t i = 0; i < base.size(); ++i)
        base[i] = state.base(call.points[i]);
    const Vec2 chord = unit(base[5] - base[0]);
    if (length(chord) == 0)
        return kBadGeometry;
    const Vec2 normal{-chord.y, chord.x};
    std::array<double, 6> arcs{};
    std::array<double, 6> widths{};
    double widest = 0;
    for (std::size_t i = 1; i < base.size(); ++i) {
        arcs[i] = arcs[i - 1] + length(base[i] - base[i - 1]);
        widths[i] = cross(chord, base[i] - base[0]);
        widest = std::max(widest, std::abs(widths[i]));
    }
    state.cells[call.points[5]] += args[1].x * chord;
    const Vec2 start = state.cell(call.points[0]);
    const Vec2 end = state.cell(call.points[5]);
    for (std::size_t i = 1; i < 5; ++i) {
        const double t = arcs[i] / arcs[5];
        const double width = widest > 0 ? widths[i] / widest : 0;
        state.cells[call.points[i]] += (1 - t) * start + t * end + (width * args[0].x) * normal;
    }
    return kOk;
}

} // namespace

int runPointStatement(const CallSite &call, const Vec2 *args, SizeState &state)
{
    switch (call.function) {
    case FunctionId::Ip2p:
        return joinPaths(call, args, state);
    case FunctionId::Dg:
        return gradeDart(call, args, state, false);
    case FunctionId::Dga:
        return gradeDart(call, args, state, true);
    case FunctionId::Lg:
        return gradeLapel(call, args, state);
    default:
        return kWrongKind;
    }
}

} // namespace hollicot
