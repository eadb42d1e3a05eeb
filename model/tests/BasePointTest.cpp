// Morvane model library tests.
// Base points: labels, grade-type events, grade and text places, contour counts; index points.
#include "PatternFixtures.h"
#include "foundation/XmlArchive.h"
#include "model/IndexPoint.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testmodel;

TEST(BasePointTest, LabelFollowsGradeTypeAndId)
{
    struct Case
    {
        int type;
        int id;
        const char *label;
    };
    const Case cases[] = {
        {0, -1, "I-1"},
        {0, 4, "I4"},
        {1, 7, "P7"},
        {2, 3, "P3"},
        {1, 2147483647, "P2147483647"},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.label);
        TestPoint point;
        point.SetGradeType(static_cast<GRADE_POINT_TYPE>(row.type));
        if (row.id >= 0)
            point.SetPointID(row.id);
        EXPECT_EQ(point.GetFormatName(), row.label);
        EXPECT_EQ(point.GetDrawText(), row.label);
    }
}

TEST(BasePointTest, NewPointIsUnnumberedOrdinaryAndOutsideEveryContour)
{
    TestPoint point;
    EXPECT_EQ(point.GetPointId(), -1);
    EXPECT_EQ(point.GetGradeType(), GRADE_POINT_INTERMEDIATE);
    EXPECT_EQ(point.GetHandlerId(), 0xFFFF0007u);
    EXPECT_FALSE(point.IsOutlinePoint());
    int open = -1;
    int closed = -1;
    EXPECT_EQ(point.GetContourCount(open, closed), 0);
    EXPECT_EQ(open, 0);
    EXPECT_EQ(closed, 0);
}

TEST(BasePointTest, GradeTypeChangeSendsOneEventPairWithProperty0)
{
    TestPoint point;
    EventLog log;
    point.AddListener(&log);
    point.SetGradeType(GRADE_POINT_INTERMEDIATE);
    EXPECT_TRUE(log.events.empty());
    point.SetGradeType(GRADE_POINT_GRADE);
    EXPECT_EQ(log.events, (std::vector<std::string>{"4:0", "8:0"}));
    point.RemoveListener(&log);
}

TEST(BasePointTest, TextPlaceIsTheGradePlaceOnTheMask)
{
    TestPattern pattern;
    TestPoint *point = pattern.AddPoint(3, 4);
    pattern.SetPatternLocation(10, 20, 0.0, true);
    double x = 0.0;
    double y = 0.0;
    point->GetGradePlace(nullptr, x, y);
    EXPECT_DOUBLE_EQ(x, 13.0);
    EXPECT_DOUBLE_EQ(y, 16.0);
    double textX = 0.0;
    double textY = 0.0;
    point->GetTextPlace(nullptr, textX, textY);
    EXPECT_EQ(textX, x);
    EXPECT_EQ(textY, y);
}

TEST(BasePointTest, CountsTheContoursThatMeetAtThePoint)
{
    TestPattern pattern;
    TestPoint *shared = pattern.AddPoint(10, 0);
    TestPoint *top = pattern.AddPoint(10, 10);
    // Two closed squares sharing the side from (10, 0) to (10, 10), and an open line.
    TestPoint *corner = pattern.AddPoint(0, 0);
    pattern.AddLine({corner, shared, top, pattern.AddPoint(0, 10), corner});
    pattern.AddLine({shared, pattern.AddPoint(20, 0), pattern.AddPoint(20, 10), top, shared});
    pattern.AddLine({shared, pattern.AddPoint(10, -10)});
    pattern.BuildContours();
    ASSERT_EQ(pattern.GetContourCount(), 3);

    int open = 0;
    int closed = 0;
    EXPECT_EQ(shared->GetContourCount(open, closed), 3);
    EXPECT_EQ(closed, 2);
    EXPECT_EQ(open, 1);
    EXPECT_EQ(top->GetContourCount(open, closed), 2);
    EXPECT_TRUE(shared->IsOutlinePoint());
    EXPECT_TRUE(shared->IsEndPolylinePoint());
    EXPECT_TRUE(top->IsContourPoint());
    EXPECT_FALSE(top->IsEndPolylinePoint());
}

namespace {

/// A pattern and a numbered reference to one of its points, stored together.
class IndexedPattern : public CAttContainer
{
public:
    IndexedPattern()
    {
        AddContainerAttribute(&pattern, "Pattern");
        AddContainerAttribute(&reference, "IndexPoint");
    }

    TestPattern pattern;
    CIndexPoint reference;
};

} // namespace

TEST(IndexPointTest, KeepsItsIndexAndPointAcrossSaveAndLoad)
{
    IndexedPattern saved;
    saved.pattern.AddPoint(1, 2);
    TestPoint *point = saved.pattern.AddPoint(3, 4);
    saved.reference.Create(3, point);
    EXPECT_EQ(saved.reference.GetIndex(), 3);
    EXPECT_EQ(saved.reference.GetPoint(), point);

    CXmlArchive writer;
    ASSERT_EQ(writer.SaveObject(saved, "Root"), 0);
    IndexedPattern loaded;
    CXmlArchive reader;
    ASSERT_TRUE(reader.LoadFromText(writer.GetXmlContents()));
    ASSERT_EQ(reader.LoadObject(loaded, "Root"), 0);
    EXPECT_EQ(loaded.reference.GetIndex(), 3);
    EXPECT_EQ(loaded.reference.GetPoint(), loaded.pattern.GetBasePointAt(1));
    EXPECT_EQ(loaded.reference.SetPoint(nullptr), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObjectByName("CBasePoint"), nullptr);
    EXPECT_NE(CRuntimeClass::CreateObjectByName("CIndexPoint"), nullptr);
}
