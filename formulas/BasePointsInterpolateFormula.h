// Morvane formula library.
// The base of the formulas that interpolate between the ends of two paths.
#pragma once

#include "formulas/BaseFormula.h"

/// Interpolates between the end of one path and the start of another: resolved point 0 ends
/// path A, 1 starts it, 2 starts path B and 3 ends it. The parser gets the four points and the
/// angle between the paths: "%IP2P(<p0>,<p1>,<p2>,<p3>,<angle in degrees>,<rotate back>)".
/// Acts on both axes. Stored: "RotateBack" (written).
class CBasePointsInterpolateFormula : public CBaseFormula
{
public:
    /// "CBasePointsInterpolateFormula", base CBaseFormula, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetApplyTypeX() const override { return 1; }
    int GetApplyTypeY() const override { return 1; }
    /// The line; empty while a point is missing.
    std::string GetFormulaText() override;
    /// The points of the two paths the line reads: the start of path A and the end of path B
    /// (resolved points 1 and 3), so that the formula comes after the formulas grading them.
    bool UsesPoint(const CBasePoint *point) override;
    /// The base copy and rotate back.
    void CopyFrom(const CBaseFormula &other) override;

    /// The angle between the paths, in radians.
    virtual double GetAngle() = 0;
    bool GetRotateBack() const { return m_bRotateBack; }
    void SetRotateBack(bool rotateBack) { m_bRotateBack = rotateBack; }

protected:
    CBasePointsInterpolateFormula();

    int GetResolvedCount() const override { return 4; }
    /// Resolved points 0 and 2: the ends the formula grades.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;

private:
    bool m_bRotateBack = true;
};
