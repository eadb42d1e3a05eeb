// Morvane AAMA grade model.
// The text of a DXF file under construction, group by group, for the library's DXF writers.
#pragma once

#include "foundation/TextFormat.h"

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
/// characters, and a value line, both ending with CR LF. Reals are written "%.3f" in the "C"
/// locale.
class DxfText
{
public:
    void group(int code, std::string_view value)
    {
        m_text += format("%3d\r\n", code);
        m_text += value;
        m_text += "\r\n";
    }

    void groups(std::span<const DxfGroup> fixed)
    {
        for (const DxfGroup &each : fixed)
            group(each.code, each.value);
    }

    void layer(int number) { group(8, format("%d", number)); }

    void coordinate(int code, double value) { group(code, format("%.3f", value)); }

    /// Groups 10 and 20.
    void position(double x, double y)
    {
        coordinate(10, x);
        coordinate(20, y);
    }

    const std::string &text() const { return m_text; }

private:
    std::string m_text;
};

} // namespace morvane
