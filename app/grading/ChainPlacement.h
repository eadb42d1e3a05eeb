// Morvane program grading.
// Where one path of a chain lies in the chain's frame: a mirror, a turn and a move.
#pragma once

#include "foundation/DPoint.h"

#include <vector>

/// Places the vertices of one path of a chain in the chain's frame, the frame of its first
/// path: y negated when mirrored, then turned counter-clockwise by angle (radians) about (0, 0),
/// then moved by origin. The default placement leaves everything where it is.
struct ChainPlacement
{
    DPOINT origin;
    double angle = 0;
    bool mirror = false;

    DPOINT place(DPOINT position) const;
    /// The exact inverse of place.
    DPOINT unplace(DPOINT position) const;
    /// An increment placed: mirrored and turned, never moved.
    DPOINT placeIncrement(DPOINT increment) const;
    /// The exact inverse of placeIncrement.
    DPOINT unplaceIncrement(DPOINT increment) const;

    /// The placement of the path next (its vertices in order) after the path previous placed
    /// by previousPlacement: mirrored when asked; when turned, its first segment takes the
    /// direction of the previous path's placed last segment, by a turn within (-pi, pi]; then
    /// moved so that its first vertex falls on the previous path's placed last vertex. A path
    /// with fewer than two vertices is not turned; an empty one is not moved.
    static ChainPlacement follow(const std::vector<DPOINT> &previous,
                                 const ChainPlacement &previousPlacement,
                                 const std::vector<DPOINT> &next, bool turn, bool mirror);
};
