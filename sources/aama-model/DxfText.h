// Morvane AAMA grade model.
// The text of a DXF file under construction, group by group, for the library's DXF writers.
#pragma once

#include "foundation/TextFormat.h"
#include "sources/aama-model/TextBuffer.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace morvane {

/// A group with a fixed value, for the parts of a file that never change.
struct DxfGroup
{
    int code;
    std::string_view value;
};

/// Where groups already written lie in the text, to be written again.
struct DxfRun
{
    std::size_t start = 0;
    std::size_t size = 0;
};

/// The text of a DXF file under construction: each group is a code line, right-aligned in three
/// characters, and a value line, both ending with CR LF. Reals are written "%.3f" in every
/// process locale alike.
///
/// A group of a code from 0 to 999 and a short value is written in place in one step, small
/// enough to be compiled into its caller, where a constant code becomes fixed characters; any
/// other takes a slower way.
class DxfText
{
public:
    /// Makes room for a text of about size characters, so that it grows without copying.
    void reserve(std::size_t size) { m_text.reserve(size); }

    void group(int code, std::string_view value)
    {
        if (!isShortCode(code) || value.size() > kShortValue) {
            appendLongGroup(code, value);
            return;
        }
        endLine(std::copy(value.begin(), value.end(), writeCodeLine(lineRoom(), code)));
    }

    void groups(std::span<const DxfGroup> fixed)
    {
        for (const DxfGroup &each : fixed)
            group(each.code, each.value);
    }

    /// A group whose value is prefix followed by number in decimal, as "# 12".
    void numberedGroup(int code, std::string_view prefix, int number);

    /// Group 8; the layers of one or two digits in place.
    void layer(int number)
    {
        if (number < 0 || number > 99) {
            numberedGroup(8, {}, number);
            return;
        }
        char *digits = writeCodeLine(lineRoom(), 8);
        if (number >= 10)
            *digits++ = char('0' + number / 10);
        *digits++ = char('0' + number % 10);
        endLine(digits);
    }

    void coordinate(int code, double value)
    {
        if (isShortCode(code)) {
            if (char *end = writeShortFixed(writeCodeLine(lineRoom(), code), value, 3)) {
                endLine(end);
                return;
            }
        }
        appendLongGroup(code, formatFixed(value, 3));
    }

    /// Groups 10 and 20; gives where they lie, so that a position written for several entities
    /// is formatted once.
    DxfRun position(double x, double y)
    {
        const std::size_t start = m_text.text().size();
        coordinate(10, x);
        coordinate(20, y);
        return {start, m_text.text().size() - start};
    }

    /// Writes the groups of run again.
    void repeat(DxfRun run) { m_text.repeat(run.start, run.size); }

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

    void appendLongGroup(int code, std::string_view value);
    // The code line of any code.
    void appendCode(int code);

    TextBuffer m_text;
};

} // namespace morvane
