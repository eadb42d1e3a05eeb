// Morvane program documents.
// The error an automation call answers when its arguments name nothing it can act on.
#pragma once

#include <stdexcept>
#include <string>

namespace morvane {

/// Thrown by the automation objects when a client's call cannot be carried out as given: an
/// index out of range, an object not yet handed out, or one whose target is gone. Nothing was
/// changed. The automation service answers it as an error of the call.
class AutomationError : public std::runtime_error
{
public:
    explicit AutomationError(const std::string &message)
        : std::runtime_error(message)
    {
    }
};

/// Throws an AutomationError naming the call and the index unless 0 <= index < count.
void checkAutomationIndex(const char *call, const char *what, int index, int count);

} // namespace morvane
