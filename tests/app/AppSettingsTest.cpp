#include <gtest/gtest.h>

#include "platform/CAppSettings.h"
#include "platform/ProgramPaths.h"
#include "platform/RegistryPrimitives.h"
#include "support/CRegistrySandbox.h"
#include "support/TestRegistry.h"

namespace {

const char kOptions[] = "SOFTWARE\\Ostrander Works\\Torvane\\Options";
const char kWindows[] = "SOFTWARE\\Ostrander Works\\Torvane\\Windows";
const char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class AppSettings : public testing::Test {
protected:
    CRegistrySandbox sandbox_{CRegistrySandbox::kLocalMachine};
    CAppSettings settings_;
};

// Each option reads as its default while missing, and round-trips as a DWORD under its own key.
TEST_F(AppSettings, EveryOptionHasItsDefaultAndRoundTripsAsADwordUnderItsOwnKey) {
    using S = CAppSettings;
    struct Option {
        BOOL (S::*set)(DWORD);
        BOOL (S::*get)(DWORD&);
        const char* key;
        const char* name;
        DWORD missing;
    };
    const Option options[] = {
        {&S::SetShowAtStartup, &S::GetShowAtStartup, kWindows, "Show Torvane", 1},
        {&S::SetHasTuned, &S::GetHasTuned, kOptions, "Has Tuned", 0},
        {&S::SetBackedUp, &S::GetBackedUp, kOptions, "Back up", 0},
        {&S::SetUseAutoMemOptimize, &S::GetUseAutoMemOptimize, kOptions, "UseAutoMemOptimize", 0},
        {&S::SetAutoMemOptimize, &S::GetAutoMemOptimize, kOptions, "AutoMemOptimize", 0},
        {&S::SetShowPostOptimizeDialog, &S::GetShowPostOptimizeDialog, kOptions,
         "ShowPostOptimizeDialog", 1},
        {&S::SetCPUTestCount, &S::GetCPUTestCount, kOptions, "CPU Test Count", 0},
        {&S::SetHasUserInput, &S::GetHasUserInput, kOptions, "Has User Input", 0},
    };
    DWORD written = 40;
    for (const Option& option : options) {
        SCOPED_TRACE(option.name);
        DWORD read = 12345;
        EXPECT_FALSE((settings_.*option.get)(read));
        EXPECT_EQ(read, option.missing);
        ASSERT_TRUE((settings_.*option.set)(++written));
        const StoredValue stored = ReadStored(HKEY_LOCAL_MACHINE, option.key, option.name);
        ASSERT_TRUE(stored.exists);
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(stored.Number(), written);
        EXPECT_TRUE((settings_.*option.get)(read));
        EXPECT_EQ(read, written);
    }
    // The key exists but the value does not: still the default.
    DeleteValue(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane");
    StoreNumber(HKEY_LOCAL_MACHINE, kWindows, "Other", 7);
    DWORD show = 0;
    EXPECT_FALSE(settings_.GetShowAtStartup(show));
    EXPECT_EQ(show, 1u);
}

TEST_F(AppSettings, TheWindowRectangleKeepsNegativeCoordinatesAndNeedsAllFourValues) {
    const RECT rect = {-300, -20, 142, 470};
    ASSERT_TRUE(settings_.SaveWindowRect(rect));
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kWindows, "Torvane Left").Number(), 0xFFFFFED4u);
    RECT read = {};
    ASSERT_TRUE(settings_.LoadWindowRect(read));
    EXPECT_EQ(read.left, -300);
    EXPECT_EQ(read.top, -20);
    EXPECT_EQ(read.right, 142);
    EXPECT_EQ(read.bottom, 470);

    DeleteValue(HKEY_LOCAL_MACHINE, kWindows, "Torvane Bottom");
    EXPECT_FALSE(settings_.LoadWindowRect(read));
}

// The Run entry counts only when it holds a path; adding it writes the program's path and
// switches to tray starts.
TEST_F(AppSettings, TheRunEntryIsPresentOnlyWhenItHoldsAPath) {
    EXPECT_FALSE(settings_.IsRunEntryPresent());
    StoreText(HKEY_LOCAL_MACHINE, kRun, "Torvane", "");
    EXPECT_FALSE(settings_.IsRunEntryPresent());
    ASSERT_TRUE(settings_.AddRunEntry());
    const StoredValue run = ReadStored(HKEY_LOCAL_MACHINE, kRun, "Torvane");
    EXPECT_EQ(run.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(run.Text(), GetProgramFile());
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane").Number(), 0u);
    EXPECT_TRUE(settings_.IsRunEntryPresent());
}

} // namespace
