// Morvane program documents tests.
// The main document's own files as the automation batch reaches them: contexts saved and loaded
// again, damaged or missing ones refused, and the table set's task manager.
#include "MainDocumentFixture.h"

#include "app/documents/MorvaneDocFiles.h"
#include "app/tables/MeasureTableDoc.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

class MorvaneDocFilesTest : public testdocuments::MainDocumentFixture
{
protected:
    TemporaryFolder m_folder{"morvane-doc-files"};
    CMorvaneDocFiles m_files{m_doc};
};

} // namespace

TEST_F(MorvaneDocFilesTest, AContextSavedFromTheDocumentLoadsBackIntoIt)
{
    ASSERT_NE(loadStyle(), nullptr);
    placeStyleOn(*addMask());
    const std::filesystem::path file = m_folder / "job.mvc";

    ASSERT_TRUE(m_files.SaveContext(file));
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_TRUE(m_files.LoadContext(file));
}

TEST_F(MorvaneDocFilesTest, AMissingOrDamagedContextIsRefused)
{
    const std::filesystem::path damaged = m_folder / "damaged.mvc";
    std::ofstream(damaged) << "<MvContext><ContexMasks>";

    EXPECT_FALSE(m_files.LoadContext(m_folder / "missing.mvc"));
    EXPECT_FALSE(m_files.LoadContext(damaged));
}

TEST_F(MorvaneDocFilesTest, TheTableSetOperationsGoToTheTableDocumentsTaskManager)
{
    EXPECT_EQ(m_files.GetTableSetTaskManager(), &m_doc.GetMeasureTableDoc()->GetTaskManager());
}
