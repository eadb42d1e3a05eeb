// Morvane formula library.
// The path formula of a mask pattern, between two of its points.
#pragma once

#include "formulas/BasePathFormula.h"

class CMaskPattern;
class CPropDistPatternFormula;
class IMaskPoint;

/// A path formula (pattern type 2) of a mask pattern: its end points are two mask points (index
/// points 0 and 1), and it measures the path between the input points they stand for. Its mask
/// path runs between the mask points themselves. Stored after the base: "Reverse" (when set),
/// then "Pattern" (required).
class CPathPatternFormula : public CBasePathFormula
{
public:
    static constexpr int kFormulaType = 2;

    CPathPatternFormula();

    /// "CPathPatternFormula", base CBasePathFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    CPattern *GetPattern() const override;
    /// The base part; the mask path is refilled on next use.
    void CopyFrom(const CBaseFormula &other) override;
    /// As the base; the mask path is refilled on next use.
    void SetReverse(bool reverse) override;

    CMaskPattern *GetMaskPattern() const { return m_pPattern; }
    void SetPattern(CMaskPattern *pattern);
    /// Index point 0; null when none.
    CBasePoint *GetFirstPoint() const { return GetIndexPoint(0); }
    /// Index point 1; null when none.
    CBasePoint *GetLastPoint() const { return GetIndexPoint(1); }
    void SetFirstPoint(IMaskPoint *point);
    void SetLastPoint(IMaskPoint *point);
    /// The path between the two mask points.
    IGradePath *GetMaskPath();
    /// Takes the variable name, the end points and the reverse flag of the proportional-distance
    /// formula (when an older mask is brought up to date).
    void TakeOverPropDist(const CPropDistPatternFormula &formula);
    /// From a pattern's proportional-distance formula: its pattern and what TakeOverPropDist
    /// takes, so that this formula gives the path that the points between its end points are
    /// graded along.
    bool RelinkFrom(IBaseFormula *replaced, IBaseFormula *pathFormula) override;

protected:
    /// Its own refresh source: the end points are resolved first (ResolveEndPoints).
    void Recalculate() override;
    int GetResolvedCount() const override { return 2; }
    /// With the display flag, the path text between the mask points.
    void DoGetDisplayText(std::string &out, bool flag) override;

private:
    /// The input points the mask points stand for: of each pair of candidates (the first mask
    /// point's flagged partners with the last one's) on one pattern that a path joins, the last
    /// pair tried for a first candidate that gives a path, the last first candidate winning.
    /// Both null when a mask point is missing; as they were (the points the mask points are
    /// associated with) when no pair gives a path.
    void ResolveEndPoints();
    void SetEndMaskPoint(int index, IMaskPoint *point);

    CMaskPattern *m_pPattern = nullptr;
    bool m_bMaskPathStale = true;
    CGradePath m_oMaskPath;
};
