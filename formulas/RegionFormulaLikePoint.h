// Morvane formula library.
// The formula that grades every point of a grade region like one point, or two points' difference.
#pragma once

#include "formulas/BaseFormula.h"

class CGradeRegion;

/// Grades every point of its grade region like reference point 0 (index point 0), or like the
/// difference of references 0 and 1: "%PA(<x>,<y>,<point>,<point>,...)=<r0>[-<r1>]", the
/// references written as the points they stand for (their associated points). The resolved
/// points are the references, then the region's other points. Type 13. Stored: "Region",
/// "ApplyTypeX" and "ApplyTypeY" (all required).
class CRegionFormulaLikePoint : public CBaseFormula
{
public:
    static constexpr int kFormulaType = 13;

    CRegionFormulaLikePoint();

    /// "CRegionFormulaLikePoint", base CBaseFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    IRegion *GetRegion() const override;
    int GetApplyTypeX() const override { return m_eApplyTypeX; }
    int GetApplyTypeY() const override { return m_eApplyTypeY; }
    /// Whether the point is what a reference stands for.
    bool UsesPoint(const CBasePoint *point) override;
    /// The base check; a region without points of its own fails (110).
    bool Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker) override;
    /// The line; empty while a reference stands for no point.
    std::string GetFormulaText() override;
    /// The base copy and the apply types.
    void CopyFrom(const CBaseFormula &other) override;

    void SetRegion(CGradeRegion *region);
    void SetApplyTypeX(int type) { m_eApplyTypeX = type; }
    void SetApplyTypeY(int type) { m_eApplyTypeY = type; }
    CBasePoint *GetReferencePoint(int i) const { return GetIndexPoint(i); }
    void SetReferencePoint(CBasePoint *point) { SetIndexPoint(0, point); }
    /// Sets (null: clears) reference 1; one or two references are needed accordingly.
    void SetSecondReferencePoint(CBasePoint *point);
    /// Two references are needed when a second one was stored.
    void OnReferencesResolved() override;

protected:
    int GetResolvedCount() const override { return m_nResolvedCount; }
    /// The references' points, then the region's points other than the references.
    void Recalculate() override;
    /// The region points.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// "<reference>[ - <second reference>]".
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    CGradeRegion *m_pRegion = nullptr;
    int m_eApplyTypeX = 0;
    int m_eApplyTypeY = 0;
    int m_nResolvedCount = 0;
};
