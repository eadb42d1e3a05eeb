// Morvane model library.
// The short name of a point: a letter for its kind followed by its id.
#include "model/PointName.h"

#include <array>
#include <charconv>

namespace morvane {

// Written in place: names are asked for by every formula text and every grading.
std::string pointName(char prefix, int id)
{
    std::array<char, 16> text{prefix};
    char *end = std::to_chars(text.data() + 1, text.data() + text.size(), id).ptr;
    return {text.data(), end};
}

} // namespace morvane
