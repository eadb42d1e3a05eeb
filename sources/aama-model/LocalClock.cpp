// Morvane AAMA grade model.
// The clock that writers stamp their files with.
#include "sources/aama-model/LocalClock.h"

namespace morvane {

std::tm currentLocalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace morvane
