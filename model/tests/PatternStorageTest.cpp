// Morvane model library tests.
// A pattern saved and loaded back: the same file, the same geometry, contours and references.
#include "PatternFixtures.h"
#include "foundation/XmlArchive.h"

#include <gtest/gtest.h>
#include <string>

using namespace testmodel;

namespace {

std::string save(TestPattern &pattern)
{
    CXmlArchive archive;
    EXPECT_EQ(archive.SaveObject(pattern, "Pattern"), 0);
    return archive.GetXmlContents();
}

void load(const std::string &text, TestPattern &pattern)
{
    CXmlArchive archive;
    ASSERT_TRUE(archive.LoadFromText(text));
    ASSERT_EQ(archive.LoadObject(pattern, "Pattern"), 0);
}

/// A flipped, rotated piece with an outline of two lines, an inner closed line, an open line,
/// a notch and a drill hole.
void fill(TestPattern &pattern)
{
    TestPoint *a = pattern.AddPoint(0, 0);
    TestPoint *b = pattern.AddPoint(40, 0);
    TestPoint *c = pattern.AddPoint(40, 30);
    TestPolyline *bottom =
        pattern.AddLine({a, pattern.AddPoint(20, -2, GRADE_POINT_INTERMEDIATE), b});
    pattern.AddLine({b, c, pattern.AddPoint(0, 30), a});
    TestPoint *d = pattern.AddPoint(10, 10);
    pattern.AddLine({d, pattern.AddPoint(15, 10), pattern.AddPoint(15, 15), d});
    pattern.AddLine({pattern.AddPoint(30, 5), pattern.AddPoint(30, 20)});
    bottom->AddNotch(12.5, 0.0, 1.5);
    pattern.AddMarkPoint(25, 25);
    int grade = 0;
    int other = 0;
    pattern.SetPointsId(grade, other);
    pattern.SetPivot({20, 15});
    pattern.SetPatternLocation(100.25, -40.5, 33.3, true);
    pattern.BuildContours();
}

} // namespace

TEST(PatternStorageTest, SavedAndLoadedPatternComparesEqual)
{
    TestPattern original;
    fill(original);
    const std::string text = save(original);

    TestPattern loaded;
    load(text, loaded);
    EXPECT_EQ(save(loaded), text);

    ASSERT_EQ(loaded.GetBasePointCount(), original.GetBasePointCount());
    for (int i = 0; i < original.GetBasePointCount(); ++i) {
        SCOPED_TRACE(i);
        const CBasePoint *before = original.GetBasePointAt(i);
        const CBasePoint *after = loaded.GetBasePointAt(i);
        EXPECT_EQ(after->GetFormatName(), before->GetFormatName());
        EXPECT_EQ(after->GetParent(), &loaded);
        EXPECT_NEAR(after->GetAbsPosition().x, before->GetAbsPosition().x, 1e-9);
        EXPECT_NEAR(after->GetAbsPosition().y, before->GetAbsPosition().y, 1e-9);
    }
    ASSERT_EQ(loaded.GetContourCount(), original.GetContourCount());
    for (int i = 0; i < original.GetContourCount(); ++i) {
        SCOPED_TRACE(i);
        const CContour *before = original.GetContourAt(i);
        const CContour *after = loaded.GetContourAt(i);
        EXPECT_EQ(after->IsClosed(), before->IsClosed());
        EXPECT_EQ(after->GetContourLineAt(0)->GetContour(), after);
        EXPECT_NEAR(after->GetClosedArea(), before->GetClosedArea(), 1e-9);
        std::vector<DPOINT> beforePoints;
        std::vector<DPOINT> afterPoints;
        before->GetAllContourPoints(nullptr, &beforePoints, nullptr, nullptr, false, false);
        after->GetAllContourPoints(nullptr, &afterPoints, nullptr, nullptr, false, false);
        EXPECT_EQ(describe(afterPoints), describe(beforePoints));
    }
    EXPECT_EQ(loaded.GetMarkPointAt(0), loaded.GetBasePointAt(loaded.GetBasePointCount() - 1));
    double tipX = 0.0;
    double tipY = 0.0;
    double loadedTipX = 0.0;
    double loadedTipY = 0.0;
    original.GetPatternPolylineAt(0)->GetNotchAt(0)->GetAbsPos(nullptr, tipX, tipY);
    loaded.GetPatternPolylineAt(0)->GetNotchAt(0)->GetAbsPos(nullptr, loadedTipX, loadedTipY);
    EXPECT_NEAR(loadedTipX, tipX, 1e-9);
    EXPECT_NEAR(loadedTipY, tipY, 1e-9);
    EXPECT_NEAR(loaded.GetPivotPoint().x, original.GetPivotPoint().x, 1e-9);
}

TEST(PatternStorageTest, KeepsTheRotationAngleToTwelveDecimals)
{
    TestPattern pattern;
    pattern.GetPatternLocation()->SetRotAngle(0.123456789012, true);
    const std::string text = save(pattern);
    EXPECT_NE(text.find("<RotAngle>0.123456789012</RotAngle>"), std::string::npos) << text;
    EXPECT_NE(text.find("<Fliped>0</Fliped>"), std::string::npos);

    TestPattern loaded;
    load(text, loaded);
    EXPECT_DOUBLE_EQ(loaded.GetPatternLocation()->GetRotAngle(true), 0.123456789012);
}
