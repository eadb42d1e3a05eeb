// Morvane formula library.
// The formula that grades every point of a grade region along the region's direction.
#pragma once

#include "formulas/BaseGradeFormula.h"

class CGradeRegion;

/// Grades every point of its grade region (the points the region takes in) by the X and Y
/// expressions along the region's direction:
/// "%PA(<x>, <y>, <point>,<point>,...)=%RG(<direction in degrees>,<x text>,<y text>)". The apply
/// types follow from the direction and which texts are set. Type 0. Stored: "Region" (required).
class CGradeRegionFormula : public CBaseGradeFormula
{
public:
    static constexpr int kFormulaType = 0;

    CGradeRegionFormula();

    /// "CGradeRegionFormula", base CBaseGradeFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    IRegion *GetRegion() const override;
    /// For one axis: 2 when both texts are empty; along a direction of 0 or 180 degrees (within
    /// one degree) 0 when the axis's own text is set, else 2; along 90 or -90 degrees the same
    /// with the other axis's text; along any other direction 0.
    int GetApplyTypeX() const override;
    int GetApplyTypeY() const override;
    /// The region's direction.
    double GetGradingAngle(bool radians) const override;
    /// The base check; with both apply types 2 it fails (109, with a reporter).
    bool CheckIndexPoints(CFormulaMessageList *reporter) override;
    /// The base check (without the region points); a region without points fails (110).
    bool Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker) override;
    std::string GetFormulaText() override;

    /// Sets the region (not owned); the formula will recompute its points.
    void SetRegion(CGradeRegion *region);
    /// Numbers the region points again from 0, leaving removed out.
    void OnRegionPointRemoved(const CBasePoint *removed);

protected:
    int GetResolvedCount() const override { return m_nResolvedCount; }
    /// The region's points become the resolved points.
    void Recalculate() override;
    /// The region points.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// "<x text>[,<y text>]".
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    int ApplyTypeFor(bool xAxis) const;
    void StorePoints(const CPtrCollection<CBasePoint> &points);

    CGradeRegion *m_pRegion = nullptr;
    int m_nResolvedCount = 0;
    bool m_bCountingNoPoints = false;
};
