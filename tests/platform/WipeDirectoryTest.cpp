#include <gtest/gtest.h>

#include "platform/SystemActions.h"
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

    WipeDirectory(tree_);

    EXPECT_TRUE(CTestFolder::Exists(tree_));
    EXPECT_EQ(CTestFolder::ReadFile(In("index.dat")), "keep");
    EXPECT_EQ(CTestFolder::ReadFile(In("cache\\INDEX.DAT")), "keep");
    EXPECT_EQ(CTestFolder::ReadFile(In("deep\\deeper\\Index.Dat")), "keep");
    for (const char* gone : {"plain.txt", "readonly.txt", "hidden.txt", "empty", "cache\\page.htm",
                             "deep\\deeper\\other.dat", "gone", "index.dat.bak"})
        EXPECT_FALSE(CTestFolder::Exists(In(gone))) << gone;
}

TEST_F(WipeDirectoryTest, AMissingFolderIsLeftAlone) {
    WipeDirectory(folder_ / "no such folder");
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
    CTestFolder::MakeDirectory(outside + "\\empty");
    ASSERT_TRUE(CTestFolder::MakeUnixSymlink(outside, In("link to outside")));
    ASSERT_TRUE(CTestFolder::MakeUnixSymlink(outside + "\\linked-file.txt", In("file link")));
    ASSERT_TRUE(CTestFolder::MakeUnixSymlink(outside + "\\empty", In("link to empty")));
    ASSERT_TRUE(GetFileAttributesA(In("link to outside").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
    CTestFolder::WriteFile(In("ordinary.txt"), "x");

    WipeDirectory(tree_);

    EXPECT_EQ(CTestFolder::ReadFile(outside + "\\precious.txt"), "must survive");
    EXPECT_EQ(CTestFolder::ReadFile(outside + "\\sub\\also.txt"), "must survive");
    EXPECT_EQ(CTestFolder::ReadFile(outside + "\\linked-file.txt"), "must survive");
    EXPECT_FALSE(GetFileAttributesA((outside + "\\linked-file.txt").c_str()) &
                 (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
    // Removing a link to an empty folder must not remove the folder it points to.
    EXPECT_TRUE(CTestFolder::Exists(outside + "\\empty"));
    EXPECT_FALSE(CTestFolder::Exists(In("ordinary.txt")));
}

} // namespace
