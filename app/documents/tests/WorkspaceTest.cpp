// Morvane program documents tests.
// Workspace files: written and read back, refused whole when damaged, paths found where they are.
#include "FileText.h"
#include "TemporaryFolder.h"
#include "app/documents/MorvaneWorkspace.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

void writeText(const std::filesystem::path &file, const std::string &text)
{
    std::ofstream(file) << text;
}

class WorkspaceTest : public ::testing::Test
{
protected:
    static void setThreeMasks(CMorvaneWorkspace &workspace)
    {
        workspace.SetGradeModelType(2);
        workspace.SetInputPatternFile("/styles/shirt.dxf");
        workspace.SetTableSetFile("/tables/women.mst");
        workspace.SetMaskFiles({"/masks/front.msk", "", "/masks/back.msk", "/masks/sleeve.msk"});
    }

    TemporaryFolder m_folder{"workspace"};
};

} // namespace

TEST_F(WorkspaceTest, ReadsBackWhatItWrote)
{
    CMorvaneWorkspace saved;
    setThreeMasks(saved);
    ASSERT_TRUE(saved.Save(m_folder / "work.mvw")) << saved.GetLastError();
    const std::string text = readFileText(m_folder / "work.mvw");
    EXPECT_NE(text.find("<MorvaneWorkspace"), std::string::npos) << text;
    EXPECT_NE(text.find("<FilePath>\n"), std::string::npos) << text;
    EXPECT_NE(text.find("<FilePath>/masks/back.msk</FilePath>"), std::string::npos) << text;

    CMorvaneWorkspace loaded;
    ASSERT_TRUE(loaded.Load(m_folder / "work.mvw")) << loaded.GetLastError();
    EXPECT_EQ(loaded.GetGradeModelType(), 2);
    EXPECT_EQ(loaded.GetInputPatternFile(), "/styles/shirt.dxf");
    EXPECT_EQ(loaded.GetTableSetFile(), "/tables/women.mst");
    EXPECT_EQ(
        loaded.GetMaskFiles(),
        (std::vector<std::string>{"/masks/front.msk", "/masks/back.msk", "/masks/sleeve.msk"}));
}

TEST_F(WorkspaceTest, WithoutMasksWritesNoMaskListAndReadsWithoutOne)
{
    CMorvaneWorkspace saved;
    saved.SetTableSetFile("women.mst");
    ASSERT_TRUE(saved.Save(m_folder / "work.mvw"));
    EXPECT_EQ(readFileText(m_folder / "work.mvw").find("MaskFilePaths"), std::string::npos);

    CMorvaneWorkspace loaded;
    setThreeMasks(loaded);
    ASSERT_TRUE(loaded.Load(m_folder / "work.mvw")) << loaded.GetLastError();
    EXPECT_EQ(loaded.GetGradeModelType(), 0);
    EXPECT_EQ(loaded.GetTableSetFile(), "women.mst");
    EXPECT_TRUE(loaded.GetMaskFiles().empty()) << "a load takes the file's masks, no others";
}

TEST_F(WorkspaceTest, ADamagedFileIsRefusedWithItsReasonAndChangesNothing)
{
    const std::string fields = "<GradeModelType>2</GradeModelType>"
                               "<InputPatternFile>a.dxf</InputPatternFile>"
                               "<TableSetFile>b.mst</TableSetFile>";
    const struct
    {
        const char *name;
        std::string text;
        const char *reason;
    } cases[] = {
        {"root in another letter case", "<morvaneworkspace>" + fields + "</morvaneworkspace>",
         "root element"},
        {"another root", "<MvContext>" + fields + "</MvContext>", "root element"},
        {"a required element missing",
         "<MorvaneWorkspace><GradeModelType>2</GradeModelType>"
         "<InputPatternFile>a.dxf</InputPatternFile></MorvaneWorkspace>",
         "TableSetFile"},
        {"a mask path without its path",
         "<MorvaneWorkspace>" + fields +
             "<MaskFilePaths><FilePath/></MaskFilePaths>"
             "</MorvaneWorkspace>",
         "FilePath"},
        {"not a document", "<MorvaneWorkspace>" + fields, "work.mvw"},
        {"empty", "", "work.mvw"},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        writeText(m_folder / "work.mvw", row.text);
        CMorvaneWorkspace workspace;
        setThreeMasks(workspace);
        EXPECT_FALSE(workspace.Load(m_folder / "work.mvw"));
        EXPECT_NE(workspace.GetLastError().find(row.reason), std::string::npos)
            << workspace.GetLastError();
        EXPECT_EQ(workspace.GetInputPatternFile(), "/styles/shirt.dxf");
        EXPECT_EQ(workspace.GetMaskFiles().size(), 3u);
    }
    CMorvaneWorkspace workspace;
    EXPECT_FALSE(workspace.Load(m_folder / "missing.mvw"));
    EXPECT_NE(workspace.GetLastError().find("missing.mvw"), std::string::npos);
}

TEST_F(WorkspaceTest, FindsTheFilesItNamesBesideItself)
{
    std::filesystem::create_directories(m_folder / "styles");
    for (const char *name : {"front.msk", "shirt.dxf", "styles/women.mst"})
        writeText(m_folder / name, "x");
    writeText(m_folder / "work.mvw",
              "<MorvaneWorkspace><GradeModelType>2</GradeModelType>"
              "<InputPatternFile>shirt.dxf</InputPatternFile>"
              "<TableSetFile>styles/women.mst</TableSetFile>"
              "<MaskFilePaths><FilePath><FilePath>C:\\Styles\\FRONT.msk</FilePath></FilePath>"
              "<FilePath><FilePath>C:\\Styles\\gone.msk</FilePath></FilePath></MaskFilePaths>"
              "</MorvaneWorkspace>");

    CMorvaneWorkspace workspace;
    ASSERT_TRUE(workspace.Load(m_folder / "work.mvw")) << workspace.GetLastError();
    EXPECT_EQ(workspace.GetInputPatternPath(), m_folder / "shirt.dxf");
    EXPECT_EQ(workspace.GetTableSetPath(), m_folder / "styles/women.mst");
    EXPECT_EQ(workspace.GetMaskPaths(),
              (std::vector<std::filesystem::path>{m_folder / "front.msk", "/Styles/gone.msk"}));
    EXPECT_EQ(workspace.GetMaskFiles().front(), "C:\\Styles\\FRONT.msk") << "kept as stored";
}

TEST_F(WorkspaceTest, TheDefaultFilesLiveInTheUsersConfigurationFolder)
{
    setenv("XDG_CONFIG_HOME", m_folder.path().c_str(), 1);
    EXPECT_EQ(CMorvaneWorkspace::GetDefaultWorkspacePath(), m_folder / "morvane/default.mvw");
    EXPECT_EQ(CMorvaneWorkspace::GetDefaultContextPath(), m_folder / "morvane/default.mvc");

    CMorvaneWorkspace workspace;
    setThreeMasks(workspace);
    EXPECT_TRUE(workspace.Save(CMorvaneWorkspace::GetDefaultWorkspacePath()))
        << "the folder is made when missing: " << workspace.GetLastError();
    unsetenv("XDG_CONFIG_HOME");
}
