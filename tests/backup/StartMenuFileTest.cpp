#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ProgramPaths.h"
#include "support/CTestFolder.h"
#include "support/ModuleFileChecks.h"
#include "support/ModuleFileMutations.h"
#include "tweaks/CDesktopTweaks.h"
#include "tweaks/CStartMenuTweaks.h"

namespace {

// Every field distinct, so that a field read into the wrong place shows.
CStartMenuTweaks FilledStartMenu() {
    CStartMenuTweaks module;
    module.noWindowsUpdate = 1;
    module.noRecentDocMenu = 2;
    module.noFavoritesMenu = 3;
    module.noFind = 4;
    module.noRun = 5;
    module.noLogOff = 6;
    module.noClose = 7;
    module.reserved1 = 8;
    module.reserved2 = 9;
    module.reserved3 = 10;
    module.sortStartMenu = 11;
    module.menuShowDelay = 0x01020304;
    return module;
}

class StartMenuFile : public testing::Test {
protected:
    CTestFolder folder_{"startmenufile"};
    std::string file_ = folder_ / "startmenu.tvb";
};

TEST_F(StartMenuFile, TheDefaultFileIsInTheBackupFolder) {
    EXPECT_EQ(CStartMenuTweaks::DefaultBackupFile(),
              GetProgramDirectory() + "\\Backup\\startmenu.tvb");
}

TEST_F(StartMenuFile, TheDelayAndTheSortFlagComeFirst) {
    ASSERT_EQ(FilledStartMenu().SaveToFile(file_), 1);
    const std::string bytes = CTestFolder::ReadFile(file_);
    EXPECT_EQ(bytes.substr(0, 22), std::string("\xFF\xFF\x01\x00\x10\x00", 6) + "CStartMenuTweaks");
    EXPECT_EQ(bytes, NumberRecordFile("CStartMenuTweaks",
                                      {0x01020304, 11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(StartMenuFile, ARoundTripKeepsEveryFieldInItsPlace) {
    const CStartMenuTweaks saved = FilledStartMenu();
    ASSERT_EQ(saved.SaveToFile(file_), 1);
    std::unique_ptr<CStartMenuTweaks> loaded;
    ASSERT_EQ(CStartMenuTweaks::LoadFromFile(loaded, file_), 1);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->noWindowsUpdate, saved.noWindowsUpdate);
    EXPECT_EQ(loaded->noRecentDocMenu, saved.noRecentDocMenu);
    EXPECT_EQ(loaded->noFavoritesMenu, saved.noFavoritesMenu);
    EXPECT_EQ(loaded->noFind, saved.noFind);
    EXPECT_EQ(loaded->noRun, saved.noRun);
    EXPECT_EQ(loaded->noLogOff, saved.noLogOff);
    EXPECT_EQ(loaded->noClose, saved.noClose);
    EXPECT_EQ(loaded->reserved1, saved.reserved1);
    EXPECT_EQ(loaded->reserved2, saved.reserved2);
    EXPECT_EQ(loaded->reserved3, saved.reserved3);
    EXPECT_EQ(loaded->sortStartMenu, saved.sortStartMenu);
    EXPECT_EQ(loaded->menuShowDelay, saved.menuShowDelay);
}

TEST_F(StartMenuFile, OnlyTheStartMenuModuleLoadsItsFile) {
    ASSERT_EQ(FilledStartMenu().SaveToFile(file_), 1);
    ExpectReadAsOtherClassFails<CDesktopTweaks>(file_);
    ASSERT_EQ(CDesktopTweaks().SaveToFile(file_), 1);
    ExpectReadAsOtherClassFails<CStartMenuTweaks>(file_);
}

TEST_F(StartMenuFile, MutatedAndTruncatedFilesNeverCrashTheLoader) {
    ASSERT_EQ(FilledStartMenu().SaveToFile(file_), 1);
    LoadMutationsOf<CStartMenuTweaks>(CTestFolder::ReadFile(file_), file_, 2000);
}

} // namespace
