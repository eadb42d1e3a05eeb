// Morvane grade-model interfaces.
// One input pattern of a grade model, its curves and its points, in every size.
#pragma once

#include "foundation/DPoint.h"
#include "sources/grade-model/GradeModelError.h"
#include "sources/grade-model/GradeSize.h"

#include <string>
#include <vector>

class IGradeCurve;

/// A point of a pattern. Its kind is the source's affair: a grade point carries grade rules of
/// its own, an ordinary point takes its size positions from the grade points around it, a mark
/// point carries a notch or a marker. The pattern owns it.
///
/// The interfaces of this file keep their operations in this order, the destructor last: the
/// program and the plug-ins are built apart and rely on that layout.
class IGradePoint
{
public:
    /// The point in size; the base position when either index of size is negative.
    virtual GM_ERROR GetPosition(GradeSize size, DPOINT &position) = 0;
    /// Makes the point lie at (x, y) in that table and size by storing the matching rule value.
    /// A negative table or size index changes nothing and still succeeds.
    virtual GM_ERROR SetPosition(int table, int size, double x, double y) = 0;
    /// Whether the point carries a mark; a source that knows the mark's direction stores it in
    /// vector, otherwise vector is left as it is.
    virtual GM_ERROR IsMarkPoint(DPOINT &vector, bool &isMark) = 0;
    /// isSlider 1 with the curve of its pattern that the point slides along, else 0 and null;
    /// reserved is always 0.
    virtual GM_ERROR GetSliderInfo(int &isSlider, IGradeCurve *&curve, int &reserved) = 0;
    virtual ~IGradePoint() = default;
};

/// A curve (polyline) of a pattern. It refers to points of its pattern without owning them.
class IGradeCurve
{
public:
    /// Every point of the curve in size, in curve order: points is resized to the point count.
    /// When gradeIndex is not null it gets the same count, entry i holding the index of point i
    /// among the curve's grade points (0, 1, 2 ... in curve order) or -1 for a point that is not
    /// a grade point. A negative index in size gives the base shape.
    virtual GM_ERROR GetShape(GradeSize size, std::vector<DPOINT> *points,
                              std::vector<int> *gradeIndex) = 0;
    /// The number of grade points on the curve.
    virtual GM_ERROR GetGradePointCount(int &count) = 0;
    /// The index-th grade point in curve order; null when index is not below the count (or is
    /// negative).
    virtual IGradePoint *GetGradePointAt(int index) = 0;
    /// The number of notches on the curve.
    virtual GM_ERROR GetNotchCount(int &count) = 0;
    /// The point that carries notch index, or null for an index out of range. vector receives
    /// the notch's two stored values; distance the distance along the curve's shape in size from
    /// its first point to the notch point (below 0 before the first point, above the length
    /// after the last). A source either sets kind (the client model: -1) or leaves it unchanged.
    virtual IGradePoint *GetNotchAt(int index, GradeSize size, DPOINT &vector, float &distance,
                                    int &kind) = 0;
    virtual ~IGradeCurve() = default;
};

/// One input pattern of a grade model, drawn in the base size. It owns its curves and points;
/// the program never deletes them.
class IGradePattern
{
public:
    virtual GM_ERROR GetName(std::string &name) = 0;
    /// The number of curves (polylines).
    virtual GM_ERROR GetCurveCount(int &count) = 0;
    /// Curve index from 0; null for an index out of range.
    virtual IGradeCurve *GetCurveAt(int index) = 0;
    /// The number of the pattern's grade points: the points that carry rule values of their own,
    /// whether or not they lie on a curve.
    virtual GM_ERROR GetInternalPointCount(int &count) = 0;
    /// Grade point index from 0, in the source's order; null for an index out of range.
    virtual IGradePoint *GetInternalPointAt(int index) = 0;
    virtual ~IGradePattern() = default;
};
