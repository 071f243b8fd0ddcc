#include "autotune/CAnalyzerSet.h"

#include "platform/CAppSettings.h"
#include "tweaks/CBootupTweaks.h"
#include "tweaks/CCDROMTweaks.h"
#include "tweaks/CDesktopTweaks.h"
#include "tweaks/CHDDTweaks.h"
#include "tweaks/CRAMTweaks.h"
#include "tweaks/CShutdownTweaks.h"
#include "tweaks/CStartMenuTweaks.h"
#include "tweaks/CSystemTweaks.h"

namespace {

// Runs one check and appends its line when the value differs.
template <class Analyzer>
void Append(std::string& text, const Analyzer& analyzer,
            BOOL (Analyzer::*check)(DWORD, std::string&) const, DWORD current) {
    std::string line;
    if (!(analyzer.*check)(current, line))
        text += line;
}

// The current value a module's Get operation reads (its preset where the read fails).
template <class Module> DWORD Current(Module& module, BOOL (Module::*get)(DWORD&)) {
    DWORD value = 0;
    (module.*get)(value);
    return value;
}

} // namespace

void CAnalyzerSet::RecommendAll() {
    system.Recommend();
    desktop.Recommend();
    startMenu.Recommend();
    internet.Recommend();
    cdrom.Recommend();
    hardDisk.Recommend();
    memory.Recommend();
    bootup.Recommend();
    shutdown.Recommend();
}

CModuleAnalyzer& CAnalyzerSet::Of(Module module) {
    CModuleAnalyzer* const analyzers[kModuleCount] = {
        &system, &desktop, &startMenu, &internet, &cdrom, &hardDisk, &memory, &bootup, &shutdown};
    return *analyzers[module < kModuleCount ? module : kSystem];
}

CAnalyzerSet::ModuleTexts CAnalyzerSet::Compile() const {
    ModuleTexts texts;

    CSystemTweaks systemModule;
    Append(texts[kSystem], system, &CSystemAnalyzer::CheckHungAppTimeout,
           Current(systemModule, &CSystemTweaks::GetHungAppTimeout));

    CDesktopTweaks desktopModule;
    Append(texts[kDesktop], desktop, &CDesktopAnalyzer::CheckFontSmoothing,
           Current(desktopModule, &CDesktopTweaks::GetFontSmoothing));
    if (desktopModule.IsNineX())
        Append(texts[kDesktop], desktop, &CDesktopAnalyzer::CheckMaxCachedIcons,
               Current(desktopModule, &CDesktopTweaks::GetMaxCachedIcons));

    CStartMenuTweaks startMenuModule;
    Append(texts[kStartMenu], startMenu, &CStartMenuAnalyzer::CheckMenuShowDelay,
           Current(startMenuModule, &CStartMenuTweaks::GetMenuShowDelay));

    CAppSettings settings;
    DWORD hasTuned = 0;
    settings.GetHasTuned(hasTuned);
    if (hasTuned == 0) {
        Append(texts[kInternet], internet, &CInternetAnalyzer::CheckMTU, 100);
        Append(texts[kInternet], internet, &CInternetAnalyzer::CheckRWIN, 500);
        Append(texts[kInternet], internet, &CInternetAnalyzer::CheckDefaultTTL, 20);
    }

    CCDROMTweaks cdromModule;
    DWORD speed = 4;
    DWORD cache = 0;
    cdromModule.GetCDFS(speed, cache);
    Append(texts[kCDROM], cdrom, &CCDROMAnalyzer::CheckCDSpeed, speed);

    CHDDTweaks hardDiskModule;
    if (hardDiskModule.IsNineX()) {
        DWORD minimum = 0, maximum = 0, chunk = 0;
        hardDiskModule.GetVCache(minimum, maximum, chunk);
        Append(texts[kHardDisk], hardDisk, &CHDDAnalyzer::CheckVCache, chunk);
        Append(texts[kHardDisk], hardDisk, &CHDDAnalyzer::CheckContigFileAllocSize,
               Current(hardDiskModule, &CHDDTweaks::GetContigFileAllocSize));
        Append(texts[kHardDisk], hardDisk, &CHDDAnalyzer::CheckForceFIFO,
               Current(hardDiskModule, &CHDDTweaks::GetForceFIFO));
    }

    CRAMTweaks memoryModule;
    Append(texts[kMemory], memory, &CRAMAnalyzer::CheckAlwaysUnloadDLL,
           Current(memoryModule, &CRAMTweaks::GetAlwaysUnloadDLL));
    if (memoryModule.IsNT())
        Append(texts[kMemory], memory, &CRAMAnalyzer::CheckDisablePagingExecutive,
               Current(memoryModule, &CRAMTweaks::GetDisablePagingExecutive));
    if (memoryModule.IsNineX())
        Append(texts[kMemory], memory, &CRAMAnalyzer::CheckConservativeSwapfileUsage,
               Current(memoryModule, &CRAMTweaks::GetConservativeSwapfileUsage));

    CBootupTweaks bootupModule;
    if (bootupModule.IsNineX()) {
        Append(texts[kBootup], bootup, &CBootupAnalyzer::CheckDrvSpace,
               Current(bootupModule, &CBootupTweaks::GetDrvSpace));
        Append(texts[kBootup], bootup, &CBootupAnalyzer::CheckDblSpace,
               Current(bootupModule, &CBootupTweaks::GetDblSpace));
    }

    CShutdownTweaks shutdownModule;
    if (shutdownModule.IsNineX())
        Append(texts[kShutdown], shutdown, &CShutdownAnalyzer::CheckAutoEndTasks,
               Current(shutdownModule, &CShutdownTweaks::GetAutoEndTasks));
    return texts;
}
