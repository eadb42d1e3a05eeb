// Morvane formula library tests.
// Point formulas over input patterns: one copy bound to each associated input point, and the
// slider points of the notch-distance formula.
#include "FakeGradeSource.h"
#include "InputSquares.h"
#include "MaskFixtures.h"
#include "formulas/PointFormulaLikePoint.h"
#include "formulas/PointFormulaNotchDistance.h"
#include "formulas/RuntimeExternalFormula.h"
#include "model/FormulaMessageList.h"
#include "model/GradeMask.h"
#include "model/InputPattern.h"
#include "model/InputPatterns.h"
#include "model/MorvaneFactory.h"

#include <gtest/gtest.h>

using testmodel::FakeCurve;
using testmodel::FakePattern;
using testmodel::FakePoint;
using testmodel::maskPointAt;

namespace {

/// Three input patterns "A", "B" and "C", each a square like the mask's "Front", shown on a
/// mask that holds "Front".
class BoundCopyTest : public ::testing::Test
{
protected:
    CBasePoint *inputPoint(int pattern, int i) const { return m_squares.inputPoint(pattern, i); }
    void associateEverywhere(int i) { m_squares.associateEverywhere(i); }

    CPointFormulaLikePoint *likeThirdPoint()
    {
        CFormulaManager &manager = m_mask->GetFormulas();
        auto *formula =
            static_cast<CPointFormulaLikePoint *>(manager.AddFormula(manager.MakePointFormula(
                CPointFormulaLikePoint::kFormulaType, nullptr, maskPointAt(*m_square, 0))));
        formula->SetReferencePoint(maskPointAt(*m_square, 2));
        return formula;
    }

    testformulas::InputSquares m_squares{{"A", "B", "C"}, false};
    std::unique_ptr<IInputPatterns> &m_patterns = m_squares.patterns;
    CGradeMask *m_mask = m_squares.mask;
    CMaskPattern *m_square = m_squares.square;
};

} // namespace

TEST_F(BoundCopyTest, EachAssociatedInputPointGetsACopyReadingItsOwnPattern)
{
    associateEverywhere(0);
    associateEverywhere(2);
    CPointFormulaLikePoint *formula = likeThirdPoint();

    CPtrCollection<IBaseFormula> order;
    m_mask->GetFormulas().GetEvaluationOrder(order);

    ASSERT_EQ(order.GetCount(), 3);
    for (int pattern = 0; pattern < 3; ++pattern) {
        SCOPED_TRACE(pattern);
        auto *copy = dynamic_cast<CPointFormulaLikePoint *>(order.GetAt(pattern));
        ASSERT_NE(copy, nullptr);
        EXPECT_NE(copy, formula);
        EXPECT_EQ(copy->GetRefreshSource(), formula);
        EXPECT_EQ(copy->GetBoundPoint(), inputPoint(pattern, 0));
        EXPECT_EQ(copy->GetResolvedPoint(0), inputPoint(pattern, 2));
        EXPECT_EQ(copy->GetFormulaText(), "%PA(0,0," + inputPoint(pattern, 0)->GetFormatName() +
                                              ")=" + inputPoint(pattern, 2)->GetFormatName());
        EXPECT_TRUE(copy->Validate(nullptr, nullptr));
    }
    // The formula in the mask takes the first association and stays unbound.
    EXPECT_EQ(formula->GetResolvedPoint(0), inputPoint(0, 2));
    EXPECT_EQ(formula->GetBoundPoint(), nullptr);

    // A second run frees the first run's copies (LeakSanitizer).
    m_mask->GetFormulas().GetEvaluationOrder(order);
    EXPECT_EQ(m_mask->GetFormulas().GetFormulas().GetCount(), 3);
}

TEST_F(BoundCopyTest, AGradedPointWithoutAssociationGetsOneUnboundCopy)
{
    associateEverywhere(2);
    likeThirdPoint();

    CPtrCollection<IBaseFormula> order;
    m_mask->GetFormulas().GetEvaluationOrder(order);

    ASSERT_EQ(order.GetCount(), 1);
    auto *copy = dynamic_cast<CPointFormulaLikePoint *>(order.GetAt(0));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetBoundPoint(), nullptr);
    EXPECT_EQ(copy->GetFormulaText(), "");
    EXPECT_FALSE(copy->Validate(nullptr, nullptr));
}

namespace {

/// An input piece: a square a (0, 0), b (40, 0), c (40, 40), d (0, 40) on one closed curve with a
/// slider point on it at (20, 0), and a point p (20, 20) off the curve.
class NotchDistanceTest : public ::testing::Test
{
protected:
    NotchDistanceTest()
    {
        FakePoint *a = m_source.addPoint(0, 0);
        FakePoint *b = m_source.addPoint(40, 0);
        FakePoint *c = m_source.addPoint(40, 40);
        FakePoint *d = m_source.addPoint(0, 40);
        FakeCurve *outline = m_source.addCurve({a, b, c, d, a});
        FakePoint *slider = m_source.addPoint(20, 0);
        slider->slideCurve = outline;
        m_source.addPoint(20, 20);
        m_patterns = CMorvaneFactory::MakeInputPatterns(m_handler);
        m_patterns->AddPattern(&m_source);
        m_patterns->Update();
    }

    CBasePoint *inputPoint(int i) const
    {
        const CInputPattern *pattern = m_patterns->GetPatternAt(0);
        const FakePoint *point = m_source.points[static_cast<size_t>(i)].get();
        return pattern->GetBasePointAt(pattern->FindInputPoint(point));
    }

    /// A notch-distance copy bound to the slider point whose reference is input point i.
    std::unique_ptr<CPointFormulaNotchDistance> boundToSlider(int reference)
    {
        auto formula = std::make_unique<CPointFormulaNotchDistance>();
        formula->SetIndexPoint(0, inputPoint(reference));
        formula->UpdateIfNeeded();
        formula->SetBoundPoint(inputPoint(4));
        formula->SetResolved(0, inputPoint(reference));
        formula->GetParam(0)->SetValue("7.5");
        return formula;
    }

    FakePattern m_source{"Front"};
    CEventHandler *m_handler = nullptr;
    std::unique_ptr<IInputPatterns> m_patterns;
};

} // namespace

TEST_F(NotchDistanceTest, GradesTheSliderPointAlongItsLineOrOutline)
{
    std::unique_ptr<CPointFormulaNotchDistance> formula = boundToSlider(0);
    const std::string slider = inputPoint(4)->GetFormatName();
    const std::string a = inputPoint(0)->GetFormatName();
    const std::string d = inputPoint(3)->GetFormatName();

    // The curve ends at the point it starts from: it is closed and ends at the point before.
    std::vector<std::string> texts;
    formula->AddFormulaText(texts);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0],
              "%PA(1,1," + slider + ")=%CR(" + slider + "," + a + ",7.5," + a + "," + d + ",1)");
    EXPECT_TRUE(formula->Validate(nullptr, nullptr));
    EXPECT_TRUE(formula->UsesPoint(inputPoint(0)));
    EXPECT_TRUE(formula->UsesPoint(inputPoint(1)));
    EXPECT_FALSE(formula->UsesPoint(inputPoint(5)));
    CPtrCollection<CBasePoint> points;
    formula->CollectPoints(points);
    ASSERT_EQ(points.GetCount(), 1);
    EXPECT_EQ(points.GetAt(0), inputPoint(4));

    formula->SetAlongLine(false);
    texts.clear();
    formula->AddFormulaText(texts);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].substr(texts[0].size() - 2), "1)");
}

TEST_F(NotchDistanceTest, AReferenceOffTheSliderLineFails)
{
    std::unique_ptr<CPointFormulaNotchDistance> formula = boundToSlider(5);
    CFormulaMessageList messages;

    EXPECT_FALSE(formula->Validate(&messages, nullptr));
    ASSERT_EQ(messages.GetCount(), 1);
    EXPECT_EQ(messages.GetAt(0)->GetCode(), FM_NOT_ON_SLIDER_LINE);
    EXPECT_EQ(messages.GetAt(0)->GetText(), inputPoint(5)->GetFormatName());
    formula->SetAlongLine(false);
    EXPECT_TRUE(formula->Validate(nullptr, nullptr));
}

TEST_F(NotchDistanceTest, ARuntimeExternalFormulaReadsTheSliderAnchorsLine)
{
    CRuntimeExternalFormula formula;
    formula.SetPoint(inputPoint(4));

    EXPECT_TRUE(formula.UsesPoint(inputPoint(0)));
    EXPECT_TRUE(formula.UsesPoint(inputPoint(2)));
    EXPECT_FALSE(formula.UsesPoint(inputPoint(5)));
    std::vector<std::string> texts;
    formula.AddFormulaText(texts);
    EXPECT_TRUE(texts.empty());
}
