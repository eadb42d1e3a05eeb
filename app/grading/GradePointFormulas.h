// Morvane program grading.
// Runtime formulas for the grade points of a pattern that no formula grades on both axes.
#pragma once

#include "foundation/PtrCollection.h"

#include <unordered_map>
#include <memory>
#include <vector>

class CBasePoint;
class CContour;
class CPattern;
class CPolyline;
class IBaseFormula;
class IFormulaManager;

/// Which grade points get a runtime formula (the program's options of the same names).
struct GradePointOptions
{
    /// "GRADE_PROPORTIONAL_POINTS": an interior point of a line nothing grades follows its
    /// graded neighbours along the line.
    bool gradeProportionalPoints = true;
    /// "SINGLEPOLYLINEPOINTS": an end point of a line nothing grades follows its graded
    /// neighbours along the outline.
    bool singlePolylinePoints = true;
};

/// Completes the formulas of one pattern's grading: a grade point of the pattern that no formula
/// grades on both axes is graded by interpolation between its two nearest graded neighbours
/// (a runtime interpolate formula), on the axes nothing grades. End points of lines look for
/// their neighbours along their contour's outline (round a closed one), interior points along
/// their line (an end of the line is taken when the walk reaches it). A neighbour is a point
/// graded on both axes, by formulas that do not read the point being graded.
///
/// Path formulas (type 2) and the runtime formulas made here never count as grading a point.
/// The formulas made are appended to the runtime list and owned by the caller's list.
class GradePointFormulas
{
public:
    GradePointFormulas(const CPattern &pattern, const CPtrCollection<CBasePoint> &gradePoints,
                       IFormulaManager &manager, CPtrCollection<IBaseFormula> &runtime,
                       COwningCollection<IBaseFormula> &owned, GradePointOptions options = {});

    /// The end-point pass, then the pass for the other points.
    void makeFormulas();

private:
    struct Axes
    {
        bool x = false;
        bool y = false;
        bool both() const { return x && y; }
    };
    struct PolylinePlace
    {
        bool interior = false;
        bool end = false;
    };

    void makePass(bool endPoints);
    void indexGradingFormulas();
    Axes gradedAxes(const CBasePoint *point) const;
    const CPtrCollection<CBasePoint> &outlineOf(const CContour *contour);
    /// A line through a point and the point's (first) index on it.
    struct LinePlace
    {
        const CPolyline *line = nullptr;
        int index = 0;
        bool atEnd() const;
    };

    void indexLines();
    const std::vector<LinePlace> &linesThrough(const CBasePoint *point) const;
    PolylinePlace placeOnLines(const CBasePoint *point) const;
    bool findNeighbours(const CBasePoint *point, bool alongOutline, CBasePoint *&first,
                        CBasePoint *&second);
    CBasePoint *walkOutline(const CBasePoint *point, const CPolyline *line, int step);
    CBasePoint *walkLine(const CBasePoint *point, const LinePlace &place, int step);
    bool isAnchorFor(CBasePoint *candidate, const CBasePoint *point);
    bool dependsOn(const CBasePoint *graded, const CBasePoint *point,
                   std::vector<const CBasePoint *> &visited) const;
    bool isReferenced(const CBasePoint *point) const;
    void makePathFormula(CBasePoint *point, Axes graded, bool endPoints);

    const CPattern &m_pattern;
    const CPtrCollection<CBasePoint> &m_gradePoints;
    IFormulaManager &m_manager;
    CPtrCollection<IBaseFormula> &m_runtime;
    COwningCollection<IBaseFormula> &m_owned;
    GradePointOptions m_options;
    /// The formulas that count as grading each point, and the axes they grade; made again for
    /// each pass.
    std::unordered_map<const CBasePoint *, std::vector<IBaseFormula *>> m_gradingFormulas;
    std::unordered_map<const CBasePoint *, Axes> m_gradedAxes;
    std::unordered_map<const CContour *, CPtrCollection<CBasePoint>> m_outlines;
    std::unordered_map<const CBasePoint *, std::vector<LinePlace>> m_lines;
};
