// Morvane panels and grids.
// The text form in which grids copy cells to the clipboard and read pasted text.
#include "app/panels/grid/GridClipboardText.h"

static std::string trimmed(std::string_view field)
{
    const auto first = field.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = field.find_last_not_of(" \t\r");
    return std::string(field.substr(first, last - first + 1));
}

// Commas separate fields only in a line without tabs, so that a copied cell whose text holds a
// comma ("12, 5") pastes back into one cell.
static std::vector<std::string> splitLine(std::string_view line)
{
    std::vector<std::string> fields;
    if (line.empty())
        return fields;
    const char separator = line.find('\t') != std::string_view::npos ? '\t' : ',';
    size_t start = 0;
    for (size_t end = line.find(separator); end != std::string_view::npos;
         end = line.find(separator, start)) {
        fields.push_back(trimmed(line.substr(start, end - start)));
        start = end + 1;
    }
    fields.push_back(trimmed(line.substr(start)));
    return fields;
}

std::vector<std::vector<std::string>> splitPastedText(std::string_view text)
{
    std::vector<std::vector<std::string>> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string_view::npos;
         end = text.find('\n', start)) {
        lines.push_back(splitLine(text.substr(start, end - start)));
        start = end + 1;
    }
    if (start < text.size())
        lines.push_back(splitLine(text.substr(start)));
    return lines;
}
