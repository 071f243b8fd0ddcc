#include <gtest/gtest.h>

#include "platform/CRegistryAccess.h"
#include "platform/RegistryPrimitives.h"
#include "support/CTestFolder.h"

namespace {

class ProfileAndFiles : public testing::Test {
protected:
    CTestFolder folder_{"profile"};
    std::string ini_ = folder_ / "System.ini";
};

// Numbers are read as decimal text into a buffer of the given size; what is missing or not a
// number reads as 0 (or as the default text given).
TEST_F(ProfileAndFiles, NumbersReadAsDecimalTextWithMissingKeysAsZero) {
    CTestFolder::WriteFile(ini_, "[vcache]\r\nMaxFileCache=4096\r\nChunksize=abc\r\n"
                                 "[386Enh]\r\nMinSPs=12345\r\n");
    const struct {
        const char *section, *key;
        DWORD buffer;
        const char* fallback;
        int number;
    } reads[] = {
        {"vcache", "MaxFileCache", 8, "0", 4096},
        {"vcache", "MinFileCache", 8, "0", 0},
        {"vcache", "Chunksize", 8, "0", 0},
        {"missing", "Key", 8, "0", 0},
        {"vcache", "MinFileCache", 4, "1", 1},
        {"386Enh", "MinSPs", 4, "0", 123}, // a small buffer keeps only the first digits
    };
    for (const auto& r : reads)
        EXPECT_EQ(CRegistryAccess::ReadProfileNumber(ini_, r.section, r.key, r.buffer, r.fallback),
                  r.number)
            << r.section << " " << r.key << " " << r.buffer;
    EXPECT_EQ(CRegistryAccess::ReadProfileNumber(folder_ / "none.ini", "vcache", "Key", 8), 0);
    EXPECT_EQ(CRegistryAccess::ReadProfileText(ini_, "386Enh", "MinSPs", "0", 8), "12345");
}

TEST_F(ProfileAndFiles, WritingKeepsOtherSectionsAndKeysAndANullTextRemovesTheKey) {
    CTestFolder::WriteFile(ini_, "[boot]\r\nshell=Explorer.exe\r\n; a comment\r\n"
                                 "[vcache]\r\nMinFileCache=1024\r\nMaxFileCache=2048\r\n");
    EXPECT_TRUE(CRegistryAccess::WriteProfileText(ini_, "vcache", "MaxFileCache", "4096"));
    EXPECT_TRUE(CRegistryAccess::WriteProfileText(ini_, "vcache", "MinFileCache", nullptr));
    EXPECT_TRUE(CRegistryAccess::WriteProfileText(ini_, "vcache", "Chunksize", "512"));

    const std::string content = CTestFolder::ReadFile(ini_);
    EXPECT_NE(content.find("shell=Explorer.exe"), std::string::npos);
    EXPECT_NE(content.find("; a comment"), std::string::npos);
    EXPECT_EQ(content.find("MinFileCache"), std::string::npos);
    EXPECT_EQ(CRegistryAccess::ReadProfileNumber(ini_, "vcache", "MaxFileCache", 8), 4096);
    EXPECT_EQ(CRegistryAccess::ReadProfileNumber(ini_, "vcache", "Chunksize", 8), 512);
}

TEST_F(ProfileAndFiles, SetFileNormalUnprotectsAndProtects) {
    const std::string file = folder_ / "msdos.sys";
    CTestFolder::WriteFile(file, "[Options]\r\n");
    EXPECT_TRUE(SetFileNormal(file.c_str(), 0));
    const DWORD protectedAttributes = GetFileAttributesA(file.c_str());
    EXPECT_TRUE(protectedAttributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(protectedAttributes & FILE_ATTRIBUTE_SYSTEM);
    EXPECT_TRUE(SetFileNormal(file.c_str(), 1));
    const DWORD normal = GetFileAttributesA(file.c_str());
    EXPECT_FALSE(normal & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    EXPECT_FALSE(SetFileNormal((folder_ / "missing").c_str(), 1));
}

// A move reports success even when there is nothing to move; both a move and a copy replace an
// existing file only when asked to.
TEST_F(ProfileAndFiles, MoveAndCopyReplaceOnlyWhenAsked) {
    EXPECT_TRUE(MoveFileTo((folder_ / "missing").c_str(), (folder_ / "target").c_str(), 1));
    EXPECT_FALSE(CTestFolder::Exists(folder_ / "target"));

    CTestFolder::WriteFile(folder_ / "a", "first");
    CTestFolder::WriteFile(folder_ / "b", "second");
    EXPECT_TRUE(MoveFileTo((folder_ / "a").c_str(), (folder_ / "b").c_str(), 0));
    EXPECT_EQ(CTestFolder::ReadFile(folder_ / "b"), "second");
    EXPECT_TRUE(CTestFolder::Exists(folder_ / "a"));
    EXPECT_TRUE(MoveFileTo((folder_ / "a").c_str(), (folder_ / "b").c_str(), 1));
    EXPECT_EQ(CTestFolder::ReadFile(folder_ / "b"), "first");
    EXPECT_FALSE(CTestFolder::Exists(folder_ / "a"));

    CTestFolder::WriteFile(folder_ / "a", "new");
    EXPECT_FALSE(CopyFileTo((folder_ / "a").c_str(), (folder_ / "b").c_str(), FALSE));
    EXPECT_EQ(CTestFolder::ReadFile(folder_ / "b"), "first");
    EXPECT_TRUE(CopyFileTo((folder_ / "a").c_str(), (folder_ / "b").c_str(), TRUE));
    EXPECT_EQ(CTestFolder::ReadFile(folder_ / "b"), "new");
    EXPECT_FALSE(CopyFileTo((folder_ / "missing").c_str(), (folder_ / "c").c_str(), TRUE));
}

} // namespace
