#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ProgramPaths.h"
#include "support/CTestFolder.h"
#include "support/ModuleFileChecks.h"
#include "support/ModuleFileMutations.h"
#include "tweaks/CDesktopTweaks.h"
#include "tweaks/CStartMenuTweaks.h"
#include "tweaks/CSystemTweaks.h"

namespace {

// Every field distinct, so that a field read into the wrong place shows.
CDesktopTweaks FilledDesktop() {
    CDesktopTweaks module;
    module.showWindowsVersion = 0x11;
    module.noShortcutPrefix = 0x22;
    module.hideShortcutArrows = 0x33;
    module.reserved1 = 0x44;
    module.fontSmoothing = 0x55;
    module.reserved2 = 0x66;
    module.openWith = 0x77;
    module.maxCachedIcons = 0x12345678;
    return module;
}

class DesktopFile : public testing::Test {
protected:
    CTestFolder folder_{"desktopfile"};
    std::string file_ = folder_ / "desktop.tvb";
};

TEST_F(DesktopFile, TheDefaultFileIsInTheBackupFolder) {
    EXPECT_EQ(CDesktopTweaks::DefaultBackupFile(), GetProgramDirectory() + "\\Backup\\desktop.tvb");
}

TEST_F(DesktopFile, FontSmoothingIsStoredBeforeTheFirstReservedNumber) {
    ASSERT_EQ(FilledDesktop().SaveToFile(file_), 1);
    const std::string bytes = CTestFolder::ReadFile(file_);
    EXPECT_EQ(bytes.substr(0, 20), std::string("\xFF\xFF\x01\x00\x0E\x00", 6) + "CDesktopTweaks");
    EXPECT_EQ(bytes, NumberRecordFile("CDesktopTweaks",
                                      {0x11, 0x22, 0x33, 0x55, 0x44, 0x66, 0x77, 0x12345678}));
}

TEST_F(DesktopFile, ARoundTripKeepsEveryFieldInItsPlace) {
    const CDesktopTweaks saved = FilledDesktop();
    ASSERT_EQ(saved.SaveToFile(file_), 1);
    std::unique_ptr<CDesktopTweaks> loaded;
    ASSERT_EQ(CDesktopTweaks::LoadFromFile(loaded, file_), 1);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->showWindowsVersion, saved.showWindowsVersion);
    EXPECT_EQ(loaded->noShortcutPrefix, saved.noShortcutPrefix);
    EXPECT_EQ(loaded->hideShortcutArrows, saved.hideShortcutArrows);
    EXPECT_EQ(loaded->reserved1, saved.reserved1);
    EXPECT_EQ(loaded->fontSmoothing, saved.fontSmoothing);
    EXPECT_EQ(loaded->reserved2, saved.reserved2);
    EXPECT_EQ(loaded->openWith, saved.openWith);
    EXPECT_EQ(loaded->maxCachedIcons, saved.maxCachedIcons);
}

TEST_F(DesktopFile, OnlyTheDesktopModuleLoadsItsFile) {
    ASSERT_EQ(FilledDesktop().SaveToFile(file_), 1);
    ExpectReadAsOtherClassFails<CStartMenuTweaks>(file_);
    ExpectReadAsOtherClassFails<CSystemTweaks>(file_);
    ASSERT_EQ(CSystemTweaks().SaveToFile(file_), 1);
    ExpectReadAsOtherClassFails<CDesktopTweaks>(file_);
}

TEST_F(DesktopFile, MutatedAndTruncatedFilesNeverCrashTheLoader) {
    ASSERT_EQ(FilledDesktop().SaveToFile(file_), 1);
    LoadMutationsOf<CDesktopTweaks>(CTestFolder::ReadFile(file_), file_, 2000);
}

} // namespace
