// Morvane program documents tests.
// Contexts: where the input patterns lie on a grade mask and how they are tied to it, recorded,
// written, read back and put back.
#include "SourcePath.h"
#include "TemporaryFolder.h"
#include "app/documents/MvContext.h"
#include "app/grading/testing/StyleOnMask.h"
#include "foundation/TextFormat.h"
#include "model/BasePoint.h"
#include "model/InputPattern.h"
#include "model/MaskPoint.h"
#include "model/PatternLocation.h"
#include "model/PatternReleaser.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

/// How one input pattern lies on the mask and is tied to it.
struct PatternState
{
    double x = 0;
    double y = 0;
    double degrees = 0;
    bool flipped = false;
    bool placed = false;
    std::vector<std::string> maskPatterns;
    /// (input point id, mask point id) of every point association, in grade-point order.
    std::vector<std::pair<int, int>> points;
};

class ContextTest : public ::testing::Test
{
protected:
    CInputPattern &piece(int p) { return *m_style.inputPatterns().GetPatternAt(p); }

    PatternState stateOf(int p)
    {
        CInputPattern &pattern = piece(p);
        const IPatternLocation *location = pattern.GetPatternLocation();
        PatternState state;
        state.x = location->GetPosX();
        state.y = location->GetPosY();
        state.degrees = location->GetRotAngle(false);
        state.flipped = location->IsFlipped();
        state.placed = pattern.IsFlagged();
        CPtrCollection<CPattern> associated;
        pattern.GetAssPatterns(associated);
        for (const CPattern *maskPattern : associated)
            state.maskPatterns.push_back(maskPattern->GetPatternName());
        for (int i = 0; i < pattern.GetGradePointCount(); ++i) {
            CBasePoint *point = pattern.GetGradePointAt(i);
            CPtrCollection<CBasePoint> partners;
            for (const CPattern *maskPattern : associated) {
                for (int j = 0; j < maskPattern->GetBasePointCount(); ++j) {
                    CBasePoint *maskPoint = maskPattern->GetBasePointAt(j);
                    maskPoint->GetMaskPoint()->AppendAssociations(partners);
                    for (const CBasePoint *partner : partners) {
                        if (partner == point)
                            state.points.emplace_back(point->GetPointId(), maskPoint->GetPointId());
                    }
                    partners.RemoveAll();
                }
            }
        }
        return state;
    }

    static void expectState(const PatternState &actual, const PatternState &expected)
    {
        EXPECT_NEAR(actual.x, expected.x, 1e-3);
        EXPECT_NEAR(actual.y, expected.y, 1e-3);
        // Degrees become radians by the model's short factor: a turn drifts by 1e-7 degree.
        EXPECT_NEAR(actual.degrees, expected.degrees, 1e-6);
        EXPECT_EQ(actual.flipped, expected.flipped);
        EXPECT_EQ(actual.placed, expected.placed);
        EXPECT_EQ(actual.maskPatterns, expected.maskPatterns);
        EXPECT_EQ(actual.points, expected.points);
    }

    /// Every input pattern at the origin, unturned, not placed, tied to nothing.
    void untie()
    {
        m_style.mask().GetPatternAssociationMap()->ReleaseAll();
        for (int p = 0; p < m_style.patternCount(); ++p) {
            piece(p).SetPatternLocation(0, 0, 0, false);
            piece(p).ClearFlagged();
        }
    }

    /// Loads the context of the text (written to a file first); fails the test when refused.
    void loadText(CMvContext &context, const std::string &text)
    {
        std::ofstream(m_folder / "text.cct") << text;
        ASSERT_TRUE(context.Load(m_folder / "text.cct")) << context.GetLastError();
    }

    /// Applies the context's entry for the mask.
    void apply(const CMvContext &context)
    {
        const CMvContexMask *entry = context.FindMask(m_style.mask());
        ASSERT_NE(entry, nullptr);
        entry->Apply(m_style.mask(), m_style.inputPatterns());
    }

    TemporaryFolder m_folder{"context"};
    testgrading::StyleOnMask m_style{sourcePath("sources/aama-model/tests/data/shirt.dxf"),
                                     sourcePath("app/grading/tests/data/women.mst"),
                                     m_folder / "graded.dxf",
                                     {{90, true}, {180, false}}};
};

/// A context of one mask entry holding the pattern entries.
std::string contextText(const std::string &maskName, const std::string &patterns)
{
    return "<MvContext><ContexMasks><ContexMask><Name>" + maskName + "</Name><ContexPatterns>" +
           patterns + "</ContexPatterns></ContexMask></ContexMasks></MvContext>";
}

/// A pattern entry, placed at (10, 20), turned by radians, tied to the mask patterns by the
/// point entries.
std::string patternText(const std::string &name, double radians, const std::string &maskPattern,
                        const std::string &points)
{
    return "<ContexPattern><Name>" + name +
           "</Name><Placed>1</Placed><PosX>10</PosX><PosY>20</PosY><RotAngle>" +
           morvane::formatFixed(radians, 6) + "</RotAngle><Fliped>0</Fliped><AssMaskPatterns>" +
           (maskPattern.empty() ? ""
                                : "<AssMaskPattern><ap>" + maskPattern + "</ap></AssMaskPattern>") +
           "</AssMaskPatterns><ContextPoints>" + points + "</ContextPoints></ContexPattern>";
}

std::string pointText(double x, double y, int inputId, int maskId)
{
    return "<cp><x>" + morvane::formatFixed(x, 3) + "</x><y>" + morvane::formatFixed(y, 3) +
           "</y><ip>" + std::to_string(inputId) + "</ip><mp>" + std::to_string(maskId) +
           "</mp></cp>";
}

} // namespace

TEST_F(ContextTest, PutsBackWhereThePiecesLayAndHowTheyWereTied)
{
    ASSERT_EQ(m_style.GetProblem(), "");
    ASSERT_EQ(m_style.patternCount(), 2);
    piece(0).SetPatternLocation(120.5, -40.25, 90, true);
    piece(1).SetPatternLocation(-300, 15, 180, false);
    const std::vector<PatternState> recorded = {stateOf(0), stateOf(1)};
    ASSERT_FALSE(recorded[0].points.empty());

    CMvContext gathered;
    gathered.GatherMask(m_style.mask(), m_style.inputPatterns());
    ASSERT_TRUE(gathered.Save(m_folder / "work.cct")) << gathered.GetLastError();
    untie();

    CMvContext loaded;
    ASSERT_TRUE(loaded.Load(m_folder / "work.cct")) << loaded.GetLastError();
    apply(loaded);
    for (int p = 0; p < 2; ++p) {
        SCOPED_TRACE(p);
        expectState(stateOf(p), recorded[static_cast<size_t>(p)]);
    }

    apply(loaded);
    for (int p = 0; p < 2; ++p) {
        SCOPED_TRACE("applied twice");
        expectState(stateOf(p), recorded[static_cast<size_t>(p)]);
    }
}

TEST_F(ContextTest, TurnsRadiansIntoDegreesWithinATurnAndMatchesNamesInAnyLetterCase)
{
    ASSERT_TRUE(m_style.mask().Save(m_folder / "Front.msk")) << m_style.mask().GetLastError();
    untie();
    CMvContext context;
    loadText(context, contextText("FRONT.MSK", patternText("front", 7.0, "Front", "") +
                                                   patternText("FRONT", 1.0, "", "") +
                                                   patternText("collar", 0.5, "", "")));

    apply(context);
    EXPECT_NEAR(stateOf(0).degrees, 7.0 * 57.295779513082195 - 360, 1e-6) << "about 41.07";
    EXPECT_EQ(stateOf(0).maskPatterns, std::vector<std::string>{"FRONT"});
    EXPECT_TRUE(stateOf(0).placed);
    EXPECT_DOUBLE_EQ(stateOf(0).x, 10);
    EXPECT_FALSE(stateOf(1).placed) << "BACK has no entry and stays as it was";
    EXPECT_DOUBLE_EQ(stateOf(1).x, 0);
}

TEST_F(ContextTest, FindsAGradePointThatMovedLessThanFiveUnits)
{
    CBasePoint *point = m_style.inputPoint(0, 0);
    const int inputId = point->GetPointId();
    const int maskId = m_style.maskPoint(0, 0)->GetPointId();
    const struct
    {
        const char *name;
        double shift;
        int recordedId;
        bool tied;
    } cases[] = {
        {"moved by 4.9", 4.9, inputId, true},
        {"moved by 4.9 under another id: the nearest", 4.9, 99999, true},
        {"moved by 5.0", 5.0, inputId, false},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        untie();
        CMvContext context;
        loadText(context,
                 contextText("", patternText("FRONT", 0, "FRONT",
                                             pointText(point->GetX() + row.shift, point->GetY(),
                                                       row.recordedId, maskId))));
        apply(context);
        const PatternState state = stateOf(0);
        const std::vector<std::pair<int, int>> expected =
            row.tied ? std::vector<std::pair<int, int>>{{inputId, maskId}}
                     : std::vector<std::pair<int, int>>{};
        EXPECT_EQ(state.points, expected);
    }
}

TEST_F(ContextTest, SkipsAPointOfAMaskPatternThePieceIsNotTiedTo)
{
    CBasePoint *point = m_style.inputPoint(0, 0);
    const int maskId = m_style.maskPoint(0, 0)->GetPointId();
    untie();
    CMvContext context;
    loadText(context, contextText("", patternText("FRONT", 0, "NOSUCHPIECE",
                                                  pointText(point->GetX(), point->GetY(),
                                                            point->GetPointId(), maskId))));
    apply(context);
    EXPECT_TRUE(stateOf(0).maskPatterns.empty());
    EXPECT_TRUE(stateOf(0).points.empty());
}

TEST_F(ContextTest, RefusesAFileThatMissesARequiredElement)
{
    std::ofstream(m_folder / "bad.cct") << contextText(
        "", "<ContexPattern><Name>FRONT</Name><Placed>1</Placed><PosX>0</PosX><PosY>0</PosY>"
            "<RotAngle>0</RotAngle><AssMaskPatterns/><ContextPoints/></ContexPattern>");
    CMvContext context;
    loadText(context, contextText("", patternText("FRONT", 0, "", "")));
    EXPECT_FALSE(context.Load(m_folder / "bad.cct"));
    EXPECT_NE(context.GetLastError().find("Fliped"), std::string::npos) << context.GetLastError();
    EXPECT_EQ(context.GetMaskCount(), 1) << "a refused file changes nothing";

    CMvContext empty;
    ASSERT_TRUE(empty.Save(m_folder / "empty.cct"));
    EXPECT_TRUE(context.Load(m_folder / "empty.cct")) << context.GetLastError();
    EXPECT_EQ(context.GetMaskCount(), 0);
}
