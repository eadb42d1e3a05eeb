// Morvane Hollicot formula parser.
// The parser's interface: a parse object that sets up and computes the grading statements of one
// evaluation over the caller's cell rows, and expression objects for single parameter texts.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace hollicot {

/// A movement (dx, dy) from the base size.
struct Vec2
{
    double x = 0;
    double y = 0;
};

using CellRows = std::vector<std::vector<Vec2>>;   // [variable][size]: increments (dx, dy)
using MeasureRows = std::vector<std::vector<double>>; // [measure][size]

/// A view over the caller's cell rows, as the parse object holds them.
class ICellTable
{
public:
    virtual ~ICellTable() = default;
    virtual int SetCell(int row, int size, double x, double y) = 0; // 0 or -14
    virtual int GetCell(int row, int size, double &x, double &y) const = 0;
};

/// One parameter text: its names, its renaming and its value.
class IGradeParseExpression
{
public:
    virtual ~IGradeParseExpression() = default;
    virtual int SetText(const std::string &text) = 0;
    virtual void SetUnitScale(double factor, int decimals) = 0;
    virtual void SetNameList(const std::vector<std::string> &values) = 0;
    virtual void GetNames(std::vector<std::string> &out) const = 0;
    virtual int GetText(std::string &out, int form) const = 0; // form 0: value, 1: text
    virtual void Resolve() = 0;
    virtual int ReplaceName(const std::string &text, const std::string &oldName,
                            const std::string &newName) = 0;
};

/// One evaluation: the statements of a formula set compiled once and computed size by size.
class IGradeParseData
{
public:
    virtual ~IGradeParseData() = default;
    virtual int SetUp(const std::vector<std::string> &variables, const std::vector<Vec2> *positions,
                      const std::vector<std::string> &expressions, int baseSize, int sizeCount,
                      const MeasureRows *measureRows, const std::vector<std::string> &measureNames,
                      int reserved, CellRows *cells, bool samePattern) = 0;
    virtual void SetNames(std::vector<std::string> &parserNames,
                          const std::vector<std::string> &names) = 0;
    virtual int ComputeSize(int size) = 0;
    virtual int Compute() = 0;
    virtual std::unique_ptr<IGradeParseExpression> CreateExpression() = 0;
    virtual int GetError(int &code, std::string &text) const = 0; // returns code
    virtual ICellTable *GetCells() = 0;
};

struct CGradeDataFactory
{
    static std::unique_ptr<IGradeParseData> MakeGradeData();
};

} // namespace hollicot
