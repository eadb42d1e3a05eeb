// Morvane formula library.
// The measure from a point along a direction to the far outline of its pattern.
#pragma once

#include "formulas/BaseMeasureFormula.h"
#include "formulas/DistanceProbe.h"

class CPattern;

/// A measure (type 19) of its pattern: the distance, per size, from the point that index point 0
/// stands for (its resolved point) along the direction "AngleDeg" (degrees) to the farthest
/// crossing with the pattern's outlines. 0 without a point. Stored after the base: "Pattern"
/// (when set), "Point" (read from older files only: it becomes index point 0 and its pattern
/// the measured one), "AngleDeg" (required).
class CMeasureDistP2S : public CBaseMeasureFormula, private IProbeSource
{
public:
    static constexpr int kFormulaType = 19;

    CMeasureDistP2S();

    /// "CMeasureDistP2S", base CBaseMeasureFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    CPattern *GetPattern() const override { return m_pPattern; }
    std::string GetFormulaText() override { return {}; }
    /// Whether the point is the measured point's rule or one of the grade points on either side
    /// of the outline segment the probe crosses.
    bool UsesPoint(const CBasePoint *point) override;
    /// The base part, the pattern and the angle.
    void CopyFrom(const CBaseFormula &other) override;
    void OnReferencesResolved() override;

    void SetPattern(CPattern *pattern);
    double GetAngleDeg() const { return m_dAngleDeg; }
    void SetAngleDeg(double angle);
    /// Index point 0.
    CBasePoint *GetMeasuredPoint() const { return GetIndexPoint(0); }
    void SetMeasuredPoint(CBasePoint *point) { SetIndexPoint(0, point); }
    /// Where the probe starts and where it meets the far outline, for the size.
    DPOINT GetFirstBound(int table, int size) { return m_oProbe.GetFirstBound(table, size); }
    DPOINT GetSecondBound(int table, int size) { return m_oProbe.GetSecondBound(table, size); }

protected:
    double ComputeValue(int table, int size) override;
    /// Forgets the probe's distances.
    void RecomputeAll() override;
    int GetResolvedCount() const override { return 1; }
    void OnResolvedChanged(int index) override;
    /// "<display name>(<point>, <angle> deg)": the measured point with the flag, else its rule.
    void DoGetDisplayText(std::string &out, bool flag) override;

private:
    DPOINT GetProbeOrigin(const IGradeSize *size) override;
    double GetProbeAngle() override;
    bool AcceptsCrossing(DPOINT) override { return true; }
    void GetProbePatterns(CPtrCollection<CPattern> &out) override;

    CDistanceProbe m_oProbe{*this, true};
    CBasePoint *m_pOldPoint = nullptr;
    CPattern *m_pPattern = nullptr;
    double m_dAngleDeg = 0.0;
};
