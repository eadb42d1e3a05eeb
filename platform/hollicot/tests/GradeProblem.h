// Morvane Hollicot formula parser tests.
// A small grading problem: variables at base positions, measures, cells, and the texts to run.
#pragma once

#include "platform/hollicot/GradeParse.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

struct GradeProblem
{
    GradeProblem(int sizeCount, int baseSize) : sizes(sizeCount), base(baseSize) {}

    GradeProblem &variable(const std::string &name, double x, double y)
    {
        variables.push_back(name);
        positions.push_back({x, y});
        cells.emplace_back(static_cast<std::size_t>(sizes));
        return *this;
    }

    GradeProblem &measure(const std::string &name, std::vector<double> row)
    {
        measureNames.push_back(name);
        measures.push_back(std::move(row));
        return *this;
    }

    /// Sets the cells of a variable, one per size.
    GradeProblem &moves(const std::string &name, std::vector<hollicot::Vec2> row)
    {
        cells[static_cast<std::size_t>(rowOf(name))] = std::move(row);
        return *this;
    }

    int rowOf(const std::string &name) const
    {
        for (std::size_t i = 0; i < variables.size(); ++i) {
            if (variables[i] == name)
                return static_cast<int>(i);
        }
        ADD_FAILURE() << "no variable " << name;
        return 0;
    }

    /// SetUp and Compute; the first non-zero code, else 0.
    int run(const std::vector<std::string> &texts)
    {
        parser = hollicot::CGradeDataFactory::MakeGradeData();
        const int code = parser->SetUp(variables, &positions, texts, base, sizes, &measures,
                                       measureNames, 0, &cells, true);
        return code != 0 ? code : parser->Compute();
    }

    hollicot::Vec2 cell(const std::string &name, int size) const
    {
        return cells[static_cast<std::size_t>(rowOf(name))][static_cast<std::size_t>(size)];
    }

    int sizes;
    int base;
    std::vector<std::string> variables;
    std::vector<hollicot::Vec2> positions;
    hollicot::MeasureRows measures;
    std::vector<std::string> measureNames;
    hollicot::CellRows cells;
    std::unique_ptr<hollicot::IGradeParseData> parser;
};

inline void expectNear(hollicot::Vec2 actual, hollicot::Vec2 expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-6);
    EXPECT_NEAR(actual.y, expected.y, 1e-6);
}

#define EXPECT_CELL(problem, name, size, ex, ey)                                                   \
    do {                                                                                           \
        SCOPED_TRACE(std::string(name) + " in size " + std::to_string(size));                     \
        expectNear((problem).cell(name, size), {ex, ey});                                          \
    } while (false)
