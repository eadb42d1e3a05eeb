// Morvane Hollicot formula parser tests.
// Every error code from a minimal text or set-up, and what a failure leaves in the cells.
#include "GradeProblem.h"

#include "platform/hollicot/ErrorCode.h"

#include <gtest/gtest.h>
#include <limits>

using namespace hollicot;

namespace {

GradeProblem smallProblem()
{
    GradeProblem problem(2, 0);
    problem.variable("P1", 0, 0).variable("P2", 10, 0).measure("m", {0, 1});
    return problem;
}

struct ErrorCase
{
    const char *text;
    int code;
};

constexpr ErrorCase kErrorCases[] = {
    {"%PA(0,0,P1)=(1,2)~", kBadCharacter},
    {"%PA(0,0,P1)=(1,2) % 3", kBadCharacter},
    {"%PA(0,0,P1)=(1,2)+", kUnexpectedEnd},
    {"%PA(0,0,P1)=", kUnexpectedEnd},
    {"%PA(0,0,P1)=(1 2)", kUnexpectedToken},
    {"%PA(0,0,P1)=(1,2).X", kUnexpectedToken},
    {"%PA(0,0,P1)=((1,2)", kUnbalanced},
    {"%PA(0,0,P1)=(1,2))", kUnbalanced},
    {"%PA(0,0,P1)=(nope,0)", kUnknownName},
    {"%LHD(%LP(P1, nope), %VA(P1))", kUnknownName},
    {"%PA(0,0,P1)=%FOO(1)", kUnknownFunction},
    {"%PA(0,0,P1)=%IPL(P1,P2)", kArgumentCount},
    {"%PA(0,0,P1)=P2*P2", kWrongKind},
    {"%PA(0,0,P1)=m", kWrongKind},
    {"%PA(0,0,P1)=(P2,1)", kWrongKind},
    {"%PA(0,0,P1)=%IPL(P1,m,P2)", kWrongKind},
    {"%PA(0,0,P1)=%IPL(P1,,P2)", kWrongKind},
    {"%LHD(%LP(P1, ), %VA(P1))", kWrongKind},
    {"%LHD(%LP(P1, P2), %VA(P1,m))", kWrongKind},
    {"m*2", kWrongKind},
    {"%PA(0,0,P1)=%SYM(P2,3,,)", kWrongKind},
    {"%PA(0,0,P1)=(2.5x,0)", kBadNumber},
    {"%PA(0,0,P1)=(1e999,0)", kBadNumber},
    {"%PA(0,0,P1)=(1/m,0)", kNotFinite},
    {"%PA(0,0,P1)=(1e308*10,0)", kNotFinite},
    {"%PA(3,0,P1)=(1,0)", kBadAddress},
    {"%PA(0,0)=(1,0)", kBadAddress},
    {"P1=(1,0)", kBadAddress},
    {"%PA(0,0,m)=(1,0)", kTargetNotVariable},
    {"%PA(0,0,P1)=%ROTL(P1,P2,P2,1)", kBadGeometry},
    {"%LHD(%LP(P2, P1), %VA(P1))", kBadGeometry},
};

TEST(GradeErrorTest, EachFaultHasItsCodeAndNamesTheStatement)
{
    for (const auto &row : kErrorCases) {
        SCOPED_TRACE(row.text);
        GradeProblem problem = smallProblem();
        EXPECT_EQ(problem.run({"%PA(0,0,P2)=(1,1)", row.text}), row.code);
        int code = 0;
        std::string text;
        EXPECT_EQ(problem.parser->GetError(code, text), row.code);
        EXPECT_EQ(text, row.text);
        EXPECT_NE(describeError(row.code), describeError(99));
    }
}

TEST(GradeErrorTest, RefusesNestingDeeperThanTheLimit)
{
    GradeProblem problem = smallProblem();
    std::string deep(100000, '(');
    deep += '1';
    deep.append(100000, ')');
    EXPECT_EQ(problem.run({"%PA(0,0,P1)=(" + deep + ",0)"}), kUnexpectedToken);
    std::string longSum = "%PA(0,0,P1)=(0";
    for (int i = 0; i < 50000; ++i)
        longSum += "+1";
    EXPECT_EQ(problem.run({longSum + ",0)"}), kUnexpectedToken);
    EXPECT_EQ(problem.run({"%PA(0,0,P1)=(" + std::string(100000, '-') + "1,0)"}), kUnexpectedToken);
}

TEST(GradeErrorTest, RefusesAnInconsistentSetUpAndComputeAfterIt)
{
    GradeProblem problem = smallProblem();
    problem.base = 5;
    EXPECT_EQ(problem.run({"%PA(0,0,P1)=(1,0)"}), kBadSetUp);
    EXPECT_EQ(problem.parser->Compute(), kBadSetUp);
    EXPECT_EQ(problem.parser->ComputeSize(0), kBadSetUp);

    GradeProblem faulty = smallProblem();
    EXPECT_EQ(faulty.run({"%PA(0,0,P1)=(nope,0)"}), kUnknownName);
    EXPECT_EQ(faulty.parser->Compute(), kBadSetUp);

    GradeProblem good = smallProblem();
    ASSERT_EQ(good.run({"%PA(0,0,P1)=(1,0)"}), 0);
    EXPECT_EQ(good.parser->ComputeSize(2), kBadSetUp);
    EXPECT_EQ(good.parser->ComputeSize(-1), kBadSetUp);
}

TEST(GradeErrorTest, AFailingSizeKeepsItsCells)
{
    GradeProblem problem(3, -1);
    problem.variable("P1", 0, 0).measure("m", {1, 0, 2});
    problem.moves("P1", {{5, 5}, {6, 6}, {7, 7}});
    EXPECT_EQ(problem.run({"%PA(1,1,P1)=(1/m,0)"}), kNotFinite);
    EXPECT_CELL(problem, "P1", 0, 1, 0);
    EXPECT_CELL(problem, "P1", 1, 6, 6);
    EXPECT_CELL(problem, "P1", 2, 7, 7);
}

TEST(GradeErrorTest, NeverWritesANonFiniteCell)
{
    GradeProblem problem(2, -1);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    problem.variable("P1", 0, 0).variable("P2", 0, 0).measure("m", {nan, 1});
    problem.moves("P2", {{0, 0}, {nan, 0}});
    EXPECT_EQ(problem.run({"%PA(1,1,P1)=(m,0)"}), kNotFinite);
    EXPECT_CELL(problem, "P1", 0, 0, 0);
    EXPECT_EQ(problem.parser->ComputeSize(1), kNotFinite);
}

TEST(GradeErrorTest, RunsWithoutTables)
{
    const auto parser = CGradeDataFactory::MakeGradeData();
    ASSERT_EQ(parser->SetUp({"P1"}, nullptr, {"%PA(1,1,P1)=(m,1)"}, -1, 2, nullptr, {"m"}, 0,
                            nullptr, false),
              0);
    EXPECT_EQ(parser->Compute(), 0);
    double x = 0;
    double y = 0;
    EXPECT_EQ(parser->GetCells()->GetCell(0, 0, x, y), kBadSetUp);
}

} // namespace
