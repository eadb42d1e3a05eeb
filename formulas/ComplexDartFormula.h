// Morvane formula library.
// The complex dart: a pattern dart that also names its closed-dart point and the points on
// either side of the dart that move with it.
#pragma once

#include "formulas/DartPatternFormula.h"

#include <initializer_list>

class CBasePointFormula;

/// A pattern dart (index points 0 to 2) with up to three further index points: the
/// closed-dart point, the point before the dart that turns or extends with it (begin side) and
/// the point after it (end side), each at its own index position (3, 4 and 5 by default). It
/// requires 3 index points, plus 1 with a closed-dart point, plus 1 when the begin side turns
/// or extends, plus 1 when the end side does. Type 26.
///
/// Graded per input pattern: for each input point associated with the apex's mask point, a
/// copy of the dart on the associated points of that pattern (a runtime formula), and when
/// that copy is valid, the point formulas of the points around it on that pattern: a closed
/// dart formula for the closed-dart point (it turns with the first leg and keeps its distance
/// from the dart point), and a keep-angle-and-length formula for each side that turns (the
/// point keeps its angle to the leg on its side and its distance from the leg's end). Sides
/// that extend generate nothing yet. Without associations the dart grades its own resolved
/// points as a pattern dart does.
///
/// Stored after the pattern dart's keys: "FoldAtBeginPoint", "AffectedPointBegin",
/// "AffectedPointEnd", "ClosedDartPoint", "DepthGrading", "RotateBegin", "RotateEnd",
/// "ExtendBegin", "ExtendEnd", all required.
class CComplexDartFormula : public CDartPatternFormula
{
public:
    static constexpr int kFormulaType = 26;

    CComplexDartFormula();

    /// "CComplexDartFormula", base CDartPatternFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// The pattern dart's copy, then the fold flag, the four side flags and the three
    /// positions; the required index count is counted again.
    void CopyFrom(const CBaseFormula &other) override;
    /// The dart copies and point formulas described above, handed to the formula manager.
    void Update() override;

    CBasePoint *GetBeginAffectedPoint() const { return GetIndexPoint(m_iAffectedPointBegin); }
    CBasePoint *GetEndAffectedPoint() const { return GetIndexPoint(m_iAffectedPointEnd); }
    CBasePoint *GetClosedDartPoint() const { return GetIndexPoint(m_iClosedDartPoint); }
    /// Each of these stores the point at its index position and counts the required index
    /// points again.
    void SetBeginAffectedPoint(CBasePoint *point);
    void SetEndAffectedPoint(CBasePoint *point);
    void SetClosedDartPoint(CBasePoint *point);
    bool GetFoldAtBeginPoint() const { return m_bFoldAtBeginPoint; }
    void SetFoldAtBeginPoint(bool fold);
    bool GetRotateBegin() const { return m_bRotateBegin; }
    void SetRotateBegin(bool rotate);
    bool GetRotateEnd() const { return m_bRotateEnd; }
    void SetRotateEnd(bool rotate);
    bool GetExtendBegin() const { return m_bExtendBegin; }
    void SetExtendBegin(bool extend);
    bool GetExtendEnd() const { return m_bExtendEnd; }
    void SetExtendEnd(bool extend);

private:
    /// The point formulas around the dart copy on pattern.
    void GeneratePointFormulas(const CPattern *pattern);
    /// A new point formula of type for the mask point, reading the dart's index points of
    /// references, bound to the mask point's associated point on pattern; null when it has none.
    CBasePointFormula *MakeBoundFormula(int type, CBasePoint *maskPoint, const CPattern *pattern,
                                        std::initializer_list<int> references);
    void SetOptionalPoint(int position, CBasePoint *point);
    void RecountRequiredPoints();
    void SetSideFlag(bool &flag, bool value);

    bool m_bFoldAtBeginPoint = false;
    int m_iAffectedPointBegin = 4;
    int m_iAffectedPointEnd = 5;
    int m_iClosedDartPoint = 3;
    bool m_bRotateBegin = false;
    bool m_bRotateEnd = false;
    bool m_bExtendBegin = false;
    bool m_bExtendEnd = false;
};
