// Morvane documents and start-up, fuzz target.
// Reads arbitrary workspace files: a refused file changes nothing, and what a workspace reads it
// writes again and reads back the same.
#include "app/documents/MorvaneWorkspace.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace {

std::filesystem::path fuzzFolder()
{
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("workspace-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

bool sameFields(const CMorvaneWorkspace &a, const CMorvaneWorkspace &b)
{
    return a.GetGradeModelType() == b.GetGradeModelType() &&
           a.GetInputPatternFile() == b.GetInputPatternFile() &&
           a.GetTableSetFile() == b.GetTableSetFile() && a.GetMaskFiles() == b.GetMaskFiles();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::filesystem::path folder = fuzzFolder();
    const std::filesystem::path file = folder / "fuzz.mvw";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));

    CMorvaneWorkspace workspace;
    workspace.SetInputPatternFile("kept.dxf");
    if (!workspace.Load(file)) {
        if (workspace.GetInputPatternFile() != "kept.dxf" || workspace.GetLastError().empty())
            std::abort();
        return 0;
    }
    workspace.GetInputPatternPath();
    workspace.GetTableSetPath();
    workspace.GetMaskPaths();

    if (!workspace.Save(folder / "again.mvw"))
        std::abort();
    CMorvaneWorkspace again;
    if (!again.Load(folder / "again.mvw") || !sameFields(workspace, again))
        std::abort();
    return 0;
}
