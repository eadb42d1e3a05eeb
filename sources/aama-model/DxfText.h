// Morvane AAMA grade model.
// The text of a DXF file under construction, group by group, for the library's DXF writers.
#pragma once

#include "foundation/TextFormat.h"
#include "sources/aama-model/FixedWidthText.h"

#include <span>
#include <string>
#include <string_view>

namespace morvane {

/// A group with a fixed value, for the parts of a file that never change.
struct DxfGroup
{
    int code;
    std::string_view value;
};

/// The text of a DXF file under construction: each group is a code line, right-aligned in three
/// characters, and a value line, both ending with CR LF. Reals are written "%.3f" in every
/// process locale alike.
class DxfText
{
public:
    /// Makes room for a text of about size characters, so that it grows without copying.
    void reserve(std::size_t size) { m_text.reserve(size); }

    void group(int code, std::string_view value)
    {
        appendCode(code);
        m_text += value;
        m_text += "\r\n";
    }

    void groups(std::span<const DxfGroup> fixed)
    {
        for (const DxfGroup &each : fixed)
            group(each.code, each.value);
    }

    void layer(int number)
    {
        appendCode(8);
        appendInteger(m_text, number);
        m_text += "\r\n";
    }

    void coordinate(int code, double value)
    {
        appendCode(code);
        appendFixed(m_text, value, 3);
        m_text += "\r\n";
    }

    /// Groups 10 and 20.
    void position(double x, double y)
    {
        coordinate(10, x);
        coordinate(20, y);
    }

    const std::string &text() const { return m_text; }

private:
    // The code line, as "%3d" writes it.
    void appendCode(int code)
    {
        if (code >= 0 && code <= 999) {
            const char line[] = {code >= 100 ? char('0' + code / 100) : ' ',
                                 code >= 10 ? char('0' + code / 10 % 10) : ' ',
                                 char('0' + code % 10), '\r', '\n'};
            m_text.append(line, sizeof line);
            return;
        }
        m_text += blankPadded(code, 3);
        m_text += "\r\n";
    }

    std::string m_text;
};

} // namespace morvane
