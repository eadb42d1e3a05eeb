// Morvane formula library tests.
// Relative formulas: point matches, joined segments and their ratios, the checks that keep a
// faulty formula out of the evaluation, and the global proportional-distance formula's texts,
// storage and update.
#include "GradedSquare.h"
#include "MaskFixtures.h"
#include "PointGrader.h"
#include "RegionFixtures.h"
#include "TemporaryFolder.h"
#include "formulas/GlobPropDistFormula.h"
#include "formulas/PathPatternFormula.h"
#include "formulas/RegionRelativeFormula.h"
#include "formulas/RuntimeFormulaLikePoint.h"
#include "foundation/FileContent.h"
#include "model/FormulaMessageList.h"
#include "model/GradePath.h"
#include "model/MaskPoint.h"
#include "model/PathSegment.h"

#include <gtest/gtest.h>
#include <string>

using namespace testformulas;

namespace {

// The graded square's input pattern and a mask square whose points stand for it. The formula's
// own path runs from P1 to P3 by P4 (segments P1-P4 and P4-P3, 30 and 40 long at the base); the
// measured path from P1 to P3 by P2 (P1-P2 and P2-P3, 40 and 30 long, 41 + s and 31 + s in size
// (0, s)).
class RelativeFormulaTest : public ::testing::Test
{
protected:
    RelativeFormulaTest()
    {
        for (int n = 1; n <= 4; ++n)
            maskPoint(n)->GetMaskPoint()->AddAssociation(square.point(n));
        formula->AddPathProperty(own);
        formula->GetMeasurePaths().Add(measured);
    }

    CBasePoint *maskPoint(int n) const { return maskSquare->GetBasePointAt(n - 1); }

    CPathPatternFormula *addPath(const std::string &name, bool reverse)
    {
        auto path = std::make_unique<CPathPatternFormula>();
        path->SetPattern(maskSquare);
        path->SetVarName(name);
        path->SetFirstPoint(maskPoint(1)->GetMaskPoint());
        path->SetLastPoint(maskPoint(3)->GetMaskPoint());
        path->SetReverse(reverse);
        path->SetOwner(&square.mask);
        return static_cast<CPathPatternFormula *>(
            square.mask.GetFormulas().AddFormula(std::move(path)));
    }

    CSegmentMatch *match(int source, int target)
    {
        CSegmentMatch *added = formula->AddPointMatch();
        added->SetSource(square.point(source));
        added->SetTarget(square.point(target));
        return added;
    }

    // A relative formula of a region over the square's right side (P2 to P3).
    CRegionRelativeFormula *addRegionFormula()
    {
        CGradeRegion *region =
            testmodel::addRegion(square.mask, testmodel::boxShape(35, -5, 50, 40), REGION_GRADE);
        return dynamic_cast<CRegionRelativeFormula *>(
            square.mask.GetFormulaManager()->AddNewRegionFormula(
                CBaseRelativeFormula::kRelativeType, nullptr, region));
    }

    ISegmentPath *ownSegment(int i) const { return own->GetPath()->GetSegmentAt(i); }

    GradedSquare square;
    CMaskPattern *maskSquare = testmodel::placeSquare(square.mask, "Mask");
    CPathPatternFormula *own = addPath("own", false);
    CPathPatternFormula *measured = addPath("measured", true);
    CGlobPropDistFormula *formula = static_cast<CGlobPropDistFormula *>(
        square.mask.GetFormulas().AddFormula(square.mask.GetFormulas().MakeGlobalFormula(
            CBaseRelativeFormula::kRelativeType, nullptr)));
};

/// A relative formula whose joined segments the test lays down: two, without point matches.
class TwoJoinedSegments : public CGlobPropDistFormula
{
public:
    void BuildJoinedSegments() override
    {
        ClearJoinedSegments();
        AppendJoinedSegment(false, "a", {}, {});
        AppendJoinedSegment(false, "b", {}, {});
    }
};

} // namespace

TEST_F(RelativeFormulaTest, ANewFormulaIsRelative)
{
    CGlobPropDistFormula fresh;
    EXPECT_TRUE(fresh.IsRelative());
    EXPECT_EQ(fresh.GetFormulaType(), 28);
    EXPECT_EQ(fresh.GetTolerance(), 10.0);
    EXPECT_EQ(fresh.GetApplyTypeX(), 1);
    EXPECT_EQ(fresh.GetFormulaText(), "");
    fresh.SetRelative(false);
    EXPECT_EQ(fresh.GetFormulaType(), 32);
}

TEST_F(RelativeFormulaTest, WithoutMatchesOneJoinedSegmentRelatesTheWholePaths)
{
    EXPECT_TRUE(formula->Validate(nullptr, nullptr));
    ASSERT_EQ(formula->GetJoinedSegmentCount(), 1);
    formula->ComputeJoinedSegments(0, 2);
    EXPECT_NEAR(formula->GetRatioFor(ownSegment(0)), (43.0 + 33.0) / 70.0, 1e-9);
    EXPECT_NEAR(formula->GetRatioFor(ownSegment(1)), (43.0 + 33.0) / 70.0, 1e-9);
    EXPECT_EQ(formula->GetRatioTextFor(ownSegment(1)), "(0)/70.000000");
}

TEST_F(RelativeFormulaTest, MatchesSplitBothPathsIntoJoinedSegments)
{
    match(1, 1)->SetProportionalByLength(true);
    EXPECT_TRUE(match(4, 2)->SetText("back"));
    CFormulaMessageList messages;
    EXPECT_TRUE(formula->Validate(&messages, nullptr));
    EXPECT_EQ(messages.GetCount(), 0);
    ASSERT_EQ(formula->GetJoinedSegmentCount(), 2);
    EXPECT_EQ(formula->GetGlobalSegmentIndex(ownSegment(1)), 1);

    // P1-P4 against P1-P2, proportional: the change of P1-P2 scaled by 30/40.
    formula->ComputeJoinedSegments(0, 2);
    EXPECT_NEAR(formula->GetRatioFor(ownSegment(0)), (3.0 * 30.0 / 40.0 + 40.0) / 30.0, 1e-9);
    // P4-P3 against P2-P3.
    EXPECT_NEAR(formula->GetRatioFor(ownSegment(1)), 33.0 / 40.0, 1e-9);
    EXPECT_EQ(formula->GetRatioTextFor(ownSegment(1)), "(back)/40.000000");
}

TEST_F(RelativeFormulaTest, AMaskPointHoldsTheInputPointsItStandsFor)
{
    CSegmentMatch *first = formula->AddPointMatch();
    first->SetSource(maskPoint(1));
    first->SetTarget(maskPoint(1));
    CSegmentMatch *second = formula->AddPointMatch();
    second->SetSource(maskPoint(4));
    second->SetTarget(maskPoint(2));
    EXPECT_TRUE(formula->Validate(nullptr, nullptr));
    EXPECT_EQ(formula->GetJoinedSegmentCount(), 2);
}

TEST_F(RelativeFormulaTest, AFormulaThatMeasuresItsOwnPathsSplitsThemAtTheSources)
{
    formula->SetRelative(false);
    match(1, 1);
    match(4, 4);
    EXPECT_TRUE(formula->Validate(nullptr, nullptr));
    ASSERT_EQ(formula->GetJoinedSegmentCount(), 2);
    formula->ComputeJoinedSegments(0, 5);
    EXPECT_NEAR(formula->GetRatioFor(ownSegment(0)), 1.0, 1e-12);
    EXPECT_EQ(formula->GetResolvedPoint(1), square.point(4));
}

// A formula whose counts of matches and joined segments differ, that grades a point another
// formula grades, or that has nothing to grade is faulty and is not evaluated.
TEST_F(RelativeFormulaTest, CountsThatDifferAreReportedAndMakeTheFormulaInvalid)
{
    TwoJoinedSegments twoSegments;
    twoSegments.AddPathProperty(own);
    CFormulaMessageList messages;
    EXPECT_FALSE(twoSegments.Validate(&messages, nullptr));
    const int record = messages.Find(FM_PATH_MATCH_COUNT, &twoSegments);
    ASSERT_GE(record, 0);
    ASSERT_EQ(messages.GetAt(record)->GetTextCount(), 2);
    EXPECT_EQ(messages.GetAt(record)->GetTextAt(0), "1");
    EXPECT_EQ(messages.GetAt(record)->GetTextAt(1), "2");

    // Three matches, one of them off the paths: two joined segments.
    match(1, 1);
    match(4, 2);
    match(2, 4);
    messages.RemoveMessagesOf(formula);
    EXPECT_FALSE(formula->Validate(&messages, nullptr));
    const int three = messages.Find(FM_PATH_MATCH_COUNT, formula);
    ASSERT_GE(three, 0);
    EXPECT_EQ(messages.GetAt(three)->GetTextAt(0), "3");
    EXPECT_EQ(messages.GetAt(three)->GetTextAt(1), "2");
    EXPECT_FALSE(formula->Validate(nullptr, nullptr));
}

TEST_F(RelativeFormulaTest, APointOfThePathGradedElsewhereIsReported)
{
    Grader ends{square.point(1), square.point(3)};
    Grader inner{square.point(4)};
    CPtrCollection<IBaseFormula> working;
    working.Add(formula);
    working.Add(&ends);
    square.mask.GetFormulas().SetWorkingFormulas(working);
    EXPECT_TRUE(formula->Validate(nullptr, nullptr));

    working.Add(&inner);
    square.mask.GetFormulas().SetWorkingFormulas(working);
    CFormulaMessageList messages;
    EXPECT_FALSE(formula->Validate(&messages, nullptr));
    const int record = messages.Find(FM_ALREADY_GRADED, formula);
    ASSERT_GE(record, 0);
    EXPECT_EQ(messages.GetAt(record)->GetText(), "P4");
    square.mask.GetFormulas().SetWorkingFormulas({});
}

// The run holds the formula's counterpart, which grades the same points: it is no other formula.
TEST_F(RelativeFormulaTest, ItsOwnCounterpartInTheRunGradesNothingElsewhere)
{
    CPtrCollection<IBaseFormula> order;
    square.mask.GetFormulas().GetEvaluationOrder(order);
    CFormulaMessageList messages;
    EXPECT_TRUE(formula->Validate(&messages, nullptr));
    EXPECT_EQ(messages.GetCount(), 0);
    CGradePathProperty *property = formula->GetGradePathProperties().GetAt(0);
    property->UpdateStartGraded();
    EXPECT_FALSE(property->GetStartGraded());
}

TEST_F(RelativeFormulaTest, EndFlagsFollowTheOtherFormulasOfTheRun)
{
    Grader start{square.point(1)};
    CPtrCollection<IBaseFormula> working;
    working.Add(&start);
    square.mask.GetFormulas().SetWorkingFormulas(working);
    formula->RefreshEndFlags();
    const CGradePathProperty *property = formula->GetGradePathProperties().GetAt(0);
    EXPECT_TRUE(property->GetStartGraded());
    EXPECT_FALSE(property->GetEndGraded());
    square.mask.GetFormulas().SetWorkingFormulas({});
}

TEST_F(RelativeFormulaTest, EndsGradedElsewhereAreLeftToTheirFormulas)
{
    CGradePathProperty *property = formula->GetGradePathProperties().GetAt(0);
    CPtrCollection<CBasePoint> points;
    formula->CollectPoints(points);
    EXPECT_EQ(points.GetCount(), 3);
    EXPECT_TRUE(formula->UsesPoint(square.point(1)));
    EXPECT_FALSE(formula->UsesPoint(square.point(4)));

    property->SetStartGraded(true);
    property->SetEndGraded(true);
    points.RemoveAll();
    formula->CollectPoints(points);
    ASSERT_EQ(points.GetCount(), 1);
    EXPECT_EQ(points.GetAt(0), square.point(4));
}

TEST_F(RelativeFormulaTest, NothingToGradeIsReported)
{
    CGlobPropDistFormula empty;
    CFormulaMessageList messages;
    EXPECT_FALSE(empty.Validate(&messages, nullptr));
    EXPECT_GE(messages.Find(FM_NOTHING_TO_GRADE, &empty), 0);
}

TEST_F(RelativeFormulaTest, JoinedPathsAreGradedAsOneChain)
{
    formula->AddPathProperty(measured);
    formula->SetPathsGradeType(1);
    EXPECT_TRUE(formula->UsesPoint(square.point(1)));
    EXPECT_TRUE(formula->UsesPoint(square.point(3)));
    formula->SetPathsGradeType(0);
    EXPECT_TRUE(formula->UsesPoint(square.point(3)));
}

TEST_F(RelativeFormulaTest, TheDisplayTextNamesThePaths)
{
    formula->AddPathProperty(measured);
    EXPECT_EQ(displayOf(*formula, false), "(own, measured)");
}

TEST_F(RelativeFormulaTest, CopiesTakeSettingsMatchesAndProperties)
{
    formula->SetProportionByLength(true);
    formula->SetPathAdjustType(2);
    formula->SetTolerance(4.0);
    formula->SetRelative(false);
    match(4, 2);
    CGlobPropDistFormula copy;
    copy.CopyFrom(*formula);
    EXPECT_TRUE(copy.GetProportionByLength());
    EXPECT_EQ(copy.GetPathAdjustType(), 2);
    EXPECT_EQ(copy.GetTolerance(), 4.0);
    EXPECT_FALSE(copy.IsRelative());
    ASSERT_EQ(copy.GetPointMatchCount(), 1);
    EXPECT_NE(copy.GetPointMatch(0), formula->GetPointMatch(0));
    EXPECT_EQ(copy.GetPointMatch(0)->GetOwner(), &copy);
    EXPECT_EQ(copy.GetPointMatch(0)->GetTarget(), square.point(2));
    ASSERT_EQ(copy.GetGradePathProperties().GetCount(), 1);
    EXPECT_EQ(copy.GetGradePathProperties().GetAt(0)->GetOwner(), &copy);
    EXPECT_EQ(copy.GetMeasurePaths().GetAt(0), measured);

    copy.GetParam(0)->SetValue("a");
    copy.Clear();
    EXPECT_EQ(copy.GetPointMatchCount(), 0);
    EXPECT_EQ(copy.GetParamCount(), 0);
}

// The run holds the formula's counterpart, refreshed through it, and no other of its kind.
static int counterpartsIn(const CPtrCollection<IBaseFormula> &order, CGlobPropDistFormula *formula)
{
    int counterparts = 0;
    for (IBaseFormula *item : order) {
        if (item != formula && dynamic_cast<CGlobPropDistFormula *>(item) != nullptr &&
            item->GetBaseFormula()->GetRefreshSource() == formula)
            ++counterparts;
    }
    EXPECT_EQ(order.Find(formula), -1);
    return counterparts;
}

static int likePointsIn(const CPtrCollection<IBaseFormula> &order)
{
    int count = 0;
    for (IBaseFormula *item : order)
        count += dynamic_cast<CRuntimeFormulaLikePoint *>(item) != nullptr ? 1 : 0;
    return count;
}

TEST_F(RelativeFormulaTest, WithMorePathsTheUpdateOnlyRefreshesItsCounterpart)
{
    formula->AddPathProperty(measured);
    CPtrCollection<IBaseFormula> order;
    square.mask.GetFormulas().GetEvaluationOrder(order);
    EXPECT_EQ(counterpartsIn(order, formula), 1);
    EXPECT_EQ(likePointsIn(order), 0);
}

// The path formula's path lies on the input pattern, its mask path on the mask pattern: no
// point has a partner, so only the counterpart grades them.
TEST_F(RelativeFormulaTest, PointsWithoutPartnersAreLeftToTheCounterpart)
{
    CPtrCollection<IBaseFormula> order;
    square.mask.GetFormulas().GetEvaluationOrder(order);
    EXPECT_EQ(counterpartsIn(order, formula), 1);
    EXPECT_EQ(likePointsIn(order), 0);
}

TEST_F(RelativeFormulaTest, PointsPairWithTheFirstPointOfTheirPatternOnTheOtherPath)
{
    CPtrCollection<CBasePoint> input;
    for (int n : {1, 2, 3})
        input.Add(square.point(n));
    CPtrCollection<CBasePoint> mixed;
    mixed.Add(maskPoint(1));
    mixed.Add(square.point(4));

    const auto pairs = CGlobPropDistFormula::PairPoints(mixed, input);
    ASSERT_EQ(pairs.size(), 3u);
    EXPECT_EQ(pairs[0].first, square.point(1));
    EXPECT_EQ(pairs[0].second, square.point(4));
    EXPECT_EQ(pairs[1].second, nullptr);
    EXPECT_EQ(pairs[2].second, nullptr);

    // As long: the first list is walked, each partner taken once.
    mixed.Add(square.point(2));
    const auto even = CGlobPropDistFormula::PairPoints(mixed, input);
    ASSERT_EQ(even.size(), 3u);
    EXPECT_EQ(even[0].first, maskPoint(1));
    EXPECT_EQ(even[0].second, nullptr);
    EXPECT_EQ(even[1].second, square.point(1));
    EXPECT_EQ(even[2].second, square.point(2));
}

TEST_F(RelativeFormulaTest, TheMaskFileKeepsTheFormula)
{
    CSegmentMatch *stored = formula->AddPointMatch();
    stored->SetSource(maskPoint(4));
    stored->SetTarget(maskPoint(2));
    stored->SetProportionalByLength(true);
    formula->SetPathsGradeType(1);
    const TemporaryFolder folder{"relative-formula"};
    ASSERT_TRUE(square.mask.Save(folder / "first.msk")) << square.mask.GetLastError();
    const std::string text = morvane::readFileContent(folder / "first.msk").value_or("");
    EXPECT_NE(text.find("<AdjustType>0</AdjustType>"), std::string::npos);
    EXPECT_NE(text.find("<ProportionByLength>0</ProportionByLength>"), std::string::npos);
    EXPECT_NE(text.find("<Relative>1</Relative>"), std::string::npos);

    CGradeMask loaded;
    ASSERT_TRUE(loaded.Load(folder / "first.msk")) << loaded.GetLastError();
    auto *back = dynamic_cast<CGlobPropDistFormula *>(loaded.GetFormulaManager()->GetFormulaAt(2));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetPathsGradeType(), 1);
    ASSERT_EQ(back->GetPointMatchCount(), 1);
    EXPECT_EQ(back->GetPointMatch(0)->GetOwner(), back);
    EXPECT_TRUE(back->GetPointMatch(0)->GetProportionalByLength());
    const CMaskPattern *backSquare = loaded.GetMaskPatternAt(0);
    EXPECT_EQ(back->GetPointMatch(0)->GetSource(), backSquare->GetBasePointAt(3));
    EXPECT_EQ(back->GetPointMatch(0)->GetTarget(), backSquare->GetBasePointAt(1));
    EXPECT_EQ(back->GetResolvedPoint(1), backSquare->GetBasePointAt(1));
    ASSERT_EQ(back->GetGradePathProperties().GetCount(), 1);
    EXPECT_EQ(back->GetGradePathProperties().GetAt(0)->GetGradeFormula(),
              loaded.GetFormulaManager()->GetFormulaAt(0));
    EXPECT_EQ(back->GetMeasurePaths().GetAt(0), loaded.GetFormulaManager()->GetFormulaAt(1));
    ASSERT_TRUE(loaded.Save(folder / "second.msk"));
    EXPECT_EQ(morvane::readFileContent(folder / "second.msk").value_or(""), text);
}

TEST_F(RelativeFormulaTest, ARegionFormulaGradesAlongTheRunInsideItsRegion)
{
    CRegionRelativeFormula *along = addRegionFormula();
    ASSERT_NE(along, nullptr);
    CGradeRegion *region = along->GetGradeRegion();
    along->SetVarName(" Side ");
    EXPECT_EQ(along->GetVarName(), "side");
    EXPECT_EQ(along->GetRegion(), region);
    EXPECT_NEAR(along->GetValue(-1, -1), 30.0, 1e-9);
    EXPECT_NEAR(along->GetValue(0, 1), 32.0, 1e-9);
    EXPECT_EQ(displayOf(*along, true), "(R1)");
    EXPECT_EQ(displayOf(*along, false), "(P2<-P3)");
    EXPECT_TRUE(along->UsesPoint(square.point(2)));
    EXPECT_FALSE(along->UsesPoint(square.point(1)));
    CPtrCollection<CBasePoint> points;
    along->CollectPoints(points);
    EXPECT_EQ(points.GetCount(), 2);

    along->GetMeasurePaths().Add(measured);
    EXPECT_TRUE(along->Validate(nullptr, nullptr));
    along->ComputeJoinedSegments(0, 1);
    EXPECT_NEAR(along->GetRatioFor(along->GetGradePath()->GetSegmentAt(0)), 74.0 / 30.0, 1e-9);

    // The region moves off the pattern: nothing to grade.
    region->SetPosition({200, 200});
    EXPECT_FALSE(along->HasPath());
    CFormulaMessageList messages;
    EXPECT_FALSE(along->Validate(&messages, nullptr));
    EXPECT_GE(messages.Find(FM_NOTHING_TO_GRADE, along), 0);
    EXPECT_EQ(displayOf(*along, false), "(P?<-P?)");
}

TEST_F(RelativeFormulaTest, TheMaskFileKeepsARegionFormula)
{
    CRegionRelativeFormula *along = addRegionFormula();
    ASSERT_NE(along, nullptr);
    along->SetVarName("side");
    along->SetRelative(false);
    const TemporaryFolder folder{"region-relative"};
    ASSERT_TRUE(square.mask.Save(folder / "first.msk")) << square.mask.GetLastError();
    const std::string text = morvane::readFileContent(folder / "first.msk").value_or("");
    EXPECT_NE(text.find("<Relative>0</Relative>"), std::string::npos);

    CGradeMask loaded;
    ASSERT_TRUE(loaded.Load(folder / "first.msk")) << loaded.GetLastError();
    auto *back =
        dynamic_cast<CRegionRelativeFormula *>(loaded.GetFormulaManager()->GetFormulaAt(3));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetVarName(), "side");
    EXPECT_FALSE(back->IsRelative());
    EXPECT_EQ(back->GetFormulaType(), 32);
    EXPECT_EQ(back->GetGradeRegion(), loaded.GetGradeRegionAt(0));
    ASSERT_TRUE(loaded.Save(folder / "second.msk"));
    EXPECT_EQ(morvane::readFileContent(folder / "second.msk").value_or(""), text);
}
