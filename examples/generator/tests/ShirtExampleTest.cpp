// Morvane examples tests.
// The shirt example kept in the source tree is what its generator writes today, and its files
// name each other so that they open from wherever the example lies.
#include "ShirtExample.h"

#include "FileText.h"
#include "SourcePath.h"
#include "TemporaryFolder.h"
#include "app/documents/MorvaneWorkspace.h"
#include "app/documents/MvContext.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const char *const kExampleFiles[] = {example::kStyleFile, example::kTableSetFile,
                                     example::kMaskFile, example::kWorkspaceFile,
                                     example::kContextFile, example::kOptionsFile};

} // namespace

TEST(ShirtExampleTest, TheKeptFilesAreWhatTheGeneratorWrites)
{
    TemporaryFolder folder("shirt-example");
    example::writeShirtExample(folder.path());
    const std::filesystem::path kept = sourcePath("examples/shirt");
    for (const char *name : kExampleFiles) {
        SCOPED_TRACE(name);
        const std::string written = readFileText(folder / name);
        EXPECT_FALSE(written.empty());
        EXPECT_EQ(readFileText(kept / name), written)
            << "run make_shirt_example on examples/shirt to bring it up to date";
    }
}

TEST(ShirtExampleTest, TheWorkspaceAndContextNameTheFilesBesideThem)
{
    const std::filesystem::path kept = sourcePath("examples/shirt");
    CMorvaneWorkspace workspace;
    ASSERT_TRUE(workspace.Load(kept / example::kWorkspaceFile)) << workspace.GetLastError();
    EXPECT_EQ(workspace.GetInputPatternPath(), kept / example::kStyleFile);
    EXPECT_EQ(workspace.GetTableSetPath(), kept / example::kTableSetFile);
    EXPECT_EQ(workspace.GetMaskPaths(),
              std::vector<std::filesystem::path>{kept / example::kMaskFile});

    CMvContext context;
    ASSERT_TRUE(context.Load(kept / example::kContextFile)) << context.GetLastError();
    ASSERT_EQ(context.GetMaskCount(), 1);
    EXPECT_EQ(context.GetMaskAt(0)->GetName(), example::kMaskFile);
    EXPECT_EQ(context.GetMaskAt(0)->GetPatternCount(), 2);
}
