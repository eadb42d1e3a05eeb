// Morvane client grade model tests.
// Rule tables: rules made on demand with a zero value per size, tables replaced and inserted.
#include "sources/client-model/GradeRuleData.h"

#include <gtest/gtest.h>

namespace {

void expectValue(IGradeRule *rule, int size, double dx, double dy)
{
    ASSERT_NE(rule->GetValueAt(size), nullptr);
    DPOINT d;
    rule->GetValueAt(size)->GetValue(d);
    EXPECT_EQ(d.x, dx);
    EXPECT_EQ(d.y, dy);
}

} // namespace

TEST(GradeRuleDataTest, CreatesARuleOnTheFirstRequestWithZeroInEverySize)
{
    CGradeRuleData data;
    data.Update({3});
    IGradeRuleTable *table = data.GetGradeRuleTableAt(0);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->GetRuleList()->FindRule(7), -1);

    IGradeRule *rule = table->GetRule(7);
    EXPECT_EQ(rule->GetRuleNumber(), 7);
    ASSERT_EQ(rule->GetValueCount(), 3);
    for (int size = 0; size < 3; ++size)
        expectValue(rule, size, 0.0, 0.0);

    rule->GetValueAt(1)->SetX(2.5);
    EXPECT_EQ(table->GetRule(7), rule);
    expectValue(table->GetRule(7), 1, 2.5, 0.0);
    EXPECT_EQ(table->GetRuleList()->GetCount(), 1);
    EXPECT_EQ(table->GetRuleList()->FindRule(7), 0);
    EXPECT_EQ(table->GetRuleList()->AddRule(7), 0);
}

TEST(GradeRuleDataTest, KeepsRulesInOrderOfCreationAndDeletesOnRemoval)
{
    CGradeRuleData data;
    data.Update({2});
    IGradeRuleTable *table = data.GetGradeRuleTableAt(0);
    table->GetRule(5);
    table->GetRule(2);
    IGradeRuleList *rules = table->GetRuleList();
    EXPECT_EQ(rules->GetAt(0)->GetRuleNumber(), 5);
    EXPECT_EQ(rules->GetAt(1)->GetRuleNumber(), 2);

    rules->GetAt(0)->GetValueAt(0)->SetY(4.0);
    rules->RemoveAt(0);
    EXPECT_EQ(rules->FindRule(5), -1);
    expectValue(table->GetRule(5), 0, 0.0, 0.0);
    EXPECT_EQ(rules->FindRule(5), 1);
}

TEST(GradeRuleDataTest, TableWithoutSizesMakesRulesWithoutValues)
{
    CGradeRuleData data;
    data.Update({0, -4});
    for (int table = 0; table < 2; ++table) {
        SCOPED_TRACE(table);
        EXPECT_EQ(data.GetGradeRuleTableAt(table)->GetSizeCount(), 0);
        EXPECT_EQ(data.GetGradeRuleTableAt(table)->GetRule(1)->GetValueCount(), 0);
    }
}

TEST(GradeRuleDataTest, UpdateReplacesEveryTableAndItsValues)
{
    CGradeRuleData data;
    data.Update({2, 3});
    data.GetGradeRuleTableAt(1)->GetRule(1)->GetValueAt(2)->SetX(9.0);

    data.Update({4, 3});
    ASSERT_EQ(data.GetGradeRuleTableCount(), 2);
    EXPECT_EQ(data.GetGradeRuleTableAt(0)->GetSizeCount(), 4);
    EXPECT_EQ(data.GetGradeRuleTableAt(1)->GetRuleList()->GetCount(), 0);
    expectValue(data.GetGradeRuleTableAt(1)->GetRule(1), 2, 0.0, 0.0);

    data.Update({});
    EXPECT_EQ(data.GetGradeRuleTableCount(), 0);
}

TEST(GradeRuleDataTest, InsertAtPutsTheNewTableInPlaceAndShiftsTheOthers)
{
    CGradeRuleData data;
    data.Update({2, 3});
    data.InsertAt(0, 5);
    data.InsertAt(3, 1);
    ASSERT_EQ(data.GetGradeRuleTableCount(), 4);
    EXPECT_EQ(data.GetGradeRuleTableAt(0)->GetSizeCount(), 5);
    EXPECT_EQ(data.GetGradeRuleTableAt(1)->GetSizeCount(), 2);
    EXPECT_EQ(data.GetGradeRuleTableAt(2)->GetSizeCount(), 3);
    EXPECT_EQ(data.GetGradeRuleTableAt(3)->GetSizeCount(), 1);
}

TEST(GradeRuleDataTest, ClearAndResetEmptyARule)
{
    CGradeRuleData data;
    data.Update({2});
    IGradeRule *rule = data.GetGradeRuleTableAt(0)->GetRule(3);
    rule->GetValueAt(0)->SetX(1.0);
    rule->GetValueAt(1)->SetY(-2.0);
    EXPECT_EQ(rule->GetValueAt(1)->GetY(), -2.0);

    rule->Clear();
    expectValue(rule, 0, 0.0, 0.0);
    expectValue(rule, 1, 0.0, 0.0);
    rule->GetValueAt(0)->SetX(1.0);
    rule->GetValueAt(0)->Clear();
    expectValue(rule, 0, 0.0, 0.0);

    rule->Reset();
    EXPECT_EQ(rule->GetRuleNumber(), -1);
}

TEST(GradeRuleDataTest, IndexesOutOfRangeAnswerNothingAndChangeNothing)
{
    CGradeRuleData data;
    data.Update({2});
    IGradeRuleTable *table = data.GetGradeRuleTableAt(0);
    IGradeRule *rule = table->GetRule(1);

    EXPECT_EQ(data.GetGradeRuleTableAt(-1), nullptr);
    EXPECT_EQ(data.GetGradeRuleTableAt(1), nullptr);
    EXPECT_EQ(rule->GetValueAt(-1), nullptr);
    EXPECT_EQ(rule->GetValueAt(2), nullptr);
    EXPECT_EQ(table->GetRuleList()->GetAt(-1), nullptr);
    EXPECT_EQ(table->GetRuleList()->GetAt(1), nullptr);

    table->GetRuleList()->RemoveAt(1);
    table->GetRuleList()->RemoveAt(-1);
    EXPECT_EQ(table->GetRuleList()->GetCount(), 1);
    data.InsertAt(2, 3);
    data.InsertAt(-1, 3);
    EXPECT_EQ(data.GetGradeRuleTableCount(), 1);
}
