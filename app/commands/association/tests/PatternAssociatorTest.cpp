// Morvane editing commands tests.
// Pattern association: every piece of a style finds its mask pattern by geometry alone.
#include "app/commands/association/PatternAssociator.h"

#include "GarmentStyle.h"
#include "OutlinePatterns.h"
#include "formulas/PointFormulaLikePoint.h"
#include "model/Contour.h"
#include "model/GradeMask.h"
#include "model/MaskPattern.h"
#include "model/MaskPoint.h"
#include "model/MaskPointList.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace garment;

namespace {

/// A grade mask holding the given outlines as its patterns, and the associator over it.
class MaskOf
{
public:
    explicit MaskOf(const std::vector<std::vector<DPOINT>> &outlines)
    {
        for (const auto &outline : outlines)
            mask.InsertPatternAt(mask.GetPatternCount(), makeOutlinePattern(mask, outline));
        associator.SetGradeMask(&mask);
    }

    CPtrCollection<CPattern> associatedWith(int maskPattern)
    {
        CPtrCollection<CPattern> associated;
        mask.GetPatternAt(maskPattern)->GetAssPatterns(associated);
        return associated;
    }

    CGradeMask mask;
    CPatternAssociator associator;
};

PatternAssociationParams byPosition(int type = 0)
{
    PatternAssociationParams params;
    params.method = 1;
    params.type = type;
    return params;
}

std::vector<std::vector<DPOINT>> outlinesOf(const std::vector<Piece> &style)
{
    std::vector<std::vector<DPOINT>> outlines;
    for (const Piece &piece : style)
        outlines.push_back(piece.outline);
    return outlines;
}

} // namespace

TEST(PatternAssociatorTest, EachPieceOfAnotherSizeFindsItsMaskPatternShuffledAndTurned)
{
    const std::vector<Piece> style = makeStyle();
    const std::vector<size_t> order{3, 7, 1, 5, 0, 6, 2, 4};
    for (int steps : {-1, 1, 3}) {
        SCOPED_TRACE(std::to_string(steps) + " sizes away");
        MaskOf made(outlinesOf(style));
        OutlinePatterns input;
        for (size_t k = 0; k < order.size(); ++k) {
            // Every other outline is listed clockwise, as another system may write it.
            std::vector<DPOINT> outline =
                placed(graded(style[order[k]].outline, steps), 55.0 * k, -800.0 * k, 300.0);
            if (k % 2 == 1)
                outline = reversed(outline);
            input.add(outline);
        }
        made.associator.AssociatePatterns(input.patterns(), byPosition());
        for (size_t k = 0; k < order.size(); ++k) {
            SCOPED_TRACE(style[order[k]].name);
            const CPtrCollection<CPattern> associated =
                made.associatedWith(static_cast<int>(order[k]));
            ASSERT_EQ(associated.GetCount(), 1);
            EXPECT_EQ(associated.GetAt(0), input.patterns().GetAt(static_cast<int>(k)));
        }
    }
}

TEST(PatternAssociatorTest, MultipleAssociationAddsFurtherPartnersWithinItsThreshold)
{
    const std::vector<DPOINT> pocket = makeStyle()[5].outline;
    struct Row
    {
        const char *name;
        PatternAssociationParams params;
        int partners;
    };
    PatternAssociationParams strict = byPosition(1);
    strict.maxShapeErrorMulti = 0.01;
    const Row rows[] = {
        {"one-to-one", byPosition(0), 1},
        {"multiple", byPosition(1), 2},
        {"multiple beyond its threshold keeps the one-to-one pair", strict, 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        MaskOf made({pocket});
        OutlinePatterns input;
        input.add(graded(pocket, 1));
        input.add(graded(pocket, 2));
        made.associator.AssociatePatterns(input.patterns(), row.params);
        EXPECT_EQ(made.associatedWith(0).GetCount(), row.partners);
        // A second run associates nobody twice.
        made.associator.AssociatePatterns(input.patterns(), row.params);
        EXPECT_EQ(made.associatedWith(0).GetCount(), row.partners);
    }
}

TEST(PatternAssociatorTest, ThresholdsRefusePairsBeyondThem)
{
    const std::vector<Piece> style = makeStyle();
    MaskOf made({style[0].outline});
    OutlinePatterns input;
    input.add(graded(style[0].outline, 3));
    PatternAssociationParams params = byPosition();
    params.maxShapeError = 0.05; // percent
    made.associator.AssociatePatterns(input.patterns(), params);
    EXPECT_EQ(made.associatedWith(0).GetCount(), 0);
}

TEST(PatternAssociatorTest, SmallOpenDuplicateAndMissingContoursTakeNoPart)
{
    CGradeMask mask;
    auto tall = makeOutlinePattern(mask, {{0, 0}, {19.9, 0}, {19.9, 100}, {0, 100}});
    CPtrCollection<CContour> contours;
    CPatternAssociator::CollectPatternContours(*tall, contours);
    EXPECT_EQ(contours.GetCount(), 0) << "narrower than 20";

    auto twice = makeOutlinePattern(mask, {{0, 0}, {50, 0}, {50, 50}, {0, 50}});
    twice->CreateContour();
    twice->GetContourAt(1)->AddContourLine(twice->GetPatternPolylineAt(0), false);
    twice->GetContourAt(1)->SetClosed(true);
    CPatternAssociator::CollectPatternContours(*twice, contours);
    EXPECT_EQ(contours.GetCount(), 1) << "the same contour again is left out";

    auto open = makeOutlinePattern(mask, {{0, 0}, {50, 0}, {50, 50}, {0, 50}});
    open->GetContourAt(0)->SetClosed(false);
    contours.RemoveAll();
    CPatternAssociator::CollectPatternContours(*open, contours);
    EXPECT_EQ(contours.GetCount(), 0) << "not closed";

    // An empty mask, and patterns without contours, associate nothing and do not fail.
    MaskOf empty({});
    OutlinePatterns input;
    input.add({{0, 0}, {50, 0}, {50, 50}});
    EXPECT_TRUE(empty.associator.AssociatePatterns(input.patterns(), byPosition()));
    MaskOf made({{{0, 0}, {50, 0}, {50, 50}}, {{0, 0}, {60, 0}}});
    OutlinePatterns degenerate;
    degenerate.add({{0, 0}, {50, 0}}); // two points: no area
    degenerate.add({{0, 0}, {50, 0}, {100, 0}});
    CPtrCollection<CPattern> bare = degenerate.patterns();
    bare.Add(open.get());
    for (const int method : {0, 1, 2}) {
        SCOPED_TRACE(method);
        PatternAssociationParams params = byPosition();
        params.method = method;
        EXPECT_TRUE(made.associator.AssociatePatterns(bare, params));
        EXPECT_FALSE(CPatternAssociator::HasAssociatedPatterns(*made.mask.GetPatternAt(0)));
    }
}

TEST(PatternAssociatorTest, TheClosestContourPairOfTwoPatterns)
{
    const std::vector<DPOINT> pocket = makeStyle()[5].outline;
    CGradeMask mask;
    auto maskPattern = makeOutlinePattern(mask, pocket);
    auto other = makeOutlinePattern(mask, placed(graded(pocket, 1), 30, 500, 0));
    CPatternAssociator associator;
    CPatternAssociator::ContourPair pair;
    double cost = -1.0;
    ASSERT_TRUE(associator.CompareClosedContours(*maskPattern, *other, pair, cost));
    EXPECT_EQ(pair.maskContour, maskPattern->GetContourAt(0));
    EXPECT_EQ(pair.contour, other->GetContourAt(0));
    EXPECT_LT(cost, 0.05);

    associator.SetMaxSizeDissimilarity(1.0);
    ASSERT_TRUE(associator.CompareClosedContours(*maskPattern, *other, pair, cost));
    EXPECT_EQ(cost, 1e10) << "sizes 3 % apart are not compared within 1 %";

    auto open = makeOutlinePattern(mask, pocket);
    open->GetContourAt(0)->SetClosed(false);
    EXPECT_FALSE(associator.CompareClosedContours(*maskPattern, *open, pair, cost));
}

namespace {

/// The points of a mask pattern drawn from the outline and of another size of it, turned and
/// started at vertex `start`, so that mask point i stands for point (i - start) mod n.
class PointPairs
{
public:
    PointPairs(const std::vector<DPOINT> &outline, int start)
        : made({outline})
        , count(static_cast<int>(outline.size()))
        , start(start)
    {
        input.add(startedAt(placed(graded(outline, 2), 75, 600, -200), start));
    }

    CPattern &maskPattern() { return *made.mask.GetPatternAt(0); }
    CPattern &inputPattern() { return *input.patterns().GetAt(0); }
    CBasePoint *ownPartner(int maskPoint)
    {
        return inputPattern().GetBasePointAt(((maskPoint - start) % count + count) % count);
    }
    CPtrCollection<CBasePoint> partnersOf(int maskPoint)
    {
        CPtrCollection<CBasePoint> partners;
        maskPattern().GetBasePointAt(maskPoint)->GetMaskPoint()->AppendAssociations(partners);
        return partners;
    }
    void associate(const PointAssociationParams &params)
    {
        made.associator.AssociatePatternPointsWith(maskPattern(), inputPattern(), {}, params);
    }

    MaskOf made;
    OutlinePatterns input;
    int count;
    int start;
};

PointAssociationParams everyPoint()
{
    PointAssociationParams params;
    params.onlyFormulaPoints = false;
    return params;
}

} // namespace

TEST(PatternAssociatorTest, EveryGradePointFindsItsOwnPointOnAnotherSize)
{
    for (const Piece &piece : makeStyle()) {
        SCOPED_TRACE(piece.name);
        PointPairs pairs(piece.outline, 3);
        pairs.associate(everyPoint());
        for (int i = 0; i < pairs.count; ++i) {
            SCOPED_TRACE(i);
            const CPtrCollection<CBasePoint> partners = pairs.partnersOf(i);
            ASSERT_EQ(partners.GetCount(), 1);
            EXPECT_EQ(partners.GetAt(0), pairs.ownPartner(i));
        }
    }
}

TEST(PatternAssociatorTest, ExistingPointAssociationsStayAndOnlyFormulaPointsAreAssociated)
{
    const std::vector<DPOINT> pocket = makeStyle()[5].outline;
    PointPairs pairs(pocket, 1);
    // Point 2 is already paired, with a point that is not its own.
    CBasePoint *chosen = pairs.ownPartner(4);
    pairs.made.mask.GetPointAssociationMap()->AddAssociation(
        pairs.maskPattern().GetBasePointAt(2)->GetMaskPoint(), chosen);
    pairs.associate(everyPoint());
    EXPECT_EQ(pairs.partnersOf(2).GetCount(), 1);
    EXPECT_EQ(pairs.partnersOf(2).GetAt(0), chosen);
    EXPECT_EQ(pairs.partnersOf(4).GetCount(), 0) << "its own point is taken";
    EXPECT_EQ(pairs.partnersOf(0).GetAt(0), pairs.ownPartner(0));

    PointPairs unused(pocket, 2);
    unused.associate(PointAssociationParams{});
    for (int i = 0; i < unused.count; ++i)
        EXPECT_EQ(unused.partnersOf(i).GetCount(), 0) << "no formula uses point " << i;
}

TEST(PatternAssociatorTest, APointAFormulaGradesOrReadsIsAFormulaPoint)
{
    PointPairs pairs(makeStyle()[5].outline, 2);
    CFormulaManager &formulas = pairs.made.mask.GetFormulas();
    auto *like =
        static_cast<CPointFormulaLikePoint *>(formulas.AddFormula(formulas.MakePointFormula(
            CPointFormulaLikePoint::kFormulaType, nullptr, pairs.maskPattern().GetBasePointAt(1))));
    like->SetReferencePoint(pairs.maskPattern().GetBasePointAt(3));

    pairs.associate(PointAssociationParams{});
    for (int i = 0; i < pairs.count; ++i) {
        SCOPED_TRACE(i);
        const CPtrCollection<CBasePoint> partners = pairs.partnersOf(i);
        if (i != 1 && i != 3) {
            EXPECT_EQ(partners.GetCount(), 0);
            continue;
        }
        ASSERT_EQ(partners.GetCount(), 1) << "graded (1) or read (3) by the formula";
        EXPECT_EQ(partners.GetAt(0), pairs.ownPartner(i));
    }
}

TEST(PatternAssociatorTest, ContourPairsBeyondTheShapeErrorAssociateNoPoints)
{
    const std::vector<Piece> style = makeStyle();
    MaskOf made({style[5].outline});
    OutlinePatterns input;
    input.add(style[2].outline); // a sleeve is no pocket
    PointAssociationParams params = everyPoint();
    params.maxShapeError = 1.0;
    made.associator.AssociatePatternPointsWith(*made.mask.GetPatternAt(0),
                                               *input.patterns().GetAt(0), {}, params);
    CPtrCollection<CBasePoint> partners;
    made.mask.GetPatternAt(0)->GetBasePointAt(0)->GetMaskPoint()->AppendAssociations(partners);
    EXPECT_EQ(partners.GetCount(), 0);
}

TEST(PatternAssociatorTest, ShapeContextsPairEachGradePointWithItsOwnOnAMovedSize)
{
    for (const Piece &piece : makeStyle()) {
        SCOPED_TRACE(piece.name);
        MaskOf made({piece.outline});
        OutlinePatterns input;
        input.add(startedAt(placed(graded(piece.outline, 1), 0, 700, 300), 2));
        CPattern &maskPattern = *made.mask.GetPatternAt(0);
        CPtrCollection<CBasePoint> gradePoints;
        maskPattern.AppendGradePoints(gradePoints);
        PointAssociationParams params = everyPoint();
        params.pointAssType = 1;
        made.associator.AssociatePatternPointsWith(maskPattern, *input.patterns().GetAt(0),
                                                   gradePoints, params);
        const int count = static_cast<int>(piece.outline.size());
        int own = 0;
        for (int i = 0; i < count; ++i) {
            CPtrCollection<CBasePoint> partners;
            maskPattern.GetBasePointAt(i)->GetMaskPoint()->AppendAssociations(partners);
            EXPECT_LE(partners.GetCount(), 1) << "each point keeps its cheapest pairing";
            const int expected = ((i - 2) % count + count) % count;
            own += partners.GetCount() == 1 &&
                   partners.GetAt(0) == input.patterns().GetAt(0)->GetBasePointAt(expected);
        }
        EXPECT_EQ(own, count);
    }
}

TEST(PatternAssociatorTest, PiecesLyingFaceDownFindTheirOwnMaskPatternsNotTheirMirrorImages)
{
    const std::vector<Piece> style = makeStyle();
    MaskOf made(outlinesOf(style));
    OutlinePatterns input;
    for (size_t k = 0; k < style.size(); ++k) {
        CMaskPattern &pattern = input.add(graded(style[k].outline, 1));
        pattern.SetPatternLocation(500.0 * k, -900.0, 30.0 * k, k % 2 == 0);
    }
    made.associator.AssociatePatterns(input.patterns(), byPosition());
    for (size_t k = 0; k < style.size(); ++k) {
        SCOPED_TRACE(style[k].name);
        const CPtrCollection<CPattern> associated = made.associatedWith(static_cast<int>(k));
        ASSERT_EQ(associated.GetCount(), 1);
        EXPECT_EQ(associated.GetAt(0), input.patterns().GetAt(static_cast<int>(k)));
    }

    // Their points too pair as drawn.
    PointAssociationParams params = everyPoint();
    CPattern &left = *made.mask.GetPatternAt(6);
    made.associator.AssociatePatternPointsWith(left, *input.patterns().GetAt(6), {}, params);
    for (int i = 0; i < left.GetBasePointCount(); ++i) {
        CPtrCollection<CBasePoint> partners;
        left.GetBasePointAt(i)->GetMaskPoint()->AppendAssociations(partners);
        ASSERT_EQ(partners.GetCount(), 1) << i;
        EXPECT_EQ(partners.GetAt(0), input.patterns().GetAt(6)->GetBasePointAt(i)) << i;
    }
}
