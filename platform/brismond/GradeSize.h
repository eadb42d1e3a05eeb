// Morvane Brismond table-set library.
// One size of a measurement table: its name and, for numbered tables, its number.
#pragma once

#include "foundation/EventHandler.h"

#include <cstdint>
#include <functional>
#include <string>

class CMeasureTable;

/// A size of a measurement table. Its name is set through the table (IMeasureTable::SetSizeName);
/// a change of name or number is recorded on the set's undo stack and sent with the size's
/// handler (id 1003, property brismond::kSizeAll). Each size carries an id that no other size of
/// the process ever has: measurements keep their values by it.
class CGradeSize
{
public:
    CGradeSize(CMeasureTable *table, std::string name, int number);
    ~CGradeSize();
    CGradeSize(const CGradeSize &) = delete;
    CGradeSize &operator=(const CGradeSize &) = delete;

    const std::string &GetName() const { return m_sName; }
    /// True when the size is its table's base size.
    bool IsBaseSize() const;
    /// The size's number, for tables whose sizes are named by numbers (0 when not given).
    int GetNumberName() const { return m_nNumber; }
    void SetNumberName(int number);

    CMeasureTable *GetTable() const { return m_pTable; }
    uint64_t GetId() const { return m_nId; }
    CEventHandler &GetEventHandler() { return m_oHandler; }

private:
    friend class CMeasureTable;
    // For CMeasureTable::SetSizeName.
    void SetName(const std::string &name);
    void change(std::function<void()> undo, std::function<void()> redo);

    CMeasureTable *m_pTable;
    uint64_t m_nId;
    std::string m_sName;
    int m_nNumber;
    CEventHandler m_oHandler;
};
