// Morvane interactive tasks, fuzz target.
// Checks arbitrary typed formula names: the first line is the name typed, the second the
// formula's own name, every further line the name of a formula of the mask.
#include "app/taskdefs/EnteredName.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::istringstream input(std::string(reinterpret_cast<const char *>(data), size));
    std::string typed;
    std::string own;
    std::getline(input, typed);
    std::getline(input, own);
    std::vector<std::string> names;
    for (std::string line; std::getline(input, line);)
        names.push_back(line);

    const morvane::EnteredNameCheck check = morvane::CheckEnteredName(typed, own, names);
    // A name taken is never empty, never holds a character formula text reads otherwise, and
    // is kept in lower case.
    if (check.isValid() &&
        (check.name.empty() || check.name.find_first_of("~!@#$^&{}|<>?'[]:+-*/%,() ") !=
                                   std::string::npos))
        __builtin_trap();
    for (char c : check.name) {
        if (c >= 'A' && c <= 'Z')
            __builtin_trap();
    }
    return 0;
}
