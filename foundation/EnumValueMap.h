// Morvane foundation library.
// The names of the values of an enumeration, kept in the order they were added.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

/// Names of enumeration values (for example the texts of error codes): id to name, name to id,
/// and the ids in the order of addition. Names compare exactly (case matters).
class CEnumValueMap
{
public:
    /// Adds id with its name. An id already present changes nothing (its first name stays); a
    /// name that another id already has is pointed at the new id.
    void Add(uint32_t id, std::string_view name);

    /// The name of id; empty when id was never added.
    std::string GetNameById(uint32_t id) const;
    /// The id added under exactly this name; 0 when none (indistinguishable from an id 0).
    uint32_t GetIdByName(std::string_view name) const;
    /// The number of ids added.
    int GetCount() const;
    /// The index-th id in the order of addition and its name; index must be below GetCount().
    bool GetEntryAt(int index, uint32_t &id, std::string &name) const;

private:
    std::unordered_map<uint32_t, std::string> m_oNames;
    std::vector<uint32_t> m_aOrder;
    std::unordered_map<std::string, uint32_t> m_oIds;
};
