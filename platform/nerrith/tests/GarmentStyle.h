// Nerrith point-correspondence library tests.
// A small generated style: the outlines of its pieces, graded, moved, turned and re-ordered.
#pragma once

#include "foundation/DPoint.h"

#include <string>
#include <vector>

namespace nerrith::test {

/// One piece of the style: its name and its closed outline, counter-clockwise, without the
/// closing vertex repeated.
struct Piece
{
    std::string name;
    std::vector<DPOINT> outline;
};

/// A bodice front and back, a sleeve, a collar, a cuff, a pocket and two near-mirror side
/// panels, in millimetres, drawn in the base size.
std::vector<Piece> makeStyle();

/// The outline graded sizes steps up (or down, when negative): wider by 3 % and longer by
/// 1.5 % a step about the outline's lowest left corner, as a grade rule table would move it.
std::vector<DPOINT> graded(const std::vector<DPOINT> &outline, int steps);

/// The outline turned by degrees about the origin, then moved by (dx, dy).
std::vector<DPOINT> placed(const std::vector<DPOINT> &outline, double degrees, double dx,
                           double dy);

/// The same outline started at vertex first (taken modulo the count).
std::vector<DPOINT> startedAt(const std::vector<DPOINT> &outline, int first);

/// The same outline walked the other way round, still from its vertex 0.
std::vector<DPOINT> reversed(const std::vector<DPOINT> &outline);

} // namespace nerrith::test
