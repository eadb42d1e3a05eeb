// Morvane formula library.
// The measure across a grade region between the outline segments its direction crosses.
#pragma once

#include "formulas/BaseMeasureFormula.h"
#include "formulas/DistanceProbe.h"

class CGradeRegion;

/// A measure (type 20) of a grade region: along the region's direction from its position, the
/// distance, per size, between the nearest and the farthest crossing of that ray with the
/// outline, inside the region, of the input pattern shown on the mask whose farthest crossing
/// lies farthest. 0 without a region or a crossing. Stored after the base: "Region" (required).
class CMeasureDistS2S : public CBaseMeasureFormula, private IProbeSource
{
public:
    static constexpr int kFormulaType = 20;

    CMeasureDistS2S();

    /// "CMeasureDistS2S", base CBaseMeasureFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    IRegion *GetRegion() const override;
    std::string GetFormulaText() override { return {}; }
    /// Whether the point is one of the grade points on either side of the crossed segments.
    bool UsesPoint(const CBasePoint *point) override;
    /// The base part and the region.
    void CopyFrom(const CBaseFormula &other) override;

    CGradeRegion *GetGradeRegion() const { return m_pRegion; }
    void SetRegion(CGradeRegion *region);
    /// The direction of the measure: the region's, in degrees; 0 without a region.
    double GetAngleDeg() const;
    /// The nearest and the farthest crossing for the size.
    DPOINT GetFirstBound(int table, int size) { return m_oProbe.GetFirstBound(table, size); }
    DPOINT GetSecondBound(int table, int size) { return m_oProbe.GetSecondBound(table, size); }

protected:
    double ComputeValue(int table, int size) override;
    /// Forgets the probe's distances.
    void RecomputeAll() override;
    /// "<display name>(<angle> deg)".
    void DoGetDisplayText(std::string &out, bool flag) override;

private:
    DPOINT GetProbeOrigin(const IGradeSize *size) override;
    double GetProbeAngle() override;
    bool AcceptsCrossing(DPOINT crossing) override;
    /// The input patterns shown on the region's mask.
    void GetProbePatterns(CPtrCollection<CPattern> &out) override;

    CDistanceProbe m_oProbe{*this, false};
    CGradeRegion *m_pRegion = nullptr;
};
