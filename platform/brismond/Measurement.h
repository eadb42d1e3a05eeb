// Morvane Brismond table-set library.
// One measurement of a measurement table: its name, comment, lengths and a value per size.
#pragma once

#include "foundation/EventHandler.h"
#include "platform/brismond/IMeasurement.h"
#include "platform/brismond/MstContents.h"
#include "platform/brismond/OwnedChildren.h"

#include <array>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

class CMeasureTable;
class CGradeSize;

/// The measurement of the library (see IMeasurement). It keeps its values by size id, so a
/// size that is removed and brought back by undo finds its values again.
class CMeasurement : public IMeasurement
{
public:
    CMeasurement(CMeasureTable *table, std::string name);
    ~CMeasurement() override;
    CMeasurement(const CMeasurement &) = delete;
    CMeasurement &operator=(const CMeasurement &) = delete;

    const std::string &GetName() const override { return m_sName; }
    void SetName(const std::string &name) override;
    const std::string &GetComment() const override { return m_sComment; }
    void SetComment(const std::string &comment) override;
    double GetLength(int which) const override;
    void SetLength(int which, double millimetres) override;

    double GetValue(int sizeIndex, bool relative) const override;
    void SetValue(int sizeIndex, double value, bool relative) override;
    void SetSizeValue(const CGradeSize &size, double value) override;
    int GetStoredValueCount() const override;
    int GetStoredValueSizeIndex(int i) const override;
    double GetStoredValue(int i) const override;
    void ClearValues() override;
    int GetOwnSizeIndex() const override;
    void SetOwnSizeIndex(int sizeIndex) override;

    IMeasureTable *GetTable() const override;
    std::unique_ptr<IMeasurement> Clone() const override;
    void Assign(const IMeasurement &other) override;

    CEventHandler &GetEventHandler() override { return m_oHandler; }

    /// Takes the comment, lengths, values (entry i for size i of sizes) and own size of stored
    /// contents, without recording or sending anything: for a measurement not yet attached.
    void Fill(const brismond::MstMeasurement &contents,
              const brismond::OwnedChildren<CGradeSize> &sizes);
    brismond::MstMeasurement GetContents() const;

    /// The value at size (0 when none was ever stored), without recording or sending anything:
    /// for the table, which fills the values of new sizes before they are attached.
    double GetSizeValue(const CGradeSize &size) const;
    void StoreSizeValue(const CGradeSize &size, double value);

private:
    // Applies a change of property: through the set's undo stack, framed by the property's
    // before- and after-change; a working copy applies it directly, silently.
    void change(int32_t property, std::function<void()> undo, std::function<void()> redo);
    double absoluteValue(int sizeIndex) const;
    // The indexes of the table's sizes that hold a stored value, in order.
    std::vector<int> storedSizeIndexes() const;

    CMeasureTable *m_pTable;
    bool m_bWorkingCopy = false;
    std::string m_sName;
    std::string m_sComment;
    std::array<double, kLengthCount> m_aLengths{};
    std::unordered_map<uint64_t, double> m_oValues;
    uint64_t m_nOwnSizeId = 0;
    CEventHandler m_oHandler;
};
