// Morvane AAMA grade model.
// The clock that writers stamp their files with.
#include "sources/aama-model/LocalClock.h"

#include "foundation/TextFormat.h"
#include "sources/aama-model/FixedWidthText.h"

namespace morvane {

std::tm currentLocalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string dayMonthYearText(const std::tm &time)
{
    return zeroPadded(time.tm_mday, 2) + '-' + zeroPadded(time.tm_mon + 1, 2) + '-' +
           formatInteger(time.tm_year + 1900LL);
}

std::string timeOfDayText(const std::tm &time)
{
    return zeroPadded(time.tm_hour, 2) + ':' + zeroPadded(time.tm_min, 2) + ':' +
           zeroPadded(time.tm_sec, 2);
}

std::string yearMonthDayMinuteText(const std::tm &time)
{
    return formatInteger(time.tm_year + 1900LL) + '/' + zeroPadded(time.tm_mon + 1, 2) + '/' +
           zeroPadded(time.tm_mday, 2) + ' ' + zeroPadded(time.tm_hour, 2) + ':' +
           zeroPadded(time.tm_min, 2);
}

} // namespace morvane
