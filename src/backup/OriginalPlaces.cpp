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

// The registry values the nine modules write or delete on every family, with their tweak.
const struct {
    HKEY root;
    const char* key;
    const char* value;
    const char* tweak;
} kFixedValues[] = {
    // System
    {kUser, kDesktop, "HungAppTimeout", n::kTimeOut},
    {kUsers, kDesktop, "HungAppTimeout", n::kTimeOut},
    {kMachine, "System\\CurrentControlSet\\Control\\Update", "UpdateMode", n::kExplorerRefresh},
    {kMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOwner",
     n::kRegisteredName},
    {kMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "RegisteredOrganization",
     n::kRegisteredCompany},
    {kMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner",
     n::kRegisteredName},
    {kMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOrganization",
     n::kRegisteredCompany},
    {kUser, kShellFolders, "Personal", n::kMyDocuments},
    {kUser, kShellFolders, "My Pictures", n::kMyPictures},
    {kUser, kShellFolders, "Favorites", n::kFavorites},
    // Desktop
    {kUsers, kDefaultDesktop, "PaintDesktopVersion", n::kShowVersion},
    {kUser, kDefaultDesktop, "PaintDesktopVersion", n::kShowVersion},
    {kUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "link", n::kShortcutPrefix},
    {kClasses, "lnkfile", "IsShortcut", n::kShortcutArrows},
    {kClasses, "piffile", "IsShortcut", n::kShortcutArrows},
    {kUser, kDesktop, "FontSmoothing", n::kSmoothFonts},
    {kUsers, kDesktop, "FontSmoothing", n::kSmoothFonts},
    {kMachine, kOpenWith, "", n::kOpenWith},
    {kMachine, kOpenWithCommand, "", n::kOpenWith},
    {kMachine, kMachineExplorer, "Max Cached Icons", n::kIconCache},
    // Start Menu
    {kUser, kDesktop, "MenuShowDelay", n::kMenuSpeed},
    {kUsers, kPolicies, "NoWindowsUpdate", n::kNoWindowsUpdate},
    {kUsers, kPolicies, "NoRecentDocMenu", n::kNoDocuments},
    {kUsers, kPolicies, "NoFavoritesMenu", n::kNoFavorites},
    {kUsers, kPolicies, "NoRun", n::kNoRun},
    {kUsers, kPolicies, "NoLogOff", n::kNoLogOff},
    {kUsers, kPolicies, "NoFind", n::kNoFind},
    {kUsers, kPolicies, "NoClose", n::kNoShutdown},
    {kUsers, kAdvanced, "StartMenuFavorites", n::kNoFavorites},
    {kUsers, kAdvanced, "StartMenuRun", n::kNoRun},
    {kUsers, kAdvanced, "StartMenuLogoff", n::kNoLogOff},
    // Internet, beside the adapter lists
    {kUser, kInternetSettings, "MaxConnectionsPerServer", n::kDownloads},
    {kUser, kInternetSettings, "MaxConnectionsPer1_0Server", n::kDownloads},
    {kMachine, kDnsCache, "CacheHashTableBucketSize", n::kDnsCache},
    {kMachine, kDnsCache, "CacheHashTableSize", n::kDnsCache},
    {kMachine, kDnsCache, "MaxCacheEntryTtlLimit", n::kDnsCache},
    {kMachine, kDnsCache, "MaxSOACacheEntryTtlLimit", n::kDnsCache},
    // CD-ROM
    {kMachine, "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", "Prefetch", n::kCdromCache},
    {kMachine, "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS", "CacheSize", n::kCdromCache},
    {kMachine, "SYSTEM\\CurrentControlSet\\Services\\CDRom", "Autorun", n::kAudioAutoPlay},
    {kUsers, kPolicies, "NoDriveTypeAutoRun", n::kDataAutoPlay},
    // Hard disk
    {kMachine, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "ContigFileAllocSize",
     n::kFileCache},
    {kMachine, "System\\CurrentControlSet\\Services\\Class\\hdc\\0000", "ForceFIFO", n::kFifo},
    // Memory
    {kMachine, kMachineExplorer, "AlwaysUnloadDLL", n::kUnloadDlls},
    {kMachine, kMemoryManagement, "DisablePagingExecutive", n::kCorePaging},
    {kMachine, kMemoryManagement, "IoPageLockLimit", n::kSystemCache},
    {kMachine, "SYSTEM\\CurrentControlSet\\Control\\PriorityControl", "Win32PrioritySeparation",
     n::kBackgroundTasks},
    // Shutdown
    {kUser, kDefaultDesktop, "AutoEndTasks", n::kAutoClose},
    {kUsers, kDefaultDesktop, "AutoEndTasks", n::kAutoClose},
    {kUser, kDefaultDesktop, "WaitToKillAppTimeout", n::kAutoClose},
    {kUsers, kDefaultDesktop, "WaitToKillAppTimeout", n::kAutoClose},
    {kMachine, "System\\CurrentControlSet\\Control\\Shutdown", "FastReboot", n::kFastShutdown},
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
} kProfileEntries[] = {
    {"\\win.ini", true, "TrueType", "FontSmoothing", n::kSmoothFonts},
    {"\\System.ini", true, "vcache", "MinFileCache", n::kVCache},
    {"\\System.ini", true, "vcache", "MaxFileCache", n::kVCache},
    {"\\System.ini", true, "vcache", "Chunksize", n::kVCache},
    {"\\System.ini", true, "386Enh", "ConservativeSwapfileUsage", n::kSwapFile},
    {"\\System.ini", true, "386Enh", "MinSPs", n::kSpareStacks},
    {CRegistryAccess::kMsdosSysPath, false, "Options", "BootMenu", n::kBootMenu},
    {CRegistryAccess::kMsdosSysPath, false, "Options", "BootKeys", n::kBootMenu},
    {CRegistryAccess::kMsdosSysPath, false, "Options", "BootMenuDelay", n::kBootMenu},
    {CRegistryAccess::kMsdosSysPath, false, "Options", "Autoscan", n::kScandisk},
    {CRegistryAccess::kMsdosSysPath, false, "Options", "DrvSpace", n::kDrivespace},
    {CRegistryAccess::kMsdosSysPath, false, "Options", "DblSpace", n::kDoublespace},
    {CRegistryAccess::kMsdosSysPath, false, "Options", "DoubleBuffer", n::kDoubleBuffering},
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
        AddValue(places.values, {value.root, value.key, value.value, value.tweak});
    const std::pair<std::vector<std::string>, const char*> lists[] = {
        {BuildMTUKeyList(family), n::kMtu},
        {BuildRWINKeyList(family), n::kRwin},
        {BuildTTLKeyList(family), n::kTtl}};
    for (const auto& list : lists) {
        for (const std::string& entry : list.first) {
            std::string valueName, keyPath;
            SplitKeyListEntry(entry, valueName, keyPath);
            AddValue(places.values, {HKEY_LOCAL_MACHINE, keyPath, valueName, list.second});
        }
    }
    for (const auto& tree : kTrees)
        places.trees.push_back({tree.root, tree.key, std::string(), tree.tweak});
    for (const auto& entry : kProfileEntries) {
        const std::string file =
            entry.inWindowsDirectory ? windowsDirectory + entry.file : entry.file;
        places.entries.push_back({file, entry.section, entry.key, entry.tweak});
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
