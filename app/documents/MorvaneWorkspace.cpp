// Morvane program documents.
// The workspace: the grade model, input-pattern file, table set and mask files worked with.
#include "app/documents/MorvaneWorkspace.h"

#include "app/documents/EventRecords.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/GradeModelKind.h"
#include "app/documents/IDocumentAccess.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/StoredFile.h"
#include "app/extras/StoredPath.h"
#include "app/tables/MeasureTableDoc.h"
#include "foundation/ConfigFolder.h"
#include "model/GradeMask.h"
#include "model/MorvaneException.h"
#include "sources/grade-model/IGradeModel.h"
#include "tasks/TaskManager.h"

using namespace morvane;

static const CRuntimeClass kMorvaneWorkspaceClass("CMorvaneWorkspace",
                                                  &CreateObjectOf<CMorvaneWorkspace>,
                                                  CMvItem::GetThisClass());

CMorvaneWorkspace::CMorvaneWorkspace()
{
    AddIntAttribute(&m_nGradeModelType, "GradeModelType");
    AddStringAttribute(&m_sInputPatternFile, "InputPatternFile");
    AddStringAttribute(&m_sTableSetFile, "TableSetFile");
    AddClassCollectionAttribute(&m_oMaskFilePaths, "MaskFilePaths", "FilePath",
                                CFilePath::GetThisClass(), XmlNaming::None, XmlPresence::Optional);
}

CMorvaneWorkspace::~CMorvaneWorkspace() = default;

const CRuntimeClass *CMorvaneWorkspace::GetThisClass()
{
    return &kMorvaneWorkspaceClass;
}

bool CMorvaneWorkspace::Load(const std::filesystem::path &file)
{
    // Read into a fresh workspace, so that a refused file changes nothing and a second load
    // never adds its mask files to those of the first.
    CMorvaneWorkspace loaded;
    if (!loadStoredFile(loaded, file, kRootName, m_sLastError))
        return false;
    takeFieldsOf(loaded);
    m_oFile = file;
    return true;
}

bool CMorvaneWorkspace::Save(const std::filesystem::path &file)
{
    Record();
    if (!saveStoredFile(*this, file, kRootName, m_sLastError))
        return false;
    m_oFile = file;
    return true;
}

void CMorvaneWorkspace::Record()
{
    if (m_pOwner == nullptr)
        return;
    IDocumentServices &services = *m_pOwner->GetServices();
    m_sTableSetFile = services.GetMeasureTableDoc()->GetPathName().string();
    m_nGradeModelType = services.GetGradeModelKind();
    if (m_nGradeModelType == GMK_CLIENT_MODEL)
        m_sInputPatternFile.clear();
    std::vector<std::string> maskFiles;
    const CGradeMaskDocArray &masks = *m_pOwner->GetMaskDocs();
    for (int i = 0; i < masks.GetCount(); ++i)
        maskFiles.push_back(masks.GetAt(i)->GetGradeMask()->GetFileName().string());
    SetMaskFiles(maskFiles);
}

void CMorvaneWorkspace::Apply(bool loadInputPatterns)
{
    if (m_pOwner == nullptr)
        return;
    CTaskManager &manager = *m_pOwner->GetWorkspaceTaskManager();
    for (std::filesystem::path maskFile : GetMaskPaths())
        manager.DispatchEvent("InsertMaskFromFile", &maskFile);
    const CGradeMaskDocArray &masks = *m_pOwner->GetMaskDocs();
    if (masks.GetCount() > 0)
        manager.DispatchEvent("SetActiveMask", masks.GetAt(0));
    if (!m_sTableSetFile.empty()) {
        std::filesystem::path tableSet = GetTableSetPath();
        m_pOwner->GetServices()->GetMeasureTableDoc()->GetTaskManager().DispatchEvent(
            "LoadTableSet", &tableSet);
    }
    const bool fromFile = m_nGradeModelType == GMK_MASK_FILES || m_nGradeModelType == GMK_AAMA
                          || m_nGradeModelType == GMK_MODEL_FILES;
    if (loadInputPatterns && fromFile && !m_sInputPatternFile.empty()) {
        InputPatternsRequest request{GetInputPatternPath(), m_nGradeModelType};
        manager.DispatchEvent("LoadInputPatterns", &request);
    }
}

std::string CMorvaneWorkspace::GetModelText() const
{
    IGradeModel *model = m_pOwner != nullptr ? m_pOwner->GetServices()->GetLoadedGradeModel()
                                             : nullptr;
    std::string name;
    if (model != nullptr)
        CMorvaneException::HandleCriticalError(model->GetName(name));
    return name;
}

void CMorvaneWorkspace::takeFieldsOf(CMorvaneWorkspace &loaded)
{
    m_nGradeModelType = loaded.m_nGradeModelType;
    m_sInputPatternFile = std::move(loaded.m_sInputPatternFile);
    m_sTableSetFile = std::move(loaded.m_sTableSetFile);
    m_oMaskFilePaths.RemoveAll();
    while (loaded.m_oMaskFilePaths.GetCount() > 0)
        m_oMaskFilePaths.AddOwned(loaded.m_oMaskFilePaths.TakeAt(0));
}

std::vector<std::string> CMorvaneWorkspace::GetMaskFiles() const
{
    std::vector<std::string> files;
    for (const CFilePath *path : m_oMaskFilePaths)
        files.push_back(path->GetFilePath());
    return files;
}

void CMorvaneWorkspace::SetMaskFiles(const std::vector<std::string> &files)
{
    m_oMaskFilePaths.RemoveAll();
    for (const std::string &file : files) {
        if (!file.empty())
            m_oMaskFilePaths.AddOwned(std::make_unique<CFilePath>(file));
    }
}

std::filesystem::path CMorvaneWorkspace::GetInputPatternPath() const
{
    return ResolveStoredPath(m_sInputPatternFile, m_oFile);
}

std::filesystem::path CMorvaneWorkspace::GetTableSetPath() const
{
    return ResolveStoredPath(m_sTableSetFile, m_oFile);
}

std::vector<std::filesystem::path> CMorvaneWorkspace::GetMaskPaths() const
{
    std::vector<std::filesystem::path> paths;
    for (const CFilePath *path : m_oMaskFilePaths)
        paths.push_back(ResolveStoredPath(path->GetFilePath(), m_oFile));
    return paths;
}

std::filesystem::path CMorvaneWorkspace::GetDefaultWorkspacePath()
{
    return userConfigFolder() / "default.mvw";
}

std::filesystem::path CMorvaneWorkspace::GetDefaultContextPath()
{
    return userConfigFolder() / "default.mvc";
}
