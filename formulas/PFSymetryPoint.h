// Morvane formula library.
// The point formula that mirrors a reference point about an axis.
#pragma once

#include "formulas/BasePointFormula.h"

/// The axes a point can be mirrored about.
enum SYMMETRY_AXIS_TYPE {
    SYMMETRY_X = 0,
    SYMMETRY_Y = 1,
    SYMMETRY_XY = 2,
    SYMMETRY_AXIS_FORMULA = 3, ///< the symmetry axis formula's two points
};

/// Grades its point as the mirror image of reference point 0 about the X axis, the Y axis, both,
/// or the axis through the two points of a symmetry axis formula:
/// "%PA(...)=%SYM(<r0>,<axis>,<second axis point>,<first axis point>)"; without an axis
/// formula the axis value written is 0. Type 22. Stored: "SymmetryAxis" (a formula, when set)
/// and "AxisType" (3 at first).
class CPFSymetryPoint : public CBasePointFormula
{
public:
    static constexpr int kFormulaType = 22;

    CPFSymetryPoint();

    /// "CPFSymetryPoint", base CBasePointFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// The line of the bound point; empty when it or the reference point is missing.
    std::string GetFormulaText() override;
    /// Resolved point 0.
    bool UsesPoint(const CBasePoint *point) override;
    /// The axis formula.
    bool DependsOnFormula(IBaseFormula *other) override;
    /// The base list, then the points of the axis formula (when it is a symmetry axis).
    void CollectAllPoints(CPtrCollection<CBasePoint> &list) override;
    /// A removed axis formula is dropped.
    void OnIndexPointsChanged(IBaseFormula *removed) override;
    void CopyFrom(const CBaseFormula &other) override;
    CPFSymetryPoint *GetSymmetryFormula() override { return this; }

    CBasePoint *GetReferencePoint() const { return GetIndexPoint(0); }
    void SetReferencePoint(CBasePoint *point) { SetIndexPoint(0, point); }
    IBaseFormula *GetSymmetryAxis() const { return m_pSymmetryAxis; }
    void SetSymmetryAxis(IBaseFormula *axis) { m_pSymmetryAxis = axis; }
    int GetAxisType() const { return m_eAxisType; }
    void SetAxisType(int type) { m_eAxisType = type; }

protected:
    /// "<name>(<reference>,<axis>)": "X", "Y", "X&Y", or the axis formula's name ("X" without
    /// one).
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    IBaseFormula *m_pSymmetryAxis = nullptr;
    int m_eAxisType = SYMMETRY_AXIS_FORMULA;
};
