// Morvane formula library.
// The interpolation between the end of one path formula and the start of another.
#pragma once

#include "formulas/BasePointsInterpolateFormula.h"

/// Interpolates between the end of path formula A and the start of path formula B (type 15,
/// global). Stored after "RotateBack": "PathA" and "PathB" (both required).
class CInterpolatePathPoints : public CBasePointsInterpolateFormula
{
public:
    static constexpr int kFormulaType = 15;

    CInterpolatePathPoints();

    /// "CInterpolatePathPoints", base CBasePointsInterpolateFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// The turn from the direction in which path A ends to the one in which path B starts,
    /// negated, in (-pi, pi]; 0 while either path has fewer than two shape points.
    double GetAngle() override;
    /// Path A or path B.
    bool DependsOnFormula(IBaseFormula *other) override;
    /// A path that is the removed formula is dropped.
    void OnIndexPointsChanged(IBaseFormula *removed) override;
    void CopyFrom(const CBaseFormula &other) override;

    IBaseFormula *GetPathA() const { return m_pPathA; }
    IBaseFormula *GetPathB() const { return m_pPathB; }
    void SetPathA(IBaseFormula *path);
    void SetPathB(IBaseFormula *path);

protected:
    /// Resolved points 0 and 1 from path A's end and start, 2 and 3 from path B's start and end.
    void Recalculate() override;
    /// "<name>(<path A's text>, <path B's text>)", "P?" for a missing path.
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    IBaseFormula *m_pPathA = nullptr;
    IBaseFormula *m_pPathB = nullptr;
};
