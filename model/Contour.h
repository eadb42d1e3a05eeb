// Morvane model library.
// A contour: whole polylines laid end to end, trimmed into an outline with area and turns.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/DPoint.h"
#include "foundation/DRect.h"
#include "foundation/EventHandler.h"
#include "foundation/PtrCollection.h"
#include "model/ContourData.h"
#include "model/ContourLine.h"
#include "model/MvItem.h"

#include <string>
#include <unordered_map>
#include <vector>

class CBasePoint;
class CPattern;
class CPolyline;
class IGradeSize;
class IMaskContour;
class IRegion;

/// An outline of a pattern made of whole polylines: the outer cut line, an inner closed line or
/// an open run of lines. It owns its contour lines (not their polylines) and turns them into an
/// outline for a size (see buildContourOutline): positions with the pattern's base points
/// attached where they lie. From the base-size outline it derives the signed area, the
/// orientation and the turn angle at each grade point.
///
/// Caches: the base-size outline (with and without slider points) is kept until the lines, the
/// closed flag or the geometry change (InvalidateContourData); area and turn angles are
/// recomputed on the next question after any of those. A null size is the base size throughout.
///
/// The contour is made by its pattern (CPattern::CreateContour), which also stores it when it
/// is stored at all: this level registers no attributes (m_oContourLines and m_bClosed are
/// there for a derived contour to register; it gives loaded lines their contour). Its event handler
/// has the id kModelHandlerId | 15.
class CContour : public CAttContainer, public CEventHandler, public CMvItem
{
public:
    /// The source kind of a contour's event handler.
    static constexpr uint32_t kSourceKind = 15;

    CContour();
    ~CContour() override;

    /// "CContour", base CMvItem, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    virtual int GetContourLineCount() const;
    /// Line i (unchecked).
    virtual IContourLine *GetContourLineAt(int i) const;
    /// Appends a line for the polyline and direction, then the after-change event (property
    /// -1); returns its index.
    virtual int AddContourLine(CPolyline *polyline, bool backward);
    /// Null here; a mask contour returns its mask-contour interface.
    virtual IMaskContour *GetMaskContour();
    /// Deletes line i, opens the contour, then the after-change event (property -1).
    virtual void RemoveContourLineAt(int i);

    /// Sets the pattern the contour belongs to (not owned).
    void Create(CPattern *pattern);
    CPattern *GetPattern() const { return m_pPattern; }
    /// The index of the first line on the polyline; -1 when none.
    int FindContourLine(const CPolyline *polyline) const;
    /// The line before line: for the first line the last one when the contour is closed, else
    /// null; null for a line the contour does not hold.
    IContourLine *GetPrevContourLine(const IContourLine *line) const;
    bool IsClosed() const { return m_bClosed; }
    /// When the value changes: stores it, drops the caches, then the after-change event (-1).
    void SetClosed(bool closed);
    /// Drops the cached outlines, area and turn angles: the geometry changed.
    void InvalidateContourData();
    /// "C%d" with the contour's position in its pattern plus one; the pattern's contour count
    /// plus one for a contour the pattern does not hold (yet).
    std::string GetFormatName() const;
    /// Whether some line's polyline holds the point.
    bool ContaintsPoint(const CBasePoint *point) const;

    /// The full outline into the outputs (each may be null; each is emptied first).
    void GetAllContourPoints(const IGradeSize *size, std::vector<DPOINT> *points,
                             CPtrCollection<CBasePoint> *basePoints,
                             std::vector<int> *backwardFlags, bool withSliders,
                             bool attachAtEnds) const;
    /// GetAllContourPoints, less the closing position when dropClosingPoint is set and the
    /// contour is closed. Returns whether the outline has positions.
    bool GetOutContour(std::vector<DPOINT> *points, CPtrCollection<CBasePoint> *basePoints,
                       std::vector<int> *backwardFlags, const IGradeSize *size,
                       bool dropClosingPoint, bool withSliders, bool attachAtEnds) const;
    /// The same with each base point given as its index in the pattern (-1 where none).
    bool GetOutContour(std::vector<DPOINT> *points, std::vector<int> *basePointIndexes,
                       std::vector<int> *backwardFlags, const IGradeSize *size,
                       bool dropClosingPoint, bool withSliders, bool attachAtEnds) const;
    /// Appends the base points of the base-size outline (closing position dropped), in order;
    /// with unique, points already in out are skipped, and a last entry equal to the first
    /// (of at least two) is removed.
    void AppendBasePoints(CPtrCollection<CBasePoint> &out, bool unique, bool withSliders,
                          bool attachAtEnds) const;
    /// Empties out, then AppendBasePoints with unique.
    void GetOutContour(CPtrCollection<CBasePoint> *out, bool withSliders, bool attachAtEnds) const;
    /// The number of base points GetOutContour(out, false, false) yields.
    int GetGradePointCount() const;
    /// The rectangle of the base-size outline; empty when it has no position.
    CDRect GetAbsRect() const;
    /// Reorders an outline in place into counter-clockwise order beginning at position start
    /// (0 when negative): walking backward from start over a clockwise outline, whose backward
    /// flags are then inverted. indexes and backwardFlags (may be null) travel with the points.
    static void GetCCWContour(int start, std::vector<DPOINT> &points, std::vector<int> *indexes,
                              std::vector<int> *backwardFlags);

    /// The signed area of the closed base-size outline (0 for an open contour or fewer than
    /// three positions), negated when the pattern is flipped.
    double GetClosedArea() const;
    /// Flipped pattern: area >= 0; otherwise area < 0.
    bool IsClockwise() const;
    /// The turn of the base-size outline at a grade point (type 1) of it, negated when the
    /// pattern is flipped; 0 for any other point.
    double GetTurnAngle(const CBasePoint *point) const;
    /// Where the two polylines' shapes for the size meet (see findShapeCrossing); point may be
    /// null. False when they do not.
    bool FindIntersect(const CPolyline *first, const CPolyline *second, const IGradeSize *size,
                       DPOINT *point, int &firstIndex, int &secondIndex, bool reverseSecond,
                       bool withSliders) const;

    /// The points (and the line of each) from `from` to `to` along the lines' points, walking
    /// forward or backward and wrapping on a closed contour; joint points come twice. Both
    /// outputs (may be null) are replaced; they are empty when either point is missing or the
    /// walk would leave an open contour.
    void GetPath(const CBasePoint *from, const CBasePoint *to, bool backward,
                 CPtrCollection<CBasePoint> *points, CPtrCollection<IContourLine> *lines) const;
    /// The first run of the outline's points (each point once; a closed outline returns to its
    /// first point) that lies in the region: its first and last point, or false (both null)
    /// when no run of two points is found. A point inside starts the run, a later one inside
    /// ends it, a point outside ends the walk once there is an end, or else restarts it. On a
    /// closed contour the two are swapped when the end lies nearer the region's position, and
    /// direction is then !IsClockwise(), else IsClockwise(); an open contour leaves direction
    /// as it was.
    bool FindGradePathReg(const IRegion &region, CBasePoint *&start, CBasePoint *&end,
                          bool &direction) const;

protected:
    COwningCollection<CContourLine> m_oContourLines;
    bool m_bClosed = false;

private:
    void MarkChanged();
    bool IsPatternFlipped() const;
    ContourData BuildOutline(const IGradeSize *size, bool withSliders, bool attachAtEnds) const;
    const ContourData &GetOutline(const IGradeSize *size, bool withSliders, bool attachAtEnds,
                                  ContourData &scratch) const;
    void UpdateRuntimeData() const;
    double ComputeClosedArea() const;
    void UpdateTurnAngles() const;

    mutable bool m_bRuntimeDataDirty = true;
    mutable ContourData m_oContourData;
    mutable ContourData m_oSliderContourData;
    CPattern *m_pPattern = nullptr;
    mutable double m_dArea = 0.0;
    mutable std::unordered_map<const CBasePoint *, double> m_oTurnAngles;
};
