// Morvane formula library.
// The proportional-distance formulas of a mask pattern and of a grade region: their settings
// and measure paths, as older mask files store them.
#pragma once

#include "formulas/BaseFormula.h"
#include "formulas/MeasureGradePath.h"

#include <string>

class CGradeRegion;
class CMaskPattern;

/// What the two proportional-distance formulas share: a variable name, the measure paths along
/// which the points between the end points (index points 0 and 1) keep their share of the
/// distance, an adjust type and whether the share is taken by length. The classes keep and store
/// these settings (the points are moved by the formulas that replace them, type 28); they write
/// no text and act on no point. Stored after the base: "VarName" (when set), "ValueType" (read
/// only), the kind's target, then "MeasurePaths", "AdjustType" and "ProportionByLength" (each
/// when set).
class CBasePropDistFormula : public CBaseFormula
{
public:
    /// The type id of both kinds, each in its own category.
    static constexpr int kFormulaType = 1;

    /// "CBasePropDistFormula", base CBaseFormula, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kFormulaType; }
    int GetApplyTypeX() const override;
    int GetApplyTypeY() const override;
    /// Empty.
    std::string GetFormulaText() override { return {}; }
    /// The variable name.
    std::string GetFormulaName() override { return m_sVarName; }
    /// The base part, the settings and a copy of each measure path.
    void CopyFrom(const CBaseFormula &other) override;

    /// A new measure path for the path formula, appended; returns its index.
    int AddMeasurePath(IBaseFormula *pathFormula);
    int GetMeasurePathCount() const { return m_oMeasurePaths.GetCount(); }
    CMeasureGradePath *GetMeasurePathAt(int i) const { return m_oMeasurePaths.GetAt(i); }
    const std::string &GetVarName() const { return m_sVarName; }
    void SetVarName(const std::string &name) { m_sVarName = name; }
    int GetAdjustType() const { return m_nAdjustType; }
    void SetAdjustType(int type) { m_nAdjustType = type; }
    bool GetProportionByLength() const { return m_bProportionByLength; }
    void SetProportionByLength(bool byLength) { m_bProportionByLength = byLength; }

protected:
    CBasePropDistFormula();
    /// Registers the keys that follow the kind's target; each kind calls it after its own.
    void RegisterMeasureKeys();
    /// Nothing.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// Empty.
    void DoGetDisplayText(std::string &out, bool flag) override;

private:
    bool m_bProportionByLength = false;
    int m_nAdjustType = 0;
    COwningCollection<CMeasureGradePath> m_oMeasurePaths;
    std::string m_sVarName;
    int m_nValueType = 2;
};

/// The proportional-distance formula of a mask pattern ("Reverse" when set, "Pattern").
class CPropDistPatternFormula : public CBasePropDistFormula
{
public:
    CPropDistPatternFormula();

    /// "CPropDistPatternFormula", base CBasePropDistFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    CPattern *GetPattern() const override;
    /// The shared part, the pattern and the reverse flag.
    void CopyFrom(const CBaseFormula &other) override;

    CMaskPattern *GetMaskPattern() const { return m_pPattern; }
    void SetPattern(CMaskPattern *pattern) { m_pPattern = pattern; }
    bool GetReverse() const { return m_bReverse; }
    void SetReverse(bool reverse) { m_bReverse = reverse; }

private:
    CMaskPattern *m_pPattern = nullptr;
    bool m_bReverse = false;
};

/// The proportional-distance formula of a grade region ("Region").
class CPropDistRegionFormula : public CBasePropDistFormula
{
public:
    CPropDistRegionFormula();

    /// "CPropDistRegionFormula", base CBasePropDistFormula, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    IRegion *GetRegion() const override;
    /// The shared part and the region.
    void CopyFrom(const CBaseFormula &other) override;

    CGradeRegion *GetGradeRegion() const { return m_pRegion; }
    void SetRegion(CGradeRegion *region) { m_pRegion = region; }

private:
    CGradeRegion *m_pRegion = nullptr;
};
