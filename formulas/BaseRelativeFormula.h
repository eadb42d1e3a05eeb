// Morvane formula library.
// The base of the formulas that grade the points along grade paths by the proportion of a
// measured length.
#pragma once

#include "formulas/BaseFormula.h"
#include "formulas/RelatedFormulaList.h"
#include "formulas/SegmentMatch.h"
#include "formulas/SizeRatio.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class CBasePropDistFormula;
class IGradePathSource;
class ISegmentPath;

/// A relative formula grades the points of its paths (the path sources each kind supplies) so
/// that each keeps its share of a measured length. Relative (type 28) it measures the paths of
/// the formulas in its measure paths; otherwise (type 32) it measures its own paths.
///
/// Its point matches pair a point of its own paths (source) with a point of the measured paths
/// (target); the joined segments split both lists of path segments at the matches, each a ratio
/// (CSizeRatio) of the measured segments to its own. The joined segments refer to the paths'
/// segments: they are valid until a path is rebuilt, and are built again by
/// BuildJoinedSegments (which Validate calls).
///
/// With a paths grade type of 0 every path is graded on its own, so that the end rules apply at
/// both ends of each path; any other value joins consecutive paths into one chain, whose end
/// rules apply only at its first and last point. It writes no parser line.
///
/// Stored keys, as the kinds place them: "MeasurePaths" (formulas by name, when set),
/// "PointMatches" ("PointMatch" elements, when set), "AdjustType" and "ProportionByLength"
/// (always), "JoinedPathGradeType" (always), and "Relative" (always).
class CBaseRelativeFormula : public CBaseFormula
{
public:
    static constexpr int kRelativeType = 28;
    static constexpr int kOwnPathsType = 32;

    CBaseRelativeFormula();
    ~CBaseRelativeFormula() override;

    /// "CBaseRelativeFormula", base CBaseFormula, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// 28 when relative, 32 when it measures its own paths.
    int GetFormulaType() const override;
    int GetApplyTypeX() const override;
    int GetApplyTypeY() const override;
    std::string GetFormulaText() override { return {}; }
    void AddFormulaText(std::vector<std::string> &) override {}
    /// Whether the point ends a path (joined paths: only the chain's first and last point).
    bool UsesPoint(const CBasePoint *point) override;
    /// The base list, then each match's source (when relative) and target, each once.
    void CollectIndexPoints(CPtrCollection<CBasePoint> &list) const override;
    /// Whether other is among the measure paths.
    bool DependsOnFormula(IBaseFormula *other) override;
    /// The base check; when it passes, the joined segments are built and checked: message 103
    /// twice (the number of matches, at least 1, then the number of joined segments) when they
    /// differ, 113 for a point of the paths that another formula grades, 109 when there is
    /// nothing to grade. Any of these makes the formula invalid, so it is not evaluated.
    bool Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker) override;
    /// The base part, the settings, the measure paths and copies of the point matches.
    void CopyFrom(const CBaseFormula &other) override;
    /// Every loaded point match gets this formula as its owner.
    void OnReferencesResolved() override;

    virtual int GetPathSourceCount() const = 0;
    /// Path source i; null for an empty slot.
    virtual IGradePathSource *GetPathSource(int i) const = 0;

    CRelatedFormulaList &GetMeasurePaths() { return m_oMeasurePaths; }
    bool GetProportionByLength() const { return m_bProportionByLength; }
    void SetProportionByLength(bool on) { m_bProportionByLength = on; }
    int GetPathAdjustType() const { return m_ePathAdjustType; }
    void SetPathAdjustType(int type) { m_ePathAdjustType = type; }
    double GetTolerance() const { return m_dTolerance; }
    void SetTolerance(double tolerance) { m_dTolerance = tolerance; }
    int GetPathsGradeType() const { return m_ePathsGradeType; }
    void SetPathsGradeType(int type) { m_ePathsGradeType = type; }
    bool IsRelative() const { return m_bRelative; }
    void SetRelative(bool relative) { m_bRelative = relative; }

    int GetPointMatchCount() const { return m_oPointMatches.GetCount(); }
    CSegmentMatch *GetPointMatch(int i) const { return m_oPointMatches.GetAt(i); }
    /// The index of match among the point matches; -1 when absent.
    int FindPointMatch(const CSegmentMatch *match) const;
    /// A new point match of this formula, appended.
    CSegmentMatch *AddPointMatch();
    void RemovePointMatch(int i);
    /// Deletes every point match and every parameter.
    void Clear();

    /// Splits the segments of the paths (and of the measured paths) at the point matches.
    virtual void BuildJoinedSegments();
    int GetJoinedSegmentCount() const { return static_cast<int>(m_oJoinedSegments.size()); }
    const CSizeRatio &GetJoinedSegment(int i) const { return *m_oJoinedSegments.at(i); }
    /// Computes every joined segment's ratio for the size (table, size).
    void ComputeJoinedSegments(int table, int size);
    /// The ratio of the joined segment that holds segment among its own terms; 1.0 when none.
    double GetRatioFor(const ISegmentPath *segment) const;
    /// The text of that joined segment; empty when none.
    std::string GetRatioTextFor(const ISegmentPath *segment) const;
    /// Appends the segments of path source i's path, in path order.
    void AppendSourceSegments(int i, std::vector<ISegmentPath *> &out) const;
    /// The index of segment counted over the paths of all sources in order; -1 when absent.
    int GetGlobalSegmentIndex(const ISegmentPath *segment) const;
    /// Each source recomputes its end flags (joined paths: only the chain's ends) and hands
    /// them to the same source of the refresh source.
    void RefreshEndFlags();

protected:
    /// The number of CollectIndexPoints entries.
    int GetResolvedCount() const override;
    /// Each CollectIndexPoints entry becomes the resolved point of its position.
    void Recalculate() override;
    /// The grade points of every path in order, each once; a path end that another formula
    /// grades (the source's flag) is left out (joined paths: only the chain's ends).
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// The display name.
    void DoGetDisplayText(std::string &out, bool flag) override;

    /// Registers "MeasurePaths", "PointMatches", "AdjustType", "ProportionByLength" and
    /// "JoinedPathGradeType", in this order.
    void RegisterRelativeKeys();
    /// Registers "Relative".
    void RegisterRelativeFlag();
    /// Takes the table-relative type, adjust type and proportion flag of a proportional-distance
    /// formula, and measures the paths of the path formulas of its measure paths.
    void RelinkSettingsFrom(const CBasePropDistFormula &replaced);
    /// Deletes every joined segment.
    void ClearJoinedSegments();
    /// Appends a joined segment of the two lists of segments with the flag and text.
    void AppendJoinedSegment(bool proportional, const std::string &text,
                             const std::vector<ISegmentPath *> &own,
                             const std::vector<ISegmentPath *> &measured);

private:
    class CSegmentTerm;
    struct MatchFound;

    bool JoinsPaths() const { return m_ePathsGradeType != 0; }
    bool IsChainStart(int source) const { return source == 0 || !JoinsPaths(); }
    bool IsChainEnd(int source) const
    {
        return source == GetPathSourceCount() - 1 || !JoinsPaths();
    }
    std::vector<ISegmentPath *> CollectSourceSegments() const;
    std::vector<ISegmentPath *> CollectMeasuredSegments() const;
    static bool FindMatch(const std::vector<CSegmentMatch *> &pending,
                          const std::vector<ISegmentPath *> &own,
                          const std::vector<ISegmentPath *> &measured, MatchFound &found);
    int FindJoinedSegmentOf(const ISegmentPath *segment) const;
    bool CheckGradedElsewhere(CFormulaMessageList *reporter);

    CRelatedFormulaList m_oMeasurePaths;
    COwningCollection<CSegmentMatch> m_oPointMatches;
    int m_ePathAdjustType = 0;
    bool m_bProportionByLength = false;
    double m_dTolerance = 10.0;
    int m_ePathsGradeType = 0;
    bool m_bRelative = true;
    std::vector<std::unique_ptr<CSizeRatio>> m_oJoinedSegments;
    std::vector<std::unique_ptr<CSegmentTerm>> m_oTerms;
    std::map<const ISegmentPath *, int> m_oJoinedSegmentOf;
};
