// Morvane editing commands.
// "SaveGrading": the graded style is written by its grade model.
#include "app/commands/CmdSaveGrading.h"

#include "app/documents/GradeModelKind.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/IPrompt.h"
#include "app/documents/IUserInterface.h"
#include "lang/ResourceText.h"
#include "model/MorvaneException.h"
#include "sources/grade-model/IGradeModel.h"

namespace {

constexpr uint32_t kFirstCodeText = 61250;

/// The text of a save's code; empty for a code without one.
std::string saveFailureText(GM_ERROR code)
{
    if (code < GM_NO_SUCH_FILE || code > GM_UNEXPECTED_INTERNAL_ERROR)
        return {};
    return morvane::loadString(kFirstCodeText + static_cast<uint32_t>(code - GM_NO_SUCH_FILE));
}

} // namespace

CCmdSaveGrading::CCmdSaveGrading()
{
    CreateWith("SaveGrading", false, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdSaveGrading::Clone() const
{
    return std::make_unique<CCmdSaveGrading>(*this);
}

bool CCmdSaveGrading::OnExecute(void *)
{
    IDocumentServices *services = GetServices();
    IGradeModel *model = services != nullptr ? services->GetLoadedGradeModel() : nullptr;
    if (model == nullptr)
        return false;
    const GM_ERROR code = model->Save();
    CMorvaneException::HandleCriticalError(code);
    if (code == GM_NO_ERROR)
        return true;
    services->GetUserInterface().GetPrompt().ShowMessage(saveFailureText(code),
                                                         MessageIcon::Warning);
    return false;
}

bool CCmdSaveGrading::IsEnabled(void *)
{
    IDocumentServices *services = GetServices();
    if (services == nullptr)
        return false;
    const int kind = services->GetGradeModelKind();
    return kind != GMK_NONE && kind != GMK_CLIENT_PROGRAM;
}
