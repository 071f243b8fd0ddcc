#include <gtest/gtest.h>

#include "platform/CMemoryFigures.h"
#include "status/CMemoryOptimizer.h"
#include "support/CTestFolder.h"
#include "support/ReportedMemory.h"

namespace {

// A machine whose memory the test sets, half of it free.
class MemoryOptimizer : public testing::Test {
protected:
    CTestFolder folder_{"optimizer"};
    std::string script_ = folder_ / "freemem.vbs";
    CMachineMemory memory_{0};
    CMemoryOptimizer optimizer_;
};

// Half the memory less 4,000,000 characters, up to the 1,000,000,000 bytes of string a 32-bit
// script host can hold (beyond 2 GB of memory the request would fail in it and free nothing).
// Each script replaces the one before, and a longer file left there too.
TEST_F(MemoryOptimizer, TheScriptHoldsExactlyOneLineForTheMemorySize) {
    CTestFolder::WriteFile(script_, std::string(100, 'x') + "\r\n");
    const struct {
        ULONGLONG total;
        const char* line;
    } cases[] = {
        {268435456, "FreeMem=Space(130217728)"},  {67108864, "FreeMem=Space(29554432)"},
        {8388608, "FreeMem=Space(194304)"},       {1008000000, "FreeMem=Space(500000000)"},
        {1008000002, "FreeMem=Space(500000000)"}, {0x7FFFFFFF, "FreeMem=Space(500000000)"},
        {0xFFFFFFFF, "FreeMem=Space(500000000)"}, {3584 * 1048576ull, "FreeMem=Space(500000000)"},
        {8ull << 30, "FreeMem=Space(500000000)"}, {64ull << 30, "FreeMem=Space(500000000)"},
        {1007999998, "FreeMem=Space(499999999)"},
    };
    for (const auto& c : cases) {
        memory_.Set(c.total, c.total / 2);
        ASSERT_EQ(optimizer_.WriteScript(script_), 1) << c.total;
        EXPECT_EQ(CTestFolder::ReadFile(script_), c.line) << c.total;
    }
}

// With too little memory, or nowhere to write, nothing is written and nothing starts.
TEST_F(MemoryOptimizer, TooLittleMemoryOrNoPlaceWritesAndStartsNothing) {
    EXPECT_EQ(CMemoryOptimizer::ScriptSize(8000000), 0);
    EXPECT_EQ(CMemoryOptimizer::ScriptSize(4194304), -1902848);
    const std::string nowhere = folder_ / "no such folder\\freemem.vbs";
    const struct {
        ULONGLONG total;
        std::string path;
    } cases[] = {{8000000, script_},
                 {8000001, script_},
                 {4194304, script_},
                 {0, script_},
                 {268435456, nowhere}};
    for (const auto& c : cases) {
        memory_.Set(c.total, c.total / 2);
        EXPECT_EQ(optimizer_.WriteScript(c.path), 0) << c.total;
        EXPECT_EQ(optimizer_.Optimize(c.path), 0) << c.total;
        EXPECT_FALSE(CTestFolder::Exists(c.path)) << c.total;
    }
    EXPECT_EQ(optimizer_.RunScript(folder_ / "missing.vbs"), 0);
}

TEST_F(MemoryOptimizer, TheShellRunsTheScriptAndItCanBeDeletedAfterwards) {
    memory_.Set(16 * kMegabyte, 8 * kMegabyte); // a small request: the script host ends quickly
    EXPECT_EQ(optimizer_.Optimize(script_), 1);
    Sleep(500);
    EXPECT_TRUE(optimizer_.DeleteScript(script_));
    EXPECT_FALSE(CTestFolder::Exists(script_));
    EXPECT_FALSE(optimizer_.DeleteScript(script_));
}

TEST_F(MemoryOptimizer, FiguresAndPlace) {
    memory_.Set(134217728, 67108864);
    EXPECT_EQ(optimizer_.GetTotalPhysical(), 134217728u);
    EXPECT_EQ(optimizer_.GetAvailablePhysical(), 67108864u);
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof(temp), temp);
    EXPECT_EQ(CMemoryOptimizer::ScriptPath(), std::string(temp) + "freemem.vbs");
}

} // namespace
