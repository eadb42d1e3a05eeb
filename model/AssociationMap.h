// Morvane model library.
// The mask's map from the measurement names that formulas write to those of the measurement table.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/EventHandler.h"
#include "model/MvItem.h"
#include "model/ParentedCollection.h"

#include <cstdint>
#include <string>

/// One pair of the association map, as the program reads it.
class IAssociationItem
{
public:
    virtual ~IAssociationItem() = default;

    /// The name as the formulas write it.
    virtual std::string GetFormulaMeasurementName() const = 0;
    /// A text kept at run time only (not stored).
    virtual std::string GetDisplayName() const = 0;
    /// The name of the measurement in the measurement table; empty while unassigned.
    virtual std::string GetMeasurementName() const = 0;
};

/// A pair of the association map. Stored as "MeasurementName" then "FormulaMeasurementName",
/// both required; the display text is not stored. Its setters send no events. The event
/// handler has the id kModelHandlerId | 5 with the item as owner.
class CAssociationItem : public IAssociationItem,
                         public CAttContainer,
                         public CEventHandler,
                         public CMvItem
{
public:
    /// The source kind of an item's event handler.
    static constexpr uint32_t kSourceKind = 5;

    CAssociationItem();

    /// "CAssociationItem", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    std::string GetFormulaMeasurementName() const override { return m_sFormulaMeasurementName; }
    std::string GetDisplayName() const override { return m_sDisplayName; }
    std::string GetMeasurementName() const override { return m_sMeasurementName; }

    void SetMeasurementName(const std::string &name) { m_sMeasurementName = name; }
    void SetDisplayName(const std::string &text) { m_sDisplayName = text; }
    void SetAll(const std::string &formulaMeasurementName, const std::string &displayName,
                const std::string &measurementName);

private:
    std::string m_sFormulaMeasurementName;
    std::string m_sDisplayName;
    std::string m_sMeasurementName;
};

/// The association map as the program reads and edits it. Indexes are not checked.
class IAssociationMap
{
public:
    virtual ~IAssociationMap() = default;

    /// Removes, from the last to the first, every item whose measurement name is empty once
    /// trailing white space is cut.
    virtual void RemoveUnassigned() = 0;
    /// Removes every item, from the last to the first.
    virtual void RemoveAll() = 0;
    /// Appends a new item with the three texts; returns its index.
    virtual int Add(const std::string &formulaMeasurementName, const std::string &displayName,
                    const std::string &measurementName) = 0;
    /// Changes item i's display text and measurement name, between the before-change and
    /// after-change events of the map (property -1).
    virtual void SetAt(int i, const std::string &displayName,
                       const std::string &measurementName) = 0;
    virtual int GetCount() const = 0;
    virtual IAssociationItem *GetAt(int i) const = 0;
    /// Removes and deletes item i.
    virtual void RemoveAt(int i) = 0;
    /// The index of the first item whose measurement name equals name ignoring case; -1 when
    /// none.
    virtual int FindByMeasurementName(const std::string &name) const = 0;
    /// The index of the first item whose formula measurement name equals name ignoring case; -1
    /// when none.
    virtual int FindByFormulaName(const std::string &name) const = 0;
};

/// The measurement-name associations of a grade mask, in insertion order. Stored as the
/// collection "AssociationItems" of "AssociationItem" elements, written when not empty. The
/// event handler has the id kModelHandlerId | 4 with the map as owner; each item's handler is
/// its child, so an item added or removed sends the child-attached or child-detached event.
class CAssociationMap : public IAssociationMap,
                        public CAttContainer,
                        public CEventHandler,
                        public CMvItem
{
public:
    /// The source kind of the map's event handler.
    static constexpr uint32_t kSourceKind = 4;

    CAssociationMap();
    ~CAssociationMap() override;

    /// "CAssociationMap", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void RemoveUnassigned() override;
    void RemoveAll() override;
    int Add(const std::string &formulaMeasurementName, const std::string &displayName,
            const std::string &measurementName) override;
    void SetAt(int i, const std::string &displayName, const std::string &measurementName) override;
    int GetCount() const override;
    IAssociationItem *GetAt(int i) const override;
    void RemoveAt(int i) override;
    int FindByMeasurementName(const std::string &name) const override;
    int FindByFormulaName(const std::string &name) const override;

    /// Moves every item of other to the end of this map, in order (other is left empty).
    void TakeItemsOf(CAssociationMap &other);

private:
    CParentedCollection<CAssociationItem> m_oAssociationItems;
};
