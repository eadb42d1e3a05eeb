// Morvane Scrivel XML filer tests.
// Whether an index reads a document as the general parser does.
#pragma once

#include "platform/scrivel/XmlIndex.h"

#include <string>
#include <string_view>

namespace scrivel_test {

/// The first difference between what index holds and what the general parser reads from text
/// with the filer's options (names, first texts, XML attributes and child elements, through
/// the whole tree); empty when they agree.
std::string indexDisagreement(const morvane::XmlIndex &index, std::string_view text);

} // namespace scrivel_test
