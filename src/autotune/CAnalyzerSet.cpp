#include "autotune/CAnalyzerSet.h"

#include "platform/CAppSettings.h"
#include "tweaks/TweakCatalogue.h"

namespace {

// A tweak Auto Tune looks at: its catalogue entry (by module and name), which number of its value
// the analyser's check compares, the analyser's recommendation as the value to commit, and the
// families it works on (the catalogue's, narrowed where Auto Tune does less than the page).
struct TunedTweak {
    Modules::Module module;
    const char* tweak;
    BOOL (*check)(const CAnalyzerSet& analyzers, DWORD current, std::string& line);
    void (*recommend)(const CAnalyzerSet& analyzers, TweakValue& value);
    int number; // the number the check compares
    bool read;  // false: the check is given `given` without reading
    DWORD given;
    unsigned families; // within the catalogue entry's families
};

// A tweak of one number that the analyser recommends in its field `Field`.
template <class A, A CAnalyzerSet::*Analyzer, DWORD A::*Field,
          BOOL (A::*Check)(DWORD, std::string&) const>
constexpr TunedTweak Tuned(Modules::Module module, const char* tweak,
                           unsigned families = kAllFamilies) {
    return {
        module,
        tweak,
        [](const CAnalyzerSet& a, DWORD current, std::string& line) {
            return ((a.*Analyzer).*Check)(current, line);
        },
        [](const CAnalyzerSet& a, TweakValue& value) { value.numbers[0] = (a.*Analyzer).*Field; },
        0,
        true,
        0,
        families};
}

// The Internet values are never read: until Auto Tune has committed, the check is given a value
// that always differs from the recommendation.
template <DWORD CInternetAnalyzer::*Field,
          BOOL (CInternetAnalyzer::*Check)(DWORD, std::string&) const>
constexpr TunedTweak Unread(const char* tweak, DWORD given) {
    TunedTweak tuned =
        Tuned<CInternetAnalyzer, &CAnalyzerSet::internet, Field, Check>(Modules::kInternet, tweak);
    tuned.read = false;
    tuned.given = given;
    return tuned;
}

using S = CAnalyzerSet;
// In the order of the lines of the analysis and of the commit.
const TunedTweak kTuned[] = {
    Tuned<CSystemAnalyzer, &S::system, &CSystemAnalyzer::hungAppTimeout,
          &CSystemAnalyzer::CheckHungAppTimeout>(S::kSystem, "Non-Responding Apps. Time Out"),
    Tuned<CDesktopAnalyzer, &S::desktop, &CDesktopAnalyzer::fontSmoothing,
          &CDesktopAnalyzer::CheckFontSmoothing>(S::kDesktop, "Smooth Fonts"),
    Tuned<CDesktopAnalyzer, &S::desktop, &CDesktopAnalyzer::maxCachedIcons,
          &CDesktopAnalyzer::CheckMaxCachedIcons>(S::kDesktop, "Icon Cache Size"),
    Tuned<CStartMenuAnalyzer, &S::startMenu, &CStartMenuAnalyzer::menuShowDelay,
          &CStartMenuAnalyzer::CheckMenuShowDelay>(S::kStartMenu, "Start Menu Speed"),
    Unread<&CInternetAnalyzer::mtu, &CInternetAnalyzer::CheckMTU>("MTU Values", 100),
    Unread<&CInternetAnalyzer::rwin, &CInternetAnalyzer::CheckRWIN>("RWIN Values", 500),
    Unread<&CInternetAnalyzer::ttl, &CInternetAnalyzer::CheckDefaultTTL>("TTL Values", 20),
    // The check compares the speed code.
    {S::kCDROM, "CDROM Cache Size",
     [](const S& a, DWORD current, std::string& line) {
         return a.cdrom.CheckCDSpeed(current, line);
     },
     [](const S& a, TweakValue& value) {
         value.numbers[0] = a.cdrom.cacheSize;
         value.numbers[1] = a.cdrom.cdSpeed;
     },
     1, true, 0, kAllFamilies},
    // The check compares the chunk size.
    {S::kHardDisk, "VCache Size",
     [](const S& a, DWORD current, std::string& line) {
         return a.hardDisk.CheckVCache(current, line);
     },
     [](const S& a, TweakValue& value) {
         value.numbers[0] = a.hardDisk.minFileCache;
         value.numbers[1] = a.hardDisk.maxFileCache;
         value.numbers[2] = a.hardDisk.chunkSize;
     },
     2, true, 0, kAllFamilies},
    Tuned<CHDDAnalyzer, &S::hardDisk, &CHDDAnalyzer::contigFileAllocSize,
          &CHDDAnalyzer::CheckContigFileAllocSize>(S::kHardDisk, "File Cache Size"),
    Tuned<CHDDAnalyzer, &S::hardDisk, &CHDDAnalyzer::forceFIFO, &CHDDAnalyzer::CheckForceFIFO>(
        S::kHardDisk, "FIFO Option"),
    Tuned<CRAMAnalyzer, &S::memory, &CRAMAnalyzer::alwaysUnloadDLL,
          &CRAMAnalyzer::CheckAlwaysUnloadDLL>(S::kMemory, "Auto Unload DLLs From Memory"),
    Tuned<CRAMAnalyzer, &S::memory, &CRAMAnalyzer::disablePagingExecutive,
          &CRAMAnalyzer::CheckDisablePagingExecutive>(S::kMemory, "Improve Core System Paging"),
    Tuned<CRAMAnalyzer, &S::memory, &CRAMAnalyzer::conservativeSwapfileUsage,
          &CRAMAnalyzer::CheckConservativeSwapfileUsage>(S::kMemory, "Use Swap File Wisely"),
    Tuned<CBootupAnalyzer, &S::bootup, &CBootupAnalyzer::disableDrvSpace,
          &CBootupAnalyzer::CheckDrvSpace>(S::kBootup, "Disable Drivespace driver"),
    Tuned<CBootupAnalyzer, &S::bootup, &CBootupAnalyzer::disableDblSpace,
          &CBootupAnalyzer::CheckDblSpace>(S::kBootup, "Disable Doublespace driver"),
    // Auto Tune closes hung applications on the 9x family only, though the page offers the
    // setting on every family.
    Tuned<CShutdownAnalyzer, &S::shutdown, &CShutdownAnalyzer::autoEndTasks,
          &CShutdownAnalyzer::CheckAutoEndTasks>(S::kShutdown,
                                                 "Auto Close Not Responding Applications on "
                                                 "Shutdown",
                                                 kNineXOnly),
};

// A fresh object of the tuned tweak's module when the running Windows has the tweak, else null.
std::unique_ptr<CRegistryAccess> ModuleFor(const TunedTweak& tuned, const TweakEntry& entry) {
    std::unique_ptr<CRegistryAccess> module = CatalogueOf(tuned.module).createModule();
    if (!entry.WorksOn(module->OsFamily()) || !InFamilies(tuned.families, module->OsFamily()))
        module.reset();
    return module;
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
    return *analyzers[module >= 0 && module < kModuleCount ? module : kSystem];
}

CAnalyzerSet::ModuleTexts CAnalyzerSet::Compile() const {
    ModuleTexts texts;
    CAppSettings settings;
    DWORD hasTuned = 0;
    settings.GetHasTuned(hasTuned);
    for (const TunedTweak& tuned : kTuned) {
        if (tuned.module == kInternet && hasTuned != 0)
            continue;
        const TweakEntry& entry = *FindTweak(tuned.module, tuned.tweak);
        const std::unique_ptr<CRegistryAccess> module = ModuleFor(tuned, entry);
        if (!module)
            continue;
        const DWORD current =
            tuned.read ? ReadTweak(entry, *module).numbers[tuned.number] : tuned.given;
        std::string line;
        if (!tuned.check(*this, current, line))
            texts[tuned.module] += line;
    }
    return texts;
}

void CAnalyzerSet::Commit(Module module, bool internetListed) const {
    if (module == kInternet && !internetListed)
        return;
    for (const TunedTweak& tuned : kTuned) {
        if (tuned.module != module)
            continue;
        const TweakEntry& entry = *FindTweak(tuned.module, tuned.tweak);
        const std::unique_ptr<CRegistryAccess> object = ModuleFor(tuned, entry);
        if (!object || entry.set == nullptr)
            continue;
        TweakValue value;
        tuned.recommend(*this, value);
        entry.set(*object, value);
    }
}
