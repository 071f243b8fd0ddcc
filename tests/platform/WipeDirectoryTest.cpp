#include <gtest/gtest.h>

#include "platform/WipeDirectory.h"
#include "support/CTestFolder.h"

namespace {

class WipeDirectoryTest : public testing::Test {
protected:
    CTestFolder folder_{"wipe"};
    std::string tree_ = folder_ / "tree";

    void SetUp() override { CTestFolder::MakeDirectory(tree_); }
    std::string In(const std::string& relative) const { return tree_ + "\\" + relative; }
};

TEST_F(WipeDirectoryTest, RemovesEverythingButTheFolderAndItsIndexFiles) {
    CTestFolder::WriteFile(In("plain.txt"), "x");
    CTestFolder::WriteFile(In("index.dat"), "keep");
    CTestFolder::WriteFile(In("readonly.txt"), "x");
    SetFileAttributesA(In("readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    CTestFolder::WriteFile(In("hidden.txt"), "x");
    SetFileAttributesA(In("hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    CTestFolder::MakeDirectory(In("empty"));
    CTestFolder::MakeDirectory(In("cache"));
    CTestFolder::WriteFile(In("cache\\page.htm"), "x");
    CTestFolder::WriteFile(In("cache\\INDEX.DAT"), "keep");
    CTestFolder::MakeDirectory(In("deep"));
    CTestFolder::MakeDirectory(In("deep\\deeper"));
    CTestFolder::WriteFile(In("deep\\deeper\\Index.Dat"), "keep");
    CTestFolder::WriteFile(In("deep\\deeper\\other.dat"), "x");
    CTestFolder::MakeDirectory(In("gone"));
    CTestFolder::WriteFile(In("gone\\a.txt"), "x");
    CTestFolder::WriteFile(In("index.dat.bak"), "x");

    // Kept index files are no failure, nor are the folders that keep them.
    EXPECT_EQ(WipeDirectory(tree_), 0u);

    EXPECT_TRUE(CTestFolder::Exists(tree_));
    EXPECT_EQ(CTestFolder::ReadFile(In("index.dat")), "keep");
    EXPECT_EQ(CTestFolder::ReadFile(In("cache\\INDEX.DAT")), "keep");
    EXPECT_EQ(CTestFolder::ReadFile(In("deep\\deeper\\Index.Dat")), "keep");
    for (const char* gone : {"plain.txt", "readonly.txt", "hidden.txt", "empty", "cache\\page.htm",
                             "deep\\deeper\\other.dat", "gone", "index.dat.bak"})
        EXPECT_FALSE(CTestFolder::Exists(In(gone))) << gone;
}

// Files in use stay, and are counted: a clear must not report success while they remain.
TEST_F(WipeDirectoryTest, EntriesThatCannotBeRemovedAreCountedAndAMissingFolderIsNoFailure) {
    CTestFolder::WriteFile(In("busy.txt"), "x");
    CTestFolder::MakeDirectory(In("deep"));
    CTestFolder::MakeDirectory(In("deep\\deeper"));
    CTestFolder::WriteFile(In("deep\\deeper\\busy.log"), "x");
    CTestFolder::WriteFile(In("deep\\deeper\\index.dat"), "keep");
    CTestFolder::WriteFile(In("deep\\free.txt"), "x");
    CTestFolder::WriteFile(In("free.txt"), "x");
    const auto holdOpen = [](const std::string& path) {
        return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    HANDLE busy = holdOpen(In("busy.txt"));
    HANDLE deepBusy = holdOpen(In("deep\\deeper\\busy.log"));
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    ASSERT_NE(deepBusy, INVALID_HANDLE_VALUE);

    EXPECT_EQ(WipeDirectory(tree_), 2u);
    EXPECT_TRUE(CTestFolder::Exists(In("busy.txt")));
    EXPECT_TRUE(CTestFolder::Exists(In("deep\\deeper\\busy.log")));
    EXPECT_FALSE(CTestFolder::Exists(In("free.txt")));
    EXPECT_FALSE(CTestFolder::Exists(In("deep\\free.txt")));

    CloseHandle(busy);
    CloseHandle(deepBusy);
    EXPECT_EQ(WipeDirectory(tree_), 0u);
    EXPECT_FALSE(CTestFolder::Exists(In("busy.txt")));
    EXPECT_EQ(CTestFolder::ReadFile(In("deep\\deeper\\index.dat")), "keep");

    // A folder that is not there is no failure, and nothing else is touched.
    EXPECT_EQ(WipeDirectory(folder_ / "no such folder"), 0u);
    EXPECT_FALSE(CTestFolder::Exists(folder_ / "no such folder"));
    EXPECT_TRUE(CTestFolder::Exists(tree_));
}

TEST_F(WipeDirectoryTest, NeverFollowsALinkOutOfTheTree) {
    if (!CTestFolder::IsWine())
        GTEST_SKIP() << "host links can only be made under Wine";
    const std::string outside = folder_ / "outside";
    CTestFolder::MakeDirectory(outside);
    CTestFolder::WriteFile(outside + "\\precious.txt", "must survive");
    CTestFolder::MakeDirectory(outside + "\\sub");
    CTestFolder::WriteFile(outside + "\\sub\\also.txt", "must survive");
    CTestFolder::WriteFile(outside + "\\linked-file.txt", "must survive");
    // Marked read-only and hidden, the file the link leads to looks like an entry whose marks
    // must be taken away before it can be removed: they must stay where they are.
    const DWORD marks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
    SetFileAttributesA((outside + "\\linked-file.txt").c_str(), marks);
    CTestFolder::MakeDirectory(outside + "\\empty");
    ASSERT_TRUE(CTestFolder::MakeUnixSymlink(outside, In("link to outside")));
    ASSERT_TRUE(CTestFolder::MakeUnixSymlink(outside + "\\linked-file.txt", In("file link")));
    ASSERT_TRUE(CTestFolder::MakeUnixSymlink(outside + "\\empty", In("link to empty")));
    ASSERT_TRUE(GetFileAttributesA(In("link to outside").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
    CTestFolder::WriteFile(In("ordinary.txt"), "x");

    EXPECT_EQ(WipeDirectory(tree_), 0u);

    EXPECT_EQ(CTestFolder::ReadFile(outside + "\\precious.txt"), "must survive");
    EXPECT_EQ(CTestFolder::ReadFile(outside + "\\sub\\also.txt"), "must survive");
    EXPECT_EQ(CTestFolder::ReadFile(outside + "\\linked-file.txt"), "must survive");
    EXPECT_EQ(GetFileAttributesA((outside + "\\linked-file.txt").c_str()) & marks, marks);
    // Removing a link to an empty folder must not remove the folder it points to.
    EXPECT_TRUE(CTestFolder::Exists(outside + "\\empty"));
    EXPECT_FALSE(CTestFolder::Exists(In("ordinary.txt")));
}

} // namespace
