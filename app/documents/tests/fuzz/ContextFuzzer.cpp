// Morvane documents and start-up, fuzz target.
// Reads arbitrary context files and applies what they hold to a piece on a grade mask, twice:
// nothing crashes, and the second application ties nothing more than the first.
#include "SquareOnMask.h"
#include "app/documents/MvContext.h"
#include "model/MaskPattern.h"
#include "model/MaskPoint.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace {

std::filesystem::path fuzzFile()
{
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("context-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder / "fuzz.cct";
}

/// The associations of the mask's patterns and of their points.
int tiesOf(const testgrading::SquareOnMask &square)
{
    CPtrCollection<CPattern> patterns;
    square.m_square->GetAssPatterns(patterns);
    int ties = patterns.GetCount();
    for (int i = 0; i < square.m_square->GetBasePointCount(); ++i)
        ties += square.m_square->GetBasePointAt(i)->GetMaskPoint()->GetAssociationCount();
    return ties;
}

void applyAll(const CMvContext &context, testgrading::SquareOnMask &square)
{
    for (int i = 0; i < context.GetMaskCount(); ++i)
        context.GetMaskAt(i)->Apply(*square.m_mask, *square.m_patterns);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::filesystem::path file = fuzzFile();
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    CMvContext context;
    if (!context.Load(file))
        return 0;

    testgrading::SquareOnMask square;
    context.FindMask(*square.m_mask);
    applyAll(context, square);
    const int ties = tiesOf(square);
    applyAll(context, square);
    if (tiesOf(square) != ties)
        std::abort();
    return 0;
}
