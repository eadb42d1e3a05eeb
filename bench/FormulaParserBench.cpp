// Morvane benchmarks.
// A large style graded through the formula parser (set up once, computed for every size), beside
// the same arithmetic written directly in C++ over the same cells.
#include "ComparingReporter.h"

#include "platform/hollicot/GradeParse.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

using hollicot::Vec2;

namespace {

constexpr int kVariables = 1000;
constexpr int kStatements = 2000;
constexpr int kSizes = 12;
constexpr int kBase = 5;
constexpr int kMeasures = 20;
constexpr int kKinds = 10;

// One generated statement: its kind (the template it was written from) and its operands.
struct Line
{
    int kind;
    int a, b, c, d;
    int k, j;
};

int other(int row, int a)
{
    return row == a ? (row + 1) % kVariables : row;
}

Line makeLine(int i)
{
    const int a = i % kVariables;
    return {i % kKinds, a, other((i * 7 + 1) % kVariables, a), other((i * 13 + 5) % kVariables, a),
            other((i * 29 + 11) % kVariables, a), i % kMeasures, (i * 3) % kMeasures};
}

std::string name(int row)
{
    return "V" + std::to_string(row);
}

std::string textOf(const Line &l)
{
    const std::string a = name(l.a), b = name(l.b), c = name(l.c), d = name(l.d);
    const std::string mk = "m" + std::to_string(l.k), mj = "m" + std::to_string(l.j);
    switch (l.kind) {
    case 0: return "%PA(0,0," + a + ")=(" + mk + "*2+%INC(1.5)," + mj + "/4-0.5)";
    case 1: return "%PA(0,0," + a + ")=" + b + "-" + c;
    case 2: return "%PA(1,1," + a + ")=%IPL(" + a + "," + b + "," + c + ")";
    case 3: return "%PA(0,0," + a + ")=%RG(30,%INC(2)," + mk + ")";
    case 4: return "%PA(0,0," + a + ")=%CLE(" + a + "," + b + ",%INC(3),1)";
    case 5: return "%PA(0,0," + a + ")=%IS(" + a + "," + b + "," + c + ")";
    case 6: return "%PA(0,0," + a + ")=%ROTA(" + a + "," + b + ",%INC(2),1)";
    case 7: return "%PA(0,0," + a + ")=%SYM(" + b + ",1,,)";
    case 8: return "%PA(1,1," + a + ")=%GI(" + a + ",2," + b + "," + c + "," + d + ")";
    default: return "%PA(0,0," + a + ")=(" + b + ".X*0.5+" + c + ".Y,-" + d + ".Y)/2";
    }
}

struct Style
{
    std::vector<std::string> variables;
    std::vector<Vec2> positions;
    std::vector<std::string> texts;
    std::vector<Line> lines;
    std::vector<std::string> measureNames;
    hollicot::MeasureRows measures;
    hollicot::CellRows cells;
};

const Style &style()
{
    static const Style generated = [] {
        Style s;
        for (int i = 0; i < kVariables; ++i) {
            s.variables.push_back(name(i));
            s.positions.push_back({(i % 40) * 25.0 + (i / 40) * 3.0, (i / 40) * 30.0 + (i % 7)});
            std::vector<Vec2> row;
            for (int size = 0; size < kSizes; ++size)
                row.push_back({(i % 5 - 2) * (size - kBase) * 0.1, (i % 3 - 1) * (size - kBase) * 0.2});
            s.cells.push_back(row);
        }
        for (int m = 0; m < kMeasures; ++m) {
            s.measureNames.push_back("m" + std::to_string(m));
            std::vector<double> row;
            for (int size = 0; size < kSizes; ++size)
                row.push_back((size - kBase) * (1 + m * 0.1));
            s.measures.push_back(row);
        }
        for (int i = 0; i < kStatements; ++i) {
            s.lines.push_back(makeLine(i));
            s.texts.push_back(textOf(s.lines.back()));
        }
        return s;
    }();
    return generated;
}

// The reference: each kind of line hand-written for one size over a copy of its cells.
class Reference
{
public:
    Reference(const Style &s, int size)
        : m_s(s), m_size(size), m_step(size - kBase), m_cells(kVariables)
    {
    }

    void run(hollicot::CellRows &cells)
    {
        for (int row = 0; row < kVariables; ++row)
            m_cells[row] = cells[row][m_size];
        for (const Line &line : m_s.lines)
            apply(line);
        for (int row = 0; row < kVariables; ++row)
            cells[row][m_size] = m_cells[row];
    }

private:
    Vec2 base(int row) const { return m_s.positions[row]; }
    Vec2 at(int row) const { return {base(row).x + m_cells[row].x, base(row).y + m_cells[row].y}; }
    double measure(int m) const { return m_s.measures[m][m_size]; }

    static double len(Vec2 v) { return std::hypot(v.x, v.y); }

    Vec2 interpolate(const Line &l) const
    {
        const double d0 = len({base(l.a).x - base(l.b).x, base(l.a).y - base(l.b).y});
        const double d1 = len({base(l.a).x - base(l.c).x, base(l.a).y - base(l.c).y});
        const double t = d0 + d1 < 1e-12 ? 0.5 : d0 / (d0 + d1);
        return {(1 - t) * m_cells[l.b].x + t * m_cells[l.c].x, (1 - t) * m_cells[l.b].y + t * m_cells[l.c].y};
    }

    Vec2 intersect(const Line &l) const
    {
        const Vec2 d0{base(l.a).x - base(l.b).x, base(l.a).y - base(l.b).y};
        const Vec2 d1{base(l.a).x - base(l.c).x, base(l.a).y - base(l.c).y};
        if (len(d0) < 1e-12)
            return m_cells[l.b];
        if (len(d1) < 1e-12)
            return m_cells[l.c];
        const double sine = d0.x * d1.y - d0.y * d1.x;
        if (std::abs(sine) < 1e-9 * len(d0) * len(d1))
            return interpolate(l);
        const Vec2 p = at(l.b);
        const Vec2 q = at(l.c);
        const double t = ((q.x - p.x) * d1.y - (q.y - p.y) * d1.x) / sine;
        return {p.x + t * d0.x - base(l.a).x, p.y + t * d0.y - base(l.a).y};
    }

    Vec2 inverseDistance(const Line &l) const
    {
        double weights = 0;
        Vec2 sum;
        for (const int support : {l.b, l.c, l.d}) {
            const double distance = len({base(l.a).x - base(support).x, base(l.a).y - base(support).y});
            if (distance < 1e-12)
                return m_cells[support];
            const double w = 1.0 / std::pow(distance, 2.0);
            weights += w;
            sum = {sum.x + w * m_cells[support].x, sum.y + w * m_cells[support].y};
        }
        return {sum.x / weights, sum.y / weights};
    }

    Vec2 value(const Line &l) const
    {
        const double rad = std::numbers::pi / 180;
        switch (l.kind) {
        case 0: return {measure(l.k) * 2 + 1.5 * m_step, measure(l.j) / 4 - 0.5};
        case 1: return {m_cells[l.b].x - m_cells[l.c].x, m_cells[l.b].y - m_cells[l.c].y};
        case 2: return interpolate(l);
        case 3: {
            const double u = 2 * m_step, v = measure(l.k);
            return {u * std::cos(30 * rad) - v * std::sin(30 * rad), u * std::sin(30 * rad) + v * std::cos(30 * rad)};
        }
        case 4: {
            const Vec2 out{base(l.a).x - base(l.b).x, base(l.a).y - base(l.b).y};
            const double f = 3 * m_step / len(out);
            return {m_cells[l.b].x + f * out.x, m_cells[l.b].y + f * out.y};
        }
        case 5: return intersect(l);
        case 6: {
            const Vec2 arm{base(l.a).x - base(l.b).x, base(l.a).y - base(l.b).y};
            const double angle = 2 * m_step * rad;
            const Vec2 centre = at(l.b);
            return {centre.x + arm.x * std::cos(angle) - arm.y * std::sin(angle) - base(l.a).x,
                    centre.y + arm.x * std::sin(angle) + arm.y * std::cos(angle) - base(l.a).y};
        }
        case 7: return {-m_cells[l.b].x, m_cells[l.b].y};
        case 8: return inverseDistance(l);
        default:
            return {(m_cells[l.b].x * 0.5 + m_cells[l.c].y) / 2, -m_cells[l.d].y / 2};
        }
    }

    void apply(const Line &l)
    {
        const Vec2 v = value(l);
        Vec2 &cell = m_cells[l.a];
        const bool sets = l.kind == 2 || l.kind == 8;
        if (sets)
            cell = v;
        else if (m_size != kBase)
            cell = {cell.x + v.x, cell.y + v.y};
    }

    const Style &m_s;
    int m_size;
    double m_step;
    std::vector<Vec2> m_cells;
};

void computeReference(hollicot::CellRows &cells)
{
    for (int size = 0; size < kSizes; ++size)
        Reference(style(), size).run(cells);
}

std::unique_ptr<hollicot::IGradeParseData> setUp(hollicot::CellRows &cells)
{
    const Style &s = style();
    auto parser = hollicot::CGradeDataFactory::MakeGradeData();
    const int code = parser->SetUp(s.variables, &s.positions, s.texts, kBase, kSizes, &s.measures,
                                   s.measureNames, 0, &cells, true);
    if (code != 0) {
        std::fprintf(stderr, "set-up failed with %d\n", code);
        std::abort();
    }
    return parser;
}

// Both sides must grade alike, or the comparison means nothing.
void checkAgreement()
{
    hollicot::CellRows ours = style().cells;
    hollicot::CellRows reference = style().cells;
    setUp(ours)->Compute();
    computeReference(reference);
    for (int row = 0; row < kVariables; ++row) {
        for (int size = 0; size < kSizes; ++size) {
            const Vec2 a = ours[row][size];
            const Vec2 b = reference[row][size];
            if (std::abs(a.x - b.x) > 1e-6 * (1 + std::abs(b.x)) || std::abs(a.y - b.y) > 1e-6 * (1 + std::abs(b.y))) {
                std::fprintf(stderr, "V%d differs in size %d\n", row, size);
                std::abort();
            }
        }
    }
}

void setUpStyle(benchmark::State &state)
{
    hollicot::CellRows cells = style().cells;
    for (auto _ : state)
        benchmark::DoNotOptimize(setUp(cells));
}

void computeStyle(benchmark::State &state)
{
    hollicot::CellRows cells = style().cells;
    const auto parser = setUp(cells);
    for (auto _ : state)
        benchmark::DoNotOptimize(parser->Compute());
}

void directCode(benchmark::State &state)
{
    hollicot::CellRows cells = style().cells;
    for (auto _ : state) {
        computeReference(cells);
        benchmark::DoNotOptimize(cells.data());
    }
}

BENCHMARK(setUpStyle)->Unit(benchmark::kMillisecond);
BENCHMARK(computeStyle)->Unit(benchmark::kMillisecond);
BENCHMARK(directCode)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    std::printf("style: %d variables, %d statements, %d sizes\n", kVariables, kStatements, kSizes);
    checkAgreement();
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("computeStyle", "directCode");
    reporter.printRatio("setUpStyle", "directCode");
    benchmark::Shutdown();
    return 0;
}
