// Morvane program grading tests.
// Slider points graded along the outline of every size by their notch-distance formulas.
#include "app/grading/NotchDistanceGrading.h"

#include "FakeGradeSource.h"
#include "MaskFixtures.h"
#include "SquareOnMask.h"
#include "app/grading/GradingFailure.h"
#include "app/grading/GradingMeasures.h"
#include "app/grading/GradingSizes.h"
#include "formulas/PointFormulaNotchDistance.h"
#include "model/FormulaManager.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/MorvaneFactory.h"

#include <gtest/gtest.h>
#include <memory>

using testmodel::FakePoint;
using testmodel::maskPointAt;

namespace {

constexpr GradingSizes kSizes{0, 4, 1};

/// An input piece: a square a (0, 0), b (40, 0), c (40, 40), d (0, 40) on one closed curve,
/// where b moves right by 10 a size step (its size s lies (s + 1) steps out), and a slider
/// point at (20, 0) on the curve, point 4.
class NotchDistanceGradingTest : public ::testing::Test
{
protected:
    NotchDistanceGradingTest()
    {
        FakePoint *a = m_source.addPoint(0, 0);
        FakePoint *b = m_source.addPoint(40, 0);
        b->growth = {10, 0};
        FakePoint *c = m_source.addPoint(40, 40);
        FakePoint *d = m_source.addPoint(0, 40);
        m_slider = m_source.addPoint(20, 0);
        m_slider->slideCurve = m_source.addCurve({a, b, c, d, a});
        m_patterns->AddPattern(&m_source);
        m_patterns->Update();
    }

    /// The input point made from the source's point i.
    CBasePoint *inputPoint(int i) const
    {
        CBasePoint *point = m_patterns->GetPatternAt(0)->GetBasePointAt(i);
        EXPECT_EQ(point->GetAbsPosition().x, m_source.points[static_cast<size_t>(i)]->base.x);
        return point;
    }

    /// A notch-distance copy bound to the slider, measured from input point reference along
    /// the square's outline, or along the curve itself when asked.
    std::unique_ptr<CPointFormulaNotchDistance> notch(int reference, const std::string &distance,
                                                      bool alongLine = false)
    {
        auto formula = std::make_unique<CPointFormulaNotchDistance>();
        formula->SetIndexPoint(0, inputPoint(reference));
        formula->UpdateIfNeeded();
        formula->SetBoundPoint(inputPoint(4));
        formula->SetResolved(0, inputPoint(reference));
        formula->GetParam(0)->SetValue(distance);
        formula->SetAlongLine(alongLine);
        return formula;
    }

    DPOINT sliderShift(int size) const
    {
        return inputPoint(4)->GetInputPoint()->GetGradeShift({}, kSizes.key(size));
    }

    testmodel::FakePattern m_source{"Front"};
    FakePoint *m_slider = nullptr;
    CEventHandler *m_handler = nullptr;
    std::unique_ptr<IInputPatterns> m_patterns = CMorvaneFactory::MakeInputPatterns(m_handler);
    GradingMeasures m_measures;
    // One parser for every grading of a test, as a pattern's pass has.
    std::unique_ptr<hollicot::IGradeParseData> m_parser =
        hollicot::CGradeDataFactory::MakeGradeData();
};

TEST_F(NotchDistanceGradingTest, OutlinePointsAreNamedAndPlacedSizeBySize)
{
    CPtrCollection<CBasePoint> outline;
    outline.Add(inputPoint(0));
    outline.Add(inputPoint(1));

    const OutlineVariables variables = ContourVariables(outline, kSizes);

    const std::string a = inputPoint(0)->GetFormatName();
    const std::string b = inputPoint(1)->GetFormatName();
    EXPECT_EQ(variables.names, (std::vector<std::string>{a, b, a + "S0", b + "S0", a + "S2",
                                                         b + "S2", a + "S3", b + "S3"}));
    ASSERT_EQ(variables.positions.size(), 8u);
    EXPECT_DOUBLE_EQ(variables.positions[1].x, 40);
    EXPECT_DOUBLE_EQ(variables.positions[3].x, 50);
    EXPECT_DOUBLE_EQ(variables.positions[7].x, 80);
}

TEST_F(NotchDistanceGradingTest, TheSliderKeepsItsDistanceFromTheReferenceChangedByTheText)
{
    struct Case
    {
        int reference;
        std::string distance;
        double perSize[4];
    };
    // From a, which stays, the slider moves by the change of distance alone; from b, 20 before
    // it, it follows b out by 10 a step, less the change of distance.
    const Case cases[] = {
        {0, "0", {0, 0, 0, 0}},
        {0, "%INC(2)", {-2, 0, 2, 4}},
        {1, "0", {10, 0, 30, 40}},
        {1, "%INC(2)", {12, 0, 28, 36}},
    };
    // The curve ends where it starts: along it the slider is measured as along the outline.
    for (const bool alongLine : {false, true}) {
        for (const Case &c : cases) {
            SCOPED_TRACE("reference " + std::to_string(c.reference) + ", distance " + c.distance +
                         (alongLine ? ", along the curve" : ""));
            GradeNotchDistance(*m_parser, *notch(c.reference, c.distance, alongLine), "notch",
                               kSizes, m_measures, nullptr);
            for (int s = 0; s < kSizes.count; ++s) {
                EXPECT_NEAR(sliderShift(s).x, c.perSize[s], 1e-9) << "size " << s;
                EXPECT_NEAR(sliderShift(s).y, 0, 1e-9) << "size " << s;
            }
        }
    }
}

TEST_F(NotchDistanceGradingTest, AnAxisTheFormulaLeavesAloneKeepsItsGrading)
{
    m_slider->growth = {0, 3};
    std::unique_ptr<CPointFormulaNotchDistance> formula = notch(0, "%INC(2)");
    formula->SetApplyTypeY(2);

    GradeNotchDistance(*m_parser, *formula, "notch", kSizes, m_measures, nullptr);

    EXPECT_NEAR(sliderShift(0).x, -2, 1e-9);
    EXPECT_NEAR(sliderShift(0).y, 3, 1e-9);
    EXPECT_NEAR(sliderShift(3).x, 4, 1e-9);
    EXPECT_NEAR(sliderShift(3).y, 12, 1e-9);
}

TEST_F(NotchDistanceGradingTest, AFailureNamesTheFormulaAndWritesNothing)
{
    try {
        GradeNotchDistance(*m_parser, *notch(0, "1/0"), "notch(P1, 1/0)", kSizes, m_measures,
                           nullptr);
        FAIL() << "no failure";
    } catch (const GradingFailure &failure) {
        EXPECT_NE(std::string(failure.what()).find("notch(P1, 1/0)"), std::string::npos)
            << failure.what();
    }
    for (int s = 0; s < kSizes.count; ++s)
        EXPECT_EQ(sliderShift(s).x, 0);
}

TEST_F(NotchDistanceGradingTest, ResultsGoBackByNameWhateverTheLetterCase)
{
    CBasePoint *b = inputPoint(1);
    std::string lower = b->GetFormatName();
    lower[0] = static_cast<char>(std::tolower(lower[0]));
    const hollicot::CellRows results{{{1, 2}, {0, 0}, {3, 4}, {5, 6}}};

    WriteResultsByName("notch", b, {"Q9"}, results, kSizes, nullptr);
    EXPECT_EQ(b->GetInputPoint()->GetGradeShift({}, kSizes.key(2)).x, 30);

    WriteResultsByName("notch", b, {lower}, results, kSizes, nullptr);
    EXPECT_EQ(b->GetInputPoint()->GetGradeShift({}, kSizes.key(0)).y, 2);
    EXPECT_EQ(b->GetInputPoint()->GetGradeShift({}, kSizes.key(1)).x, 20);
    EXPECT_EQ(b->GetInputPoint()->GetGradeShift({}, kSizes.key(3)).x, 5);
}

/// The square on its mask with a slider on its outline, graded through the manager.
class NotchOnMaskTest : public ::testing::Test, public testgrading::SquareOnMask
{
protected:
    NotchOnMaskTest()
        : SquareOnMask({.slider = true})
    {
    }
};

TEST_F(NotchOnMaskTest, TheManagerGradesTheSliderAfterThePointsOfItsOutline)
{
    CFormulaManager &formulas = m_mask->GetFormulas();
    auto *notch =
        static_cast<CPointFormulaNotchDistance *>(formulas.AddFormula(formulas.MakePointFormula(
            CPointFormulaNotchDistance::kFormulaType, nullptr, maskPointAt(*m_square, 4))));
    notch->SetIndexPoint(0, maskPointAt(*m_square, 1));
    notch->SetDistance("%INC(-1)");
    addIncrement(1, "%INC(10)", "0");

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    // 20 before b, which moves out by 10 a step, and 1 nearer it a step.
    const auto &problems = m_messages.problems;
    EXPECT_TRUE(problems.empty()) << (problems.empty() ? "" : problems[0]);
    for (int s = 0; s < 5; ++s) {
        EXPECT_NEAR(shiftOf(4, s).x, 11.0 * (s - 1), 1e-9) << "size " << s;
        EXPECT_NEAR(shiftOf(4, s).y, 0, 1e-9) << "size " << s;
    }
}

} // namespace
