// Morvane formula library.
// The point formula of a closed dart: the point folded over the dart between two legs.
#pragma once

#include "formulas/BasePointFormula.h"

/// Grades its point as a closed dart folds it: index points 0 and 2 are the leg ends, 1 the
/// dart point; "%PA(...)=%DGC(<B>,<first leg>,<dart>,<second leg>,<value>)", the legs in the
/// order 0, 2 when fold-at-begin-point is set, else 2, 0. Type 27, apply types 1 and 1.
/// Stored: "FoldAtBeginPoint".
class CPointFormulaClosedDart : public CBasePointFormula
{
public:
    static constexpr int kFormulaType = 27;

    CPointFormulaClosedDart();

    /// "CPointFormulaClosedDart", base CBasePointFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// Empty: the line is added by AddFormulaText.
    std::string GetFormulaText() override { return {}; }
    /// The line of the bound point, when it and every resolved point are there.
    void AddFormulaText(std::vector<std::string> &texts) override;
    /// Resolved point 0, 1 or 2.
    bool UsesPoint(const CBasePoint *point) override;
    void CopyFrom(const CBaseFormula &other) override;

    bool GetFoldAtBeginPoint() const { return m_bFoldAtBeginPoint; }
    void SetFoldAtBeginPoint(bool fold) { m_bFoldAtBeginPoint = fold; }

protected:
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    bool m_bFoldAtBeginPoint = true;
};
