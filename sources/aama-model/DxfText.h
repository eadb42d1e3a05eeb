// Morvane AAMA grade model.
// The text of a DXF file under construction, group by group, for the library's DXF writers.
#pragma once

#include "foundation/TextFormat.h"
#include "sources/aama-model/FixedWidthText.h"

#include <algorithm>
#include <charconv>
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
        // Most groups are written as one piece: code line and short value together.
        char line[kCodeLineLength + kShortValue + 2];
        if (isShortCode(code) && value.size() <= kShortValue) {
            char *end = writeCodeLine(line, code);
            end = std::copy(value.begin(), value.end(), end);
            appendLine(line, end);
            return;
        }
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
        char line[kCodeLineLength + 24];
        char *const digits = writeCodeLine(line, 8);
        appendLine(line, std::to_chars(digits, line + sizeof line, number).ptr);
    }

    void coordinate(int code, double value)
    {
        char line[kCodeLineLength + kShortFixedRoom + 2];
        if (isShortCode(code)) {
            if (char *end = writeShortFixed(writeCodeLine(line, code), value, 3)) {
                appendLine(line, end);
                return;
            }
        }
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
    /// A code line of a code from 0 to 999: three characters and CR LF.
    static constexpr int kCodeLineLength = 5;
    static constexpr std::size_t kShortValue = 64;

    static bool isShortCode(int code) { return code >= 0 && code <= 999; }

    // The code line of a short code, as "%3d" writes it; gives its end.
    static char *writeCodeLine(char *out, int code)
    {
        *out++ = code >= 100 ? char('0' + code / 100) : ' ';
        *out++ = code >= 10 ? char('0' + code / 10 % 10) : ' ';
        *out++ = char('0' + code % 10);
        *out++ = '\r';
        *out++ = '\n';
        return out;
    }

    // Appends the line from first to end, then CR LF; end must have room for them.
    void appendLine(char *first, char *end)
    {
        *end++ = '\r';
        *end++ = '\n';
        m_text.append(first, static_cast<std::size_t>(end - first));
    }

    // The code line of any code.
    void appendCode(int code)
    {
        if (isShortCode(code)) {
            char line[kCodeLineLength];
            m_text.append(line, static_cast<std::size_t>(writeCodeLine(line, code) - line));
            return;
        }
        m_text += blankPadded(code, 3);
        m_text += "\r\n";
    }

    std::string m_text;
};

} // namespace morvane
