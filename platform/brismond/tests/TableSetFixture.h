// Morvane Brismond table-set library tests.
// A small set of two tables built through the library's own operations.
#pragma once

#include "platform/brismond/IBrismond.h"

#include <filesystem>
#include <memory>
#include <string>

/// Two tables: "Women" with sizes S, M (base), L and the measurements CHEST and WAIST, and
/// "Height" with sizes 164, 170 (base), numbered, and the measurement LENGTH; an image file and
/// folder. Values are whole millimetres apart from one, so both kinds of number are stored.
std::unique_ptr<IBrismond> makeTwoTableSet();

/// The whole content of a file; empty when it cannot be read.
std::string readFile(const std::filesystem::path &path);
