// Morvane Brismond table-set library.
// A measurement table set: its tables, its measurement image, its file and its undo stack.
#pragma once

#include <filesystem>
#include <string>

class CEventHandler;
class CTableSetUndoStack;
class IGradeData;
class IMeasureTable;

/// A set of measurement tables, as stored in a "*.mst" file (see MstFormat.md beside this
/// header). The set's handler (id 1000) sends attached and detached tables (the child id 1001
/// with the table's index), its own changes, and begin- and end-update around loading and
/// clearing; the events of tables, sizes and measurements pass through it. Table names are
/// found without regard to case.
class IBrismond
{
public:
    virtual ~IBrismond() = default;

    virtual int GetTableCount() const = 0;
    /// Null for an index out of range.
    virtual IMeasureTable *GetTableAt(int index) const = 0;
    virtual int FindTable(const std::string &name) const = 0;
    virtual int IndexOfTable(const IMeasureTable *table) const = 0;
    /// A name for a new table that no table has yet: "Table <n>", n from the table count plus 1
    /// up.
    virtual std::string ProposeTableName() const = 0;
    /// Inserts an empty table of that kind and size naming (IMeasureTable) before position (-1
    /// or the count: at the end); returns its index.
    virtual int InsertTable(int kind, int sizeNaming, const std::string &name, int position) = 0;
    virtual void RemoveTableAt(int index) = 0;
    /// Removes every table and the image, between begin- and end-update, and forgets the undo
    /// history.
    virtual void Clear() = 0;

    /// Replaces the set by the file's, between begin- and end-update, and forgets the undo
    /// history. A file that cannot be read or is refused leaves the set as it was, sends
    /// nothing and answers false, with GetLastError() naming the file and the reason.
    virtual bool Load(const std::filesystem::path &path) = 0;
    /// Writes the set to the file through a temporary file renamed over it; on success no table
    /// is modified any more. False, with GetLastError(), when a table cannot be stored as it is
    /// (two sizes or measurements of one name) or the file cannot be written.
    virtual bool Save(const std::filesystem::path &path) = 0;
    /// Why the last Load or Save failed; empty after a success.
    virtual const std::string &GetLastError() const = 0;

    /// The file name of the measurement image; empty when none.
    virtual const std::string &GetImageFileName() const = 0;
    virtual void SetImageFileName(const std::string &name) = 0;
    /// The folder of the measurement images; empty when none.
    virtual const std::string &GetImageDirectory() const = 0;
    virtual void SetImageDirectory(const std::string &directory) = 0;

    virtual CTableSetUndoStack &GetUndoStack() = 0;
    /// The tables and sizes as grade models see them.
    virtual IGradeData &GetGradeData() = 0;
    virtual CEventHandler &GetEventHandler() = 0;
};
