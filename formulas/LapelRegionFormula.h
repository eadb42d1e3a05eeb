// Morvane formula library.
// The lapel formula of a grade region: the lapel is the chain of region points it finds.
#pragma once

#include "formulas/BaseLapelFormula.h"

class CGradeRegion;

/// A lapel found in a grade region: the chain of region points along their pattern's outline
/// that starts at the region point nearest the region's position (see Recalculate). Stored:
/// "Region" (required).
class CLapelRegionFormula : public CBaseLapelFormula
{
public:
    CLapelRegionFormula();

    /// "CLapelRegionFormula", base CBaseLapelFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    IRegion *GetRegion() const override;
    void SetRegion(CGradeRegion *region);

protected:
    /// The region's points on a contour (drill holes left out) are the candidates. The chain
    /// found from the candidate nearest the region's position replaces them when it holds six
    /// points or more (its first six); a shorter chain leaves the candidates and the search
    /// goes on without its points; an empty one ends it. The candidates left become the
    /// resolved points, in order.
    void Recalculate() override;

private:
    /// From the candidate nearest the region's position: the longer of the runs of candidates
    /// that follow it along its pattern's outline forward and backward (forward on a tie), each
    /// starting with that candidate; outline points in an exclude region are passed over. Empty
    /// without candidates or when the nearest is not on the outline.
    CPtrCollection<CBasePoint> FindChain(const CPtrCollection<CBasePoint> &candidates) const;
    /// The run of candidates from outline position start, one way round.
    CPtrCollection<CBasePoint> WalkOutline(const CPtrCollection<CBasePoint> &outline, int start,
                                           bool forward,
                                           const CPtrCollection<CBasePoint> &candidates) const;

    CGradeRegion *m_pRegion = nullptr;
};
