// Morvane program grading tests.
// Global path formulas graded through the rule converter: the parser lines, the chain's frame,
// the chain search, and whole items and chains graded on the square.
#include "app/grading/ChainPlacement.h"
#include "app/grading/ChainSearch.h"
#include "app/grading/RuleTexts.h"
#include "app/grading/PatternGrading.h"

#include "GradingFixture.h"
#include "MaskFixtures.h"
#include "formulas/GlobPropDistFormula.h"
#include "formulas/PathPatternFormula.h"
#include "model/MaskPoint.h"

#include <gtest/gtest.h>

#include <cmath>

using testgrading::GradingFixture;

namespace {

constexpr int kBase = 1;
constexpr int kSizes = 5;
constexpr double kPi = 3.14159265358979323846;

void expectNear(DPOINT actual, DPOINT expected, double tolerance = 1e-9)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

} // namespace

TEST(RuleTextsTest, EachCombinationOfKeptEndsHasItsLines)
{
    struct Case
    {
        bool endKept;
        bool startKept;
        int sizeMode;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {true, true, 1, {"%MF(%LP(P1, P9), P9_1)", "%RKD(%LP(P1, P9), P9_1, 0)"}},
        {true, false, 2,
         {"%TR(%LP(P1, P9), P9_1.X-P9.X, P9_1.Y-P9.Y)", "%RKD(%LP(P1, P9), P1_1, 32770)"}},
        {false, true, 1, {"%RKD(%LP(P1, P9), P9_1, 1)"}},
        {false, false, 0, {"%RKD(%LP(P1, P9), P9_1, 0)"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pathEndTexts(c.endKept, c.startKept, c.sizeMode, "P1", "P9", "P9_1", "P1_1"),
                  c.texts);
}

TEST(RuleTextsTest, TheDistributionListsWithoutBlanks)
{
    EXPECT_EQ(pathDistributionText("P1", "P9", {"k0", "k1"}), "%LHD(%LP(P1, P9), %VA(k0,k1))");
    EXPECT_EQ(pathDistributionText("P1", "P9", {}), "%LHD(%LP(P1, P9), %VA())");
}

TEST(RuleTextsTest, ANameAlreadyTakenGetsACounter)
{
    const std::vector<std::string> names{"P1", "P9", "p9_1"};
    EXPECT_EQ(uniquePointName("P2", names), "P2");
    EXPECT_EQ(uniquePointName("P1", names), "P1_1");
    EXPECT_EQ(uniquePointName("P9", names), "P9_2");
    // A point must not hide a segment measure of the same name from the parser.
    EXPECT_EQ(uniquePointName("K0", names), "K0_1");
    EXPECT_EQ(uniquePointName("k12", names), "k12_1");
    EXPECT_EQ(uniquePointName("K", names), "K");
    EXPECT_EQ(uniquePointName("K1a", names), "K1a");
}

TEST(ChainPlacementTest, TheDefaultPlacementLeavesPositionsAndIncrementsAlone)
{
    const ChainPlacement identity;
    expectNear(identity.place({3, 4}), {3, 4});
    expectNear(identity.placeIncrement({-1, 2}), {-1, 2});
}

TEST(ChainPlacementTest, APathWithoutTurnOrMirrorIsOnlyMoved)
{
    const std::vector<DPOINT> previous{{0, 0}, {10, 0}};
    const std::vector<DPOINT> next{{50, 50}, {50, 60}, {55, 70}};
    const ChainPlacement placement = ChainPlacement::follow(previous, {}, next, false, false);
    expectNear(placement.place(next[0]), {10, 0});
    expectNear(placement.place(next[2]), {15, 20});
    expectNear(placement.placeIncrement({2, 3}), {2, 3});
    expectNear(placement.unplaceIncrement({2, 3}), {2, 3});
}

TEST(ChainPlacementTest, ATurnedPathContinuesInThePreviousDirection)
{
    struct Case
    {
        std::vector<DPOINT> previous;
        std::vector<DPOINT> next;
        bool mirror;
    };
    const Case cases[] = {
        {{{0, 0}, {10, 0}}, {{50, 50}, {50, 60}}, false},
        {{{0, 0}, {10, 10}}, {{5, 5}, {0, 5}}, false},
        {{{0, 0}, {-10, 0}}, {{0, 0}, {10, 0.001}}, false},
        {{{0, 0}, {0, 10}}, {{7, 1}, {9, 4}}, true},
    };
    const ChainPlacement previousPlacement{{3, -2}, 0.5, true};
    for (const Case &c : cases) {
        const ChainPlacement placement =
            ChainPlacement::follow(c.previous, previousPlacement, c.next, true, c.mirror);
        const DPOINT joint = previousPlacement.place(c.previous.back());
        const DPOINT before = previousPlacement.place(c.previous.front());
        const DPOINT start = placement.place(c.next[0]);
        const DPOINT second = placement.place(c.next[1]);
        expectNear(start, joint);
        EXPECT_NEAR(std::atan2(second.y - start.y, second.x - start.x),
                    std::atan2(joint.y - before.y, joint.x - before.x), 1e-9);
        EXPECT_LE(std::fabs(placement.angle), kPi);
        EXPECT_EQ(placement.mirror, c.mirror);
        expectNear(placement.unplace(placement.place({1, 2})), {1, 2});
        expectNear(placement.unplaceIncrement(placement.placeIncrement({1, 2})), {1, 2});
    }
}

TEST(ChainSearchTest, FindsTheRootOfAnIncreasingOrDecreasingResidual)
{
    for (const double slope : {1.0, -0.5}) {
        double last = 0;
        const int code = SearchChainEnd(0.0, [&](double d, double &residual) {
            last = d;
            residual = slope * (d - 7.3);
            return 0;
        });
        EXPECT_EQ(code, 0);
        EXPECT_LT(std::fabs(slope * (last - 7.3)), 0.1);
    }
}

TEST(ChainSearchTest, AResidualGrowingAwayFromZeroTurnsTheStepOnce)
{
    double last = 0;
    SearchChainEnd(0.0, [&](double d, double &residual) {
        last = d;
        residual = d + 5.0;
        return 0;
    });
    EXPECT_NEAR(last, -5.0, 0.1);
}

TEST(ChainSearchTest, AResidualThatNeverChangesSignEndsAfterAllStepsAndHalvings)
{
    int calls = 0;
    const int code = SearchChainEnd(1.0, [&](double, double &residual) {
        ++calls;
        residual = 1.0;
        return 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(calls, 1 + 100 + 100);
}

TEST(ChainSearchTest, AFailingResidualEndsTheSearchWithItsCode)
{
    int calls = 0;
    EXPECT_EQ(SearchChainEnd(0.0,
                             [&](double, double &residual) {
                                 residual = 1.0;
                                 return ++calls == 3 ? -10 : 0;
                             }),
              -10);
    EXPECT_EQ(calls, 3);
}

namespace {

/// The square's global path formulas: paths between its mask points, and a formula over them.
class RuleConverterTest : public GradingFixture
{
protected:
    CBasePoint *maskPoint(int i) const { return testmodel::maskPointAt(*m_square, i); }

    /// A path formula from mask point first to last; reverse takes the way by the next point
    /// (P1 to P2 directly, not by P4).
    CPathPatternFormula *addPath(const std::string &name, int first, int last, bool reverse)
    {
        auto path = std::make_unique<CPathPatternFormula>();
        path->SetPattern(m_square);
        path->SetVarName(name);
        path->SetFirstPoint(maskPoint(first)->GetMaskPoint());
        path->SetLastPoint(maskPoint(last)->GetMaskPoint());
        path->SetReverse(reverse);
        path->SetOwner(m_mask);
        return static_cast<CPathPatternFormula *>(
            m_mask->GetFormulas().AddFormula(std::move(path)));
    }

    CGlobPropDistFormula *addGlobal(bool relative, int chainMode, int sizeMode)
    {
        auto *formula = static_cast<CGlobPropDistFormula *>(m_mask->GetFormulas().AddFormula(
            m_mask->GetFormulas().MakeGlobalFormula(CBaseRelativeFormula::kRelativeType,
                                                    nullptr)));
        formula->SetRelative(relative);
        formula->SetPathsGradeType(chainMode);
        formula->SetPathAdjustType(sizeMode);
        m_manager.Invalidate();
        return formula;
    }

    /// The square's top side, P3 to P4, measured: 40 long at the base, 40 + 2 k in size step k
    /// once P4 is graded outwards by 2 per step; P3 is graded to stay.
    void measureTopSide(CGlobPropDistFormula &formula)
    {
        addIncrement(2, "0", "0");
        addIncrement(3, "%INC(-2)", "0");
        formula.GetMeasurePaths().Add(addPath("top", 2, 3, true));
    }

    void gradeAndExpect(const std::vector<std::pair<int, DPOINT>> &perStep)
    {
        ASSERT_TRUE(m_manager.ApplyGradeRules());
        EXPECT_TRUE(m_messages.problems.empty())
            << (m_messages.problems.empty() ? "" : m_messages.problems.front());
        for (int s = 0; s < kSizes; ++s) {
            const double k = s - kBase;
            for (const auto &[point, step] : perStep) {
                SCOPED_TRACE("point " + std::to_string(point) + ", size " + std::to_string(s));
                expectNear(absShiftOf(point, s), {step.x * k, step.y * k});
            }
        }
    }
};

} // namespace

// P1 (0, 0) to P3 (40, 40) by P2 (40, 0): P2 lies halfway along, so it takes half of P3's
// movement; P1 is graded by nothing and stays.
TEST_F(RuleConverterTest, APathOfItsOwnSpreadsTheMovementOfItsEnds)
{
    addIncrement(2, "%INC(2)", "%INC(1)");
    addGlobal(false, 0, 0)->AddPathProperty(addPath("front", 0, 2, true));
    for (const double angle : {0.0, 90.0}) {
        SCOPED_TRACE("placed at " + std::to_string(angle));
        place(angle, false);
        gradeAndExpect({{0, {0, 0}}, {1, {1, 0.5}}, {2, {2, 1}}, {3, {0, 0}}});
    }
}

// The measured side grows by 2 per step, and so does the path P1-P2 measured against it, as
// long as the side at the base: its end P2 moves 2 along x. Nothing else grades P2, so the end
// fit brings it back to its own grading on the axes the size mode keeps: x in modes 0 and 1.
TEST_F(RuleConverterTest, EachSizeModeKeepsItsAxesOfTheEnd)
{
    const DPOINT kept{0, 0};
    const DPOINT grown{2, 0};
    const std::pair<int, DPOINT> cases[] = {{0, kept}, {1, kept}, {2, grown}};
    CGlobPropDistFormula *formula = addGlobal(true, 0, 0);
    formula->AddPathProperty(addPath("bottom", 0, 1, true));
    measureTopSide(*formula);
    for (const auto &[sizeMode, p2] : cases) {
        SCOPED_TRACE("size mode " + std::to_string(sizeMode));
        formula->SetPathAdjustType(sizeMode);
        m_manager.Invalidate();
        gradeAndExpect({{0, {0, 0}}, {1, p2}, {3, {-2, 0}}});
    }
}

// Two paths joined at P2, P1-P2 and P2-P3, measured against the top side, which grows by 2 per
// step: each path takes half, 1 per step, so P2 moves 1 along x and P3 1 along y. Another
// formula grades P3 and keeps it still, so the chain is moved back by P3's 1 along y; then its
// start P1 is brought back to its own grading on the axes the size mode keeps (none of the
// move in mode 1, x and y in mode 0), each point taking its share by arc length from P3: P2,
// halfway, half.
TEST_F(RuleConverterTest, AChainGrowsEachPathByItsShareAndFitsItsEnds)
{
    struct Case
    {
        int sizeMode;
        DPOINT p1;
        DPOINT p2;
    };
    const Case cases[] = {{1, {0, -1}, {1, -1}}, {0, {0, 0}, {1, -0.5}}};
    CGlobPropDistFormula *formula = addGlobal(true, 1, 1);
    formula->AddPathProperty(addPath("bottom", 0, 1, true));
    formula->AddPathProperty(addPath("right", 1, 2, true));
    measureTopSide(*formula);
    // As the formula's check finds it.
    formula->GetGradePathProperties().GetAt(1)->SetEndGraded(true);
    for (const Case &c : cases) {
        SCOPED_TRACE("size mode " + std::to_string(c.sizeMode));
        formula->SetPathAdjustType(c.sizeMode);
        m_manager.Invalidate();
        gradeAndExpect({{0, c.p1}, {1, c.p2}, {2, {0, 0}}});
    }
}

// The top side grows by 2 per step once P4 is graded; a formula graded after P4 in the same pass
// reads the side's measure as it is then, not as the outline was before the pass.
TEST_F(RuleConverterTest, AMeasuredPathReadLaterInThePassHasItsNewLength)
{
    addIncrement(2, "0", "0");
    addIncrement(3, "%INC(-2)", "0");
    addPath("top", 2, 3, true);
    addIncrement(1, "top", "0");
    gradeAndExpect({{1, {2, 0}}, {2, {0, 0}}, {3, {-2, 0}}});
}

// Other formulas grade both ends of the path P1-P3: P1 by its increment, P3 like P1. The formula's
// own check never ran, so only the grading finds that it leaves its ends to them; were it taken
// to grade P1 and P3 itself, it and the like point would wait for each other. All three move
// alike, P2 between its ends.
TEST_F(RuleConverterTest, EndsGradedElsewhereAreLeftToThemBeforeTheFormulasAreOrdered)
{
    addIncrement(0, "%INC(1)", "0");
    addLikePoint(2, 0);
    addGlobal(false, 0, 0)->AddPathProperty(addPath("front", 0, 2, true));
    gradeAndExpect({{0, {1, 0}}, {1, {1, 0}}, {2, {1, 0}}, {3, {0, 0}}});
}
