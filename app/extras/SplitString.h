// Morvane program foundation extras.
// Splitting a text at a separator character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

/// Appends to out the pieces of text between separators, empty pieces included: "a,b," at ','
/// gives "a", "b" and "". An empty text appends nothing; a text without the separator, or a
/// separator of '\0', appends the whole text.
void SplitString(std::string_view text, char separator, std::vector<std::string> &out);
