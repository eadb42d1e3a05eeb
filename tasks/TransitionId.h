// Morvane command, task and undo engine.
// Identifiers for the transitions that task definitions declare.
#pragma once

#include <string>

namespace morvane {

/// A new transition id: twelve upper-case hexadecimal digits, eight of the time in seconds
/// since 1970 and four of its milliseconds (0000 to 03E7). Ids are unique within the process:
/// when the clock has not moved on since the last id, the last id's time plus one millisecond
/// is used.
std::string makeTransitionId();

} // namespace morvane
