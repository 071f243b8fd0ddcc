#pragma once

// The tweaks as the pages show them, for telling the user which settings a restore could not put
// back. Each place of OriginalPlaces and each write of a module's restore names one of these.
namespace tweak_names {

// System
constexpr char kTimeOut[] = "Non-Responding Apps. Time Out";
constexpr char kExplorerRefresh[] = "Constantly Refresh Windows Explorer";
constexpr char kRegisteredName[] = "Windows Reg. Name";
constexpr char kRegisteredCompany[] = "Windows Reg. Company";
constexpr char kMyDocuments[] = "\"My Documents\" Location";
constexpr char kMyPictures[] = "\"My Pictures\" Location";
constexpr char kFavorites[] = "\"Favorites\" Location";
// Desktop
constexpr char kShowVersion[] = "Show Windows Version on the Desktop";
constexpr char kShortcutPrefix[] = "Disable \"Shortcut to\" Prefix on Shortcuts";
constexpr char kShortcutArrows[] = "Hide Shortcut Arrows on Shortcuts";
constexpr char kSmoothFonts[] = "Enable Smooth Fonts";
constexpr char kOpenWith[] = "Enable \"Open With\" Option on Right Click Menus";
constexpr char kIconCache[] = "Icon Cache Size";
// Start Menu
constexpr char kMenuSpeed[] = "Start Menu Speed";
constexpr char kMenuSort[] = "Sort Start Menu in Alphabetical order";
constexpr char kNoWindowsUpdate[] = "Remove Windows Update from Start Menu";
constexpr char kNoDocuments[] = "Remove Documents Folder from Start Menu";
constexpr char kNoFavorites[] = "Remove Favorites from Start Menu";
constexpr char kNoFind[] = "Remove 'Find' from Start Menu";
constexpr char kNoRun[] = "Remove 'Run' from Start Menu";
constexpr char kNoLogOff[] = "Remove 'Log Off' from Start Menu";
constexpr char kNoShutdown[] = "Remove 'Shutdown' from Start Menu";
// Internet
constexpr char kMtu[] = "MTU Values";
constexpr char kRwin[] = "RWIN Values";
constexpr char kTtl[] = "TTL Values";
constexpr char kDownloads[] = "Maximum Download Count";
constexpr char kDnsCache[] = "Double DNS Cache Size";
// CD-ROM
constexpr char kCdromCache[] = "CDROM Cache Size";
constexpr char kAudioAutoPlay[] = "Auto Play on Audio CDs";
constexpr char kDataAutoPlay[] = "Auto Play on Data CDs";
// Hard disk
constexpr char kFileCache[] = "File Cache Size";
constexpr char kVCache[] = "VCache Size";
constexpr char kFifo[] = "FIFO Option";
// Memory
constexpr char kUnloadDlls[] = "Auto Unload DLLs From Memory";
constexpr char kSwapFile[] = "Use Swap File Wisely";
constexpr char kSpareStacks[] = "Spare Stacks";
constexpr char kCorePaging[] = "Improve Core System Paging";
constexpr char kSystemCache[] = "System Cache";
constexpr char kBackgroundTasks[] = "Allow Background Tasks to Have More CPU Time";
// Boot-up
constexpr char kBootMenu[] = "Enable Boot Menu";
constexpr char kScandisk[] = "Auto Run Scandisk at System Startup";
constexpr char kDrivespace[] = "Disable Drivespace driver at boot up";
constexpr char kDoublespace[] = "Disable Doublespace driver at boot up";
constexpr char kDoubleBuffering[] = "Disable Double Buffering at Boot up";
constexpr char kStartupImage[] = "Startup Image";
// Shutdown
constexpr char kAutoClose[] = "Auto Close Not Responding Applications on Shutdown";
constexpr char kFastShutdown[] = "Enable Fast Shutdown";
constexpr char kShutdownImage[] = "Shutdown Image";
constexpr char kTurnoffImage[] = "Turnoff Image";

// Each tweak's section as the main window names it, and whether Windows takes the tweak into
// use only after a restart (as the pages count it).
struct Facts {
    const char* name;
    const char* section;
    bool restart;
};
constexpr char kSystem[] = "System Tweaks";
constexpr char kDesktop[] = "Desktop Tweaks";
constexpr char kStartMenu[] = "Start Menu Tweaks";
constexpr char kInternet[] = "Internet Tweaks";
constexpr char kCdrom[] = "CDROM Tweaks";
constexpr char kHardDisk[] = "Hard Disk Tweaks";
constexpr char kMemory[] = "Memory Tweaks";
constexpr char kBootup[] = "Boot up Tweaks";
constexpr char kShutdown[] = "Shut down Tweaks";
constexpr Facts kFacts[] = {
    // System
    {kTimeOut, kSystem, false},
    {kExplorerRefresh, kSystem, false},
    {kRegisteredName, kSystem, false},
    {kRegisteredCompany, kSystem, false},
    {kMyDocuments, kSystem, true},
    {kMyPictures, kSystem, true},
    {kFavorites, kSystem, true},
    // Desktop
    {kShowVersion, kDesktop, true},
    {kShortcutPrefix, kDesktop, true},
    {kShortcutArrows, kDesktop, true},
    {kSmoothFonts, kDesktop, true},
    {kOpenWith, kDesktop, true},
    {kIconCache, kDesktop, true},
    // Start Menu
    {kMenuSpeed, kStartMenu, true},
    {kMenuSort, kStartMenu, true},
    {kNoWindowsUpdate, kStartMenu, true},
    {kNoDocuments, kStartMenu, true},
    {kNoFavorites, kStartMenu, true},
    {kNoFind, kStartMenu, true},
    {kNoRun, kStartMenu, true},
    {kNoLogOff, kStartMenu, true},
    {kNoShutdown, kStartMenu, true},
    // Internet
    {kMtu, kInternet, true},
    {kRwin, kInternet, true},
    {kTtl, kInternet, true},
    {kDownloads, kInternet, false},
    {kDnsCache, kInternet, true},
    // CD-ROM
    {kCdromCache, kCdrom, true},
    {kAudioAutoPlay, kCdrom, true},
    {kDataAutoPlay, kCdrom, true},
    // Hard disk
    {kFileCache, kHardDisk, true},
    {kVCache, kHardDisk, true},
    {kFifo, kHardDisk, true},
    // Memory
    {kUnloadDlls, kMemory, true},
    {kSwapFile, kMemory, true},
    {kSpareStacks, kMemory, true},
    {kCorePaging, kMemory, true},
    {kSystemCache, kMemory, true},
    {kBackgroundTasks, kMemory, true},
    // Boot-up
    {kBootMenu, kBootup, true},
    {kScandisk, kBootup, true},
    {kDrivespace, kBootup, true},
    {kDoublespace, kBootup, true},
    {kDoubleBuffering, kBootup, true},
    {kStartupImage, kBootup, false},
    // Shutdown
    {kAutoClose, kShutdown, true},
    {kFastShutdown, kShutdown, true},
    {kShutdownImage, kShutdown, false},
    {kTurnoffImage, kShutdown, false},
};

} // namespace tweak_names
