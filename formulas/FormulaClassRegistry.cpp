// Morvane formula library.
// The registry of formula classes: row index, stored element name and runtime class.
#include "formulas/FormulaClassRegistry.h"

#include "formulas/BaseFormula.h"
#include "foundation/RuntimeClass.h"
#include "model/FormulaFactory.h"

#include <string>

namespace {

struct RegistryRow
{
    uint32_t index;
    const char *elementName;
};

// Stored files depend on these exact element names; row 24 is unused.
constexpr RegistryRow kRows[] = {
    {0, "PointFormulaInterpolate"},
    {1, "PointFormulaIncrement"},
    {2, "PointFormulaLikePoint"},
    {3, "PointFormulaMovePred"},
    {4, "PointFormulaExtend"},
    {5, "PointFormulaRotate"},
    {6, "PointFormulaIntersect"},
    {7, "PointFormulaNotchDistance"},
    {8, "MeasureDistP2S"},
    {9, "PFSymetryPoint"},
    {10, "DartPatternFormula"},
    {11, "LapelPatternFormula"},
    {12, "PathPatternFormula"},
    {13, "PropDistPatternFormula"},
    {14, "MeasureP2P"},
    {15, "DartRegionFormula"},
    {16, "LapelRegionFormula"},
    {17, "PathRegionFormula"},
    {18, "PropDistRegionFormula"},
    {19, "GradeRegionFormula"},
    {20, "RegionFormulaLikePoint"},
    {21, "PropRegionFormula"},
    {22, "MeasureDistS2S"},
    {23, "InterpolatePathPoints"},
    {25, "ValidationFormula"},
    {26, "MeasureExpressionFormula"},
    {27, "MeasureTangent"},
    {28, "GlobalInterpolateFormula"},
    {29, "ComplexDartFormula"},
    {30, "PointFormulaClosedDart"},
    {31, "RuntimeFormulaLikePoint"},
    {32, "GlobPropDistFormula"},
    {33, "RuntimeGlobalInterpolateFormula"},
    {34, "SymmetryAxis"},
    {35, "PointFormulaKeepAngleLength"},
    {36, "RuntimeExternalFormula"},
    {37, "RegionRelativeFormula"},
};

const CClassRegistry &formulaClasses()
{
    return CFormulaClassRegistry::Get();
}

// The grade mask, which cannot see this library, finds the formula classes through the factory.
[[maybe_unused]] const bool kInstalled =
    (CFormulaFactory::SetClassRegistrySource(&formulaClasses), true);

std::unique_ptr<CBaseFormula> createFormula(const CRuntimeClass *cls)
{
    if (cls == nullptr || !cls->IsDerivedFrom(CBaseFormula::GetThisClass()))
        return nullptr;
    std::unique_ptr<CObject> object = cls->CreateObject();
    auto *formula = dynamic_cast<CBaseFormula *>(object.get());
    if (formula == nullptr)
        return nullptr;
    object.release();
    return std::unique_ptr<CBaseFormula>(formula);
}

} // namespace

CFormulaClassRegistry::CFormulaClassRegistry()
{
    for (const RegistryRow &row : kRows) {
        const std::string className = std::string("C") + row.elementName;
        if (const CRuntimeClass *cls = CRuntimeClass::FromName(className))
            Register(row.index, cls, row.elementName);
    }
}

const CFormulaClassRegistry &CFormulaClassRegistry::Get()
{
    static const CFormulaClassRegistry registry;
    return registry;
}

std::unique_ptr<CBaseFormula> CFormulaClassRegistry::CreateByIndex(uint32_t index) const
{
    return createFormula(GetClassById(index));
}

std::unique_ptr<CBaseFormula> CFormulaClassRegistry::CreateByClassName(
    std::string_view className) const
{
    uint32_t index = 0;
    if (!FindIdByClassName(className, index))
        return nullptr;
    return CreateByIndex(index);
}
