// Morvane formula library fuzz target.
// Reads arbitrary bytes as a clipboard payload, quietly; pastes it twice into a mask, undoes
// the second paste, then copies everything the mask holds into a new payload.
#include "TestFormulas.h"

#include "foundation/XmlErrorReporter.h"
#include "model/GradeMask.h"
#include "model/MVClipboard.h"

#include <cstddef>
#include <cstdint>
#include <string>

static bool paste(const std::string &text, CGradeMask &target)
{
    CMVClipboard clipboard;
    if (!clipboard.Create(text))
        return false;
    clipboard.UpdateMask(target);
    return true;
}

static void copyAll(CGradeMask &mask)
{
    CMVClipboard copy;
    copy.Create(&mask);
    for (int i = 0; i < mask.GetPatternCount(); ++i)
        copy.AddClipboardItem(mask.GetPatternAt(i));
    for (int i = 0; i < mask.GetGradeRegionCount(); ++i)
        copy.AddClipboardItem(mask.GetGradeRegionAt(i));
    std::string text;
    copy.GetXmlContent(text);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const testformulas::TestKinds kinds;
    GetXmlErrorReporter().SetQuiet(true);
    const std::string text(reinterpret_cast<const char *>(data), size);
    CGradeMask mask;
    if (!paste(text, mask))
        return 0;
    paste(text, mask);
    mask.GetHistory()->Undo();
    copyAll(mask);
    return 0;
}
