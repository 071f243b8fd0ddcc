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

CShutdownTweaks FilledShutdown() {
    CShutdownTweaks module;
    module.autoEndTasks = 1;
    module.fastReboot = 2;
    module.changeShutdownImage = 3;
    module.shutdownImagePath = "C:\\My Documents\\shutdown.bmp";
    module.changeTurnoffImage = 0xA0B0C0D0;
    module.turnoffImagePath = std::string(0xFFFE, 'o');
    return module;
}

class ShutdownFile : public testing::Test {
protected:
    CTestFolder folder_{"shutdownfile"};
    std::string file_ = folder_ / "shutdown.tvb";
};

TEST_F(ShutdownFile, TheDefaultFileIsShutdownInTheBackupFolder) {
    EXPECT_EQ(CShutdownTweaks::DefaultBackupFile(),
              GetProgramDirectory() + "\\Backup\\shutdown.tvb");
}

TEST_F(ShutdownFile, ARoundTripKeepsEveryFieldInItsPlace) {
    const CShutdownTweaks saved = FilledShutdown();
    const std::unique_ptr<CShutdownTweaks> loaded = SavedAndLoaded(saved, file_);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->autoEndTasks, saved.autoEndTasks);
    EXPECT_EQ(loaded->fastReboot, saved.fastReboot);
    EXPECT_EQ(loaded->changeShutdownImage, saved.changeShutdownImage);
    EXPECT_EQ(loaded->shutdownImagePath, saved.shutdownImagePath);
    EXPECT_EQ(loaded->changeTurnoffImage, saved.changeTurnoffImage);
    EXPECT_EQ(loaded->turnoffImagePath, saved.turnoffImagePath);
}

TEST_F(ShutdownFile, TheRecordFollowsTheClassInArchiveOrder) {
    CShutdownTweaks module = FilledShutdown();
    module.turnoffImagePath = "T";
    ASSERT_EQ(module.SaveToFile(file_), 1);
    const std::string bytes = CTestFolder::ReadFile(file_);
    EXPECT_EQ(bytes.substr(0, 21), std::string("\xFF\xFF\x01\x00\x0F\x00", 6) + "CShutdownTweaks");
    EXPECT_EQ(bytes, ClassHeader("CShutdownTweaks") + NumberBytes(1) + NumberBytes(2) +
                         NumberBytes(3) + ShortTextBytes("C:\\My Documents\\shutdown.bmp") +
                         NumberBytes(0xA0B0C0D0) + ShortTextBytes("T"));
}

TEST_F(ShutdownFile, AShutdownFileIsNoBootupFile) {
    ASSERT_EQ(FilledShutdown().SaveToFile(file_), 1);
    ExpectReadAsOtherClassFails<CBootupTweaks>(file_);
}

TEST_F(ShutdownFile, MutatedAndTruncatedFilesNeverCrashTheLoader) {
    CShutdownTweaks module = FilledShutdown();
    module.turnoffImagePath = "C:\\off.bmp";
    ASSERT_EQ(module.SaveToFile(file_), 1);
    LoadMutationsOf<CShutdownTweaks>(CTestFolder::ReadFile(file_), file_, 2000);
}

} // namespace
