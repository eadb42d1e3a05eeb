// Morvane formula library.
// The path formula of a grade region: the run of an input pattern's outline inside it.
#pragma once

#include "formulas/BasePathFormula.h"

class CGradeRegion;

/// A path formula (region type 2) of a grade region: it measures the run of the outline that
/// lies in the region, on the first input pattern shown on the region's mask that has one
/// (CPattern::FindGradePathReg), whose ends become its resolved points. Stored after the base:
/// "Region" (required).
class CPathRegionFormula : public CBasePathFormula
{
public:
    static constexpr int kFormulaType = 2;

    CPathRegionFormula();

    /// "CPathRegionFormula", base CBasePathFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    IRegion *GetRegion() const override;
    /// The base part and the region.
    void CopyFrom(const CBaseFormula &other) override;

    CGradeRegion *GetGradeRegion() const { return m_pRegion; }
    void SetRegion(CGradeRegion *region);

protected:
    /// Finds the run in the region, then fills the path along it.
    void Recalculate() override;
    /// "<display name>(<region name>)".
    void DoGetDisplayText(std::string &out, bool flag) override;

private:
    /// The run's ends become resolved points 0 and 1 (both null when none is found), and the
    /// reverse flag is set so that the path follows the run.
    void ResolveEndPoints();

    CGradeRegion *m_pRegion = nullptr;
};
