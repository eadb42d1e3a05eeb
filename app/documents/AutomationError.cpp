// Morvane program documents.
// The error an automation call answers when its arguments name nothing it can act on.
#include "app/documents/AutomationError.h"

#include "foundation/TextFormat.h"

namespace morvane {

void checkAutomationIndex(const char *call, const char *what, int index, int count)
{
    if (index >= 0 && index < count)
        return;
    if (count <= 0)
        throw AutomationError(
            format("%s: %s %d is out of range: there is none", call, what, index));
    throw AutomationError(
        format("%s: %s %d is out of range (0 to %d)", call, what, index, count - 1));
}

} // namespace morvane
