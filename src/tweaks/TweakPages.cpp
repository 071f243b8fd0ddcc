#include "tweaks/TweakPages.h"

#include "res/tweakpages_ids.h"
#include "tweaks/CBootupTweaks.h"
#include "tweaks/CCDROMTweaks.h"
#include "tweaks/CDesktopTweaks.h"
#include "tweaks/CHDDTweaks.h"
#include "tweaks/CInternetTweaks.h"
#include "tweaks/CRAMTweaks.h"
#include "tweaks/CShutdownTweaks.h"
#include "tweaks/CStartMenuTweaks.h"
#include "tweaks/CSystemTweaks.h"

namespace {

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

const TweakRow kSystemRows[] = {
    NumberRow(IDC_SYSTEM_TIMEOUT_BOX, IDC_SYSTEM_TIMEOUT_LABEL, IDC_SYSTEM_TIMEOUT_EDIT,
              NumberAccess<Sys, &Sys::GetHungAppTimeout, &Sys::SetHungAppTimeout>(),
              HelpOf<Sys, &Sys::GetHelpTimeout>())
        .Preset(20)
        .Scale(1000)
        .Range(1, 50, "Please enter a number between\n1 to 50.")
        .Notes(IDC_SYSTEM_TIMEOUT_UNIT),
    FlagRow(IDC_SYSTEM_REFRESH_BOX, IDC_SYSTEM_REFRESH_LABEL,
            NumberAccess<Sys, &Sys::GetUpdateMode, &Sys::SetUpdateMode>(),
            HelpOf<Sys, &Sys::GetHelpExplorerRefresh>()),
    TextRow(IDC_SYSTEM_OWNER_BOX, IDC_SYSTEM_OWNER_LABEL, IDC_SYSTEM_OWNER_EDIT,
            TextAccess<Sys, &Sys::GetRegisteredOwner, &Sys::SetRegisteredOwner>(),
            HelpOf<Sys, &Sys::GetHelpRegisteredName>()),
    TextRow(IDC_SYSTEM_COMPANY_BOX, IDC_SYSTEM_COMPANY_LABEL, IDC_SYSTEM_COMPANY_EDIT,
            TextAccess<Sys, &Sys::GetRegisteredOrganization, &Sys::SetRegisteredOrganization>(),
            HelpOf<Sys, &Sys::GetHelpRegisteredCompany>()),
    PathRow(IDC_SYSTEM_DOCUMENTS_BOX, IDC_SYSTEM_DOCUMENTS_LABEL, IDC_SYSTEM_DOCUMENTS_EDIT,
            IDC_SYSTEM_DOCUMENTS_BROWSE, FolderAccess<kPersonal>(), kFolderHelp)
        .Folder("Specified path can not be used as a documents folder",
                "Choose a new Folder for \"My Documents\"")
        .Restart(),
    PathRow(IDC_SYSTEM_PICTURES_BOX, IDC_SYSTEM_PICTURES_LABEL, IDC_SYSTEM_PICTURES_EDIT,
            IDC_SYSTEM_PICTURES_BROWSE, FolderAccess<kMyPictures>(), kFolderHelp)
        .Folder("Specified path can not be used as a pictures folder",
                "Choose a new Folder for \"My Pictures\"")
        .Restart(),
    PathRow(IDC_SYSTEM_FAVORITES_BOX, IDC_SYSTEM_FAVORITES_LABEL, IDC_SYSTEM_FAVORITES_EDIT,
            IDC_SYSTEM_FAVORITES_BROWSE, FolderAccess<kFavorites>(), kFolderHelp)
        .Folder("Specified path can not be used as a favorites folder",
                "Choose a new Folder for \"Favorites\"")
        .Restart(),
};

// Desktop: every item needs a restart; "Open With" and the icon cache are 9x-only.
using Dsk = CDesktopTweaks;
const TweakRow kDesktopRows[] = {
    FlagRow(IDC_DESKTOP_VERSION_BOX, IDC_DESKTOP_VERSION_LABEL,
            NumberAccess<Dsk, &Dsk::GetPaintDesktopVersion, &Dsk::SetPaintDesktopVersion>(),
            HelpOf<Dsk, &Dsk::GetHelpShowVersion>())
        .Restart(),
    FlagRow(IDC_DESKTOP_PREFIX_BOX, IDC_DESKTOP_PREFIX_LABEL,
            NumberAccess<Dsk, &Dsk::GetLinkValue, &Dsk::SetLinkValue>(),
            HelpOf<Dsk, &Dsk::GetHelpShortcutPrefix>())
        .Restart(),
    FlagRow(IDC_DESKTOP_ARROWS_BOX, IDC_DESKTOP_ARROWS_LABEL,
            NumberAccess<Dsk, &Dsk::GetIsShortcut, &Dsk::SetIsShortcut>(),
            HelpOf<Dsk, &Dsk::GetHelpShortcutArrow>())
        .Restart(),
    FlagRow(IDC_DESKTOP_SMOOTH_BOX, IDC_DESKTOP_SMOOTH_LABEL,
            NumberAccess<Dsk, &Dsk::GetFontSmoothing, &Dsk::SetFontSmoothing>(),
            HelpOf<Dsk, &Dsk::GetHelpFontSmoothing>())
        .Restart(),
    FlagRow(IDC_DESKTOP_OPENWITH_BOX, IDC_DESKTOP_OPENWITH_LABEL,
            NumberAccess<Dsk, &Dsk::GetOpenWith, &Dsk::SetOpenWith>(),
            HelpOf<Dsk, &Dsk::GetHelpOpenWith>())
        .Families(kNineXOnly)
        .Restart(),
    NumberRow(IDC_DESKTOP_ICONS_BOX, IDC_DESKTOP_ICONS_LABEL, IDC_DESKTOP_ICONS_EDIT,
              NumberAccess<Dsk, &Dsk::GetMaxCachedIcons, &Dsk::SetMaxCachedIcons>(),
              HelpOf<Dsk, &Dsk::GetHelpIconCache>())
        .Preset(8192)
        .Range(0, 49151, "Please enter a number below\n49152.")
        .Notes(IDC_DESKTOP_ICONS_UNIT)
        .Families(kNineXOnly)
        .Restart(),
};

// Start Menu: every item needs a restart; the removals are not offered on XP.
using Sm = CStartMenuTweaks;
constexpr TweakHelp kRemoveHelp = HelpOf<Sm, &Sm::GetHelpRemoveItem>();
const TweakRow kStartMenuRows[] = {
    NumberRow(IDC_STARTMENU_SPEED_BOX, IDC_STARTMENU_SPEED_LABEL, IDC_STARTMENU_SPEED_EDIT,
              NumberAccess<Sm, &Sm::GetMenuShowDelay, &Sm::SetMenuShowDelay>(),
              HelpOf<Sm, &Sm::GetHelpMenuSpeed>())
        .Preset(400)
        .Range(1, 1000, "Please enter a number between\n1 to 1000.")
        .Notes(IDC_STARTMENU_SPEED_UNIT)
        .Restart(),
    // Nothing to read: the box always starts unchecked, and checked it sorts the menu once.
    FlagRow(IDC_STARTMENU_SORT_BOX, IDC_STARTMENU_SORT_LABEL,
            {nullptr, NumberAccess<Sm, &Sm::GetMenuOrder, &Sm::SetMenuOrder>().set},
            HelpOf<Sm, &Sm::GetHelpMenuOrdering>())
        .ClearAfterCommit()
        .Restart(),
    FlagRow(IDC_STARTMENU_NOUPDATE_BOX, IDC_STARTMENU_NOUPDATE_LABEL,
            NumberAccess<Sm, &Sm::GetNoWindowsUpdate, &Sm::SetNoWindowsUpdate>(), kRemoveHelp)
        .Families(kNotXP)
        .Restart(),
    FlagRow(IDC_STARTMENU_NODOCUMENTS_BOX, IDC_STARTMENU_NODOCUMENTS_LABEL,
            NumberAccess<Sm, &Sm::GetNoRecentDocMenu, &Sm::SetNoRecentDocMenu>(), kRemoveHelp)
        .Families(kNotXP)
        .Restart(),
    FlagRow(IDC_STARTMENU_NOFAVORITES_BOX, IDC_STARTMENU_NOFAVORITES_LABEL,
            NumberAccess<Sm, &Sm::GetNoFavoritesMenu, &Sm::SetNoFavoritesMenu>(), kRemoveHelp)
        .Families(kNotXP)
        .Restart(),
    FlagRow(IDC_STARTMENU_NOFIND_BOX, IDC_STARTMENU_NOFIND_LABEL,
            NumberAccess<Sm, &Sm::GetNoFind, &Sm::SetNoFind>(), kRemoveHelp)
        .Families(kNotXP)
        .Restart(),
    FlagRow(IDC_STARTMENU_NORUN_BOX, IDC_STARTMENU_NORUN_LABEL,
            NumberAccess<Sm, &Sm::GetNoRun, &Sm::SetNoRun>(), kRemoveHelp)
        .Families(kNotXP)
        .Restart(),
    FlagRow(IDC_STARTMENU_NOLOGOFF_BOX, IDC_STARTMENU_NOLOGOFF_LABEL,
            NumberAccess<Sm, &Sm::GetNoLogOff, &Sm::SetNoLogOff>(), kRemoveHelp)
        .Families(kNotXP)
        .Restart(),
    FlagRow(IDC_STARTMENU_NOCLOSE_BOX, IDC_STARTMENU_NOCLOSE_LABEL,
            NumberAccess<Sm, &Sm::GetNoClose, &Sm::SetNoClose>(), kRemoveHelp)
        .Families(kNotXP)
        .Restart(),
};

// Internet: the TCP/IP tunings and the DNS cache need a restart; the browser reads the
// download count when it starts.
using Net = CInternetTweaks;
template <BOOL (Net::*Set)(DWORD)> constexpr TweakAccess WriteOnly() {
    return {nullptr, [](CRegistryAccess& module, const TweakValue& value) {
                return (static_cast<Net&>(module).*Set)(value.numbers[0]);
            }};
}
const TweakRow kInternetRows[] = {
    NumberRow(IDC_INTERNET_MTU_BOX, IDC_INTERNET_MTU_LABEL, IDC_INTERNET_MTU_EDIT,
              WriteOnly<&Net::SetMTU>(), HelpOf<Net, &Net::GetHelpMTU>())
        .NotEmpty()
        .Notes(IDC_INTERNET_MTU_EXAMPLE)
        .Restart(),
    NumberRow(IDC_INTERNET_RWIN_BOX, IDC_INTERNET_RWIN_LABEL, IDC_INTERNET_RWIN_EDIT,
              WriteOnly<&Net::SetRWIN>(), HelpOf<Net, &Net::GetHelpRWIN>())
        .NotEmpty()
        .Notes(IDC_INTERNET_RWIN_EXAMPLE)
        .Restart(),
    NumberRow(IDC_INTERNET_TTL_BOX, IDC_INTERNET_TTL_LABEL, IDC_INTERNET_TTL_EDIT,
              WriteOnly<&Net::SetDefaultTTL>(), HelpOf<Net, &Net::GetHelpTTL>())
        .NotEmpty()
        .Notes(IDC_INTERNET_TTL_EXAMPLE)
        .Restart(),
    NumberRow(
        IDC_INTERNET_DOWNLOADS_BOX, IDC_INTERNET_DOWNLOADS_LABEL, IDC_INTERNET_DOWNLOADS_EDIT,
        NumberAccess<Net, &Net::GetMaxConnectionsPerServer, &Net::SetMaxConnectionsPerServer>(),
        HelpOf<Net, &Net::GetHelpMaxDownload>())
        .Preset(4)
        .Range(1, 30, "Please enter a number between\n1 to 30."),
    FlagRow(IDC_INTERNET_DNS_BOX, IDC_INTERNET_DNS_LABEL,
            NumberAccess<Net, &Net::GetDoubleDNSCache, &Net::SetDoubleDNSCache>(),
            HelpOf<Net, &Net::GetHelpDNSCache>())
        .Restart(),
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

// CD-ROM: the cache box holds two lists (cache choice, speed code); all need a restart.
using Cd = CCDROMTweaks;
const char* const kCacheEntries[] = {"Default", "Medium", "Large"};
const DWORD kCacheValues[] = {0, 1, 2};
const TweakList kCacheList = {kCacheEntries, kCacheValues, 3, 0};
const char* const kSpeedEntries[] = {"CD  4X", "CD  8X", "CD 16X", "CD 24X", "CD 32X",
                                     "CD 40X", "CD 48X", "DVD 2X", "DVD 4X", "DVD 6X"};
const DWORD kSpeedValues[] = {4, 8, 16, 24, 32, 40, 48, 102, 104, 106};
const TweakList kSpeedList = {kSpeedEntries, kSpeedValues, 10, 0};
constexpr TweakAccess kCDFSAccess = {
    [](CRegistryAccess& module, TweakValue& value) {
        return static_cast<Cd&>(module).GetCDFS(value.numbers[1], value.numbers[0]);
    },
    [](CRegistryAccess& module, const TweakValue& value) {
        return static_cast<Cd&>(module).SetCDFS(value.numbers[1], value.numbers[0]);
    }};
const TweakRow kCDROMRows[] = {
    ListRow(IDC_CDROM_CACHE_BOX, IDC_CDROM_CACHE_LABEL, IDC_CDROM_SIZE_LIST, kCDFSAccess,
            HelpOf<Cd, &Cd::GetHelpCDSpeed>())
        .Fields(IDC_CDROM_SIZE_LIST, IDC_CDROM_SPEED_LIST)
        .Lists(&kCacheList, &kSpeedList)
        .Notes(IDC_CDROM_SIZE_LABEL, IDC_CDROM_SPEED_LABEL)
        .Restart(),
    FlagRow(IDC_CDROM_AUDIO_BOX, IDC_CDROM_AUDIO_LABEL,
            NumberAccess<Cd, &Cd::GetAutorun, &Cd::SetAutorun>(),
            HelpOf<Cd, &Cd::GetHelpAutoPlayAudio>())
        .Restart(),
    FlagRow(IDC_CDROM_DATA_BOX, IDC_CDROM_DATA_LABEL,
            NumberAccess<Cd, &Cd::GetNoDriveTypeAutoRun, &Cd::SetNoDriveTypeAutoRun>(),
            HelpOf<Cd, &Cd::GetHelpAutoPlayData>())
        .Restart(),
};

// Hard disk: all of it is read by Windows at start-up, and all but the clearing is 9x-only.
using Hdd = CHDDTweaks;
const char* const kFileCacheEntries[] = {" 512 KB", "1024 KB", "2048 KB"};
const DWORD kFileCacheValues[] = {512, 1024, 2048};
const TweakList kFileCacheList = {kFileCacheEntries, kFileCacheValues, 3, 2};
constexpr TweakAccess kVCacheAccess = {
    [](CRegistryAccess& module, TweakValue& value) {
        return static_cast<Hdd&>(module).GetVCache(value.numbers[0], value.numbers[1],
                                                   value.numbers[2]);
    },
    [](CRegistryAccess& module, const TweakValue& value) {
        return static_cast<Hdd&>(module).SetVCache(value.numbers[0], value.numbers[1],
                                                   value.numbers[2]);
    }};
const TweakRow kHardDiskRows[] = {
    ListRow(IDC_HDD_FILECACHE_BOX, IDC_HDD_FILECACHE_LABEL, IDC_HDD_FILECACHE_LIST,
            NumberAccess<Hdd, &Hdd::GetContigFileAllocSize, &Hdd::SetContigFileAllocSize>(),
            HelpOf<Hdd, &Hdd::GetHelpFileCache>())
        .Preset(512)
        .Lists(&kFileCacheList)
        .Notes(IDC_HDD_FILECACHE_NOTE)
        .Families(kNineXOnly)
        .Restart(),
    NumberRow(IDC_HDD_VCACHE_BOX, IDC_HDD_VCACHE_LABEL, IDC_HDD_MIN_EDIT, kVCacheAccess,
              HelpOf<Hdd, &Hdd::GetHelpVCache>())
        .Fields(IDC_HDD_MIN_EDIT, IDC_HDD_MAX_EDIT, IDC_HDD_CHUNK_EDIT)
        .NotEmpty()
        .Notes(IDC_HDD_MIN_LABEL, IDC_HDD_MAX_LABEL, IDC_HDD_CHUNK_LABEL, IDC_HDD_MIN_UNIT,
               IDC_HDD_MAX_UNIT, IDC_HDD_CHUNK_UNIT)
        .Families(kNineXOnly)
        .Restart(),
    FlagRow(IDC_HDD_FIFO_BOX, IDC_HDD_FIFO_LABEL,
            NumberAccess<Hdd, &Hdd::GetForceFIFO, &Hdd::SetForceFIFO>(),
            HelpOf<Hdd, &Hdd::GetHelpFIFO>())
        .Families(kNineXOnly)
        .Restart(),
    ActionRow(IDC_HDD_CLEARTEMP, ActionOf<Hdd, &Hdd::ClearTempFolder>(),
              "Do you wish to delete all the Files in\nTemporary Folder?",
              "Temporary Folder was successfully cleared.",
              "There was an error in clearing the Temporary Folder."),
};

// Memory: all of it takes effect after a restart. The background-tasks box is the opposite of
// the stored priority split.
using Ram = CRAMTweaks;
const char* const kStackEntries[] = {" 0", " 4", " 8", "16"};
const DWORD kStackValues[] = {0, 4, 8, 16};
const TweakList kStackList = {kStackEntries, kStackValues, 4, 0};
const char* const kSystemCacheEntries[] = {" 0", " 4", " 8", "16", "32", "64"};
const DWORD kSystemCacheValues[] = {0, 4, 8, 16, 32, 64};
const TweakList kSystemCacheList = {kSystemCacheEntries, kSystemCacheValues, 6, 1};
const TweakRow kMemoryRows[] = {
    FlagRow(IDC_MEMORY_UNLOAD_BOX, IDC_MEMORY_UNLOAD_LABEL,
            NumberAccess<Ram, &Ram::GetAlwaysUnloadDLL, &Ram::SetAlwaysUnloadDLL>(),
            HelpOf<Ram, &Ram::GetHelpAutoUnloadDLL>())
        .Restart(),
    FlagRow(
        IDC_MEMORY_SWAP_BOX, IDC_MEMORY_SWAP_LABEL,
        NumberAccess<Ram, &Ram::GetConservativeSwapfileUsage, &Ram::SetConservativeSwapfileUsage>(),
        HelpOf<Ram, &Ram::GetHelpSwapFileUsage>())
        .Families(kNineXOnly)
        .Restart(),
    ListRow(IDC_MEMORY_STACKS_BOX, IDC_MEMORY_STACKS_LABEL, IDC_MEMORY_STACKS_LIST,
            NumberAccess<Ram, &Ram::GetMinSPs, &Ram::SetMinSPs>(),
            HelpOf<Ram, &Ram::GetHelpStacks>())
        .Lists(&kStackList)
        .Notes(IDC_MEMORY_STACKS_NOTE)
        .Families(kNineXOnly)
        .Restart(),
    FlagRow(IDC_MEMORY_PAGING_BOX, IDC_MEMORY_PAGING_LABEL,
            NumberAccess<Ram, &Ram::GetDisablePagingExecutive, &Ram::SetDisablePagingExecutive>(),
            HelpOf<Ram, &Ram::GetHelpCoreSystemPaging>())
        .Families(kNTOnly)
        .Restart(),
    ListRow(IDC_MEMORY_SYSCACHE_BOX, IDC_MEMORY_SYSCACHE_LABEL, IDC_MEMORY_SYSCACHE_LIST,
            NumberAccess<Ram, &Ram::GetIoPageLockLimit, &Ram::SetIoPageLockLimit>(),
            HelpOf<Ram, &Ram::GetHelpSystemFileCaching>())
        .Preset(4)
        .Lists(&kSystemCacheList)
        .Notes(IDC_MEMORY_SYSCACHE_NOTE)
        .Families(kNTOnly)
        .Restart(),
    FlagRow(IDC_MEMORY_BACKGROUND_BOX, IDC_MEMORY_BACKGROUND_LABEL,
            NumberAccess<Ram, &Ram::GetWin32PrioritySeparation, &Ram::SetWin32PrioritySeparation>(),
            HelpOf<Ram, &Ram::GetHelpBackgroundTasksPriority>())
        .Inverted()
        .Families(kNTOnly)
        .Restart(),
};

// Boot-up: msdos.sys is read at start-up only; the picture is shown from its file at the next
// start without a restart of its own.
using Boot = CBootupTweaks;
const TweakRow kBootupRows[] = {
    FlagRow(IDC_BOOTUP_BOOTMENU_BOX, IDC_BOOTUP_BOOTMENU_LABEL,
            NumberAccess<Boot, &Boot::GetBootMenu, &Boot::SetBootMenu>(),
            HelpOf<Boot, &Boot::GetHelpBootMenu>())
        .Families(kNotXP)
        .Restart(),
    FlagRow(IDC_BOOTUP_AUTOSCAN_BOX, IDC_BOOTUP_AUTOSCAN_LABEL,
            NumberAccess<Boot, &Boot::GetAutoscan, &Boot::SetAutoscan>(),
            HelpOf<Boot, &Boot::GetHelpAutoScandisk>())
        .Families(kNineXOnly)
        .Restart(),
    FlagRow(IDC_BOOTUP_DRVSPACE_BOX, IDC_BOOTUP_DRVSPACE_LABEL,
            NumberAccess<Boot, &Boot::GetDrvSpace, &Boot::SetDrvSpace>(),
            HelpOf<Boot, &Boot::GetHelpDrivespace>())
        .Families(kNineXOnly)
        .Restart(),
    FlagRow(IDC_BOOTUP_DBLSPACE_BOX, IDC_BOOTUP_DBLSPACE_LABEL,
            NumberAccess<Boot, &Boot::GetDblSpace, &Boot::SetDblSpace>(),
            HelpOf<Boot, &Boot::GetHelpDoublespace>())
        .Families(kNineXOnly)
        .Restart(),
    FlagRow(IDC_BOOTUP_DOUBLEBUFFER_BOX, IDC_BOOTUP_DOUBLEBUFFER_LABEL,
            NumberAccess<Boot, &Boot::GetDoubleBuffer, &Boot::SetDoubleBuffer>(),
            HelpOf<Boot, &Boot::GetHelpDoubleBuffering>())
        .Families(kNineXOnly)
        .Restart(),
    ImageRow(IDC_BOOTUP_IMAGE_BOX, IDC_BOOTUP_IMAGE_LABEL, IDC_BOOTUP_IMAGE_EDIT,
             IDC_BOOTUP_IMAGE_BROWSE, ImageAccess<Boot, &Boot::SetStartupImage>(),
             HelpOf<Boot, &Boot::GetHelpStartupImage>())
        .Bitmap("Specified path can not be used as a startup image.",
                "A bitmap file is needed for the startup image.")
        .Families(kNineXOnly),
};

// Shutdown: the settings are read when Windows starts; the pictures are shown from their files.
using Off = CShutdownTweaks;
const TweakRow kShutdownRows[] = {
    FlagRow(IDC_SHUTDOWN_AUTOEND_BOX, IDC_SHUTDOWN_AUTOEND_LABEL,
            NumberAccess<Off, &Off::GetAutoEndTasks, &Off::SetAutoEndTasks>(),
            HelpOf<Off, &Off::GetHelpAutoCloseApplication>())
        .Restart(),
    FlagRow(IDC_SHUTDOWN_FASTSHUTDOWN_BOX, IDC_SHUTDOWN_FASTSHUTDOWN_LABEL,
            NumberAccess<Off, &Off::GetFastReboot, &Off::SetFastReboot>(),
            HelpOf<Off, &Off::GetHelpFastShutdown>())
        .Families(kNineXOnly)
        .Restart(),
    ImageRow(IDC_SHUTDOWN_SHUTDOWNIMAGE_BOX, IDC_SHUTDOWN_SHUTDOWNIMAGE_LABEL,
             IDC_SHUTDOWN_SHUTDOWNIMAGE_EDIT, IDC_SHUTDOWN_SHUTDOWNIMAGE_BROWSE,
             ImageAccess<Off, &Off::SetShutdownImage>(), HelpOf<Off, &Off::GetHelpShutdownImage>())
        .Bitmap("Specified path can not be used as a shutdown image.",
                "A bitmap file is needed for the shutdown image")
        .Families(kNineXOnly),
    ImageRow(IDC_SHUTDOWN_TURNOFFIMAGE_BOX, IDC_SHUTDOWN_TURNOFFIMAGE_LABEL,
             IDC_SHUTDOWN_TURNOFFIMAGE_EDIT, IDC_SHUTDOWN_TURNOFFIMAGE_BROWSE,
             ImageAccess<Off, &Off::SetTurnoffImage>(), HelpOf<Off, &Off::GetHelpTurnoffImage>())
        .Bitmap("Specified path can not be used as a turnoff image.",
                "A bitmap file is needed for the turnoff image")
        .Families(kNineXOnly),
};

template <size_t N> constexpr size_t CountOf(const TweakRow (&)[N]) {
    return N;
}

// In the order of IMainWindow::Module.
const TweakPageTable kPages[] = {
    {IDD_TWEAKS_SYSTEM, &MakeModule<CSystemTweaks>, kSystemRows, CountOf(kSystemRows)},
    {IDD_TWEAKS_DESKTOP, &MakeModule<CDesktopTweaks>, kDesktopRows, CountOf(kDesktopRows)},
    {IDD_TWEAKS_STARTMENU, &MakeModule<CStartMenuTweaks>, kStartMenuRows, CountOf(kStartMenuRows)},
    {IDD_TWEAKS_INTERNET, &MakeModule<CInternetTweaks>, kInternetRows, CountOf(kInternetRows)},
    {IDD_TWEAKS_CDROM, &MakeModule<CCDROMTweaks>, kCDROMRows, CountOf(kCDROMRows)},
    {IDD_TWEAKS_HDD, &MakeModule<CHDDTweaks>, kHardDiskRows, CountOf(kHardDiskRows)},
    {IDD_TWEAKS_MEMORY, &MakeModule<CRAMTweaks>, kMemoryRows, CountOf(kMemoryRows)},
    {IDD_TWEAKS_BOOTUP, &MakeModule<CBootupTweaks>, kBootupRows, CountOf(kBootupRows)},
    {IDD_TWEAKS_SHUTDOWN, &MakeModule<CShutdownTweaks>, kShutdownRows, CountOf(kShutdownRows)},
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
