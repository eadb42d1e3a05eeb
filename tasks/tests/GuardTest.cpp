// Morvane command, task and undo engine tests.
// Guard texts: parsed once into conditions, evaluated left to right over task variables.
#include "tasks/testing/ChartFixture.h"

#include "tasks/CommandAttributes.h"
#include "tasks/TransitionCondition.h"

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::test;

struct GuardCase
{
    const char *guard;
    const char *variables; // "name=text" pairs separated by blanks
    bool expected;
    const char *event = "";
};

constexpr GuardCase kGuardCases[] = {
    {"dist>3", "dist=5", true},
    {"dist>3", "dist=3", false},
    {"dist<3,dist=3", "dist=3", true},
    {"dist<3,dist=3", "dist=4", false},
    {"addRegionMode!=1..6", "addRegionMode=0", true},
    {"addRegionMode!=1..6", "addRegionMode=7", true},
    {"addRegionMode!=1..6", "addRegionMode=1", false},
    {"addRegionMode!=1..6", "addRegionMode=6", false},
    {"addRegionMode=2..4", "addRegionMode=2", true},
    {"addRegionMode=2..4", "addRegionMode=5", false},
    {"addRegionMode<2..4", "addRegionMode=9", true}, // "<" and ">" hold for any range
    {"nFocusObjectType=10;bIsMaskItemFocused", "nFocusObjectType=10 bIsMaskItemFocused=1", true},
    {"nFocusObjectType=10;bIsMaskItemFocused", "nFocusObjectType=10 bIsMaskItemFocused=0", false},
    {"nFocusObjectType=10;bIsMaskItemFocused", "nFocusObjectType=9 bIsMaskItemFocused=1", false},
    {"addRegionMode=1,addRegionMode=2", "addRegionMode=1", true},
    {"addRegionMode=1,addRegionMode=2", "addRegionMode=2", true},
    {"addRegionMode=1,addRegionMode=2", "addRegionMode=3", false},
    // Left to right without precedence: ((a or b) and c), then ((a and b) or c).
    {"a=1,b=1;c=1", "a=1 b=0 c=0", false},
    {"a=1,b=1;c=1", "a=0 b=1 c=1", true},
    {"a=1;b=1,c=1", "a=0 b=0 c=1", true},
    {"a=1;b=1,c=1", "a=1 b=0 c=0", false},
    {"  dist  >  3 ", "dist=5", true},
    {" nFocusObjectType != 0 ; bIsActiveFocused = 0 ", "nFocusObjectType=3 bIsActiveFocused=0",
     true},
    {"", "", true},
    {"bAutoMove", "bAutoMove=12abc", true},
    {"bAutoMove", "bAutoMove=", false},
    {"undeclared", "", false},
    {"undeclared=0", "", true},
    {"dist<3", "dist=2.9", true},
    {"enabled", "", true, "OnEnabled"},
    {"enabled", "", false, "OnOther"},
    {"disabled", "", false, "OnEnabled"},
    {"disabled;dist>3", "dist=5", true, "OnOther"},
};

static CCommandAttributes makeVariables(const std::string &assignments)
{
    CCommandAttributes variables(nullptr);
    size_t start = 0;
    while (start < assignments.size()) {
        size_t end = assignments.find(' ', start);
        if (end == std::string::npos)
            end = assignments.size();
        const std::string assignment = assignments.substr(start, end - start);
        const size_t equals = assignment.find('=');
        variables.AddVariable(assignment.substr(0, equals), assignment.substr(equals + 1),
                              kVisibleReadOnly);
        start = end + 1;
    }
    return variables;
}

TEST(GuardTest, EvaluatesTheGuardTable)
{
    EventLog log;
    ScriptedDefinition definition(&log, [](ITask *) {});
    definition.enabledEvents = {"OnEnabled"};
    for (const auto &row : kGuardCases) {
        SCOPED_TRACE(std::string(row.guard) + " with " + row.variables);
        const CCommandAttributes variables = makeVariables(row.variables);
        const auto conditions = parseGuard(row.guard);
        EXPECT_EQ(evaluateGuard(conditions, variables, &definition, nullptr, row.event),
                  row.expected);
    }
}

TEST(GuardTest, ParsesNamesOperatorsValuesAndConnectors)
{
    const auto conditions = parseGuard("a != 1..6 , b>2;c<3;d");
    ASSERT_EQ(conditions.size(), 4u);
    EXPECT_EQ(conditions[0].GetName(), "a");
    EXPECT_EQ(conditions[0].GetValue(), "1..6");
    EXPECT_EQ(conditions[0].GetOperator(), CTransitionCondition::kNotEqual);
    EXPECT_EQ(conditions[0].GetConnector(), CTransitionCondition::kOr);
    EXPECT_EQ(conditions[1].GetOperator(), CTransitionCondition::kGreater);
    EXPECT_EQ(conditions[1].GetConnector(), CTransitionCondition::kAnd);
    EXPECT_EQ(conditions[2].GetOperator(), CTransitionCondition::kLess);
    EXPECT_EQ(conditions[3].GetName(), "d");
    EXPECT_EQ(conditions[3].GetValue(), "");
    EXPECT_EQ(conditions[3].GetConnector(), CTransitionCondition::kAnd);
}

TEST(GuardTest, SkipsBlankPiecesAndStopsAtALeadingSeparator)
{
    EXPECT_EQ(parseGuard("a=1; ;b=2").size(), 2u);
    // A separator at the start of the remaining text does not split: the rest is one condition.
    const auto conditions = parseGuard("a=1,,b=2");
    ASSERT_EQ(conditions.size(), 2u);
    EXPECT_EQ(conditions[1].GetName(), ",b");
}
