// Morvane benchmarks.
// A style of 30 pieces of 200 outline points (every fifth a rule point) with 20 formulas each,
// graded over 12 sizes by the grading manager (the files loaded beforehand), beside the AAMA
// model's save of the same graded style.
#include "AamaDxfSamples.h"
#include "ComparingReporter.h"
#include "TemporaryFolder.h"
#include "app/grading/testing/MaskFormulas.h"
#include "app/grading/testing/StyleOnMask.h"
#include "model/InputPoint.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/IMeasurement.h"
#include "platform/brismond/TableSetFactory.h"
#include "sources/aama-model/AamaDxfWriter.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kPieceCount = 30;
constexpr int kPointCount = 200;
constexpr int kRuleSpacing = 5;
constexpr int kRulePointCount = kPointCount / kRuleSpacing;
constexpr int kSizeCount = 12;
constexpr int kBaseSize = 5;

// A piece: a rounded outline of 200 curve points, every fifth a turn point with a rule.
AamaPiece stylePiece(int index)
{
    AamaPiece piece;
    piece.m_sName = "PIECE_" + std::to_string(index);
    for (int i = 0; i < kPointCount; ++i) {
        const double turn = 2.0 * M_PI * i / kPointCount;
        AamaPiecePoint point;
        point.m_nKind = morvane::kAamaCurvePointKind;
        point.m_dX = 150.0 * std::cos(turn) + 400.0 * index;
        point.m_dY = 420.0 * std::sin(turn);
        if (i % kRuleSpacing == 0) {
            point.m_nKind = morvane::kAamaTurnPointKind;
            point.m_nRuleNumber = index * kPointCount + i + 1;
        }
        piece.m_oBoundaryPoints.push_back(point);
    }
    return piece;
}

CAamaDxfDocument generatedStyle()
{
    CAamaDxfDocument document;
    document.m_sStyleName = "STYLE";
    document.m_sSampleSize = "42";
    for (int i = 0; i < kPieceCount; ++i)
        document.m_oPieces.push_back(stylePiece(i));
    return document;
}

// The generated style and table set in a folder of their own, and the files a save writes
// beside them; removed at exit.
class StyleFolder
{
public:
    StyleFolder()
    {
        WriteAamaDxf(generatedStyle(), style());
        writeTableSet();
    }

    fs::path style() const { return m_folder / "style.dxf"; }
    fs::path tableSet() const { return m_folder / "sizes.mst"; }
    fs::path graded() const { return m_folder / "graded.dxf"; }

private:
    // Twelve sizes, the sixth the base, with a waist that grows by 30 a size.
    void writeTableSet() const
    {
        CEventHandler *handler = nullptr;
        auto set = CTableSetFactory::Make("Sizes", handler);
        set->InsertTable(0, 0, "Sizes", -1);
        IMeasureTable *table = set->GetTableAt(0);
        std::vector<std::string> names;
        for (int s = 0; s < kSizeCount; ++s)
            names.push_back(std::to_string(32 + 2 * s));
        table->InsertSizesAt(names, 0, -1, kBaseSize);
        IMeasurement *waist =
            table->GetMeasurementAt(table->InsertMeasurement("waist", 0, 0, 0, -1));
        for (int s = 0; s < kSizeCount; ++s)
            waist->SetValue(s, 600.0 + 30.0 * s, false);
        set->Save(tableSet());
    }

    TemporaryFolder m_folder{"morvane-grading-bench"};
};

const StyleFolder &styleFolder()
{
    static const StyleFolder folder;
    return folder;
}

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

BENCHMARK(gradeStyle)->Unit(benchmark::kMillisecond);
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
    benchmark::Shutdown();
    return 0;
}
