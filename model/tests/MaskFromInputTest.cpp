// Morvane model library tests.
// Masks over the document's input patterns: the factory, mask patterns made from input
// patterns, and point associations with input points.
#include "FakeGradeSource.h"
#include "MaskFixtures.h"
#include "TemporaryFolder.h"
#include "foundation/XmlArchive.h"
#include "model/InputPatterns.h"
#include "model/InputPoint.h"
#include "model/MorvaneFactory.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testmodel;

namespace {

using Texts = std::vector<std::string>;

/// A grade model's piece: a rectangle of grade points a (0, 0), b (40, 0), c (40, 30) and
/// d (0, 30) in two curves, a-b through a bend at (20, -1) with a notch and b-c-d-a; an inner
/// curve from the bend's place to (20, 10); a curve of one node; a drill hole at (20, 15).
class FrontSource
{
public:
    FrontSource()
    {
        FakePoint *a = source.addPoint(0, 0);
        FakePoint *b = source.addPoint(40, 0);
        FakePoint *c = source.addPoint(40, 30);
        FakePoint *d = source.addPoint(0, 30);
        source.addPoint(20, 15)->isMark = true;
        FakeCurve *bottom = source.addCurve();
        bottom->through(a).through(DPOINT{20, -1}).through(b);
        bottom->gradePoints = {a, b};
        bottom->notches.push_back({a, DPOINT{0, 1.5}, 12.5f});
        source.addCurve({b, c, d, a});
        source.addCurve()->through(DPOINT{20, -1}).through(DPOINT{20, 10});
        source.addCurve()->through(DPOINT{60, 60});
    }

    FakePattern source{"Front"};
};

// The document's input patterns with the front piece, and a mask over them showing them.
class MaskOverInputTest : public ::testing::Test
{
protected:
    MaskOverInputTest()
    {
        patterns = CMorvaneFactory::MakeInputPatterns(patternsHandler);
        patterns->AddPattern(&front.source);
        patterns->Update();
        maskItf = CMorvaneFactory::MakeGradeMask(maskHandler, patterns.get());
        mask = static_cast<CGradeMask *>(maskItf.get());
        patterns->SetGradeMask(mask);
        input = patterns->GetPatternAt(0);
    }
    ~MaskOverInputTest() override { patterns->SetGradeMask(nullptr); }

    CMaskPattern *place()
    {
        std::unique_ptr<CMaskPattern> pattern = mask->MakePattern();
        pattern->CreateFromInput(*input);
        CMaskPattern *placed = pattern.get();
        mask->InsertPatternAt(mask->GetPatternCount(), std::move(pattern));
        return placed;
    }

    FrontSource front;
    CEventHandler *patternsHandler = nullptr;
    std::unique_ptr<IInputPatterns> patterns;
    CEventHandler *maskHandler = nullptr;
    std::unique_ptr<IGradeMask> maskItf;
    CGradeMask *mask = nullptr;
    CInputPattern *input = nullptr;
};

} // namespace

TEST(MorvaneFactoryTest, MakesMasksWithAndWithoutInputPatterns)
{
    CEventHandler *patternsHandler = nullptr;
    const std::unique_ptr<IInputPatterns> patterns =
        CMorvaneFactory::MakeInputPatterns(patternsHandler);
    EXPECT_EQ(patternsHandler, patterns->GetEventHandler());
    EXPECT_EQ(patterns->GetPatternCount(), 0);

    CEventHandler *handler = nullptr;
    const std::unique_ptr<IGradeMask> alone = CMorvaneFactory::MakeGradeMask(handler);
    EXPECT_EQ(handler, dynamic_cast<CEventHandler *>(alone.get()));
    EXPECT_EQ(static_cast<CGradeMask *>(alone.get())->GetInputPatterns(), nullptr);

    const std::unique_ptr<IGradeMask> over =
        CMorvaneFactory::MakeGradeMask(handler, patterns.get());
    EXPECT_EQ(handler, dynamic_cast<CEventHandler *>(over.get()));
    EXPECT_EQ(static_cast<CGradeMask *>(over.get())->GetInputPatterns(), patterns.get());
    EXPECT_EQ(over->GetPatternCount(), 0);
    EXPECT_EQ(over->GetFileName(), std::filesystem::path());
}

TEST(MorvaneFactoryTest, MakesAMaskThatTheCallersOwnArchiveStores)
{
    CAttContainer *container = nullptr;
    const std::unique_ptr<IGradeMask> mask = CMorvaneFactory::MakeGradeMask(container);
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(dynamic_cast<CGradeMask *>(container), dynamic_cast<CGradeMask *>(mask.get()));
    EXPECT_EQ(static_cast<CGradeMask *>(mask.get())->GetInputPatterns(), nullptr);

    mask->SetCenter({12, -3});
    const TemporaryFolder folder("factory");
    CXmlArchive archive;
    ASSERT_EQ(archive.SaveObjectToFile(folder / "own.msk", *container, "GradeMask"), 0);
    CEventHandler *handler = nullptr;
    const std::unique_ptr<IGradeMask> loaded = CMorvaneFactory::MakeGradeMask(handler);
    ASSERT_TRUE(loaded->Load(folder / "own.msk"));
    EXPECT_EQ(loaded->GetCenter().x, 12);
    EXPECT_EQ(loaded->GetCenter().y, -3);
}

TEST_F(MaskOverInputTest, APatternMadeFromInputSharesGradePointsAndDropsShortLines)
{
    CMaskPattern *pattern = place();
    EXPECT_EQ(pattern->GetPatternName(), "Front");
    // The drill hole first, then the lines' points in order; the grade points where lines
    // meet are shared, the ordinary points at one place are not, and the line of one point is
    // dropped with its point.
    EXPECT_EQ(describeLines(*pattern), (Texts{"P2 I1 P3", "P3 P4 P5 P2", "I2 I3"}));
    EXPECT_EQ(pattern->GetBasePointCount(), 8);
    ASSERT_EQ(pattern->GetMarkPointCount(), 1);
    EXPECT_EQ(pattern->GetMarkPointAt(0)->GetFormatName(), "P1");
    for (int i = 0; i < input->GetBasePointCount(); ++i) {
        SCOPED_TRACE(i);
        const CBasePoint *from = input->GetBasePointAt(i);
        const DPOINT where = from->GetAbsPosition();
        const int index =
            pattern->FindBasePoint({from->GetX(), from->GetY()}, 1e-9, GRADE_POINT_GRADE);
        ASSERT_GE(index, 0);
        EXPECT_NEAR(pattern->GetBasePointAt(index)->GetAbsPosition().x, where.x, 1e-9);
        EXPECT_NEAR(pattern->GetBasePointAt(index)->GetAbsPosition().y, where.y, 1e-9);
    }
    ASSERT_EQ(pattern->GetPatternPolylineAt(0)->GetNotchCount(), 1);
    const CNotch *notch = pattern->GetPatternPolylineAt(0)->GetNotchAt(0);
    EXPECT_FLOAT_EQ(static_cast<float>(notch->GetCurveLength(nullptr)), 12.5f);

    ASSERT_EQ(pattern->GetContourCount(), 2);
    auto *outline = static_cast<CMaskContour *>(pattern->GetContourAt(0));
    EXPECT_TRUE(outline->IsClosed());
    EXPECT_FALSE(pattern->GetContourAt(1)->IsClosed());
    outline->GetStartContPoint();
    EXPECT_EQ(outline->GetAssRuleCount(), 4);

    EXPECT_EQ(place()->GetPatternName(), "Front1");
    EXPECT_EQ(mask->GetPatternAt(1)->GetBasePointAt(0)->GetFormatName(), "P6");
}

TEST_F(MaskOverInputTest, InputPointsAnswerTheirAssociations)
{
    CMaskPattern *pattern = place();
    input->SetFlagged();
    CBasePoint *inputA = input->GetBasePointAt(0);
    CBasePoint *inputB = input->GetBasePointAt(1);
    CMaskPoint *maskA =
        maskPointAt(*pattern, pattern->FindBasePoint({inputA->GetX(), inputA->GetY()}, 1e-9,
                                                     GRADE_POINT_GRADE));
    CMaskPoint *maskB =
        maskPointAt(*pattern, pattern->FindBasePoint({inputB->GetX(), inputB->GetY()}, 1e-9,
                                                     GRADE_POINT_GRADE));
    mask->GetPointAssociationMap()->AddAssociation(maskA, inputA);
    mask->GetPointAssociationMap()->AddAssociation(maskB, inputB);
    EXPECT_EQ(inputA->GetAssociatedPoint(), maskA);
    EXPECT_EQ(inputB->GetInputPoint()->GetAssociationPoint(), maskB);
    EXPECT_EQ(input->GetBasePointAt(2)->GetAssociatedPoint(), nullptr);
    EXPECT_EQ(input->GetBasePointAt(2)->GetInputPoint()->GetAssociationPoint(), nullptr);
    CPtrCollection<CPattern> associated;
    input->GetAssPatterns(associated);
    ASSERT_EQ(associated.GetCount(), 1);
    EXPECT_EQ(associated.GetAt(0), pattern);

    CPtrCollection<CBasePoint> found;
    maskA->AppendInputAssociations(found);
    EXPECT_EQ(found.GetCount(), 1);
    found.RemoveAll();
    mask->GetPointsForAssociationInRect(maskA, CDRect(-1000, -1000, 1000, 1000), found);
    EXPECT_EQ(found.GetCount(), input->GetGradePointCount() - 1);
    EXPECT_LT(found.Find(inputA), 0);
    EXPECT_GE(found.Find(inputB), 0);

    input->ClearFlagged();
    found.RemoveAll();
    maskA->AppendInputAssociations(found);
    mask->GetPointsForAssociationInRect(maskA, CDRect(-1000, -1000, 1000, 1000), found);
    EXPECT_EQ(found.GetCount(), 0);
}

TEST_F(MaskOverInputTest, InputPatternsAreShownOnNoMaskOnceTheirMaskIsGone)
{
    {
        CEventHandler *handler = nullptr;
        const std::unique_ptr<IGradeMask> other =
            CMorvaneFactory::MakeGradeMask(handler, patterns.get());
        patterns->SetGradeMask(static_cast<CGradeMask *>(other.get()));
    }
    EXPECT_EQ(patterns->GetGradeMask(), nullptr);
    EXPECT_EQ(input->GetPatternLocation(), input->CPattern::GetPatternLocation());
}

TEST_F(MaskOverInputTest, TheMaskKeepsALocationForEachInputPattern)
{
    const DPOINT own = input->CPattern::GetPatternLocation()->GetPosition();
    IPatternLocation *location = input->GetPatternLocation();
    EXPECT_EQ(mask->GetInputPatternLocation(input), location);
    EXPECT_EQ(location->GetPosition().x, own.x);
    EXPECT_EQ(location->GetPosition().y, own.y);
    SourceLog log;
    mask->AddListener(&log);
    location->SetPosition(own.x + 5, own.y);
    mask->RemoveListener(&log);
    EXPECT_EQ(log.events, (Texts{"4:16:0", "8:16:0"}));
    mask->ClearPatternLocations();
    EXPECT_EQ(input->GetPatternLocation()->GetPosition().x, own.x);
}
