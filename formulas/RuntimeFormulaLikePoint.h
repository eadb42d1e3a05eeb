// Morvane formula library.
// The runtime formula that grades one input point like another.
#pragma once

#include "formulas/BaseFormula.h"

/// Made for a grading run (type 14, global): grades resolved point 0 like resolved point 1,
/// "%PA(<x>,<y>,<graded>)=<copied>". No stored keys of its own.
class CRuntimeFormulaLikePoint : public CBaseFormula
{
public:
    static constexpr int kFormulaType = 14;

    CRuntimeFormulaLikePoint();

    /// "CRuntimeFormulaLikePoint", base CBaseFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    int GetApplyTypeX() const override { return m_eApplyTypeX; }
    int GetApplyTypeY() const override { return m_eApplyTypeY; }
    /// The point the graded point is associated with; null when none is set.
    CBasePoint *GetBasePoint() const override;
    /// The line; empty while a point is missing.
    std::string GetFormulaText() override;
    /// The copied point.
    bool UsesPoint(const CBasePoint *point) override;
    /// Whether the point is what the copied point is associated with.
    bool IsIndexedPoint(const CBasePoint *point) const override;

    void SetApplyTypeX(int type) { m_eApplyTypeX = type; }
    void SetApplyTypeY(int type) { m_eApplyTypeY = type; }
    void SetGradedPoint(CBasePoint *point) { SetResolved(0, point); }
    void SetCopiedPoint(CBasePoint *point) { SetResolved(1, point); }
    CBasePoint *GetGradedPoint() { return GetResolvedPoint(0); }
    CBasePoint *GetCopiedPoint() { return GetResolvedPoint(1); }

protected:
    int GetResolvedCount() const override { return 2; }
    /// The graded point.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// Empty with mask labels; else the copied point's name.
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    int m_eApplyTypeX = 1;
    int m_eApplyTypeY = 1;
};
