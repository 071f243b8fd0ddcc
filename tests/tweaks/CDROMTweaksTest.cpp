#include <gtest/gtest.h>

#include <string>

#include "support/CRegistrySandbox.h"
#include "support/ModuleReads.h"
#include "support/TestRegistry.h"
#include "tweaks/CCDROMTweaks.h"
#include "tweaks/CDFSValues.h"

namespace {

const char kCDFS[] = "SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS";

// Each CD speed's read-ahead; DVD 2X, 4X and 6X take the values of CD 8X, 24X and 40X and read
// back as those.
TEST(CDFSValues, ADvdSpeedSharesItsValueWithACdSpeedAndReadsBackAsIt) {
    const DWORD cd[][2] = {{4, 448},   {8, 896},   {16, 1344}, {24, 1792},
                           {32, 2240}, {40, 2688}, {48, 3136}};
    for (const auto& [speed, prefetch] : cd) {
        EXPECT_EQ(PrefetchForSpeed(speed), prefetch) << speed;
        EXPECT_EQ(SpeedForPrefetch(prefetch), speed) << speed;
    }
    const DWORD dvd[][3] = {{102, 896, 8}, {104, 1792, 24}, {106, 2688, 40}};
    for (const auto& [code, prefetch, speed] : dvd) {
        EXPECT_EQ(PrefetchForSpeed(code), prefetch) << code;
        EXPECT_EQ(SpeedForPrefetch(prefetch), speed) << code;
    }
    EXPECT_EQ(SpeedForPrefetch(0), 4u);
    EXPECT_EQ(CacheChoiceForSize(1238), 1u);
    EXPECT_EQ(CacheChoiceForSize(2000), 0u);
    EXPECT_EQ(CacheSizeForChoice(0xFFFFFFFFu), 619u);
}

class CDROMTweaks : public testing::Test {
protected:
    CRegistrySandbox sandbox_;
    CCDROMTweaks module_;

    static void ExpectBinary(const char* value, DWORD number) {
        ExpectStoredNumber(HKEY_LOCAL_MACHINE, kCDFS, value, REG_BINARY, number);
    }
};

TEST_F(CDROMTweaks, GetCDFSWritesOnlyWhatItCouldReadAndADvdSpeedReadsBackAsItsCdSpeed) {
    DWORD speed = 77, cache = 77;
    EXPECT_FALSE(module_.GetCDFS(speed, cache));
    EXPECT_EQ(speed, 77u);
    EXPECT_EQ(cache, 77u);

    StoreBinary(HKEY_LOCAL_MACHINE, kCDFS, "Prefetch", {0xE8, 0x03, 0x00, 0x00});
    EXPECT_FALSE(module_.GetCDFS(speed, cache));
    EXPECT_EQ(speed, 4u);
    EXPECT_EQ(cache, 77u);

    // A longer value counts as read, by its first four bytes.
    StoreBinary(HKEY_LOCAL_MACHINE, kCDFS, "Prefetch", {0x40, 0x0C, 0x00, 0x00, 0xFF, 0xFF});
    StoreBinary(HKEY_LOCAL_MACHINE, kCDFS, "CacheSize", {0xD6, 0x04, 0x00, 0x00});
    EXPECT_TRUE(module_.GetCDFS(speed, cache));
    EXPECT_EQ(speed, 48u);
    EXPECT_EQ(cache, 1u);

    // A DVD speed reads back as the CD speed of the same value.
    EXPECT_TRUE(module_.SetCDFS(104, 2));
    ExpectBinary("Prefetch", 1792);
    ExpectBinary("CacheSize", 2476);
    EXPECT_TRUE(module_.GetCDFS(speed, cache));
    EXPECT_EQ(speed, 24u);
    EXPECT_EQ(cache, 2u);

    EXPECT_TRUE(module_.SetCDFS(12, 7));
    ExpectBinary("Prefetch", 448);
    ExpectBinary("CacheSize", 619);
}

} // namespace
