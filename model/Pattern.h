// Morvane model library.
// A pattern piece: its points, polylines and contours, its place on the mask and its searches.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/DPoint.h"
#include "foundation/DRect.h"
#include "foundation/EventHandler.h"
#include "foundation/PtrCollection.h"
#include "model/BasePoint.h"
#include "model/Contour.h"
#include "model/GradeTypes.h"
#include "model/MvItem.h"
#include "model/ParentedCollection.h"
#include "model/PatternLocation.h"
#include "model/Polyline.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class IGradeSize;
class IInputPattern;
class IMaskPattern;
class IMaskPoint;
class IRegion;

/// A pattern piece. It owns its points, its polylines (with their notches) and the contours
/// built from the polylines (contour 0 is the outline), keeps its mark points (drill holes:
/// points on no line), and lies on the mask where its location puts it (GetPatternLocation).
///
/// The pattern placed on a grade mask and the input pattern derive from it: they make contours
/// of their own class, keep the associated patterns, name the pattern and register the stored
/// keys (the fields below are protected for that). Points, polylines and contours enter through
/// the parented collections, so each becomes an event child of the pattern; every child
/// attached or detached (also by undo and redo) empties the point-index cache and marks the
/// grade-point list stale.
///
/// The pattern's event handler has the id kModelHandlerId | 0 with the pattern as owner; the
/// embedded location's handler is its child. Indexed getters do not check their index. A null
/// size is the base size throughout.
class CPattern : public CEventHandler, public CAttContainer, public CMvItem
{
public:
    /// The source kind of a pattern's event handler.
    static constexpr uint32_t kSourceKind = 0;

    CPattern();
    ~CPattern() override;

    /// "CPattern", base CMvItem, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// Empties the point-index cache and marks the grade points stale, then sends.
    void SendAttached(uint32_t id, uintptr_t object) override;
    /// Empties the point-index cache and marks the grade points stale, then sends.
    void SendDetached(uint32_t id, uintptr_t object) override;

    /// Makes a new empty contour of the pattern's contour class, appends it and returns its
    /// index.
    virtual int CreateContour() = 0;
    /// Replaces the collection's content with the associated patterns.
    virtual void GetAssPatterns(CPtrCollection<CPattern> &patterns) = 0;
    /// The names of the associated patterns joined by ",".
    virtual std::string GetFormatAssPatternNames();
    /// ClearAssPatterns, then AddAssPattern unless pattern is null.
    virtual void SetAssPattern(CPattern *pattern);
    virtual void AddAssPattern(CPattern *pattern) = 0;
    virtual void RemoveAssPattern(CPattern *pattern) = 0;
    virtual void ClearAssPatterns() = 0;
    /// Null here; an input pattern returns its interface.
    virtual IInputPattern *GetInputPattern();
    /// Null here; a mask pattern returns its interface.
    virtual IMaskPattern *GetMaskPattern();
    /// The mask point associated with item; null here and when there is none.
    virtual IMaskPoint *FindAssociationPoint(const CBasePoint *item);
    /// The embedded location.
    virtual IPatternLocation *GetPatternLocation() const;
    /// Set of GetPatternLocation() with the position, the angle in degrees and the flip.
    virtual void SetPatternLocation(double x, double y, double angleDegrees, bool flipped);
    /// The index of the point among the base points; -1 when absent. Found indexes are cached.
    virtual int FindBasePoint(const CBasePoint *point) const;
    /// Grade point i (base points with a non-zero grade type, in order).
    virtual CBasePoint *GetGradePointAt(int i) const;
    virtual int GetGradePointCount() const;
    virtual int GetMarkPointCount() const;
    virtual CBasePoint *GetMarkPointAt(int i) const;
    virtual CBasePoint *GetBasePointAt(int i) const;
    virtual int GetBasePointCount() const;
    virtual std::string GetPatternName() const = 0;
    /// GetMaskPattern() is not null.
    virtual bool IsMaskPattern();
    /// 0 here, out untouched; a mask pattern lists its associated points.
    virtual int GetAssociatedPoints(CPtrCollection<CBasePoint> *out);
    /// The location's position plus the pivot, neither rotated nor flipped; the size is not
    /// used.
    virtual void GetGradePlace(const IGradeSize *size, double &x, double &y);
    virtual int GetPolylineCount() const;
    virtual CPolyline *GetPatternPolylineAt(int i) const;

    /// A point of the pattern's own coordinates on the mask: y negated when flipped, rotated by
    /// the angle, moved by the position.
    DPOINT TransformToAbsolute(const DPOINT &own) const;
    /// TransformToAbsolute of every point of own, into placed (which may be own), with the
    /// placement read once.
    void TransformToAbsolute(const std::vector<DPOINT> &own, std::vector<DPOINT> &placed) const;
    /// The inverse of TransformToAbsolute.
    DPOINT TransformToRelative(const DPOINT &absolute) const;

    /// The bounding rectangle on the mask of the grade points, the polyline shapes and the
    /// notch tips in the base size and in each given size (may be null), and of the contours'
    /// outlines. Cached until InvalidateRect, whatever sizes are asked next.
    CDRect GetAbsRect(const CPtrCollection<IGradeSize> *sizes);
    void InvalidateRect();
    void AppendGradePoints(CPtrCollection<CBasePoint> &out) const;
    void AppendPoints(CPtrCollection<CBasePoint> &out) const;
    void AppendPolylines(CPtrCollection<CPolyline> &out) const;
    /// Over the polylines except the one at exclude: their first points, and the last points of
    /// lines of two or more points; the first or a strictly nearer absolute position to (x, y)
    /// wins. Returns its position in its line (0 or count - 1) and writes the line's index and
    /// the distance; -1 (outputs untouched) when there is none.
    int GetNearestEndPoint(double x, double y, int exclude, int &polyline, double &distance) const;
    /// The location's SetPosition.
    void SetPatternPosition(double x, double y);
    /// The pivot on the mask.
    DPOINT GetPivotPoint() const;
    /// Moves the pivot to p on the mask (stored in own coordinates); nothing when p is the
    /// current pivot. No event.
    void SetPivotPoint(DPOINT p);
    /// Turns the pattern to the absolute angle (radians) about its pivot: the pivot keeps its
    /// place on the mask (SetPatternLocation with the new position and angle).
    void Rotate(double angle);
    /// The point after (backward: before) base point `point` on polyline `polyline`, moving on
    /// to the next (previous) polyline, cyclically, from the line's last (first) point. Returns
    /// a base-point index and writes the line's index to outPolyline; -1 when the point is not
    /// on that line.
    int GetNextContourPoint(int point, int polyline, int &outPolyline, bool backward) const;
    /// Steps cyclically from base point `point` (backward or forward) to the first point whose
    /// grade type is not 0, at most as many steps as there are points; returns the index
    /// reached (point itself when there are none). other is not read; out becomes -1.
    int GetNextPoint(int point, int other, int &out, bool backward) const;
    /// Some polyline holds the point.
    bool HasContourPoint(const CBasePoint *point) const;
    /// The point is the first or last point of some polyline.
    bool HasEndPolylinePoint(const CBasePoint *point) const;
    /// The outline contour holds the point; false when there are no contours.
    bool HasOutlinePoint(const CBasePoint *point) const;
    /// The first grade point (type 1) with that id; null when none.
    CBasePoint *FindGradePoint(int id) const;
    /// The index of the first base point of that grade type whose own coordinates lie within
    /// tolerance of p; -1 when none.
    int FindBasePoint(DPOINT p, double tolerance, GRADE_POINT_TYPE type) const;
    /// The index of the first base point labelled exactly name; -1 when none.
    int FindBasePoint(const std::string &name) const;
    int FindPolyline(const CPolyline *polyline) const;
    int FindMarkPoint(const CBasePoint *point) const;
    /// Empties out, then appends every polyline holding the point.
    void FindPointPolylines(const CBasePoint *point, CPtrCollection<CPolyline> &out) const;
    /// The point's position in the first polyline holding it, with that line's index and
    /// whether the position is an end; -1 when no line holds it.
    int FindPolyPoint(const CBasePoint *point, int &polyline, bool &isEnd) const;
    int FindPolyPoint(const CBasePoint *point, int &polyline) const;
    /// Appends the points of polyline `polyline` on (one line when single, else up to the
    /// last), advancing polyline past each line appended.
    void GetPolylinePoints(int &polyline, CPtrCollection<CBasePoint> &out, bool single) const;
    /// Rebuilds the contours from the polylines: closed single lines, closed pairs, then the
    /// loops and runs the contour builder finds among the rest; then picks the outline. The old
    /// contours are deleted (ClearContours), unrecorded: a mask pattern rebuilds its contours
    /// only while no undo record can refer to them (made from an input pattern before it is
    /// placed, or brought up to date while its mask loads, the history cleared).
    void BuildContours();
    void SetOutlineColor(uint32_t colour) { m_nOutlineColor = colour; }
    uint32_t GetOutlineColor() const { return m_nOutlineColor; }
    /// Appends every contour whose outline base points hold the point.
    void AppendPointContours(const CBasePoint *point, CPtrCollection<CContour> &out) const;
    /// Empties out, then appends every contour holding the polyline.
    void FindContours(const CPolyline *polyline, CPtrCollection<CContour> &out) const;
    /// The index of the first contour holding the polyline, with the line's index in it and its
    /// direction; -1 when none.
    int FindContour(const CPolyline *polyline, bool &reversed, int &line) const;
    int FindContour(const CContour *contour) const;
    /// The run of the outline that lies in the region (CContour::FindGradePathReg), over every
    /// contour: of the runs found, the one whose grade path (start to end, reverse as its
    /// direction) is the longest in the base size, the first on equal lengths. False, both
    /// points null, when no contour has one.
    bool FindGradePathReg(const IRegion &region, CBasePoint *&start, CBasePoint *&end,
                          bool &direction) const;
    /// Appends the contours whose closed flag equals closed.
    void AppendContours(CPtrCollection<CContour> &out, bool closed) const;
    /// Removes from out, from its end, every point that is a mark point of its own pattern.
    static void RemoveDrills(CPtrCollection<CBasePoint> &out);
    /// Deletes all contours (no events, no undo record; see BuildContours).
    void ClearContours();
    /// Moves contour i to position 0; nothing for i below 1.
    void SetOutContour(int i);
    /// Contour 0; null when there are none.
    CContour *GetOutContour() const;
    CContour *GetContourAt(int i) const;
    int GetContourCount() const;
    /// The point is a mark point or lies on some polyline.
    bool IsUsedBasePoint(const CBasePoint *point) const;
    /// Numbers the points in order: a grade point (type 1) takes ++gradeCounter, an ordinary
    /// point ++otherCounter; other types keep their id.
    void SetPointsId(int &gradeCounter, int &otherCounter);
    /// Drops the cached outlines, areas and turn angles of every contour.
    void InvalidateContourData();
    /// A point of the pattern changed its grade type: the grade-point list is rebuilt on next
    /// use, and the extent and the contours' outlines (to which grade points attach) are dropped.
    virtual void OnPointGradeTypeChanged();

protected:
    /// Refreshes the grade-point list when stale.
    void UpdateGradePoints() const;
    /// Moves to position 0 the closed contour with the most grade points, lines or area (any
    /// one of the three beats the best so far).
    void UpdateOutContour();
    void AddClosedPolylineContours(CPtrCollection<CPolyline> &lines);
    void AddTwoPolylineClosedContours(CPtrCollection<CPolyline> &lines);
    /// Returns the number of contours made.
    int AddContours(CPtrCollection<CPolyline> &lines);

    DPOINT m_oPivotPoint;
    CDRect m_oAbsRect;
    uint32_t m_nOutlineColor = 0xFFFFFFFF;
    CPatternLocation m_oLocation;
    CParentedCollection<CPolyline> m_oPolylines;
    CParentedCollection<CBasePoint> m_oBasePoints;
    CPtrCollection<CBasePoint> m_oMarkPoints;
    CParentedCollection<CContour> m_oContours;

private:
    int MakeClosedContour();
    void ForgetPointIndexes();

    mutable std::unordered_map<const CBasePoint *, int> m_oPointIndexCache;
    mutable CPtrCollection<CBasePoint> m_oGradePoints;
    mutable bool m_bGradePointsStale = true;
};
