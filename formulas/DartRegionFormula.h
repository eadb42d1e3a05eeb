// Morvane formula library.
// The dart formula of a grade region: the dart is the one it finds among the region's points.
#pragma once

#include "formulas/BaseDartFormula.h"

class CContour;
class CGradeRegion;

/// A dart found in a grade region: the first region point at which its contour's outline turns
/// by more than 135 degrees, between two outline neighbours that are region points too, is the
/// apex (dart point 1); the neighbour nearer the region's position is dart point 0. Without
/// such a point the formula has no dart points. Stored: "Region" (required), then
/// "DepthGrading", after the dart's keys.
class CDartRegionFormula : public CBaseDartFormula
{
public:
    /// The turn above which an outline point is taken for a dart's apex: 135 degrees.
    static constexpr double kApexTurn = 2.35619449019235;

    CDartRegionFormula();

    /// "CDartRegionFormula", base CBaseDartFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    IRegion *GetRegion() const override;
    void SetRegion(CGradeRegion *region);

protected:
    /// Finds the dart in the region; its points become the resolved points.
    void Recalculate() override;

private:
    /// Whether point is the apex of a dart on contour, between two of the region's points;
    /// writes the legs' ends in the dart's order.
    bool FindDartAt(CBasePoint *point, const CContour &contour,
                    const CPtrCollection<CBasePoint> &regionPoints, CBasePoint *&first,
                    CBasePoint *&last) const;

    CGradeRegion *m_pRegion = nullptr;
};
