// Morvane formula library tests.
// Point formulas over input patterns: one copy bound to each associated input point.
#include "FakeGradeSource.h"
#include "MaskFixtures.h"
#include "formulas/PointFormulaLikePoint.h"
#include "model/GradeMask.h"
#include "model/InputPatterns.h"
#include "model/MorvaneFactory.h"

#include <gtest/gtest.h>

#include <array>

using testmodel::FakePattern;
using testmodel::FakePoint;
using testmodel::maskPointAt;

namespace {

/// Three input patterns "A", "B" and "C", each a square like the mask's "Front", shown on a
/// mask that holds "Front".
class BoundCopyTest : public ::testing::Test
{
protected:
    BoundCopyTest()
    {
        m_patterns = CMorvaneFactory::MakeInputPatterns(m_patternsHandler);
        for (FakePattern &source : m_sources) {
            FakePoint *a = source.addPoint(0, 0);
            FakePoint *b = source.addPoint(40, 0);
            FakePoint *c = source.addPoint(40, 40);
            FakePoint *d = source.addPoint(0, 40);
            source.addCurve({a, b, c, d, a});
            m_patterns->AddPattern(&source);
        }
        m_patterns->Update();
        m_maskItf = CMorvaneFactory::MakeGradeMask(m_maskHandler, m_patterns.get());
        m_mask = static_cast<CGradeMask *>(m_maskItf.get());
        m_patterns->SetGradeMask(m_mask);
        m_square = testmodel::placeSquare(*m_mask, "Front");
        for (int i = 0; i < m_patterns->GetPatternCount(); ++i)
            m_patterns->GetPatternAt(i)->SetFlagged();
    }
    ~BoundCopyTest() override { m_patterns->SetGradeMask(nullptr); }

    CBasePoint *inputPoint(int pattern, int i) const
    {
        return m_patterns->GetPatternAt(pattern)->GetBasePointAt(i);
    }

    /// Associates point i of the mask's square with point i of every input pattern.
    void associateEverywhere(int i)
    {
        for (int pattern = 0; pattern < m_patterns->GetPatternCount(); ++pattern)
            m_mask->GetPointAssociationMap()->AddAssociation(
                maskPointAt(*m_square, i)->GetMaskPoint(), inputPoint(pattern, i));
    }

    CPointFormulaLikePoint *likeThirdPoint()
    {
        CFormulaManager &manager = m_mask->GetFormulas();
        auto *formula = static_cast<CPointFormulaLikePoint *>(manager.AddFormula(
            manager.MakePointFormula(CPointFormulaLikePoint::kFormulaType, nullptr,
                                     maskPointAt(*m_square, 0))));
        formula->SetReferencePoint(maskPointAt(*m_square, 2));
        return formula;
    }

    std::array<FakePattern, 3> m_sources{FakePattern("A"), FakePattern("B"), FakePattern("C")};
    CEventHandler *m_patternsHandler = nullptr;
    std::unique_ptr<IInputPatterns> m_patterns;
    CEventHandler *m_maskHandler = nullptr;
    std::unique_ptr<IGradeMask> m_maskItf;
    CGradeMask *m_mask = nullptr;
    CMaskPattern *m_square = nullptr;
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
