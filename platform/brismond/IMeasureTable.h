// Morvane Brismond table-set library.
// One measurement table of a set: its sizes, its base size and its measurements.
#pragma once

#include <string>
#include <vector>

class CEventHandler;
class CGradeSize;
class IMeasurement;

/// A measurement table: sizes in order, one of them the base size (the size patterns are drawn
/// in), and measurements with a value per size. Every change is recorded on the set's undo
/// stack and sent through the table's handler (id 1001) or through the handler of the size or
/// measurement it concerns (the owner in the events' path is the IMeasureTable, IMeasurement or
/// CGradeSize); an attached or detached size or measurement is sent by the table's
/// handler with the child's id (1003, 1002) and the child object. Names of sizes and
/// measurements are found without regard to case. Indexes out of range are refused: the
/// operation changes nothing and answers -1 or null.
class IMeasureTable
{
public:
    /// Size naming: plain names, or names made of numbers (GetNumberName of each size).
    static constexpr int kPlainSizeNames = 1;
    static constexpr int kNumberedSizeNames = 2;

    virtual ~IMeasureTable() = default;

    virtual const std::string &GetName() const = 0;
    virtual void SetName(const std::string &name) = 0;
    /// Whether the table changed since the set was last loaded or saved.
    virtual bool IsTableModified() const = 0;

    virtual int GetSizeCount() const = 0;
    virtual CGradeSize *GetSizeAt(int index) const = 0;
    virtual int FindSize(const std::string &name) const = 0;
    virtual int IndexOfSize(const CGradeSize *size) const = 0;
    /// Renames the size; a name that another size has is taken too, so that sizes can be renamed
    /// one after the other (saving refuses a table whose sizes share a name).
    virtual void SetSizeName(int index, const std::string &name) = 0;
    /// Inserts sizes of the given names before position (-1 or the count: at the end), in one
    /// undo step framed by the table's begin- and end-update. Value choice 0 gives every
    /// measurement the base size's value in each new size; choice 1, for sizes inserted between
    /// two sizes, spreads the values evenly between those two (choice 0 elsewhere). baseIndex,
    /// an index into names, makes that new size the base size; -1 keeps the base size, except
    /// that a table without sizes takes its first new size as base.
    virtual void InsertSizesAt(const std::vector<std::string> &names, int valueChoice, int position,
                               int baseIndex) = 0;
    /// Removes the size; when it was the base size, the first remaining size becomes base.
    virtual void RemoveSizeAt(int index) = 0;
    /// -1 when the table has no sizes.
    virtual int GetBaseSizeIndex() const = 0;
    virtual void SetBaseSize(int index) = 0;

    virtual int GetMeasurementCount() const = 0;
    virtual IMeasurement *GetMeasurementAt(int index) const = 0;
    virtual int IndexOfMeasurement(const std::string &name) const = 0;
    /// Inserts a measurement with value 0 in every size before position (-1 or the count: at the
    /// end); returns its index.
    virtual int InsertMeasurement(const std::string &name, double length1, double length2,
                                  double length3, int position) = 0;
    virtual void RemoveMeasurementAt(int index) = 0;

    /// kPlainSizeNames or kNumberedSizeNames (0 also reads as plain names).
    virtual int GetTableSizeType() const = 0;
    virtual void SetTableSizeType(int type) = 0;
    /// The table's kind, 0 to 3.
    virtual int GetMeasureTableType() const = 0;
    /// Sets the kind; a value outside 0 to 3 sets 0.
    virtual void SetMeasureTableType(int type) = 0;

    virtual CEventHandler &GetEventHandler() = 0;
};
