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
    /// "INTERPOLATE_MARK_POINTS": a point on no line that nothing grades is graded by a global
    /// interpolation from the pattern's other grade points.
    bool interpolateMarkPoints = false;
    /// "INTERPOLATE_INTERNAL_LINE_POINTS": so is a point of a line off the outline.
    bool interpolateInternalLinePoints = false;
};

/// Completes the formulas of one pattern's grading, in this order:
/// - a slider point whose source names the grade point it is anchored to is marked as graded
///   outside the formulas (a runtime external formula);
/// - end-point pass: an end point of a line that no formula grades on both axes is graded by
///   interpolation between its two nearest graded neighbours along its contour's outline (round
///   a closed one), on the axes nothing grades (a runtime interpolate formula);
/// - second pass: a slider point is interpolated between the two grade points of its line
///   nearest to it; a point on no line (with "INTERPOLATE_MARK_POINTS") or on a line off the
///   outline (with "INTERPOLATE_INTERNAL_LINE_POINTS") is left to one global interpolation over
///   the pattern's grade points (a runtime global interpolate formula, made once); any other
///   interior point of a line is interpolated between its nearest graded neighbours along the
///   line (an end of the line is taken when the walk reaches it).
///
/// A neighbour is a point graded on both axes whose grading does not depend on the point being
/// graded, through any formula of the run, the ones made earlier in the same pass included; a
/// neighbour that would close a cycle is passed over for the next one along the walk.
///
/// Path formulas (type 2) and the runtime formulas made here never count as grading a point.
/// The formulas made are appended to the runtime list and owned by the caller's list.
class GradePointFormulas
{
public:
    GradePointFormulas(CPattern &pattern, const CPtrCollection<CBasePoint> &gradePoints,
                       IFormulaManager &manager, CPtrCollection<IBaseFormula> &runtime,
                       COwningCollection<IBaseFormula> &owned, GradePointOptions options = {});

    /// The external formulas of anchored sliders, the end-point pass, then the second pass.
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

    void makeLikePointFormulas();
    void makePass(bool endPoints);
    void makeSecondPassFormula(CBasePoint *point, Axes graded);
    bool callsForValidation(CBasePoint *point) const;
    void indexGradingFormulas();
    /// Appends made to the runtime list, gives it to the owned list, and indexes the points it
    /// grades so that later anchor searches follow it.
    void addMade(std::unique_ptr<IBaseFormula> made);
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
    bool closesCycle(const CBasePoint *candidate, const CBasePoint *point) const;
    bool dependsOn(const CBasePoint *graded, const CBasePoint *point,
                   std::vector<const CBasePoint *> &visited) const;
    bool isReferenced(const CBasePoint *point) const;
    void makePathFormula(CBasePoint *point, Axes graded, bool endPoints);
    void makeInterpolation(CBasePoint *point, CBasePoint *first, CBasePoint *second, Axes graded);
    void makeNearestPointFormula(CBasePoint *point, Axes graded);
    void makeValidationFormula();

    CPattern &m_pattern;
    const CPtrCollection<CBasePoint> &m_gradePoints;
    IFormulaManager &m_manager;
    CPtrCollection<IBaseFormula> &m_runtime;
    COwningCollection<IBaseFormula> &m_owned;
    GradePointOptions m_options;
    /// The formulas that grade each point, the ones made here included, and the axes that the
    /// formulas counting as grading grade; made again for each pass.
    std::unordered_map<const CBasePoint *, std::vector<IBaseFormula *>> m_gradingFormulas;
    std::unordered_map<const CBasePoint *, Axes> m_gradedAxes;
    bool m_validationMade = false;
    std::unordered_map<const CContour *, CPtrCollection<CBasePoint>> m_outlines;
    std::unordered_map<const CBasePoint *, std::vector<LinePlace>> m_lines;
};
