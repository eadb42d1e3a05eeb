// Morvane Hollicot formula parser.
// The construction functions: each gives the movement of the point it builds in one size, the
// construction in that size minus the same construction from base positions.
#include "platform/hollicot/Constructions.h"

#include "platform/hollicot/ErrorCode.h"
#include "platform/hollicot/Polyline.h"
#include "platform/hollicot/VectorMath.h"

#include <cmath>
#include <limits>

namespace hollicot {

namespace {

int point(const CallSite &call, std::size_t i)
{
    return call.points[i];
}

// %RG(a, u, v): (u, v) turned by a degrees.
Vec2 turnedVector(const Vec2 *args)
{
    return rotated({args[1].x, args[2].x}, radians(args[0].x));
}

// %CLE(B, R, d, f): follows R and moves f * d further out on the line from R through B.
Vec2 extended(const CallSite &call, const Vec2 *args, const SizeState &state)
{
    const int b = point(call, 0);
    const int r = point(call, 1);
    const Vec2 outward = state.base(b) - state.base(r);
    const double span = length(outward);
    if (span < kTinyLength)
        return state.cell(r);
    return state.cell(r) + (args[1].x * args[0].x / span) * outward;
}

// %IPL(B, r0, r1): the blend of the references' movements by B's base distances to them.
Vec2 interpolated(const CallSite &call, const SizeState &state)
{
    const int b = point(call, 0);
    const int r0 = point(call, 1);
    const int r1 = point(call, 2);
    const double d0 = length(state.base(b) - state.base(r0));
    const double d1 = length(state.base(b) - state.base(r1));
    const double t = d0 + d1 < kTinyLength ? 0.5 : d0 / (d0 + d1);
    return (1 - t) * state.cell(r0) + t * state.cell(r1);
}

// %IPLM(B, r0, r1, a): the %IPL movement along the direction a.
Vec2 interpolatedAlong(const CallSite &call, const Vec2 *args, const SizeState &state)
{
    const double angle = radians(args[0].x);
    const Vec2 along{std::cos(angle), std::sin(angle)};
    return dot(interpolated(call, state), along) * along;
}

// %IS(B, r0, r1): where the rays from the references in their base directions to B meet.
Vec2 intersected(const CallSite &call, const SizeState &state)
{
    const int b = point(call, 0);
    const int r0 = point(call, 1);
    const int r1 = point(call, 2);
    const Vec2 d0 = state.base(b) - state.base(r0);
    const Vec2 d1 = state.base(b) - state.base(r1);
    if (length(d0) < kTinyLength)
        return state.cell(r0);
    if (length(d1) < kTinyLength)
        return state.cell(r1);
    const double sine = cross(d0, d1);
    if (std::abs(sine) < 1e-9 * length(d0) * length(d1))
        return interpolated(call, state);
    const Vec2 from0 = state.at(r0);
    const double t = cross(state.at(r1) - from0, d1) / sine;
    return from0 + t * d0 - state.base(b);
}

// %ROTA(B, c, a, r): B0 turned by a degrees about the centre, read in its size when r is set.
Vec2 rotatedAbsolute(const CallSite &call, const Vec2 *args, const SizeState &state)
{
    const int b = point(call, 0);
    const int c = point(call, 1);
    const Vec2 centre = args[1].x != 0 ? state.at(c) : state.base(c);
    return centre + rotated(state.base(b) - state.base(c), radians(args[0].x)) - state.base(b);
}

// %ROT(B, c, x, dr, r): B moves x per size step along its circle about the centre, and dr away
// from the centre.
Vec2 rotatedRelative(const CallSite &call, const Vec2 *args, const SizeState &state)
{
    const int b = point(call, 0);
    const int c = point(call, 1);
    const Vec2 centre = args[2].x != 0 ? state.at(c) : state.base(c);
    const Vec2 arm = state.base(b) - state.base(c);
    const double radius = length(arm);
    if (radius < kTinyLength)
        return centre - state.base(c);
    const double angle = args[0].x * state.step / radius;
    return centre + ((radius + args[1].x) / radius) * rotated(arm, angle) - state.base(b);
}

// The turn of the segment from p to q between base positions and this size; false when either
// is too short to have a direction.
bool segmentTurn(int p, int q, const SizeState &state, double &turn, double &stretch)
{
    const Vec2 before = state.base(q) - state.base(p);
    const Vec2 now = state.at(q) - state.at(p);
    if (length(before) < kTinyLength || length(now) < kTinyLength)
        return false;
    turn = direction(now) - direction(before);
    stretch = length(now) / length(before);
    return true;
}

// %ROTL(B, p0, p1, keep): B keeps its angle to p0->p1 and its distance from p0 (or scales with
// the segment when keep is 0).
int keptAngle(const CallSite &call, const Vec2 *args, const SizeState &state, Vec2 &out)
{
    const int b = point(call, 0);
    const int p0 = point(call, 1);
    double turn = 0;
    double stretch = 1;
    if (!segmentTurn(p0, point(call, 2), state, turn, stretch))
        return kBadGeometry;
    const double scale = args[0].x != 0 ? 1.0 : stretch;
    out = state.at(p0) + scale * rotated(state.base(b) - state.base(p0), turn) - state.base(b);
    return kOk;
}

// %DGC(B, l1, p, l2, v): B turns with the leg p->l1 about p, its distance from p changed by v.
int closedDart(const CallSite &call, const Vec2 *args, const SizeState &state, Vec2 &out)
{
    const int b = point(call, 0);
    const int p = point(call, 2);
    const Vec2 arm = state.base(b) - state.base(p);
    const double radius = length(arm);
    if (radius < kTinyLength) {
        out = state.cell(p);
        return kOk;
    }
    double turn = 0;
    double stretch = 1;
    if (!segmentTurn(p, point(call, 1), state, turn, stretch))
        return kBadGeometry;
    out = state.at(p) + ((radius + args[0].x) / radius) * rotated(arm, turn) - state.base(b);
    return kOk;
}

bool mirror(Vec2 p, Vec2 a, Vec2 b, Vec2 &out)
{
    const Vec2 axis = b - a;
    const double span = dot(axis, axis);
    if (span < kTinyLength * kTinyLength)
        return false;
    const Vec2 foot = a + (dot(p - a, axis) / span) * axis;
    out = 2.0 * foot - p;
    return true;
}

// %SYM(r0, t, a2, a1): the mirror image of the reference's movement.
int mirrored(const CallSite &call, const Vec2 *args, const SizeState &state, Vec2 &out)
{
    const Vec2 d = state.cell(point(call, 0));
    const double kind = args[0].x;
    if (kind == 0)
        out = {d.x, -d.y};
    else if (kind == 1)
        out = {-d.x, d.y};
    else if (kind == 2)
        out = -d;
    else if (kind != 3)
        return kWrongKind;
    if (kind != 3)
        return kOk;
    const int r = point(call, 0);
    const int a2 = point(call, 1);
    const int a1 = point(call, 2);
    if (a1 < 0 || a2 < 0)
        return kWrongKind;
    Vec2 now;
    Vec2 before;
    if (!mirror(state.at(r), state.at(a1), state.at(a2), now) ||
        !mirror(state.base(r), state.base(a1), state.base(a2), before))
        return kBadGeometry;
    out = now - before;
    return kOk;
}

// %GI(P, kind, supports...): the supports' movements weighted by 1 / distance^kind.
int inverseDistance(const CallSite &call, const Vec2 *args, const SizeState &state, Vec2 &out)
{
    const double power = args[0].x;
    if (!(power >= 0))
        return kWrongKind;
    out = {};
    const Vec2 p = state.base(point(call, 0));
    int nearest = -1;
    double nearestDistance = std::numeric_limits<double>::infinity();
    double weights = 0;
    Vec2 sum;
    for (std::size_t i = 1; i < call.points.size(); ++i) {
        const int support = point(call, i);
        const double distance = length(p - state.base(support));
        if (distance < kTinyLength) {
            out = state.cell(support);
            return kOk;
        }
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = support;
        }
        // The formulas write kind 2; its weight needs no general power.
        const double weight = power == 2 ? 1.0 / (distance * distance) : 1.0 / std::pow(distance, power);
        weights += weight;
        sum += weight * state.cell(support);
    }
    if (nearest < 0)
        return kOk;
    // Kind 0 takes the nearest support, and so does a power whose weights vanish or overflow.
    if (power == 0 || !(weights > 0) || !std::isfinite(weights) || !std::isfinite(sum.x) ||
        !std::isfinite(sum.y))
        out = state.cell(nearest);
    else
        out = (1.0 / weights) * sum;
    return kOk;
}

bool outlineRows(int first, int last, int rowCount, int &count)
{
    if (first < 0 || last < first || last >= rowCount)
        return false;
    count = last - first + 1;
    return true;
}

// %CR(S, r0, d, first, last, closed): S keeps its arc distance from the reference along the
// outline, changed by d; the outline of each size is its own run of sized variables.
int alongOutline(const CallSite &call, const Vec2 *args, const SizeState &state, Vec2 &out)
{
    const int s = point(call, 0);
    const int first = point(call, 2);
    const int reference = point(call, 1) - first;
    const bool closed = args[1].x != 0;
    int count = 0;
    int sizedCount = 0;
    const auto size = static_cast<std::size_t>(state.size);
    if (size >= call.sizedFirst.size())
        return kBadSetUp;
    const int sizedFirst = call.sizedFirst[size];
    if (!outlineRows(first, point(call, 3), state.rowCount, count) ||
        !outlineRows(sizedFirst, call.sizedLast[size], state.rowCount, sizedCount) ||
        count != sizedCount || reference < 0 || reference >= count)
        return kBadGeometry;
    std::vector<Vec2> before;
    std::vector<Vec2> now;
    for (int i = 0; i < count; ++i) {
        before.push_back(state.base(first + i));
        now.push_back(state.at(sizedFirst + i));
    }
    const Polyline baseOutline(std::move(before), closed);
    const Polyline sizedOutline(std::move(now), closed);
    if (baseOutline.length() < kTinyLength || sizedOutline.length() < kTinyLength)
        return kBadGeometry;
    const auto r = static_cast<std::size_t>(reference);
    const double foot = baseOutline.nearestArc(state.base(s));
    double distance = foot - baseOutline.arcAt(r);
    double sense = distance < 0 ? -1 : 1;
    distance = std::abs(distance);
    if (closed && distance > baseOutline.length() / 2) {
        distance = baseOutline.length() - distance;
        sense = -sense;
    }
    double arc = sizedOutline.arcAt(r) + sense * (distance + args[0].x);
    if (closed)
        arc -= sizedOutline.length() * std::floor(arc / sizedOutline.length());
    out = sizedOutline.pointAt(arc) - baseOutline.pointAt(foot);
    return kOk;
}

} // namespace

int constructPoint(const CallSite &call, const Vec2 *args, const SizeState &state, Vec2 &out)
{
    switch (call.function) {
    case FunctionId::Rg:
        out = turnedVector(args);
        return kOk;
    case FunctionId::Cle:
        out = extended(call, args, state);
        return kOk;
    case FunctionId::Is:
        out = intersected(call, state);
        return kOk;
    case FunctionId::Rota:
        out = rotatedAbsolute(call, args, state);
        return kOk;
    case FunctionId::Rot:
        out = rotatedRelative(call, args, state);
        return kOk;
    case FunctionId::Rotl:
        return keptAngle(call, args, state, out);
    case FunctionId::Ipl:
        out = interpolated(call, state);
        return kOk;
    case FunctionId::Iplm:
        out = interpolatedAlong(call, args, state);
        return kOk;
    case FunctionId::Cr:
        return alongOutline(call, args, state, out);
    case FunctionId::Dgc:
        return closedDart(call, args, state, out);
    case FunctionId::Sym:
        return mirrored(call, args, state, out);
    case FunctionId::Gi:
        return inverseDistance(call, args, state, out);
    default:
        return kWrongKind;
    }
}

} // namespace hollicot
