// Morvane formula library.
// The measure between two points of a pattern: distance, x or y difference, or direction.
#pragma once

#include "formulas/BaseMeasureFormula.h"
#include "foundation/DPoint.h"

class CPattern;

/// What a point-to-point measure measures (measureType).
enum MEASURE_P2P_TYPE {
    MEASURE_DISTANCE = 0,     ///< the distance between the points
    MEASURE_X_DIFFERENCE = 1, ///< |x1 - x0|
    MEASURE_Y_DIFFERENCE = 2, ///< |y1 - y0|
    MEASURE_DIRECTION = 3,    ///< the direction from point 0 to point 1, in degrees
};

/// A measure (type 23) between index points 0 and 1 of its pattern, read at the points they
/// stand for (their resolved points) in each size. Any other measure type than the four gives
/// 0. A point that does not follow the size is read at the base size. Stored after the base:
/// "Pattern" (required), "MeasureAngle" (read from older files only) and "measureType" (when
/// set).
class CMeasureP2P : public CBaseMeasureFormula
{
public:
    static constexpr int kFormulaType = 23;

    CMeasureP2P();

    /// "CMeasureP2P", base CBaseMeasureFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    CPattern *GetPattern() const override { return m_pPattern; }
    /// Empty: the program reads the value itself.
    std::string GetFormulaText() override { return {}; }
    /// Whether a point that follows the size stands for point.
    bool UsesPoint(const CBasePoint *point) override;
    /// The base part, the pattern, the measure type and the follow flags.
    void CopyFrom(const CBaseFormula &other) override;

    void SetPattern(CPattern *pattern);
    int GetMeasureType() const { return m_nMeasureType; }
    /// A change marks the formula for recomputation.
    void SetMeasureType(int type);
    /// Whether point n (0 or 1) is read in the size asked, or always at the base size.
    bool GetFollowsSize(int n) const { return m_aFollowsSize[n]; }
    void SetFollowsSize(int n, bool follows);

    /// Where point n lies for the size; (0, 0) when it stands for no point.
    DPOINT GetPointPosition(int n, int table, int size);
    double GetDistance(int table, int size);
    /// The direction from point 0 to point 1 in degrees.
    double GetDirectionAngle(int table, int size);

protected:
    double ComputeValue(int table, int size) override;
    int GetResolvedCount() const override { return 2; }
    /// "<display name>(<point 0>, <point 1>)".
    void DoGetDisplayText(std::string &out, bool flag) override;

private:
    CPattern *m_pPattern = nullptr;
    bool m_bMeasureAngle = true;
    int m_nMeasureType = MEASURE_DISTANCE;
    bool m_aFollowsSize[2] = {true, true};
};
