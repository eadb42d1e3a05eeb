// Morvane formula library.
// The point formula of a closed dart: the point folded over the dart between two legs.
#pragma once

#include "formulas/BaseParserLinePointFormula.h"

/// Grades its point as a closed dart folds it: index points 0 and 2 are the leg ends, 1 the
/// dart point; "%PA(...)=%DGC(<B>,<first leg>,<dart>,<second leg>,<value>)", the legs in the
/// order 0, 2 when fold-at-begin-point is set, else 2, 0. Type 27, apply types 1 and 1.
/// Stored: "FoldAtBeginPoint".
class CPointFormulaClosedDart : public CBaseParserLinePointFormula
{
public:
    static constexpr int kFormulaType = 27;

    CPointFormulaClosedDart();

    /// "CPointFormulaClosedDart", base CBasePointFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// Resolved point 0, 1 or 2.
    bool UsesPoint(const CBasePoint *point) override;
    void CopyFrom(const CBaseFormula &other) override;

    bool GetFoldAtBeginPoint() const { return m_bFoldAtBeginPoint; }
    void SetFoldAtBeginPoint(bool fold) { m_bFoldAtBeginPoint = fold; }

protected:
    std::string GetLineValue() override;
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    bool m_bFoldAtBeginPoint = true;
};
