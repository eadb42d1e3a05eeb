// Morvane program grading.
// The measures formula text may use while a grade table is graded, with their values per size.
#include "app/grading/GradingMeasures.h"

#include "app/grading/GradingSizes.h"
#include "foundation/PtrCollection.h"
#include "model/IBaseFormula.h"
#include "model/IMeasureFormula.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/IMeasurement.h"

namespace {

constexpr int kDistanceBetweenOutlines = 20;
constexpr int kTangentDirection = 21;

std::vector<double> relativeRow(const IMeasurement &measurement, int tableSizes,
                                const GradingSizes &sizes)
{
    std::vector<double> row(static_cast<std::size_t>(sizes.count), 0.0);
    const int known = std::min(tableSizes, sizes.count);
    for (int s = 0; s < known; ++s)
        row[static_cast<std::size_t>(s)] = measurement.GetValue(s, false);
    if (sizes.base < 0 || sizes.base >= known)
        return row;
    const double base = row[static_cast<std::size_t>(sizes.base)];
    for (double &value : row)
        value -= base;
    return row;
}

} // namespace

GradingMeasures GradingMeasures::fromTable(const IMeasureTable *table, const GradingSizes &sizes)
{
    GradingMeasures measures;
    if (table == nullptr)
        return measures;
    for (int i = 0; i < table->GetMeasurementCount(); ++i) {
        const IMeasurement *measurement = table->GetMeasurementAt(i);
        measures.names.push_back(measurement->GetName());
        measures.rows.push_back(relativeRow(*measurement, table->GetSizeCount(), sizes));
    }
    return measures;
}

void GradingMeasures::appendFormulaMeasures(const CPtrCollection<IBaseFormula> &formulas,
                                            const GradingSizes &sizes, bool relative)
{
    for (IBaseFormula *formula : formulas) {
        IMeasureFormula *measure = formula->AsMeasureFormula();
        if (measure == nullptr || measure->GetVarName().empty())
            continue;
        std::vector<double> row(static_cast<std::size_t>(sizes.count));
        for (int s = 0; s < sizes.count; ++s)
            row[static_cast<std::size_t>(s)] = measure->GetValue(sizes.table, s);
        const int type = formula->GetFormulaType();
        const bool absolute = type == kDistanceBetweenOutlines || type == kTangentDirection;
        if (relative && !absolute && sizes.base >= 0 && sizes.base < sizes.count) {
            const double base = row[static_cast<std::size_t>(sizes.base)];
            for (double &value : row)
                value -= base;
        }
        names.push_back(measure->GetVarName());
        rows.push_back(std::move(row));
    }
}

void GradingMeasures::appendSystemVariable(IMeasureFormula &holder, const GradingSizes &sizes)
{
    const double base = holder.GetValue(-1, -1);
    std::vector<double> row(static_cast<std::size_t>(sizes.count));
    for (int s = 0; s < sizes.count; ++s)
        row[static_cast<std::size_t>(s)] = holder.GetValue(sizes.table, s) - base;
    names.push_back("SYSTEMPARSERVAR");
    rows.push_back(std::move(row));
}
