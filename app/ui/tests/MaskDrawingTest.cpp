// Morvane main window, view and interaction, tests.
// The drawing of the active grade mask, read from the pixels where the view puts world points.
// MORVANE_VIEW_PNG=<file> saves the picture of the first test for a person to look at.
#include "RegionFixtures.h"
#include "StyleView.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/FocusObject.h"
#include "app/interaction/InteractionModes.h"
#include "app/interaction/MeasureLine.h"
#include "app/ui/options/Options.h"
#include "formulas/GradeRegionFormula.h"
#include "model/BasePoint.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"
#include "model/IBaseFormula.h"
#include "model/InputPattern.h"
#include "model/MaskPoint.h"
#include "model/Pattern.h"
#include "model/Polyline.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/Task.h"
#include "tasks/TaskManager.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>
#include <utility>
#include <vector>

using testview::qtColour;
using testview::StyleView;

namespace {

COptions &options()
{
    return *COptions::GetInstance();
}

uint32_t colourOf(const IOptionInt *option)
{
    return static_cast<uint32_t>(option->GetValue());
}

// FRONT in the base size: its bottom edge runs from (0, 0) to (20, 0), its apex is (10, 12) and
// its notch runs from (20, 10) 2 mm to the left.
constexpr DPOINT kFrontBottom{5.0, 0.0};
constexpr DPOINT kFrontApex{10.0, 12.0};
constexpr DPOINT kFrontNotch{18.8, 10.0};

DPOINT onMask(DPOINT base)
{
    return {base.x, base.y + StyleView::kMaskShift};
}

CPattern *inputFront(StyleView &fixture)
{
    return fixture.inputPattern(0);
}

CPolyline *backLine(StyleView &fixture)
{
    return fixture.inputPattern(1)->GetPatternPolylineAt(0);
}

} // namespace

TEST(MaskDrawingTest, DrawsTheGradedStyleOnItsMask)
{
    StyleView fixture;
    fixture.flags().SetShowGrading(true);
    fixture.view->SetInputFilterFlag(true);
    fixture.view->SetFocusFilterFlag(true);
    // A grade region under the style, graded along its direction; the mask's BACK picked.
    CGradeRegion *region = testmodel::addRegion(
        fixture.mask(), testmodel::boxShape(-20, -25, 60, -10), REGION_GRADE);
    fixture.mask().GetFormulas().AddNewRegionFormula(CGradeRegionFormula::kFormulaType, nullptr,
                                                   region);
    fixture.select(fixture.maskPattern(1), CFocusObject::kPattern);
    fixture.view->ZoomAll();
    const QImage image = fixture.render();
    if (const char *file = std::getenv("MORVANE_VIEW_PNG")) {
        EXPECT_TRUE(image.save(file)) << file;
    }

    EXPECT_EQ(fixture.colourAt(image, onMask(kFrontBottom)),
              qtColour(colourOf(options().m_pColBoxPieceMask)));
    EXPECT_EQ(fixture.colourAt(image, onMask({35, 0})),
              qtColour(colourOf(options().m_pSelectedObjects)));
    EXPECT_EQ(fixture.colourAt(image, kFrontBottom), qtColour(colourOf(options().m_pPieceLines)));
    EXPECT_EQ(fixture.colourAt(image, {50, -20}), qtColour(options().GetRegionColour(0)));
}

TEST(MaskDrawingTest, SelectedMaskPatternLiesOnTopInTheSelectionColour)
{
    StyleView fixture;
    // The mask's FRONT moved down onto the input FRONT, which is drawn after it.
    CPattern *maskFront = fixture.mask().GetPatternAt(0);
    IPatternLocation *location = maskFront->GetPatternLocation();
    location->SetPosition(location->GetPosX(), location->GetPosY() - StyleView::kMaskShift);
    const QColor selected = qtColour(colourOf(options().m_pSelectedObjects));

    EXPECT_NE(fixture.colourAt(fixture.render(), kFrontBottom), selected);
    fixture.select(maskFront, CFocusObject::kPattern);
    EXPECT_EQ(fixture.colourAt(fixture.render(), kFrontBottom), selected);
}

TEST(MaskDrawingTest, SelectedInputPatternIsDrawnInTheSelectionColourInTheActiveSize)
{
    StyleView fixture;
    fixture.select(inputFront(fixture), CFocusObject::kPattern);
    const QImage image = fixture.render();
    EXPECT_EQ(fixture.colourAt(image, kFrontBottom),
              qtColour(colourOf(options().m_pSelectedObjects)));
    EXPECT_EQ(fixture.colourAt(image, onMask(kFrontBottom)),
              qtColour(colourOf(options().m_pColBoxPieceMask)));
}

TEST(MaskDrawingTest, EachShownSizeTakesTheCustomColourOfItsPlaceInTheList)
{
    StyleView fixture;
    fixture.flags().SetShowGrading(true);
    const QImage image = fixture.render();
    // Table size t is shown at t, t + 6 and t + 12 (below 17); the last drawn lies on top, so
    // size 4 shows the colour of the 17th shown size, which is the 1st's.
    struct Row
    {
        int tableSize;
        int colourIndex;
    };
    for (const Row row : {Row{0, 12}, Row{1, 13}, Row{3, 15}, Row{4, 0}, Row{5, 11}}) {
        SCOPED_TRACE(row.tableSize);
        EXPECT_EQ(fixture.colourAt(image, StyleView::inSize(kFrontApex, row.tableSize)),
                  qtColour(options().m_aPatternColours[static_cast<size_t>(row.colourIndex)]));
    }
}

TEST(MaskDrawingTest, APatternWithoutOutlineColourTakesThePieceColours)
{
    struct Row
    {
        const char *name;
        uint32_t outline;
        uint32_t line;
        uint32_t notch;
    };
    const Row rows[] = {{"colour 0", 0, 0x123456, 0x654321},
                        {"never set", 0xFFFFFFFF, 0x123456, 0x654321},
                        {"its own", 0x3366AA, 0x3366AA, 0x3366AA}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        StyleView fixture;
        options().m_pPieceLines->SetValue(0x123456);
        options().m_pPieceNotches->SetValue(0x654321);
        inputFront(fixture)->SetOutlineColor(row.outline);
        const QImage image = fixture.render();
        EXPECT_EQ(fixture.colourAt(image, kFrontBottom), qtColour(row.line));
        EXPECT_EQ(fixture.colourAt(image, kFrontNotch), qtColour(row.notch));
    }
}

TEST(MaskDrawingTest, PointNamesAreGreyOnTheMaskAndBlackOnInputPatterns)
{
    StyleView fixture;
    // Lines and markers in red, so that every grey pixel is a name's.
    options().m_pColBoxPieceMask->SetValue(0x0000FF);
    options().m_pPieceLines->SetValue(0x0000FF);
    options().m_pPieceMarkers->SetValue(0x0000FF);
    const auto grey = [](int darkest) {
        return [darkest](const QColor &c) {
            return c.red() == c.green() && c.green() == c.blue() && c.red() >= darkest &&
                   c.red() < 250;
        };
    };
    const auto black = [](const QColor &c) { return c.red() + c.green() + c.blue() < 150; };
    // A name is written below and to the right of its point.
    const QRect name(0, 0, 20, 12);
    const auto names = [&](const QImage &image) {
        return std::pair{fixture.anyPixel(image, onMask(kFrontApex), name, grey(0)),
                         fixture.anyPixel(image, kFrontApex, name, grey(0))};
    };

    EXPECT_EQ(names(fixture.render()), std::pair(false, false));
    fixture.view->SetFocusFilterFlag(true);
    fixture.view->SetInputFilterFlag(true);
    const QImage image = fixture.render();
    EXPECT_EQ(names(image), std::pair(true, true));
    EXPECT_FALSE(fixture.anyPixel(image, onMask(kFrontApex), name, black));
    EXPECT_TRUE(fixture.anyPixel(image, kFrontApex, name, black));
    EXPECT_TRUE(fixture.anyPixel(image, onMask(kFrontApex), name, grey(128)));
}

TEST(MaskDrawingTest, RegionsAreFilledByTheirFormulasColourIndex)
{
    StyleView fixture;
    options().m_pBkgrdRegion->SetValue(0x0000C0);
    options().m_pBkgrdRegion2->SetValue(0x00C000);
    options().m_pBkgrdRegion3->SetValue(0xC00000);
    options().m_pBkgrdRegion4->SetValue(0xC0C000);
    options().m_pBkgrdRegionExclude->SetValue(0x00C0C0);
    options().m_pBkgrdRegionOnly->SetValue(0xC000C0);
    struct Row
    {
        int formulaType; // -1: no formula
        int colourIndex;
        uint32_t fill;
    };
    const Row rows[] = {{0, 0, 0x0000C0},  {0, 1, 0x00C000},   {0, 2, 0xC00000},  {0, 3, 0xC0C000},
                        {0, -1, 0x0000C0}, {-1, -1, 0x00C0C0}, {13, -1, 0xC000C0}};
    std::vector<DPOINT> inside;
    double x = 0.0;
    for (const Row &row : rows) {
        CGradeRegion *region = testmodel::addRegion(
            fixture.mask(), testmodel::boxShape(x, -30, x + 8, -20), REGION_GRADE);
        if (row.formulaType >= 0) {
            IBaseFormula *formula =
                fixture.mask().GetFormulas().AddNewRegionFormula(row.formulaType, nullptr, region);
            if (row.colourIndex >= 0)
                fixture.maskDoc().SetColourIndex(formula, row.colourIndex);
        }
        inside.push_back({x + 1.5, -21.5});
        x += 10.0;
    }
    fixture.view->ZoomAll();
    const QImage image = fixture.render();
    for (size_t i = 0; i < inside.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(fixture.colourAt(image, inside[i]), qtColour(rows[i].fill));
    }
}

TEST(MaskDrawingTest, RegionLikePointAndGlobalInterpolationGetALabelButNoArrow)
{
    StyleView fixture;
    options().m_pShowBkgrdRegion->SetValue(false);
    const uint32_t direction = colourOf(options().m_pFormulaDirection);
    struct Row
    {
        int formulaType;
        bool arrow;
    };
    const Row rows[] = {{CGradeRegionFormula::kFormulaType, true}, {13, false}, {24, false}};
    std::vector<IRegion *> regions;
    std::vector<IBaseFormula *> formulas;
    double x = 0.0;
    for (const Row &row : rows) {
        CGradeRegion *region = testmodel::addRegion(
            fixture.mask(), testmodel::boxShape(x, -30, x + 8, -20), REGION_GRADE);
        regions.push_back(region);
        formulas.push_back(
            fixture.mask().GetFormulas().AddNewRegionFormula(row.formulaType, nullptr, region));
        x += 20.0;
    }
    fixture.view->ZoomAll();
    const QImage image = fixture.render();
    const double pixel = fixture.view->PixelsToWorld(1);
    for (size_t i = 0; i < regions.size(); ++i) {
        SCOPED_TRACE(rows[i].formulaType);
        const DPOINT position = regions[i]->GetPosition();
        // The arrow runs 16 pixels up from the region's position; the label starts 26 up.
        EXPECT_EQ(fixture.colourAt(image, {position.x, position.y + 8 * pixel}) ==
                      qtColour(direction),
                  rows[i].arrow);
        if (rows[i].formulaType == CGradeRegionFormula::kFormulaType)
            continue;
        EXPECT_FALSE(fixture.view->GetRegionLabel(formulas[i]).empty());
        const QColor background = qtColour(colourOf(options().m_pBkgrdWorkArea));
        EXPECT_TRUE(fixture.anyPixel(image, {position.x, position.y + 26 * pixel},
                                     QRect(0, 0, 30, 10),
                                     [&](const QColor &c) { return c != background; }));
    }
}

TEST(MaskDrawingTest, TheRunningToolsDecorationsLieWhereTheirObjectsSay)
{
    constexpr uint32_t kDarkGreen = 0x008000;
    constexpr uint32_t kBlue = 0xFF0000;
    using Place = std::function<DPOINT(StyleView &)>;
    const auto at = [](DPOINT point) { return [point](StyleView &) { return point; }; };
    // The middle of the first segment of BACK's first line.
    const auto backLineMiddle = [](StyleView &fixture) {
        std::vector<DPOINT> shape;
        backLine(fixture)->GetShape(nullptr, shape, nullptr);
        return DPOINT{(shape[0].x + shape[1].x) / 2, (shape[0].y + shape[1].y) / 2};
    };
    const auto firstGradePoint = [](int pattern) {
        return [pattern](StyleView &fixture) {
            return fixture.inputPattern(pattern)->GetGradePointAt(0)->GetAbsPosition();
        };
    };
    struct Row
    {
        const char *name;
        std::function<void(StyleView &)> setUp;
        Place place;
        QPoint offset;
        std::function<uint32_t()> colour;
    };
    const Row rows[] = {
        {"measure line",
         [](StyleView &fixture) {
             CMeasureLine &line = *fixture.maskDoc().GetMeasureLine();
             line.m_oStart = {-5, 25};
             line.m_oEnd = {5, 25};
             line.SetActive(true);
         },
         at({0, 25}),
         {0, 0},
         [] { return kDarkGreen; }},
        {"measure point, left arm of its cross",
         [](StyleView &fixture) {
             auto *point = new CMaskPoint;
             point->SetX(25);
             point->SetY(25);
             fixture.document.AddItem(point);
         },
         at({25, 25}),
         {-3, 0},
         [] { return kDarkGreen; }},
        {"focus point while points snap, right side of its square",
         [](StyleView &fixture) {
             fixture.maskDoc().GetTaskManager()->GetMainTask()->GetAttributes()->SetInteger("nSnapMode", 1);
             auto focus = CFocusObject::Create(fixture.inputPattern(0), CFocusObject::kPoint);
             focus->SetPosition({45, 25});
             fixture.maskDoc().GetFocusManager()->SetFocusObject(std::move(focus));
         },
         at({45, 25}),
         {3, 0},
         [] { return colourOf(options().m_pPieceFocusPoint); }},
        {"active grade point in point selection",
         [](StyleView &fixture) {
             fixture.maskDoc().GetInteractionModes()->SetSelectionMode(1);
             fixture.maskDoc().GetFocusManager()->SetActivePoint(fixture.inputPattern(0)->GetGradePointAt(0));
         },
         firstGradePoint(0),
         {1, 1},
         [] { return kBlue; }},
        {"highlighted line",
         [](StyleView &fixture) { fixture.maskDoc().SetHighlightedItem(backLine(fixture)); },
         backLineMiddle,
         {0, 0},
         [] { return kBlue; }},
        {"picked line",
         [](StyleView &fixture) {
             fixture.maskDoc().AddFocusPolyline(
                 CFocusObject::Create(backLine(fixture), CFocusObject::kPolyline));
         },
         backLineMiddle,
         {0, 0},
         [] { return kBlue; }},
        {"mask centre picked, right of its circle",
         [](StyleView &fixture) {
             fixture.select(&fixture.mask(), CFocusObject::kMaskCentre);
         },
         at({0, 0}),
         {3, 0},
         [] { return colourOf(options().m_pSelectedObjects); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        StyleView fixture;
        const DPOINT world = row.place(fixture);
        const QPoint pixel = fixture.view->WorldToClient(world.x, world.y) + row.offset;
        EXPECT_NE(fixture.render().pixelColor(pixel), qtColour(row.colour()));
        row.setUp(fixture);
        EXPECT_EQ(fixture.render().pixelColor(pixel), qtColour(row.colour()));
    }
}

TEST(MaskDrawingTest, OnlyTheBackgroundWithoutActiveMaskOrWhileDrawingIsSuspended)
{
    struct Row
    {
        const char *name;
        bool mask;
        bool suspended;
    };
    for (const Row row : {Row{"no active mask", false, false}, Row{"suspended", true, true}}) {
        SCOPED_TRACE(row.name);
        StyleView fixture;
        if (!row.mask)
            fixture.document.SetActiveMaskDoc(nullptr);
        fixture.document.SetFailed(row.suspended);
        const QImage image = fixture.render();
        const QColor background = qtColour(colourOf(options().m_pBkgrdWorkArea));
        bool onlyBackground = true;
        for (int y = 0; y < image.height() && onlyBackground; ++y) {
            for (int x = 0; x < image.width() && onlyBackground; ++x)
                onlyBackground = image.pixelColor(x, y) == background;
        }
        EXPECT_TRUE(onlyBackground);
    }
}
