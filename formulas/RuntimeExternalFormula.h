// Morvane formula library.
// The runtime formula that marks a point as graded outside the formulas.
#pragma once

#include "formulas/BaseFormula.h"

class CPolyline;

/// Made for a grading run (type 31, global): marks its point (resolved point 0), and the line of
/// its slider anchor, as graded outside the formulas. It hands the parser nothing.
class CRuntimeExternalFormula : public CBaseFormula
{
public:
    static constexpr int kFormulaType = 31;

    /// "CRuntimeExternalFormula", base CBaseFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    int GetApplyTypeX() const override { return 1; }
    int GetApplyTypeY() const override { return 1; }
    /// Empty.
    std::string GetFormulaText() override { return {}; }
    /// The slider anchor of the point, or a point on the anchor's line; false for a point
    /// without anchor.
    bool UsesPoint(const CBasePoint *point) override;

    void SetPoint(CBasePoint *point) { SetResolved(0, point); }
    CBasePoint *GetPoint() { return GetResolvedPoint(0); }

protected:
    int GetResolvedCount() const override { return 1; }
    /// The point.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// Empty with mask labels; else "<name>(<slider anchor>)".
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    /// The point's slider anchor and the line of its curve; null for no input point.
    CBasePoint *FindAnchor(CPolyline *&line);
};
