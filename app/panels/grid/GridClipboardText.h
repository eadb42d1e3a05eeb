// Morvane panels and grids.
// The text form in which grids copy cells to the clipboard and read pasted text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

/// The fields of pasted text: lines split at "\n", each line into fields at "\t" or, when the
/// line holds no tab, at ","; every field trimmed of blanks (spaces, tabs, "\r") at both ends.
/// An empty line gives an empty list of fields; the text after the last "\n" is a line only
/// when it is not empty.
std::vector<std::vector<std::string>> splitPastedText(std::string_view text);
