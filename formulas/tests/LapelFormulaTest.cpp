// Morvane formula library tests.
// Lapel formulas: their parser line, display text, the points they use, and the chain of
// points a region finds.
#include "DrawnPiece.h"
#include "RegionFixtures.h"
#include "formulas/LapelPatternFormula.h"
#include "formulas/LapelRegionFormula.h"

#include <gtest/gtest.h>

using namespace testformulas;
using namespace testmodel;

namespace {

// A front piece whose right edge bends out into a lapel, drawn on paper first:
//
//   P9 (0,120) ------------ P8 (100,120)
//     |                         \ P7 (105,100)
//     |                          | P6 (110,80)
//     |                          | P5 (110,60)
//     |                         / P4 (105,40)
//     |                     P3 (100,20)
//   P1 (0,0) -------------- P2 (100,0)
class LapelFormulaTest : public ::testing::Test
{
protected:
    CLapelRegionFormula *addRegionLapel(const RegionShape &shape)
    {
        CGradeRegion *region = addRegion(m_piece.mask, shape, REGION_GRADE);
        return static_cast<CLapelRegionFormula *>(
            m_piece.mask.GetFormulaManager()->AddNewRegionFormula(CLapelRegionFormula::kFormulaType,
                                                                  nullptr, region));
    }

    std::vector<std::string> resolvedLabels(CBaseLapelFormula &lapel)
    {
        std::vector<std::string> labels;
        for (int i = 0; lapel.GetLapelPoint(i) != nullptr; ++i)
            labels.push_back(lapel.GetLapelPoint(i)->GetFormatName());
        return labels;
    }

    DrawnPiece m_piece{{{0, 0},
                        {100, 0},
                        {100, 20},
                        {105, 40},
                        {110, 60},
                        {110, 80},
                        {105, 100},
                        {100, 120},
                        {0, 120}}};
};

} // namespace

TEST_F(LapelFormulaTest, WritesTheLapelLineAndShowsItsEnds)
{
    CLapelPatternFormula lapel;
    lapel.SetOwner(&m_piece.mask);
    for (int i = 0; i < 6; ++i)
        lapel.SetResolved(i, m_piece.point(3 + i));
    lapel.SetFirstText("a");
    lapel.SetSecondText("b");

    EXPECT_EQ(lapel.GetFormulaText(), "%LG(P3,P4,P5,P6,P7,P8,a,b)");
    std::string shown;
    lapel.GetDisplayText(shown, false);
    EXPECT_EQ(shown, "(P3..P8)");
    lapel.GetDisplayText(shown, true);
    EXPECT_EQ(shown, "(P?..P?)");
    EXPECT_TRUE(lapel.UsesPoint(m_piece.point(3)));
    EXPECT_TRUE(lapel.UsesPoint(m_piece.point(8)));
    EXPECT_FALSE(lapel.UsesPoint(m_piece.point(5)));
    CPtrCollection<CBasePoint> moved;
    lapel.CollectPoints(moved);
    EXPECT_EQ(moved.GetCount(), 5);
    EXPECT_EQ(moved.Find(m_piece.point(3)), -1);
    EXPECT_EQ(lapel.GetRequiredIndexCount(), 6);
    EXPECT_EQ(lapel.GetApplyTypeX(), 0);

    lapel.SetResolved(4, nullptr);
    EXPECT_EQ(lapel.GetFormulaText(), "");
}

TEST_F(LapelFormulaTest, ARegionFindsTheChainFromThePointNearestItsPosition)
{
    // The box holds P3 to P8; its position (105, 15) is nearest to P3, from which the outline
    // runs forward through P8 and backward to P2, outside the box.
    CLapelRegionFormula *lapel = addRegionLapel(boxShape(95, 15, 115, 125));

    EXPECT_EQ(resolvedLabels(*lapel),
              (std::vector<std::string>{"P3", "P4", "P5", "P6", "P7", "P8"}));
    EXPECT_EQ(lapel->GetFormulaText(), "%LG(P3,P4,P5,P6,P7,P8,0,0)");
    std::string shown;
    lapel->GetDisplayText(shown, true);
    EXPECT_EQ(shown, "()");
}

TEST_F(LapelFormulaTest, PassesOverOutlinePointsInAnExcludeRegion)
{
    // From P2, nearest the position (105, -5), the chain runs over P3, which an exclude region
    // takes out of the grade region, to P8.
    CLapelRegionFormula *lapel = addRegionLapel(boxShape(95, -5, 115, 125));
    EXPECT_EQ(resolvedLabels(*lapel),
              (std::vector<std::string>{"P2", "P3", "P4", "P5", "P6", "P7"}));

    addRegion(m_piece.mask, boxShape(95, 15, 102, 25), REGION_EXCLUDE);
    lapel->Invalidate();
    EXPECT_EQ(resolvedLabels(*lapel),
              (std::vector<std::string>{"P2", "P4", "P5", "P6", "P7", "P8"}));
}

TEST_F(LapelFormulaTest, WithoutAChainOfSixTheRemainingCandidatesStay)
{
    // P3 to P6 form a chain of four, which is taken out; nothing remains.
    CLapelRegionFormula *lapel = addRegionLapel(boxShape(95, 15, 115, 90));

    EXPECT_TRUE(resolvedLabels(*lapel).empty());
    EXPECT_EQ(lapel->GetFormulaText(), "");
}
