#include <gtest/gtest.h>

#include <string>

#include "support/CPreservedFile.h"
#include "support/CRegistrySandbox.h"
#include "support/CScriptedMessages.h"
#include "support/CTestFolder.h"
#include "support/TestRegistry.h"
#include "tweaks/CShutdownTweaks.h"

namespace {

const char kDesktop[] = ".DEFAULT\\Control Panel\\Desktop";
const char kShutdown[] = "System\\CurrentControlSet\\Control\\Shutdown";

void ExpectStoredText(HKEY root, const char* subKey, const char* name, const std::string& text) {
    const StoredValue stored = ReadStored(root, subKey, name);
    EXPECT_TRUE(stored.exists) << name;
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ)) << name;
    EXPECT_EQ(stored.Text(), text) << name;
}

class ShutdownTweaks : public testing::Test {
protected:
    CRegistrySandbox sandbox_;
    CShutdownTweaks module_;
};

TEST_F(ShutdownTweaks, AutoEndTasksAndItsWaitAreWrittenUnderBothRoots) {
    const struct {
        DWORD value;
        const char* endTasks;
        const char* wait;
    } cases[] = {{1, "1", "1000"}, {0, "0", "20000"}, {2, "2", "1000"}};
    for (const auto& c : cases) {
        EXPECT_TRUE(module_.SetAutoEndTasks(c.value));
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_USERS}) {
            ExpectStoredText(root, kDesktop, "AutoEndTasks", c.endTasks);
            ExpectStoredText(root, kDesktop, "WaitToKillAppTimeout", c.wait);
        }
        DWORD enabled = 7;
        EXPECT_TRUE(module_.GetAutoEndTasks(enabled));
        EXPECT_EQ(enabled, c.value != 0 ? 1u : 0u) << c.value;
    }
}

TEST_F(ShutdownTweaks, AutoEndTasksIsReadUnderUsersOnly) {
    DWORD enabled = 7;
    EXPECT_FALSE(module_.GetAutoEndTasks(enabled));
    EXPECT_EQ(enabled, 0u);

    StoreText(HKEY_CURRENT_USER, kDesktop, "AutoEndTasks", "1");
    enabled = 7;
    EXPECT_FALSE(module_.GetAutoEndTasks(enabled));
    EXPECT_EQ(enabled, 0u);

    StoreText(HKEY_USERS, kDesktop, "AutoEndTasks", "0");
    EXPECT_TRUE(module_.GetAutoEndTasks(enabled));
    EXPECT_EQ(enabled, 0u);
    StoreText(HKEY_USERS, kDesktop, "AutoEndTasks", "yes");
    EXPECT_TRUE(module_.GetAutoEndTasks(enabled));
    EXPECT_EQ(enabled, 0u);
}

TEST(ShutdownTweaksRefused, AutoEndTasksStopsAtTheFirstFailedWrite) {
    CRegistrySandbox sandbox(CRegistrySandbox::kAll | CRegistrySandbox::kUsersRefused);
    CShutdownTweaks module;
    EXPECT_FALSE(module.SetAutoEndTasks(1));
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kDesktop, "AutoEndTasks").Text(), "1");
    EXPECT_FALSE(ReadStored(HKEY_CURRENT_USER, kDesktop, "WaitToKillAppTimeout").exists);
}

TEST_F(ShutdownTweaks, FastRebootIsAOneOrZeroText) {
    DWORD enabled = 7;
    EXPECT_FALSE(module_.GetFastReboot(enabled));
    EXPECT_EQ(enabled, 0u);
    EXPECT_TRUE(module_.SetFastReboot(5));
    ExpectStoredText(HKEY_LOCAL_MACHINE, kShutdown, "FastReboot", "1");
    EXPECT_TRUE(module_.GetFastReboot(enabled));
    EXPECT_EQ(enabled, 1u);
    EXPECT_TRUE(module_.SetFastReboot(0));
    ExpectStoredText(HKEY_LOCAL_MACHINE, kShutdown, "FastReboot", "0");
    EXPECT_TRUE(module_.GetFastReboot(enabled));
    EXPECT_EQ(enabled, 0u);
}

// The two pictures in the Windows directory, kept as they were around each test.
class ShutdownPictures : public testing::Test {
protected:
    CShutdownTweaks module_;
    CPreservedFile shutdown_{module_.ShutdownPicture()};
    CPreservedFile savedShutdown_{module_.SavedShutdownPicture()};
    CPreservedFile turnoff_{module_.TurnoffPicture()};
    CPreservedFile savedTurnoff_{module_.SavedTurnoffPicture()};
    CScriptedMessages messages_;
    CTestFolder sources_{"shutdown"};
};

TEST_F(ShutdownPictures, ThePicturesAreInTheWindowsDirectory) {
    EXPECT_EQ(module_.ShutdownPicture(), "C:\\windows\\Logow.sys");
    EXPECT_EQ(module_.SavedShutdownPicture(), "C:\\windows\\Logow.tvn");
    EXPECT_EQ(module_.TurnoffPicture(), "C:\\windows\\Logos.sys");
    EXPECT_EQ(module_.SavedTurnoffPicture(), "C:\\windows\\Logos.tvn");
}

TEST_F(ShutdownPictures, APictureReplacedTwiceKeepsTheFirstReplacementAsTheSavedCopy) {
    CTestFolder::WriteFile(sources_ / "one.bmp", "one");
    CTestFolder::WriteFile(sources_ / "two.bmp", "two");
    CTestFolder::WriteFile(module_.ShutdownPicture(), "shutdown");
    CTestFolder::WriteFile(module_.TurnoffPicture(), "turnoff");
    EXPECT_TRUE(module_.SetShutdownImage(1, sources_ / "one.bmp"));
    EXPECT_TRUE(module_.SetShutdownImage(1, sources_ / "two.bmp"));
    EXPECT_TRUE(module_.SetTurnoffImage(1, sources_ / "two.bmp"));
    EXPECT_TRUE(module_.SetTurnoffImage(1, sources_ / "one.bmp"));

    EXPECT_EQ(CTestFolder::ReadFile(module_.ShutdownPicture()), "two");
    EXPECT_EQ(CTestFolder::ReadFile(module_.SavedShutdownPicture()), "one");
    EXPECT_EQ(CTestFolder::ReadFile(module_.TurnoffPicture()), "one");
    EXPECT_EQ(CTestFolder::ReadFile(module_.SavedTurnoffPicture()), "two");
    for (const std::string& file : {module_.ShutdownPicture(), module_.SavedShutdownPicture(),
                                    module_.TurnoffPicture(), module_.SavedTurnoffPicture()})
        EXPECT_TRUE(IsHiddenAndSystem(file)) << file;
    EXPECT_TRUE(messages_.Texts().empty());
}

TEST_F(ShutdownPictures, AnUnreadablePictureShowsItsMessageAndKeepsTheOldOne) {
    CTestFolder::WriteFile(module_.ShutdownPicture(), "shutdown");
    CTestFolder::WriteFile(module_.TurnoffPicture(), "turnoff");
    CTestFolder::WriteFile(module_.SavedTurnoffPicture(), "saved turnoff");
    savedShutdown_.Remove();
    EXPECT_TRUE(module_.SetShutdownImage(1, sources_ / "missing.bmp"));
    EXPECT_TRUE(module_.SetTurnoffImage(1, sources_ / "missing.bmp"));
    EXPECT_EQ(CTestFolder::ReadFile(module_.ShutdownPicture()), "shutdown");
    EXPECT_FALSE(CTestFolder::Exists(module_.SavedShutdownPicture()));
    EXPECT_EQ(CTestFolder::ReadFile(module_.TurnoffPicture()), "turnoff");
    EXPECT_EQ(CTestFolder::ReadFile(module_.SavedTurnoffPicture()), "saved turnoff");
    ASSERT_EQ(messages_.Texts().size(), 2u);
    EXPECT_EQ(messages_.Texts()[0], "Error in creating file for Shutdown image.\nThe Shutdown "
                                    "image will not be replaced.");
    EXPECT_EQ(messages_.Texts()[1], "Error in creating file for Turnoff image.\nThe Turnoff "
                                    "image will not be replaced.");
}

TEST_F(ShutdownPictures, AnEmptyPathWithoutASavedPictureDeletesIt) {
    CTestFolder::WriteFile(module_.TurnoffPicture(), "turnoff");
    CTestFolder::WriteFile(module_.ShutdownPicture(), "shutdown");
    savedTurnoff_.Remove();
    EXPECT_TRUE(module_.SetTurnoffImage(1, ""));
    EXPECT_FALSE(CTestFolder::Exists(module_.TurnoffPicture()));
    // Without the change flag nothing is touched.
    EXPECT_TRUE(module_.SetShutdownImage(0, ""));
    EXPECT_EQ(CTestFolder::ReadFile(module_.ShutdownPicture()), "shutdown");
}


} // namespace
