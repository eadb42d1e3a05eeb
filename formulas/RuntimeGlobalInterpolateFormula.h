// Morvane formula library.
// The global interpolation over the grade points of one pattern, made for a grading run.
#pragma once

#include "formulas/BaseGlobalInterpolateFormula.h"

/// The global interpolation (type 25, global) over the grade points of its pattern, made for a
/// grading run. No stored keys of its own.
class CRuntimeGlobalInterpolateFormula : public CBaseGlobalInterpolateFormula
{
public:
    static constexpr int kFormulaType = 25;

    /// "CRuntimeGlobalInterpolateFormula", base CBaseGlobalInterpolateFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    bool IsRuntimeFormula() const override { return true; }

    /// Sets the pattern (not owned); the formula will take its grade points again.
    void SetPointsPattern(CPattern *pattern);
    CPattern *GetPointsPattern() const { return m_pPattern; }

protected:
    /// The pattern's grade points become the set.
    void Recalculate() override;

private:
    CPattern *m_pPattern = nullptr;
};
