// Morvane formula library tests.
// Formulas of the old storage format: a mask of version 1901 loads into the current kinds.
#include "formulas/ComplexDartFormula.h"
#include "formulas/DartRegionFormula.h"
#include "formulas/GradeRegionFormula.h"
#include "formulas/LapelRegionFormula.h"
#include "formulas/OldFormulas.h"
#include "formulas/PathPatternFormula.h"
#include "formulas/PathRegionFormula.h"
#include "model/GradeMask.h"
#include "SourcePath.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> parameterTexts(CBaseFormula &formula)
{
    std::vector<std::string> texts;
    for (int i = 0; i < formula.GetParamCount(); ++i)
        texts.push_back(formula.GetParam(i)->GetValue());
    return texts;
}

class OldFormulaTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::filesystem::path file =
            sourcePath("formulas/tests/fuzz/mask-formula-corpus/old-formulas-1901.msk");
        ASSERT_TRUE(m_mask.Load(file)) << m_mask.GetLastError();
    }

    template <class T> T *formulaAt(int i)
    {
        return dynamic_cast<T *>(m_mask.GetFormulaManager()->GetFormulaAt(i));
    }

    CGradeMask m_mask;
};

} // namespace

// The file holds, in order: a grade formula "2,3,4" for region R1, a dart on three points of
// Front with four parameters, a lapel for region R2, a grade formula of an unknown kind, a dart
// with neither region nor points, a shared grade formula "5" without region, a dart on three
// points of Front for region R3, a path definition for region R4, a clockwise path from point 0
// to point 2 of Front, a path definition without region and a point path without start.
TEST_F(OldFormulaTest, AMaskOfVersion1901LoadsIntoTheCurrentKinds)
{
    EXPECT_EQ(m_mask.GetVersion(), CGradeMask::kVersion);
    ASSERT_EQ(m_mask.GetFormulaManager()->GetFormulaCount(), 7);

    auto *grade = formulaAt<CGradeRegionFormula>(0);
    ASSERT_NE(grade, nullptr);
    EXPECT_EQ(grade->GetRegion(), m_mask.GetGradeRegionAt(0));
    EXPECT_EQ(parameterTexts(*grade), (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(grade->GetOwner(), &m_mask);

    // Masks before version 2120 have their pattern darts made complex darts.
    auto *dart = formulaAt<CComplexDartFormula>(1);
    ASSERT_NE(dart, nullptr);
    EXPECT_EQ(dart->GetPattern(), m_mask.GetPatternAt(0));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dart->GetIndexPoint(i), m_mask.GetPatternAt(0)->GetBasePointAt(i));
    EXPECT_EQ(parameterTexts(*dart), (std::vector<std::string>{"depth", "opening", "move", "e"}));

    auto *lapel = formulaAt<CLapelRegionFormula>(2);
    ASSERT_NE(lapel, nullptr);
    EXPECT_EQ(lapel->GetRegion(), m_mask.GetGradeRegionAt(1));
    EXPECT_EQ(lapel->GetIndexPoint(0), m_mask.GetPatternAt(0)->GetBasePointAt(3));
    EXPECT_EQ(lapel->GetIndexPoint(1), m_mask.GetPatternAt(0)->GetBasePointAt(2));
    EXPECT_EQ(parameterTexts(*lapel), (std::vector<std::string>{"A", "B"}));

    auto *shared = formulaAt<CGradeRegionFormula>(3);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->GetRegion(), nullptr);
    EXPECT_EQ(parameterTexts(*shared), (std::vector<std::string>{"5", ""}));

    // A region wins over the base points, which still become index points.
    auto *regionDart = formulaAt<CDartRegionFormula>(4);
    ASSERT_NE(regionDart, nullptr);
    EXPECT_EQ(regionDart->GetRegion(), m_mask.GetGradeRegionAt(2));
    EXPECT_EQ(regionDart->GetIndexPoint(2), m_mask.GetPatternAt(0)->GetBasePointAt(3));
    EXPECT_EQ(parameterTexts(*regionDart), (std::vector<std::string>{"d", "o", ""}));

    auto *regionPath = formulaAt<CPathRegionFormula>(5);
    ASSERT_NE(regionPath, nullptr);
    EXPECT_EQ(regionPath->GetRegion(), m_mask.GetGradeRegionAt(3));

    auto *path = formulaAt<CPathPatternFormula>(6);
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->GetPattern(), m_mask.GetPatternAt(0));
    EXPECT_EQ(path->GetFirstPoint(), m_mask.GetPatternAt(0)->GetBasePointAt(0));
    EXPECT_EQ(path->GetLastPoint(), m_mask.GetPatternAt(0)->GetBasePointAt(2));
    EXPECT_TRUE(path->GetReverse());

    for (int i = 0; i < m_mask.GetGradeRegionCount(); ++i)
        EXPECT_EQ(m_mask.GetGradeRegionAt(i)->GetOldFormula(), nullptr);
}

TEST_F(OldFormulaTest, TheUpdatedMaskIsSavedWithoutItsOldFormulas)
{
    const std::filesystem::path copy =
        std::filesystem::temp_directory_path() / "morvane-old-formulas-saved.msk";
    ASSERT_TRUE(m_mask.Save(copy)) << m_mask.GetLastError();
    CGradeMask reloaded;
    ASSERT_TRUE(reloaded.Load(copy)) << reloaded.GetLastError();
    std::filesystem::remove(copy);

    EXPECT_EQ(reloaded.GetFormulaManager()->GetFormulaCount(), 7);
    EXPECT_NE(dynamic_cast<CComplexDartFormula *>(reloaded.GetFormulaManager()->GetFormulaAt(1)),
              nullptr);
}
