// Morvane interactive tasks.
// The texts of how far the pointer or a dragged point is from the last point picked.
#pragma once

#include "foundation/DPoint.h"

#include <string>

class IDocumentServices;

namespace morvane {

/// The message-line texts of a distance: "d=… [unit]", "dx=… [unit]", "dy=… [unit]" in the
/// display unit with two decimals, and the name of the point measured from.
struct DistanceTexts
{
    std::string distance;
    std::string dx;
    std::string dy;
    std::string pointName;
};

/// The distance from where the last entry of the active mask document's item list was picked
/// to the position; the point name is that entry's item's (empty when it has none). All empty
/// when the list is empty.
DistanceTexts FormatDistanceTexts(IDocumentServices &services, DPOINT position);

/// FormatDistanceTexts to where the last entry's point lies now in the size it was picked in
/// (the entry's own position when it holds no point).
DistanceTexts FocusPointTexts(IDocumentServices &services);

} // namespace morvane
