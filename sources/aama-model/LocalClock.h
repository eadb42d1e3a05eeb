// Morvane AAMA grade model.
// The clock that writers stamp their files with, replaceable so that output can be compared.
#pragma once

#include <ctime>
#include <functional>

namespace morvane {

/// Gives the current local date and time, broken down.
using LocalClock = std::function<std::tm()>;

/// The system's current local time.
std::tm currentLocalTime();

} // namespace morvane
