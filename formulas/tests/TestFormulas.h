// Morvane formula library tests.
// Small formula kinds for the tests: a measure that publishes a name, and a formula whose type,
// attachment, points and formula reference the test chooses, both stored in mask files.
#pragma once

#include "formulas/BaseFormula.h"
#include "foundation/ClassRegistry.h"
#include "model/FormulaFactory.h"
#include "model/IMeasureFormula.h"

#include <string>
#include <vector>

namespace testformulas {

/// Type ids the test kinds are made under.
inline constexpr int kMeasureType = 17;
inline constexpr int kPointType = 5;
inline constexpr int kDartType = 3;
inline constexpr int kComplexDartType = 26;
inline constexpr int kProportionalType = 1;
inline constexpr int kRelativeType = 28;

/// A global measure: its variable name (stored "VarName") is what other formulas use; its
/// parameters are its expression. Acts on nothing, reads nothing.
class TestMeasure : public CBaseFormula, public IMeasureFormula
{
public:
    TestMeasure();

    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kMeasureType; }
    int GetApplyTypeX() const override { return 2; }
    int GetApplyTypeY() const override { return 2; }
    std::string GetFormulaText() override { return m_sVarName + "=(" + GetParamText(0) + ",0)"; }
    IMeasureFormula *AsMeasureFormula() override { return this; }
    std::string GetFormulaName() override { return m_sVarName; }

    std::string GetVarName() const override { return m_sVarName; }
    void SetVarName(const std::string &name) override;
    double GetValue(int, int) override { return 0.0; }
    using CBaseFormula::IsValid;
    bool IsValid() override { return CBaseFormula::IsValid(nullptr); }
    bool IsRuntime() const override { return false; }

protected:
    void DoCollectPoints(CPtrCollection<CBasePoint> &) override {}
    void DoGetDisplayText(std::string &out, bool) override { out = m_sVarName; }

private:
    std::string m_sVarName;
};

/// A formula of any type: attached to its base point (kind 3) or its pattern (kind 2) when set,
/// acting on its base point, reading its index points, needing the formula it refers to, and
/// with as many resolved positions as required index points. Stored: "Type", "BasePoint",
/// "Pattern" and "PathFormula" (a reference to another formula).
class TestFormula : public CBaseFormula
{
public:
    TestFormula();

    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return m_nType; }
    int GetAttachKind() const override;
    CBasePoint *GetBasePoint() const override { return m_pBasePoint; }
    CPattern *GetPattern() const override { return m_pPattern; }
    int GetApplyTypeX() const override { return 1; }
    int GetApplyTypeY() const override { return 1; }
    std::string GetFormulaText() override;
    bool UsesPoint(const CBasePoint *point) override { return HasIndexPoint(point); }
    bool DependsOnFormula(IBaseFormula *other) override { return other == m_pReferenced; }
    /// Takes the replaced formula's parameters and index points.
    void TakeOverFrom(IBaseFormula *replaced) override;
    /// False without a message when set to fail silently; else the base check.
    bool Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker) override;
    /// The base update; then, when set to, hands the manager a runtime copy of itself.
    void Update() override;

    void SetType(int type) { m_nType = type; }
    void SetBasePoint(CBasePoint *point) { m_pBasePoint = point; }
    void SetPattern(CPattern *pattern) { m_pPattern = pattern; }
    void SetReferenced(IBaseFormula *formula) { m_pReferenced = formula; }
    IBaseFormula *GetReferenced() const { return m_pReferenced; }
    void SetRequired(int count) { SetRequiredIndexCount(count); }
    /// Makes the required index points resolve to the points themselves.
    void ResolveToIndexPoints();
    /// How often Recalculate ran.
    int GetRecalculations() const { return m_nRecalculations; }
    void SetFailsSilently(bool fails) { m_bFailsSilently = fails; }
    void SetContributesCopy(bool contributes) { m_bContributesCopy = contributes; }

protected:
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    void DoGetDisplayText(std::string &out, bool flag) override;
    int GetResolvedCount() const override { return GetRequiredIndexCount(); }
    void Recalculate() override { ++m_nRecalculations; }

private:
    int m_nType = kPointType;
    CBasePoint *m_pBasePoint = nullptr;
    CPattern *m_pPattern = nullptr;
    IBaseFormula *m_pReferenced = nullptr;
    int m_nRecalculations = 0;
    bool m_bFailsSilently = false;
    bool m_bContributesCopy = false;
};

/// Puts the test kinds' makers in the formula factory, and the test kinds into the classes a
/// mask file may name, for the life of the object; what was there before comes back after.
class TestKinds
{
public:
    TestKinds();
    ~TestKinds();
    TestKinds(const TestKinds &) = delete;
    TestKinds &operator=(const TestKinds &) = delete;

private:
    struct Replaced
    {
        FORMULA_ATTACH_KIND category;
        int type;
        FormulaMaker previous;
    };
    std::vector<Replaced> m_replaced;
};

/// The formula classes of the library and the test kinds ("TestMeasure", "TestFormula").
const CClassRegistry &testClassRegistry();

} // namespace testformulas
