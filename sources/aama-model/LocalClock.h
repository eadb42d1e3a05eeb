// Morvane AAMA grade model.
// The clock that writers stamp their files with, replaceable so that output can be compared.
#pragma once

#include <ctime>
#include <functional>
#include <string>

namespace morvane {

/// Gives the current local date and time, broken down.
using LocalClock = std::function<std::tm()>;

/// The system's current local time.
std::tm currentLocalTime();

/// The date as day, month and year: "05-03-2024".
std::string dayMonthYearText(const std::tm &time);

/// The time of day to the second: "14:07:09".
std::string timeOfDayText(const std::tm &time);

/// The date and time to the minute, year first: "2024/03/05 14:07".
std::string yearMonthDayMinuteText(const std::tm &time);

} // namespace morvane
