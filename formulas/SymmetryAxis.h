// Morvane formula library.
// The axis of symmetry of a pattern: a measure of the direction from one of its points to another.
#pragma once

#include "formulas/BaseMeasureFormula.h"
#include "foundation/DPoint.h"

class CPattern;

/// The axis of symmetry of a pattern (type 29): through its points 0 and 1 (index points), it
/// measures the direction from the first to the second in degrees for each size. A point whose
/// graded flag is clear is always read at the base size. Stored after the measure's keys:
/// "Pattern" (required).
class CSymmetryAxis : public CBaseMeasureFormula
{
public:
    static constexpr int kFormulaType = 29;

    CSymmetryAxis();

    /// "CSymmetryAxis", base CBaseMeasureFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    CPattern *GetPattern() const override { return m_pPattern; }
    /// Empty: the program reads the angle itself.
    std::string GetFormulaText() override { return {}; }
    /// The base part, the pattern and the graded flags.
    void CopyFrom(const CBaseFormula &other) override;

    void SetPattern(CPattern *pattern) { m_pPattern = pattern; }
    /// Point which (0 or 1) of the axis.
    CBasePoint *GetPoint(int which) const { return GetIndexPoint(which); }
    void SetPoint(int which, CBasePoint *point) { SetIndexPoint(which, point); }
    bool IsPointGraded(int which) const { return m_aPointGraded[which]; }
    void SetPointGraded(int which, bool graded) { m_aPointGraded[which] = graded; }
    /// Where point which lies for the size (table, size): at the base size when the size names
    /// no table or the point is not graded; (0, 0) without the point.
    DPOINT GetPointPosition(int table, int size, int which) const;
    /// The direction from point 0 to point 1 in degrees (0 for coinciding points).
    double GetAxisAngle(int table, int size) const;
    /// Whether a graded point of the axis has the id.
    bool UsesPointId(int id) const;

protected:
    /// GetAxisAngle.
    double ComputeValue(int table, int size) override { return GetAxisAngle(table, size); }
    /// "<name>(<point 0>, <point 1>)".
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    CPattern *m_pPattern = nullptr;
    bool m_aPointGraded[2] = {true, true};
};
