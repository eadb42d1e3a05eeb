// Morvane DXF group reading.
// The groups of a DXF text (a code line and a value line each) read one by one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

/// One DXF group. The value is the line exactly as read, without its line end; it points into
/// the text that the group list reads.
struct CAamaGroup
{
    int m_nCode = 0;
    std::string_view m_sValue;

    /// True when both the code and the value match exactly.
    bool Is(int code, std::string_view value) const { return m_nCode == code && m_sValue == value; }

    /// The value read as a number, the same way under every process locale: leading blanks
    /// skipped, trailing text ignored, 0 when it does not start with a number.
    int Integer() const;
    double Real() const;

    /// A value of blanks, an optional minus, digits and an optional decimal point with more
    /// digits, as the group list reads it while it looks for the line end.
    struct PlainNumber
    {
        std::uint64_t digits = 0;
        /// How many digits, 16 for any more; 0 when the value is not such a number.
        int count = 0;
        /// How many of them follow the decimal point; -1 without a point.
        int decimals = -1;
        bool negative = false;
    };

private:
    friend class CAamaGroupList;

    PlainNumber m_oNumber;
};

/// The groups of a text in file order, up to and including its first (0, "EOF") group, read
/// through a cursor. A line ends with LF or CR LF; the code line holds an integer, with blanks
/// around it allowed. A code line that holds anything else (binary data inside the file) ends
/// the groups there: the text is damaged, and Damage() tells where. The text must outlive the
/// list.
class CAamaGroupList
{
public:
    explicit CAamaGroupList(std::string_view text)
        : m_sText(text)
        , m_pPosition(text.data())
        , m_pPrevious(text.data())
        , m_pAfterGroup(text.data())
        , m_pEnd(text.data() + text.size())
    {
    }

    /// True once the cursor has passed a group (0, "EOF").
    bool HasEndOfFile() const { return m_bEndOfFile; }

    /// Why the text is not a whole DXF file: the refused code line ("line N: ...") or the
    /// missing EOF group. Call after the groups have been read to their end.
    std::string Incompleteness() const;

    /// The group at the cursor, advancing the cursor; null at the end. The group stays valid
    /// until the next call.
    const CAamaGroup *Next();

    /// Steps the cursor back over the group that Next() gave last. Only one step back is kept.
    void Back();

    /// Advances to the next group with code 0 and leaves the cursor on it, so that it is read
    /// again; stops at the end.
    void Skip();

private:
    /// Reads the code line at the cursor when it is not a plain one; gives where the value line
    /// starts, or null when the line is refused.
    const char *ReadCodeLine();
    /// Reads any value line from position on; gives where the next line starts. A number is
    /// read as the line end is looked for.
    const char *ReadValue(const char *position);
    void RefuseCodeLine(std::string_view line);

    std::string_view m_sText;
    const char *m_pPosition;
    /// Where the group that Next() gave last starts and ends.
    const char *m_pPrevious;
    const char *m_pAfterGroup;
    /// The end of the text, or of its EOF group once that has been read.
    const char *m_pEnd;
    bool m_bEndOfFile = false;
    std::string m_sDamage;
    CAamaGroup m_oGroup;
};
