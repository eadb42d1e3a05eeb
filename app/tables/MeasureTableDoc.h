// Morvane measurement tables.
// The document of the measurement table set that grading uses.
#pragma once

#include "app/documents/Document.h"
#include "app/tables/GradeSizeSelection.h"
#include "app/tables/TableSetTaskManager.h"
#include "foundation/EventHandler.h"
#include "foundation/EventSink.h"

#include <filesystem>
#include <memory>

class IBrismond;
class IGradingEvents;
class IMeasureTable;

/// Holds the measurement table set that grading uses, the active table, the relative display
/// mode, the set's file name and the shown sizes. The main document owns one and calls
/// Initialize. Everything the document announces goes out through its handler (id 109): event
/// 64 and then event 128, both with code kActiveTableChanged and the new active table, around a
/// change of the active table; before- and after-change with kRelativeMode or kFileName. The
/// handler is the parent of the set's and of the size selection's handlers, so their events
/// pass it too.
class CMeasureTableDoc : public CDocument
{
public:
    static constexpr uint32_t kHandlerId = 109;
    /// The code of events 64 and 128 around a change of the active table.
    static constexpr uint32_t kActiveTableChanged = 1001;
    /// Properties of the before- and after-change events.
    static constexpr int32_t kRelativeMode = 0;
    static constexpr int32_t kFileName = 1;

    /// An empty, untitled set without active table; recentFiles (not owned, may be null) gets
    /// the files loaded and saved.
    explicit CMeasureTableDoc(CRecentFileList *recentFiles = nullptr);
    ~CMeasureTableDoc() override;

    /// Keeps owner (not owned), links the size selection, takes the relative mode from the
    /// option "RELATIVE_MODE" (without sending), and runs the task manager with the document as
    /// its data object.
    void Initialize(IGradingEvents *owner);

    IBrismond *GetTableSet() const { return m_pTableSet.get(); }
    /// Null when the set has no tables.
    IMeasureTable *GetActiveTable() const { return m_pActiveTable; }
    CGradeSizeSelection &GetSizeSelection() { return m_oSizeSelection; }
    /// Where every edit of the tables is sent as a named event; it runs from Initialize on.
    CTaskManager &GetTaskManager() { return m_oTaskManager; }
    bool IsRelativeMode() const { return m_bRelativeMode; }
    /// Null before Initialize.
    IGradingEvents *GetOwner() const { return m_pOwner; }
    CEventHandler &GetEventHandler() { return m_oHandler; }

    /// Makes table active; sends events 64 and 128 when it was not.
    void SetActiveTable(IMeasureTable *table);
    /// Sends before- and after-change kRelativeMode around a change.
    void SetRelativeMode(bool relative);

    /// Loads the set from path; on success the path becomes the document's. False, with the
    /// set's GetLastError() naming the file and the reason, leaves set and name as they were.
    virtual bool LoadFromFile(const std::filesystem::path &path);
    /// Saves the set to path; on success the path becomes the document's.
    virtual bool SaveToFile(const std::filesystem::path &path);
    /// Empties the set and forgets its file.
    virtual void Reset();

    /// Makes name the document's path (an empty name: untitled), between before- and
    /// after-change kFileName; nothing when it is the path already.
    void SetFileName(const std::filesystem::path &name);

private:
    // Makes the table set's changes of its tables move the active table.
    class TableSetSink : public CEventSink
    {
    public:
        explicit TableSetSink(CMeasureTableDoc &document)
            : m_document(document)
        {
        }
        void OnAttached(EventData *data) override;
        void OnDetached(EventData *data) override;
        void OnBeginUpdate(EventData *data) override;
        void OnEndUpdate(EventData *data) override;

    private:
        CMeasureTableDoc &m_document;
    };

    void activateFirstTable();

    CEventHandler m_oHandler;
    TableSetSink m_oSink{*this};
    IMeasureTable *m_pActiveTable = nullptr;
    std::unique_ptr<IBrismond> m_pTableSet;
    bool m_bRelativeMode = false;
    CGradeSizeSelection m_oSizeSelection;
    CTableSetTaskManager m_oTaskManager;
    IGradingEvents *m_pOwner = nullptr;
};
