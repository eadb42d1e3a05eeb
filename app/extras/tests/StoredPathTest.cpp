// Morvane program foundation extras tests.
// Paths named by stored files, found where this system keeps the files.
#include "app/extras/StoredPath.h"

#include "TemporaryFolder.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

class StoredPathTest : public ::testing::Test
{
protected:
    StoredPathTest()
    {
        std::filesystem::create_directories(m_folder / "styles");
        std::filesystem::create_directories(m_folder / "work");
        touch(m_folder / "styles/front.msk");
        touch(m_folder / "work/Back.MSK");
    }

    static void touch(const std::filesystem::path &path) { std::ofstream(path) << "x"; }

    TemporaryFolder m_folder{"stored-path"};
    std::filesystem::path m_workspace = m_folder / "work/default.mvw";
};

} // namespace

TEST_F(StoredPathTest, FindsTheFileAStoredPathNames)
{
    const std::string styles = (m_folder / "styles").string();
    const struct
    {
        const char *name;
        std::string stored;
        std::filesystem::path expected;
    } cases[] = {
        {"as stored", styles + "/front.msk", m_folder / "styles/front.msk"},
        {"relative to the referring file", "../styles/front.msk",
         m_folder / "work/../styles/front.msk"},
        {"another letter case in its own folder", styles + "/FRONT.msk",
         m_folder / "styles/front.msk"},
        {"a Windows path found beside the referring file", "C:\\old\\styles\\back.msk",
         m_folder / "work/Back.MSK"},
        {"a Windows path of an existing folder", "D:" + styles + "\\front.msk",
         m_folder / "styles/front.msk"},
        {"nowhere: the path as turned", "C:\\old\\gone.msk", "/old/gone.msk"},
        {"empty", "", ""},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ResolveStoredPath(row.stored, m_workspace), row.expected);
    }
}

TEST_F(StoredPathTest, AnExactNameWinsOverOneInAnotherCase)
{
    touch(m_folder / "work/back.msk");
    EXPECT_EQ(FindFileIgnoringCase(m_folder / "work", "back.msk"), m_folder / "work/back.msk");
    EXPECT_FALSE(FindFileIgnoringCase(m_folder / "work", "BACK.msk").empty());
    EXPECT_TRUE(FindFileIgnoringCase(m_folder / "work", "sleeve.msk").empty());
    EXPECT_TRUE(FindFileIgnoringCase(m_folder / "missing", "back.msk").empty());
}

TEST_F(StoredPathTest, TellsTheSameFileWhateverTheLetterCaseOrRoute)
{
    const std::filesystem::path front = m_folder / "styles/front.msk";
    const struct
    {
        const char *name;
        std::filesystem::path a;
        std::filesystem::path b;
        bool same;
    } cases[] = {
        {"itself", front, front, true},
        {"through another folder", front, m_folder / "work/../styles/front.msk", true},
        {"another letter case", front, m_folder / "styles/FRONT.MSK", true},
        {"a file that does not exist yet", m_folder / "new.msk", m_folder / "work/../NEW.msk",
         true},
        {"another file", front, m_folder / "work/Back.MSK", false},
        {"empty and a file", "", front, false},
        {"both empty", "", "", true},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(IsSameFileIgnoringCase(row.a, row.b), row.same);
    }
}
