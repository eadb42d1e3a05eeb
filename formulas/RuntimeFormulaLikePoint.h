// Morvane formula library.
// The runtime formula that grades one input point like another.
#pragma once

#include "formulas/BaseRuntimePointFormula.h"

/// Made for a grading run (type 14, global): grades resolved point 0 like resolved point 1,
/// "%PA(<x>,<y>,<graded>)=<copied>". No stored keys of its own.
class CRuntimeFormulaLikePoint : public CBaseRuntimePointFormula
{
public:
    static constexpr int kFormulaType = 14;

    CRuntimeFormulaLikePoint();

    /// "CRuntimeFormulaLikePoint", base CBaseFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// The line; empty while a point is missing.
    std::string GetFormulaText() override;
    /// The copied point.
    bool UsesPoint(const CBasePoint *point) override;

    void SetGradedPoint(CBasePoint *point) { SetResolved(0, point); }
    void SetCopiedPoint(CBasePoint *point) { SetResolved(1, point); }
    CBasePoint *GetGradedPoint() { return GetResolvedPoint(0); }
    CBasePoint *GetCopiedPoint() { return GetResolvedPoint(1); }

protected:
    int GetResolvedCount() const override { return 2; }
    /// Empty with mask labels; else the copied point's name.
    void DoGetDisplayText(std::string &out, bool maskLabels) override;
};
