// Morvane foundation library.
// The name a stored member is registered under: a constant text.
#pragma once

#include <string_view>

namespace morvane {

/// The name a member is registered under, which is the name it has in the file: a constant
/// text such as a string literal, fixed when the program is built. Only a constant converts to
/// it, so a registration can tell a name it met before by its address alone.
class MemberName
{
public:
    // consteval: a text that is not a constant (a std::string, a buffer) is refused when
    // compiling, so no name can change after it was registered.
    consteval MemberName(const char *text)
        : m_text(text)
    {
    }

    constexpr std::string_view View() const { return m_text; }
    constexpr operator std::string_view() const { return m_text; }

private:
    std::string_view m_text;
};

} // namespace morvane
