// Morvane panels and grids, fuzz target.
// Splits arbitrary pasted text into the fields of grid cells.
#include "app/panels/grid/GridClipboardText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto lines = splitPastedText(std::string_view(reinterpret_cast<const char *>(data), size));
    for (const auto &fields : lines) {
        for (const auto &field : fields) {
            if (!field.empty() && (field.front() == ' ' || field.back() == '\r'))
                __builtin_trap();
        }
    }
    return 0;
}
