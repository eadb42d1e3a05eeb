// Morvane formula library.
// The lapel formula of one pattern: its six lapel points picked as index points.
#pragma once

#include "formulas/BaseLapelFormula.h"

/// A lapel on one pattern: index points 0 to 5 are the lapel's points (required), their
/// associated points the lapel points. Stored: "Pattern" (required).
class CLapelPatternFormula : public CBaseLapelFormula
{
public:
    CLapelPatternFormula();

    /// "CLapelPatternFormula", base CBaseLapelFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    CPattern *GetPattern() const override { return m_pPattern; }
    void SetPattern(CPattern *pattern);
    /// Whether the point is index point 0.
    bool IsIndexedPoint(const CBasePoint *point) const override;

private:
    CPattern *m_pPattern = nullptr;
};
