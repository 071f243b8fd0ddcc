#include "manual/TweakPages.h"

#include "res/tweakpages_ids.h"
#include "tweaks/CHDDTweaks.h"
#include "tweaks/CInternetTweaks.h"

namespace {

// A row is a tweak of the module's catalogue (by its name there) and the controls showing it.

const TweakRow kSystemRows[] = {
    NumberRow("Non-Responding Apps. Time Out", IDC_SYSTEM_TIMEOUT_BOX, IDC_SYSTEM_TIMEOUT_LABEL,
              IDC_SYSTEM_TIMEOUT_EDIT)
        .Range(1, 50, "Please enter a number between\n1 to 50.")
        .Notes(IDC_SYSTEM_TIMEOUT_UNIT),
    FlagRow("Constantly Refresh Windows Explorer", IDC_SYSTEM_REFRESH_BOX,
            IDC_SYSTEM_REFRESH_LABEL),
    TextRow("Windows Reg. Name", IDC_SYSTEM_OWNER_BOX, IDC_SYSTEM_OWNER_LABEL,
            IDC_SYSTEM_OWNER_EDIT),
    TextRow("Windows Reg. Company", IDC_SYSTEM_COMPANY_BOX, IDC_SYSTEM_COMPANY_LABEL,
            IDC_SYSTEM_COMPANY_EDIT),
    PathRow("\"My Documents\" Location", IDC_SYSTEM_DOCUMENTS_BOX, IDC_SYSTEM_DOCUMENTS_LABEL,
            IDC_SYSTEM_DOCUMENTS_EDIT, IDC_SYSTEM_DOCUMENTS_BROWSE)
        .Folder("Specified path can not be used as a documents folder",
                "Choose a new Folder for \"My Documents\""),
    PathRow("\"My Pictures\" Location", IDC_SYSTEM_PICTURES_BOX, IDC_SYSTEM_PICTURES_LABEL,
            IDC_SYSTEM_PICTURES_EDIT, IDC_SYSTEM_PICTURES_BROWSE)
        .Folder("Specified path can not be used as a pictures folder",
                "Choose a new Folder for \"My Pictures\""),
    PathRow("\"Favorites\" Location", IDC_SYSTEM_FAVORITES_BOX, IDC_SYSTEM_FAVORITES_LABEL,
            IDC_SYSTEM_FAVORITES_EDIT, IDC_SYSTEM_FAVORITES_BROWSE)
        .Folder("Specified path can not be used as a favorites folder",
                "Choose a new Folder for \"Favorites\""),
};

const TweakRow kDesktopRows[] = {
    FlagRow("Show Windows Version on the Desktop", IDC_DESKTOP_VERSION_BOX,
            IDC_DESKTOP_VERSION_LABEL),
    FlagRow("\"Shortcut to\" Prefix on Shortcuts", IDC_DESKTOP_PREFIX_BOX,
            IDC_DESKTOP_PREFIX_LABEL),
    FlagRow("Shortcut Arrows on Shortcuts", IDC_DESKTOP_ARROWS_BOX, IDC_DESKTOP_ARROWS_LABEL),
    FlagRow("Smooth Fonts", IDC_DESKTOP_SMOOTH_BOX, IDC_DESKTOP_SMOOTH_LABEL),
    FlagRow("\"Open With\" Option on Right Click Menus", IDC_DESKTOP_OPENWITH_BOX,
            IDC_DESKTOP_OPENWITH_LABEL),
    NumberRow("Icon Cache Size", IDC_DESKTOP_ICONS_BOX, IDC_DESKTOP_ICONS_LABEL,
              IDC_DESKTOP_ICONS_EDIT)
        .Range(0, 49151, "Please enter a number below\n49152.")
        .Notes(IDC_DESKTOP_ICONS_UNIT),
};

const TweakRow kStartMenuRows[] = {
    NumberRow("Start Menu Speed", IDC_STARTMENU_SPEED_BOX, IDC_STARTMENU_SPEED_LABEL,
              IDC_STARTMENU_SPEED_EDIT)
        .Range(1, 1000, "Please enter a number between\n1 to 1000.")
        .Notes(IDC_STARTMENU_SPEED_UNIT),
    // Nothing to read: the box always starts unchecked, and checked it sorts the menu once.
    FlagRow("Sort Start Menu in Alphabetical order", IDC_STARTMENU_SORT_BOX,
            IDC_STARTMENU_SORT_LABEL)
        .Unread()
        .ClearAfterCommit(),
    FlagRow("Remove Windows Update from Start Menu", IDC_STARTMENU_NOUPDATE_BOX,
            IDC_STARTMENU_NOUPDATE_LABEL),
    FlagRow("Remove Documents Folder from Start Menu", IDC_STARTMENU_NODOCUMENTS_BOX,
            IDC_STARTMENU_NODOCUMENTS_LABEL),
    FlagRow("Remove Favorites from Start Menu", IDC_STARTMENU_NOFAVORITES_BOX,
            IDC_STARTMENU_NOFAVORITES_LABEL),
    FlagRow("Remove 'Find' from Start Menu", IDC_STARTMENU_NOFIND_BOX, IDC_STARTMENU_NOFIND_LABEL),
    FlagRow("Remove 'Run' from Start Menu", IDC_STARTMENU_NORUN_BOX, IDC_STARTMENU_NORUN_LABEL),
    FlagRow("Remove 'Log Off' from Start Menu", IDC_STARTMENU_NOLOGOFF_BOX,
            IDC_STARTMENU_NOLOGOFF_LABEL),
    FlagRow("Remove 'Shutdown' from Start Menu", IDC_STARTMENU_NOCLOSE_BOX,
            IDC_STARTMENU_NOCLOSE_LABEL),
};

// The TCP/IP tunings are written, never shown: their fields start empty.
using Net = CInternetTweaks;
const TweakRow kInternetRows[] = {
    NumberRow("MTU Values", IDC_INTERNET_MTU_BOX, IDC_INTERNET_MTU_LABEL, IDC_INTERNET_MTU_EDIT)
        .Unread()
        .NotEmpty()
        .Notes(IDC_INTERNET_MTU_EXAMPLE),
    NumberRow("RWIN Values", IDC_INTERNET_RWIN_BOX, IDC_INTERNET_RWIN_LABEL, IDC_INTERNET_RWIN_EDIT)
        .Unread()
        .NotEmpty()
        .Notes(IDC_INTERNET_RWIN_EXAMPLE),
    NumberRow("TTL Values", IDC_INTERNET_TTL_BOX, IDC_INTERNET_TTL_LABEL, IDC_INTERNET_TTL_EDIT)
        .Unread()
        .NotEmpty()
        .Notes(IDC_INTERNET_TTL_EXAMPLE),
    NumberRow("Maximum Download Count", IDC_INTERNET_DOWNLOADS_BOX, IDC_INTERNET_DOWNLOADS_LABEL,
              IDC_INTERNET_DOWNLOADS_EDIT)
        .Range(1, 30, "Please enter a number between\n1 to 30."),
    FlagRow("Double DNS Cache Size", IDC_INTERNET_DNS_BOX, IDC_INTERNET_DNS_LABEL),
    ActionRow(IDC_INTERNET_COOKIES, ActionOf<Net, &Net::ClearCookies>(),
              "Do you wish to delete all the Cookies in your System?",
              "Cookies Folder was successfully cleared.",
              "There was an error in clearing the Cookies Folder."),
    ActionRow(IDC_INTERNET_TEMPFILES, ActionOf<Net, &Net::ClearTemporaryInternetFiles>(),
              "Do you wish to delete all the Files in\nTemporary Internet Folder?",
              "Temporary Internet Folder Folder was successfully cleared.",
              "There was an error in clearing the Temporary Internet Folder Folder."),
    ActionRow(IDC_INTERNET_HISTORY, ActionOf<Net, &Net::ClearHistory>(),
              "Do you wish to clear your Internet History?",
              "History Folder was successfully cleared.",
              "There was an error in clearing the History Folder."),
};

// The cache box holds two lists: the cache choice and the speed code.
const char* const kCacheEntries[] = {"Default", "Medium", "Large"};
const DWORD kCacheValues[] = {0, 1, 2};
const TweakList kCacheList = {kCacheEntries, kCacheValues, 3, 0};
const char* const kSpeedEntries[] = {"CD  4X", "CD  8X", "CD 16X", "CD 24X", "CD 32X",
                                     "CD 40X", "CD 48X", "DVD 2X", "DVD 4X", "DVD 6X"};
const DWORD kSpeedValues[] = {4, 8, 16, 24, 32, 40, 48, 102, 104, 106};
const TweakList kSpeedList = {kSpeedEntries, kSpeedValues, 10, 0};
const TweakRow kCDROMRows[] = {
    ListRow("CDROM Cache Size", IDC_CDROM_CACHE_BOX, IDC_CDROM_CACHE_LABEL, IDC_CDROM_SIZE_LIST)
        .Fields(IDC_CDROM_SIZE_LIST, IDC_CDROM_SPEED_LIST)
        .Lists(&kCacheList, &kSpeedList)
        .Notes(IDC_CDROM_SIZE_LABEL, IDC_CDROM_SPEED_LABEL),
    FlagRow("Auto Play on Audio CDs", IDC_CDROM_AUDIO_BOX, IDC_CDROM_AUDIO_LABEL),
    FlagRow("Auto Play on Data CDs", IDC_CDROM_DATA_BOX, IDC_CDROM_DATA_LABEL),
};

// The clearing of the temporary folder works on every family.
using Hdd = CHDDTweaks;
const char* const kFileCacheEntries[] = {" 512 KB", "1024 KB", "2048 KB"};
const DWORD kFileCacheValues[] = {512, 1024, 2048};
const TweakList kFileCacheList = {kFileCacheEntries, kFileCacheValues, 3, 2};
const TweakRow kHardDiskRows[] = {
    ListRow("File Cache Size", IDC_HDD_FILECACHE_BOX, IDC_HDD_FILECACHE_LABEL,
            IDC_HDD_FILECACHE_LIST)
        .Lists(&kFileCacheList)
        .Notes(IDC_HDD_FILECACHE_NOTE),
    NumberRow("VCache Size", IDC_HDD_VCACHE_BOX, IDC_HDD_VCACHE_LABEL, IDC_HDD_MIN_EDIT)
        .Fields(IDC_HDD_MIN_EDIT, IDC_HDD_MAX_EDIT, IDC_HDD_CHUNK_EDIT)
        .NotEmpty()
        .Notes(IDC_HDD_MIN_LABEL, IDC_HDD_MAX_LABEL, IDC_HDD_CHUNK_LABEL, IDC_HDD_MIN_UNIT,
               IDC_HDD_MAX_UNIT, IDC_HDD_CHUNK_UNIT),
    FlagRow("FIFO Option", IDC_HDD_FIFO_BOX, IDC_HDD_FIFO_LABEL),
    ActionRow(IDC_HDD_CLEARTEMP, ActionOf<Hdd, &Hdd::ClearTempFolder>(),
              "Do you wish to delete all the Files in\nTemporary Folder?",
              "Temporary Folder was successfully cleared.",
              "There was an error in clearing the Temporary Folder."),
};

const char* const kStackEntries[] = {" 0", " 4", " 8", "16"};
const DWORD kStackValues[] = {0, 4, 8, 16};
const TweakList kStackList = {kStackEntries, kStackValues, 4, 0};
const char* const kSystemCacheEntries[] = {" 0", " 4", " 8", "16", "32", "64"};
const DWORD kSystemCacheValues[] = {0, 4, 8, 16, 32, 64};
const TweakList kSystemCacheList = {kSystemCacheEntries, kSystemCacheValues, 6, 1};
const TweakRow kMemoryRows[] = {
    FlagRow("Auto Unload DLLs From Memory", IDC_MEMORY_UNLOAD_BOX, IDC_MEMORY_UNLOAD_LABEL),
    FlagRow("Use Swap File Wisely", IDC_MEMORY_SWAP_BOX, IDC_MEMORY_SWAP_LABEL),
    ListRow("Spare Stacks", IDC_MEMORY_STACKS_BOX, IDC_MEMORY_STACKS_LABEL, IDC_MEMORY_STACKS_LIST)
        .Lists(&kStackList)
        .Notes(IDC_MEMORY_STACKS_NOTE),
    FlagRow("Improve Core System Paging", IDC_MEMORY_PAGING_BOX, IDC_MEMORY_PAGING_LABEL),
    ListRow("System Cache", IDC_MEMORY_SYSCACHE_BOX, IDC_MEMORY_SYSCACHE_LABEL,
            IDC_MEMORY_SYSCACHE_LIST)
        .Lists(&kSystemCacheList)
        .Notes(IDC_MEMORY_SYSCACHE_NOTE),
    FlagRow("Background Tasks More CPU Time", IDC_MEMORY_BACKGROUND_BOX,
            IDC_MEMORY_BACKGROUND_LABEL),
};

const TweakRow kBootupRows[] = {
    FlagRow("Boot Menu", IDC_BOOTUP_BOOTMENU_BOX, IDC_BOOTUP_BOOTMENU_LABEL),
    FlagRow("Auto Run Scandisk at System Startup", IDC_BOOTUP_AUTOSCAN_BOX,
            IDC_BOOTUP_AUTOSCAN_LABEL),
    FlagRow("Disable Drivespace driver", IDC_BOOTUP_DRVSPACE_BOX, IDC_BOOTUP_DRVSPACE_LABEL),
    FlagRow("Disable Doublespace driver", IDC_BOOTUP_DBLSPACE_BOX, IDC_BOOTUP_DBLSPACE_LABEL),
    FlagRow("Disable Double Buffering", IDC_BOOTUP_DOUBLEBUFFER_BOX, IDC_BOOTUP_DOUBLEBUFFER_LABEL),
    ImageRow("Startup Image", IDC_BOOTUP_IMAGE_BOX, IDC_BOOTUP_IMAGE_LABEL, IDC_BOOTUP_IMAGE_EDIT,
             IDC_BOOTUP_IMAGE_BROWSE)
        .Bitmap("Specified path can not be used as a startup image.",
                "A bitmap file is needed for the startup image."),
};

const TweakRow kShutdownRows[] = {
    FlagRow("Auto Close Not Responding Applications on Shutdown", IDC_SHUTDOWN_AUTOEND_BOX,
            IDC_SHUTDOWN_AUTOEND_LABEL),
    FlagRow("Fast Shutdown", IDC_SHUTDOWN_FASTSHUTDOWN_BOX, IDC_SHUTDOWN_FASTSHUTDOWN_LABEL),
    ImageRow("Shutdown Image", IDC_SHUTDOWN_SHUTDOWNIMAGE_BOX, IDC_SHUTDOWN_SHUTDOWNIMAGE_LABEL,
             IDC_SHUTDOWN_SHUTDOWNIMAGE_EDIT, IDC_SHUTDOWN_SHUTDOWNIMAGE_BROWSE)
        .Bitmap("Specified path can not be used as a shutdown image.",
                "A bitmap file is needed for the shutdown image"),
    ImageRow("Turnoff Image", IDC_SHUTDOWN_TURNOFFIMAGE_BOX, IDC_SHUTDOWN_TURNOFFIMAGE_LABEL,
             IDC_SHUTDOWN_TURNOFFIMAGE_EDIT, IDC_SHUTDOWN_TURNOFFIMAGE_BROWSE)
        .Bitmap("Specified path can not be used as a turnoff image.",
                "A bitmap file is needed for the turnoff image"),
};

template <size_t N> constexpr size_t CountOf(const TweakRow (&)[N]) {
    return N;
}

// In module order.
const TweakPageTable kPages[] = {
    {Modules::kSystem, IDD_TWEAKS_SYSTEM, kSystemRows, CountOf(kSystemRows)},
    {Modules::kDesktop, IDD_TWEAKS_DESKTOP, kDesktopRows, CountOf(kDesktopRows)},
    {Modules::kStartMenu, IDD_TWEAKS_STARTMENU, kStartMenuRows, CountOf(kStartMenuRows)},
    {Modules::kInternet, IDD_TWEAKS_INTERNET, kInternetRows, CountOf(kInternetRows)},
    {Modules::kCDROM, IDD_TWEAKS_CDROM, kCDROMRows, CountOf(kCDROMRows)},
    {Modules::kHardDisk, IDD_TWEAKS_HDD, kHardDiskRows, CountOf(kHardDiskRows)},
    {Modules::kMemory, IDD_TWEAKS_MEMORY, kMemoryRows, CountOf(kMemoryRows)},
    {Modules::kBootup, IDD_TWEAKS_BOOTUP, kBootupRows, CountOf(kBootupRows)},
    {Modules::kShutdown, IDD_TWEAKS_SHUTDOWN, kShutdownRows, CountOf(kShutdownRows)},
};
static_assert(sizeof(kPages) / sizeof(kPages[0]) == IMainWindow::kModuleCount,
              "one page per module");

} // namespace

const TweakPageTable& TweakPageTableOf(IMainWindow::Module module) {
    return kPages[module];
}

std::unique_ptr<CTweakPage> CreateTweakPage(IMainWindow::Module module, IMainWindow& main) {
    if (module < 0 || module >= IMainWindow::kModuleCount)
        return nullptr;
    return std::make_unique<CTweakPage>(kPages[module], main);
}
