// Morvane model library.
// The contour of a mask pattern: stored with its lines, and one association rule per point.
#pragma once

#include "foundation/PtrCollection.h"
#include "model/Contour.h"
#include "model/PointAssociationRule.h"

class CBasePoint;
class CPolyline;

/// A mask contour as the program edits it.
class IMaskContour
{
public:
    virtual ~IMaskContour() = default;

    virtual void RemoveContourLineAt(int i) = 0;
    virtual int AddContourLine(CPolyline *polyline, bool backward) = 0;
    /// The start contour point, after refreshing the rules when they are stale.
    virtual CBasePoint *GetStartContPoint() = 0;
    /// The rule of point, after refreshing the rules when they are stale; a new rule for the
    /// point (appended) when the contour has none.
    virtual CPointAssociationRule *GetAssRule(CBasePoint *point) = 0;
    virtual CContour *GetContour() = 0;
};

/// A contour of a mask pattern. Besides its lines it keeps one association rule per grade point
/// of its outline; each rule names the nearest sharp corner of the outline as its referent, so
/// that a mask pattern can be associated with an input pattern corner by corner.
///
/// The rules are rebuilt lazily: a change of the lines (or of the points on them, through
/// MarkRulesDirty) marks them stale, and the next GetAssRule, GetStartContPoint or save
/// rebuilds them: a point still on the outline keeps its rule and the rule's settings, the
/// rules of other points are dropped, and every referent is assigned again. Rules of a loaded
/// mask stay as loaded until then.
///
/// Stored as "ContourLines", "AssRules" and "Closed"; "StartContPoint" is read from older files
/// only. After loading, the lines and rules are given this contour.
class CMaskContour : public CContour, public IMaskContour
{
public:
    /// An outline point whose turn is greater than this (thirty degrees, in radians) is a corner.
    static constexpr double kCornerAngle = 0.5235987755983;

    CMaskContour();
    ~CMaskContour() override;

    /// "CMaskContour", base CContour, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// Marks the rules stale, then removes the line as CContour does.
    void RemoveContourLineAt(int i) override;
    /// Marks the rules stale, then adds the line as CContour does.
    int AddContourLine(CPolyline *polyline, bool backward) override;
    IMaskContour *GetMaskContour() override { return this; }
    CBasePoint *GetStartContPoint() override;
    CPointAssociationRule *GetAssRule(CBasePoint *point) override;
    CContour *GetContour() override { return this; }

    /// The rule of point as it stands (no refresh, none made); null when there is none.
    CPointAssociationRule *FindAssRule(const CBasePoint *point) const;
    int GetAssRuleCount() const { return m_oAssRules.GetCount(); }
    CPointAssociationRule *GetAssRuleAt(int i) const { return m_oAssRules.GetAt(i); }
    /// Nothing when point is the start point already; otherwise the before-change event
    /// (property 0), the referent of the point's rule cleared, the point stored, the
    /// after-change event.
    void SetStartContPoint(CBasePoint *point);
    void MarkRulesDirty() { m_bRulesDirty = true; }
    /// Closes the contour when the base-size outline (attached at line ends) ends within 0.5 of
    /// where it starts, opens it otherwise; nothing for an outline without positions.
    void UpdateClosed();
    /// Takes the contour line at i out (the lines's contour is kept) and hands it over.
    std::unique_ptr<CContourLine> TakeContourLineAt(int i);
    /// Puts a line taken out back at i and sets the closed flag.
    void RestoreContourLine(int i, std::unique_ptr<CContourLine> line, bool closed);

    /// After loading: drops the lines that name no polyline of pattern and the rules of points
    /// that are not pattern's, and clears referent and start points that are not pattern's
    /// (a damaged file may name the objects of another pattern).
    void DropForeignReferences(const CPattern &pattern);

    void SaveAttributes(CXmlArchive &archive) override;
    void OnReferencesResolved() override;

private:
    void RefreshRulesIfDirty();
    void RebuildRules();
    /// The point's rule, taken out of the rules; a new one when it has none.
    std::unique_ptr<CPointAssociationRule> takeOrMakeRule(CBasePoint *point);

    COwningCollection<CPointAssociationRule> m_oAssRules;
    CBasePoint *m_pStartContPoint = nullptr;
    bool m_bRulesDirty = false;
};
