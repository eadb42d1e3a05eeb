// Morvane language resources.
// Texts of the current language library by id, with their arguments filled in by position.
#include "lang/ResourceText.h"

#include "lang/LanguageLibrary.h"

namespace morvane {

std::string loadString(uint32_t id)
{
    const CLanguageLibrary *library = CLanguageLibrary::GetCurrent();
    return library ? library->GetString(id) : std::string();
}

/// The position (from 1) of the argument that the marker digits at the start of text name, and
/// how many digits that takes; 0 when they name none.
static size_t markerPosition(std::string_view text, size_t argumentCount, size_t &digits)
{
    size_t position = 0;
    size_t found = 0;
    digits = 0;
    if (text.empty() || text[0] == '0')
        return 0;
    for (size_t i = 0; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        position = position * 10 + static_cast<size_t>(text[i] - '0');
        if (position > argumentCount)
            break;
        found = position;
        digits = i + 1;
    }
    return found;
}

std::string fillArguments(std::string_view text, std::initializer_list<std::string_view> arguments)
{
    std::string filled;
    filled.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const size_t percent = text.find('%', i);
        filled.append(text.substr(i, percent - i));
        if (percent == std::string_view::npos)
            break;
        size_t digits = 0;
        const size_t position = markerPosition(text.substr(percent + 1), arguments.size(), digits);
        if (position == 0) {
            filled += '%';
            i = percent + 1;
            continue;
        }
        filled.append(arguments.begin()[position - 1]);
        i = percent + 1 + digits;
    }
    return filled;
}

std::string loadString(uint32_t id, std::initializer_list<std::string_view> arguments)
{
    return fillArguments(loadString(id), arguments);
}

} // namespace morvane
