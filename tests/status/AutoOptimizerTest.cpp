#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CMemoryFigures.h"
#include "status/CAutoOptimizer.h"
#include "status/CMemoryOptimizer.h"
#include "support/CRegistrySandbox.h"
#include "support/StatusOptions.h"
#include "support/ReportedMemory.h"

namespace {

constexpr DWORD kMB = 1048576;
const char kNotRun[] = "Auto Memory Optimization is paused for 5 minutes: the optimizer could not "
                       "be started (it needs Windows Script Host).";
const char kNotRecovered[] = "Auto Memory Optimization is paused for 5 minutes: the free memory "
                             "did not come back after the last optimization.";
const char kStillBelow[] = "Auto Memory Optimization is paused for 5 minutes: the last "
                           "optimization did not bring the free memory above the Auto Optimize "
                           "Level.";

class RecordingOptimizer : public CMemoryOptimizer {
public:
    int Optimize(const std::string& path) override {
        paths.push_back(path);
        return result;
    }
    std::vector<std::string> paths;
    int result = 1;
};

// The rule over 256 MB of memory whose free amount the test sets, the tray states it shows.
class AutoOptimizer : public testing::Test {
protected:
    void SetUp() override {
        CMemoryFigures::SetSource(ReportedMemory([this] {
            return CMemoryFigures::Figures{256 * kMB, available};
        }));
    }
    void TearDown() override { CMemoryFigures::SetSource({}); }

    CRegistrySandbox sandbox_{CRegistrySandbox::kLocalMachine};
    ULONGLONG available = 32 * kMB;
    RecordingOptimizer optimizer;
    std::vector<int> trayStates;
    CAutoOptimizer rule{optimizer, [this](int state) { trayStates.push_back(state); }};
};

TEST_F(AutoOptimizer, OptimisesBelowTheLevelAnimatesTheTrayAndRecoversAboveEightMegabytes) {
    // No level stored: 0, which no free amount is below.
    available = 0;
    EXPECT_EQ(rule.Watch(), CAutoOptimizer::kKeepWatching);

    StoreOption("AutoMemOptimize", 32);
    available = 40 * kMB;
    EXPECT_EQ(rule.Watch(), CAutoOptimizer::kKeepWatching);
    EXPECT_TRUE(optimizer.paths.empty());
    EXPECT_TRUE(trayStates.empty());

    available = 30 * kMB;
    EXPECT_EQ(rule.Watch(), CAutoOptimizer::kKeepRecovering);
    ASSERT_EQ(optimizer.paths.size(), 1u);
    EXPECT_EQ(optimizer.paths[0], CMemoryOptimizer::ScriptPath());
    EXPECT_EQ(trayStates, std::vector<int>{CAutoOptimizer::kTrayOptimizing});

    available = 4 * kMB;
    EXPECT_EQ(rule.Recover(), CAutoOptimizer::kKeepRecovering);
    available = 12 * kMB;
    EXPECT_EQ(rule.Recover(), CAutoOptimizer::kKeepWatching);
    EXPECT_EQ(trayStates,
              (std::vector<int>{CAutoOptimizer::kTrayOptimizing, CAutoOptimizer::kTrayNormal}));

    // The level is read on every tick.
    available = 20 * kMB;
    StoreOption("AutoMemOptimize", 10);
    EXPECT_EQ(rule.Watch(), CAutoOptimizer::kKeepWatching);
    StoreOption("AutoMemOptimize", 21);
    EXPECT_EQ(rule.Watch(), CAutoOptimizer::kKeepRecovering);
    EXPECT_EQ(optimizer.paths.size(), 2u);
    EXPECT_TRUE(CAutoOptimizer::PauseReason().empty());
}

// An optimisation that cannot help pauses the rule, with the icon normal and the reason told,
// instead of starting again every few seconds.
TEST_F(AutoOptimizer, PausesWhenTheOptimiserCannotRunOrMemoryStaysBelowTheLevel) {
    StoreOption("AutoMemOptimize", 32);
    available = 20 * kMB;

    // No script host: paused at once, the icon never animates.
    optimizer.result = 0;
    EXPECT_EQ(rule.Watch(), CAutoOptimizer::kPause);
    EXPECT_EQ(CAutoOptimizer::PauseReason(), kNotRun);
    EXPECT_TRUE(trayStates.empty());

    // Memory comes back above 8 MB but stays below the level: the next watch pauses instead
    // of optimising again.
    rule.Resume();
    optimizer.result = 1;
    EXPECT_EQ(rule.Watch(), CAutoOptimizer::kKeepRecovering);
    EXPECT_EQ(rule.Recover(), CAutoOptimizer::kKeepWatching);
    EXPECT_EQ(rule.Watch(), CAutoOptimizer::kPause);
    EXPECT_EQ(optimizer.paths.size(), 2u);
    EXPECT_EQ(CAutoOptimizer::PauseReason(), kStillBelow);

    // Memory never comes back: the recovery gives up after a minute of one-second ticks, the
    // icon back to normal.
    rule.Resume();
    available = 4 * kMB;
    trayStates.clear();
    EXPECT_EQ(rule.Watch(), CAutoOptimizer::kKeepRecovering);
    for (int tick = 1; tick < 60; ++tick)
        ASSERT_EQ(rule.Recover(), CAutoOptimizer::kKeepRecovering) << tick;
    EXPECT_EQ(rule.Recover(), CAutoOptimizer::kPause);
    EXPECT_EQ(CAutoOptimizer::PauseReason(), kNotRecovered);
    EXPECT_EQ(trayStates,
              (std::vector<int>{CAutoOptimizer::kTrayOptimizing, CAutoOptimizer::kTrayNormal}));

    // Once memory is above the level again, the reason is gone.
    rule.Resume();
    available = 100 * kMB;
    EXPECT_EQ(rule.Watch(), CAutoOptimizer::kKeepWatching);
    EXPECT_TRUE(CAutoOptimizer::PauseReason().empty());
}

// The two rules the watching and the recovery follow, at their edges.
TEST(AutoOptimizerRule, BelowTheLevelInWholeMegabytesAndRecoveredFromEightMegabytes) {
    const ULONGLONG mb = 1048576;
    // A level of 0 never starts one, however little is free; beyond 4 GB free, nothing wraps
    // round to a small amount.
    const struct {
        ULONGLONG available;
        DWORD level;
        bool below;
    } levels[] = {
        // clang-format off
        {32 * mb, 32, false},   {32 * mb - 1, 32, true},   {33 * mb - 1, 32, false},
        {0, 0, false},          {0, 1, true},              {0x7FFFFFFF, 4096, true},
        {4ull << 30, 1, false}, {9ull << 30, 6553, false}, {(6553ull << 20) - 1, 6553, true},
        // clang-format on
    };
    for (const auto& c : levels)
        EXPECT_EQ(CAutoOptimizer::IsBelowThreshold(c.available, c.level), c.below)
            << c.available << " free, level " << c.level;
    const struct {
        ULONGLONG available;
        bool recovered;
    } recoveries[] = {
        {8388608, true}, {8388607, false}, {0, false}, {0xFFFFFFFF, true}, {4ull << 30, true}};
    for (const auto& c : recoveries)
        EXPECT_EQ(CAutoOptimizer::HasRecovered(c.available), c.recovered) << c.available;
}

} // namespace
