// Morvane Hollicot formula parser fuzz target.
// Sets up an arbitrary problem with arbitrary texts, computes it, and reads every text back
// through an expression object: no crash, no hang, and no non-finite cell after success.
//
// Input: three bytes choose the size count, the base size and the number of variables; the rest
// holds texts separated by 0x1E. The last text also goes through an expression object.
#include "platform/hollicot/GradeParse.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char *kVariableNames[] = {"A",  "B",    "C",    "D",    "E",    "F",
                                          "P1", "P2",   "P3",   "P1S1", "P2S1", "P3S1",
                                          "S4", "P1S2", "P2S2", "P3S2"};
constexpr std::size_t kVariableCount = sizeof kVariableNames / sizeof kVariableNames[0];

struct Problem
{
    int sizes = 0;
    int base = -1;
    std::vector<std::string> variables;
    std::vector<hollicot::Vec2> positions;
    hollicot::CellRows cells;
    std::vector<std::string> measureNames{"m", "k1", "SYSTEMPARSERVAR"};
    hollicot::MeasureRows measures;
};

Problem makeProblem(const std::uint8_t *bytes)
{
    Problem problem;
    problem.sizes = bytes[0] % 6;
    problem.base = bytes[1] % (problem.sizes + 1) - 1;
    const std::size_t count = bytes[2] % (kVariableCount + 1);
    const auto sizes = static_cast<std::size_t>(problem.sizes);
    for (std::size_t i = 0; i < count; ++i) {
        problem.variables.emplace_back(kVariableNames[i]);
        problem.positions.push_back({static_cast<double>(i * 37 % 101), static_cast<double>(i * 53 % 89)});
        std::vector<hollicot::Vec2> row(sizes);
        for (std::size_t s = 0; s < sizes; ++s)
            row[s] = {static_cast<double>((i + s) % 7) - 3, static_cast<double>((i * s) % 5) - 2};
        problem.cells.push_back(row);
    }
    for (std::size_t m = 0; m < problem.measureNames.size(); ++m) {
        std::vector<double> row(sizes);
        for (std::size_t s = 0; s < sizes; ++s)
            row[s] = static_cast<double>(s) - static_cast<double>(m);
        problem.measures.push_back(row);
    }
    return problem;
}

std::vector<std::string> splitTexts(std::string_view rest)
{
    std::vector<std::string> texts;
    for (;;) {
        const std::size_t end = rest.find('\x1e');
        texts.emplace_back(rest.substr(0, end));
        if (end == std::string_view::npos)
            return texts;
        rest.remove_prefix(end + 1);
    }
}

void requireFiniteCells(const hollicot::CellRows &cells)
{
    for (const auto &row : cells) {
        for (const hollicot::Vec2 &cell : row) {
            if (!std::isfinite(cell.x) || !std::isfinite(cell.y))
                std::abort();
        }
    }
}

void readBack(hollicot::IGradeParseData &parser, const std::string &text)
{
    std::vector<std::string> parserNames;
    parser.SetNames(parserNames, {"waist", "hip"});
    const auto expression = parser.CreateExpression();
    expression->SetText(text);
    std::vector<std::string> names;
    expression->GetNames(names);
    std::string out;
    expression->SetNameList({"800", "x"});
    expression->SetUnitScale(0.1, 2);
    expression->GetText(out, 0);
    expression->Resolve();
    expression->SetUnitScale(10, 2);
    expression->GetText(out, 1);
    if (!names.empty())
        expression->ReplaceName(text, names.front(), "renamed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    if (size < 3)
        return 0;
    Problem problem = makeProblem(bytes);
    const std::vector<std::string> texts =
        splitTexts(std::string_view(reinterpret_cast<const char *>(bytes) + 3, size - 3));
    const auto parser = hollicot::CGradeDataFactory::MakeGradeData();
    if (parser->SetUp(problem.variables, &problem.positions, texts, problem.base, problem.sizes,
                      &problem.measures, problem.measureNames, 0, &problem.cells, true) == 0) {
        if (parser->Compute() == 0)
            requireFiniteCells(problem.cells);
        if (problem.sizes > 0)
            parser->ComputeSize(problem.sizes - 1);
    }
    int code = 0;
    std::string fault;
    parser->GetError(code, fault);
    readBack(*parser, texts.back());
    return 0;
}
