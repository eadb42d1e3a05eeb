// Morvane formula library.
// The base of the measures: formulas that publish a value per size under a variable name.
#pragma once

#include "formulas/BaseFormula.h"
#include "model/IMeasureFormula.h"

#include <string>

/// A measure: it moves nothing (both apply types 2) and publishes the value it measures for
/// each size under its variable name ("VarName", written when set), which other formulas use in
/// their parameter texts. "ValueType" is registered but neither written nor read.
///
/// A measure is stale after construction and after every change (Invalidate); kinds that cache
/// values call RefreshValue before they read their caches, which recomputes them (RecomputeAll)
/// once. A change of the value sends the after-change event with property 3.
class CBaseMeasureFormula : public CBaseFormula, public IMeasureFormula
{
public:
    /// The property id of the event that says the value changed.
    static constexpr int32_t kValueProperty = 3;

    CBaseMeasureFormula();

    /// "CBaseMeasureFormula", base CBaseFormula, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetApplyTypeX() const override;
    int GetApplyTypeY() const override;
    IMeasureFormula *AsMeasureFormula() override { return this; }
    /// The variable name.
    std::string GetFormulaName() override { return m_sVarName; }
    /// The variable name, "m?" when it is empty.
    std::string GetPointsText() override;
    /// The base part and the variable name; then the value changed.
    void CopyFrom(const CBaseFormula &other) override;

    std::string GetVarName() const override { return m_sVarName; }
    /// Trimmed and lower-cased; a change sends the change events with property 0.
    void SetVarName(const std::string &name) override;
    /// Brings the formula up to date, then ComputeValue.
    double GetValue(int table, int size) override;
    using CBaseFormula::IsValid;
    /// IsValid without a checker.
    bool IsValid() override { return CBaseFormula::IsValid(nullptr); }
    bool IsRuntime() const override { return false; }

    /// Marks the value stale and sends the after-change event with property 3.
    void OnValueChanged();
    /// RecomputeAll once when the value is stale.
    void RefreshValue();

protected:
    /// The measured value for the size (table, size); (-1, -1) is the base size.
    virtual double ComputeValue(int table, int size) = 0;
    /// Drops what the kind caches; nothing here.
    virtual void RecomputeAll();
    /// OnValueChanged.
    int OnInvalidate() override;
    /// Nothing: a measure acts on no point.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;

private:
    std::string m_sVarName;
    int m_nValueType = 2;
    bool m_bStale = true;
};
