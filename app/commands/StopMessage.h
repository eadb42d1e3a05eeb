// Morvane editing commands.
// The stop message a command shows when it cannot do what was asked, and its reasons.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

class IDocumentServices;
class IGradeMask;

namespace morvane {

/// Shows the language text textId, its markers filled with arguments, with the stop icon and an
/// OK button, through the document's prompt.
void showStopMessage(IDocumentServices &document, uint32_t textId,
                     std::initializer_list<std::string_view> arguments);

/// Why the mask's last load or save failed; empty when it did not.
std::string maskFileError(const IGradeMask &mask);

} // namespace morvane
