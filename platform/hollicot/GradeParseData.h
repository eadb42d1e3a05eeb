// Morvane Hollicot formula parser.
// One evaluation: the declared names, the tables it works on and its last error.
#pragma once

#include "platform/hollicot/CellTable.h"
#include "platform/hollicot/DeclaredNames.h"
#include "platform/hollicot/GradeParse.h"

#include <memory>
#include <string>
#include <vector>

namespace hollicot {

/// The parse object. Its expressions see the names declared by SetNames or, after SetUp, the
/// measure names.
class GradeParseData : public IGradeParseData
{
public:
    GradeParseData();

    /// Checks the tables: rows per variable, cells per size, measure rows per measure name and
    /// the base size (-1 or a size); -14 when they disagree.
    int SetUp(const std::vector<std::string> &variables, const std::vector<Vec2> *positions,
              const std::vector<std::string> &expressions, int baseSize, int sizeCount,
              const MeasureRows *measureRows, const std::vector<std::string> &measureNames,
              int reserved, CellRows *cells, bool samePattern) override;
    /// parserNames becomes names with blanks trimmed, in the same order; those are the names that
    /// expressions made afterwards may use.
    void SetNames(std::vector<std::string> &parserNames,
                  const std::vector<std::string> &names) override;
    int ComputeSize(int size) override;
    int Compute() override;
    std::unique_ptr<IGradeParseExpression> CreateExpression() override;
    int GetError(int &code, std::string &text) const override;
    ICellTable *GetCells() override;

private:
    int fail(int code, std::string text);
    int checkTables(const std::vector<std::string> &variables, const std::vector<Vec2> *positions,
                    int baseSize, int sizeCount, const MeasureRows *measureRows,
                    const std::vector<std::string> &measureNames, const CellRows *cells);

    std::shared_ptr<const DeclaredNames> m_declared;
    CellTable m_cells;
    int m_sizeCount = 0;
    bool m_ready = false;
    int m_errorCode = 0;
    std::string m_errorText;
};

} // namespace hollicot
