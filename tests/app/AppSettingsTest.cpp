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

TEST_F(AppSettings, MissingOptionsReadAsTheirDefaults) {
    struct Option {
        BOOL (CAppSettings::*get)(DWORD&);
        DWORD expected;
    };
    const Option options[] = {
        {&CAppSettings::GetShowAtStartup, 1},   {&CAppSettings::GetHasTuned, 0},
        {&CAppSettings::GetBackedUp, 0},        {&CAppSettings::GetUseAutoMemOptimize, 0},
        {&CAppSettings::GetAutoMemOptimize, 0}, {&CAppSettings::GetShowPostOptimizeDialog, 1},
        {&CAppSettings::GetCPUTestCount, 0},    {&CAppSettings::GetHasUserInput, 0},
    };
    for (const Option& option : options) {
        DWORD value = 12345;
        EXPECT_FALSE((settings_.*option.get)(value));
        EXPECT_EQ(value, option.expected);
    }
    // The key exists but the value does not: still the default.
    StoreNumber(HKEY_LOCAL_MACHINE, kWindows, "Other", 7);
    DWORD show = 0;
    EXPECT_FALSE(settings_.GetShowAtStartup(show));
    EXPECT_EQ(show, 1u);
}

TEST_F(AppSettings, EveryOptionRoundTripsAsADwordUnderItsOwnKey) {
    struct Option {
        BOOL (CAppSettings::*set)(DWORD);
        BOOL (CAppSettings::*get)(DWORD&);
        const char* key;
        const char* name;
    };
    const Option options[] = {
        {&CAppSettings::SetShowAtStartup, &CAppSettings::GetShowAtStartup, kWindows,
         "Show Torvane"},
        {&CAppSettings::SetHasTuned, &CAppSettings::GetHasTuned, kOptions, "Has Tuned"},
        {&CAppSettings::SetBackedUp, &CAppSettings::GetBackedUp, kOptions, "Back up"},
        {&CAppSettings::SetUseAutoMemOptimize, &CAppSettings::GetUseAutoMemOptimize, kOptions,
         "UseAutoMemOptimize"},
        {&CAppSettings::SetAutoMemOptimize, &CAppSettings::GetAutoMemOptimize, kOptions,
         "AutoMemOptimize"},
        {&CAppSettings::SetShowPostOptimizeDialog, &CAppSettings::GetShowPostOptimizeDialog,
         kOptions, "ShowPostOptimizeDialog"},
        {&CAppSettings::SetCPUTestCount, &CAppSettings::GetCPUTestCount, kOptions,
         "CPU Test Count"},
        {&CAppSettings::SetHasUserInput, &CAppSettings::GetHasUserInput, kOptions,
         "Has User Input"},
    };
    DWORD written = 40;
    for (const Option& option : options) {
        ++written;
        ASSERT_TRUE((settings_.*option.set)(written)) << option.name;
        const StoredValue stored = ReadStored(HKEY_LOCAL_MACHINE, option.key, option.name);
        ASSERT_TRUE(stored.exists) << option.name;
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD)) << option.name;
        EXPECT_EQ(stored.Number(), written) << option.name;
        DWORD read = 0;
        EXPECT_TRUE((settings_.*option.get)(read)) << option.name;
        EXPECT_EQ(read, written) << option.name;
    }
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

TEST_F(AppSettings, TheRunEntryIsPresentOnlyWhenItHoldsAPath) {
    EXPECT_FALSE(settings_.IsRunEntryPresent());
    StoreText(HKEY_LOCAL_MACHINE, kRun, "Torvane", "");
    EXPECT_FALSE(settings_.IsRunEntryPresent());
    StoreText(HKEY_LOCAL_MACHINE, kRun, "Torvane", "C:\\Torvane\\Torvane.exe");
    EXPECT_TRUE(settings_.IsRunEntryPresent());
}

TEST_F(AppSettings, AddingTheRunEntryWritesTheProgramPathAndSwitchesToTrayStarts) {
    ASSERT_TRUE(settings_.AddRunEntry());
    const StoredValue run = ReadStored(HKEY_LOCAL_MACHINE, kRun, "Torvane");
    EXPECT_EQ(run.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(run.Text(), GetProgramFile());
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kWindows, "Show Torvane").Number(), 0u);
    EXPECT_TRUE(settings_.IsRunEntryPresent());
}

} // namespace
