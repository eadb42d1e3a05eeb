// Morvane AAMA grade model tests.
// Files with the traits of other pattern systems, loaded, graded, saved and loaded again: every
// outline point keeps its kind and position, every rule, notch, drill hole, internal line and
// text stays, and so do the units.
#include "AamaDxfSamples.h"
#include "TestFiles.h"
#include "foundation/TextFormat.h"
#include "sources/aama-model/AamaGradeModel.h"
#include "sources/grade-model/testing/FakeGradeData.h"

#include <gtest/gtest.h>
#include <memory>

namespace fs = std::filesystem;
using morvane::format;

namespace {

const char *kindName(int32_t kind)
{
    switch (kind) {
    case morvane::kAamaTurnPoint:
        return "turn";
    case morvane::kAamaCurvePoint:
        return "curve";
    case morvane::kAamaNotchPoint:
        return "notch";
    case morvane::kAamaInternalPoint:
        return "internal";
    default:
        return "other";
    }
}

// A point as text: its place, kind, whether it has a rule (the numbers are given afresh on
// every save) and its notch.
std::string describePoint(const CAamaGradePoint &point)
{
    const DPOINT base = point.GetBasePosition();
    std::string text = format("%.3f,%.3f %s%s", base.x, base.y, kindName(point.GetKind()),
                              point.HasRule() ? " ruled" : "");
    if (const CAamaNotch *notch = point.GetNotch())
        text += format(" notch %.2f,%.2f", notch->m_oVector.x, notch->m_oVector.y);
    return text;
}

std::string describeDrawing(const morvane::AamaDrawingItem &item)
{
    std::string text = format("  draws kind %d layer %d closed %d:", static_cast<int>(item.kind),
                              item.layer, item.closed ? 1 : 0);
    for (const morvane::AamaPosition &point : item.points)
        text += format(" %.3f,%.3f", point.x, point.y);
    return text + " " + item.text + "\n";
}

// Everything the model holds that a save must keep.
std::string describeModel(CAamaGradeModel &model)
{
    std::string text = format("inches %d sample %s\n", model.IsInInches() ? 1 : 0,
                              model.GetSampleSize().c_str());
    int patternCount = 0;
    model.GetPatternCount(patternCount);
    for (int p = 0; p < patternCount; ++p) {
        CAamaGradePattern &pattern = *model.GetPatternAt(p);
        const morvane::AamaPieceExtras &extras = pattern.GetExtras();
        text += "pattern " + pattern.GetPatternName() + " | " + extras.annotation + " | " +
                format("%d", extras.quantity) + " | " + extras.category + "\n";
        int curveCount = 0;
        pattern.GetCurveCount(curveCount);
        for (int c = 0; c < curveCount; ++c) {
            const CAamaGradeCurve &curve = *pattern.GetCurveAt(c);
            text += "  curve\n";
            for (int i = 0; i < curve.GetPointCount(); ++i)
                text += "    " + describePoint(*curve.GetPointAt(i)) + "\n";
        }
        for (const CAamaGradePoint &point : pattern.GetInternalPoints())
            text += "  internal " + describePoint(point) + "\n";
        int rulePoints = 0;
        pattern.GetInternalPointCount(rulePoints);
        text += format("  rule points %d\n", rulePoints);
        for (const morvane::AamaDrawingItem &item : extras.drawing)
            text += describeDrawing(item);
    }
    return text;
}

std::unique_ptr<CAamaGradeModel> loadedModel(const fs::path &path, const fs::path &target)
{
    auto model = std::make_unique<CAamaGradeModel>(
        [target](const morvane::SaveFileRequest &) { return target; }, fixedClock);
    EXPECT_EQ(model->Load(path), GM_NO_ERROR) << model->GetLastError();
    return model;
}

class AamaTraitsRoundTripTest : public testing::TestWithParam<const char *>
{
};

} // namespace

TEST_P(AamaTraitsRoundTripTest, KeepsEverythingThroughASave)
{
    ScratchFolder folder;
    const fs::path saved = folder / "saved.dxf";
    morvane::FakeGradeData sizes({{{"S", "M", "L"}, 1}});
    const fs::path fixture = GetParam()[0] == '@' ? dataPath(GetParam() + 1)
                                                   : readerDataPath(GetParam());
    auto original = loadedModel(fixture, saved);
    original->OnAttach(&sizes);
    original->BeginGrading();
    gradeEveryPoint(*original, sizes);
    ASSERT_EQ(original->Save(), GM_NO_ERROR) << original->GetLastError();

    auto reread = loadedModel(saved, saved);
    EXPECT_EQ(describeModel(*reread), describeModel(*original));
}

INSTANTIATE_TEST_SUITE_P(
    OtherSystems, AamaTraitsRoundTripTest,
    testing::Values("split-outline.dxf", "split-reversed.dxf", "copy-before-points.dxf",
                    "labels-off-turn-points.dxf", "hole-rule-by-position.dxf", "edge-notch.dxf",
                    "notch-without-angle.dxf", "sample-size-keys.dxf", "inches.dxf",
                    "inches-by-header.dxf", "internal-lines.dxf", "notch-points.dxf",
                    "two-pieces.dxf", "@three-sizes.dxf", "@master-size-shared.dxf"),
    [](const testing::TestParamInfo<const char *> &info) {
        std::string name;
        for (const char *c = info.param; *c != '\0' && *c != '.'; ++c) {
            if (std::isalnum(static_cast<unsigned char>(*c)))
                name += *c;
        }
        return name;
    });

// The graded R12 file keeps a notch that has no rule, and a rule point that ends one outline
// and starts the next is one point.
TEST(AamaR12RoundTripTest, KeepsNotchesWithoutRuleAndSharedRulePoints)
{
    ScratchFolder folder;
    auto model = loadedModel(dataPath("master-size-shared.dxf"), folder / "saved.dxf");
    CAamaGradePattern &front = *model->GetPatternAt(0);
    int rulePoints = 0;
    front.GetInternalPointCount(rulePoints);
    EXPECT_EQ(rulePoints, 5) << "rules 5, 6, 7, 9 and the drill hole's 8";
    EXPECT_EQ(front.GetCurveAt(0)->GetPointAt(3), front.GetCurveAt(1)->GetPointAt(0));
    EXPECT_EQ(describePoint(*front.GetCurveAt(0)->GetPointAt(1)), "10.000,-1.000 notch notch 0.00,1.50");
}
