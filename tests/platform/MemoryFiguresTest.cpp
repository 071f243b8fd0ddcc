#include <gtest/gtest.h>

#include "platform/CMemoryFigures.h"
#include "platform/COptionalApi.h"
#include "support/ReportedMemory.h"

namespace {

// From 64 MB to 64 GB: the NT path gives the machine's figures; the 9x path gives what
// GlobalMemoryStatus can tell, held at 4 GB less a byte and never above the total.
TEST(MemoryFigures, BothPathsGiveTheMachineAsFarAsTheirFunctionCanTell) {
    // In megabytes; on the 9x path 0 stands for a figure held at 4 GB less a byte.
    const struct {
        ULONGLONG total, available, total9x, available9x;
    } cases[] = {{64, 40, 64, 40},      {2048, 1536, 2048, 1536}, {3584, 1024, 3584, 1024},
                 {8192, 3072, 0, 3072}, {8192, 6144, 0, 0},       {65536, 61440, 0, 0}};
    const auto held = [](ULONGLONG mb) { return mb == 0 ? 0xFFFFFFFFull : mb * kMegabyte; };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.total << " MB");
        const ULONGLONG total = c.total * kMegabyte, available = c.available * kMegabyte;
        CMemoryFigures::SetSource(ReportedMemory(total, available, MemoryPath::kNt));
        EXPECT_EQ(CMemoryFigures::TotalPhysical(), total);
        EXPECT_EQ(CMemoryFigures::AvailablePhysical(), available);
        CMemoryFigures::SetSource(ReportedMemory(total, available, MemoryPath::k9x));
        EXPECT_EQ(CMemoryFigures::TotalPhysical(), held(c.total9x));
        EXPECT_EQ(CMemoryFigures::AvailablePhysical(), held(c.available9x));
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
