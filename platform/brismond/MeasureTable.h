// Morvane Brismond table-set library.
// One measurement table of a set: its sizes, its base size and its measurements.
#pragma once

#include "foundation/EventHandler.h"
#include "platform/brismond/GradeSize.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/Measurement.h"
#include "platform/brismond/MstContents.h"
#include "platform/brismond/OwnedChildren.h"

#include <functional>

class CTableSet;
class CTableSetUndoStack;

/// The measurement table of the library (see IMeasureTable).
class CMeasureTable : public IMeasureTable
{
public:
    CMeasureTable(CTableSet *set, std::string name, int kind, int sizeNaming);
    ~CMeasureTable() override;
    CMeasureTable(const CMeasureTable &) = delete;
    CMeasureTable &operator=(const CMeasureTable &) = delete;

    /// A table of set filled from stored contents (checked by the reader), not attached.
    static std::unique_ptr<CMeasureTable> FromContents(CTableSet *set,
                                                       const brismond::MstTable &contents);
    /// The table as stored contents.
    brismond::MstTable GetContents() const;

    const std::string &GetName() const override { return m_sName; }
    void SetName(const std::string &name) override;
    bool IsTableModified() const override { return m_bModified; }

    int GetSizeCount() const override;
    CGradeSize *GetSizeAt(int index) const override;
    int FindSize(const std::string &name) const override;
    int IndexOfSize(const CGradeSize *size) const override;
    void SetSizeName(int index, const std::string &name) override;
    void InsertSizesAt(const std::vector<std::string> &names, int valueChoice, int position,
                       int baseIndex) override;
    void RemoveSizeAt(int index) override;
    int GetBaseSizeIndex() const override;
    void SetBaseSize(int index) override;

    int GetMeasurementCount() const override;
    CMeasurement *GetMeasurementAt(int index) const override;
    int IndexOfMeasurement(const std::string &name) const override;
    int InsertMeasurement(const std::string &name, double length1, double length2, double length3,
                          int position) override;
    void RemoveMeasurementAt(int index) override;

    int GetTableSizeType() const override { return m_nSizeNaming; }
    void SetTableSizeType(int type) override;
    int GetMeasureTableType() const override { return m_nKind; }
    void SetMeasureTableType(int type) override;

    CEventHandler &GetEventHandler() override { return m_oHandler; }

    CTableSet *GetTableSet() const { return m_pSet; }
    CTableSetUndoStack &GetUndoStack() const;
    /// Marks the table changed; sends (1001, kTableModified) when it was not.
    void MarkModified();
    /// Marks the table saved or freshly loaded; sends (1001, kTableModified) when it was changed.
    void MarkSaved();

private:
    // A recorded change of a table property, framed by its before- and after-change.
    void change(int32_t property, std::function<void()> undo, std::function<void()> redo);
    void changeBaseSize(CGradeSize *size);
    void sendModifiedChange(bool modified);
    // The values of the measurements in the sizes inserted at index: row k for size k.
    std::vector<std::vector<double>> newSizeValues(int index, int count, int valueChoice) const;

    CTableSet *m_pSet;
    std::string m_sName;
    int m_nKind;
    int m_nSizeNaming;
    bool m_bModified = false;
    CGradeSize *m_pBaseSize = nullptr;
    CEventHandler m_oHandler;
    brismond::OwnedChildren<CGradeSize> m_oSizes;
    brismond::OwnedChildren<CMeasurement> m_oMeasurements;
};
