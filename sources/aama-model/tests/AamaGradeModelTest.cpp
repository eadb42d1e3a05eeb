// Morvane AAMA grade model tests.
// Loading pattern files with either reader, curves split at turn points, positions per size,
// graded shapes and notches.
#include "sources/aama-model/AamaGradeModel.h"

#include "TestFiles.h"
#include "sources/aama-model/AamaGradeModelFactory.h"
#include "sources/grade-model/testing/FakeGradeData.h"

#include <fstream>
#include <gtest/gtest.h>
#include <limits>

namespace fs = std::filesystem;

namespace {

constexpr GradeSize kBase{-1, -1};
constexpr GradeSize kSmall{0, 0};
constexpr GradeSize kLarge{0, 2};

CAamaGradeModel makeModel()
{
    return CAamaGradeModel([](const morvane::SaveFileRequest &) { return std::nullopt; });
}

void expectPoint(const DPOINT &actual, double x, double y)
{
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
}

DPOINT positionIn(IGradePoint &point, GradeSize size)
{
    DPOINT position;
    point.GetPosition(size, position);
    return position;
}

std::vector<DPOINT> shapeOf(IGradeCurve &curve, GradeSize size,
                            std::vector<int> *gradeIndex = nullptr)
{
    std::vector<DPOINT> shape;
    curve.GetShape(size, &shape, gradeIndex);
    return shape;
}

// The base positions of a curve's points, as "x,y" texts.
std::vector<std::string> curvePoints(const CAamaGradeCurve &curve)
{
    std::vector<std::string> points;
    for (int i = 0; i < curve.GetPointCount(); ++i) {
        const DPOINT p = curve.GetPointAt(i)->GetBasePosition();
        points.push_back(std::to_string(static_cast<int>(p.x)) + "," +
                         std::to_string(static_cast<int>(p.y)));
    }
    return points;
}

// The AAMA file with FRONT in S, M and L and BACK in M, loaded and graded against S/M/L.
class AamaGradeModelTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(m_model.Load(dataPath("three-sizes.dxf")), GM_NO_ERROR);
        m_model.OnAttach(&m_data);
        m_model.BeginGrading();
    }

    CAamaGradePattern &front() { return *m_model.GetPatternAt(0); }

    morvane::FakeGradeData m_data{{{{"S", "M", "L"}, 1}}};
    CAamaGradeModel m_model = makeModel();
};

} // namespace

TEST_F(AamaGradeModelTest, LoadsOnlyThePiecesOfTheSampleSize)
{
    int count = 0;
    m_model.GetPatternCount(count);
    ASSERT_EQ(count, 2);
    std::string name;
    m_model.GetName(name);
    EXPECT_EQ(name, "SHIRT");
    EXPECT_EQ(m_model.GetSampleSize(), "M");
    EXPECT_FALSE(m_model.IsMasterSizeFile());
    m_model.GetPatternAt(0)->GetName(name);
    EXPECT_EQ(name, "FRONT");
    m_model.GetPatternAt(1)->GetName(name);
    EXPECT_EQ(name, "BACK");
    EXPECT_EQ(m_model.GetPatternAt(2), nullptr);
    EXPECT_EQ(m_model.GetPatternAt(-1), nullptr);
}

TEST_F(AamaGradeModelTest, SplitsTheOutlineAtTurnPointsAndClosesIt)
{
    int count = 0;
    front().GetCurveCount(count);
    ASSERT_EQ(count, 3);
    using Points = std::vector<std::string>;
    // The outline's repeated first vertex is no point of its own.
    EXPECT_EQ(curvePoints(*front().GetCurveAt(0)), (Points{"0,0", "10,0", "20,0"}));
    EXPECT_EQ(curvePoints(*front().GetCurveAt(1)), (Points{"20,0", "20,10", "10,12"}));
    EXPECT_EQ(curvePoints(*front().GetCurveAt(2)), (Points{"10,12", "0,10", "0,0"}));
    EXPECT_EQ(front().GetCurveAt(0)->GetPointAt(2), front().GetCurveAt(1)->GetPointAt(0));
    EXPECT_EQ(front().GetCurveAt(2)->GetPointAt(2), front().GetCurveAt(0)->GetPointAt(0));
    EXPECT_EQ(front().GetCurveAt(3), nullptr);

    // Grade points: the turn points with their rule numbers; the notch is on the middle curve.
    const CAamaGradeCurve &middle = *front().GetCurveAt(1);
    int gradeCount = 0;
    front().GetCurveAt(1)->GetGradePointCount(gradeCount);
    EXPECT_EQ(gradeCount, 2);
    EXPECT_EQ(middle.GetPointAt(0)->GetRuleNumber(), 12);
    EXPECT_EQ(middle.GetPointAt(1)->GetKind(), morvane::kAamaNotchPoint);
    EXPECT_EQ(middle.GetPointAt(2)->GetRuleNumber(), 13);
    int notchCount = 0;
    front().GetCurveAt(1)->GetNotchCount(notchCount);
    EXPECT_EQ(notchCount, 1);
    EXPECT_EQ(front().GetCurveAt(1)->GetGradePointAt(2), nullptr);
}

TEST_F(AamaGradeModelTest, ListsDrillHolesThenRulePointsOnce)
{
    int count = 0;
    front().GetInternalPointCount(count);
    ASSERT_EQ(count, 4);
    const int expectedRules[] = {14, 11, 12, 13};
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(front().GetInternalPointAt(i)->GetRuleNumber(), expectedRules[i]);
    EXPECT_EQ(front().GetInternalPointAt(0)->GetKind(), morvane::kAamaInternalPoint);
    expectPoint(front().GetInternalPointAt(0)->GetBasePosition(), 5, 5);
    EXPECT_EQ(front().GetInternalPointAt(4), nullptr);
}

TEST(AamaGradePatternTest, SplitsAtEachTurnPointThatDoesNotStartACurve)
{
    // Turn points at vertices 0, 4 and 9 of 12.
    CAamaGradePattern pattern("P");
    for (int v = 0; v < 12; ++v) {
        const int kind =
            v == 0 || v == 4 || v == 9 ? morvane::kAamaTurnPoint : morvane::kAamaCurvePoint;
        pattern.AddBoundaryPoint(v, 0, kind, -1);
    }
    pattern.BuildCurvesFromBoundary();
    int count = 0;
    pattern.GetCurveCount(count);
    ASSERT_EQ(count, 3);
    using Points = std::vector<std::string>;
    EXPECT_EQ(curvePoints(*pattern.GetCurveAt(0)), (Points{"0,0", "1,0", "2,0", "3,0", "4,0"}));
    EXPECT_EQ(curvePoints(*pattern.GetCurveAt(1)),
              (Points{"4,0", "5,0", "6,0", "7,0", "8,0", "9,0"}));
    EXPECT_EQ(curvePoints(*pattern.GetCurveAt(2)), (Points{"9,0", "10,0", "11,0", "0,0"}));
}

// The points of a pattern share its layout of positions per size; a point added after the
// layout has none until the next one, and answers its base position meanwhile.
TEST(AamaGradePatternTest, GivesPositionsToThePointsItHadWhenLaidOut)
{
    CAamaGradePattern pattern("P");
    CAamaGradePoint *outline = pattern.AddBoundaryPoint(1, 2, morvane::kAamaTurnPoint, 1);
    CAamaGradePoint *hole = pattern.AddInternalPoint(3, 4, morvane::kAamaInternalPoint, 2);
    pattern.ResetPositions({3});
    outline->SetPosition(0, 2, 10, 20);
    hole->SetPosition(0, 2, 30, 40);
    CAamaGradePoint *later = pattern.AddInternalPoint(5, 6, morvane::kAamaInternalPoint, 3);
    later->SetPosition(0, 2, 50, 60);
    expectPoint(positionIn(*outline, kLarge), 10, 20);
    expectPoint(positionIn(*outline, kSmall), 1, 2);
    expectPoint(positionIn(*hole, kLarge), 30, 40);
    expectPoint(positionIn(*later, kLarge), 5, 6);

    pattern.ResetPositions({1, 3});
    later->SetPosition(1, 2, 50, 60);
    expectPoint(positionIn(*outline, kLarge), 1, 2);
    expectPoint(positionIn(*later, {1, 2}), 50, 60);
    expectPoint(positionIn(*hole, {1, 2}), 3, 4);
}

// Points added after others leave those where they were: a curve and the rule points still
// reach them, with the positions they were given.
TEST(AamaGradePatternTest, KeepsItsPointsInPlaceAsMoreAreAdded)
{
    CAamaGradePattern pattern("P");
    std::vector<CAamaGradePoint *> added;
    for (int v = 0; v < 1000; ++v) {
        added.push_back(pattern.AddBoundaryPoint(v, 0, morvane::kAamaNotchPoint, v));
        pattern.AddNotch(added.back(), {0, 1}, 0.0);
        added.push_back(pattern.AddInternalPoint(v, 1, morvane::kAamaInternalPoint, v));
    }
    pattern.BuildCurvesFromBoundary();
    pattern.ResetPositions({3});
    for (CAamaGradePoint *point : added)
        point->SetPosition(0, 2, point->GetBasePosition().x, 5);
    const CAamaGradeCurve &curve = *pattern.GetCurveAt(0);
    ASSERT_EQ(curve.GetPointCount(), 1001);
    for (int v = 0; v < 1000; ++v) {
        EXPECT_EQ(curve.GetPointAt(v), added[static_cast<std::size_t>(2 * v)]);
        expectPoint(positionIn(*pattern.GetInternalPointAt(1000 + v), kLarge), v, 5);
    }
    int notchCount = 0;
    pattern.GetCurveAt(0)->GetNotchCount(notchCount);
    EXPECT_EQ(notchCount, 1000);
    EXPECT_EQ(added.front()->GetNotch()->m_pPoint, added.front());
}

// A size outside the layout, by a negative index or one past its tables or sizes, answers the
// base position, and storing a position there changes none inside it.
TEST(AamaGradePatternTest, AnswersTheBasePositionOutsideTheLayout)
{
    CAamaGradePattern pattern("P");
    CAamaGradePoint *point = pattern.AddBoundaryPoint(1, 2, morvane::kAamaTurnPoint, 1);
    pattern.ResetPositions({3, 2});
    constexpr int kLowest = std::numeric_limits<int>::min();
    const GradeSize outside[] = {{-1, 0}, {-1, 1}, {0, -1}, {1, -1},      {0, 3},
                                 {1, 2},  {2, 0},  {-2, 4}, {0, kLowest}, {kLowest, 0}};
    for (const GradeSize size : outside) {
        SCOPED_TRACE(testing::Message() << size.table << ", " << size.size);
        EXPECT_EQ(point->SetPosition(size.table, size.size, 50, 60), GM_NO_ERROR);
        expectPoint(positionIn(*point, size), 1, 2);
    }
    for (const GradeSize size :
         {GradeSize{0, 0}, GradeSize{0, 2}, GradeSize{1, 0}, GradeSize{1, 1}})
        expectPoint(positionIn(*point, size), 1, 2);
}

TEST(AamaGradePatternTest, LeavesOutOrdinaryPointsAndCopiesInternalOnes)
{
    struct Case
    {
        const char *name;
        std::vector<int> kinds;
        std::vector<std::vector<std::string>> curves;
    };
    const Case cases[] = {
        {"no turn point: one closed curve", {2, 2, 3, 2}, {{"0,0", "1,0", "2,0", "3,0", "0,0"}}},
        {"flags 0 reach no curve", {1, 0, 2, 0}, {{"0,0", "2,0", "0,0"}}},
        {"a first point left out does not close",
         {0, 2, 1, 2},
         {{"1,0", "2,0"}, {"2,0", "3,0", "1,0"}}},
        {"an internal point is copied", {1, 4, 2}, {{"0,0", "2,0", "0,0"}}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        CAamaGradePattern pattern("P");
        for (std::size_t v = 0; v < row.kinds.size(); ++v) {
            pattern.AddBoundaryPoint(static_cast<double>(v), 0, row.kinds[v],
                                     static_cast<int>(v) + 20);
        }
        pattern.BuildCurvesFromBoundary();
        int count = 0;
        pattern.GetCurveCount(count);
        ASSERT_EQ(count, static_cast<int>(row.curves.size()));
        for (int c = 0; c < count; ++c)
            EXPECT_EQ(curvePoints(*pattern.GetCurveAt(c)), row.curves[static_cast<std::size_t>(c)]);
    }

    // The copy of an internal point is a grade point of the pattern; the ordinary point is none.
    CAamaGradePattern pattern("P");
    pattern.AddBoundaryPoint(0, 0, morvane::kAamaTurnPoint, 1);
    CAamaGradePoint *internal = pattern.AddBoundaryPoint(1, 1, morvane::kAamaInternalPoint, 2);
    pattern.AddBoundaryPoint(2, 0, morvane::kAamaOrdinaryPoint, 3);
    pattern.BuildCurvesFromBoundary();
    int count = 0;
    pattern.GetInternalPointCount(count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(pattern.GetInternalPointAt(0)->GetRuleNumber(), 1);
    EXPECT_NE(pattern.GetInternalPointAt(1), internal);
    EXPECT_EQ(pattern.GetInternalPointAt(1)->GetRuleNumber(), 2);
    EXPECT_EQ(pattern.GetInternalPoints().size(), 1U);
}

TEST(AamaGradeModelLoadTest, PicksTheReaderByMasterSize)
{
    struct Case
    {
        const char *file;
        bool masterSize;
        int patterns;
        const char *name;
    };
    const Case cases[] = {{"three-sizes.dxf", false, 2, "SHIRT"},
                          {"master-size.dxf", true, 2, "SKIRT"}};
    for (const Case &row : cases) {
        SCOPED_TRACE(row.file);
        CAamaGradeModel model = makeModel();
        ASSERT_EQ(model.Load(dataPath(row.file)), GM_NO_ERROR);
        EXPECT_EQ(model.IsMasterSizeFile(), row.masterSize);
        int count = 0;
        model.GetPatternCount(count);
        EXPECT_EQ(count, row.patterns);
        std::string name;
        model.GetName(name);
        EXPECT_EQ(name, row.name);
    }
}

// Every refused file keeps the model as it was and says why, naming the file.
TEST(AamaGradeModelLoadTest, KeepsItsPatternsAndTellsWhyAFileIsRefused)
{
    ScratchFolder folder;
    const std::string content = readFile(dataPath("master-size.dxf"));
    std::ofstream(folder / "no-eof.dxf", std::ios::binary)
        << content.substr(0, content.rfind("EOF"));
    std::ofstream(folder / "aama-no-eof.dxf", std::ios::binary) << "  0\nSECTION\n";
    std::ofstream(folder / "damaged.dxf", std::ios::binary)
        << "  0\nSECTION\n\x7f\x45LF\x02\n0\n  0\nEOF\n";
    const std::string threeSizes = readFile(dataPath("three-sizes.dxf"));
    std::string otherSample = threeSizes;
    otherSample.replace(otherSample.find("Sample Size: M"), 14, "Sample Size: X");
    std::ofstream(folder / "other-sample.dxf", std::ios::binary) << otherSample;
    std::ofstream(folder / "no-outline.dxf", std::ios::binary)
        << "  0\nSECTION\n  2\nBLOCKS\n  0\nBLOCK\n  2\nP\n  0\nTEXT\n  8\n1\n  1\nSize: M\n"
           "  0\nENDBLK\n  0\nENDSEC\n  0\nSECTION\n  2\nENTITIES\n  0\nINSERT\n  2\nP\n"
           "  0\nTEXT\n  1\nSample Size: M\n  0\nENDSEC\n  0\nEOF\n";

    struct Case
    {
        const char *name;
        GM_ERROR code;
        const char *reason;
    };
    const Case cases[] = {
        {"missing.dxf", GM_NO_SUCH_FILE, "the file cannot be opened"},
        {"no-eof.dxf", GM_BAD_STRUCTURE, "without an EOF group"},
        {"aama-no-eof.dxf", GM_BAD_STRUCTURE, "without an EOF group"},
        {"damaged.dxf", GM_BAD_STRUCTURE, "line 3: the group code \"?ELF?\" is not a number"},
        {"other-sample.dxf", GM_BAD_STRUCTURE, "no piece has the sample size \"X\""},
        {"no-outline.dxf", GM_BAD_STRUCTURE, "no piece of the sample size \"M\" has an outline"},
    };
    CAamaGradeModel model = makeModel();
    ASSERT_EQ(model.Load(dataPath("three-sizes.dxf")), GM_NO_ERROR);
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        const fs::path path = folder / row.name;
        EXPECT_EQ(model.Load(path), row.code);
        EXPECT_EQ(model.GetLastError().rfind(path.string() + ": ", 0), 0u) << model.GetLastError();
        EXPECT_NE(model.GetLastError().find(row.reason), std::string::npos)
            << model.GetLastError();
        int count = 0;
        model.GetPatternCount(count);
        EXPECT_EQ(count, 2);
        EXPECT_FALSE(model.IsMasterSizeFile());
        EXPECT_EQ(model.GetSampleSize(), "M");
    }
    ASSERT_EQ(model.Load(dataPath("three-sizes.dxf")), GM_NO_ERROR);
    EXPECT_EQ(model.GetLastError(), "");
}

// A model without patterns writes no empty files while reporting success.
TEST(AamaGradeModelLoadTest, RefusesToSaveWithoutPatterns)
{
    ScratchFolder folder;
    CAamaGradeModel model([&](const morvane::SaveFileRequest &) {
        return std::optional<fs::path>(folder / "empty.dxf");
    });
    EXPECT_EQ(model.Save(), GM_BAD_STRUCTURE);
    EXPECT_EQ(model.GetLastError(), "nothing to save: no pattern is loaded");
    EXPECT_TRUE(folder.content().empty());
}

TEST(AamaGradeModelLoadTest, ReadsLinesOfAMasterSizeFileWhole)
{
    CAamaGradeModel model = makeModel();
    ASSERT_EQ(model.Load(dataPath("master-size.dxf")), GM_NO_ERROR);
    CAamaGradePattern &front = *model.GetPatternAt(0);
    int count = 0;
    front.GetCurveCount(count);
    ASSERT_EQ(count, 3);
    using Points = std::vector<std::string>;
    // Every vertex is a point, turn points split nothing, the lines stay open.
    EXPECT_EQ(curvePoints(*front.GetCurveAt(0)),
              (Points{"0,0", "10,-1", "20,0", "20,20", "10,21"}));
    EXPECT_EQ(front.GetCurveAt(0)->GetLineType(), 1);
    EXPECT_FALSE(front.GetCurveAt(0)->IsStraightLine());
    EXPECT_EQ(front.GetCurveAt(1)->GetLineType(), 2);
    // The internal line: a straight curve of two turn points without rules.
    const CAamaGradeCurve &line = *front.GetCurveAt(2);
    EXPECT_EQ(curvePoints(line), (Points{"10,2", "10,18"}));
    EXPECT_TRUE(line.IsStraightLine());
    EXPECT_EQ(line.GetLineType(), 16);
    EXPECT_EQ(line.GetPointAt(0)->GetKind(), morvane::kAamaTurnPoint);
    EXPECT_FALSE(line.GetPointAt(1)->HasRule());

    const CAamaGradePoint &notch = *front.GetCurveAt(0)->GetPointAt(2);
    EXPECT_EQ(notch.GetKind(), morvane::kAamaNotchPoint);
    EXPECT_EQ(notch.GetRuleNumber(), 6);
    EXPECT_EQ(notch.GetExtraValue(), 3);
    ASSERT_NE(notch.GetNotch(), nullptr);
    EXPECT_NEAR(notch.GetNotch()->m_oVector.x, 0.0, 1e-6);
    EXPECT_NEAR(notch.GetNotch()->m_oVector.y, 2.0, 1e-6);
    EXPECT_DOUBLE_EQ(notch.GetNotch()->m_dAngle, 90.0);

    // Drill hole first, then the grade points of the lines in order.
    front.GetInternalPointCount(count);
    ASSERT_EQ(count, 6);
    const int expectedRules[] = {8, 5, 6, 7, 0, 9};
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(front.GetInternalPointAt(i)->GetRuleNumber(), expectedRules[i]);
}

TEST_F(AamaGradeModelTest, KeepsPositionsWhileTheSizeLayoutStaysAndResetsThemWhenItChanges)
{
    CAamaGradePoint &point = *front().GetInternalPointAt(1);
    point.SetPosition(0, 2, 7, 8);
    expectPoint(positionIn(point, kLarge), 7, 8);

    m_model.BeginGrading();
    expectPoint(positionIn(point, kLarge), 7, 8);

    m_data.addTable({"R", "T"}, 0);
    m_model.BeginGrading();
    expectPoint(positionIn(point, kLarge), 0, 0);
    point.SetPosition(1, 1, 3, 4);
    expectPoint(positionIn(point, {1, 1}), 3, 4);
}

TEST_F(AamaGradeModelTest, AnswersBasePositionsAfterAReloadUntilGradingBegins)
{
    front().GetInternalPointAt(1)->SetPosition(0, 2, 7, 8);
    ASSERT_EQ(m_model.Load(dataPath("three-sizes.dxf")), GM_NO_ERROR);

    // The same size layout as before the reload: the new points must still get positions.
    CAamaGradePoint &point = *front().GetInternalPointAt(1);
    point.SetPosition(0, 2, 7, 8);
    expectPoint(positionIn(point, kLarge), 0, 0);
    expectPoint(positionIn(point, {5, 9}), 0, 0);
    m_model.BeginGrading();
    point.SetPosition(0, 2, 7, 8);
    expectPoint(positionIn(point, kLarge), 7, 8);
}

TEST_F(AamaGradeModelTest, HasNoTablesWithoutGradeData)
{
    m_model.OnAttach(nullptr);
    EXPECT_EQ(m_model.BeginGrading(), GM_NO_ERROR);
    CAamaGradePoint &point = *front().GetInternalPointAt(1);
    point.SetPosition(0, 0, 7, 8);
    expectPoint(positionIn(point, kSmall), 0, 0);
}

TEST_F(AamaGradeModelTest, InterpolatesOrdinaryPointsAndStoresMarkPoints)
{
    // Curve 0: grade points (0, 0) and (20, 0) around the curve point (10, 0).
    CAamaGradeCurve &first = *front().GetCurveAt(0);
    first.GetGradePointAt(0)->SetPosition(0, 2, -1, -1);
    first.GetGradePointAt(1)->SetPosition(0, 2, 21, -1);
    std::vector<int> gradeIndex;
    std::vector<DPOINT> shape = shapeOf(first, kLarge, &gradeIndex);
    ASSERT_EQ(shape.size(), 3u);
    expectPoint(shape[0], -1, -1);
    expectPoint(shape[1], 10, -1);
    expectPoint(shape[2], 21, -1);
    EXPECT_EQ(gradeIndex, (std::vector<int>{0, -1, 1}));
    expectPoint(shapeOf(first, kBase)[1], 10, 0);
    expectPoint(shapeOf(first, {0, 5})[0], 0, 0);

    // Curve 1: the notch (20, 10) between (20, 0), now at (21, -1), and (10, 12) turns with
    // them by a quarter.
    CAamaGradeCurve &middle = *front().GetCurveAt(1);
    middle.GetGradePointAt(1)->SetPosition(0, 2, 9, -11);
    shape = shapeOf(middle, kLarge);
    expectPoint(shape[1], 11, -1);
    CAamaGradePoint &notch = *middle.GetPointAt(1);
    expectPoint(positionIn(notch, kLarge), 11, -1);
    expectPoint(positionIn(notch, kSmall), 20, 10);
    // An ordinary curve point is no mark point: its position is not stored.
    expectPoint(positionIn(*first.GetPointAt(1), kLarge), 10, 0);
}

TEST_F(AamaGradeModelTest, MeasuresNotchesAlongTheShapeOfTheSize)
{
    CAamaGradeCurve &middle = *front().GetCurveAt(1);
    DPOINT vector;
    float distance = -1.0f;
    int kind = 42;
    EXPECT_EQ(middle.GetNotchAt(0, kBase, vector, distance, kind), middle.GetPointAt(1));
    EXPECT_NEAR(vector.x, -2.0, 1e-6);
    EXPECT_NEAR(vector.y, 0.0, 1e-6);
    EXPECT_FLOAT_EQ(distance, 10.0f);
    EXPECT_EQ(kind, 42);

    // A quarter turn about (20, 0): the notch moves to (30, 0), 10 along the shape.
    middle.GetGradePointAt(1)->SetPosition(0, 2, 32, 10);
    middle.GetNotchAt(0, kLarge, vector, distance, kind);
    EXPECT_FLOAT_EQ(distance, 10.0f);
    expectPoint(positionIn(*middle.GetPointAt(1), kLarge), 30, 0);
    EXPECT_EQ(middle.GetNotchAt(1, kBase, vector, distance, kind), nullptr);

    DPOINT markVector{9, 9};
    bool isMark = false;
    middle.GetPointAt(1)->IsMarkPoint(markVector, isMark);
    EXPECT_TRUE(isMark);
    EXPECT_NEAR(markVector.x, -2.0, 1e-6);
    markVector = {9, 9};
    front().GetInternalPointAt(0)->IsMarkPoint(markVector, isMark);
    EXPECT_TRUE(isMark);
    expectPoint(markVector, 9, 9);
    middle.GetPointAt(0)->IsMarkPoint(markVector, isMark);
    EXPECT_FALSE(isMark);

    int isSlider = 1;
    IGradeCurve *curve = &middle;
    int reserved = 1;
    middle.GetPointAt(1)->GetSliderInfo(isSlider, curve, reserved);
    EXPECT_EQ(isSlider, 0);
    EXPECT_EQ(curve, nullptr);
    EXPECT_EQ(reserved, 0);
}

TEST(AamaGradeModelFactoryTest, MakesModelsThatReleaseThemselves)
{
    IGradeModel *model = CAamaGradeModelFactory::Make({});
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->Load(dataPath("three-sizes.dxf")), GM_NO_ERROR);
    EXPECT_EQ(model->Initialize("anything"), GM_NO_ERROR);
    EXPECT_EQ(model->EndGrading(), GM_NO_ERROR);
    // Nobody to ask for a target: nothing can be written.
    EXPECT_EQ(model->Save(), GM_IO_ERROR);
    EXPECT_EQ(model->Release(), GM_NO_ERROR);
}
