// Morvane Brismond table-set library.
// The rules that the names and indexes of a table set's contents keep in a file.
#pragma once

#include "platform/brismond/MstContents.h"

#include <string>
#include <string_view>

namespace brismond {

/// The key under which a name is found without regard to case.
std::string nameKey(std::string_view name);

/// What keeps contents from being stored and read back: an empty name, two tables of one name,
/// two sizes or two measurements of one name in a table, a base size or own size that is not a
/// size of the table, a measurement without exactly one value per size. Empty when none.
std::string findNameFault(const MstContents &contents);

} // namespace brismond
