// Morvane AAMA grade model tests.
// A model described as text, to compare a model with the model its saved files read back into.
#include "ModelDescription.h"

#include "AamaDxfSamples.h"
#include "foundation/TextFormat.h"

#include <cmath>
#include <gtest/gtest.h>

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

// A place in the file's units, as the files write it.
std::string place(const DPOINT &millimetres, double unit)
{
    return format("%.3f,%.3f", millimetres.x / unit, millimetres.y / unit);
}

std::string notchText(const CAamaNotch &notch, double unit)
{
    const double depth = std::hypot(notch.m_oVector.x, notch.m_oVector.y) / unit;
    const double angle = std::atan2(notch.m_oVector.y, notch.m_oVector.x) * 180.0 / M_PI;
    // The direction of a notch without depth is none.
    return depth < 5e-4 ? " notch 0" : format(" notch %.3f at %.1f", depth, angle);
}

// A point: its place, kind, whether it has a rule (the numbers are given afresh on every AAMA
// save) and its notch.
std::string describePoint(const CAamaGradePoint &point, double unit)
{
    std::string text = place(point.GetBasePosition(), unit) + " " + kindName(point.GetKind()) +
                       (point.HasRule() ? " ruled" : "");
    if (const CAamaNotch *notch = point.GetNotch())
        text += notchText(*notch, unit);
    return text;
}

std::string describeDrawing(const morvane::AamaDrawingItem &item, double unit)
{
    std::string text = format("  draws kind %d layer %d closed %d:", static_cast<int>(item.kind),
                              item.layer, item.closed ? 1 : 0);
    for (const morvane::AamaPosition &point : item.points)
        text += " " + place({point.x, point.y}, unit);
    return text + format(" height %.3f ", item.textHeight / unit) + item.text + "\n";
}

std::string describeNames(CAamaGradePattern &pattern)
{
    std::string shown;
    pattern.GetName(shown);
    return "pattern [" + pattern.GetPatternName() + "] shown [" + shown + "]";
}

} // namespace

std::string describeModel(CAamaGradeModel &model)
{
    const double unit = model.GetMillimetresPerFileUnit();
    std::string shownStyle;
    model.GetName(shownStyle);
    std::string text = format("inches %d sample [%s] style [%s] shown [%s] code page [%s]\n",
                              model.IsInInches() ? 1 : 0, model.GetSampleSize().c_str(),
                              model.GetStyleName().c_str(), shownStyle.c_str(),
                              model.GetCodePage().c_str());
    int patternCount = 0;
    model.GetPatternCount(patternCount);
    for (int p = 0; p < patternCount; ++p) {
        CAamaGradePattern &pattern = *model.GetPatternAt(p);
        const morvane::AamaPieceExtras &extras = pattern.GetExtras();
        text += describeNames(pattern) + " | " + extras.annotation + " | " +
                format("%d", extras.quantity) + " | " + extras.category +
                (extras.hasNameText ? "" : " | no name text") + "\n";
        int curveCount = 0;
        pattern.GetCurveCount(curveCount);
        for (int c = 0; c < curveCount; ++c) {
            const CAamaGradeCurve &curve = *pattern.GetCurveAt(c);
            int notches = 0;
            pattern.GetCurveAt(c)->GetNotchCount(notches);
            text += format("  curve of %d notches\n", notches);
            for (int i = 0; i < curve.GetPointCount(); ++i)
                text += "    " + describePoint(*curve.GetPointAt(i), unit) + "\n";
        }
        for (const CAamaGradePoint &point : pattern.GetInternalPoints())
            text += "  internal " + describePoint(point, unit) + "\n";
        const auto &offOutline = pattern.GetNotchesOffOutline();
        for (std::size_t i = 0; i < offOutline.size(); ++i) {
            text += "  off the outline " + describePoint(offOutline[i], unit) +
                    format(" on item %d\n", pattern.GetNotchDrawingItem(i));
        }
        int rulePoints = 0;
        pattern.GetInternalPointCount(rulePoints);
        text += format("  rule points %d\n", rulePoints);
        for (const morvane::AamaDrawingItem &item : extras.drawing)
            text += describeDrawing(item, unit);
    }
    return text;
}

std::string describeGradedR12Model(CAamaGradeModel &model)
{
    const double unit = model.GetMillimetresPerFileUnit();
    std::string text = format("inches %d style [%s] code page [%s]\n", model.IsInInches() ? 1 : 0,
                              model.GetStyleName().c_str(), model.GetCodePage().c_str());
    int patternCount = 0;
    model.GetPatternCount(patternCount);
    for (int p = 0; p < patternCount; ++p) {
        CAamaGradePattern &pattern = *model.GetPatternAt(p);
        text += describeNames(pattern) + "\n";
        int curveCount = 0;
        pattern.GetCurveCount(curveCount);
        for (int c = 0; c < curveCount; ++c) {
            const CAamaGradeCurve &curve = *pattern.GetCurveAt(c);
            text += curve.IsStraightLine() ? "  line\n" : "  curve\n";
            for (int i = 0; i < curve.GetPointCount(); ++i) {
                const CAamaGradePoint &point = *curve.GetPointAt(i);
                text += "    " + place(point.GetBasePosition(), unit) +
                        format(" rule %d", point.GetRuleNumber());
                if (curve.HoldsNotch(point.GetNotch()))
                    text += notchText(*point.GetNotch(), unit);
                text += "\n";
            }
        }
        for (const CAamaGradePoint &point : pattern.GetInternalPoints()) {
            if (point.GetKind() == morvane::kAamaInternalPoint) {
                text += "  drill hole " + place(point.GetBasePosition(), unit) +
                        format(" rule %d\n", point.GetRuleNumber());
            }
        }
        for (const CAamaGradePoint &point : pattern.GetNotchesOffOutline()) {
            text += "  off the outline " + place(point.GetBasePosition(), unit) +
                    format(" rule %d", point.GetRuleNumber()) + notchText(*point.GetNotch(), unit) +
                    "\n";
        }
        int rulePoints = 0;
        pattern.GetInternalPointCount(rulePoints);
        text += format("  rule points %d\n", rulePoints);
    }
    return text;
}

std::unique_ptr<CAamaGradeModel> loadedModel(const std::filesystem::path &path,
                                             const std::filesystem::path &target)
{
    auto model = std::make_unique<CAamaGradeModel>(
        [target](const morvane::SaveFileRequest &) { return target; }, fixedClock);
    EXPECT_EQ(model->Load(path), GM_NO_ERROR) << model->GetLastError();
    return model;
}
