// Morvane interactive tasks, tests.
// The line, point, contour and focus-polyline commands on small mask patterns of the shirt's
// grade mask, run by its task manager and undone through it.
#include "MaskTasksOnShirt.h"
#include "app/documents/EventRecords.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/InteractionModes.h"
#include "model/BasePoint.h"
#include "model/Contour.h"
#include "model/ContourLine.h"
#include "model/MaskContour.h"
#include "model/MaskNotch.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

using namespace morvane;
using testinteraction::addLine;
using testinteraction::placeSquare;

namespace {

constexpr double kFar = 5000.0;

using LineList = std::vector<std::vector<int>>;

/// A mask pattern at origin with grade points 0 (0, 0), 1 (40, 0), 2 (40, 40), 3 (0, 40) and
/// ordinary points 4 (20, 0), 5 (40, 20), with the lines given by point indexes; no contours.
CMaskPattern *placePattern(CGradeMask &mask, const std::string &name, DPOINT origin,
                           const LineList &lines)
{
    std::unique_ptr<CMaskPattern> pattern = mask.MakePattern();
    pattern->SetPatternName(name);
    for (DPOINT p : {DPOINT{0, 0}, DPOINT{40, 0}, DPOINT{40, 40}, DPOINT{0, 40}})
        pattern->AddPoint(p, GRADE_POINT_GRADE);
    pattern->AddPoint({20, 0}, GRADE_POINT_INTERMEDIATE);
    pattern->AddPoint({40, 20}, GRADE_POINT_INTERMEDIATE);
    for (const std::vector<int> &line : lines) {
        CPtrCollection<CBasePoint> points;
        for (int i : line)
            points.Add(pattern->GetBasePointAt(i));
        pattern->InsertNewPolyline(-1, GRADE_LINE_TYPE{1}, points);
    }
    pattern->SetPatternPosition(origin.x, origin.y);
    CMaskPattern *placed = pattern.get();
    mask.InsertPatternAt(mask.GetPatternCount(), std::move(pattern));
    return placed;
}

/// The pattern's lines as point indexes: "0 4 1 | 1 5 2 | ".
std::string linesOf(const CPattern &pattern)
{
    std::ostringstream text;
    for (int l = 0; l < pattern.GetPolylineCount(); ++l) {
        const CPolyline &line = *pattern.GetPatternPolylineAt(l);
        for (int k = 0; k < line.GetPointCount(); ++k)
            text << (k ? " " : "") << line.GetPointAt(k);
        text << " | ";
    }
    return text.str();
}

/// The pattern's contours as line indexes ("~" backward, "*" closed): "| ~1 0 2 * ".
std::string contoursOf(const CPattern &pattern)
{
    std::ostringstream text;
    for (int c = 0; c < pattern.GetContourCount(); ++c) {
        const CContour &contour = *pattern.GetContourAt(c);
        text << "|";
        for (int k = 0; k < contour.GetContourLineCount(); ++k) {
            const IContourLine &line = *contour.GetContourLineAt(k);
            text << " " << (line.IsBackward() ? "~" : "")
                 << pattern.FindPolyline(line.GetPolyline());
        }
        text << (contour.IsClosed() ? " *" : "") << " ";
    }
    return text.str();
}

std::string structureOf(const CPattern &pattern)
{
    return linesOf(pattern) + contoursOf(pattern);
}

std::string fileText(const std::filesystem::path &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class PolylineCommandsTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        start();
    }

    ITask *idle() { return mainTask().GetActiveTask(); }
    bool enabled(const std::string &name, void *data)
    {
        return manager.GetCommand(name)->IsEnabled(idle(), data);
    }
    bool run(const std::string &name, void *data)
    {
        return manager.GetCommand(name)->Execute(idle(), data);
    }
    void undo() { manager.Undo(); }
    CPattern *place(const LineList &lines)
    {
        ++placed;
        return placePattern(mask, "P" + std::to_string(placed), {kFar + 100.0 * placed, 0}, lines);
    }
    void activate(CPattern *pattern)
    {
        document.focus.SetActiveObject(CFocusObject::Create(pattern, CFocusObject::kPattern));
    }
    /// The pointer over line i of the pattern.
    void pointAtLine(CPattern *pattern, int i)
    {
        auto focus =
            CFocusObject::Create(pattern->GetPatternPolylineAt(i), CFocusObject::kPolyline);
        focus->SetDetailObject(pattern);
        focus->SetLineIndex(i);
        document.focus.SetFocusObject(std::move(focus));
    }
    /// The contour tool's start: the pattern active with a new contour to build.
    CContour *startContour(CPattern *pattern)
    {
        auto active = CFocusObject::Create(pattern, CFocusObject::kPattern);
        auto contour = std::shared_ptr<CContour>(pattern->GetMaskPattern()->CreateMaskContour());
        active->SetUnfinishedContour(contour);
        document.focus.SetActiveObject(std::move(active));
        return contour.get();
    }
    /// Two picks of the two-point tool, at those mask positions.
    void pick(DPOINT first, DPOINT second)
    {
        document.services.ClearItemList();
        for (DPOINT p : {first, second}) {
            auto picked = CFocusObject::Create(nullptr, CFocusObject::kNothing);
            picked->SetPosition(p);
            document.services.AddItem(picked.release());
        }
    }

    int placed = 0;
};

struct CombineCase
{
    const char *name;
    LineList lines;
    const char *joined;
};

} // namespace

TEST_F(PolylineCommandsTest, ClosePutsTheNearestOtherEndBeforeTheFirstOrAfterTheLastPoint)
{
    // Line 0 runs 0-4-1; line 1 starts 0.5 from point 1's place at an own point 6 and so does
    // line 2 near point 0, both apart from line 0.
    CPattern *pattern = place({{0, 4, 1}, {2, 3}});
    auto &editing = *pattern->GetMaskPattern();
    const int nearLast = editing.AddPoint({40.5, 0}, GRADE_POINT_GRADE);
    const int nearFirst = editing.AddPoint({0, -0.5}, GRADE_POINT_GRADE);
    addLine(static_cast<CMaskPattern &>(*pattern), {nearLast, 2}, 1);
    addLine(static_cast<CMaskPattern &>(*pattern), {nearFirst, 3}, 1);
    const std::string before = structureOf(*pattern);

    CBasePoint *first = pattern->GetBasePointAt(0);
    CBasePoint *last = pattern->GetBasePointAt(1);
    CBasePoint *inner = pattern->GetBasePointAt(4);
    EXPECT_FALSE(enabled("ClosePolyline", inner));
    EXPECT_FALSE(enabled("ClosePolyline", nullptr));
    ASSERT_TRUE(enabled("ClosePolyline", first));
    ASSERT_TRUE(run("ClosePolyline", first));
    ASSERT_TRUE(run("ClosePolyline", last));
    const std::string nearFirstText = std::to_string(nearFirst);
    const std::string nearLastText = std::to_string(nearLast);
    EXPECT_EQ(linesOf(*pattern).substr(0, 10 + nearFirstText.size() + nearLastText.size()),
              nearFirstText + " 0 4 1 " + nearLastText + " | ");
    undo();
    EXPECT_EQ(linesOf(*pattern).substr(0, 9 + nearFirstText.size()), nearFirstText + " 0 4 1 | ");
    undo();
    EXPECT_EQ(structureOf(*pattern), before);
}

TEST_F(PolylineCommandsTest, CombineJoinsTwoLinesAtTheirCommonEndAndUndoRestoresThem)
{
    const CombineCase cases[] = {
        {"ends the first, starts the second",
         {{0, 4, 1}, {1, 5, 2}, {2, 3, 0}},
         "0 4 1 5 2 | 2 3 0 | "},
        {"starts both", {{1, 4, 0}, {1, 5, 2}, {2, 3, 0}}, "0 4 1 5 2 | 2 3 0 | "},
        {"ends both", {{0, 4, 1}, {2, 5, 1}, {2, 3, 0}}, "0 4 1 5 2 | 2 3 0 | "},
        {"starts the first, ends the second",
         {{1, 4, 0}, {2, 5, 1}, {2, 3, 0}},
         "2 5 1 4 0 | 2 3 0 | "},
    };
    for (const CombineCase &row : cases) {
        SCOPED_TRACE(row.name);
        CPattern *pattern = place(row.lines);
        pattern->BuildContours();
        const std::string before = structureOf(*pattern);
        CBasePoint *joint = pattern->GetBasePointAt(1);
        ASSERT_TRUE(enabled("CombinePolylinesAtPoint", joint));
        ASSERT_TRUE(run("CombinePolylinesAtPoint", joint));
        EXPECT_EQ(structureOf(*pattern).substr(0, std::string(row.joined).size()), row.joined);
        undo();
        EXPECT_EQ(structureOf(*pattern), before);
        manager.Redo();
        EXPECT_EQ(structureOf(*pattern).substr(0, std::string(row.joined).size()), row.joined);
    }
}

TEST_F(PolylineCommandsTest, CombineNeedsExactlyTwoLinesEndingAtThePoint)
{
    // Three lines meet at point 1; point 4 lies inside line 0 and ends line 3.
    CPattern *pattern = place({{0, 4, 1}, {1, 5, 2}, {1, 3}, {4, 2}});
    EXPECT_FALSE(enabled("CombinePolylinesAtPoint", pattern->GetBasePointAt(1)));
    EXPECT_FALSE(enabled("CombinePolylinesAtPoint", pattern->GetBasePointAt(4)));
    EXPECT_FALSE(enabled("CombinePolylinesAtPoint", nullptr));
}

TEST_F(PolylineCommandsTest, SplitThenCombineGivesTheLineBack)
{
    CPattern *pattern = place({{0, 4, 1, 5, 2}, {2, 3, 0}});
    pattern->BuildContours();
    const std::string before = structureOf(*pattern);
    CBasePoint *inner = pattern->GetBasePointAt(1);
    EXPECT_FALSE(enabled("SplitPolyline", pattern->GetBasePointAt(0)));
    ASSERT_TRUE(enabled("SplitPolyline", inner));
    ASSERT_TRUE(run("SplitPolyline", inner));
    EXPECT_EQ(structureOf(*pattern).substr(0, 20), "0 4 1 | 1 5 2 | 2 3 ");
    ASSERT_TRUE(run("CombinePolylinesAtPoint", inner));
    EXPECT_EQ(structureOf(*pattern).substr(0, 20), "0 4 1 5 2 | 2 3 0 | ");
    undo();
    undo();
    EXPECT_EQ(structureOf(*pattern), before);
}

TEST_F(PolylineCommandsTest, DeletePointTakesOnlyPointsThatEndNoLineAndClearsTheActivePoint)
{
    CPattern *pattern = place({{0, 4, 1}, {1, 2}});
    auto &editing = *pattern->GetMaskPattern();
    CBasePoint *drill = pattern->GetBasePointAt(editing.AddPoint({10, 10}, GRADE_POINT_GRADE));
    CBasePoint *inner = pattern->GetBasePointAt(4);
    const std::string before = structureOf(*pattern);
    EXPECT_FALSE(enabled("DeletePoint", pattern->GetBasePointAt(1)));
    EXPECT_TRUE(enabled("DeletePoint", drill));
    ASSERT_TRUE(enabled("DeletePoint", inner));

    document.focus.SetActivePoint(inner);
    ASSERT_TRUE(run("DeletePoint", inner));
    EXPECT_EQ(document.focus.GetActivePoint(), nullptr);
    EXPECT_EQ(pattern->FindBasePoint(inner), -1);
    EXPECT_EQ(structureOf(*pattern).substr(0, 6), "0 1 | ");
    undo();
    EXPECT_EQ(structureOf(*pattern), before);
    EXPECT_EQ(pattern->FindBasePoint(inner), 4);
}

TEST_F(PolylineCommandsTest, DeleteMaskPolylineIsUndoneAndRefusesAnInputPatternsLine)
{
    CPattern *pattern = place({{0, 4, 1}, {1, 2}});
    const int points = pattern->GetBasePointCount();
    CPolyline *line = pattern->GetPatternPolylineAt(0);
    ASSERT_TRUE(run("DeleteMaskPolyline", line));
    EXPECT_EQ(pattern->GetPolylineCount(), 1);
    EXPECT_LT(pattern->GetBasePointCount(), points);
    undo();
    EXPECT_EQ(pattern->GetPatternPolylineAt(0), line);
    EXPECT_EQ(pattern->GetBasePointCount(), points);

    CPattern *input = document.style().inputPatterns().GetPatternAt(0);
    EXPECT_FALSE(enabled("DeleteMaskPolyline", input->GetPatternPolylineAt(0)));
}

TEST_F(PolylineCommandsTest, TwoPointLineNeedsPicksMoreThanHalfAUnitApart)
{
    CPattern *pattern = place({{0, 4, 1}});
    activate(pattern);
    const int lines = pattern->GetPolylineCount();
    const int points = pattern->GetBasePointCount();
    const DPOINT at{kFar + 100 + 10, 20};
    pick(at, {at.x + 0.5, at.y});
    EXPECT_FALSE(run("AddTwoPointsPolyline", nullptr));
    EXPECT_EQ(pattern->GetPolylineCount(), lines);

    pick(at, {at.x + 0.51, at.y});
    ASSERT_TRUE(run("AddTwoPointsPolyline", nullptr));
    ASSERT_EQ(pattern->GetPolylineCount(), lines + 1);
    const CPolyline &added = *pattern->GetPatternPolylineAt(lines);
    ASSERT_EQ(added.GetPointCount(), 2);
    EXPECT_EQ(added.GetBasePointAt(0)->GetGradeType(), GRADE_POINT_GRADE);
    EXPECT_EQ(added.GetBasePointAt(1)->GetGradeType(), GRADE_POINT_GRADE);
    EXPECT_NEAR(added.GetBasePointAt(1)->GetAbsPosition().x, at.x + 0.51, 1e-9);
    undo();
    EXPECT_EQ(pattern->GetPolylineCount(), lines);
    EXPECT_EQ(pattern->GetBasePointCount(), points);
}

TEST_F(PolylineCommandsTest, ContourGrowsAlongUniquelyTouchingLinesAndClosesAfterThree)
{
    CPattern *pattern = place({{0, 4, 1}, {1, 5, 2}, {2, 3, 0}});
    CContour *contour = startContour(pattern);
    // Line 0 touches two lines: only the clicked one is added.
    pointAtLine(pattern, 0);
    ASSERT_TRUE(run("AddContourFocusPolyline", nullptr));
    EXPECT_EQ(contour->GetContourLineCount(), 1);
    EXPECT_FALSE(run("AddContourFocusPolyline", nullptr)) << "a line already in the contour";
    // Line 1 goes on to line 2, which ends where line 0 begins.
    pointAtLine(pattern, 1);
    ASSERT_TRUE(run("AddContourFocusPolyline", nullptr));
    EXPECT_EQ(contour->GetContourLineCount(), 3);
    EXPECT_TRUE(contour->IsClosed());
    undo();
    EXPECT_EQ(contour->GetContourLineCount(), 1);
    EXPECT_FALSE(contour->IsClosed());

    ASSERT_TRUE(run("AddFocusPolylineToContour", nullptr));
    ASSERT_EQ(pattern->GetContourCount(), 1);
    EXPECT_EQ(contoursOf(*pattern), "| 0 ");
    undo();
    EXPECT_EQ(pattern->GetContourCount(), 0);
}

TEST_F(PolylineCommandsTest, ContourLinesRunOnFromWhereThePreviousOneEnds)
{
    // The first line clicked leaves at its start, towards the second; the third line, reached
    // automatically, runs against the contour.
    CPattern *pattern = place({{1, 4, 0}, {1, 5, 2}, {2, 3, 0}});
    CContour *contour = startContour(pattern);
    pointAtLine(pattern, 1);
    ASSERT_TRUE(run("AddContourFocusPolyline", nullptr));
    pointAtLine(pattern, 0);
    ASSERT_TRUE(run("AddContourFocusPolyline", nullptr));
    ASSERT_TRUE(contour->IsClosed());
    // 2 -> 5 -> 1, then 1 -> 4 -> 0, then 0 -> 3 -> 2: every line entered where the last left.
    ASSERT_TRUE(run("AddFocusPolylineToContour", nullptr));
    EXPECT_EQ(contoursOf(*pattern), "| ~1 0 ~2 * ");
}

TEST_F(PolylineCommandsTest, FocusPolylinesAreListedOnceAndTheNextLineIsFoundWithinAQuarter)
{
    // Line 2 starts 0.25 from the end of line 1 at an own point; line 0 is far from both.
    CPattern *pattern = place({{0, 3}, {1, 5}});
    auto &editing = *pattern->GetMaskPattern();
    const int near = editing.AddPoint({40.25, 20}, GRADE_POINT_GRADE);
    addLine(static_cast<CMaskPattern &>(*pattern), {near, 2}, 1);
    IMaskDocumentAccess &list = document;
    EXPECT_FALSE(enabled("AutoSelectNextContourLine", nullptr));

    pointAtLine(pattern, 1);
    ASSERT_TRUE(run("AddFocusPolyline", nullptr));
    EXPECT_FALSE(run("AddFocusPolyline", nullptr)) << "listed already";
    ASSERT_TRUE(enabled("AutoSelectNextContourLine", nullptr));
    ASSERT_TRUE(run("AutoSelectNextContourLine", nullptr));
    ASSERT_EQ(list.GetFocusPolylineCount(), 2);
    EXPECT_EQ(list.GetFocusPolylineAt(1)->GetLineIndex(), 2);
    EXPECT_FALSE(run("AutoSelectNextContourLine", nullptr)) << "line 1 is listed already";
    undo();
    undo();
    EXPECT_EQ(list.GetFocusPolylineCount(), 0);
    manager.Redo();
    EXPECT_EQ(list.GetFocusPolylineCount(), 1);
}

TEST_F(PolylineCommandsTest, CopyPutsTheLinesAtTheSamePlaceOfATurnedFlippedPatternInOneStep)
{
    CPattern *source = place({{0, 4, 1}, {1, 5, 2}, {2, 3}});
    static_cast<CMaskPolyline *>(source->GetPatternPolylineAt(0))->AddNotch(10, 0, 2);
    CPattern *target = place({});
    target->SetPatternLocation(kFar - 300, 50, 30, true);
    activate(target);
    EXPECT_FALSE(enabled("CopyFocusPolyline", nullptr)) << "nothing picked";

    for (int i = 0; i < 3; ++i) {
        pointAtLine(source, i);
        ASSERT_TRUE(run("AddFocusPolyline", nullptr));
    }
    activate(target);
    ASSERT_TRUE(run("CopyFocusPolyline", nullptr));
    ASSERT_EQ(target->GetPolylineCount(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const CPolyline &from = *source->GetPatternPolylineAt(i);
        const CPolyline &copy = *target->GetPatternPolylineAt(i);
        ASSERT_EQ(copy.GetPointCount(), from.GetPointCount());
        for (int k = 0; k < copy.GetPointCount(); ++k) {
            EXPECT_NEAR(copy.GetBasePointAt(k)->GetAbsPosition().x,
                        from.GetBasePointAt(k)->GetAbsPosition().x, 1e-6);
            EXPECT_NEAR(copy.GetBasePointAt(k)->GetAbsPosition().y,
                        from.GetBasePointAt(k)->GetAbsPosition().y, 1e-6);
            EXPECT_EQ(copy.GetBasePointAt(k)->GetGradeType(),
                      from.GetBasePointAt(k)->GetGradeType());
        }
    }
    ASSERT_EQ(target->GetPatternPolylineAt(0)->GetNotchCount(), 1);
    double tipX = 0, tipY = 0, fromTipX = 0, fromTipY = 0;
    const DPOINT base =
        target->GetPatternPolylineAt(0)->GetNotchAt(0)->GetAbsPos(nullptr, tipX, tipY);
    const DPOINT fromBase =
        source->GetPatternPolylineAt(0)->GetNotchAt(0)->GetAbsPos(nullptr, fromTipX, fromTipY);
    EXPECT_NEAR(base.x, fromBase.x, 1e-6);
    EXPECT_NEAR(base.y, fromBase.y, 1e-6);
    EXPECT_NEAR(tipX, fromTipX, 1e-6);
    EXPECT_NEAR(tipY, fromTipY, 1e-6);

    undo();
    EXPECT_EQ(target->GetPolylineCount(), 0);
    EXPECT_EQ(target->GetBasePointCount(), 6);
}

TEST_F(PolylineCommandsTest, ActivateNextPatternPointWalksBothWaysAndWraps)
{
    CPattern *pattern = place({{0, 4, 1}, {1, 2, 3, 0}});
    activate(pattern);
    document.modes.SetSelectionMode(1);
    CPtrCollection<CBasePoint> grade;
    document.focus.GetActiveGradePoints(grade);
    ASSERT_GE(grade.GetCount(), 2);
    document.focus.SetActivePoint(grade.GetAt(0));
    ASSERT_TRUE(enabled("ActivateNextPatternPoint", integerEventData(1)));
    ASSERT_TRUE(run("ActivateNextPatternPoint", integerEventData(1)));
    EXPECT_EQ(document.focus.GetActivePoint(), grade.GetAt(grade.GetCount() - 1));
    ASSERT_TRUE(run("ActivateNextPatternPoint", nullptr));
    EXPECT_EQ(document.focus.GetActivePoint(), grade.GetAt(0));
    document.modes.SetSelectionMode(0);
    EXPECT_FALSE(enabled("ActivateNextPatternPoint", nullptr));
}

TEST_F(PolylineCommandsTest, MixedEditsUndoneToTheStartSaveTheSameMaskFile)
{
    const std::filesystem::path first = folder.path() / "first.msk";
    const std::filesystem::path second = folder.path() / "second.msk";
    CPattern *pattern = place({{0, 4, 1, 5, 2}, {2, 3}});
    pattern->GetMaskPattern()->AddPoint({10, 10}, GRADE_POINT_GRADE);
    pattern->BuildContours();
    ASSERT_TRUE(mask.Save(first)) << mask.GetLastError();

    activate(pattern);
    // The new line starts 0.5 from point 3, which ends line {2, 3} after the split.
    pick({kFar + 100 + 0.5, 40}, {kFar + 100 + 30, 30});
    ASSERT_TRUE(run("AddTwoPointsPolyline", nullptr));
    ASSERT_TRUE(run("SplitPolyline", pattern->GetBasePointAt(1)));
    ASSERT_TRUE(run("ClosePolyline", pattern->GetBasePointAt(3)));
    ASSERT_TRUE(run("DeletePoint", pattern->GetBasePointAt(6)));
    ASSERT_TRUE(run("CombinePolylinesAtPoint", pattern->GetBasePointAt(1)));
    ASSERT_TRUE(run("DeleteMaskPolyline", pattern->GetPatternPolylineAt(0)));
    for (int i = 0; i < 6; ++i)
        undo();
    ASSERT_TRUE(mask.Save(second)) << mask.GetLastError();
    EXPECT_EQ(fileText(second), fileText(first));
}

TEST_F(PolylineCommandsTest, PointEventsOfTheDocumentRunTheirCommandsAsOneUndoStepEach)
{
    struct EventCase
    {
        const char *event;
        int point;
        const char *lines;
    };
    // Line 0 runs 0-4-1-5-2, line 1 2-3 (a deleted point renumbers those after it).
    const EventCase cases[] = {
        {"SplitPolyline", 1, "0 4 1 | 1 5 2 | 2 3 | "},
        {"DeletePoint", 4, "0 1 4 2 | 2 3 | "},
        {"CombinePolylinesAtPoint", 2, "0 4 1 5 2 3 | "},
    };
    for (const EventCase &row : cases) {
        SCOPED_TRACE(row.event);
        CPattern *pattern = place({{0, 4, 1, 5, 2}, {2, 3}});
        const std::string before = linesOf(*pattern);
        CBasePoint *point = pattern->GetBasePointAt(row.point);
        EXPECT_FALSE(manager.CanDispatchEvent(row.event, pattern->GetBasePointAt(0)));
        ASSERT_TRUE(manager.CanDispatchEvent(row.event, point));
        manager.DispatchEvent(row.event, point);
        EXPECT_EQ(linesOf(*pattern), row.lines);
        undo();
        EXPECT_EQ(linesOf(*pattern), before);
    }
}
