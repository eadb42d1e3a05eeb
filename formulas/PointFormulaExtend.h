// Morvane formula library.
// The point formula that sets its point on the line from a reference point through it.
#pragma once

#include "formulas/BasePointFormula.h"

/// Sets its point at a distance (parameter 0) on the line from reference point 0 through it;
/// with a path formula the parser's SYSTEMPARSERVAR is subtracted from the distance. The copy of
/// an extend formula writes "%PA(...)=%CLE(<B>,<r>,<d>[ - SYSTEMPARSERVAR],1.000000)"; a copy
/// refreshed through another kind of formula (a complex dart) writes
/// "%PA(...)=%RG(<angle>,<d>[ - SYSTEMPARSERVAR],0)" with the angle from the reference point to
/// the point in degrees. Type 10. Stored: "PathFormula" (a formula, when set).
class CPointFormulaExtend : public CBasePointFormula
{
public:
    static constexpr int kFormulaType = 10;

    CPointFormulaExtend();

    /// "CPointFormulaExtend", base CBasePointFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    std::string GetFormulaText() override { return {}; }
    void AddFormulaText(std::vector<std::string> &texts) override;
    /// Also the path formula.
    bool DependsOnFormula(IBaseFormula *other) override;
    /// A removed path formula is dropped.
    void OnIndexPointsChanged(IBaseFormula *removed) override;
    void CopyFrom(const CBaseFormula &other) override;

    std::string GetDistance() { return FormatParam(0); }
    bool SetDistance(const std::string &text) { return SetParamText(0, text); }
    IBaseFormula *GetPathFormula() const { return m_pPathFormula; }
    void SetPathFormula(IBaseFormula *formula) { m_pPathFormula = formula; }

protected:
    /// "<name>(<reference>, <distance>[-<path formula's text>])".
    void DoGetDisplayText(std::string &out, bool maskLabels) override;

private:
    /// " - SYSTEMPARSERVAR" with a path formula, else empty.
    std::string DistanceSuffix() const;

    IBaseFormula *m_pPathFormula = nullptr;
};
