// Morvane model library tests.
// The grade mask's regions: names, undo records, the exclude and read-only tests, the points
// each kind of region collects, and regions in the mask file.
#include "FakeGradeSource.h"
#include "MaskFixtures.h"
#include "RegionFixtures.h"
#include "TemporaryFolder.h"
#include "foundation/FileContent.h"
#include "model/InputPatterns.h"
#include "model/MorvaneFactory.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace testmodel;

namespace {

using Texts = std::vector<std::string>;

Texts regionNames(const CGradeMask &mask)
{
    Texts names;
    for (int i = 0; i < mask.GetGradeRegionCount(); ++i)
        names.push_back(mask.GetGradeRegionAt(i)->GetName());
    return names;
}

/// Where the points lie, as "x,y".
Texts placesOf(const CPtrCollection<CBasePoint> &points)
{
    Texts places;
    for (const CBasePoint *point : points) {
        const DPOINT p = point->GetAbsPosition();
        places.push_back(std::to_string(static_cast<int>(p.x)) + "," +
                         std::to_string(static_cast<int>(p.y)));
    }
    return places;
}

} // namespace

TEST(GradeMaskRegionsTest, InsertedRegionsTakeTheNextFreeName)
{
    CGradeMask mask;
    std::unique_ptr<CGradeRegion> named = mask.MakeRegion();
    EXPECT_EQ(named->GetGradeMask(), &mask);
    named->SetName("Waist");
    mask.InsertGradeRegionAt(0, std::move(named));
    addRegion(mask, kHalfPlaneShape, REGION_GRADE)->SetName("r2");
    addRegion(mask, kHalfPlaneShape, REGION_EXCLUDE);
    EXPECT_EQ(regionNames(mask), (Texts{"R1", "r2", "R3"}));
    EXPECT_EQ(mask.FindGradeRegion("R2"), 1);
    EXPECT_EQ(mask.FindGradeRegion("Waist"), -1);
    EXPECT_EQ(mask.FindGradeRegion(mask.GetGradeRegionAt(2)), 2);
    CGradeRegion stranger;
    EXPECT_EQ(mask.FindGradeRegion(&stranger), -1);
}

TEST(GradeMaskRegionsTest, RegionsAreEventChildrenOfTheMask)
{
    CGradeMask mask;
    SourceLog log;
    mask.AddListener(&log);
    CGradeRegion *region = addRegion(mask, kHalfPlaneShape, REGION_GRADE);
    log.events.clear();
    region->SetType(REGION_READ_ONLY);
    mask.RemoveGradeRegionAt(0);
    mask.RemoveListener(&log);
    EXPECT_EQ(log.events, (Texts{"4:2:6", "8:2:6", "2:1:-65534"}));
}

TEST(GradeMaskRegionsTest, RemovedRegionLivesUntilItCanNoLongerComeBack)
{
    CGradeMask mask;
    bool deleted = false;
    mask.InsertGradeRegionAt(0, std::make_unique<Watched<CGradeRegion>>(deleted));
    mask.RemoveGradeRegionAt(0);
    EXPECT_EQ(mask.GetGradeRegionCount(), 0);
    mask.GetHistory()->Undo();
    EXPECT_EQ(regionNames(mask), (Texts{"R1"}));
    mask.GetHistory()->Undo();
    EXPECT_EQ(mask.GetGradeRegionCount(), 0);
    EXPECT_FALSE(deleted);
    mask.GetHistory()->Redo();
    mask.GetHistory()->Redo();
    EXPECT_EQ(mask.GetGradeRegionCount(), 0);
    mask.GetHistory()->Clear();
    EXPECT_TRUE(deleted);
}

TEST(GradeMaskRegionsTest, RecordedRegionStateIsUndoneAndRedone)
{
    CGradeMask mask;
    CGradeRegion *region = addRegion(mask, boxShape(0, 0, 10, 10), REGION_GRADE);
    mask.GetHistory()->AddObjectItem(region);
    region->SetPosition({50, 50});
    region->SetType(REGION_EXCLUDE);
    mask.GetHistory()->Undo();
    EXPECT_EQ(region->GetPosition().x, 5);
    EXPECT_EQ(region->GetType(), REGION_GRADE);
    mask.GetHistory()->Redo();
    EXPECT_EQ(region->GetPosition().x, 50);
    EXPECT_EQ(region->GetType(), REGION_EXCLUDE);
}

TEST(GradeMaskRegionsTest, ReadOnlyNeedsNoExcludeRegionAtThePoint)
{
    CGradeMask mask;
    // Square points P1 (0, 0), P2 (40, 0), P3 (40, 40), P4 (0, 40).
    CMaskPattern *square = placeSquare(mask, "Front");
    addRegion(mask, boxShape(-5, -5, 45, 5), REGION_READ_ONLY);
    addRegion(mask, boxShape(35, -5, 45, 45), REGION_EXCLUDE);
    addRegion(mask, boxShape(-5, 35, 5, 45), REGION_GRADE);
    EXPECT_TRUE(mask.IsInReadOnlyRegion(square->GetBasePointAt(0)));
    EXPECT_FALSE(mask.IsInReadOnlyRegion(square->GetBasePointAt(1)));
    EXPECT_FALSE(mask.IsInReadOnlyRegion(square->GetBasePointAt(3)));
    EXPECT_FALSE(mask.IsInExcludeRegion({0, 0}));
    EXPECT_TRUE(mask.IsInExcludeRegion({40, 0}));
    EXPECT_TRUE(mask.IsInExcludeRegion({40, 40}));
    EXPECT_FALSE(mask.IsInExcludeRegion({0, 40}));
}

namespace {

/// A grade model's piece with grade points at (0, 0), (40, 0), (40, 30) and (0, 30) on one
/// closed curve, and a drill hole at (20, 15), shown on a mask that has no region yet.
class RegionPointsTest : public ::testing::Test
{
protected:
    RegionPointsTest()
    {
        FakePoint *a = source.addPoint(0, 0);
        FakePoint *b = source.addPoint(40, 0);
        FakePoint *c = source.addPoint(40, 30);
        FakePoint *d = source.addPoint(0, 30);
        source.addPoint(20, 15)->isMark = true;
        source.addCurve({a, b, c, d, a});
        patterns->AddPattern(&source);
        patterns->Update();
        mask.Create(patterns.get());
        patterns->SetGradeMask(&mask);
        patterns->GetPatternAt(0)->SetFlagged();
    }
    ~RegionPointsTest() override { patterns->SetGradeMask(nullptr); }

    Texts pointsOf(const CGradeRegion &region) const
    {
        CPtrCollection<CBasePoint> points;
        region.UpdateRegionPoints(points);
        return placesOf(points);
    }

    FakePattern source{"Front"};
    CEventHandler *handler = nullptr;
    std::unique_ptr<IInputPatterns> patterns = CMorvaneFactory::MakeInputPatterns(handler);
    CGradeMask mask;
};

} // namespace

TEST_F(RegionPointsTest, EachKindLeavesOutWhatOtherRegionsHold)
{
    CGradeRegion *grade = addRegion(mask, {{-1, 0}, 0.0, {}, {}, {}}, REGION_GRADE);
    CGradeRegion *readOnly = addRegion(mask, boxShape(35, -5, 45, 35), REGION_READ_ONLY);
    CGradeRegion *exclude = addRegion(mask, boxShape(35, -5, 45, 5), REGION_EXCLUDE);
    CGradeRegion *otherExclude = addRegion(mask, boxShape(30, -5, 45, 5), REGION_EXCLUDE);
    // The grade region loses the excluded, the read-only and the drill hole.
    EXPECT_EQ(pointsOf(*grade), (Texts{"0,0", "0,30"}));
    EXPECT_EQ(pointsOf(*readOnly), (Texts{"40,30"}));
    EXPECT_EQ(pointsOf(*exclude), (Texts{"40,0"}));
    EXPECT_EQ(pointsOf(*otherExclude), (Texts{"40,0"}));

    CPtrCollection<CBasePoint> appended;
    appended.Add(nullptr);
    grade->UpdateRegionPoints(appended);
    EXPECT_EQ(appended.GetCount(), 3);
}

TEST_F(RegionPointsTest, OnlyThePatternsShownOnTheMaskCount)
{
    const CGradeRegion *grade = addRegion(mask, boxShape(-5, -5, 5, 5), REGION_GRADE);
    EXPECT_EQ(pointsOf(*grade), (Texts{"0,0"}));
    patterns->GetPatternAt(0)->ClearFlagged();
    EXPECT_EQ(pointsOf(*grade), Texts{});

    CGradeRegion alone;
    shapeRegion(alone, kHalfPlaneShape);
    EXPECT_EQ(pointsOf(alone), Texts{});
}

// Moving the pattern moves its points out of the region and others in: nothing is kept stale.
TEST_F(RegionPointsTest, AMovedPatternIsAskedAgain)
{
    const CGradeRegion *grade = addRegion(mask, boxShape(35, -5, 45, 5), REGION_GRADE);
    EXPECT_EQ(pointsOf(*grade), (Texts{"40,0"}));
    // The pattern's own origin is the centre of its grade points, (20, 15).
    IPatternLocation *location = patterns->GetPatternAt(0)->GetPatternLocation();
    location->SetPosition(0, 15);
    EXPECT_EQ(pointsOf(*grade), Texts{});
    location->SetPosition(60, 15);
    EXPECT_EQ(pointsOf(*grade), (Texts{"40,0"}));
}

TEST(GradeMaskRegionsTest, RegionsAreSavedAndLoadedBack)
{
    const TemporaryFolder folder("mask-regions");
    CGradeMask original;
    addRegion(original, {{12.25, -3.5}, 0.5, -1.0, 2.0, 30.0}, REGION_GRADE);
    addRegion(original, kHalfPlaneShape, REGION_EXCLUDE)->SetDirection(90, false);
    ASSERT_TRUE(original.Save(folder / "first.msk"));
    const std::string text = morvane::readFileContent(folder / "first.msk").value_or("");
    EXPECT_NE(text.find("<RegDir>0.500000</RegDir>"), std::string::npos);
    EXPECT_NE(text.find("<RegDir>1.570796</RegDir>"), std::string::npos);
    EXPECT_EQ(text.find("<Type>0</Type>"), std::string::npos);
    EXPECT_NE(text.find("<Type>1</Type>"), std::string::npos);
    EXPECT_EQ(text.find("BaseFormula"), std::string::npos);

    CGradeMask loaded;
    ASSERT_TRUE(loaded.Load(folder / "first.msk")) << loaded.GetLastError();
    ASSERT_EQ(regionNames(loaded), (Texts{"R1", "R2"}));
    const CGradeRegion *first = loaded.GetGradeRegionAt(0);
    EXPECT_EQ(first->GetGradeMask(), &loaded);
    EXPECT_EQ(first->GetPosition().x, 12.25);
    EXPECT_EQ(first->GetPosition().y, -3.5);
    EXPECT_EQ(first->GetDirection(true), 0.5);
    EXPECT_EQ(first->GetLeft90(), -1.0);
    EXPECT_EQ(first->GetRight90(), 2.0);
    EXPECT_EQ(first->GetMaxHeight(), 30.0);
    EXPECT_TRUE(first->IsClosed());
    EXPECT_EQ(first->GetType(), REGION_GRADE);
    EXPECT_EQ(loaded.GetGradeRegionAt(1)->GetType(), REGION_EXCLUDE);
    EXPECT_FALSE(loaded.GetGradeRegionAt(1)->GetLimLeft90());
    ASSERT_TRUE(loaded.Save(folder / "second.msk"));
    EXPECT_EQ(morvane::readFileContent(folder / "second.msk").value_or(""), text);

    loaded.Clear();
    EXPECT_EQ(loaded.GetGradeRegionCount(), 0);
}

// Files before version 2117 knew no region kinds: a region without a formula excluded points.
TEST(GradeMaskRegionsTest, RegionsOfAnOlderFileTakeTheirKindFromTheirFormulas)
{
    const TemporaryFolder folder("mask-regions");
    CGradeMask original;
    addRegion(original, boxShape(0, 0, 10, 10), REGION_GRADE);
    addRegion(original, boxShape(0, 0, 10, 10), REGION_READ_ONLY);
    ASSERT_TRUE(original.Save(folder / "current.msk"));
    std::string text = morvane::readFileContent(folder / "current.msk").value_or("");
    text.replace(text.find("2121"), 4, "2116");
    std::ofstream(folder / "older.msk", std::ios::binary) << text;

    CGradeMask loaded;
    ASSERT_TRUE(loaded.Load(folder / "older.msk")) << loaded.GetLastError();
    EXPECT_EQ(loaded.GetGradeRegionAt(0)->GetType(), REGION_EXCLUDE);
    EXPECT_EQ(loaded.GetGradeRegionAt(1)->GetType(), REGION_EXCLUDE);
    ASSERT_TRUE(loaded.Load(folder / "current.msk"));
    EXPECT_EQ(loaded.GetGradeRegionAt(1)->GetType(), REGION_READ_ONLY);
}
