// Morvane program documents.
// A context: how the input patterns lie on each open grade mask and are tied to it.
#include "app/documents/MvContext.h"

#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/IDocumentAccess.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/StoredFile.h"
#include "app/extras/StoredPath.h"
#include "foundation/NameCompare.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/InputPatternMask.h"
#include "tasks/TaskManager.h"

#include <memory>

using namespace morvane;

static const CRuntimeClass kMvContexMaskClass("CMvContexMask", &CreateObjectOf<CMvContexMask>,
                                              CMvItem::GetThisClass());
static const CRuntimeClass kMvContextClass("CMvContext", &CreateObjectOf<CMvContext>,
                                           CMvItem::GetThisClass());

CMvContexMask::CMvContexMask()
{
    AddStringAttribute(&m_sName, "Name");
    AddClassCollectionAttribute(&m_oContexPatterns, "ContexPatterns", "ContexPattern",
                                CMvContexPattern::GetThisClass());
}

CMvContexMask::~CMvContexMask() = default;

const CRuntimeClass *CMvContexMask::GetThisClass()
{
    return &kMvContexMaskClass;
}

void CMvContexMask::Gather(IGradeMask &mask, IInputPatterns &inputPatterns)
{
    m_sName = mask.GetFileName().string();
    m_oContexPatterns.RemoveAll();
    for (int i = 0; i < inputPatterns.GetPatternCount(); ++i) {
        auto entry = std::make_unique<CMvContexPattern>();
        entry->Gather(*inputPatterns.GetPatternAt(i));
        m_oContexPatterns.AddOwned(std::move(entry));
    }
}

void CMvContexMask::Apply(IGradeMask &mask, IInputPatterns &inputPatterns) const
{
    for (int i = 0; i < inputPatterns.GetPatternCount(); ++i) {
        CInputPattern *pattern = inputPatterns.GetPatternAt(i);
        if (const CMvContexPattern *entry = FindPattern(pattern->GetPatternName()))
            entry->Apply(*pattern, mask);
    }
}

const CMvContexPattern *CMvContexMask::FindPattern(const std::string &name) const
{
    for (const CMvContexPattern *entry : m_oContexPatterns) {
        if (equalsNoCase(entry->GetName(), name))
            return entry;
    }
    return nullptr;
}

CMvContext::CMvContext()
{
    AddClassCollectionAttribute(&m_oContexMasks, "ContexMasks", "ContexMask",
                                CMvContexMask::GetThisClass());
}

CMvContext::~CMvContext() = default;

const CRuntimeClass *CMvContext::GetThisClass()
{
    return &kMvContextClass;
}

bool CMvContext::Load(const std::filesystem::path &file)
{
    CMvContext loaded;
    if (!loadStoredFile(loaded, file, kRootName, m_sLastError))
        return false;
    m_oContexMasks.RemoveAll();
    while (loaded.m_oContexMasks.GetCount() > 0)
        m_oContexMasks.AddOwned(loaded.m_oContexMasks.TakeAt(0));
    m_oFile = file;
    return true;
}

bool CMvContext::Save(const std::filesystem::path &file)
{
    return saveStoredFile(*this, file, kRootName, m_sLastError);
}

namespace {

morvane::InputPatternMask *asInputPatternMask(IGradeMask *mask)
{
    return dynamic_cast<morvane::InputPatternMask *>(mask);
}

} // namespace

void CMvContext::Gather(IDocumentAccess &document)
{
    IInputPatterns &inputPatterns = *document.GetServices()->GetInputPatterns();
    morvane::InputPatternMask *shownOn = inputPatterns.GetGradeMask();
    const CGradeMaskDocArray &masks = *document.GetMaskDocs();
    for (int i = 0; i < masks.GetCount(); ++i) {
        IGradeMask &mask = *masks.GetAt(i)->GetGradeMask();
        inputPatterns.SetGradeMask(asInputPatternMask(&mask));
        GatherMask(mask, inputPatterns);
    }
    inputPatterns.SetGradeMask(shownOn);
}

void CMvContext::Apply(IDocumentAccess &document) const
{
    IInputPatterns &inputPatterns = *document.GetServices()->GetInputPatterns();
    CGradeMaskDocArray &masks = *document.GetMaskDocs();
    for (int i = 0; i < masks.GetCount(); ++i) {
        CGradeMaskDoc *doc = masks.GetAt(i);
        const CMvContexMask *entry = FindMask(*doc->GetGradeMask());
        if (entry == nullptr)
            continue;
        if (document.GetActiveMaskDoc() != doc)
            document.GetWorkspaceTaskManager()->DispatchEvent("SetActiveMask", doc);
        inputPatterns.SetGradeMask(asInputPatternMask(doc->GetGradeMask()));
        entry->Apply(*doc->GetGradeMask(), inputPatterns);
    }
    // A mask whose activation was refused must not keep the input patterns.
    CGradeMaskDoc *active = document.GetActiveMaskDoc();
    inputPatterns.SetGradeMask(asInputPatternMask(active != nullptr ? active->GetGradeMask()
                                                                    : nullptr));
    masks.ClearUndoHistories();
}

void CMvContext::GatherMask(IGradeMask &mask, IInputPatterns &inputPatterns)
{
    auto entry = std::make_unique<CMvContexMask>();
    entry->Gather(mask, inputPatterns);
    m_oContexMasks.AddOwned(std::move(entry));
}

const CMvContexMask *CMvContext::FindMask(const IGradeMask &mask) const
{
    const std::filesystem::path maskFile = mask.GetFileName();
    for (const CMvContexMask *entry : m_oContexMasks) {
        if (IsSameFileIgnoringCase(ResolveStoredPath(entry->GetName(), m_oFile), maskFile))
            return entry;
    }
    return nullptr;
}
