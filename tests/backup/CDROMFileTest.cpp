#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ProgramPaths.h"
#include "support/CTestFolder.h"
#include "support/ModuleFileChecks.h"
#include "support/ModuleFileMutations.h"
#include "tweaks/CCDROMTweaks.h"
#include "tweaks/CInternetTweaks.h"

namespace {

CCDROMTweaks FilledCDROM() {
    CCDROMTweaks module;
    module.cdSpeed = 104;
    module.cacheSize = 2;
    module.autorun = 0x01020304;
    module.dataAutoPlay = 1;
    return module;
}

class CDROMFile : public testing::Test {
protected:
    CTestFolder folder_{"cdromfile"};
    std::string file_ = folder_ / "cdrom.tvb";
};

TEST_F(CDROMFile, TheDefaultFileIsCdromTvbInTheBackupFolder) {
    EXPECT_EQ(CCDROMTweaks::DefaultBackupFile(), GetProgramDirectory() + "\\Backup\\cdrom.tvb");
}

TEST_F(CDROMFile, TheFileHoldsTheClassAndTheNumbersInOrder) {
    ASSERT_EQ(FilledCDROM().SaveToFile(file_), 1);
    const std::string bytes = CTestFolder::ReadFile(file_);
    EXPECT_EQ(bytes.substr(0, 18), std::string("\xFF\xFF\x01\x00\x0C\x00", 6) + "CCDROMTweaks");
    EXPECT_EQ(bytes, NumberRecordFile("CCDROMTweaks", {104, 2, 0x01020304, 1}));
}

TEST_F(CDROMFile, ARoundTripKeepsEveryFieldInItsPlace) {
    const CCDROMTweaks saved = FilledCDROM();
    const std::unique_ptr<CCDROMTweaks> loaded = SavedAndLoaded(saved, file_);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->cdSpeed, saved.cdSpeed);
    EXPECT_EQ(loaded->cacheSize, saved.cacheSize);
    EXPECT_EQ(loaded->autorun, saved.autorun);
    EXPECT_EQ(loaded->dataAutoPlay, saved.dataAutoPlay);
}

TEST_F(CDROMFile, ReadAsAnotherModuleItFails) {
    ASSERT_EQ(FilledCDROM().SaveToFile(file_), 1);
    ExpectReadAsOtherClassFails<CInternetTweaks>(file_);
}

TEST_F(CDROMFile, MutatedAndTruncatedFilesNeverCrashTheLoader) {
    ASSERT_EQ(FilledCDROM().SaveToFile(file_), 1);
    LoadMutationsOf<CCDROMTweaks>(CTestFolder::ReadFile(file_), file_, 2000);
}

} // namespace
