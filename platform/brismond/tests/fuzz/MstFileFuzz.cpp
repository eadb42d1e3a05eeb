// Morvane Brismond table-set library fuzz target.
// Loads arbitrary bytes as a "*.mst" file into a table set; a set that loads is saved, loaded
// into a second set and saved again, and both files must be the same.
#include "TableSetFixture.h"
#include "TemporaryFolder.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/TableSetFactory.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::unique_ptr<IBrismond> makeSet()
{
    CEventHandler *handler = nullptr;
    return CTableSetFactory::Make("fuzz", handler);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TemporaryFolder folder("mst-fuzz");
    const fs::path input = folder / "input.mst";
    std::ofstream(input, std::ios::binary)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    const std::unique_ptr<IBrismond> set = makeSet();
    if (!set->Load(input)) {
        if (set->GetLastError().empty() || set->GetTableCount() != 0)
            std::abort();
        return 0;
    }
    const fs::path first = folder / "first.mst";
    const fs::path second = folder / "second.mst";
    const std::unique_ptr<IBrismond> again = makeSet();
    if (!set->Save(first) || !again->Load(first) || !again->Save(second) ||
        readFile(first) != readFile(second))
        std::abort();
    return 0;
}
