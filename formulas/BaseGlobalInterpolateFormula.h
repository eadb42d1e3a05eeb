// Morvane formula library.
// The base of the formulas that grade chosen points of a set by interpolation from the others.
#pragma once

#include "formulas/BaseFormula.h"

#include <cstdint>
#include <functional>

/// The kinds of point a global interpolation grades (bits of "InterpolateType").
enum INTERPOLATE_POINT_KIND : uint32_t {
    INTERPOLATE_FREE = 0x1,            ///< points that are no contour point
    INTERPOLATE_OUTLINE = 0x2,         ///< outline contour points that end no polyline
    INTERPOLATE_OUTLINE_END = 0x4,     ///< outline points that end a polyline
    INTERPOLATE_INNER_CONTOUR = 0x8,   ///< contour points off the outline
};

/// Grades the points of its set (the resolved points) that are of the chosen kinds and that no
/// other valid formula grades, each by interpolation from the remaining points (the support
/// points): one line "%PA(1, 1, <P>)=%GI(<P>,<kind>,<support>,...)" per graded point. Acts on
/// both axes.
class CBaseGlobalInterpolateFormula : public CBaseFormula
{
public:
    /// "CBaseGlobalInterpolateFormula", base CBaseFormula, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetApplyTypeX() const override { return 1; }
    int GetApplyTypeY() const override { return 1; }
    /// Empty: the lines are added by AddFormulaText.
    std::string GetFormulaText() override { return {}; }
    void AddFormulaText(std::vector<std::string> &texts) override;
    /// A point of the set that is neither graded here nor read by a formula that reads a graded
    /// point: a support point.
    bool UsesPoint(const CBasePoint *point) override;
    /// The base check (without the set's points); an empty set fails (110).
    bool Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker) override;
    /// The base copy and the point kinds.
    void CopyFrom(const CBaseFormula &other) override;

    int GetInterpolationKind() const { return m_nInterpolationKind; }
    /// Sets or clears one INTERPOLATE_POINT_KIND bit.
    void SetPointKind(uint32_t kind, bool set);
    bool HasPointKind(uint32_t kind) const { return (m_nPointKinds & kind) != 0; }
    /// Whether the formula grades the point.
    bool IsSelected(CBasePoint *point);
    /// The formulas of a grading run (not owned) that tell which points are graded elsewhere
    /// and which read the points graded here; null (at first): the mask's formulas.
    void SetGradingFormulas(const CPtrCollection<IBaseFormula> *formulas)
    {
        m_pGradingFormulas = formulas;
    }

protected:
    CBaseGlobalInterpolateFormula();

    int GetResolvedCount() const override { return m_nResolvedCount; }
    /// Makes the points the set (the resolved points, from 0).
    void StorePoints(const CPtrCollection<CBasePoint> &points);
    /// The selected points of the set, in order.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// "<name>(<support>,...)".
    void DoGetDisplayText(std::string &out, bool maskLabels) override;
    /// The stored point kinds, for the kinds to register.
    uint32_t *PointKinds() { return &m_nPointKinds; }

private:
    /// Whether test passes for a formula other than this one: of the grading run when one is
    /// set, else of the mask (none without an owner).
    bool AnyOtherFormula(const std::function<bool(IBaseFormula &)> &test) const;
    bool IsGradedElsewhere(const CBasePoint *point) const;
    bool IsOfChosenKind(CBasePoint *point) const;
    bool IsCircular(const CBasePoint *point, const CPtrCollection<CBasePoint> &selected);
    std::string SupportText();

    int m_nResolvedCount = 0;
    uint32_t m_nPointKinds = 0;
    int m_nInterpolationKind = 2;
    const CPtrCollection<IBaseFormula> *m_pGradingFormulas = nullptr;
};
