// Morvane model library tests.
// Mask contours: corners at more than thirty degrees, referent points, closing and start point.
#include "MaskFixtures.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

using namespace testmodel;

namespace {

using Texts = std::vector<std::string>;

/// A mask pattern with one closed line through new grade points at the given positions.
class ClosedOutline
{
public:
    explicit ClosedOutline(const std::vector<DPOINT> &corners)
    {
        CPtrCollection<CBasePoint> points;
        for (const DPOINT &corner : corners)
            points.Add(pattern->GetBasePointAt(pattern->AddPoint(corner, GRADE_POINT_GRADE)));
        points.Add(points.GetFirst());
        pattern->InsertNewPolyline(-1, GRADE_LINE_TYPE{}, points);
        pattern->BuildContours();
    }

    CMaskContour &contour() const { return *static_cast<CMaskContour *>(pattern->GetContourAt(0)); }

    /// Each outline point's label and its referent's ("-" for none), as "P1>P3".
    Texts referents() const
    {
        Texts texts;
        CPtrCollection<CBasePoint> points;
        contour().GetOutContour(&points, false, false);
        for (CBasePoint *point : points) {
            const CPointAssociationRule *rule = contour().GetAssRule(point);
            const CBasePoint *referent = rule->GetReferentBasePoint();
            texts.push_back(point->GetFormatName() + ">" +
                            (referent != nullptr ? referent->GetFormatName() : "-"));
        }
        return texts;
    }

    CGradeMask mask;
    std::unique_ptr<CMaskPattern> pattern = mask.MakePattern();
};

DPOINT turned(const DPOINT &from, double length, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    return {from.x + length * std::cos(radians), from.y + length * std::sin(radians)};
}

} // namespace

TEST(MaskContourTest, EachCornerNamesThePreviousCornerAndOtherPointsTheNearest)
{
    // A square with a point in the middle of each side; the middle points lie as far from the
    // corner before as from the one after, and take the one after.
    const ClosedOutline outline(
        {{0, 0}, {20, 0}, {40, 0}, {40, 20}, {40, 40}, {20, 40}, {0, 40}, {0, 20}});
    EXPECT_EQ(outline.referents(),
              (Texts{"P1>-", "P2>P3", "P3>P1", "P4>P5", "P5>P3", "P6>P7", "P7>P5", "P8>P1"}));
}

TEST(MaskContourTest, APointTurningExactlyThirtyDegreesIsNoCorner)
{
    struct Row
    {
        const char *name;
        double turn;
        Texts expected;
    };
    // P2 turns by the angle; P1, P3 and P4 turn sharply. As a corner P2 names the corner before
    // it, P1; otherwise the nearer corner, P3.
    const Row rows[] = {
        {"thirty degrees", 30.0, {"P1>-", "P2>P3", "P3>P1", "P4>P3"}},
        {"just over thirty degrees", 30.0001, {"P1>-", "P2>P1", "P3>P2", "P4>P3"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const DPOINT b{10, 0};
        const DPOINT c = turned(b, 8, row.turn);
        const ClosedOutline outline({{0, 0}, b, c, {0, 20}});
        EXPECT_EQ(outline.referents(), row.expected);
    }
}

TEST(MaskContourTest, WithoutCornersThePointOfLargestTurnIsTheReferentOfAll)
{
    // A sixteen-sided polygon turns 22.5 degrees at every point; moving P6 outward makes it
    // turn more, still less than thirty degrees.
    std::vector<DPOINT> corners;
    for (int i = 0; i < 16; ++i) {
        const double radius = i == 5 ? 20.3 : 20.0;
        corners.push_back(turned({0, 0}, radius, 22.5 * i));
    }
    const ClosedOutline outline(corners);
    const Texts texts = outline.referents();
    ASSERT_EQ(texts.size(), 16u);
    for (size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(i);
        const std::string label = "P" + std::to_string(i + 1);
        EXPECT_EQ(texts[i], label + (i == 5 ? ">-" : ">P6"));
    }
}

TEST(MaskContourTest, RulesAreRebuiltAfterTheLinesChange)
{
    const ClosedOutline outline({{0, 0}, {40, 0}, {40, 40}, {0, 40}, {100, 100}});
    CMaskContour &contour = outline.contour();
    contour.RemoveContourLineAt(0);
    contour.AddContourLine(addLine(*outline.pattern, {0, 1, 2, 3, 0}), false);
    CBasePoint *first = outline.pattern->GetBasePointAt(0);
    CPointAssociationRule *rule = contour.GetAssRule(first);
    rule->SetTangentError(10.0);
    EXPECT_EQ(contour.GetAssRule(first), rule);
    EXPECT_EQ(contour.GetAssRuleCount(), 4);

    // A rule asked for a point off the outline is made, and kept until the next change.
    CBasePoint *outside = outline.pattern->GetBasePointAt(4);
    CPointAssociationRule *outsideRule = contour.GetAssRule(outside);
    EXPECT_EQ(contour.GetAssRuleCount(), 5);
    EXPECT_EQ(contour.FindAssRule(outside), outsideRule);

    contour.RemoveContourLineAt(0);
    EXPECT_DOUBLE_EQ(contour.GetAssRule(first)->GetTangentError(), 45.0);
    EXPECT_EQ(contour.FindAssRule(outside), nullptr);
    EXPECT_EQ(contour.GetAssRuleCount(), 1);
}

TEST(MaskContourTest, RuleSettingsOutliveEditsOfThePattern)
{
    struct Row
    {
        const char *name;
        std::function<void(CMaskPattern &)> edit;
        int rulesAfter;
    };
    // The square's points are P1 to P4, its line P1-P2-P3-P4-P1; P5 lies off the line.
    const Row rows[] = {
        {"a grade point added on no line",
         [](CMaskPattern &pattern) { pattern.AddGradePoint({100, 100}); }, 4},
        {"a point moved", [](CMaskPattern &pattern) { maskPointAt(pattern, 1)->SetX(42); }, 4},
        {"a point inserted into the line",
         [](CMaskPattern &pattern) {
             const int added = pattern.AddGradePoint({40, 20});
             static_cast<CMaskPolyline *>(pattern.GetPatternPolylineAt(0))->InsertPoint(added, 2);
         },
         5},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const ClosedOutline outline({{0, 0}, {40, 0}, {40, 40}, {0, 40}});
        CMaskContour &contour = outline.contour();
        CBasePoint *second = outline.pattern->GetBasePointAt(1);
        CPointAssociationRule *rule = contour.GetAssRule(second);
        rule->SetPointAssociationType(2);
        rule->SetCustomTangent(true);
        rule->SetTangentError(10.0);

        row.edit(*outline.pattern);
        const CPointAssociationRule *after = contour.GetAssRule(second);
        EXPECT_EQ(after->GetPointAssociationType(), 2);
        EXPECT_TRUE(after->GetCustomTangent());
        EXPECT_DOUBLE_EQ(after->GetTangentError(), 10.0);
        EXPECT_EQ(contour.GetAssRuleCount(), row.rulesAfter);
    }
}

TEST(MaskContourTest, SettingTheSameStartPointSendsNothing)
{
    const ClosedOutline outline({{0, 0}, {40, 0}, {40, 40}, {0, 40}});
    CMaskContour &contour = outline.contour();
    CBasePoint *second = outline.pattern->GetBasePointAt(1);
    SourceLog log;
    contour.AddListener(&log);
    contour.SetStartContPoint(second);
    contour.SetStartContPoint(second);
    contour.RemoveListener(&log);
    EXPECT_EQ(log.events, (Texts{"4:15:0", "8:15:0"}));
    EXPECT_EQ(contour.GetStartContPoint(), second);
    EXPECT_FALSE(contour.GetAssRule(second)->HasReferentPoint());
}

TEST(MaskContourTest, AnOpenOutlineWhoseEndsMeetIsClosed)
{
    CGradeMask mask;
    std::unique_ptr<CMaskPattern> pattern = mask.MakePattern();
    for (const DPOINT &p : {DPOINT{0, 0}, DPOINT{40, 0}, DPOINT{40, 40}, DPOINT{0.3, 0.2}})
        pattern->AddPoint(p, GRADE_POINT_GRADE);
    std::unique_ptr<CMaskContour> contour = pattern->CreateMaskContour();
    contour->AddContourLine(addLine(*pattern, {0, 1, 2, 3}), false);
    EXPECT_FALSE(contour->IsClosed());
    contour->UpdateClosed();
    EXPECT_TRUE(contour->IsClosed());
}
