// Morvane formula library.
// The point formula that grades its point like another point, or like the difference of two.
#pragma once

#include "formulas/BasePointFormula.h"

/// Grades its point like reference point 0, or like the difference of references 0 and 1 when
/// a second point is set: "%PA(...)=P3" or "%PA(...)=P3-P4". Type 6.
class CPointFormulaLikePoint : public CBasePointFormula
{
public:
    static constexpr int kFormulaType = 6;

    CPointFormulaLikePoint();

    /// "CPointFormulaLikePoint", base CBasePointFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    std::string GetFormulaText() override;
    /// Resolved point 0 or 1.
    bool UsesPoint(const CBasePoint *point) override;
    /// Two points are needed when a second point was stored.
    void OnReferencesResolved() override;

    CBasePoint *GetReferencePoint() const { return GetIndexPoint(0); }
    void SetReferencePoint(CBasePoint *point) { SetIndexPoint(0, point); }
    CBasePoint *GetSecondPoint() const { return GetIndexPoint(1); }
    /// Sets (null: clears) the second point; one or two points are needed accordingly.
    void SetSecondPoint(CBasePoint *point);

protected:
    /// The reference point's name, then " - " and the second point's when there is one.
    void DoGetDisplayText(std::string &out, bool maskLabels) override;
};
