#include "backup/OriginalPlaces.h"

#include "backup/TweakNames.h"
#include "platform/WindowsVersion.h"
#include "tweaks/CBootupTweaks.h"
#include "tweaks/InternetKeyLists.h"

namespace {

const char kDesktop[] = "Control Panel\\Desktop";
const char kDefaultDesktop[] = ".DEFAULT\\Control Panel\\Desktop";
const char kPolicies[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const char kAdvanced[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const char kMachineExplorer[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const char kInternetSettings[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kDnsCache[] = "SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters";
const char kMemoryManagement[] =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const char kOpenWith[] = "Software\\CLASSES\\*\\Shell\\OpenWith";
const char kOpenWithCommand[] = "Software\\CLASSES\\*\\Shell\\OpenWith\\Command";

const HKEY kMachine = HKEY_LOCAL_MACHINE;
const HKEY kUser = HKEY_CURRENT_USER;
const HKEY kUsers = HKEY_USERS;
const HKEY kClasses = HKEY_CLASSES_ROOT;

namespace n = tweak_names;

using W = ValueWords;
const W kText = W::kText, kFolder = W::kFolder, kFlag = W::kFlag, kInverted = W::kFlagInverted,
        kNumber = W::kNumber;

// The registry values the nine modules write or delete on every family, with their tweak and how
// their values are said.
const struct {
    HKEY root;
    const char* key;
    const char* value;
    const char* tweak;
    ValueWords words;
    const char* unit;
} kFixedValues[] = {
    // System
    {kUser, kDesktop, "HungAppTimeout", n::kTimeOut, W::kSeconds, nullptr},
    {kUsers, kDesktop, "HungAppTimeout", n::kTimeOut, W::kSeconds, nullptr},
    {kMachine, "System\\CurrentControlSet\\Control\\Update", "UpdateMode", n::kExplorerRefresh,
     kInverted, nullptr},
    {kMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOwner",
     n::kRegisteredName, kText, nullptr},
    {kMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOrganization",
     n::kRegisteredCompany, kText, nullptr},
    {kMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner",
     n::kRegisteredName, kText, nullptr},
    {kMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOrganization",
     n::kRegisteredCompany, kText, nullptr},
    {kUser, kShellFolders, "Personal", n::kMyDocuments, kFolder, nullptr},
    {kUser, kShellFolders, "My Pictures", n::kMyPictures, kFolder, nullptr},
    {kUser, kShellFolders, "Favorites", n::kFavorites, kFolder, nullptr},
    // Desktop
    {kUsers, kDefaultDesktop, "PaintDesktopVersion", n::kShowVersion, kFlag, nullptr},
    {kUser, kDefaultDesktop, "PaintDesktopVersion", n::kShowVersion, kFlag, nullptr},
    {kUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "link", n::kShortcutPrefix,
     kInverted, nullptr},
    {kClasses, "lnkfile", "IsShortcut", n::kShortcutArrows, W::kSetMeansOff, nullptr},
    {kClasses, "piffile", "IsShortcut", n::kShortcutArrows, W::kSetMeansOff, nullptr},
    {kUser, kDesktop, "FontSmoothing", n::kSmoothFonts, kFlag, nullptr},
    {kUsers, kDesktop, "FontSmoothing", n::kSmoothFonts, kFlag, nullptr},
    {kMachine, kOpenWith, "", n::kOpenWith, kText, nullptr},
    {kMachine, kOpenWithCommand, "", n::kOpenWith, kText, nullptr},
    {kMachine, kMachineExplorer, "Max Cached Icons", n::kIconCache, kNumber, "icons"},
    // Start Menu
    {kUser, kDesktop, "MenuShowDelay", n::kMenuSpeed, kNumber, "milliseconds"},
    {kUsers, kPolicies, "NoWindowsUpdate", n::kNoWindowsUpdate, kFlag, nullptr},
    {kUsers, kPolicies, "NoRecentDocMenu", n::kNoDocuments, kFlag, nullptr},
    {kUsers, kPolicies, "NoFavoritesMenu", n::kNoFavorites, kFlag, nullptr},
    {kUsers, kPolicies, "NoRun", n::kNoRun, kFlag, nullptr},
    {kUsers, kPolicies, "NoLogOff", n::kNoLogOff, kFlag, nullptr},
    {kUsers, kPolicies, "NoFind", n::kNoFind, kFlag, nullptr},
    {kUsers, kPolicies, "NoClose", n::kNoShutdown, kFlag, nullptr},
    {kUsers, kAdvanced, "StartMenuFavorites", n::kNoFavorites, kInverted, nullptr},
    {kUsers, kAdvanced, "StartMenuRun", n::kNoRun, kInverted, nullptr},
    {kUsers, kAdvanced, "StartMenuLogoff", n::kNoLogOff, kInverted, nullptr},
    // Internet, beside the adapter lists
    {kUser, kInternetSettings, "MaxConnectionsPerServer", n::kDownloads, kNumber, nullptr},
    {kUser, kInternetSettings, "MaxConnectionsPer1_0Server", n::kDownloads, kNumber, nullptr},
    {kMachine, kDnsCache, "CacheHashTableBucketSize", n::kDnsCache, kNumber, nullptr},
    {kMachine, kDnsCache, "CacheHashTableSize", n::kDnsCache, kNumber, nullptr},
    {kMachine, kDnsCache, "MaxCacheEntryTtlLimit", n::kDnsCache, kNumber, "seconds"},
    {kMachine, kDnsCache, "MaxSOACacheEntryTtlLimit", n::kDnsCache, kNumber, "seconds"},
    // CD-ROM
    {kMachine, "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", "Prefetch", n::kCdromCache,
     kNumber, nullptr},
    {kMachine, "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", "CacheSize", n::kCdromCache,
     kNumber, nullptr},
    {kMachine, "SYSTEM\\CurrentControlSet\\Services\\CDRom", "Autorun", n::kAudioAutoPlay, kFlag,
     nullptr},
    {kUsers, kPolicies, "NoDriveTypeAutoRun", n::kDataAutoPlay, kInverted, nullptr},
    // Hard disk
    {kMachine, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "ContigFileAllocSize",
     n::kFileCache, kNumber, "KB"},
    {kMachine, "System\\CurrentControlSet\\Services\\Class\\hdc\\0000", "ForceFIFO", n::kFifo,
     kFlag, nullptr},
    // Memory
    {kMachine, kMachineExplorer, "AlwaysUnloadDLL", n::kUnloadDlls, kFlag, nullptr},
    {kMachine, kMemoryManagement, "DisablePagingExecutive", n::kCorePaging, kFlag, nullptr},
    {kMachine, kMemoryManagement, "IoPageLockLimit", n::kSystemCache, kNumber, "bytes"},
    {kMachine, "SYSTEM\\CurrentControlSet\\Control\\PriorityControl", "Win32PrioritySeparation",
     n::kBackgroundTasks, kInverted, nullptr},
    // Shutdown
    {kUser, kDefaultDesktop, "AutoEndTasks", n::kAutoClose, kFlag, nullptr},
    {kUsers, kDefaultDesktop, "AutoEndTasks", n::kAutoClose, kFlag, nullptr},
    {kUser, kDefaultDesktop, "WaitToKillAppTimeout", n::kAutoClose, kNumber, "milliseconds"},
    {kUsers, kDefaultDesktop, "WaitToKillAppTimeout", n::kAutoClose, kNumber, "milliseconds"},
    {kMachine, "System\\CurrentControlSet\\Control\\Shutdown", "FastReboot", n::kFastShutdown,
     kFlag, nullptr},
};

const struct {
    HKEY root;
    const char* key;
    const char* tweak;
} kTrees[] = {
    {kUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu",
     n::kMenuSort},
    {kMachine, kOpenWith, n::kOpenWith},
};

// Profile entries: file (relative to the Windows directory unless absolute), section, key.
const struct {
    const char* file;
    bool inWindowsDirectory;
    const char* section;
    const char* key;
    const char* tweak;
    ValueWords words;
    const char* unit;
} kProfileEntries[] = {
    {"\\win.ini", true, "TrueType", "FontSmoothing", n::kSmoothFonts, kFlag, nullptr},
    {"\\System.ini", true, "vcache", "MinFileCache", n::kVCache, kNumber, "KB"},
    {"\\System.ini", true, "vcache", "MaxFileCache", n::kVCache, kNumber, "KB"},
    {"\\System.ini", true, "vcache", "Chunksize", n::kVCache, kNumber, "KB"},
    {"\\System.ini", true, "386Enh", "ConservativeSwapfileUsage", n::kSwapFile, kFlag, nullptr},
    {"\\System.ini", true, "386Enh", "MinSPs", n::kSpareStacks, kNumber, nullptr},
    {CRegistryAccess::kMsdosSysPath, false, "Options", "BootMenu", n::kBootMenu, kFlag, nullptr},
    {CRegistryAccess::kMsdosSysPath, false, "Options", "BootKeys", n::kBootMenu, kFlag, nullptr},
    {CRegistryAccess::kMsdosSysPath, false, "Options", "BootMenuDelay", n::kBootMenu, kNumber,
     "seconds"},
    {CRegistryAccess::kMsdosSysPath, false, "Options", "Autoscan", n::kScandisk, kFlag, nullptr},
    // The driver lines: 0 disables the driver, which the page shows checked.
    {CRegistryAccess::kMsdosSysPath, false, "Options", "DrvSpace", n::kDrivespace, kInverted,
     nullptr},
    {CRegistryAccess::kMsdosSysPath, false, "Options", "DblSpace", n::kDoublespace, kInverted,
     nullptr},
    {CRegistryAccess::kMsdosSysPath, false, "Options", "DoubleBuffer", n::kDoubleBuffering,
     kInverted, nullptr},
};

bool SameText(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

void AddValue(std::vector<RegistryPlace>& values, const RegistryPlace& place) {
    for (const RegistryPlace& known : values)
        if (SameRegistryPlace(known, place))
            return;
    values.push_back(place);
}

} // namespace

OriginalPlaces CollectOriginalPlaces(int family, const std::string& windowsDirectory) {
    OriginalPlaces places;
    for (const auto& value : kFixedValues)
        AddValue(places.values,
                 {value.root, value.key, value.value, value.tweak, value.words, value.unit});
    const std::pair<std::vector<std::string>, const char*> lists[] = {
        {BuildMTUKeyList(family), n::kMtu},
        {BuildRWINKeyList(family), n::kRwin},
        {BuildTTLKeyList(family), n::kTtl}};
    for (const auto& list : lists) {
        for (const std::string& entry : list.first) {
            std::string valueName, keyPath;
            SplitKeyListEntry(entry, valueName, keyPath);
            AddValue(places.values, {HKEY_LOCAL_MACHINE, keyPath, valueName, list.second,
                                     ValueWords::kNumber, nullptr});
        }
    }
    for (const auto& tree : kTrees)
        places.trees.push_back({tree.root, tree.key, std::string(), tree.tweak});
    for (const auto& entry : kProfileEntries) {
        const std::string file =
            entry.inWindowsDirectory ? windowsDirectory + entry.file : entry.file;
        places.entries.push_back(
            {file, entry.section, entry.key, entry.tweak, entry.words, entry.unit});
    }
    places.pictures = {
        {CBootupTweaks::kStartupPicture, CBootupTweaks::kSavedStartupPicture, n::kStartupImage},
        {windowsDirectory + "\\Logow.sys", windowsDirectory + "\\Logow.tvn", n::kShutdownImage},
        {windowsDirectory + "\\Logos.sys", windowsDirectory + "\\Logos.tvn", n::kTurnoffImage},
    };
    return places;
}

OriginalPlaces CollectFamilyPlaces(int family, const std::string& windowsDirectory) {
    OriginalPlaces places = CollectOriginalPlaces(family, windowsDirectory);
    for (int version = kFamilyWin95; version <= kFamilyWinXP; ++version) {
        const bool sibling =
            version != family && ((IsNineXFamily(version) && IsNineXFamily(family)) ||
                                  (IsNTFamily(version) && IsNTFamily(family)));
        if (!sibling)
            continue;
        // Only the adapter lists differ between the versions of a family.
        for (const RegistryPlace& value : CollectOriginalPlaces(version, windowsDirectory).values)
            AddValue(places.values, value);
    }
    return places;
}

OriginalPlaces SelectPlaces(const OriginalPlaces& places, bool perUser) {
    OriginalPlaces selected;
    for (const RegistryPlace& value : places.values)
        if ((value.root == HKEY_CURRENT_USER) == perUser)
            selected.values.push_back(value);
    for (const RegistryPlace& tree : places.trees)
        if ((tree.root == HKEY_CURRENT_USER) == perUser)
            selected.trees.push_back(tree);
    if (!perUser) {
        selected.entries = places.entries;
        selected.pictures = places.pictures;
    }
    return selected;
}

const char* RootName(HKEY root) {
    if (root == HKEY_LOCAL_MACHINE)
        return "HKEY_LOCAL_MACHINE";
    if (root == HKEY_CURRENT_USER)
        return "HKEY_CURRENT_USER";
    if (root == HKEY_USERS)
        return "HKEY_USERS";
    if (root == HKEY_CLASSES_ROOT)
        return "HKEY_CLASSES_ROOT";
    return nullptr;
}

HKEY RootOfName(const std::string& name) {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_USERS, HKEY_CLASSES_ROOT})
        if (name == RootName(root))
            return root;
    return nullptr;
}

bool SameRegistryPlace(const RegistryPlace& a, const RegistryPlace& b) {
    return a.root == b.root && SameText(a.key, b.key) && SameText(a.value, b.value);
}

bool IsInTree(const RegistryPlace& tree, HKEY root, const std::string& key) {
    if (root != tree.root || key.size() < tree.key.size())
        return false;
    if (!SameText(key.substr(0, tree.key.size()), tree.key))
        return false;
    return key.size() == tree.key.size() || key[tree.key.size()] == '\\';
}
