// Morvane formula library.
// The base of the lapel formulas: the six points of a lapel graded together.
#pragma once

#include "formulas/BaseFormula.h"

#include <string>

/// Grades the six points of a lapel (the resolved points 0 to 5, in outline order) together
/// from two expressions (parameters 0 and 1, stored by old masks as "Delta1" and "Delta2"):
/// "%LG(<0>,<1>,<2>,<3>,<4>,<5>,<parameter 0>,<parameter 1>)". Point 0 is read, points 1 to 5
/// are moved. Type 4.
class CBaseLapelFormula : public CBaseFormula
{
public:
    static constexpr int kFormulaType = 4;
    static constexpr int kLapelPointCount = 6;

    /// "CBaseLapelFormula", base CBaseFormula, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    /// Both 0.
    int GetApplyTypeX() const override;
    int GetApplyTypeY() const override;
    /// Whether the point is resolved point 0 or 5.
    bool UsesPoint(const CBasePoint *point) override;
    /// The pattern of the first point the formula collects; null when none.
    CPattern *GetPatternOfPoints();
    /// Empty while a lapel point is missing.
    std::string GetFormulaText() override;
    /// The base check, then each lapel point in a read-only region fails (108 with its name).
    bool Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker) override;

    std::string GetFirstText() { return FormatParamForDisplay(0); }
    bool SetFirstText(const std::string &text) { return SetParamText(0, text); }
    std::string GetSecondText() { return FormatParamForDisplay(1); }
    bool SetSecondText(const std::string &text) { return SetParamText(1, text); }
    /// Resolved point i (0 to 5); null when missing.
    CBasePoint *GetLapelPoint(int i) { return GetResolvedPoint(i); }

protected:
    int GetResolvedCount() const override { return kLapelPointCount; }
    /// The resolved points from 1 on: point 0 is only read.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// "<name>(<0>..<5>)" with the lapel points, or with index points 0 and 5 when asked for
    /// ("<name>()" for a region lapel then); "P?" for a missing one.
    void DoGetDisplayText(std::string &out, bool indexPoints) override;
};
