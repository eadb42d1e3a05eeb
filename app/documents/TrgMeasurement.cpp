// Morvane program documents.
// The automation object of one measurement of a measurement table.
#include "app/documents/TrgMeasurement.h"

#include "app/documents/AutomationError.h"
#include "foundation/NameCompare.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/IMeasurement.h"

#include <cmath>

using namespace morvane;

static bool holdsMeasurement(const IMeasureTable &table, const IMeasurement *measurement)
{
    for (int i = 0; i < table.GetMeasurementCount(); ++i) {
        if (table.GetMeasurementAt(i) == measurement)
            return true;
    }
    return false;
}

void CTrgMeasurement::SetMeasurement(IBrismond *set, IMeasureTable *table,
                                     IMeasurement *measurement)
{
    m_pSet = set;
    m_pTable = table;
    m_pMeasurement = measurement;
}

IMeasurement &CTrgMeasurement::measurement(const char *call) const
{
    if (m_pMeasurement == nullptr)
        throw AutomationError(std::string(call) +
                              ": no measurement was asked for (GetIMeasurementAt)");
    if (m_pSet->IndexOfTable(m_pTable) < 0 || !holdsMeasurement(*m_pTable, m_pMeasurement))
        throw AutomationError(std::string(call) +
                              ": the measurement is no longer in the measurement tables");
    return *m_pMeasurement;
}

void CTrgMeasurement::SetName(const std::string &name)
{
    measurement("SetName").SetName(toUpperAscii(name));
}

std::string CTrgMeasurement::GetComment()
{
    return measurement("GetComment").GetComment();
}

void CTrgMeasurement::SetComment(const std::string &comment)
{
    measurement("SetComment").SetComment(comment);
}

int32_t CTrgMeasurement::GetMeasureSizeValueCount()
{
    return measurement("GetMeasureSizeValueCount").GetTable()->GetSizeCount();
}

double CTrgMeasurement::GetMeasureSizeValueAt(int32_t size, bool relative)
{
    IMeasurement &target = measurement("GetMeasureSizeValueAt");
    checkAutomationIndex("GetMeasureSizeValueAt", "size", size, target.GetTable()->GetSizeCount());
    return target.GetValue(size, relative);
}

void CTrgMeasurement::SetMeasureSizeValueAt(int32_t size, double value, bool relative)
{
    IMeasurement &target = measurement("SetMeasureSizeValueAt");
    checkAutomationIndex("SetMeasureSizeValueAt", "size", size, target.GetTable()->GetSizeCount());
    if (!std::isfinite(value))
        throw AutomationError("SetMeasureSizeValueAt: the value is not a finite number");
    target.SetValue(size, value, relative);
}

std::string CTrgMeasurement::GetName()
{
    return measurement("GetName").GetName();
}
