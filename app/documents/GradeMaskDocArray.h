// Morvane program documents.
// The open grade masks of the main document: made, numbered, found, and relayed.
#pragma once

#include "app/documents/GradeMaskDoc.h"
#include "foundation/EventHandler.h"
#include "foundation/PtrCollection.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class IDocumentServices;
class IGradeMask;

/// The main document's open grade masks, in the order they were inserted. Its event handler
/// (kHandlerId, the collection as owner) is the parent of every mask document's handler; the
/// main document makes it a child of its own. It announces its documents with id
/// kMaskDocumentId: attached with the new index; detached with the document, before it is
/// deleted.
class CGradeMaskDocArray
{
public:
    static constexpr uint32_t kHandlerId = morvane::kModelHandlerId | 107;
    static constexpr uint32_t kMaskDocumentId = 108;

    /// Makes the task manager of each mask document made from now on.
    using TaskManagerFactory = std::function<std::unique_ptr<CMaskTaskManager>()>;

    CGradeMaskDocArray();
    /// Deletes the documents without announcing them.
    ~CGradeMaskDocArray();
    CGradeMaskDocArray(const CGradeMaskDocArray &) = delete;
    CGradeMaskDocArray &operator=(const CGradeMaskDocArray &) = delete;

    /// The main document's services (not owned), which every mask document made from now on
    /// gets.
    void SetOwner(IDocumentServices *owner) { m_pOwner = owner; }
    IDocumentServices *GetOwner() const { return m_pOwner; }
    /// Replaces what makes the masks' task managers (a plain CMaskTaskManager until set): tests
    /// install managers with stand-ins for the commands not built yet.
    void SetTaskManagerFactory(TaskManagerFactory factory) { m_fnTaskManager = std::move(factory); }
    CEventHandler &GetEventHandler() { return m_oHandler; }

    /// A new mask document, initialised with the owner and a new task manager, not yet in the
    /// collection.
    std::unique_ptr<CGradeMaskDoc> CreateMaskDoc() const;
    /// Takes doc over at index (the count appends), links its handler to the collection's and
    /// announces it.
    void InsertAt(int index, std::unique_ptr<CGradeMaskDoc> doc);
    /// Takes document index out (its handler leaves the collection's, which announces it) and
    /// deletes it; nothing for an index out of range.
    void RemoveAt(int index);
    /// Deletes every document without announcing them.
    void RemoveAll();

    int GetCount() const { return m_oDocs.GetCount(); }
    /// Null for an index out of range.
    CGradeMaskDoc *GetAt(int index) const;
    /// -1 when the collection does not hold doc.
    int IndexOf(const CGradeMaskDoc *doc) const { return m_oDocs.Find(doc); }
    /// The first document whose grade mask is that very object; null when none.
    CGradeMaskDoc *FindByMask(const IGradeMask *mask) const;
    /// The index of the first document whose display name is name, ignoring case; -1 when
    /// none.
    int FindByName(const std::string &name) const;
    /// The index of the first document whose grade mask's file is file (IsSameFileIgnoringCase:
    /// canonical paths, letter case ignored); -1 when none, also for an empty path.
    int FindByFile(const std::filesystem::path &file) const;
    /// base followed by the first number from 1 on that makes no open mask's display name
    /// (ignoring case); never base alone: with Mask1 and mask2 open, "Mask" gives "Mask3".
    std::string MakeUniqueName(const std::string &base) const;

    /// On every open mask, in order: forgets the locations of the input patterns.
    void ClearPatternLocations();
    /// On every open mask, in order: clears the point associations, releases the pattern
    /// associations, then resets the formulas (their messages and remembered answers).
    void ResetAssociationsAndFormulas();
    /// On every open mask, in order: deletes the undo records of its main task; a mask that was
    /// modified stays modified.
    void ClearUndoHistories();
    /// On every open mask, in order: copies the repeat options of the owner's options into the
    /// variables of its main task ("repeat", "repeatAdd", "repeatMoveView",
    /// "repeatZoomRectangle"). Undo histories stay as they are.
    void RefreshMainTasks();

private:
    CEventHandler m_oHandler;
    COwningCollection<CGradeMaskDoc> m_oDocs;
    IDocumentServices *m_pOwner = nullptr;
    TaskManagerFactory m_fnTaskManager = [] { return std::make_unique<CMaskTaskManager>(); };
};
