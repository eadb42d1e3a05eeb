// Morvane AAMA grade model tests.
// Styles of other pattern systems graded over three sizes and saved both ways, as AAMA DXF with
// its RUL grade rules and as graded R12: each saved file reads back, through its reader and
// through the model, with the same pieces, outlines, notches, names and rules in every size.
#include "AamaDxfSamples.h"
#include "ModelDescription.h"
#include "RulFileRules.h"
#include "TestFiles.h"
#include "foundation/NameCompare.h"
#include "foundation/TextFormat.h"
#include "platform/fallowby/JWCAData.h"
#include "sources/aama-model/AamaR12DxfWriter.h"
#include "sources/aama-reader/AAMAData.h"
#include "sources/dxf-groups/DxfCodePage.h"
#include "sources/grade-model/testing/FakeGradeData.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using morvane::format;

namespace {

constexpr const char *kSizes[] = {"S", "M", "L"};

// The names that the BLOCKs and the INSERTs of a saved AAMA DXF file give.
std::vector<std::string> namesAfter(const std::string &text, const std::string &entity)
{
    std::vector<std::string> names;
    const std::string start = "  0\r\n" + entity + "\r\n  8\r\n1\r\n  2\r\n";
    for (std::size_t at = text.find(start); at != std::string::npos;
         at = text.find(start, at + 1)) {
        const std::size_t name = at + start.size();
        names.push_back(text.substr(name, text.find("\r\n", name) - name));
    }
    return names;
}

// A labelled place of a saved AAMA DXF file: where it lies and the name of its rule.
struct RulePlace
{
    morvane::AamaPosition position;
    int rule;
};

std::vector<RulePlace> rulePlaces(const IAAMAData &data, int piece)
{
    std::vector<RulePlace> places;
    for (int v = 0; v < data.GetVertexCount(piece, -1); ++v) {
        int flags = 0;
        int rule = -1;
        double notch[2] = {};
        const morvane::AamaPosition at = data.GetVertex(piece, -1, v, flags, rule, notch);
        if (rule >= 0)
            places.push_back({at, rule});
    }
    for (int h = 0; h < data.GetDrillHoleCount(piece); ++h) {
        int rule = -1;
        const morvane::AamaPosition at = data.GetDrillHole(piece, h, rule);
        if (rule >= 0)
            places.push_back({at, rule});
    }
    for (const morvane::AamaNotchOffOutline &notch : data.GetNotchesOffOutline(piece)) {
        if (notch.ruleNumber >= 0)
            places.push_back({notch.position, notch.ruleNumber});
    }
    return places;
}

// The rule point of a pattern at a place of the file's units; null when none.
CAamaGradePoint *rulePointAt(CAamaGradePattern &pattern, morvane::AamaPosition place, double unit)
{
    int count = 0;
    pattern.GetInternalPointCount(count);
    for (int i = 0; i < count; ++i) {
        CAamaGradePoint *point = pattern.GetInternalPointAt(i);
        const DPOINT base = point->GetBasePosition();
        if (std::fabs(base.x / unit - place.x) < 5e-4 && std::fabs(base.y / unit - place.y) < 5e-4)
            return point;
    }
    return nullptr;
}

std::string placeText(double x, double y)
{
    return format("%.3f,%.3f", x, y);
}

class AamaSavedStyleTest : public testing::TestWithParam<const char *>
{
protected:
    static fs::path fixturePath()
    {
        const std::string name = GetParam();
        return name[0] == '@' ? dataPath(name.substr(1)) : readerDataPath(name);
    }

    void SetUp() override
    {
        m_model = loadedModel(fixturePath(), m_folder / "saved.dxf");
        m_model->OnAttach(&m_sizes);
        m_model->BeginGrading();
        gradeEveryPoint(*m_model, m_sizes);
        m_unit = m_model->GetMillimetresPerFileUnit();
    }

    // The place of a position in millimetres as the files write it.
    std::string filePlace(const DPOINT &position) const
    {
        return placeText(position.x / m_unit, position.y / m_unit);
    }

    void expectRulesInEverySize(const IAAMAData &data, const std::string &rul) const;
    void expectGradedPiece(const IJwcaAAMAData &data, int piece, CAamaGradePattern &pattern,
                           GradeSize size) const;

    ScratchFolder m_folder;
    morvane::FakeGradeData m_sizes{{{{"S", "M", "L"}, 1}}};
    std::unique_ptr<CAamaGradeModel> m_model;
    double m_unit = 1.0;
};

// Every labelled place of the file names a rule whose displacement in each size is that of the
// model's rule point at that place, in the file's units; every rule point is labelled once.
void AamaSavedStyleTest::expectRulesInEverySize(const IAAMAData &data, const std::string &rul) const
{
    std::istringstream text(rul);
    const auto rules = readRulRules(text);
    std::set<int> labels;
    int rulePointCount = 0;
    for (int piece = 0; piece < data.GetPieceCount(); ++piece) {
        CAamaGradePattern &pattern = *m_model->GetPatternAt(piece);
        int count = 0;
        pattern.GetInternalPointCount(count);
        rulePointCount += count;
        for (const RulePlace &place : rulePlaces(data, piece)) {
            SCOPED_TRACE(format("piece %d rule %d at %.3f,%.3f", piece, place.rule,
                                place.position.x, place.position.y));
            labels.insert(place.rule);
            const CAamaGradePoint *point = rulePointAt(pattern, place.position, m_unit);
            ASSERT_NE(point, nullptr);
            ASSERT_EQ(rules.count(std::to_string(place.rule)), 1u);
            const std::vector<DPOINT> &values = rules.at(std::to_string(place.rule));
            ASSERT_EQ(values.size(), std::size(kSizes));
            for (int s = 0; s < static_cast<int>(values.size()); ++s) {
                const DPOINT graded = point->GetGradedPosition({0, s});
                const DPOINT base = point->GetBasePosition();
                EXPECT_NEAR(values[s].x, (graded.x - base.x) / m_unit, 0.006) << kSizes[s];
                EXPECT_NEAR(values[s].y, (graded.y - base.y) / m_unit, 0.006) << kSizes[s];
            }
        }
    }
    EXPECT_EQ(static_cast<int>(labels.size()), rulePointCount);
    EXPECT_EQ(static_cast<int>(rules.size()), rulePointCount);
}

// The piece of the graded R12 file is the pattern in that size: the name, every curve's shape
// with its rules and the notches its curve holds, the drill holes and the notches off the
// outline at their places there.
void AamaSavedStyleTest::expectGradedPiece(const IJwcaAAMAData &data, int piece,
                                           CAamaGradePattern &pattern, GradeSize size) const
{
    EXPECT_EQ(data.GetPieceName(piece), pattern.GetPatternName());
    EXPECT_EQ(data.GetPieceSize(piece), kSizes[size.size]);
    int curveCount = 0;
    pattern.GetCurveCount(curveCount);
    int line = 0;
    for (int c = 0; c < curveCount; ++c) {
        CAamaGradeCurve &curve = *pattern.GetCurveAt(c);
        if (curve.IsStraightLine() || curve.GetPointCount() == 0)
            continue;
        std::vector<DPOINT> shape;
        curve.GetShape(size, &shape, nullptr);
        ASSERT_EQ(data.GetVertexCount(piece, line), static_cast<int>(shape.size()));
        for (int v = 0; v < data.GetVertexCount(piece, line); ++v) {
            SCOPED_TRACE(format("curve %d vertex %d", c, v));
            int flags = 0;
            int rule = 0;
            double notch[2] = {};
            const DPOINT at = data.GetVertex(piece, line, v, flags, rule, notch);
            const CAamaGradePoint &point = *curve.GetPointAt(v);
            EXPECT_EQ(placeText(at.x, at.y), filePlace(shape[static_cast<std::size_t>(v)]));
            EXPECT_EQ(rule, point.GetRuleNumber());
            const bool holdsNotch = curve.HoldsNotch(point.GetNotch());
            EXPECT_EQ((flags & 0x10) != 0, holdsNotch);
            if (holdsNotch) {
                const DPOINT vector = point.GetNotch()->m_oVector;
                EXPECT_NEAR(notch[0], vector.x / m_unit, 0.002);
                EXPECT_NEAR(notch[1], vector.y / m_unit, 0.002);
            }
        }
        ++line;
    }
    EXPECT_EQ(data.GetLineCount(piece), line);
    const auto &offOutline = pattern.GetNotchesOffOutline();
    ASSERT_EQ(data.GetNotchOffOutlineCount(piece), static_cast<int>(offOutline.size()));
    for (int n = 0; n < data.GetNotchOffOutlineCount(piece); ++n) {
        int rule = 0;
        double notch[2] = {};
        double angle = 0.0;
        const DPOINT at = data.GetNotchOffOutline(piece, n, rule, notch, angle);
        const CAamaGradePoint &point = offOutline[static_cast<std::size_t>(n)];
        EXPECT_EQ(placeText(at.x, at.y), filePlace(point.GetGradedPosition(size)));
        EXPECT_EQ(rule, point.GetRuleNumber());
        EXPECT_NEAR(std::hypot(notch[0], notch[1]),
                    std::hypot(point.GetNotch()->m_oVector.x, point.GetNotch()->m_oVector.y) /
                        m_unit,
                    0.002);
    }
    int hole = 0;
    for (const CAamaGradePoint &point : pattern.GetInternalPoints()) {
        int rule = 0;
        const DPOINT at = data.GetDrillHole(piece, hole++, rule);
        EXPECT_EQ(placeText(at.x, at.y), filePlace(point.GetGradedPosition(size)));
        EXPECT_EQ(rule, point.GetRuleNumber());
    }
    EXPECT_EQ(data.GetDrillHoleCount(piece), hole);
}

} // namespace

// Saved the way its file calls for and read again, the model keeps every outline point with its
// kind and place, every rule, notch, drill hole, internal line, text and name, and its units.
TEST_P(AamaSavedStyleTest, KeepsEverythingThroughASave)
{
    ASSERT_EQ(m_model->Save(), GM_NO_ERROR) << m_model->GetLastError();
    auto reread = loadedModel(m_folder / "saved.dxf", m_folder / "again.dxf");
    EXPECT_EQ(describeModel(*reread), describeModel(*m_model));
}

TEST_P(AamaSavedStyleTest, SavesAamaDxfAndRulThatReadBackInEverySize)
{
    if (m_model->IsMasterSizeFile())
        GTEST_SKIP() << "a style with a master size is saved as graded R12";
    ASSERT_EQ(m_model->Save(), GM_NO_ERROR) << m_model->GetLastError();
    const std::string text = readFile(m_folder / "saved.dxf");
    AAMAData saved;
    ASSERT_TRUE(saved.LoadText(text)) << saved.GetLoadError();
    const IAAMAData &data = *saved.GetIAAMADataItf();

    int patternCount = 0;
    m_model->GetPatternCount(patternCount);
    ASSERT_EQ(data.GetPieceCount(), patternCount);
    // The names have the bytes of the file read, whatever its code page.
    AAMAData fixture;
    ASSERT_TRUE(fixture.Load(fixturePath()));
    const IAAMAData &read = *fixture.GetIAAMADataItf();
    EXPECT_EQ(data.GetCodePage(), read.GetCodePage());
    EXPECT_EQ(data.GetStyleName(), read.GetStyleName());
    std::vector<std::string> readNames;
    for (int piece = 0; piece < read.GetPieceCount(); ++piece) {
        if (read.GetPieceSize(piece) == read.GetSampleSize())
            readNames.push_back(read.GetPieceName(piece));
    }
    std::vector<std::string> savedNames;
    for (int piece = 0; piece < data.GetPieceCount(); ++piece)
        savedNames.push_back(data.GetPieceName(piece));
    EXPECT_EQ(savedNames, readNames);
    for (int piece = 0; piece < patternCount; ++piece) {
        const CAamaGradePattern &pattern = *m_model->GetPatternAt(piece);
        EXPECT_EQ(data.GetPieceName(piece), pattern.GetPatternName());
        EXPECT_EQ(data.HasPieceName(piece), pattern.GetExtras().hasNameText);
    }
    // Every block has a valid name of its own, which its INSERT names.
    const std::vector<std::string> blocks = namesAfter(text, "BLOCK");
    EXPECT_EQ(namesAfter(text, "INSERT"), blocks);
    std::set<std::string> distinct;
    const morvane::DxfCodePage codePage(m_model->GetCodePage());
    for (const std::string &block : blocks) {
        SCOPED_TRACE(block);
        EXPECT_FALSE(block.empty());
        EXPECT_EQ(codePage.toUtf8(block).find_first_of("<>/\\\":;?*|=`"), std::string::npos);
        EXPECT_TRUE(distinct.insert(morvane::toUpperAscii(block)).second);
    }
    expectRulesInEverySize(data, readFile(m_folder / "saved.RUL"));
}

TEST_P(AamaSavedStyleTest, SavesGradedR12ThatReadsBackInEverySize)
{
    const fs::path path = m_folder / "saved-r12.dxf";
    CAamaR12DxfWriter(*m_model, fixedClock).Write(path);
    JWCAData saved;
    ASSERT_TRUE(saved.LoadText(readFile(path))) << saved.GetLoadError();
    const IJwcaAAMAData &data = *saved.GetIAAMADataItf();
    EXPECT_EQ(data.GetCodePage(), m_model->GetCodePage());
    EXPECT_EQ(data.GetUnits(), m_model->IsInInches() ? 2 : 1);
    int patternCount = 0;
    m_model->GetPatternCount(patternCount);
    ASSERT_EQ(data.GetPieceCount(), patternCount * 3);
    for (int piece = 0; piece < data.GetPieceCount(); ++piece) {
        SCOPED_TRACE(format("pattern %d size %s", piece / 3, kSizes[piece % 3]));
        expectGradedPiece(data, piece, *m_model->GetPatternAt(piece / 3), {0, piece % 3});
    }

    auto reread = loadedModel(path, m_folder / "again.dxf");
    EXPECT_EQ(describeGradedR12Model(*reread), describeGradedR12Model(*m_model));
}

INSTANTIATE_TEST_SUITE_P(
    OtherSystems, AamaSavedStyleTest,
    testing::Values("split-outline.dxf", "split-reversed.dxf", "copy-before-points.dxf",
                    "labels-off-turn-points.dxf", "hole-rule-by-position.dxf", "edge-notch.dxf",
                    "notch-without-angle.dxf", "sample-size-keys.dxf", "inches.dxf",
                    "inches-by-header.dxf", "internal-lines.dxf", "notch-points.dxf",
                    "two-pieces.dxf", "seam-notches.dxf", "korean-code-page.dxf",
                    "korean-no-code-page.dxf", "western-code-page.dxf", "legacy-encoding.dxf",
                    "utf8-names.dxf", "chinese-code-page.dxf", "slash-names.dxf",
                    "unnamed-pieces.dxf", "inch-seam-style.dxf", "@three-sizes.dxf",
                    "@master-size.dxf", "@master-size-shared.dxf", "@numbered-pieces.dxf"),
    [](const testing::TestParamInfo<const char *> &info) { return fixtureTestName(info.param); });
