// Morvane Brismond table-set library fuzz target.
// Loads arbitrary bytes as a "*.mst" file into a table set, then saves and reloads what loaded.
#include "platform/brismond/MstContents.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    brismond::MstContents contents;
    try {
        contents = brismond::readMstText(text, "fuzz.mst");
    } catch (const brismond::MstFileError &) {
        return 0;
    }
    // What was read is stored and read back the same.
    const std::string written = brismond::writeMstText(contents, "fuzz.mst");
    const brismond::MstContents again = brismond::readMstText(written, "fuzz.mst");
    if (brismond::writeMstText(again, "fuzz.mst") != written)
        std::abort();
    return 0;
}
