#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ProgramPaths.h"
#include "support/CTestFolder.h"
#include "support/ModuleFileChecks.h"
#include "support/ModuleFileMutations.h"
#include "tweaks/CBootupTweaks.h"
#include "tweaks/CShutdownTweaks.h"

namespace {

// A distinct value in every field, the reserved ones too, so that a field read into the wrong
// place shows.
CBootupTweaks FilledBootup() {
    CBootupTweaks module;
    module.bootMenu = 1;
    module.changeStartupImage = 2;
    module.startupImagePath = "C:\\My Documents\\startup.bmp";
    module.autoscan = 3;
    module.reservedFlag1 = 4;
    module.reservedText1 = "first";
    module.reservedText2 = std::string(300, 's');
    module.disableDrvSpace = 5;
    module.disableDblSpace = 6;
    module.disableDoubleBuffer = 7;
    module.reservedFlag2 = 0x01020308;
    return module;
}

class BootupFile : public testing::Test {
protected:
    CTestFolder folder_{"bootupfile"};
    std::string file_ = folder_ / "bootup.tvb";
};

TEST_F(BootupFile, TheDefaultFileIsBootupInTheBackupFolder) {
    EXPECT_EQ(CBootupTweaks::DefaultBackupFile(), GetProgramDirectory() + "\\Backup\\bootup.tvb");
}

TEST_F(BootupFile, ARoundTripKeepsEveryFieldInItsPlace) {
    const CBootupTweaks saved = FilledBootup();
    const std::unique_ptr<CBootupTweaks> loaded = SavedAndLoaded(saved, file_);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->bootMenu, saved.bootMenu);
    EXPECT_EQ(loaded->changeStartupImage, saved.changeStartupImage);
    EXPECT_EQ(loaded->startupImagePath, saved.startupImagePath);
    EXPECT_EQ(loaded->autoscan, saved.autoscan);
    EXPECT_EQ(loaded->reservedFlag1, saved.reservedFlag1);
    EXPECT_EQ(loaded->reservedText1, saved.reservedText1);
    EXPECT_EQ(loaded->reservedText2, saved.reservedText2);
    EXPECT_EQ(loaded->disableDrvSpace, saved.disableDrvSpace);
    EXPECT_EQ(loaded->disableDblSpace, saved.disableDblSpace);
    EXPECT_EQ(loaded->disableDoubleBuffer, saved.disableDoubleBuffer);
    EXPECT_EQ(loaded->reservedFlag2, saved.reservedFlag2);
}

TEST_F(BootupFile, TheRecordFollowsTheClassInArchiveOrder) {
    CBootupTweaks module = FilledBootup();
    module.startupImagePath = "P";
    module.reservedText2 = "R2";
    ASSERT_EQ(module.SaveToFile(file_), 1);
    const std::string bytes = CTestFolder::ReadFile(file_);
    EXPECT_EQ(bytes.substr(0, 19), std::string("\xFF\xFF\x01\x00\x0D\x00", 6) + "CBootupTweaks");
    EXPECT_EQ(bytes, ClassHeader("CBootupTweaks") + NumberBytes(1) + NumberBytes(2) +
                         ShortTextBytes("P") + NumberBytes(3) + NumberBytes(4) +
                         ShortTextBytes("first") + ShortTextBytes("R2") + NumberBytes(5) +
                         NumberBytes(6) + NumberBytes(7) + NumberBytes(0x01020308));
}

TEST_F(BootupFile, ABootupFileIsNoShutdownFile) {
    ASSERT_EQ(FilledBootup().SaveToFile(file_), 1);
    ExpectReadAsOtherClassFails<CShutdownTweaks>(file_);
}

TEST_F(BootupFile, MutatedAndTruncatedFilesNeverCrashTheLoader) {
    ASSERT_EQ(FilledBootup().SaveToFile(file_), 1);
    LoadMutationsOf<CBootupTweaks>(CTestFolder::ReadFile(file_), file_, 2000);
}

} // namespace
