// Morvane client grade model.
// A pattern of the client grade model: base points, polylines, mark points and grade points.
#pragma once

#include "foundation/PtrCollection.h"
#include "sources/client-model/GeomPoint.h"
#include "sources/client-model/GeomPolyline.h"
#include "sources/grade-model/IGradePattern.h"

#include <cstdint>
#include <string>
#include <unordered_map>

class CClientGradeModel;
class CGradeRuleData;

/// A pattern that a client builds point by point. It owns its base points (the point index used
/// everywhere is the index among them) and its polylines; its mark points and grade points are
/// base points listed again. Positions are relative to the pattern's origin, the centre of its
/// base points once UpdateOrigin has run. Every index argument is checked: an index out of
/// range gives null or -1 and changes nothing.
class CGeomPattern : public IGradePattern
{
public:
    /// The outline colour of a pattern whose creator set none.
    static constexpr uint32_t kNoOutlineColor = 0xFFFFFFFF;

    CGeomPattern() = default;
    ~CGeomPattern() override = default;
    CGeomPattern(const CGeomPattern &) = delete;
    CGeomPattern &operator=(const CGeomPattern &) = delete;

    GM_ERROR GetName(std::string &name) override;
    GM_ERROR GetCurveCount(int &count) override;
    CGeomPolyline *GetCurveAt(int index) override;
    /// The number of base points added with kind 1.
    GM_ERROR GetInternalPointCount(int &count) override;
    /// The grade point index, in order of addition.
    CGeomPoint *GetInternalPointAt(int index) override;

    /// Gives each base point, in order of addition, the rule number ++counter.
    virtual void BuildGradeRules(int &counter);
    /// Names the pattern and ties it to its model (not owned).
    virtual void Create(const std::string &name, CClientGradeModel *model);
    /// The index of point among the base points, or -1 when it is not one of them.
    virtual int FindBasePoint(const CGeomPoint *point) const;
    /// Moves the origin to the centre of the rectangle around the base points; with no base
    /// points, to the centre of the empty rectangle, (-0.5, -0.5).
    virtual void UpdateOrigin();
    virtual void SetName(const std::string &name);
    /// Adds a polyline of base points first .. first + count - 1 with the line type type; returns
    /// its index, or -1 without change when that range is not all base points.
    virtual int32_t AddPolyline(int32_t first, int32_t count, int32_t type);
    /// Adds a base point at (x, y) of kind (1 grade point, 0 ordinary point); returns its index.
    virtual int32_t AddBasePoint(double x, double y, int32_t kind);
    /// Adds base point index to the mark points; returns its index there, or -1 without change
    /// when there is no such base point.
    virtual int32_t AddMarkPoint(int32_t index);
    /// The rule data of the model; null for a pattern without a model.
    virtual CGradeRuleData *GetGradeRuleData() const;
    virtual CGeomPoint *GetBasePointAt(int index) const;
    virtual int GetMarkPointCount() const;
    virtual CGeomPoint *GetMarkPointAt(int index) const;
    virtual int GetBasePointCount() const;
    virtual int GetPolylineCount() const;
    virtual CGeomPolyline *GetPatternPolylineAt(int index) const;
    /// Told before (false) and after (true) a base point's rule changes; after it, every
    /// polyline is marked for re-interpolation.
    virtual void OnBasePointRuleChanged(bool after);
    /// Marks every polyline for re-interpolation.
    virtual void InvalidateInterpolation();

    /// The index of point among the mark points, or -1.
    int FindMarkPoint(const CGeomPoint *point) const;
    DPOINT GetOrigin() const { return m_oOrigin; }
    /// Numbers the base points by kind: kind 1 gets ++gradeCounter, kind 0 ++ordinaryCounter;
    /// other kinds keep their id.
    void SetPointsId(int &gradeCounter, int &ordinaryCounter);
    /// True, with curve set to the first polyline that has a notch on point while point is not
    /// one of its own points; false with curve null otherwise.
    bool IsSliderPoint(const CGeomPoint *point, IGradeCurve *&curve) const;
    /// A colour reference, 0x00BBGGRR (red in the low byte), as the program keeps colours.
    void SetOutlineColor(uint32_t color) { m_nOutlineColor = color; }
    /// kNoOutlineColor until set.
    uint32_t GetOutlineColor() const { return m_nOutlineColor; }

private:
    uint32_t m_nOutlineColor = kNoOutlineColor;
    std::string m_sName;
    DPOINT m_oOrigin;
    CClientGradeModel *m_pModel = nullptr;
    COwningCollection<CGeomPolyline> m_oPolylines;
    COwningCollection<CGeomPoint> m_oBasePoints;
    CPtrCollection<CGeomPoint> m_oMarkPoints;
    CPtrCollection<CGeomPoint> m_oGradePoints;
    /// Base-point indexes found by FindBasePoint; points are never removed, so entries stay true.
    mutable std::unordered_map<const CGeomPoint *, int> m_oPointIndexCache;
};
