// Morvane Dunmere polygon booleans.
// Intersection, union and difference of two outlines, as one outline or as a total area.
#pragma once

#include <string>

class IOutPoly;
class IPoly;

/// The operations, by their codes.
enum DUNMERE_OPERATION : unsigned long {
    DUNMERE_INTERSECTION = 1, ///< the area inside both outlines
    DUNMERE_UNION = 2,        ///< the area inside either outline
    DUNMERE_DIFFERENCE = 3,   ///< the area inside the first outline and outside the second
};

/// What Dunmere() says of its result, as bits; 0 means no outline was written.
enum DUNMERE_RESULT : int {
    DUNMERE_NONE = 0,          ///< empty result, unknown operation or unusable outline
    DUNMERE_OUTLINE = 1,       ///< an outline was written
    DUNMERE_LARGEST_PART = 2,  ///< the result has several parts; the largest was written
    DUNMERE_HOLES_LEFT_OUT = 4 ///< the written part has holes, which were left out
};

/// Boolean operations on two outlines (simple polygons, convex or concave, of either
/// orientation), in double precision. An outline with fewer than three distinct vertices, or
/// enclosing no area, is empty; an outline that crosses itself, or has a vertex that is not a
/// finite number, cannot be used, and the operation fails, saying why in GetLastError().
/// Shapes that only touch along an edge or at a point share no area.
class CDunmereHelper
{
public:
    /// Writes the result of the operation on a and b into out as one counter-clockwise outline
    /// (y upwards) without a repeated closing vertex. A result of several parts gives the part
    /// of the largest area; a part with holes gives its outer boundary. Returns the DUNMERE_RESULT
    /// bits: non-zero when an outline was written. out is emptied first in every case.
    int Dunmere(unsigned long operation, const IPoly *a, const IPoly *b, IOutPoly *out);
    /// The area of the result of the operation on a and b: the sum over all its parts, holes
    /// taken off. False, area 0, for an unknown operation or an outline that cannot be used.
    bool DunmereArea(unsigned long operation, const IPoly *a, const IPoly *b, double &area);

    /// Why the last call failed or wrote nothing; empty after a call that wrote an outline or
    /// gave an area.
    const std::string &GetLastError() const { return m_sLastError; }

private:
    std::string m_sLastError;
};
