#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "support/BackupTestSystem.h"
#include "support/CTestUser.h"
#include "support/TestRegistry.h"
#include "tweaks/CInternetTweaks.h"

namespace {

using namespace backup_keys;

uint32_t Fnv1a(const std::string& bytes) {
    uint32_t hash = 2166136261u;
    for (char c : bytes)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

// The FNV-1a digests of the files a backup of the system below writes. They are read back by
// every later version of the program, whatever compiler and word size built it: a field that
// changes its size, order or form changes a digest. A module file is the same throughout a family
// (no family, 9x, NT).
const struct {
    const char* name;
    uint32_t digests[3];
} kModuleFiles[] = {
    {"system.tvb", {0x8E753E4D, 0x64F02333, 0x64F02333}},
    {"desktop.tvb", {0x7CF95657, 0x50DE2F8F, 0xFC473616}},
    {"startmenu.tvb", {0x718E9414, 0x718E9414, 0x718E9414}},
    {"internet.tvb", {0x3BB1C20F, 0x9A53E5B3, 0x9A53E5B3}},
    {"cdrom.tvb", {0xC6694B6B, 0xC6694B6B, 0xC6694B6B}},
    {"hdd.tvb", {0xCC688A46, 0xB72F77D0, 0xCC688A46}},
    {"ram.tvb", {0xA87A680D, 0x89061420, 0x84010EDD}},
    {"bootup.tvb", {0xE53EB383, 0x21AE42FB, 0xE53EB383}},
    {"shutdown.tvb", {0x0EF97AA0, 0xE76CD8B9, 0x0EF97AA0}},
};
// The record of originals also names its family: by family code, no family, 95, 98, ME, NT 4,
// 2000, XP.
const uint32_t kRecordDigests[7] = {0xA6873F1E, 0x8E4070AE, 0x8FAB044C, 0xA3F3D6B1,
                                    0x5C0DD108, 0x9836B60D, 0x433E915D};

class BackupBytes : public CBackupTestSystem {
protected:
    // A value other than the default for every field a backup reads, on every family.
    void Prepare() {
        const HKEY m = HKEY_LOCAL_MACHINE, u = HKEY_CURRENT_USER, us = HKEY_USERS;
        StoreText(u, kDesktop, "HungAppTimeout", "4500");
        StoreNumber(m, kUpdate, "UpdateMode", 1);
        for (const char* key : {kNineXKey, kNTKey}) {
            StoreText(m, key, "RegisteredOwner", "Ann");
            StoreText(m, key, "RegisteredOrganization", std::string(300, 'o'));
        }
        StoreText(u, kFolders, "Personal", "C:\\Docs");
        StoreText(u, kFolders, "My Pictures", "C:\\Pics");
        StoreText(u, kFolders, "Favorites", "C:\\Favs");

        if (IsNTFamily(family_))
            StoreNumber(us, kDefaultDesktop, "PaintDesktopVersion", 1);
        else
            StoreText(us, kDefaultDesktop, "PaintDesktopVersion", "1");
        StoreBinary(u, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "link",
                    {0, 0, 0, 0});
        StoreText(u, kDesktop, "FontSmoothing", "2");
        StoreText(m, kOpenWith, "", "Op&en With...");
        StoreText(m, kOpenWithCommand, "", "rundll32.exe");
        StoreText(m, kExplorer, "Max Cached Icons", "2048");

        StoreText(u, kDesktop, "MenuShowDelay", "250");
        CreateKey(u, std::string(kMenuOrder) + "\\Programs");
        StoreNumber(us, kPolicies, "NoWindowsUpdate", 1);
        StoreBinary(us, kPolicies, "NoRecentDocMenu", {1, 0, 0, 0});
        StoreBinary(us, kPolicies, "NoFavoritesMenu", {0, 0, 0, 0});
        StoreNumber(us, kAdvanced, "StartMenuFavorites", 0);
        StoreBinary(us, kPolicies, "NoFind", {1, 0, 0, 0});
        StoreBinary(us, kPolicies, "NoRun", {1, 0, 0, 0});
        StoreNumber(us, kAdvanced, "StartMenuRun", 0);
        StoreBinary(us, kPolicies, "NoLogOff", {1, 0, 0, 0});
        StoreNumber(us, kAdvanced, "StartMenuLogoff", 0);
        StoreBinary(us, kPolicies, "NoClose", {1, 0, 0, 0});

        StoreNetworkAdapters();
        CInternetTweaks internet;
        internet.SetMTU(1400);
        internet.SetRWIN(32767);
        internet.SetDefaultTTL(64);

        StoreBinary(m, kCdfs, "Prefetch", {0x40, 0x0C, 0, 0});
        StoreBinary(m, kCdfs, "CacheSize", {0x6B, 0x02, 0, 0});
        StoreNumber(m, "SYSTEM\\CurrentControlSet\\Services\\CDRom", "Autorun", 0);
        StoreText(us, kPolicies, "NoDriveTypeAutoRun", "1");

        systemIni_.Write("[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\nMinFileCache=1024\r\n"
                         "MaxFileCache=8192\r\nChunksize=512\r\n[386Enh]\r\n"
                         "ConservativeSwapfileUsage=1\r\nMinSPs=12\r\n");
        winIni_.Write("[TrueType]\r\nFontSmoothing=1\r\n");
        StoreNumber(m, kFileSystem, "ContigFileAllocSize", 1024);
        StoreText(m, kHdc, "ForceFIFO", "0");

        StoreText(m, kExplorer, "AlwaysUnloadDLL", "1");
        StoreNumber(m, kMemory, "DisablePagingExecutive", 1);
        StoreNumber(m, kMemory, "IoPageLockLimit", 16384);
        StoreNumber(m, kPriority, "Win32PrioritySeparation", 2);

        msdos_.Write("[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nBootMenu=1\r\nAutoscan=2\r\n"
                     "DrvSpace=0\r\nDblSpace=1\r\nDoubleBuffer=1\r\nBootKeys=0\r\n");

        StoreText(us, kDefaultDesktop, "AutoEndTasks", "1");
        StoreText(u, kDefaultDesktop, "WaitToKillAppTimeout", "4000");
        StoreRaw(us, kDefaultDesktop, "WaitToKillAppTimeout", REG_EXPAND_SZ, "%T%", 4);
        StoreText(m, kShutdown, "FastReboot", "1");
        logo_.Write("logo picture");
        logoSaved_.Remove();
        shutdown_.Write(std::string(3000, '\xA5'));
        shutdownSaved_.Write("saved shutdown picture");
        turnoff_.Remove();
        turnoffSaved_.Remove();
    }

    // Nobody known logged on: the record holds no user line.
    CTestUser user_{""};
};

TEST_F(BackupBytes, EveryFileOfAFixedSystemHasItsKnownDigest) {
    ASSERT_GE(family_, kFamilyUnknown);
    ASSERT_LE(family_, kFamilyWinXP);
    Prepare();
    ASSERT_EQ(manager_.CreateBackup(), 1);
    const int group = IsNineXFamily(family_) ? 1 : (IsNTFamily(family_) ? 2 : 0);
    auto expect = [this](const char* name, uint32_t expected) {
        const std::string bytes = CTestFolder::ReadFile(GetBackupDirectory() + "\\" + name);
        char digest[16];
        std::snprintf(digest, sizeof(digest), "0x%08X", static_cast<unsigned>(Fnv1a(bytes)));
        EXPECT_EQ(Fnv1a(bytes), expected) << name << " of family " << family_ << " ("
                                          << bytes.size() << " bytes) has the digest " << digest;
    };
    for (const auto& file : kModuleFiles)
        expect(file.name, file.digests[group]);
    expect("originals.txt", kRecordDigests[family_]);
    EXPECT_TRUE(messages_.Texts().empty());
}

} // namespace
