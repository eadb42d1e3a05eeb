// Morvane client grade model.
// A polyline of a client pattern: points of its pattern in line order, with notches.
#pragma once

#include "foundation/PtrCollection.h"
#include "sources/client-model/GeomNotch.h"
#include "sources/client-model/GeomPoint.h"
#include "sources/grade-model/IGradePattern.h"

#include <cstdint>

class CGeomPattern;

/// A polyline of a client pattern. It strings base points of its pattern into a line (without
/// owning them) and owns its notches. Its ordinary points take their rule values from the
/// nearest grade points on each side within the line; they are re-interpolated when the shape
/// is next taken after a rule of the pattern changed.
class CGeomPolyline : public IGradeCurve
{
public:
    CGeomPolyline() = default;
    ~CGeomPolyline() override = default;
    CGeomPolyline(const CGeomPolyline &) = delete;
    CGeomPolyline &operator=(const CGeomPolyline &) = delete;

    /// Every line point in size (interpolating first when needed); gradeIndex, when given, the
    /// running index of each grade point and -1 for the others.
    GM_ERROR GetShape(GradeSize size, std::vector<DPOINT> *points,
                      std::vector<int> *gradeIndex) override;
    GM_ERROR GetGradePointCount(int &count) override;
    CGeomPoint *GetGradePointAt(int index) override;
    GM_ERROR GetNotchCount(int &count) override;
    /// kind is set to -1 and distance to 0 first; null for an index out of range. Otherwise
    /// vector is the notch's vector, distance the arc length along the line's shape in size from
    /// its first point to the point nearest the notch point (below 0 before the first point,
    /// above the length after the last), and the result the notch point.
    CGeomPoint *GetNotchAt(int index, GradeSize size, DPOINT &vector, float &distance,
                           int &kind) override;

    /// Gives each ordinary interior point the rule values interpolated between the grade points
    /// around it (the first and last points count as such); lines of two points or fewer are
    /// left as they are.
    virtual void InterpolateGrading();
    /// Adds a notch with vector (vx, vy) on base point pointIndex of the owner; returns the
    /// notch's index, or -1 without change when the owner has no such point.
    virtual int32_t AddNotch(int32_t pointIndex, double vx, double vy);
    /// Appends base point index of the owner; returns its position in the line, or -1 without
    /// change when the owner has no such point.
    virtual int32_t AddPoint(int32_t index);
    virtual int GetPointCount() const;
    /// The point of notch index; null for an index out of range.
    virtual CGeomPoint *GetNotchPointAt(int index) const;

    /// Ties the line to owner and appends base points first .. first + count - 1 of it. False,
    /// leaving the line as it was, when that range is not all base points of owner.
    bool Create(CGeomPattern *owner, int32_t first, int32_t count, int32_t type);
    /// The base-point index in the owner of line point index; -1 for an index out of range.
    int32_t GetPointAt(int32_t index) const;
    /// The first notch whose point is point, or null.
    CGeomNotch *FindNotch(const CGeomPoint *point) const;
    /// Whether point is one of the line's points.
    bool ContainsShapePoint(const CGeomPoint *point) const;
    CGeomPattern *GetOwner() const { return m_pOwner; }
    /// The line type, stored as its creator gave it.
    int32_t GetLineType() const { return m_nLineType; }
    /// Marks the line for re-interpolation.
    void Invalidate() { m_bNeedsInterpolation = true; }

private:
    bool IsLineIndex(int index) const { return index >= 0 && index < m_oPoints.GetCount(); }

    CGeomPattern *m_pOwner = nullptr;
    int32_t m_nLineType = 0;
    CPtrCollection<CGeomPoint> m_oPoints;
    COwningCollection<CGeomNotch> m_oNotches;
    bool m_bNeedsInterpolation = true;
};
