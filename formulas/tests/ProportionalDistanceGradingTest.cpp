// Morvane formula library tests.
// The old proportional-distance grading: its segment counting, its conversion into a
// proportional-distance formula, and a mask of version 1050 that holds two of them.
#include "formulas/OldFormulas.h"
#include "formulas/PathPatternFormula.h"
#include "formulas/PathRegionFormula.h"
#include "formulas/PropDistFormula.h"
#include "foundation/XmlArchive.h"
#include "model/GradeMask.h"
#include "SourcePath.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// The file holds the pattern Front (points 0 to 3), the region R1 graded by formula 7, and the
// old formulas:
//   0  point path 1 -> 3, clockwise: the end points of grading 3;
//   1  point path 0 -> 2, "SegmentCount" 4;
//   2  point path 2 -> 0, clockwise, "SegmentCount" "many";
//   3  grading of Front: grade path 0, measure paths 1 and 2;
//   4  region path: the grade path of grading 7;
//   5  region path, "SegmentCount" 0;
//   6  point path 3 -> 1, "SegmentCount" 2;
//   7  grading of R1: grade path 4, measure paths 5 and 6.
const std::filesystem::path &fixtureFile()
{
    static const std::filesystem::path file =
        sourcePath("formulas/tests/fuzz/mask-formula-corpus/proportional-distance-1050.msk");
    return file;
}

struct Segments
{
    bool automatic;
    int count;
    bool operator==(const Segments &) const = default;
};

std::vector<Segments> segmentsOf(const CBasePropDistFormula &formula)
{
    std::vector<Segments> segments;
    for (int i = 0; i < formula.GetMeasurePathCount(); ++i) {
        const CMeasureGradePath *path = formula.GetMeasurePathAt(i);
        segments.push_back({path->GetAutoSegments(), path->GetSegments()});
    }
    return segments;
}

std::vector<IBaseFormula *> pathFormulasOf(const CBasePropDistFormula &formula)
{
    std::vector<IBaseFormula *> paths;
    for (int i = 0; i < formula.GetMeasurePathCount(); ++i)
        paths.push_back(formula.GetMeasurePathAt(i)->GetPathFormula());
    return paths;
}

// The file read as it is, without bringing it up to date: its old formulas are converted by
// hand, by their numbers.
class ProportionalDistanceGradingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // As the mask's own load does for a file that stores no polylines.
        g_bPolylinesInMaskFile = false;
        const int loaded = m_archive.LoadObjectFromFile(fixtureFile(), m_mask, "GradeMask");
        g_bPolylinesInMaskFile = true;
        ASSERT_EQ(loaded, 0) << m_archive.GetLastError();
    }

    CBaseFormulaOld *old(const std::string &number)
    {
        CXmlNameMap *formulas = m_archive.FindNameMap("GradeFormula");
        return formulas != nullptr
                   ? dynamic_cast<CBaseFormulaOld *>(CXmlArchive::LookupObject(*formulas, number))
                   : nullptr;
    }

    CProportionalDistanceGrading *grading(const std::string &number)
    {
        return dynamic_cast<CProportionalDistanceGrading *>(old(number));
    }

    // Converts old formula number for the region and keeps the result.
    IBaseFormula *convert(const std::string &number, IRegion *region = nullptr)
    {
        m_converted.push_back(old(number)->ConvertToNewFormula(region));
        return m_converted.back().get();
    }

    CBasePoint *point(int i) { return m_mask.GetMaskPatternAt(0)->GetBasePointAt(i); }

    CGradeMask m_mask;
    CXmlArchive m_archive;
    std::vector<std::unique_ptr<IBaseFormula>> m_converted;
};

} // namespace

TEST_F(ProportionalDistanceGradingTest, APatternGradingTakesItsEndPointsFromItsFirstGradePath)
{
    ASSERT_NE(grading("3"), nullptr);
    grading("3")->ConvertPathProperties();
    IBaseFormula *first = convert("1");
    IBaseFormula *second = convert("2");

    auto *formula = dynamic_cast<CPropDistPatternFormula *>(convert("3"));
    ASSERT_NE(formula, nullptr);
    EXPECT_EQ(grading("3")->GetConvertedFormula(), formula);
    EXPECT_EQ(formula->GetMaskPattern(), m_mask.GetMaskPatternAt(0));
    EXPECT_EQ(formula->GetIndexPoint(0), point(1));
    EXPECT_EQ(formula->GetIndexPoint(1), point(3));
    EXPECT_TRUE(formula->GetReverse());
    EXPECT_EQ(pathFormulasOf(*formula), (std::vector<IBaseFormula *>{first, second}));
    // "SegmentCount" 4 counts four segments; "many" is no number and leaves them automatic.
    EXPECT_EQ(segmentsOf(*formula), (std::vector<Segments>{{false, 4}, {true, 0}}));
}

TEST_F(ProportionalDistanceGradingTest, ARegionGradingBecomesTheRegionsFormula)
{
    ASSERT_NE(grading("7"), nullptr);
    grading("7")->ConvertPathProperties();
    CGradeRegion *region = m_mask.GetGradeRegionAt(0);
    IBaseFormula *regionPath = convert("5", region);
    IBaseFormula *pointPath = convert("6");

    auto *formula = dynamic_cast<CPropDistRegionFormula *>(convert("7", region));
    ASSERT_NE(formula, nullptr);
    EXPECT_EQ(formula->GetGradeRegion(), region);
    EXPECT_EQ(formula->GetIndexPoint(0), nullptr);
    EXPECT_EQ(pathFormulasOf(*formula), (std::vector<IBaseFormula *>{regionPath, pointPath}));
    // "SegmentCount" 0 leaves the segments automatic.
    EXPECT_EQ(segmentsOf(*formula), (std::vector<Segments>{{true, 0}, {false, 2}}));
}

// A measure path definition that became no formula gives no measure path; the others keep the
// counting of their own index.
TEST_F(ProportionalDistanceGradingTest, APathThatBecameNoFormulaIsNotMeasured)
{
    grading("7")->ConvertPathProperties();
    EXPECT_EQ(convert("5"), nullptr);
    IBaseFormula *pointPath = convert("6");

    auto *formula =
        dynamic_cast<CPropDistRegionFormula *>(convert("7", m_mask.GetGradeRegionAt(0)));
    ASSERT_NE(formula, nullptr);
    EXPECT_EQ(pathFormulasOf(*formula), (std::vector<IBaseFormula *>{pointPath}));
    EXPECT_EQ(segmentsOf(*formula), (std::vector<Segments>{{false, 2}}));
}

TEST_F(ProportionalDistanceGradingTest, AGradingHoldsItsGradeAndMeasurePaths)
{
    CProportionalDistanceGrading *front = grading("3");
    for (const char *number : {"0", "1", "2"})
        EXPECT_TRUE(front->HoldsPath(old(number))) << number;
    EXPECT_TRUE(front->HoldsGradePath(old("0")));
    EXPECT_FALSE(front->HoldsGradePath(old("1")));
    EXPECT_FALSE(front->HoldsPath(old("5")));
    EXPECT_FALSE(front->HoldsPath(nullptr));
}

// Loaded and brought up to date, every path that a grading measures along is a path formula,
// its grade paths are not, and the region points at what its grading became (which the 2121
// update then replaces): never at the grading, which the update deletes.
TEST(ProportionalDistanceMaskTest, AnOldMaskLoadsWithItsRegionOnTheConvertedFormula)
{
    CGradeMask mask;
    ASSERT_TRUE(mask.Load(fixtureFile())) << mask.GetLastError();
    IFormulaManager *formulas = mask.GetFormulaManager();
    ASSERT_EQ(formulas->GetFormulaCount(), 7);
    CMaskPattern *front = mask.GetMaskPatternAt(0);
    CGradeRegion *region = mask.GetGradeRegionAt(0);

    const int ends[][2] = {{0, 2}, {2, 0}, {-1, -1}, {3, 1}};
    for (int i : {0, 1, 3}) {
        auto *path = dynamic_cast<CPathPatternFormula *>(formulas->GetFormulaAt(i));
        ASSERT_NE(path, nullptr) << i;
        EXPECT_EQ(path->GetFirstPoint(), front->GetBasePointAt(ends[i][0])) << i;
        EXPECT_EQ(path->GetLastPoint(), front->GetBasePointAt(ends[i][1])) << i;
    }
    auto *regionPath = dynamic_cast<CPathRegionFormula *>(formulas->GetFormulaAt(2));
    ASSERT_NE(regionPath, nullptr);
    EXPECT_EQ(regionPath->GetRegion(), region);

    IBaseFormula *graded = region->GetGradeFormula();
    ASSERT_NE(graded, nullptr);
    EXPECT_EQ(graded, formulas->GetFormulaAt(5));
    EXPECT_EQ(graded->GetRegion(), region);
    EXPECT_EQ(region->GetOldFormula(), nullptr);
    for (int i : {4, 5})
        EXPECT_EQ(formulas->GetFormulaAt(i)->GetFormulaType(), 28) << i;
}

TEST(ProportionalDistanceMaskTest, TheUpdatedMaskSavesAndLoadsAgain)
{
    CGradeMask mask;
    ASSERT_TRUE(mask.Load(fixtureFile())) << mask.GetLastError();
    const std::filesystem::path copy =
        std::filesystem::temp_directory_path() / "morvane-proportional-distance-saved.msk";
    ASSERT_TRUE(mask.Save(copy)) << mask.GetLastError();
    CGradeMask reloaded;
    ASSERT_TRUE(reloaded.Load(copy)) << reloaded.GetLastError();
    std::filesystem::remove(copy);
    EXPECT_EQ(reloaded.GetFormulaManager()->GetFormulaCount(), 7);
}
