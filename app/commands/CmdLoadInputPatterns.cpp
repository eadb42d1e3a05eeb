// Morvane editing commands.
// "LoadInputPatterns": the style to grade is read by a grade model of the kind asked for.
#include "app/commands/CmdLoadInputPatterns.h"

#include "app/commands/StopMessage.h"
#include "app/documents/EventRecords.h"
#include "app/documents/FileDialogFilter.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/GradeModelKind.h"
#include "app/documents/GradeModelLoader.h"
#include "app/documents/IDocumentAccess.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/IFileChooser.h"
#include "app/documents/IOptions.h"
#include "app/documents/IUserInterface.h"
#include "app/documents/MorvaneWorkspace.h"
#include "app/documents/WaitCursor.h"
#include "foundation/EnumValueMap.h"
#include "lang/ResourceText.h"
#include "model/MorvaneException.h"
#include "platform/brismond/IBrismond.h"
#include "sources/aama-model/AamaGradeModel.h"
#include "sources/grade-model/IGradeModel.h"

namespace {

constexpr uint32_t kLoadFailedText = 61431;
constexpr uint32_t kDialogTitle = 61444;
constexpr uint32_t kLoadingText = 61500;
constexpr uint32_t kMaskFilesText = 61246;
constexpr uint32_t kAamaFilesText = 61445;
constexpr uint32_t kModelFilesText = 61446;

FileDialogRequest inputPatternsFileRequest(int kind, const IOptions &options)
{
    FileDialogRequest request;
    request.title = morvane::loadString(kDialogTitle);
    request.initialFolder = options.GetStringOption("INPUT_PATTERN_FILES_PATH");
    const auto offer = [&request](const char *extension, uint32_t typeText) {
        request.defaultExtension = extension;
        request.filter = morvane::fileDialogFilter(typeText, std::string("*.") + extension);
    };
    if (kind == GMK_MASK_FILES)
        offer("msk", kMaskFilesText);
    else if (kind == GMK_AAMA)
        offer("dxf", kAamaFilesText);
    else if (kind == GMK_MODEL_FILES)
        offer("mdl", kModelFilesText);
    return request;
}

/// Why a model could not load its file: the AAMA model says it; other models give their code.
std::string loadFailure(IGradeModel &model, GM_ERROR code)
{
    if (const auto *aama = dynamic_cast<const CAamaGradeModel *>(&model);
        aama != nullptr && !aama->GetLastError().empty())
        return aama->GetLastError();
    return CMorvaneException::GetErrorNames().GetNameById(static_cast<uint32_t>(code));
}

/// A new grade model of kind, which asks the document's file chooser where a save goes.
bool makeGradeModel(int kind, IDocumentServices &services, IGradeModel **model)
{
    SetGradeModelSavePathProvider([&services](const morvane::SaveFileRequest &save) {
        FileDialogRequest request;
        request.initialFolder = save.suggestedPath.parent_path();
        request.suggestedName = save.suggestedPath.filename().string();
        request.defaultExtension = save.defaultExtension;
        request.filter = save.filter;
        return services.GetUserInterface().GetFileChooser().ChooseFileToSave(request);
    });
    const bool made = GetGradeModel(kind, model);
    SetGradeModelSavePathProvider({});
    return made;
}

} // namespace

CCmdLoadInputPatterns::CCmdLoadInputPatterns()
{
    CreateWith("LoadInputPatterns", false, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdLoadInputPatterns::Clone() const
{
    return std::make_unique<CCmdLoadInputPatterns>(*this);
}

bool CCmdLoadInputPatterns::OnExecute(void *data)
{
    IDocumentAccess *owner = GetOwner();
    auto *request = static_cast<InputPatternsRequest *>(data);
    if (owner == nullptr || request == nullptr)
        return false;
    IDocumentServices &services = *owner->GetServices();
    if (request->path.empty()) {
        const std::optional<std::filesystem::path> chosen =
            services.GetUserInterface().GetFileChooser().ChooseFileToOpen(
                inputPatternsFileRequest(request->kind, services.GetOptions()));
        if (!chosen)
            return false;
        request->path = *chosen;
    }

    CGradeMaskDoc *active = owner->GetActiveMaskDoc();
    if (active != nullptr)
        active->GetTaskManager()->DispatchEvent("OnDeactivate", nullptr);

    IGradeModel *model = nullptr;
    GM_ERROR code = GM_UNEXPECTED_INTERNAL_ERROR;
    std::string failure;
    if (!makeGradeModel(request->kind, services, &model)) {
        failure = GetGradeModelLoadError();
    } else {
        model->OnAttach(&services.GetTableSet()->GetGradeData());
        const WaitCursor waiting(services);
        services.SetStringAt(0, morvane::loadString(kLoadingText));
        try {
            code = model->Load(request->path.string());
        } catch (const std::exception &error) {
            failure = error.what();
        }
        services.SetStringAt(0, "");
        if (code != GM_NO_ERROR && failure.empty())
            failure = loadFailure(*model, code);
    }

    const bool loaded = code == GM_NO_ERROR;
    if (loaded) {
        services.GetWorkspace()->SetInputPatternFile(request->path.string());
        services.SetGradeModel(model, request->kind);
    } else {
        CheckGradeModelError(request->kind, model);
        morvane::showStopMessage(services, kLoadFailedText, {request->path.string(), failure});
    }
    owner->GetMaskDocs()->RefreshMainTasks();
    if (active != nullptr)
        active->GetTaskManager()->DispatchEvent("OnActivate", nullptr);
    return loaded;
}

bool CCmdLoadInputPatterns::IsEnabled(void *)
{
    IDocumentAccess *owner = GetOwner();
    if (owner == nullptr || owner->GetServices()->GetGradeModelKind() == GMK_CLIENT_PROGRAM)
        return false;
    CGradeMaskDoc *active = owner->GetActiveMaskDoc();
    return active == nullptr || active->GetTaskManager()->CanDispatchEvent("OnDeactivate", nullptr);
}
