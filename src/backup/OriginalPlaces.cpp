#include "backup/OriginalPlaces.h"

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

// The registry values the nine modules write or delete on every family.
const struct {
    HKEY root;
    const char* key;
    const char* value;
} kFixedValues[] = {
    // System
    {kUser, kDesktop, "HungAppTimeout"},
    {kUsers, kDesktop, "HungAppTimeout"},
    {kMachine, "System\\CurrentControlSet\\Control\\Update", "UpdateMode"},
    {kMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOwner"},
    {kMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOrganization"},
    {kMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner"},
    {kMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOrganization"},
    {kUser, kShellFolders, "Personal"},
    {kUser, kShellFolders, "My Pictures"},
    {kUser, kShellFolders, "Favorites"},
    // Desktop
    {kUsers, kDefaultDesktop, "PaintDesktopVersion"},
    {kUser, kDefaultDesktop, "PaintDesktopVersion"},
    {kUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "link"},
    {kClasses, "lnkfile", "IsShortcut"},
    {kClasses, "piffile", "IsShortcut"},
    {kUser, kDesktop, "FontSmoothing"},
    {kUsers, kDesktop, "FontSmoothing"},
    {kMachine, kOpenWith, ""},
    {kMachine, kOpenWithCommand, ""},
    {kMachine, kMachineExplorer, "Max Cached Icons"},
    // Start Menu
    {kUser, kDesktop, "MenuShowDelay"},
    {kUsers, kPolicies, "NoWindowsUpdate"},
    {kUsers, kPolicies, "NoRecentDocMenu"},
    {kUsers, kPolicies, "NoFavoritesMenu"},
    {kUsers, kPolicies, "NoRun"},
    {kUsers, kPolicies, "NoLogOff"},
    {kUsers, kPolicies, "NoFind"},
    {kUsers, kPolicies, "NoClose"},
    {kUsers, kAdvanced, "StartMenuFavorites"},
    {kUsers, kAdvanced, "StartMenuRun"},
    {kUsers, kAdvanced, "StartMenuLogoff"},
    // Internet, beside the adapter lists
    {kUser, kInternetSettings, "MaxConnectionsPerServer"},
    {kUser, kInternetSettings, "MaxConnectionsPer1_0Server"},
    {kMachine, kDnsCache, "CacheHashTableBucketSize"},
    {kMachine, kDnsCache, "CacheHashTableSize"},
    {kMachine, kDnsCache, "MaxCacheEntryTtlLimit"},
    {kMachine, kDnsCache, "MaxSOACacheEntryTtlLimit"},
    // CD-ROM
    {kMachine, "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", "Prefetch"},
    {kMachine, "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", "CacheSize"},
    {kMachine, "SYSTEM\\CurrentControlSet\\Services\\CDRom", "Autorun"},
    {kUsers, kPolicies, "NoDriveTypeAutoRun"},
    // Hard disk
    {kMachine, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "ContigFileAllocSize"},
    {kMachine, "System\\CurrentControlSet\\Services\\Class\\hdc\\0000", "ForceFIFO"},
    // Memory
    {kMachine, kMachineExplorer, "AlwaysUnloadDLL"},
    {kMachine, kMemoryManagement, "DisablePagingExecutive"},
    {kMachine, kMemoryManagement, "IoPageLockLimit"},
    {kMachine, "SYSTEM\\CurrentControlSet\\Control\\PriorityControl", "Win32PrioritySeparation"},
    // Shutdown
    {kUser, kDefaultDesktop, "AutoEndTasks"},
    {kUsers, kDefaultDesktop, "AutoEndTasks"},
    {kUser, kDefaultDesktop, "WaitToKillAppTimeout"},
    {kUsers, kDefaultDesktop, "WaitToKillAppTimeout"},
    {kMachine, "System\\CurrentControlSet\\Control\\Shutdown", "FastReboot"},
};

const struct {
    HKEY root;
    const char* key;
} kTrees[] = {
    {kUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu"},
    {kMachine, kOpenWith},
};

// Profile entries: file (relative to the Windows directory unless absolute), section, keys.
const struct {
    const char* file;
    bool inWindowsDirectory;
    const char* section;
    std::vector<const char*> keys;
} kProfileSections[] = {
    {"\\win.ini", true, "TrueType", {"FontSmoothing"}},
    {"\\System.ini", true, "vcache", {"MinFileCache", "MaxFileCache", "Chunksize"}},
    {"\\System.ini", true, "386Enh", {"ConservativeSwapfileUsage", "MinSPs"}},
    {CRegistryAccess::kMsdosSysPath,
     false,
     "Options",
     {"BootMenu", "BootKeys", "BootMenuDelay", "Autoscan", "DrvSpace", "DblSpace", "DoubleBuffer"}},
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
        AddValue(places.values, {value.root, value.key, value.value});
    for (const auto& list :
         {BuildMTUKeyList(family), BuildRWINKeyList(family), BuildTTLKeyList(family)}) {
        for (const std::string& entry : list) {
            std::string valueName, keyPath;
            SplitKeyListEntry(entry, valueName, keyPath);
            AddValue(places.values, {HKEY_LOCAL_MACHINE, keyPath, valueName});
        }
    }
    for (const auto& tree : kTrees)
        places.trees.push_back({tree.root, tree.key, std::string()});
    for (const auto& section : kProfileSections) {
        const std::string file =
            section.inWindowsDirectory ? windowsDirectory + section.file : section.file;
        for (const char* key : section.keys)
            places.entries.push_back({file, section.section, key});
    }
    places.pictures = {
        {CBootupTweaks::kStartupPicture, CBootupTweaks::kSavedStartupPicture},
        {windowsDirectory + "\\Logow.sys", windowsDirectory + "\\Logow.tvn"},
        {windowsDirectory + "\\Logos.sys", windowsDirectory + "\\Logos.tvn"},
    };
    return places;
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
