// Morvane program interaction tests.
// The focus rules: which references they add, in which order, with which code, precedence and
// tolerance; and the real search over them at the view's scale.
#include "app/interaction/FocusShapeSet.h"
#include "app/interaction/testing/ShirtMaskTest.h"
#include "model/GradeRegion.h"
#include "model/MaskPoint.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testinteraction;

namespace {

constexpr double kFar = 100000.0;

/// A nearest-shape search at scale 1 whose references a test reads.
class RecordingSearch : public CShapeHitTest
{
public:
    double GetScale() const override { return 1.0; }
};

/// One reference as a test compares it.
struct Ref
{
    uint32_t code;
    ShapeKind kind;
    int32_t tolerance;
    int32_t group;
    CObject *item;

    bool operator==(const Ref &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Ref &ref)
{
    return out << "{code " << ref.code << ", kind " << static_cast<int>(ref.kind) << ", tol "
               << ref.tolerance << ", group " << ref.group << ", item " << ref.item << "}";
}

class FixedZoom : public morvane::IViewZoomSource
{
public:
    explicit FixedZoom(double zoom) : m_zoom(zoom) {}
    double GetZoom() const override { return m_zoom; }

private:
    double m_zoom;
};

class FocusRulesTest : public ShirtMaskTest
{
protected:
    void SetUp() override
    {
        ShirtMaskTest::SetUp();
        document.start();
        rules.SetOwner(&document.services, &document);
        squareA = placeSquare(mask, "A", {kFar, 0});
        squareB = placeSquare(mask, "B", {kFar + 50, 0});
    }

    void snap(int mode)
    {
        document.tasks().GetMainTask()->GetAttributes()->SetInteger("nSnapMode", mode);
    }

    void activate(CObject *item, int32_t kind)
    {
        document.focus.SetActiveObject(CFocusObject::Create(item, kind));
    }

    /// A rule restricted to the squares given (source 3).
    int addSquareRule(int32_t objectKind, int32_t membership, int32_t pointMode = 0,
                      std::vector<CPattern *> squares = {})
    {
        const int rule = rules.AddFilter(objectKind, 0, 3, 100, membership, 3, pointMode,
                                         {0, 4});
        CPtrCollection<CPattern> allowed;
        for (CPattern *square : squares.empty() ? std::vector<CPattern *>{squareA} : squares)
            allowed.Add(square);
        rules.SetFilterObject(rule, allowed);
        return rule;
    }

    std::vector<Ref> references()
    {
        search.RemoveAllShapes();
        rules.FindFocusObject(&search);
        std::vector<Ref> refs;
        for (int i = 0; i < search.GetShapeCount(); ++i) {
            const CShapeRef &ref = search.GetShapeAt(i);
            const morvane::FocusShape *shape = CFocusShapeSet::GetFocusShape(ref);
            refs.push_back({ref.GetId(), ref.GetKind(), ref.GetTolerance(), ref.GetGroup(),
                            shape != nullptr ? shape->GetItem() : nullptr});
        }
        return refs;
    }

    std::vector<CObject *> items()
    {
        std::vector<CObject *> found;
        for (const Ref &ref : references())
            found.push_back(ref.item);
        return found;
    }

    CFocusFilterList rules;
    RecordingSearch search;
    CMaskPattern *squareA = nullptr;
    CMaskPattern *squareB = nullptr;
};

CObject *pointOf(CPattern *pattern, int i)
{
    return pattern->GetBasePointAt(i);
}

CObject *lineOf(CPattern *pattern, int i)
{
    return pattern->GetPatternPolylineAt(i);
}

} // namespace

TEST_F(FocusRulesTest, TheSnapModeChoosesTheSnapToleranceOfPointsAndLines)
{
    struct Row
    {
        int32_t objectKind;
        int snapMode;
        int32_t expected;
    };
    const Row rows[] = {
        {0, 3, 100}, {0, 1, 3}, {1, 1, 100}, {1, 5, 100}, {1, 2, 3}, {2, 2, 100},
        {2, 5, 100}, {2, 0, 3},  {2, 1, 3},   {6, 5, 3},   {4, 3, 3},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE("kind " + std::to_string(row.objectKind) + " snap " +
                     std::to_string(row.snapMode));
        const CFocusFilter rule(row.objectKind, 0, 3, 100, 2, 2, 0, {});
        EXPECT_EQ(rule.GetTolerance(row.snapMode), row.expected);
    }
    snap(3);
    addSquareRule(0, 2);
    for (const Ref &ref : references())
        EXPECT_EQ(ref.tolerance, 100);
}

TEST_F(FocusRulesTest, RulesAddTheirReferencesInOrderWithTheirCodesAndLevels)
{
    std::unique_ptr<CGradeRegion> region = mask.MakeRegion();
    CGradeRegion *regionItem = region.get();
    mask.InsertGradeRegionAt(0, std::move(region));
    rules.AddFilter(4, 0, 7, 7, 2, 0, 0);
    addSquareRule(2, 2);
    rules.AddFilter(6, 2, 3, 3, 2, 0, 0);
    rules.AddFilter(9, 3, 3, 3, 2, 2, 0);

    std::vector<Ref> expected = {{4, ShapeKind::Position, 7, 0, &mask}};
    for (int i = 0; i < 5; ++i)
        expected.push_back({0, ShapeKind::Position, 3, 0, pointOf(squareA, i)});
    expected.push_back({5, ShapeKind::CornerOutline, 3, 2, regionItem});
    EXPECT_EQ(references(), expected);
}

TEST_F(FocusRulesTest, MarkPointsAreReportedAsSuch)
{
    rules.AddFilter(2, 0, 3, 3, 2, 2, 0);
    const std::vector<Ref> refs = references();
    ASSERT_FALSE(refs.empty());
    EXPECT_TRUE(rules.IsPointFound());
    for (const Ref &ref : refs) {
        auto *point = dynamic_cast<CBasePoint *>(ref.item);
        ASSERT_NE(point, nullptr);
        EXPECT_EQ(ref.code, point->GetParent()->FindMarkPoint(point) >= 0 ? 1u : 0u);
    }
}

TEST_F(FocusRulesTest, LinesOfClosedOutlinesComeLast)
{
    CMaskPattern *plain = placeSquare(mask, "PLAIN", {kFar + 200, 0}, 0);
    addLine(*squareA, {0, 2}, 1);
    addLine(*plain, {0, 2}, 1);
    addSquareRule(0, 2, 0, {squareA});
    EXPECT_EQ(items(), (std::vector<CObject *>{lineOf(squareA, 2), lineOf(squareA, 0),
                                               lineOf(squareA, 1)}));
    rules.RemoveAll();
    addSquareRule(0, 2, 0, {plain});
    EXPECT_EQ(items(),
              (std::vector<CObject *>{lineOf(plain, 0), lineOf(plain, 1), lineOf(plain, 2)}));
}

TEST_F(FocusRulesTest, ActiveContourMembershipPicksTheLines)
{
    addLine(*squareA, {0, 2}, 1);
    auto active = CFocusObject::Create(squareA, CFocusObject::kPattern);
    active->SetContour(squareA->GetContourAt(0));
    document.focus.SetActiveObject(std::move(active));

    addSquareRule(0, 3, 0, {squareA, squareB});
    EXPECT_EQ(items(), (std::vector<CObject *>{lineOf(squareA, 0), lineOf(squareA, 1)}));
    rules.RemoveAll();
    addSquareRule(0, 4, 0, {squareA, squareB});
    EXPECT_EQ(items(), (std::vector<CObject *>{lineOf(squareA, 2)}));
    rules.RemoveAll();
    addSquareRule(0, 1, 0, {squareA, squareB});
    EXPECT_EQ(items(), (std::vector<CObject *>{lineOf(squareB, 0), lineOf(squareB, 1)}));
}

TEST_F(FocusRulesTest, PointsOfTheActivePatternOnlyInSnapModesZeroTwoAndFive)
{
    activate(squareA, CFocusObject::kPattern);
    addSquareRule(2, 2, 0, {squareA, squareB});
    for (int mode = 0; mode <= 5; ++mode) {
        SCOPED_TRACE(mode);
        snap(mode);
        const bool activeToo = mode == 0 || mode == 2 || mode == 5;
        const std::vector<CObject *> found = items();
        ASSERT_EQ(found.size(), activeToo ? 10u : 5u);
        EXPECT_EQ(found.back(), pointOf(squareB, 4));
    }
}

TEST_F(FocusRulesTest, GradePointsOnLinesOnlyInSnapModesOneAndFive)
{
    addSquareRule(1, 2);
    for (int mode = 0; mode <= 5; ++mode) {
        SCOPED_TRACE(mode);
        snap(mode);
        // Each line gives its grade points: 0 and 1, then 1, 2, 3 and 0.
        EXPECT_EQ(items().size(), mode == 1 || mode == 5 ? 6u : 0u);
    }
}

TEST_F(FocusRulesTest, HiddenKindsAndUnknownKindsAddNothing)
{
    struct Row
    {
        const char *name;
        int32_t objectKind;
        int32_t source;
        int32_t pointMode;
        bool addsWhileShown;
        void (*hide)(CDisplayFlags &);
    };
    const Row rows[] = {
        {"mask patterns while guides are hidden", 2, 0, 0, true,
         [](CDisplayFlags &flags) { flags.SetShowGuidePatterns(false); }},
        {"input patterns while they are hidden", 0, 1, 0, true,
         [](CDisplayFlags &flags) { flags.SetShowInputPatterns(false); }},
        {"the centre while regions are hidden", 4, 0, 0, true,
         [](CDisplayFlags &flags) { flags.SetShowMaskRegions(false); }},
        {"region areas without the background option", 5, 0, 0, false, [](CDisplayFlags &) {}},
        {"the pivot in a size", 3, 0, 3, false, [](CDisplayFlags &) {}},
        {"kind 9", 9, 2, 0, false, [](CDisplayFlags &) {}},
        {"kind 12", 12, 2, 0, false, [](CDisplayFlags &) {}},
    };
    mask.InsertGradeRegionAt(0, mask.MakeRegion());
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        rules.RemoveAll();
        rules.AddFilter(row.objectKind, 0, 3, 3, 2, row.source, row.pointMode);
        EXPECT_EQ(!references().empty(), row.addsWhileShown);
        row.hide(document.displayFlags);
        EXPECT_TRUE(references().empty());
        document.displayFlags.SetShowGuidePatterns(true);
        document.displayFlags.SetShowInputPatterns(true);
        document.displayFlags.SetShowMaskRegions(true);
    }
    document.services.options.set("SHOW_BKGRDREGION", "1");
    rules.RemoveAll();
    rules.AddFilter(5, 0, 3, 3, 2, 0, 0);
    ASSERT_EQ(references().size(), 1u);
    EXPECT_EQ(references()[0].kind, ShapeKind::CornerArea);
}

TEST_F(FocusRulesTest, TheCentreFollowsItsMembership)
{
    struct Row
    {
        int32_t membership;
        bool whenActive;
        bool whenNot;
    };
    const Row rows[] = {{0, true, false}, {1, false, true}, {2, true, true}, {3, false, false}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.membership);
        rules.RemoveAll();
        rules.AddFilter(4, 0, 7, 7, row.membership, 0, 0);
        activate(&mask, CFocusObject::kMaskCentre);
        EXPECT_EQ(references().size(), row.whenActive ? 1u : 0u);
        activate(nullptr, CFocusObject::kNothing);
        EXPECT_EQ(references().size(), row.whenNot ? 1u : 0u);
    }
}

TEST_F(FocusRulesTest, PointModesAddOneReferencePerSizeAsked)
{
    activate(squareA, CFocusObject::kPattern);
    struct Row
    {
        int32_t pointMode;
        bool gradingShown;
        std::vector<morvane::GradeSizeKey> sizes;
    };
    const Row rows[] = {
        {0, false, {{-1, -1}}},
        {0, true, {{-1, -1}}},
        {3, false, {}},
        {3, true, {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}}},
        {1, true, {{0, 2}}},
        {2, true, {{0, 0}, {0, 1}, {0, 3}, {0, 4}, {0, 5}}},
        {4, true, {{0, 4}}},
        {4, false, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE("mode " + std::to_string(row.pointMode) +
                     (row.gradingShown ? " shown" : " hidden"));
        document.displayFlags.SetShowGrading(row.gradingShown);
        rules.RemoveAll();
        addSquareRule(2, 2, row.pointMode);
        search.RemoveAllShapes();
        rules.FindFocusObject(&search);
        ASSERT_EQ(search.GetShapeCount(), static_cast<int>(5 * row.sizes.size()));
        for (size_t i = 0; i < row.sizes.size(); ++i) {
            const CShapeRef &ref = search.GetShapeAt(static_cast<int>(i));
            EXPECT_EQ(rules.GetSizes().GetKey(ref.GetElement()), row.sizes[i]);
            EXPECT_EQ(CFocusShapeSet::GetFocusShape(ref)->GetItem(), pointOf(squareA, 0));
        }
    }
}

TEST_F(FocusRulesTest, TheSearchFindsTheNearestPointLineAndPatternAtTheViewsScale)
{
    CFocusShapeSet shapes;
    shapes.SetOwner(&document.services, &document);
    shapes.GetFilterList().AddFilter(2, 0, 3, 3, 2, 0, 0);
    shapes.GetFilterList().AddFilter(0, 1, 3, 3, 2, 0, 0);
    shapes.Rebuild();
    struct Row
    {
        const char *name;
        double scale;
        DPOINT probe;
        CObject *expected;
    };
    // Square A's right edge is at kFar + 40, square B's left edge at kFar + 50; the right edge
    // runs through points 1 (kFar + 40, 0) and 2 (kFar + 40, 40).
    const Row rows[] = {
        {"beside A's edge, half scale", 0.5, {kFar + 42, 20}, nullptr},
        {"beside A's edge", 1, {kFar + 42, 20}, lineOf(squareA, 1)},
        {"beside A's edge, four times", 4, {kFar + 42, 20}, lineOf(squareA, 1)},
        {"nearer B, half scale", 0.5, {kFar + 47, 20}, nullptr},
        {"nearer B", 1, {kFar + 47, 20}, lineOf(squareB, 1)},
        {"nearer B, four times", 4, {kFar + 47, 20}, lineOf(squareB, 1)},
        {"off A's corner, half scale", 0.5, {kFar + 41, 41}, pointOf(squareA, 2)},
        {"off A's corner", 1, {kFar + 41.5, 41.5}, pointOf(squareA, 2)},
        {"near A's corner, four times", 4, {kFar + 45, 45}, pointOf(squareA, 2)},
        {"too far for a point, half scale", 0.5, {kFar + 41.5, 41.5}, nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const FixedZoom zoom(1.0 / row.scale);
        CFocusShapeSet::SetViewZoomSource(&zoom);
        const CShapeHit *hit = shapes.FindShapeAt(row.probe.x, row.probe.y);
        CFocusShapeSet::SetViewZoomSource(nullptr);
        CObject *found = nullptr;
        if (hit != nullptr)
            found = CFocusShapeSet::GetFocusShape(*hit->GetRef())->GetItem();
        EXPECT_EQ(found, row.expected);
    }
}

TEST_F(FocusRulesTest, TheSearchRebuildsAfterTheModelChanged)
{
    CFocusShapeSet shapes;
    shapes.SetOwner(&document.services, &document);
    shapes.GetFilterList().AddFilter(0, 0, 3, 3, 2, 0, 0);
    shapes.Rebuild();
    ASSERT_NE(shapes.FindShapeAt(kFar + 41, 20), nullptr);
    mask.RemovePatternAt(mask.FindPattern(squareA));
    EXPECT_EQ(shapes.FindShapeAt(kFar + 41, 20), nullptr);
    placeSquare(mask, "C", {kFar + 300, 0});
    EXPECT_NE(shapes.FindShapeAt(kFar + 341, 20), nullptr);
}

TEST_F(FocusRulesTest, TheSearchMeasuresAgainWhenTheShapesMoved)
{
    CFocusShapeSet shapes;
    shapes.SetOwner(&document.services, &document);
    shapes.GetFilterList().AddFilter(2, 0, 3, 3, 2, 0, 0);
    shapes.Rebuild();
    ASSERT_NE(shapes.FindShapeAt(kFar, 0), nullptr);

    squareA->SetPatternPosition(kFar, 1000);
    EXPECT_EQ(shapes.FindShapeAt(kFar, 0), nullptr);
    EXPECT_NE(shapes.FindShapeAt(kFar, 1000), nullptr);

    // A point moved without an event is found where it went once the document says so.
    static_cast<CMaskPoint *>(squareA->GetBasePointAt(0))->SetX(-500);
    document.focus.InvalidateShapes();
    EXPECT_EQ(shapes.FindShapeAt(kFar, 1000), nullptr);
    EXPECT_NE(shapes.FindShapeAt(kFar - 500, 1000), nullptr);
}
