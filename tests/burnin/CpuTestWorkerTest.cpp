#include <gtest/gtest.h>

#include <cstring>

#include "burnin/CCpuTestWorker.h"
#include "burnin/CCpuWorkload.h"

namespace {

// The value posted for each loop counter: 0 (nothing posted) in the gaps between the steps.
TEST(CpuTestWorker, ProgressTable) {
    const int table[][2] = {{1, 1},       {1999, 1},     {2000, 3},  {6999, 3},  {7000, 0},
                            {7001, 4},    {14999, 4},    {15000, 0}, {15001, 6}, {34999, 6},
                            {35000, 0},   {35001, 7},    {59999, 7}, {60000, 0}, {60001, 8},
                            {79999, 8},   {80000, 0},    {80001, 9}, {99999, 9}, {100000, 0},
                            {555555, 55}, {1000000, 100}};
    for (const auto& row : table)
        EXPECT_EQ(CCpuTestWorker::ProgressAt(row[0]), row[1]) << row[0];
    for (int counter = 100001; counter <= 109999; ++counter)
        ASSERT_EQ(CCpuTestWorker::ProgressAt(counter), 10) << counter;
    for (int counter = 990000; counter <= 999999; ++counter)
        ASSERT_EQ(CCpuTestWorker::ProgressAt(counter), 99) << counter;
}

// The workload's answers are fixed: the same in every build, on every thread.
TEST(CpuTestWorker, WorkloadEndsWithTheKnownResults) {
    const CCpuWorkload::Results whole = CCpuWorkload::Run(CCpuWorkload::kRunSteps);
    EXPECT_EQ(whole.integer, 0x98CC7F73u);
    EXPECT_EQ(whole.mixed, 0xA6544ED3u);
    EXPECT_EQ(whole.realBits, 0x4147BC7D542FFEF6ull);
    double real = 0;
    std::memcpy(&real, &whole.realBits, sizeof(real));
    EXPECT_NEAR(real, 3111162.6577147199, 1e-6);
    EXPECT_EQ(whole.digest, 0xC653566142970B3Bull);
    EXPECT_TRUE(whole == CCpuWorkload::Expected());

    const CCpuWorkload::Results early = CCpuWorkload::Run(1000);
    EXPECT_EQ(early.integer, 0x63FEA698u);
    EXPECT_EQ(early.mixed, 0x642DB9CDu);
    EXPECT_EQ(early.realBits, 0x40F5C857968C0190ull);
    EXPECT_EQ(early.digest, 0x6D6A4EA6E6D86423ull);
}

// One wrong bit in any value of any round changes the results, however far the run goes on:
// the square root pulls a wrong value back and the floating-point chain forgets its past, so
// the digest must remember.
TEST(CpuTestWorker, AnyFlippedBitOfAnyIntermediateEndsInWrongResults) {
    constexpr uint32_t kSteps = 1500;
    const CCpuWorkload::Results right = CCpuWorkload::Run(kSteps);
    const struct {
        CCpuWorkload::Value value;
        int bits; // width of the value
    } kinds[] = {
        {CCpuWorkload::kIntegerA, 32}, {CCpuWorkload::kIntegerB, 32}, {CCpuWorkload::kProduct, 64},
        {CCpuWorkload::kSum, 64},      {CCpuWorkload::kRoot, 64},     {CCpuWorkload::kQuotient, 64},
        {CCpuWorkload::kRatio, 64},    {CCpuWorkload::kNextY, 64},    {CCpuWorkload::kScaled, 64}};
    ASSERT_EQ(sizeof(kinds) / sizeof(kinds[0]), static_cast<size_t>(CCpuWorkload::kValueCount));
    // Early, mid-run and in the last step, in the first, a middle and the last round.
    const uint32_t counters[] = {3, 700, kSteps};
    const int rounds[] = {0, 41, CCpuWorkload::kRounds - 1};
    int tried = 0;
    for (const auto& kind : kinds) {
        for (int bit : {0, 1, 30, 31, 35, 51, 52, 62, 63}) {
            if (bit >= kind.bits)
                continue;
            CCpuWorkload::Fault fault;
            fault.value = kind.value;
            fault.bit = bit;
            fault.counter = counters[tried % 3];
            fault.round = rounds[(tried / 3) % 3];
            ++tried;
            EXPECT_TRUE(CCpuWorkload::Run(kSteps, fault) != right)
                << "value " << kind.value << " bit " << bit << " step " << fault.counter
                << " round " << fault.round;
        }
    }
    // The same fault in a step that never comes changes nothing.
    CCpuWorkload::Fault never;
    never.counter = kSteps + 1;
    never.value = CCpuWorkload::kRoot;
    EXPECT_TRUE(CCpuWorkload::Run(kSteps, never) == right);
}

// What one whole run posts, counted per value by a post function that posts nothing.
long g_posted[101];
LPARAM g_finalTag = -1;
HWND g_target = nullptr;
bool g_wrongTarget = false;
CCpuTestWorker* g_worker = nullptr;

BOOL WINAPI CountPost(HWND window, UINT message, WPARAM value, LPARAM tag) {
    if (window != g_target || message != CCpuTestWorker::kProgressMessage || value > 100) {
        g_wrongTarget = true;
        return TRUE;
    }
    ++g_posted[value];
    if (value == 100)
        g_finalTag = tag;
    else if (g_worker != nullptr)
        g_worker->Acknowledge(); // as if the page handled it at once
    return TRUE;
}

// A page that handles every message at once gets the table's values; one that handles nothing
// gets no more than 1,000 waiting messages, and the final one beside them.
TEST(CpuTestWorker, RunPostsTheTableAndItsVerdict) {
    g_target = reinterpret_cast<HWND>(0x1234);
    for (bool handled : {true, false}) {
        SCOPED_TRACE(handled);
        std::memset(g_posted, 0, sizeof(g_posted));
        CCpuTestWorker::SetPostFunction(&CountPost);
        {
            CCpuTestWorker worker;
            g_worker = handled ? &worker : nullptr;
            ASSERT_TRUE(worker.Start(g_target, handled ? 7 : 8));
            EXPECT_EQ(GetThreadPriority(worker.Thread()), THREAD_PRIORITY_BELOW_NORMAL);
            ASSERT_TRUE(worker.Wait(60000));
        }
        g_worker = nullptr;
        CCpuTestWorker::SetPostFunction(nullptr);
        EXPECT_FALSE(g_wrongTarget);
        EXPECT_EQ(g_posted[100], 1);
        EXPECT_EQ(CCpuTestWorker::SerialOf(g_finalTag), handled ? 7u : 8u);
        EXPECT_FALSE(CCpuTestWorker::IsWrongResult(g_finalTag));
        EXPECT_EQ(CCpuTestWorker::LiveThreads(), 0);
        long waiting = 0;
        for (int value = 1; value < 100; ++value)
            waiting += g_posted[value];
        if (!handled) {
            EXPECT_EQ(waiting, 1000);
            continue;
        }
        // 1 once before the loop and for counters 1..1999; from 11 to 99 10,000 each.
        const long posted[][2] = {{1, 2000},  {3, 5000},  {4, 7999},  {6, 19999},
                                  {7, 24999}, {8, 19999}, {9, 19999}, {10, 9999}};
        for (const auto& p : posted)
            EXPECT_EQ(g_posted[p[0]], p[1]) << p[0];
        for (int value = 11; value <= 99; ++value)
            EXPECT_EQ(g_posted[value], 10000) << value;
    }
}

} // namespace
