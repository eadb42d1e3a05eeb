// Morvane AAMA grade model.
// The combinations of sizes of several grade tables that a RUL file lists.
#include "sources/aama-model/SizeCombinations.h"

#include "sources/grade-model/IGradeData.h"

namespace morvane {

std::vector<SizeCombination> buildSizeCombinations(const IGradeData *data)
{
    std::vector<SizeCombination> combinations;
    const int tableCount = data != nullptr ? data->GetTableCount() : 0;
    if (tableCount == 0)
        return combinations;
    for (int size = 0; size < data->GetSizeCount(0); ++size) {
        SizeCombination combination(static_cast<std::size_t>(tableCount), -1);
        combination[0] = size;
        combinations.push_back(std::move(combination));
    }
    for (int table = 1; table < tableCount; ++table) {
        const std::size_t earlier = combinations.size();
        for (int size = 0; size < data->GetSizeCount(table); ++size) {
            for (std::size_t c = 0; c < earlier; ++c) {
                SizeCombination combination = combinations[c];
                combination[static_cast<std::size_t>(table)] = size;
                combinations.push_back(std::move(combination));
            }
        }
    }
    return combinations;
}

std::string sizeCombinationName(const IGradeData &data, const SizeCombination &combination)
{
    std::string name;
    const char *separator = "";
    for (std::size_t table = 0; table < combination.size(); ++table) {
        if (combination[table] < 0)
            continue;
        name += separator;
        name += data.GetSizeName(static_cast<int>(table), combination[table]);
        separator = "#";
    }
    return name;
}

} // namespace morvane
