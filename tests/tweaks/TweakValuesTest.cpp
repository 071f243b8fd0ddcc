#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "support/CRegistrySandbox.h"
#include "support/ModuleReads.h"
#include "support/EmulatedSystem.h"
#include "support/TestRegistry.h"
#include "tweaks/CCDROMTweaks.h"
#include "tweaks/CDesktopTweaks.h"
#include "tweaks/CHDDTweaks.h"
#include "tweaks/CInternetTweaks.h"
#include "tweaks/CRAMTweaks.h"
#include "tweaks/CShutdownTweaks.h"
#include "tweaks/CStartMenuTweaks.h"
#include "tweaks/CSystemTweaks.h"

// The tweaks kept in one registry value each, the same on every family: what a stored value reads
// as, and how a given value is stored.
namespace {

template <class Module, BOOL (Module::*Get)(DWORD&)> BOOL ReadOf(DWORD& value) {
    Module module;
    return (module.*Get)(value);
}
template <class Module, BOOL (Module::*Set)(DWORD)> BOOL WriteOf(DWORD value) {
    Module module;
    return (module.*Set)(value);
}

// A value and the Get and Set operations of its tweak, each called on a fresh module.
struct Place {
    BOOL (*read)(DWORD&);
    BOOL (*write)(DWORD);
    HKEY root;
    const char* key;
    const char* name;
};
#define PLACE(Module, Operation, root, key, name)                                                  \
    Place {                                                                                        \
        ReadOf<Module, &Module::Get##Operation>, WriteOf<Module, &Module::Set##Operation>, root,   \
            key, name                                                                              \
    }

const char kMachineExplorer[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const char kMemory[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const char kDesktop[] = "Control Panel\\Desktop";
const char kInternetSettings[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const HKEY kMachine = HKEY_LOCAL_MACHINE;
const HKEY kUser = HKEY_CURRENT_USER;

// How a value is stored: as text, as a DWORD or as four binary bytes.
enum Stored { kText, kNumber, kBinary };

// Per tweak: what a missing value reads as (the output holds 7 beforehand, so that a missing
// preset shows); then, stored in one way, values and what each reads as, and given values and
// what each is stored as.
const struct {
    Place place;
    BOOL missingResult;
    DWORD missingValue;
    Stored stored;
    std::vector<std::pair<const char*, DWORD>> reads;
    std::vector<std::pair<DWORD, const char*>> writes;
} kTweaks[] = {
    // clang-format off
    {PLACE(CRAMTweaks, AlwaysUnloadDLL, kMachine, kMachineExplorer, "AlwaysUnloadDLL"), FALSE, 0,
     kText, {{"0", 0}, {"1", 1}, {"12", 1}, {"-1", 1}, {"", 0}, {"yes", 0}}, {{1, "1"}}},
    // Written unchanged, read as a flag.
    {PLACE(CRAMTweaks, DisablePagingExecutive, kMachine, kMemory, "DisablePagingExecutive"), FALSE,
     0, kNumber, {{"2", 1}}, {{2, "2"}}},
    // Choices mapped to bytes and back.
    {PLACE(CRAMTweaks, IoPageLockLimit, kMachine, kMemory, "IoPageLockLimit"), FALSE, 0, kNumber,
     {{"0", 0}, {"8192", 8}, {"32768", 32}, {"65536", 64}, {"1048576", 4}, {"12", 4}},
     {{0, "0"}, {4, "4096"}, {8, "8192"}, {16, "16384"}, {32, "32768"}, {64, "65536"},
      {12, "4096"}, {1024, "4096"}}},
    {PLACE(CRAMTweaks, Win32PrioritySeparation, kMachine,
           "SYSTEM\\CurrentControlSet\\Control\\PriorityControl", "Win32PrioritySeparation"),
     FALSE, 1, kNumber, {{"38", 1}, {"0", 0}}, {{2, "1"}, {0, "0"}}},
    {PLACE(CCDROMTweaks, Autorun, kMachine, "SYSTEM\\CurrentControlSet\\Services\\CDRom",
           "Autorun"), FALSE, 1, kNumber, {{"0", 0}, {"5", 1}}, {{0, "0"}, {5, "5"}}},
    // Data auto play is on while no drive type is excluded.
    {PLACE(CCDROMTweaks, NoDriveTypeAutoRun, HKEY_USERS,
           ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
           "NoDriveTypeAutoRun"), TRUE, 1, kText, {{"1", 0}, {"", 1}}, {{0, "1"}, {3, ""}}},
    {PLACE(CShutdownTweaks, FastReboot, kMachine, "System\\CurrentControlSet\\Control\\Shutdown",
           "FastReboot"), FALSE, 0, kText, {{"1", 1}, {"0", 0}}, {{5, "1"}, {0, "0"}}},
    // Written for the user and then under the users: checked beside the refusals.
    {PLACE(CSystemTweaks, HungAppTimeout, kUser, kDesktop, "HungAppTimeout"), FALSE, 20000, kText,
     {{"5000", 5000}}, {}},
    // The opposite of keeping Explorer refreshed.
    {PLACE(CSystemTweaks, UpdateMode, kMachine, "System\\CurrentControlSet\\Control\\Update",
           "UpdateMode"), FALSE, 7, kNumber, {{"0", 1}, {"1", 0}}, {{1, "0"}, {5, "0"}, {0, "1"}}},
    // The shortcut prefix is off when link is 0.
    {PLACE(CDesktopTweaks, LinkValue, kUser,
           "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "link"), FALSE, 1,
     kBinary, {{"30", 0}, {"0", 1}}, {{1, "0"}, {0, "1"}, {5, "0"}}},
    {PLACE(CDesktopTweaks, MaxCachedIcons, kMachine, kMachineExplorer, "Max Cached Icons"), FALSE,
     0, kText, {{"2048", 2048}}, {{16384, "16384"}}},
    // Written to the user, below the users and to win.ini: checked with win.ini kept.
    {PLACE(CDesktopTweaks, FontSmoothing, kUser, kDesktop, "FontSmoothing"), FALSE, 0, kText,
     {{"2", 1}, {"0", 0}}, {}},
    {PLACE(CStartMenuTweaks, MenuShowDelay, kUser, kDesktop, "MenuShowDelay"), FALSE, 400, kText,
     {{"50", 50}}, {{120, "120"}}},
    {PLACE(CHDDTweaks, ContigFileAllocSize, kMachine,
           "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "ContigFileAllocSize"), FALSE, 512,
     kNumber, {}, {{2048, "2048"}}},
    // FIFO is off only for the text 0.
    {PLACE(CHDDTweaks, ForceFIFO, kMachine, "System\\CurrentControlSet\\Services\\Class\\hdc\\0000",
           "ForceFIFO"), FALSE, 1, kText, {{"0", 0}, {"1", 1}, {"2", 1}, {"00", 1}, {"", 1}},
     {{5, "1"}, {0, "0"}}},
    // The browser's download count: both limits are written, checked below.
    {PLACE(CInternetTweaks, MaxConnectionsPerServer, kUser, kInternetSettings,
           "MaxConnectionsPerServer"), FALSE, 4, kNumber, {{"10", 10}}, {{10, "10"}}},
    // clang-format on
};

void ExpectStored(HKEY root, const char* key, const char* name, Stored kind, const char* data) {
    if (kind == kText)
        ExpectStoredText(root, key, name, data);
    else
        ExpectStoredNumber(root, key, name, kind == kNumber ? REG_DWORD : REG_BINARY,
                           std::strtoul(data, nullptr, 10));
}

TEST(TweakValues, EachTweakReadsAndStoresItsValue) {
    CRegistrySandbox sandbox;
    for (const auto& tweak : kTweaks) {
        const Place& place = tweak.place;
        SCOPED_TRACE(place.name);
        DWORD value = 7;
        EXPECT_EQ(place.read(value), tweak.missingResult);
        EXPECT_EQ(value, tweak.missingValue);
        for (const auto& [data, expected] : tweak.reads) {
            SCOPED_TRACE(testing::Message() << "stored \"" << data << "\"");
            const DWORD number = std::strtoul(data, nullptr, 10);
            if (tweak.stored == kText)
                StoreText(place.root, place.key, place.name, data);
            else if (tweak.stored == kNumber)
                StoreNumber(place.root, place.key, place.name, number);
            else
                StoreRaw(place.root, place.key, place.name, REG_BINARY, &number, 4);
            value = 7;
            EXPECT_TRUE(place.read(value));
            EXPECT_EQ(value, expected);
        }
        for (const auto& [given, data] : tweak.writes) {
            SCOPED_TRACE(testing::Message() << "given " << given);
            EXPECT_TRUE(place.write(given));
            ExpectStored(place.root, place.key, place.name, tweak.stored, data);
        }
    }
    ExpectStored(kUser, kInternetSettings, "MaxConnectionsPer1_0Server", kNumber, "10");
    // The menu delay belongs to the current user alone.
    EXPECT_FALSE(KeyExists(HKEY_USERS, kDesktop));
    EXPECT_FALSE(KeyExists(HKEY_USERS, std::string(".DEFAULT\\") + kDesktop));

    // A fresh module holds zero numbers and empty texts: what a backup of untouched pages stores.
    const CSystemTweaks system;
    const CDesktopTweaks desktop;
    const CStartMenuTweaks menu;
    // clang-format off
    for (DWORD field : {system.hungAppTimeout, system.keepExplorerRefreshed,
                        desktop.showWindowsVersion, desktop.noShortcutPrefix,
                        desktop.hideShortcutArrows, desktop.reserved1, desktop.fontSmoothing,
                        desktop.reserved2, desktop.openWith, desktop.maxCachedIcons,
                        menu.noWindowsUpdate, menu.noRecentDocMenu, menu.noFavoritesMenu,
                        menu.noFind, menu.noRun, menu.noLogOff, menu.noClose, menu.reserved1,
                        menu.reserved2, menu.reserved3, menu.sortStartMenu, menu.menuShowDelay})
        // clang-format on
        EXPECT_EQ(field, 0u);
    EXPECT_TRUE(system.registeredOwner.empty() && system.reserved.empty());
}

// With the users' key refused, every write below it fails; what the user's own key took first
// stays, and what comes after the refusal is not written.
TEST(TweakValues, WritesBelowARefusedUsersKeyFail) {
    CRegistrySandbox sandbox(CRegistrySandbox::kAll | CRegistrySandbox::kUsersRefused);
    const char kDefaultDesktop[] = ".DEFAULT\\Control Panel\\Desktop";
    DWORD dataAutoPlay = 0;
    EXPECT_TRUE(CCDROMTweaks().GetNoDriveTypeAutoRun(dataAutoPlay));
    EXPECT_EQ(dataAutoPlay, 1u);
    EXPECT_FALSE(CCDROMTweaks().SetNoDriveTypeAutoRun(0));
    EXPECT_FALSE(CSystemTweaks().SetHungAppTimeout(4000));
    EXPECT_EQ(ReadStored(kUser, kDesktop, "HungAppTimeout").Text(), "4000");
    EXPECT_FALSE(CShutdownTweaks().SetAutoEndTasks(1));
    EXPECT_EQ(ReadStored(kUser, kDefaultDesktop, "AutoEndTasks").Text(), "1");
    EXPECT_FALSE(ReadStored(kUser, kDefaultDesktop, "WaitToKillAppTimeout").exists);
    // The version on the desktop goes below the users first, on either family.
    const bool family = EmulatedNineX() || EmulatedNT();
    EXPECT_EQ(CDesktopTweaks().SetPaintDesktopVersion(1), !family);
    EXPECT_FALSE(ReadStored(kUser, kDefaultDesktop, "PaintDesktopVersion").exists);
    CStartMenuTweaks menu;
    for (BOOL (CStartMenuTweaks::*set)(DWORD) :
         {&CStartMenuTweaks::SetNoWindowsUpdate, &CStartMenuTweaks::SetNoRecentDocMenu,
          &CStartMenuTweaks::SetNoFavoritesMenu, &CStartMenuTweaks::SetNoFind,
          &CStartMenuTweaks::SetNoRun, &CStartMenuTweaks::SetNoLogOff,
          &CStartMenuTweaks::SetNoClose}) {
        EXPECT_FALSE((menu.*set)(0));
        EXPECT_FALSE((menu.*set)(1));
    }
    // The menu delay belongs to the current user alone.
    EXPECT_TRUE(menu.SetMenuShowDelay(50));
}

} // namespace
