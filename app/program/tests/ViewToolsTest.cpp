// Morvane program tests.
// The mask's tools in the program started on the shirt example, driven with the mouse on its
// view: measuring, dragging and turning the selection, and copying and pasting between masks.
#include "ExampleProgramTest.h"
#include "app/documents/CmdUI.h"
#include "app/documents/GradeMaskDoc.h"
#include "app/documents/MorvaneDoc.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/InteractionModes.h"
#include "app/interaction/MultiFocusObject.h"
#include "app/interaction/RotationPivot.h"
#include "app/ui/main/CommandActions.h"
#include "app/ui/main/MainFrame.h"
#include "app/ui/main/MainStatusBar.h"
#include "app/ui/options/Options.h"
#include "app/ui/view/MorvaneView.h"
#include "model/BasePoint.h"
#include "model/GradeMask.h"
#include "model/MaskPattern.h"
#include "tasks/ITask.h"
#include "tasks/Task.h"
#include "tasks/TaskManager.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <regex>
#include <string>

namespace {

constexpr uint32_t kCopyCommand = 57634;
constexpr uint32_t kPasteCommand = 57637;
constexpr uint32_t kNewMaskCommand = 43121;
constexpr int kCentimetres = 1;
/// The data of "SetInteractiveMode" that switches automatic rotation.
constexpr intptr_t kSwitchAutoRotate = 1;

double distance(DPOINT a, DPOINT b)
{
    return std::hypot(b.x - a.x, b.y - a.y);
}

/// The program started on the shirt example, the style graded and the mask's tools idle.
class ViewToolsTest : public ExampleProgramTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(startOnExample().InitInstance());
        ASSERT_NE(document().GetActiveGradeMask(), nullptr);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return document().GetDisplayFlags()->GetShowGrading(); }, 5000));
        ASSERT_GT(mask().GetPatternCount(), 0);
        // The example's pieces lie on the mask patterns made from them: hidden, they leave the
        // mask patterns to the pointer.
        tasks().DispatchEvent("ShowInputPatterns", nullptr);
        ASSERT_FALSE(document().GetDisplayFlags()->GetShowInputPatterns());
    }

    CMorvaneDoc &document() { return *m_app->GetDocument(); }
    CMainFrame &frame() { return *m_app->GetMainFrame(); }
    CMorvaneView &view() { return *frame().GetView(); }
    QWidget *viewport() { return view().viewport(); }
    CTaskManager &tasks() { return *document().GetActiveMaskDoc()->GetTaskManager(); }
    CGradeMask &mask() { return *dynamic_cast<CGradeMask *>(document().GetActiveGradeMask()); }
    CFocusObject &active() { return *document().GetFocusManager()->GetActiveObject(); }
    QPoint pixelOf(DPOINT world) { return view().WorldToClient(world.x, world.y); }
    DPOINT worldOf(QPoint pixel) { return view().ClientToWorld(pixel); }
    double pixel() { return view().PixelsToWorld(1); }
    void setMainVariable(const char *name, int value)
    {
        tasks().GetMainTask()->GetAttributes()->SetInteger(name, value);
    }

    /// The grade point of the mask pattern farthest from the place, and its index.
    int farthestPoint(const CPattern &pattern, DPOINT from)
    {
        int farthest = 0;
        for (int i = 1; i < pattern.GetGradePointCount(); ++i) {
            if (distance(from, pattern.GetGradePointAt(i)->GetAbsPosition()) >
                distance(from, pattern.GetGradePointAt(farthest)->GetAbsPosition()))
                farthest = i;
        }
        return farthest;
    }
    /// The places of the grade points of the pattern.
    static std::vector<DPOINT> placesOf(const CPattern &pattern)
    {
        std::vector<DPOINT> places;
        for (int i = 0; i < pattern.GetGradePointCount(); ++i)
            places.push_back(pattern.GetGradePointAt(i)->GetAbsPosition());
        return places;
    }
    void expectPlaces(const CPattern &pattern, const std::vector<DPOINT> &expected,
                      double tolerance)
    {
        const std::vector<DPOINT> places = placesOf(pattern);
        ASSERT_EQ(places.size(), expected.size());
        for (size_t i = 0; i < places.size(); ++i) {
            SCOPED_TRACE("point " + std::to_string(i));
            EXPECT_NEAR(places[i].x, expected[i].x, tolerance);
            EXPECT_NEAR(places[i].y, expected[i].y, tolerance);
        }
    }
    void undo() { tasks().DispatchEvent("Undo", nullptr); }
    /// Clicks the pattern's first grade point, which makes the pattern the selection; the
    /// pixel clicked.
    QPoint selectAtFirstPoint(const CPattern &pattern)
    {
        const QPoint at = pixelOf(pattern.GetGradePointAt(0)->GetAbsPosition());
        click(at);
        EXPECT_TRUE(active().RefersTo(&pattern));
        return at;
    }
    void editMaskPatterns(bool edit)
    {
        tasks().DispatchEvent("SetEditMaskPatterns",
                              reinterpret_cast<void *>(static_cast<intptr_t>(edit ? 1 : 0)));
        ASSERT_EQ(document().IsEditMode(), edit);
    }
    void click(QPoint at, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QTest::mouseMove(viewport(), at);
        QTest::mouseClick(viewport(), Qt::LeftButton, keys, at);
    }
    /// A press, moves through the points in steps of at most 10 pixels, a release at the last.
    void drag(const std::vector<QPoint> &through)
    {
        QTest::mouseMove(viewport(), through.front());
        QTest::mousePress(viewport(), Qt::LeftButton, Qt::NoModifier, through.front());
        for (size_t i = 1; i < through.size(); ++i) {
            const QPoint from = through[i - 1];
            const int steps = std::max(1, (through[i] - from).manhattanLength() / 10);
            for (int s = 1; s <= steps; ++s)
                QTest::mouseMove(viewport(), from + (through[i] - from) * s / steps);
        }
        QTest::mouseRelease(viewport(), Qt::LeftButton, Qt::NoModifier, through.back());
    }
    bool commandEnabled(uint32_t id)
    {
        return frame().GetCommandActions().QueryState(id).IsEnabled();
    }
};

TEST_F(ViewToolsTest, AMeasuredDistanceShowsInTheStatusBarInTheDisplayUnit)
{
    COptions::GetInstance()->m_pUserUnits->SetValue(kCentimetres);
    const CPattern &pattern = *mask().GetMaskPatternAt(0);
    const DPOINT from = pattern.GetGradePointAt(0)->GetAbsPosition();
    const DPOINT to = pattern.GetGradePointAt(farthestPoint(pattern, from))->GetAbsPosition();
    document().GetInteractionModes()->SetMeasureMode(1);
    tasks().DispatchEvent("OnMeasure", nullptr);
    ASSERT_NE(tasks().GetTaskStatus("MeasureDistanceTask"), TS_INACTIVE);

    // The line runs from where the button went down to where it came up, a pixel being less
    // than a millimetre at the example's zoom.
    const auto measured = [&] {
        const std::string shown = frame().GetStatusBar()->GetPaneText(0).toStdString();
        std::smatch number;
        const std::regex distanceText(R"(= (\d+\.\d\d) \[cm\]   \(dx:-?\d+\.\d\d \[cm\])");
        EXPECT_TRUE(std::regex_search(shown, number, distanceText)) << shown;
        return number.empty() ? -1.0 : std::stod(number[1]);
    };
    const QPoint press = pixelOf(from);
    const QPoint release = pixelOf(to);
    ASSERT_LT(pixel(), 1.0);
    drag({press, release});
    EXPECT_NEAR(measured(), distance(worldOf(press), worldOf(release)) / 10.0, 0.006);
    EXPECT_NEAR(measured(), distance(from, to) / 10.0, 0.2);

    // The tool measures again until it is cancelled, which takes the distance away.
    const QPoint third = pixelOf(pattern.GetGradePointAt(1)->GetAbsPosition());
    drag({release, third});
    EXPECT_NEAR(measured(), distance(worldOf(release), worldOf(third)) / 10.0, 0.006);
    tasks().DispatchEvent("OnCancel", nullptr);
    EXPECT_FALSE(frame().GetStatusBar()->GetPaneText(0).contains("[cm]"));
}

TEST_F(ViewToolsTest, WithAutoMoveADragMovesTheSelectionByThePointersTravelAndOneUndoPutsItBack)
{
    const CPattern &pattern = *mask().GetMaskPatternAt(0);
    const std::vector<DPOINT> before = placesOf(pattern);
    const QPoint grip = selectAtFirstPoint(pattern);
    const QPoint drop = grip + QPoint(70, -45);
    // Unless mask patterns are edited, they stay put.
    editMaskPatterns(false);
    setMainVariable("bAutoMove", 1);
    drag({grip, drop});
    expectPlaces(pattern, before, 0.0);

    editMaskPatterns(true);
    setMainVariable("bAutoMove", 1);
    drag({grip, drop});
    // The pressed point lands under the pointer: the travel from the point that the press
    // found, within a pixel of the one from the pressed pixel.
    const DPOINT travel{worldOf(drop).x - before.front().x, worldOf(drop).y - before.front().y};
    EXPECT_NEAR(travel.x, worldOf(drop).x - worldOf(grip).x, pixel());
    EXPECT_NEAR(travel.y, worldOf(drop).y - worldOf(grip).y, pixel());
    std::vector<DPOINT> moved = before;
    for (DPOINT &place : moved)
        place = {place.x + travel.x, place.y + travel.y};
    expectPlaces(pattern, moved, 1e-6);
    EXPECT_TRUE(active().RefersTo(&pattern));

    undo();
    expectPlaces(pattern, before, 1e-6);
}

TEST_F(ViewToolsTest, WithAutoRotateADragTurnsTheSelectionAboutThePivot)
{
    const CPattern &pattern = *mask().GetMaskPatternAt(0);
    const std::vector<DPOINT> before = placesOf(pattern);
    selectAtFirstPoint(pattern);
    editMaskPatterns(true);
    setMainVariable("bAutoRotate", 1);
    const DPOINT pivot = document().GetRotationPivot()->GetPivotPoint();

    // The point farthest from the pivot is dragged a quarter of the way round it, along the arc.
    const DPOINT grip = before[static_cast<size_t>(farthestPoint(pattern, pivot))];
    const double radius = distance(pivot, grip);
    const double startAngle = std::atan2(grip.y - pivot.y, grip.x - pivot.x);
    // The view centred on the pivot, the circle of the grip well inside it.
    frame().resize(1200, 900);
    const QSize shown = viewport()->size();
    view().SetZoomAndCenter(0.35 * std::min(shown.width(), shown.height()) / radius, pivot.x,
                            pivot.y);
    const auto onArc = [&](double turn) {
        return pixelOf({pivot.x + radius * std::cos(startAngle + turn),
                        pivot.y + radius * std::sin(startAngle + turn)});
    };
    std::vector<QPoint> arc;
    for (int step = 0; step <= 9; ++step)
        arc.push_back(onArc(std::numbers::pi / 2 * step / 9));
    ASSERT_GT(radius, 100 * pixel()) << "a pixel is a small turn";
    for (const QPoint &at : arc)
        ASSERT_TRUE(viewport()->rect().contains(at));
    drag(arc);

    // The turn is the one from the pressed to the released pixel about the pivot.
    const DPOINT pressed = worldOf(arc.front());
    const DPOINT released = worldOf(arc.back());
    const double turn = std::atan2(released.y - pivot.y, released.x - pivot.x) -
                        std::atan2(pressed.y - pivot.y, pressed.x - pivot.x);
    EXPECT_NEAR(turn, std::numbers::pi / 2, 0.05);
    std::vector<DPOINT> turned = before;
    for (DPOINT &place : turned) {
        const DPOINT from{place.x - pivot.x, place.y - pivot.y};
        place = {pivot.x + from.x * std::cos(turn) - from.y * std::sin(turn),
                 pivot.y + from.x * std::sin(turn) + from.y * std::cos(turn)};
    }
    expectPlaces(pattern, turned, 2 * pixel());
    EXPECT_NEAR(document().GetRotationPivot()->GetPivotPoint().x, pivot.x, 1e-9);
    EXPECT_NEAR(document().GetRotationPivot()->GetPivotPoint().y, pivot.y, 1e-9);

    undo();
    expectPlaces(pattern, before, 1e-6);
}

TEST_F(ViewToolsTest, CopyAndPasteBetweenMasksSelectExactlyThePastedPatternsAndOneUndoRemovesThem)
{
    CGradeMask &first = mask();
    ASSERT_GE(first.GetPatternCount(), 2);
    editMaskPatterns(true);
    click(pixelOf(first.GetMaskPatternAt(0)->GetGradePointAt(0)->GetAbsPosition()));
    click(pixelOf(first.GetMaskPatternAt(1)->GetGradePointAt(0)->GetAbsPosition()),
          Qt::ControlModifier);
    ASSERT_EQ(active().GetType(), CFocusObject::kMultiple);
    ASSERT_TRUE(commandEnabled(kCopyCommand));
    frame().GetCommandActions().Execute(kCopyCommand);

    ASSERT_TRUE(frame().GetCommandActions().Execute(kNewMaskCommand));
    CGradeMask &second = mask();
    ASSERT_NE(&second, &first);
    ASSERT_EQ(second.GetPatternCount(), 0);
    ASSERT_TRUE(commandEnabled(kPasteCommand));
    frame().GetCommandActions().Execute(kPasteCommand);
    ASSERT_EQ(second.GetPatternCount(), 2);
    ASSERT_EQ(active().GetType(), CFocusObject::kMultiple);
    const auto &pasted = static_cast<const CMultiFocusObject &>(active());
    EXPECT_EQ(pasted.GetCount(), 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE("pattern " + std::to_string(i));
        EXPECT_TRUE(pasted.RefersTo(second.GetMaskPatternAt(i)));
        EXPECT_FALSE(pasted.RefersTo(first.GetMaskPatternAt(i)));
        EXPECT_EQ(second.GetMaskPatternAt(i)->GetPatternName(),
                  first.GetMaskPatternAt(i)->GetPatternName());
        expectPlaces(*second.GetMaskPatternAt(i), placesOf(*first.GetMaskPatternAt(i)), 1e-9);
    }

    undo();
    EXPECT_EQ(second.GetPatternCount(), 0);
    EXPECT_EQ(first.GetPatternCount(), 2);

    // With mask patterns not edited, neither copy nor paste is offered, nor does a paste run.
    editMaskPatterns(false);
    EXPECT_FALSE(commandEnabled(kPasteCommand));
    frame().GetCommandActions().Execute(kPasteCommand);
    EXPECT_EQ(second.GetPatternCount(), 0);
    CTaskManager &workspace = *document().GetWorkspaceTaskManager();
    ASSERT_TRUE(workspace.CanDispatchEvent("SetActiveMask", document().GetMaskDocs()->GetAt(0)));
    workspace.DispatchEvent("SetActiveMask", document().GetMaskDocs()->GetAt(0));
    ASSERT_EQ(&mask(), &first);
    selectAtFirstPoint(*first.GetMaskPatternAt(0));
    EXPECT_FALSE(commandEnabled(kCopyCommand));
    EXPECT_FALSE(commandEnabled(kPasteCommand));
}

TEST_F(ViewToolsTest, UnderASnapModeTheDropLandsOnTheLineFound)
{
    const CPattern &dragged = *mask().GetMaskPatternAt(0);
    const std::vector<DPOINT> before = placesOf(dragged);
    const QPoint grip = selectAtFirstPoint(dragged);
    editMaskPatterns(true);
    setMainVariable("bAutoMove", 1);
    constexpr int kSnapToLines = 3;
    setMainVariable("nSnapMode", kSnapToLines);

    // Released two pixels below the middle of the BACK's bottom line, which runs along y = 0:
    // the pressed point drops onto the line, below the pointer.
    const QPoint release = pixelOf({350, 0}) + QPoint(0, 2);
    drag({grip, release});
    const DPOINT landed = placesOf(dragged).front();
    EXPECT_NEAR(landed.y, 0.0, 1e-6);
    EXPECT_NEAR(landed.x, worldOf(release).x, 1e-6);

    undo();
    expectPlaces(dragged, before, 1e-6);
}

TEST_F(ViewToolsTest, ThePivotAndTheCentreFollowTheirDrags)
{
    struct Row
    {
        const char *name;
        /// Makes the point the one that a press on it drags.
        std::function<void()> prepare;
        std::function<DPOINT()> place;
        QPoint travel;
        bool oneUndoPutsItBack;
    };
    const CPattern &pattern = *mask().GetMaskPatternAt(0);
    const Row rows[] = {
        // Nothing is selected yet: the selected first pattern's corner on the centre would take
        // the press.
        {"mask centre", [&] { setMainVariable("bAutoMove", 1); },
         [&] { return mask().GetCenter(); }, QPoint(40, 35), true},
        // The pivot is shown, and found under the pointer, while the selection turns.
        {"rotation pivot",
         [&] {
             selectAtFirstPoint(pattern);
             tasks().DispatchEvent("SetInteractiveMode",
                                   reinterpret_cast<void *>(kSwitchAutoRotate));
             ASSERT_TRUE(document().GetRotationPivot()->HasItems());
         },
         [&] { return document().GetRotationPivot()->GetPivotPoint(); }, QPoint(60, 40),
         // Its moves are the tool's own steps: none reaches the mask's history.
         false},
    };
    frame().resize(1200, 900);
    editMaskPatterns(true);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        row.prepare();
        const DPOINT before = row.place();
        const QPoint grip = pixelOf(before);
        const QPoint drop = grip + row.travel;
        ASSERT_TRUE(viewport()->rect().contains(grip)) << grip.x() << ", " << grip.y();
        ASSERT_TRUE(viewport()->rect().contains(drop)) << drop.x() << ", " << drop.y();
        drag({grip, drop});
        EXPECT_NEAR(row.place().x, worldOf(drop).x, pixel());
        EXPECT_NEAR(row.place().y, worldOf(drop).y, pixel());

        const DPOINT dropped = row.place();
        undo();
        const DPOINT expected = row.oneUndoPutsItBack ? before : dropped;
        EXPECT_NEAR(row.place().x, expected.x, 1e-9);
        EXPECT_NEAR(row.place().y, expected.y, 1e-9);
    }
}

} // namespace

