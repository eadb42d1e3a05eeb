// Morvane benchmarks.
// A 40-piece style associated with a 40-pattern mask by every cost, beside the 1,600 polygon
// intersections that the overlap cost alone computes.
#include "ComparingReporter.h"
#include "GarmentStyle.h"
#include "OutlinePatterns.h"
#include "app/commands/association/ContourSetMatcher.h"
#include "app/commands/association/ContourShapes.h"
#include "foundation/CurveShape.h"
#include "model/GradeMask.h"
#include "model/MaskPattern.h"
#include "platform/dunmere/DunmereHelper.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <vector>

using namespace garment;

namespace {

constexpr int kVariants = 5;

/// Forty pieces: the style's eight, each in five proportions, laid out side by side on the
/// mask; the style's other size lies over them, listed in another order.
struct Style
{
    OutlinePatterns mask;
    OutlinePatterns input;
    int count = 0;
};

std::vector<DPOINT> proportioned(const std::vector<DPOINT> &outline, int variant)
{
    std::vector<DPOINT> result;
    for (const DPOINT &p : outline)
        result.push_back({p.x * (1.0 + 0.2 * variant), p.y * (1.0 - 0.1 * variant)});
    return result;
}

const Style &style()
{
    static const std::unique_ptr<Style> made = [] {
        auto built = std::make_unique<Style>();
        std::vector<std::vector<DPOINT>> pieces;
        for (const Piece &piece : makeStyle()) {
            for (int variant = 0; variant < kVariants; ++variant)
                pieces.push_back(proportioned(piece.outline, variant));
        }
        built->count = static_cast<int>(pieces.size());
        for (size_t k = 0; k < pieces.size(); ++k)
            built->mask.add(placed(pieces[k], 0, 1000.0 * (k % 8), 1000.0 * (k / 8)));
        for (size_t j = 0; j < pieces.size(); ++j) {
            const size_t k = (j * 7) % pieces.size(); // 7 and 40 share no factor
            built->input.add(placed(graded(pieces[k], 1), 0, 1000.0 * (k % 8), 1000.0 * (k / 8)));
        }
        return built;
    }();
    return *made;
}

std::vector<const CCurveShape *> pointers(const std::vector<std::unique_ptr<CCurveShape>> &shapes)
{
    std::vector<const CCurveShape *> list;
    for (const auto &shape : shapes)
        list.push_back(shape.get());
    return list;
}

/// Shapes made, costs computed and pairs assigned, as a pattern association pass does.
int associate(const Style &made, int method)
{
    const auto rowShapes = MakeContourShapes(made.mask.contours(), true);
    const auto columnShapes = MakeContourShapes(made.input.contours(), true);
    PatternAssociationParams params;
    params.method = method;
    CContourSetMatcher matcher;
    matcher.SetInput(pointers(rowShapes),
                     {made.mask.contours().begin(), made.mask.contours().end()},
                     pointers(columnShapes),
                     {made.input.contours().begin(), made.input.contours().end()}, params);
    matcher.ComputeAndAssign();
    int pairs = 0;
    for (int row = 0; row < matcher.GetRowCount(); ++row)
        pairs += static_cast<int>(matcher.CollectMatches(row).size());
    return pairs;
}

void associateByEveryCost(benchmark::State &state)
{
    const Style &made = style();
    for (auto _ : state) {
        for (int method : {0, 1, 2})
            benchmark::DoNotOptimize(associate(made, method));
    }
    state.counters["pairs by position"] = associate(made, 1);
    state.counters["pairs by overlap"] = associate(made, 0);
}

// The polygon library alone: the shared area of every mask shape with every input shape.
void polygonIntersections(benchmark::State &state)
{
    const Style &made = style();
    const auto rowShapes = MakeContourShapes(made.mask.contours(), true);
    const auto columnShapes = MakeContourShapes(made.input.contours(), true);
    CDunmereHelper dunmere;
    for (auto _ : state) {
        for (const auto &row : rowShapes) {
            for (const auto &column : columnShapes) {
                double area = 0.0;
                dunmere.DunmereArea(DUNMERE_INTERSECTION, row.get(), column.get(), area);
                benchmark::DoNotOptimize(area);
            }
        }
    }
}

void associateByOneCost(benchmark::State &state)
{
    const Style &made = style();
    for (auto _ : state)
        benchmark::DoNotOptimize(associate(made, static_cast<int>(state.range(0))));
}

BENCHMARK(associateByEveryCost)->Unit(benchmark::kMillisecond);
BENCHMARK(associateByOneCost)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(polygonIntersections)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    std::printf("style: %d mask patterns against %d input patterns\n", style().count,
                style().count);
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("associateByEveryCost", "polygonIntersections");
    benchmark::Shutdown();
    return 0;
}
