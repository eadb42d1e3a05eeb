// Morvane program interaction.
// The point the selection turns about, and the items a rotation turns with their start places.
#pragma once

#include "app/extras/HitShapes.h"
#include "foundation/EventHandler.h"
#include "foundation/EventSink.h"

#include <memory>
#include <vector>

class CGradeRegion;
class CObject;
class CPattern;
class IMaskDocumentAccess;

/// The rotation pivot of one open mask. It follows the selection: after every change of the
/// active object (the focus manager's events 64 and 128, heard at the mask document's handler),
/// and after a move of a region or a pattern placement while no rotation runs
/// ("RotateSelectionTask" inactive), it collects the active object's items with their start
/// angles and positions. A rotation then turns each item about the pivot by the angle from the
/// initial to the current pointer direction.
///
/// It is also the pivot's point for the focus search (a position shape; its element is not
/// read). Its own events (handler id kHandlerId): before- and after-change kAllProperties.
class CRotationPivot : public CEventHandler, public CEventSink, public IPositionShape
{
public:
    static constexpr uint32_t kHandlerId = 0xFFFF006E;
    static constexpr int32_t kAllProperties = 0xFFFF;

    /// One rotated item: a pattern or a region (neither for another item), with its angle
    /// (radians) and position when the rotation started.
    struct Item
    {
        CPattern *pattern = nullptr;
        CGradeRegion *region = nullptr;
        double startAngle = 0.0;
        DPOINT startPosition;
    };

    CRotationPivot();
    ~CRotationPivot() override;

    void SetOwner(IMaskDocumentAccess *owner) { m_pOwner = owner; }

    /// Rebuilds the items from the focus manager's active object: none for nothing active or a
    /// kind-5 object (the pivot then goes to (0, 0)); the pivot goes to the single item's own
    /// pivot (a pattern's stored pivot, a region's position) unless it is the item remembered
    /// across the change of the active object, and to the centre of the active object's
    /// rectangle for several items.
    void CollectItems();
    /// The angle from the pivot to p becomes the initial angle.
    void SetInitialAngle(const DPOINT &p);
    /// The angle from the pivot to p becomes the current angle.
    void SetCurrentAngle(const DPOINT &p);
    int GetItemCount() const { return static_cast<int>(m_aItems.size()); }
    const Item &GetItemAt(int i) const { return m_aItems.at(i); }
    /// Item i turned about the pivot by the angle from the initial to the current angle: its
    /// angle (start angle plus the turn) and position.
    void GetRotatedPosition(int i, double &angle, DPOINT &position) const;
    /// Moves the pivot between before- and after-change; a single rotated pattern keeps it as
    /// its own pivot.
    void SetPivotPoint(const DPOINT &p);
    DPOINT GetPivotPoint() const { return m_oPivot; }
    /// Automatic rotation is on for the mask and there are items.
    bool HasItems() const;
    /// The after-change event.
    void NotifyChanged();
    /// Forgets the items; the initial angle becomes 0.
    void ClearItems();

    void GetElementPosition(int32_t element, double &x, double &y) const override;

    void OnEvent64(EventData *data) override;
    void OnEvent128(EventData *data) override;
    void OnAfterChange(EventData *data) override;

private:
    void placePivotForSingleItem(CObject *item);
    Item startOf(CObject *item) const;
    bool isRotationRunning() const;

    IMaskDocumentAccess *m_pOwner = nullptr;
    DPOINT m_oPivot;
    double m_dInitialAngle = 0.0;
    double m_dCurrentAngle = 0.0;
    std::vector<Item> m_aItems;
    CObject *m_pRememberedItem = nullptr;
};
