// Morvane main window, view and interaction, tests.
// The view's shape query: the mask as a tree, what is shown, enabled and selectable, colours
// and the active object's nodes.
#include "RegionFixtures.h"
#include "StyleView.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusObject.h"
#include "app/ui/options/Options.h"
#include "model/BasePoint.h"
#include "model/GradeRegion.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"

#include <functional>
#include <gtest/gtest.h>

using testview::StyleView;

namespace {

class ViewShapeQueryTest : public testing::Test
{
protected:
    ViewShapeQueryTest()
    {
        m_region = testmodel::addRegion(m_fixture.mask(),
                                        testmodel::boxShape(0, -30, 8, -20), REGION_GRADE);
    }

    CViewShapeQuery &query() { return m_fixture.view->GetShapeQuery(); }
    CPattern *input(int i) { return m_fixture.inputPattern(i); }
    CPattern *mask(int i) { return m_fixture.maskPattern(i); }

    /// A node of the pattern's point under the group, with the sub-kind.
    static ShapeQueryNode pointNode(int group, CPattern *pattern, int subKind)
    {
        return {2, group, 2, subKind, pattern->GetGradePointAt(0), pattern};
    }
    static ShapeQueryNode patternNode(int group, CPattern *pattern)
    {
        return {1, group, 1, 0, pattern, pattern};
    }

    StyleView m_fixture;
    CGradeRegion *m_region = nullptr;
};

} // namespace

TEST_F(ViewShapeQueryTest, PresentsTheMaskAsATree)
{
    struct Row
    {
        const char *name;
        ShapeQueryNode node;
        int count;
    };
    const Row rows[] = {
        {"root: the regions", {0, 0, 0, 0, {}, nullptr}, 1},
        {"input patterns", {1, 3, 0, 0, {}, nullptr}, 2},
        {"mask patterns", {1, 4, 0, 0, {}, nullptr}, 2},
        {"shown sizes", {1, 5, 0, 0, {}, nullptr}, StyleView::kShownSizes},
        {"points", {2, 3, 1, 0, input(1), input(1)}, input(1)->GetBasePointCount()},
        {"contours", {5, 4, 1, 0, mask(0), mask(0)}, mask(0)->GetContourCount()},
        {"lines", {8, 3, 1, 0, input(0), input(0)}, input(0)->GetPolylineCount()},
        {"other levels", {3, 3, 1, 0, input(0), input(0)}, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(query().GetChildCount(row.node), row.count);
    }
    EXPECT_EQ(std::get<IRegion *>(query().GetChild(rows[0].node, 0).object), m_region);
    const ShapeQueryNode second = query().GetChild(rows[2].node, 1);
    EXPECT_EQ(second.kind, 1);
    EXPECT_EQ(second.pattern, mask(1));
    EXPECT_EQ(std::get<CBasePoint *>(query().GetChild(rows[4].node, 0).object),
              input(1)->GetBasePointAt(0));

    m_fixture.document.SetActiveMaskDoc(nullptr);
    EXPECT_EQ(query().GetChildCount(rows[0].node), 0);
}

TEST_F(ViewShapeQueryTest, GroupsAreShownAsTheDisplaySwitchesSay)
{
    CDisplayFlags &flags = m_fixture.flags();
    struct Row
    {
        const char *name;
        std::function<void()> change;
        bool regions;
        bool inputPatterns;
        bool maskPatterns;
        bool sizes;
    };
    const Row rows[] = {
        {"defaults", [] {}, true, true, true, false},
        {"regions and input patterns hidden",
         [&flags] {
             flags.SetShowMaskRegions(false);
             flags.SetShowInputPatterns(false);
         },
         false, false, true, false},
        {"graded, guide patterns hidden",
         [&flags] {
             flags.SetShowMaskRegions(true);
             flags.SetShowInputPatterns(true);
             flags.SetShowGuidePatterns(false);
             flags.SetShowGrading(true);
         },
         true, true, false, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        row.change();
        for (int group = 0; group < 3; ++group)
            EXPECT_EQ(query().IsGroupShown(group), row.regions);
        EXPECT_EQ(query().IsGroupShown(3), row.inputPatterns);
        EXPECT_EQ(query().IsGroupShown(4), row.maskPatterns);
        EXPECT_EQ(query().IsGroupShown(5), row.sizes);
        EXPECT_TRUE(query().IsGroupShown(6));
    }
    COptions::GetInstance()->m_pShowBkgrdRegion->SetValue(false);
    EXPECT_FALSE(query().IsGroupShown(1));
}

TEST_F(ViewShapeQueryTest, PatternsAreSelectableUnderTheirOwnGroupOnlyAndInputOnesWhileShown)
{
    EXPECT_TRUE(query().IsNodeSelectable(patternNode(4, mask(0))));
    EXPECT_FALSE(query().IsNodeSelectable(patternNode(3, mask(0))));
    EXPECT_TRUE(query().IsNodeSelectable(patternNode(3, input(0))));
    EXPECT_FALSE(query().IsNodeSelectable(patternNode(4, input(0))));
    input(0)->GetInputPattern()->ClearFlagged();
    EXPECT_FALSE(query().IsNodeSelectable(patternNode(3, input(0))));

    EXPECT_TRUE(query().IsNodeSelectable(pointNode(3, input(1), 1)));
    EXPECT_TRUE(query().IsNodeSelectable({0, 0, 0, 0, m_region, nullptr}));
    EXPECT_TRUE(query().IsNodeSelectable({5, 3, 5, 0, {}, input(1)}));
    EXPECT_FALSE(query().IsNodeSelectable({5, 3, 7, 0, {}, input(1)}));
}

TEST_F(ViewShapeQueryTest, MarkersAndNamesFollowTheirSwitches)
{
    query().SetGradePointSwitch(false);
    m_fixture.view->SetInputFilterFlag(true);
    m_fixture.view->SetFocusFilterFlag(false);
    struct Row
    {
        const char *name;
        int group;
        int subKind;
        bool enabled;
    };
    const Row rows[] = {{"input marker", 3, 1, false}, {"input name", 3, 5, true},
                        {"mask marker", 4, 1, false},  {"mask name", 4, 5, false},
                        {"other element", 4, 2, true}, {"other group", 5, 5, true}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const ShapeQueryNode node = pointNode(row.group, input(0), row.subKind);
        EXPECT_EQ(query().IsNodeEnabled(node), row.enabled);
    }
    EXPECT_FALSE(query().IsNodeEnabled({1, 3, 6, 0, {}, input(0)}));
    EXPECT_TRUE(m_fixture.view->GetInputFilterFlag());
    EXPECT_FALSE(m_fixture.view->GetMarkerFilterFlag());
}

TEST_F(ViewShapeQueryTest, NodesTakeTheColoursOfTheirKeys)
{
    const COptions &options = *COptions::GetInstance();
    const auto colour = [](const IOptionInt *option) { return uint32_t(option->GetValue()); };
    struct Row
    {
        const char *name;
        ShapeQueryNode node;
        uint32_t flags;
        uint32_t colour;
    };
    const Row rows[] = {
        {"region border", {0, 0, 0, 1, {}, nullptr}, 0, colour(options.m_pRegionBorder)},
        {"selected border", {0, 0, 0, 1, {}, nullptr}, 2, colour(options.m_pSelectedObjects)},
        {"direction", {0, 0, 0, 5, {}, nullptr}, 0, colour(options.m_pFormulaDirection)},
        {"selected direction", {0, 0, 0, 5, {}, nullptr}, 2, colour(options.m_pSelectedObjects)},
        {"work area", {2, 3, 2, 0, {}, input(0)}, 0, colour(options.m_pBkgrdWorkArea)},
        {"mask point name", pointNode(4, mask(0), 5), 0, 0x808080},
        {"input point name", pointNode(3, input(0), 5), 0, 0},
        {"mask part name", {5, 4, 5, 5, {}, mask(0)}, 0, 0x808080},
        {"anything else", {2, 3, 2, 1, {}, mask(0)}, 2, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(query().GetNodeColor(row.node, row.flags), row.colour);
    }
}

TEST_F(ViewShapeQueryTest, NodesOfTheActiveObjectAreActive)
{
    m_fixture.select(input(0), CFocusObject::kPattern);
    EXPECT_EQ(query().GetActiveState(patternNode(3, input(0))), 2);
    EXPECT_EQ(query().GetActiveState(pointNode(3, input(0), 1)), 2);
    EXPECT_EQ(query().GetActiveState({8, 3, 8, 0, input(0)->GetPatternPolylineAt(0), input(0)}), 2);
    EXPECT_EQ(query().GetActiveState(patternNode(3, input(1))), 1);
    EXPECT_EQ(query().GetActiveState({0, 0, 0, 0, m_region, nullptr}), 1);
    m_fixture.select(m_region, CFocusObject::kRegion);
    EXPECT_EQ(query().GetActiveState({0, 0, 0, 0, m_region, nullptr}), 2);
}
