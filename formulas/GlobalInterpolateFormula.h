// Morvane formula library.
// The global interpolation over the points of a grade region.
#pragma once

#include "formulas/BaseGlobalInterpolateFormula.h"

class CGradeRegion;

/// The global interpolation (type 24) over the points of its grade region. Stored: "Region" and
/// "InterpolateType" (the point kinds), both required.
class CGlobalInterpolateFormula : public CBaseGlobalInterpolateFormula
{
public:
    static constexpr int kFormulaType = 24;

    CGlobalInterpolateFormula();

    /// "CGlobalInterpolateFormula", base CBaseGlobalInterpolateFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    IRegion *GetRegion() const override;
    void SetRegion(CGradeRegion *region);

protected:
    /// The region's points become the set.
    void Recalculate() override;

private:
    CGradeRegion *m_pRegion = nullptr;
};
