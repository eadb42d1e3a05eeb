// Morvane formula library.
// The runtime formula that grades one input point by interpolation between two others.
#pragma once

#include "formulas/BaseFormula.h"

/// Made for a grading run (type 12, global; no registry element): grades resolved point 0 by
/// interpolation between resolved points 1 and 2, "%PA(<x>,<y>,<p0>)=%IPL(<p0>,<p1>,<p2>)".
class CRuntimeInterpolateFormula : public CBaseFormula
{
public:
    static constexpr int kFormulaType = 12;

    CRuntimeInterpolateFormula();

    /// "CRuntimeInterpolateFormula", base CBaseFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    int GetApplyTypeX() const override { return m_eApplyTypeX; }
    int GetApplyTypeY() const override { return m_eApplyTypeY; }
    bool IsRuntimeFormula() const override { return true; }
    /// The point resolved point 0 is associated with; null when it is not set.
    CBasePoint *GetBasePoint() const override;
    /// The line; empty while a point is missing.
    std::string GetFormulaText() override;
    /// Resolved points 1 and 2; for a slider point 0, also the points of its slider's line.
    bool UsesPoint(const CBasePoint *point) override;
    /// An extend formula that acts on one of the two end points is not needed: the base test
    /// otherwise.
    bool IsDependentOn(IBaseFormula *other) override;
    /// Whether the point is what resolved point 1 or 2 is associated with.
    bool IsIndexedPoint(const CBasePoint *point) const override;

    void SetApplyTypeX(int type) { m_eApplyTypeX = type; }
    void SetApplyTypeY(int type) { m_eApplyTypeY = type; }
    void SetPoint(int position, CBasePoint *point) { SetResolved(position, point); }
    CBasePoint *GetPoint(int position) { return GetResolvedPoint(position); }
    bool GetKeepOnCurve() const { return m_bKeepOnCurve; }
    void SetKeepOnCurve(bool keep) { m_bKeepOnCurve = keep; }

protected:
    int GetResolvedCount() const override { return 3; }
    /// Resolved point 0.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// Empty with mask labels; else "<name>(<p1>, <p2>)".
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    int m_eApplyTypeX = 1;
    int m_eApplyTypeY = 1;
    bool m_bKeepOnCurve = false;
};
