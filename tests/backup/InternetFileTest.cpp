#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ProgramPaths.h"
#include "support/CTestFolder.h"
#include "support/ModuleFileChecks.h"
#include "support/ModuleFileMutations.h"
#include "tweaks/CInternetTweaks.h"
#include "tweaks/CSystemTweaks.h"

namespace {

CInternetTweaks FilledInternet() {
    CInternetTweaks module;
    module.mtu = 1500;
    module.rwin = 0x00010203;
    module.ttl = 0xFFFFFF80u;
    return module;
}

class InternetFile : public testing::Test {
protected:
    CTestFolder folder_{"internetfile"};
    std::string file_ = folder_ / "internet.tvb";
};

TEST_F(InternetFile, TheDefaultFileIsInternetTvbInTheBackupFolder) {
    EXPECT_EQ(CInternetTweaks::DefaultBackupFile(),
              GetProgramDirectory() + "\\Backup\\internet.tvb");
}

TEST_F(InternetFile, TheFileHoldsTheClassAndTheNumbersInOrder) {
    ASSERT_EQ(FilledInternet().SaveToFile(file_), 1);
    const std::string bytes = CTestFolder::ReadFile(file_);
    EXPECT_EQ(bytes.substr(0, 21), std::string("\xFF\xFF\x01\x00\x0F\x00", 6) + "CInternetTweaks");
    EXPECT_EQ(bytes, NumberRecordFile("CInternetTweaks", {1500, 0x00010203, 0xFFFFFF80u}));
}

TEST_F(InternetFile, ARoundTripKeepsEveryFieldInItsPlace) {
    const CInternetTweaks saved = FilledInternet();
    const std::unique_ptr<CInternetTweaks> loaded = SavedAndLoaded(saved, file_);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->mtu, saved.mtu);
    EXPECT_EQ(loaded->rwin, saved.rwin);
    EXPECT_EQ(loaded->ttl, saved.ttl);
}

TEST_F(InternetFile, ReadAsAnotherModuleItFails) {
    ASSERT_EQ(FilledInternet().SaveToFile(file_), 1);
    ExpectReadAsOtherClassFails<CSystemTweaks>(file_);
}

TEST_F(InternetFile, MutatedAndTruncatedFilesNeverCrashTheLoader) {
    ASSERT_EQ(FilledInternet().SaveToFile(file_), 1);
    LoadMutationsOf<CInternetTweaks>(CTestFolder::ReadFile(file_), file_, 2000);
}

} // namespace
