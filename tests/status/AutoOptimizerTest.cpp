#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CAppSettings.h"
#include "platform/CMemoryFigures.h"
#include "status/CAutoOptimizer.h"
#include "status/CMemoryOptimizer.h"
#include "support/CRegistrySandbox.h"
#include "support/TestRegistry.h"
#include "support/ReportedMemory.h"

namespace {

constexpr DWORD kMB = 1048576;

class RecordingOptimizer : public CMemoryOptimizer {
public:
    int Optimize(const std::string& path) override {
        paths.push_back(path);
        return 0; // the rule does not look at the result
    }
    std::vector<std::string> paths;
};

TEST(AutoOptimizer, OptimisesStrictlyBelowTheLevelAnimatesTheTrayAndRecoversAboveEightMegabytes) {
    CRegistrySandbox sandbox(CRegistrySandbox::kLocalMachine);
    DWORD available = 32 * kMB;
    CMemoryFigures::SetSource(ReportedMemory([&] {
        return CMemoryFigures::Figures{256 * kMB, available};
    }));
    RecordingOptimizer optimizer;
    std::vector<int> trayStates;
    CAutoOptimizer rule(optimizer, [&](int state) { trayStates.push_back(state); });

    // No level stored: 0, which no free amount is below.
    available = 0;
    EXPECT_FALSE(rule.Watch());

    StoreNumber(HKEY_LOCAL_MACHINE, CAppSettings::kOptionsKey, "AutoMemOptimize", 32);
    available = 32 * kMB; // exactly at the level
    EXPECT_FALSE(rule.Watch());
    EXPECT_TRUE(optimizer.paths.empty());
    EXPECT_TRUE(trayStates.empty());

    available = 32 * kMB - 1; // 31 whole megabytes
    EXPECT_TRUE(rule.Watch());
    ASSERT_EQ(optimizer.paths.size(), 1u);
    EXPECT_EQ(optimizer.paths[0], CMemoryOptimizer::ScriptPath());
    EXPECT_EQ(trayStates, std::vector<int>{CAutoOptimizer::kTrayOptimizing});

    available = 0x7FFFFF;
    EXPECT_FALSE(rule.Recover());
    available = 0x800000;
    EXPECT_TRUE(rule.Recover());
    EXPECT_EQ(trayStates,
              (std::vector<int>{CAutoOptimizer::kTrayOptimizing, CAutoOptimizer::kTrayNormal}));

    // The level is read on every tick.
    available = 20 * kMB;
    StoreNumber(HKEY_LOCAL_MACHINE, CAppSettings::kOptionsKey, "AutoMemOptimize", 10);
    EXPECT_FALSE(rule.Watch());
    StoreNumber(HKEY_LOCAL_MACHINE, CAppSettings::kOptionsKey, "AutoMemOptimize", 21);
    EXPECT_TRUE(rule.Watch());
    EXPECT_EQ(optimizer.paths.size(), 2u);

    CMemoryFigures::SetSource({});
}

TEST(AutoOptimizerRule, OptimisationStartsStrictlyBelowTheThresholdInWholeMegabytes) {
    const DWORD mb = 1048576;
    EXPECT_FALSE(CAutoOptimizer::IsBelowThreshold(32 * mb, 32));
    EXPECT_TRUE(CAutoOptimizer::IsBelowThreshold(32 * mb - 1, 32));
    EXPECT_FALSE(CAutoOptimizer::IsBelowThreshold(33 * mb - 1, 32));
    // A threshold of 0 never starts one, however little is free.
    EXPECT_FALSE(CAutoOptimizer::IsBelowThreshold(0, 0));
    EXPECT_TRUE(CAutoOptimizer::IsBelowThreshold(0, 1));
    EXPECT_TRUE(CAutoOptimizer::IsBelowThreshold(0x7FFFFFFF, 4096));
    // Beyond 4 GB free, nothing wraps round to a small amount.
    EXPECT_FALSE(CAutoOptimizer::IsBelowThreshold(4ull << 30, 1));
    EXPECT_FALSE(CAutoOptimizer::IsBelowThreshold(9ull << 30, 6553));
    EXPECT_TRUE(CAutoOptimizer::IsBelowThreshold((6553ull << 20) - 1, 6553));
}

TEST(AutoOptimizerRule, RecoveryEndsAboveEightMegabytesLessOneByte) {
    EXPECT_TRUE(CAutoOptimizer::HasRecovered(8388608));
    EXPECT_FALSE(CAutoOptimizer::HasRecovered(8388607));
    EXPECT_FALSE(CAutoOptimizer::HasRecovered(0));
    EXPECT_TRUE(CAutoOptimizer::HasRecovered(0xFFFFFFFF));
    EXPECT_TRUE(CAutoOptimizer::HasRecovered(4ull << 30));
}

} // namespace
