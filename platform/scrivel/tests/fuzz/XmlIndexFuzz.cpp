// Morvane Scrivel XML filer fuzz target.
// Whatever the index reads, the general parser reads alike.
#include "../IndexAgreement.h"
#include "platform/scrivel/XmlIndex.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    morvane::XmlIndex index;
    if (index.read(text) && !scrivel_test::indexDisagreement(index, text).empty())
        __builtin_trap();
    return 0;
}
