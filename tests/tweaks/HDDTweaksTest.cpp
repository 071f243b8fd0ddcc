#include <gtest/gtest.h>

#include "platform/ProgramPaths.h"
#include "support/EmulatedSystem.h"
#include "support/CPreservedFile.h"
#include "support/CRegistrySandbox.h"
#include "support/CSavedVariable.h"
#include "support/CTestFolder.h"
#include "tweaks/CHDDTweaks.h"
#include "tweaks/TempFolderRules.h"

namespace {

class HDDTweaks : public testing::Test {
protected:
    CRegistrySandbox sandbox_;
    CHDDTweaks module_;
    CPreservedFile systemIni_{module_.SystemIniPath()};

    std::string SystemIni() const { return CTestFolder::ReadFile(systemIni_.Path()); }

    void ExpectVCache(DWORD minimum, DWORD maximum, DWORD chunk) {
        DWORD read[3] = {9, 9, 9};
        EXPECT_TRUE(module_.GetVCache(read[0], read[1], read[2]));
        EXPECT_EQ(read[0], minimum);
        EXPECT_EQ(read[1], maximum);
        EXPECT_EQ(read[2], chunk);
    }
};

TEST_F(HDDTweaks, VCacheZeroRemovesItsKeyTheRestOfSystemIniStaysAndAFailedWriteIsReported) {
    systemIni_.Write("[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\nMinFileCache=1024\r\n"
                     "MaxFileCache=lots\r\n[386Enh]\r\nMinSPs=4\r\n");
    ExpectVCache(1024, 0, 0);
    EXPECT_TRUE(module_.SetVCache(0, 4096, 512));
    const std::string content = SystemIni();
    EXPECT_EQ(content.find("MinFileCache"), std::string::npos) << content;
    for (const char* line :
         {"MaxFileCache=4096", "Chunksize=512", "shell=Explorer.exe", "MinSPs=4"})
        EXPECT_NE(content.find(line), std::string::npos) << line << "\n" << content;
    ExpectVCache(0, 4096, 512);
    EXPECT_TRUE(module_.SetVCache(2048, 8192, 0));
    ExpectVCache(2048, 8192, 0);
    EXPECT_EQ(SystemIni().find("Chunksize"), std::string::npos);

    // A write that fails is reported.
    const std::string before = "[vcache]\r\nMaxFileCache=1024\r\n";
    systemIni_.Write(before);
    // Another program holds the file open for itself.
    const HANDLE held =
        CreateFileA(systemIni_.Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const BOOL written = module_.SetVCache(1024, 4096, 512);
    CloseHandle(held);
    EXPECT_FALSE(written);
    EXPECT_EQ(SystemIni(), before);
}

// The temporary folder is pointed at a folder of the test's own. Refusals of the system's real
// folders are checked on the decision alone, so that a fault can never empty them.
class TempFolder : public testing::Test {
protected:
    CSavedVariable tmp_{"TMP"};
    CSavedVariable profile_{"USERPROFILE"};
    CTestFolder folder_{"temp"};
    std::string temp_ = folder_ / "Temp";
    bool clears_ = EmulatedNineX() || EmulatedNT();

    void SetUp() override {
        CTestFolder::MakeDirectory(temp_);
        CTestFolder::WriteFile(temp_ + "\\a.tmp", "x");
        CTestFolder::WriteFile(temp_ + "\\index.dat", "keep");
        CTestFolder::MakeDirectory(temp_ + "\\sub");
        CTestFolder::WriteFile(temp_ + "\\sub\\b.tmp", "x");
        tmp_.Set(temp_);
    }
    bool Untouched() const {
        return CTestFolder::Exists(temp_ + "\\a.tmp") &&
               CTestFolder::Exists(temp_ + "\\sub\\b.tmp");
    }
    bool Cleared() const {
        return CTestFolder::ReadFile(temp_ + "\\index.dat") == "keep" &&
               !CTestFolder::Exists(temp_ + "\\a.tmp") && !CTestFolder::Exists(temp_ + "\\sub");
    }
    bool Refused(const std::string& temporaryPath) const {
        tmp_.Set(temporaryPath);
        return IsTempFolderRefused(CollectTempFolderPlaces());
    }
};

// An ordinary folder is cleared on either family only; a file in use fails the clear, and the rest
// is gone.
TEST_F(TempFolder, AnOrdinaryFolderIsClearedOnEitherFamilyOnly) {
    if (clears_) {
        HANDLE busy = CreateFileA((temp_ + "\\sub\\b.tmp").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(busy, INVALID_HANDLE_VALUE);
        EXPECT_FALSE(CHDDTweaks().ClearTempFolder());
        CloseHandle(busy);
        EXPECT_FALSE(CTestFolder::Exists(temp_ + "\\a.tmp"));
        EXPECT_TRUE(CTestFolder::Exists(temp_ + "\\sub\\b.tmp"));
    }
    EXPECT_EQ(CHDDTweaks().ClearTempFolder(), clears_ ? TRUE : FALSE);
    EXPECT_TRUE(clears_ ? Cleared() : Untouched());
}

TEST_F(TempFolder, TheCurrentDirectoryIsRefusedOnTheNineXFamily) {
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    ASSERT_TRUE(SetCurrentDirectoryA(temp_.c_str()));
    const BOOL cleared = CHDDTweaks().ClearTempFolder();
    SetCurrentDirectoryA(current);
    EXPECT_EQ(cleared, EmulatedNT() ? TRUE : FALSE);
    EXPECT_TRUE(EmulatedNT() ? Cleared() : Untouched());
}

TEST_F(TempFolder, TheProfileFolderIsRefusedWhateverItsCaseBackslashOrShortName) {
    profile_.Set(temp_ + "\\");
    std::string upper = temp_;
    CharUpperBuffA(&upper[0], static_cast<DWORD>(upper.size()));
    tmp_.Set(upper);
    EXPECT_FALSE(CHDDTweaks().ClearTempFolder());
    EXPECT_TRUE(Untouched());
    char shortName[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(temp_.c_str(), shortName, MAX_PATH);
    ASSERT_TRUE(length > 0 && length < MAX_PATH);
    ASSERT_NE(FolderKey(shortName), FolderKey(temp_)); // the test folder has a long name
    profile_.Set(temp_);
    tmp_.Set(shortName);
    EXPECT_FALSE(CHDDTweaks().ClearTempFolder());
    EXPECT_TRUE(Untouched());
    // And the other way round: the profile named by its short name, the folder by its long one.
    profile_.Set(shortName);
    EXPECT_TRUE(Refused(temp_));
}

TEST_F(TempFolder, FoldersThatHoldMoreThanTemporaryFilesAreRefused) {
    const std::string windows = CHDDTweaks().WindowsDirectory();
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string profile = folder_ / "Profile";
    profile_.Set(profile);
    for (const std::string& path :
         {windows, windows + "\\", windows + "\\system32\\..", std::string(system),
          GetProgramDirectory(), DirectoryOfPath(GetProgramDirectory()), std::string("C:\\"),
          profile, folder_.Path(), "C:\\" + std::string(300, 't')})
        EXPECT_TRUE(Refused(path)) << path;
    // Folders inside them are the usual temporary folders.
    for (const std::string& path : {windows + "\\Temp", profile + "\\Local Settings\\Temp"})
        EXPECT_EQ(Refused(path), !clears_) << path;
    tmp_.Set(temp_);
    EXPECT_EQ(CollectTempFolderPlaces().tempPath, temp_ + "\\");
}

} // namespace
