// Morvane formula library tests.
// Grade regions and their formulas: finding a region's formula, the kind an older file gets
// from it, and a region removed together with its formulas.
#include "RegionFixtures.h"
#include "formulas/BaseFormula.h"
#include "model/FormulaFactory.h"
#include "model/GradeMask.h"

#include <gtest/gtest.h>
#include <memory>

using namespace testmodel;

namespace {

/// The type id the test's region formula is made under.
constexpr int kRegionType = 0;

/// A formula attached to a grade region; it acts on nothing and reads nothing.
class RegionFormula : public CBaseFormula
{
public:
    explicit RegionFormula(IRegion *region)
        : m_pRegion(region)
    {
    }

    static const CRuntimeClass *GetThisClass()
    {
        static const CRuntimeClass kClass("CTestRegionFormula", nullptr,
                                          CBaseFormula::GetThisClass());
        return &kClass;
    }
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    int GetFormulaType() const override { return kRegionType; }
    IRegion *GetRegion() const override { return m_pRegion; }
    int GetApplyTypeX() const override { return 1; }
    int GetApplyTypeY() const override { return 1; }
    std::string GetFormulaText() override { return {}; }

protected:
    void DoCollectPoints(CPtrCollection<CBasePoint> &) override {}
    void DoGetDisplayText(std::string &out, bool) override { out = "region"; }

private:
    IRegion *m_pRegion;
};

std::unique_ptr<IBaseFormula> makeRegionFormula(void *, const FormulaTarget &target)
{
    return std::make_unique<RegionFormula>(target.region);
}

// A mask with two regions, the region formula kind installed for the test's life.
class RegionFormulaTest : public ::testing::Test
{
protected:
    RegionFormulaTest()
        : m_previous(
              CFormulaFactory::SetMaker(FORMULA_ATTACH_REGION, kRegionType, &makeRegionFormula))
    {
    }
    ~RegionFormulaTest() override
    {
        CFormulaFactory::SetMaker(FORMULA_ATTACH_REGION, kRegionType, m_previous);
    }

    IBaseFormula *addFormula(CGradeRegion *region)
    {
        return mask.GetFormulaManager()->AddNewRegionFormula(kRegionType, nullptr, region);
    }

    FormulaMaker m_previous;
    CGradeMask mask;
    CGradeRegion *first = addRegion(mask, boxShape(0, 0, 10, 10), REGION_GRADE);
    CGradeRegion *second = addRegion(mask, boxShape(20, 0, 30, 10), REGION_GRADE);
};

} // namespace

TEST_F(RegionFormulaTest, ARegionFindsItsFirstFormula)
{
    EXPECT_EQ(first->FindGradeFormula(), nullptr);
    IBaseFormula *formula = addFormula(first);
    ASSERT_NE(formula, nullptr);
    addFormula(first);
    EXPECT_EQ(first->FindGradeFormula(), formula);
    EXPECT_EQ(second->FindGradeFormula(), nullptr);
    CGradeRegion alone;
    EXPECT_EQ(alone.FindGradeFormula(), nullptr);
}

TEST_F(RegionFormulaTest, KindFollowsTheFormula)
{
    addFormula(second);
    first->UpdateTypeFromFormula();
    second->SetType(REGION_READ_ONLY);
    second->UpdateTypeFromFormula();
    EXPECT_EQ(first->GetType(), REGION_EXCLUDE);
    EXPECT_EQ(second->GetType(), REGION_GRADE);
}

TEST_F(RegionFormulaTest, RemovingARegionRemovesItsFormulasInOneUndoStep)
{
    addFormula(first);
    IBaseFormula *kept = addFormula(second);
    addFormula(first);
    mask.RemoveGradeRegionAt(0);
    EXPECT_EQ(mask.GetGradeRegionCount(), 1);
    ASSERT_EQ(mask.GetFormulaManager()->GetFormulaCount(), 1);
    EXPECT_EQ(mask.GetFormulaManager()->GetFormulaAt(0), kept);

    mask.GetHistory()->Undo();
    EXPECT_EQ(mask.GetGradeRegionAt(0), first);
    EXPECT_EQ(mask.GetFormulaManager()->GetFormulaCount(), 3);
    EXPECT_EQ(mask.GetFormulaManager()->GetFormulaAt(1), kept);
    EXPECT_NE(first->FindGradeFormula(), nullptr);
    mask.GetHistory()->Redo();
    EXPECT_EQ(mask.GetFormulaManager()->GetFormulaCount(), 1);
    mask.GetHistory()->Clear();
    EXPECT_EQ(second->FindGradeFormula(), kept);
}

// The conversion of an older file points a region at the formula it made; once that formula
// leaves the mask (and the history deletes it), the region hands out nothing.
TEST_F(RegionFormulaTest, ARegionNeverHandsOutAFormulaTheMaskNoLongerHolds)
{
    IBaseFormula *formula = addFormula(first);
    first->SetGradeFormula(formula);
    EXPECT_EQ(first->GetGradeFormula(), formula);
    mask.GetFormulaManager()->RemoveFormulaAt(0);
    mask.GetHistory()->Clear();
    EXPECT_EQ(first->GetGradeFormula(), nullptr);
    CGradeRegion alone;
    alone.SetGradeFormula(formula);
    EXPECT_EQ(alone.GetGradeFormula(), nullptr);
}
