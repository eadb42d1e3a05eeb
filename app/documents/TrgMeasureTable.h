// Morvane program documents.
// The automation object of one measurement table of the document's table set.
#pragma once

#include "app/documents/TrgMeasurement.h"

#include <cstdint>
#include <string>

class IBrismond;
class IMeasureTable;

/// One table of the document's measurement table set, as an automation client fills it. The
/// main document keeps one and aims it at the table asked for; it keeps one CTrgMeasurement,
/// aimed at the measurement last asked for. Index arguments that name nothing, a call before the
/// object was aimed, or after its table left the set, throw morvane::AutomationError and change
/// nothing.
class CTrgMeasureTable
{
public:
    CTrgMeasureTable() = default;
    CTrgMeasureTable(const CTrgMeasureTable &) = delete;
    CTrgMeasureTable &operator=(const CTrgMeasureTable &) = delete;

    /// Aims at table, a table of set.
    void SetMeasureTable(IBrismond *set, IMeasureTable *table);

    /// The index of the table's base size; -1 when it has no sizes.
    int32_t GetOriginalGradeSize();
    void SetOriginalGradeSize(int32_t size);
    int32_t GetGradeSizeCount();
    /// "38<M>" names size index "M" with the number 38 (the number is read as atoi does, from
    /// the text before the first "<"; the name runs to the next ">" or the end) and switches the
    /// table to numbered size names; a text without "<" is the name, and the table's sizes are
    /// then named plainly.
    void SetGradeSizeName(int32_t index, const std::string &text);
    int32_t GetMeasurementCount();
    /// The measurement object, aimed at measurement index of the table.
    CTrgMeasurement &GetIMeasurementAt(int32_t index);
    /// "number<name>" in a table of numbered sizes, the name in one of plainly named sizes, and
    /// empty for any other naming.
    std::string GetGradeSizeName(int32_t index);
    /// Stores the name as given.
    void SetName(const std::string &name);
    /// Types 0 to 3 are kept, any other is taken as 0.
    void SetTableType(int32_t type);
    int32_t GetTableType();

    /// The measurement object, without aiming it.
    CTrgMeasurement &GetMeasurement() { return m_oMeasurement; }

private:
    IMeasureTable &table(const char *call) const;

    IBrismond *m_pSet = nullptr;
    IMeasureTable *m_pTable = nullptr;
    CTrgMeasurement m_oMeasurement;
};
