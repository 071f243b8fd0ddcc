#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "backup/CBackupManager.h"
#include "platform/ProgramPaths.h"
#include "platform/WindowsVersion.h"
#include "support/CPreservedFile.h"
#include "support/CRegistrySandbox.h"
#include "support/CScriptedMessages.h"
#include "support/CTestFolder.h"
#include "support/CTestUser.h"
#include "support/TestRegistry.h"
#include "tweaks/CInternetTweaks.h"

namespace {

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

class BackupBytes : public testing::Test {
protected:
    void SetUp() override { CTestFolder::RemoveTree(GetBackupDirectory()); }
    void TearDown() override { CTestFolder::RemoveTree(GetBackupDirectory()); }

    // A value other than the default for every field a backup reads, on every family.
    void Prepare() {
        const HKEY m = HKEY_LOCAL_MACHINE, u = HKEY_CURRENT_USER, us = HKEY_USERS;
        const char desktop[] = "Control Panel\\Desktop";
        const char defaultDesktop[] = ".DEFAULT\\Control Panel\\Desktop";
        const char policies[] =
            ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
        const char advanced[] =
            ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
        const char folders[] =
            "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
        const char explorer[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
        const char memory[] =
            "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
        const char cdfs[] = "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";
        const char openWith[] = "Software\\CLASSES\\*\\Shell\\OpenWith";

        StoreText(u, desktop, "HungAppTimeout", "4500");
        StoreNumber(m, "System\\CurrentControlSet\\Control\\Update", "UpdateMode", 1);
        for (const char* key : {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                                "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"}) {
            StoreText(m, key, "RegisteredOwner", "Ann");
            StoreText(m, key, "RegisteredOrganization", std::string(300, 'o'));
        }
        StoreText(u, folders, "Personal", "C:\\Docs");
        StoreText(u, folders, "My Pictures", "C:\\Pics");
        StoreText(u, folders, "Favorites", "C:\\Favs");

        if (IsNTFamily(family_))
            StoreNumber(us, defaultDesktop, "PaintDesktopVersion", 1);
        else
            StoreText(us, defaultDesktop, "PaintDesktopVersion", "1");
        StoreBinary(u, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "link",
                    {0, 0, 0, 0});
        StoreText(u, desktop, "FontSmoothing", "2");
        StoreText(m, openWith, "", "Op&en With...");
        StoreText(m, std::string(openWith) + "\\Command", "", "rundll32.exe");
        StoreText(m, explorer, "Max Cached Icons", "2048");

        StoreText(u, desktop, "MenuShowDelay", "250");
        CreateKey(u, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\"
                     "Start Menu\\Programs");
        StoreNumber(us, policies, "NoWindowsUpdate", 1);
        StoreBinary(us, policies, "NoRecentDocMenu", {1, 0, 0, 0});
        StoreBinary(us, policies, "NoFavoritesMenu", {0, 0, 0, 0});
        StoreNumber(us, advanced, "StartMenuFavorites", 0);
        StoreBinary(us, policies, "NoFind", {1, 0, 0, 0});
        StoreBinary(us, policies, "NoRun", {1, 0, 0, 0});
        StoreNumber(us, advanced, "StartMenuRun", 0);
        StoreBinary(us, policies, "NoLogOff", {1, 0, 0, 0});
        StoreNumber(us, advanced, "StartMenuLogoff", 0);
        StoreBinary(us, policies, "NoClose", {1, 0, 0, 0});

        // The adapter and the service the Internet module finds its places by.
        StoreText(m, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", "DriverDesc",
                  "TCP/IP");
        StoreText(m, "System\\CurrentControlSet\\Services\\Class\\Net\\0003", "DriverDesc",
                  "Dial-Up Adapter");
        const std::string card = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards\\2";
        StoreText(m, card, "ProductName", "NdisWanDialoutIp");
        StoreText(m, card, "ServiceName", "NdisWan7");
        CInternetTweaks internet;
        internet.SetMTU(1400);
        internet.SetRWIN(32767);
        internet.SetDefaultTTL(64);

        StoreBinary(m, cdfs, "Prefetch", {0x40, 0x0C, 0, 0});
        StoreBinary(m, cdfs, "CacheSize", {0x6B, 0x02, 0, 0});
        StoreNumber(m, "SYSTEM\\CurrentControlSet\\Services\\CDRom", "Autorun", 0);
        StoreText(us, policies, "NoDriveTypeAutoRun", "1");

        systemIni_.Write("[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\nMinFileCache=1024\r\n"
                         "MaxFileCache=8192\r\nChunksize=512\r\n[386Enh]\r\n"
                         "ConservativeSwapfileUsage=1\r\nMinSPs=12\r\n");
        winIni_.Write("[TrueType]\r\nFontSmoothing=1\r\n");
        StoreNumber(m, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "ContigFileAllocSize",
                    1024);
        StoreText(m, "System\\CurrentControlSet\\Services\\Class\\hdc\\0000", "ForceFIFO", "0");

        StoreText(m, explorer, "AlwaysUnloadDLL", "1");
        StoreNumber(m, memory, "DisablePagingExecutive", 1);
        StoreNumber(m, memory, "IoPageLockLimit", 16384);
        StoreNumber(m, "SYSTEM\\CurrentControlSet\\Control\\PriorityControl",
                    "Win32PrioritySeparation", 2);

        msdos_.Write("[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nBootMenu=1\r\nAutoscan=2\r\n"
                     "DrvSpace=0\r\nDblSpace=1\r\nDoubleBuffer=1\r\nBootKeys=0\r\n");

        StoreText(us, defaultDesktop, "AutoEndTasks", "1");
        StoreText(u, defaultDesktop, "WaitToKillAppTimeout", "4000");
        StoreRaw(us, defaultDesktop, "WaitToKillAppTimeout", REG_EXPAND_SZ, "%T%", 4);
        StoreText(m, "System\\CurrentControlSet\\Control\\Shutdown", "FastReboot", "1");
        logo_.Write("logo picture");
        logoSaved_.Remove();
        shutdown_.Write(std::string(3000, '\xA5'));
        shutdownSaved_.Write("saved shutdown picture");
        turnoff_.Remove();
        turnoffSaved_.Remove();
    }

    const int family_ = DetectWindowsFamily();
    // Nobody known logged on: the record holds no user line.
    CTestUser user_{""};
    CRegistrySandbox sandbox_;
    CScriptedMessages messages_;
    CPreservedFile systemIni_{CTestFolder::WindowsDirectory() + "\\System.ini"};
    CPreservedFile winIni_{CTestFolder::WindowsDirectory() + "\\win.ini"};
    CPreservedFile msdos_{"C:\\msdos.sys"};
    CPreservedFile logo_{"c:\\Logo.sys"};
    CPreservedFile logoSaved_{"c:\\Logo.tvn"};
    CPreservedFile shutdown_{CTestFolder::WindowsDirectory() + "\\Logow.sys"};
    CPreservedFile shutdownSaved_{CTestFolder::WindowsDirectory() + "\\Logow.tvn"};
    CPreservedFile turnoff_{CTestFolder::WindowsDirectory() + "\\Logos.sys"};
    CPreservedFile turnoffSaved_{CTestFolder::WindowsDirectory() + "\\Logos.tvn"};
    CBackupManager manager_;
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
