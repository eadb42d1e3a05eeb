// Morvane program documents tests.
// The main document without windows: a style loaded through the loader, masks activated and
// graded, its notifications, its flags and its report of an unhandled exception.
#include "ExpectThrowMessage.h"
#include "MainDocumentFixture.h"
#include "RegionFixtures.h"

#include "app/documents/IPointArea.h"
#include "app/grading/PatternGrading.h"
#include "app/grading/testing/MaskFormulas.h"
#include "formulas/PointFormulaIncrement.h"
#include "foundation/RuntimeClass.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/MorvaneException.h"
#include "model/PatternLocation.h"

#include <gtest/gtest.h>

using testdocuments::EventRecorder;
using testdocuments::HeardEvent;

namespace {

constexpr int kSizes = 6;
constexpr int kBase = 2;
constexpr uint32_t kDocument = 100;

class MorvaneDocTest : public testdocuments::MainDocumentFixture
{
protected:
    /// The style on a new active mask, FRONT's first point graded by a measure and a step and
    /// BACK's by a fixed increment (as the end-to-end grading of the style), graded through the
    /// document.
    bool gradeStyleOnAMask()
    {
        loadStyle();
        CGradeMask &mask = placeStyleOn(*addMask());
        testgrading::addIncrement(mask.GetFormulas(), inputPoint(0, 0)->GetAssociatedPoint(),
                                  "waist/40", "%INC(0.5)");
        testgrading::addIncrement(mask.GetFormulas(), inputPoint(1, 0)->GetAssociatedPoint(),
                                  "1.25", "-0.75");
        m_doc.OnBeginGrading();
        return m_doc.GetGradingInterface()->ApplyGradeRules();
    }

    /// Every point of every input pattern in every size.
    std::vector<DPOINT> everyShift()
    {
        std::vector<DPOINT> shifts;
        IInputPatterns &patterns = *m_doc.GetInputPatterns();
        for (int p = 0; p < patterns.GetPatternCount(); ++p)
            for (int i = 0; i < patterns.GetPatternAt(p)->GetBasePointCount(); ++i)
                for (int s = 0; s < kSizes; ++s)
                    shifts.push_back(inputPoint(p, i)->GetInputPoint()->GetGradeShift({}, {0, s}));
        return shifts;
    }
};

/// A rectangle of the mask that collects points, in the mode given.
class FramedArea : public CObject, public IPointArea
{
public:
    FramedArea(CDRect frame, int mode) : m_frame(frame), m_mode(mode) {}
    bool ContainsPoint(DPOINT p) const override { return m_frame.Contains(p.x, p.y); }
    int GetMode() const override { return m_mode; }

private:
    CDRect m_frame;
    int m_mode;
};

} // namespace

TEST_F(MorvaneDocTest, TheStyleBecomesTheInputPatternsOfItsKind)
{
    IGradeModel *model = loadStyle();

    EXPECT_EQ(m_doc.GetLoadedGradeModel(), model);
    EXPECT_EQ(m_doc.GetGradeModelKind(), GMK_AAMA);
    ASSERT_EQ(m_doc.GetInputPatterns()->GetPatternCount(), 2);
    EXPECT_EQ(m_doc.GetGradingManager().GetPatternGradingCount(), 2);

    // No model empties the input patterns and releases the style (ASan sees it go).
    m_doc.SetGradeModel(nullptr, GMK_MASK_FILES);
    EXPECT_EQ(m_doc.GetInputPatterns()->GetPatternCount(), 0);
    EXPECT_EQ(m_doc.GetGradingManager().GetPatternGradingCount(), 0);
    EXPECT_EQ(m_doc.GetGradeModelKind(), GMK_MASK_FILES);
    EXPECT_EQ(m_doc.GetLoadedGradeModel(), nullptr);
}

TEST_F(MorvaneDocTest, ActivatingAMaskSendsBothNotificationsAndTheGradingHearsThem)
{
    loadStyle();
    CGradeMaskDoc *first = addMask();
    CGradeMaskDoc *second = addMask();
    CGradeMask &mask = placeStyleOn(*first);
    testgrading::addIncrement(mask.GetFormulas(), inputPoint(0, 0)->GetAssociatedPoint(), "1",
                              "0");
    m_doc.OnBeginGrading();
    ASSERT_TRUE(m_doc.GetGradingInterface()->ApplyGradeRules());
    EventRecorder heard(m_doc.GetEventHandler());

    m_doc.SetActiveMaskDoc(second);
    m_doc.SetActiveMaskDoc(second);

    const auto was = reinterpret_cast<uintptr_t>(first);
    const auto now = reinterpret_cast<uintptr_t>(second);
    EXPECT_EQ(heard.with(108), (std::vector<HeardEvent>{
                                   {morvane::kEventBeforeChange, kDocument, 108, was},
                                   {morvane::kEventAfterChange, kDocument, 108, now},
                                   {morvane::kEvent128, kDocument, 108, now},
                               }));
    EXPECT_EQ(m_doc.GetActiveMaskDoc(), second);
    EXPECT_EQ(m_doc.GetActiveGradeMask(), second->GetGradeMask());
    EXPECT_TRUE(m_doc.GetGradingManager().GetPatternGradingAt(0)->NeedsGrading());
}

TEST_F(MorvaneDocTest, GradingThroughTheDocumentGivesTheStylesGrading)
{
    ASSERT_TRUE(gradeStyleOnAMask());

    EXPECT_TRUE(m_prompt.problems.empty());
    EXPECT_EQ(m_doc.IsBulkChange(), false);
    for (int s = 0; s < kSizes; ++s) {
        SCOPED_TRACE(s);
        // waist grows by 30 a size: waist/40 is 0.75 a size.
        const DPOINT front = inputPoint(0, 0)->GetInputPoint()->GetGradeShift({}, {0, s});
        EXPECT_NEAR(front.x, 0.75 * (s - kBase), 1e-9);
        EXPECT_NEAR(front.y, 0.5 * (s - kBase), 1e-9);
        const DPOINT back = inputPoint(1, 0)->GetInputPoint()->GetGradeShift({}, {0, s});
        EXPECT_NEAR(back.x, s == kBase ? 0 : 1.25, 1e-9);
        EXPECT_NEAR(back.y, s == kBase ? 0 : -0.75, 1e-9);
    }
}

TEST_F(MorvaneDocTest, ADraggedGradePointRegradesOnlyItsPieceAsAFullRegradeWould)
{
    ASSERT_TRUE(gradeStyleOnAMask());
    IGradingInterface &grading = *m_doc.GetGradingInterface();
    m_options.set("AUTO_RECALC", "1");

    inputPoint(0, 1)->GetInputPoint()->MoveGradePoint({0, 4}, 2.0, 1.0);

    CGradingManager &manager = m_doc.GetGradingManager();
    EXPECT_TRUE(manager.GetPatternGradingAt(0)->NeedsGrading());
    EXPECT_FALSE(manager.GetPatternGradingAt(1)->NeedsGrading());
    EXPECT_FALSE(m_doc.IsRecalcPending());
    ASSERT_TRUE(grading.ApplyGradeRules());
    const std::vector<DPOINT> regraded = everyShift();
    m_doc.OnBeginGrading();
    ASSERT_TRUE(grading.ApplyGradeRules());
    const std::vector<DPOINT> full = everyShift();
    ASSERT_EQ(regraded.size(), full.size());
    for (std::size_t k = 0; k < full.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_DOUBLE_EQ(regraded[k].x, full[k].x);
        EXPECT_DOUBLE_EQ(regraded[k].y, full[k].y);
    }
}

TEST_F(MorvaneDocTest, AnUnhandledExceptionSuspendsDrawingAndReleasesALoadedModel)
{
    loadStyle();
    EventRecorder heard(m_doc.GetEventHandler());
    const CMorvaneException critical(GM_BAD_STRUCTURE);

    EXPECT_EQ(m_doc.OnUnhandledException(&critical), 0);

    EXPECT_TRUE(m_doc.IsFailed());
    EXPECT_EQ(heard.with(8), (std::vector<HeardEvent>{
                                 {morvane::kEventBeforeChange, kDocument, 8, 0},
                                 {morvane::kEventAfterChange, kDocument, 8, 0},
                             }));
    EXPECT_EQ(m_prompt.problems,
              std::vector<std::string>{"Critical error 'GM_BAD_STRUCTURE'!\nApplication will close!"});
    EXPECT_EQ(m_doc.GetLoadedGradeModel(), nullptr);
    EXPECT_TRUE(m_prompt.questions.empty());
}

namespace {

/// A model that ends with a critical code.
class FailingToEndModel : public CClientGradeModel
{
public:
    GM_ERROR Release() override
    {
        delete this;
        return GM_UNEXPECTED_INTERNAL_ERROR;
    }
};

} // namespace

TEST_F(MorvaneDocTest, AModelThatFailsToEndDoesNotInterruptTheReportOfAnUnhandledException)
{
    m_doc.SetGradeModel(new FailingToEndModel, GMK_AAMA);

    EXPECT_NO_THROW(m_doc.OnUnhandledException(nullptr));

    EXPECT_EQ(m_doc.GetLoadedGradeModel(), nullptr);
    EXPECT_TRUE(m_doc.IsFailed());
    EXPECT_EQ(m_prompt.problems.size(), 1u);
}

TEST_F(MorvaneDocTest, AnUnhandledExceptionLeavesTheClientModelToTheDocument)
{
    CClientGradeModel &client = m_doc.GetClientModel();
    client.AddPattern("FRONT");
    m_doc.SetGradeModel(&client, GMK_CLIENT_MODEL);

    m_doc.OnUnhandledException(nullptr);
    m_doc.OnUnhandledException(nullptr);

    EXPECT_EQ(m_prompt.problems, std::vector<std::string>(2, "Critical error!\nApplication will "
                                                             "close!"));
    int count = 0;
    EXPECT_EQ(client.GetPatternCount(count), GM_NO_ERROR);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(m_doc.GetLoadedGradeModel(), nullptr);
}

TEST_F(MorvaneDocTest, TheActiveMasksToolStateIsReachedThroughTheDocument)
{
    loadStyle();
    CGradeMaskDoc *mask = addMask();
    placeStyleOn(*mask);

    EXPECT_EQ(m_doc.GetActiveMaskDocument(), mask);
    EXPECT_EQ(m_doc.GetFocusManager(), mask->GetFocusManager());
    EXPECT_EQ(m_doc.GetFocusManager()->GetOwner(), mask);
    EXPECT_EQ(m_doc.GetInteractionModes(), mask->GetSink());
    EXPECT_EQ(m_doc.GetMeasureLine(), mask->GetMeasureLine());
    EXPECT_EQ(m_doc.GetGradePathEditor(), mask->GetGradePathEditor());
    EXPECT_EQ(m_doc.GetRotationPivot(), mask->GetRotationPivot());
    EXPECT_EQ(m_doc.GetPointAssociationMap(), mask->GetGradeMask()->GetPointAssociationMap());

    CPattern *input = m_doc.GetInputPatterns()->GetPatternAt(0);
    mask->GetFocusManager()->SetActiveObject(CFocusObject::Create(input, CFocusObject::kPattern));
    EXPECT_EQ(m_doc.GetActivePattern(), input);

    EventRecorder heard(m_doc.GetEventHandler());
    m_doc.GetDisplayFlags()->SetShowInputPatterns(false);
    EXPECT_EQ(heard.with(0).size(), 1u);
}

TEST_F(MorvaneDocTest, TheViewsDecorationsComeFromTheActiveMask)
{
    ASSERT_TRUE(gradeStyleOnAMask());
    CGradeMaskDoc *mask = m_doc.GetActiveMaskDoc();
    CPattern *front = m_doc.GetInputPatterns()->GetPatternAt(0);
    CPolyline *line = front->GetPatternPolylineAt(0);
    mask->SetHighlightedItem(line);
    mask->AddFocusPolyline(CFocusObject::Create(line, CFocusObject::kPolyline));
    EXPECT_EQ(m_doc.GetHighlightedItem(), line);
    ASSERT_EQ(m_doc.GetFocusPolylineCount(), 1);
    EXPECT_EQ(m_doc.GetFocusPolylineAt(0)->GetItem(), line);
    EXPECT_EQ(m_doc.GetFocusPolylineAt(1), nullptr);

    // The grading entries are the runtime formulas that grade the active pattern's points, each
    // on a point of the pattern's mask pattern: FRONT's and BACK's first points have formulas.
    const CPattern *maskFront = inputPoint(0, 0)->GetAssociatedPoint()->GetParent();
    CPtrCollection<IBaseFormula> entries;
    entries.Add(nullptr);
    m_doc.CollectPointEntries(entries);
    EXPECT_EQ(entries.GetCount(), 0);
    const auto entryPoints = [&](CPattern *pattern) {
        mask->GetFocusManager()->SetActiveObject(
            CFocusObject::Create(pattern, CFocusObject::kPattern));
        m_doc.CollectPointEntries(entries);
        std::vector<CBasePoint *> points;
        for (IBaseFormula *entry : entries)
            points.push_back(entry->GetBasePoint());
        return points;
    };
    const std::vector<CBasePoint *> frontPoints = entryPoints(front);
    ASSERT_FALSE(frontPoints.empty());
    for (CBasePoint *point : frontPoints)
        EXPECT_EQ(point->GetParent(), maskFront);
    const IBaseFormula *formula = entries.GetAt(0);
    for (CBasePoint *point : entryPoints(m_doc.GetInputPatterns()->GetPatternAt(1)))
        EXPECT_NE(point->GetParent(), maskFront);

    // A region formula's colour index, until it is taken out of the map.
    EXPECT_EQ(m_doc.GetColourIndex(formula), -1);
    mask->SetColourIndex(formula, 3);
    EXPECT_EQ(m_doc.GetColourIndex(formula), 3);
    mask->SetColourIndex(formula, -1);
    EXPECT_EQ(m_doc.GetColourIndex(formula), -1);
}

TEST_F(MorvaneDocTest, FlagsAndTextsAnnounceOnlyWhatChanged)
{
    EventRecorder heard(m_doc.GetEventHandler());
    struct Step
    {
        const char *name;
        std::function<void()> act;
        uint32_t property;
        std::size_t events;
    };
    const Step steps[] = {
        {"extent flag set", [this] { m_doc.SetExtentFlag(true); }, 6, 2},
        {"extent flag again", [this] { m_doc.SetExtentFlag(true); }, 6, 0},
        {"failed again", [this] { m_doc.SetFailed(false); }, 8, 0},
        {"text", [this] { m_doc.SetStringAt(2, "ready"); }, 5, 1},
        {"same text", [this] { m_doc.SetStringAt(2, "ready"); }, 5, 0},
        {"text out of range", [this] { m_doc.SetStringAt(4, "x"); }, 5, 0},
        {"change 7", [this] { m_doc.NotifyChanged7(); }, 7, 1},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        heard.events.clear();
        step.act();
        EXPECT_EQ(heard.with(step.property).size(), step.events);
        EXPECT_EQ(heard.events.size(), step.events);
    }
    EXPECT_EQ(m_doc.GetStringAt(2), "ready");
    EXPECT_EQ(m_doc.GetStringAt(-1), "");
}

TEST_F(MorvaneDocTest, TheExtentIsTheBoxOfItsCornersAndEmptyUntilSet)
{
    CDRect extent(1, 1, 2, 2);
    m_doc.GetExtent(extent);
    EXPECT_EQ(extent, CDRect(0, 0, -1, -1));

    m_doc.SetExtent(10, 20, -5, 4);
    m_doc.GetExtent(extent);
    EXPECT_EQ(extent, CDRect(-5, 4, 10, 20));
    m_doc.SetExtent(-5, 4, 10, 20);
    CDRect again;
    m_doc.GetExtent(again);
    EXPECT_EQ(again, extent);
}

TEST_F(MorvaneDocTest, TheBulkChangeCounterNeverGoesBelowZero)
{
    m_doc.EndBulkChange();
    EXPECT_FALSE(m_doc.IsBulkChange());
    m_doc.BeginBulkChange();
    m_doc.BeginBulkChange();
    m_doc.EndBulkChange();
    EXPECT_TRUE(m_doc.IsBulkChange());
    m_doc.EndBulkChange();
    EXPECT_FALSE(m_doc.IsBulkChange());
}

TEST_F(MorvaneDocTest, WithoutAnActiveMaskTheMasksServicesAnswerNothing)
{
    m_doc.AddFocusType(1);
    m_doc.AddItem(new CObject);
    m_doc.RemoveItemAt(0);

    EXPECT_FALSE(m_doc.IsFocusType(1));
    EXPECT_EQ(m_doc.GetItemCount(), 0);
    EXPECT_EQ(m_doc.GetActiveGradeMask(), nullptr);
    EXPECT_EQ(m_doc.GetPointAssociationMap(), nullptr);
    // Events go to the document's own task manager while no mask is active.
    EXPECT_EQ(m_doc.GetTaskManager(), m_doc.GetWorkspaceTaskManager());
    EXPECT_NE(m_doc.GetWorkspaceTaskManager(), nullptr);
    EXPECT_EQ(m_doc.GetFocusManager(), nullptr);
    EXPECT_EQ(m_doc.GetActiveMaskDocument(), nullptr);
    EXPECT_EQ(m_doc.GetRotationPivot(), nullptr);
    EXPECT_EQ(m_doc.GetActivePattern(), nullptr);
    EXPECT_EQ(m_doc.GetHighlightedItem(), nullptr);
    EXPECT_EQ(m_doc.GetColourIndex(nullptr), -1);
    EXPECT_EQ(m_doc.GetFocusPolylineCount(), 0);
    EXPECT_EQ(m_doc.GetFocusPolylineAt(0), nullptr);
    EXPECT_TRUE(m_doc.CanDeactivate());
    EXPECT_TRUE(m_doc.GetGradingInterface()->ApplyGradeRules());
}

TEST_F(MorvaneDocTest, WithoutAnActiveMaskGradingAsksNothingAndNoPatternIsPlaced)
{
    loadStyle();
    CGradeMask &mask = placeStyleOn(*addMask());
    // A formula as a mask file may hold it: its measure is in no table.
    testgrading::addIncrement(mask.GetFormulas(), inputPoint(0, 0)->GetAssociatedPoint(), "1", "0")
        ->GetParam(0)
        ->SetValue("chest/4");
    const DPOINT at = inputPoint(1, 0)->GetAbsPosition();
    testmodel::addRegion(mask, testmodel::boxShape(at.x - 1, at.y - 1, at.x + 1, at.y + 1),
                         REGION_READ_ONLY);
    IGradingInterface &grading = *m_doc.GetGradingInterface();
    m_prompt.answer = false;
    EXPECT_FALSE(grading.ApplyGradeRules());
    CPtrCollection<CBasePoint> onTheMask;
    grading.CollectGradePoints(onTheMask);
    EXPECT_LT(onTheMask.Find(inputPoint(1, 0)), 0);

    m_doc.SetActiveMaskDoc(nullptr);

    EXPECT_TRUE(grading.ApplyGradeRules());
    EXPECT_EQ(m_prompt.questions.size(), 1u);
    CPtrCollection<CBasePoint> withoutMask;
    grading.CollectGradePoints(withoutMask);
    EXPECT_EQ(withoutMask.GetCount(), 0);
}

TEST_F(MorvaneDocTest, PointsInAnAreaAreCollectedOnceAndExcludeRegionsCountByMode)
{
    loadStyle();
    CGradeMask &mask = placeStyleOn(*addMask());
    CBasePoint *point = inputPoint(0, 0);
    const DPOINT at = point->GetAbsPosition();
    const CDRect frame(at.x - 0.5, at.y - 0.5, at.x + 0.5, at.y + 0.5);
    const FramedArea around(frame, 0);

    CPtrCollection<CBasePoint> points;
    m_doc.CollectPointsInArea(&around, points);
    m_doc.CollectPointsInArea(&around, points);
    const CObject notAnArea;
    m_doc.CollectPointsInArea(&notAnArea, points);
    ASSERT_EQ(points.GetCount(), 1);
    EXPECT_EQ(points.GetAt(0), point);

    testmodel::addRegion(mask, testmodel::boxShape(at.x - 1, at.y - 1, at.x + 1, at.y + 1),
                         REGION_EXCLUDE);
    CPtrCollection<CBasePoint> outsideExcluded;
    m_doc.CollectPointsInArea(&around, outsideExcluded);
    EXPECT_EQ(outsideExcluded.GetCount(), 0);
    const FramedArea withExcluded(frame, IPointArea::kWithExcludedPoints);
    m_doc.CollectPointsInArea(&withExcluded, outsideExcluded);
    EXPECT_EQ(outsideExcluded.GetCount(), 1);
}

TEST_F(MorvaneDocTest, RegionFormulaAndPlacementChangesAskForARegradeWhenTheOptionIsOn)
{
    loadStyle();
    placeStyleOn(*addMask());
    IPatternLocation *location =
        m_doc.GetInputPatterns()->GetPatternAt(0)->GetPatternLocation();

    location->Set({5, 5}, 0, false);
    EXPECT_FALSE(m_doc.IsRecalcPending());

    m_options.set("AUTO_RECALC", "1");
    location->Set({6, 5}, 0, false);
    EXPECT_TRUE(m_doc.IsRecalcPending());

    // Without a task manager to take "RecalculateGrading" the mark stays.
    m_doc.OnIdle();
    EXPECT_TRUE(m_doc.IsRecalcPending());
}

namespace {

/// A model that refuses to begin grading with a critical code.
class RefusingModel : public CClientGradeModel
{
public:
    GM_ERROR BeginGrading() override { return GM_IO_ERROR; }
    GM_ERROR GetName(std::string &name) override
    {
        name = "refusing";
        return GM_NO_ERROR;
    }
};

} // namespace

TEST_F(MorvaneDocTest, BeginningGradingMarksEveryPatternAndAModelThatRefusesEndsTheProgram)
{
    m_doc.OnBeginGrading();
    EXPECT_TRUE(m_prompt.problems.empty());

    loadStyle();
    placeStyleOn(*addMask());
    ASSERT_TRUE(m_doc.GetGradingInterface()->ApplyGradeRules());
    m_doc.OnBeginGrading();
    EXPECT_TRUE(m_doc.GetGradingManager().GetPatternGradingAt(1)->NeedsGrading());
    EXPECT_FALSE(m_doc.IsBulkChange());

    // The sizes shown follow the new input patterns and ask to begin grading again.
    RefusingModel refusing;
    EXPECT_THROW_MSG(m_doc.SetGradeModel(&refusing, GMK_CLIENT_MODEL), CMorvaneException,
                     "GM_UNEXPECTED_INTERNAL_ERROR");
    EXPECT_THROW(m_doc.OnBeginGrading(), CMorvaneException);
    EXPECT_EQ(m_prompt.problems,
              std::vector<std::string>(2, "Error begin grading in model 'refusing'"));
    m_doc.SetGradeModel(nullptr, GMK_NONE);
}

TEST_F(MorvaneDocTest, ChangedOptionsMakeTheGradingStaleWithOrWithoutMasks)
{
    loadStyle();
    m_doc.GetEventHandler().SendAfterChange(CMorvaneDoc::kOptionsChanged);

    placeStyleOn(*addMask());
    ASSERT_TRUE(m_doc.GetGradingInterface()->ApplyGradeRules());
    m_doc.GetEventHandler().SendAfterChange(CMorvaneDoc::kOptionsChanged);

    EXPECT_TRUE(m_doc.GetGradingManager().GetPatternGradingAt(0)->NeedsGrading());
}

TEST_F(MorvaneDocTest, ChangingTheActiveTableKeepsTheGrading)
{
    loadStyle();
    placeStyleOn(*addMask());
    ASSERT_TRUE(m_doc.GetGradingInterface()->ApplyGradeRules());
    CMeasureTableDoc &tables = *m_doc.GetMeasureTableDoc();
    IMeasureTable *active = tables.GetActiveTable();
    ASSERT_NE(active, nullptr);

    tables.SetActiveTable(nullptr);
    tables.SetActiveTable(active);

    const CGradingManager &grading = m_doc.GetGradingManager();
    for (int i = 0; i < grading.GetPatternGradingCount(); ++i)
        EXPECT_FALSE(grading.GetPatternGradingAt(i)->NeedsGrading()) << "pattern " << i;
}

TEST_F(MorvaneDocTest, RemovingTheActiveMaskLeavesNoMaskActive)
{
    CGradeMaskDoc *kept = addMask();
    CGradeMaskDoc *active = addMask();
    m_doc.SetActiveMaskDoc(active);
    EventRecorder heard(m_doc.GetEventHandler());

    m_doc.GetMaskDocs()->RemoveAt(1);

    EXPECT_EQ(m_doc.GetActiveMaskDoc(), nullptr);
    EXPECT_EQ(m_doc.GetActiveGradeMask(), nullptr);
    EXPECT_EQ(heard.with(108).size(), 3u);
    m_doc.GetMaskDocs()->RemoveAt(0);
    EXPECT_EQ(heard.with(108).size(), 3u);
    (void)kept;
}
