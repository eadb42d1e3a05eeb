// Morvane editing commands tests.
// The mode commands, "ShowGrading" and "ClearPatternsGrading" and the document command base, run
// by a grade mask's task manager.
#include "CommandTestManager.h"
#include "EventLog.h"
#include "SourcePath.h"
#include "TemporaryFolder.h"
#include "app/commands/CmdClearPatternsGrading.h"
#include "app/commands/CmdSetInteractiveMode.h"
#include "app/commands/CmdSetPointFilter.h"
#include "app/commands/CmdShowGrading.h"
#include "app/commands/CmdZoom.h"
#include "app/documents/EventRecords.h"
#include "app/documents/IMorvaneView.h"
#include "app/grading/testing/StyleOnMask.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/RotationPivot.h"
#include "app/tables/MeasureTableDoc.h"
#include "foundation/DRect.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "platform/brismond/IBrismond.h"

#include <gtest/gtest.h>

using morvane::integerEventData;
using testcommands::CommandTestManager;
using testcommands::make;

namespace {

struct ModeStep
{
    intptr_t mode;
    int autoMove;
    int autoRotate;
};

} // namespace

TEST(ViewAndModeCommandsTest, SwitchesAutoMoveAndAutoRotateApart)
{
    const struct
    {
        const char *name;
        int autoMove;
        int autoRotate;
        std::vector<ModeStep> steps;
    } cases[] = {
        {"auto move twice: on and off", 0, 0, {{2, 1, 0}, {2, 0, 0}}},
        {"auto rotate leaves auto move", 1, 0, {{1, 1, 1}, {1, 1, 0}}},
        {"off clears auto rotate, then auto move", 1, 1, {{0, 1, 0}, {0, 0, 0}, {0, 0, 0}}},
        {"another mode does nothing", 1, 1, {{3, 1, 1}, {-1, 1, 1}}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        CommandTestManager manager({make<CCmdSetInteractiveMode>()});
        CRotationPivot pivot;
        manager.document.rotationPivot = &pivot;
        int pivotChanges = 0;
        EventLog log(pivot);
        manager.variables().SetInteger("bAutoMove", row.autoMove);
        manager.variables().SetInteger("bAutoRotate", row.autoRotate);
        for (const ModeStep &step : row.steps) {
            EXPECT_TRUE(manager.dispatch("SetInteractiveMode", integerEventData(step.mode)));
            EXPECT_EQ(manager.variable("bAutoMove"), step.autoMove);
            EXPECT_EQ(manager.variable("bAutoRotate"), step.autoRotate);
            pivotChanges += step.mode == 1 ? 1 : 0;
        }
        EXPECT_EQ(static_cast<int>(log.Take().size()), pivotChanges)
            << "the pivot is redrawn whenever auto rotate is switched";
        EXPECT_FALSE(manager.CanUndo()) << "no mode enters the history";
    }
}

TEST(ViewAndModeCommandsTest, TheSnapModeIsOfferedAsTheToolAcceptsItAndUpdatesTheFocus)
{
    CommandTestManager manager({make<CCmdSetPointFilter>()});
    manager.document.focusTypes = {0, 2};
    EXPECT_TRUE(manager.CanDispatchEvent("SetPointFilter", integerEventData(2)));
    EXPECT_FALSE(manager.CanDispatchEvent("SetPointFilter", integerEventData(1)));

    EXPECT_TRUE(manager.dispatch("SetPointFilter", integerEventData(2)));
    EXPECT_EQ(manager.variable("nSnapMode"), 2);
    EXPECT_EQ(manager.focusUpdates, 0) << "without a focus search only the mode is written";

    int focusSearch = 0;
    manager.variables().SetPointer("pFocusManager", &focusSearch);
    EXPECT_TRUE(manager.dispatch("SetPointFilter", integerEventData(0)));
    EXPECT_EQ(manager.variable("nSnapMode"), 0);
    EXPECT_EQ(manager.focusUpdates, 1);
}

TEST(ViewAndModeCommandsTest, ShowingTheGradingTellsTheDocumentOnlyOfAChange)
{
    CommandTestManager manager({make<CCmdShowGrading>()});
    CDisplayFlags flags;
    flags.SetListener(&manager.document);
    manager.document.displayFlags = &flags;
    int on = 1;

    EXPECT_TRUE(manager.dispatch("ShowGrading", &on));
    EXPECT_TRUE(flags.GetShowGrading());
    EXPECT_TRUE(manager.dispatch("ShowGrading"));
    EXPECT_TRUE(manager.dispatch("ShowGrading"));
    EXPECT_FALSE(flags.GetShowGrading());
    EXPECT_EQ(manager.document.changes0, 2) << "the second hide changed nothing";
}

TEST(ViewAndModeCommandsTest, ClearingTheGradingPutsEveryPointOfThePatternsBackInEverySize)
{
    TemporaryFolder folder("clear-grading");
    testgrading::StyleOnMask style(sourcePath("sources/aama-model/tests/data/shirt.dxf"),
                                   sourcePath("app/grading/tests/data/women.mst"),
                                   folder / "graded.dxf");
    CommandTestManager manager({make<CCmdClearPatternsGrading>()});
    manager.document.tableSet = &style.tableSet();
    ASSERT_TRUE(style.manager().RestartGrading());
    const GradeSize size{0, 4};
    for (int p = 0; p < 2; ++p) {
        style.inputPoint(p, 0)->GetInputPoint()->MoveGradePoint(size, 3, 4);
        style.inputPoint(p, 1)->GetInputPoint()->MoveGradePoint({0, 0}, -2, 0);
    }

    const auto shift = [&style](int p, int i, GradeSize key) {
        return style.inputPoint(p, i)->GetInputPoint()->GetGradeShift({}, key);
    };
    ASSERT_EQ(shift(0, 0, size).x, 3);
    CPtrCollection<CPattern> patterns;
    EXPECT_FALSE(manager.CanDispatchEvent("ClearPatternsGrading", &patterns));
    patterns.Add(style.inputPatterns().GetPatternAt(0));
    EXPECT_TRUE(manager.dispatch("ClearPatternsGrading", &patterns));
    EXPECT_EQ(manager.document.GetBulkChangeCount(), 0);
    EXPECT_EQ(shift(0, 0, size).x, 0);
    EXPECT_EQ(shift(0, 1, {0, 0}).x, 0);
    EXPECT_EQ(shift(1, 0, size).y, 4) << "a pattern not in the list keeps its grading";
}

TEST(DocCommandTest, TheCurrentTableObjectIsTheActiveTable)
{
    morvane::FakeDocumentServices document;
    EXPECT_EQ(CDocCommand::GetCurrentTableObject(document), nullptr);
    morvane::FakeGradingEvents owner;
    CMeasureTableDoc tables;
    tables.Initialize(&owner);
    document.measureTableDoc = &tables;
    EXPECT_EQ(CDocCommand::GetCurrentTableObject(document), nullptr) << "no table is active";
    ASSERT_TRUE(tables.LoadFromFile(sourcePath("app/grading/tests/data/women.mst")));
    EXPECT_NE(tables.GetActiveTable(), nullptr);
    EXPECT_EQ(CDocCommand::GetCurrentTableObject(document), tables.GetActiveTable());
}

namespace {

/// A view that writes down the zoom it is asked for.
class RecordingView : public IMorvaneView
{
public:
    double PixelsToWorld(int pixels) const override { return pixels; }
    void ZoomInAt(double x, double y) override { calls.push_back("in " + place(x, y)); }
    void ZoomOutAt(double x, double y) override { calls.push_back("out " + place(x, y)); }
    void ZoomToRect(const CDRect &rect, int left, int top, int right, int bottom) override
    {
        calls.push_back("rect " + place(rect.minX, rect.minY) + " " + place(rect.maxX, rect.maxY) +
                        " " + std::to_string(left + top + right + bottom));
    }
    DPOINT GetClientCenterPoint() const override { return {}; }
    void CenterOn(double x, double y) override { calls.push_back("centre " + place(x, y)); }
    void InvalidateView() override {}

    std::vector<std::string> calls;

private:
    static std::string place(double x, double y)
    {
        return std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y));
    }
};

} // namespace

TEST(ViewAndModeCommandsTest, ZoomsTheViewThatSentTheEventAboutItsPointOrToTheFrame)
{
    CommandTestManager manager({make<CCmdZoomIn>(), make<CCmdZoomOut>(), make<CCmdZoomToRect>()});
    RecordingView view;
    VIEW_MOUSE_PARAM record;
    record.view = &view;
    record.position = {120, -40};

    EXPECT_TRUE(manager.dispatch("ZoomIn", &record));
    EXPECT_TRUE(manager.dispatch("ZoomOut", &record));
    EXPECT_FALSE(manager.dispatch("ZoomToRect", &record)) << "no frame rectangle";
    manager.document.SetExtent(10, 20, 300, 400);
    EXPECT_TRUE(manager.dispatch("ZoomToRect", &record));
    EXPECT_FALSE(manager.dispatch("ZoomIn", nullptr)) << "no record, no view";
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"in 120,-40", "out 120,-40", "rect 10,20 300,400 0"}));
    EXPECT_FALSE(manager.CanUndo());
}
