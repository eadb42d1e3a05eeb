// Morvane formula library.
// The dart formula of one pattern: its three dart points picked as index points.
#pragma once

#include "formulas/BaseDartFormula.h"

/// A dart on one pattern: index points 0, 1 and 2 are the dart's points (required), their
/// associated points the dart points. Stored: "Pattern" (required) after the dart's keys.
class CDartPatternFormula : public CBaseDartFormula
{
public:
    CDartPatternFormula();

    /// "CDartPatternFormula", base CBaseDartFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    CPattern *GetPattern() const override { return m_pPattern; }
    void SetPattern(CPattern *pattern);

private:
    CPattern *m_pPattern = nullptr;
};
