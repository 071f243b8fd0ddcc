#include <gtest/gtest.h>

#include "platform/CMemoryFigures.h"
#include "platform/COptionalApi.h"
#include "support/ReportedMemory.h"

namespace {

// From 64 MB to 64 GB: the NT path gives the machine's figures; the 9x path gives what
// GlobalMemoryStatus can tell, held at 4 GB less a byte and never above the total.
TEST(MemoryFigures, BothPathsGiveTheMachineAsFarAsTheirFunctionCanTell) {
    const ULONGLONG kHeld = 0xFFFFFFFFull;
    const struct {
        ULONGLONG total, available;
        ULONGLONG total9x, available9x;
    } cases[] = {
        {64 * kMegabyte, 40 * kMegabyte, 64 * kMegabyte, 40 * kMegabyte},
        {2048 * kMegabyte, 1536 * kMegabyte, 2048 * kMegabyte, 1536 * kMegabyte},
        {3584 * kMegabyte, 1024 * kMegabyte, 3584 * kMegabyte, 1024 * kMegabyte},
        {8192 * kMegabyte, 3072 * kMegabyte, kHeld, 3072 * kMegabyte},
        {8192 * kMegabyte, 6144 * kMegabyte, kHeld, kHeld},
        {65536 * kMegabyte, 61440 * kMegabyte, kHeld, kHeld},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.total >> 20) << " MB");
        CMemoryFigures::SetSource(ReportedMemory(c.total, c.available, MemoryPath::kNt));
        EXPECT_EQ(CMemoryFigures::TotalPhysical(), c.total);
        EXPECT_EQ(CMemoryFigures::AvailablePhysical(), c.available);
        CMemoryFigures::SetSource(ReportedMemory(c.total, c.available, MemoryPath::k9x));
        EXPECT_EQ(CMemoryFigures::TotalPhysical(), c.total9x);
        EXPECT_EQ(CMemoryFigures::AvailablePhysical(), c.available9x);
    }

    // GlobalMemoryStatusEx failing sends the query to GlobalMemoryStatus; a free figure above
    // the total is held at the total.
    CMemoryFigures::SystemCalls calls = ReportedMemory(8192 * kMegabyte, 512 * kMegabyte);
    calls.statusEx = [](MEMORYSTATUSEX&) { return FALSE; };
    CMemoryFigures::SetSource(calls);
    EXPECT_EQ(CMemoryFigures::TotalPhysical(), 0x7FFFFFFFull);
    EXPECT_EQ(CMemoryFigures::AvailablePhysical(), 512 * kMegabyte);
    CMemoryFigures::SetSource(ReportedMemory(256 * kMegabyte, 300 * kMegabyte, MemoryPath::k9x));
    EXPECT_EQ(CMemoryFigures::AvailablePhysical(), 256 * kMegabyte);
    CMemoryFigures::SetSource({});
}

// The system's own figures: GlobalMemoryStatusEx's where the system has it (looked up while the
// program runs, so that it still starts where it is missing), GlobalMemoryStatus's elsewhere.
TEST(MemoryFigures, TheSystemIsAskedThroughGlobalMemoryStatusExWhereItHasIt) {
    MEMORYSTATUSEX extended = {};
    extended.dwLength = sizeof(extended);
    ASSERT_NE(COptionalApi::Find(COptionalApi::kGlobalMemoryStatusEx), nullptr);
    ASSERT_TRUE(GlobalMemoryStatusEx(&extended));
    EXPECT_EQ(CMemoryFigures::TotalPhysical(), extended.ullTotalPhys);

    COptionalApi::PretendMissing(COptionalApi::kGlobalMemoryStatusEx, true);
    MEMORYSTATUS status = {};
    status.dwLength = sizeof(status);
    GlobalMemoryStatus(&status);
    EXPECT_EQ(CMemoryFigures::TotalPhysical(), static_cast<ULONGLONG>(status.dwTotalPhys));
    COptionalApi::PretendMissing(COptionalApi::kGlobalMemoryStatusEx, false);
}

} // namespace
