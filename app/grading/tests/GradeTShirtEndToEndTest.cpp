// Morvane program grading tests.
// A T-shirt as another pattern system exports it, placed turned and face down on a mask, graded
// over seven sizes with uneven steps by formulas of every kind a style needs, saved as AAMA DXF
// and RUL, and read back.
#include "GeneratedTShirt.h"
#include "MaskFixtures.h"
#include "RegionFixtures.h"
#include "SavedGrading.h"
#include "TemporaryFolder.h"
#include "app/grading/testing/MaskFormulas.h"
#include "app/grading/testing/StyleOnMask.h"
#include "formulas/GradeRegionFormula.h"
#include "formulas/PointFormulaLikePoint.h"
#include "sources/aama-model/AamaDxfWriter.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {

using testgrading::ExpectedGrading;

constexpr int kSizes = 7;
constexpr int kBase = 2;
// The table's measures less their base values, size by size.
constexpr double kChest[kSizes] = {-80, -40, 0, 40, 100, 160, 230};
constexpr double kLength[kSizes] = {-20, -10, 0, 10, 25, 40, 55};

enum Piece { kFront, kBack, kSleeve, kNeckband };

/// An increment given on the mask, turned into a piece's own frame, in which the RUL file holds
/// it. FRONT lies turned by 90 degrees and face down (its (x, y) lies along the mask's (y, x)),
/// BACK turned by 180 degrees (along (-x, -y)), SLEEVE face down (along (x, -y)), NECKBAND turned
/// by 270 degrees (along (y, -x)).
DPOINT ownFrame(Piece piece, DPOINT onMask)
{
    switch (piece) {
    case kFront:
        return {onMask.y, onMask.x};
    case kBack:
        return {-onMask.x, -onMask.y};
    case kSleeve:
        return {onMask.x, -onMask.y};
    case kNeckband:
        return {-onMask.y, onMask.x};
    }
    return onMask;
}

/// The point of the file at filePosition moves by onMask(size) on the mask, nothing in the base
/// size.
ExpectedGrading expect(Piece piece, DPOINT filePosition, const std::function<DPOINT(int)> &onMask)
{
    return {filePosition, [piece, onMask](int s) {
                return s == kBase ? DPOINT{0, 0} : ownFrame(piece, onMask(s));
            }};
}

double distance(DPOINT a, DPOINT b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

/// The share of the second neighbour in "%IPL(p, first, second)": the point's base distance from
/// the first over the sum of its distances from both.
double interpolationShare(DPOINT point, DPOINT first, DPOINT second)
{
    return distance(point, first) / (distance(point, first) + distance(point, second));
}

DPOINT blend(DPOINT first, DPOINT second, double share)
{
    return {(1 - share) * first.x + share * second.x, (1 - share) * first.y + share * second.y};
}

/// The T-shirt written by the project's own AAMA writer beside its table set, on a mask made
/// from its pieces as they lie.
class GradeTShirtEndToEndTest : public ::testing::Test
{
protected:
    GradeTShirtEndToEndTest() { m_style.manager().SetGradePointOptions(kOptions); }

    static std::filesystem::path writtenStyle(const TemporaryFolder &folder)
    {
        WriteAamaDxf(testgrading::tShirtStyle(), folder / "tshirt.dxf");
        testgrading::writeTShirtSizes(folder / "sizes.mst");
        return folder / "tshirt.dxf";
    }

    CBasePoint *maskPoint(Piece piece, int i) const { return m_style.maskPoint(piece, i); }

    void addIncrement(Piece piece, int i, const std::string &x, const std::string &y)
    {
        testgrading::addIncrement(m_style.formulas(), maskPoint(piece, i), x, y);
    }

    CPointFormulaLikePoint *addLikePoint(Piece piece, int i, int reference)
    {
        return testgrading::addLikePoint(m_style.formulas(), maskPoint(piece, i),
                                         maskPoint(piece, reference));
    }

    /// The point mirrored about the mask's X axis.
    void addMirror(Piece piece, int i, int reference)
    {
        testgrading::addMirror(m_style.formulas(), maskPoint(piece, i),
                               maskPoint(piece, reference));
    }

    /// A box around BACK's neck points on the mask, graded along its direction (up the mask).
    void addNeckRegion(const std::string &text)
    {
        const DPOINT left = m_style.inputPoint(kBack, 4)->GetAbsPosition();
        const DPOINT right = m_style.inputPoint(kBack, 5)->GetAbsPosition();
        CGradeRegion *region = testmodel::addRegion(
            m_style.mask(),
            testmodel::boxShape(std::min(left.x, right.x) - 10, left.y - 5,
                                std::max(left.x, right.x) + 10, left.y + 5),
            REGION_GRADE);
        auto *formula = static_cast<CGradeRegionFormula *>(m_style.formulas().AddNewRegionFormula(
            CGradeRegionFormula::kFormulaType, nullptr, region));
        formula->GetParam(0)->SetValue(text);
    }

    /// The style's formulas (mask frame):
    /// - FRONT: the hem and underarm on one side by measures, the other side their mirror
    ///   images; the shoulder and neck point of that side mirror the two points across from them,
    ///   which no formula grades (mirrored free neighbours);
    /// - BACK: hem and underarms by measures, the shoulders like the difference of an underarm
    ///   and the hem point below it, the neck points by a grade region;
    /// - SLEEVE: hem and underarms by measures and steps; the cap top (a rule point on the cap
    ///   curve) and the drill hole have no formula;
    /// - NECKBAND: one end fixed, the other by the chest, the points across like them.
    void addFormulas()
    {
        addIncrement(kFront, 1, "0", "chest/4");
        addMirror(kFront, 0, 1);
        addIncrement(kFront, 2, "length/2", "chest/4");
        addMirror(kFront, 7, 2);
        addMirror(kFront, 3, 6);
        addMirror(kFront, 4, 5);

        addIncrement(kBack, 0, "chest/4", "0");
        addIncrement(kBack, 1, "-chest/4", "0");
        addIncrement(kBack, 2, "-chest/4", "-length/2");
        addIncrement(kBack, 7, "chest/4", "-length/2");
        addLikePoint(kBack, 3, 2)->SetSecondPoint(maskPoint(kBack, 1));
        addLikePoint(kBack, 6, 7)->SetSecondPoint(maskPoint(kBack, 0));
        addNeckRegion("%INC(-3)");

        addIncrement(kSleeve, 0, "-chest/10", "0");
        addIncrement(kSleeve, 1, "chest/10", "0");
        addIncrement(kSleeve, 2, "chest/8", "%INC(-4)");
        addIncrement(kSleeve, 4, "-chest/8", "%INC(-4)");

        addIncrement(kNeckband, 0, "0", "0");
        addIncrement(kNeckband, 1, "0", "-chest/8");
        addLikePoint(kNeckband, 2, 1);
        addLikePoint(kNeckband, 3, 0);
    }

    /// Every rule of the style, worked out by hand from the formula language (mask frame).
    static std::vector<ExpectedGrading> expectedGrading();

    static constexpr GradePointOptions kOptions{true, true, true, false};
    TemporaryFolder m_folder{"grade-tshirt"};
    testgrading::StyleOnMask m_style{writtenStyle(m_folder),
                                     m_folder / "sizes.mst",
                                     m_folder / "graded.dxf",
                                     {{90, true}, {180, false}, {0, true}, {270, false}}};
};

std::vector<ExpectedGrading> GradeTShirtEndToEndTest::expectedGrading()
{
    const auto chest = [](int s) { return kChest[s]; };
    const auto length = [](int s) { return kLength[s]; };
    const auto step = [](int s) { return static_cast<double>(s - kBase); };

    // FRONT. The free neck point (-60, 620) is met first: its neighbours are the shoulder
    // (160, 600), whose mirror partner reads no point of its own, and the underarm (-240, 420);
    // the neck point across reads it. The free shoulder (-160, 600) may not take the neck point
    // (60, 620) (it reads (-60, 620), which reads (160, 600), which reads the shoulder itself) nor
    // (160, 600): it takes the underarm (240, 420) and the underarm (-240, 420).
    const auto underarm = [=](int s) { return DPOINT{length(s) / 2, chest(s) / 4}; };
    const double shoulderShare = interpolationShare({-160, 600}, {240, 420}, {-240, 420});
    const auto shoulder = [=](int s) {
        return DPOINT{length(s) / 2, (1 - 2 * shoulderShare) * chest(s) / 4};
    };
    const auto mirrored = [](const std::function<DPOINT(int)> &of) {
        return [of](int s) { return DPOINT{of(s).x, -of(s).y}; };
    };
    const double neckShare = interpolationShare({-60, 620}, {160, 600}, {-240, 420});
    const auto neck = [=](int s) {
        return blend(mirrored(shoulder)(s), mirrored(underarm)(s), neckShare);
    };

    // SLEEVE. The cap top lies as far from both underarms; the drill hole (180, 250) takes every
    // other rule point by 1 / distance squared: the hems and the underarms cancel across, the
    // underarms and the cap top move by -4 a step along y.
    const double hem = 1 / 85000.0;
    const double arm = 1 / 54900.0;
    const double top = 1 / 96100.0;
    const double drillShare = (2 * arm + top) / (2 * hem + 2 * arm + top);

    const auto along = [](double x, double y) {
        return [x, y](double value) { return DPOINT{x * value, y * value}; };
    };
    const auto byChest = [=](double x, double y) {
        return [=](int s) { return along(x, y)(chest(s)); };
    };
    const auto byLength = [=](double x, double y) {
        return [=](int s) { return along(x, y)(length(s)); };
    };
    const auto bySteps = [=](double x, double y) {
        return [=](int s) { return along(x, y)(step(s)); };
    };
    const auto armhole = [=](double x) {
        return [=](int s) { return DPOINT{x * chest(s), -length(s) / 2}; };
    };
    const auto sleeveArm = [=](double x) {
        return [=](int s) { return DPOINT{x * chest(s), -4 * step(s)}; };
    };
    const auto still = [](int) { return DPOINT{0, 0}; };

    return {
        expect(kFront, {240, 0}, byChest(0, 0.25)),
        expect(kFront, {-240, 0}, byChest(0, -0.25)),
        expect(kFront, {240, 420}, underarm),
        expect(kFront, {-240, 420}, mirrored(underarm)),
        expect(kFront, {-160, 600}, shoulder),
        expect(kFront, {160, 600}, mirrored(shoulder)),
        expect(kFront, {-60, 620}, neck),
        expect(kFront, {60, 620}, mirrored(neck)),

        expect(kBack, {-240, 0}, byChest(0.25, 0)),
        expect(kBack, {240, 0}, byChest(-0.25, 0)),
        expect(kBack, {240, 420}, armhole(-0.25)),
        expect(kBack, {-240, 420}, armhole(0.25)),
        expect(kBack, {160, 620}, byLength(0, -0.5)),
        expect(kBack, {-160, 620}, byLength(0, -0.5)),
        expect(kBack, {70, 640}, bySteps(0, -3)),
        expect(kBack, {-70, 640}, bySteps(0, -3)),

        expect(kSleeve, {30, 0}, byChest(-0.1, 0)),
        expect(kSleeve, {330, 0}, byChest(0.1, 0)),
        expect(kSleeve, {360, 400}, sleeveArm(0.125)),
        expect(kSleeve, {0, 400}, sleeveArm(-0.125)),
        expect(kSleeve, {180, 560}, bySteps(0, -4)),
        expect(kSleeve, {180, 250}, bySteps(0, -4 * drillShare)),

        expect(kNeckband, {0, 0}, still),
        expect(kNeckband, {500, 0}, byChest(0, -0.125)),
        expect(kNeckband, {500, 40}, byChest(0, -0.125)),
        expect(kNeckband, {0, 40}, still),
    };
}

} // namespace

TEST_F(GradeTShirtEndToEndTest, EveryRuleMovesAsItsFormulasSayWithoutAQuestion)
{
    ASSERT_EQ(m_style.GetProblem(), "");
    ASSERT_EQ(m_style.patternCount(), 4);
    addFormulas();

    ASSERT_TRUE(m_style.grade());
    ASSERT_EQ(m_style.model->Save(), GM_NO_ERROR) << m_style.model->GetLastError();

    EXPECT_EQ(m_style.messages.problems, std::vector<std::string>{});
    EXPECT_EQ(m_style.messages.questions, std::vector<std::string>{});
    testgrading::expectSavedGrading(m_folder.path(), kSizes, expectedGrading());
}

TEST_F(GradeTShirtEndToEndTest, AnUnknownMeasureIsReportedByNameAndTheRestStillGrades)
{
    addFormulas();
    addIncrement(kNeckband, 3, "neck/2", "0");

    ASSERT_TRUE(m_style.grade());
    ASSERT_EQ(m_style.model->Save(), GM_NO_ERROR) << m_style.model->GetLastError();

    ASSERT_EQ(m_style.messages.problems.size(), 1u);
    const std::string &report = m_style.messages.problems[0];
    EXPECT_NE(report.find("formula 'neck/2,0'"), std::string::npos) << report;
    EXPECT_NE(report.find("error -5 (unknown name) in \"neck/2\": neck"), std::string::npos)
        << report;
    EXPECT_EQ(m_style.messages.questions.size(), 1u);
    testgrading::expectSavedGrading(m_folder.path(), kSizes, expectedGrading());
}

TEST(GradeTShirtWithoutSizesTest, ARefusedTableSetIsTheOnlyReport)
{
    TemporaryFolder folder{"grade-tshirt-refused"};
    WriteAamaDxf(testgrading::tShirtStyle(), folder / "tshirt.dxf");
    std::ofstream(folder / "sizes.mst") << "<?xml version=\"1.0\"?>\n<MeasurementTableSet";
    testgrading::StyleOnMask style(folder / "tshirt.dxf", folder / "sizes.mst",
                                   folder / "graded.dxf", {{90, true}});
    ASSERT_NE(style.GetProblem(), "");
    style.manager().SetGradePointOptions({});
    for (const auto &[point, reference] : {std::pair{3, 6}, std::pair{4, 5}})
        testgrading::addMirror(style.formulas(), style.maskPoint(kFront, point),
                               style.maskPoint(kFront, reference));
    testgrading::addIncrement(style.formulas(), style.maskPoint(kFront, 2), "chest/4", "0");

    EXPECT_TRUE(style.manager().ApplyGradeRules());

    EXPECT_EQ(style.messages.problems, std::vector<std::string>{style.GetProblem()});
    EXPECT_EQ(style.messages.questions, std::vector<std::string>{});
}
