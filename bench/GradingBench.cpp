// Morvane benchmarks.
// A style of 30 pieces of 200 outline points (every fifth a rule point) with 20 formulas each,
// graded over 12 sizes by the grading manager (the files loaded beforehand), beside the AAMA
// model's save of the same graded style; and one grade point dragged and regraded through the
// grading interface, beside the grading of the whole style.
#include "ComparingReporter.h"
#include "GeneratedStyle.h"
#include "app/grading/PatternGrading.h"
#include "app/grading/testing/MaskFormulas.h"
#include "app/grading/testing/StyleOnMask.h"
#include "model/InputPoint.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

using namespace benchstyle;

// Every piece gets 20 formulas on its first 20 rule points: ten increments by the waist and a
// step, each followed by a point graded like it; the other 20 rule points get runtime formulas.
void addFormulas(testgrading::StyleOnMask &style)
{
    for (int p = 0; p < style.patternCount(); ++p) {
        for (int i = 0; i < 20; i += 2) {
            testgrading::addIncrement(style.formulas(), style.maskPoint(p, i), "waist/40",
                                      "%INC(0.5)");
            testgrading::addLikePoint(style.formulas(), style.maskPoint(p, i + 1),
                                      style.maskPoint(p, i));
        }
    }
}

/// Whether the first piece came out as its formulas say: its first rule point moved by the
/// waist and the step, and a rule point without formula moved with its neighbours.
bool gradedAsSaid(testgrading::StyleOnMask &style)
{
    constexpr int kFirstSize = 0;
    const DPOINT first =
        style.inputPoint(0, 0)->GetInputPoint()->GetGradeShift({}, {0, kFirstSize});
    const DPOINT free =
        style.inputPoint(0, 30)->GetInputPoint()->GetGradeShift({}, {0, kFirstSize});
    const double steps = kFirstSize - kBaseSize;
    return std::abs(first.x - 0.75 * steps) < 1e-9 && std::abs(first.y - 0.5 * steps) < 1e-9 &&
           std::hypot(free.x, free.y) > 0.1;
}

testgrading::StyleOnMask &gradedStyle()
{
    static testgrading::StyleOnMask style(styleFolder().style(), styleFolder().tableSet(),
                                          styleFolder().graded());
    static const bool prepared = [] {
        addFormulas(style);
        return style.grade();
    }();
    (void)prepared;
    return style;
}

void gradeStyle(benchmark::State &state)
{
    testgrading::StyleOnMask &style = gradedStyle();
    if (!style.GetProblem().empty() || style.patternCount() != kPieceCount) {
        state.SkipWithError("the style did not load");
        return;
    }
    if (!gradedAsSaid(style)) {
        state.SkipWithError("the style is not graded as its formulas say");
        return;
    }
    for (auto _ : state) {
        if (!style.grade())
            state.SkipWithError("the style did not grade");
    }
}

void saveGradedStyle(benchmark::State &state)
{
    testgrading::StyleOnMask &style = gradedStyle();
    for (auto _ : state) {
        if (style.model->Save() != GM_NO_ERROR)
            state.SkipWithError("the graded style could not be saved");
    }
}

/// How many grading states must grade again.
int staleGradings(testgrading::StyleOnMask &style)
{
    int stale = 0;
    for (int p = 0; p < style.manager().GetPatternGradingCount(); ++p)
        stale += style.manager().GetPatternGradingAt(p)->NeedsGrading() ? 1 : 0;
    return stale;
}

// A rule point of one piece dragged in one size, as the grade-point tool drags it, and the
// style graded again through the grading interface.
void regradeAfterDrag(benchmark::State &state)
{
    testgrading::StyleOnMask &style = gradedStyle();
    IGradingInterface &grading = style.manager();
    IInputPoint *dragged = style.inputPoint(kPieceCount / 2, 3)->GetInputPoint();
    double step = 0.5;
    dragged->MoveGradePoint({0, 2}, step, -step);
    if (staleGradings(style) != 1) {
        state.SkipWithError("a drag made more than its piece stale");
        return;
    }
    for (auto _ : state) {
        step = -step;
        dragged->MoveGradePoint({0, 2}, step, -step);
        if (!grading.ApplyGradeRules())
            state.SkipWithError("the style did not grade");
    }
}

BENCHMARK(gradeStyle)->Unit(benchmark::kMillisecond);
BENCHMARK(regradeAfterDrag)->Unit(benchmark::kMillisecond);
BENCHMARK(saveGradedStyle)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    std::printf("style: %d pieces of %d points (%d with rules), 20 formulas each, graded over %d "
                "sizes\n",
                kPieceCount, kPointCount, kRulePointCount, kSizeCount);
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("gradeStyle", "saveGradedStyle");
    reporter.printRatio("regradeAfterDrag", "gradeStyle");
    benchmark::Shutdown();
    return 0;
}
