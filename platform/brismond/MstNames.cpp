// Morvane Brismond table-set library.
// The rules that the names and indexes of a table set's contents keep in a file.
#include "platform/brismond/MstNames.h"

#include "foundation/NameCompare.h"

#include <unordered_set>

namespace brismond {

std::string nameKey(std::string_view name)
{
    return morvane::toLowerAscii(name);
}

namespace {

// The first name of items (by getName) that is empty or repeats an earlier one, as a reason
// about "<kind> of <where>"; empty when none.
template <typename Items, typename GetName>
std::string findRepeatedName(const Items &items, GetName getName, const std::string &kind,
                             const std::string &where)
{
    std::unordered_set<std::string> seen;
    for (const auto &item : items) {
        const std::string &name = getName(item);
        if (name.empty())
            return "a " + kind + " of " + where + " has no name";
        if (!seen.insert(nameKey(name)).second)
            return where + " has two " + kind + "s named \"" + name + "\"";
    }
    return {};
}

std::string findTableFault(const MstTable &table)
{
    const std::string where = "table \"" + table.name + "\"";
    const int sizeCount = static_cast<int>(table.sizes.size());
    if (table.baseSize >= sizeCount || (table.baseSize < 0) != (sizeCount == 0))
        return "base size " + std::to_string(table.baseSize) + " of " + where +
               " is not one of its " + std::to_string(sizeCount) + " sizes";
    std::string fault = findRepeatedName(
        table.sizes, [](const MstSize &size) -> const std::string & { return size.name; }, "size",
        where);
    if (fault.empty())
        fault = findRepeatedName(
            table.measurements,
            [](const MstMeasurement &measurement) -> const std::string & {
                return measurement.name;
            },
            "measurement", where);
    if (!fault.empty())
        return fault;
    for (const MstMeasurement &measurement : table.measurements) {
        if (measurement.ownSize >= sizeCount || measurement.ownSize < -1)
            return "measurement \"" + measurement.name + "\" of " + where +
                   " is taken in a size the table does not have";
        if (static_cast<int>(measurement.values.size()) != sizeCount)
            return "measurement \"" + measurement.name + "\" of " + where + " has " +
                   std::to_string(measurement.values.size()) + " values for " +
                   std::to_string(sizeCount) + " sizes";
    }
    return {};
}

} // namespace

std::string findNameFault(const MstContents &contents)
{
    std::string fault = findRepeatedName(
        contents.tables, [](const MstTable &table) -> const std::string & { return table.name; },
        "table", "the table set");
    for (auto table = contents.tables.begin(); fault.empty() && table != contents.tables.end();
         ++table)
        fault = findTableFault(*table);
    return fault;
}

} // namespace brismond
