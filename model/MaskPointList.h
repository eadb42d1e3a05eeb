// Morvane model library.
// The grade mask's point associations: which mask point stands for which input point.
#pragma once

#include "foundation/EventHandler.h"

#include <cstdint>

class CBasePoint;
class CGradeMask;
class CMaskPattern;
class CPattern;
class IMaskPoint;

/// The point associations of a grade mask as the program's commands, panels and views change
/// them. A change sends the before-change and after-change events of the map, property 0 for a
/// change of one mask point (which is then the active item) and -1 for a wider one. None of the
/// changes enters the mask's undo history.
class IPointAssociationMap
{
public:
    virtual ~IPointAssociationMap() = default;

    /// Associates the mask point with point (an input grade point): the mask point's pattern
    /// takes point's pattern among its associated patterns when it is not there yet, and the
    /// mask point takes point among its associations unless it holds it already.
    virtual void AddAssociation(IMaskPoint *maskPoint, CBasePoint *point) = 0;
    /// Removes that association; nothing (no events) when there is none.
    virtual void RemoveAssociation(IMaskPoint *maskPoint, const CBasePoint *point) = 0;
    /// Removes every association of the mask point; nothing (no events) when it has none.
    virtual void ClearMaskPointAssociations(IMaskPoint *maskPoint) = 0;
    /// Removes every association of every pattern of the mask; no item is active afterwards.
    /// Always sends the two events (property -1).
    virtual void ClearAll() = 0;
    /// The mask point of the last change; null when none.
    virtual IMaskPoint *GetActiveItem() const = 0;
};

/// The point association map of a grade mask, embedded in it: it keeps the active item (the
/// mask point last associated or cleared) and changes the mask points' associations with the
/// events above. The event handler has the id kModelHandlerId | 8 with the list as owner; the
/// mask makes it a child of its own handler.
class CMaskPointList : public IPointAssociationMap, public CEventHandler
{
public:
    /// The source kind of the list's event handler.
    static constexpr uint32_t kSourceKind = 8;

    explicit CMaskPointList(CGradeMask &mask);

    void AddAssociation(IMaskPoint *maskPoint, CBasePoint *point) override;
    void RemoveAssociation(IMaskPoint *maskPoint, const CBasePoint *point) override;
    void ClearMaskPointAssociations(IMaskPoint *maskPoint) override;
    void ClearAll() override;
    IMaskPoint *GetActiveItem() const override { return m_pActiveItem; }

    /// Removes every association of the pattern's points, between the events (property -1);
    /// nothing when there is none.
    void ClearPatternEntries(CMaskPattern &pattern);
    /// Removes every association between a point of pattern and a point of other, between the
    /// events (property -1); nothing when there is none.
    void RemovePatternAssociations(CMaskPattern &pattern, const CPattern *other);
    /// The point leaves its pattern (also by undo or redo): it stops being the active item (no
    /// events), so that the active item never outlives its point.
    void ForgetPoint(const CBasePoint *point);
    /// The pattern leaves the mask (also by undo or redo): its points stop being the active item
    /// (no events).
    void ForgetPattern(const CPattern *pattern);

private:
    CGradeMask &m_oMask;
    IMaskPoint *m_pActiveItem = nullptr;
};
