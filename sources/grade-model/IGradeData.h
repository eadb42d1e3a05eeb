// Morvane grade-model interfaces.
// The program's measurement tables as a grade model sees them: tables, sizes and base sizes.
#pragma once

#include <string>

/// The layout of grade tables and sizes that the program hands a grade model through
/// IGradeModel::OnAttach, taken from its current measurement-table set. Counts are 0 or more and
/// indexes run from 0. The model never owns it. The operations keep this order, the destructor
/// last: the program and the plug-ins are built apart and rely on that layout.
class IGradeData
{
public:
    /// The number of grade tables.
    virtual int GetTableCount() const = 0;
    /// The number of sizes of table; 0 for a table index out of range.
    virtual int GetSizeCount(int table) const = 0;
    /// The index of the sample (base) size of table; -1 for a table index out of range.
    virtual int GetSampleSize(int table) const = 0;
    /// The name of size of table; empty for indexes out of range.
    virtual std::string GetSizeName(int table, int size) const = 0;
    virtual ~IGradeData() = default;
};
