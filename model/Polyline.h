// Morvane model library.
// The abstract line of a pattern: its points, notches and every geometric question about it.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/DPoint.h"
#include "foundation/EventHandler.h"
#include "foundation/PtrCollection.h"
#include "model/GradePlace.h"
#include "model/GradeTypes.h"
#include "model/MvItem.h"

#include <string>
#include <vector>

class CPattern;

/// A line of a pattern: the pattern's points it runs through, in drawing order (not owned), and
/// its notches (owned). A concrete line (the input polyline, the mask polyline) supplies the
/// shape for a size (GetShape, GetShapeOrigPos) and registers the stored keys; everything else
/// is answered here from the shape and the points. A null size is the base size throughout.
///
/// Searches over the line's points go through GetPointCount and GetBasePointAt, so a line that
/// serves its points from elsewhere overrides those two. The line's event handler has the id
/// kModelHandlerId | 13 with the line as owner.
class CPolyline : public IGradePlaceList, public CAttContainer, public CEventHandler, public CMvItem
{
public:
    /// The source kind of a polyline's event handler.
    static constexpr uint32_t kSourceKind = 13;

    CPolyline();
    ~CPolyline() override;

    /// "CPolyline", base CMvItem, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// Fills this line's place buffer with the shape for the size; returns its count.
    int GetGradePlaceCount(const IGradeSize *size) override;
    void GetGradePlaceAt(const IGradeSize *size, int i, double &x, double &y) const override;
    IMaskPolyline *GetMaskPolyline() override;
    int GetNotchCount() const override;
    CNotch *GetNotchAt(int i) const override;
    int GetPointCount() const override;
    CBasePoint *GetBasePointAt(int i) const override;
    /// With more than one shape point, each slider point of this line (allSliders: also the
    /// sliders that points tied to them name, AppendSliderGradePoints; otherwise the line's own,
    /// AppendTopSliderGradePoints) is inserted after the nearest shape segment's start, at the
    /// foot of its position for the size.
    void GetShapeWithSliderPoints(const IGradeSize *size, std::vector<DPOINT> &shape,
                                  CPtrCollection<CBasePoint> *points,
                                  bool allSliders) const override;
    /// The point at length along the shape: the first shape point for 0, beyond either end the
    /// end segment prolonged; (0, 0) for an empty shape, the point for a one-point shape.
    DPOINT GetAbsCurvePoint(const IGradeSize *size, double length) const override;

    void Create(CPattern *owner, GRADE_LINE_TYPE type);
    void SetOwner(CPattern *owner) { m_pOwner = owner; }
    CPattern *GetOwner() const { return m_pOwner; }
    GRADE_LINE_TYPE GetLineType() const { return m_eLineType; }

    /// The index in the owner pattern of the line's point i (-1 when the owner lacks it).
    int GetPointAt(int i) const;
    /// The first position of the point in the line; -1 when absent.
    int FindBasePoint(const CBasePoint *point) const;
    /// FindBasePoint(point) >= 0.
    bool ContaintsShapePoint(const CBasePoint *point) const;
    /// Whether the line's point list holds the point.
    bool IsUsedBasePoint(const CBasePoint *point) const;
    /// Null for an empty line.
    CBasePoint *GetFirstPoint() const;
    /// Null for an empty line.
    CBasePoint *GetLastPoint() const;
    /// Whether the point is the first or the last point.
    bool ContaintsEndShapePoint(const CBasePoint *point) const;
    /// The greatest position below i holding a grade point (type 1); -1 when none.
    int GetPrevGradePoint(int i) const;
    /// The least position above i holding a grade point (type 1); the last position (count - 1)
    /// when none.
    int GetNextGradePoint(int i) const;
    /// Appends the line's points of grade type 1, in line order.
    void AppendGradePonts(CPtrCollection<CBasePoint> &out) const;
    /// Appends all the line's points, in line order.
    void AppendBasePonts(CPtrCollection<CBasePoint> &out) const;
    /// Appends, in the owner's point order, each point that is a slider point sliding on this
    /// line.
    void AppendTopSliderGradePoints(CPtrCollection<CBasePoint> &out) const;
    /// Appends, in the owner's point order, the slider point on this line that governs each
    /// point (a point tied to a slider adds that slider).
    void AppendSliderGradePoints(CPtrCollection<CBasePoint> &out) const;
    /// The position of the notch; -1 when absent.
    int FindNotch(const CNotch *notch) const;

    /// "<first label>-<last label>", "?" standing for a missing label.
    std::string GetName() const;
    /// The length of the polygon through the line's points for the size (not of the drawn
    /// shape); 0 with fewer than two points.
    double GetLength(const IGradeSize *size) const;
    /// The length along the line's points (own coordinates, base size) from the point to the
    /// first (toStart) or last point; 0 when the point is not on the line.
    double GetDistance(const CBasePoint *point, bool toStart) const;
    /// Whether the base-size shape in own coordinates has more than one point and its ends lie
    /// at most tolerance apart.
    bool IsClosed(double tolerance) const;
    /// The unit direction of the shape at the point for the size: at the ends along the line
    /// (forward: towards increasing positions), inside towards the next (forward) or previous
    /// shape point. (1, 0) for a shape of fewer than two points and for a point that the shape's
    /// index array does not list.
    CVector GetVector(const CBasePoint *point, bool forward, const IGradeSize *size) const;
    /// The unit direction pointing out of the line at the point, base size: from the
    /// neighbouring shape point (inside: the previous one when forward, else the next) to the
    /// point. (1, 0) as for GetVector.
    CVector GetExtendVector(const CBasePoint *point, bool forward) const;
    /// The grade point (type 1) nearest to p by absolute position, the earlier one on ties, with
    /// its distance; null, leaving distance unchanged, when the line has none.
    CBasePoint *GetNearestGradePoint(DPOINT p, double &distance) const;
    /// The listed points of the base-size shape on either side of the shape segment nearest to
    /// p; both null for a shape of fewer than two points, either null when none lies on its side.
    void GetNearestGradePoints(DPOINT p, CBasePoint *&before, CBasePoint *&after) const;

protected:
    CPattern *m_pOwner = nullptr;
    GRADE_LINE_TYPE m_eLineType{};
    CPtrCollection<CBasePoint> m_oBasePoints;
    COwningCollection<CNotch> m_oNotches;

private:
    std::vector<DPOINT> m_aGradePlaces;
};
