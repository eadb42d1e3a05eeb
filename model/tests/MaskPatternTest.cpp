// Morvane model library tests.
// Mask patterns: line shapes, adding and deleting points and lines with their undo records.
#include "MaskFixtures.h"
#include "PatternFixtures.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testmodel;

namespace {

using Texts = std::vector<std::string>;

/// The contours as the number of their lines, "+" closed, "-" open: "2+".
Texts describeContours(const CPattern &pattern)
{
    Texts texts;
    for (int i = 0; i < pattern.GetContourCount(); ++i) {
        const CContour *contour = pattern.GetContourAt(i);
        texts.push_back(std::to_string(contour->GetContourLineCount()) +
                        (contour->IsClosed() ? "+" : "-"));
    }
    return texts;
}

/// The labels of the pattern's points, in order.
std::string describePoints(const CPattern &pattern)
{
    std::string text;
    for (int i = 0; i < pattern.GetBasePointCount(); ++i)
        text += (i > 0 ? " " : "") + pattern.GetBasePointAt(i)->GetFormatName();
    return text;
}

/// A pattern state as the texts above, to compare before, after and back.
struct PatternState
{
    explicit PatternState(const CPattern &pattern)
        : points(describePoints(pattern))
        , lines(describeLines(pattern))
        , contours(describeContours(pattern))
    {
    }
    bool operator==(const PatternState &) const = default;

    std::string points;
    Texts lines;
    Texts contours;
};

} // namespace

TEST(MaskPolylineTest, ShapeDropsOnlyOrdinaryPointsOnTheNextKeptPoint)
{
    struct Row
    {
        const char *name;
        std::vector<DPOINT> points;
        std::vector<GRADE_POINT_TYPE> types;
        Texts shape;
        std::vector<int> indexes;
    };
    const GRADE_POINT_TYPE g = GRADE_POINT_GRADE;
    const GRADE_POINT_TYPE o = GRADE_POINT_INTERMEDIATE;
    const Row rows[] = {
        {"ordinary points near the origin stay",
         {{5, 0}, {0.1, 0.1}, {0, 5}},
         {g, o, g},
         {"(5 0)", "(0.1 0.1)", "(0 5)"},
         {0, -1, 2}},
        {"an ordinary point on the next one goes",
         {{5, 0}, {1, 1}, {1.1, 1.05}, {0, 5}},
         {g, o, o, g},
         {"(5 0)", "(1.1 1.05)", "(0 5)"},
         {0, -1, 3}},
        {"an ordinary point on a grade point goes",
         {{5, 0}, {0, 4.9}, {0, 5}},
         {g, o, g},
         {"(5 0)", "(0 5)"},
         {0, 2}},
        {"grade points on each other stay",
         {{5, 0}, {0, 5}, {0, 5.1}},
         {g, g, g},
         {"(5 0)", "(0 5)", "(0 5.1)"},
         {0, 1, 2}},
        {"an ordinary first point stays while fewer than two are kept",
         {{0, 5.1}, {0, 5}},
         {o, g},
         {"(0 5.1)", "(0 5)"},
         {-1, 1}},
        {"an ordinary first point on the next one goes after two are kept",
         {{0, 5.1}, {0, 5}, {5, 5}},
         {o, g, g},
         {"(0 5)", "(5 5)"},
         {1, 2}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CGradeMask mask;
        std::unique_ptr<CMaskPattern> pattern = mask.MakePattern();
        pattern->SetPatternLocation(100, 50, 90, false);
        CPtrCollection<CBasePoint> points;
        for (size_t i = 0; i < row.points.size(); ++i)
            points.Add(pattern->GetBasePointAt(pattern->AddPoint(row.points[i], row.types[i])));
        const CMaskPolyline *line = pattern->InsertNewPolyline(-1, GRADE_LINE_TYPE{}, points);
        std::vector<DPOINT> shape;
        std::vector<int> indexes;
        line->GetShapeOrigPos(shape, &indexes);
        EXPECT_EQ(describe(shape), row.shape);
        EXPECT_EQ(indexes, row.indexes);
        line->GetShape(nullptr, shape, nullptr);
        ASSERT_EQ(shape.size(), row.shape.size());
        EXPECT_NEAR(shape.back().x, 100 - row.points.back().y, 1e-6);
    }
}

TEST(MaskPatternTest, AddGradePointReusesAGradePointNearby)
{
    CGradeMask mask;
    placeSquare(mask, "Back");
    CMaskPattern *pattern = placeSquare(mask, "Front");
    EXPECT_EQ(pattern->AddGradePoint({40.2, 0.1}), 1);
    const int added = pattern->AddGradePoint({40.3, 0.1});
    EXPECT_EQ(added, 5);
    // Numbered after the largest id on the mask: the squares have P1 to P8 and I1, I2.
    EXPECT_EQ(pattern->GetBasePointAt(added)->GetFormatName(), "P9");
    EXPECT_EQ(pattern->GetBasePointAt(pattern->AddPoint({1, 1}, GRADE_POINT_INTERMEDIATE))
                  ->GetFormatName(),
              "I3");
    mask.GetHistory()->Undo();
    mask.GetHistory()->Undo();
    EXPECT_EQ(pattern->GetBasePointCount(), 5);
}

TEST(MaskPatternTest, DeletingALineIsUndoneWithItsContourAndPoints)
{
    CGradeMask mask;
    CMaskPattern *pattern = placeSquare(mask, "Front");
    const PatternState before(*pattern);
    ASSERT_EQ(before.contours, (Texts{"2+"}));

    pattern->DeletePolyline(0);
    const PatternState oneLine(*pattern);
    EXPECT_EQ(oneLine.lines, (Texts{"P2 P3 P4 P1"}));
    EXPECT_EQ(oneLine.points, "P1 P2 P3 P4");
    EXPECT_EQ(oneLine.contours, (Texts{"1-"}));

    pattern->DeletePolyline(0);
    EXPECT_EQ(PatternState(*pattern).contours, Texts{});
    EXPECT_EQ(pattern->GetBasePointCount(), 0);
    EXPECT_EQ(pattern->GetGradePointCount(), 0);

    mask.GetHistory()->Undo();
    EXPECT_EQ(PatternState(*pattern), oneLine);
    mask.GetHistory()->Undo();
    EXPECT_EQ(PatternState(*pattern), before);
    EXPECT_TRUE(pattern->GetContourAt(0)->IsClosed());
    EXPECT_EQ(pattern->GetGradePointCount(), 4);
    EXPECT_EQ(pattern->GetContourAt(0)->GetGradePointCount(), 4);

    mask.GetHistory()->Redo();
    EXPECT_EQ(PatternState(*pattern), oneLine);
    // What the history still holds is deleted with it (the sanitizer build checks for leaks).
}

TEST(MaskPatternTest, DeletingAPointTakesItOffItsLinesAndMarks)
{
    CGradeMask mask;
    CMaskPattern *pattern = placeSquare(mask, "Front");
    const PatternState before(*pattern);
    pattern->DeleteBasePoint(2);
    EXPECT_EQ(describeLines(*pattern), (Texts{"P1 I1 P2", "P2 P4 P1"}));
    EXPECT_EQ(describePoints(*pattern), "P1 P2 P4 I1");
    EXPECT_EQ(pattern->GetGradePointCount(), 3);
    mask.GetHistory()->Undo();
    EXPECT_EQ(PatternState(*pattern), before);
    EXPECT_EQ(pattern->GetGradePointCount(), 4);
    mask.GetHistory()->Clear();
}

TEST(MaskPatternTest, SwitchingAGradeTypeRefreshesWhatDependsOnIt)
{
    CGradeMask mask;
    CMaskPattern *pattern = placeSquare(mask, "Front");
    auto *outline = static_cast<CMaskContour *>(pattern->GetContourAt(0));
    CBasePoint *bend = pattern->GetBasePointAt(4);
    ASSERT_EQ(pattern->GetGradePointCount(), 4);
    ASSERT_EQ(outline->GetGradePointCount(), 4);
    ASSERT_EQ(outline->GetTurnAngle(bend), 0.0);
    outline->GetStartContPoint();
    ASSERT_EQ(outline->GetAssRuleCount(), 4);

    bend->SetGradeType(GRADE_POINT_GRADE);
    EXPECT_EQ(pattern->GetGradePointCount(), 5);
    EXPECT_EQ(outline->GetGradePointCount(), 5);
    EXPECT_NE(outline->GetTurnAngle(bend), 0.0);
    outline->GetStartContPoint();
    EXPECT_EQ(outline->GetAssRuleCount(), 5);

    pattern->GetBasePointAt(0)->SetGradeType(GRADE_POINT_INTERMEDIATE);
    EXPECT_EQ(pattern->GetGradePointCount(), 4);
    EXPECT_EQ(pattern->GetGradePointAt(0), pattern->GetBasePointAt(1));
}

TEST(MaskPatternTest, SplittingALineIsUndoneAsOne)
{
    CGradeMask mask;
    CMaskPattern *pattern = placeSquare(mask, "Front");
    const PatternState before(*pattern);
    CPolyline *line = pattern->GetPatternPolylineAt(1);
    CPtrCollection<CBasePoint> moved;
    const CMaskPolyline *added = pattern->SplitPolyline(line, pattern->GetBasePointAt(2), &moved);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(pattern->FindPolyline(added), 2);
    EXPECT_EQ(describeLines(*pattern), (Texts{"P1 I1 P2", "P2 P3", "P3 P4 P1"}));
    EXPECT_EQ(moved.GetCount(), 2);
    EXPECT_EQ(pattern->SplitPolyline(line, pattern->GetBasePointAt(3), nullptr), nullptr);

    mask.GetHistory()->Undo();
    EXPECT_EQ(PatternState(*pattern), before);
    mask.GetHistory()->Redo();
    EXPECT_EQ(describeLines(*pattern), (Texts{"P1 I1 P2", "P2 P3", "P3 P4 P1"}));
}

TEST(MaskPatternTest, RemovedLineIsHandedOverAndCanComeBack)
{
    CGradeMask mask;
    CMaskPattern *pattern = placeSquare(mask, "Front");
    std::unique_ptr<CMaskPolyline> line = pattern->RemovePolylineAt(0);
    EXPECT_EQ(pattern->GetPolylineCount(), 1);
    EXPECT_EQ(pattern->GetContourAt(0)->FindContourLine(line.get()), -1);
    EXPECT_EQ(line->GetPointCount(), 3);
    pattern->InsertPolyline(std::move(line), 0);
    EXPECT_EQ(describeLines(*pattern), (Texts{"P1 I1 P2", "P2 P3 P4 P1"}));
}

TEST(MaskPatternTest, EditsOffTheMaskAreNotRecorded)
{
    CGradeMask mask;
    std::unique_ptr<CMaskPattern> pattern = makeSquare(mask, "Front");
    pattern->DeletePolyline(0);
    pattern->DeleteBasePoint(0);
    EXPECT_EQ(mask.GetHistory()->GetItemCount(), 0);
    EXPECT_EQ(describePoints(*pattern), "P2 P3 P4");
}

TEST(MaskPatternTest, AContourInsertedOutOfRangeIsAppended)
{
    CGradeMask mask;
    std::unique_ptr<CMaskPattern> pattern = makeSquare(mask, "Front");
    const int before = pattern->GetContourCount();
    for (const int index : {-1, 99}) {
        SCOPED_TRACE(index);
        std::unique_ptr<CMaskContour> contour = pattern->CreateMaskContour();
        const CMaskContour *inserted = contour.get();
        pattern->InsertContour(index, std::move(contour));
        EXPECT_EQ(pattern->GetContourAt(pattern->GetContourCount() - 1), inserted);
    }
    EXPECT_EQ(pattern->GetContourCount(), before + 2);
}

TEST(MaskPatternTest, AssociationsFollowThePatternsLinks)
{
    CGradeMask mask;
    CMaskPattern *pattern = placeSquare(mask, "Front");
    TestPattern input;
    TestPoint *near = input.AddPoint(0, 0);
    TestPoint *far = input.AddPoint(40, 0);
    IPointAssociationMap *map = mask.GetPointAssociationMap();
    map->AddAssociation(maskPointAt(*pattern, 0), near);
    map->AddAssociation(maskPointAt(*pattern, 1), far);
    CPtrCollection<CPattern> associated;
    pattern->GetAssPatterns(associated);
    EXPECT_EQ(associated.GetCount(), 1);
    EXPECT_EQ(pattern->FindAssociationPoint(far), maskPointAt(*pattern, 1));
    EXPECT_EQ(maskPointAt(*pattern, 0)->GetAssociatedPoint(), near);
    EXPECT_EQ(pattern->GetAssociatedPoints(nullptr), 2);

    pattern->RemoveAssPattern(&input);
    EXPECT_EQ(pattern->GetAssociatedPoints(nullptr), 0);
    pattern->GetAssPatterns(associated);
    EXPECT_EQ(associated.GetCount(), 0);
}
