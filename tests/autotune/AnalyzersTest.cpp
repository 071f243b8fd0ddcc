#include <gtest/gtest.h>

#include <functional>

#include "autotune/CAnalyzerSet.h"
#include "autotune/MemoryRules.h"
#include "support/ReportedMemory.h"

namespace {

// What the hard-disk analyser recommends for a machine's memory (in kilobytes): the disk cache is
// a quarter of the memory from 16385 KB on, the contiguous file size one that the page offers.
const struct {
    ULONGLONG kilobytes;
    DWORD minimum, maximum, contig;
} kMemoryRules[] = {
    {16384, 0, 4096, 512},
    {16385, 4096, 4096, 512}, // 4096.25 truncated
    {65536, 16384, 16384, 512},
    {131072, 32768, 32768, 512},
    {131073, 32768, 32768, 1024},
    {196608, 49152, 49152, 1024},
    {262144, 65536, 65536, 1024},
    {262145, 65536, 65536, 2048},
    {3670016, 917504, 917504, 2048},
    {4194303, 1048575, 1048575, 2048},
    // Beyond 2 GB the quarter is of the whole memory.
    {8388608, 2097152, 2097152, 2048},
    {67108864, 16777216, 16777216, 2048},
};

TEST(MemoryRules, TheHardDiskAnalyzerRecommendsFromTheMachinesMemory) {
    CHDDAnalyzer analyzer;
    for (const auto& rule : kMemoryRules) {
        SCOPED_TRACE(rule.kilobytes);
        CMachineMemory memory(rule.kilobytes * 1024);
        analyzer.Recommend();
        EXPECT_EQ(analyzer.minFileCache, rule.minimum);
        EXPECT_EQ(analyzer.maxFileCache, rule.maximum);
        EXPECT_EQ(analyzer.chunkSize, 512u);
        EXPECT_EQ(analyzer.contigFileAllocSize, rule.contig);
        EXPECT_EQ(analyzer.forceFIFO, 0u);
    }
    EXPECT_EQ(PhysicalMemoryKilobytes(16384u * 1024 + 1023), 16384);
    EXPECT_EQ(PhysicalMemoryKilobytes(0xFFFFFFFF), 4194303);
    EXPECT_EQ(PhysicalMemoryKilobytes(64ull << 30), 67108864);
    EXPECT_EQ(PhysicalMemoryKilobytes(~0ull), 0x7FFFFFFF);
}

// A check that reports its line only when the value differs, and leaves the text alone
// otherwise.
void ExpectCheck(const std::function<BOOL(DWORD, std::string&)>& check, DWORD optimal, DWORD other,
                 const char* line) {
    std::string text = "untouched";
    EXPECT_TRUE(check(optimal, text)) << line;
    EXPECT_EQ(text, "untouched");
    EXPECT_FALSE(check(other, text)) << line;
    EXPECT_EQ(text, line);
}

using namespace std::placeholders;

TEST(Analyzers, EachCheckGivesItsLineOnlyWhenTheValueDiffers) {
    CMachineMemory memory(64 * kMegabyte);
    CAnalyzerSet set;
    set.RecommendAll();
    ExpectCheck(std::bind(&CSystemAnalyzer::CheckHungAppTimeout, &set.system, _1, _2), 5000, 20000,
                "-App Timeout will be adjusted for a quicker response.\n");

    ExpectCheck(std::bind(&CDesktopAnalyzer::CheckFontSmoothing, &set.desktop, _1, _2), 0, 1,
                "-Font Smoothing will be adjusted for Increased System Resource.\n");
    ExpectCheck(std::bind(&CDesktopAnalyzer::CheckMaxCachedIcons, &set.desktop, _1, _2), 8192, 0,
                "-Icon Cache size will be adjusted for optimal usage.\n");

    ExpectCheck(std::bind(&CStartMenuAnalyzer::CheckMenuShowDelay, &set.startMenu, _1, _2), 50, 400,
                "-Menu Speed will be adjusted for faster response.\n");

    ExpectCheck(std::bind(&CInternetAnalyzer::CheckMTU, &set.internet, _1, _2), 576, 100,
                "-MTU will be adjusted for faster transmission.\n");
    ExpectCheck(std::bind(&CInternetAnalyzer::CheckRWIN, &set.internet, _1, _2), 3216, 500,
                "-RWIN will be adjusted for faster transmission.\n");
    ExpectCheck(std::bind(&CInternetAnalyzer::CheckDefaultTTL, &set.internet, _1, _2), 64, 20,
                "-TTL will be adjusted for faster transmission.\n");

    EXPECT_EQ(set.cdrom.cacheSize, 2u);
    ExpectCheck(std::bind(&CCDROMAnalyzer::CheckCDSpeed, &set.cdrom, _1, _2), 48, 4,
                "-CD Speed will be adjusted for faster read/write.\n");

    ExpectCheck(std::bind(&CHDDAnalyzer::CheckVCache, &set.hardDisk, _1, _2), 512, 0,
                "-VCache size will be adjusted for optimal usage.\n");
    ExpectCheck(std::bind(&CHDDAnalyzer::CheckContigFileAllocSize, &set.hardDisk, _1, _2), 512,
                1024, "-Contiguous File size will be adjusted for optimal usage.\n");
    ExpectCheck(std::bind(&CHDDAnalyzer::CheckForceFIFO, &set.hardDisk, _1, _2), 0, 1,
                "-FIFO will be adjusted for faster HD access.\n");

    ExpectCheck(std::bind(&CRAMAnalyzer::CheckAlwaysUnloadDLL, &set.memory, _1, _2), 1, 0,
                "-DLLs will be unloaded to save Windows Resources.\n");
    ExpectCheck(std::bind(&CRAMAnalyzer::CheckDisablePagingExecutive, &set.memory, _1, _2), 1, 0,
                "-Core System Files will be paged for faster access.\n");
    ExpectCheck(std::bind(&CRAMAnalyzer::CheckConservativeSwapfileUsage, &set.memory, _1, _2), 1, 0,
                "-SwapFile will be used conservatively for higher performance.\n");

    ExpectCheck(std::bind(&CBootupAnalyzer::CheckDrvSpace, &set.bootup, _1, _2), 1, 0,
                "-Drivespace will not be loaded for a faster startup.\n");
    ExpectCheck(std::bind(&CBootupAnalyzer::CheckDblSpace, &set.bootup, _1, _2), 1, 0,
                "-Doublespace will not be loaded for a faster startup.\n");

    ExpectCheck(std::bind(&CShutdownAnalyzer::CheckAutoEndTasks, &set.shutdown, _1, _2), 1, 0,
                "-Non Responding Apps will be auto closed.\n");
}

} // namespace
