#include <gtest/gtest.h>

#include <initializer_list>

#include "platform/WipeDirectory.h"
#include "support/CTestFolder.h"

namespace {

class WipeDirectoryTest : public testing::Test {
protected:
    CTestFolder folder_{"wipe"};
    std::string tree_ = folder_ / "tree";

    void SetUp() override { CTestFolder::MakeDirectory(tree_); }
    std::string In(const std::string& relative) const { return tree_ + "\\" + relative; }
    // Makes `base` and the entries under it with their folders: "name\" is a folder,
    // "name=text" a file holding the text, "name" a file holding "x".
    static void Make(const std::string& base, std::initializer_list<std::string> entries) {
        CTestFolder::MakeDirectory(base);
        for (const std::string& entry : entries) {
            const size_t equals = entry.find('=');
            const std::string name = entry.substr(0, equals);
            for (size_t slash = name.find('\\'); slash != std::string::npos;
                 slash = name.find('\\', slash + 1))
                CTestFolder::MakeDirectory(base + "\\" + name.substr(0, slash));
            if (name.back() != '\\')
                CTestFolder::WriteFile(base + "\\" + name, equals == std::string::npos
                                                               ? "x"
                                                               : entry.substr(equals + 1));
        }
    }
};

TEST_F(WipeDirectoryTest, RemovesEverythingButTheFolderAndItsIndexFiles) {
    Make(tree_, {"plain.txt", "index.dat=keep", "readonly.txt", "hidden.txt", "empty\\",
                 "cache\\page.htm", "cache\\INDEX.DAT=keep", "deep\\deeper\\Index.Dat=keep",
                 "deep\\deeper\\other.dat", "gone\\a.txt", "index.dat.bak"});
    SetFileAttributesA(In("readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(In("hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

    // Kept index files are no failure, nor are the folders that keep them.
    EXPECT_EQ(WipeDirectory(tree_), 0u);

    EXPECT_TRUE(CTestFolder::Exists(tree_));
    for (const char* kept : {"index.dat", "cache\\INDEX.DAT", "deep\\deeper\\Index.Dat"})
        EXPECT_EQ(CTestFolder::ReadFile(In(kept)), "keep") << kept;
    for (const char* gone : {"plain.txt", "readonly.txt", "hidden.txt", "empty", "cache\\page.htm",
                             "deep\\deeper\\other.dat", "gone", "index.dat.bak"})
        EXPECT_FALSE(CTestFolder::Exists(In(gone))) << gone;
}

// Files in use stay, and are counted: a clear must not report success while they remain.
TEST_F(WipeDirectoryTest, EntriesThatCannotBeRemovedAreCountedAndAMissingFolderIsNoFailure) {
    Make(tree_, {"busy.txt", "deep\\deeper\\busy.log", "deep\\deeper\\index.dat=keep",
                 "deep\\free.txt", "free.txt"});
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
    Make(outside, {"precious.txt=must survive", "sub\\also.txt=must survive",
                   "linked-file.txt=must survive", "empty\\"});
    // Marked read-only and hidden, the file the link leads to looks like an entry whose marks
    // must be taken away before it can be removed: they must stay where they are.
    const DWORD marks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
    SetFileAttributesA((outside + "\\linked-file.txt").c_str(), marks);
    ASSERT_TRUE(CTestFolder::MakeUnixSymlink(outside, In("link to outside")));
    ASSERT_TRUE(CTestFolder::MakeUnixSymlink(outside + "\\linked-file.txt", In("file link")));
    ASSERT_TRUE(CTestFolder::MakeUnixSymlink(outside + "\\empty", In("link to empty")));
    ASSERT_TRUE(GetFileAttributesA(In("link to outside").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
    Make(tree_, {"ordinary.txt"});

    EXPECT_EQ(WipeDirectory(tree_), 0u);

    for (const char* file : {"precious.txt", "sub\\also.txt", "linked-file.txt"})
        EXPECT_EQ(CTestFolder::ReadFile(outside + "\\" + file), "must survive") << file;
    EXPECT_EQ(GetFileAttributesA((outside + "\\linked-file.txt").c_str()) & marks, marks);
    // Removing a link to an empty folder must not remove the folder it points to.
    EXPECT_TRUE(CTestFolder::Exists(outside + "\\empty"));
    EXPECT_FALSE(CTestFolder::Exists(In("ordinary.txt")));
}

} // namespace
