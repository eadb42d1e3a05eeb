// Morvane model library.
// The point of an input pattern: a grade point of the source with the points merged into it.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/PtrCollection.h"
#include "model/BasePoint.h"
#include "sources/grade-model/GradeSize.h"

#include <string>
#include <vector>

class CInputPattern;
class CPolyline;
class IGradeCurve;
class IGradePoint;
class IMaskPoint;

/// A point of an input pattern as the program and the formulas use it. A key is a size of the
/// grade model; a shift is a vector added to the grade point's position for a key, in the
/// pattern's own orientation unless the operation says absolute (the mask's orientation).
class IInputPoint
{
public:
    virtual ~IInputPoint() = default;

    /// The grade point's position for b minus its position for a.
    virtual DPOINT GetGradeShift(GradeSize a, GradeSize b) = 0;
    /// GetGradeShift turned to the mask's orientation by the pattern's location (flip, then
    /// rotation; no translation).
    virtual DPOINT GetAbsGradeShift(GradeSize a, GradeSize b) = 0;
    /// Moves the point for the key by the shift in the source (CInputPoint::MoveGradePosition),
    /// between the pattern's grading notifications.
    virtual void MoveGradePoint(GradeSize key, double dx, double dy) = 0;
    /// MoveGradePointAbs with the shift from the point's position on the mask in that size to
    /// (x, y): the point lands at (x, y) in that size.
    virtual void MoveGradePointTo(GradeSize key, double x, double y) = 0;
    /// MoveGradePoint with the shift turned from the mask's orientation to the pattern's.
    virtual void MoveGradePointAbs(GradeSize key, double dx, double dy) = 0;
    /// MoveGradePoint with a zero shift for sizes 0 .. count - 1 of the table: the point's
    /// position is written again to its grade point and its merged grade points, and its tied
    /// slider points are written again. For table 0 the linked point is cleared afterwards.
    virtual void SyncGrading(int table, int count) = 0;
    /// SyncGrading for every table i with counts[i] sizes, then the linked point is cleared.
    virtual void SyncAllGrading(const std::vector<int> &counts) = 0;
    /// The input point itself.
    virtual CBasePoint *GetBasePoint() = 0;
    /// The source point it stands for.
    virtual IGradePoint *GetGradePoint() const = 0;
    /// The point a slider point measures its slider distance from; null clears it.
    virtual void SetLinkedPoint(IInputPoint *point) = 0;
    virtual IInputPoint *GetLinkedPoint() const = 0;
    virtual bool HasMergedGradePoints() const = 0;
    virtual bool HasTiedSliderPoints() const = 0;
    /// For a slider point: the pattern's line of its curve (null when the pattern has none) and
    /// the pattern's point that carries the curve's grade point that the slider information
    /// names (null when there is none). Null and a null line for any other point.
    virtual CBasePoint *GetSliderAnchor(CPolyline *&line) = 0;
    /// The mask point associated with this point (its pattern's FindAssociationPoint); null when
    /// none.
    virtual IMaskPoint *GetAssociationPoint() const = 0;
};

/// The point of an input pattern: it stands for one grade point of the source pattern and lies
/// where that point lies, less the pattern's origin, in every size. Grade type 1.
///
/// Further source points at the same place (within the pattern's merge distance) join it: a
/// point that does not slide as a merged grade point, which is moved with it; a slider point as
/// a tied slider point, an input point of its own (owned by this one, not among the pattern's
/// points) labelled "S" with this point's id. Every question to the source passes its result to
/// CMorvaneException::HandleCriticalError, so a critical code ends the operation.
class CInputPoint : public CBasePoint, public IInputPoint
{
public:
    CInputPoint();
    ~CInputPoint() override;

    /// Sets the parent pattern and the grade point (not null).
    void Create(CInputPattern *pattern, IGradePoint *gradePoint);

    /// The ordinary label when this point is the pattern's point for its own grade point;
    /// "S%d" with the point's id for a tied slider point.
    std::string GetFormatName() const override;
    /// Gives every tied slider point the same id.
    void OnSetPointID() override;
    /// The position for the size's key (GetPositionForKey) put on the mask by the pattern's
    /// location. A null size, or one without a grade table, is the base size.
    DPOINT GetPosition(const IGradeSize *size) const override;
    /// GetPositionForKey of the base size.
    double GetX() const override;
    double GetY() const override;
    /// The point of GetAssociationPoint; null when none.
    CBasePoint *GetAssociatedPoint() const override;
    IInputPoint *GetInputPoint() override;
    /// The grade point slides on a curve (slider kind 1).
    bool IsSliderPoint() const override;
    /// A slider point answers itself with its pattern's line of its curve; any other point the
    /// answer of its first tied slider point; null and a null line when it has none.
    CBasePoint *FindSliderPoint(CPolyline *&line) override;

    DPOINT GetGradeShift(GradeSize a, GradeSize b) override;
    DPOINT GetAbsGradeShift(GradeSize a, GradeSize b) override;
    void MoveGradePoint(GradeSize key, double dx, double dy) override;
    void MoveGradePointTo(GradeSize key, double x, double y) override;
    void MoveGradePointAbs(GradeSize key, double dx, double dy) override;
    void SyncGrading(int table, int count) override;
    void SyncAllGrading(const std::vector<int> &counts) override;
    CBasePoint *GetBasePoint() override;
    IGradePoint *GetGradePoint() const override;
    void SetLinkedPoint(IInputPoint *point) override;
    IInputPoint *GetLinkedPoint() const override;
    bool HasMergedGradePoints() const override;
    bool HasTiedSliderPoints() const override;
    CBasePoint *GetSliderAnchor(CPolyline *&line) override;
    IMaskPoint *GetAssociationPoint() const override;

    /// The grade point's position for the key (the source's coordinates) plus the shift is
    /// written to the grade point and given to every merged grade point; every tied slider
    /// point is moved by the same shift (MoveGradePoint). The source ignores the base size.
    void MoveGradePosition(GradeSize key, double dx, double dy);
    /// MoveGradePosition by the shift that makes the position for the key less base equal to
    /// increment, reading the position once.
    void SetGradeIncrement(GradeSize key, DPOINT base, DPOINT increment);
    /// A source point at this point's place: a slider point becomes a new tied slider point,
    /// any other a merged grade point.
    void AddGradePoint(IGradePoint *gradePoint);
    /// The grade point's position for the key less the pattern's origin: the point in the
    /// pattern's own coordinates.
    DPOINT GetPositionForKey(GradeSize key) const;
    /// GetPositionForKey put on the mask by the pattern's location.
    DPOINT GetAbsPositionForKey(GradeSize key) const;
    /// The grade point's position for the key in the source's coordinates.
    DPOINT GetGradePosition(GradeSize key) const;
    /// The curve the grade point slides on; null when it does not slide or names no curve.
    IGradeCurve *GetSliderCurve() const;
    /// The curve of the first tied slider point that slides on a curve; null when none does.
    IGradeCurve *GetTiedSliderCurve() const;
    /// Whether the grade point is this point's own, one of its merged grade points or the
    /// grade point of one of its tied slider points.
    bool CarriesGradePoint(const IGradePoint *gradePoint) const;
    /// This point when the grade point is its own, else the tied slider point whose grade point
    /// it is; null otherwise.
    CInputPoint *FindPointOf(const IGradePoint *gradePoint);
    CInputPattern *GetInputPattern() const { return m_pInputPattern; }

private:
    /// Writes position plus the shift as MoveGradePosition does, position being the one read.
    void MoveGradePositionFrom(GradeSize key, DPOINT position, double dx, double dy);

    CInputPattern *m_pInputPattern = nullptr;
    IGradePoint *m_pGradePoint = nullptr;
    CPtrCollection<IGradePoint> m_oMergedGradePoints;
    COwningCollection<CInputPoint> m_oTiedSliderPoints;
    CInputPoint *m_pLinkedPoint = nullptr;
    /// The point that owns this one as a tied slider point; null for a point of the pattern.
    CInputPoint *m_pHost = nullptr;
};
