// Morvane foundation library fuzz target.
// Loads arbitrary bytes as a stored document, quietly, then saves what was loaded and checks
// that the saved text loads again.
#include "../SampleModel.h"
#include "foundation/XmlArchive.h"
#include "foundation/XmlErrorReporter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    GetXmlErrorReporter().SetQuiet(true);
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    sample::Document document;
    {
        CXmlArchive archive;
        if (!archive.LoadFromText(text, "fuzz input"))
            return 0;
        std::string root;
        std::string version;
        archive.SelectRoot("Version", root, version);
        if (archive.LoadObject(document, root) != 0)
            return 0;
    }
    CXmlArchive archive;
    archive.SaveObject(document, "Example");
    const std::string saved = archive.GetXmlContents();
    CXmlArchive reloaded;
    if (!reloaded.LoadFromText(saved, "saved text"))
        __builtin_trap();
    return 0;
}
