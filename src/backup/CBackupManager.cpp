#include "backup/CBackupManager.h"

#include <memory>
#include <windows.h>

#include "backup/COriginalsRecord.h"
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

int RestoreSystem() {
    std::unique_ptr<CSystemTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        record->SetHungAppTimeout(record->hungAppTimeout);
        record->SetUpdateMode(record->keepExplorerRefreshed);
        record->SetRegisteredOwner(record->registeredOwner);
        record->SetRegisteredOrganization(record->registeredOrganization);
        record->SetShellFolder(CSystemTweaks::kPersonalFolder, record->personalFolder);
        record->SetShellFolder(CSystemTweaks::kMyPicturesFolder, record->myPicturesFolder);
        record->SetShellFolder(CSystemTweaks::kFavoritesFolder, record->favoritesFolder);
    }
    return 1;
}

int RestoreDesktop() {
    std::unique_ptr<CDesktopTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        record->SetPaintDesktopVersion(record->showWindowsVersion);
        record->SetLinkValue(record->noShortcutPrefix);
        record->SetIsShortcut(record->hideShortcutArrows);
        record->SetFontSmoothing(record->fontSmoothing);
        if (record->IsNineX()) {
            record->SetOpenWith(record->openWith);
            record->SetMaxCachedIcons(record->maxCachedIcons);
        }
    }
    return 1;
}

int RestoreStartMenu() {
    std::unique_ptr<CStartMenuTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        record->SetMenuShowDelay(record->menuShowDelay);
        record->SetMenuOrder(record->sortStartMenu);
        record->SetNoWindowsUpdate(record->noWindowsUpdate);
        record->SetNoRecentDocMenu(record->noRecentDocMenu);
        record->SetNoFavoritesMenu(record->noFavoritesMenu);
        record->SetNoFind(record->noFind);
        record->SetNoRun(record->noRun);
        record->SetNoLogOff(record->noLogOff);
        record->SetNoClose(record->noClose);
    }
    return 1;
}

int RestoreInternet() {
    std::unique_ptr<CInternetTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        record->SetMTU(record->mtu);
        record->SetRWIN(record->rwin);
        record->SetDefaultTTL(record->ttl);
    }
    return 1;
}

int RestoreCDROM() {
    std::unique_ptr<CCDROMTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        record->SetCDFS(record->cdSpeed, record->cacheSize);
        record->SetAutorun(record->autorun);
        record->SetNoDriveTypeAutoRun(record->dataAutoPlay);
    }
    return 1;
}

int RestoreHDD() {
    std::unique_ptr<CHDDTweaks> record;
    if (!LoadRecord(record))
        return 0;
    // A record of five zeros was taken where there is no disk cache to keep (the NT family).
    const bool empty = record && record->minFileCache == 0 && record->maxFileCache == 0 &&
                       record->chunkSize == 0 && record->contigFileAllocSize == 0 &&
                       record->forceFIFO == 0;
    if (record && record->IsNineX() && !empty) {
        record->SetVCache(record->minFileCache, record->maxFileCache, record->chunkSize);
        record->SetContigFileAllocSize(record->contigFileAllocSize);
        record->SetForceFIFO(record->forceFIFO);
    }
    return 1;
}

int RestoreRAM() {
    std::unique_ptr<CRAMTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        record->SetAlwaysUnloadDLL(record->alwaysUnloadDLL);
        if (record->IsNT()) {
            record->SetDisablePagingExecutive(record->disablePagingExecutive);
            record->SetIoPageLockLimit(record->ioPageLockLimit);
            record->SetWin32PrioritySeparation(record->win32PrioritySeparation);
        }
        if (record->IsNineX()) {
            record->SetConservativeSwapfileUsage(record->conservativeSwapfileUsage);
            record->SetMinSPs(record->minSPs);
        }
    }
    return 1;
}

int RestoreBootup() {
    std::unique_ptr<CBootupTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        record->SetBootMenu(record->bootMenu);
        if (record->IsNineX()) {
            record->SetAutoscan(record->autoscan);
            record->SetDrvSpace(record->disableDrvSpace);
            record->SetDblSpace(record->disableDblSpace);
            record->SetDoubleBuffer(record->disableDoubleBuffer);
        }
    }
    return 1;
}

int RestoreShutdown() {
    std::unique_ptr<CShutdownTweaks> record;
    if (!LoadRecord(record))
        return 0;
    if (record) {
        record->SetAutoEndTasks(record->autoEndTasks);
        if (record->IsNineX())
            record->SetFastReboot(record->fastReboot);
    }
    return 1;
}

using Step = int (*)();
const Step kBackupSteps[] = {BackUpSystem,   BackUpDesktop, BackUpStartMenu,
                             BackUpInternet, BackUpCDROM,   BackUpHDD,
                             BackUpRAM,      BackUpBootup,  BackUpShutdown};
const Step kRestoreSteps[] = {RestoreSystem,   RestoreDesktop, RestoreStartMenu,
                              RestoreInternet, RestoreCDROM,   RestoreHDD,
                              RestoreRAM,      RestoreBootup,  RestoreShutdown};

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
    for (Step step : kBackupSteps) {
        if (!step())
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

int CBackupManager::RestoreBackup() {
    originals_ = COriginalsRecord::RestoreResult();
    for (Step step : kRestoreSteps) {
        if (!step())
            return 0;
    }
    // Then what the nine files cannot hold: exact types and data, values that did not exist.
    originals_ = COriginalsRecord::RestoreSystem();
    return 1;
}
