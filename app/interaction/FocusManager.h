// Morvane program interaction.
// What lies under the pointer, what is picked and which grade point is active, for one mask.
#pragma once

#include "app/interaction/FocusObject.h"
#include "foundation/EventHandler.h"
#include "foundation/EventSink.h"

#include <cstdint>
#include <memory>

class CBasePoint;
class CContour;
class IMaskDocumentAccess;

/// The focus object (what lies under the pointer), the active object (what the user picked)
/// and the active grade point of one open grade mask. It publishes the kinds of its objects as
/// main-task variables for the charts' guards ("nFocusObjectType", "nFocusDetailType",
/// "nActiveObjectType", "bAllActiveFromMask"), announces changes as events, and listens to the
/// model (at the mask document's handler and the input patterns' handler) so that it never keeps
/// what the model removed.
///
/// Events it sends (handler id kHandlerId): before- and after-change 0 around a new focus
/// object and 1 around a new active grade point; event 64 (kActiveObjectEvent, the old active
/// object) before and event 128 (kActiveObjectEvent, the new one) after a different active
/// object.
class CFocusManager : public CEventHandler, public CEventSink
{
public:
    static constexpr uint32_t kHandlerId = 0xFFFF0067;
    static constexpr uint32_t kSourceKind = 103;
    /// The first argument of events 64 and 128: the active object changes.
    static constexpr uint32_t kActiveObjectEvent = 6;
    static constexpr int32_t kFocusProperty = 0;
    static constexpr int32_t kActivePointProperty = 1;

    CFocusManager();
    ~CFocusManager() override;

    /// Stores the document and makes empty focus and active objects.
    void Initialize(IMaskDocumentAccess *owner);
    IMaskDocumentAccess *GetOwner() const { return m_pOwner; }

    /// Takes the object as the focus object unless it IsSame as the current one (then it is
    /// deleted and nothing is sent); writes "nFocusObjectType" and "nFocusDetailType". Answers
    /// the focus object held afterwards.
    CFocusObject *SetFocusObject(std::unique_ptr<CFocusObject> object);
    CFocusObject *GetFocusObject() const { return m_pFocusObject.get(); }
    DPOINT GetFocusPosition() const { return m_pFocusObject->GetHitPosition(); }

    /// Writes "nActiveObjectType" and "bAllActiveFromMask", then takes the object as the active
    /// object (it keeps the old one's lock). When it differs from the old one (IsSame): event 64
    /// before, and after it the active grade point cleared in selection mode 1, event 128, and
    /// the running tool's focus candidates rebuilt.
    void SetActiveObject(std::unique_ptr<CFocusObject> object);
    CFocusObject *GetActiveObject() const { return m_pActiveObject.get(); }
    /// SetActiveObject with an empty focus object.
    void ClearActiveObject();
    /// When the active object is a multiple selection holding a mask pattern: a pattern focus
    /// object of its first mask pattern becomes the active object.
    void ActivateSelectedPattern();
    CObject *GetActiveItem() const { return m_pActiveObject->GetItem(); }
    bool IsActivePattern() const { return m_pActiveObject->IsPattern(); }
    bool IsActiveRegion() const { return m_pActiveObject->IsRegion(); }
    bool IsActiveMaskPattern() const { return m_pActiveObject->IsMaskPattern(); }
    /// The active item when IsActiveMaskPattern, else null.
    CPattern *GetActiveMaskPattern() const;
    CContour *GetActiveContour() const { return m_pActiveObject->GetContour(); }

    CBasePoint *GetActivePoint() const { return m_pActivePoint; }
    /// Stores a different point between before- and after-change 1; nothing for the same one.
    void SetActivePoint(CBasePoint *point);
    /// Empties out, then fills it with the grade points of the active region (asked of the main
    /// document) or pattern; answers their count.
    int GetActiveGradePoints(CPtrCollection<CBasePoint> &out) const;
    /// The grade point after (backwards: before) the active one among GetActiveGradePoints,
    /// wrapping round; the first (last) when the active one is not among them; null when there
    /// are none.
    CBasePoint *FindNextPatternPoint(bool backwards) const;
    /// In selection mode 1 only: the active grade point becomes the nearest of
    /// GetActiveGradePoints to p (the first of equally near ones; none when there are none).
    void ActivateNearestPoint(const DPOINT &p);

    /// Counts the model's changes heard (every event a model object sent) and the calls of
    /// InvalidateShapes: whoever keeps references to model objects or their positions compares
    /// it to know they may be gone or moved.
    uint64_t GetModelChangeCount() const { return m_nModelChanges; }
    /// Tells the keepers of positions that the mask's shapes moved without a model event (the
    /// document calls it when grading has ended).
    void InvalidateShapes();

    /// Counts a model event, then sorts it onto the handlers below.
    void OnEvent(CEventHandler *sender, EventRecord *record) override;
    void OnDetached(EventData *data) override;
    void OnAfterChange(EventData *data) override;
    void OnBeginUpdate(EventData *data) override;

private:
    void writeActiveVariables(const CFocusObject &object);
    void rebuildRunningToolShapes();
    void onPatternLineRemoved();

    IMaskDocumentAccess *m_pOwner = nullptr;
    std::unique_ptr<CFocusObject> m_pActiveObject;
    std::unique_ptr<CFocusObject> m_pFocusObject;
    CBasePoint *m_pActivePoint = nullptr;
    uint64_t m_nModelChanges = 0;
};
