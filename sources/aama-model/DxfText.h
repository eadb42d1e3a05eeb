// Morvane AAMA grade model.
// The text of a DXF file under construction, group by group, for the library's DXF writers.
#pragma once

#include "foundation/TextFormat.h"
#include "sources/aama-model/FixedWidthText.h"
#include "sources/aama-model/TextBuffer.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <memory>
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
        // Most groups are written straight into the text: code line and short value together.
        if (isShortCode(code) && value.size() <= kShortValue) {
            char *const line = lineRoom();
            endLine(std::copy(value.begin(), value.end(), writeCodeLine(line, code)));
            return;
        }
        appendCode(code);
        append(value);
        append("\r\n");
    }

    void groups(std::span<const DxfGroup> fixed)
    {
        for (const DxfGroup &each : fixed)
            group(each.code, each.value);
    }

    void layer(int number)
    {
        char *const line = lineRoom();
        char *const digits = writeCodeLine(line, 8);
        endLine(std::to_chars(digits, digits + 16, number).ptr);
    }

    void coordinate(int code, double value)
    {
        if (isShortCode(code)) {
            char *const line = lineRoom();
            if (char *end = writeShortFixed(writeCodeLine(line, code), value, 3)) {
                endLine(end);
                return;
            }
        }
        appendCode(code);
        std::string number;
        appendFixed(number, value, 3);
        append(number);
        append("\r\n");
    }

    /// Groups 10 and 20.
    void position(double x, double y)
    {
        coordinate(10, x);
        coordinate(20, y);
    }

    std::string_view text() const { return m_text.text(); }

private:
    /// A code line of a code from 0 to 999: three characters and CR LF.
    static constexpr int kCodeLineLength = 5;
    static constexpr std::size_t kShortValue = 64;

    /// The room for a code line and a short value line with its line end.
    static constexpr std::size_t kLineRoom =
        kCodeLineLength + std::max<std::size_t>(kShortValue, kShortFixedRoom) + 2;

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

    // Where a group of a code line and a short value is written, with room for it.
    char *lineRoom() { return m_text.room(kLineRoom); }

    // Ends the group written up to end with CR LF and takes it into the text.
    void endLine(char *end)
    {
        *end++ = '\r';
        *end++ = '\n';
        m_text.commit(end);
    }

    // The code line of any code.
    void appendCode(int code)
    {
        if (isShortCode(code)) {
            char line[kCodeLineLength];
            append({line, static_cast<std::size_t>(writeCodeLine(line, code) - line)});
            return;
        }
        append(blankPadded(code, 3));
        append("\r\n");
    }

    void append(std::string_view characters) { m_text.append(characters); }

    TextBuffer m_text;
};

} // namespace morvane
