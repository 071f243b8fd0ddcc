#include <gtest/gtest.h>

#include "autotune/CAnalyzerSet.h"
#include "support/AutoTuneSystem.h"
#include "support/EmulatedSystem.h"
#include "support/TestRegistry.h"
#include "support/RecommendationTexts.h"

namespace {

const char kDesktop[] = "Control Panel\\Desktop";
const char kExplorer[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const char kCdfs[] = "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";
const char kFileSystem[] = "SYSTEM\\CurrentControlSet\\Control\\FileSystem";
const char kHdc[] = "System\\CurrentControlSet\\Services\\Class\\hdc\\0000";
const char kMemory[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const char kShutdownDesktop[] = ".DEFAULT\\Control Panel\\Desktop";
const char kOptions[] = "SOFTWARE\\Ostrander Works\\Torvane\\Options";

class Compile : public AutoTuneSystem {
protected:
    void SetUp() override { analyzers_.RecommendAll(); }

    // Every checked value at its recommendation, on every family.
    void MakeOptimal() {
        StoreText(HKEY_CURRENT_USER, kDesktop, "HungAppTimeout", "5000");
        StoreText(HKEY_CURRENT_USER, kDesktop, "FontSmoothing", "0");
        StoreText(HKEY_LOCAL_MACHINE, kExplorer, "Max Cached Icons", "8192");
        StoreText(HKEY_CURRENT_USER, kDesktop, "MenuShowDelay", "50");
        StoreBinary(HKEY_LOCAL_MACHINE, kCdfs, "Prefetch", {0x40, 0x0C, 0, 0});  // 3136: 48X
        StoreBinary(HKEY_LOCAL_MACHINE, kCdfs, "CacheSize", {0xAC, 0x09, 0, 0}); // 2476
        systemIni_.Write(
            "[vcache]\r\nChunksize=512\r\n[386Enh]\r\nConservativeSwapfileUsage=1\r\n");
        StoreNumber(HKEY_LOCAL_MACHINE, kFileSystem, "ContigFileAllocSize", 512);
        StoreText(HKEY_LOCAL_MACHINE, kHdc, "ForceFIFO", "0");
        StoreText(HKEY_LOCAL_MACHINE, kExplorer, "AlwaysUnloadDLL", "1");
        StoreNumber(HKEY_LOCAL_MACHINE, kMemory, "DisablePagingExecutive", 1);
        msdos_.Write("[Options]\r\nDrvSpace=0\r\nDblSpace=0\r\n");
        StoreText(HKEY_USERS, kShutdownDesktop, "AutoEndTasks", "1");
    }

    CAnalyzerSet analyzers_;
};

TEST_F(Compile, AnOptimalSystemListsOnlyTheInternetValuesUntilTuned) {
    MakeOptimal();
    CAnalyzerSet::ModuleTexts texts = analyzers_.Compile();
    for (size_t module = 0; module < texts.size(); ++module) {
        if (module != CAnalyzerSet::kInternet) {
            EXPECT_EQ(texts[module], "") << module;
        }
    }
    EXPECT_EQ(texts[CAnalyzerSet::kInternet],
              DefaultSystemTexts(false, false, false)[CAnalyzerSet::kInternet]);

    StoreNumber(HKEY_LOCAL_MACHINE, kOptions, "Has Tuned", 1);
    texts = analyzers_.Compile();
    for (const std::string& text : texts) {
        EXPECT_EQ(text, "");
    }
}

TEST_F(Compile, EveryDifferingValueGivesItsLineForItsFamily) {
    // Nothing set at all (Windows' own defaults), font smoothing on, on a machine of 256 MB.
    StoreText(HKEY_CURRENT_USER, kDesktop, "FontSmoothing", "1");
    memory_.Set(256 * kMegabyte, 32 * kMegabyte);
    analyzers_.RecommendAll();
    const CAnalyzerSet::ModuleTexts texts = analyzers_.Compile();
    // A missing ForceFIFO reads as 1 and a missing size as 512, where 256 MB recommends 1024;
    // both drivers are loaded while msdos.sys says nothing of them.
    EXPECT_EQ(analyzers_.hardDisk.contigFileAllocSize, 1024u);
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.end()),
              DefaultSystemTexts(EmulatedNineX(), EmulatedNT(), true));
}

} // namespace
