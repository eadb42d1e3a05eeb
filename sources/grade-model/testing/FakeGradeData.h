// Morvane grade-model test support.
// A measurement table set in memory that stands for the program's grade data in tests.
#pragma once

#include "sources/grade-model/IGradeData.h"

#include <deque>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace morvane {

/// Grade data in memory: tables of named sizes, each with its base size. Indexes out of range
/// answer as the interface documents (0 sizes, base size -1, empty name).
class FakeGradeData : public IGradeData
{
public:
    struct Table
    {
        std::vector<std::string> sizeNames;
        int sampleSize = 0;
    };

    FakeGradeData() = default;
    explicit FakeGradeData(std::vector<Table> tables)
        : m_tables(std::make_move_iterator(tables.begin()), std::make_move_iterator(tables.end()))
    {
    }

    /// Appends a table; returns its index.
    int addTable(std::vector<std::string> sizeNames, int sampleSize)
    {
        m_tables.push_back({std::move(sizeNames), sampleSize});
        return static_cast<int>(m_tables.size()) - 1;
    }

    int GetTableCount() const override { return static_cast<int>(m_tables.size()); }

    int GetSizeCount(int table) const override
    {
        const Table *found = findTable(table);
        return found != nullptr ? static_cast<int>(found->sizeNames.size()) : 0;
    }

    int GetSampleSize(int table) const override
    {
        const Table *found = findTable(table);
        return found != nullptr ? found->sampleSize : -1;
    }

    std::string GetSizeName(int table, int size) const override
    {
        const Table *found = findTable(table);
        if (found == nullptr || size < 0 || static_cast<size_t>(size) >= found->sizeNames.size())
            return {};
        return found->sizeNames[static_cast<size_t>(size)];
    }

private:
    const Table *findTable(int table) const
    {
        if (table < 0 || static_cast<size_t>(table) >= m_tables.size())
            return nullptr;
        return &m_tables[static_cast<size_t>(table)];
    }

    // A deque, not a vector: GCC 12 takes the bounds check above for an out-of-bounds access
    // on a vector it saw built from a one-element list (-Warray-bounds).
    std::deque<Table> m_tables;
};

} // namespace morvane
