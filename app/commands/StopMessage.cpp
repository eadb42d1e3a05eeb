// Morvane editing commands.
// The stop message a command shows when it cannot do what was asked, and its reasons.
#include "app/commands/StopMessage.h"

#include "app/documents/IDocumentServices.h"
#include "app/documents/IPrompt.h"
#include "app/documents/IUserInterface.h"
#include "lang/ResourceText.h"
#include "model/GradeMask.h"

namespace morvane {

void showStopMessage(IDocumentServices &document, uint32_t textId,
                     std::initializer_list<std::string_view> arguments)
{
    document.GetUserInterface().GetPrompt().ShowMessage(loadString(textId, arguments),
                                                        MessageIcon::Stop);
}

std::string maskFileError(const IGradeMask &mask)
{
    const auto *gradeMask = dynamic_cast<const CGradeMask *>(&mask);
    return gradeMask != nullptr ? gradeMask->GetLastError() : std::string();
}

} // namespace morvane
