// Morvane model library.
// The pattern placed on a grade mask: its own points, polylines, notches and contours.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/PtrCollection.h"
#include "model/GradeTypes.h"
#include "model/Pattern.h"

#include <memory>
#include <string>

class CGradeMask;
class CHistory;
class CMaskContour;
class CMaskPoint;
class CMaskPolyline;
class IMaskPoint;

/// Whether the mask file being loaded stores the polylines of its patterns (files after version
/// 2115 do); true outside a load. A mask pattern made while it is false reads "Polylines" as
/// optional.
extern bool g_bPolylinesInMaskFile;

/// A mask pattern as the program edits it. The additions marked "recorded" go into the grade
/// mask's undo history when the pattern is on its mask; the removals marked so leave the
/// removed objects to the history, which deletes them once they can no longer come back (off
/// the mask they are deleted at once). Indexes must be valid.
class IMaskPattern
{
public:
    virtual ~IMaskPattern() = default;

    /// Fills this new, empty pattern from an input pattern: see CMaskPattern::CreateFromInput.
    virtual void CreateFromInput(const CPattern &input) = 0;
    /// Takes over polyline (made for this pattern) at index, appended when negative. Not
    /// recorded: the caller that took it out keeps the undo.
    virtual void InsertPolyline(std::unique_ptr<CMaskPolyline> polyline, int index) = 0;
    /// A new mask polyline of that type through the points, inserted at index (appended when
    /// negative); recorded. Returns it.
    virtual CMaskPolyline *InsertNewPolyline(int index, GRADE_LINE_TYPE type,
                                             const CPtrCollection<CBasePoint> &points) = 0;
    /// The index of a grade point whose own coordinates lie within 0.25 of p; else AddPoint(p,
    /// grade point).
    virtual int AddGradePoint(DPOINT p) = 0;
    /// A new point at p (own coordinates) numbered after the largest id of its type on the mask
    /// and the pattern; recorded. Returns its index.
    virtual int AddPoint(DPOINT p, GRADE_POINT_TYPE type) = 0;
    /// A new mask contour bound to this pattern, not yet one of its contours.
    virtual std::unique_ptr<CMaskContour> CreateMaskContour() = 0;
    /// Takes over contour at index (appends it when index is negative or past the end);
    /// recorded.
    virtual void InsertContour(int index, std::unique_ptr<CMaskContour> contour) = 0;
    /// Deletes polyline index: a contour made of it alone is removed, other contours lose it;
    /// the line is removed, then each of its points that nothing uses any more
    /// (DeleteBasePoint). Recorded as one group.
    virtual void DeletePolyline(int index) = 0;
    /// Deletes point index: it leaves every polyline and the mark points, then the points.
    /// Recorded as one group.
    virtual void DeleteBasePoint(int index) = 0;
    /// Splits line at its point at: a new line of the same type gets at and the points after
    /// it (appended to moved, which may be null) and goes right after line; the notches stay.
    /// Recorded as one group. Returns the new line; null (nothing changed) when at is not on
    /// line or line is not a mask polyline of this pattern.
    virtual CMaskPolyline *SplitPolyline(CPolyline *line, CBasePoint *at,
                                         CPtrCollection<CBasePoint> *moved) = 0;
    /// Takes polyline index out of the pattern and out of every contour (which stay, possibly
    /// empty) and hands it over; not recorded.
    virtual std::unique_ptr<CMaskPolyline> RemovePolylineAt(int index) = 0;
};

/// A pattern placed on a grade mask, made from an input pattern (or loaded) and then kept and
/// edited on its own: its points are all CMaskPoints, with their own coordinates and
/// associations, its lines all CMaskPolylines, its notches CMaskNotches and its contours
/// CMaskContours.
///
/// Its associated patterns are the patterns whose points its points are associated with; the
/// mask's point association map keeps the two in step. Every point or polyline that enters or
/// leaves (also by undo) drops the cached extent, outlines and association rules.
///
/// Stored as "sName" (also the name by which it is referred to), "PivotPointX" and
/// "PivotPointY" (written when set), "PatternLocation", "BasePoints", "Polylines",
/// "MarkPoints" and "Contours" (written when set). After loading, every point, polyline and
/// contour is given this pattern, and whatever they name of another pattern (which only a
/// damaged file does) is dropped.
class CMaskPattern : public CPattern, public IMaskPattern
{
public:
    CMaskPattern();
    ~CMaskPattern() override;

    /// "CMaskPattern", base CPattern, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void SendAttached(uint32_t id, uintptr_t object) override;
    /// A point leaving (also by undo or redo) stops being the mask's active association item.
    void SendDetached(uint32_t id, uintptr_t object) override;

    /// Fills this new, empty pattern from input. The name is the input's, made unique on the
    /// mask; location and pivot are the input's. Each mark point becomes a mask point of its
    /// type at its own coordinates. Each line becomes a mask polyline of its type through the
    /// points of its base-size shape with slider points: a shape point of no input point makes
    /// a new ordinary point; one of an input point takes the grade point already made within
    /// 0.25, or a new one, so lines that meet at a grade point share it. A line of fewer than
    /// two points is dropped, with the points made only for it; the notches keep their depth
    /// and distance. New points are numbered after the largest ids on the mask. Then the
    /// contours are built. Nothing is recorded.
    void CreateFromInput(const CPattern &input) override;
    /// Appends a new mask contour; returns its index.
    int CreateContour() override;
    void GetAssPatterns(CPtrCollection<CPattern> &patterns) override;
    /// The before-change event (property 1), pattern appended, the after-change event.
    void AddAssPattern(CPattern *pattern) override;
    /// The before-change event (property 1), every association between a point of this pattern
    /// and a point of pattern removed (through the mask's point association map when on a
    /// mask), pattern taken off the list, the after-change event.
    void RemoveAssPattern(CPattern *pattern) override;
    /// The before-change event (property 1), every association of this pattern's points
    /// removed (through the map when on a mask), the list emptied, the after-change event.
    void ClearAssPatterns() override;
    IMaskPattern *GetMaskPattern() override { return this; }
    std::string GetPatternName() const override { return m_sName; }
    /// Empties out when given, then appends each point that has an associated point; returns
    /// their number.
    int GetAssociatedPoints(CPtrCollection<CBasePoint> *out) override;

    void InsertPolyline(std::unique_ptr<CMaskPolyline> polyline, int index) override;
    CMaskPolyline *InsertNewPolyline(int index, GRADE_LINE_TYPE type,
                                     const CPtrCollection<CBasePoint> &points) override;
    int AddGradePoint(DPOINT p) override;
    int AddPoint(DPOINT p, GRADE_POINT_TYPE type) override;
    std::unique_ptr<CMaskContour> CreateMaskContour() override;
    void InsertContour(int index, std::unique_ptr<CMaskContour> contour) override;
    void DeletePolyline(int index) override;
    void DeleteBasePoint(int index) override;
    CMaskPolyline *SplitPolyline(CPolyline *line, CBasePoint *at,
                                 CPtrCollection<CBasePoint> *moved) override;
    std::unique_ptr<CMaskPolyline> RemovePolylineAt(int index) override;

    /// The first point whose associations hold item; null when none.
    IMaskPoint *FindAssociationPoint(const CBasePoint *item) override;
    /// Takes over point (made for this pattern) at index, appended when negative; not recorded.
    /// Returns its index.
    int InsertBasePoint(std::unique_ptr<CMaskPoint> point, int index);
    void SetPatternName(const std::string &name) { m_sName = name; }
    void SetGradeMask(CGradeMask *mask) { m_pGradeMask = mask; }
    CGradeMask *GetGradeMask() const { return m_pGradeMask; }
    /// Whether pattern is one of the associated patterns.
    bool HasAssPattern(const CPattern *pattern) const;
    /// Whether some point of the pattern has an association.
    bool HasPointAssociations() const;
    /// Empties the associations of every point (no events).
    void ClearPointAssociations();
    /// Drops every link of the pattern before it leaves its mask: the other patterns of the
    /// mask let go of it (RemoveAssPattern), then it clears its own (ClearAssPatterns).
    void ReleaseLinks();
    /// Drops the cached extent and outlines (a point moved, or one came or went off the lines).
    void InvalidateGeometry();
    /// The points on the lines changed: InvalidateGeometry, and every contour's rules are
    /// marked stale.
    void InvalidateGeometryAndRules();
    /// As the pattern does, and InvalidateGeometryAndRules: the outline's grade points changed.
    void OnPointGradeTypeChanged() override;

    /// Older files: the contours are rebuilt and their rules marked stale.
    void UpdateFromVersion2116to2117();
    /// Older files: each contour is closed when its outline ends where it starts.
    void UpdateFromVersion2117to2118();
    /// Older files: every notch's distance is recomputed from its point.
    void UpdateToVersion2120();

    void OnReferencesResolved() override;

private:
    CHistory *GetRecordingHistory() const;
    void LastPointIds(int &grade, int &other) const;
    void RemoveFromContours(const CPolyline *polyline, CHistory *history);
    void RemoveFromLines(const CBasePoint *point, CHistory *history);
    void CopyMarkPoints(const CPattern &input, int &grade, int &other);
    std::unique_ptr<CMaskPolyline> MakePolylineFrom(const CPolyline &input, int &grade, int &other);
    CBasePoint *MakeShapePoint(DPOINT own, bool gradePoint, int &grade, int &other);
    void DropUnusedPointsOf(const CPolyline &line);

    std::string m_sName;
    CPtrCollection<CPattern> m_oAssPatterns;
    CGradeMask *m_pGradeMask = nullptr;
};
