// Morvane command, task and undo engine.
// Identifiers for the transitions that task definitions declare.
#include "tasks/TransitionId.h"

#include "foundation/TextFormat.h"

#include <chrono>
#include <cstdint>

std::string morvane::makeTransitionId()
{
    static int64_t lastMilliseconds = -1;
    using namespace std::chrono;
    const int64_t now =
        duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    lastMilliseconds = now > lastMilliseconds ? now : lastMilliseconds + 1;
    const auto seconds = static_cast<uint32_t>(lastMilliseconds / 1000);
    const auto millis = static_cast<unsigned>(lastMilliseconds % 1000);
    return format("%08X%04X", seconds, millis);
}
