// Morvane measurement tables.
// The sizes that the measurement-table document shows: those of the active table, or a custom
// list of size combinations that the user chose.
#pragma once

#include "foundation/EventHandler.h"
#include "foundation/EventSink.h"
#include "platform/brismond/IComplexGradeSize.h"

#include <memory>
#include <vector>

class CMeasureTableDoc;

/// The shown sizes of a measurement-table document. It listens to the document's handler (and
/// through it to the table set), and to the input patterns' handler when the main document adds
/// it there (their updates drop the custom list too); it sends its own changes with handler id 102:
/// property 0 when its lists change, 1 and 2 relaying a change of a size and of a table's sizes.
/// Any change of the set's tables or sizes drops the custom list and asks the document's owner to
/// grade again.
class CGradeSizeSelection : public CEventHandler, public CEventSink
{
public:
    using SizeList = std::vector<std::unique_ptr<IComplexGradeSize>>;

    static constexpr uint32_t kHandlerId = 102;
    /// Properties of the before- and after-change events.
    static constexpr int32_t kSizeLists = 0;
    static constexpr int32_t kSizeChanged = 1;
    static constexpr int32_t kTableChanged = 2;

    CGradeSizeSelection();
    ~CGradeSizeSelection() override;
    CGradeSizeSelection(const CGradeSizeSelection &) = delete;
    CGradeSizeSelection &operator=(const CGradeSizeSelection &) = delete;

    void SetDocument(CMeasureTableDoc *document);

    /// The custom list while the custom selection is on, else the sizes of the active table.
    const SizeList &GetShownSizes() const;
    bool IsCustomSelection() const { return m_bCustom; }
    void SetCustomSelection(bool custom);
    /// Empties sizes, then appends the entries of the custom list (still owned here).
    void GetCustomSizes(std::vector<const IComplexGradeSize *> &sizes) const;
    /// Replaces the custom list by copies of sizes; the change is sent only while the custom
    /// selection is on.
    void SetCustomSizes(const std::vector<const IComplexGradeSize *> &sizes);
    /// One complex size per size of the active table, in order, holding that size at the
    /// table's place and -1 (the base size) at every other table's; empty without an active
    /// table.
    void RebuildFromActiveTable();
    void ClearCustomSizes();
    /// ClearCustomSizes, then asks the document's owner to grade again.
    void DropCustomSizes();

    void OnAttached(EventData *data) override;
    void OnDetached(EventData *data) override;
    void OnEvent128(EventData *data) override;
    void OnEvent64(EventData *data) override;
    void OnBeforeChange(EventData *data) override;
    void OnAfterChange(EventData *data) override;
    void OnBeginUpdate(EventData *data) override;
    void OnEndUpdate(EventData *data) override;

private:
    void onTablesOrSizesChanged(const EventData &data, bool attached);
    // Whether the table that sent data (path entry 0) is the document's active table.
    bool isFromActiveTable(const EventData &data) const;
    // Sends before- or after-change with the property that relays data's change; none for
    // changes that are not relayed.
    void relayChange(const EventData &data, bool before);

    CMeasureTableDoc *m_pDocument = nullptr;
    SizeList m_oTableSizes;
    bool m_bCustom = false;
    SizeList m_oCustomSizes;
};
