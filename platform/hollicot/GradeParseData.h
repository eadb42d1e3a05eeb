// Morvane Hollicot formula parser.
// One evaluation: statements compiled once by SetUp and computed size by size on the caller's
// cell rows.
#pragma once

#include "platform/hollicot/CellTable.h"
#include "platform/hollicot/CompiledTextCache.h"
#include "platform/hollicot/DeclaredNames.h"
#include "platform/hollicot/GradeParse.h"
#include "platform/hollicot/Machine.h"
#include "platform/hollicot/Program.h"

#include <memory>
#include <string>
#include <vector>

namespace hollicot {

/// The parse object. SetUp parses every text and binds every name to a row; Compute then runs
/// the statements in text order for each size on a copy of that size's cells and writes the
/// copy back only when the whole size succeeded, so a failing size keeps its cells. Texts that
/// compiled are kept with the names and sizes they were compiled for, and a later SetUp with the
/// same texts, names and sizes reuses them.
class GradeParseData : public IGradeParseData
{
public:
    GradeParseData();

    /// Checks the tables (rows per variable, cells per size, measure rows per measure name, the
    /// base size -1 or a size: else -14), then parses and binds every text: names are variables
    /// first, then measures, without regard to ASCII case. Null positions stand for (0, 0), null
    /// measure rows for zeros. Returns 0 or the code of the first faulty text, which GetError
    /// then gives.
    int SetUp(const std::vector<std::string> &variables, const std::vector<Vec2> *positions,
              const std::vector<std::string> &expressions, int baseSize, int sizeCount,
              const MeasureRows *measureRows, const std::vector<std::string> &measureNames,
              int reserved, CellRows *cells, bool samePattern) override;
    /// parserNames becomes names with blanks trimmed, in the same order; those are the names that
    /// expressions made afterwards may use.
    void SetNames(std::vector<std::string> &parserNames,
                  const std::vector<std::string> &names) override;
    /// Computes one size from the cells as they are; -14 for a size out of range or without a
    /// successful SetUp.
    int ComputeSize(int size) override;
    /// Computes every size in order and stops at the first that fails.
    int Compute() override;
    std::unique_ptr<IGradeParseExpression> CreateExpression() override;
    /// The code of the last failure and the text at fault: the failing statement, or what is
    /// inconsistent in the set-up.
    int GetError(int &code, std::string &text) const override;
    ICellTable *GetCells() override;

private:
    int fail(int code, std::string text);
    int checkTables(const std::vector<std::string> &variables, const std::vector<Vec2> *positions,
                    int baseSize, int sizeCount, const MeasureRows *measureRows,
                    const std::vector<std::string> &measureNames, const CellRows *cells);
    int compileTexts(const std::vector<std::string> &variables,
                     const std::vector<std::string> &expressions, SourceTexts &texts);
    void keepMeasures(const MeasureRows *measureRows, std::size_t measureCount);
    int computeOne(int size);

    std::shared_ptr<const DeclaredNames> m_declared;
    std::shared_ptr<const SourceTexts> m_texts;
    CompiledTextCache m_compiled;
    std::vector<Vec2> m_positions;
    std::vector<double> m_measures; ///< [size][measure]
    std::size_t m_measureCount = 0;
    CellRows *m_rows = nullptr;
    CellTable m_cells;
    std::vector<Vec2> m_column;
    Machine m_machine;
    int m_baseSize = -1;
    int m_sizeCount = 0;
    bool m_ready = false;
    int m_errorCode = 0;
    std::string m_errorText;
};

} // namespace hollicot
