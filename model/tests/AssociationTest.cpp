// Morvane model library tests.
// The measurement-name association map and the point association rules of mask contours.
#include "MaskFixtures.h"
#include "PatternFixtures.h"
#include "model/AssociationMap.h"
#include "model/PointAssociationRule.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testmodel;

namespace {

std::vector<std::string> measurementNames(const IAssociationMap &map)
{
    std::vector<std::string> names;
    for (int i = 0; i < map.GetCount(); ++i)
        names.push_back(map.GetAt(i)->GetMeasurementName());
    return names;
}

} // namespace

TEST(AssociationMapTest, FindsIgnoreTheCaseOfLetters)
{
    CAssociationMap map;
    map.Add("waist", "", "Waist Girth");
    map.Add("HIP", "", "hip girth");
    EXPECT_EQ(map.FindByMeasurementName("waist girth"), 0);
    EXPECT_EQ(map.FindByMeasurementName("HIP GIRTH"), 1);
    EXPECT_EQ(map.FindByMeasurementName("hip"), -1);
    EXPECT_EQ(map.FindByFormulaName("Waist"), 0);
    EXPECT_EQ(map.FindByFormulaName("hip"), 1);
    EXPECT_EQ(map.FindByFormulaName("Waist Girth"), -1);
}

TEST(AssociationMapTest, RemovesItemsWithoutMeasurementName)
{
    CAssociationMap map;
    map.Add("a", "", "A");
    map.Add("b", "", "");
    map.Add("c", "", " \t ");
    map.Add("d", "", "  D");
    map.RemoveUnassigned();
    EXPECT_EQ(measurementNames(map), (std::vector<std::string>{"A", "  D"}));
}

TEST(AssociationMapTest, ChangesAndRemovalsReachTheMapsListeners)
{
    CAssociationMap map;
    map.Add("a", "", "A");
    map.Add("b", "", "B");
    SourceLog log;
    map.AddListener(&log);
    map.SetAt(1, "shown", "Bust");
    map.RemoveAt(0);
    map.RemoveListener(&log);
    EXPECT_EQ(log.events, (std::vector<std::string>{"4:4:-1", "8:4:-1", "2:4:-65531"}));
    EXPECT_EQ(map.GetAt(0)->GetMeasurementName(), "Bust");
    EXPECT_EQ(map.GetAt(0)->GetDisplayName(), "shown");
    EXPECT_EQ(map.GetAt(0)->GetFormulaMeasurementName(), "b");
}

TEST(PointAssociationRuleTest, NewRuleHasTheDefaultTolerances)
{
    const CPointAssociationRule rule;
    EXPECT_DOUBLE_EQ(rule.GetShiftError(), 100.0);
    EXPECT_DOUBLE_EQ(rule.GetTurnError(), 60.0);
    EXPECT_DOUBLE_EQ(rule.GetTangentError(), 45.0);
    EXPECT_FALSE(rule.GetCustomShift() || rule.GetCustomTurn() || rule.GetCustomTangent());
    EXPECT_FALSE(rule.HasReferentPoint());
    EXPECT_TRUE(rule.IsPointMatchNot2());
    EXPECT_TRUE(rule.IsPointMatch0Or2());
}

// Rules made on demand by a contour without lines, so that nothing rebuilds them.
class RuleChainTest : public ::testing::Test
{
protected:
    RuleChainTest()
    {
        for (int i = 0; i < 4; ++i)
            pattern->AddPoint({10.0 * i, 0.0}, GRADE_POINT_GRADE);
    }

    CMaskPoint *point(int i) { return maskPointAt(*pattern, i); }
    CPointAssociationRule *ruleOf(int i) { return contour->GetAssRule(point(i)); }

    CGradeMask mask;
    std::unique_ptr<CMaskPattern> pattern = mask.MakePattern();
    std::unique_ptr<CMaskContour> contour = pattern->CreateMaskContour();
};

TEST_F(RuleChainTest, DependsOnFollowsTheReferents)
{
    ruleOf(0)->SetReferentPoint(point(1));
    ruleOf(1)->SetReferentPoint(point(2));
    EXPECT_TRUE(ruleOf(0)->DependsOn(point(1)));
    EXPECT_TRUE(ruleOf(0)->DependsOn(point(2)));
    EXPECT_FALSE(ruleOf(0)->DependsOn(point(3)));
    EXPECT_FALSE(ruleOf(2)->DependsOn(point(0)));
}

TEST_F(RuleChainTest, DependsOnEndsOnACycle)
{
    ruleOf(0)->SetReferentPoint(point(1));
    ruleOf(1)->SetReferentPoint(point(0));
    EXPECT_FALSE(ruleOf(0)->DependsOn(point(3)));
    EXPECT_TRUE(ruleOf(0)->DependsOn(point(0)));
}

TEST_F(RuleChainTest, SettersNotifyTheRulesListeners)
{
    CPointAssociationRule *rule = ruleOf(0);
    SourceLog log;
    rule->AddListener(&log);
    rule->SetReferentPoint(point(1));
    rule->SetReferentPoint(point(1));
    rule->SetTangentError(45.0);
    rule->RemoveListener(&log);
    EXPECT_EQ(log.events, (std::vector<std::string>{"4:14:-1", "8:14:-1", "4:14:-1", "8:14:-1"}));
    EXPECT_EQ(rule->GetReferentPoint(), point(1));
    EXPECT_EQ(rule->GetPoint(), point(0));
}
