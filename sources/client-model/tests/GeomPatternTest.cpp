// Morvane client grade model tests.
// Client patterns: origin, point lists, polylines, mark and slider points, checked indexes.
#include "sources/client-model/GeomPattern.h"

#include "sources/client-model/ClientGradeModel.h"

#include <gtest/gtest.h>

namespace {

class GeomPatternTest : public testing::Test
{
protected:
    CGeomPattern &addPattern(const char *name)
    {
        return *m_model.GetGeomPatternAt(m_model.AddPattern(name));
    }

    CClientGradeModel m_model;
};

} // namespace

TEST_F(GeomPatternTest, UpdateOriginCentresTheBasePoints)
{
    CGeomPattern &pattern = addPattern("Front");
    pattern.AddBasePoint(0, 0, 1);
    pattern.AddBasePoint(10, 4, 0);
    pattern.AddBasePoint(6, -2, 1);

    pattern.UpdateOrigin();
    EXPECT_EQ(pattern.GetOrigin().x, 5.0);
    EXPECT_EQ(pattern.GetOrigin().y, 1.0);
    EXPECT_EQ(pattern.GetBasePointAt(1)->GetX(), 5.0);
    EXPECT_EQ(pattern.GetBasePointAt(1)->GetY(), 3.0);

    // A second update finds the same centre.
    pattern.UpdateOrigin();
    EXPECT_EQ(pattern.GetOrigin().x, 5.0);
    EXPECT_EQ(pattern.GetOrigin().y, 1.0);
}

TEST_F(GeomPatternTest, UpdateOriginWithoutPointsTakesTheCentreOfTheEmptyRectangle)
{
    CGeomPattern &pattern = addPattern("Empty");
    EXPECT_EQ(pattern.GetOrigin().x, 0.0);
    pattern.UpdateOrigin();
    EXPECT_EQ(pattern.GetOrigin().x, -0.5);
    EXPECT_EQ(pattern.GetOrigin().y, -0.5);
}

TEST_F(GeomPatternTest, ListsGradePointsAndMarkPointsAmongItsBasePoints)
{
    CGeomPattern &pattern = addPattern("Back");
    EXPECT_EQ(pattern.AddBasePoint(0, 0, 0), 0);
    EXPECT_EQ(pattern.AddBasePoint(1, 0, 1), 1);
    EXPECT_EQ(pattern.AddBasePoint(2, 0, 7), 2);
    EXPECT_EQ(pattern.AddBasePoint(3, 0, 1), 3);

    int count = 0;
    pattern.GetInternalPointCount(count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(pattern.GetInternalPointAt(0), pattern.GetBasePointAt(1));
    EXPECT_EQ(pattern.GetInternalPointAt(1), pattern.GetBasePointAt(3));

    EXPECT_EQ(pattern.AddMarkPoint(2), 0);
    EXPECT_EQ(pattern.GetMarkPointCount(), 1);
    EXPECT_EQ(pattern.FindMarkPoint(pattern.GetBasePointAt(2)), 0);
    DPOINT vector{7, 8};
    bool isMark = false;
    pattern.GetBasePointAt(2)->IsMarkPoint(vector, isMark);
    EXPECT_TRUE(isMark);
    EXPECT_EQ(vector.x, 7.0);
    pattern.GetBasePointAt(0)->IsMarkPoint(vector, isMark);
    EXPECT_FALSE(isMark);
}

TEST_F(GeomPatternTest, FindBasePointKnowsOnlyItsOwnPoints)
{
    CGeomPattern &front = addPattern("Front");
    CGeomPattern &back = addPattern("Back");
    front.AddBasePoint(0, 0, 1);
    front.AddBasePoint(5, 5, 0);
    back.AddBasePoint(5, 5, 0);

    EXPECT_EQ(front.FindBasePoint(front.GetBasePointAt(1)), 1);
    EXPECT_EQ(front.FindBasePoint(front.GetBasePointAt(1)), 1);
    EXPECT_EQ(front.FindBasePoint(back.GetBasePointAt(0)), -1);
    EXPECT_EQ(front.FindBasePoint(nullptr), -1);
}

TEST_F(GeomPatternTest, AddPolylineTakesARunOfBasePoints)
{
    CGeomPattern &pattern = addPattern("Sleeve");
    for (int i = 0; i < 4; ++i)
        pattern.AddBasePoint(i, 0, 1);

    EXPECT_EQ(pattern.AddPolyline(1, 3, 6), 0);
    CGeomPolyline *line = pattern.GetPatternPolylineAt(0);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(pattern.GetCurveAt(0), line);
    EXPECT_EQ(line->GetOwner(), &pattern);
    EXPECT_EQ(line->GetLineType(), 6);
    ASSERT_EQ(line->GetPointCount(), 3);
    EXPECT_EQ(line->GetPointAt(0), 1);
    EXPECT_EQ(line->GetPointAt(2), 3);
    EXPECT_EQ(line->AddPoint(0), 3);
    EXPECT_EQ(line->GetPointAt(3), 0);

    EXPECT_EQ(pattern.AddPolyline(0, 0, 0), 1);
    EXPECT_EQ(pattern.GetPatternPolylineAt(1)->GetPointCount(), 0);
}

TEST_F(GeomPatternTest, PointWithANotchOffALineSlidesAlongThatLine)
{
    CGeomPattern &pattern = addPattern("Yoke");
    for (int i = 0; i < 4; ++i)
        pattern.AddBasePoint(i, 0, 1);
    pattern.AddPolyline(0, 2, 0);
    pattern.AddPolyline(1, 2, 0);
    pattern.GetPatternPolylineAt(0)->AddNotch(0, 0, -1);
    pattern.GetPatternPolylineAt(1)->AddNotch(3, 0, -1);

    int isSlider = -1;
    IGradeCurve *curve = nullptr;
    int reserved = -1;
    pattern.GetBasePointAt(3)->GetSliderInfo(isSlider, curve, reserved);
    EXPECT_EQ(isSlider, 1);
    EXPECT_EQ(curve, pattern.GetPatternPolylineAt(1));
    EXPECT_EQ(reserved, 0);

    // A notch on one of the line's own points makes no slider.
    pattern.GetBasePointAt(0)->GetSliderInfo(isSlider, curve, reserved);
    EXPECT_EQ(isSlider, 0);
    EXPECT_EQ(curve, nullptr);
}

TEST_F(GeomPatternTest, IndexesOutOfRangeGiveNothingAndChangeNothing)
{
    CGeomPattern &pattern = addPattern("Cuff");
    pattern.AddBasePoint(0, 0, 1);
    pattern.AddBasePoint(10, 0, 0);
    pattern.AddPolyline(0, 2, 0);
    CGeomPolyline &line = *pattern.GetPatternPolylineAt(0);

    EXPECT_EQ(pattern.GetBasePointAt(-1), nullptr);
    EXPECT_EQ(pattern.GetBasePointAt(2), nullptr);
    EXPECT_EQ(pattern.GetCurveAt(1), nullptr);
    EXPECT_EQ(pattern.GetInternalPointAt(1), nullptr);
    EXPECT_EQ(pattern.GetMarkPointAt(0), nullptr);
    EXPECT_EQ(pattern.AddMarkPoint(2), -1);
    EXPECT_EQ(pattern.GetMarkPointCount(), 0);

    const struct
    {
        const char *name;
        int first;
        int count;
    } badRuns[] = {{"negative first", -1, 2},
                   {"negative count", 0, -1},
                   {"past the end", 1, 2},
                   {"overflowing count", 1, 2147483647}};
    for (const auto &run : badRuns) {
        SCOPED_TRACE(run.name);
        EXPECT_EQ(pattern.AddPolyline(run.first, run.count, 0), -1);
    }
    EXPECT_EQ(pattern.GetPolylineCount(), 1);

    EXPECT_EQ(line.AddPoint(2), -1);
    EXPECT_EQ(line.AddPoint(-3), -1);
    EXPECT_EQ(line.GetPointCount(), 2);
    EXPECT_EQ(line.GetPointAt(2), -1);
    EXPECT_EQ(line.GetPointAt(-1), -1);
    EXPECT_EQ(line.AddNotch(5, 1, 1), -1);
    int notches = -1;
    line.GetNotchCount(notches);
    EXPECT_EQ(notches, 0);
    EXPECT_EQ(line.GetNotchPointAt(0), nullptr);
    EXPECT_EQ(line.GetGradePointAt(1), nullptr);
    EXPECT_EQ(line.GetGradePointAt(-1), nullptr);

    DPOINT vector{3, 3};
    float distance = 9.0f;
    int kind = 4;
    EXPECT_EQ(line.GetNotchAt(0, {0, 0}, vector, distance, kind), nullptr);
    EXPECT_EQ(distance, 0.0f);
    EXPECT_EQ(kind, -1);
}

TEST_F(GeomPatternTest, KeepsNameAndOutlineColour)
{
    CGeomPattern &pattern = addPattern("Collar");
    std::string name;
    pattern.GetName(name);
    EXPECT_EQ(name, "Collar");
    pattern.SetName("Stand collar");
    pattern.GetName(name);
    EXPECT_EQ(name, "Stand collar");

    EXPECT_EQ(pattern.GetOutlineColor(), CGeomPattern::kNoOutlineColor);
    pattern.SetOutlineColor(0x00FF8000);
    EXPECT_EQ(pattern.GetOutlineColor(), 0x00FF8000u);
}
