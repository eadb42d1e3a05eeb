// Morvane formula library.
// The base of the runtime formulas that grade one input point from others.
#pragma once

#include "formulas/BaseFormula.h"

/// The base of the formulas made for a grading run that grade resolved point 0 from the other
/// resolved points, with the apply types the run sets (1 until set). Not a runtime class: each
/// kind names CBaseFormula as its base.
class CBaseRuntimePointFormula : public CBaseFormula
{
public:
    int GetApplyTypeX() const override { return m_eApplyTypeX; }
    int GetApplyTypeY() const override { return m_eApplyTypeY; }
    /// The point resolved point 0 is associated with; null when it is not set.
    CBasePoint *GetBasePoint() const override;
    /// Whether the point is what one of the other resolved points is associated with.
    bool IsIndexedPoint(const CBasePoint *point) const override;

    void SetApplyTypeX(int type) { m_eApplyTypeX = type; }
    void SetApplyTypeY(int type) { m_eApplyTypeY = type; }

protected:
    /// Resolved point 0.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;

private:
    int m_eApplyTypeX = 1;
    int m_eApplyTypeY = 1;
};
