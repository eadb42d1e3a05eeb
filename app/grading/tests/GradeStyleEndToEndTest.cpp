// Morvane program grading tests.
// A style graded without any window: an AAMA file and a table set in, formulas of several kinds
// on a mask, graded and saved as AAMA DXF and RUL, and read back; and a style drawn in inches.
#include "RegionFixtures.h"
#include "RulFileRules.h"
#include "SavedGrading.h"
#include "SourcePath.h"
#include "TemporaryFolder.h"
#include "app/grading/testing/MaskFormulas.h"
#include "app/grading/testing/StyleOnMask.h"
#include "formulas/DartPatternFormula.h"
#include "formulas/GlobPropDistFormula.h"
#include "formulas/GradeRegionFormula.h"
#include "formulas/PathPatternFormula.h"
#include "formulas/PointFormulaIncrement.h"
#include "model/Contour.h"
#include "model/InputPattern.h"
#include "model/MaskPattern.h"
#include "sources/aama-reader/AAMAData.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using testgrading::Increment;

constexpr int kSizes = 6;
constexpr int kBase = 2;

class GradeStyleEndToEndTest : public ::testing::Test
{
protected:
    /// The points no formula grades keep their grading: every value is worked out by hand.
    GradeStyleEndToEndTest()
    {
        EXPECT_EQ(m_style.GetProblem(), "");
        m_style.manager().SetGradePointOptions({false, false});
    }

    void gradeAndSave()
    {
        ASSERT_TRUE(m_style.grade());
        ASSERT_EQ(m_style.model->Save(), GM_NO_ERROR) << m_style.model->GetLastError();
        const auto &problems = m_style.messages.problems;
        EXPECT_TRUE(problems.empty()) << (problems.empty() ? "" : problems[0]);
    }

    void expectSavedGrading(const std::vector<testgrading::ExpectedGrading> &expected) const
    {
        testgrading::expectSavedGrading(m_folder.path(), kSizes, expected);
    }

    TemporaryFolder m_folder{"grade-style"};
    testgrading::StyleOnMask m_style{sourcePath("sources/aama-model/tests/data/shirt.dxf"),
                                     sourcePath("app/grading/tests/data/women.mst"),
                                     m_folder / "graded.dxf"};
};

DPOINT steps(int size, double x, double y)
{
    return {x * (size - kBase), y * (size - kBase)};
}

// The base point of the first input pattern that lies at (x, y) millimetres; -1 for none.
int pointAt(const testgrading::StyleOnMask &style, double x, double y)
{
    for (int i = 0; i < style.inputPoint(0, 0)->GetParent()->GetBasePointCount(); ++i) {
        const DPOINT at = style.filePosition(0, i);
        if (std::hypot(at.x - x, at.y - y) < 1e-6)
            return i;
    }
    return -1;
}

// The rule that the saved file labels at (x, y) in inches; -1 for none.
int ruleAt(const IAAMAData &data, double x, double y)
{
    for (int v = 0; v < data.GetVertexCount(0, -1); ++v) {
        int flags = 0;
        int rule = -1;
        double notch[2] = {};
        const morvane::AamaPosition at = data.GetVertex(0, -1, v, flags, rule, notch);
        if (std::hypot(at.x - x, at.y - y) < 1e-6)
            return rule;
    }
    return -1;
}

DPOINT outsideBase(int size, double x, double y)
{
    return size == kBase ? DPOINT{0, 0} : DPOINT{x, y};
}

} // namespace

TEST_F(GradeStyleEndToEndTest, EveryRuleOfTheSavedStyleMovesAsItsFormulasSay)
{
    ASSERT_EQ(m_style.patternCount(), 2);
    // FRONT: a measure and a step, and a point graded like it; BACK: a fixed increment.
    using testgrading::addIncrement;
    testgrading::addLikePoint(m_style.formulas(), m_style.maskPoint(0, 1), m_style.maskPoint(0, 0));
    addIncrement(m_style.formulas(), m_style.maskPoint(0, 0), "waist/40", "%INC(0.5)");
    CPointFormulaIncrement *back =
        addIncrement(m_style.formulas(), m_style.maskPoint(1, 0), "1.25", "-0.75");
    // A grade region across both pieces (FRONT's (10, 12), BACK's (40, 10)), running up.
    CGradeRegion *region =
        testmodel::addRegion(m_style.mask(), testmodel::boxShape(-1, 9, 41, 13), REGION_GRADE);
    auto *across = static_cast<CGradeRegionFormula *>(
        m_style.formulas().AddNewRegionFormula(CGradeRegionFormula::kFormulaType, nullptr, region));
    across->GetParam(0)->SetValue("hip/80");

    gradeAndSave();

    // waist grows by 30 a size: waist/40 is 0.75 a size; hip by 40: hip/80 is 0.5.
    const Increment front = [](int s) { return steps(s, 0.75, 0.5); };
    const Increment inRegion = [](int s) { return steps(s, 0, 0.5); };
    expectSavedGrading(
        {{m_style.filePosition(0, 0), front},
         {m_style.filePosition(0, 1), front},
         {{10, 12}, inRegion},
         {{40, 10}, inRegion},
         {m_style.filePosition(1, 0), [](int s) { return outsideBase(s, 1.25, -0.75); }}});

    // Grading again with a changed formula gives the changed result, nothing of the last.
    back->SetParamText(0, "hip/20");
    gradeAndSave();

    expectSavedGrading({{m_style.filePosition(0, 0), front},
                        {m_style.filePosition(0, 1), front},
                        {{10, 12}, inRegion},
                        {{40, 10}, inRegion},
                        {m_style.filePosition(1, 0), [](int s) {
                             return DPOINT{2.0 * (s - kBase), s == kBase ? 0 : -0.75};
                         }}});
}

TEST_F(GradeStyleEndToEndTest, AFormulaTheParserRefusesStopsItsPieceAndTheOtherPieceStillGrades)
{
    using testgrading::addIncrement;
    addIncrement(m_style.formulas(), m_style.maskPoint(0, 0), "1/0", "0");
    addIncrement(m_style.formulas(), m_style.maskPoint(1, 0), "1.25", "-0.75");

    EXPECT_FALSE(m_style.grade());
    ASSERT_EQ(m_style.messages.problems.size(), 1u);
    EXPECT_NE(m_style.messages.problems[0].find("\"%PA(0,0,"), std::string::npos)
        << m_style.messages.problems[0];
    ASSERT_EQ(m_style.model->Save(), GM_NO_ERROR) << m_style.model->GetLastError();

    expectSavedGrading(
        {{m_style.filePosition(1, 0), [](int s) { return outsideBase(s, 1.25, -0.75); }}});
}

TEST_F(GradeStyleEndToEndTest, ADartGradesItsThreePointsTogether)
{
    // FRONT's dart: legs from (0, 0) and (20, 0) to the apex (10, 12), so it opens along x and
    // runs up y. Per size step: 1 deeper, 2 wider on both legs alike, moved by hip/80 (0.5).
    auto *dart = static_cast<CDartPatternFormula *>(
        m_style.formulas().AddFormula(m_style.formulas().MakePatternFormula(
            CDartPatternFormula::kFormulaType, nullptr,
            m_style.maskPoint(0, 0)->GetParent())));
    dart->SetIndexPoint(0, m_style.maskPoint(0, 0));
    dart->SetIndexPoint(1, m_style.maskPoint(0, 2));
    dart->SetIndexPoint(2, m_style.maskPoint(0, 1));
    dart->SetDepthText("%INC(1)");
    dart->SetOpeningText("%INC(2)");
    dart->SetMovementText("hip/80");
    dart->SetSymmetric(true);

    gradeAndSave();

    expectSavedGrading({{m_style.filePosition(0, 0), [](int s) { return steps(s, -0.5, 0); }},
                        {m_style.filePosition(0, 2), [](int s) { return steps(s, 0.5, 1); }},
                        {m_style.filePosition(0, 1), [](int s) { return steps(s, 1.5, 0); }}});
}

TEST_F(GradeStyleEndToEndTest, AProportionalDistanceSpreadsItsEndsAlongAPath)
{
    // FRONT's outline the long way from (0, 0) to (20, 0): up to (0, 10), over the top point
    // (10, 12), down by (20, 10). The proportional distance grades the path's points between
    // its ends, which stay as graded: (0, 0) by nothing, (20, 0) by its increment. The top point
    // lies halfway along, so it takes half of (20, 0)'s movement.
    auto *mask = static_cast<CMaskPattern *>(m_style.maskPoint(0, 0)->GetParent());
    auto path = std::make_unique<CPathPatternFormula>();
    path->SetPattern(mask);
    path->SetVarName("rim");
    path->SetFirstPoint(m_style.maskPoint(0, 0)->GetMaskPoint());
    path->SetLastPoint(m_style.maskPoint(0, 1)->GetMaskPoint());
    path->SetReverse(false);
    path->SetOwner(&m_style.mask());
    auto *rim = m_style.formulas().AddFormula(std::move(path));
    auto *spread = static_cast<CGlobPropDistFormula *>(m_style.formulas().AddFormula(
        m_style.formulas().MakeGlobalFormula(CBaseRelativeFormula::kOwnPathsType, nullptr)));
    spread->SetRelative(false);
    spread->AddPathProperty(rim);
    CPointFormulaIncrement *end = testgrading::addIncrement(
        m_style.formulas(), m_style.maskPoint(0, 1), "%INC(2)", "%INC(1)");

    gradeAndSave();

    expectSavedGrading({{m_style.filePosition(0, 1), [](int s) { return steps(s, 2, 1); }},
                        {m_style.filePosition(0, 2), [](int s) { return steps(s, 1, 0.5); }}});

    // Grading again with the end's increment changed moves the top point by the new half.
    end->SetParamText(1, "%INC(-3)");
    gradeAndSave();

    expectSavedGrading({{m_style.filePosition(0, 1), [](int s) { return steps(s, 2, -3); }},
                        {m_style.filePosition(0, 2), [](int s) { return steps(s, 1, -1.5); }}});
}

// The sleeve of 12 by 10 inches lies on the mask at its size in millimetres, large enough to be
// associated, and an increment of 2 mm a size moves its corner by 2 / 25.4 inch a size.
TEST(InchStyleEndToEndTest, GradesAnInchStyleInMillimetresAndSavesItInInches)
{
    TemporaryFolder folder("inch-style");
    testgrading::StyleOnMask style(sourcePath("sources/aama-reader/tests/data/inch-seam-style.dxf"),
                                   sourcePath("app/grading/tests/data/women.mst"),
                                   folder.path() / "graded.dxf");
    ASSERT_EQ(style.GetProblem(), "");
    ASSERT_EQ(style.patternCount(), 1);
    const CDRect outline = style.mask().GetPatternAt(0)->GetOutContour()->GetAbsRect();
    EXPECT_NEAR(outline.maxX - outline.minX, 12 * 25.4, 1e-6);
    EXPECT_NEAR(outline.maxY - outline.minY, 10 * 25.4, 1e-6);

    const int corner = pointAt(style, 12 * 25.4, 10 * 25.4);
    ASSERT_GE(corner, 0);
    testgrading::addIncrement(style.formulas(), style.maskPoint(0, corner), "%INC(2)", "0");
    style.manager().SetGradePointOptions({false, false});
    ASSERT_TRUE(style.grade());
    ASSERT_EQ(style.model->Save(), GM_NO_ERROR) << style.model->GetLastError();

    AAMAData saved;
    ASSERT_TRUE(saved.Load(folder.path() / "graded.dxf")) << saved.GetLoadError();
    EXPECT_EQ(saved.GetIAAMADataItf()->GetUnits(), 2);
    const int rule = ruleAt(*saved.GetIAAMADataItf(), 12, 10);
    ASSERT_GE(rule, 0);
    const auto rules = readRulRules(folder.path() / "graded.RUL");
    ASSERT_EQ(rules.count(std::to_string(rule)), 1u);
    const std::vector<DPOINT> &deltas = rules.at(std::to_string(rule));
    ASSERT_EQ(deltas.size(), static_cast<std::size_t>(kSizes));
    for (int s = 0; s < kSizes; ++s) {
        SCOPED_TRACE(s);
        EXPECT_NEAR(deltas[s].x, steps(s, 2.0 / 25.4, 0).x, 0.006);
        EXPECT_NEAR(deltas[s].y, 0.0, 0.006);
    }
}
