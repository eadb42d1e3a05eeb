// Morvane program documents.
// The automation object of one measurement of a measurement table.
#pragma once

#include <cstdint>
#include <string>

class IBrismond;
class IMeasureTable;
class IMeasurement;

/// One measurement of a table of the document's measurement table set, as an automation client
/// sees it. The table object keeps one and aims it at the measurement asked for. A size index
/// out of range, a value that is not a finite number, a call before the object was aimed or
/// after its measurement left the set throw morvane::AutomationError and change nothing.
class CTrgMeasurement
{
public:
    /// Aims at measurement, a measurement of table, a table of set.
    void SetMeasurement(IBrismond *set, IMeasureTable *table, IMeasurement *measurement);

    /// Stores the name in upper case (ASCII letters).
    void SetName(const std::string &name);
    std::string GetComment();
    void SetComment(const std::string &comment);
    /// The number of sizes of the table: each has a value.
    int32_t GetMeasureSizeValueCount();
    /// The value at size, relative to the base size when relative is set.
    double GetMeasureSizeValueAt(int32_t size, bool relative);
    void SetMeasureSizeValueAt(int32_t size, double value, bool relative);
    std::string GetName();

private:
    IMeasurement &measurement(const char *call) const;

    IBrismond *m_pSet = nullptr;
    IMeasureTable *m_pTable = nullptr;
    IMeasurement *m_pMeasurement = nullptr;
};
