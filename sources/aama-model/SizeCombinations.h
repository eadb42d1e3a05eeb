// Morvane AAMA grade model.
// The combinations of sizes of several grade tables that a RUL file lists.
#pragma once

#include <string>
#include <vector>

class IGradeData;

namespace morvane {

/// A size of each grade table, by index; -1 where the table takes no part.
using SizeCombination = std::vector<int>;

/// The combinations of the grade data's tables, table by table: one per size of the first
/// table; then, for each further table t, one per size s of t and combination c already listed
/// (s outer, c inner), holding c's sizes of the tables before t and s for t. The earlier ones
/// stay, so tables of 3 and 2 sizes give 3 + 3 x 2 = 9 combinations, the first three naming a
/// size of the first table alone. None without grade data or tables.
std::vector<SizeCombination> buildSizeCombinations(const IGradeData *data);

/// The names of the sizes that take part, joined by "#".
std::string sizeCombinationName(const IGradeData &data, const SizeCombination &combination);

} // namespace morvane
