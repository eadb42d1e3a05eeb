// Morvane program grading.
// Where one path of a chain lies in the chain's frame: a mirror, a turn and a move.
#include "app/grading/ChainPlacement.h"

#include "foundation/Geometry.h"

namespace {

double directionOf(DPOINT from, DPOINT to)
{
    return CDPoint(from).GetAngleTo(to.x, to.y);
}

} // namespace

DPOINT ChainPlacement::place(DPOINT position) const
{
    return CDPoint(position).TransformToAbsolute(origin, angle, mirror, false);
}

DPOINT ChainPlacement::unplace(DPOINT position) const
{
    return CDPoint(position).TransformToRelative(origin, angle, mirror, false);
}

DPOINT ChainPlacement::placeIncrement(DPOINT increment) const
{
    return CDPoint(increment).TransformToAbsolute({}, angle, mirror, false);
}

DPOINT ChainPlacement::unplaceIncrement(DPOINT increment) const
{
    return CDPoint(increment).TransformToRelative({}, angle, mirror, false);
}

ChainPlacement ChainPlacement::follow(const std::vector<DPOINT> &previous,
                                      const ChainPlacement &previousPlacement,
                                      const std::vector<DPOINT> &next, bool turn, bool mirror)
{
    ChainPlacement placement;
    placement.mirror = mirror;
    if (turn && previous.size() >= 2 && next.size() >= 2) {
        const double incoming = directionOf(previousPlacement.place(previous[previous.size() - 2]),
                                            previousPlacement.place(previous.back()));
        const double outgoing = NormalizeAngleAround(
            directionOf(placement.place(next[0]), placement.place(next[1])), incoming);
        placement.angle = incoming - outgoing;
    }
    if (!previous.empty() && !next.empty()) {
        const DPOINT joint = previousPlacement.place(previous.back());
        const DPOINT start = placement.place(next.front());
        placement.origin = {joint.x - start.x, joint.y - start.y};
    }
    return placement;
}
