// Morvane program documents.
// The open grade masks of the main document: made, numbered, found, and relayed.
#include "app/documents/GradeMaskDocArray.h"

#include "app/documents/IDocumentServices.h"
#include "app/documents/IOptions.h"
#include "app/extras/StoredPath.h"
#include "app/taskdefs/MainTask.h"
#include "foundation/NameCompare.h"
#include "foundation/NameRegistry.h"
#include "model/GradeMask.h"
#include "tasks/Task.h"
#include "tasks/TaskManager.h"
#include "tasks/UndoGroup.h"

namespace {

CTask *mainTaskOf(CGradeMaskDoc &doc)
{
    return doc.GetTaskManager()->GetMainTask();
}

} // namespace

CGradeMaskDocArray::CGradeMaskDocArray()
{
    m_oHandler.SetHandlerId(kHandlerId, this);
}

CGradeMaskDocArray::~CGradeMaskDocArray()
{
    RemoveAll();
}

std::unique_ptr<CGradeMaskDoc> CGradeMaskDocArray::CreateMaskDoc() const
{
    auto doc = std::make_unique<CGradeMaskDoc>();
    doc->Initialize(m_pOwner, m_fnTaskManager());
    return doc;
}

void CGradeMaskDocArray::InsertAt(int index, std::unique_ptr<CGradeMaskDoc> doc)
{
    CGradeMaskDoc *inserted = doc.release();
    m_oDocs.InsertAt(index, inserted);
    // The link alone would announce the document itself; the collection announces its index.
    m_oHandler.LockEvents();
    inserted->GetEventHandler().SetParent(reinterpret_cast<uintptr_t>(inserted), &m_oHandler);
    m_oHandler.UnlockEvents();
    m_oHandler.SendAttached(kMaskDocumentId, static_cast<uintptr_t>(index));
}

void CGradeMaskDocArray::RemoveAt(int index)
{
    if (GetAt(index) == nullptr)
        return;
    const std::unique_ptr<CGradeMaskDoc> removed = m_oDocs.TakeAt(index);
    removed->GetEventHandler().DetachParent();
}

void CGradeMaskDocArray::RemoveAll()
{
    for (CGradeMaskDoc *doc : m_oDocs)
        doc->GetEventHandler().SetParent(0, nullptr);
    m_oDocs.RemoveAll();
}

CGradeMaskDoc *CGradeMaskDocArray::GetAt(int index) const
{
    return index >= 0 && index < GetCount() ? m_oDocs.GetAt(index) : nullptr;
}

CGradeMaskDoc *CGradeMaskDocArray::FindByMask(const IGradeMask *mask) const
{
    for (CGradeMaskDoc *doc : m_oDocs)
        if (doc->GetGradeMask() == mask)
            return doc;
    return nullptr;
}

int CGradeMaskDocArray::FindByName(const std::string &name) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (morvane::equalsNoCase(m_oDocs.GetAt(i)->GetDisplayName(), name))
            return i;
    return -1;
}

int CGradeMaskDocArray::FindByFile(const std::filesystem::path &file) const
{
    if (file.empty())
        return -1;
    for (int i = 0; i < m_oDocs.GetCount(); ++i) {
        if (IsSameFileIgnoringCase(m_oDocs.GetAt(i)->GetGradeMask()->GetFileName(), file))
            return i;
    }
    return -1;
}

std::string CGradeMaskDocArray::MakeUniqueName(const std::string &base) const
{
    CNameArray names;
    for (const CGradeMaskDoc *doc : m_oDocs)
        names.push_back(doc->GetDisplayName());
    int counter = 1;
    return names.GetRegistry().MakeUniqueName(base, counter, false);
}

void CGradeMaskDocArray::ClearPatternLocations()
{
    for (CGradeMaskDoc *doc : m_oDocs)
        doc->GetGradeMask()->ClearPatternLocations();
}

void CGradeMaskDocArray::ResetAssociationsAndFormulas()
{
    for (CGradeMaskDoc *doc : m_oDocs) {
        IGradeMask *mask = doc->GetGradeMask();
        mask->GetPointAssociationMap()->ClearAll();
        mask->GetPatternAssociationMap()->ReleaseAll();
        mask->GetFormulaManager()->ResetAll();
    }
}

void CGradeMaskDocArray::ClearUndoHistories()
{
    for (CGradeMaskDoc *doc : m_oDocs) {
        CTask *mainTask = mainTaskOf(*doc);
        if (mainTask == nullptr)
            continue;
        CUndoGroup *undo = mainTask->GetUndoGroup();
        undo->Reset(undo->IsModified());
    }
}

void CGradeMaskDocArray::RefreshMainTasks()
{
    const IOptions &options = m_pOwner->GetOptions();
    for (CGradeMaskDoc *doc : m_oDocs) {
        CTask *mainTask = mainTaskOf(*doc);
        if (mainTask == nullptr)
            continue;
        morvane::copyRepeatOptions(*mainTask, options);
    }
}
