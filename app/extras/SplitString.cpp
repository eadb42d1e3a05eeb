// Morvane program foundation extras.
// Splitting a text at a separator character.
#include "app/extras/SplitString.h"

void SplitString(std::string_view text, char separator, std::vector<std::string> &out)
{
    if (text.empty())
        return;
    if (separator != '\0') {
        for (size_t found = text.find(separator); found != std::string_view::npos;
             found = text.find(separator)) {
            out.emplace_back(text.substr(0, found));
            text.remove_prefix(found + 1);
        }
    }
    out.emplace_back(text);
}
