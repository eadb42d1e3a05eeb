// Morvane interactive tasks.
// The names of a collection of model items as one text, for prompts.
#pragma once

#include "foundation/PtrCollection.h"

#include <string>

namespace morvane {

/// The items' names in collection order, joined by "," without blanks; empty for no items.
template <class Item>
std::string JoinItemNames(const CPtrCollection<Item> &items)
{
    std::string names;
    for (int i = 0; i < items.GetCount(); ++i) {
        if (i > 0)
            names += ',';
        names += items.GetAt(i)->GetName();
    }
    return names;
}

} // namespace morvane
