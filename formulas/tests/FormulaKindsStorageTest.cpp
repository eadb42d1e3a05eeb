// Morvane formula library tests.
// Measures, path formulas and proportional-distance formulas in the mask file: saved, loaded
// back with their references, and saved again unchanged.
#include "MaskFixtures.h"
#include "RegionFixtures.h"
#include "TemporaryFolder.h"
#include "formulas/MeasureDistP2S.h"
#include "formulas/MeasureDistS2S.h"
#include "formulas/MeasureP2P.h"
#include "formulas/PathPatternFormula.h"
#include "formulas/PathRegionFormula.h"
#include "formulas/PropDistFormula.h"
#include "formulas/PropRegionFormula.h"
#include "foundation/FileContent.h"
#include "model/GradeMask.h"
#include "model/MaskPoint.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

using namespace testmodel;

namespace {

template <class T> T *add(CGradeMask &mask, std::unique_ptr<T> formula)
{
    T *added = formula.get();
    mask.GetFormulas().AddFormula(std::move(formula));
    return added;
}

template <class T> T *formulaAt(const CGradeMask &mask, int i)
{
    return dynamic_cast<T *>(const_cast<CGradeMask &>(mask).GetFormulaManager()->GetFormulaAt(i));
}

std::string textOf(const std::filesystem::path &path)
{
    return morvane::readFileContent(path).value_or("");
}

// A mask square (P1 to P4), a region, and one formula of each kind between them.
class FormulaKindsStorageTest : public ::testing::Test
{
protected:
    FormulaKindsStorageTest()
    {
        auto path = std::make_unique<CPathPatternFormula>();
        path->SetPattern(square);
        path->SetVarName("front");
        path->SetFirstPoint(point(0)->GetMaskPoint());
        path->SetLastPoint(point(2)->GetMaskPoint());
        path->SetReverse(true);
        CPathPatternFormula *pathFormula = add(mask, std::move(path));

        auto regionPath = std::make_unique<CPathRegionFormula>();
        regionPath->SetRegion(region);
        regionPath->SetVarName("side");
        add(mask, std::move(regionPath));

        auto between = std::make_unique<CMeasureP2P>();
        between->SetPattern(square);
        between->SetVarName("width");
        between->SetIndexPoint(0, point(0));
        between->SetIndexPoint(1, point(1));
        between->SetMeasureType(MEASURE_DIRECTION);
        add(mask, std::move(between));

        auto probe = std::make_unique<CMeasureDistP2S>();
        probe->SetPattern(square);
        probe->SetMeasuredPoint(point(3));
        probe->SetAngleDeg(-30.5);
        add(mask, std::move(probe));

        auto across = std::make_unique<CMeasureDistS2S>();
        across->SetRegion(region);
        add(mask, std::move(across));

        auto proportional = std::make_unique<CPropDistPatternFormula>();
        proportional->SetPattern(square);
        proportional->SetVarName("pd");
        proportional->SetIndexPoint(0, point(0));
        proportional->SetIndexPoint(1, point(2));
        proportional->SetReverse(true);
        proportional->SetAdjustType(2);
        proportional->SetProportionByLength(true);
        proportional->AddMeasurePath(pathFormula);
        const int second = proportional->AddMeasurePath(pathFormula);
        proportional->GetMeasurePathAt(second)->SetSegments(4);
        proportional->GetMeasurePathAt(second)->SetAutoSegments(false);
        add(mask, std::move(proportional));

        auto regionProportional = std::make_unique<CPropDistRegionFormula>();
        regionProportional->SetRegion(region);
        add(mask, std::move(regionProportional));

        IBaseFormula *byRegion = mask.GetFormulaManager()->AddNewRegionFormula(
            CPropRegionFormula::kFormulaType, nullptr, region);
        static_cast<CPropRegionFormula *>(byRegion)->SetXText("dx");
    }

    CBasePoint *point(int i) const { return square->GetBasePointAt(i); }

    const TemporaryFolder folder{"formula-kinds"};
    CGradeMask mask;
    CMaskPattern *square = placeSquare(mask, "Front");
    CGradeRegion *region = addRegion(mask, boxShape(0, 0, 10, 10), REGION_GRADE);
};

} // namespace

TEST_F(FormulaKindsStorageTest, EveryKindComesBackWithItsSettingsAndReferences)
{
    ASSERT_TRUE(mask.Save(folder / "first.msk")) << mask.GetLastError();
    const std::string text = textOf(folder / "first.msk");
    EXPECT_EQ(text.find("ValueType"), std::string::npos);
    EXPECT_EQ(text.find("MeasureAngle"), std::string::npos);
    EXPECT_NE(text.find("<measureType>3</measureType>"), std::string::npos);
    EXPECT_NE(text.find("<AngleDeg>-30.500</AngleDeg>"), std::string::npos);
    EXPECT_NE(text.find("<ProportionByLength>1</ProportionByLength>"), std::string::npos);

    CGradeMask loaded;
    ASSERT_TRUE(loaded.Load(folder / "first.msk")) << loaded.GetLastError();
    ASSERT_EQ(loaded.GetFormulaManager()->GetFormulaCount(), 8);
    const CMaskPattern *front = loaded.GetMaskPatternAt(0);

    const auto *path = formulaAt<CPathPatternFormula>(loaded, 0);
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->GetMaskPattern(), front);
    EXPECT_EQ(path->GetVarName(), "front");
    EXPECT_TRUE(path->GetReverse());
    EXPECT_EQ(path->GetLastPoint(), front->GetBasePointAt(2));

    const auto *regionPath = formulaAt<CPathRegionFormula>(loaded, 1);
    ASSERT_NE(regionPath, nullptr);
    EXPECT_EQ(regionPath->GetGradeRegion(), loaded.GetGradeRegionAt(0));

    const auto *between = formulaAt<CMeasureP2P>(loaded, 2);
    ASSERT_NE(between, nullptr);
    EXPECT_EQ(between->GetMeasureType(), MEASURE_DIRECTION);
    EXPECT_EQ(between->GetPattern(), front);
    EXPECT_EQ(between->GetIndexPoint(1), front->GetBasePointAt(1));

    const auto *probe = formulaAt<CMeasureDistP2S>(loaded, 3);
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->GetAngleDeg(), -30.5);
    EXPECT_EQ(probe->GetMeasuredPoint(), front->GetBasePointAt(3));

    const auto *across = formulaAt<CMeasureDistS2S>(loaded, 4);
    ASSERT_NE(across, nullptr);
    EXPECT_EQ(across->GetGradeRegion(), loaded.GetGradeRegionAt(0));

    const auto *proportional = formulaAt<CPropDistPatternFormula>(loaded, 5);
    ASSERT_NE(proportional, nullptr);
    EXPECT_EQ(proportional->GetVarName(), "pd");
    EXPECT_EQ(proportional->GetMaskPattern(), front);
    EXPECT_TRUE(proportional->GetReverse());
    EXPECT_EQ(proportional->GetAdjustType(), 2);
    EXPECT_TRUE(proportional->GetProportionByLength());
    ASSERT_EQ(proportional->GetMeasurePathCount(), 2);
    EXPECT_EQ(proportional->GetMeasurePathAt(0)->GetPathFormula(), path);
    EXPECT_TRUE(proportional->GetMeasurePathAt(0)->GetAutoSegments());
    EXPECT_EQ(proportional->GetMeasurePathAt(1)->GetSegments(), 4);
    EXPECT_FALSE(proportional->GetMeasurePathAt(1)->GetAutoSegments());

    const auto *regionProportional = formulaAt<CPropDistRegionFormula>(loaded, 6);
    ASSERT_NE(regionProportional, nullptr);
    EXPECT_EQ(regionProportional->GetGradeRegion(), loaded.GetGradeRegionAt(0));
    EXPECT_EQ(regionProportional->GetMeasurePathCount(), 0);

    auto *byRegion = formulaAt<CPropRegionFormula>(loaded, 7);
    ASSERT_NE(byRegion, nullptr);
    EXPECT_EQ(byRegion->GetGradeRegion(), loaded.GetGradeRegionAt(0));
    EXPECT_EQ(byRegion->GetXText(), "dx");
    EXPECT_EQ(byRegion->GetFormulaText(), "");
    EXPECT_NEAR(byRegion->GetGradingAngle(false), 90.0, 1e-4);

    ASSERT_TRUE(loaded.Save(folder / "second.msk"));
    EXPECT_EQ(textOf(folder / "second.msk"), text);
}

// Older files wrote "ValueType", and a point-to-shape measure named its point as "Point".
TEST_F(FormulaKindsStorageTest, OlderKeysAreStillRead)
{
    ASSERT_TRUE(mask.Save(folder / "current.msk"));
    std::string text = textOf(folder / "current.msk");
    const std::string varName = "<VarName>pd</VarName>";
    text.replace(text.find(varName), varName.size(), varName + "<ValueType>2</ValueType>");
    const std::string angle = "<AngleDeg>";
    // Points are referred to by their number among the file's points.
    text.replace(text.find(angle), 0, "<Point>1</Point>");
    std::ofstream(folder / "older.msk") << text;

    CGradeMask loaded;
    ASSERT_TRUE(loaded.Load(folder / "older.msk")) << loaded.GetLastError();
    EXPECT_EQ(formulaAt<CPropDistPatternFormula>(loaded, 5)->GetVarName(), "pd");
    const auto *probe = formulaAt<CMeasureDistP2S>(loaded, 3);
    EXPECT_EQ(probe->GetMeasuredPoint(), loaded.GetMaskPatternAt(0)->GetBasePointAt(1));
    EXPECT_EQ(probe->GetPattern(), loaded.GetMaskPatternAt(0));
}

TEST_F(FormulaKindsStorageTest, APathFormulaTakesOverAProportionalDistanceFormula)
{
    const auto *proportional = formulaAt<CPropDistPatternFormula>(mask, 5);
    CPathPatternFormula path;
    path.TakeOverPropDist(*proportional);
    EXPECT_EQ(path.GetVarName(), "pd");
    EXPECT_EQ(path.GetFirstPoint(), point(0));
    EXPECT_EQ(path.GetLastPoint(), point(2));
    EXPECT_TRUE(path.GetReverse());
}
