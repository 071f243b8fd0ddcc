#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <shlwapi.h>
#include <sstream>
#include <string>
#include <vector>

#include "backup/OriginalPlaces.h"
#include "platform/CHandle.h"
#include "support/BackupTestSystem.h"
#include "support/CTestUser.h"
#include "support/ModuleFileMutations.h"
#include "support/TestRegistry.h"
#include "tweaks/CBootupTweaks.h"
#include "tweaks/CCDROMTweaks.h"
#include "tweaks/CDesktopTweaks.h"
#include "tweaks/CHDDTweaks.h"
#include "tweaks/CInternetTweaks.h"
#include "tweaks/CRAMTweaks.h"
#include "tweaks/CShutdownTweaks.h"
#include "tweaks/CStartMenuTweaks.h"
#include "tweaks/CSystemTweaks.h"
#include "tweaks/InternetKeyLists.h"
#include "tweaks/TweakCatalogue.h"

namespace {

using namespace backup_keys;
using namespace backup_places;
const char kInternet[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kDns[] = "SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters";

// A record's text with its checksum line.
std::string Signed(const std::string& body) {
    char checksum[32];
    snprintf(checksum, sizeof(checksum), "; checksum %08lX\r\n",
             static_cast<unsigned long>(COriginalsRecord::Crc32(body)));
    return body + checksum;
}

const char kRefused[] = "The record of your exact original settings cannot be used:\n"
                        "only the settings in the backup files were restored.";
const char kNotRestored[] = "Some original settings could not be restored:\n";

// Every place a commit of the nine modules writes or deletes on this family, with the values
// the system holds before the backup.
class OriginalsRecordTest : public CBackupTestSystem {
protected:
    void SetUp() override {
        CBackupTestSystem::SetUp();
        msdos_.Write("[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\n");
        systemIni_.Write("[boot]\r\nshell=Explorer.exe\r\n");
        StoreNetworkAdapters();
        CollectPlaces();
    }

    void Add(HKEY root, const std::string& key, const std::string& name) {
        places_.push_back({Place::kRegistry, root, key, name});
    }
    void CollectPlaces() {
        const HKEY m = HKEY_LOCAL_MACHINE, u = HKEY_CURRENT_USER, us = HKEY_USERS;
        for (HKEY root : {u, us}) {
            Add(root, kDesktop, "HungAppTimeout");
            Add(root, kDesktop, "FontSmoothing");
            Add(root, kDefaultDesktop, "PaintDesktopVersion");
            Add(root, kDefaultDesktop, "AutoEndTasks");
            Add(root, kDefaultDesktop, "WaitToKillAppTimeout");
        }
        Add(m, "System\\CurrentControlSet\\Control\\Update", "UpdateMode");
        for (const char* key : {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                                "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"}) {
            Add(m, key, "RegisteredOwner");
            Add(m, key, "RegisteredOrganization");
        }
        for (const char* folder : {"Personal", "My Pictures", "Favorites"})
            Add(u, kFolders, folder);
        Add(u, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "link");
        Add(HKEY_CLASSES_ROOT, "lnkfile", "IsShortcut");
        Add(HKEY_CLASSES_ROOT, "piffile", "IsShortcut");
        Add(m, kOpenWith, "");
        Add(m, std::string(kOpenWith) + "\\Command", "");
        Add(m, kExplorer, "Max Cached Icons");
        Add(u, kDesktop, "MenuShowDelay");
        for (const char* policy : {"NoWindowsUpdate", "NoRecentDocMenu", "NoFavoritesMenu", "NoRun",
                                   "NoLogOff", "NoFind", "NoClose", "NoDriveTypeAutoRun"})
            Add(us, kPolicies, policy);
        for (const char* shown : {"StartMenuFavorites", "StartMenuRun", "StartMenuLogoff"})
            Add(us, kAdvanced, shown);
        Add(u, kMenuOrder, "Order");
        Add(u, std::string(kMenuOrder) + "\\Programs", "Order");
        Add(u, kInternet, "MaxConnectionsPerServer");
        Add(u, kInternet, "MaxConnectionsPer1_0Server");
        for (const char* value : {"CacheHashTableBucketSize", "CacheHashTableSize",
                                  "MaxCacheEntryTtlLimit", "MaxSOACacheEntryTtlLimit"})
            Add(m, kDns, value);
        for (const auto& list :
             {BuildMTUKeyList(family_), BuildRWINKeyList(family_), BuildTTLKeyList(family_)})
            for (const std::string& entry : list) {
                std::string value, key;
                SplitKeyListEntry(entry, value, key);
                Add(m, key, value);
            }
        Add(m, kCdfs, "Prefetch");
        Add(m, kCdfs, "CacheSize");
        Add(m, "SYSTEM\\CurrentControlSet\\Services\\CDRom", "Autorun");
        Add(m, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "ContigFileAllocSize");
        Add(m, "System\\CurrentControlSet\\Services\\Class\\hdc\\0000", "ForceFIFO");
        Add(m, kExplorer, "AlwaysUnloadDLL");
        Add(m, kMemory, "DisablePagingExecutive");
        Add(m, kMemory, "IoPageLockLimit");
        Add(m, kPriority, "Win32PrioritySeparation");
        Add(m, "System\\CurrentControlSet\\Control\\Shutdown", "FastReboot");

        const std::string ini = systemIni_.Path();
        for (const char* entry : {"vcache|MinFileCache", "vcache|MaxFileCache", "vcache|Chunksize",
                                  "386Enh|ConservativeSwapfileUsage", "386Enh|MinSPs"})
            places_.push_back({Place::kProfile, nullptr, ini, entry});
        places_.push_back({Place::kProfile, nullptr, winIni_.Path(), "TrueType|FontSmoothing"});
        for (const char* key : {"BootMenu", "BootKeys", "BootMenuDelay", "Autoscan", "DrvSpace",
                                "DblSpace", "DoubleBuffer"})
            places_.push_back({Place::kProfile, nullptr, kMsdos, std::string("Options|") + key});
        for (const CPreservedFile* picture :
             {&logo_, &logoSaved_, &shutdown_, &shutdownSaved_, &turnoff_, &turnoffSaved_})
            places_.push_back({Place::kFile, nullptr, picture->Path(), ""});
    }

    // Unusual originals: odd types and texts, and every other place missing; `variant` shifts
    // which ones.
    void SetOriginals(int variant) {
        for (size_t i = 0; i < places_.size(); ++i) {
            const Place& place = places_[i];
            const int form = static_cast<int>((i + variant) % 5);
            State state;
            if (place.kind == Place::kRegistry) {
                const std::string odd = "odd " + std::to_string(i);
                const State forms[] = {kAbsent,
                                       Text(odd),
                                       Number(0x26 + i),
                                       {true, REG_BINARY, std::string("\x07\xFF\x00\x80", 4)},
                                       {true, REG_EXPAND_SZ, odd + '\0'}};
                state = forms[form];
            } else if (place.kind == Place::kProfile) {
                state = form % 2 == 0 ? kAbsent : Entry(" " + std::to_string(i) + "7");
            } else {
                state = form % 2 == 0 ? kAbsent : Entry("picture " + std::to_string(i));
            }
            Write(place, state);
        }
        // The settings Windows itself writes that a flag or a choice cannot hold.
        Write(Find(kPriority, "Win32PrioritySeparation"),
              Number(family_ == kFamilyWin2000 ? 0x26 : 2));
        Write(Find(kMemory, "IoPageLockLimit"), Number(1048576));
        Write(Find(kMsdos, "Options|Autoscan"), variant == 0 ? Entry("1") : kAbsent);
        Write(Find(kMsdos, "Options|BootKeys"), Entry("0"));
        Write(Find(kMsdos, "Options|BootMenuDelay"), Entry("3"));
        Write(Find(kDefaultDesktop, "WaitToKillAppTimeout"), Text("4000"));
        Write(Find(logo_.Path(), ""), Entry("logo original"));
    }

    const Place& Find(const std::string& key, const std::string& name) const {
        for (const Place& place : places_)
            if (place.key == key && place.name == name)
                return place;
        ADD_FAILURE() << "no place " << key << " " << name;
        return places_.front();
    }

    std::vector<State> Snapshot() const {
        std::vector<State> states;
        for (const Place& place : places_)
            states.push_back(Read(place));
        return states;
    }

    void ExpectSame(const std::vector<State>& expected, const std::vector<State>& actual,
                    const char* when) const {
        for (size_t i = 0; i < places_.size(); ++i)
            EXPECT_TRUE(expected[i] == actual[i])
                << when << ": " << Describe(places_[i]) << " was " << Describe(expected[i])
                << ", now " << Describe(actual[i]);
    }

    // Everything the Auto Tune commit and the nine pages can write, with `deleting` the choices
    // that remove values and keys.
    void CommitEverything(bool deleting) {
        const std::string bitmap = CTestFolder::WindowsDirectory() + "\\test-new.bmp";
        CTestFolder::WriteFile(bitmap, "new picture");
        CSystemTweaks system;
        system.SetHungAppTimeout(1234);
        system.SetUpdateMode(1);
        system.SetRegisteredOwner("Someone");
        system.SetRegisteredOrganization("Elsewhere");
        for (const char* folder : {"Personal", "My Pictures", "Favorites"})
            system.SetShellFolder(folder, "D:\\Moved");
        CDesktopTweaks desktop;
        desktop.SetPaintDesktopVersion(1);
        desktop.SetLinkValue(1);
        desktop.SetIsShortcut(deleting ? 1 : 0);
        desktop.SetFontSmoothing(1);
        desktop.SetOpenWith(deleting ? 0 : 1);
        desktop.SetMaxCachedIcons(999);
        CStartMenuTweaks start;
        start.SetMenuShowDelay(1);
        start.SetMenuOrder(1);
        start.SetNoWindowsUpdate(deleting ? 0 : 1);
        start.SetNoRecentDocMenu(deleting ? 0 : 1);
        start.SetNoFavoritesMenu(1);
        start.SetNoRun(1);
        start.SetNoLogOff(1);
        start.SetNoFind(1);
        start.SetNoClose(1);
        CInternetTweaks internet;
        internet.SetMTU(576);
        internet.SetRWIN(4096);
        internet.SetDefaultTTL(32);
        internet.SetMaxConnectionsPerServer(9);
        internet.SetDoubleDNSCache(1);
        CCDROMTweaks cdrom;
        cdrom.SetCDFS(48, 2);
        cdrom.SetAutorun(0);
        cdrom.SetNoDriveTypeAutoRun(0);
        CHDDTweaks hdd;
        hdd.SetVCache(deleting ? 0 : 1, deleting ? 0 : 2, 3);
        hdd.SetContigFileAllocSize(2048);
        hdd.SetForceFIFO(1);
        CRAMTweaks ram;
        ram.SetAlwaysUnloadDLL(1);
        ram.SetDisablePagingExecutive(1);
        ram.SetIoPageLockLimit(64);
        ram.SetWin32PrioritySeparation(1);
        ram.SetConservativeSwapfileUsage(deleting ? 0 : 1);
        ram.SetMinSPs(deleting ? 0 : 16);
        CBootupTweaks bootup;
        bootup.SetBootMenu(1);
        bootup.SetAutoscan(1);
        bootup.SetDrvSpace(1);
        bootup.SetDblSpace(1);
        bootup.SetDoubleBuffer(1);
        bootup.SetStartupImage(1, bitmap);
        CShutdownTweaks shutdown;
        shutdown.SetAutoEndTasks(1);
        shutdown.SetFastReboot(1);
        shutdown.SetShutdownImage(1, bitmap);
        shutdown.SetTurnoffImage(1, bitmap);
        DeleteFileA(bitmap.c_str());
    }

    // Pictures are kept by existence; the current picture also by content, which a replacement
    // keeps in the saved copy.
    std::vector<State> Comparable(std::vector<State> states) const {
        for (size_t i = 0; i < places_.size(); ++i)
            if (places_[i].kind == Place::kFile && places_[i].key != logo_.Path() &&
                places_[i].key != turnoff_.Path())
                states[i].bytes.clear();
        return states;
    }

    std::vector<Place> places_;
};
// The record keeps exactly the places the tweak catalogue names on this family, each once, under
// its tweak and said as the catalogue says it; and they are the places this test knows a commit
// changes (the registry values beneath a kept tree included).
TEST_F(OriginalsRecordTest, TheRecordKeepsThePlacesOfTheCatalogueAndNoOther) {
    const std::string windows = CTestFolder::WindowsDirectory();
    const OriginalPlaces collected = CollectOriginalPlaces(family_, windows);
    auto words = [](ValueWords said, const char* unit) {
        return std::to_string(static_cast<int>(said)) + " " + (unit != nullptr ? unit : "-");
    };
    auto file = [&windows](const TweakPlace& place, const char* name) {
        return place.root == PlaceRoot::kWindowsDirectory ? windows + name : std::string(name);
    };
    const HKEY roots[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_USERS, HKEY_CLASSES_ROOT};
    std::vector<std::string> expected, found;
    for (int m = 0; m < Modules::kModuleCount; ++m) {
        const TweakCatalogue& catalogue = CatalogueOf(static_cast<Modules::Module>(m));
        for (size_t i = 0; i < catalogue.count; ++i) {
            const TweakEntry& entry = catalogue.entries[i];
            const std::string tweak = entry.ShownName();
            for (const TweakPlace& place : entry.places) {
                const std::string root = RootName(roots[static_cast<int>(place.root) % 4]);
                if (place.kind == PlaceKind::kValue)
                    expected.push_back("value " + root + "\\" + place.key + "|" + place.name + " " +
                                       tweak + " " + words(place.words, place.unit));
                else if (place.kind == PlaceKind::kTree)
                    expected.push_back("tree " + root + "\\" + place.key + " " + tweak);
                else if (place.kind == PlaceKind::kProfileEntry)
                    expected.push_back("entry " + file(place, place.key) + "|" + place.name + "|" +
                                       place.entry + " " + tweak + " " +
                                       words(place.words, place.unit));
                else if (place.kind == PlaceKind::kPicture)
                    expected.push_back("picture " + file(place, place.key) + "|" +
                                       file(place, place.name) + " " + tweak);
                else if (place.kind == PlaceKind::kAdapterKeys)
                    for (const std::string& listed : place.adapterKeys(family_)) {
                        std::string value, key;
                        SplitKeyListEntry(listed, value, key);
                        const std::string line = "value HKEY_LOCAL_MACHINE\\" + key + "|" + value +
                                                 " " + tweak + " " + words(place.words, place.unit);
                        if (std::find(expected.begin(), expected.end(), line) == expected.end())
                            expected.push_back(line);
                    }
            }
        }
    }
    for (const RegistryPlace& value : collected.values)
        found.push_back("value " + std::string(RootName(value.root)) + "\\" + value.key + "|" +
                        value.value + " " + value.tweak + " " + words(value.words, value.unit));
    for (const RegistryPlace& tree : collected.trees)
        found.push_back("tree " + std::string(RootName(tree.root)) + "\\" + tree.key + " " +
                        tree.tweak);
    for (const ProfilePlace& entry : collected.entries)
        found.push_back("entry " + entry.file + "|" + entry.section + "|" + entry.key + " " +
                        entry.tweak + " " + words(entry.words, entry.unit));
    for (const PicturePlace& picture : collected.pictures)
        found.push_back("picture " + picture.picture + "|" + picture.saved + " " + picture.tweak);
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected);

    // The places this test knows, each collected once: a registry value as a value (or else
    // beneath a kept tree), a profile entry, a picture or its saved copy.
    size_t values = 0, entries = 0, files = 0;
    for (const Place& place : places_) {
        SCOPED_TRACE(Describe(place));
        if (place.kind == Place::kRegistry) {
            const RegistryPlace known{place.root, place.key, place.name};
            const size_t listed = std::count_if(
                collected.values.begin(), collected.values.end(),
                [&](const RegistryPlace& value) { return SameRegistryPlace(value, known); });
            const bool inTree = std::any_of(
                collected.trees.begin(), collected.trees.end(),
                [&](const RegistryPlace& tree) { return IsInTree(tree, place.root, place.key); });
            EXPECT_TRUE(listed == 1 || (listed == 0 && inTree));
            values += listed;
        } else if (place.kind == Place::kProfile) {
            const size_t bar = place.name.find('|');
            EXPECT_EQ(std::count_if(collected.entries.begin(), collected.entries.end(),
                                    [&](const ProfilePlace& entry) {
                                        return lstrcmpiA(entry.file.c_str(), place.key.c_str()) ==
                                                   0 &&
                                               entry.section == place.name.substr(0, bar) &&
                                               entry.key == place.name.substr(bar + 1);
                                    }),
                      1);
            ++entries;
        } else {
            EXPECT_EQ(std::count_if(
                          collected.pictures.begin(), collected.pictures.end(),
                          [&](const PicturePlace& picture) {
                              return lstrcmpiA(picture.picture.c_str(), place.key.c_str()) == 0 ||
                                     lstrcmpiA(picture.saved.c_str(), place.key.c_str()) == 0;
                          }),
                      1);
            ++files;
        }
    }
    EXPECT_EQ(values, collected.values.size());
    EXPECT_EQ(entries, collected.entries.size());
    EXPECT_EQ(files, 2 * collected.pictures.size());
}

// A Hard disk file of five zeros (as the NT family takes it) restores nothing on any family.
TEST_F(OriginalsRecordTest, AHardDiskRecordOfFiveZerosRestoresNothing) {
    SetOriginals(1);
    ASSERT_EQ(manager_.CreateBackup(), 1);
    DropRecord();
    CHDDTweaks zeros;
    zeros.minFileCache = zeros.maxFileCache = zeros.chunkSize = 0;
    zeros.contigFileAllocSize = zeros.forceFIFO = 0;
    ASSERT_EQ(zeros.SaveToFile(""), 1);
    CHDDTweaks().SetVCache(1, 2, 3);
    CHDDTweaks().SetContigFileAllocSize(2048);
    CHDDTweaks().SetForceFIFO(1);
    ASSERT_EQ(manager_.RestoreBackup(), 1);
    EXPECT_TRUE(Read(Find(systemIni_.Path(), "vcache|MinFileCache")) == Entry("1"));
    EXPECT_TRUE(Read(Find(systemIni_.Path(), "vcache|Chunksize")) == Entry("3"));
    EXPECT_TRUE(Read(Find(kFileSystem, "ContigFileAllocSize")) == Number(2048));
    EXPECT_TRUE(Read(Find(kHdc, "ForceFIFO")) == Text("1"));
}

// Truncated, altered and hostile records: restore never crashes and never writes anything that
// the record does not hold intact, nor anything outside the places it keeps. Records with a right
// checksum that hold what no original can (line breaks and other control characters for a
// profile file, places the table does not name, also by ".." steps, and sizes beyond the places)
// are refused whole with one report: the system ends exactly as the nine files alone leave it.
TEST_F(OriginalsRecordTest, DamagedAndHostileRecordsWriteNothingTheyDoNotHoldIntact) {
    SetOriginals(0);
    const std::vector<State> original = Snapshot();
    ASSERT_EQ(manager_.CreateBackup(), 1);
    const std::string record = CTestFolder::ReadFile(COriginalsRecord::DefaultPath());
    const std::string body = record.substr(0, record.find("; checksum "));
    CommitEverything(false);
    const std::vector<State> committed = Snapshot();
    const std::vector<const CPreservedFile*> profiles = {&systemIni_, &winIni_, &msdos_};
    auto profileBytes = [&profiles] {
        std::vector<std::string> bytes;
        for (const CPreservedFile* file : profiles)
            bytes.push_back(CTestFolder::ReadFile(file->Path()));
        return bytes;
    };
    const std::vector<std::string> committedProfiles = profileBytes();
    auto recommit = [&] {
        for (size_t i = 0; i < places_.size(); ++i)
            Write(places_[i], committed[i]);
        for (size_t i = 0; i < profiles.size(); ++i)
            profiles[i]->Write(committedProfiles[i]);
    };
    const std::string path = COriginalsRecord::DefaultPath();
    int applied = 0;
    int checks = 0;
    auto check = [&](const std::string& bytes) {
        CTestFolder::WriteFile(path, bytes);
        COriginalsRecord::RestoreSystem();
        // What the restore saw as no record needs no look at every place each time.
        if (!COriginalsRecord().Parse(bytes) && ++checks % 64 != 0)
            return;
        const std::vector<State> now = Snapshot();
        bool changed = false;
        for (size_t i = 0; i < places_.size(); ++i) {
            if (now[i] == committed[i])
                continue;
            changed = true;
            ASSERT_TRUE(now[i] == original[i])
                << Describe(places_[i]) << " became " << Describe(now[i]);
        }
        if (changed) {
            ++applied;
            for (size_t i = 0; i < places_.size(); ++i)
                Write(places_[i], committed[i]);
        }
    };
    for (size_t length = 0; length < record.size(); length += 1 + length / 16)
        check(record.substr(0, length));
    Lcg random(0x0416u);
    for (int i = 0; i < 1500; ++i) {
        std::string bytes = record;
        const int edits = 1 + static_cast<int>(random.Next() % 3);
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
            const size_t at = random.Next() % bytes.size();
            switch (random.Next() % 4) {
            case 0:
                bytes[at] = static_cast<char>(random.Next());
                break;
            case 1:
                bytes.erase(at, 1 + random.Next() % 8);
                break;
            case 2:
                bytes.insert(
                    at, std::string(1 + random.Next() % 4, "\"=\\[]-:,\r\n"[random.Next() % 11]));
                break;
            default:
                bytes.resize(at);
                break;
            }
        }
        if (bytes != record)
            check(bytes);
        if (HasFatalFailure())
            return;
    }
    EXPECT_EQ(applied, 0);
    // The record itself, intact, puts everything back.
    check(record);
    EXPECT_EQ(applied, 1);

    recommit();
    DeleteFileA(path.c_str());
    ASSERT_EQ(RestoreFromMenu(), "");
    const std::vector<State> nineFilesOnly = Snapshot();
    const std::vector<std::string> nineFilesOnlyProfiles = profileBytes();
    if (IsNTFamily(family_)) {
        // The flag of the Memory file: 2 came back as 1; the lock limit as the file holds it.
        EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kPriority, "Win32PrioritySeparation").Number(),
                  1u);
        EXPECT_EQ(ReadStored(HKEY_LOCAL_MACHINE, kMemory, "IoPageLockLimit").Number(), 4096u);
    }

    const std::string minSPs = "[PROFILE " + systemIni_.Path() + "|386Enh]\r\n\"MinSPs\"=";
    const std::string options = std::string("[PROFILE ") + kMsdos + "|Options]\r\n";
    const std::string menuOrder = std::string("[HKEY_CURRENT_USER\\") + kMenuOrder;
    const std::string intruder = "\"Intruder\"=\"c:\\\\evil.exe\"\r\n";
    std::string tooLong = "00";
    for (int i = 0; i < (1 << 20); ++i)
        tooLong += ",00";
    // A record of the other family (a record of another version of this family is used).
    std::string foreign = body;
    foreign[foreign.find("Family=") + 7] = IsNineXFamily(family_) ? '5' : '2';
    std::string damaged = record, damagedValue = record;
    damaged[damaged.find("Family=") - 3] ^= 1;
    damagedValue[body.size() / 2] ^= 1;
    const std::string records[] = {
        Signed(body + minSPs + "\"4\\x0D\\x0Adevice=evil.vxd\"\r\n"),
        Signed(body + options +
               "\"BootMenu\"=\"1\\x0D\\x0A[Paths]\\x0D\\x0AWinDir=C:\\\\EVIL\"\r\n"),
        Signed(body + options + "\"Autoscan\"=\"1\\x0A\"\r\n"),
        Signed(body + minSPs + "\"4\\x1B\"\r\n"),
        Signed(body + minSPs + "\"" + std::string(4096, '4') + "\"\r\n"),
        Signed(body + options + "\"Evil\"=\"1\"\r\n"),
        Signed(body + "[PROFILE " + systemIni_.Path() + "|boot]\r\n\"shell\"=\"evil.exe\"\r\n"),
        Signed(body +
               "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n" +
               intruder),
        Signed(body + menuOrder + "\\..\\..\\..\\Run]\r\n" + intruder),
        Signed(body + menuOrder + "]\r\n\"Order\\x0D\\x0A\"=hex:01\r\n"),
        Signed(body + menuOrder + "]\r\n\"Order\"=hex:" + tooLong + "\r\n"),
        Signed(body + "[FILES]\r\n\"c:\\\\autoexec.bat\"=-\r\n"),
        Signed(body + "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n\"Wallpaper\"=-\r\n"),
        Signed(body + "; " + std::string(16u << 20, ' ') + "\r\n"),
        Signed(foreign),
        damaged,
        damagedValue,
    };
    StoreText(HKEY_CURRENT_USER, kDesktop, "Wallpaper", "kept.bmp");
    for (size_t i = 0; i < sizeof(records) / sizeof(records[0]); ++i) {
        SCOPED_TRACE(i);
        recommit();
        CTestFolder::WriteFile(path, records[i]);
        EXPECT_EQ(RestoreFromMenu(),
                  kRefused + std::string("\n\nThe backup is kept in\n") + GetBackupDirectory());
        ExpectSame(nineFilesOnly, Snapshot(), "after a refused record");
        EXPECT_EQ(profileBytes(), nineFilesOnlyProfiles);
        EXPECT_FALSE(ReadStored(HKEY_LOCAL_MACHINE,
                                "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Intruder")
                         .exists);
        EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kDesktop, "Wallpaper").Text(), "kept.bmp");
        EXPECT_EQ(CTestFolder::ReadFile(path), records[i]);
    }
    // A tab is text a profile line can hold: such a record is used.
    recommit();
    CTestFolder::WriteFile(path, Signed(body + options + "\"Autoscan\"=\"1\\x092\"\r\n"));
    EXPECT_EQ(RestoreFromMenu(), "");
    EXPECT_TRUE(Read(Find(kMsdos, "Options|Autoscan")) == Entry("1\t2"));
}

// Registry keys that refuse writes: the tweaks left behind are named once each as the pages show
// them, the backup is kept, and every other place is back. Without a record the failed writes of
// the nine files are named the same way.
TEST_F(OriginalsRecordTest, TweaksThatCannotBeWrittenAreNamedAndTheRestIsRestored) {
    // The tweaks with places under HKEY_USERS.
    const std::vector<std::string> usersTweaks = {
        "Non-Responding Apps. Time Out",
        "Show Windows Version on the Desktop",
        "Enable Smooth Fonts",
        "Remove Windows Update from Start Menu",
        "Remove Documents Folder from Start Menu",
        "Remove Favorites from Start Menu",
        "Remove 'Run' from Start Menu",
        "Remove 'Log Off' from Start Menu",
        "Remove 'Find' from Start Menu",
        "Remove 'Shutdown' from Start Menu",
        "Auto Play on Data CDs",
        "Auto Close Not Responding Applications on Shutdown"};
    for (const bool withRecord : {true, false}) {
        SCOPED_TRACE(withRecord ? "with the record" : "with the nine files alone");
        CTestFolder::RemoveTree(GetBackupDirectory());
        SetOriginals(0);
        const std::vector<State> original = Comparable(Snapshot());
        ASSERT_EQ(manager_.CreateBackup(), 1);
        if (!withRecord)
            DropRecord();
        CommitEverything(false);
        std::string report;
        {
            CRegistrySandbox refused(CRegistrySandbox::kUsers | CRegistrySandbox::kUsersRefused);
            report = RestoreFromMenu();
        }
        ASSERT_EQ(report.rfind(kNotRestored, 0), 0u) << report;
        const std::string kept = "\n\nThe backup is kept in\n" + GetBackupDirectory();
        ASSERT_EQ(report.size() - report.rfind(kept), kept.size()) << report;
        EXPECT_EQ(report.find("HKEY_"), std::string::npos) << report;
        // One tweak a line, each once, all of them tweaks kept under HKEY_USERS.
        std::vector<std::string> lines;
        const size_t listAt = strlen(kNotRestored);
        const std::string list = report.substr(listAt, report.rfind(kept) - listAt);
        EXPECT_NE(list.back(), '\n');
        std::istringstream listed(list.substr(1));
        for (std::string line; std::getline(listed, line);)
            lines.push_back(line);
        ASSERT_FALSE(lines.empty());
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i == 8 && lines[i].rfind("... and ", 0) == 0)
                continue;
            EXPECT_NE(std::find(usersTweaks.begin(), usersTweaks.end(), lines[i]),
                      usersTweaks.end())
                << lines[i];
            EXPECT_EQ(std::count(lines.begin(), lines.end(), lines[i]), 1) << lines[i];
        }
        if (withRecord) {
            const std::vector<State> now = Comparable(Snapshot());
            for (size_t i = 0; i < places_.size(); ++i) {
                if (places_[i].root != HKEY_USERS) {
                    EXPECT_TRUE(now[i] == original[i])
                        << Describe(places_[i]) << " is " << Describe(now[i]);
                }
            }
        }
        EXPECT_EQ(manager_.BackupFilesExist(), 1);
        EXPECT_EQ(CTestFolder::Exists(COriginalsRecord::DefaultPath()), withRecord);
    }
}

// Every place comes back exactly after every commit, and a second restore changes nothing
// further. A record of another version of the same family (upgraded Windows) is used; one made by
// another user puts back only the places of the whole computer, leaving those of the user
// restoring as they are, also where the nine files hold them.
TEST_F(OriginalsRecordTest, RestoreBringsBackEveryPlaceAsFarAsTheRecordBelongs) {
    if (!IsNineXFamily(family_) && !IsNTFamily(family_))
        GTEST_SKIP() << "no Windows family";
    const char sibling = static_cast<char>(
        '0' + (IsNineXFamily(family_) ? (family_ == kFamilyWin98 ? kFamilyWinME : kFamilyWin98)
                                      : (family_ == kFamilyWinXP ? kFamilyWin2000 : kFamilyWinXP)));
    const std::string otherUserLine =
        "The backup was made by another user (Ann): only the settings for the whole computer "
        "were restored.\nYour own settings were left as they are.\n\nThe backup is kept in\n" +
        GetBackupDirectory();
    const struct {
        int variant; // which originals
        bool deleting; // the commit's choices that remove values and keys
        bool siblingVersion;
        const char* restoringUser;
        bool perUserRestored;
        std::string report;
    } cases[] = {
        {0, false, false, "Ann", true, ""},
        {1, true, false, "Ann", true, ""},
        {1, false, true, "Ann", true, ""},
        {1, false, false, "ANN", true, ""},
        {1, false, false, "Bob", false, otherUserLine},
        {1, false, false, "", true, ""}, // nobody known logged on: as before
    };
    CTestUser user("Ann");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.variant) + c.restoringUser + (c.siblingVersion ? "+" : ""));
        CTestFolder::RemoveTree(GetBackupDirectory());
        user.Set("Ann");
        SetOriginals(c.variant);
        const std::vector<State> original = Comparable(Snapshot());
        ASSERT_EQ(manager_.CreateBackup(), 1);
        const std::string path = COriginalsRecord::DefaultPath();
        std::string body = CTestFolder::ReadFile(path);
        ASSERT_NE(body.find("\r\nUser=Ann\r\n"), std::string::npos);
        body = body.substr(0, body.find("; checksum "));
        if (c.siblingVersion)
            body[body.find("Family=") + 7] = sibling;
        CTestFolder::WriteFile(path, Signed(body));
        CommitEverything(c.deleting);
        const std::vector<State> committed = Comparable(Snapshot());
        user.Set(c.restoringUser);
        std::vector<State> expected = original;
        for (size_t i = 0; i < places_.size(); ++i)
            if (places_[i].root == HKEY_CURRENT_USER && !c.perUserRestored)
                expected[i] = committed[i];
        for (const char* when : {"after the restore", "after a second restore"}) {
            EXPECT_EQ(RestoreFromMenu(), c.report) << when;
            ExpectSame(expected, Comparable(Snapshot()), when);
        }
    }
}

// The saved copy of a replaced picture may be the only one of the original: while the picture
// cannot be put back (held open), the copy stays and the picture is named.
TEST_F(OriginalsRecordTest, TheSavedPictureStaysUntilTheOriginalIsBack) {
    SetOriginals(0);
    Write(Find(logoSaved_.Path(), ""), kAbsent);
    ASSERT_EQ(manager_.CreateBackup(), 1);
    CommitEverything(false);
    ASSERT_EQ(CTestFolder::ReadFile(logoSaved_.Path()), "logo original");
    std::string report;
    {
        CHandle held(
            CreateFileA(logo_.Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held.IsValid());
        report = RestoreFromMenu();
    }
    EXPECT_EQ(report.rfind(kNotRestored, 0), 0u) << report;
    EXPECT_NE(report.find("\nStartup Image\n"), std::string::npos) << report;
    EXPECT_EQ(CTestFolder::ReadFile(logoSaved_.Path()), "logo original");
    // Once the picture is free, the next restore puts it back and drops the copy.
    EXPECT_EQ(RestoreFromMenu(), "");
    EXPECT_EQ(CTestFolder::ReadFile(logo_.Path()), "logo original");
    EXPECT_FALSE(CTestFolder::Exists(logoSaved_.Path()));
}

// C:\msdos.sys keeps exactly the attributes it had through a Boot-up commit and a restore.
TEST_F(OriginalsRecordTest, MsdosSysKeepsItsAttributesThroughCommitAndRestore) {
    const DWORD protection[] = {FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                    FILE_ATTRIBUTE_SYSTEM,
                                FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM,
                                FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_NORMAL};
    for (DWORD attributes : protection) {
        SCOPED_TRACE(attributes);
        msdos_.Write("[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nBootMenu=0\r\n");
        ASSERT_TRUE(SetFileAttributesA(kMsdos, attributes));
        const DWORD before = GetFileAttributesA(kMsdos);
        CTestFolder::RemoveTree(GetBackupDirectory());
        ASSERT_EQ(manager_.CreateBackup(), 1);
        EXPECT_TRUE(CBootupTweaks().SetBootMenu(1));
        EXPECT_EQ(GetFileAttributesA(kMsdos), before) << "after the commit";
        EXPECT_TRUE(Read(Find(kMsdos, "Options|BootKeys")) == Entry("1"));
        ASSERT_EQ(manager_.RestoreBackup(), 1);
        EXPECT_EQ(GetFileAttributesA(kMsdos), before) << "after the restore";
        EXPECT_TRUE(Read(Find(kMsdos, "Options|BootMenu")) == Entry("0"));
        EXPECT_TRUE(Read(Find(kMsdos, "Options|BootKeys")) == kAbsent);
        EXPECT_TRUE(manager_.OriginalsResult().failed.empty());
    }
}

} // namespace

