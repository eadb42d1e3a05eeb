// Morvane benchmarks.
// Mouse-move events dispatched through a three-level task chart with guards, beside a reference.
#include "EngineMouseMove.h"

#include "foundation/NumberText.h"
#include "foundation/TextFormat.h"

#include <functional>
#include <string>
#include <unordered_map>

#include <benchmark/benchmark.h>

using namespace morvane;

namespace {

using morvane::bench::BM_DispatchMouseMove;
using morvane::bench::kDistances;

BENCHMARK(BM_DispatchMouseMove);

// Reference: the least an event handler without a chart does for the same event: write "dist"
// as text, read the same variables the guards read (as text from a hash map, as numbers), and
// call the same callback through std::function.
void BM_ReferenceMapLookupsAndCall(benchmark::State &state)
{
    std::unordered_map<std::string, std::string> variables = {
        {"control", "0"}, {"shift", "0"},    {"dist", "0"},
        {"nSnapMode", "0"}, {"bAutoMove", "1"}, {"nFocusObjectType", "10"},
    };
    auto read = [&variables](const std::string &name) { return parseInt(variables[name]); };
    int tracked = 0;
    int hovered = 0;
    const std::function<bool(void *)> track = [&tracked](void *) { return ++tracked > 0; };
    const std::function<bool(void *)> hover = [&hovered](void *) { return ++hovered > 0; };
    double point[2] = {10.0, 20.0};
    size_t move = 0;
    for (auto _ : state) {
        variables["dist"] = format("%d", kDistances[move++ % 4]);
        bool taken = false;
        if (read("shift") == 1 && read("control") == 1)
            taken = true;
        else if (read("dist") > 3 && read("nFocusObjectType") == 10)
            taken = track(point);
        else if (read("bAutoMove") != 0 && read("nSnapMode") == 0)
            taken = hover(point);
        benchmark::DoNotOptimize(taken);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("events");
}
BENCHMARK(BM_ReferenceMapLookupsAndCall);

} // namespace

BENCHMARK_MAIN();
