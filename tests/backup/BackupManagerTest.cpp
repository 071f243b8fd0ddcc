#include <gtest/gtest.h>

#include <shlwapi.h>
#include <string>

#include "platform/CRegistryAccess.h"
#include "support/BackupTestSystem.h"
#include "support/ModuleFileChecks.h"
#include "support/TestRegistry.h"
#include "tweaks/CStartMenuTweaks.h"

namespace {

using namespace backup_keys;
const char kOptions[] = "SOFTWARE\\Ostrander Works\\Torvane\\Options";

std::string Text(const std::string& text) {
    return ShortTextBytes(text);
}

class BackupManagerTest : public CBackupTestSystem {
protected:
    void SetUp() override {
        CBackupTestSystem::SetUp();
        Prepare();
    }

    // The system as the backup finds it.
    void Prepare() {
        StoreText(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout", "5000");
        StoreNumber(HKEY_LOCAL_MACHINE, kUpdate, "UpdateMode", 1);
        for (const char* key : {kNineXKey, kNTKey}) {
            StoreText(HKEY_LOCAL_MACHINE, key, "RegisteredOwner", "Ann");
            StoreText(HKEY_LOCAL_MACHINE, key, "RegisteredOrganization", "Acme");
        }
        StoreText(HKEY_CURRENT_USER, kFolders, "Personal", "C:\\Docs");
        StoreText(HKEY_CURRENT_USER, kFolders, "My Pictures", "C:\\Pics");
        StoreText(HKEY_CURRENT_USER, kFolders, "Favorites", "C:\\Favs");

        StoreText(HKEY_CURRENT_USER, kDesktop, "MenuShowDelay", "200");
        StoreNumber(HKEY_USERS, kPolicies, "NoWindowsUpdate", 1);
        StoreBinary(HKEY_USERS, kPolicies, "NoRecentDocMenu", {1, 0, 0, 0});
        StoreBinary(HKEY_USERS, kPolicies, "NoFavoritesMenu", {0, 0, 0, 0});
        StoreNumber(HKEY_USERS, kAdvanced, "StartMenuFavorites", 0);
        StoreBinary(HKEY_USERS, kPolicies, "NoFind", {1, 0, 0, 0});
        StoreBinary(HKEY_USERS, kPolicies, "NoRun", {0, 0, 0, 0});
        StoreNumber(HKEY_USERS, kAdvanced, "StartMenuRun", 1);
        StoreBinary(HKEY_USERS, kPolicies, "NoClose", {1, 0, 0, 0});

        systemIni_.Write("[boot]\r\nshell=Explorer.exe\r\n[vcache]\r\nMinFileCache=1024\r\n"
                         "MaxFileCache=8192\r\nChunksize=512\r\n[386Enh]\r\n"
                         "ConservativeSwapfileUsage=1\r\nMinSPs=8\r\n");
        StoreNumber(HKEY_LOCAL_MACHINE, kFileSystem, "ContigFileAllocSize", 1024);
        StoreText(HKEY_LOCAL_MACHINE, kHdc, "ForceFIFO", "0");

        StoreText(HKEY_LOCAL_MACHINE, kExplorer, "AlwaysUnloadDLL", "1");
        StoreNumber(HKEY_LOCAL_MACHINE, kMemory, "DisablePagingExecutive", 1);
        StoreNumber(HKEY_LOCAL_MACHINE, kMemory, "IoPageLockLimit", 16384);
        StoreNumber(HKEY_LOCAL_MACHINE, kPriority, "Win32PrioritySeparation", 2);

        msdos_.Write("[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nBootMenu=1\r\nAutoscan=1\r\n"
                     "DrvSpace=0\r\nDblSpace=1\r\nDoubleBuffer=1\r\n");
    }

    bool NineX() const { return IsNineXFamily(family_); }
    bool NT() const { return IsNTFamily(family_); }
    int MsdosOption(const char* key) const {
        return CRegistryAccess::ReadProfileNumber(kMsdos, "Options", key, 4);
    }
};

// The nine files in the archive format, each written whole or not at all.
TEST_F(BackupManagerTest, WritesTheNineFilesInTheArchiveFormatOrNoneThatLooksValid) {
    ASSERT_EQ(manager_.CreateBackup(), 1);
    ASSERT_EQ(CBackupManager::BackupFiles().size(), 9u);
    for (const std::string& file : CBackupManager::BackupFiles())
        EXPECT_TRUE(CTestFolder::Exists(file)) << file;
    EXPECT_EQ(CBackupManager::BackupFiles()[0], File("\\system.tvb"));
    EXPECT_EQ(CBackupManager::BackupFiles()[8], File("\\shutdown.tvb"));
    EXPECT_FALSE(CTestFolder::Exists(File("\\system.tvb.part")));
    EXPECT_EQ(manager_.BackupFilesExist(), 1);

    const bool registered = NineX() || NT();
    EXPECT_EQ(CTestFolder::ReadFile(File("\\system.tvb")),
              ClassHeader("CSystemTweaks") + NumberBytes(5000) + NumberBytes(0) +
                  Text(registered ? "Ann" : "") + Text(registered ? "Acme" : "") + Text("") +
                  Text("C:\\Docs") + Text("C:\\Pics") + Text("C:\\Favs"));
    // Version not shown, no prefix, no arrows (link and IsShortcut missing), the rest missing.
    EXPECT_EQ(CTestFolder::ReadFile(File("\\desktop.tvb")),
              NumberRecordFile("CDesktopTweaks", {0, 1, 1, 0, 0, 0, 0, 0}));
    // Delay, sort order, seven removal flags (NoLogOff could not be read), three reserved.
    EXPECT_EQ(CTestFolder::ReadFile(File("\\startmenu.tvb")),
              NumberRecordFile("CStartMenuTweaks", {200, 0, 1, 1, 1, 1, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(CTestFolder::ReadFile(File("\\hdd.tvb")),
              NineX() ? NumberRecordFile("CHDDTweaks", {1024, 8192, 512, 1024, 0})
                      : NumberRecordFile("CHDDTweaks", {0, 0, 0, 0, 0}));
    // The CD file system values were never set: the backup keeps Windows' own 4X and default.
    const std::string cdrom = CTestFolder::ReadFile(File("\\cdrom.tvb"));
    EXPECT_EQ(cdrom.substr(0, ClassHeader("CCDROMTweaks").size() + 8),
              ClassHeader("CCDROMTweaks") + NumberBytes(4) + NumberBytes(0));
    // Memory: the virtual memory fields, then each family's own values and zeros for the other.
    EXPECT_EQ(CTestFolder::ReadFile(File("\\ram.tvb")),
              ClassHeader("CRAMTweaks") + NumberBytes(0) + NumberBytes(16384) +
                  Text(CTestFolder::WindowsDirectory()) + NumberBytes(1) +
                  NumberBytes(NT() ? 1 : 0) + NumberBytes(NT() ? 16 : 0) +
                  NumberBytes(NT() ? 1 : 0) + NumberBytes(NineX() ? 1 : 0) +
                  NumberBytes(NineX() ? 8 : 0));

    // A folder in the way of the Desktop module's temporary file: the backup stops there.
    CTestFolder::RemoveTree(GetBackupDirectory());
    CTestFolder::MakeDirectory(GetBackupDirectory());
    CTestFolder::MakeDirectory(File("\\desktop.tvb.part"));
    EXPECT_EQ(manager_.CreateBackup(), 0);
    EXPECT_TRUE(CTestFolder::Exists(File("\\system.tvb")));
    EXPECT_FALSE(CTestFolder::Exists(File("\\desktop.tvb")));
    EXPECT_FALSE(CTestFolder::Exists(File("\\startmenu.tvb")));
    EXPECT_EQ(manager_.BackupFilesExist(), 0);
}

// What the nine files alone bring back (the record of exact originals is tested apart).
TEST_F(BackupManagerTest, RestoreWritesEveryValueBackThatTheFamilyAllows) {
    ASSERT_EQ(manager_.CreateBackup(), 1);
    DropRecord();

    // Everything changes after the backup.
    StoreText(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout", "9999");
    StoreNumber(HKEY_LOCAL_MACHINE, kUpdate, "UpdateMode", 0);
    StoreText(HKEY_LOCAL_MACHINE, kNineXKey, "RegisteredOrganization", "Other");
    StoreText(HKEY_LOCAL_MACHINE, kNTKey, "RegisteredOrganization", "Other");
    StoreText(HKEY_CURRENT_USER, kFolders, "Favorites", "D:\\Elsewhere");
    StoreText(HKEY_CURRENT_USER, kDesktop, "MenuShowDelay", "10");
    StoreBinary(HKEY_USERS, kPolicies, "NoFind", {0, 0, 0, 0});
    const std::string changedIni = "[vcache]\r\nMaxFileCache=1\r\nChunksize=2\r\n";
    systemIni_.Write(changedIni);
    StoreNumber(HKEY_LOCAL_MACHINE, kFileSystem, "ContigFileAllocSize", 2048);
    StoreText(HKEY_LOCAL_MACHINE, kExplorer, "AlwaysUnloadDLL", "0");
    StoreNumber(HKEY_LOCAL_MACHINE, kMemory, "DisablePagingExecutive", 0);
    StoreNumber(HKEY_LOCAL_MACHINE, kMemory, "IoPageLockLimit", 0);
    StoreBinary(HKEY_LOCAL_MACHINE, kCdfs, "Prefetch", {0x40, 0x0C, 0, 0});
    StoreText(HKEY_USERS, kDefaultDesktop, "AutoEndTasks", "1");
    msdos_.Write("[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nBootMenu=0\r\nAutoscan=0\r\n"
                 "DrvSpace=1\r\nDblSpace=1\r\nDoubleBuffer=1\r\n");
    // Protected as Windows keeps it.
    SetFileAttributesA(kMsdos, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                   FILE_ATTRIBUTE_SYSTEM);
    const DWORD protection = GetFileAttributesA(kMsdos);

    ASSERT_EQ(manager_.RestoreBackup(), 1);
    // Every write of the nine files went through: nothing to report.
    EXPECT_TRUE(manager_.OriginalsResult().Complete())
        << DescribeUnrestored(manager_.OriginalsResult());

    // The CD file system values were unreadable at the backup: Windows' own values come back.
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kCdfs, "Prefetch").Number(), 448u);
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kCdfs, "CacheSize").Number(), 619u);
    // AutoEndTasks was missing, so the backup holds 0.
    EXPECT_EQ(ReadStored(HKEY_USERS, kDefaultDesktop, "AutoEndTasks").Text(), "0");
    // The boot menu comes back on every family, the drivers only on the 9x family.
    EXPECT_EQ(MsdosOption("BootMenu"), 1);
    EXPECT_EQ(MsdosOption("DrvSpace"), NineX() ? 0 : 1);
    EXPECT_EQ(MsdosOption("Autoscan"), NineX() ? 2 : 0);
    EXPECT_TRUE(IsHiddenAndSystem(kMsdos));
    EXPECT_EQ(GetFileAttributesA(kMsdos), protection);

    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout").Text(), "5000");
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kUpdate, "UpdateMode").Number(), 1u);
    if (NineX() || NT()) {
        const char* key = NineX() ? kNineXKey : kNTKey;
        EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, key, "RegisteredOrganization").Text(), "Acme");
        EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, key, "RegisteredOwner").Text(), "Ann");
    }
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kFolders, "Favorites").Text(), "C:\\Favs");
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kFolders, "Personal").Text(), "C:\\Docs");
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kDesktop, "MenuShowDelay").Text(), "200");
    EXPECT_EQ(ReadStored(HKEY_USERS, kPolicies, "NoFind").Number(), 1u);
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kExplorer, "AlwaysUnloadDLL").Text(), "1");

    // The Hard disk record holds zeros on the NT family and nothing of it is written back.
    auto vcache = [this](const char* key) {
        return CRegistryAccess::ReadProfileNumber(systemIni_.Path(), "vcache", key, 8);
    };
    EXPECT_EQ(vcache("MinFileCache"), NineX() ? 1024 : 0);
    EXPECT_EQ(vcache("Chunksize"), NineX() ? 512 : 2);
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kFileSystem, "ContigFileAllocSize").Number(),
              NineX() ? 1024u : 2048u);
    if (!NineX()) {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, systemIni_.Path().c_str());
        EXPECT_EQ(CTestFolder::ReadFile(systemIni_.Path()), changedIni);
    }
    // The NT memory values are left alone on every other system.
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kMemory, "DisablePagingExecutive").Number(),
              NT() ? 1u : 0u);
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kMemory, "IoPageLockLimit").Number(),
              NT() ? 16384u : 0u);
    if (!NT()) {
        EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kPriority, "Win32PrioritySeparation").Number(),
                  2u);
    }
}

// The Desktop's "Open With" entry and icon cache, and the fast shutdown switch, belong to
// Windows 95, 98 and ME: elsewhere the backup keeps 0 for them and the restore leaves whatever
// is there. The msdos.sys of Prepare holds Autoscan=1 and DrvSpace=0.
TEST_F(BackupManagerTest, TheNineXOnlyValuesOfThreeModulesAreCapturedAndWrittenBackThereOnly) {
    StoreText(HKEY_CURRENT_USER, kDesktop, "FontSmoothing", "1");
    StoreText(HKEY_LOCAL_MACHINE, kOpenWith, "", "Op&en With...");
    StoreText(HKEY_LOCAL_MACHINE, kOpenWithCommand, "", "rundll32.exe");
    StoreText(HKEY_LOCAL_MACHINE, kExplorer, "Max Cached Icons", "4096");
    StoreText(HKEY_USERS, kDefaultDesktop, "AutoEndTasks", "1");
    StoreText(HKEY_LOCAL_MACHINE, kShutdown, "FastReboot", "1");
    ASSERT_EQ(manager_.CreateBackup(), 1);
    DropRecord();

    const DWORD nineX = NineX() ? 1 : 0;
    // Version, prefix and arrow are missing (0, and 1 for "no prefix" and "no arrow").
    EXPECT_EQ(CTestFolder::ReadFile(File("\\desktop.tvb")),
              NumberRecordFile("CDesktopTweaks", {0, 1, 1, 1, 0, 0, nineX, nineX * 4096}));
    // (The Boot-up and Shut down files' family conditions are pinned by BackupBytesTest.)

    StoreText(HKEY_LOCAL_MACHINE, kExplorer, "Max Cached Icons", "16");
    StoreText(HKEY_LOCAL_MACHINE, kShutdown, "FastReboot", "0");
    ASSERT_EQ(manager_.RestoreBackup(), 1);
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kExplorer, "Max Cached Icons").Text(),
              NineX() ? "4096" : "16");
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kShutdown, "FastReboot").Text(), NineX() ? "1" : "0");
    // Elsewhere the entry was stored as 0 and is left as it is, not removed.
    EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kOpenWith, "").Text(), "Op&en With...");
    EXPECT_EQ(ReadStored(HKEY_USERS, kDefaultDesktop, "AutoEndTasks").Text(), "1");
    // Once removed, the entry comes back on the 9x family only.
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, kOpenWith);
    ASSERT_EQ(manager_.RestoreBackup(), 1);
    EXPECT_EQ(KeyExists(HKEY_LOCAL_MACHINE, kOpenWithCommand), NineX());
}

TEST_F(BackupManagerTest, ARestoreWithTheSortFlagDeletesTheStartMenuOrder) {
    ASSERT_EQ(manager_.CreateBackup(), 1);
    CStartMenuTweaks sorted;
    sorted.menuShowDelay = 200;
    sorted.sortStartMenu = 1;
    ASSERT_EQ(sorted.SaveToFile(File("\\startmenu.tvb")), 1);
    CreateKey(HKEY_CURRENT_USER, std::string(kMenuOrder) + "\\Programs");
    ASSERT_EQ(manager_.RestoreBackup(), 1);
    // Neither family deletes keys.
    EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, kMenuOrder), !NineX() && !NT());
}

// Restore Backup from the File menu. No does nothing. A file that is missing or cannot be read
// (another module's, or garbage) is named by its section; every other module and the record are
// still put back, and the restore goes on as a partial one, as it does past a file holding the
// null object (which writes nothing for its module). Only when nothing at all can be read is it
// an error. A restore tells the caller after any report, before the main window asks to restart
// Windows (whatever its count of restart items).
TEST_F(BackupManagerTest, RestoreFromTheMenuGoesAsFarAsTheFilesAllow) {
    const std::string noFiles = "Error in Restoring Original Settings, Make sure all the "
                                "backup files are located in\n" +
                                GetBackupDirectory();
    const std::string noneRead = "Error in Restoring Original Settings, Make sure you are not\n"
                                 "running any other programs and try again!";
    const std::string kept = "\n\nThe backup is kept in\n" + GetBackupDirectory();
    const std::string unread =
        "These backup files could not be read: their settings were not restored.\n";
    const std::vector<const char*> all = {"\\system.tvb",   "\\desktop.tvb", "\\startmenu.tvb",
                                          "\\internet.tvb", "\\cdrom.tvb",   "\\hdd.tvb",
                                          "\\ram.tvb",      "\\bootup.tvb",  "\\shutdown.tvb"};
    enum Damage { kMissing, kUnreadable, kNullObject };
    const struct {
        std::vector<const char*> files;
        Damage damage;
        bool record;
        int answer;
        std::vector<std::string> reports; // shown after the question
        bool restored;
        const char* hungAppTimeout;
    } cases[] = {
        {{}, kMissing, true, IDNO, {}, false, "9999"},
        {{}, kMissing, true, IDYES, {}, true, "5000"},
        {{"\\system.tvb"}, kNullObject, false, IDYES, {}, true, "9999"},
        {{"\\desktop.tvb"}, kUnreadable, false, IDYES, {unread + "\nDesktop Tweaks" + kept},
         true, "5000"},
        {{"\\system.tvb", "\\shutdown.tvb"},
         kUnreadable,
         true,
         IDYES,
         {unread + "\nSystem Tweaks\nShut down Tweaks" + kept},
         true,
         "5000"},
        {{"\\ram.tvb"}, kMissing, false, IDYES, {unread + "\nMemory Tweaks" + kept}, true, "5000"},
        {all, kUnreadable, false, IDYES, {noneRead}, false, "9999"},
        {all, kMissing, false, IDYES, {noFiles}, false, "9999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reports.empty() ? std::to_string(c.answer) : c.reports[0]);
        CTestFolder::RemoveTree(GetBackupDirectory());
        Prepare();
        ASSERT_EQ(manager_.CreateBackup(), 1);
        if (!c.record)
            DropRecord();
        for (size_t i = 0; i < c.files.size(); ++i) {
            // Missing, or the null object, or another module's file, or garbage.
            if (c.damage == kMissing) {
                ASSERT_TRUE(DeleteFileA(File(c.files[i]).c_str()));
            } else if (c.damage == kNullObject) {
                CTestFolder::WriteFile(File(c.files[i]), std::string("\0\0", 2));
            } else if (i % 2 == 0 && c.files[i] != std::string("\\internet.tvb")) {
                ASSERT_TRUE(
                    CopyFileA(File("\\internet.tvb").c_str(), File(c.files[i]).c_str(), FALSE));
            } else {
                CTestFolder::WriteFile(File(c.files[i]), "not a backup");
            }
        }
        StoreText(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout", "9999");
        StoreText(HKEY_CURRENT_USER, kDesktop, "MenuShowDelay", "10");

        const size_t before = messages_.Texts().size();
        messages_.Answer(c.answer);
        CRecordingMainWindow main;
        int told = 0;
        OnRestoreBackup(nullptr, main, [&] {
            ++told;
            EXPECT_EQ(messages_.Texts().size(), before + 1 + c.reports.size());
            EXPECT_TRUE(main.calls.empty());
        });
        std::vector<std::string> expected = {"Do you wish to restore your original\n"
                                             "system settings now?"};
        expected.insert(expected.end(), c.reports.begin(), c.reports.end());
        EXPECT_EQ(std::vector<std::string>(messages_.Texts().begin() + before,
                                           messages_.Texts().end()),
                  expected);
        EXPECT_EQ(told, c.restored ? 1 : 0);
        // A partial restore still has the main window ask to restart Windows; an error does not.
        EXPECT_EQ(main.calls, c.restored ? std::vector<std::string>{"AskToRestart 0"}
                                         : std::vector<std::string>{});
        // The Start Menu comes after the Desktop; the System comes back through the record.
        EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kDesktop, "MenuShowDelay").Text(),
                  c.restored ? "200" : "10");
        EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout").Text(),
                  c.hungAppTimeout);
    }
}

// The first-run question, and what a Backup folder left from before (a new install beside it, or
// a "Back up" option that could not be stored) changes: a backup that can be read is kept byte
// for byte and used; one that cannot is replaced only on an informed Yes.
TEST_F(BackupManagerTest, TheFirstBackupIsMadeOnceAndNeverReplacedUnasked) {
    enum Folder { kFresh, kInTheWay, kComplete, kWithoutRecord, kDamaged };
    const std::string question =
        "For safety reasons, we need to backup your original settings before changing any "
        "tweaks.\nThis will allow you to restore them back in the future.\n\nDo you wish to "
        "backup now?";
    const std::string found = "A backup of your original settings made earlier was found in\n" +
                              GetBackupDirectory() +
                              "\n\nIt is kept, and Restore Backup will put those settings back.";
    const std::string replace = "A backup of your original settings was found in\n" +
                                GetBackupDirectory() +
                                "\nbut part of it cannot be read.\n\nA new backup replaces it "
                                "with your settings as they are now: original settings kept only "
                                "in the old backup will be lost.\n\nDo you wish to replace it "
                                "with a new backup now?";
    const std::string failed = "Unable to Continue.\n\nError in backing up original Settings.\n"
                               "Please exit all other applications before running Torvane.";
    const struct {
        Folder folder;
        int answer;
        BOOL goesOn;
        std::vector<std::string> texts;
        bool keptAsItWas;
    } cases[] = {
        {kFresh, IDNO, FALSE, {question}, true},
        {kFresh, IDYES, TRUE, {question}, false},
        {kInTheWay, IDYES, FALSE, {question, failed}, true},
        {kComplete, IDNO, TRUE, {found}, true},
        {kWithoutRecord, IDNO, TRUE, {found}, true},
        {kDamaged, IDNO, FALSE, {replace}, true},
        {kDamaged, IDYES, TRUE, {replace}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.folder) + (c.answer == IDYES ? " yes" : " no"));
        CTestFolder::RemoveTree(GetBackupDirectory());
        SHDeleteValueA(HKEY_LOCAL_MACHINE, kOptions, "Back up");
        StoreText(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout", "5000");
        if (c.folder == kInTheWay)
            CTestFolder::WriteFile(GetBackupDirectory(), "in the way");
        if (c.folder >= kComplete) {
            ASSERT_EQ(manager_.CreateBackup(), 1);
            if (c.folder == kWithoutRecord)
                DropRecord();
            if (c.folder == kDamaged)
                CTestFolder::WriteFile(File("\\ram.tvb"), "not a backup");
        }
        std::vector<std::string> files = CBackupManager::BackupFiles();
        files.push_back(COriginalsRecord::DefaultPath());
        auto contents = [&files] {
            std::vector<std::string> bytes;
            for (const std::string& file : files)
                bytes.push_back(CTestFolder::Exists(file) ? CTestFolder::ReadFile(file) : "-");
            return bytes;
        };
        const std::vector<std::string> bytes = contents();
        // The settings are tweaked by now: a new backup would not hold the originals.
        StoreText(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout", "9999");

        const size_t before = messages_.Texts().size();
        messages_.Answer(c.answer);
        EXPECT_EQ(EnsureOriginalBackup(nullptr), c.goesOn);
        EXPECT_EQ(
            std::vector<std::string>(messages_.Texts().begin() + before, messages_.Texts().end()),
            c.texts);
        const StoredValue option = ReadStored(HKEY_LOCAL_MACHINE, kOptions, "Back up");
        EXPECT_EQ(option.exists && option.Number() == 1, c.goesOn != FALSE);
        // Kept: every byte as it was. Replaced: the System file holds the tweaked time-out.
        const std::vector<std::string> now = contents();
        if (c.keptAsItWas)
            EXPECT_EQ(now, bytes);
        else
            EXPECT_NE(now[0], bytes[0]);
        if (c.goesOn) {
            EXPECT_EQ(CBackupManager::FindExistingBackup(), CBackupManager::Existing::kComplete);
            // Asked no more.
            EXPECT_TRUE(EnsureOriginalBackup(nullptr));
            EXPECT_EQ(messages_.Texts().size(), before + c.texts.size());
        }
    }
}

} // namespace
