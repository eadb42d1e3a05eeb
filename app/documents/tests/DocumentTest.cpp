// Morvane program documents tests.
// The document base's path name, title and modified flag, and the recent-file list.
#include "app/documents/Document.h"

#include "app/documents/RecentFileList.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(DocumentTest, StartsUntitledAndUnmodified)
{
    CDocument document;
    EXPECT_TRUE(document.GetPathName().empty());
    EXPECT_EQ(document.GetTitle(), CDocument::kUntitledTitle);
    EXPECT_FALSE(document.IsModified());
}

TEST(DocumentTest, TakesTheFileNameAsTitleAndForgetsItAgain)
{
    CRecentFileList recent;
    CDocument document(&recent);
    document.SetPathName("/data/tables/women.mst");
    EXPECT_EQ(document.GetPathName(), fs::path("/data/tables/women.mst"));
    EXPECT_EQ(document.GetTitle(), "women.mst");
    EXPECT_EQ(recent.GetEntries(), std::vector<fs::path>{"/data/tables/women.mst"});

    document.ClearPathName();
    EXPECT_TRUE(document.GetPathName().empty());
    EXPECT_EQ(document.GetTitle(), CDocument::kUntitledTitle);
    EXPECT_EQ(recent.GetEntries().size(), 1u);
}

TEST(DocumentTest, AddsToTheRecentFilesOnlyWhenAsked)
{
    CRecentFileList recent;
    CDocument document(&recent);
    document.SetPathName("/a.mst", false);
    EXPECT_TRUE(recent.GetEntries().empty());
    CDocument withoutList;
    withoutList.SetPathName("/b.mst");
    EXPECT_EQ(withoutList.GetTitle(), "b.mst");
}

TEST(DocumentTest, NewDocumentHasNothingToSave)
{
    CDocument document;
    document.SetModifiedFlag();
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(document.OnNewDocument());
    EXPECT_FALSE(document.IsModified());
}

TEST(RecentFileListTest, KeepsTheNewestFirstWithoutRepeatsUpToItsSize)
{
    CRecentFileList recent;
    for (const char *path : {"/1", "/2", "/3", "/2", "/4", "/5", ""})
        recent.Add(path);
    EXPECT_EQ(recent.GetEntries(), (std::vector<fs::path>{"/5", "/4", "/2", "/3"}));
    recent.Remove("/4");
    recent.Remove("/absent");
    EXPECT_EQ(recent.GetEntries(), (std::vector<fs::path>{"/5", "/2", "/3"}));
}
