// Morvane program grading tests.
// Runtime formulas for the grade points that no formula grades on both axes.
#include "GradingFixture.h"
#include "MaskFixtures.h"
#include "SquareOnMask.h"
#include "app/grading/PatternGrading.h"
#include "app/grading/testing/MaskFormulas.h"
#include "formulas/BasePointFormula.h"
#include "formulas/RuntimeInterpolateFormula.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int kBase = 1;

/// The square's one closed line runs P1 P2 P3 P4 P1: P1 is its end, the others are interior.
class GradePointFormulasTest : public testgrading::GradingFixture
{
protected:
    GradePointFormulasTest() { m_manager.SetGradePointOptions({}); }

    CPatternGrading *grading() const { return m_manager.GetPatternGradingAt(0); }

    /// The runtime interpolate formulas made, by the point each grades.
    std::map<const CBasePoint *, CRuntimeInterpolateFormula *> interpolations()
    {
        std::map<const CBasePoint *, CRuntimeInterpolateFormula *> found;
        CPtrCollection<IBaseFormula> formulas;
        grading()->CollectFormulas(formulas);
        for (IBaseFormula *formula : formulas)
            if (auto *made = dynamic_cast<CRuntimeInterpolateFormula *>(formula))
                found[made->GetPoint(0)] = made;
        return found;
    }

    void expectShift(int point, int size, double x, double y) const
    {
        SCOPED_TRACE("point " + std::to_string(point) + ", size " + std::to_string(size));
        const DPOINT shift = shiftOf(point, size);
        EXPECT_NEAR(shift.x, x, 1e-9);
        EXPECT_NEAR(shift.y, y, 1e-9);
    }
};

TEST_F(GradePointFormulasTest, PointsNothingGradesFollowTheirGradedNeighboursByDistance)
{
    addIncrement(0, "3", "0");
    addIncrement(2, "0", "4");

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    const auto made = interpolations();
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made.count(inputPoint(0)), 0u) << "a point graded on both axes gets none";
    ASSERT_EQ(made.count(inputPoint(1)), 1u);
    EXPECT_EQ(made.at(inputPoint(1))->GetPoint(1), inputPoint(0));
    EXPECT_EQ(made.at(inputPoint(1))->GetPoint(2), inputPoint(2));
    // P2 and P4 lie 40 from both neighbours: halfway between (3, 0) and (0, 4).
    for (int s = 0; s < 5; ++s) {
        const double x = s == kBase ? 0 : 1.5;
        const double y = s == kBase ? 0 : 2;
        expectShift(1, s, x, y);
        expectShift(3, s, x, y);
    }
}

TEST_F(GradePointFormulasTest, APointGradedOnOneAxisIsInterpolatedOnTheOtherOnly)
{
    addIncrement(0, "3", "0");
    addIncrement(2, "0", "4");
    auto *xOnly = dynamic_cast<IPointFormula *>(addIncrement(1, "5", "0"));
    xOnly->SetApplyTypeY(2);
    m_manager.Invalidate();

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    const auto made = interpolations();
    ASSERT_EQ(made.count(inputPoint(1)), 1u);
    EXPECT_EQ(made.at(inputPoint(1))->GetApplyTypeX(), 2);
    EXPECT_EQ(made.at(inputPoint(1))->GetApplyTypeY(), 1);
    expectShift(1, 3, 5, 2);
}

TEST_F(GradePointFormulasTest, AWalkThatReachesTheEndOfItsLineTakesThatEnd)
{
    addIncrement(0, "3", "0");

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    // Nothing grades P3: from P2, P3 and P4 both walks end at P1, the line's end.
    EXPECT_EQ(interpolations().size(), 3u);
    for (int point = 1; point < 4; ++point)
        expectShift(point, 3, 3, 0);
}

TEST_F(GradePointFormulasTest, WithTheOptionsOffOnlyPointsOtherFormulasReadAreCompleted)
{
    addIncrement(0, "3", "0");
    addIncrement(2, "0", "4");
    m_manager.SetGradePointOptions({false, false});

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    EXPECT_TRUE(interpolations().empty());
    expectShift(1, 3, 0, 0);
}

/// The square piece with extras, graded with runtime formulas, every test on its own.
class SquareWithExtras : public testgrading::SquareOnMask
{
public:
    explicit SquareWithExtras(testgrading::SquareExtras extras, GradePointOptions options)
        : SquareOnMask(extras)
    {
        m_manager.SetGradePointOptions(options);
    }

    /// The input point at (x, y) on the mask (where the source put it); null when none.
    CBasePoint *inputPointAt(double x, double y) const
    {
        const CPattern *pattern = m_patterns->GetPatternAt(0);
        for (int i = 0; i < pattern->GetBasePointCount(); ++i) {
            const DPOINT at = pattern->GetBasePointAt(i)->GetAbsPosition();
            if (std::hypot(at.x - x, at.y - y) < 1e-9)
                return pattern->GetBasePointAt(i);
        }
        return nullptr;
    }

    /// The type of each formula of the grading that acts on point.
    std::vector<int> typesGrading(CBasePoint *point) const
    {
        CPtrCollection<IBaseFormula> formulas;
        m_manager.GetPatternGradingAt(0)->CollectFormulas(formulas);
        std::vector<int> types;
        for (IBaseFormula *formula : formulas) {
            CPtrCollection<CBasePoint> points;
            formula->CollectPoints(points);
            if (points.Find(point) >= 0)
                types.push_back(formula->GetFormulaType());
        }
        return types;
    }

    /// A symmetry formula on mask point i mirroring mask point reference about the mask's X
    /// axis.
    void addMirror(int i, int reference)
    {
        testgrading::addMirror(m_mask->GetFormulas(), testmodel::maskPointAt(*m_square, i),
                               testmodel::maskPointAt(*m_square, reference));
        m_manager.Invalidate();
    }
};

struct RuntimeFormulaCase
{
    const char *name;
    testgrading::SquareExtras extras;
    GradePointOptions options;
    DPOINT point;
    int formulaType;
    DPOINT shift; // in size 3, one step above the base size
};

// P1 moves by (3, 0) and P3 by (0, 4); P2 and P4, 40 from both, take (1.5, 2). Global
// interpolations weigh the square's corners by 1 / distance squared.
const RuntimeFormulaCase kRuntimeFormulaCases[] = {
    {"a line end follows its neighbours along the outline",
     {.sidesAsLines = true},
     {},
     {40, 0},
     12,
     {1.5, 2}},
    {"an interior point follows its neighbours along its line", {}, {}, {40, 0}, 12, {1.5, 2}},
    // (20, 0): halfway between P1 and P2.
    {"a slider without anchor follows the grade points of its line around it",
     {.slider = true, .sliderAnchor = 9},
     {},
     {20, 0},
     12,
     {2.25, 1}},
    {"a slider anchored to a grade point is graded outside the formulas",
     {.slider = true, .sliderAnchor = 0},
     {},
     {20, 0},
     31,
     {0, 0}},
    // (20, 30): weights 5, 5, 13, 13 (/ 6500) for P1 to P4.
    {"a mark point is interpolated over the pattern",
     {.markPoint = true},
     {.interpolateMarkPoints = true},
     {20, 30},
     25,
     {7.0 / 6, 22.0 / 9}},
    // (20, 10): weights 13, 13, 5, 5.
    {"a point of a line off the outline is interpolated over the pattern",
     {.innerLine = true},
     {.interpolateInternalLinePoints = true},
     {20, 10},
     25,
     {11.0 / 6, 14.0 / 9}},
};

TEST(RuntimeFormulaKindTest, EachKindOfPointNothingGradesGetsItsRuntimeFormula)
{
    for (const RuntimeFormulaCase &row : kRuntimeFormulaCases) {
        SCOPED_TRACE(row.name);
        SquareWithExtras square(row.extras, row.options);
        square.addIncrement(0, "3", "0");
        square.addIncrement(2, "0", "4");

        EXPECT_TRUE(square.m_manager.ApplyGradeRules());

        CBasePoint *point = square.inputPointAt(row.point.x, row.point.y);
        if (point == nullptr) {
            ADD_FAILURE() << "no input point there";
            continue;
        }
        EXPECT_EQ(square.typesGrading(point), std::vector<int>{row.formulaType});
        const DPOINT shift = point->GetInputPoint()->GetGradeShift({}, {0, 3});
        EXPECT_NEAR(shift.x, row.shift.x, 1e-9);
        EXPECT_NEAR(shift.y, row.shift.y, 1e-9);
        EXPECT_TRUE(square.m_messages.problems.empty()) << square.m_messages.problems.front();
        EXPECT_TRUE(square.m_messages.questions.empty());
    }
}

TEST(RuntimeFormulaKindTest, APatternGetsOneGlobalInterpolationForAllItsPointsThatCallForOne)
{
    SquareWithExtras square({.markPoint = true, .innerLine = true},
                            {.interpolateMarkPoints = true, .interpolateInternalLinePoints = true});
    square.addIncrement(0, "3", "0");
    square.addIncrement(2, "0", "4");

    ASSERT_TRUE(square.m_manager.ApplyGradeRules());

    CPtrCollection<IBaseFormula> formulas;
    square.m_manager.GetPatternGradingAt(0)->CollectFormulas(formulas);
    EXPECT_EQ(std::count_if(formulas.begin(), formulas.end(),
                            [](IBaseFormula *formula) { return formula->GetFormulaType() == 25; }),
              1);
    for (const DPOINT at : {DPOINT{20, 30}, DPOINT{10, 10}, DPOINT{20, 10}, DPOINT{30, 10}})
        EXPECT_EQ(square.typesGrading(square.inputPointAt(at.x, at.y)), std::vector<int>{25});
}

// Each corner ends two lines. P1 mirrors P4 and P2 mirrors P3, about the X axis; P3 and P4 have
// no formula and only P4 grows in the source, by (1, 2) a size. P3 takes its neighbours P1 and
// P1 (P2 reads P3 itself). For P4, P2 would close a cycle through the formula just made for P3
// (P2 reads P3, which reads P1, which reads P4) and P1 reads P4: it has no neighbour and keeps
// its own grading, and no formula is reported in a cycle.
TEST(RuntimeFormulaKindTest, AnchorsWhoseGradingRunsBackThroughFormulasMadeEarlierArePassedOver)
{
    SquareWithExtras square({.sidesAsLines = true}, {});
    square.m_source.points[3]->growth = {1, 2};
    square.addMirror(0, 3);
    square.addMirror(1, 2);

    ASSERT_TRUE(square.m_manager.ApplyGradeRules());

    EXPECT_TRUE(square.m_messages.problems.empty()) << square.m_messages.problems.front();
    CPtrCollection<IBaseFormula> cyclic;
    square.m_manager.GetPatternGradingAt(0)->CollectCyclicFormulas(cyclic);
    EXPECT_EQ(cyclic.GetCount(), 0);
    EXPECT_EQ(square.typesGrading(square.inputPoint(3)), std::vector<int>{});
    // In size 3 P4 lies 4 growths away: (4, 8); P1 and P3 take its mirror image.
    const DPOINT expected[] = {{4, -8}, {4, 8}, {4, -8}, {4, 8}};
    for (int point = 0; point < 4; ++point) {
        SCOPED_TRACE("point " + std::to_string(point));
        const DPOINT shift = square.shiftOf(point, 3);
        EXPECT_NEAR(shift.x, expected[point].x, 1e-9);
        EXPECT_NEAR(shift.y, expected[point].y, 1e-9);
    }
}

} // namespace
