#include "backup/CBackupManager.h"

#include <memory>
#include <windows.h>

#include "backup/COriginalsRecord.h"
#include "backup/TweakNames.h"
#include "platform/ProgramPaths.h"
#include "platform/RegistryPrimitives.h"
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

// Saves a filled record under a temporary name beside its file, then puts it in place.
template <class Module> int SaveRecord(const Module& record) {
    const std::string target = Module::DefaultBackupFile();
    const std::string partial = target + ".part";
    DeleteFileA(partial.c_str());
    if (!record.SaveToFile(partial)) {
        DeleteFileA(partial.c_str());
        return 0;
    }
    if (!MoveFileReplacing(partial.c_str(), target.c_str())) {
        DeleteFileA(partial.c_str());
        return 0;
    }
    return 1;
}

int BackUpSystem() {
    CSystemTweaks record, worker;
    worker.GetHungAppTimeout(record.hungAppTimeout);
    record.keepExplorerRefreshed = 0;
    worker.GetUpdateMode(record.keepExplorerRefreshed);
    worker.GetRegisteredOwner(record.registeredOwner);
    worker.GetRegisteredOrganization(record.registeredOrganization);
    worker.GetShellFolder(CSystemTweaks::kPersonalFolder, record.personalFolder);
    worker.GetShellFolder(CSystemTweaks::kMyPicturesFolder, record.myPicturesFolder);
    worker.GetShellFolder(CSystemTweaks::kFavoritesFolder, record.favoritesFolder);
    return SaveRecord(record);
}

int BackUpDesktop() {
    CDesktopTweaks record, worker;
    worker.GetPaintDesktopVersion(record.showWindowsVersion);
    worker.GetLinkValue(record.noShortcutPrefix);
    worker.GetIsShortcut(record.hideShortcutArrows);
    worker.GetFontSmoothing(record.fontSmoothing);
    if (worker.IsNineX()) {
        worker.GetOpenWith(record.openWith);
        worker.GetMaxCachedIcons(record.maxCachedIcons);
    }
    return SaveRecord(record);
}

int BackUpStartMenu() {
    CStartMenuTweaks record, worker;
    worker.GetMenuShowDelay(record.menuShowDelay);
    worker.GetMenuOrder(record.sortStartMenu);
    worker.GetNoWindowsUpdate(record.noWindowsUpdate);
    worker.GetNoRecentDocMenu(record.noRecentDocMenu);
    worker.GetNoFavoritesMenu(record.noFavoritesMenu);
    worker.GetNoFind(record.noFind);
    worker.GetNoRun(record.noRun);
    worker.GetNoLogOff(record.noLogOff);
    worker.GetNoClose(record.noClose);
    return SaveRecord(record);
}

int BackUpInternet() {
    CInternetTweaks record, worker;
    worker.GetMTU(record.mtu);
    worker.GetRWIN(record.rwin);
    worker.GetDefaultTTL(record.ttl);
    return SaveRecord(record);
}

int BackUpCDROM() {
    CCDROMTweaks record, worker;
    // What Windows assumes when the CD file system values cannot be read: 4X and the default
    // cache.
    record.cdSpeed = 4;
    record.cacheSize = 0;
    worker.GetCDFS(record.cdSpeed, record.cacheSize);
    worker.GetAutorun(record.autorun);
    worker.GetNoDriveTypeAutoRun(record.dataAutoPlay);
    return SaveRecord(record);
}

int BackUpHDD() {
    CHDDTweaks record, worker;
    if (worker.IsNineX()) {
        worker.GetVCache(record.minFileCache, record.maxFileCache, record.chunkSize);
        worker.GetContigFileAllocSize(record.contigFileAllocSize);
        worker.GetForceFIFO(record.forceFIFO);
    }
    return SaveRecord(record);
}

int BackUpRAM() {
    CRAMTweaks record, worker;
    worker.GetVirtualMemory(record.virtualMemoryMin, record.virtualMemoryMax,
                            record.virtualMemoryPath);
    worker.GetAlwaysUnloadDLL(record.alwaysUnloadDLL);
    if (worker.IsNT()) {
        worker.GetDisablePagingExecutive(record.disablePagingExecutive);
        worker.GetIoPageLockLimit(record.ioPageLockLimit);
        worker.GetWin32PrioritySeparation(record.win32PrioritySeparation);
    }
    if (worker.IsNineX()) {
        worker.GetConservativeSwapfileUsage(record.conservativeSwapfileUsage);
        worker.GetMinSPs(record.minSPs);
    }
    return SaveRecord(record);
}

int BackUpBootup() {
    CBootupTweaks record, worker;
    worker.GetBootMenu(record.bootMenu);
    if (worker.IsNineX()) {
        worker.GetAutoscan(record.autoscan);
        worker.GetDrvSpace(record.disableDrvSpace);
        worker.GetDblSpace(record.disableDblSpace);
        worker.GetDoubleBuffer(record.disableDoubleBuffer);
    }
    return SaveRecord(record);
}

int BackUpShutdown() {
    CShutdownTweaks record, worker;
    worker.GetAutoEndTasks(record.autoEndTasks);
    if (worker.IsNineX())
        worker.GetFastReboot(record.fastReboot);
    return SaveRecord(record);
}

// Loads a module's file; 0 when it cannot be read, 1 otherwise with `record` set unless the file
// holds the null object (nothing to write back then).
template <class Module> int LoadRecord(std::unique_ptr<Module>& record) {
    LoadResult result = LoadResult::kFailed;
    if (!Module::LoadFromFile(record, std::string(), &result))
        return 0;
    if (result == LoadResult::kNullObject)
        record.reset();
    return 1;
}

template <class Module> int CanRead() {
    std::unique_ptr<Module> record;
    return LoadRecord(record);
}

using Failures = COriginalsRecord::RestoreResult;
namespace n = tweak_names;

// A write of a module's restore: one that fails names its tweak. A null tweak counts nothing:
// the deletes of some settings report a value or key that is already gone as a failure.
void Put(BOOL written, const char* tweak, Failures& failures) {
    if (!written && tweak != nullptr)
        failures.AddFailedTweak(tweak);
}

int RestoreSystem(Failures& failed) {
    std::unique_ptr<CSystemTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        Put(record->SetHungAppTimeout(record->hungAppTimeout), n::kTimeOut, failed);
        Put(record->SetUpdateMode(record->keepExplorerRefreshed), n::kExplorerRefresh, failed);
        // Only the two families keep a registration: elsewhere there is nothing to put back.
        if (record->IsNineX() || record->IsNT()) {
            Put(record->SetRegisteredOwner(record->registeredOwner), n::kRegisteredName, failed);
            Put(record->SetRegisteredOrganization(record->registeredOrganization),
                n::kRegisteredCompany, failed);
        }
        Put(record->SetShellFolder(CSystemTweaks::kPersonalFolder, record->personalFolder),
            n::kMyDocuments, failed);
        Put(record->SetShellFolder(CSystemTweaks::kMyPicturesFolder, record->myPicturesFolder),
            n::kMyPictures, failed);
        Put(record->SetShellFolder(CSystemTweaks::kFavoritesFolder, record->favoritesFolder),
            n::kFavorites, failed);
    }
    return 1;
}

int RestoreDesktop(Failures& failed) {
    std::unique_ptr<CDesktopTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        Put(record->SetPaintDesktopVersion(record->showWindowsVersion), n::kShowVersion, failed);
        Put(record->SetLinkValue(record->noShortcutPrefix), n::kShortcutPrefix, failed);
        Put(record->SetIsShortcut(record->hideShortcutArrows),
            record->hideShortcutArrows == 0 ? n::kShortcutArrows : nullptr, failed);
        Put(record->SetFontSmoothing(record->fontSmoothing), n::kSmoothFonts, failed);
        if (record->IsNineX()) {
            Put(record->SetOpenWith(record->openWith), n::kOpenWith, failed);
            Put(record->SetMaxCachedIcons(record->maxCachedIcons), n::kIconCache, failed);
        }
    }
    return 1;
}

int RestoreStartMenu(Failures& failed) {
    std::unique_ptr<CStartMenuTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        Put(record->SetMenuShowDelay(record->menuShowDelay), n::kMenuSpeed, failed);
        Put(record->SetMenuOrder(record->sortStartMenu),
            record->sortStartMenu == 0 ? n::kMenuSort : nullptr, failed);
        Put(record->SetNoWindowsUpdate(record->noWindowsUpdate), n::kNoWindowsUpdate, failed);
        Put(record->SetNoRecentDocMenu(record->noRecentDocMenu), n::kNoDocuments, failed);
        Put(record->SetNoFavoritesMenu(record->noFavoritesMenu), n::kNoFavorites, failed);
        Put(record->SetNoFind(record->noFind), n::kNoFind, failed);
        Put(record->SetNoRun(record->noRun), n::kNoRun, failed);
        Put(record->SetNoLogOff(record->noLogOff), n::kNoLogOff, failed);
        Put(record->SetNoClose(record->noClose), n::kNoShutdown, failed);
    }
    return 1;
}

int RestoreInternet(Failures& failed) {
    std::unique_ptr<CInternetTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        Put(record->SetMTU(record->mtu), n::kMtu, failed);
        Put(record->SetRWIN(record->rwin), n::kRwin, failed);
        Put(record->SetDefaultTTL(record->ttl), n::kTtl, failed);
    }
    return 1;
}

int RestoreCDROM(Failures& failed) {
    std::unique_ptr<CCDROMTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        Put(record->SetCDFS(record->cdSpeed, record->cacheSize), n::kCdromCache, failed);
        Put(record->SetAutorun(record->autorun), n::kAudioAutoPlay, failed);
        Put(record->SetNoDriveTypeAutoRun(record->dataAutoPlay), n::kDataAutoPlay, failed);
    }
    return 1;
}

int RestoreHDD(Failures& failed) {
    std::unique_ptr<CHDDTweaks> record;
    if (!LoadRecord(record))
        return 0;
    // A record of five zeros was taken where there is no disk cache to keep (the NT family).
    const bool empty = record && record->minFileCache == 0 && record->maxFileCache == 0 &&
                       record->chunkSize == 0 && record->contigFileAllocSize == 0 &&
                       record->forceFIFO == 0;
    if (record && record->IsNineX() && !empty) {
        Put(record->SetVCache(record->minFileCache, record->maxFileCache, record->chunkSize),
            n::kVCache, failed);
        Put(record->SetContigFileAllocSize(record->contigFileAllocSize), n::kFileCache, failed);
        Put(record->SetForceFIFO(record->forceFIFO), n::kFifo, failed);
    }
    return 1;
}

int RestoreRAM(Failures& failed) {
    std::unique_ptr<CRAMTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        Put(record->SetAlwaysUnloadDLL(record->alwaysUnloadDLL), n::kUnloadDlls, failed);
        if (record->IsNT()) {
            Put(record->SetDisablePagingExecutive(record->disablePagingExecutive), n::kCorePaging,
                failed);
            Put(record->SetIoPageLockLimit(record->ioPageLockLimit), n::kSystemCache, failed);
            Put(record->SetWin32PrioritySeparation(record->win32PrioritySeparation),
                n::kBackgroundTasks, failed);
        }
        if (record->IsNineX()) {
            Put(record->SetConservativeSwapfileUsage(record->conservativeSwapfileUsage),
                n::kSwapFile, failed);
            Put(record->SetMinSPs(record->minSPs), n::kSpareStacks, failed);
        }
    }
    return 1;
}

int RestoreBootup(Failures& failed) {
    std::unique_ptr<CBootupTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        Put(record->SetBootMenu(record->bootMenu), n::kBootMenu, failed);
        if (record->IsNineX()) {
            Put(record->SetAutoscan(record->autoscan), n::kScandisk, failed);
            Put(record->SetDrvSpace(record->disableDrvSpace), n::kDrivespace, failed);
            Put(record->SetDblSpace(record->disableDblSpace), n::kDoublespace, failed);
            Put(record->SetDoubleBuffer(record->disableDoubleBuffer), n::kDoubleBuffering, failed);
        }
    }
    return 1;
}

int RestoreShutdown(Failures& failed) {
    std::unique_ptr<CShutdownTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        Put(record->SetAutoEndTasks(record->autoEndTasks), n::kAutoClose, failed);
        if (record->IsNineX())
            Put(record->SetFastReboot(record->fastReboot), n::kFastShutdown, failed);
    }
    return 1;
}

// The nine modules in their fixed order, each with its section as the main window names it.
const struct {
    const char* section;
    int (*backUp)();
    int (*restore)(Failures&);
    int (*canRead)();
} kModules[] = {
    {"System Tweaks", BackUpSystem, RestoreSystem, CanRead<CSystemTweaks>},
    {"Desktop Tweaks", BackUpDesktop, RestoreDesktop, CanRead<CDesktopTweaks>},
    {"Start Menu Tweaks", BackUpStartMenu, RestoreStartMenu, CanRead<CStartMenuTweaks>},
    {"Internet Tweaks", BackUpInternet, RestoreInternet, CanRead<CInternetTweaks>},
    {"CDROM Tweaks", BackUpCDROM, RestoreCDROM, CanRead<CCDROMTweaks>},
    {"Hard Disk Tweaks", BackUpHDD, RestoreHDD, CanRead<CHDDTweaks>},
    {"Memory Tweaks", BackUpRAM, RestoreRAM, CanRead<CRAMTweaks>},
    {"Boot up Tweaks", BackUpBootup, RestoreBootup, CanRead<CBootupTweaks>},
    {"Shut down Tweaks", BackUpShutdown, RestoreShutdown, CanRead<CShutdownTweaks>},
};

} // namespace

const std::vector<std::string>& CBackupManager::BackupFiles() {
    static const std::vector<std::string> files = {
        CSystemTweaks::DefaultBackupFile(),    CDesktopTweaks::DefaultBackupFile(),
        CStartMenuTweaks::DefaultBackupFile(), CInternetTweaks::DefaultBackupFile(),
        CCDROMTweaks::DefaultBackupFile(),     CHDDTweaks::DefaultBackupFile(),
        CRAMTweaks::DefaultBackupFile(),       CBootupTweaks::DefaultBackupFile(),
        CShutdownTweaks::DefaultBackupFile()};
    return files;
}

int CBackupManager::CreateBackup() {
    CreateDirectoryA(GetBackupDirectory().c_str(), nullptr);
    for (const std::string& file : BackupFiles())
        DeleteFileA(file.c_str());
    // The exact originals, beside the nine files, read before any module reads.
    DeleteFileA(COriginalsRecord::DefaultPath().c_str());
    if (!COriginalsRecord::BackUpSystem())
        return 0;
    for (const auto& module : kModules) {
        if (!module.backUp())
            return 0;
    }
    return 1;
}

int CBackupManager::BackupFilesExist() {
    for (const std::string& file : BackupFiles()) {
        if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES)
            return 0;
    }
    return 1;
}

CBackupManager::Existing CBackupManager::FindExistingBackup() {
    bool anyFile =
        GetFileAttributesA(COriginalsRecord::DefaultPath().c_str()) != INVALID_FILE_ATTRIBUTES;
    bool allRead = true;
    for (size_t i = 0; i < BackupFiles().size(); ++i) {
        anyFile =
            anyFile || GetFileAttributesA(BackupFiles()[i].c_str()) != INVALID_FILE_ATTRIBUTES;
        allRead = allRead && kModules[i].canRead();
    }
    if (!anyFile)
        return Existing::kNone;
    if (!allRead)
        return Existing::kDamaged;
    // A record beside the nine files has to be sound and of this Windows family; without one the
    // nine files alone are the originals, as a backup of an earlier version keeps them.
    COriginalsRecord record;
    OriginalPlaces places;
    return COriginalsRecord::LoadDefault(record, places) == COriginalsRecord::Found::kRefused
               ? Existing::kDamaged
               : Existing::kComplete;
}

int CBackupManager::RestoreBackup() {
    originals_ = COriginalsRecord::RestoreResult();
    COriginalsRecord record;
    OriginalPlaces places;
    const COriginalsRecord::Found found = COriginalsRecord::LoadDefault(record, places);
    originals_.refused = found == COriginalsRecord::Found::kRefused;

    // Values under HKEY_CURRENT_USER belong to the user who made the backup: another user's
    // restore leaves this user's own as they are now, what the nine files hold included.
    const std::string me = COriginalsRecord::CurrentUser();
    const bool otherUser = found == COriginalsRecord::Found::kUsable && !record.User().empty() &&
                           !me.empty() && lstrcmpiA(record.User().c_str(), me.c_str()) != 0;
    COriginalsRecord mine;
    OriginalPlaces myPlaces;
    if (otherUser) {
        originals_.otherUser = record.User();
        myPlaces = SelectPlaces(places, true);
        mine.Capture(record.Family(), myPlaces);
    }

    // Every module whose file can be read, whatever became of the others.
    Failures modules;
    int read = 0;
    for (const auto& module : kModules) {
        if (module.restore(modules))
            ++read;
        else
            originals_.unreadableModules.push_back(module.section);
    }
    if (otherUser)
        mine.Apply(myPlaces, originals_);
    // Then what the nine files cannot hold: exact types and data, values that did not exist.
    // The record puts back every place a module writes, so a module's failed write counts only
    // where there is no record to mend it.
    if (found == COriginalsRecord::Found::kUsable)
        record.Apply(otherUser ? SelectPlaces(places, false) : places, originals_);
    else
        for (const std::string& tweak : modules.failedTweaks)
            originals_.AddFailedTweak(tweak);
    // Writes of the modules that delete values and keys are not flushed one by one.
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_USERS, HKEY_CLASSES_ROOT})
        RegFlushKey(root);
    return read > 0 || found == COriginalsRecord::Found::kUsable ? 1 : 0;
}
