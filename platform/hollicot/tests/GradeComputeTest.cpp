// Morvane Hollicot formula parser tests.
// Grading statements computed size by size: increments, apply types, constructions, paths,
// darts and lapels, worked by hand.
#include "GradeProblem.h"

#include "ScopedLocale.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

using namespace hollicot;

namespace {

GradeProblem squarePattern()
{
    GradeProblem problem(3, 1);
    problem.variable("P1", 0, 0).variable("P2", 100, 0).variable("P3", 100, 100).variable("P4", 0, 100);
    problem.measure("width", {-10, 0, 10}).measure("height", {-6, 0, 6});
    return problem;
}

TEST(GradeComputeTest, GradesASquareLineByLine)
{
    GradeProblem problem = squarePattern();
    ASSERT_EQ(problem.run({"%PA(0,0,P2)=(width,0)", "%PA(0,0,P4)=(0,height)",
                           "%PA(0,0,P3)=%IS(P3,P2,P4)"}),
              0);
    EXPECT_CELL(problem, "P1", 0, 0, 0);
    EXPECT_CELL(problem, "P2", 0, -10, 0);
    EXPECT_CELL(problem, "P3", 0, -10, -6);
    EXPECT_CELL(problem, "P4", 0, 0, -6);
    EXPECT_CELL(problem, "P3", 1, 0, 0);
    EXPECT_CELL(problem, "P2", 2, 10, 0);
    EXPECT_CELL(problem, "P3", 2, 10, 6);
    EXPECT_CELL(problem, "P4", 2, 0, 6);
}

TEST(GradeComputeTest, RunsStatementsInTextOrder)
{
    GradeProblem problem = squarePattern();
    ASSERT_EQ(problem.run({"%PA(0,0,P3)=%IS(P3,P2,P4)\n%PA(0,0,P2)=(width,0);%PA(0,0,P4)=(0,height)"}),
              0);
    for (int size = 0; size < 3; ++size)
        EXPECT_CELL(problem, "P3", size, 0, 0);
    EXPECT_CELL(problem, "P2", 2, 10, 0);
}

struct ApplyCase
{
    const char *text;
    Vec2 entry;
    Vec2 expected[5];
};

TEST(GradeComputeTest, AppliesEachAxisByItsApplyType)
{
    const ApplyCase cases[] = {
        {"%PA(0,0,P5)=(%INC(3),%INC(-2))", {0, 0}, {{-6, 4}, {-3, 2}, {0, 0}, {3, -2}, {6, -4}}},
        {"%PA(0,0,P5)=(%INC(3),%INC(-2))", {1, 1}, {{-5, 5}, {-2, 3}, {0, 0}, {4, -1}, {7, -3}}},
        {"%PA(1,1,P5)=(%INC(3),%INC(-2))", {1, 1}, {{-6, 4}, {-3, 2}, {0, 0}, {3, -2}, {6, -4}}},
        {"%PA(1,2,P5)=(%INC(3),%INC(-2))", {1, 1}, {{-6, 1}, {-3, 1}, {0, 0}, {3, 1}, {6, 1}}},
        {"%PA(2,2,P5)=(%INC(3),%INC(-2))", {1, 1}, {{1, 1}, {1, 1}, {0, 0}, {1, 1}, {1, 1}}},
        {"%PA(0,0,P5)=(3,-2)", {0, 0}, {{3, -2}, {3, -2}, {0, 0}, {3, -2}, {3, -2}}},
        {"%PA(1,1,P5)=(3,-2)", {0, 0}, {{3, -2}, {3, -2}, {3, -2}, {3, -2}, {3, -2}}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.text);
        GradeProblem problem(5, 2);
        problem.variable("P5", 50, 50).moves("P5", {row.entry, row.entry, {0, 0}, row.entry, row.entry});
        ASSERT_EQ(problem.run({row.text}), 0);
        for (int size = 0; size < 5; ++size)
            EXPECT_CELL(problem, "P5", size, row.expected[size].x, row.expected[size].y);
    }
}

TEST(GradeComputeTest, GradesAMeasureIncludingTheBaseSize)
{
    GradeProblem problem(5, 2);
    problem.variable("w2", 0, 0).measure("a", {1, 2, 3, 4, 5}).measure("b", {10, 20, 30, 40, 50});
    problem.moves("w2", {{0, 7}, {0, 7}, {0, 7}, {0, 7}, {0, 7}});
    ASSERT_EQ(problem.run({"%PA(1,2,w2)=(a+b,0)"}), 0);
    for (int size = 0; size < 5; ++size)
        EXPECT_CELL(problem, "w2", size, 11.0 * (size + 1), 7);
}

TEST(GradeComputeTest, DistributesAlongAStraightPath)
{
    GradeProblem problem(3, 1);
    problem.variable("A", 0, 0).variable("M1", 30, 0).variable("M2", 70, 0).variable("B", 100, 0);
    problem.moves("B", {{-10, 0}, {0, 0}, {10, 0}});
    ASSERT_EQ(problem.run({"%LHD(%LP(A, B), %VA(A,M1,M2,B))"}), 0);
    EXPECT_CELL(problem, "M1", 0, -3, 0);
    EXPECT_CELL(problem, "M1", 2, 3, 0);
    EXPECT_CELL(problem, "M2", 0, -7, 0);
    EXPECT_CELL(problem, "M2", 2, 7, 0);
    EXPECT_CELL(problem, "A", 2, 0, 0);
    EXPECT_CELL(problem, "B", 2, 10, 0);
}

TEST(GradeComputeTest, InterpolatesOnABentPathByBaseDistances)
{
    for (const char *text : {"%PA(1,1,M)=%IPL(M,A,B)", "%LHD(%LP(A, B), %VA(A,M,B))"}) {
        SCOPED_TRACE(text);
        GradeProblem problem(2, 0);
        problem.variable("A", 0, 0).variable("M", 30, 40).variable("B", 60, 0);
        problem.moves("A", {{0, 0}, {-4, 2}}).moves("B", {{0, 0}, {12, 0}});
        ASSERT_EQ(problem.run({text}), 0);
        EXPECT_CELL(problem, "M", 1, 4, 1);
    }
}

TEST(GradeComputeTest, DistributesMeasuredGrowthAlongThePathChord)
{
    GradeProblem problem(3, 1);
    problem.variable("A", 0, 0).variable("M", 50, 0).variable("B", 100, 0);
    problem.measure("k1", {-2, 0, 2}).measure("k2", {-4, 0, 4});
    ASSERT_EQ(problem.run({"%LHD(%LP(A, B), %VA(k1,k2))"}), 0);
    EXPECT_CELL(problem, "B", 0, -6, 0);
    EXPECT_CELL(problem, "M", 0, -3, 0);
    EXPECT_CELL(problem, "M", 2, 3, 0);
    EXPECT_CELL(problem, "A", 2, 0, 0);
}

struct ExtendCase
{
    const char *text;
    Vec2 small;
    Vec2 large;
};

TEST(GradeComputeTest, ExtendsAlongTheLineFromTheReference)
{
    const ExtendCase cases[] = {
        {"%PA(0,0,P7)=%CLE(P7,P3,5,1.000000)", {3, -3}, {7, 3}},
        {"%PA(0,0,P7)=%CLE(P7,P3,%INC(5),1.000000)", {-7, -3}, {7, 3}},
        {"%PA(0,0,P7)=%CLE(P7,P3,5 - SYSTEMPARSERVAR,1.000000)", {4, -3}, {5.5, 3}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.text);
        GradeProblem problem(3, 1);
        problem.variable("P3", 0, 0).variable("P7", 10, 0).measure("SYSTEMPARSERVAR", {-1, 0, 1.5});
        problem.moves("P3", {{-2, -3}, {0, 0}, {2, 3}});
        ASSERT_EQ(problem.run({row.text}), 0);
        EXPECT_CELL(problem, "P7", 0, row.small.x, row.small.y);
        EXPECT_CELL(problem, "P7", 1, 0, 0);
        EXPECT_CELL(problem, "P7", 2, row.large.x, row.large.y);
    }
}

struct NotchCase
{
    const char *text;
    Vec2 expected;
};

TEST(GradeComputeTest, KeepsANotchAtItsDistanceAlongTheSizedOutline)
{
    const NotchCase cases[] = {
        {"%PA(1,1,S4)=%CR(S4,P1,%INC(4),P1,P3,0)", {4, 0}},
        {"%PA(1,1,S4)=%CR(S4,P1,0,P1,P3,0)", {0, 0}},
        {"%PA(1,1,S4)=%CR(S4,P3,0,P1,P3,0)", {20, 0}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.text);
        GradeProblem problem(2, 0);
        problem.variable("P1", 0, 0).variable("P2", 100, 0).variable("P3", 100, 50);
        problem.variable("P1S1", 0, 0).variable("P2S1", 110, 0).variable("P3S1", 110, 60);
        problem.variable("S4", 30, 0);
        ASSERT_EQ(problem.run({row.text}), 0);
        EXPECT_CELL(problem, "S4", 0, 0, 0);
        EXPECT_CELL(problem, "S4", 1, row.expected.x, row.expected.y);
    }
}

TEST(GradeComputeTest, TakesTheShorterWayRoundAClosedOutline)
{
    // A square outline; the notch sits just before the reference going along the list, so the
    // short way runs against it.
    GradeProblem problem(2, 0);
    problem.variable("A", 0, 0).variable("B", 100, 0).variable("C", 100, 100).variable("D", 0, 100);
    problem.variable("AS1", 0, 0).variable("BS1", 100, 0).variable("CS1", 100, 100).variable("DS1", 0, 100);
    problem.variable("N", 0, 10);
    ASSERT_EQ(problem.run({"%PA(1,1,N)=%CR(N,A,%INC(5),A,D,1)"}), 0);
    EXPECT_CELL(problem, "N", 1, 0, 5);
}

TEST(GradeComputeTest, GradesADartAsOneUnit)
{
    GradeProblem problem(3, 1);
    problem.variable("A", 40, 0).variable("T", 50, 60).variable("B", 60, 0);
    ASSERT_EQ(problem.run({"%DG(A,T,B,%INC(2),%INC(5),%INC(1),0,0.000000,1,0)"}), 0);
    EXPECT_CELL(problem, "A", 0, -1.5, 0);
    EXPECT_CELL(problem, "T", 0, -2, -5);
    EXPECT_CELL(problem, "B", 0, -2.5, 0);
    EXPECT_CELL(problem, "T", 1, 0, 0);
    EXPECT_CELL(problem, "A", 2, 1.5, 0);
    EXPECT_CELL(problem, "T", 2, 2, 5);
    EXPECT_CELL(problem, "B", 2, 2.5, 0);
}

TEST(GradeComputeTest, OpensADartByAnAngle)
{
    GradeProblem problem(3, 1);
    problem.variable("A", 40, 0).variable("T", 50, 60).variable("B", 60, 0);
    ASSERT_EQ(problem.run({"%DGA(A,T,B,0,0,%INC(4),0,0.000000,1,0)"}), 0);
    EXPECT_CELL(problem, "A", 0, 2.100062, -0.312445);
    EXPECT_CELL(problem, "B", 0, -2.100062, -0.312445);
    EXPECT_CELL(problem, "A", 2, -2.087878, 0.385545);
    EXPECT_CELL(problem, "B", 2, 2.087878, 0.385545);
    EXPECT_CELL(problem, "T", 0, 0, 0);
    EXPECT_CELL(problem, "T", 2, 0, 0);
}

TEST(GradeComputeTest, KeepsTheDartLegsWhenAsked)
{
    // Opening by 2 with the legs kept: the apex sinks so that each leg stays as long as drawn.
    GradeProblem problem(2, 0);
    problem.variable("A", -30, 0).variable("T", 0, 40).variable("B", 30, 0);
    ASSERT_EQ(problem.run({"%DG(A,T,B,0,0,%INC(2),0,0,1,1)"}), 0);
    const Vec2 a{-31, 0};
    const Vec2 t{0, 40 + problem.cell("T", 1).y};
    EXPECT_NEAR(std::hypot(t.x - a.x, t.y - a.y), 50, 1e-9);
    EXPECT_CELL(problem, "A", 1, -1, 0);
    EXPECT_CELL(problem, "B", 1, 1, 0);
}

struct FunctionCase
{
    const char *name;
    int sizes;
    int base;
    std::vector<std::tuple<std::string, double, double>> variables;
    std::vector<std::pair<std::string, std::vector<Vec2>>> moves;
    std::string text;
    std::vector<std::tuple<std::string, int, double, double>> expected;
};

std::vector<FunctionCase> functionCases()
{
    return {
        {"region along 90 degrees", 2, 0, {{"P1", 0, 0}, {"P2", 10, 0}}, {{"P1", {{0, 0}, {1, 1}}}},
         "%PA(2, 0, P1,P2)=%RG(90.000000,5,)", {{"P1", 1, 1, 6}, {"P2", 1, 0, 5}}},
        {"rotate absolute", 3, 1, {{"B", 10, 0}, {"C", 0, 0}}, {}, "%PA(0,0,B)=%ROTA(B, C, %INC(90), 0)",
         {{"B", 0, -10, -10}, {"B", 2, -10, 10}, {"B", 1, 0, 0}}},
        {"rotate absolute about a moved centre", 2, 0, {{"B", 10, 0}, {"C", 0, 0}}, {{"C", {{0, 0}, {1, 2}}}},
         "%PA(0,0,B)=%ROTA(B, C, 0, 1)", {{"B", 1, 1, 2}}},
        {"rotate relative", 3, 1, {{"B", 10, 0}, {"C", 0, 0}}, {}, "%PA(0,0,B)=%ROT(B, C, 5, 0, 0)",
         {{"B", 2, -1.224174, 4.794255}, {"B", 0, -1.224174, -4.794255}}},
        {"rotate relative moving out", 2, 0, {{"B", 10, 0}, {"C", 0, 0}}, {}, "%PA(0,0,B)=%ROT(B, C, 0, 2, 0)",
         {{"B", 1, 2, 0}}},
        {"keep angle and length", 2, 0, {{"B", 20, 10}, {"p0", 0, 0}, {"p1", 10, 0}}, {{"p1", {{0, 0}, {0, 10}}}},
         "%PA(0,0,B)=%ROTL(B, p0, p1, 1)", {{"B", 1, -12.928932, 11.213203}}},
        {"keep angle, scale length", 2, 0, {{"B", 20, 10}, {"p0", 0, 0}, {"p1", 10, 0}},
         {{"p1", {{0, 0}, {0, 10}}}}, "%PA(0,0,B)=%ROTL(B, p0, p1, 0)", {{"B", 1, -10, 20}}},
        {"mirror about X", 2, 0, {{"r", 5, 5}, {"P", 5, -5}}, {{"r", {{0, 0}, {3, 4}}}},
         "%PA(0,0,P)=%SYM(r,0,,)", {{"P", 1, 3, -4}}},
        {"mirror about Y", 2, 0, {{"r", 5, 5}, {"P", 5, -5}}, {{"r", {{0, 0}, {3, 4}}}},
         "%PA(0,0,P)=%SYM(r,1,,)", {{"P", 1, -3, 4}}},
        {"mirror about both", 2, 0, {{"r", 5, 5}, {"P", 5, -5}}, {{"r", {{0, 0}, {3, 4}}}},
         "%PA(0,0,P)=%SYM(r,2,,)", {{"P", 1, -3, -4}}},
        {"mirror about an axis", 2, 0, {{"r", 10, 0}, {"P", -10, 0}, {"a1", 0, 0}, {"a2", 0, 100}},
         {{"r", {{0, 0}, {3, 4}}}}, "%PA(0,0,P)=%SYM(r,3,a2,a1)", {{"P", 1, -3, 4}}},
        {"inverse distance", 2, 0, {{"P", 50, 0}, {"s1", 0, 0}, {"s2", 100, 0}}, {{"s2", {{0, 0}, {10, 0}}}},
         "%PA(1,1,P)=%GI(P,2,s1,s2)", {{"P", 1, 5, 0}}},
        {"inverse distance, three supports", 2, 0,
         {{"P", 50, 0}, {"s1", 0, 0}, {"s2", 100, 0}, {"s3", 50, 50}},
         {{"s2", {{0, 0}, {10, 0}}}, {"s3", {{0, 0}, {0, 6}}}}, "%PA(1,1,P)=%GI(P,2,s1,s2,s3)",
         {{"P", 1, 3.333333, 2}}},
        {"inverse distance, nearest", 2, 0, {{"P", 20, 0}, {"s1", 0, 0}, {"s2", 100, 0}},
         {{"s1", {{0, 0}, {1, 0}}}, {"s2", {{0, 0}, {10, 0}}}}, "%PA(1,1,P)=%GI(P,0,s1,s2)",
         {{"P", 1, 1, 0}}},
        {"inverse distance without supports", 2, 0, {{"P", 20, 0}}, {{"P", {{0, 0}, {1, 1}}}},
         "%PA(1,1,P)=%GI(P,2)", {{"P", 1, 0, 0}}},
        {"junction of two paths", 2, 0, {{"a1", 0, 0}, {"a0", 10, 0}, {"b0", 20, 0}, {"b1", 40, 0}},
         {{"b1", {{0, 0}, {6, 0}}}}, "%IP2P(a0,a1,b0,b1,0.000000,0)", {{"a0", 1, 2, 0}, {"b0", 1, 2, 0}}},
        {"junction of two turned paths", 2, 0, {{"a1", 0, 0}, {"a0", 10, 0}, {"b0", 10, 10}, {"b1", 10, 30}},
         {{"b1", {{0, 0}, {0, 6}}}}, "%IP2P(a0,a1,b0,b1,-90.000000,1)", {{"a0", 1, 2, 0}, {"b0", 1, 0, 2}}},
        {"lapel", 2, 0,
         {{"p0", 0, 0}, {"p1", 0, 30}, {"p2", 40, 30}, {"p3", 80, 30}, {"p4", 80, 0}, {"p5", 120, 0}}, {},
         "%LG(p0,p1,p2,p3,p4,p5,%INC(3),%INC(9))",
         {{"p1", 1, 1.5, 3}, {"p2", 1, 3.5, 3}, {"p3", 1, 5.5, 3}, {"p4", 1, 7, 0}, {"p5", 1, 9, 0},
          {"p0", 1, 0, 0}}},
        {"interpolate along X", 2, 0, {{"M", 30, 40}, {"A", 0, 0}, {"B", 60, 0}},
         {{"A", {{0, 0}, {-4, 2}}}, {"B", {{0, 0}, {12, 0}}}}, "%PA(1,1,M)=%IPLM(M,A,B, 0.0)", {{"M", 1, 4, 0}}},
        {"interpolate along Y", 2, 0, {{"M", 30, 40}, {"A", 0, 0}, {"B", 60, 0}},
         {{"A", {{0, 0}, {-4, 2}}}, {"B", {{0, 0}, {12, 0}}}}, "%PA(1,1,M)=%IPLM(M,A,B, 90.0)", {{"M", 1, 0, 1}}},
        {"closed dart point", 2, 0, {{"B", 0, 10}, {"l1", 0, 20}, {"p", 0, 0}, {"l2", 10, 20}},
         {{"l1", {{0, 0}, {-20, -20}}}}, "%PA(1,1,B)=%DGC(B,l1,p,l2,%INC(1))", {{"B", 1, -11, -10}}},
        {"like a difference", 2, 0, {{"P", 0, 0}, {"Q", 5, 5}, {"R", 9, 9}},
         {{"Q", {{0, 0}, {4, 5}}}, {"R", {{0, 0}, {1, 1}}}}, "%PA(0,0,P)=Q-R", {{"P", 1, 3, 4}}},
        {"components and scalars", 2, 0, {{"P", 0, 0}, {"Q", 5, 5}}, {{"Q", {{0, 0}, {4, 6}}}},
         "%PA(0,0,P)=(Q.Y/2, -q.x*2)", {{"P", 1, 3, -8}}},
        {"translate a path", 2, 0, {{"A", 0, 0}, {"B", 10, 0}, {"E", 20, 0}}, {{"E", {{0, 0}, {1, 2}}}},
         "%TR(%LP(A, B), E.X-B.X, E.Y-B.Y)", {{"A", 1, 1, 2}, {"B", 1, 1, 2}, {"E", 1, 1, 2}}},
        {"fit the last end", 2, 0, {{"A", 0, 0}, {"M", 50, 0}, {"B", 100, 0}, {"R", 100, 0}},
         {{"R", {{0, 0}, {4, 2}}}}, "%RKD(%LP(A, B), R, 0)", {{"A", 1, 0, 0}, {"M", 1, 2, 1}, {"B", 1, 4, 2}}},
        {"fit the last end in X", 2, 0, {{"A", 0, 0}, {"M", 50, 0}, {"B", 100, 0}, {"R", 100, 0}},
         {{"R", {{0, 0}, {4, 2}}}}, "%RKD(%LP(A, B), R, 1)", {{"M", 1, 2, 0}, {"B", 1, 4, 0}}},
        {"fit the first end", 2, 0, {{"A", 0, 0}, {"M", 50, 0}, {"B", 100, 0}, {"R", 0, 0}},
         {{"R", {{0, 0}, {0, 2}}}}, "%RKD(%LP(A, B), R, 32770)", {{"A", 1, 0, 2}, {"M", 1, 0, 1}, {"B", 1, 0, 0}}},
        {"similar fit", 2, 0, {{"A", 0, 0}, {"M", 50, 0}, {"B", 100, 0}, {"R", 100, 0}},
         {{"R", {{0, 0}, {-100, 100}}}}, "%MF(%LP(A, B), R)", {{"A", 1, 0, 0}, {"M", 1, -50, 50}, {"B", 1, -100, 100}}},
    };
}

TEST(GradeComputeTest, ComputesEachFunctionTheSameInAnyLocale)
{
    for (const bool german : {false, true}) {
        const ScopedLocale locale(german ? "de_DE.UTF-8" : "C");
        for (const FunctionCase &row : functionCases()) {
            SCOPED_TRACE(row.name);
            GradeProblem problem(row.sizes, row.base);
            for (const auto &[name, x, y] : row.variables)
                problem.variable(name, x, y);
            for (const auto &[name, cells] : row.moves)
                problem.moves(name, cells);
            ASSERT_EQ(problem.run({row.text}), 0);
            for (const auto &[name, size, x, y] : row.expected)
                EXPECT_CELL(problem, name, size, x, y);
        }
    }
}

// With zero parameter changes and unmoved references, no function moves anything in the base size.
TEST(GradeComputeTest, LeavesTheBaseSizeAlone)
{
    const char *texts[] = {
        "%PA(0,0,B)=%RG(0,%INC(3),%INC(1))", "%PA(1,1,B)=%CLE(B,C,%INC(5),1)",
        "%PA(1,1,B)=%IS(B,C,D)",            "%PA(1,1,B)=%ROTA(B,C,%INC(10),1)",
        "%PA(1,1,B)=%ROT(B,C,7,%INC(1),1)", "%PA(1,1,B)=%ROTL(B,C,D,0)",
        "%PA(1,1,B)=%IPL(B,C,D)",           "%PA(1,1,B)=%IPLM(B,C,D,30)",
        "%PA(1,1,B)=%DGC(B,C,D,E,%INC(2))", "%PA(1,1,B)=%SYM(C,3,D,E)",
        "%PA(1,1,B)=%GI(B,2,C,D,E)",        "%IP2P(B,C,D,E,30,1)",
        "%DG(C,F,G,%INC(1),%INC(2),%INC(3),0,0,1,0)", "%DGA(C,F,G,%INC(1),%INC(2),%INC(3),1,50,0,1)",
        "%LG(B,C,D,E,F,G,%INC(1),%INC(2))", "%MF(%LP(B,G),G)", "%RKD(%LP(B,G),G,0)",
        "%TR(%LP(B,G),%INC(1),%INC(1))",    "%LHD(%LP(B,G),%VA(k1))",
    };
    for (const char *text : texts) {
        SCOPED_TRACE(text);
        GradeProblem problem(3, 1);
        problem.variable("B", 10, 5).variable("C", 0, 0).variable("D", 20, 30).variable("E", 35, 10);
        problem.variable("F", 50, 40).variable("G", 70, 0).measure("k1", {-1, 0, 1});
        ASSERT_EQ(problem.run({text}), 0);
        for (const std::string &name : problem.variables)
            EXPECT_CELL(problem, name, 1, 0, 0);
    }
}

} // namespace
