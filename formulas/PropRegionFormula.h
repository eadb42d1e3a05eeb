// Morvane formula library.
// The proportional grading of a grade region, as mask files store it.
#pragma once

#include "formulas/BaseGradeFormula.h"

class CGradeRegion;

/// A region formula (region type 16) of the proportional-distance family: its X and Y
/// expressions (parameters 0 and 1) and its region, along whose direction it grades. It keeps
/// and stores these settings; the grading itself is done by the proportional-distance formulas
/// that replace it, so it writes no text for the parser and acts on no point. Stored after the
/// base: "Region" (required).
class CPropRegionFormula : public CBaseGradeFormula
{
public:
    static constexpr int kFormulaType = 16;

    CPropRegionFormula();

    /// "CPropRegionFormula", base CBaseGradeFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    IRegion *GetRegion() const override;
    /// 2: no axis is driven here.
    int GetApplyTypeX() const override;
    int GetApplyTypeY() const override;
    /// The region's direction; 0 without a region.
    double GetGradingAngle(bool radians) const override;
    /// Empty.
    std::string GetFormulaText() override { return {}; }
    /// The base part and the region.
    void CopyFrom(const CBaseFormula &other) override;

    CGradeRegion *GetGradeRegion() const { return m_pRegion; }
    void SetRegion(CGradeRegion *region);

protected:
    /// Nothing.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// The display name.
    void DoGetDisplayText(std::string &out, bool flag) override;

private:
    CGradeRegion *m_pRegion = nullptr;
};
