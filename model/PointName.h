// Morvane model library.
// The short name of a point: a letter for its kind followed by its id.
#pragma once

#include <string>

namespace morvane {

/// prefix followed by id in decimal ("P12", "I-1").
std::string pointName(char prefix, int id);

} // namespace morvane
