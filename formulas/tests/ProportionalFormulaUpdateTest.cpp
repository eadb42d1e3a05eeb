// Morvane formula library tests.
// Masks of versions 1050 and 2120 with proportional-distance formulas: brought up to date, the
// formulas that replace them keep their end points, paths, names and settings, also after
// saving.
#include "MaskFixtures.h"
#include "RegionFixtures.h"
#include "SourcePath.h"
#include "TemporaryFolder.h"
#include "formulas/GlobPropDistFormula.h"
#include "formulas/PathPatternFormula.h"
#include "formulas/PropDistFormula.h"
#include "formulas/RegionRelativeFormula.h"
#include "foundation/FileContent.h"
#include "model/GradeMask.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <vector>

using testmodel::maskPointAt;

namespace {

std::vector<IBaseFormula *> formulasAt(const IFormulaManager &formulas,
                                       const std::vector<int> &positions)
{
    std::vector<IBaseFormula *> found;
    for (int i : positions)
        found.push_back(formulas.GetFormulaAt(i));
    return found;
}

std::vector<IBaseFormula *> measuredBy(CBaseRelativeFormula &formula)
{
    std::vector<IBaseFormula *> measured;
    for (IBaseFormula *path : formula.GetMeasurePaths())
        measured.push_back(path);
    return measured;
}

// Where an updated mask holds what replaced its two proportional-distance formulas (one of the
// first pattern, one of the first region), and what they were.
struct Relinked
{
    int count;
    int global;
    int regional;
    int path;
    int first;
    int last;
    std::vector<int> globalMeasures;
    std::vector<int> regionalMeasures;
};

// The pattern's formula became a global formula at its place, grading along a path formula
// appended with its end points, reversed and named; the region's formula a region relative
// formula at its place, named; each measures along the paths the formula replaced measured.
void expectRelinked(CGradeMask &mask, const Relinked &expected)
{
    const IFormulaManager &formulas = *mask.GetFormulaManager();
    ASSERT_EQ(formulas.GetFormulaCount(), expected.count);
    CMaskPattern *front = mask.GetMaskPatternAt(0);

    auto *path = dynamic_cast<CPathPatternFormula *>(formulas.GetFormulaAt(expected.path));
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->GetMaskPattern(), front);
    EXPECT_EQ(path->GetFirstPoint(), maskPointAt(*front, expected.first));
    EXPECT_EQ(path->GetLastPoint(), maskPointAt(*front, expected.last));
    EXPECT_TRUE(path->GetReverse());
    EXPECT_EQ(path->GetOwner(), &mask);
    EXPECT_EQ(formulas.FindFormulaByName(path->GetVarName()), path);

    auto *global = dynamic_cast<CGlobPropDistFormula *>(formulas.GetFormulaAt(expected.global));
    ASSERT_NE(global, nullptr);
    EXPECT_EQ(global->GetFormulaType(), 28);
    ASSERT_EQ(global->GetGradePathProperties().GetCount(), 1);
    EXPECT_EQ(global->GetGradePathProperties().GetAt(0)->GetGradeFormula(), path);
    EXPECT_EQ(global->GetGradePathProperties().GetAt(0)->GetOwner(), global);
    EXPECT_EQ(measuredBy(*global), formulasAt(formulas, expected.globalMeasures));

    auto *regional =
        dynamic_cast<CRegionRelativeFormula *>(formulas.GetFormulaAt(expected.regional));
    ASSERT_NE(regional, nullptr);
    EXPECT_EQ(regional->GetFormulaType(), 28);
    EXPECT_EQ(regional->GetGradeRegion(), mask.GetGradeRegionAt(0));
    EXPECT_EQ(formulas.FindFormulaByName(regional->GetVarName()), regional);
    EXPECT_EQ(measuredBy(*regional), formulasAt(formulas, expected.regionalMeasures));
}

std::unique_ptr<CGradeMask> loadMask(const std::filesystem::path &file)
{
    auto mask = std::make_unique<CGradeMask>();
    EXPECT_TRUE(mask->Load(file)) << mask->GetLastError();
    return mask;
}

std::unique_ptr<CGradeMask> savedAndLoaded(CGradeMask &mask, const std::filesystem::path &file)
{
    EXPECT_TRUE(mask.Save(file)) << mask.GetLastError();
    return loadMask(file);
}

// Of version 1050: path formulas 0 (point 0 -> 2), 1 (2 -> 0), 2 (the region's) and 3 (3 -> 1),
// made of old path definitions; the pattern's grading (4) graded along point 1 <- point 3 and
// measured along 0 and 1; the region's (5) measured along 2 and 3.
const Relinked kOldGradings{7, 4, 5, 6, 1, 3, {0, 1}, {2, 3}};

std::filesystem::path oldGradingsFile()
{
    return sourcePath("formulas/tests/fuzz/mask-formula-corpus/proportional-distance-1050.msk");
}

} // namespace

TEST(OldGradingsUpdateTest, TheReplacementsKeepTheGradingsPathsAndEndPoints)
{
    expectRelinked(*loadMask(oldGradingsFile()), kOldGradings);
}

TEST(OldGradingsUpdateTest, TheUpdatedMaskSavesAndLoadsAgainUnchanged)
{
    TemporaryFolder folder{"old-gradings-update"};
    const std::unique_ptr<CGradeMask> loaded = loadMask(oldGradingsFile());
    expectRelinked(*savedAndLoaded(*loaded, folder / "saved.msk"), kOldGradings);
}

namespace {

// The mask holds the pattern Front, the region R1 and the formulas:
//   0  path "front_a" of Front, point 0 -> point 2;
//   1  path "front_b" of Front, point 2 -> point 0;
//   2  proportional distance "hem" of Front, point 1 <- point 3, measured along 0 and 1;
//   3  proportional distance "side" of R1, measured along 1.
class ProportionalFormulaUpdateTest : public ::testing::Test
{
protected:
    ProportionalFormulaUpdateTest()
        : m_front(testmodel::placeSquare(m_mask, "Front")),
          m_region(testmodel::addRegion(m_mask, testmodel::boxShape(-10, -10, 50, 50),
                                        REGION_GRADE))
    {
        IBaseFormula *first = addPath("front_a", 0, 2);
        IBaseFormula *second = addPath("front_b", 2, 0);

        auto *pattern = dynamic_cast<CPropDistPatternFormula *>(
            formulas().AddFormula(formulas().MakePatternFormula(1, nullptr, m_front)));
        pattern->SetIndexPoint(0, maskPointAt(*m_front, 1));
        pattern->SetIndexPoint(1, maskPointAt(*m_front, 3));
        pattern->SetReverse(true);
        pattern->SetVarName("hem");
        pattern->SetAdjustType(2);
        pattern->SetProportionByLength(true);
        pattern->SetTableRelativeType(3);
        pattern->AddMeasurePath(first);
        pattern->AddMeasurePath(second);

        auto *region = dynamic_cast<CPropDistRegionFormula *>(
            formulas().AddFormula(formulas().MakeRegionFormula(1, nullptr, m_region)));
        region->SetVarName("side");
        region->SetAdjustType(1);
        region->SetProportionByLength(true);
        region->AddMeasurePath(second);
    }

    CFormulaManager &formulas() { return m_mask.GetFormulas(); }

    IBaseFormula *addPath(const std::string &name, int first, int last)
    {
        auto *path = dynamic_cast<CPathPatternFormula *>(
            formulas().AddFormula(formulas().MakePatternFormula(2, nullptr, m_front)));
        path->SetFirstPoint(maskPointAt(*m_front, first));
        path->SetLastPoint(maskPointAt(*m_front, last));
        path->SetVarName(name);
        return path;
    }

    // The mask saved as a file of version 2120, then loaded.
    std::unique_ptr<CGradeMask> loadAs2120()
    {
        const std::filesystem::path path = m_folder / "mask.msk";
        EXPECT_TRUE(m_mask.Save(path)) << m_mask.GetLastError();
        std::string text = morvane::readFileContent(path).value_or("");
        const std::string current = "Version=\"2121\"";
        const size_t at = text.find(current);
        EXPECT_NE(at, std::string::npos);
        if (at != std::string::npos)
            text.replace(at, current.size(), "Version=\"2120\"");
        std::ofstream(path, std::ios::trunc) << text;
        return loadMask(path);
    }

    TemporaryFolder m_folder{"proportional-update"};
    CGradeMask m_mask;
    CMaskPattern *m_front;
    CGradeRegion *m_region;
};

// Formulas 2 and 3 replaced by 2 and 3, the new path being 4; and the settings they had.
void expectUpdated(CGradeMask &mask)
{
    expectRelinked(mask, {5, 2, 3, 4, 1, 3, {0, 1}, {1}});
    const IFormulaManager &formulas = *mask.GetFormulaManager();
    ASSERT_EQ(formulas.GetFormulaCount(), 5);
    EXPECT_EQ(formulas.GetFormulaAt(4)->AsMeasureFormula()->GetVarName(), "hem");

    auto *global = dynamic_cast<CGlobPropDistFormula *>(formulas.GetFormulaAt(2));
    ASSERT_NE(global, nullptr);
    EXPECT_EQ(global->GetPathAdjustType(), 2);
    EXPECT_TRUE(global->GetProportionByLength());
    EXPECT_EQ(global->GetTableRelativeType(), 3);

    auto *regional = dynamic_cast<CRegionRelativeFormula *>(formulas.GetFormulaAt(3));
    ASSERT_NE(regional, nullptr);
    EXPECT_EQ(regional->GetVarName(), "side");
    EXPECT_EQ(regional->GetPathAdjustType(), 1);
    EXPECT_TRUE(regional->GetProportionByLength());
}

} // namespace

TEST_F(ProportionalFormulaUpdateTest, TheReplacementsKeepTheDataOfTheFormulasTheyReplace)
{
    const std::unique_ptr<CGradeMask> loaded = loadAs2120();
    expectUpdated(*loaded);
    EXPECT_EQ(loaded->GetHistory()->GetItemCount(), 0);
}

TEST_F(ProportionalFormulaUpdateTest, TheUpdatedMaskSavesAndLoadsAgainUnchanged)
{
    const std::unique_ptr<CGradeMask> loaded = loadAs2120();
    expectUpdated(*savedAndLoaded(*loaded, m_folder / "saved.msk"));
}

// Without a name the path formula, a measure made after the update that names measures, gets
// the first name of the kind that update gives.
TEST_F(ProportionalFormulaUpdateTest, AnUnnamedFormulaGivesANamedPath)
{
    dynamic_cast<CPropDistPatternFormula *>(formulas().GetFormulaAt(2))->SetVarName("");
    const std::unique_ptr<CGradeMask> loaded = loadAs2120();
    ASSERT_EQ(loaded->GetFormulas().GetFormulaCount(), 5);
    auto *path = dynamic_cast<CPathPatternFormula *>(loaded->GetFormulas().GetFormulaAt(4));
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->GetVarName(), "m1");
}
