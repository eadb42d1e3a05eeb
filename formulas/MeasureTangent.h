// Morvane formula library.
// The measure of the direction of a polyline at a point.
#pragma once

#include "formulas/BaseMeasureFormula.h"

class CPolyline;

/// A global measure (type 21): the direction in degrees in which its polyline leaves the
/// tangent point (resolved point 0) towards the next grade point (forward) or the previous one,
/// for each size. 0 without a polyline or a tangent point. Nothing beyond the base is stored.
class CMeasureTangent : public CBaseMeasureFormula
{
public:
    static constexpr int kFormulaType = 21;

    /// "CMeasureTangent", base CBaseMeasureFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    std::string GetFormulaText() override { return {}; }
    /// The base checks; then, without a polyline, false with message 105 (empty text).
    bool Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker) override;
    /// Whether point is the neighbouring grade point of the tangent point, on the polyline, in
    /// the chosen direction.
    bool UsesPoint(const CBasePoint *point) override;
    /// The base part, the polyline and the direction.
    void CopyFrom(const CBaseFormula &other) override;

    CPolyline *GetPolyline() const { return m_pPolyline; }
    void SetPolyline(CPolyline *polyline);
    bool IsForward() const { return m_bForward; }
    void SetForward(bool forward);
    /// The point the direction is taken at (resolved point 0).
    void SetTangentPoint(CBasePoint *point) { SetResolved(0, point); }
    CBasePoint *GetTangentPoint() { return GetResolvedPoint(0); }

protected:
    double ComputeValue(int table, int size) override;
    void OnResolvedChanged(int index) override;
    /// "<display name>(<tangent point>->)", "<-" when backward.
    void DoGetDisplayText(std::string &out, bool flag) override;

private:
    CPolyline *m_pPolyline = nullptr;
    bool m_bForward = true;
};
