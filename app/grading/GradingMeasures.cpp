// Morvane program grading.
// The measures formula text may use while a grade table is graded, with their values per size.
#include "app/grading/GradingMeasures.h"

#include "app/grading/GradingSizes.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/IMeasurement.h"

namespace {

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
