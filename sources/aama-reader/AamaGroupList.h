// Morvane AAMA DXF reader.
// The groups of a DXF text (a code line and a value line each) with a read cursor.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

/// One DXF group. The value is the line exactly as read, without its line end; it points into
/// the text that the group list was built from.
struct CAamaGroup
{
    int m_nCode = 0;
    std::string_view m_sValue;

    /// True when both the code and the value match exactly.
    bool Is(int code, std::string_view value) const { return m_nCode == code && m_sValue == value; }
};

/// The groups of a file in file order, up to and including its (0, "EOF") group, and a cursor
/// that reads them one by one. The text must outlive the list.
class CAamaGroupList
{
public:
    /// Splits the text into groups. A line ends with LF or CR LF; the code line is read as an
    /// integer (leading blanks allowed, 0 when it holds no number). Splitting stops after the
    /// first group (0, "EOF").
    explicit CAamaGroupList(std::string_view text);

    /// True when the text held a group (0, "EOF").
    bool HasEndOfFile() const { return m_bEndOfFile; }

    /// The group at the cursor, advancing the cursor; null at the end.
    const CAamaGroup *Next();

    /// Steps the cursor back by one group (not before the first).
    void Back();

    /// Advances to the next group with code 0 and leaves the cursor on it, so that it is read
    /// again; stops at the end.
    void Skip();

private:
    std::vector<CAamaGroup> m_oGroups;
    std::size_t m_nCursor = 0;
    bool m_bEndOfFile = false;
};
