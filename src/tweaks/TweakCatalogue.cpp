#include "tweaks/TweakCatalogue.h"

#include <cstring>

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

namespace {

constexpr PlaceRoot kMachine = PlaceRoot::kMachine;
constexpr PlaceRoot kUser = PlaceRoot::kUser;
constexpr PlaceRoot kUsers = PlaceRoot::kUsers;
constexpr PlaceRoot kClasses = PlaceRoot::kClasses;
constexpr PlaceRoot kWindows = PlaceRoot::kWindowsDirectory;

using W = ValueWords;
constexpr W kText = W::kText, kFolder = W::kFolder, kFlag = W::kFlag, kInverted = W::kFlagInverted,
            kSeconds = W::kSeconds, kNumber = W::kNumber;

const char kDesktopKey[] = "Control Panel\\Desktop";
const char kDefaultDesktopKey[] = ".DEFAULT\\Control Panel\\Desktop";
const char kPoliciesKey[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const char kAdvancedKey[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const char kMachineExplorerKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const char kWindowsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char kWindowsNTKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const char kInternetSettingsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kDnsCacheKey[] = "SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters";
const char kMemoryManagementKey[] =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const char kOpenWithKey[] = "Software\\CLASSES\\*\\Shell\\OpenWith";
const char kOpenWithCommandKey[] = "Software\\CLASSES\\*\\Shell\\OpenWith\\Command";
const char kCDFSKey[] = "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";
const char kSystemIni[] = "\\System.ini";

// System: the time-out is shown in seconds; the three folders need a restart.
using Sys = CSystemTweaks;
template <const char* Folder> constexpr TweakAccess FolderAccess() {
    return {[](CRegistryAccess& module, TweakValue& value) {
                return static_cast<Sys&>(module).GetShellFolder(Folder, value.text);
            },
            [](CRegistryAccess& module, const TweakValue& value) {
                return static_cast<Sys&>(module).SetShellFolder(Folder, value.text);
            }};
}
constexpr char kPersonal[] = "Personal";
constexpr char kMyPictures[] = "My Pictures";
constexpr char kFavorites[] = "Favorites";
constexpr TweakHelp kFolderHelp = HelpOf<Sys, &Sys::GetHelpFolderLocation>();
constexpr Modules::Module kSys = Modules::kSystem;

constexpr TweakEntry kSystemTweaks[] = {
    Tweak(kSys, "Non-Responding Apps. Time Out",
          NumberAccess<Sys, &Sys::GetHungAppTimeout, &Sys::SetHungAppTimeout>(),
          HelpOf<Sys, &Sys::GetHelpTimeout>())
        .Preset(20)
        .Scale(1000)
        .Record(NumberField<Sys, &Sys::hungAppTimeout>())
        .Places(RegValue(kUser, kDesktopKey, "HungAppTimeout", kSeconds),
                RegValue(kUsers, kDesktopKey, "HungAppTimeout", kSeconds)),
    Tweak(kSys, "Constantly Refresh Windows Explorer",
          NumberAccess<Sys, &Sys::GetUpdateMode, &Sys::SetUpdateMode>(),
          HelpOf<Sys, &Sys::GetHelpExplorerRefresh>())
        .Record(NumberField<Sys, &Sys::keepExplorerRefreshed>())
        .Places(RegValue(kMachine, "System\\CurrentControlSet\\Control\\Update", "UpdateMode",
                         kInverted)),
    Tweak(kSys, "Windows Reg. Name",
          TextAccess<Sys, &Sys::GetRegisteredOwner, &Sys::SetRegisteredOwner>(),
          HelpOf<Sys, &Sys::GetHelpRegisteredName>())
        .Record(TextField<Sys, &Sys::registeredOwner>())
        .Places(RegValue(kMachine, kWindowsKey, "RegisteredOwner", kText),
                RegValue(kMachine, kWindowsNTKey, "RegisteredOwner", kText)),
    Tweak(kSys, "Windows Reg. Company",
          TextAccess<Sys, &Sys::GetRegisteredOrganization, &Sys::SetRegisteredOrganization>(),
          HelpOf<Sys, &Sys::GetHelpRegisteredCompany>())
        .Record(TextField<Sys, &Sys::registeredOrganization>())
        .Places(RegValue(kMachine, kWindowsKey, "RegisteredOrganization", kText),
                RegValue(kMachine, kWindowsNTKey, "RegisteredOrganization", kText)),
    Tweak(kSys, "\"My Documents\" Location", FolderAccess<kPersonal>(), kFolderHelp)
        .Restart()
        .Record(TextField<Sys, &Sys::personalFolder>())
        .Places(RegValue(kUser, kShellFoldersKey, kPersonal, kFolder)),
    Tweak(kSys, "\"My Pictures\" Location", FolderAccess<kMyPictures>(), kFolderHelp)
        .Restart()
        .Record(TextField<Sys, &Sys::myPicturesFolder>())
        .Places(RegValue(kUser, kShellFoldersKey, kMyPictures, kFolder)),
    Tweak(kSys, "\"Favorites\" Location", FolderAccess<kFavorites>(), kFolderHelp)
        .Restart()
        .Record(TextField<Sys, &Sys::favoritesFolder>())
        .Places(RegValue(kUser, kShellFoldersKey, kFavorites, kFolder)),
};

// Desktop: every item needs a restart; "Open With" and the icon cache are 9x-only.
using Dsk = CDesktopTweaks;
constexpr Modules::Module kDsk = Modules::kDesktop;
constexpr TweakEntry kDesktopTweaks[] = {
    Tweak(kDsk, "Show Windows Version on the Desktop",
          NumberAccess<Dsk, &Dsk::GetPaintDesktopVersion, &Dsk::SetPaintDesktopVersion>(),
          HelpOf<Dsk, &Dsk::GetHelpShowVersion>())
        .Restart()
        .Record(NumberField<Dsk, &Dsk::showWindowsVersion>())
        .Places(RegValue(kUsers, kDefaultDesktopKey, "PaintDesktopVersion", kFlag),
                RegValue(kUser, kDefaultDesktopKey, "PaintDesktopVersion", kFlag)),
    Tweak(kDsk, "\"Shortcut to\" Prefix on Shortcuts",
          NumberAccess<Dsk, &Dsk::GetLinkValue, &Dsk::SetLinkValue>(),
          HelpOf<Dsk, &Dsk::GetHelpShortcutPrefix>())
        .Shown("Disable \"Shortcut to\" Prefix on Shortcuts")
        .Restart()
        .Record(NumberField<Dsk, &Dsk::noShortcutPrefix>())
        .Places(RegValue(kUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "link",
                         kInverted)),
    Tweak(kDsk, "Shortcut Arrows on Shortcuts",
          NumberAccess<Dsk, &Dsk::GetIsShortcut, &Dsk::SetIsShortcut>(),
          HelpOf<Dsk, &Dsk::GetHelpShortcutArrow>())
        .Shown("Hide Shortcut Arrows on Shortcuts")
        .Restart()
        .Record(NumberField<Dsk, &Dsk::hideShortcutArrows>())
        .Places(RegValue(kClasses, "lnkfile", "IsShortcut", W::kSetMeansOff),
                RegValue(kClasses, "piffile", "IsShortcut", W::kSetMeansOff)),
    Tweak(kDsk, "Smooth Fonts", NumberAccess<Dsk, &Dsk::GetFontSmoothing, &Dsk::SetFontSmoothing>(),
          HelpOf<Dsk, &Dsk::GetHelpFontSmoothing>())
        .Shown("Enable Smooth Fonts")
        .Restart()
        .Record(NumberField<Dsk, &Dsk::fontSmoothing>())
        .Places(RegValue(kUser, kDesktopKey, "FontSmoothing", kFlag),
                RegValue(kUsers, kDesktopKey, "FontSmoothing", kFlag),
                ProfileEntry(kWindows, "\\win.ini", "TrueType", "FontSmoothing", kFlag)),
    Tweak(kDsk, "\"Open With\" Option on Right Click Menus",
          NumberAccess<Dsk, &Dsk::GetOpenWith, &Dsk::SetOpenWith>(),
          HelpOf<Dsk, &Dsk::GetHelpOpenWith>())
        .Shown("Enable \"Open With\" Option on Right Click Menus")
        .Families(kNineXOnly)
        .Restart()
        .Record(NumberField<Dsk, &Dsk::openWith>())
        .Places(RegValue(kMachine, kOpenWithKey, "", kText),
                RegValue(kMachine, kOpenWithCommandKey, "", kText),
                RegTree(kMachine, kOpenWithKey)),
    Tweak(kDsk, "Icon Cache Size",
          NumberAccess<Dsk, &Dsk::GetMaxCachedIcons, &Dsk::SetMaxCachedIcons>(),
          HelpOf<Dsk, &Dsk::GetHelpIconCache>())
        .Preset(8192)
        .Families(kNineXOnly)
        .Restart()
        .Record(NumberField<Dsk, &Dsk::maxCachedIcons>())
        .Places(RegValue(kMachine, kMachineExplorerKey, "Max Cached Icons", kNumber, "icons")),
};

// Start Menu: every item needs a restart. The removals are not offered on XP, where the page
// leaves them alone; the backup still reads them there and the restore writes them back.
using Sm = CStartMenuTweaks;
constexpr TweakHelp kRemoveHelp = HelpOf<Sm, &Sm::GetHelpRemoveItem>();
constexpr Modules::Module kSm = Modules::kStartMenu;
constexpr TweakEntry kStartMenuTweaks[] = {
    Tweak(kSm, "Start Menu Speed", NumberAccess<Sm, &Sm::GetMenuShowDelay, &Sm::SetMenuShowDelay>(),
          HelpOf<Sm, &Sm::GetHelpMenuSpeed>())
        .Preset(400)
        .Restart()
        .Record(NumberField<Sm, &Sm::menuShowDelay>())
        .Places(RegValue(kUser, kDesktopKey, "MenuShowDelay", kNumber, "milliseconds")),
    Tweak(kSm, "Sort Start Menu in Alphabetical order",
          NumberAccess<Sm, &Sm::GetMenuOrder, &Sm::SetMenuOrder>(),
          HelpOf<Sm, &Sm::GetHelpMenuOrdering>())
        .Restart()
        .Record(NumberField<Sm, &Sm::sortStartMenu>())
        .Places(RegTree(
            kUser,
            "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu")),
    Tweak(kSm, "Remove Windows Update from Start Menu",
          NumberAccess<Sm, &Sm::GetNoWindowsUpdate, &Sm::SetNoWindowsUpdate>(), kRemoveHelp)
        .Families(kNotXP)
        .BackupFamilies(kAllFamilies)
        .Restart()
        .Record(NumberField<Sm, &Sm::noWindowsUpdate>())
        .Places(RegValue(kUsers, kPoliciesKey, "NoWindowsUpdate", kFlag)),
    Tweak(kSm, "Remove Documents Folder from Start Menu",
          NumberAccess<Sm, &Sm::GetNoRecentDocMenu, &Sm::SetNoRecentDocMenu>(), kRemoveHelp)
        .Families(kNotXP)
        .BackupFamilies(kAllFamilies)
        .Restart()
        .Record(NumberField<Sm, &Sm::noRecentDocMenu>())
        .Places(RegValue(kUsers, kPoliciesKey, "NoRecentDocMenu", kFlag)),
    Tweak(kSm, "Remove Favorites from Start Menu",
          NumberAccess<Sm, &Sm::GetNoFavoritesMenu, &Sm::SetNoFavoritesMenu>(), kRemoveHelp)
        .Families(kNotXP)
        .BackupFamilies(kAllFamilies)
        .Restart()
        .Record(NumberField<Sm, &Sm::noFavoritesMenu>())
        .Places(RegValue(kUsers, kPoliciesKey, "NoFavoritesMenu", kFlag),
                RegValue(kUsers, kAdvancedKey, "StartMenuFavorites", kInverted)),
    Tweak(kSm, "Remove 'Find' from Start Menu", NumberAccess<Sm, &Sm::GetNoFind, &Sm::SetNoFind>(),
          kRemoveHelp)
        .Families(kNotXP)
        .BackupFamilies(kAllFamilies)
        .Restart()
        .Record(NumberField<Sm, &Sm::noFind>())
        .Places(RegValue(kUsers, kPoliciesKey, "NoFind", kFlag)),
    Tweak(kSm, "Remove 'Run' from Start Menu", NumberAccess<Sm, &Sm::GetNoRun, &Sm::SetNoRun>(),
          kRemoveHelp)
        .Families(kNotXP)
        .BackupFamilies(kAllFamilies)
        .Restart()
        .Record(NumberField<Sm, &Sm::noRun>())
        .Places(RegValue(kUsers, kPoliciesKey, "NoRun", kFlag),
                RegValue(kUsers, kAdvancedKey, "StartMenuRun", kInverted)),
    Tweak(kSm, "Remove 'Log Off' from Start Menu",
          NumberAccess<Sm, &Sm::GetNoLogOff, &Sm::SetNoLogOff>(), kRemoveHelp)
        .Families(kNotXP)
        .BackupFamilies(kAllFamilies)
        .Restart()
        .Record(NumberField<Sm, &Sm::noLogOff>())
        .Places(RegValue(kUsers, kPoliciesKey, "NoLogOff", kFlag),
                RegValue(kUsers, kAdvancedKey, "StartMenuLogoff", kInverted)),
    Tweak(kSm, "Remove 'Shutdown' from Start Menu",
          NumberAccess<Sm, &Sm::GetNoClose, &Sm::SetNoClose>(), kRemoveHelp)
        .Families(kNotXP)
        .BackupFamilies(kAllFamilies)
        .Restart()
        .Record(NumberField<Sm, &Sm::noClose>())
        .Places(RegValue(kUsers, kPoliciesKey, "NoClose", kFlag)),
};

// Internet: the TCP/IP tunings and the DNS cache need a restart; the browser reads the
// download count when it starts. The TCP/IP tunings live in places found per family.
using Net = CInternetTweaks;
constexpr Modules::Module kNet = Modules::kInternet;
constexpr TweakEntry kInternetTweaks[] = {
    Tweak(kNet, "MTU Values", NumberAccess<Net, &Net::GetMTU, &Net::SetMTU>(),
          HelpOf<Net, &Net::GetHelpMTU>())
        .Restart()
        .Record(NumberField<Net, &Net::mtu>())
        .Places(AdapterKeys(&BuildMTUKeyList)),
    Tweak(kNet, "RWIN Values", NumberAccess<Net, &Net::GetRWIN, &Net::SetRWIN>(),
          HelpOf<Net, &Net::GetHelpRWIN>())
        .Restart()
        .Record(NumberField<Net, &Net::rwin>())
        .Places(AdapterKeys(&BuildRWINKeyList)),
    Tweak(kNet, "TTL Values", NumberAccess<Net, &Net::GetDefaultTTL, &Net::SetDefaultTTL>(),
          HelpOf<Net, &Net::GetHelpTTL>())
        .Restart()
        .Record(NumberField<Net, &Net::ttl>())
        .Places(AdapterKeys(&BuildTTLKeyList)),
    Tweak(kNet, "Maximum Download Count",
          NumberAccess<Net, &Net::GetMaxConnectionsPerServer, &Net::SetMaxConnectionsPerServer>(),
          HelpOf<Net, &Net::GetHelpMaxDownload>())
        .Preset(4)
        .Places(RegValue(kUser, kInternetSettingsKey, "MaxConnectionsPerServer", kNumber),
                RegValue(kUser, kInternetSettingsKey, "MaxConnectionsPer1_0Server", kNumber)),
    Tweak(kNet, "Double DNS Cache Size",
          NumberAccess<Net, &Net::GetDoubleDNSCache, &Net::SetDoubleDNSCache>(),
          HelpOf<Net, &Net::GetHelpDNSCache>())
        .Restart()
        .Places(RegValue(kMachine, kDnsCacheKey, "CacheHashTableBucketSize", kNumber),
                RegValue(kMachine, kDnsCacheKey, "CacheHashTableSize", kNumber),
                RegValue(kMachine, kDnsCacheKey, "MaxCacheEntryTtlLimit", kNumber, "seconds"),
                RegValue(kMachine, kDnsCacheKey, "MaxSOACacheEntryTtlLimit", kNumber, "seconds")),
};

// CD-ROM: the cache value is two numbers (cache choice, speed code); all need a restart. Where
// the CD file system values cannot be read, Windows assumes the default cache and 4X.
using Cd = CCDROMTweaks;
constexpr TweakAccess kCDFSAccess = {
    [](CRegistryAccess& module, TweakValue& value) {
        return static_cast<Cd&>(module).GetCDFS(value.numbers[1], value.numbers[0]);
    },
    [](CRegistryAccess& module, const TweakValue& value) {
        return static_cast<Cd&>(module).SetCDFS(value.numbers[1], value.numbers[0]);
    }};
constexpr Modules::Module kCd = Modules::kCDROM;
constexpr TweakEntry kCDROMTweaks[] = {
    Tweak(kCd, "CDROM Cache Size", kCDFSAccess, HelpOf<Cd, &Cd::GetHelpCDSpeed>())
        .Assumed(0, 4)
        .Restart()
        .Record(NumberFields<Cd, &Cd::cacheSize, &Cd::cdSpeed>())
        .Places(RegValue(kMachine, kCDFSKey, "Prefetch", kNumber),
                RegValue(kMachine, kCDFSKey, "CacheSize", kNumber)),
    Tweak(kCd, "Auto Play on Audio CDs", NumberAccess<Cd, &Cd::GetAutorun, &Cd::SetAutorun>(),
          HelpOf<Cd, &Cd::GetHelpAutoPlayAudio>())
        .Restart()
        .Record(NumberField<Cd, &Cd::autorun>())
        .Places(RegValue(kMachine, "SYSTEM\\CurrentControlSet\\Services\\CDRom", "Autorun", kFlag)),
    Tweak(kCd, "Auto Play on Data CDs",
          NumberAccess<Cd, &Cd::GetNoDriveTypeAutoRun, &Cd::SetNoDriveTypeAutoRun>(),
          HelpOf<Cd, &Cd::GetHelpAutoPlayData>())
        .Restart()
        .Record(NumberField<Cd, &Cd::dataAutoPlay>())
        .Places(RegValue(kUsers, kPoliciesKey, "NoDriveTypeAutoRun", kInverted)),
};

// Hard disk: all of it is read by Windows at start-up, and all of it is 9x-only.
using Hdd = CHDDTweaks;
constexpr TweakAccess kVCacheAccess = {
    [](CRegistryAccess& module, TweakValue& value) {
        return static_cast<Hdd&>(module).GetVCache(value.numbers[0], value.numbers[1],
                                                   value.numbers[2]);
    },
    [](CRegistryAccess& module, const TweakValue& value) {
        return static_cast<Hdd&>(module).SetVCache(value.numbers[0], value.numbers[1],
                                                   value.numbers[2]);
    }};
constexpr Modules::Module kHdd = Modules::kHardDisk;
constexpr TweakEntry kHardDiskTweaks[] = {
    Tweak(kHdd, "File Cache Size",
          NumberAccess<Hdd, &Hdd::GetContigFileAllocSize, &Hdd::SetContigFileAllocSize>(),
          HelpOf<Hdd, &Hdd::GetHelpFileCache>())
        .Preset(512)
        .Families(kNineXOnly)
        .Restart()
        .Record(NumberField<Hdd, &Hdd::contigFileAllocSize>())
        .Places(RegValue(kMachine, "SYSTEM\\CurrentControlSet\\Control\\FileSystem",
                         "ContigFileAllocSize", kNumber, "KB")),
    Tweak(kHdd, "VCache Size", kVCacheAccess, HelpOf<Hdd, &Hdd::GetHelpVCache>())
        .Families(kNineXOnly)
        .Restart()
        .Record(NumberFields<Hdd, &Hdd::minFileCache, &Hdd::maxFileCache, &Hdd::chunkSize>())
        .Places(ProfileEntry(kWindows, kSystemIni, "vcache", "MinFileCache", kNumber, "KB"),
                ProfileEntry(kWindows, kSystemIni, "vcache", "MaxFileCache", kNumber, "KB"),
                ProfileEntry(kWindows, kSystemIni, "vcache", "Chunksize", kNumber, "KB")),
    Tweak(kHdd, "FIFO Option", NumberAccess<Hdd, &Hdd::GetForceFIFO, &Hdd::SetForceFIFO>(),
          HelpOf<Hdd, &Hdd::GetHelpFIFO>())
        .Families(kNineXOnly)
        .Restart()
        .Record(NumberField<Hdd, &Hdd::forceFIFO>())
        .Places(RegValue(kMachine, "System\\CurrentControlSet\\Services\\Class\\hdc\\0000",
                         "ForceFIFO", kFlag)),
};

// Memory: all of it takes effect after a restart. The background-tasks box is the opposite of
// the stored priority split. The virtual memory fields are carried in the record only.
using Ram = CRAMTweaks;
constexpr TweakAccess kVirtualMemoryAccess = {[](CRegistryAccess& module, TweakValue& value) {
                                                  return static_cast<Ram&>(module).GetVirtualMemory(
                                                      value.numbers[0], value.numbers[1],
                                                      value.text);
                                              },
                                              nullptr};
constexpr TweakEntry::Field kVirtualMemoryField = {
    [](const CRegistryAccess& record, TweakValue& value) {
        const Ram& ram = static_cast<const Ram&>(record);
        value.numbers[0] = ram.virtualMemoryMin;
        value.numbers[1] = ram.virtualMemoryMax;
        value.text = ram.virtualMemoryPath;
    },
    [](CRegistryAccess& record, const TweakValue& value) {
        Ram& ram = static_cast<Ram&>(record);
        ram.virtualMemoryMin = value.numbers[0];
        ram.virtualMemoryMax = value.numbers[1];
        ram.virtualMemoryPath = value.text;
    }};
constexpr Modules::Module kRam = Modules::kMemory;
constexpr TweakEntry kMemoryTweaks[] = {
    Tweak(kRam, "Auto Unload DLLs From Memory",
          NumberAccess<Ram, &Ram::GetAlwaysUnloadDLL, &Ram::SetAlwaysUnloadDLL>(),
          HelpOf<Ram, &Ram::GetHelpAutoUnloadDLL>())
        .Restart()
        .Record(NumberField<Ram, &Ram::alwaysUnloadDLL>())
        .Places(RegValue(kMachine, kMachineExplorerKey, "AlwaysUnloadDLL", kFlag)),
    Tweak(
        kRam, "Use Swap File Wisely",
        NumberAccess<Ram, &Ram::GetConservativeSwapfileUsage, &Ram::SetConservativeSwapfileUsage>(),
        HelpOf<Ram, &Ram::GetHelpSwapFileUsage>())
        .Families(kNineXOnly)
        .Restart()
        .Record(NumberField<Ram, &Ram::conservativeSwapfileUsage>())
        .Places(ProfileEntry(kWindows, kSystemIni, "386Enh", "ConservativeSwapfileUsage", kFlag)),
    Tweak(kRam, "Spare Stacks", NumberAccess<Ram, &Ram::GetMinSPs, &Ram::SetMinSPs>(),
          HelpOf<Ram, &Ram::GetHelpStacks>())
        .Families(kNineXOnly)
        .Restart()
        .Record(NumberField<Ram, &Ram::minSPs>())
        .Places(ProfileEntry(kWindows, kSystemIni, "386Enh", "MinSPs", kNumber)),
    Tweak(kRam, "Improve Core System Paging",
          NumberAccess<Ram, &Ram::GetDisablePagingExecutive, &Ram::SetDisablePagingExecutive>(),
          HelpOf<Ram, &Ram::GetHelpCoreSystemPaging>())
        .Families(kNTOnly)
        .Restart()
        .Record(NumberField<Ram, &Ram::disablePagingExecutive>())
        .Places(RegValue(kMachine, kMemoryManagementKey, "DisablePagingExecutive", kFlag)),
    Tweak(kRam, "System Cache",
          NumberAccess<Ram, &Ram::GetIoPageLockLimit, &Ram::SetIoPageLockLimit>(),
          HelpOf<Ram, &Ram::GetHelpSystemFileCaching>())
        .Preset(4)
        .Families(kNTOnly)
        .Restart()
        .Record(NumberField<Ram, &Ram::ioPageLockLimit>())
        .Places(RegValue(kMachine, kMemoryManagementKey, "IoPageLockLimit", kNumber, "bytes")),
    Tweak(kRam, "Background Tasks More CPU Time",
          NumberAccess<Ram, &Ram::GetWin32PrioritySeparation, &Ram::SetWin32PrioritySeparation>(),
          HelpOf<Ram, &Ram::GetHelpBackgroundTasksPriority>())
        .Shown("Allow Background Tasks to Have More CPU Time")
        .Inverted()
        .Families(kNTOnly)
        .Restart()
        .Record(NumberField<Ram, &Ram::win32PrioritySeparation>())
        .Places(RegValue(kMachine, "SYSTEM\\CurrentControlSet\\Control\\PriorityControl",
                         "Win32PrioritySeparation", kInverted)),
    Tweak(kRam, "Virtual Memory Size", kVirtualMemoryAccess, nullptr).Record(kVirtualMemoryField),
};

// Boot-up: msdos.sys is read at start-up only; the picture is shown from its file at the next
// start without a restart of its own. The boot menu is not offered on XP, where the page leaves
// it alone; the backup still reads it there and the restore writes it back.
using Boot = CBootupTweaks;
constexpr PlaceRoot kFile = PlaceRoot::kFile;
constexpr const char* kMsdos = CRegistryAccess::kMsdosSysPath;
constexpr Modules::Module kBoot = Modules::kBootup;
constexpr TweakEntry kBootupTweaks[] = {
    Tweak(kBoot, "Boot Menu", NumberAccess<Boot, &Boot::GetBootMenu, &Boot::SetBootMenu>(),
          HelpOf<Boot, &Boot::GetHelpBootMenu>())
        .Shown("Enable Boot Menu")
        .Families(kNotXP)
        .BackupFamilies(kAllFamilies)
        .Restart()
        .Record(NumberField<Boot, &Boot::bootMenu>())
        .Places(ProfileEntry(kFile, kMsdos, "Options", "BootMenu", kFlag),
                ProfileEntry(kFile, kMsdos, "Options", "BootKeys", kFlag),
                ProfileEntry(kFile, kMsdos, "Options", "BootMenuDelay", kNumber, "seconds")),
    Tweak(kBoot, "Auto Run Scandisk at System Startup",
          NumberAccess<Boot, &Boot::GetAutoscan, &Boot::SetAutoscan>(),
          HelpOf<Boot, &Boot::GetHelpAutoScandisk>())
        .Families(kNineXOnly)
        .Restart()
        .Record(NumberField<Boot, &Boot::autoscan>())
        .Places(ProfileEntry(kFile, kMsdos, "Options", "Autoscan", kFlag)),
    Tweak(kBoot, "Disable Drivespace driver",
          NumberAccess<Boot, &Boot::GetDrvSpace, &Boot::SetDrvSpace>(),
          HelpOf<Boot, &Boot::GetHelpDrivespace>())
        .Shown("Disable Drivespace driver at boot up")
        .Families(kNineXOnly)
        .Restart()
        .Record(NumberField<Boot, &Boot::disableDrvSpace>())
        .Places(ProfileEntry(kFile, kMsdos, "Options", "DrvSpace", kInverted)),
    Tweak(kBoot, "Disable Doublespace driver",
          NumberAccess<Boot, &Boot::GetDblSpace, &Boot::SetDblSpace>(),
          HelpOf<Boot, &Boot::GetHelpDoublespace>())
        .Shown("Disable Doublespace driver at boot up")
        .Families(kNineXOnly)
        .Restart()
        .Record(NumberField<Boot, &Boot::disableDblSpace>())
        .Places(ProfileEntry(kFile, kMsdos, "Options", "DblSpace", kInverted)),
    Tweak(kBoot, "Disable Double Buffering",
          NumberAccess<Boot, &Boot::GetDoubleBuffer, &Boot::SetDoubleBuffer>(),
          HelpOf<Boot, &Boot::GetHelpDoubleBuffering>())
        .Shown("Disable Double Buffering at Boot up")
        .Families(kNineXOnly)
        .Restart()
        .Record(NumberField<Boot, &Boot::disableDoubleBuffer>())
        .Places(ProfileEntry(kFile, kMsdos, "Options", "DoubleBuffer", kInverted)),
    Tweak(kBoot, "Startup Image", ImageAccess<Boot, &Boot::SetStartupImage>(),
          HelpOf<Boot, &Boot::GetHelpStartupImage>())
        .Families(kNineXOnly)
        .Places(
            Picture(kFile, CBootupTweaks::kStartupPicture, CBootupTweaks::kSavedStartupPicture)),
};

// Shutdown: the settings are read when Windows starts; the pictures are shown from their files.
using Off = CShutdownTweaks;
constexpr Modules::Module kOff = Modules::kShutdown;
constexpr TweakEntry kShutdownTweaks[] = {
    Tweak(kOff, "Auto Close Not Responding Applications on Shutdown",
          NumberAccess<Off, &Off::GetAutoEndTasks, &Off::SetAutoEndTasks>(),
          HelpOf<Off, &Off::GetHelpAutoCloseApplication>())
        .Restart()
        .Record(NumberField<Off, &Off::autoEndTasks>())
        .Places(
            RegValue(kUser, kDefaultDesktopKey, "AutoEndTasks", kFlag),
            RegValue(kUsers, kDefaultDesktopKey, "AutoEndTasks", kFlag),
            RegValue(kUser, kDefaultDesktopKey, "WaitToKillAppTimeout", kNumber, "milliseconds"),
            RegValue(kUsers, kDefaultDesktopKey, "WaitToKillAppTimeout", kNumber, "milliseconds")),
    Tweak(kOff, "Fast Shutdown", NumberAccess<Off, &Off::GetFastReboot, &Off::SetFastReboot>(),
          HelpOf<Off, &Off::GetHelpFastShutdown>())
        .Shown("Enable Fast Shutdown")
        .Families(kNineXOnly)
        .Restart()
        .Record(NumberField<Off, &Off::fastReboot>())
        .Places(RegValue(kMachine, "System\\CurrentControlSet\\Control\\Shutdown", "FastReboot",
                         kFlag)),
    Tweak(kOff, "Shutdown Image", ImageAccess<Off, &Off::SetShutdownImage>(),
          HelpOf<Off, &Off::GetHelpShutdownImage>())
        .Families(kNineXOnly)
        .Places(Picture(kWindows, "\\Logow.sys", "\\Logow.tvn")),
    Tweak(kOff, "Turnoff Image", ImageAccess<Off, &Off::SetTurnoffImage>(),
          HelpOf<Off, &Off::GetHelpTurnoffImage>())
        .Families(kNineXOnly)
        .Places(Picture(kWindows, "\\Logos.sys", "\\Logos.tvn")),
};

// Whether every entry of a table names the table's module.
template <size_t N> constexpr bool AllOf(const TweakEntry (&entries)[N], Modules::Module module) {
    for (const TweakEntry& entry : entries)
        if (entry.module != module)
            return false;
    return true;
}
static_assert(AllOf(kSystemTweaks, Modules::kSystem) && AllOf(kDesktopTweaks, Modules::kDesktop) &&
                  AllOf(kStartMenuTweaks, Modules::kStartMenu) &&
                  AllOf(kInternetTweaks, Modules::kInternet) &&
                  AllOf(kCDROMTweaks, Modules::kCDROM) &&
                  AllOf(kHardDiskTweaks, Modules::kHardDisk) &&
                  AllOf(kMemoryTweaks, Modules::kMemory) &&
                  AllOf(kBootupTweaks, Modules::kBootup) &&
                  AllOf(kShutdownTweaks, Modules::kShutdown),
              "each entry lies in its module's table");

template <class M, size_t N>
constexpr TweakCatalogue CatalogueFor(Modules::Module module, const char* section,
                                      const TweakEntry (&entries)[N]) {
    return {module, section,          &MakeModule<M>, entries,
            N,      &BackupFileOf<M>, &SaveModule<M>, &LoadModule<M>};
}

// In module order.
const TweakCatalogue kCatalogues[] = {
    CatalogueFor<Sys>(Modules::kSystem, "System Tweaks", kSystemTweaks),
    CatalogueFor<Dsk>(Modules::kDesktop, "Desktop Tweaks", kDesktopTweaks),
    CatalogueFor<Sm>(Modules::kStartMenu, "Start Menu Tweaks", kStartMenuTweaks),
    CatalogueFor<Net>(Modules::kInternet, "Internet Tweaks", kInternetTweaks),
    CatalogueFor<Cd>(Modules::kCDROM, "CDROM Tweaks", kCDROMTweaks),
    CatalogueFor<Hdd>(Modules::kHardDisk, "Hard Disk Tweaks", kHardDiskTweaks),
    CatalogueFor<Ram>(Modules::kMemory, "Memory Tweaks", kMemoryTweaks),
    CatalogueFor<Boot>(Modules::kBootup, "Boot up Tweaks", kBootupTweaks),
    CatalogueFor<Off>(Modules::kShutdown, "Shut down Tweaks", kShutdownTweaks),
};
static_assert(sizeof(kCatalogues) / sizeof(kCatalogues[0]) == Modules::kModuleCount,
              "one catalogue per module");

} // namespace

const TweakEntry* TweakCatalogue::Find(const char* name) const {
    for (size_t i = 0; i < count; ++i)
        if (std::strcmp(entries[i].name, name) == 0)
            return &entries[i];
    return nullptr;
}

const TweakCatalogue& CatalogueOf(Modules::Module module) {
    return kCatalogues[module >= 0 && module < Modules::kModuleCount ? module : 0];
}

const TweakEntry* FindTweak(Modules::Module module, const char* name) {
    return CatalogueOf(module).Find(name);
}

TweakValue ReadTweak(const TweakEntry& entry, CRegistryAccess& module) {
    TweakValue value;
    for (int k = 0; k < 3; ++k)
        value.numbers[k] = entry.assumed[k];
    if (entry.get != nullptr)
        entry.get(module, value);
    return value;
}

DWORD ReadTweakNumber(const TweakEntry& entry, int number) {
    const std::unique_ptr<CRegistryAccess> module = CatalogueOf(entry.module).createModule();
    return ReadTweak(entry, *module).numbers[number];
}
