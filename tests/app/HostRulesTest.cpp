#include <gtest/gtest.h>

#include "app/HostRules.h"

namespace {

TEST(HostRules, OnlyShowWithoutCompletedTuningOpensTheMainWindow) {
    EXPECT_TRUE(OpensMainWindowAtStart(1, 0));
    EXPECT_TRUE(OpensMainWindowAtStart(5, 2)); // any other "Has Tuned" than 1
    EXPECT_FALSE(OpensMainWindowAtStart(1, 1));
    EXPECT_FALSE(OpensMainWindowAtStart(0, 0));
    EXPECT_FALSE(OpensMainWindowAtStart(0, 1));
}

TEST(HostRules, OptimisationStartsStrictlyBelowTheThresholdInWholeMegabytes) {
    const DWORD mb = 1048576;
    EXPECT_FALSE(IsBelowOptimizeThreshold(32 * mb, 32));
    EXPECT_TRUE(IsBelowOptimizeThreshold(32 * mb - 1, 32));
    EXPECT_FALSE(IsBelowOptimizeThreshold(33 * mb - 1, 32));
    // A threshold of 0 never starts one, however little is free.
    EXPECT_FALSE(IsBelowOptimizeThreshold(0, 0));
    EXPECT_TRUE(IsBelowOptimizeThreshold(0, 1));
    EXPECT_TRUE(IsBelowOptimizeThreshold(0x7FFFFFFF, 4096));
}

TEST(HostRules, RecoveryEndsAboveEightMegabytesLessOneByte) {
    EXPECT_TRUE(HasMemoryRecovered(8388608));
    EXPECT_FALSE(HasMemoryRecovered(8388607));
    EXPECT_FALSE(HasMemoryRecovered(0));
    EXPECT_TRUE(HasMemoryRecovered(0xFFFFFFFF));
}

} // namespace
