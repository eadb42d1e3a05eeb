// Morvane formula library.
// The base of the path formulas: measures of the length of a grade path between two points.
#pragma once

#include "formulas/BaseMeasureFormula.h"
#include "model/GradePath.h"
#include "model/IPathFormula.h"

#include <string>

/// A path formula: a measure whose value for a size is the length of its grade path, which
/// runs from resolved point 0 to resolved point 1 along their pattern's contour, one way round
/// or, when reversed, the other (CGradePath::FillPath with reverse = !GetReverse()). A formula
/// whose end points are missing, or that finds no path, has an empty path: its value is 0 and
/// its check records message 111.
class CBasePathFormula : public CBaseMeasureFormula, public IPathFormula
{
public:
    /// Marked for recomputation: the path is filled when first asked for.
    CBasePathFormula();

    /// "CBasePathFormula", base CBaseMeasureFormula, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// Empty: the program reads the value itself.
    std::string GetFormulaText() override { return {}; }
    IPathFormula *AsPathFormula() override { return this; }
    /// Whether the point is a grade point of the path.
    bool UsesPoint(const CBasePoint *point) override;
    /// The base checks; then, with an empty path, false with message 111 (empty text).
    bool Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker) override;
    /// The base part and the reverse flag; then marked for recomputation.
    void CopyFrom(const CBaseFormula &other) override;

    IGradePath *GetPath() override;
    /// "(<first end>-><second end>)", "<-" when reversed, "P?" for a missing end.
    std::string GetPathText() override;
    bool GetReverse() const override { return m_bReverse; }
    void SetReverse(bool reverse) override;
    /// The direction FillPath is given: true when not reversed.
    bool GetFillDirection() const { return !m_bReverse; }

protected:
    /// The length of the path for the size (the base size when either number is negative).
    double ComputeValue(int table, int size) override;
    /// FillPath.
    void Recalculate() override;
    /// A new end point marks the formula for recomputation (not while it fills its path).
    void OnResolvedChanged(int index) override;
    /// "<display name><path text>".
    void DoGetDisplayText(std::string &out, bool flag) override;

    /// Empties the path, then fills it between resolved points 0 and 1 when both exist.
    void FillPath();
    /// The path text between two points.
    std::string FormatPathText(const CBasePoint *first, const CBasePoint *last) const;
    /// Sets resolved point index without marking the formula changed.
    void SetEndPoint(int index, CBasePoint *point);
    CGradePath &GetGradePath() { return m_oPath; }

    bool m_bReverse = false;

private:
    CGradePath m_oPath;
    bool m_bSettingEnds = false;
};
