// Morvane program grading.
// The measures formula text may use while a grade table is graded, with their values per size.
#pragma once

#include "platform/hollicot/GradeParse.h"

#include <string>
#include <vector>

class IBaseFormula;
class IMeasureFormula;
class IMeasureTable;
struct GradingSizes;
template <class T> class CPtrCollection;

/// Measure names with one value per size each, as the parser takes them.
struct GradingMeasures
{
    std::vector<std::string> names;
    hollicot::MeasureRows rows;

    /// The measurements of table by name, each row relative to the base size (the base column
    /// 0), as point formulas read measures. A null table gives no measures; a table whose size
    /// count differs from the sizes' gives rows of the sizes' length, missing sizes 0.
    static GradingMeasures fromTable(const IMeasureTable *table, const GradingSizes &sizes);

    /// Appends the measure of every formula of formulas that publishes one under a name, one
    /// value per size of sizes: relative to the base size when asked, except for the
    /// distance between outlines and the tangent direction (types 20 and 21), which are taken
    /// as they are.
    void appendFormulaMeasures(const CPtrCollection<IBaseFormula> &formulas,
                               const GradingSizes &sizes, bool relative);

    /// Appends "SYSTEMPARSERVAR": the holder's measure in each size of sizes less its value in
    /// the base size (the pair (-1, -1)).
    void appendSystemVariable(IMeasureFormula &holder, const GradingSizes &sizes);
};
