// Morvane model library.
// A pattern of the grade model as the document holds it: input points, input polylines, contours.
#pragma once

#include "foundation/DPoint.h"
#include "model/Pattern.h"

#include <string>

class CInputPoint;
class CNoGeomPolyline;
class IGradeCurve;
class IGradePattern;
class IGradePoint;
class IInputPatterns;

/// The input-pattern side of a pattern: its flag (kept on its location) and its lines by curve.
class IInputPattern
{
public:
    virtual ~IInputPattern() = default;

    /// The second flag of the pattern's location (on the current grade mask when there is one).
    virtual bool IsFlagged() const = 0;
    virtual void SetFlagged() = 0;
    virtual void ClearFlagged() = 0;
    /// The first of the pattern's lines made from the curve; null when none.
    virtual CNoGeomPolyline *FindCurvePolyline(const IGradeCurve *curve) const = 0;
};

/// A pattern of a grade-model source (IGradePattern) as the document holds it. Its points are
/// CInputPoint objects for the source's grade points, merged where they lie together; its lines
/// are CNoGeomPolyline objects, one per curve; its contours are plain contours. Own coordinates
/// are the source's coordinates less the origin (0, 0 until UpdateOrigin), and the pattern's own
/// location sits at the origin, so the pattern lies on the mask where the source put it until a
/// grade mask gives it a location of its own.
///
/// The source is asked again whenever a position or shape is needed (shapes are cached per size
/// by the lines); every answer passes CMorvaneException::HandleCriticalError. Counts and indexes
/// from the source are guarded (see GradeSourceQueries.h): a wrong answer loses that object, never
/// crashes. The runtime class is CPattern's. Input patterns are never stored.
class CInputPattern : public CPattern, public IInputPattern
{
public:
    /// Two source points closer than this (base size) become one input point.
    static constexpr double kMergeDistance = 0.25;

    CInputPattern();
    ~CInputPattern() override;

    /// Stores the source pattern and the owner (either may be null), then makes the points in
    /// four passes over the source's grade points, each in source order: those that do not
    /// slide and lie on a curve; those that neither slide nor lie on a curve, first the ones
    /// that are no mark points, then the mark points; then the slider points (AddOrMergePoint).
    /// Then one line per curve, and the mark points: the points that do not slide, lie on no
    /// line and whose grade point is a mark point. Call it once, on a new pattern; a critical
    /// error of the source throws with the pattern half made (discard it). It asks nothing of
    /// the owner, so no grade mask makes a location for a pattern that is then discarded.
    void Create(IGradePattern *source, IInputPatterns *owner);

    /// A plain contour of this pattern, appended; returns its index.
    int CreateContour() override;
    /// Replaces the collection's content with the patterns of the owner's grade mask, in mask
    /// order, whose own associated patterns include this one; empty without a grade mask.
    void GetAssPatterns(CPtrCollection<CPattern> &patterns) override;
    /// The mask pattern keeps the association: pattern->AddAssPattern(this).
    void AddAssPattern(CPattern *pattern) override;
    /// pattern->RemoveAssPattern(this).
    void RemoveAssPattern(CPattern *pattern) override;
    /// RemoveAssPattern(this) on every associated pattern.
    void ClearAssPatterns() override;
    /// The first answer of the associated patterns, in order; null when none answers.
    IMaskPoint *FindAssociationPoint(const CBasePoint *item) override;
    IInputPattern *GetInputPattern() override;
    /// The grade mask's location for this pattern when the owner has a grade mask; otherwise
    /// the pattern's own location.
    IPatternLocation *GetPatternLocation() const override;
    /// The source pattern's name; empty without a source.
    std::string GetPatternName() const override;

    bool IsFlagged() const override;
    void SetFlagged() override;
    void ClearFlagged() override;
    CNoGeomPolyline *FindCurvePolyline(const IGradeCurve *curve) const override;

    /// The point of the source's coordinates that is the pattern's own (0, 0).
    DPOINT GetOrigin() const { return m_oOrigin; }
    /// Stores the origin, drops every line's cached shapes, moves the pattern's own location
    /// there (SetPosition, with its events) and empties the cached extent.
    void SetOrigin(double x, double y);
    IGradePattern *GetGradePattern() const { return m_pGradePattern; }
    IInputPatterns *GetOwner() const { return m_pOwner; }
    /// Moves the origin to the centre of the rectangle of the grade points' base-size positions
    /// in the source's coordinates, so own coordinates are centred on the grade points; the
    /// same answer however often it is asked. A pattern without grade points keeps its origin.
    void UpdateOrigin();
    /// The grading of the pattern's points changes (false: before, the before-change event
    /// with property 0) or has changed (true: every line's shapes and the cached extent are
    /// dropped, then the after-change event with property 0).
    void OnGradingChange(bool changed);
    /// Drops every line's cached shapes, to be asked again as the points are graded now.
    void InvalidatePolylines();

    /// The index of an existing point within kMergeDistance of the grade point (that point takes
    /// it in, CInputPoint::AddGradePoint), or else of a new point for it (AddInputPoint). A grade
    /// point that some point already carries is not added again.
    int AddOrMergePoint(IGradePoint *gradePoint);
    /// The index of the point that carries the grade point, or of a new point for it appended
    /// to the base points.
    int AddInputPoint(IGradePoint *gradePoint);
    /// The index of the first base point that carries the grade point (as its own, merged or
    /// through a tied slider point); -1 when none.
    int FindInputPoint(const IGradePoint *gradePoint) const;
    /// Base point i as the input point it is (unchecked).
    CInputPoint *GetInputPointAt(int i) const;
    /// Line i as the input polyline it is (unchecked).
    CNoGeomPolyline *GetInputPolylineAt(int i) const;

private:
    /// The index of the first point that may take the grade point in: its grade point lies
    /// within the tolerance in the base size, it does not slide, and for a slider grade point it
    /// has no tied slider point on another curve. -1 when none.
    int FindNearInputPoint(IGradePoint *gradePoint, double tolerance) const;

    IInputPatterns *m_pOwner = nullptr;
    DPOINT m_oOrigin;
    IGradePattern *m_pGradePattern = nullptr;
};
