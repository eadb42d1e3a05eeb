// Morvane Brismond table-set library.
// One measurement of a measurement table: its name, comment, lengths and a value per size.
#pragma once

#include <memory>
#include <string>

class CEventHandler;
class CGradeSize;
class IMeasureTable;

/// A measurement of a table (chest, waist, ...): a value in millimetres for every size of its
/// table. A relative value is the value minus the base size's value; the base size's own
/// relative value is its value, so that a relative view still shows what the others are
/// relative to. Every change is recorded on the set's undo stack and sent (sender id 1002,
/// properties of brismond::kMeasurementValues ... kMeasurementLengths). A size index out of range
/// reads as 0 and is not written; a value or length that is not a finite number is not taken.
class IMeasurement
{
public:
    /// The number of lengths a measurement keeps.
    static constexpr int kLengthCount = 3;

    virtual ~IMeasurement() = default;

    virtual const std::string &GetName() const = 0;
    virtual void SetName(const std::string &name) = 0;
    virtual const std::string &GetComment() const = 0;
    virtual void SetComment(const std::string &comment) = 0;
    /// Length which (0 to kLengthCount - 1) in millimetres.
    virtual double GetLength(int which) const = 0;
    virtual void SetLength(int which, double millimetres) = 0;

    /// The value at the size of that index, absolute or relative to the base size.
    virtual double GetValue(int sizeIndex, bool relative) const = 0;
    /// Stores the value at the size of that index, given absolute or relative to the base size
    /// (the other sizes keep their absolute values).
    virtual void SetValue(int sizeIndex, double value, bool relative) = 0;
    /// Stores the value (absolute) at size, a size of the measurement's table.
    virtual void SetSizeValue(const CGradeSize &size, double value) = 0;
    /// The stored values: those of the sizes of the table that hold one, in size order. Every
    /// size holds one unless ClearValues took them; a size without one reads as 0 (and is saved
    /// so).
    virtual int GetStoredValueCount() const = 0;
    /// The size index of stored value i; -1 for i out of range.
    virtual int GetStoredValueSizeIndex(int i) const = 0;
    /// Stored value i; 0 for i out of range.
    virtual double GetStoredValue(int i) const = 0;
    /// Takes every stored value away.
    virtual void ClearValues() = 0;
    /// The index of the size in which the measurement was taken; -1 when none.
    virtual int GetOwnSizeIndex() const = 0;
    virtual void SetOwnSizeIndex(int sizeIndex) = 0;

    /// The table the measurement belongs to.
    virtual IMeasureTable *GetTable() const = 0;
    /// A working copy: reads like this measurement, belongs to no table's list, records and
    /// sends nothing when changed. Hand it back with Assign.
    virtual std::unique_ptr<IMeasurement> Clone() const = 0;
    /// Takes name, comment, lengths, values and own size of other (a working copy of a
    /// measurement of the same table) as one undo step.
    virtual void Assign(const IMeasurement &other) = 0;

    virtual CEventHandler &GetEventHandler() = 0;
};
