// Morvane formula library.
// The point formula that moves its point along the direction in which its polyline leaves it.
#pragma once

#include "formulas/BasePointFormula.h"

class CPolyline;

/// Moves its point by a distance (parameter 0) along the direction in which its polyline leaves
/// it (or enters it, backward): "%PA(...)=%RG(<direction in degrees>,<distance>,0)". For the
/// bound input point, of the polylines through it the direction nearest the mask polyline's is
/// taken. Type 7. Stored: "Backward" (always) and "Polyline" (when set).
class CPointFormulaMovePred : public CBasePointFormula
{
public:
    static constexpr int kFormulaType = 7;

    CPointFormulaMovePred();

    /// "CPointFormulaMovePred", base CBasePointFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    std::string GetFormulaText() override { return {}; }
    void AddFormulaText(std::vector<std::string> &texts) override;
    /// The base check; without a polyline it fails (105, with a reporter).
    bool CheckIndexPoints(CFormulaMessageList *reporter) override;
    void CopyFrom(const CBaseFormula &other) override;
    /// ResolvePolyline, then the point formula's update.
    void UpdateFromVersion2115to2116() override;

    bool GetBackward() const { return m_bBackward; }
    void SetBackward(bool backward) { m_bBackward = backward; }
    std::string GetDistance() { return FormatParam(0); }
    bool SetDistance(const std::string &text) { return SetParamText(0, text); }
    CPolyline *GetPolyline() const { return m_pPolyline; }
    void SetPolyline(CPolyline *polyline) { m_pPolyline = polyline; }
    /// Takes the polyline of the graded point: the only one through it, else the one that ends
    /// there (starts there, backward), else the first.
    void ResolvePolyline();
    /// The direction (radians) in which the bound point moves; 0 without a bound point or
    /// polyline, or when no polyline passes the bound point.
    double GetDirection() const;

protected:
    /// "<name><-(<distance>)" backward, "<name>->(<distance>)" forward.
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    bool m_bBackward = false;
    CPolyline *m_pPolyline = nullptr;
};
