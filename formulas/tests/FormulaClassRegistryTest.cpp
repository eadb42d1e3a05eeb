// Morvane formula library tests.
// The registry of formula classes and the formulas it creates.
#include "formulas/FormulaClassRegistry.h"

#include "formulas/BaseFormula.h"
#include "formulas/ValidationFormula.h"
#include "model/FormulaFactory.h"

#include <gtest/gtest.h>

#include <string>

TEST(FormulaClassRegistryTest, RowsCreateTheirClassAndRow24IsUnused)
{
    const CFormulaClassRegistry &registry = CFormulaClassRegistry::Get();

    EXPECT_EQ(registry.GetClassById(24), nullptr);
    EXPECT_EQ(registry.CreateByIndex(24), nullptr);
    EXPECT_EQ(registry.CreateByIndex(38), nullptr);
    const std::unique_ptr<CBaseFormula> validation = registry.CreateByIndex(25);
    ASSERT_NE(validation, nullptr);
    EXPECT_EQ(validation->GetRuntimeClass(), CValidationFormula::GetThisClass());
    EXPECT_EQ(registry.GetElementNameById(25), "ValidationFormula");
    EXPECT_NE(registry.CreateByClassName("CValidationFormula"), nullptr);
    EXPECT_EQ(registry.CreateByClassName("CBaseFormula"), nullptr);
}

TEST(FormulaClassRegistryTest, EveryElementNameIsItsClassNameWithoutTheLeadingC)
{
    const CFormulaClassRegistry &registry = CFormulaClassRegistry::Get();
    ASSERT_GT(registry.GetCount(), 0);
    for (int i = 0; i < registry.GetCount(); ++i) {
        SCOPED_TRACE(registry.GetElementNameAt(i));
        EXPECT_EQ("C" + registry.GetElementNameAt(i),
                  std::string(registry.GetClassAt(i)->m_sClassName));
        EXPECT_NE(registry.GetIdAt(i), 24u);
    }
}

TEST(FormulaClassRegistryTest, TheMaskFindsTheRegistryThroughTheFactory)
{
    EXPECT_EQ(&CFormulaFactory::GetClassRegistry(), &CFormulaClassRegistry::Get());
}
