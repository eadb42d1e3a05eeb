// Morvane DXF group reading.
// The code page of a DXF file's texts: what they show as UTF-8, and UTF-8 text in their bytes.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

/// How the texts of a DXF file are encoded. Files before AutoCAD 2007 are not UTF-8: their texts
/// are in the code page that the header names in $DWGCODEPAGE ("ANSI_949", "ANSI_936" ...), and
/// in Windows-1252 (ANSI_1252) when it names none. The texts are kept in the file's bytes and
/// written back with them; only what the program shows is converted, and what the user types.
class DxfCodePage
{
public:
    /// The code page of a file whose header names dwgCodePage (compared without regard to case
    /// and to blanks around it).
    /// When it names none (empty): UTF-8 when textsAreUtf8 (the files that Morvane wrote before
    /// it kept code pages), else Windows-1252. A name it does not know counts as Windows-1252.
    explicit DxfCodePage(std::string_view dwgCodePage = {}, bool textsAreUtf8 = false);

    /// The text in the file's bytes as UTF-8, to be shown: always valid UTF-8, a byte that
    /// makes no character becoming U+FFFD. Windows-1252 takes every byte, its five unused ones
    /// as the control characters of the same number.
    std::string toUtf8(std::string_view bytes) const;

    /// UTF-8 text (typed by the user, or a name of the program) in the file's bytes; a character
    /// that the code page lacks becomes "?". What toUtf8() made of bytes that are all characters
    /// of the code page comes back in those bytes.
    std::string fromUtf8(std::string_view text) const;

    /// Whether the texts are UTF-8, so that nothing is converted.
    bool isUtf8() const { return m_kind == Kind::Utf8; }

private:
    enum class Kind { Utf8, Windows1252, Other };

    Kind m_kind = Kind::Windows1252;
    /// For Other, the name iconv knows the code page by.
    std::string m_sIconvName;
};

/// Whether text is valid UTF-8 (no overlong forms, surrogates or code points beyond U+10FFFF).
bool isValidUtf8(std::string_view text);

} // namespace morvane
