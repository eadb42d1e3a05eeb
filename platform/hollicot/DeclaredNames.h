// Morvane Hollicot formula parser.
// The names that formula text may use, as a parse object declares them to its expressions.
#pragma once

#include "platform/hollicot/NameFold.h"

#include <string>
#include <vector>

namespace hollicot {

/// The declared names in order (values given later are aligned with them by position) and
/// their index. An empty list declares nothing: every name is then accepted.
struct DeclaredNames
{
    std::vector<std::string> names;
    NameIndex index;

    DeclaredNames() = default;
    explicit DeclaredNames(std::vector<std::string> list) : names(std::move(list)), index(names) {}
};

} // namespace hollicot
