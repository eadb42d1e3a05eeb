// Morvane formula library.
// The runtime formula that grades one input point by interpolation between two others.
#pragma once

#include "formulas/BaseRuntimePointFormula.h"

/// Made for a grading run (type 12, global; no registry element): grades resolved point 0 by
/// interpolation between resolved points 1 and 2, "%PA(<x>,<y>,<p0>)=%IPL(<p0>,<p1>,<p2>)".
class CRuntimeInterpolateFormula : public CBaseRuntimePointFormula
{
public:
    static constexpr int kFormulaType = 12;

    CRuntimeInterpolateFormula();

    /// "CRuntimeInterpolateFormula", base CBaseFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    bool IsRuntimeFormula() const override { return true; }
    /// The line; empty while a point is missing.
    std::string GetFormulaText() override;
    /// Resolved points 1 and 2; for a slider point 0, also the points of its slider's line.
    bool UsesPoint(const CBasePoint *point) override;
    /// An extend formula that acts on one of the two end points is not needed: the base test
    /// otherwise.
    bool IsDependentOnCollected(IBaseFormula *other,
                                const CPtrCollection<CBasePoint> &otherPoints) override;

    void SetPoint(int position, CBasePoint *point) { SetResolved(position, point); }
    CBasePoint *GetPoint(int position) { return GetResolvedPoint(position); }
    bool GetKeepOnCurve() const { return m_bKeepOnCurve; }
    void SetKeepOnCurve(bool keep) { m_bKeepOnCurve = keep; }

protected:
    int GetResolvedCount() const override { return 3; }
    /// Empty with mask labels; else "<name>(<p1>, <p2>)".
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    bool m_bKeepOnCurve = false;
};
