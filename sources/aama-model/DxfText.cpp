// Morvane AAMA grade model.
// The text of a DXF file under construction, group by group, for the library's DXF writers.
#include "sources/aama-model/DxfText.h"

#include "sources/aama-model/FixedWidthText.h"

#include <charconv>
#include <string>

namespace morvane {

void DxfText::numberedGroup(int code, std::string_view prefix, int number)
{
    if (!isShortCode(code) || prefix.size() > kShortValue - 16) {
        appendLongGroup(code, std::string(prefix) + formatInteger(number));
        return;
    }
    char *const value = std::copy(prefix.begin(), prefix.end(), writeCodeLine(lineRoom(), code));
    endLine(std::to_chars(value, value + 16, number).ptr);
}

void DxfText::appendLongGroup(int code, std::string_view value)
{
    appendCode(code);
    m_text.append(value);
    m_text.append("\r\n");
}

void DxfText::appendCode(int code)
{
    if (isShortCode(code)) {
        char line[kCodeLineLength];
        m_text.append({line, static_cast<std::size_t>(writeCodeLine(line, code) - line)});
        return;
    }
    m_text.append(blankPadded(code, 3));
    m_text.append("\r\n");
}

} // namespace morvane
